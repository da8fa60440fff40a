// Summaries of sample blocks at the steps between the blocks' own (256 and 4096 frames and the whole
// block): 1024, 16384 and 65536 frames. With them a pixel column of the waveform view is always made of
// 4 to 16 summaries, however many frames it covers, so drawing costs the same for any length and zoom.
// Made for a block on first use and kept while the block lives.
#pragma once

#include "audio/SampleBlock.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class TSummaryLevels {
public:
    // The steps columns are cut at, smallest first; each is four times the one before.
    static constexpr std::int64_t Steps[] = {
        TSampleBlock::FineStep, 1024, TSampleBlock::CoarseStep, 16384, 65536, TSampleBlock::PreferredFrames};

    TSummaryLevels();
    ~TSummaryLevels();
    // Frames [from, to) of one channel of a block, where `from` is a multiple of `step` (one of Steps)
    // and `to` a multiple of it or the block's end.
    TRangeSummary Summarize(const std::shared_ptr<const TSampleBlock>& block, int channel, std::int64_t from,
                            std::int64_t to, std::int64_t step);
    // Forgets the levels of blocks that are gone.
    void Trim();

private:
    struct TBlockLevels;
    const std::vector<TRangeSummary>& Level(const std::shared_ptr<const TSampleBlock>& block, int channel,
                                            std::int64_t step);
    std::unordered_map<const TSampleBlock*, std::unique_ptr<TBlockLevels>> FBlocks;
    const TSampleBlock* FLastBlock = nullptr; // cleared by Trim, the only place entries go
    TBlockLevels* FLastLevels = nullptr;
};
