// Blocks whose samples stay in memory; given a temporary folder, blocks can be moved there when only
// the undo history still needs them.
#include "audio/AudioError.h"
#include "audio/BlockFile.h"
#include "audio/BlockStore.h"

#include <cstring>
#include <shared_mutex>

namespace memory_store_detail {

// The file that moved blocks go to, made when the first one moves.
class TSpillFile {
public:
    explicit TSpillFile(std::string folder) : FFolder(std::move(folder)) {}
    std::shared_ptr<TBlockFile> File() {
        std::lock_guard lock(FMutex);
        if (!FFile) FFile = std::make_shared<TBlockFile>(FFolder);
        return FFile;
    }

private:
    std::string FFolder;
    std::mutex FMutex;
    std::shared_ptr<TBlockFile> FFile;
};

class TMemorySamples final : public TStoredSamples {
public:
    TMemorySamples(std::shared_ptr<TSpillFile> spill, TSampleBuffer&& planar, int channels,
                   std::int64_t frames)
        : FSpill(std::move(spill)), FChannels(channels), FFrames(frames), FData(std::move(planar)) {}
    ~TMemorySamples() override {
        if (FFile) FFile->Release(FOffset, Bytes());
    }
    int Channels() const override { return FChannels; }
    std::int64_t Frames() const override { return FFrames; }
    void Read(int channel, std::int64_t offset, std::int64_t count, float* dst) const override {
        std::shared_lock lock(FMutex);
        if (FFile)
            FFile->Read(FOffset + (channel * FFrames + offset) * std::int64_t(sizeof(float)), dst,
                        count * std::int64_t(sizeof(float)));
        else
            std::memcpy(dst, FData.Data() + channel * FFrames + offset, sizeof(float) * count);
    }
    std::int64_t MoveToDisk() const override {
        if (!FSpill) return 0;
        std::unique_lock lock(FMutex);
        if (FFile) return 0;
        try {
            std::shared_ptr<TBlockFile> file = FSpill->File();
            FOffset = file->Put(FData.Data(), Bytes());
            FFile = std::move(file);
        } catch (const EAudioError&) {
            return 0; // no room in the temporary folder: the samples stay where they are
        }
        FData = TSampleBuffer();
        return Bytes();
    }

private:
    std::int64_t Bytes() const { return FChannels * FFrames * std::int64_t(sizeof(float)); }

    std::shared_ptr<TSpillFile> FSpill;
    int FChannels;
    std::int64_t FFrames;
    // Where the samples are: in memory until they move, then at FOffset of FFile. Reads share the
    // lock; a move takes it alone.
    mutable std::shared_mutex FMutex;
    mutable TSampleBuffer FData;
    mutable std::shared_ptr<TBlockFile> FFile;
    mutable std::int64_t FOffset = 0;
};

class TMemoryBlockStore final : public TBlockStore {
public:
    explicit TMemoryBlockStore(const std::string& spillFolder) {
        if (!spillFolder.empty()) FSpill = std::make_shared<TSpillFile>(spillFolder);
    }
    std::shared_ptr<const TStoredSamples> Store(const float* planar, int channels,
                                                std::int64_t frames) override {
        TSampleBuffer copy(std::size_t(channels * frames));
        std::memcpy(copy.Data(), planar, sizeof(float) * channels * frames);
        return StoreOwned(std::move(copy), channels, frames);
    }
    std::shared_ptr<const TStoredSamples> StoreOwned(TSampleBuffer&& planar, int channels,
                                                     std::int64_t frames) override {
        return std::make_shared<TMemorySamples>(FSpill, std::move(planar), channels, frames);
    }

private:
    std::shared_ptr<TSpillFile> FSpill;
};

} // namespace memory_store_detail

std::shared_ptr<TBlockStore> MakeMemoryBlockStore(const std::string& spillFolder) {
    return std::make_shared<memory_store_detail::TMemoryBlockStore>(spillFolder);
}
