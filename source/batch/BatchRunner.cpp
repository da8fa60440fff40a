#include "source/batch/BatchRunner.h"

#include <algorithm>

unsigned BatchWorkerCount(std::size_t Files, const std::vector<TBatchCommand>& Commands) {
    unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    // A normalize holds its file's samples until the end: two such files at a time bound the memory.
    const bool holdsWholeFiles = std::any_of(Commands.begin(), Commands.end(), [](const TBatchCommand& c) {
        return c.Kind == TBatchCommandKind::Normalize;
    });
    if (holdsWholeFiles) cores = std::min(cores, 2u);
    return static_cast<unsigned>(std::max<std::size_t>(1, std::min<std::size_t>(cores, Files)));
}

TBatchRunner::TBatchRunner(const TGlobalVars& Settings, std::vector<TBatchCommand> Commands,
                           std::vector<TBatchJob> Jobs, unsigned Workers)
    : FSettings(Settings), FCommands(std::move(Commands)), FJobs(std::move(Jobs)),
      FWorkers(Workers > 0 ? Workers : BatchWorkerCount(FJobs.size(), FCommands)),
      FPercent(new std::atomic<int>[FJobs.size() + 1]) {
    for (std::size_t i = 0; i < FJobs.size(); ++i)
        FPercent[i] = -1;
}

TBatchRunner::~TBatchRunner() {
    FStop = true;
    for (std::thread& thread : FThreads)
        if (thread.joinable()) thread.join();
}

void TBatchRunner::Start() {
    FStarted = true;
    FActive = FWorkers;
    for (unsigned i = 0; i < FWorkers; ++i)
        FThreads.emplace_back([this] { Work(); });
}

void TBatchRunner::Work() {
    TBatchFileConverter converter(FSettings, FCommands, FNames);
    for (;;) {
        if (FStop) break;
        const std::size_t job = FNext++;
        if (job >= FJobs.size()) break;
        FPercent[job] = 0;
        TBatchFileResult result;
        try {
            result = converter.Convert(FJobs[job].Source, FJobs[job].OutputFolder, FStop,
                                       [this, job](int percent) { FPercent[job] = percent; });
        } catch (const std::exception& e) {
            result.Message =
                "An error occurred while processing file \"" + FJobs[job].Source + "\":\r\n\r\n" + e.what();
        }
        FPercent[job] = -1;
        const std::lock_guard<std::mutex> lock(FLock);
        FFinished.push_back({job, std::move(result)});
    }
    --FActive;
}

std::vector<TBatchRunner::TFinished> TBatchRunner::TakeFinished() {
    const std::lock_guard<std::mutex> lock(FLock);
    std::vector<TFinished> finished;
    finished.swap(FFinished);
    return finished;
}

bool TBatchRunner::Current(std::size_t& Job, int& Percent) const {
    for (std::size_t i = 0; i < FJobs.size(); ++i) {
        const int percent = FPercent[i];
        if (percent >= 0) {
            Job = i;
            Percent = percent;
            return true;
        }
    }
    return false;
}
