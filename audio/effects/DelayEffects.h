// Effects built on delayed copies of the signal fed back into themselves: echo, reverb and the
// phase-inverted, diffused delay of the "phaser". Feedback given as 100 % is held at 99 % so that every
// echo dies away and the output stays finite however long the signal.
#pragma once

#include "audio/effects/AudioEffect.h"
#include "audio/effects/DelayLine.h"

#include <vector>

namespace effects {

// Repeats the signal every delay (0 to 5000 ms; at least one frame): the first repeat at mix percent of
// the original level, each following one feedback percent of the one before.
class TEchoEffect : public TChannelEffect {
public:
    TEchoEffect(int sampleRate, int channels, double delayMs, double mixPercent, double feedbackPercent);

protected:
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    std::size_t FDelay;
    float FMix, FFeedback;
    std::vector<TDelayLine> FLines;
};

// A room: four damped feedback delays spread around the delay time (0 to 1000 ms) whose repeats fall
// by feedback percent, with their highs rolled off above the damping frequency (10 to 22500 Hz), and
// smeared by two all-pass sections; plus taps (0 to 10) early reflections spread evenly within the
// delay time at reverb gain percent. The wet sound is added to the original at mix percent.
class TReverbEffect : public TChannelEffect {
public:
    TReverbEffect(int sampleRate, int channels, double delayMs, double mixPercent, double feedbackPercent,
                  double reverbGainPercent, double dampingHz, int taps);

protected:
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    struct TChannelState {
        TDelayLine Input;
        std::vector<TDelayLine> Combs;
        std::vector<float> Damped;
        TAllPass Diffuse1, Diffuse2;
    };
    std::vector<std::size_t> FCombDelays;
    std::vector<std::size_t> FTapDelays;
    std::vector<float> FTapGains;
    float FMix, FFeedback, FEarlyGain, FDamping;
    std::vector<TChannelState> FStates;
};

// A delay whose repeats come back phase-inverted (feedback percent) through two all-pass diffusers,
// which gives the hollow, hall-like colour of the presets; added at mix percent. Delay 0 to 5000 ms.
class TPhaserEffect : public TChannelEffect {
public:
    TPhaserEffect(int sampleRate, int channels, double delayMs, double mixPercent, double feedbackPercent);

protected:
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    struct TChannelState {
        TDelayLine Line;
        TAllPass Diffuse1, Diffuse2;
    };
    std::size_t FDelay;
    float FMix, FFeedback;
    std::vector<TChannelState> FStates;
};

} // namespace effects
