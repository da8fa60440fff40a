// A region as a y-banded list of rectangles: bands sorted top to bottom, rectangles within a band sorted
// left to right, no overlaps, touching rectangles of a band merged, identical neighbouring bands merged.
// This is the form region handles, clip regions and window visible regions are kept in.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <vector>

class TBandedRegion {
public:
    TBandedRegion() = default;
    explicit TBandedRegion(const RECT& r);

    // The union of any rectangles, in any order (empty ones are ignored).
    static TBandedRegion FromRects(const std::vector<RECT>& rects);
    // One span [x1, x2) per row, rows starting at top; empty spans (x2 <= x1) are skipped.
    static TBandedRegion FromRowSpans(int top, const std::vector<std::pair<int, int>>& spans);

    // mode is RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF or RGN_COPY (a).
    static TBandedRegion Combine(const TBandedRegion& a, const TBandedRegion& b, int mode);

    bool Empty() const { return FRects.empty(); }
    const std::vector<RECT>& Rects() const { return FRects; }
    RECT Box() const { return FBox; }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int Kind() const;

    void Offset(int dx, int dy);
    bool Contains(int x, int y) const;
    bool Overlaps(const RECT& r) const;
    TBandedRegion Intersected(const RECT& r) const;

    friend bool operator==(const TBandedRegion& a, const TBandedRegion& b) { return a.FRects == b.FRects; }

private:
    void UpdateBox();
    std::vector<RECT> FRects;
    RECT FBox{};
};

// Rectangle helpers shared by the drawing code.
inline bool IsRectEmptyR(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
inline RECT IntersectRectR(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (IsRectEmptyR(r)) return RECT{};
    return r;
}
