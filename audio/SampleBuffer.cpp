#include "audio/SampleBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <vector>

namespace sample_buffer_detail {
// Filling fresh memory costs a page fault per 4 KB, and on a virtual machine the host must also back
// every page the first time it is written: measured, filling 200 MB of fresh 4 KB pages took 0.3 to
// 0.8 s even after they were made present. Large buffers are therefore mapped on 2 MB boundaries and
// asked for as huge pages (filling the same 200 MB then took 0.01 to 0.2 s), made present in one call,
// and kept for reuse when they are released, so that the blocks of an edit or of a document opened
// after another one was dropped fill memory that is already there. A block of stereo samples is one
// huge page; where the system gives no huge pages the buffer works the same with small ones.
constexpr std::size_t kMapped = 1u << 20;
constexpr std::size_t kPage = 4096;
// Released buffers kept for reuse, at most this many bytes: enough for the working blocks of an edit
// or of a document being opened, little enough not to hold memory a closed document gave back.
constexpr std::size_t kPoolBytes = 64u << 20;

std::size_t MappedBytes(std::size_t count) {
    return (count * sizeof(float) + kPage - 1) / kPage * kPage;
}

constexpr std::size_t kHugePage = 2u << 20;

void* MapFresh(std::size_t bytes) {
    if (bytes < kHugePage) {
        void* p =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        return p;
    }
    // Over-map by a huge page and give back the ends, leaving a range that starts on a 2 MB boundary.
    const std::size_t span = bytes + kHugePage;
    void* raw = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) & ~std::uintptr_t(kHugePage - 1);
    if (aligned > start) munmap(raw, aligned - start);
    const std::size_t tail = start + span - (aligned + bytes);
    if (tail > 0) munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    void* p = reinterpret_cast<void*>(aligned);
    madvise(p, bytes, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    if (madvise(p, bytes, MADV_POPULATE_WRITE) == 0) return p;
#endif
    // An older system: touch a byte a page.
    for (std::size_t at = 0; at < bytes; at += kPage)
        static_cast<volatile char*>(p)[at] = 0;
    return p;
}

class TPool {
public:
    void* Take(std::size_t bytes) {
        std::lock_guard lock(FMutex);
        auto found = FFree.find(bytes);
        if (found == FFree.end() || found->second.empty()) return nullptr;
        void* p = found->second.back();
        found->second.pop_back();
        FBytes -= bytes;
        return p;
    }
    bool Keep(void* p, std::size_t bytes) {
        std::lock_guard lock(FMutex);
        if (FBytes + bytes > kPoolBytes) return false;
        FFree[bytes].push_back(p);
        FBytes += bytes;
        return true;
    }

private:
    std::mutex FMutex;
    std::map<std::size_t, std::vector<void*>> FFree;
    std::size_t FBytes = 0;
};

TPool& Pool() {
    static TPool* pool = new TPool(); // never destroyed: buffers may be released during exit
    return *pool;
}
} // namespace sample_buffer_detail

TSampleBuffer::TSampleBuffer(std::size_t count) : FSize(count) {
    using namespace sample_buffer_detail;
    std::size_t bytes = count * sizeof(float);
    void* p = nullptr;
    if (bytes >= kMapped) {
        std::size_t mapped = MappedBytes(count);
        p = Pool().Take(mapped);
        if (!p) p = MapFresh(mapped);
    } else {
        p = std::malloc(bytes ? bytes : 1);
        if (!p) throw std::bad_alloc();
    }
    FData = std::unique_ptr<float, TFree>(static_cast<float*>(p), TFree{FSize});
}

void TSampleBuffer::TFree::operator()(float* p) const {
    using namespace sample_buffer_detail;
    if (Count * sizeof(float) >= kMapped) {
        std::size_t mapped = MappedBytes(Count);
        if (!Pool().Keep(p, mapped)) munmap(p, mapped);
    } else {
        std::free(p);
    }
}
