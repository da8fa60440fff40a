// Effects that change time or pitch: the speed change (resampling: faster is shorter and higher) and
// the pitch change that keeps the duration.
#pragma once

#include "audio/effects/AudioEffect.h"

#include <memory>
#include <vector>

namespace effects {

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
    struct TResampler;
    double FFactor;
    std::vector<std::unique_ptr<TResampler>> FResamplers;
};

// Moves every frequency by the factor 100 / percent (percent 10 to 300) while keeping the duration:
// 50 sounds an octave higher, 200 an octave lower. The output has exactly as many frames as the input.
class TPitchChangeEffect : public TLaneEffect {
public:
    TPitchChangeEffect(int sampleRate, int channels, double percent);
    ~TPitchChangeEffect() override;

protected:
    void ProcessLane(int channel, const float* input, std::size_t count, bool last,
                     std::vector<float>& output) override;

private:
    struct TShifter;
    double FFactor;
    std::vector<std::unique_ptr<TShifter>> FShifters;
};

} // namespace effects
