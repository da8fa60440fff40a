#include "ui/bars/customize/form/CheckableButton.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/popupmenus/PopupMenu.h"

TCheckableButton::TCheckableButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    // The open menu's loop takes the mouse; a capture here would keep its clicks away from it.
    ControlStyle().Exclude(csCaptureMouse);
}

TCheckableButton::~TCheckableButton() {
    SetDropDownMenu(nullptr);
}

void TCheckableButton::SetDown(bool AValue) {
    if (FDown == AValue) return;
    FDown = AValue;
    Invalidate();
}

void TCheckableButton::SetDropDownMenu(TovBarCustomPopupMenu* AValue) {
    if (FDropDownMenu == AValue) return;
    if (FDropDownMenu != nullptr) FDropDownMenu->RemoveFreeNotification(this);
    FDropDownMenu = AValue;
    if (FDropDownMenu != nullptr) FDropDownMenu->FreeNotification(this);
}

bool TCheckableButton::IsHot() const {
    if (!FMouseInside) return false;
    TCustomForm* form = GetParentForm();
    return form != nullptr && form->Active();
}

void TCheckableButton::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDropDownMenu) FDropDownMenu = nullptr;
}

void TCheckableButton::Paint() {
    TCanvas* canvas = Canvas();
    RECT r = ClientRect();
    HDC dc = canvas->Handle();
    if (FDown)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (IsHot())
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    canvas->SetFont(Font());
    canvas->RequiredState({csHandleValid, csFontValid});
    RECT text = r;
    if (FDown) OffsetRect(&text, 1, 1);
    const std::string caption = Caption();
    const COLORREF oldColor = SetTextColor(dc, ColorToRGB(clBtnText));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColor);
}

void TCheckableButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    // A press that reaches the button while (or right after) its menu closes is the press that
    // closed it: the button stays up.
    if (FDroppedDown) return;
    if (FClosedOnButton) {
        FClosedOnButton = false;
        return;
    }
    SetDown(!FDown);
    if (FDown && FDropDownMenu != nullptr) DropDown();
}

void TCheckableButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // The closing press never came through (the menu's loop kept it): its release ends the wait.
    if (Button == mbLeft) FClosedOnButton = false;
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TCheckableButton::DropDown() {
    TWeakLink<TComponent> self(this);
    const POINT corner = ClientToScreen(POINT{0, Height()});
    FDroppedDown = true;
    FDropDownMenu->PopupEx(corner.x, corner.y, 0, Height(), FDropDownMenu->ShowAnimation(), nullptr, true,
                           nullptr);
    if (!self) return;
    FDroppedDown = false;
    // The press that closed the menu is still to come (taken back from the menu's loop, or not yet
    // retrieved): when it is over this button it must not count as a new press.
    MSG pending{};
    const POINT topLeft = ClientToScreen(POINT{0, 0});
    const RECT screenBounds{topLeft.x, topLeft.y, topLeft.x + Width(), topLeft.y + Height()};
    FClosedOnButton = PeekMessage(&pending, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) &&
                      PtInRect(&screenBounds, pending.pt);
    SetDown(false);
}

void TCheckableButton::CMMouseEnter(TMessage& Message) {
    TGraphicControl::CMMouseEnter(Message);
    FMouseInside = true;
    Invalidate();
}

void TCheckableButton::CMMouseLeave(TMessage& Message) {
    TGraphicControl::CMMouseLeave(Message);
    FMouseInside = false;
    FClosedOnButton = false;
    Invalidate();
}
