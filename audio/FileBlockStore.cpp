// Blocks whose samples live in one unlinked temporary file, so that a document larger than memory can
// be edited.
#include "audio/BlockFile.h"
#include "audio/BlockStore.h"

namespace file_store_detail {

class TFileSamples final : public TStoredSamples {
public:
    TFileSamples(std::shared_ptr<TBlockFile> file, std::int64_t offset, int channels, std::int64_t frames)
        : FFile(std::move(file)), FOffset(offset), FChannels(channels), FFrames(frames) {}
    ~TFileSamples() override { FFile->Release(FOffset, Bytes()); }
    int Channels() const override { return FChannels; }
    std::int64_t Frames() const override { return FFrames; }
    void Read(int channel, std::int64_t offset, std::int64_t count, float* dst) const override {
        FFile->Read(FOffset + (channel * FFrames + offset) * std::int64_t(sizeof(float)), dst,
                    count * std::int64_t(sizeof(float)));
    }
    std::int64_t Bytes() const { return FChannels * FFrames * std::int64_t(sizeof(float)); }

private:
    std::shared_ptr<TBlockFile> FFile;
    std::int64_t FOffset;
    int FChannels;
    std::int64_t FFrames;
};

class TFileBlockStore final : public TBlockStore {
public:
    explicit TFileBlockStore(const std::string& folder) : FFile(std::make_shared<TBlockFile>(folder)) {}
    std::shared_ptr<const TStoredSamples> Store(const float* planar, int channels,
                                                std::int64_t frames) override {
        const std::int64_t bytes = channels * frames * std::int64_t(sizeof(float));
        return std::make_shared<TFileSamples>(FFile, FFile->Put(planar, bytes), channels, frames);
    }

private:
    std::shared_ptr<TBlockFile> FFile;
};

} // namespace file_store_detail

std::shared_ptr<TBlockStore> MakeFileBlockStore(const std::string& folder) {
    return std::make_shared<file_store_detail::TFileBlockStore>(folder);
}
