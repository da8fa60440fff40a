#include "audio/effects/DelayEffects.h"

#include "audio/effects/EffectMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace effects {

namespace delay_detail {
constexpr double MaxFeedback = 0.99;
float Feedback(double percent) {
    return static_cast<float>(std::min(MaxFeedback, percent / 100.0));
}
std::size_t Frames(double ms, int sampleRate) {
    return static_cast<std::size_t>(std::max<long long>(1, MsToFrames(ms, sampleRate)));
}
} // namespace delay_detail

TEchoEffect::TEchoEffect(int sampleRate, int channels, double delayMs, double mixPercent,
                         double feedbackPercent)
    : TChannelEffect(sampleRate, channels) {
    RequireRange("Echo", "delay time (ms)", delayMs, 0, 5000);
    RequireRange("Echo", "mix depth (%)", mixPercent, 0, 100);
    RequireRange("Echo", "feedback gain (%)", feedbackPercent, 0, 100);
    FDelay = delay_detail::Frames(delayMs, sampleRate);
    FMix = static_cast<float>(mixPercent / 100.0);
    FFeedback = delay_detail::Feedback(feedbackPercent);
    FLines.assign(static_cast<std::size_t>(channels), TDelayLine(FDelay));
}

void TEchoEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    TDelayLine& line = FLines[static_cast<std::size_t>(channel)];
    for (std::size_t i = 0; i < count; ++i) {
        const float x = samples[i];
        const float delayed = line.Read(FDelay);
        line.Write(x + FFeedback * delayed);
        samples[i] = x + FMix * delayed;
    }
}

namespace delay_detail {
// Comb delays relative to the delay time: mutually prime-ish so that their repeats do not line up.
constexpr double CombRatios[] = {1.0, 1.1367, 1.2753, 1.4191};
} // namespace delay_detail

TReverbEffect::TReverbEffect(int sampleRate, int channels, double delayMs, double mixPercent,
                             double feedbackPercent, double reverbGainPercent, double dampingHz, int taps)
    : TChannelEffect(sampleRate, channels) {
    RequireRange("Reverb", "delay time (ms)", delayMs, 0, 1000);
    RequireRange("Reverb", "mix depth (%)", mixPercent, 0, 100);
    RequireRange("Reverb", "feedback gain (%)", feedbackPercent, 0, 100);
    RequireRange("Reverb", "reverb gain (%)", reverbGainPercent, 0, 100);
    RequireRange("Reverb", "reverb frequency (Hz)", dampingHz, 10, 22500);
    RequireRange("Reverb", "taps", taps, 0, 10);
    const std::size_t delay = delay_detail::Frames(delayMs, sampleRate);
    for (double ratio : delay_detail::CombRatios)
        FCombDelays.push_back(std::max<std::size_t>(1, static_cast<std::size_t>(std::lround(delay * ratio))));
    double gainSum = 0;
    for (int j = 1; j <= taps; ++j) {
        FTapDelays.push_back(std::max<std::size_t>(1, delay * static_cast<std::size_t>(j) / (taps + 1)));
        FTapGains.push_back(static_cast<float>(taps + 1 - j) / static_cast<float>(taps + 1));
        gainSum += FTapGains.back();
    }
    for (float& gain : FTapGains)
        gain = static_cast<float>(gain / gainSum);
    FMix = static_cast<float>(mixPercent / 100.0);
    FFeedback = delay_detail::Feedback(feedbackPercent);
    FEarlyGain = static_cast<float>(reverbGainPercent / 100.0);
    FDamping = static_cast<float>(
        1.0 - std::exp(-2.0 * std::numbers::pi * std::min(dampingHz, sampleRate / 2.0) / sampleRate));
    const std::size_t diffuse1 = std::max<long long>(1, MsToFrames(5.1, sampleRate));
    const std::size_t diffuse2 = std::max<long long>(1, MsToFrames(1.7, sampleRate));
    for (int c = 0; c < channels; ++c) {
        TChannelState state{TDelayLine(delay),
                            {},
                            std::vector<float>(FCombDelays.size(), 0.0f),
                            TAllPass(diffuse1, 0.5f),
                            TAllPass(diffuse2, 0.5f)};
        for (std::size_t combDelay : FCombDelays)
            state.Combs.emplace_back(combDelay);
        FStates.push_back(std::move(state));
    }
}

void TReverbEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    TChannelState& state = FStates[static_cast<std::size_t>(channel)];
    const std::size_t combs = FCombDelays.size();
    const float combScale = 1.0f / static_cast<float>(combs);
    for (std::size_t i = 0; i < count; ++i) {
        const float x = samples[i];
        float tail = 0.0f;
        for (std::size_t k = 0; k < combs; ++k) {
            const float delayed = state.Combs[k].Read(FCombDelays[k]);
            float& damped = state.Damped[k];
            damped += FDamping * (delayed - damped);
            state.Combs[k].Write(x + FFeedback * damped);
            tail += delayed;
        }
        tail = state.Diffuse2.Process(state.Diffuse1.Process(tail * combScale));
        float early = 0.0f;
        for (std::size_t j = 0; j < FTapDelays.size(); ++j)
            early += FTapGains[j] * state.Input.Read(FTapDelays[j]);
        state.Input.Write(x);
        samples[i] = x + FMix * (tail + FEarlyGain * early);
    }
    for (float& damped : state.Damped)
        if (std::fabs(damped) < 1e-30f) damped = 0.0f;
}

TPhaserEffect::TPhaserEffect(int sampleRate, int channels, double delayMs, double mixPercent,
                             double feedbackPercent)
    : TChannelEffect(sampleRate, channels) {
    RequireRange("Phaser", "delay time (ms)", delayMs, 0, 5000);
    RequireRange("Phaser", "mix depth (%)", mixPercent, 0, 100);
    RequireRange("Phaser", "feedback gain (%)", feedbackPercent, 0, 100);
    FDelay = delay_detail::Frames(delayMs, sampleRate);
    FMix = static_cast<float>(mixPercent / 100.0);
    FFeedback = delay_detail::Feedback(feedbackPercent);
    for (int c = 0; c < channels; ++c)
        FStates.push_back({TDelayLine(FDelay), TAllPass(std::max<std::size_t>(1, FDelay / 7), 0.6f),
                           TAllPass(std::max<std::size_t>(1, FDelay / 19), 0.6f)});
}

void TPhaserEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    TChannelState& state = FStates[static_cast<std::size_t>(channel)];
    for (std::size_t i = 0; i < count; ++i) {
        const float x = samples[i];
        const float wet = state.Diffuse2.Process(state.Diffuse1.Process(state.Line.Read(FDelay)));
        state.Line.Write(x - FFeedback * wet);
        samples[i] = x + FMix * wet;
    }
}

} // namespace effects
