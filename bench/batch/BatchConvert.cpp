// Converts files as the batch converter does, without its window: into MP3 at 128 kbps, constant rate,
// joint stereo, through Amplify by the given percent, into the given folder.
//   olva_batch_convert <amplify percent> <output folder> <file>...
#include "source/GlobalVars.h"
#include "source/batch/BatchRunner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <amplify percent> <output folder> <file>...\n", argv[0]);
        return 2;
    }
    TGlobalVars vars;
    SetInitialValues(vars, {"/tmp/", "/tmp/", "/tmp"});
    vars.BatchFileFormatUseTheSame = false;
    vars.BatchFileFormatIndex = 1;
    vars.OutputMP3Type = 1, vars.OutputMP3CBR = true, vars.OutputMP3CBRBitRate = 8, vars.OutputMP3Mode = 1;
    std::string folder = argv[2];
    if (folder.back() != '/') folder += '/';
    std::vector<TBatchJob> jobs;
    for (int i = 3; i < argc; ++i)
        jobs.push_back({argv[i], folder});
    TBatchRunner runner(vars, {TBatchCommand{TBatchCommandKind::Amplify, {std::atoi(argv[1])}}}, jobs);
    runner.Start();
    int failed = 0;
    for (;;) {
        const bool done = runner.Done();
        for (const auto& finished : runner.TakeFinished()) {
            if (finished.Result.Outcome == TBatchFileOutcome::Done) continue;
            ++failed;
            std::fprintf(stderr, "%s\n", finished.Result.Message.c_str());
        }
        if (done) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return failed == 0 ? 0 : 1;
}
