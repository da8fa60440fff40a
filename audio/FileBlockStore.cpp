// Blocks whose samples live in one unlinked temporary file, so that a document larger than memory can
// be edited. Freed extents are reused by later blocks of the same size.
#include "audio/AudioError.h"
#include "audio/BlockStore.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>
#include <vector>

namespace file_store_detail {

class TStoreFile {
public:
    explicit TStoreFile(const std::string& folder) {
        std::string pattern = folder;
        if (pattern.empty()) pattern = ".";
        if (pattern.back() != '/') pattern += '/';
        pattern += "olva-blocks-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        FHandle = mkstemp(name.data());
        if (FHandle < 0)
            throw EAudioError("Cannot create a temporary file in \"" + folder +
                              "\": " + std::strerror(errno));
        unlink(name.data());
    }
    ~TStoreFile() {
        if (FHandle >= 0) close(FHandle);
    }

    std::int64_t Allocate(std::int64_t bytes) {
        std::lock_guard lock(FMutex);
        auto free = FFree.find(bytes);
        if (free != FFree.end() && !free->second.empty()) {
            std::int64_t offset = free->second.back();
            free->second.pop_back();
            return offset;
        }
        std::int64_t offset = FEnd;
        FEnd += bytes;
        return offset;
    }
    void Release(std::int64_t offset, std::int64_t bytes) {
        std::lock_guard lock(FMutex);
        FFree[bytes].push_back(offset);
    }
    void Write(std::int64_t offset, const void* data, std::int64_t bytes) {
        auto* p = static_cast<const char*>(data);
        while (bytes > 0) {
            ssize_t n = pwrite(FHandle, p, static_cast<std::size_t>(bytes), offset);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                throw EAudioError(std::string("Cannot write to the temporary folder: ") +
                                  (n < 0 ? std::strerror(errno) : "the disk is full"));
            p += n;
            offset += n;
            bytes -= n;
        }
    }
    void Read(std::int64_t offset, void* data, std::int64_t bytes) const {
        auto* p = static_cast<char*>(data);
        while (bytes > 0) {
            ssize_t n = pread(FHandle, p, static_cast<std::size_t>(bytes), offset);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) throw EAudioError("Cannot read from the temporary folder.");
            p += n;
            offset += n;
            bytes -= n;
        }
    }

private:
    int FHandle = -1;
    std::mutex FMutex;
    std::int64_t FEnd = 0;
    std::map<std::int64_t, std::vector<std::int64_t>> FFree;
};

class TFileSamples final : public TStoredSamples {
public:
    TFileSamples(std::shared_ptr<TStoreFile> file, std::int64_t offset, int channels, std::int64_t frames)
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
    std::shared_ptr<TStoreFile> FFile;
    std::int64_t FOffset;
    int FChannels;
    std::int64_t FFrames;
};

class TFileBlockStore final : public TBlockStore {
public:
    explicit TFileBlockStore(const std::string& folder) : FFile(std::make_shared<TStoreFile>(folder)) {}
    std::shared_ptr<const TStoredSamples> Store(const float* planar, int channels,
                                                std::int64_t frames) override {
        std::int64_t bytes = channels * frames * std::int64_t(sizeof(float));
        std::int64_t offset = FFile->Allocate(bytes);
        try {
            FFile->Write(offset, planar, bytes);
        } catch (...) {
            FFile->Release(offset, bytes);
            throw;
        }
        return std::make_shared<TFileSamples>(FFile, offset, channels, frames);
    }

private:
    std::shared_ptr<TStoreFile> FFile;
};

} // namespace file_store_detail

std::shared_ptr<TBlockStore> MakeFileBlockStore(const std::string& folder) {
    return std::make_shared<file_store_detail::TFileBlockStore>(folder);
}
