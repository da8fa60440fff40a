#include "platform/vcl/RadioButton.h"

#include "platform/gdi/Gdi.h"
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
    default:
        break;
    }
    TButtonControl::Dispatch(Message);
}

void TRadioButton::Paint() {
    UINT state = DFCS_BUTTONRADIO;
    if (FChecked) state |= DFCS_CHECKED;
    if (FPressed || !Enabled()) state |= DFCS_INACTIVE;
    PaintMarkAndCaption(state, FAlignment == taLeftJustify);
}
