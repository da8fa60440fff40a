#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <sched.h>
#include <thread>
#include <unistd.h>
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

// One call's tasks. Whoever is free takes the next index; the caller takes them too, so a call made
// from inside a task (or while every worker is busy) still finishes.
struct TJob {
    const std::function<void(std::size_t)>* Task = nullptr;
    std::size_t Count = 0;
    std::atomic<std::size_t> Next{0};
    std::atomic<std::size_t> Done{0};
    std::mutex Lock;
    std::condition_variable Finished;
    std::exception_ptr Failure;

    // Runs tasks until none is left to take; false when there was none.
    bool RunSome() {
        bool ran = false;
        for (std::size_t i = Next++; i < Count; i = Next++) {
            ran = true;
            try {
                (*Task)(i);
            } catch (...) {
                std::lock_guard guard(Lock);
                if (!Failure) Failure = std::current_exception();
            }
            if (++Done == Count) {
                std::lock_guard guard(Lock);
                Finished.notify_all();
            }
        }
        return ran;
    }
};

// Threads kept for the whole program: starting threads for every block of a long signal costs more than
// the work of cheap effects. The workers wait for jobs and never end (they are detached: a process may
// end while they wait).
class TPool {
public:
    explicit TPool(unsigned workers) {
        for (unsigned i = 0; i < workers; ++i)
            std::thread([this] { Work(); }).detach();
    }

    void Run(std::size_t count, const std::function<void(std::size_t)>& task) {
        auto job = std::make_shared<TJob>();
        job->Task = &task;
        job->Count = count;
        {
            std::lock_guard guard(FLock);
            FJobs.push_back(job);
        }
        if (count > 2)
            FWake.notify_all();
        else
            FWake.notify_one();
        job->RunSome();
        {
            std::unique_lock guard(job->Lock);
            job->Finished.wait(guard, [&] { return job->Done.load() == job->Count; });
        }
        {
            std::lock_guard guard(FLock);
            FJobs.erase(std::remove(FJobs.begin(), FJobs.end(), job), FJobs.end());
        }
        if (job->Failure) std::rethrow_exception(job->Failure);
    }

private:
    void Work() {
        for (;;) {
            std::shared_ptr<TJob> job;
            {
                std::unique_lock guard(FLock);
                FWake.wait(guard, [&] {
                    for (auto& waiting : FJobs)
                        if (waiting->Next.load() < waiting->Count) return true;
                    return false;
                });
                for (auto& waiting : FJobs)
                    if (waiting->Next.load() < waiting->Count) {
                        job = waiting;
                        break;
                    }
            }
            if (job) job->RunSome();
        }
    }

    std::mutex FLock;
    std::condition_variable FWake;
    std::deque<std::shared_ptr<TJob>> FJobs;
};

// The pool of this process. A child made by fork has none of its parent's threads: it starts its own
// (the parent's pool object is left alone, since its lock may have been held at the fork).
TPool& Pool() {
    static std::mutex lock;
    static TPool* pool = nullptr;
    static pid_t owner = 0;
    std::lock_guard guard(lock);
    if (!pool || owner != getpid()) {
        pool = new TPool(std::max(1u, WorkerCount()) - 1);
        owner = getpid();
    }
    return *pool;
}

// Runs the tasks on the pool's threads and the caller's, and rethrows the first failure.
void RunAll(std::size_t taskCount, const std::function<void(std::size_t)>& task) {
    if (taskCount <= 1 || WorkerCount() == 1) {
        for (std::size_t i = 0; i < taskCount; ++i)
            task(i);
        return;
    }
    Pool().Run(taskCount, task);
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
    if (!worthWhile || count <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            body(i);
        return;
    }
    parallel_detail::RunAll(count, body);
}

} // namespace effects
