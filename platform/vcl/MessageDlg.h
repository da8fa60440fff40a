// Message dialogs: MessageDlg (an icon for the kind of message, the text, and the buttons asked for, in a
// fixed order with Cancel last), ShowMessage (the text and OK under the application's title) and the
// MessageBox call of the window API (its button sets, MB_DEFBUTTONn; Esc only with Cancel or a lone OK).
// Enter presses the default button (OK, Yes or Retry when present, otherwise the first), Esc the cancel
// button (Cancel, else No, else OK); a box without either ignores Esc. The answers are the mrXxx / IDXXX
// values.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

#include <string>

class TCustomForm;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn {
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp,
    mbClose
};
using TMsgDlgButtons = Set<TMsgDlgBtn, 16>;

inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// Builds the dialog (not shown); the caller frees it.
TCustomForm* CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);
// Shows the dialog modally and answers the pressed button's modal result.
int MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
void ShowMessage(const std::string& Msg);
// The window API's message box; a null caption shows "Error", as the system does.
int MessageBox(HWND Owner, const char* Text, const char* Caption, UINT Type);
