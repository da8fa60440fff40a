#include "source/mainform/ViewZoom.h"

#include <algorithm>
#include <cmath>

namespace view_zoom_detail {

constexpr int VerticalZoomStep = 20;
constexpr int VerticalZoomMin = 20;
constexpr int VerticalZoomMax = 1000;

} // namespace view_zoom_detail

TViewRange ZoomInAround(std::int64_t Start, std::int64_t End, std::int64_t Cursor) {
    return {Start + (Cursor - Start) / 2, End - (End - Cursor) / 2};
}

int NextVerticalZoom(int Percent, bool ZoomIn) {
    using namespace view_zoom_detail;
    return std::clamp(Percent + (ZoomIn ? -VerticalZoomStep : VerticalZoomStep), VerticalZoomMin,
                      VerticalZoomMax);
}

TViewRange ViewAfterLengthChange(TViewRange View, std::int64_t OldLength, std::int64_t NewLength) {
    const TViewRange whole{0, NewLength};
    if (View.End <= View.Start) return whole;
    if (View.Start == 0 && (View.End == OldLength || View.End == NewLength)) return whole;
    return {std::clamp<std::int64_t>(View.Start, 0, NewLength),
            std::clamp<std::int64_t>(View.End, 0, NewLength)};
}

TViewBar ViewBarFor(TViewRange View, std::int64_t Length) {
    if (Length <= 0 || View.End <= View.Start) return {};
    const double scale = double(ViewBarRange) / double(Length);
    const int page = std::clamp(int(std::llround(double(View.End - View.Start) * scale)), 1, ViewBarRange);
    const int position = std::clamp(int(std::llround(double(View.Start) * scale)), 0, ViewBarRange - page);
    return {position, page};
}

TViewRange ViewAtBar(int Position, TViewRange View, std::int64_t Length) {
    const std::int64_t span =
        std::clamp<std::int64_t>(View.End - View.Start, 0, std::max<std::int64_t>(0, Length));
    const std::int64_t start =
        std::clamp<std::int64_t>(std::llround(double(Position) * double(Length) / ViewBarRange), 0,
                                 std::max<std::int64_t>(0, Length - span));
    return {start, start + span};
}
