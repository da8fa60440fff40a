#include "platform/rtl/Clock.h"

#include <cmath>
#include <ctime>

namespace clock_detail {

// Milliseconds since 1899-12-30 00:00 to a TDateTime, following the negative-date convention.
TDateTime MillisecondsToDateTime(std::int64_t ms) {
    std::int64_t day = ms / MSecsPerDay;
    std::int64_t inDay = ms % MSecsPerDay;
    if (inDay < 0) {
        inDay += MSecsPerDay;
        --day;
    }
    const double time = static_cast<double>(inDay) / MSecsPerDay;
    return day < 0 ? static_cast<double>(day) - time : static_cast<double>(day) + time;
}

std::int64_t DateTimeToMilliseconds(TDateTime value) {
    const double whole = std::trunc(value);
    const std::int64_t inDay = std::llround(std::fabs(value - whole) * MSecsPerDay);
    return static_cast<std::int64_t>(whole) * MSecsPerDay + inDay;
}

TSystemClock& SystemClock() {
    static TSystemClock clock;
    return clock;
}

std::atomic<TClock*>& Installed() {
    static std::atomic<TClock*> installed{nullptr};
    return installed;
}

} // namespace clock_detail

std::uint64_t TSystemClock::TickCount64() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint64_t>(now.tv_sec) * 1000 + static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
}

TDateTime TSystemClock::Now() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    ::localtime_r(&now.tv_sec, &local);
    TDateTime value = 0;
    TryEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, value);
    // A leap second (tm_sec 60) is shown as the last millisecond of its minute.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    const int millisecond = local.tm_sec > 59 ? 999 : static_cast<int>(now.tv_nsec / 1000000);
    TDateTime time = 0;
    TryEncodeTime(local.tm_hour, local.tm_min, second, millisecond, time);
    return value + time;
}

TFakeClock::TFakeClock(TDateTime start, std::uint64_t startTicks)
    : FTicks(startTicks), FNowMs(clock_detail::DateTimeToMilliseconds(start)) {}

std::uint64_t TFakeClock::TickCount64() {
    return FTicks.load();
}

TDateTime TFakeClock::Now() {
    return clock_detail::MillisecondsToDateTime(FNowMs.load());
}

void TFakeClock::Advance(std::uint64_t milliseconds) {
    FTicks += milliseconds;
    FNowMs += static_cast<std::int64_t>(milliseconds);
}

void TFakeClock::SetNow(TDateTime now) {
    FNowMs = clock_detail::DateTimeToMilliseconds(now);
}

TClock& CurrentClock() {
    TClock* clock = clock_detail::Installed().load();
    return clock ? *clock : clock_detail::SystemClock();
}

TClock* SetClock(TClock* clock) {
    return clock_detail::Installed().exchange(clock);
}
