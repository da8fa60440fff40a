// TRadioButton: one choice of a group — the radio buttons with the same parent. Checking one unchecks the
// others; only the checked one is a tab stop, and the arrow keys move through the group, checking the
// button they reach. A click on an unchecked button checks it; OnClick fires when it becomes checked.
#pragma once

#include "platform/vcl/ButtonControl.h"
#include "platform/vcl/StdCtrls.h"

class TRadioButton : public TButtonControl {
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

protected:
    void Press() override { SetChecked(true); }
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON; }
    void WMSetFocus(TMessage& Message) override;

private:
    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};
