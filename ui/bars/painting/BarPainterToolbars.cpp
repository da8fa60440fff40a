// The toolbar side of the bar painter: backgrounds of bar controls and docks, separators between items,
// floating captions with their close button, the toolbar mark (customize arrow and hidden-item
// chevrons), status-bar-like bars with their size grip, and the check square of quick-customization
// entries.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarFonts.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarXPPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/office11/Office11Drawing.h"

TRect TovBarPainter::BarControlBorderRect() {
    const int width = BarBorderWidth();
    return TRect{width, width, width, width};
}

void TovBarPainter::BarPaintCaptionBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                              const TRect& R) {
    FillRect(ADC, &R, ABrush);
}

int TovBarPainter::BarCaptionHeight() {
    return ovSystemInfo()->NonClientMetrics().iSmCaptionHeight;
}

TSize TovBarPainter::BarCaptionButtonSize() {
    const int size = BarCaptionHeight();
    return TSize{size, size};
}

TSize TovBarPainter::BarSizeGripSize() {
    if (UsesNativeBackground() && AreVisualStylesAvailable()) {
        TSize size{};
        TovBarXPPainter::GetThemedSizeGripSize(nullptr, size);
        return size;
    }
    return TSize{GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

// ---- Backgrounds

void TovBarPainter::BarFillBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                      const TRect& R, const TRect& AClipRect) {
    TBitmap* bitmap = ABarControl->GetBackgroundBitmap();
    if (bitmap != nullptr && !bitmap->Empty()) {
        FillRectBrushColorOrBitmap(ADC, R, AClipRect, bitmap, clNone, ABrush);
        return;
    }
    auto* toolbar = dynamic_cast<TovBarControl*>(ABarControl);
    TovBar* bar = toolbar != nullptr ? toolbar->Bar() : nullptr;
    TovBarManager* manager = ABarControl->GetBarManager();
    TBitmap* managerBitmap = manager != nullptr ? manager->Backgrounds()->Bar() : nullptr;
    const bool managerBitmapEmpty = managerBitmap == nullptr || managerBitmap->Empty();
    if (bar != nullptr && bar->IsStatusBarLike() && managerBitmapEmpty) {
        // The status bar's background is one picture over the whole client; only R of it is painted, so
        // that an item filling its own background leaves its neighbours alone.
        HRGN saved = nullptr;
        bool exists = false;
        SaveCurrentClipRegion(ADC, saved, exists);
        IntersectClipRect(ADC, R.left, R.top, R.right, R.bottom);
        BarDrawStatusBarBackground(ABarControl, ADC, ABrush, ABarControl->GetClientRect());
        RestoreSavedClipRegion(ADC, saved, exists);
        return;
    }
    if (bar != nullptr && bar->Color() != clDefault) {
        FillRectWithColor(ADC, R, bar->Color());
        return;
    }
    if (toolbar != nullptr && toolbar->GetDockControl() != nullptr) {
        BarDrawDockBackground(toolbar, ADC, R, AClipRect);
        return;
    }
    if (toolbar != nullptr) {
        BarDrawBackground(toolbar, ADC, R, AClipRect, ABrush);
        return;
    }
    FillRectBrushColorOrBitmap(ADC, R, AClipRect, managerBitmapEmpty ? nullptr : managerBitmap, clNone,
                               ABrush);
}

void TovBarPainter::BarDrawDockBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                          const TRect& AClipRect) {
    TovDockControl* dock = ABarControl->GetDockControl();
    if (dock == nullptr) return;
    // The part of the dock the toolbar covers: the toolbar's rectangle moved by its place in the dock.
    const TRect place = ABarControl->BoundsInDock();
    dock->FillBackground(ADC, ADestRect, uiShiftRect(ADestRect, place.left, place.top));
}

void TovBarPainter::BarDrawBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                      const TRect& AClipRect, HBRUSH ABrush) {
    TovBarManager* manager = ABarControl->GetBarManager();
    TBitmap* bitmap = manager != nullptr ? manager->Backgrounds()->Bar() : nullptr;
    FillRectBrushColorOrBitmap(ADC, ADestRect, AClipRect, bitmap, clNone, ABrush);
}

void TovBarPainter::BarDrawStatusBarBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                               const TRect& R) {
    if (UsesNativeBackground() && AreVisualStylesAvailable()) {
        TovBarXPPainter::DrawThemedStatusBarBackground(ABarControl, ADC, R, TPoint{0, 0}, R);
        return;
    }
    FillRectBrushColorOrBitmap(ADC, R, R, nullptr, clNone, ABrush);
}

// ---- Separators between items

void TovBarPainter::BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal,
                                     HBRUSH ABrush, TRect R) {
    const int offset = BarSeparatorOffset();
    if (AHorizontal) {
        ABarControl->FillBackground(ADC, TRect{R.left, R.top, R.right, R.top + offset}, clNone, ABrush);
        ABarControl->FillBackground(ADC, TRect{R.left, R.bottom - offset, R.right, R.bottom}, clNone, ABrush);
        R = uiGrowRect(R, 0, -offset);
        DrawEdge(ADC, &R, EDGE_ETCHED, BF_TOP);
    } else {
        ABarControl->FillBackground(ADC, TRect{R.left, R.top, R.left + offset, R.bottom}, clNone, ABrush);
        ABarControl->FillBackground(ADC, TRect{R.right - offset, R.top, R.right, R.bottom}, clNone, ABrush);
        R = uiGrowRect(R, -offset, 0);
        DrawEdge(ADC, &R, EDGE_ETCHED, BF_LEFT);
    }
}

// ---- Floating captions

void TovBarPainter::BarDrawCaptionButtonBackground(TovBarControl* ABarControl, HDC ADC, int AState, TRect R) {
    if (AState == 0) {
        FillRectWithColor(ADC, R, ABarControl->GetCaptionColor());
        return;
    }
    FrameSelRect(ADC, R);
    R = uiGrowRect(R, -1, -1);
    FillRect(ADC, &R, AState == 1 ? ABarControl->GetSelBrush() : ABarControl->GetDownedSelBrush());
}

void TovBarPainter::BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) {
    // The mark sits at the caption's right end: the text keeps its place at the left and ends before the
    // mark, so that it stays visible.
    TRect mark{};
    BarGetMarkRect(ABarControl, mark);
    X = R.left + 2;
    if (mark.left - 3 < R.right) R.right = std::max(R.left, mark.left - 3);
}

void TovBarPainter::BarDrawFloatingBarCaption(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                              const TRect& AWindowRect, TRect ACaptionRect) {
    const TRect line{ACaptionRect.left, ACaptionRect.bottom, ACaptionRect.right, ACaptionRect.bottom + 1};
    FillRect(ADC, &line, ABrush);
    const bool filled = BarIsCaptionBackgroundFilled();
    if (filled) BarPaintCaptionBackground(ABarControl, ADC, ABrush, ACaptionRect);
    if (ABarControl->HasCloseButton()) {
        const int size = BarCaptionHeight();
        const TRect close{ACaptionRect.right - size, ACaptionRect.top, ACaptionRect.right,
                          ACaptionRect.bottom};
        ACaptionRect.right -= size;
        BarDrawCaptionButtonBackground(ABarControl, ADC, ABarControl->CloseButtonState(), close);
        BarDrawCloseButton(ABarControl, ADC, close);
    }
    int x = ACaptionRect.left + 2;
    TRect textRect = ACaptionRect;
    if (ABarControl->HasMark()) BarShiftFloatingCaption(ABarControl, x, textRect);
    if (uiWidthOfRect(ACaptionRect) > 0) {
        if (!filled) FillRectWithColor(ADC, ACaptionRect, ABarControl->GetCaptionColor());
        TovBarManager* manager = ABarControl->GetBarManager();
        const bool systemFont = manager != nullptr && manager->UseSystemFont();
        HFONT font = CreateSmallCaptionFont(ABarControl->GetFont(), systemFont);
        HGDIOBJ previousFont = SelectObject(ADC, font);
        const COLORREF previousText = SetTextColor(ADC, ColorToRGB(BarCaptionTextColor(ABarControl)));
        const COLORREF previousBack = SetBkColor(ADC, ColorToRGB(ABarControl->GetCaptionColor()));
        const int previousMode = SetBkMode(ADC, TRANSPARENT);
        TEXTMETRIC metrics{};
        GetTextMetrics(ADC, &metrics);
        const int y = (ACaptionRect.top + ACaptionRect.bottom - metrics.tmHeight) / 2;
        // A caption wider than its room ends with an ellipsis rather than a letter cut in half; where not
        // even the ellipsis fits it shows nothing.
        const std::string caption =
            uiGetStringAdjustedToWidth(ADC, nullptr, ABarControl->GetCaption(), teEnd, textRect.right - x);
        SIZE extent{};
        GetTextExtentPoint32(ADC, caption.c_str(), static_cast<int>(caption.size()), &extent);
        if (!caption.empty() && x + extent.cx <= textRect.right)
            ExtTextOut(ADC, x, y, ETO_CLIPPED, &textRect, caption.c_str(), static_cast<UINT>(caption.size()),
                       nullptr);
        SetBkMode(ADC, previousMode);
        SetBkColor(ADC, previousBack);
        SetTextColor(ADC, previousText);
        SelectObject(ADC, previousFont);
        DeleteObject(font);
    }
    if (ABarControl->HasMark()) {
        TRect mark{};
        BarGetMarkRect(ABarControl, mark);
        BarDrawCaptionMark(ABarControl, ADC, mark);
    }
}

void TovBarPainter::BarDrawCaptionMark(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    BarDrawMarkArrow(ABarControl, ADC, R);
}

void TovBarPainter::BarDrawMarkArrow(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    const int x = (R.left + R.right - 7) / 2;
    const int sum = R.top + R.bottom - 4;
    const int y = sum / 2 + (sum % 2 != 0 ? 1 : 0);
    const TColor color =
        static_cast<TColor>(ColorToRGB(BarMarkArrowColor(ABarControl, ABarControl->GetMarkState())));
    FillPolygonWithColor(ADC, {{x, y}, {x + 6, y}, {x + 3, y + 3}}, color, color);
}

TColor TovBarPainter::BarCaptionColor(TovBarControl* ABarControl, bool AActive) {
    return static_cast<TColor>(GetSysColor(AActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

TColor TovBarPainter::BarCaptionTextColor(TovBarControl* ABarControl) {
    return static_cast<TColor>(GetSysColor(COLOR_CAPTIONTEXT));
}

TColor TovBarPainter::BarMarkArrowColor(TovBarControl* ABarControl, int AMarkState) {
    return static_cast<TColor>(GetSysColor(COLOR_CAPTIONTEXT));
}

int TovBarPainter::MarkElementColor(TovBarControl* ABarControl) {
    return COLOR_BTNTEXT;
}

bool TovBarPainter::IsBarMarkSmall(TovBarControl* ABarControl, const TRect& R) {
    return uiHeightOfRect(R) < 17;
}

// ---- The toolbar mark

void TovBarPainter::BarGetMarkRect(TovBarControl* ABarControl, TRect& R) {
    const TRect client = ABarControl->GetClientRect();
    const int width = uiWidthOfRect(client), height = uiHeightOfRect(client);
    const int size = ABarControl->GetMarkSize();
    switch (ABarControl->DockingStyleOf()) {
    case dsLeft:
    case dsRight:
        R = TRect{0, height - size, width, height};
        return;
    case dsTop:
    case dsBottom:
        R = TRect{width - size, 0, width, height};
        return;
    case dsNone:
        break;
    }
    const TRect caption = ABarControl->GetCaptionClientRect();
    const int side = uiHeightOfRect(caption);
    int right = caption.right;
    if (ABarControl->HasCloseButton()) right -= BarCaptionButtonSize().cx + 1;
    const int left = std::max(caption.left, right - side);
    R = TRect{left, caption.top, std::max(left, right), caption.bottom};
}

void TovBarPainter::BarRedrawMark(TovBarControl* ABarControl) {
    HWND window = ABarControl->Handle();
    if (window == nullptr) return;
    TRect mark{};
    BarGetMarkRect(ABarControl, mark);
    if (ABarControl->DockingStyleOf() != dsNone) {
        ::InvalidateRect(window, &mark, FALSE);
        return;
    }
    HDC dc = GetWindowDC(window);
    BarDrawCaptionButtonBackground(ABarControl, dc, ABarControl->GetMarkState(), mark);
    BarDrawCaptionMark(ABarControl, dc, mark);
    ReleaseDC(window, dc);
}

void TovBarPainter::BarDrawMark(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) {
    BarDrawMarkBackground(ABarControl, ADC, ABrush, R);
    BarDrawMarkElements(ABarControl, ADC, R);
}

void TovBarPainter::BarDrawMarkElements(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    constexpr int Band = 11;
    const bool horizontal = ABarControl->IsHorizontalDocked();
    const TRect band = horizontal ? uiCentreRectHorz(R, Band) : uiCentreRectVert(R, Band);
    if (BarCanQuickCustomize()) {
        const auto color = static_cast<TColor>(GetSysColor(MarkElementColor(ABarControl)));
        if (horizontal) {
            const int x = band.left + 3;
            const int y = band.bottom - 7 + (IsBarMarkSmall(ABarControl, band) ? 1 : 0);
            FillPolygonWithColor(ADC, {{x, y}, {x + 4, y}, {x + 2, y + 2}}, color, color);
        } else {
            const int x = band.left + 5, y = band.top + 3;
            FillPolygonWithColor(ADC, {{x, y}, {x, y + 4}, {x - 2, y + 2}}, color, color);
        }
    }
    if (ABarControl->IsTruncated()) {
        const bool small = IsBarMarkSmall(ABarControl, band);
        const int start = horizontal ? band.left : band.top;
        BarDrawMarkChevrons(ABarControl, ADC, start + 2, small);
        BarDrawMarkChevrons(ABarControl, ADC, start + 6, small);
    }
}

void TovBarPainter::BarDrawMarkChevrons(TovBarControl* ABarControl, HDC ADC, int AOffset, bool ASmall) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ previous = SelectObject(ADC, pen);
    if (ABarControl->IsHorizontalDocked()) {
        const int x = AOffset, y = ASmall ? 3 : 4;
        const POINT first[] = {{x, y}, {x + 2, y + 2}, {x - 1, y + 5}};
        const POINT second[] = {{x + 1, y}, {x + 3, y + 2}, {x, y + 5}};
        Polyline(ADC, first, 3);
        Polyline(ADC, second, 3);
    } else {
        const int w = uiWidthOfRect(ABarControl->GetClientRect()), y = AOffset;
        const POINT first[] = {{w - 8, y}, {w - 6, y + 2}, {w - 3, y - 1}};
        const POINT second[] = {{w - 8, y + 1}, {w - 6, y + 3}, {w - 3, y}};
        Polyline(ADC, first, 3);
        Polyline(ADC, second, 3);
    }
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

// ---- Status-bar-like bars

void TovBarPainter::BarDrawSizeGrip(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                    const TRect& R) {
    // The themed grip is the themed look's; every other look draws the classic one over the background.
    if (UsesNativeBackground() && AreVisualStylesAvailable()) {
        TovBarXPPainter::DrawThemedSizeGrip(ABarControl, ADC, R);
        return;
    }
    DrawSizeGrip(ADC, R);
}

void TovBarPainter::BarDrawStatusBarSizeGrip(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, TRect R) {
    TRect offsets{};
    BarStatusBarBorderOffsets(offsets);
    R = uiShrinkRectByMargins(R, offsets);
    const TSize grip = BarSizeGripSize();
    const TRect area{R.right - grip.cx, R.bottom - grip.cy, R.right, R.bottom};
    ABarControl->FillBackground(ADC, area, clNone, ABrush);
    BarDrawSizeGrip(ABarControl, ADC, ABrush, area);
}

void TovBarPainter::BarDrawStatusBarBorder(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                           const TRect& R) {
    ABarControl->FillBackground(ADC, TRect{R.left, R.top, R.right, R.top + BarStatusBarTopBorderHeight()},
                                clNone, ABrush);
}

// ---- Quick-customization entries

void TovBarPainter::QuickCustItemCalcCheckRect(TovBarItemControl* AControl, HDC ADC, bool AChecked,
                                               int& ARight, TRect& R) {
    R.right = R.left + uiHeightOfRect(R);
    ARight = R.right;
    R = uiGrowRect(R, -1, -1);
}
