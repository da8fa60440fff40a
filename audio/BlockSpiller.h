// Moves blocks to their store's temporary file on a thread of its own (see TStoredSamples::MoveToDisk),
// so that the edit that let go of them returns at once and the memory comes back soon after.
#pragma once

#include "audio/SampleBlock.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TBlockSpiller {
public:
    TBlockSpiller() = default;
    // Blocks not moved yet stay where they are.
    ~TBlockSpiller();
    TBlockSpiller(const TBlockSpiller&) = delete;
    TBlockSpiller& operator=(const TBlockSpiller&) = delete;

    void Move(std::vector<std::shared_ptr<const TSampleBlock>> blocks);
    // Returns once every block handed over so far has moved (or could not).
    void Wait();
    // Returns once fewer than `blocks` wait to be moved: a caller that hands over blocks faster than
    // the disk takes them holds back, so that memory is given back as fast as it is taken.
    void WaitUntilFewer(std::size_t blocks);

private:
    void Run();

    std::mutex FMutex;
    std::condition_variable FChanged;
    std::deque<std::shared_ptr<const TSampleBlock>> FQueue;
    bool FBusy = false, FStop = false;
    std::thread FThread; // started with the first blocks
};
