// Blocks whose samples stay in memory.
#include "audio/BlockStore.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace memory_store_detail {

class TMemorySamples final : public TStoredSamples {
public:
    TMemorySamples(const float* planar, int channels, std::int64_t frames)
        : FChannels(channels), FFrames(frames), FData(planar, planar + channels * frames) {}
    int Channels() const override { return FChannels; }
    std::int64_t Frames() const override { return FFrames; }
    void Read(int channel, std::int64_t offset, std::int64_t count, float* dst) const override {
        std::memcpy(dst, FData.data() + channel * FFrames + offset, sizeof(float) * count);
    }

private:
    int FChannels;
    std::int64_t FFrames;
    std::vector<float> FData;
};

class TMemoryBlockStore final : public TBlockStore {
public:
    std::shared_ptr<const TStoredSamples> Store(const float* planar, int channels,
                                                std::int64_t frames) override {
        return std::make_shared<TMemorySamples>(planar, channels, frames);
    }
};

} // namespace memory_store_detail

std::shared_ptr<TBlockStore> MakeMemoryBlockStore() {
    return std::make_shared<memory_store_detail::TMemoryBlockStore>();
}
