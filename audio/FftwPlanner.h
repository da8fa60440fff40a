// FFTW's planner (making and destroying plans) is not safe to enter from two threads at once, while
// executing plans on buffers of their own is. Every place that plans or destroys a plan holds this one
// lock, so the pitch shifter's worker threads and the views' analyser never plan side by side.
#pragma once

#include <mutex>

inline std::mutex& ovFftwPlannerLock() {
    static std::mutex lock;
    return lock;
}
