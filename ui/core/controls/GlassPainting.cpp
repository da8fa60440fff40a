#include "ui/core/controls/GlassPainting.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Theme.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Caret.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/core/platform/UxTheme.h"

namespace {
constexpr DWORD DTT_TEXTCOLOR = 0x00000001;
constexpr DWORD DTT_GLOWSIZE = 0x00000800;
constexpr DWORD DTT_COMPOSITED = 0x00002000;
} // namespace

bool uiGetUpdateRegion(TWinControl* AControl, TuiRegion* ARegion) {
    if (ovOSVersion().IsWin7 && !IsCompositionEnabled()) return false;
    const int kind = GetUpdateRgn(AControl->Handle(), ARegion->Handle(), FALSE);
    return kind == SIMPLEREGION || kind == COMPLEXREGION;
}

void uiPaintControlBuffered(TWinControl* AControl) {
    TuiRegion region;
    const bool useRegion = uiGetUpdateRegion(AControl, &region);
    const HWND wnd = AControl->Handle();
    PAINTSTRUCT ps;
    HDC paintDC = BeginPaint(wnd, &ps);
    HDC memDC = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    try {
        const TRect r = ps.rcPaint;
        bitmap = CreateCompatibleBitmap(paintDC, r.right - r.left, r.bottom - r.top);
        memDC = CreateCompatibleDC(paintDC);
        oldBitmap = SelectObject(memDC, bitmap);
        SetWindowOrgEx(memDC, r.left, r.top, nullptr);
        if (useRegion) {
            region.Offset(-r.left, -r.top);
            SelectClipRgn(memDC, region.Handle());
        }
        AControl->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memDC), reinterpret_cast<LPARAM>(memDC));
        AControl->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memDC), 0);
        uiBlitRect(paintDC, memDC, r, SRCCOPY, TPoint{r.left, r.top});
    } catch (...) {
        if (memDC != nullptr) {
            SelectObject(memDC, oldBitmap);
            DeleteDC(memDC);
        }
        if (bitmap != nullptr) DeleteObject(bitmap);
        EndPaint(wnd, &ps);
        throw;
    }
    SelectObject(memDC, oldBitmap);
    DeleteDC(memDC);
    DeleteObject(bitmap);
    EndPaint(wnd, &ps);
}

bool uiIsEraseBkgndFromPaint(const TMessage& AMessage) {
    return AMessage.WParam == static_cast<WPARAM>(AMessage.LParam);
}

void ovRenderWindowOnGlass(HWND AWnd, HDC ADC, const TRect& ABounds, bool APaintBlackOpaque) {
    if (IsRectEmpty(&ABounds)) return;
    HDC bufferDC = nullptr;
    HPAINTBUFFER buffer = BeginBufferedPaint(ADC, &ABounds, BPBF_TOPDOWNDIB, nullptr, &bufferDC);
    if (buffer == nullptr) {
        SendMessage(AWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ADC), reinterpret_cast<LPARAM>(ADC));
        SendMessage(AWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(ADC), PRF_CLIENT);
        return;
    }
    try {
        BufferedPaintClear(buffer, &ABounds);
        SendMessage(AWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(bufferDC),
                    reinterpret_cast<LPARAM>(bufferDC));
        SendMessage(AWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bufferDC), PRF_CLIENT);
        if (!APaintBlackOpaque) BufferedPaintSetAlpha(buffer, &ABounds, 255);
    } catch (...) {
        EndBufferedPaint(buffer, TRUE);
        throw;
    }
    const bool focused = GetFocus() == AWnd;
    if (focused) HideCaret(AWnd);
    EndBufferedPaint(buffer, TRUE);
    if (focused) ShowCaret(AWnd);
}

void ovDrawWindowOnGlassClient(HWND AWnd, bool APaintBlackOpaque) {
    HDC dc = GetDC(AWnd);
    ovRenderWindowOnGlass(AWnd, dc, uiClientRectOf(AWnd), APaintBlackOpaque);
    ReleaseDC(AWnd, dc);
}

void ovPaintControlOnGlass(HWND AWnd, bool APaintBlackOpaque) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(AWnd, &ps);
    try {
        ovRenderWindowOnGlass(AWnd, dc, ps.rcPaint, APaintBlackOpaque);
    } catch (...) {
        EndPaint(AWnd, &ps);
        throw;
    }
    EndPaint(AWnd, &ps);
}

void ovPaintUpdateRegionOnGlass(HWND AWnd) {
    ovPaintControlOnGlass(AWnd, false);
}

void uiDrawTextOnGlass(HDC ADC, const std::string& AText, HFONT AFont, bool ACopyBackground, int AGlowSize,
                       UINT AFormat, TColor AColor, const TRect& R) {
    const int width = R.right - R.left;
    const int height = R.bottom - R.top;
    if (width <= 0 || height <= 0) return;
    HDC memDC = CreateCompatibleDC(ADC);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(ADC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(memDC, dib);
    if (ACopyBackground) BitBlt(memDC, 0, 0, width, height, ADC, R.left, R.top, SRCCOPY);
    HGDIOBJ oldFont = SelectObject(memDC, AFont);
    DTTOPTS options;
    options.dwFlags = DTT_COMPOSITED | DTT_TEXTCOLOR;
    options.crText = static_cast<COLORREF>(ColorToRGB(AColor));
    if (AGlowSize > 0) {
        options.dwFlags |= DTT_GLOWSIZE;
        options.iGlowSize = AGlowSize;
    }
    TRect textRect{0, 0, width, height};
    DrawThemeTextEx(OpenTheme(totWindow), memDC, 0, 0, AText, AFormat, &textRect, &options);
    BitBlt(ADC, R.left, R.top, width, height, memDC, 0, 0, SRCCOPY);
    SelectObject(memDC, oldFont);
    SelectObject(memDC, oldBitmap);
    DeleteObject(dib);
    DeleteDC(memDC);
}

bool AreVisualStylesEnabled() {
    return ovIsThemeActive() && IsThemeLibraryLoaded();
}
