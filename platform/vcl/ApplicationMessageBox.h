// The application's message box: a dialog form built in code with the text, an icon for the kind of
// message and the push buttons (TButton) the flags ask for; the keyboard rules themselves are the
// form's and the buttons'.
#pragma once

#include "platform/vcl/Form.h"

#include <string>

// Builds the message box (not shown); ShowModal answers the button's IDOK... value.
TCustomForm* CreateMessageBoxForm(const std::string& Text, const std::string& Caption, UINT Flags);
// The text a message box made by CreateMessageBoxForm shows; empty for any other form.
std::string MessageBoxText(const TCustomForm* Form);
