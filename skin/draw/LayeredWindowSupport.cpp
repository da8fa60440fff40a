#include "skin/draw/LayeredWindowSupport.h"

#include "platform/win/Presenter.h"
#include "platform/win/WinVersion.h"

void GetOSVersion(int& Major, int& Minor) {
    const DWORD version = GetVersion();
    Major = int(version & 0xFF);
    Minor = int((version >> 8) & 0xFF);
}

bool OSVersionAllowsLayeredWindows(int Major, int Minor) {
    return Major > 5 || (Major == 5 && Minor >= 0 && Minor <= 2);
}

bool LayeredWindowsAvailable() {
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    if (!OSVersionAllowsLayeredWindows(major, minor)) return false;
    // The memory screen (no presenter) composes per-pixel alpha itself.
    const olva::win::IPresenter* presenter = olva::win::CurrentPresenter();
    return !presenter || presenter->SupportsPerPixelAlpha();
}
