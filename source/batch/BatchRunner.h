// A batch run: the files of the list converted on worker threads, several at once (as many as the
// machine has cores, fewer when the commands keep whole files in memory), each by a converter of its
// own. The window that started the run asks for what happened (finished files, the progress of those
// being converted) from its own thread; a stop request ends every file being converted at its next
// block and starts no other.
#pragma once

#include "source/GlobalVars.h"
#include "source/batch/BatchFileConverter.h"
#include "source/batch/BatchOutputNames.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct TBatchJob {
    std::string Source;       // full path
    std::string OutputFolder; // with its trailing separator
};

class TBatchRunner {
public:
    TBatchRunner(const TGlobalVars& Settings, std::vector<TBatchCommand> Commands,
                 std::vector<TBatchJob> Jobs, unsigned Workers = 0);
    ~TBatchRunner(); // stops the run and waits for its threads
    TBatchRunner(const TBatchRunner&) = delete;
    TBatchRunner& operator=(const TBatchRunner&) = delete;

    void Start();
    void RequestStop() { FStop = true; }
    bool StopRequested() const { return FStop; }

    struct TFinished {
        std::size_t Job;
        TBatchFileResult Result;
    };
    // The files finished since the last call, in the order they finished.
    std::vector<TFinished> TakeFinished();
    // The job being converted that started first, and its percent; false when none is.
    bool Current(std::size_t& Job, int& Percent) const;
    // Every job is finished (or, after a stop, every started one) and the threads are idle.
    bool Done() const { return FActive == 0 && FStarted; }
    unsigned Workers() const { return FWorkers; }

private:
    void Work();

    TGlobalVars FSettings;
    std::vector<TBatchCommand> FCommands;
    std::vector<TBatchJob> FJobs;
    unsigned FWorkers;
    TBatchOutputNames FNames;
    std::atomic<bool> FStop{false};
    std::atomic<std::size_t> FNext{0};
    std::atomic<unsigned> FActive{0};
    bool FStarted = false;
    std::unique_ptr<std::atomic<int>[]> FPercent; // per job: -1 not running, else percent
    mutable std::mutex FLock;
    std::vector<TFinished> FFinished;
    std::vector<std::thread> FThreads;
};

// Workers worth using for Files files with these commands on this machine.
unsigned BatchWorkerCount(std::size_t Files, const std::vector<TBatchCommand>& Commands);
