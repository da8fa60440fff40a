// One unlinked temporary file that holds the samples of many blocks, each at an extent of its own;
// freed extents are reused by later blocks of the same size. The file vanishes with its last user and
// with the process. Safe to use from several threads at once.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class TBlockFile {
public:
    // Raises EAudioError when no file can be made in `folder`.
    explicit TBlockFile(const std::string& folder);
    ~TBlockFile();
    TBlockFile(const TBlockFile&) = delete;
    TBlockFile& operator=(const TBlockFile&) = delete;

    std::int64_t Allocate(std::int64_t bytes);
    void Release(std::int64_t offset, std::int64_t bytes);
    // Raise EAudioError with the reason (a full disk, for example).
    void Write(std::int64_t offset, const void* data, std::int64_t bytes);
    void Read(std::int64_t offset, void* data, std::int64_t bytes) const;
    // Allocates an extent and writes to it; on failure nothing stays allocated.
    std::int64_t Put(const void* data, std::int64_t bytes);

private:
    int FHandle = -1;
    std::mutex FMutex;
    std::int64_t FEnd = 0;
    std::map<std::int64_t, std::vector<std::int64_t>> FFree;
};
