// The Office11 look of the bars themselves: gradient dock sites, docked toolbars as gradient bands with
// rounded ends, a shadow line and grip dots, the gradient mark with its customize arrow and chevrons,
// separators of a dark and a light line, floating frames and captions, and the owner link that continues
// an open item's gradient into its menu.
#include "ui/bars/painting/BarOffice11Painter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <algorithm>

namespace {

bool BarHasOffice11BackgroundPicture(TCustomovBarControl* ABarControl) {
    TBitmap* bitmap = ABarControl->GetBackgroundBitmap();
    if (bitmap != nullptr && !bitmap->Empty()) return true;
    TovBarManager* manager = ABarControl->GetBarManager();
    TBitmap* shared = manager != nullptr ? manager->Backgrounds()->Bar() : nullptr;
    return shared != nullptr && !shared->Empty();
}

void SetOffice11Pixel(HDC ADC, int X, int Y, TColor AColor) {
    FillRectWithColor(ADC, TRect{X, Y, X + 1, Y + 1}, AColor);
}

// Draws a small figure given by its corner points, filled, in one colour.
void FillOffice11Figure(HDC ADC, std::initializer_list<POINT> APoints, TColor AColor) {
    FillPolygonWithColor(ADC, std::vector<POINT>(APoints), AColor, AColor);
}

// The toolbar's window edges in its client coordinates: the client's rectangle grown by the borders.
TRect Office11WindowInClient(TovBarPainter* APainter, TovBarControl* ABarControl) {
    TRect borders{};
    APainter->BarBorderSizes(ABarControl->Bar(), ABarControl->DockingStyleOf(), borders,
                             ABarControl->HasSizeGrip());
    return uiGrowRectSides(ABarControl->GetClientRect(), borders.left, borders.top, borders.right,
                           borders.bottom);
}

// What a docked toolbar's body is coloured over: its window less one pixel on each long side.
TRect BarGradientRect(const TRect& AWindow, bool AVertical) {
    return AVertical ? uiGrowRect(AWindow, -1, 0) : uiGrowRect(AWindow, 0, -1);
}

TColor BarGradientColorAt(const TRect& AGradient, int APosition, bool AVertical) {
    return GetGradientColor(AGradient, APosition, Office11ToolbarColor1, Office11ToolbarColor2, AVertical);
}

} // namespace

// ---- Dock colours and the docked toolbar's surroundings

void TovBarOffice11Painter::DockColors(TovBarDockingStyle ADockStyle, TColor& AColor1, TColor& AColor2) {
    switch (ADockStyle) {
    case dsLeft:
        AColor1 = AColor2 = Office11DockColor1;
        return;
    case dsRight:
        AColor1 = AColor2 = Office11DockColor2;
        return;
    default:
        AColor1 = Office11DockColor1;
        AColor2 = Office11DockColor2;
    }
}

bool TovBarOffice11Painter::IsBorderedToolbar(TovBarControl* ABarControl) {
    return ABarControl != nullptr && ABarControl->DockingStyleOf() != dsNone &&
           ABarControl->Bar() != nullptr && ABarControl->Bar()->BorderStyle() != bbsNone &&
           !ABarControl->IsMainMenu();
}

namespace {

// Where the dock shows around a docked toolbar: its picture for a rectangle given in the toolbar's window
// coordinates, and its gradient colour at a window x (y on a vertical dock).
struct TDockSurroundings {
    TovBarOffice11Painter* Painter;
    TovBarControl* Bar;
    TRect WindowInClient;

    void Fill(HDC ADC, const TRect& AWindowPart) const {
        TovDockControl* dock = Bar->GetDockControl();
        // The window part in the DC (whose origin is the window's) and in the dock.
        if (dock != nullptr) {
            const TRect place = Bar->BoundsInDock();
            const TRect inDock =
                uiShiftRect(AWindowPart, place.left + WindowInClient.left, place.top + WindowInClient.top);
            Painter->DockControlFillBackground(dock, ADC, AWindowPart, inDock, dock->Color(), nullptr);
        } else {
            FillRectWithColor(ADC, AWindowPart, ColorAt(AWindowPart.left, AWindowPart.top));
        }
    }

    TColor ColorAt(int X, int Y) const {
        TColor c1, c2;
        TovBarDockingStyle style = Bar->DockingStyleOf();
        TovDockControl* dock = Bar->GetDockControl();
        if (dock != nullptr) style = dock->DockingStyle();
        TovBarOffice11Painter::DockColors(style, c1, c2);
        if (dock == nullptr || uiIsRectEmpty(dock->GetClientRect())) return c1;
        const TRect place = Bar->BoundsInDock();
        const bool vertical = style == dsLeft || style == dsRight;
        const int position =
            vertical ? Y + place.top + WindowInClient.top : X + place.left + WindowInClient.left;
        return GetGradientColor(dock->GetClientRect(), position, c1, c2, !vertical);
    }
};

} // namespace

void TovBarOffice11Painter::DockControlFillBackground(TovDockControl* ADock, HDC ADC, const TRect& ADestRect,
                                                      const TRect& AOrigin, TColor AColor, HBRUSH ABrush) {
    TColor c1, c2;
    DockColors(ADock->DockingStyle(), c1, c2);
    TRect dock = ADock->GetClientRect();
    if (uiIsRectEmpty(dock)) dock = AOrigin;
    // The whole dock's gradient, placed so that AOrigin lands on ADestRect, seen through ADestRect.
    const TRect placed = uiShiftRect(dock, ADestRect.left - AOrigin.left, ADestRect.top - AOrigin.top);
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    IntersectClipRect(ADC, ADestRect.left, ADestRect.top, ADestRect.right, ADestRect.bottom);
    if (ColorToRGB(c1) == ColorToRGB(c2)) {
        FillRectWithColor(ADC, ADestRect, c1);
    } else {
        // Only the columns under ADestRect need painting.
        TRect part = placed;
        part.left = std::max(placed.left, ADestRect.left);
        part.right = std::min(placed.right, ADestRect.right);
        for (int x = part.left; x < part.right;) {
            const TColor colour = GetGradientColor(placed, x, c1, c2, true);
            int end = x + 1;
            while (end < part.right && GetGradientColor(placed, end, c1, c2, true) == colour)
                ++end;
            FillRectWithColor(ADC, TRect{x, ADestRect.top, end, ADestRect.bottom}, colour);
            x = end;
        }
    }
    RestoreSavedClipRegion(ADC, saved, exists);
}

// ---- Backgrounds

void TovBarOffice11Painter::BarDrawDockBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                                  const TRect& AClipRect) {
    if (!IsBorderedToolbar(ABarControl) || BarHasOffice11BackgroundPicture(ABarControl)) {
        TovBarFlatPainter::BarDrawDockBackground(ABarControl, ADC, ADestRect, AClipRect);
        return;
    }
    const bool vertical = ABarControl->IsVerticalDocked();
    const TRect gradient = BarGradientRect(Office11WindowInClient(this, ABarControl), vertical);
    FToolbarGradient.Paint(ADC, gradient, ADestRect, Office11ToolbarColor1, Office11ToolbarColor2, vertical);
}

void TovBarOffice11Painter::BarDrawBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                              const TRect& AClipRect, HBRUSH ABrush) {
    if (ABarControl->Kind() == bckQuickCustomization || BarHasOffice11BackgroundPicture(ABarControl)) {
        TovBarFlatPainter::BarDrawBackground(ABarControl, ADC, ADestRect, AClipRect, ABrush);
        return;
    }
    // A docked toolbar that has no dock to ask still shows the docked gradient, so that its client and
    // its border agree.
    if (IsBorderedToolbar(ABarControl)) {
        BarDrawDockBackground(ABarControl, ADC, ADestRect, AClipRect);
        return;
    }
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    IntersectClipRect(ADC, ADestRect.left, ADestRect.top, ADestRect.right, ADestRect.bottom);
    FillGradientBand(ADC, ABarControl->GetClientRect(), Office11ToolbarColor1, Office11ToolbarColor2, false);
    RestoreSavedClipRegion(ADC, saved, exists);
}

void TovBarOffice11Painter::DrawOwnerEdge(TCustomovBarControl* ABarControl, HDC ADC) {
    const TRect edge = ABarControl->GetOwnerEdgeRect();
    if (!uiIsRectEmpty(edge)) FillRect(ADC, &edge, Office11MenuBrush);
}

bool TovBarOffice11Painter::BarControlHasShadow(TCustomovBarControl* ABarControl) {
    return ABarControl->IsPopup();
}

// ---- Docked borders

void TovBarOffice11Painter::BarDockedBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R) {
    if (ABar != nullptr && ABar->IsMainMenu()) {
        // The main menu runs from end to end; only its long sides keep a band of the dock.
        R = ADockingStyle == dsLeft || ADockingStyle == dsRight ? TRect{2, 0, 2, 0} : TRect{0, 2, 0, 2};
        return;
    }
    TovBarFlatPainter::BarDockedBorderSizes(ABar, ADockingStyle, R);
}

void TovBarOffice11Painter::BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {
    const TRect window = R;
    const bool vertical = ABarControl->IsVerticalDocked();
    const TDockSurroundings dock{this, ABarControl, Office11WindowInClient(this, ABarControl)};
    TRect borders{};
    BarDockedBorderSizes(ABarControl->Bar(), ABarControl->DockingStyleOf(), borders);
    if (ABarControl->IsMainMenu()) {
        // The dock shows in two-pixel bands along both long sides.
        if (vertical) {
            dock.Fill(ADC, TRect{window.left, window.top, window.left + 2, window.bottom});
            dock.Fill(ADC, TRect{window.right - 2, window.top, window.right, window.bottom});
        } else {
            dock.Fill(ADC, TRect{window.left, window.top, window.right, window.top + 2});
            dock.Fill(ADC, TRect{window.left, window.bottom - 2, window.right, window.bottom});
        }
    } else if (IsBorderedToolbar(ABarControl)) {
        HBRUSH border = CreateSolidBrush(ColorToRGB(Office11ToolbarEdgeColor));
        const int state = std::clamp(ABarControl->GetMarkState(), 0, 2);
        const TRect gradient = BarGradientRect(window, vertical);
        const bool hasMark = ABarControl->HasMark() && ABarControl->GetMarkSize() > 0;
        // Pixels are named for a horizontal bar: A runs along the bar (x), B across it (y). A vertical bar
        // swaps the axes.
        auto pixel = [&](int A, int B, TColor AColor) {
            if (vertical)
                SetOffice11Pixel(ADC, window.left + B, window.top + A, AColor);
            else
                SetOffice11Pixel(ADC, window.left + A, window.top + B, AColor);
        };
        auto area = [&](int A1, int B1, int A2, int B2) {
            return vertical ? TRect{window.left + B1, window.top + A1, window.left + B2, window.top + A2}
                            : TRect{window.left + A1, window.top + B1, window.left + A2, window.top + B2};
        };
        auto dockPixel = [&](int A, int B) { dock.Fill(ADC, area(A, B, A + 1, B + 1)); };
        auto dockColour = [&](int A, int B) {
            return vertical ? dock.ColorAt(window.left + B, window.top + A)
                            : dock.ColorAt(window.left + A, window.top + B);
        };
        auto barColour = [&](int B) {
            return BarGradientColorAt(gradient, (vertical ? window.left : window.top) + B, vertical);
        };
        const int length = vertical ? uiHeightOfRect(window) : uiWidthOfRect(window);
        const int thickness = vertical ? uiWidthOfRect(window) : uiHeightOfRect(window);
        const int last = thickness - 1;
        // The body: the bar's gradient as its client shows it, its end colours on the outer long rows,
        // then the shadow line along the far long side.
        FillDoubleGradientRect(ADC, gradient, Office11ToolbarColor1, Office11ToolbarColor2, vertical);
        FillRectWithColor(ADC, area(0, 0, length, 1), Office11ToolbarColor1);
        FillRectWithColor(ADC, area(0, last, length, last + 1), Office11ToolbarColor2);
        // Under the items only: a mark's band takes the rest of the far side.
        const int shadowEnd = hasMark ? length - borders.right - ABarControl->GetMarkSize() : length - 2;
        FillPart(ADC, area(2, last, shadowEnd, last + 1), border);
        if (!hasMark) FillPart(ADC, area(length - 1, 2, length, last - 1), border);
        // The start end, rounded.
        const TColor corner = Office11ToolbarCornerColor;
        dockPixel(0, 0);
        dockPixel(0, last);
        dockPixel(0, last - 1);
        dockPixel(1, last);
        pixel(1, last - 2, corner);
        pixel(0, last - 2, BlendRGB(dockColour(0, last - 2), corner, 50));
        pixel(1, last - 1, BlendRGB(dockColour(1, last - 1), corner, 50));
        pixel(0, 1, BlendRGB(dockColour(0, 1), barColour(1), 50));
        pixel(1, 0, BlendRGB(dockColour(1, 0), barColour(1), 50));
        // The far end, rounded the same way; a mark draws its own end over it.
        const int e = length - 1;
        const TColor farCorner = hasMark ? Office11MarkBlendColors2[state] : corner;
        dockPixel(e, 0);
        dockPixel(e, last);
        dockPixel(e, last - 1);
        dockPixel(e - 1, last);
        pixel(e - 1, last - 1, farCorner);
        pixel(e, last - 2, BlendRGB(dockColour(e, last - 2), farCorner, 50));
        pixel(e - 1, last, BlendRGB(dockColour(e - 1, last), farCorner, 50));
        pixel(e, 1, BlendRGB(dockColour(e, 1), hasMark ? Office11MarkBlendColors1[state] : barColour(1), 50));
        pixel(e - 1, 0,
              BlendRGB(dockColour(e - 1, 0), hasMark ? Office11MarkBlendColors1[state] : barColour(1), 50));
        DeleteObject(border);
    }
    R = uiShrinkRectByMargins(window, borders);
    if (!ABarControl->CanMove()) return;
    // The grip dots, across the bar, just after the start edge.
    const TRect inner = uiGrowRect(window, -2, -2);
    const int start = (vertical ? inner.top : inner.left) + BarGripOffset();
    const TRect grip = vertical ? TRect{inner.left + 3, start, inner.right - 3, start + BarFingerWidth()}
                                : TRect{start, inner.top + 3, start + BarFingerWidth(), inner.bottom - 3};
    DrawFingerElements(ABarControl, ADC, grip, !vertical);
}

// ---- Separators

void TovBarOffice11Painter::BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal,
                                             HBRUSH ABrush, TRect R) {
    ABarControl->FillBackground(ADC, R, clNone, ABrush);
    const int offset = BarSeparatorOffset();
    if (AHorizontal) {
        R = uiGrowRect(R, 0, -offset);
        FillPart(ADC, TRect{R.left + 3, R.top, R.right - 4, R.top + 1}, Office11SeparatorBrush1);
        FillPart(ADC, TRect{R.left + 4, R.top + 1, R.right - 3, R.top + 2}, Office11SeparatorBrush2);
    } else {
        R = uiGrowRect(R, -offset, 0);
        FillPart(ADC, TRect{R.left, R.top + 3, R.left + 1, R.bottom - 4}, Office11SeparatorBrush1);
        FillPart(ADC, TRect{R.left + 1, R.top + 4, R.left + 2, R.bottom - 3}, Office11SeparatorBrush2);
    }
}

// ---- The toolbar mark

void TovBarOffice11Painter::BarGetMarkPaintRect(TovBarControl* ABarControl, TRect& R) {
    TovBarFlatPainter::BarGetMarkPaintRect(ABarControl, R);
    if (!IsBorderedToolbar(ABarControl)) return;
    if (ABarControl->IsVerticalDocked()) {
        --R.left;
        ++R.right;
        R.bottom += 2;
    } else {
        --R.top;
        R.right += 2;
        ++R.bottom;
    }
}

void TovBarOffice11Painter::BarRedrawMark(TovBarControl* ABarControl) {
    TovBarFlatPainter::BarRedrawMark(ABarControl);
    // The mark's rounded end lies in the non-client area.
    if (ABarControl->DockingStyleOf() != dsNone && ABarControl->Handle() != nullptr)
        SendMessage(ABarControl->Handle(), WM_NCPAINT, 0, 0);
}

void TovBarOffice11Painter::BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                  const TRect& R) {
    const int state = std::clamp(ABarControl->GetMarkState(), 0, 2);
    const bool vertical = ABarControl->IsVerticalDocked();
    TRect mark = R;
    if (IsBorderedToolbar(ABarControl)) {
        // A strip of the bar before the mark; the mark itself reaches over both long borders.
        const TRect strip =
            vertical ? TRect{R.left, R.top, R.right, R.top + 2} : TRect{R.left, R.top, R.left + 2, R.bottom};
        ABarControl->FillBackground(ADC, strip, clNone, ABrush);
        const TRect gradient = BarGradientRect(Office11WindowInClient(this, ABarControl), vertical);
        if (vertical) {
            mark = TRect{R.left - 2, R.top + 2, R.right + 2, R.bottom + 2};
            const TColor bar = BarGradientColorAt(gradient, R.left + 2, true);
            SetOffice11Pixel(ADC, R.left, R.top + 1, BlendRGB(Office11MarkBlendColors1[state], bar, 50));
        } else {
            mark = TRect{R.left + 2, R.top - 2, R.right + 2, R.bottom + 2};
            const TColor bar = BarGradientColorAt(gradient, R.top + 2, false);
            SetOffice11Pixel(ADC, R.left + 1, R.top, BlendRGB(Office11MarkBlendColors1[state], bar, 50));
        }
    }
    FillDoubleGradientRect(ADC, mark, Office11MarkColors1[state], Office11MarkColors2[state], vertical);
    if (!IsBorderedToolbar(ABarControl)) return;
    // The mark's end is rounded like the bar's: the dock shows at its far corners, its border colours next
    // to them.
    const TDockSurroundings dock{this, ABarControl, Office11WindowInClient(this, ABarControl)};
    const TPoint toWindow{-dock.WindowInClient.left, -dock.WindowInClient.top};
    auto dockPixel = [&](int X, int Y) {
        // The dock fills in window coordinates; move the DC's origin there for the pixel.
        POINT previous{};
        OffsetViewportOrgEx(ADC, -toWindow.x, -toWindow.y, &previous);
        dock.Fill(ADC, TRect{X + toWindow.x, Y + toWindow.y, X + toWindow.x + 1, Y + toWindow.y + 1});
        SetViewportOrgEx(ADC, previous.x, previous.y, nullptr);
    };
    const int l = mark.left, t = mark.top, r = mark.right - 1, b = mark.bottom - 1;
    if (vertical) {
        dockPixel(l, b);
        dockPixel(r, b);
        SetOffice11Pixel(ADC, l + 1, b, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, r - 1, b, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, l, b - 1, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, r, b - 1, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, l, t, Office11MarkBlendColors1[state]);
        SetOffice11Pixel(ADC, r, t, Office11MarkBlendColors1[state]);
    } else {
        dockPixel(r, t);
        dockPixel(r, b);
        SetOffice11Pixel(ADC, r - 1, t, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, r, t + 1, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, r - 1, b, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, r, b - 1, Office11MarkBlendColors2[state]);
        SetOffice11Pixel(ADC, l, t, Office11MarkBlendColors1[state]);
        SetOffice11Pixel(ADC, l, b, Office11MarkBlendColors1[state]);
    }
}

void TovBarOffice11Painter::BarDrawMarkElements(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    const bool plain = ABarControl->Bar() == nullptr || ABarControl->Bar()->BorderStyle() == bbsNone ||
                       ABarControl->IsMainMenu();
    const int f = plain ? 2 : 0, g = plain ? 1 : 0;
    const bool vertical = ABarControl->IsVerticalDocked();
    // Each figure twice: a shadow copy one pixel right and down, then the figure itself.
    auto twice = [&](auto ADraw) {
        ADraw(1, 1, Office11MarkArrowShadowColor);
        ADraw(0, 0, Office11MarkArrowColor);
    };
    if (BarCanQuickCustomize()) {
        const int x = vertical ? R.right - g - 8 : R.right - f - 6;
        const int y = vertical ? R.bottom - f - 6 : R.bottom - g - 8;
        twice([&](int DX, int DY, TColor AColor) {
            const int px = x + DX, py = y + DY;
            if (vertical) {
                FillRectWithColor(ADC, TRect{px, py, px + 1, py + 5}, AColor);
                FillOffice11Figure(ADC, {{px + 3, py}, {px + 3, py + 4}, {px + 5, py + 2}}, AColor);
            } else {
                FillRectWithColor(ADC, TRect{px, py, px + 5, py + 1}, AColor);
                FillOffice11Figure(ADC, {{px, py + 3}, {px + 4, py + 3}, {px + 2, py + 5}}, AColor);
            }
        });
    }
    if (!ABarControl->IsTruncated()) return;
    const int x = vertical ? R.left - f + 3 : R.right - f - 7;
    const int y = vertical ? R.bottom - g - 7 : R.top - g + 3;
    auto chevron = [&](int AX, int AY, TColor AColor) {
        if (vertical)
            FillOffice11Figure(ADC, {{AX, AY}, {AX + 1, AY + 1}, {AX + 2, AY}}, AColor);
        else
            FillOffice11Figure(ADC, {{AX, AY}, {AX + 1, AY + 1}, {AX, AY + 2}}, AColor);
    };
    // Shadow of the first, the first, shadow of the second, the second.
    const int step = 4;
    for (int i = 0; i < 2; ++i) {
        const int ox = vertical ? x : x + i * step, oy = vertical ? y + i * step : y;
        chevron(ox + 1, oy + 1, Office11MarkArrowShadowColor);
        chevron(ox, oy, Office11MarkArrowColor);
    }
}

// ---- Floating toolbars

void TovBarOffice11Painter::BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    TRect ring = R;
    if (ABarControl->Kind() == bckQuickCustomization) {
        FrameRect(ADC, &ring, Office11MenuBorderBrush);
        TRect borders{};
        BarBorderSizes(ABarControl->Bar(), dsNone, borders, false);
        HBRUSH face = ABarControl->GetBackgroundBrush();
        for (int inset = 1; inset < borders.left; ++inset) {
            ring = uiGrowRect(ring, -1, -1);
            FrameRect(ADC, &ring, face);
        }
        return;
    }
    HBRUSH outer = CreateSolidBrush(ColorToRGB(Office11FloatingBorderColor1));
    HBRUSH inner = CreateSolidBrush(ColorToRGB(Office11FloatingBorderColor2));
    FrameRect(ADC, &ring, outer);
    ring = uiGrowRect(ring, -1, -1);
    FrameRect(ADC, &ring, outer);
    ring = uiGrowRect(ring, -1, -1);
    FrameRect(ADC, &ring, inner);
    // The third ring's corners stay in the outer colour: the frame looks rounded inside.
    for (const TPoint& corner : {TPoint{ring.left, ring.top}, TPoint{ring.right - 1, ring.top},
                                 TPoint{ring.left, ring.bottom - 1}, TPoint{ring.right - 1, ring.bottom - 1}})
        FillPart(ADC, TRect{corner.x, corner.y, corner.x + 1, corner.y + 1}, outer);
    DeleteObject(inner);
    DeleteObject(outer);
}

void TovBarOffice11Painter::BarDrawFloatingBarCaption(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                      const TRect& AWindowRect, TRect ACaptionRect) {
    HBRUSH line = CreateSolidBrush(ColorToRGB(Office11FloatingButtonColor));
    TovBarFlatPainter::BarDrawFloatingBarCaption(ABarControl, ADC, line, AWindowRect, ACaptionRect);
    DeleteObject(line);
}

void TovBarOffice11Painter::BarDrawCaptionButtonBackground(TovBarControl* ABarControl, HDC ADC, int AState,
                                                           TRect R) {
    if (AState == 0) {
        FillRectWithColor(ADC, R, ABarControl->GetCaptionColor());
        return;
    }
    Office11FrameSelection(ADC, R);
    FillRectWithColor(ADC, uiGrowRect(R, -1, -1), AState == 1 ? Office11HotColor1 : Office11HotColor2);
}

// ---- Owner frame and link

void TovBarOffice11Painter::BarPaintOwnerFrame(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) {
    FrameRect(ADC, &R, Office11MenuBorderBrush);
}

void TovBarOffice11Painter::BarPaintOwnerLink(TCustomovBarControl* ABarControl, HDC ADC,
                                              TovBarItemControl* AControl, const TRect& ALinkRect,
                                              const TRect& R) {
    const bool subItem = dynamic_cast<TovBarSubItemControl*>(AControl) != nullptr;
    const bool droppedButton = dynamic_cast<TovBarButtonControl*>(AControl) != nullptr &&
                               AControl->DrawParams() != nullptr && AControl->DrawParams()->DroppedDown &&
                               IsFlatStyle();
    const bool quickPopup = ABarControl != nullptr && ABarControl->Kind() == bckQuickCustomization;
    if (!(subItem || droppedButton) || quickPopup || uiIsRectEmpty(ALinkRect)) {
        TovBarFlatPainter::BarPaintOwnerLink(ABarControl, ADC, AControl, ALinkRect, R);
        return;
    }
    // The link continues the item's gradient: its dark end when the popup lies beyond the link.
    const bool horizontalLink = uiWidthOfRect(ALinkRect) > uiHeightOfRect(ALinkRect);
    const bool beyond =
        horizontalLink ? (R.top + R.bottom) / 2 < ALinkRect.top : (R.left + R.right) / 2 < ALinkRect.left;
    FillRectWithColor(ADC, ALinkRect, beyond ? Office11OwnerLinkColor2 : Office11OwnerLinkColor1);
    ExcludeClipRect(ADC, ALinkRect.left, ALinkRect.top, ALinkRect.right, ALinkRect.bottom);
}
