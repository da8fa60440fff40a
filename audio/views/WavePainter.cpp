#include "audio/views/WavePainter.h"

#include "audio/views/AudioEditor2Colors.h"

#include <algorithm>
#include <cmath>

using TColors = TAudioEditor2Colors;

int LaneRow(const RECT& lane, double value, double amplitude) {
    const double half = (lane.bottom - lane.top - 1) / 2.0;
    const double y = lane.top + half - value / amplitude * half;
    return int(std::lround(std::clamp<double>(y, lane.top, lane.bottom - 1)));
}

void PaintWaveLane(TPixelPainter& surfacePainter, const TWaveLane& lane, int laneIndex,
                   const TWaveColumns& columns, const TViewMapping& view, const TWaveLook& look) {
    const TColors& colors = *look.Colors;
    const RECT& r = lane.Rect;
    if (r.bottom <= r.top) return;
    TPixelPainter painter = surfacePainter.Within(r);
    const int selLeft = std::max<int>(look.SelectionLeft, r.left);
    const int selRight = std::min<int>(look.SelectionRight, r.right);
    const bool anySelection = selLeft < selRight;
    auto selected = [&](int x) { return anySelection && x >= selLeft && x < selRight; };

    painter.FillRect(r, colors.Pixel(TColors::Background));
    if (anySelection)
        painter.FillRect(RECT{selLeft, r.top, selRight, r.bottom},
                         colors.Pixel(TColors::SelectionBackground));
    const std::uint32_t grid = colors.Pixel(TColors::Separator);
    for (int row : look.GridRows)
        painter.DottedHorizontal(r.left, r.right - 1, r.top + row, grid, 4);
    for (int x : look.GridColumns)
        painter.DottedVertical(x, r.top, r.bottom - 1, grid, 4);
    painter.HorizontalLine(r.left, r.right - 1, LaneRow(r, 0, look.Amplitude),
                           colors.Pixel(TColors::ZeroLine));

    const std::uint32_t wave = colors.Pixel(TColors::Wave),
                        selectedWave = colors.Pixel(TColors::SelectedWave);
    // The RMS core is the wave's colour drawn a little towards the other wave colour, so it reads as
    // the body of the wave in both workplaces.
    const std::uint32_t rms = MixPixel(wave, selectedWave, 96),
                        selectedRms = MixPixel(selectedWave, wave, 96);

    if (!columns.FrameMode()) {
        // Each column's wave and RMS core as row ranges, then drawn row by row: memory is walked in
        // order, and the cost is the lane's size whatever the sound looks like.
        const std::vector<TWaveColumn>& cols = columns.Columns(laneIndex);
        const int width = std::min<int>(int(cols.size()), int(r.right - view.Left()));
        std::vector<int> top(std::size_t(std::max(0, width))), bottom(top.size()), rmsTop(top.size()),
            rmsBottom(top.size());
        std::vector<std::uint32_t> waveColour(top.size()), rmsColour(top.size());
        for (int i = 0; i < width; ++i) {
            const TWaveColumn& c = cols[std::size_t(i)];
            const std::size_t k = std::size_t(i);
            if (c.Empty()) {
                top[k] = r.bottom; // below every row: nothing drawn
                bottom[k] = r.top - 1;
                rmsTop[k] = r.bottom;
                rmsBottom[k] = r.top - 1;
                continue;
            }
            top[k] = LaneRow(r, c.Max, look.Amplitude);
            bottom[k] = LaneRow(r, c.Min, look.Amplitude);
            rmsTop[k] = std::max(top[k], LaneRow(r, c.Rms, look.Amplitude));
            rmsBottom[k] = std::min(bottom[k], LaneRow(r, -c.Rms, look.Amplitude));
            const bool sel = selected(view.Left() + i);
            waveColour[k] = sel ? selectedWave : wave;
            rmsColour[k] = sel ? selectedRms : rms;
        }
        const int* __restrict waveTop = top.data();
        const int* __restrict waveBottom = bottom.data();
        const int* __restrict coreTop = rmsTop.data();
        const int* __restrict coreBottom = rmsBottom.data();
        const std::uint32_t* __restrict waveInk = waveColour.data();
        const std::uint32_t* __restrict coreInk = rmsColour.data();
        for (int y = r.top; y < r.bottom; ++y) {
            std::uint32_t* __restrict row = painter.Row(y) + view.Left();
            // Without branches, so that the compiler can draw several columns at once.
            for (int i = 0; i < width; ++i) {
                const bool inWave = (y >= waveTop[i]) & (y <= waveBottom[i]);
                const bool inCore = (y >= coreTop[i]) & (y <= coreBottom[i]);
                row[i] = inCore ? coreInk[i] : inWave ? waveInk[i] : row[i];
            }
        }
        return;
    }

    // Lines through the frames: each pixel column between two frames spans the rows the line crosses.
    const std::vector<float>& frames = columns.Frames(laneIndex);
    const std::int64_t first = columns.FirstFrame();
    const double pixelsPerFrame = 1.0 / view.FramesPerPixel();
    auto xOf = [&](std::int64_t frame) {
        return view.Left() + (double(frame - view.Start()) * pixelsPerFrame);
    };
    auto rowOf = [&](double v) {
        return (r.top + (r.bottom - r.top - 1) / 2.0) - v / look.Amplitude * ((r.bottom - r.top - 1) / 2.0);
    };
    for (std::size_t k = 0; k + 1 < frames.size(); ++k) {
        const double x0 = xOf(first + std::int64_t(k)), x1 = xOf(first + std::int64_t(k) + 1);
        const double y0 = rowOf(frames[k]), y1 = rowOf(frames[k + 1]);
        const int from = std::max<int>(r.left, int(std::floor(x0))),
                  to = std::min<int>(r.right - 1, int(std::floor(x1)));
        for (int x = from; x <= to; ++x) {
            const double a = std::clamp((x - x0) / (x1 - x0), 0.0, 1.0);
            const double b = std::clamp((x + 1 - x0) / (x1 - x0), 0.0, 1.0);
            const double ya = y0 + (y1 - y0) * a, yb = y0 + (y1 - y0) * b;
            const int top = int(std::lround(std::clamp<double>(std::min(ya, yb), r.top, r.bottom - 1)));
            const int bottom = int(std::lround(std::clamp<double>(std::max(ya, yb), r.top, r.bottom - 1)));
            painter.VerticalSpan(x, top, bottom, selected(x) ? selectedWave : wave);
        }
    }
    if (pixelsPerFrame < 6) return;
    // Far apart, each frame shows as a point.
    const int radius = pixelsPerFrame >= 12 ? 2 : 1;
    const std::uint32_t point = colors.Pixel(TColors::SamplePoints);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const int x = int(std::lround(xOf(first + std::int64_t(k))));
        const int y = int(std::lround(std::clamp<double>(rowOf(frames[k]), r.top, r.bottom - 1)));
        painter.FillRect(RECT{x - radius, y - radius, x + radius + 1, y + radius + 1},
                         selected(x) ? selectedWave : point);
    }
}
