// Level-dependent gain: the dynamic range compressor (turns loud passages down) and the noise
// reduction (a downward expander that turns quiet passages further down).
#pragma once

#include "audio/effects/AudioEffect.h"

#include <vector>

namespace effects {

// Above the threshold (-40 to 0 dB) the level's excess is reduced by rate percent (0 = no change,
// 50 = a 2:1 ratio, 100 = held at the threshold); the result is then scaled by outputPercent (0 to
// 1000 %, 100 = unchanged). The level is a peak follower with 2 ms attack and 150 ms release.
class TCompressorEffect : public TChannelEffect {
public:
    TCompressorEffect(int sampleRate, int channels, double thresholdDb, double ratePercent,
                      double outputPercent);

protected:
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    double FThreshold; // linear
    double FSlope;     // fraction of the excess removed, in dB
    double FOutput;
    double FAttack, FRelease;
    std::vector<double> FLevels;
};

// Below the threshold (-96 to 10 dB) the RMS level is pushed down: every dB the level lies under the
// threshold becomes (1 + 9 * rate / 100) dB (rate 1 to 100 %: from barely to a 1:10 expansion), down
// to -120 dB. The RMS level is averaged over rmsTime (0 to 1000 ms; 0 follows the instant level).
class TNoiseReductionEffect : public TChannelEffect {
public:
    TNoiseReductionEffect(int sampleRate, int channels, double thresholdDb, double ratePercent,
                          double rmsTimeMs);

protected:
    void ProcessChannel(int channel, float* samples, std::size_t count) override;

private:
    double FThresholdPower;
    double FExponent; // applied to (mean square / threshold power)
    double FSmoothing;
    std::vector<double> FMeanSquares;
};

} // namespace effects
