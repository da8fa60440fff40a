// Times commands as whole processes, side by side: the two commands of a pair run in turn (A B A B ...)
// and the ratio of their wall times is taken pair by pair, so a drift in the machine's speed during the
// run touches both alike; the median of the pairs is the figure. The processor time each used (user and
// system, its threads added up) is kept too: it tells how the wall time will scale on a machine with
// fewer processors, which the wall time of a run on many cannot.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace whole_process {

struct TRun {
    double Seconds = 0;
    double CpuSeconds = 0;
    double PeakMb = 0;
    bool Ok = false;
};

// Runs the command (no shell; its output goes to /dev/null) and waits for it.
inline TRun Run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    TRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        run.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        run.PeakMb = double(usage.ru_maxrss) / 1024.0;
        run.CpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

struct TPair {
    double Ours = 0, Reference = 0, Ratio = 0; // medians of the wall times and of their ratios
    double OursCpu = 0, ReferenceCpu = 0;      // medians of the processor times
    double OursPeakMb = 0;
    bool Ok = true;
};

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// One warm-up of each, then `runs` pairs.
inline TPair Compare(const std::vector<std::string>& ours, const std::vector<std::string>& reference,
                     int runs) {
    TPair pair;
    Run(ours);
    Run(reference);
    std::vector<double> a, b, ratios, peaks, aCpu, bCpu;
    for (int i = 0; i < runs; ++i) {
        TRun x = Run(ours), y = Run(reference);
        pair.Ok = pair.Ok && x.Ok && y.Ok;
        a.push_back(x.Seconds);
        b.push_back(y.Seconds);
        ratios.push_back(x.Seconds / y.Seconds);
        peaks.push_back(x.PeakMb);
        aCpu.push_back(x.CpuSeconds);
        bCpu.push_back(y.CpuSeconds);
    }
    pair.Ours = Median(a);
    pair.Reference = Median(b);
    pair.Ratio = Median(ratios);
    pair.OursPeakMb = Median(peaks);
    pair.OursCpu = Median(aCpu);
    pair.ReferenceCpu = Median(bCpu);
    return pair;
}

} // namespace whole_process
