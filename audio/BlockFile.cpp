#include "audio/BlockFile.h"

#include "audio/AudioError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

TBlockFile::TBlockFile(const std::string& folder) {
    std::string pattern = folder;
    if (pattern.empty()) pattern = ".";
    if (pattern.back() != '/') pattern += '/';
    pattern += "olva-blocks-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    FHandle = mkstemp(name.data());
    if (FHandle < 0)
        throw EAudioError("Cannot create a temporary file in \"" + folder + "\": " + std::strerror(errno));
    unlink(name.data());
}

TBlockFile::~TBlockFile() {
    if (FHandle >= 0) close(FHandle);
}

std::int64_t TBlockFile::Allocate(std::int64_t bytes) {
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

void TBlockFile::Release(std::int64_t offset, std::int64_t bytes) {
    std::lock_guard lock(FMutex);
    FFree[bytes].push_back(offset);
}

void TBlockFile::Write(std::int64_t offset, const void* data, std::int64_t bytes) {
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

void TBlockFile::Read(std::int64_t offset, void* data, std::int64_t bytes) const {
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

std::int64_t TBlockFile::Put(const void* data, std::int64_t bytes) {
    const std::int64_t offset = Allocate(bytes);
    try {
        Write(offset, data, bytes);
    } catch (...) {
        Release(offset, bytes);
        throw;
    }
    return offset;
}
