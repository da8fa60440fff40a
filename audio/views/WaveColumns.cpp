#include "audio/views/WaveColumns.h"

#include "audio/SampleSequence.h"

#include <algorithm>
#include <cmath>

namespace {

std::int64_t RoundDown(std::int64_t v, std::int64_t step) {
    return v / step * step;
}

// The step column edges move to: the largest of which a column holds four, or 0 for exact edges.
std::int64_t SnapStep(double framesPerPixel) {
    std::int64_t snap = 0;
    for (std::int64_t step : TSummaryLevels::Steps)
        if (framesPerPixel >= 4.0 * double(step)) snap = step;
    return snap;
}

} // namespace

void TWaveColumns::Update(const TSampleSequence& samples, std::uint64_t serial, const TViewMapping& view,
                          const std::vector<int>& channels) {
    if (FValid && serial == FSerial && view.Start() == FStart && view.Span() == FSpan &&
        view.Width() == FWidth && channels == FChannels)
        return;
    FValid = true;
    FSerial = serial;
    FStart = view.Start();
    FSpan = view.Span();
    FWidth = view.Width();
    FChannels = channels;
    FFrameMode = view.Span() < view.Width();
    const std::size_t lanes = channels.size();
    FColumns.assign(lanes, {});
    FFrames.assign(lanes, {});
    if (FFrameMode) {
        // One frame either side, so the lines run on to the edges.
        FFirstFrame = std::max<std::int64_t>(0, view.Start() - 1);
        const std::int64_t last = std::min(samples.Frames(), view.Start() + view.Span() + 2);
        const std::int64_t count = std::max<std::int64_t>(0, last - FFirstFrame);
        for (std::size_t lane = 0; lane < lanes; ++lane) {
            FFrames[lane].resize(std::size_t(count));
            samples.ReadChannel(channels[lane], FFirstFrame, count, FFrames[lane].data());
        }
        return;
    }
    for (std::size_t lane = 0; lane < lanes; ++lane)
        Summarize(samples, channels[lane], view, FColumns[lane]);
    FLevels.Trim();
}

void TWaveColumns::Summarize(const TSampleSequence& samples, int channel, const TViewMapping& view,
                             std::vector<TWaveColumn>& out) {
    const int width = view.Width();
    out.assign(std::size_t(width), TWaveColumn{});
    const std::vector<TBlockSlice>& slices = samples.Slices();
    const std::int64_t total = samples.Frames();
    const std::int64_t snap = SnapStep(view.FramesPerPixel());
    // Columns run left to right, so the slice walk never goes back.
    std::size_t slice = 0;
    std::int64_t sliceStart = 0;
    for (int i = 0; i < width; ++i) {
        const std::int64_t a = std::clamp<std::int64_t>(view.ColumnStart(i), 0, total);
        const std::int64_t b = std::clamp<std::int64_t>(view.ColumnStart(i + 1), 0, total);
        if (a >= b) continue;
        while (slice < slices.size() && sliceStart + slices[slice].Frames <= a) {
            sliceStart += slices[slice].Frames;
            ++slice;
        }
        TRangeSummary sum;
        std::size_t s = slice;
        std::int64_t sStart = sliceStart, pos = a;
        while (pos < b && s < slices.size()) {
            const TBlockSlice& piece = slices[s];
            const std::int64_t sliceEnd = sStart + piece.Frames;
            const std::int64_t n = std::min(b, sliceEnd) - pos;
            std::int64_t from = piece.Offset + (pos - sStart), to = from + n;
            if (snap > 0) {
                from = std::max(piece.Offset, RoundDown(from, snap));
                to = std::min(piece.Offset + piece.Frames, RoundDown(to + snap - 1, snap));
            }
            // Whole steps come from the levels; a slice's edge inside a step from the block itself.
            if (snap > 0 && from % snap == 0 && (to % snap == 0 || to == piece.Block->Frames()))
                sum.Merge(FLevels.Summarize(piece.Block, channel, from, to, snap));
            else
                sum.Merge(piece.Block->Summarize(channel, from, to - from));
            pos += n;
            if (pos >= sliceEnd) {
                sStart = sliceEnd;
                ++s;
            }
        }
        if (sum.Count <= 0) continue;
        out[std::size_t(i)] = TWaveColumn{sum.Min, sum.Max, float(sum.Rms())};
    }
}
