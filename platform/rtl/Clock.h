// The source of the present time. Now, Date and Time read the current clock, as may anything that
// counts milliseconds (CurrentClock().TickCount64()): the real clock by default, a fake one in tests,
// which then decide when time passes.
#pragma once

#include "platform/rtl/DateTime.h"

#include <atomic>
#include <cstdint>

class TClock {
public:
    virtual ~TClock() = default;
    // Milliseconds since an arbitrary start, never going backwards.
    virtual std::uint64_t TickCount64() = 0;
    // Local date and time.
    virtual TDateTime Now() = 0;
};

// The system's monotonic clock and local wall time.
class TSystemClock : public TClock {
public:
    std::uint64_t TickCount64() override;
    TDateTime Now() override;
};

// A clock that stands still until told to move. Safe to advance from one thread while others read it.
class TFakeClock : public TClock {
public:
    explicit TFakeClock(TDateTime start = 0, std::uint64_t startTicks = 0);
    std::uint64_t TickCount64() override;
    TDateTime Now() override;

    // Moves both the tick count and the time of day forward.
    void Advance(std::uint64_t milliseconds);
    // Sets the time of day without touching the tick count (the user changed the system time).
    void SetNow(TDateTime now);

private:
    std::atomic<std::uint64_t> FTicks;
    std::atomic<std::int64_t> FNowMs; // the time of day as milliseconds since 1899-12-30, negative before
};

// The clock in use; never null.
TClock& CurrentClock();
// Installs `clock` (not owned; nullptr restores the system clock). Returns the previous one.
TClock* SetClock(TClock* clock);

// Installs a clock for the lifetime of this object, then restores the previous one.
class TClockOverride {
public:
    explicit TClockOverride(TClock& clock) : FPrevious(SetClock(&clock)) {}
    ~TClockOverride() { SetClock(FPrevious); }
    TClockOverride(const TClockOverride&) = delete;
    TClockOverride& operator=(const TClockOverride&) = delete;

private:
    TClock* FPrevious;
};
