// The screen the window system shows on: its monitors and work areas, and the fixed tables of system
// metrics and colours of a 96-DPI classic desktop, each of which tests may override.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinMetrics.h"

#include <vector>

namespace olva::win {

struct MonitorConfig {
    RECT bounds;
    RECT work;
};

// The first monitor is the primary one; top-level windows get WM_DISPLAYCHANGE and WM_SETTINGCHANGE
// (SPI_SETWORKAREA), as overrides send WM_SETTINGCHANGE and WM_SYSCOLORCHANGE. by default one 1920 x 1080
// monitor whose work area leaves 40 pixels for a task bar at the bottom.
void SetMonitors(std::vector<MonitorConfig> monitors);
const std::vector<MonitorConfig>& Monitors();
RECT VirtualScreen();

void SetSystemMetricOverride(int index, int value);
void SetSysColorOverride(int index, COLORREF color);
// Metrics, colours and monitors back to their defaults.
void ResetSystemOverrides();

// How many times MessageBeep was called (there is no sound behind it; Sound.h).
int BeepCount();

} // namespace olva::win

// Non-client metrics as SystemParametersInfo (SPI_GETNONCLIENTMETRICS) fills them: 340 bytes.
struct NONCLIENTMETRICS {
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    LOGFONT lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    LOGFONT lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
};
using NONCLIENTMETRICSA = NONCLIENTMETRICS;

struct ANIMATIONINFO {
    UINT cbSize = sizeof(ANIMATIONINFO);
    int iMinAnimate = 0;
};

BOOL SystemParametersInfo(UINT action, UINT param, void* data, UINT winIni);
