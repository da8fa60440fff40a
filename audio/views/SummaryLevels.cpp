#include "audio/views/SummaryLevels.h"

#include <algorithm>

struct TSummaryLevels::TBlockLevels {
    std::weak_ptr<const TSampleBlock> Block;
    // [channel][level]: levels 1024, 16384 and 65536, empty until first asked for.
    std::vector<std::vector<std::vector<TRangeSummary>>> Channels;
};

TSummaryLevels::TSummaryLevels() = default;
TSummaryLevels::~TSummaryLevels() = default;

namespace {

// Index of a step the blocks do not keep themselves, or -1.
int OwnLevel(std::int64_t step) {
    switch (step) {
    case 1024:
        return 0;
    case 16384:
        return 1;
    case 65536:
        return 2;
    default:
        return -1;
    }
}

} // namespace

const std::vector<TRangeSummary>& TSummaryLevels::Level(const std::shared_ptr<const TSampleBlock>& block,
                                                        int channel, std::int64_t step) {
    // Neighbouring columns mostly read the same block: the last one is at hand without a look-up.
    if (block.get() != FLastBlock) {
        std::unique_ptr<TBlockLevels>& entry = FBlocks[block.get()];
        // A live entry's block is this one (it holds the address while it lives); an expired one was
        // a freed block at the same address.
        if (!entry || entry->Block.expired()) {
            entry = std::make_unique<TBlockLevels>();
            entry->Block = block;
            entry->Channels.assign(std::size_t(block->Channels()),
                                   std::vector<std::vector<TRangeSummary>>(3));
        }
        FLastBlock = block.get();
        FLastLevels = entry.get();
    }
    std::vector<TRangeSummary>& level =
        FLastLevels->Channels[std::size_t(channel)][std::size_t(OwnLevel(step))];
    if (level.empty()) {
        // Each entry from the block's own summaries (whole fine or coarse steps: no sample is read).
        const std::int64_t frames = block->Frames();
        for (std::int64_t at = 0; at < frames; at += step)
            level.push_back(block->Summarize(channel, at, std::min(step, frames - at)));
    }
    return level;
}

TRangeSummary TSummaryLevels::Summarize(const std::shared_ptr<const TSampleBlock>& block, int channel,
                                        std::int64_t from, std::int64_t to, std::int64_t step) {
    if (OwnLevel(step) < 0) return block->Summarize(channel, from, to - from);
    const std::vector<TRangeSummary>& level = Level(block, channel, step);
    TRangeSummary sum;
    for (std::int64_t i = from / step, last = (to + step - 1) / step; i < last; ++i)
        sum.Merge(level[std::size_t(i)]);
    return sum;
}

void TSummaryLevels::Trim() {
    FLastBlock = nullptr;
    FLastLevels = nullptr;
    for (auto it = FBlocks.begin(); it != FBlocks.end();)
        it = it->second->Block.expired() ? FBlocks.erase(it) : std::next(it);
}
