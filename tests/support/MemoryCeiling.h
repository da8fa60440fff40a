// Shows that a decoder refuses a hostile file before asking for the memory the file claims: the work runs
// in a child process whose address space may grow by a fixed amount only (so an old fault cannot take the
// machine's memory), and every block requested from malloc meanwhile (operator new, libpng and libjpeg
// all allocate through it) is measured against that amount. Under the address sanitizer, which owns
// malloc and reserves terabytes up front, neither can be done and the callers skip.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <functional>

#if defined(__SANITIZE_ADDRESS__)
#define OLVA_MEMORY_CEILING_AVAILABLE 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OLVA_MEMORY_CEILING_AVAILABLE 0
#endif
#endif
#ifndef OLVA_MEMORY_CEILING_AVAILABLE
#define OLVA_MEMORY_CEILING_AVAILABLE 1
#endif

namespace memory_ceiling {

constexpr bool Available = OLVA_MEMORY_CEILING_AVAILABLE != 0;

inline std::atomic<bool> Measuring{false};
inline std::atomic<std::size_t> LargestRequest{0};

// The process's current address-space size.
inline std::size_t AddressSpaceBytes() {
    std::size_t pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%zu", &pages) != 1) pages = 0;
        std::fclose(f);
    }
    return pages * std::size_t(::sysconf(_SC_PAGESIZE));
}

// Runs Work in a child whose address space may grow by ExtraBytes only; with MeasureRequests, a block of
// more than ExtraBytes asked of malloc fails the run even where the allocation itself failed.
inline bool RunLimited(std::size_t ExtraBytes, bool MeasureRequests, const std::function<bool()>& Work) {
    if (!Available) return false;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = AddressSpaceBytes() + ExtraBytes;
        ::setrlimit(RLIMIT_AS, &limit);
        bool ok = false;
        LargestRequest = 0;
        Measuring = true;
        try {
            ok = Work();
        } catch (...) {
        }
        Measuring = false;
        ::_exit(ok && (!MeasureRequests || LargestRequest <= ExtraBytes) ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// True when Work returns true in a child that neither asks malloc for a block of more than ExtraBytes nor
// maps more than ExtraBytes beyond what this process has now; an exception or a crash counts as false.
inline bool WithinMemory(std::size_t ExtraBytes, const std::function<bool()>& Work) {
    return RunLimited(ExtraBytes, true, Work);
}

// True when Work returns true in a child short of memory: its address space may grow by ExtraBytes
// only, and larger requests simply fail, as on a machine that has no more.
inline bool UnderAddressLimit(std::size_t ExtraBytes, const std::function<bool()>& Work) {
    return RunLimited(ExtraBytes, false, Work);
}

} // namespace memory_ceiling

#if OLVA_MEMORY_CEILING_AVAILABLE
// The C library's allocator behind the measuring one; a weak definition, so that every test file may
// include this header.
extern "C" void* __libc_malloc(std::size_t size);
extern "C" __attribute__((weak)) void* malloc(std::size_t size) {
    if (memory_ceiling::Measuring.load(std::memory_order_relaxed)) {
        std::size_t largest = memory_ceiling::LargestRequest.load(std::memory_order_relaxed);
        while (size > largest && !memory_ceiling::LargestRequest.compare_exchange_weak(largest, size)) {
        }
    }
    return __libc_malloc(size);
}
#endif
