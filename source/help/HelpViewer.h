// The help viewer behind HtmlHelp. The manual is a folder of HTML pages installed beside the program and
// named like the program file with "-help" ("olva" reads "olva-help/"); a help address names the
// manual and the page as it always has ("<folder>/olva.chm::/appoptions.htm"), and the page is shown in
// the desktop's browser through the desktop's opener, xdg-open.
//
// The opener is looked up on PATH at the first request and kept for the life of the process; a lookup
// that fails keeps nothing, so the next request looks again.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>
#include <optional>
#include <string>

// The command that shows a topic; every other command is answered with 0.
inline constexpr UINT HH_DISPLAY_TOPIC = 0;

class TDesktopHelpViewer {
public:
    // Shows the page of `Address` and returns 1. Raises Exception, saying what is missing and naming the
    // page so that the user can open it another way, when no opener is on PATH, when the one found
    // cannot be run, when it ends at once with a failure (the desktop has no browser for the page), and
    // when the manual has no such page.
    int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data);
    bool Loaded() const { return !FViewer.empty(); }
    const std::string& Viewer() const { return FViewer; }

private:
    void Load(const std::string& Page);
    std::string FViewer; // the opener's path once found
};

// How long a request waits to see whether the opener failed at once.
inline constexpr int HelpOpenerWaitMs = 1500;

// The page file of a help address: "<path>/<name>.chm::/<page>.htm" is "<path>/<name>-help/<page>.htm".
// Empty for an address without "::/".
std::string HelpPageFile(const std::string& Address);

// While one lives, HtmlHelp hands every request to `handler` instead of the process's viewer.
using THelpRequestHandler =
    std::function<int(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data)>;
class THelpViewerOverride {
public:
    explicit THelpViewerOverride(THelpRequestHandler handler);
    ~THelpViewerOverride();
    THelpViewerOverride(const THelpViewerOverride&) = delete;
    THelpViewerOverride& operator=(const THelpViewerOverride&) = delete;

private:
    THelpRequestHandler FPrevious;
};
