#include "audio/views/WaveLayout.h"

#include <algorithm>
#include <cmath>

namespace {
bool Inside(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
} // namespace

TWaveLayout::TPart TWaveLayout::PartAt(POINT p) const {
    if (Inside(Wave, p)) return Lanes;
    if (Inside(Markers, p)) return MarkerBar;
    if (Inside(Time, p)) return TimeScale;
    if (Inside(Amplitude, p)) return AmplitudeScale;
    return None;
}

TWaveLayout LayoutWave(const RECT& client, int markerHeight, int timeHeight, int amplitudeWidth,
                       const std::vector<int>& channels) {
    TWaveLayout l;
    l.Client = client;
    const int width = client.right - client.left, height = client.bottom - client.top;
    // A small view gives its room to the lanes first: scales shrink away before the lanes vanish.
    amplitudeWidth = std::clamp(amplitudeWidth, 0, std::max(0, width / 3));
    markerHeight = std::clamp(markerHeight, 0, std::max(0, height / 4));
    timeHeight = std::clamp(timeHeight, 0, std::max(0, height / 4));
    const int left = client.left + amplitudeWidth;
    const int top = client.top + markerHeight;
    const int bottom = client.bottom - timeHeight;
    l.Markers = RECT{left, client.top, client.right, top};
    l.TopCorner = RECT{client.left, client.top, left, top};
    l.Wave = RECT{left, top, client.right, std::max(top, bottom)};
    l.Amplitude = RECT{client.left, top, left, l.Wave.bottom};
    l.Time = RECT{left, l.Wave.bottom, client.right, client.bottom};
    l.BottomCorner = RECT{client.left, l.Wave.bottom, left, client.bottom};
    const int lanes = int(channels.size());
    if (lanes == 0) return l;
    // Lanes share the height evenly, one separator pixel between two lanes.
    const int room = (l.Wave.bottom - l.Wave.top) - (lanes - 1);
    int y = l.Wave.top;
    for (int i = 0; i < lanes; ++i) {
        const int h = room * (i + 1) / lanes - room * i / lanes;
        l.LaneList.push_back(TWaveLane{RECT{l.Wave.left, y, l.Wave.right, y + std::max(0, h)}, channels[i]});
        y += std::max(0, h) + 1;
    }
    return l;
}

TViewMapping::TViewMapping(std::int64_t start, std::int64_t end, int left, int width)
    : FStart(start), FSpan(std::max<std::int64_t>(1, end - start)), FLeft(left), FWidth(std::max(1, width)) {}

std::int64_t TViewMapping::PositionAt(int x) const {
    return FStart + std::llround(double(x - FLeft) * double(FSpan) / FWidth);
}

int TViewMapping::XOf(std::int64_t frame) const {
    const double x = FLeft + std::round(double(frame - FStart) * FWidth / double(FSpan));
    return int(std::clamp<double>(x, FLeft - 2.0, FLeft + FWidth + 2.0));
}
