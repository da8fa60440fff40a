// Effects that scale or combine samples frame by frame: amplify, invert, silence, fades, the drawn
// envelope and the stereo channel mixer. All percentages are of the original level (100 = unchanged).
#pragma once

#include "audio/effects/AudioEffect.h"

#include <array>
#include <vector>

namespace effects {

// Multiplies every sample by gainPercent / 100 (0 to 1000 %).
class TAmplifyEffect : public TFrameEffect {
public:
    TAmplifyEffect(int sampleRate, int channels, double gainPercent);

protected:
    void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const override;
    void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const override;

private:
    float FGain;
};

// Turns the waveform upside down.
class TInvertEffect : public TFrameEffect {
public:
    using TFrameEffect::TFrameEffect;

protected:
    void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const override;
    void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const override;
};

// Replaces every sample by 0.
class TSilenceEffect : public TFrameEffect {
public:
    using TFrameEffect::TFrameEffect;

protected:
    void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const override;
    void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const override;
};

// A straight gain ramp from startPercent on the first frame to endPercent on the last of totalFrames
// (0 to 100 % each): fade in is 0 -> 100, fade out 100 -> 0.
class TFadeEffect : public TFrameEffect {
public:
    TFadeEffect(int sampleRate, int channels, double startPercent, double endPercent,
                std::uint64_t totalFrames);

protected:
    void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const override;
    void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const override;

private:
    double FStart;
    double FStep;
};

// A gain curve given as points spread evenly from the first to the last of totalFrames; between two
// points the gain runs in a straight line. Gains are linear factors (1 = unchanged).
class TEnvelopeEffect : public TFrameEffect {
public:
    TEnvelopeEffect(int sampleRate, int channels, std::vector<float> gains, std::uint64_t totalFrames);

protected:
    void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const override;
    void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const override;

private:
    std::vector<float> FGains;
    double FPointsPerFrame;
};

// New left = LL * left + LR * right, new right = RL * left + RR * right, each share in percent
// (0 to 100). Needs a two-channel signal.
class TMixStereoEffect : public TFrameEffect {
public:
    TMixStereoEffect(int sampleRate, int channels, double ll, double lr, double rl, double rr);

    // The same matrix on two separate channel arrays of equal length (the channels of one signal fed
    // one at a time): left and right are the input channels; newLeft/newRight receive the mix.
    void MixInto(const float* left, const float* right, float* out, std::size_t count, bool toLeft) const;

protected:
    void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const override;
    void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const override;

private:
    std::array<float, 4> FShares;
};

} // namespace effects
