#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <sched.h>
#include <thread>
#include <vector>

namespace effects {

unsigned WorkerCount() {
    // The processors this process may run on (a container or a pinned run has fewer than the machine).
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return std::max(1u, std::thread::hardware_concurrency());
}

namespace parallel_detail {
// Runs the tasks on threads (the first on the caller's) and rethrows the first failure.
void RunAll(std::size_t taskCount, const std::function<void(std::size_t)>& task) {
    if (taskCount <= 1) {
        if (taskCount == 1) task(0);
        return;
    }
    std::exception_ptr failure;
    std::mutex failureLock;
    auto guarded = [&](std::size_t index) {
        try {
            task(index);
        } catch (...) {
            std::lock_guard lock(failureLock);
            if (!failure) failure = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(taskCount - 1);
    for (std::size_t i = 1; i < taskCount; ++i)
        threads.emplace_back(guarded, i);
    guarded(0);
    for (auto& thread : threads)
        thread.join();
    if (failure) std::rethrow_exception(failure);
}
} // namespace parallel_detail

void ParallelFor(std::size_t count, std::size_t minChunk,
                 const std::function<void(std::size_t, std::size_t)>& body) {
    if (count == 0) return;
    const std::size_t byWork = std::max<std::size_t>(1, count / std::max<std::size_t>(1, minChunk));
    const std::size_t pieces = std::min<std::size_t>(WorkerCount(), byWork);
    const std::size_t step = (count + pieces - 1) / pieces;
    parallel_detail::RunAll(pieces, [&](std::size_t piece) {
        const std::size_t begin = piece * step;
        const std::size_t end = std::min(count, begin + step);
        if (begin < end) body(begin, end);
    });
}

void ParallelEach(std::size_t count, bool worthWhile, const std::function<void(std::size_t)>& body) {
    if (!worthWhile || count <= 1 || WorkerCount() == 1) {
        for (std::size_t i = 0; i < count; ++i)
            body(i);
        return;
    }
    parallel_detail::RunAll(count, body);
}

} // namespace effects
