// The clock behind timers, message times and GetTickCount. Real use reads a monotonic clock; tests
// install a manual one and move it forward themselves.
#pragma once

#include <cstdint>
#include <memory>

namespace olva::win {

class IMessageClock {
public:
    virtual ~IMessageClock() = default;
    virtual std::uint64_t NowMs() const = 0;
};

class ManualClock : public IMessageClock {
public:
    explicit ManualClock(std::uint64_t startMs = 1000) : FNow(startMs) {}
    std::uint64_t NowMs() const override { return FNow; }
    void Advance(std::uint64_t ms) { FNow += ms; }
    void Set(std::uint64_t ms) { FNow = ms; }

private:
    std::uint64_t FNow;
};

// Installs the clock (null restores the monotonic clock).
void SetMessageClock(std::shared_ptr<IMessageClock> clock);

} // namespace olva::win
