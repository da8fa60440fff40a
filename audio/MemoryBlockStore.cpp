// Blocks whose samples stay in memory.
#include "audio/BlockStore.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace memory_store_detail {

class TMemorySamples final : public TStoredSamples {
public:
    TMemorySamples(const float* planar, int channels, std::int64_t frames)
        : FChannels(channels), FFrames(frames), FData(std::size_t(channels * frames)) {
        std::memcpy(FData.Data(), planar, sizeof(float) * channels * frames);
    }
    TMemorySamples(TSampleBuffer&& planar, int channels, std::int64_t frames)
        : FChannels(channels), FFrames(frames), FData(std::move(planar)) {}
    int Channels() const override { return FChannels; }
    std::int64_t Frames() const override { return FFrames; }
    void Read(int channel, std::int64_t offset, std::int64_t count, float* dst) const override {
        std::memcpy(dst, FData.Data() + channel * FFrames + offset, sizeof(float) * count);
    }

private:
    int FChannels;
    std::int64_t FFrames;
    TSampleBuffer FData;
};

class TMemoryBlockStore final : public TBlockStore {
public:
    std::shared_ptr<const TStoredSamples> Store(const float* planar, int channels,
                                                std::int64_t frames) override {
        return std::make_shared<TMemorySamples>(planar, channels, frames);
    }
    std::shared_ptr<const TStoredSamples> StoreOwned(TSampleBuffer&& planar, int channels,
                                                     std::int64_t frames) override {
        return std::make_shared<TMemorySamples>(std::move(planar), channels, frames);
    }
};

} // namespace memory_store_detail

std::shared_ptr<TBlockStore> MakeMemoryBlockStore() {
    return std::make_shared<memory_store_detail::TMemoryBlockStore>();
}
