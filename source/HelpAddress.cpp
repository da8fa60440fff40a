#include "source/HelpAddress.h"

#include "platform/rtl/Paths.h"
#include "platform/rtl/StrUtils.h"
#include "source/FileNameHelpers.h"

std::string HelpPageAddress(const std::string& ProgramFile, const std::string& Page) {
    return StripExtension(ProgramFile) + ".chm::/" + LowerCase(Page) + ".htm";
}

std::string HelpPageAddress(const std::string& Page) {
    return HelpPageAddress(GetProgramFile(), Page);
}

void ShowHelpPage(HWND Window, const std::string& Page) {
    HtmlHelp(Window, HelpPageAddress(Page), 0, 0);
}
