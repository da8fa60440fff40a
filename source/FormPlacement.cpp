#include "source/FormPlacement.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/StrUtils.h"
#include "source/GlobalVars.h"
#include "source/IniFileAccess.h"
#include "source/SettingsFile.h"

#include <algorithm>

namespace form_placement_detail {

std::string PlacementFile(const std::string& path) {
    return Trim(path).empty() ? SettingsFilePath() : path;
}

void FitToolWindow(int& left, int& top, int& width, int& height, const TRect& screen) {
    TFormPlacement fitted = FitOnScreen({left, top, width, height, false}, screen);
    left = fitted.Left, top = fitted.Top, width = fitted.Width, height = fitted.Height;
}

} // namespace form_placement_detail

TFormPlacement FitOnScreen(TFormPlacement window, const TRect& screen) {
    const int screenWidth = screen.right - screen.left;
    const int screenHeight = screen.bottom - screen.top;
    window.Width = std::min(window.Width, screenWidth);
    window.Height = std::min(window.Height, screenHeight);
    if (window.Left + window.Width > screen.right) window.Left = screen.right - window.Width;
    if (window.Top + window.Height > screen.bottom) window.Top = screen.bottom - window.Height;
    window.Left = std::max(window.Left, static_cast<int>(screen.left));
    window.Top = std::max(window.Top, static_cast<int>(screen.top));
    return window;
}

void RestoreFormPlacement(const std::string& section, TFormPlacement& window, const TRect& screen,
                          const std::string& path) {
    std::unique_ptr<TMemIniFile> ini = OpenIniForReading(form_placement_detail::PlacementFile(path));
    TFormPlacement stored = window;
    stored.Maximized = ini->ReadBool(section, "maximized", false);
    stored.Left = ini->ReadInteger(section, "x", window.Left);
    stored.Top = ini->ReadInteger(section, "y", window.Top);
    // The height is stored with the extra pixels added on saving; taking them off again keeps the
    // window from growing on every start.
    stored.Height =
        ini->ReadInteger(section, "height", window.Height + StoredHeightExtra) - StoredHeightExtra;
    stored.Width = ini->ReadInteger(section, "width", window.Width);
    if (stored.Width <= 0) stored.Width = window.Width;
    if (stored.Height <= 0) stored.Height = window.Height;
    window = FitOnScreen(stored, screen);
}

void SaveFormPlacement(const std::string& section, const TFormPlacement& window, const std::string& path) {
    std::unique_ptr<TMemIniFile> ini = OpenIniForWriting(form_placement_detail::PlacementFile(path));
    ini->WriteInteger(section, "x", window.Left);
    ini->WriteInteger(section, "y", window.Top);
    ini->WriteInteger(section, "height", window.Height + StoredHeightExtra);
    ini->WriteInteger(section, "width", window.Width);
    ini->WriteBool(section, "maximized", window.Maximized);
    WriteIniFile(*ini);
}

void KeepToolWindowsOnScreen(TGlobalVars& v, const TRect& screen) {
    using form_placement_detail::FitToolWindow;
    FitToolWindow(v.RegionFormLeft, v.RegionFormTop, v.RegionFormWidth, v.RegionFormHeight, screen);
    FitToolWindow(v.BookmarkFormLeft, v.BookmarkFormTop, v.BookmarkFormWidth, v.BookmarkFormHeight, screen);
    FitToolWindow(v.FreAnalysisFormLeft, v.FreAnalysisFormTop, v.FreAnalysisFormWidth,
                  v.FreAnalysisFormHeight, screen);
}

TFormPlacement ApplyFirstStartPlacement(TGlobalVars& v, const TRect& screen) {
    TFormPlacement main{0, 0, 900, 560, false};
    main.Left = screen.left + (screen.right - screen.left - main.Width) / 2;
    main.Top = screen.top + (screen.bottom - screen.top - main.Height) / 2;
    main = FitOnScreen(main, screen);
    v.RegionFormLeft = main.Left + main.Width - v.RegionFormWidth;
    v.RegionFormTop = main.Top + main.Height - v.RegionFormHeight;
    v.BookmarkFormLeft = main.Left + main.Width - v.BookmarkFormWidth;
    v.BookmarkFormTop = main.Top + main.Height - v.BookmarkFormHeight;
    // The frequency analysis window, which stays on top, opens over the middle of the main window, not
    // over the screen's corner where it would hide the main window's caption and menu.
    v.FreAnalysisFormLeft = main.Left + (main.Width - v.FreAnalysisFormWidth) / 2;
    v.FreAnalysisFormTop = main.Top + (main.Height - v.FreAnalysisFormHeight) / 2;
    form_placement_detail::FitToolWindow(v.FreAnalysisFormLeft, v.FreAnalysisFormTop, v.FreAnalysisFormWidth,
                                         v.FreAnalysisFormHeight, screen);
    return main;
}
