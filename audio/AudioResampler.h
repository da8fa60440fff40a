// Streaming sample-rate and channel-count conversion of interleaved float samples (best quality).
#pragma once

#include "audio/AudioDocument.h"

#include <cstdint>
#include <memory>
#include <vector>

class TAudioResampler {
public:
    TAudioResampler(int inRate, int outRate, int channels);
    ~TAudioResampler();
    TAudioResampler(const TAudioResampler&) = delete;
    TAudioResampler& operator=(const TAudioResampler&) = delete;

    bool Passthrough() const { return FInRate == FOutRate; }
    // Appends the converted frames of `frames` input frames to `out`.
    void Process(const float* in, std::int64_t frames, std::vector<float>& out);
    // Appends what the converter still holds; no input may follow.
    void Flush(std::vector<float>& out);

private:
    int FInRate, FOutRate, FChannels;
    void* FHandle = nullptr;
};

// Interleaved samples from `inChannels` to `outChannels` (1 or 2): mono is copied to both sides,
// stereo is averaged to mono, more channels are folded into the first two.
std::vector<float> ConvertChannels(const float* in, std::int64_t frames, int inChannels, int outChannels);

// A whole sequence converted to a new rate and channel count, into blocks of `store`.
TSampleSequence ConvertSequence(const TSampleSequence& source, int inRate, int outRate, int outChannels,
                                const std::shared_ptr<TBlockStore>& store,
                                const TProgressFunc& progress = {});
