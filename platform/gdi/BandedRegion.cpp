#include "platform/gdi/BandedRegion.h"

#include "platform/gdi/GdiTypes.h"

#include <pixman.h>

#include <algorithm>

namespace banded_region_detail {

// RAII holder of a pixman region, used for the set operations.
struct PixmanRegion {
    pixman_region32_t r;
    PixmanRegion() { pixman_region32_init(&r); }
    explicit PixmanRegion(const std::vector<RECT>& rects) {
        std::vector<pixman_box32_t> boxes;
        boxes.reserve(rects.size());
        for (const RECT& rc : rects)
            if (rc.right > rc.left && rc.bottom > rc.top)
                boxes.push_back({rc.left, rc.top, rc.right, rc.bottom});
        if (boxes.empty())
            pixman_region32_init(&r);
        else
            pixman_region32_init_rects(&r, boxes.data(), int(boxes.size()));
    }
    ~PixmanRegion() { pixman_region32_fini(&r); }
    PixmanRegion(const PixmanRegion&) = delete;
    PixmanRegion& operator=(const PixmanRegion&) = delete;

    std::vector<RECT> ToRects() const {
        int count = 0;
        const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(&r), &count);
        std::vector<RECT> out;
        out.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            out.push_back(RECT{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
        return out;
    }
};

} // namespace banded_region_detail

using banded_region_detail::PixmanRegion;

TBandedRegion::TBandedRegion(const RECT& r) {
    if (!IsRectEmptyR(r)) FRects.push_back(r);
    UpdateBox();
}

TBandedRegion TBandedRegion::FromRects(const std::vector<RECT>& rects) {
    TBandedRegion result;
    PixmanRegion region(rects);
    result.FRects = region.ToRects();
    result.UpdateBox();
    return result;
}

TBandedRegion TBandedRegion::FromRowSpans(int top, const std::vector<std::pair<int, int>>& spans) {
    std::vector<RECT> rects;
    rects.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i)
        if (spans[i].second > spans[i].first)
            rects.push_back(
                RECT{spans[i].first, LONG(top + int(i)), spans[i].second, LONG(top + int(i) + 1)});
    return FromRects(rects);
}

TBandedRegion TBandedRegion::Combine(const TBandedRegion& a, const TBandedRegion& b, int mode) {
    if (mode == RGN_COPY) return a;
    PixmanRegion ra(a.FRects), rb(b.FRects), out;
    switch (mode) {
    case RGN_AND:
        pixman_region32_intersect(&out.r, &ra.r, &rb.r);
        break;
    case RGN_OR:
        pixman_region32_union(&out.r, &ra.r, &rb.r);
        break;
    case RGN_DIFF:
        pixman_region32_subtract(&out.r, &ra.r, &rb.r);
        break;
    case RGN_XOR: {
        PixmanRegion aMinusB, bMinusA;
        pixman_region32_subtract(&aMinusB.r, &ra.r, &rb.r);
        pixman_region32_subtract(&bMinusA.r, &rb.r, &ra.r);
        pixman_region32_union(&out.r, &aMinusB.r, &bMinusA.r);
        break;
    }
    default:
        return a;
    }
    TBandedRegion result;
    result.FRects = out.ToRects();
    result.UpdateBox();
    return result;
}

int TBandedRegion::Kind() const {
    if (FRects.empty()) return NULLREGION;
    return FRects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void TBandedRegion::Offset(int dx, int dy) {
    for (RECT& r : FRects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
    UpdateBox();
}

bool TBandedRegion::Contains(int x, int y) const {
    if (x < FBox.left || x >= FBox.right || y < FBox.top || y >= FBox.bottom) return false;
    // Bands are sorted by top: skip to the first rectangle whose band can hold y.
    auto it = std::lower_bound(FRects.begin(), FRects.end(), y,
                               [](const RECT& r, int value) { return r.bottom <= value; });
    for (; it != FRects.end() && it->top <= y; ++it)
        if (x >= it->left && x < it->right && y < it->bottom) return true;
    return false;
}

bool TBandedRegion::Overlaps(const RECT& r) const {
    if (IsRectEmptyR(IntersectRectR(FBox, r))) return false;
    for (const RECT& rc : FRects)
        if (!IsRectEmptyR(IntersectRectR(rc, r))) return true;
    return false;
}

TBandedRegion TBandedRegion::Intersected(const RECT& r) const {
    TBandedRegion result;
    for (const RECT& rc : FRects) {
        RECT i = IntersectRectR(rc, r);
        if (!IsRectEmptyR(i)) result.FRects.push_back(i);
    }
    // Clipping a banded list by a rectangle can leave neighbouring bands identical: normalise.
    if (result.FRects.size() > 1) return FromRects(result.FRects);
    result.UpdateBox();
    return result;
}

void TBandedRegion::UpdateBox() {
    if (FRects.empty()) {
        FBox = RECT{};
        return;
    }
    FBox = FRects.front();
    for (const RECT& r : FRects) {
        FBox.left = std::min(FBox.left, r.left);
        FBox.top = std::min(FBox.top, r.top);
        FBox.right = std::max(FBox.right, r.right);
        FBox.bottom = std::max(FBox.bottom, r.bottom);
    }
}
