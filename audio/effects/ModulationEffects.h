// Effects built on a delay whose length a sine sweeps up and down: flanger, chorus and vibrato. Each
// channel's sweep starts sweep-phase degrees after the previous channel's, which spreads the effect
// across the stereo image.
#pragma once

#include "audio/effects/AudioEffect.h"
#include "audio/effects/DelayLine.h"

#include <vector>

namespace effects {

// The shared engine: wet = signal delayed by base * (1 + depth * sin(phase)) frames, fed back at
// feedback; output = (1 - mix) * dry + mix * wet.
class TSweptDelayEffect : public TChannelEffect {
public:
    struct TSweep {
        double BaseFrames;   // centre of the sweep
        double SwingFrames;  // the sweep's amplitude
        double RateHz;       // sweep frequency
        double PhaseDegrees; // offset between neighbouring channels
        float Mix;
        float Feedback;
    };

protected:
    TSweptDelayEffect(int sampleRate, int channels, int firstChannel, const TSweep& sweep);
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    TSweep FSweep;
    double FPhaseStep;
    std::vector<TDelayLine> FLines;
    std::vector<double> FPhases;
};

// Delay rate (0 to 100 %) sets the centre delay from 0.1 to 10.1 ms; depth (0 to 100 %) the share of
// the swept copy; gain (0 to 100 %) the feedback; sweep depth (0 to 100 %) the swing as a share of the
// centre delay; sweep rate (0 to 100 %) the sweep from 0 to 10 Hz; sweep phase (0 to 359 degrees).
class TFlangerEffect : public TSweptDelayEffect {
public:
    TFlangerEffect(int sampleRate, int channels, double delayRate, double mixDepth, double feedbackGain,
                   double sweepDepth, double sweepRate, double sweepPhase, int firstChannel = 0);
};

// As the flanger with a longer centre delay, from 5 to 30 ms, so that the copy is heard as a second voice.
class TChorusEffect : public TSweptDelayEffect {
public:
    TChorusEffect(int sampleRate, int channels, double delayRate, double mixDepth, double feedbackGain,
                  double sweepDepth, double sweepRate, double sweepPhase, int firstChannel = 0);
};

// Pitch wobble: only the swept copy is heard. Depth (0 to 100 %) is the pitch swing, up to +-10 % at
// 100 %; rate 0 to 50 Hz; phase 0 to 359 degrees. Depth or rate 0 leaves the signal unchanged.
class TVibratoEffect : public TSweptDelayEffect {
public:
    TVibratoEffect(int sampleRate, int channels, double depthPercent, double rateHz, double phaseDegrees,
                   int firstChannel = 0);
};

} // namespace effects
