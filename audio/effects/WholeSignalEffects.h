// Effects that must see the whole signal before they can give out its first sample: normalize (needs
// the peak) and reverse. Fed block by block they hold everything back and give it out with the last
// block.
#pragma once

#include "audio/effects/AudioEffect.h"

#include <memory>
#include <vector>

namespace effects {

// The loudest sample seen so far; shared by the processors of a signal whose channels are fed
// separately, so that they normalize together.
struct TPeakMeter {
    float Peak = 0.0f;
};

// Scales the signal so that its loudest sample reaches peakPercent of full scale (0 to 500 %).
// mode -1 measures all channels together (one gain for the signal), mode 0 each channel on its own.
// A silent signal is left as it is.
class TNormalizeEffect : public TAudioEffect {
public:
    TNormalizeEffect(int sampleRate, int channels, double peakPercent, int mode,
                     std::shared_ptr<TPeakMeter> sharedPeak = nullptr);
    void Process(std::vector<float>& block, bool last) override;
    bool NeedsWholeSignal() const override { return true; }
    bool MeasuresFirst() const override { return true; }
    void Measure(const float* samples, std::size_t frames) override;
    bool MeasuresPeaksOnly() const override { return true; }
    void TakePeaks(const std::vector<float>& peaks) override;
    void ProcessInPlace(float* samples, std::size_t frames) override;
    bool WorksOnChannels() const override { return true; }
    void ProcessChannels(float* const* channels, std::size_t frames) override;
    bool BlocksApart() const override { return true; }
    void ProcessChannelsAt(float* const* channels, std::size_t frames, std::uint64_t) override {
        ProcessChannels(channels, frames);
    }

private:
    // Each channel's factor, from the peaks measured.
    std::vector<float> Gains() const;

    double FTarget;
    bool FTogether;
    std::shared_ptr<TPeakMeter> FSharedPeak;
    std::vector<float> FPeaks; // per channel
    std::vector<float> FHeld;
};

// Plays the signal backwards (frame order reversed, channels kept).
class TReverseEffect : public TAudioEffect {
public:
    using TAudioEffect::TAudioEffect;
    void Process(std::vector<float>& block, bool last) override;
    bool NeedsWholeSignal() const override { return true; }
    bool ReadsBackwards() const override { return true; }
    void ProcessInPlace(float* samples, std::size_t frames) override;
    bool WorksOnChannels() const override { return true; }
    void ProcessChannels(float* const* channels, std::size_t frames) override;
    bool BlocksApart() const override { return true; }
    void ProcessChannelsAt(float* const* channels, std::size_t frames, std::uint64_t) override {
        ProcessChannels(channels, frames);
    }

private:
    std::vector<float> FHeld;
};

} // namespace effects
