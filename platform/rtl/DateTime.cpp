#include "platform/rtl/DateTime.h"

#include "platform/rtl/Clock.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <cstdint>

namespace date_time_detail {

constexpr std::int64_t kUnixEpochDay = 25569;  // 1970-01-01 as a day number
constexpr std::int64_t kFirstDay = -DateDelta; // 0001-01-01
constexpr std::int64_t kLastDay = 2958465;     // 9999-12-31

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

// A value split into its calendar day and the milliseconds into that day.
struct TStamp {
    std::int64_t Day = 0;
    int Millisecond = 0;
    bool Valid = false;
};

TStamp Split(TDateTime value) {
    TStamp stamp;
    if (!std::isfinite(value) || value < kFirstDay - 1 || value > kLastDay + 1) return stamp;
    const double whole = std::trunc(value);
    const double fraction = std::fabs(value - whole);
    std::int64_t ms = std::llround(fraction * MSecsPerDay);
    stamp.Day = static_cast<std::int64_t>(whole);
    if (ms >= MSecsPerDay) { // rounds up to the next midnight
        ms -= MSecsPerDay;
        ++stamp.Day;
    }
    stamp.Millisecond = static_cast<int>(ms);
    stamp.Valid = stamp.Day >= kFirstDay && stamp.Day <= kLastDay;
    return stamp;
}

} // namespace date_time_detail

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int DaysInMonth(TDateTime value) {
    std::uint16_t year, month, day;
    DecodeDate(value, year, month, day);
    return DaysInAMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month))
        return false;
    value = static_cast<TDateTime>(
        date_time_detail::DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        date_time_detail::kUnixEpochDay);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& value) {
    if (hour < 0 || hour >= HoursPerDay || minute < 0 || minute >= 60 || second < 0 || second >= 60 ||
        millisecond < 0 || millisecond >= 1000)
        return false;
    value = static_cast<TDateTime>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime value = 0;
    if (!TryEncodeDate(year, month, day, value)) throw EConvertError("Invalid argument to date encode");
    return value;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
    TDateTime value = 0;
    if (!TryEncodeTime(hour, minute, second, millisecond, value))
        throw EConvertError("Invalid argument to time encode");
    return value;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const TDateTime date = EncodeDate(year, month, day);
    const TDateTime time = EncodeTime(hour, minute, second, millisecond);
    return date < 0 ? date - time : date + time;
}

void DecodeDate(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day) {
    const date_time_detail::TStamp stamp = date_time_detail::Split(value);
    if (!stamp.Valid) {
        year = month = day = 0;
        return;
    }
    int y, m, d;
    date_time_detail::CivilFromDays(stamp.Day - date_time_detail::kUnixEpochDay, y, m, d);
    year = static_cast<std::uint16_t>(y);
    month = static_cast<std::uint16_t>(m);
    day = static_cast<std::uint16_t>(d);
}

void DecodeTime(TDateTime value, std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                std::uint16_t& millisecond) {
    const date_time_detail::TStamp stamp = date_time_detail::Split(value);
    const int ms = stamp.Valid ? stamp.Millisecond : 0;
    hour = static_cast<std::uint16_t>(ms / 3600000);
    minute = static_cast<std::uint16_t>(ms / 60000 % 60);
    second = static_cast<std::uint16_t>(ms / 1000 % 60);
    millisecond = static_cast<std::uint16_t>(ms % 1000);
}

void DecodeDateTime(TDateTime value, std::uint16_t& year, std::uint16_t& month, std::uint16_t& day,
                    std::uint16_t& hour, std::uint16_t& minute, std::uint16_t& second,
                    std::uint16_t& millisecond) {
    DecodeDate(value, year, month, day);
    DecodeTime(value, hour, minute, second, millisecond);
}

int DayOfWeek(TDateTime value) {
    const std::int64_t day = date_time_detail::Split(value).Day;
    return static_cast<int>(((day % 7) + 7 + 6) % 7) + 1; // day 0, 1899-12-30, was a Saturday
}

TDateTime Now() {
    return CurrentClock().Now();
}

TDateTime Date() {
    return std::floor(Now());
}

TDateTime Time() {
    const TDateTime now = Now();
    return now - std::floor(now);
}
