#include "platform/vcl/Button.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Keyboard.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    FWidth = 75;
    FHeight = 25;
    FColor = clBtnFace;
    SetParentColor(false);
}

void TButton::SetDefault(bool Value) {
    if (FDefault == Value) return;
    FDefault = Value;
    TCustomForm* form = GetParentForm();
    if (form != nullptr)
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
    else
        FActive = Value;
    Invalidate();
}

void TButton::Click() {
    TCustomForm* form = GetParentForm();
    if (form != nullptr && FModalResult != mrNone) form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::CMDialogKey(TMessage& Message) {
    const bool pressed = (Message.WParam == VK_RETURN && FActive) || (Message.WParam == VK_ESCAPE && FCancel);
    if (pressed && KeyDataToShiftState(Message.LParam).empty() && CanFocus() && Showing()) {
        Click();
        Message.Result = 1;
        return;
    }
    TButtonControl::CMDialogKey(Message);
}

// A push button's accelerator clicks it and leaves the focus where it is, so a dialog's "Apply" can be
// pressed from the field being edited.
void TButton::Accelerate() {
    Press();
}

void TButton::CMFocusChanged(TMessage& Message) {
    // A focused push button takes Enter for itself; otherwise the default button has it.
    auto* focused = reinterpret_cast<TWinControl*>(Message.LParam);
    const bool active = dynamic_cast<TButton*>(focused) != nullptr ? focused == this : FDefault;
    if (active != FActive) {
        FActive = active;
        Invalidate();
    }
    TButtonControl::CMFocusChanged(Message);
}

void TButton::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_BUTTON | (FActive ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

void TButton::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT r = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    if (FActive) {
        // The default button's black frame.
        canvas->Brush()->SetColor(clWindowFrame);
        canvas->FrameRect(r);
        ::InflateRect(&r, -1, -1);
    }
    ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (FPressed ? DFCS_PUSHED : 0));
    RECT text = r;
    ::InflateRect(&text, -4, -4);
    if (FPressed) ::OffsetRect(&text, 1, 1);
    DrawCaption(dc, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, false);
}
