#include "audio/SampleBuffer.h"

#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace sample_buffer_detail {
// Large buffers are mapped with their pages made present at once, which costs far less than one
// page fault per 4 KB while a document is filled.
constexpr std::size_t kMapped = 1u << 20;

std::size_t MappedBytes(std::size_t count) {
    std::size_t page = 4096;
    return (count * sizeof(float) + page - 1) / page * page;
}
} // namespace sample_buffer_detail

TSampleBuffer::TSampleBuffer(std::size_t count) : FSize(count) {
    using namespace sample_buffer_detail;
    std::size_t bytes = count * sizeof(float);
    void* p = nullptr;
    if (bytes >= kMapped) {
        p = mmap(nullptr, MappedBytes(count), PROT_READ | PROT_WRITE,
                 MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
    } else {
        p = std::malloc(bytes ? bytes : 1);
        if (!p) throw std::bad_alloc();
    }
    FData = std::unique_ptr<float, TFree>(static_cast<float*>(p), TFree{FSize});
}

void TSampleBuffer::TFree::operator()(float* p) const {
    using namespace sample_buffer_detail;
    if (Count * sizeof(float) >= kMapped)
        munmap(p, MappedBytes(Count));
    else
        std::free(p);
}
