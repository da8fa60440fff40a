#include "platform/vcl/RadioButton.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    FWidth = 113;
    FHeight = 17;
    // Only the checked button of a group is reached by Tab.
    SetTabStop(false);
}

void TRadioButton::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    SetTabStop(Value);
    Invalidate();
    if (!Value) return;
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
            if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
        }
    }
    Click();
}

void TRadioButton::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TRadioButton::WMSetFocus(TMessage& Message) {
    TButtonControl::WMSetFocus(Message);
    // Reached with an arrow key, the button is chosen, as a user moving through a group expects.
    const bool arrow = ::GetKeyState(VK_LEFT) < 0 || ::GetKeyState(VK_RIGHT) < 0 ||
                       ::GetKeyState(VK_UP) < 0 || ::GetKeyState(VK_DOWN) < 0;
    if (arrow) SetChecked(true);
}

void TRadioButton::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case BM_GETCHECK:
        Message.Result = FChecked ? BST_CHECKED : BST_UNCHECKED;
        return;
    case BM_SETCHECK:
        SetChecked(Message.WParam == BST_CHECKED);
        return;
    case BM_CLICK:
        Press();
        return;
    default:
        break;
    }
    TButtonControl::Dispatch(Message);
}

void TRadioButton::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    const RECT client = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    const int top = (client.bottom - StdCtrlsCheckSize) / 2;
    const bool markRight = FAlignment == taLeftJustify;
    RECT mark{0, top, StdCtrlsCheckSize, top + StdCtrlsCheckSize};
    if (markRight) ::OffsetRect(&mark, client.right - StdCtrlsCheckSize, 0);
    UINT state = DFCS_BUTTONRADIO;
    if (FChecked) state |= DFCS_CHECKED;
    if (FPressed || !Enabled()) state |= DFCS_INACTIVE;
    ::DrawFrameControl(dc, &mark, DFC_BUTTON, state);
    RECT text = client;
    if (markRight)
        text.right -= StdCtrlsCheckSize + 4;
    else
        text.left += StdCtrlsCheckSize + 4;
    DrawCaption(dc, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, true);
}
