#include "audio/BlockSpiller.h"

TBlockSpiller::~TBlockSpiller() {
    {
        std::lock_guard lock(FMutex);
        FStop = true;
        FQueue.clear();
    }
    FChanged.notify_all();
    if (FThread.joinable()) FThread.join();
}

void TBlockSpiller::Move(std::vector<std::shared_ptr<const TSampleBlock>> blocks) {
    if (blocks.empty()) return;
    {
        std::lock_guard lock(FMutex);
        for (auto& block : blocks)
            FQueue.push_back(std::move(block));
        if (!FThread.joinable()) FThread = std::thread([this] { Run(); });
    }
    FChanged.notify_all();
}

void TBlockSpiller::Wait() {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [&] { return FQueue.empty() && !FBusy; });
}

void TBlockSpiller::WaitUntilFewer(std::size_t blocks) {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [&] { return FQueue.size() < blocks; });
}

void TBlockSpiller::Run() {
    std::unique_lock lock(FMutex);
    for (;;) {
        FChanged.wait(lock, [&] { return FStop || !FQueue.empty(); });
        if (FStop) return;
        std::shared_ptr<const TSampleBlock> block = std::move(FQueue.front());
        FQueue.pop_front();
        FBusy = true;
        lock.unlock();
        block->MoveToDisk();
        block.reset(); // the last holder may be this thread: the block goes here, outside the lock
        lock.lock();
        FBusy = false;
        FChanged.notify_all();
    }
}
