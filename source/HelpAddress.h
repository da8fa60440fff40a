// Help pages: every Help button and help command shows one page of the manual, named like the
// program file with the extension ".chm", through the help viewer (source/help/HelpViewer.h: the
// manual's pages lie in a folder beside the program and open in the desktop's browser).
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

// Format("%s::/%s.htm", the program file with its extension changed to ".chm", the page name in lower
// case), e.g. "/opt/olva/olva.chm::/appoptions.htm" for "APPOptions".
std::string HelpPageAddress(const std::string& Page);
// The same for a given program file.
std::string HelpPageAddress(const std::string& ProgramFile, const std::string& Page);

// The help viewer's entry: shows the address (command 0, data 0 shows a topic). Raises Exception when
// the viewer cannot be loaded or the page is missing.
int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data);

// Shows a page for a window's Help button or command.
void ShowHelpPage(HWND Window, const std::string& Page);
