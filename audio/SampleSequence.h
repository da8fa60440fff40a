// An immutable sequence of sample frames made of slices of shared blocks. Every operation returns a
// new sequence that shares the untouched blocks, so copies, edits and undo steps cost only what they
// change.
#pragma once

#include "audio/SampleBlock.h"

#include <cstdint>
#include <future>
#include <memory>
#include <vector>

struct TBlockSlice {
    std::shared_ptr<const TSampleBlock> Block;
    std::int64_t Offset = 0; // first frame of the block that belongs to the slice
    std::int64_t Frames = 0;
};

class TSampleSequence {
public:
    explicit TSampleSequence(int channels = 1) : FChannels(channels) {}

    int Channels() const { return FChannels; }
    std::int64_t Frames() const { return FStarts.empty() ? 0 : FStarts.back(); }
    bool Empty() const { return Frames() == 0; }
    const std::vector<TBlockSlice>& Slices() const { return FSlices; }

    // Reads frames [start, start + count) (clipped to the sequence) as interleaved or planar floats;
    // returns the number of frames read.
    std::int64_t ReadInterleaved(std::int64_t start, std::int64_t count, float* dst) const;
    std::int64_t ReadChannel(int channel, std::int64_t start, std::int64_t count, float* dst) const;
    TRangeSummary Summarize(int channel, std::int64_t start, std::int64_t count) const;

    // The blocks of the slices that lie wholly inside frames [start, start + count).
    std::vector<std::shared_ptr<const TSampleBlock>> BlocksWithin(std::int64_t start,
                                                                  std::int64_t count) const;

    TSampleSequence Sub(std::int64_t start, std::int64_t count) const;
    TSampleSequence Erase(std::int64_t start, std::int64_t count) const;
    TSampleSequence Insert(std::int64_t at, const TSampleSequence& other) const;
    // Frames [start, start + count) replaced by `other`, whose length may differ.
    TSampleSequence Replace(std::int64_t start, std::int64_t count, const TSampleSequence& other) const;
    TSampleSequence Append(const TSampleSequence& other) const;

    void AppendSlice(const TBlockSlice& slice);

private:
    // Index of the slice holding frame `frame` (frame < Frames()).
    std::size_t SliceAt(std::int64_t frame) const;
    int FChannels;
    std::vector<TBlockSlice> FSlices;
    std::vector<std::int64_t> FStarts; // FStarts[i] = frames before slice i + its own frames
};

// Cuts incoming samples into blocks of the preferred size and builds a sequence of them.
class TSequenceBuilder {
public:
    TSequenceBuilder(std::shared_ptr<TBlockStore> store, int channels);

    int Channels() const { return FChannels; }
    void AppendInterleaved(const float* data, std::int64_t frames);
    // `channels` holds one pointer per channel.
    void AppendPlanar(const float* const* channels, std::int64_t frames);
    // Silence shares one zero block, so long silences cost no memory.
    void AppendSilence(std::int64_t frames);
    // Lets `write` put `frames` planar frames straight into the block being filled (one pointer per
    // channel) when they fit there, saving a copy; otherwise it writes to scratch that is appended.
    template <typename Write> void AppendPlanarWith(std::int64_t frames, Write&& write) {
        if (FPending.Empty()) NextPending();
        if (FPendingFrames + frames <= TSampleBlock::PreferredFrames) {
            float* planes[2] = {FPending.Data() + FPendingFrames,
                                FPending.Data() + (FChannels > 1 ? TSampleBlock::PreferredFrames : 0) +
                                    FPendingFrames};
            write(static_cast<float* const*>(planes));
            FPendingFrames += frames;
            if (FPendingFrames == TSampleBlock::PreferredFrames) FlushPending();
            return;
        }
        FScratch.resize(std::size_t(frames * FChannels));
        float* planes[2] = {FScratch.data(), FScratch.data() + (FChannels > 1 ? frames : 0)};
        write(static_cast<float* const*>(planes));
        AppendPlanar(planes, frames);
    }
    void AppendSequence(const TSampleSequence& other);
    std::int64_t Frames() const { return FDone.Frames() + FPendingFrames; }
    TSampleSequence Finish();

private:
    void FlushPending();
    void NextPending();
    std::shared_ptr<TBlockStore> FStore;
    int FChannels;
    TSampleBuffer FPending; // planar, PreferredFrames per channel
    // While a long stream is appended, the next buffer is made ready on another thread.
    std::future<TSampleBuffer> FNext;
    std::int64_t FPendingFrames = 0;
    TSampleSequence FDone;
    std::vector<float> FScratch;
};
