#include "skin/draw/SkinImageBuilder.h"

#include "platform/vcl/Bitmap.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinTiling.h"

#include <algorithm>

namespace {
using namespace skin_tiling;

TRect Offset(const TRect& R, int dx, int dy) {
    return TRect{R.left + dx, R.top + dy, R.right + dx, R.bottom + dy};
}

} // namespace

void BuildSkinImage(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT, TPoint NewRT,
                    TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Dest, TBitmap* Source,
                    TRect SkinRect, int AW, int AH, bool DrawClient, bool LeftStretch, bool TopStretch,
                    bool RightStretch, bool BottomStretch, bool ClientStretch, TskStretchType StretchType) {
    Dest->SetSize(AW, AH);
    if (RB.x == LT.x || RB.y == LT.y || Source->Empty()) return;
    const int sx = SkinRect.left, sy = SkinRect.top;
    const int sw = RectWidth(SkinRect), sh = RectHeight(SkinRect);
    auto src = [&](int l, int t, int r, int b) { return TRect{sx + l, sy + t, sx + r, sy + b}; };

    // Top edge.
    const TRect top = src(LT.x, 0, RT.x, ClRect.top);
    if (TopStretch)
        Copy(Dest, TRect{NewLT.x, 0, NewRT.x, NewClRect.top}, Source, top);
    else
        TileAcross(Dest, NewLT.x, NewRT.x, 0, NewClRect.top, Source, top);
    // Bottom edge.
    const TRect bottom = src(LB.x, ClRect.bottom, RB.x, sh);
    if (BottomStretch)
        Copy(Dest, TRect{NewLB.x, NewClRect.bottom, NewRB.x, AH}, Source, bottom);
    else
        TileAcross(Dest, NewLB.x, NewRB.x, NewClRect.bottom, AH, Source, bottom);
    // Left edge.
    const TRect left = src(0, LT.y, ClRect.left, LB.y);
    if (LeftStretch)
        Copy(Dest, TRect{0, NewLT.y, NewClRect.left, NewLB.y}, Source, left);
    else
        TileDown(Dest, NewLT.y, NewLB.y, 0, NewClRect.left, Source, left);
    // Right edge.
    const TRect right = src(ClRect.right, RT.y, sw, RB.y);
    if (RightStretch)
        Copy(Dest, TRect{NewClRect.right, NewRT.y, AW, NewRB.y}, Source, right);
    else
        TileDown(Dest, NewRT.y, NewRB.y, NewClRect.right, AW, Source, right);

    // The eight corner pieces, each 1:1.
    Copy(Dest, TRect{0, 0, NewLT.x, NewClRect.top}, Source, src(0, 0, LT.x, ClRect.top));
    Copy(Dest, TRect{0, NewClRect.top, NewClRect.left, NewLT.y}, Source,
         src(0, ClRect.top, ClRect.left, LT.y));
    Copy(Dest, TRect{NewRT.x, 0, AW, NewClRect.top}, Source, src(RT.x, 0, sw, ClRect.top));
    Copy(Dest, TRect{NewClRect.right, NewClRect.top, AW, NewRT.y}, Source,
         src(ClRect.right, ClRect.top, sw, RT.y));
    Copy(Dest, TRect{0, NewLB.y, NewClRect.left, AH}, Source, src(0, LB.y, ClRect.left, sh));
    Copy(Dest, TRect{NewClRect.left, NewClRect.bottom, NewLB.x, AH}, Source,
         src(ClRect.left, ClRect.bottom, LB.x, sh));
    Copy(Dest, TRect{NewRB.x, NewClRect.bottom, AW, AH}, Source, src(RB.x, ClRect.bottom, sw, sh));
    Copy(Dest, TRect{NewClRect.right, NewRB.y, AW, NewClRect.bottom}, Source,
         src(ClRect.right, RB.y, sw, ClRect.bottom));

    if (!DrawClient) return;
    const TRect centre = Offset(ClRect, sx, sy);
    if (!ClientStretch) {
        TileArea(Dest, NewClRect, Source, centre);
        return;
    }
    if (RectIsEmpty(NewClRect)) return;
    switch (StretchType) {
    case stfull:
        Copy(Dest, NewClRect, Source, centre);
        break;
    case sthorz:
        // Stretched to the target's height, repeated across (the last copy cut at the right).
        TileAcross(Dest, NewClRect.left, NewClRect.right, NewClRect.top, NewClRect.bottom, Source, centre);
        break;
    case stvert:
        TileDown(Dest, NewClRect.top, NewClRect.bottom, NewClRect.left, NewClRect.right, Source, centre);
        break;
    }
}

void BuildSkinFrameStrips(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                          TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* LeftStrip,
                          TBitmap* TopStrip, TBitmap* RightStrip, TBitmap* BottomStrip, TBitmap* Source,
                          TRect SkinRect, int AW, int AH, bool LeftStretch, bool TopStretch,
                          bool RightStretch, bool BottomStretch) {
    const int sx = SkinRect.left, sy = SkinRect.top;
    const int sw = RectWidth(SkinRect);
    auto src = [&](int l, int t, int r, int b) { return TRect{sx + l, sy + t, sx + r, sy + b}; };
    const int th = NewClRect.top;
    const int bh = AH - NewClRect.bottom;
    int topHeight = 0, bottomHeight = 0;

    if (AW > 0 && th > 0 && RT.x - LT.x > 0) {
        TopStrip->SetSize(AW, th);
        topHeight = th;
        const TRect piece = src(LT.x, 0, RT.x, th);
        if (TopStretch)
            Copy(TopStrip, TRect{NewLT.x, 0, NewRT.x, th}, Source, piece);
        else
            TileAcross(TopStrip, 0, AW, 0, th, Source, piece);
        Copy(TopStrip, TRect{0, 0, NewLT.x, th}, Source, src(0, 0, LT.x, th));
        Copy(TopStrip, TRect{NewRT.x, 0, AW, th}, Source, src(RT.x, 0, sw, th));
    }
    if (AW > 0 && bh > 0 && RB.x - LB.x > 0) {
        BottomStrip->SetSize(AW, bh);
        bottomHeight = bh;
        const int rowsTop = SkinRect.bottom - bh;
        const TRect piece{sx + LB.x, rowsTop, sx + RB.x, SkinRect.bottom};
        if (BottomStretch)
            Copy(BottomStrip, TRect{NewLB.x, 0, NewRB.x, bh}, Source, piece);
        else
            TileAcross(BottomStrip, 0, AW, 0, bh, Source, piece);
        Copy(BottomStrip, TRect{0, 0, NewLB.x, bh}, Source, TRect{sx, rowsTop, sx + LB.x, SkinRect.bottom});
        Copy(BottomStrip, TRect{NewRB.x, 0, AW, bh}, Source,
             TRect{sx + RB.x, rowsTop, sx + sw, SkinRect.bottom});
    }

    // The side strips share the rows between the top and bottom strips.
    const int sideHeight = AH - bottomHeight - topHeight;
    auto side = [&](TBitmap* Strip, int Width, int Left, int Right, TPoint Upper, TPoint Lower,
                    bool Stretch) {
        Strip->SetSize(Width, sideHeight);
        const TRect piece = src(Left, Upper.y, Right, Lower.y);
        if (Stretch)
            Copy(Strip, TRect{0, Upper.y - ClRect.top, Width, sideHeight + Lower.y - ClRect.bottom}, Source,
                 piece);
        else
            TileDown(Strip, 0, sideHeight, 0, Width, Source, piece);
        const int above = Upper.y - ClRect.top;
        if (above > 0) Copy(Strip, TRect{0, 0, Width, above}, Source, src(Left, ClRect.top, Right, Upper.y));
        const int below = ClRect.bottom - Lower.y;
        if (below > 0)
            Copy(Strip, TRect{0, sideHeight - below, Width, sideHeight}, Source,
                 src(Left, Lower.y, Right, ClRect.bottom));
    };
    if (NewClRect.left > 0 && sideHeight > 0 && LB.y - LT.y > 0)
        side(LeftStrip, NewClRect.left, 0, NewClRect.left, LT, LB, LeftStretch);
    const int rightWidth = AW - NewClRect.right;
    if (rightWidth >= 1 && sideHeight >= 1 && RB.y - RT.y >= 1)
        side(RightStrip, rightWidth, ClRect.right, sw, RT, RB, RightStretch);
}

void BuildHorizontalSkinImage(int LeftWidth, int RightWidth, TBitmap* Dest, TBitmap* Source, TRect SourceRect,
                              int AW, int, bool Stretch) {
    const int height = RectHeight(SourceRect);
    Dest->SetSize(AW, height);
    const TRect& s = SourceRect;
    if (LeftWidth != 0)
        Copy(Dest, TRect{0, 0, LeftWidth, height}, Source,
             TRect{s.left, s.top, s.left + LeftWidth, s.bottom});
    if (RightWidth != 0)
        Copy(Dest, TRect{AW - RightWidth, 0, AW, height}, Source,
             TRect{s.right - RightWidth, s.top, s.right, s.bottom});
    const int middle = std::max(1, RectWidth(s) - LeftWidth - RightWidth);
    const TRect piece{s.left + LeftWidth, s.top, s.left + LeftWidth + middle, s.bottom};
    if (Stretch)
        Copy(Dest, TRect{LeftWidth, 0, AW - RightWidth, height}, Source, piece);
    else
        TileAcross(Dest, LeftWidth, AW - RightWidth, 0, height, Source, piece);
}

void BuildVerticalSkinImage(int TopHeight, int BottomHeight, TBitmap* Dest, TBitmap* Source, TRect SourceRect,
                            int, int AH, bool Stretch) {
    const int width = RectWidth(SourceRect);
    Dest->SetSize(width, AH);
    const TRect& s = SourceRect;
    if (TopHeight != 0)
        Copy(Dest, TRect{0, 0, width, TopHeight}, Source, TRect{s.left, s.top, s.right, s.top + TopHeight});
    if (BottomHeight != 0)
        Copy(Dest, TRect{0, AH - BottomHeight, width, AH}, Source,
             TRect{s.left, s.bottom - BottomHeight, s.right, s.bottom});
    // A middle of height 0 gives one empty copy: nothing.
    const TRect piece{s.left, s.top + TopHeight, s.right, s.bottom - BottomHeight};
    if (Stretch)
        Copy(Dest, TRect{0, TopHeight, width, AH - BottomHeight}, Source, piece);
    else
        TileDown(Dest, TopHeight, AH - BottomHeight, 0, width, Source, piece);
}

void StretchSkinRect(TBitmap* Dest, TBitmap* Source, TRect SourceRect, bool DrawClient, TRect GridRect) {
    const TPoint lt{GridRect.left, GridRect.top}, rt{GridRect.right, GridRect.top};
    const TPoint lb{GridRect.left, GridRect.bottom}, rb{GridRect.right, GridRect.bottom};
    const int dw = Dest->Width() - RectWidth(SourceRect);
    const int dh = Dest->Height() - RectHeight(SourceRect);
    const TRect newClient{GridRect.left, GridRect.top, GridRect.right + dw, GridRect.bottom + dh};
    BuildSkinImage(lt, rt, lb, rb, GridRect, lt, TPoint{rt.x + dw, rt.y}, TPoint{lb.x, lb.y + dh},
                   TPoint{rb.x + dw, rb.y + dh}, newClient, Dest, Source, SourceRect, Dest->Width(),
                   Dest->Height(), DrawClient, true, true, true, true, true, stfull);
}
