// What the waveform view draws in each pixel column: min, max and RMS of the frames the column covers,
// from the blocks' summaries, or, zoomed in past one frame a pixel, the frames themselves. Kept until
// the samples or the view change. From four fine steps a column on, column edges move to the largest
// summary step of which the column holds at least four: a column then reads no sample and merges 4 to
// 16 summaries whatever the zoom and the length, and its peaks shift by less than a quarter of a column.
#pragma once

#include "audio/views/SummaryLevels.h"
#include "audio/views/WaveLayout.h"

#include <cstdint>
#include <vector>

class TSampleSequence;

struct TWaveColumn {
    float Min = 1, Max = -1; // Min > Max: the column covers no frame
    float Rms = 0;
    bool Empty() const { return Min > Max; }
};

class TWaveColumns {
public:
    // Brings the columns up to date for the view; does nothing when the serial of the samples, the
    // view and the channels are those of the last call.
    void Update(const TSampleSequence& samples, std::uint64_t serial, const TViewMapping& view,
                const std::vector<int>& channels);
    // Forgets what was computed (the next Update computes again).
    void Clear() { FValid = false; }

    // Zoomed in past one frame a pixel: the frames from FirstFrame() on, one list per channel shown.
    bool FrameMode() const { return FFrameMode; }
    std::int64_t FirstFrame() const { return FFirstFrame; }
    const std::vector<float>& Frames(int lane) const { return FFrames[lane]; }
    const std::vector<TWaveColumn>& Columns(int lane) const { return FColumns[lane]; }

private:
    void Summarize(const TSampleSequence& samples, int channel, const TViewMapping& view,
                   std::vector<TWaveColumn>& out);

    bool FValid = false;
    std::uint64_t FSerial = 0;
    std::int64_t FStart = 0, FSpan = 0;
    int FWidth = 0;
    std::vector<int> FChannels;
    bool FFrameMode = false;
    std::int64_t FFirstFrame = 0;
    std::vector<std::vector<TWaveColumn>> FColumns;
    std::vector<std::vector<float>> FFrames;
    TSummaryLevels FLevels;
};
