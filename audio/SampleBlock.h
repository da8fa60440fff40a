// One immutable run of planar samples with its min/max/RMS summaries. Blocks are shared between
// document versions, the clipboard and the undo history; nothing ever changes one after creation.
#pragma once

#include "audio/BlockStore.h"

#include <cstdint>
#include <memory>
#include <vector>

// Min, max and sum of squares over a stretch of one channel.
struct TRangeSummary {
    float Min = 0;
    float Max = 0;
    double SumSquares = 0;
    std::int64_t Count = 0;

    double Rms() const;
    void Merge(const TRangeSummary& other);
};

class TSampleBlock {
public:
    // Frames per entry of the fine and the coarse summary level.
    static constexpr std::int64_t FineStep = 256;
    static constexpr std::int64_t CoarseStep = 4096;
    // The size an edit aims for when it cuts new blocks.
    static constexpr std::int64_t PreferredFrames = 262144;

    static std::shared_ptr<const TSampleBlock> Create(TBlockStore& store, const float* planar, int channels,
                                                      std::int64_t frames);
    // The same for planar samples handed over; a memory store keeps them without a copy.
    static std::shared_ptr<const TSampleBlock> Create(TBlockStore& store, TSampleBuffer&& planar,
                                                      int channels, std::int64_t frames);

    int Channels() const { return FSamples->Channels(); }
    std::int64_t Frames() const { return FSamples->Frames(); }
    void Read(int channel, std::int64_t offset, std::int64_t count, float* dst) const {
        FSamples->Read(channel, offset, count, dst);
    }
    // Moves the samples to the store's temporary file when they are in memory (see TStoredSamples).
    std::int64_t MoveToDisk() const { return FSamples->MoveToDisk(); }
    // Summary of frames [offset, offset + count) of one channel, from the summaries where they cover
    // whole steps and from the samples at the edges.
    TRangeSummary Summarize(int channel, std::int64_t offset, std::int64_t count) const;

private:
    struct TSummaryEntry {
        float Min, Max, SumSquares;
    };
    TSampleBlock() = default;
    static std::shared_ptr<TSampleBlock> Summarized(const float* planar, int channels, std::int64_t frames);
    std::shared_ptr<const TStoredSamples> FSamples;
    std::vector<TSummaryEntry> FFine;   // [channel][frame / FineStep]
    std::vector<TSummaryEntry> FCoarse; // [channel][frame / CoarseStep]
    std::vector<TRangeSummary> FWhole;  // [channel]: the whole block, so far zooms cost one entry a block
    std::int64_t FFinePerChannel = 0;
    std::int64_t FCoarsePerChannel = 0;
};
