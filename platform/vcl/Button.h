// TButton: a push button. The default button (Default) answers Enter while no other push button has the
// focus and wears a black frame then; the cancel button (Cancel) answers Esc. Its "&" accelerator clicks
// it where the focus is. A click sets the form's ModalResult to the button's, which ends a modal form.
#pragma once

#include "platform/vcl/ButtonControl.h"
#include "platform/vcl/ControlTypes.h"

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // Whether Enter presses this button now.
    bool Active() const { return FActive; }
    void Click() override;

protected:
    void Paint() override;
    void CMDialogKey(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void Accelerate() override;

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
};
