// TCheckBox: a box with a caption beside it (on the right unless Alignment is taLeftJustify). A click,
// Space or the accelerator cycles unchecked -> checked (-> grayed when AllowGrayed) -> unchecked; every
// change of state fires OnClick, also a change made in code, as callers rely on.
#pragma once

#include "platform/vcl/ButtonControl.h"
#include "platform/vcl/StdCtrls.h"

class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* AOwner);

    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

protected:
    void Press() override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_BUTTON; }

private:
    TCheckBoxState FState = cbUnchecked;
    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
};
