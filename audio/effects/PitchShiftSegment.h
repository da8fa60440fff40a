// Pitch shifting of one stretch of one channel on its own, so that the stretches of a long signal can be
// shifted side by side on several cores. The shifter reads a little before and after the stretch (that
// output is thrown away), so that neither the stretch's start nor its end colours what it gives out.
#pragma once

#include "audio/effects/PhaseVocoderShift.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace effects {

// The samples of one channel held so far: Samples[0] is the signal's frame First. Frames before the
// signal's start read as silence, and so do frames from Limit on (the end of the signal, or as far as a
// stretch may read ahead).
struct TLaneSpan {
    const float* Samples = nullptr;
    std::int64_t First = 0;
    std::int64_t Limit = 0;

    float At(std::int64_t frame) const { return frame < 0 || frame >= Limit ? 0.0f : Samples[frame - First]; }
};

class TPitchShiftSegment {
public:
    // factor: every frequency is multiplied by it (1/3 to 10), the duration is kept.
    TPitchShiftSegment(int sampleRate, double factor);

    // Frames of signal the shifter reads before the stretch it is asked for, and after its end.
    std::int64_t ReadsBefore() const;
    std::int64_t ReadsAfter() const;

    // The shifted signal over the frames [from, from + frames), aligned frame for frame with the input.
    // input must hold the frames from from - ReadsBefore() on, up to its Limit or the stretch's end plus
    // ReadsAfter(), whichever comes first. Safe to call from several threads at once.
    std::vector<float> Shift(const TLaneSpan& input, std::int64_t from, std::size_t frames) const;

private:
    TPhaseVocoderShift FShifter;
};

} // namespace effects
