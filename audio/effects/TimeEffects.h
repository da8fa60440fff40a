// Effects that change time or pitch: the speed change (resampling: faster is shorter and higher) and
// the pitch change that keeps the duration.
#pragma once

#include "audio/effects/AudioEffect.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace effects {

class TPitchShiftSegment;
class TResampler;

// Plays the signal at percent / 100 times its speed (above 0, up to 300 %): the length becomes
// length * 100 / percent and every frequency moves by the same factor.
class TSpeedChangeEffect : public TLaneEffect {
public:
    TSpeedChangeEffect(int sampleRate, int channels, double percent);
    ~TSpeedChangeEffect() override;

protected:
    void ProcessLane(int channel, const float* input, std::size_t count, bool last,
                     std::vector<float>& output) override;

private:
    double FFactor;
    std::vector<std::unique_ptr<TResampler>> FResamplers;
};

// Moves every frequency by the factor 100 / percent (percent 10 to 300) while keeping the duration:
// 50 sounds an octave higher, 200 an octave lower. The output has exactly as many frames as the input.
// The signal is cut into stretches of a fixed length, counted from its start, that are shifted side by
// side on the machine's cores and joined with short aligned cross-fades; as the stretches do not depend
// on how the signal arrives, block-by-block processing gives the same output as processing in one piece.
// Output is held back until the stretches it belongs to are finished (a batch of them is shifted in the
// background while the next blocks arrive).
class TPitchChangeEffect : public TAudioEffect {
public:
    TPitchChangeEffect(int sampleRate, int channels, double percent);
    ~TPitchChangeEffect() override;

    void Process(std::vector<float>& block, bool last) override;

private:
    using TLanes = std::vector<std::vector<float>>;

    struct TBatch;

    bool Ready(std::int64_t segment, bool ended) const;
    std::int64_t ReadLimit(std::int64_t segment, bool ended) const;
    std::unique_ptr<TBatch> Launch(std::int64_t first, std::int64_t count, bool ended);
    void RunSegments(TBatch& batch) const;
    void Finish(TBatch& batch, std::vector<float>& output);
    void Join(std::int64_t segment, bool ended, std::int64_t received, const TLanes& shifted,
              std::vector<float>& output);
    void DropUnneededInput();

    std::unique_ptr<TPitchShiftSegment> FShifter;
    std::int64_t FSegmentFrames; // frames each stretch gives out
    std::int64_t FOverlap;       // cross-fade length at each join
    std::int64_t FReach;         // how far a stretch may be slid to fit the one before
    TLanes FInput;               // per channel, from frame FInputFirst up to FReceived
    std::int64_t FInputFirst = 0;
    std::int64_t FReceived = 0;
    std::int64_t FNextSegment = 0;
    TLanes FTail;                     // the last stretch's output over the next join, as placed
    std::unique_ptr<TBatch> FRunning; // stretches being shifted in the background (ends first)
};
} // namespace effects
