// Monitors, system metrics, system colours and system parameters of the classic 96-DPI desktop.
#include "platform/win/Screen.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <map>

namespace olva::win {

namespace screen_detail {
std::vector<MonitorConfig> DefaultMonitors() {
    return {MonitorConfig{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}};
}
std::vector<MonitorConfig>& MonitorList() {
    static std::vector<MonitorConfig> list = DefaultMonitors();
    return list;
}
std::map<int, int>& MetricOverrides() {
    static std::map<int, int> map;
    return map;
}
std::map<int, COLORREF>& ColorOverrides() {
    static std::map<int, COLORREF> map;
    return map;
}
HBRUSH ColorBrushes[COLOR_COUNT] = {};
COLORREF ColorBrushColors[COLOR_COUNT] = {};

constexpr COLORREF ClassicColors[COLOR_COUNT] = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3D dark shadow
    RGB(212, 208, 200), // 3D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(181, 181, 181), // (unused slot)
    RGB(0, 0, 128),     // hot light
    RGB(166, 202, 240), // gradient active caption
    RGB(192, 192, 192), // gradient inactive caption
    RGB(10, 36, 106),   // menu highlight
    RGB(212, 208, 200), // menu bar
};

int BaseMetric(int index) {
    const RECT vs = VirtualScreen();
    const MonitorConfig& primary = MonitorList().front();
    const int frameX = 4, frameY = 4;
    switch (index) {
    case SM_CXSCREEN:
        return primary.bounds.right - primary.bounds.left;
    case SM_CYSCREEN:
        return primary.bounds.bottom - primary.bounds.top;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CYMENU:
        return 19;
    case SM_CXFULLSCREEN:
        return primary.work.right - primary.work.left;
    case SM_CYFULLSCREEN:
        return primary.work.bottom - primary.work.top - 19;
    case SM_MOUSEPRESENT:
        return 1;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXFRAME:
        return frameX;
    case SM_CYFRAME:
        return frameY;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
        return 75;
    case SM_CMOUSEBUTTONS:
        return 3;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXMINSPACING:
        return 160;
    case SM_CYMINSPACING:
        return 24;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYSMCAPTION:
        return 16;
    case SM_CXSMSIZE:
        return 12;
    case SM_CYSMSIZE:
        return 15;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
        return 18;
    case SM_CXMINIMIZED:
        return 160;
    case SM_CYMINIMIZED:
        return 24;
    case SM_CXMAXTRACK:
        return (vs.right - vs.left) + 2 * frameX;
    case SM_CYMAXTRACK:
        return (vs.bottom - vs.top) + 2 * frameY;
    case SM_CXMAXIMIZED:
        return primary.work.right - primary.work.left + 2 * frameX;
    case SM_CYMAXIMIZED:
        return primary.work.bottom - primary.work.top + 2 * frameY;
    case SM_NETWORK:
        return 3;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    case SM_MOUSEWHEELPRESENT:
        return 1;
    case SM_XVIRTUALSCREEN:
        return vs.left;
    case SM_YVIRTUALSCREEN:
        return vs.top;
    case SM_CXVIRTUALSCREEN:
        return vs.right - vs.left;
    case SM_CYVIRTUALSCREEN:
        return vs.bottom - vs.top;
    case SM_CMONITORS:
        return int(MonitorList().size());
    case SM_SAMEDISPLAYFORMAT:
        return 1;
    case SM_CXFOCUSBORDER:
    case SM_CYFOCUSBORDER:
        return 1;
    default:
        return 0; // no touch, no tablet, no remote session, no right-to-left, padded border 0
    }
}

HWND Broadcast() {
    return reinterpret_cast<HWND>(LONG_PTR(0xFFFF));
}

HMONITOR MonitorHandle(std::size_t index) {
    return reinterpret_cast<HMONITOR>(std::uintptr_t(0x30000 + index + 1));
}

long long DistanceSquared(const RECT& r, POINT p) {
    long long dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - r.right + 1 : 0);
    long long dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - r.bottom + 1 : 0);
    return dx * dx + dy * dy;
}

COLORREF ResolveSysColor(int index) {
    return GetSysColor(index);
}

LOGFONT ClassicFont(int height, LONG weight = FW_NORMAL) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, "Tahoma", LF_FACESIZE - 1);
    return lf;
}
} // namespace screen_detail

void SetMonitors(std::vector<MonitorConfig> monitors) {
    if (monitors.empty()) monitors = screen_detail::DefaultMonitors();
    screen_detail::MonitorList() = std::move(monitors);
    Window* desktop = Sys().Desktop();
    desktop->rect = VirtualScreen();
    desktop->client =
        RECT{0, 0, desktop->rect.right - desktop->rect.left, desktop->rect.bottom - desktop->rect.top};
    // Top-level windows hear of the new screen, as after a display change on the desktop.
    const RECT& primary = screen_detail::MonitorList().front().bounds;
    SendMessage(screen_detail::Broadcast(), WM_DISPLAYCHANGE, 32,
                MAKELPARAM(WORD(primary.right - primary.left), WORD(primary.bottom - primary.top)));
    SendMessage(screen_detail::Broadcast(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
}

const std::vector<MonitorConfig>& Monitors() {
    return screen_detail::MonitorList();
}

RECT VirtualScreen() {
    RECT r = screen_detail::MonitorList().front().bounds;
    for (const auto& m : screen_detail::MonitorList()) {
        r.left = std::min(r.left, m.bounds.left);
        r.top = std::min(r.top, m.bounds.top);
        r.right = std::max(r.right, m.bounds.right);
        r.bottom = std::max(r.bottom, m.bounds.bottom);
    }
    return r;
}

void SetSystemMetricOverride(int index, int value) {
    screen_detail::MetricOverrides()[index] = value;
    SendMessage(screen_detail::Broadcast(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
}

void SetSysColorOverride(int index, COLORREF color) {
    screen_detail::ColorOverrides()[index] = color;
    SendMessage(screen_detail::Broadcast(), WM_SYSCOLORCHANGE, 0, 0);
}
void ResetSystemOverrides() {
    screen_detail::MetricOverrides().clear();
    screen_detail::ColorOverrides().clear();
    SetMonitors({});
}

void InstallSysColorBrushResolver() {
    GdiSetSysColorFunction(&screen_detail::ResolveSysColor);
}

} // namespace olva::win

using namespace olva::win;

int GetSystemMetrics(int index) {
    auto& overrides = screen_detail::MetricOverrides();
    if (auto it = overrides.find(index); it != overrides.end()) return it->second;
    return screen_detail::BaseMetric(index);
}

DWORD GetSysColor(int index) {
    if (index < 0 || index >= COLOR_COUNT) return 0;
    auto& overrides = screen_detail::ColorOverrides();
    if (auto it = overrides.find(index); it != overrides.end()) return it->second;
    return screen_detail::ClassicColors[index];
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= COLOR_COUNT) return nullptr;
    // The brushes live for the program's life (deleting them does nothing harmful: callers must not).
    COLORREF c = GetSysColor(index);
    if (!screen_detail::ColorBrushes[index] || screen_detail::ColorBrushColors[index] != c) {
        screen_detail::ColorBrushes[index] = CreateSolidBrush(c);
        screen_detail::ColorBrushColors[index] = c;
    }
    return screen_detail::ColorBrushes[index];
}

HMONITOR MonitorFromPoint(POINT pt, DWORD flags) {
    const auto& list = screen_detail::MonitorList();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (PtInRect(&list[i].bounds, pt)) return screen_detail::MonitorHandle(i);
    if (flags == MONITOR_DEFAULTTOPRIMARY) return screen_detail::MonitorHandle(0);
    if (flags == MONITOR_DEFAULTTONEAREST) {
        std::size_t best = 0;
        long long bestDistance = LLONG_MAX;
        for (std::size_t i = 0; i < list.size(); ++i) {
            long long d = screen_detail::DistanceSquared(list[i].bounds, pt);
            if (d < bestDistance) bestDistance = d, best = i;
        }
        return screen_detail::MonitorHandle(best);
    }
    return nullptr;
}

HMONITOR MonitorFromRect(const RECT* rect, DWORD flags) {
    if (!rect) return nullptr;
    const auto& list = screen_detail::MonitorList();
    long long bestArea = 0;
    HMONITOR best = nullptr;
    for (std::size_t i = 0; i < list.size(); ++i) {
        RECT x;
        if (IntersectRect(&x, rect, &list[i].bounds)) {
            long long area = (long long)(x.right - x.left) * (x.bottom - x.top);
            if (area > bestArea) bestArea = area, best = screen_detail::MonitorHandle(i);
        }
    }
    if (best) return best;
    POINT centre{(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
    return MonitorFromPoint(centre, flags);
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
    Window* w = Sys().Find(hwnd);
    if (!w) return flags == MONITOR_DEFAULTTONULL ? nullptr : screen_detail::MonitorHandle(0);
    RECT r = WindowRectOnScreen(w);
    if (IsIconic(hwnd)) r = TopLevelOf(w)->normalRect;
    return MonitorFromRect(&r, flags);
}

BOOL GetMonitorInfo(HMONITOR monitor, MONITORINFO* info) {
    const auto& list = screen_detail::MonitorList();
    std::uintptr_t v = reinterpret_cast<std::uintptr_t>(monitor);
    if (!info || v <= 0x30000 || v > 0x30000 + list.size()) return FALSE;
    std::size_t i = v - 0x30001;
    info->rcMonitor = list[i].bounds;
    info->rcWork = list[i].work;
    info->dwFlags = i == 0 ? MONITORINFOF_PRIMARY : 0;
    if (info->cbSize >= sizeof(MONITORINFOEX)) {
        auto* ex = static_cast<MONITORINFOEX*>(info);
        std::snprintf(ex->szDevice, sizeof ex->szDevice, "\\\\.\\DISPLAY%zu", i + 1);
    }
    return TRUE;
}

BOOL EnumDisplayMonitors(HDC, const RECT* clip, MONITORENUMPROC proc, LPARAM data) {
    if (!proc) return FALSE;
    const auto list = screen_detail::MonitorList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        RECT r = list[i].bounds;
        if (clip && !IntersectRect(&r, &r, clip)) continue;
        if (!proc(screen_detail::MonitorHandle(i), nullptr, &r, data)) return FALSE;
    }
    return TRUE;
}

BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT) {
    switch (action) {
    case SPI_GETWORKAREA:
        if (!data) return FALSE;
        *static_cast<RECT*>(data) = screen_detail::MonitorList().front().work;
        return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
        auto* ncm = static_cast<NONCLIENTMETRICS*>(data);
        if (!ncm || ncm->cbSize < sizeof(NONCLIENTMETRICS)) return FALSE;
        ncm->iBorderWidth = 1;
        ncm->iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
        ncm->iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
        ncm->iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
        ncm->iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
        ncm->lfCaptionFont = screen_detail::ClassicFont(-11, FW_BOLD);
        ncm->iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
        ncm->iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
        ncm->lfSmCaptionFont = screen_detail::ClassicFont(-11, FW_BOLD);
        ncm->iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
        ncm->iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
        ncm->lfMenuFont = screen_detail::ClassicFont(-11);
        ncm->lfStatusFont = screen_detail::ClassicFont(-11);
        ncm->lfMessageFont = screen_detail::ClassicFont(-11);
        return TRUE;
    }
    case SPI_GETICONTITLELOGFONT:
        if (!data) return FALSE;
        *static_cast<LOGFONT*>(data) = screen_detail::ClassicFont(-11);
        return TRUE;
    case SPI_GETANIMATION: {
        auto* ai = static_cast<ANIMATIONINFO*>(data);
        if (!ai || ai->cbSize < sizeof(ANIMATIONINFO)) return FALSE;
        ai->iMinAnimate = 0;
        return TRUE;
    }
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETDROPSHADOW:
    case SPI_GETKEYBOARDCUES:
    case SPI_GETFLATMENU:
    case SPI_GETGRADIENTCAPTIONS:
    case SPI_GETMENUANIMATION:
    case SPI_GETMENUFADE:
    case SPI_GETTOOLTIPANIMATION:
    case SPI_GETTOOLTIPFADE:
    case SPI_GETCOMBOBOXANIMATION:
    case SPI_GETLISTBOXSMOOTHSCROLLING:
    case SPI_GETHOTTRACKING:
    case SPI_GETSELECTIONFADE:
    case SPI_GETCURSORSHADOW:
    case SPI_GETCLIENTAREAANIMATION:
    case SPI_GETFONTSMOOTHING:
    case SPI_GETHIGHCONTRAST:
    case SPI_GETSCREENREADER:
    case SPI_GETKEYBOARDPREF:
    case SPI_GETUIEFFECTS: {
        if (!data) return FALSE;
        // The classic desktop: full-window dragging, drop shadows, cues and effects on; the flat menu
        // look and screen readers off.
        BOOL value = TRUE;
        if (action == SPI_GETFLATMENU || action == SPI_GETHIGHCONTRAST || action == SPI_GETSCREENREADER ||
            action == SPI_GETKEYBOARDPREF || action == SPI_GETKEYBOARDCUES)
            value = FALSE;
        *static_cast<BOOL*>(data) = value;
        return TRUE;
    }
    case SPI_GETWHEELSCROLLLINES:
        if (!data) return FALSE;
        *static_cast<UINT*>(data) = 3;
        return TRUE;
    case SPI_GETMENUSHOWDELAY:
        if (!data) return FALSE;
        *static_cast<int*>(data) = 400;
        return TRUE;
    case SPI_GETMOUSEHOVERTIME:
        if (!data) return FALSE;
        *static_cast<UINT*>(data) = 400;
        return TRUE;
    case SPI_GETMOUSEHOVERWIDTH:
    case SPI_GETMOUSEHOVERHEIGHT:
        if (!data) return FALSE;
        *static_cast<UINT*>(data) = 4;
        return TRUE;
    case SPI_GETKEYBOARDDELAY:
        if (!data) return FALSE;
        *static_cast<int*>(data) = 1;
        return TRUE;
    case SPI_GETKEYBOARDSPEED:
        if (!data) return FALSE;
        *static_cast<DWORD*>(data) = 31;
        return TRUE;
    case SPI_GETFOCUSBORDERWIDTH:
    case SPI_GETFOCUSBORDERHEIGHT:
        if (!data) return FALSE;
        *static_cast<UINT*>(data) = 1;
        return TRUE;
    case SPI_GETBEEP:
        if (!data) return FALSE;
        *static_cast<BOOL*>(data) = TRUE;
        return TRUE;
    default:
        return FALSE;
    }
}
