// Runs independent pieces of work on the machine's cores, on threads kept for the whole program (a
// process made by fork gets threads of its own). Work too small to pay for a thread runs on the
// caller's thread; a call from inside a piece of work is allowed.
#pragma once

#include <cstddef>
#include <functional>

namespace effects {

// Number of worker threads worth using: the processors this process may run on, at least 1.
unsigned WorkerCount();

// Splits [0, count) into contiguous ranges of at least minChunk items and calls body(begin, end) for each,
// in parallel; returns when all are done. An exception thrown by a body is rethrown on the caller's thread.
void ParallelFor(std::size_t count, std::size_t minChunk,
                 const std::function<void(std::size_t, std::size_t)>& body);

// Calls body(i) for every i in [0, count), side by side when worthWhile, else in turn on the caller's
// thread.
void ParallelEach(std::size_t count, bool worthWhile, const std::function<void(std::size_t)>& body);

} // namespace effects
