#include "audio/effects/ModulationEffects.h"

#include "audio/effects/EffectMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace effects {

namespace modulation_detail {
constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr double MaxFeedback = 0.99;
// Frames between exact sines of the sweep.
constexpr std::size_t ExactSineEvery = 256;

void RequireSweepParameters(std::string_view effect, double delayRate, double mixDepth, double feedbackGain,
                            double sweepDepth, double sweepRate, double sweepPhase) {
    RequireRange(effect, "delay rate (%)", delayRate, 0, 100);
    RequireRange(effect, "mix depth (%)", mixDepth, 0, 100);
    RequireRange(effect, "feedback gain (%)", feedbackGain, 0, 100);
    RequireRange(effect, "sweep depth (%)", sweepDepth, 0, 100);
    RequireRange(effect, "sweep rate (%)", sweepRate, 0, 100);
    RequireRange(effect, "sweep phase (deg)", sweepPhase, 0, 359);
}
} // namespace modulation_detail

TSweptDelayEffect::TSweptDelayEffect(int sampleRate, int channels, int firstChannel, const TSweep& sweep)
    : TChannelEffect(sampleRate, channels, firstChannel), FSweep(sweep) {
    FPhaseStep = modulation_detail::TwoPi * sweep.RateHz / sampleRate;
    const std::size_t longest = static_cast<std::size_t>(std::ceil(sweep.BaseFrames + sweep.SwingFrames)) + 2;
    FLines.assign(static_cast<std::size_t>(channels), TDelayLine(longest));
    for (int c = 0; c < channels; ++c)
        FPhases.push_back(std::fmod(SignalChannel(c) * sweep.PhaseDegrees, 360.0) / 360.0 *
                          modulation_detail::TwoPi);
}

void TSweptDelayEffect::ProcessChannel(int channel, float* samples, std::size_t count) {
    TDelayLine& line = FLines[static_cast<std::size_t>(channel)];
    double phase = FPhases[static_cast<std::size_t>(channel)];
    const float dry = 1.0f - FSweep.Mix;
    // The sweep's sine turns by a fixed angle a frame: rotating it costs a few multiplications where a
    // sine a frame cost most of the effect's time. It is set exactly from the phase every run of frames,
    // so the rounding of the rotation never adds up (it stays below 1e-12 of a frame of delay).
    const double rotateCos = std::cos(FPhaseStep), rotateSin = std::sin(FPhaseStep);
    for (std::size_t i = 0; i < count;) {
        double sine = std::sin(phase), cosine = std::cos(phase);
        const std::size_t runEnd = std::min(count, i + modulation_detail::ExactSineEvery);
        for (; i < runEnd; ++i) {
            const float x = samples[i];
            // One frame is the shortest delay that can be read before this frame is written.
            const double delay = std::max(1.0, FSweep.BaseFrames + FSweep.SwingFrames * sine);
            const float wet = line.ReadFractional(delay);
            line.Write(x + FSweep.Feedback * wet);
            samples[i] = dry * x + FSweep.Mix * wet;
            const double turned = sine * rotateCos + cosine * rotateSin;
            cosine = cosine * rotateCos - sine * rotateSin;
            sine = turned;
            phase += FPhaseStep;
            if (phase >= modulation_detail::TwoPi) phase -= modulation_detail::TwoPi;
        }
    }
    FPhases[static_cast<std::size_t>(channel)] = phase;
}

namespace modulation_detail {
TSweptDelayEffect::TSweep ClassicSweep(int sampleRate, double minMs, double spanMs, double delayRate,
                                       double mixDepth, double feedbackGain, double sweepDepth,
                                       double sweepRate, double sweepPhase) {
    const double baseFrames = (minMs + spanMs * delayRate / 100.0) * sampleRate / 1000.0;
    return {baseFrames,
            baseFrames * sweepDepth / 100.0,
            10.0 * sweepRate / 100.0,
            sweepPhase,
            static_cast<float>(mixDepth / 100.0),
            static_cast<float>(std::min(MaxFeedback, feedbackGain / 100.0))};
}
} // namespace modulation_detail

TFlangerEffect::TFlangerEffect(int sampleRate, int channels, double delayRate, double mixDepth,
                               double feedbackGain, double sweepDepth, double sweepRate, double sweepPhase,
                               int firstChannel)
    : TSweptDelayEffect(sampleRate, channels, firstChannel,
                        (modulation_detail::RequireSweepParameters(
                             "Flanger", delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase),
                         modulation_detail::ClassicSweep(sampleRate, 0.1, 10.0, delayRate, mixDepth,
                                                         feedbackGain, sweepDepth, sweepRate, sweepPhase))) {}

TChorusEffect::TChorusEffect(int sampleRate, int channels, double delayRate, double mixDepth,
                             double feedbackGain, double sweepDepth, double sweepRate, double sweepPhase,
                             int firstChannel)
    : TSweptDelayEffect(sampleRate, channels, firstChannel,
                        (modulation_detail::RequireSweepParameters(
                             "Chorus", delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase),
                         modulation_detail::ClassicSweep(sampleRate, 5.0, 25.0, delayRate, mixDepth,
                                                         feedbackGain, sweepDepth, sweepRate, sweepPhase))) {}

namespace modulation_detail {
TSweptDelayEffect::TSweep VibratoSweep(int sampleRate, double depthPercent, double rateHz,
                                       double phaseDegrees) {
    RequireRange("Vibrato", "sweep depth (%)", depthPercent, 0, 100);
    RequireRange("Vibrato", "sweep frequency (Hz)", rateHz, 0, 50);
    RequireRange("Vibrato", "sweep phase (deg)", phaseDegrees, 0, 359);
    if (depthPercent == 0 || rateHz == 0)
        return {0.0, 0.0, 0.0, 0.0, 0.0f, 0.0f}; // a plain pass-through: mix 0 keeps the dry signal
    // A delay swinging by A seconds at f Hz bends the pitch by up to 2 pi f A.
    const double swing = 0.10 * depthPercent / 100.0 / (TwoPi * rateHz);
    const double swingFrames = swing * sampleRate;
    return {swingFrames + 1.0, swingFrames, rateHz, phaseDegrees, 1.0f, 0.0f};
}
} // namespace modulation_detail

TVibratoEffect::TVibratoEffect(int sampleRate, int channels, double depthPercent, double rateHz,
                               double phaseDegrees, int firstChannel)
    : TSweptDelayEffect(sampleRate, channels, firstChannel,
                        modulation_detail::VibratoSweep(sampleRate, depthPercent, rateHz, phaseDegrees)) {}

} // namespace effects
