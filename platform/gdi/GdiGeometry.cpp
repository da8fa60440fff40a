#include "platform/gdi/GdiGeometry.h"

#include "platform/gdi/GdiTypes.h"

#include <algorithm>
#include <cmath>

namespace gdi_geometry {

TSpans EllipseSpans(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    TSpans spans;
    if (right - left <= 0 || bottom - top <= 0) return spans;
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    spans.reserve(std::size_t(bottom - top));
    for (int y = top; y < bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        const double inside = 1.0 - dy * dy;
        if (inside < 0) {
            spans.push_back({0, 0});
            continue;
        }
        const double half = rx * std::sqrt(inside) + 1e-9;
        const int x1 = int(std::ceil(cx - half - 0.5));
        const int x2 = int(std::floor(cx + half - 0.5)) + 1;
        spans.push_back({std::max(x1, left), std::min(x2, right)});
    }
    return spans;
}

TSpans RoundRectSpans(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const int w = right - left, h = bottom - top;
    TSpans spans;
    if (w <= 0 || h <= 0) return spans;
    const int ew = std::clamp(std::abs(cornerWidth), 0, w), eh = std::clamp(std::abs(cornerHeight), 0, h);
    if (ew < 2 || eh < 2) return TSpans(std::size_t(h), {left, right});
    const TSpans corner = EllipseSpans(0, 0, ew, eh);
    const int upper = eh / 2, lower = eh - upper; // rows taken from the corner ellipse's halves
    for (int y = 0; y < h; ++y) {
        int row = -1;
        if (y < upper)
            row = y;
        else if (y >= h - lower)
            row = eh - (h - y);
        if (row < 0) {
            spans.push_back({left, right});
            continue;
        }
        const auto [cx1, cx2] = corner[std::size_t(row)];
        if (cx2 <= cx1) {
            spans.push_back({0, 0});
            continue;
        }
        // Left corner from the ellipse's left half, right corner from its right half.
        spans.push_back({left + cx1, right - (ew - cx2)});
    }
    return spans;
}

TBandedRegion PolygonRegion(const POINT* points, const int* counts, int polygons, int fillMode) {
    struct Edge {
        double x0, y0, x1, y1;
        int dir;
    };
    std::vector<Edge> edges;
    int minY = 0, maxY = 0;
    bool first = true;
    const POINT* p = points;
    for (int poly = 0; poly < polygons; ++poly) {
        const int n = counts[poly];
        for (int i = 0; i < n; ++i) {
            const POINT a = p[i], b = p[(i + 1) % n];
            if (first) {
                minY = maxY = a.y;
                first = false;
            }
            minY = std::min<int>(minY, std::min(a.y, b.y));
            maxY = std::max<int>(maxY, std::max(a.y, b.y));
            if (a.y == b.y) continue;
            if (a.y < b.y)
                edges.push_back({double(a.x), double(a.y), double(b.x), double(b.y), 1});
            else
                edges.push_back({double(b.x), double(b.y), double(a.x), double(a.y), -1});
        }
        p += n;
    }
    std::vector<RECT> rects;
    std::vector<std::pair<double, int>> crossings;
    for (int y = minY; y < maxY; ++y) {
        const double yc = y + 0.5;
        crossings.clear();
        for (const Edge& e : edges)
            if (yc >= e.y0 && yc < e.y1)
                crossings.push_back({e.x0 + (yc - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].second;
            const bool inside = fillMode == WINDING ? winding != 0 : (i % 2) == 0;
            if (!inside) continue;
            const int x1 = int(std::ceil(crossings[i].first - 0.5));
            const int x2 = int(std::ceil(crossings[i + 1].first - 0.5));
            if (x2 > x1) rects.push_back(RECT{x1, y, x2, y + 1});
        }
    }
    return TBandedRegion::FromRects(rects);
}

TBandedRegion SpanOutline(int top, const TSpans& spans) {
    std::vector<RECT> rects;
    const int n = int(spans.size());
    auto inside = [&](int row, int x) {
        if (row < 0 || row >= n) return false;
        return x >= spans[std::size_t(row)].first && x < spans[std::size_t(row)].second;
    };
    for (int row = 0; row < n; ++row) {
        const auto [x1, x2] = spans[std::size_t(row)];
        for (int x = x1; x < x2; ++x) {
            const bool edge = x == x1 || x == x2 - 1 || !inside(row - 1, x) || !inside(row + 1, x);
            if (edge) rects.push_back(RECT{x, top + row, x + 1, top + row + 1});
        }
    }
    return TBandedRegion::FromRects(rects);
}

} // namespace gdi_geometry
