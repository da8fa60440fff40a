// Where the parts of the sound editor's view lie, and how its pixel columns map onto sample frames.
//
//   +--------+-------------------------------------------+
//   | corner | marker bar                                |
//   +--------+-------------------------------------------+
//   | amp.   | lane of the first channel shown           |
//   | scale  |-------------------------------------------|  (one pixel between lanes)
//   |        | lane of the next channel                  |
//   +--------+-------------------------------------------+
//   | corner | time scale                                |
//   +--------+-------------------------------------------+
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>
#include <vector>

struct TWaveLane {
    RECT Rect{};
    int Channel = 0; // 0 left (or mono), 1 right
};

struct TWaveLayout {
    enum TPart { None, MarkerBar, Lanes, TimeScale, AmplitudeScale };

    RECT Client{}, Markers{}, Wave{}, Time{}, Amplitude{}, TopCorner{}, BottomCorner{};
    std::vector<TWaveLane> LaneList;

    TPart PartAt(POINT p) const;
    int WaveWidth() const { return Wave.right - Wave.left; }
};

// `timeHeight` and `amplitudeWidth` are 0 for a hidden scale; `channels` lists the channels shown.
TWaveLayout LayoutWave(const RECT& client, int markerHeight, int timeHeight, int amplitudeWidth,
                       const std::vector<int>& channels);

// The view range [Start, Start + Span) spread over the pixel columns [Left, Left + Width).
class TViewMapping {
public:
    TViewMapping(std::int64_t start, std::int64_t end, int left, int width);

    std::int64_t Start() const { return FStart; }
    std::int64_t Span() const { return FSpan; }
    int Left() const { return FLeft; }
    int Width() const { return FWidth; }
    // Frames a pixel column covers (below 1 when zoomed in past one frame a pixel).
    double FramesPerPixel() const { return double(FSpan) / FWidth; }
    // The frame boundary nearest to the pixel x (not clamped to the document).
    std::int64_t PositionAt(int x) const;
    // The pixel a frame boundary falls on; far-away frames give a pixel just outside the columns.
    int XOf(std::int64_t frame) const;
    // The first frame of column i (0..Width); column i covers [ColumnStart(i), ColumnStart(i + 1)).
    std::int64_t ColumnStart(int i) const { return FStart + std::int64_t(i) * FSpan / FWidth; }

private:
    std::int64_t FStart, FSpan;
    int FLeft, FWidth;
};
