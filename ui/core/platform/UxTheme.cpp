#include "ui/core/platform/UxTheme.h"

#include "platform/rtl/CodePages.h"
#include "ui/core/platform/ThemeManager.h"

HRESULT DrawThemeBackground2(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                             const RECT* AClip) {
    return ovDrawThemeBackground(ATheme, ADC, APart, AState, ARect, AClip);
}

HRESULT GetThemePartSize2(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect, THEMESIZE AKind,
                          SIZE* ASize) {
    return ovGetThemePartSize(ATheme, ADC, APart, AState, ARect, AKind, ASize);
}

HRESULT GetThemePartSizeNoRect(HTHEME ATheme, HDC ADC, int APart, int AState, THEMESIZE AKind, SIZE* ASize) {
    return ovGetThemePartSize(ATheme, ADC, APart, AState, nullptr, AKind, ASize);
}

HRESULT DrawThemeTextAnsi(HTHEME ATheme, HDC ADC, int APart, int AState, const std::string& AText,
                          DWORD AFlags, DWORD AFlags2, const RECT* ARect) {
    const std::u16string wide = Utf8ToUtf16(AText);
    return ovDrawThemeText(ATheme, ADC, APart, AState, wide.c_str(), static_cast<int>(wide.size()), AFlags,
                           AFlags2, ARect);
}

HRESULT DrawThemeTextEx(HTHEME ATheme, HDC ADC, int APart, int AState, const std::string& AText, DWORD AFlags,
                        RECT* ARect, const DTTOPTS* AOptions) {
    const std::u16string wide = Utf8ToUtf16(AText);
    return DrawThemeTextEx(ATheme, ADC, APart, AState, wide.c_str(), static_cast<int>(wide.size()), AFlags,
                           ARect, AOptions);
}

bool ovStartPanFeedback(HWND AWindow) {
    return BeginPanningFeedback(AWindow) != FALSE;
}

bool ovUpdatePanFeedback(HWND AWindow, const POINT& AOverPan, bool AInInertia) {
    return UpdatePanningFeedback(AWindow, AOverPan.x, AOverPan.y, AInInertia ? TRUE : FALSE) != FALSE;
}

bool ovStopPanFeedback(HWND AWindow, bool AAnimateBack) {
    return EndPanningFeedback(AWindow, AAnimateBack ? TRUE : FALSE) != FALSE;
}
