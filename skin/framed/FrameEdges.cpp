#include "skin/framed/FrameEdges.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Pen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinStyles.h"
#include "skin/framed/FrameColors.h"

namespace {

void Line(TCanvas* Canvas, TColor Color, int X1, int Y1, int X2, int Y2) {
    Canvas->Pen()->SetColor(Color);
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

void Dot(TCanvas* Canvas, int X, int Y, TColor Color) {
    Canvas->SetPixels(X, Y, Color);
}

TRect Shrink(TRect R, TSides Sides, int By) {
    if (Sides.Contains(sdLeft)) R.left += By;
    if (Sides.Contains(sdTop)) R.top += By;
    if (Sides.Contains(sdRight)) R.right -= By;
    if (Sides.Contains(sdBottom)) R.bottom -= By;
    return R;
}

// Two rings: the outer pair of colours, then the inner pair inside it.
TRect TwoLevel(TCanvas* Canvas, TRect Rect, TSides Sides, TColor OuterUL, TColor OuterLR, TColor InnerUL,
               TColor InnerLR) {
    return DrawEdgeLines(Canvas, DrawEdgeLines(Canvas, Rect, OuterUL, Sides, OuterLR), InnerUL, Sides,
                         InnerLR);
}

// The etched edge of grooves and bumps: a line in Line with an offset line in Offset beside it, and the
// corner pixels that keep the two from crossing.
TRect Etched(TCanvas* Canvas, TRect R, TSides Sides, TColor LineColor, TColor Offset) {
    const bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop);
    const bool right = Sides.Contains(sdRight), bottom = Sides.Contains(sdBottom);
    const int L = R.left, T = R.top, Rr = R.right, B = R.bottom;
    if (right) Dot(Canvas, Rr - 1, T, Offset);
    if (top && !right) Dot(Canvas, Rr - 1, T, LineColor);
    if (bottom) Dot(Canvas, L, B - 1, Offset);
    if (left && !bottom) Dot(Canvas, L, B - 1, LineColor);
    if (top && !left) Dot(Canvas, L, T + 1, Offset);
    if (left && !top) Dot(Canvas, L + 1, T, Offset);
    if (bottom && !right) Dot(Canvas, Rr - 1, B - 2, LineColor);
    if (right && !bottom) Dot(Canvas, Rr - 2, B - 1, LineColor);
    DrawEdgeLines(Canvas, TRect{L + 1, T + 1, Rr, B}, Offset, Sides, Offset);
    DrawEdgeLines(Canvas, TRect{L, T, Rr - 1, B - 1}, LineColor, Sides, LineColor);
    return Shrink(R, Sides, 2);
}

// The outer ring in the parent's colour and, inside it, a ring of Fill; with InnerRounded only the
// ring one pixel inside. Then the rounded edge in Edge over the whole rectangle.
TRect RoundedRings(TCanvas* Canvas, TRect Rect, TSides Sides, TColor Parent, TColor Fill, TColor Edge,
                   bool InnerRounded) {
    TRect inner = InnerRounded ? Shrink(Rect, Sides, 1) : DrawEdgeLines(Canvas, Rect, Parent, Sides, Parent);
    inner = DrawEdgeLines(Canvas, inner, Fill, Sides, Fill);
    DrawRoundedEdge(Canvas, Rect, Edge, Sides);
    return inner;
}

} // namespace

TRect DrawEdgeLines(TCanvas* Canvas, TRect Rect, TColor UpperLeft, TSides Sides, TColor LowerRight) {
    const int L = Rect.left, T = Rect.top, R = Rect.right, B = Rect.bottom;
    if (UpperLeft != clNone) {
        if (Sides.Contains(sdLeft)) Line(Canvas, UpperLeft, L, T, L, B);
        if (Sides.Contains(sdTop)) Line(Canvas, UpperLeft, L, T, R, T);
    }
    if (LowerRight != clNone) {
        if (Sides.Contains(sdRight)) Line(Canvas, LowerRight, R - 1, T, R - 1, B);
        if (Sides.Contains(sdBottom)) Line(Canvas, LowerRight, L, B - 1, R, B - 1);
    }
    return Shrink(Rect, Sides, 1);
}

TRect DrawEdgeBands(TCanvas* Canvas, TRect Rect, TColor UpperLeft, TSides Sides, int Count,
                    TColor LowerRight) {
    Canvas->Pen()->SetWidth(1);
    for (int i = 0; i < Count; ++i)
        Rect = DrawEdgeLines(Canvas, Rect, UpperLeft, Sides, LowerRight);
    return Rect;
}

TRect DrawSunkenRaisedEdge(TCanvas* Canvas, TRect Rect, bool Sunken, TSides Sides) {
    if (Sunken) return TwoLevel(Canvas, Rect, Sides, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
    return TwoLevel(Canvas, Rect, Sides, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow);
}

TRect DrawButtonEdge(TCanvas* Canvas, TRect Rect, bool Down, TSides Sides) {
    if (Down) return TwoLevel(Canvas, Rect, Sides, clBtnText, clBtnText, clBtnShadow, clBtnShadow);
    return TwoLevel(Canvas, Rect, Sides, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
}

TRect DrawTintedButtonEdge(TCanvas* Canvas, TRect Rect, TColor Face, TSides Sides, bool Down) {
    return DrawTintedStyledEdge(Canvas, Rect, Face, Sides, Down ? fsButtonDown : fsButtonUp);
}

TRect DrawStyledEdge(TCanvas* Canvas, TRect Rect, TFrameStyleEx Style, TSides Sides) {
    switch (Style) {
    case fsNone:
        return Rect;
    case fsFlat:
        return DrawEdgeLines(Canvas, Rect, cl3DDkShadow, Sides, cl3DDkShadow);
    case fsStatus:
        return DrawEdgeLines(Canvas, Rect, clBtnShadow, Sides, clBtnHighlight);
    case fsPopup:
        return DrawEdgeLines(Canvas, Rect, clBtnHighlight, Sides, clBtnShadow);
    case fsLowered:
    case fsRaised:
        return DrawSunkenRaisedEdge(Canvas, Rect, Style == fsLowered, Sides);
    case fsButtonDown:
    case fsButtonUp:
        return DrawButtonEdge(Canvas, Rect, Style == fsButtonDown, Sides);
    case fsFlatBold:
        return DrawEdgeBands(Canvas, Rect, clBtnShadow, Sides, 2, clBtnShadow);
    case fsGroove:
        return Etched(Canvas, Rect, Sides, clBtnShadow, clBtnHighlight);
    case fsBump:
    case fsFlatRounded:
        return Etched(Canvas, Rect, Sides, clBtnHighlight, clBtnShadow);
    }
    return Rect;
}

TRect DrawTintedStyledEdge(TCanvas* Canvas, TRect Rect, TColor Face, TSides Sides, TFrameStyleEx Style) {
    auto D = [Face](int n) { return DarkenColor(Face, n); };
    auto L = [Face](int n) { return LightenColor(Face, n); };
    switch (Style) {
    case fsNone:
        return Rect;
    case fsFlat:
        return DrawEdgeLines(Canvas, Rect, D(50), Sides, D(50));
    case fsGroove:
        return Etched(Canvas, Rect, Sides, D(50), L(100));
    case fsBump:
    case fsFlatRounded:
        return Etched(Canvas, Rect, Sides, L(100), D(50));
    case fsLowered:
        return TwoLevel(Canvas, Rect, Sides, D(50), L(100), D(100), L(50));
    case fsRaised:
        return TwoLevel(Canvas, Rect, Sides, L(50), D(100), L(100), D(50));
    case fsButtonDown:
        return TwoLevel(Canvas, Rect, Sides, D(100), D(100), D(50), D(50));
    case fsButtonUp:
        return TwoLevel(Canvas, Rect, Sides, L(100), D(100), L(40), D(50));
    case fsStatus:
        return DrawEdgeLines(Canvas, Rect, D(50), Sides, L(100));
    case fsPopup:
        return DrawEdgeLines(Canvas, Rect, L(100), Sides, D(50));
    case fsFlatBold:
        return DrawEdgeBands(Canvas, Rect, D(50), Sides, 2, D(50));
    }
    return Rect;
}

TRect DrawRoundedEdge(TCanvas* Canvas, TRect Rect, TColor Color, TSides Sides) {
    const bool left = Sides.Contains(sdLeft), top = Sides.Contains(sdTop);
    const bool right = Sides.Contains(sdRight), bottom = Sides.Contains(sdBottom);
    const int L = Rect.left, T = Rect.top, R = Rect.right, B = Rect.bottom;
    const int x0 = left ? L + 2 : L, x1 = right ? R - 2 : R;
    const int y0 = top ? T + 2 : T, y1 = bottom ? B - 2 : B;
    if (left) Line(Canvas, Color, L, y0, L, y1);
    if (top) Line(Canvas, Color, x0, T, x1, T);
    if (right) Line(Canvas, Color, R - 1, y0, R - 1, y1);
    if (bottom) Line(Canvas, Color, x0, B - 1, x1, B - 1);
    if (left && top) Dot(Canvas, L + 1, T + 1, Color);
    if (right && top) Dot(Canvas, R - 2, T + 1, Color);
    if (right && bottom) Dot(Canvas, R - 2, B - 2, Color);
    if (left && bottom) Dot(Canvas, L + 1, B - 2, Color);
    return TRect{x0, y0, x1, y1};
}

TRect DrawTwoBorders(TCanvas* Canvas, TRect Rect, TFrameStyleEx OuterStyle, TFrameStyleEx InnerStyle,
                     int BorderWidth, TSides Sides, int BevelWidth, TColor BorderColor, TColor HighlightColor,
                     TColor ShadowColor, TColor FlatColor, int FlatColorAdjustment, TColor FaceColor,
                     TColor ParentColor, bool KeepCorners, bool InnerRounded) {
    const TColor flat = ShiftColorLuminance(FlatColor, FlatColorAdjustment);
    TRect r = Rect;
    switch (OuterStyle) {
    case fsFlat:
        r = DrawEdgeLines(Canvas, r, flat, Sides, flat);
        break;
    case fsFlatBold:
        r = DrawEdgeBands(Canvas, r, flat, Sides, 2, flat);
        break;
    case fsFlatRounded: {
        const TColor fill = BorderWidth > 0 || InnerStyle != fsNone ? BorderColor : FaceColor;
        r = RoundedRings(Canvas, r, Sides, ParentColor, fill, flat, InnerRounded);
        break;
    }
    case fsPopup:
        r = DrawEdgeBands(Canvas, r, HighlightColor, Sides, BevelWidth, ShadowColor);
        break;
    case fsStatus:
        r = DrawEdgeBands(Canvas, r, ShadowColor, Sides, BevelWidth, HighlightColor);
        break;
    default:
        r = DrawStyledEdge(Canvas, r, OuterStyle, Sides);
        break;
    }
    if (BorderWidth > 0) r = DrawEdgeBands(Canvas, r, BorderColor, Sides, BorderWidth, BorderColor);
    switch (InnerStyle) {
    case fsFlat:
        if (KeepCorners) {
            const int L = r.left, T = r.top, R = r.right, B = r.bottom;
            if (Sides.Contains(sdLeft)) Line(Canvas, flat, L, T + 1, L, B - 1);
            if (Sides.Contains(sdTop)) Line(Canvas, flat, L + 1, T, R - 1, T);
            if (Sides.Contains(sdRight)) Line(Canvas, flat, R - 1, T + 1, R - 1, B - 1);
            if (Sides.Contains(sdBottom)) Line(Canvas, flat, L + 1, B - 1, R - 1, B - 1);
            return Shrink(r, Sides, 1);
        }
        return DrawEdgeLines(Canvas, r, flat, Sides, flat);
    case fsFlatBold:
        return DrawEdgeBands(Canvas, r, flat, Sides, 2, flat);
    case fsFlatRounded:
        return RoundedRings(Canvas, r, Sides, ParentColor, BorderColor, flat, false);
    case fsStatus:
        return DrawEdgeBands(Canvas, r, ShadowColor, Sides, BevelWidth, HighlightColor);
    case fsPopup:
        return DrawEdgeBands(Canvas, r, HighlightColor, Sides, BevelWidth, ShadowColor);
    default:
        return DrawStyledEdge(Canvas, r, InnerStyle, Sides);
    }
}

void DrawControlFrame(TCanvas* Canvas, int Width, int Height, TFrameStyleEx Style, TColor FaceColor,
                      TColor FrameColor, TSides Sides, bool SkipErase) {
    const TRect rect{0, 0, Width, Height};
    if (!SkipErase) DrawEdgeBands(Canvas, rect, FaceColor, AllSides, 2, FaceColor);
    switch (Style) {
    case fsFlat:
        DrawEdgeLines(Canvas, rect, FrameColor, Sides, FrameColor);
        break;
    case fsFlatBold:
        DrawEdgeBands(Canvas, rect, FrameColor, Sides, 2, FrameColor);
        break;
    default:
        if (FaceColor == clWindow)
            DrawStyledEdge(Canvas, rect, Style, Sides);
        else
            DrawTintedStyledEdge(Canvas, rect, FaceColor, Sides, Style);
        break;
    }
}

void RedrawNonClientFrame(HWND Window, TRect Rect) {
    HDC dc = GetWindowDC(Window);
    if (!dc) return;
    RECT clip{};
    const int kind = GetClipBox(dc, &clip);
    ReleaseDC(Window, dc);
    if (kind != NULLREGION && kind != ERROR) RedrawWindow(Window, &Rect, nullptr, RDW_FRAME | RDW_INVALIDATE);
}
