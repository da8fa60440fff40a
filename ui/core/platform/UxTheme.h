// The visual-styles calls under the names the library's painters use, over the theme manager's bound
// entry points (ThemeManager.h). The drawing and metric calls are made only while AreVisualStylesAvailable
// holds, the buffered-paint ones only on IsWinVistaOrLater: the callers check.
#pragma once

#include "platform/gdi/Theme.h"

#include <string>

// DrawThemeBackground for callers that hold the DC as a plain handle.
HRESULT DrawThemeBackground2(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                             const RECT* AClip);
HRESULT GetThemePartSize2(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect, THEMESIZE AKind,
                          SIZE* ASize);
HRESULT GetThemePartSizeNoRect(HTHEME ATheme, HDC ADC, int APart, int AState, THEMESIZE AKind, SIZE* ASize);
// DrawThemeText and DrawThemeTextEx for UTF-8 text.
HRESULT DrawThemeTextAnsi(HTHEME ATheme, HDC ADC, int APart, int AState, const std::string& AText,
                          DWORD AFlags, DWORD AFlags2, const RECT* ARect);
HRESULT DrawThemeTextEx(HTHEME ATheme, HDC ADC, int APart, int AState, const std::string& AText, DWORD AFlags,
                        RECT* ARect, const DTTOPTS* AOptions);

// Panning feedback at the edges of a scrolled window; false where the platform has none.
bool ovStartPanFeedback(HWND AWindow);
bool ovUpdatePanFeedback(HWND AWindow, const POINT& AOverPan, bool AInInertia);
bool ovStopPanFeedback(HWND AWindow, bool AAnimateBack);
