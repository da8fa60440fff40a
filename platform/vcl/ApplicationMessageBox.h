// The application's message box: a dialog form built in code with the text, an icon for the kind of
// message and the push buttons the flags ask for. Its push button answers Enter when it is the default
// (or focused) button and Esc when it is the cancel button, and sets the form's ModalResult when
// clicked; the keyboard rules themselves are the form's.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"

#include <string>

class TMessageBoxButton : public TCustomControl {
public:
    explicit TMessageBoxButton(TComponent* AOwner);

    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    // Whether Enter presses this button now: it is focused, or it is the default and no other push button
    // is focused.
    bool IsActive() const { return FActive; }
    void Click() override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMDialogKey(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;
    void CMFocusChanged(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    bool FSpacePressed = false;
    TModalResult FModalResult = mrNone;
};

// Builds the message box (not shown); ShowModal answers the button's IDOK... value.
TCustomForm* CreateMessageBoxForm(const std::string& Text, const std::string& Caption, UINT Flags);
