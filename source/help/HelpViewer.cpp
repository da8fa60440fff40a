#include "source/help/HelpViewer.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/FileNames.h"
#include "source/FileNameHelpers.h"
#include "source/HelpAddress.h"
#include "source/ShellOpen.h"
#include "source/TimeText.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace help_viewer_detail {

constexpr const char* ViewerName = "xdg-open";
constexpr const char* ManualSeparator = "::/";

THelpRequestHandler& Handler() {
    static THelpRequestHandler handler;
    return handler;
}

bool IsRegularFile(const std::string& Path) {
    struct stat info {};
    return ::stat(Path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The first entry of PATH that holds a file of that name; empty when none does.
std::string FindOnPath(const std::string& Name) {
    const char* path = std::getenv("PATH");
    if (path == nullptr) return {};
    for (const std::string& folder : SplitText(path, ':')) {
        const std::string candidate = IncludeTrailingPathDelimiter(folder.empty() ? "." : folder) + Name;
        if (IsRegularFile(candidate)) return candidate;
    }
    return {};
}

} // namespace help_viewer_detail

std::string HelpPageFile(const std::string& Address) {
    const std::size_t separator = Address.find(help_viewer_detail::ManualSeparator);
    if (separator == std::string::npos) return {};
    const std::string manual = Address.substr(0, separator);
    const std::string page = Address.substr(separator + 3);
    return StripExtension(manual) + "-help/" + page;
}

void TDesktopHelpViewer::Load() {
    using namespace help_viewer_detail;
    const std::string viewer = FindOnPath(ViewerName);
    if (viewer.empty()) throw Exception("HHCtrl.OCX not installed!\r HTMLHELP cannot displayed!");
    if (::access(viewer.c_str(), X_OK) != 0) throw Exception("Function HTMLHELP cannot loaded!");
    FViewer = viewer;
}

int TDesktopHelpViewer::HtmlHelp(HWND, const std::string& Address, UINT Command, DWORD_PTR) {
    if (!Loaded()) Load();
    if (Command != HH_DISPLAY_TOPIC) return 0;
    const std::string page = HelpPageFile(Address);
    if (page.empty() || !help_viewer_detail::IsRegularFile(page))
        throw Exception("The help page \"" + (page.empty() ? Address : page) + "\" was not found.");
    StartDetachedProgram(FViewer, {page});
    return 1;
}

int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) {
    if (const THelpRequestHandler& handler = help_viewer_detail::Handler())
        return handler(Window, Address, Command, Data);
    static TDesktopHelpViewer viewer;
    return viewer.HtmlHelp(Window, Address, Command, Data);
}

THelpViewerOverride::THelpViewerOverride(THelpRequestHandler handler)
    : FPrevious(std::exchange(help_viewer_detail::Handler(), std::move(handler))) {}

THelpViewerOverride::~THelpViewerOverride() {
    help_viewer_detail::Handler() = std::move(FPrevious);
}
