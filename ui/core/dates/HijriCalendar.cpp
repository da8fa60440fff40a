#include "ui/core/dates/HijriCalendar.h"

#include "platform/rtl/StrUtils.h"
#include "ui/core/dates/DateUtils.h"

#include <cmath>

namespace hijri_calendar_detail {

// The day number (0001-01-01 is day 1) of the day before 1 Muharram of year 1.
constexpr long long kEpoch = 227013;

bool IsLeap(int AYear) {
    switch (((AYear % 30) + 30) % 30) {
    case 2:
    case 5:
    case 7:
    case 10:
    case 13:
    case 15:
    case 18:
    case 21:
    case 24:
    case 26:
    case 29:
        return true;
    default:
        return false;
    }
}

// Leap years among the years 1 .. ACount of a thirty-year cycle.
int LeapYearsUpTo(int ACount) {
    int leaps = 0;
    for (int year = 1; year <= ACount; ++year)
        leaps += IsLeap(year) ? 1 : 0;
    return leaps;
}

int DaysInMonth(int AYear, int AMonth) {
    if (AMonth < 1 || AMonth > 12) return 0;
    if (AMonth == 12 && IsLeap(AYear)) return 30;
    return AMonth % 2 == 1 ? 30 : 29;
}

TDateTime FirstDay() {
    return EncodeDate(1, 1, 1);
}

} // namespace hijri_calendar_detail

TDateTime TuiHijriCalendarTable::GetMaxDate() const {
    return EncodeDate(9666, 4, 3);
}

TDateTime TuiHijriCalendarTable::GetMinDate() const {
    return EncodeDate(622, 7, 18);
}

TuiDateTime TuiHijriCalendarTable::FromDateTime(TDateTime ADateTime) const {
    using namespace hijri_calendar_detail;
    CheckDateTime(ADateTime);
    TuiDateTime date = GregorianDateTime(ADateTime);
    long long n = static_cast<long long>(std::trunc(ADateTime - FirstDay() + 1)) - kEpoch;
    const long long cycles = n * 30 / 10631;
    date.Year = static_cast<int>(cycles + 1);
    n -= cycles * 354 + cycles / 30 * 11 + LeapYearsUpTo(static_cast<int>(cycles % 30));
    // The estimate of the year may be one year late; step back until the day lies in it.
    while (n <= 0) {
        --date.Year;
        n += GetDaysInYear(date.Year);
    }
    date.Month = 1;
    while (DaysInMonth(date.Year, date.Month) < n) {
        n -= DaysInMonth(date.Year, date.Month);
        if (++date.Month > 12) {
            date.Month = 1;
            ++date.Year;
        }
    }
    date.Day = static_cast<int>(n);
    return date;
}

int TuiHijriCalendarTable::GetDaysInMonth(int, int AYear, int AMonth) const {
    return hijri_calendar_detail::DaysInMonth(AYear, AMonth);
}

int TuiHijriCalendarTable::GetDaysInYear(int, int AYear) const {
    return hijri_calendar_detail::IsLeap(AYear) ? 355 : 354;
}

int TuiHijriCalendarTable::GetWeekNumber(const TuiDateTime& ADate, std::uint8_t,
                                         std::uint8_t AFirstWeekOfYear) const {
    return LunarWeekNumber(ADate, AFirstWeekOfYear);
}

bool TuiHijriCalendarTable::IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const {
    return IsLeapMonth(AEra, AYear, AMonth) && ADay == 30;
}

bool TuiHijriCalendarTable::IsLeapMonth(int AEra, int AYear, int AMonth) const {
    return IsLeapYear(AEra, AYear) && AMonth == 12;
}

bool TuiHijriCalendarTable::IsLeapYear(int, int AYear) const {
    return hijri_calendar_detail::IsLeap(AYear);
}

TDateTime TuiHijriCalendarTable::ToDateTime(const TuiDateTime& ADate) const {
    using namespace hijri_calendar_detail;
    const long long y = ADate.Year - 1;
    const long long day =
        kEpoch + y * 354 + y / 30 * 11 + LeapYearsUpTo(static_cast<int>(y % 30)) + GetDayOfYear(ADate);
    TDateTime time = 0;
    TryEncodeTime(ADate.Hours, ADate.Minutes, ADate.Seconds, ADate.Milliseconds, time);
    const TDateTime date = FirstDay() + static_cast<double>(day) - 1;
    return date < 0 ? date - time : date + time;
}

int TuiHijriCalendarTable::GetMonthNumber(int AYear, const std::string& S) const {
    std::string name;
    for (int month = 1; month <= 12; ++month) {
        uiGetMonthName(AYear, month, this, name);
        if (!name.empty() && AnsiSameText(S, name)) return month;
    }
    return TuiCustomCalendarTable::GetMonthNumber(AYear, S);
}
