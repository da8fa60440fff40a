#include "platform/vcl/CheckBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/win/WinUser.h"

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    FWidth = 97;
    FHeight = 17;
}

void TCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    Invalidate();
    Click();
}

void TCheckBox::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCheckBox::Press() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    }
}

void TCheckBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case BM_GETCHECK:
        Message.Result = FState == cbChecked  ? BST_CHECKED
                         : FState == cbGrayed ? BST_INDETERMINATE
                                              : BST_UNCHECKED;
        return;
    case BM_SETCHECK:
        SetState(Message.WParam == BST_CHECKED         ? cbChecked
                 : Message.WParam == BST_INDETERMINATE ? cbGrayed
                                                       : cbUnchecked);
        return;
    default:
        break;
    }
    TButtonControl::Dispatch(Message);
}

void TCheckBox::Paint() {
    UINT state = DFCS_BUTTONCHECK;
    if (FState != cbUnchecked) state |= DFCS_CHECKED;
    // A grayed box shows its mark in grey on the dialog colour; a pushed or disabled box has no white.
    if (FState == cbGrayed || FPressed || !Enabled()) state |= DFCS_INACTIVE;
    PaintMarkAndCaption(state, FAlignment == taLeftJustify);
}
