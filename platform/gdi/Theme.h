// The visual-styles and desktop-composition interfaces, answering as a desktop with visual styles off and
// composition off: every theme call fails safely (null handles, failure codes, zeroed outputs) so that
// the callers' classic drawing runs; composition reports itself disabled.
#pragma once

#include "platform/gdi/GdiTypes.h"

constexpr HRESULT E_HANDLE = HRESULT(0x80070006u);
constexpr HRESULT E_PROP_ID_UNSUPPORTED = HRESULT(0x80070490u);
constexpr HRESULT DWM_E_COMPOSITIONDISABLED = HRESULT(0x80263001u);

struct MARGINS {
    int cxLeftWidth = 0;
    int cxRightWidth = 0;
    int cyTopHeight = 0;
    int cyBottomHeight = 0;
};

enum THEMESIZE { TS_MIN = 0, TS_TRUE = 1, TS_DRAW = 2 };

using DTT_CALLBACK_PROC = int (*)(HDC dc, WCHAR* text, int length, RECT* rect, UINT flags, LPARAM param);
struct DTTOPTS {
    DWORD dwSize = sizeof(DTTOPTS);
    DWORD dwFlags = 0;
    COLORREF crText = 0;
    COLORREF crBorder = 0;
    COLORREF crShadow = 0;
    int iTextShadowType = 0;
    POINT ptShadowOffset{};
    int iBorderSize = 0;
    int iFontPropId = 0;
    int iColorPropId = 0;
    int iStateId = 0;
    BOOL fApplyOverlay = FALSE;
    int iGlowSize = 0;
    DTT_CALLBACK_PROC pfnDrawTextCallback = nullptr;
    LPARAM lParam = 0;
};

struct BP_PAINTPARAMS {
    DWORD cbSize = sizeof(BP_PAINTPARAMS);
    DWORD dwFlags = 0;
    const RECT* prcExclude = nullptr;
    const BLENDFUNCTION* pBlendFunction = nullptr;
};
enum BP_BUFFERFORMAT {
    BPBF_COMPATIBLEBITMAP = 0,
    BPBF_DIB = 1,
    BPBF_TOPDOWNDIB = 2,
    BPBF_TOPDOWNMONODIB = 3
};
using HPAINTBUFFER = HANDLE;

// ---- Visual styles (off)
HTHEME OpenThemeData(HWND window, const WCHAR* classList);
HRESULT CloseThemeData(HTHEME theme);
BOOL IsThemeActive();
BOOL IsAppThemed();
HTHEME GetWindowTheme(HWND window);
HRESULT SetWindowTheme(HWND window, const WCHAR* appName, const WCHAR* idList);
HRESULT GetCurrentThemeName(WCHAR* themeFile, int maxFile, WCHAR* colorName, int maxColor, WCHAR* sizeName,
                            int maxSize);
HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect, const RECT* clip);
HRESULT DrawThemeParentBackground(HWND window, HDC dc, const RECT* rect);
HRESULT DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const RECT* dest, UINT edge, UINT flags,
                      RECT* content);
HRESULT DrawThemeText(HTHEME theme, HDC dc, int part, int state, const WCHAR* text, int length, DWORD flags,
                      DWORD flags2, const RECT* rect);
HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, const WCHAR* text, int length, DWORD flags,
                        RECT* rect, const DTTOPTS* options);
HRESULT GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const RECT* rect, THEMESIZE kind,
                         SIZE* size);
HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const RECT* bounds,
                                      RECT* content);
HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC dc, int part, int state, const RECT* rect, HRGN* region);
HRESULT GetThemeColor(HTHEME theme, int part, int state, int property, COLORREF* color);
HRESULT GetThemeMargins(HTHEME theme, HDC dc, int part, int state, int property, const RECT* rect,
                        MARGINS* margins);
BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);
BOOL IsThemePartDefined(HTHEME theme, int part, int state);

// ---- Buffered painting (no buffers are handed out: callers paint directly)
HRESULT BufferedPaintInit();
HRESULT BufferedPaintUnInit();
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format,
                                const BP_PAINTPARAMS* params, HDC* bufferDc);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);
HRESULT BufferedPaintClear(HPAINTBUFFER buffer, const RECT* rect);
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER buffer, const RECT* rect, BYTE alpha);

// ---- Panning feedback (not available)
BOOL BeginPanningFeedback(HWND window);
BOOL UpdatePanningFeedback(HWND window, LONG overPanX, LONG overPanY, BOOL inInertia);
BOOL EndPanningFeedback(HWND window, BOOL animateBack);

// ---- Desktop composition (off)
HRESULT DwmIsCompositionEnabled(BOOL* enabled);
BOOL DwmDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
HRESULT DwmExtendFrameIntoClientArea(HWND window, const MARGINS* margins);
HRESULT DwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size);
HRESULT DwmSetWindowAttribute(HWND window, DWORD attribute, const void* value, DWORD size);
HRESULT DwmGetColorizationColor(DWORD* color, BOOL* opaqueBlend);
