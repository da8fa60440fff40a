#include "source/help/HelpViewer.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/FileNames.h"
#include "source/FileNameHelpers.h"
#include "source/HelpAddress.h"
#include "source/ShellOpen.h"
#include "source/TimeText.h"
#include "source/WaitCursor.h"

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

// What the user reads when the page cannot be shown: what is missing, and the page to open by hand.
std::string CannotShow(const std::string& Reason, const std::string& Page) {
    return "The manual cannot be shown: " + Reason + "\nYou can open its page in a web browser yourself:\n" +
           Page;
}

} // namespace help_viewer_detail

std::string HelpPageFile(const std::string& Address) {
    const std::size_t separator = Address.find(help_viewer_detail::ManualSeparator);
    if (separator == std::string::npos) return {};
    const std::string manual = Address.substr(0, separator);
    const std::string page = Address.substr(separator + 3);
    return StripExtension(manual) + "-help/" + page;
}

void TDesktopHelpViewer::Load(const std::string& Page) {
    using namespace help_viewer_detail;
    const std::string viewer = FindOnPath(ViewerName);
    if (viewer.empty())
        throw Exception(CannotShow("no program to open web pages was found (xdg-open, from xdg-utils, is "
                                   "not installed).",
                                   Page));
    if (::access(viewer.c_str(), X_OK) != 0)
        throw Exception(CannotShow("the program to open web pages (" + viewer + ") cannot be run.", Page));
    FViewer = viewer;
}

int TDesktopHelpViewer::HtmlHelp(HWND, const std::string& Address, UINT Command, DWORD_PTR) {
    using namespace help_viewer_detail;
    const std::string page = HelpPageFile(Address);
    if (!Loaded()) Load(page.empty() ? Address : page);
    if (Command != HH_DISPLAY_TOPIC) return 0;
    if (page.empty() || !IsRegularFile(page))
        throw Exception("The help page \"" + (page.empty() ? Address : page) + "\" was not found.");
    TWaitCursor wait;
    // An opener that ends at once with a failure found nothing to show the page with.
    if (const std::optional<int> status = StartProgramAndWatch(FViewer, {page}, HelpOpenerWaitMs);
        status && *status != 0)
        throw Exception(CannotShow("no web browser is set up on this computer.", page));
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
