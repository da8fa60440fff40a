// The help viewer until the manual and its viewer are part of the program: every request reports the
// viewer as missing.
#include "platform/rtl/Exception.h"
#include "source/HelpAddress.h"

int HtmlHelp(HWND, const std::string&, UINT, DWORD_PTR) {
    throw Exception("HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
}
