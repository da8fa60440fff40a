// A circular delay line for one channel: write one sample per frame, read it back whole or fractional
// frames later.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

namespace effects {

class TDelayLine {
public:
    // Holds at least maxDelay frames of history.
    explicit TDelayLine(std::size_t maxDelay) {
        std::size_t size = 4;
        while (size < maxDelay + 2)
            size *= 2;
        FBuffer.assign(size, 0.0f);
        FMask = size - 1;
    }

    // The sample written delay frames ago (delay >= 1 when read before this frame's Write).
    float Read(std::size_t delay) const { return FBuffer[(FWrite - delay) & FMask]; }

    // Linear interpolation between the neighbouring frames; delay >= 1.
    float ReadFractional(double delay) const {
        const double whole = std::floor(delay);
        const float fraction = static_cast<float>(delay - whole);
        const std::size_t d = static_cast<std::size_t>(whole);
        const float a = Read(d);
        const float b = Read(d + 1);
        return a + (b - a) * fraction;
    }

    void Write(float value) {
        FBuffer[FWrite] = value;
        FWrite = (FWrite + 1) & FMask;
    }

private:
    std::vector<float> FBuffer;
    std::size_t FMask = 0;
    std::size_t FWrite = 0;
};

// Schroeder all-pass section: passes every frequency at the same level but smears it in time.
class TAllPass {
public:
    TAllPass(std::size_t delay, float gain) : FLine(delay), FDelay(delay < 1 ? 1 : delay), FGain(gain) {}
    float Process(float input) {
        const float delayed = FLine.Read(FDelay);
        const float output = delayed - FGain * input;
        FLine.Write(input + FGain * output);
        return output;
    }

private:
    TDelayLine FLine;
    std::size_t FDelay;
    float FGain;
};

} // namespace effects
