#include "audio/effects/LevelEffects.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"

#include <algorithm>
#include <string>

namespace effects {

TAmplifyEffect::TAmplifyEffect(int sampleRate, int channels, double gainPercent)
    : TFrameEffect(sampleRate, channels) {
    RequireRange("Amplify", "gain (%)", gainPercent, 0, 1000);
    FGain = static_cast<float>(gainPercent / 100.0);
}

void TAmplifyEffect::ProcessFrames(float* frames, std::size_t count, std::uint64_t) const {
    const std::size_t n = count * static_cast<std::size_t>(Channels());
    const float gain = FGain;
    for (std::size_t i = 0; i < n; ++i)
        frames[i] *= gain;
}

void TAmplifyEffect::ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t) const {
    const float gain = FGain;
    for (int c = 0; c < Channels(); ++c) {
        float* samples = channels[c];
        for (std::size_t i = 0; i < count; ++i)
            samples[i] *= gain;
    }
}

void TInvertEffect::ProcessFrames(float* frames, std::size_t count, std::uint64_t) const {
    const std::size_t n = count * static_cast<std::size_t>(Channels());
    for (std::size_t i = 0; i < n; ++i)
        frames[i] = -frames[i];
}

void TInvertEffect::ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t) const {
    for (int c = 0; c < Channels(); ++c) {
        float* samples = channels[c];
        for (std::size_t i = 0; i < count; ++i)
            samples[i] = -samples[i];
    }
}

void TSilenceEffect::ProcessFrames(float* frames, std::size_t count, std::uint64_t) const {
    const std::size_t n = count * static_cast<std::size_t>(Channels());
    for (std::size_t i = 0; i < n; ++i)
        frames[i] = 0.0f;
}

void TSilenceEffect::ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t) const {
    for (int c = 0; c < Channels(); ++c)
        std::fill_n(channels[c], count, 0.0f);
}

TFadeEffect::TFadeEffect(int sampleRate, int channels, double startPercent, double endPercent,
                         std::uint64_t totalFrames)
    : TFrameEffect(sampleRate, channels) {
    RequireRange("Fade", "initial amplification (%)", startPercent, 0, 100);
    RequireRange("Fade", "final amplification (%)", endPercent, 0, 100);
    FStart = startPercent / 100.0;
    FStep =
        totalFrames > 1 ? (endPercent - startPercent) / 100.0 / static_cast<double>(totalFrames - 1) : 0.0;
}

void TFadeEffect::ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const {
    const int channels = Channels();
    for (std::size_t f = 0; f < count; ++f) {
        const float gain = static_cast<float>(FStart + FStep * static_cast<double>(firstFrame + f));
        for (int c = 0; c < channels; ++c)
            frames[f * channels + c] *= gain;
    }
}

void TFadeEffect::ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const {
    // The gain of every frame is worked out as ProcessFrames does, so both give the same samples.
    const int lanes = Channels();
    const double start = FStart, step = FStep;
    for (int c = 0; c < lanes; ++c) {
        float* samples = channels[c];
        for (std::size_t f = 0; f < count; ++f)
            samples[f] *= static_cast<float>(start + step * static_cast<double>(firstFrame + f));
    }
}

TEnvelopeEffect::TEnvelopeEffect(int sampleRate, int channels, std::vector<float> gains,
                                 std::uint64_t totalFrames)
    : TFrameEffect(sampleRate, channels), FGains(std::move(gains)) {
    if (FGains.empty()) throw EAudioEffectParameter("Envelope: the gain curve holds no points.");
    for (std::size_t i = 0; i < FGains.size(); ++i)
        RequireRange("Envelope", "gain of point " + std::to_string(i), FGains[i], 0, 1e6);
    FPointsPerFrame =
        totalFrames > 1 ? static_cast<double>(FGains.size() - 1) / static_cast<double>(totalFrames - 1) : 0.0;
}

void TEnvelopeEffect::ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const {
    const int channels = Channels();
    const std::size_t lastPoint = FGains.size() - 1;
    for (std::size_t f = 0; f < count; ++f) {
        const double at = FPointsPerFrame * static_cast<double>(firstFrame + f);
        std::size_t point = static_cast<std::size_t>(at);
        if (point >= lastPoint) point = lastPoint;
        const double fraction = point < lastPoint ? at - static_cast<double>(point) : 0.0;
        const double next = point < lastPoint ? FGains[point + 1] : FGains[point];
        const float gain = static_cast<float>(FGains[point] + (next - FGains[point]) * fraction);
        for (int c = 0; c < channels; ++c)
            frames[f * channels + c] *= gain;
    }
}

void TEnvelopeEffect::ProcessPlanes(float* const* channels, std::size_t count,
                                    std::uint64_t firstFrame) const {
    const int lanes = Channels();
    const std::size_t lastPoint = FGains.size() - 1;
    for (std::size_t f = 0; f < count; ++f) {
        const double at = FPointsPerFrame * static_cast<double>(firstFrame + f);
        std::size_t point = static_cast<std::size_t>(at);
        if (point >= lastPoint) point = lastPoint;
        const double fraction = point < lastPoint ? at - static_cast<double>(point) : 0.0;
        const double next = point < lastPoint ? FGains[point + 1] : FGains[point];
        const float gain = static_cast<float>(FGains[point] + (next - FGains[point]) * fraction);
        for (int c = 0; c < lanes; ++c)
            channels[c][f] *= gain;
    }
}

TMixStereoEffect::TMixStereoEffect(int sampleRate, int channels, double ll, double lr, double rl, double rr)
    : TFrameEffect(sampleRate, channels) {
    RequireRange("Mix Stereo Channels", "new left from left (%)", ll, 0, 100);
    RequireRange("Mix Stereo Channels", "new left from right (%)", lr, 0, 100);
    RequireRange("Mix Stereo Channels", "new right from left (%)", rl, 0, 100);
    RequireRange("Mix Stereo Channels", "new right from right (%)", rr, 0, 100);
    FShares = {static_cast<float>(ll / 100), static_cast<float>(lr / 100), static_cast<float>(rl / 100),
               static_cast<float>(rr / 100)};
}

void TMixStereoEffect::ProcessFrames(float* frames, std::size_t count, std::uint64_t) const {
    if (Channels() != 2) throw EAudioEffectError("Mix Stereo Channels needs a stereo signal.");
    for (std::size_t f = 0; f < count; ++f) {
        const float left = frames[2 * f];
        const float right = frames[2 * f + 1];
        frames[2 * f] = FShares[0] * left + FShares[1] * right;
        frames[2 * f + 1] = FShares[2] * left + FShares[3] * right;
    }
}

void TMixStereoEffect::ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t) const {
    if (Channels() != 2) throw EAudioEffectError("Mix Stereo Channels needs a stereo signal.");
    float* left = channels[0];
    float* right = channels[1];
    const auto [ll, lr, rl, rr] = FShares;
    for (std::size_t f = 0; f < count; ++f) {
        const float l = left[f], r = right[f];
        left[f] = ll * l + lr * r;
        right[f] = rl * l + rr * r;
    }
}

void TMixStereoEffect::MixInto(const float* left, const float* right, float* out, std::size_t count,
                               bool toLeft) const {
    const float fromLeft = toLeft ? FShares[0] : FShares[2];
    const float fromRight = toLeft ? FShares[1] : FShares[3];
    for (std::size_t i = 0; i < count; ++i)
        out[i] = fromLeft * left[i] + fromRight * right[i];
}

} // namespace effects
