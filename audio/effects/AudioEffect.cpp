#include "audio/effects/AudioEffect.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <string>

namespace effects {

namespace audio_effect_detail {
// Blocks below these sizes are not worth a thread.
constexpr std::size_t MinFramesPerThread = 32768;
constexpr std::size_t MinFramesForChannelThreads = 8192;
} // namespace audio_effect_detail

TAudioEffect::TAudioEffect(int sampleRate, int channels) : FSampleRate(sampleRate), FChannels(channels) {
    if (sampleRate < 1 || sampleRate > 768000)
        throw EAudioEffectParameter("Unsupported sample rate: " + std::to_string(sampleRate) + " Hz.");
    if (channels < 1 || channels > 32)
        throw EAudioEffectParameter("Unsupported channel count: " + std::to_string(channels) + ".");
}

std::size_t TAudioEffect::FramesOf(const std::vector<float>& block) const {
    if (block.size() % static_cast<std::size_t>(FChannels) != 0)
        throw EAudioEffectError("The sample array does not hold whole frames of " +
                                std::to_string(FChannels) + " channels.");
    return block.size() / static_cast<std::size_t>(FChannels);
}

void TAudioEffect::ProcessInPlace(float*, std::size_t) {
    throw EAudioEffectError("This effect cannot work in place.");
}

void TAudioEffect::ProcessChannels(float* const*, std::size_t) {
    throw EAudioEffectError("This effect cannot work on separate channels.");
}

void TAudioEffect::Measure(const float*, std::size_t) {
    throw EAudioEffectError("This effect does not measure the signal first.");
}

void TAudioEffect::ProcessLanes(const float* const*, std::size_t, bool, std::vector<std::vector<float>>&) {
    throw EAudioEffectError("This effect cannot work on separate channels.");
}

void TAudioEffect::ProcessChannelsAt(float* const*, std::size_t, std::uint64_t) {
    throw EAudioEffectError("This effect cannot work on blocks apart.");
}

void TAudioEffect::ProcessOneChannel(int, float*, std::size_t) {
    throw EAudioEffectError("This effect cannot work on one channel at a time.");
}

void TAudioEffect::TakePeaks(const std::vector<float>&) {
    throw EAudioEffectError("This effect does not take measured peaks.");
}

void TFrameEffect::ProcessChannels(float* const* channels, std::size_t frames) {
    // Frame effects are a pass over memory: a thread of their own would cost more than it brings.
    ProcessPlanes(channels, frames, FPosition);
    FPosition += frames;
}

void TFrameEffect::ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const {
    constexpr std::size_t stretch = 4096;
    const std::size_t lanes = static_cast<std::size_t>(Channels());
    std::vector<float> frames(std::min(count, stretch) * lanes);
    for (std::size_t done = 0; done < count; done += stretch) {
        const std::size_t n = std::min(stretch, count - done);
        for (std::size_t c = 0; c < lanes; ++c)
            for (std::size_t f = 0; f < n; ++f)
                frames[f * lanes + c] = channels[c][done + f];
        ProcessFrames(frames.data(), n, firstFrame + done);
        for (std::size_t c = 0; c < lanes; ++c)
            for (std::size_t f = 0; f < n; ++f)
                channels[c][done + f] = frames[f * lanes + c];
    }
}

void TFrameEffect::Process(std::vector<float>& block, bool last) {
    ProcessInPlace(block.data(), FramesOf(block));
}

void TFrameEffect::ProcessInPlace(float* samples, std::size_t frames) {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    const std::uint64_t start = FPosition;
    ParallelFor(frames, audio_effect_detail::MinFramesPerThread, [&](std::size_t begin, std::size_t end) {
        ProcessFrames(samples + begin * channels, end - begin, start + begin);
    });
    FPosition += frames;
}

TChannelEffect::TChannelEffect(int sampleRate, int channels, int firstChannel)
    : TAudioEffect(sampleRate, channels), FFirstChannel(firstChannel) {}

void TChannelEffect::Process(std::vector<float>& block, bool last) {
    ProcessInPlace(block.data(), FramesOf(block));
}

void TChannelEffect::ProcessInPlace(float* samples, std::size_t frames) {
    const int channels = Channels();
    if (channels == 1) {
        ProcessChannel(0, samples, frames);
        return;
    }
    FScratch.resize(static_cast<std::size_t>(channels));
    for (auto& lane : FScratch)
        lane.resize(frames);
    // Splitting into lanes and joining them again are plain memory passes: they run on all cores too.
    ParallelFor(frames, audio_effect_detail::MinFramesPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t f = begin; f < end; ++f)
            for (int c = 0; c < channels; ++c)
                FScratch[static_cast<std::size_t>(c)][f] = samples[f * channels + c];
    });
    ParallelEach(static_cast<std::size_t>(channels),
                 frames >= audio_effect_detail::MinFramesForChannelThreads,
                 [&](std::size_t c) { ProcessChannel(static_cast<int>(c), FScratch[c].data(), frames); });
    ParallelFor(frames, audio_effect_detail::MinFramesPerThread, [&](std::size_t begin, std::size_t end) {
        for (std::size_t f = begin; f < end; ++f)
            for (int c = 0; c < channels; ++c)
                samples[f * channels + c] = FScratch[static_cast<std::size_t>(c)][f];
    });
}

void TChannelEffect::ProcessChannels(float* const* channels, std::size_t frames) {
    ParallelEach(static_cast<std::size_t>(Channels()),
                 frames >= audio_effect_detail::MinFramesForChannelThreads,
                 [&](std::size_t c) { ProcessChannel(static_cast<int>(c), channels[c], frames); });
}

void TLaneEffect::Process(std::vector<float>& block, bool last) {
    const std::size_t frames = FramesOf(block);
    const std::size_t channels = static_cast<std::size_t>(Channels());
    FInputs.resize(channels);
    std::vector<const float*> lanes(channels);
    for (std::size_t c = 0; c < channels; ++c) {
        FInputs[c].resize(frames);
        for (std::size_t f = 0; f < frames; ++f)
            FInputs[c][f] = block[f * channels + c];
        lanes[c] = FInputs[c].data();
    }
    ProcessLanes(lanes.data(), frames, last, FOutputs);
    const std::size_t produced = FOutputs.empty() ? 0 : FOutputs[0].size();
    block.resize(produced * channels);
    for (std::size_t c = 0; c < channels; ++c)
        for (std::size_t f = 0; f < produced; ++f)
            block[f * channels + c] = FOutputs[c][f];
}

void TLaneEffect::ProcessLanes(const float* const* channels, std::size_t frames, bool last,
                               std::vector<std::vector<float>>& outputs) {
    const std::size_t count = static_cast<std::size_t>(Channels());
    outputs.resize(count);
    for (auto& lane : outputs)
        lane.clear();
    ParallelEach(
        count, frames >= audio_effect_detail::MinFramesForChannelThreads || last,
        [&](std::size_t c) { ProcessLane(static_cast<int>(c), channels[c], frames, last, outputs[c]); });
    // Every channel gives the same count; should one ever fall short it is padded with silence rather
    // than shifting the channels against each other.
    std::size_t produced = 0;
    for (const auto& lane : outputs)
        produced = std::max(produced, lane.size());
    for (auto& lane : outputs)
        lane.resize(produced, 0.0f);
}

} // namespace effects
