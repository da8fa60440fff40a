#include "audio/effects/WholeSignalEffects.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"
#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace effects {

namespace whole_detail {
constexpr std::size_t MinSamplesPerThread = 65536;

// Moves block to the end of held (or takes it over when nothing is held yet).
void Append(std::vector<float>& held, std::vector<float>& block) {
    if (held.empty())
        held.swap(block);
    else
        held.insert(held.end(), block.begin(), block.end());
    block.clear();
}
} // namespace whole_detail

TNormalizeEffect::TNormalizeEffect(int sampleRate, int channels, double peakPercent, int mode,
                                   std::shared_ptr<TPeakMeter> sharedPeak)
    : TAudioEffect(sampleRate, channels), FSharedPeak(std::move(sharedPeak)) {
    RequireRange("Normalize", "peak level (%)", peakPercent, 0, 500);
    if (mode != -1 && mode != 0)
        throw EAudioEffectParameter("Normalize: channel mode must be -1 (all channels together) or 0 (each "
                                    "channel on its own).");
    FTarget = peakPercent / 100.0;
    FTogether = mode == -1;
    FPeaks.assign(static_cast<std::size_t>(channels), 0.0f);
}

void TNormalizeEffect::Measure(const float* samples, std::size_t frames) {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    std::mutex lock;
    ParallelFor(frames, whole_detail::MinSamplesPerThread, [&](std::size_t begin, std::size_t end) {
        std::vector<float> peaks(channels, 0.0f);
        for (std::size_t f = begin; f < end; ++f)
            for (std::size_t c = 0; c < channels; ++c)
                peaks[c] = std::max(peaks[c], std::fabs(samples[f * channels + c]));
        std::lock_guard guard(lock);
        for (std::size_t c = 0; c < channels; ++c)
            FPeaks[c] = std::max(FPeaks[c], peaks[c]);
    });
    if (FSharedPeak)
        for (float peak : FPeaks)
            FSharedPeak->Peak = std::max(FSharedPeak->Peak, peak);
}

void TNormalizeEffect::TakePeaks(const std::vector<float>& peaks) {
    if (peaks.size() != FPeaks.size())
        throw EAudioEffectError("Normalize: the peaks do not match the channels.");
    for (std::size_t c = 0; c < peaks.size(); ++c) {
        FPeaks[c] = std::max(FPeaks[c], peaks[c]);
        if (FSharedPeak) FSharedPeak->Peak = std::max(FSharedPeak->Peak, peaks[c]);
    }
}

std::vector<float> TNormalizeEffect::Gains() const {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    std::vector<float> gains(channels, 1.0f);
    float overall = *std::max_element(FPeaks.begin(), FPeaks.end());
    if (FSharedPeak && FTogether) overall = std::max(overall, FSharedPeak->Peak);
    for (std::size_t c = 0; c < channels; ++c) {
        const float peak = FTogether ? overall : FPeaks[c];
        if (peak > 0.0f) gains[c] = static_cast<float>(FTarget / peak);
    }
    return gains;
}

void TNormalizeEffect::ProcessChannels(float* const* channels, std::size_t frames) {
    const std::vector<float> gains = Gains();
    for (std::size_t c = 0; c < gains.size(); ++c) {
        float* samples = channels[c];
        const float gain = gains[c];
        for (std::size_t f = 0; f < frames; ++f)
            samples[f] *= gain;
    }
}

void TNormalizeEffect::ProcessInPlace(float* samples, std::size_t frames) {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    const std::vector<float> gains = Gains();
    ParallelFor(frames, whole_detail::MinSamplesPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t f = begin; f < end; ++f)
            for (std::size_t c = 0; c < channels; ++c)
                samples[f * channels + c] *= gains[c];
    });
}

void TNormalizeEffect::Process(std::vector<float>& block, bool last) {
    const std::size_t frames = FramesOf(block);
    Measure(block.data(), frames);
    whole_detail::Append(FHeld, block);
    if (!last) return;
    ProcessInPlace(FHeld.data(), FHeld.size() / static_cast<std::size_t>(Channels()));
    block.swap(FHeld);
    FHeld.clear();
}

void TReverseEffect::ProcessInPlace(float* samples, std::size_t frames) {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    if (channels == 1) {
        std::reverse(samples, samples + frames);
        return;
    }
    for (std::size_t a = 0, b = frames; a + 1 < b; ++a, --b)
        std::swap_ranges(samples + a * channels, samples + (a + 1) * channels, samples + (b - 1) * channels);
}

void TReverseEffect::ProcessChannels(float* const* channels, std::size_t frames) {
    for (int c = 0; c < Channels(); ++c)
        std::reverse(channels[c], channels[c] + frames);
}

void TReverseEffect::Process(std::vector<float>& block, bool last) {
    FramesOf(block);
    whole_detail::Append(FHeld, block);
    if (!last) return;
    ProcessInPlace(FHeld.data(), FHeld.size() / static_cast<std::size_t>(Channels()));
    block.swap(FHeld);
    FHeld.clear();
}

} // namespace effects
