#include "platform/gdi/Theme.h"

HTHEME OpenThemeData(HWND, const WCHAR*) {
    return nullptr;
}
HRESULT CloseThemeData(HTHEME theme) {
    return theme ? S_OK : E_HANDLE;
}
BOOL IsThemeActive() {
    return FALSE;
}
BOOL IsAppThemed() {
    return FALSE;
}
HTHEME GetWindowTheme(HWND) {
    return nullptr;
}
HRESULT SetWindowTheme(HWND, const WCHAR*, const WCHAR*) {
    return S_OK;
}

HRESULT GetCurrentThemeName(WCHAR* themeFile, int maxFile, WCHAR* colorName, int maxColor, WCHAR* sizeName,
                            int maxSize) {
    // No theme: empty names.
    if (themeFile && maxFile > 0) themeFile[0] = 0;
    if (colorName && maxColor > 0) colorName[0] = 0;
    if (sizeName && maxSize > 0) sizeName[0] = 0;
    return E_PROP_ID_UNSUPPORTED;
}

HRESULT DrawThemeBackground(HTHEME, HDC, int, int, const RECT*, const RECT*) {
    return E_HANDLE;
}
HRESULT DrawThemeParentBackground(HWND, HDC, const RECT*) {
    return E_HANDLE;
}
HRESULT DrawThemeEdge(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*) {
    return E_HANDLE;
}
HRESULT DrawThemeText(HTHEME, HDC, int, int, const WCHAR*, int, DWORD, DWORD, const RECT*) {
    return E_HANDLE;
}
HRESULT DrawThemeTextEx(HTHEME, HDC, int, int, const WCHAR*, int, DWORD, RECT*, const DTTOPTS*) {
    return E_HANDLE;
}

HRESULT GetThemePartSize(HTHEME, HDC, int, int, const RECT*, THEMESIZE, SIZE* size) {
    if (size) *size = SIZE{};
    return E_HANDLE;
}

HRESULT GetThemeBackgroundContentRect(HTHEME, HDC, int, int, const RECT* bounds, RECT* content) {
    if (content) *content = bounds ? *bounds : RECT{};
    return E_HANDLE;
}

HRESULT GetThemeBackgroundRegion(HTHEME, HDC, int, int, const RECT*, HRGN* region) {
    if (region) *region = nullptr;
    return E_HANDLE;
}

HRESULT GetThemeColor(HTHEME, int, int, int, COLORREF* color) {
    if (color) *color = 0;
    return E_HANDLE;
}

HRESULT GetThemeMargins(HTHEME, HDC, int, int, int, const RECT*, MARGINS* margins) {
    if (margins) *margins = MARGINS{};
    return E_HANDLE;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME, int, int) {
    return FALSE;
}
BOOL IsThemePartDefined(HTHEME, int, int) {
    return FALSE;
}

HRESULT BufferedPaintInit() {
    return S_OK;
}
HRESULT BufferedPaintUnInit() {
    return S_OK;
}

HPAINTBUFFER BeginBufferedPaint(HDC, const RECT*, BP_BUFFERFORMAT, const BP_PAINTPARAMS*, HDC* bufferDc) {
    if (bufferDc) *bufferDc = nullptr;
    return nullptr;
}

HRESULT EndBufferedPaint(HPAINTBUFFER, BOOL) {
    return E_INVALIDARG;
}
HRESULT BufferedPaintClear(HPAINTBUFFER, const RECT*) {
    return E_INVALIDARG;
}
HRESULT BufferedPaintSetAlpha(HPAINTBUFFER, const RECT*, BYTE) {
    return E_INVALIDARG;
}

BOOL BeginPanningFeedback(HWND) {
    return FALSE;
}
BOOL UpdatePanningFeedback(HWND, LONG, LONG, BOOL) {
    return FALSE;
}
BOOL EndPanningFeedback(HWND, BOOL) {
    return FALSE;
}

HRESULT DwmIsCompositionEnabled(BOOL* enabled) {
    if (!enabled) return E_INVALIDARG;
    *enabled = FALSE;
    return S_OK;
}

BOOL DwmDefWindowProc(HWND, UINT, WPARAM, LPARAM, LRESULT* result) {
    if (result) *result = 0;
    return FALSE;
}

HRESULT DwmExtendFrameIntoClientArea(HWND, const MARGINS*) {
    return DWM_E_COMPOSITIONDISABLED;
}
HRESULT DwmGetWindowAttribute(HWND, DWORD, void*, DWORD) {
    return DWM_E_COMPOSITIONDISABLED;
}
HRESULT DwmSetWindowAttribute(HWND, DWORD, const void*, DWORD) {
    return DWM_E_COMPOSITIONDISABLED;
}

HRESULT DwmGetColorizationColor(DWORD* color, BOOL* opaqueBlend) {
    if (color) *color = 0;
    if (opaqueBlend) *opaqueBlend = FALSE;
    return DWM_E_COMPOSITIONDISABLED;
}
