#include "ui/bars/painting/BarBackgrounds.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ImageServices.h"
#include "ui/core/graphics/WindowPainting.h"

void FillRectBrushColorOrBitmap(HDC ADC, const TRect& R, const TRect& AOrigin, TBitmap* ABitmap,
                                TColor AColor, HBRUSH ABrush) {
    if (ABitmap != nullptr && !ABitmap->Empty()) {
        TileBitmapOverRect(ADC, R, AOrigin, ABitmap);
        return;
    }
    if (ABrush != nullptr) {
        FillRect(ADC, &R, ABrush);
        return;
    }
    if (AColor == clNone) return;
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
    FillRect(ADC, &R, brush);
    DeleteObject(brush);
}

void TileBitmapOverRect(HDC ADC, const TRect& R, const TRect& AOrigin, TBitmap* ABitmap) {
    if (ABitmap == nullptr) return;
    const int w = ABitmap->Width(), h = ABitmap->Height();
    if (w <= 0 || h <= 0 || uiWidthOfRect(AOrigin) <= 0 || uiHeightOfRect(AOrigin) <= 0) return;
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    IntersectClipRect(ADC, R.left, R.top, R.right, R.bottom);
    HDC source = ABitmap->Canvas()->Handle();
    // The columns and rows of the tiling anchored at (0, 0) that AOrigin covers.
    for (int row = AOrigin.top / h; row <= (AOrigin.bottom - 1) / h; ++row)
        for (int column = AOrigin.left / w; column <= (AOrigin.right - 1) / w; ++column)
            BitBlt(ADC, w * column + R.left - AOrigin.left, h * row + R.top - AOrigin.top, w, h, source, 0, 0,
                   SRCCOPY);
    RestoreSavedClipRegion(ADC, saved, exists);
}

void FrameHighlightRect(HDC ADC, const TRect& R) {
    FrameRect(ADC, &R, GetSysColorBrush(COLOR_HIGHLIGHT));
}

void FrameRectTwice(HDC ADC, const TRect& R, int AColorIndex) {
    HBRUSH brush = GetSysColorBrush(AColorIndex);
    FrameRect(ADC, &R, brush);
    const TRect inner = uiGrowRect(R, -1, -1);
    FrameRect(ADC, &inner, brush);
}

void DrawDottedFocusRings(HDC ADC, const TRect& R) {
    const COLORREF color = ColorToRGB(clBtnText);
    auto dot = [&](int X, int Y) {
        if ((X + Y) % 2 == 0) SetPixelV(ADC, X, Y, color);
    };
    for (int ring = 0; ring < 2; ++ring) {
        const TRect r = uiGrowRect(R, -ring, -ring);
        for (int x = r.left; x < r.right; ++x) {
            dot(x, r.top);
            dot(x, r.bottom - 1);
        }
        for (int y = r.top; y < r.bottom; ++y) {
            dot(r.left, y);
            dot(r.right - 1, y);
        }
    }
}

void DrawSizeGrip(HDC ADC, const TRect& R) {
    const int w = uiWidthOfRect(R), h = uiHeightOfRect(R);
    if (w <= 0 || h <= 0) return;
    // The grip is drawn on the button face in a memory bitmap; every pixel that is not the face is then
    // copied onto the existing content, so the face stays transparent.
    HDC gripDC = CreateCompatibleDC(ADC);
    HBITMAP gripBitmap = CreateCompatibleBitmap(ADC, w, h);
    HGDIOBJ previous = SelectObject(gripDC, gripBitmap);
    RECT area{0, 0, w, h};
    DrawFrameControl(gripDC, &area, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    const COLORREF face = GetPixel(gripDC, 0, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF pixel = GetPixel(gripDC, x, y);
            if (pixel != face) SetPixelV(ADC, R.left + x, R.top + y, pixel);
        }
    SelectObject(gripDC, previous);
    DeleteObject(gripBitmap);
    DeleteDC(gripDC);
}

void DrawInactiveBarShade(HDC ADC, const TRect& R) {
    uiTransformDCRect(ADC, R, 0, clBtnFace, 170, 20, 2);
}

void SaveCurrentClipRegion(HDC ADC, HRGN& ARegion, bool& AExists) {
    ARegion = CreateRectRgn(0, 0, 0, 0);
    AExists = GetClipRgn(ADC, ARegion) == 1;
}

void RestoreSavedClipRegion(HDC ADC, HRGN ARegion, bool AExists) {
    SelectClipRgn(ADC, AExists ? ARegion : nullptr);
    DeleteObject(ARegion);
}

void IntersectClipWithRect(HDC ADC, const TRect& R) {
    // Regions are in device coordinates; R is in the DC's logical ones.
    POINT corners[2] = {{R.left, R.top}, {R.right, R.bottom}};
    LPtoDP(ADC, corners, 2);
    HRGN region = CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    ExtSelectClipRgn(ADC, region, RGN_OR);
    DeleteObject(region);
}

void ClipOutFrameRing(HDC ADC, const TRect& AOuter, const TRect& AInner) {
    const TRect bands[] = {TRect{AOuter.left, AOuter.top, AOuter.right, AInner.top},
                           TRect{AOuter.left, AInner.bottom, AOuter.right, AOuter.bottom},
                           TRect{AOuter.left, AInner.top, AInner.left, AInner.bottom},
                           TRect{AInner.right, AInner.top, AOuter.right, AInner.bottom}};
    for (const TRect& band : bands)
        if (band.right > band.left && band.bottom > band.top)
            ExcludeClipRect(ADC, band.left, band.top, band.right, band.bottom);
}

void BeforeDrawBackground(TWinControl* AForm, HWND ABarWindow, HDC ADC, TPoint& AOffset,
                          TPoint& APreviousOrigin, TRect& ARect) {
    AOffset = TPoint{0, 0};
    if (AForm != nullptr && AForm->HandleAllocated() && ABarWindow != nullptr)
        AOffset = uiMapWindowPoint(AForm->Handle(), ABarWindow, TPoint{0, 0}, true);
    POINT previous{};
    OffsetWindowOrgEx(ADC, AOffset.x, AOffset.y, &previous);
    APreviousOrigin = TPoint{previous.x, previous.y};
    ARect = uiShiftRect(ARect, AOffset.x, AOffset.y);
}

void RestoreParentBackgroundOrigin(HDC ADC, const TPoint& APreviousOrigin) {
    SetWindowOrgEx(ADC, APreviousOrigin.x, APreviousOrigin.y, nullptr);
}
