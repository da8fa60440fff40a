// Pitch shifting of one channel by a phase vocoder: the signal is stretched in time by the pitch factor
// (Hann frames of about 46 ms, four to a frame on the output side; twice as long below a crossover
// between 450 Hz and 1 kHz, so that close notes of a chord keep apart) and then resampled by the same
// factor, which brings back its length and moves every frequency. The phases of each output frame are locked
// to the spectrum's peaks: a peak's phase advances at its own measured frequency, carried on from the nearest
// peak of the frame before so that gliding partials stay whole, and the bins around it keep their phase
// relation to it, so partials are not smeared. On a strong onset the phases are taken afresh from the
// input so the attack stays sharp, and a sharp attack (a click, a hit) is kept out of the frames and put
// back into the stretched signal as it was, so the resampler alone moves its pitch: it stays as short as
// it was, in its place, with nothing of it sounding before. Sounds keep their place in time: there is no
// delay to account for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace effects {

class TPhaseVocoderShift {
public:
    // factor: every frequency is multiplied by it (1/3 to 10), the duration is kept.
    TPhaseVocoderShift(int sampleRate, double factor);

    // Frames at each end of a shifted piece that depend on what lies outside it (the piece is taken as
    // silent there): a piece shifted on its own matches the whole signal's shift only further inside.
    std::int64_t Settling() const { return FSettling; }

    // The shifted samples over frames [from, from + frames) of samples, frame for frame in place. Safe to
    // call from several threads at once.
    std::vector<float> Shift(const std::vector<float>& samples, std::size_t from, std::size_t frames) const;

private:
    int FSampleRate;
    double FFactor;
    int FSize;    // frame length, a power of two
    int FHop;     // output frame step, a quarter frame
    int FLowSize; // frame length below the crossover
    std::int64_t FSettling;
};

} // namespace effects
