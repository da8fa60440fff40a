// Pixel coverage of the filled shapes (internal): ellipses, rounded rectangles and polygons as row spans
// or banded regions, shared by the region constructors and the shape drawing so both cover the same
// pixels. Coordinates are those of the caller; bounds are exclusive at the right and bottom.
#pragma once

#include "platform/gdi/BandedRegion.h"

#include <utility>
#include <vector>

namespace gdi_geometry {

using TSpans = std::vector<std::pair<int, int>>; // [x1, x2) per row

// Pixels whose centres lie in the ellipse inscribed in [left, right) x [top, bottom); one span per row
// starting at `top`.
TSpans EllipseSpans(int left, int top, int right, int bottom);
// A rectangle whose corners are quarters of a cornerWidth x cornerHeight ellipse.
TSpans RoundRectSpans(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
// Polygons (one or more closed outlines), pixel centres inside by the fill mode (ALTERNATE, WINDING).
TBandedRegion PolygonRegion(const POINT* points, const int* counts, int polygons, int fillMode);
// The pixels of a span list whose 4-neighbourhood leaves the shape: its one-pixel outline.
TBandedRegion SpanOutline(int top, const TSpans& spans);

} // namespace gdi_geometry
