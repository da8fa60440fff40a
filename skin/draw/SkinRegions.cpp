#include "skin/draw/SkinRegions.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "skin/draw/FBitmap.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinTiling.h"

#include <algorithm>
#include <cstring>

namespace {
using namespace skin_tiling;

// A strip of a mask: white (outside) wherever the mask does not reach.
void StartStrip(TBitmap* Strip, int Width, int Height) {
    Strip->SetSize(Width, Height);
    Strip->Canvas()->Brush()->SetColor(clWhite);
    Strip->Canvas()->FillRect(TRect{0, 0, Width, Height});
}

HRGN RegionOfStrip(TBitmap* Strip, int X, int Y) {
    if (Strip->Empty()) return nullptr;
    std::vector<std::uint8_t> data;
    const int size = RegionDataFromMask(Strip, X, Y, data);
    return size > 0 ? ExtCreateRegion(nullptr, DWORD(size), reinterpret_cast<const RGNDATA*>(data.data()))
                    : nullptr;
}

// Adds Part to Whole (either may be null); Part is used up.
void Join(HRGN& Whole, HRGN Part) {
    if (!Part) return;
    if (!Whole) {
        Whole = Part;
        return;
    }
    CombineRgn(Whole, Whole, Part, RGN_OR);
    DeleteObject(Part);
}

} // namespace

int RegionDataFromMask(TBitmap* Mask, int X, int Y, std::vector<std::uint8_t>& Data) {
    Data.clear();
    if (!Mask || Mask->Empty()) return 0;
    const TFBitmap pixels(Mask->Handle());
    // The list grows as runs are found: a busy mask can have any number of them.
    std::vector<RECT> runs;
    for (int y = 0; y < pixels.Height(); ++y) {
        const std::uint8_t* row = pixels.ScanLine(y);
        int x = 0;
        while (x < pixels.Width()) {
            while (x < pixels.Width() && (row[3 * x] | row[3 * x + 1] | row[3 * x + 2]) != 0)
                ++x;
            const int start = x;
            while (x < pixels.Width() && (row[3 * x] | row[3 * x + 1] | row[3 * x + 2]) == 0)
                ++x;
            if (x > start) runs.push_back(RECT{X + start, Y + y, X + x, Y + y + 1});
        }
    }
    RGNDATAHEADER header;
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(runs.size());
    header.nRgnSize = 0;
    header.rcBound = RECT{X, Y, X + Mask->Width(), Y + Mask->Height()};
    Data.resize(sizeof header + runs.size() * sizeof(RECT));
    std::memcpy(Data.data(), &header, sizeof header);
    if (!runs.empty()) std::memcpy(Data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    return int(Data.size());
}

void CreateRegionFromMask(HRGN& Rgn, TBitmap* Mask) {
    std::vector<std::uint8_t> data;
    const int size = RegionDataFromMask(Mask, 0, 0, data);
    Rgn = ExtCreateRegion(nullptr, DWORD(size),
                          size > 0 ? reinterpret_cast<const RGNDATA*>(data.data()) : nullptr);
}

void BuildMaskStrips(TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT, TPoint NewRT,
                     TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask, TBitmap* TopStrip,
                     TBitmap* LeftStrip, TBitmap* RightStrip, TBitmap* BottomStrip, int AW, int AH) {
    const int mw = Mask->Width(), mh = Mask->Height();
    const int clientHeight = RectHeight(NewClRect);

    // The side strips: the margin columns' repeatable rows tiled, then the rows above and below them.
    auto side = [&](TBitmap* Strip, int Left, int Right, TPoint Upper, TPoint Lower) {
        const int width = Right - Left;
        if (width <= 0 || clientHeight <= 0) return;
        StartStrip(Strip, width, clientHeight);
        if (Lower.y - Upper.y > 0)
            TileDown(Strip, 0, clientHeight, 0, width, Mask, TRect{Left, Upper.y, Right, Lower.y});
        const int above = Upper.y - ClRect.top;
        if (above > 0) Copy(Strip, TRect{0, 0, width, above}, Mask, TRect{Left, ClRect.top, Right, Upper.y});
        const int below = ClRect.bottom - Lower.y;
        if (below > 0)
            Copy(Strip, TRect{0, clientHeight - below, width, clientHeight}, Mask,
                 TRect{Left, Lower.y, Right, ClRect.bottom});
    };
    side(LeftStrip, 0, ClRect.left, LT, LB);
    side(RightStrip, ClRect.right, mw, RT, RB);

    // The top and bottom strips: the repeatable columns tiled between the new points, then the corners.
    auto across = [&](TBitmap* Strip, int Top, int Bottom, TPoint Left, TPoint Right, TPoint NewLeft,
                      TPoint NewRight) {
        const int height = Bottom - Top;
        if (AW <= 0 || height <= 0) return;
        StartStrip(Strip, AW, height);
        TileAcross(Strip, NewLeft.x, NewRight.x, 0, height, Mask, TRect{Left.x, Top, Right.x, Bottom});
        Copy(Strip, TRect{0, 0, Left.x, height}, Mask, TRect{0, Top, Left.x, Bottom});
        Copy(Strip, TRect{NewRight.x, 0, AW, height}, Mask, TRect{Right.x, Top, mw, Bottom});
    };
    across(TopStrip, 0, ClRect.top, LT, RT, NewLT, NewRT);
    across(BottomStrip, ClRect.bottom, mh, LB, RB, NewLB, NewRB);
}

void CreateSkinRegion(HRGN& Rgn, TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                      TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask, int AW,
                      int AH) {
    Rgn = nullptr;
    if (NewRT.x < NewLT.x || NewLB.y < NewLT.y) return;
    TBitmap top, left, right, bottom;
    BuildMaskStrips(LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, Mask, &top, &left, &right,
                    &bottom, AW, AH);
    HRGN topRegion = RegionOfStrip(&top, 0, 0);
    HRGN bottomRegion = RegionOfStrip(&bottom, 0, NewClRect.bottom);
    HRGN leftRegion = RegionOfStrip(&left, 0, NewClRect.top);
    HRGN rightRegion = RegionOfStrip(&right, NewClRect.right, NewClRect.top);
    HRGN centre = RectIsEmpty(NewClRect) ? nullptr : CreateRectRgnIndirect(&NewClRect);
    Join(topRegion, bottomRegion);
    Join(leftRegion, rightRegion);
    Join(leftRegion, topRegion);
    Join(centre, leftRegion);
    Rgn = centre;
}
