#include "ui/core/dates/GregorianCalendars.h"

#include "ui/core/dates/DateUtils.h"

TDateTime TuiGregorianCalendarTable::GetMaxDate() const {
    return EncodeDateTime(9999, 12, 31, 23, 59, 59, 999);
}

TDateTime TuiGregorianCalendarTable::GetMinDate() const {
    return EncodeDate(100, 1, 1);
}

TuiDateTime TuiGregorianCalendarTable::FromDateTime(TDateTime ADateTime) const {
    return GregorianDateTime(ADateTime);
}

int TuiGregorianCalendarTable::GetDaysInMonth(int AEra, int AYear, int AMonth) const {
    switch (AMonth) {
    case 2:
        return IsLeapYear(AEra, AYear) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int TuiGregorianCalendarTable::GetDaysInYear(int AEra, int AYear) const {
    return IsLeapYear(AEra, AYear) ? 366 : 365;
}

int TuiGregorianCalendarTable::GetFullWeeksInYear(int AYear) const {
    int day = GetWeekDay(ToDateTime(TuiDateTime{-1, AYear, 1, 1})) - GetWeekStartDay();
    if (day < 0) day += 7;
    return day >= 6 || (IsLeapYear(AYear) && day >= 5) ? 53 : 52;
}

int TuiGregorianCalendarTable::GetWeekNumber(const TuiDateTime& ADate, std::uint8_t AStartOfWeek,
                                             std::uint8_t AFirstWeekOfYear) const {
    return uiWeekNumber(AStartOfWeek, AFirstWeekOfYear, ToDateTime(ADate));
}

bool TuiGregorianCalendarTable::IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const {
    return IsLeapMonth(AEra, AYear, AMonth) && ADay == 29;
}

bool TuiGregorianCalendarTable::IsLeapMonth(int AEra, int AYear, int AMonth) const {
    return IsLeapYear(AEra, AYear) && AMonth == 2;
}

bool TuiGregorianCalendarTable::IsLeapYear(int AEra, int AYear) const {
    return uiIsLeapYear(EraYearToGregorian(AYear, AEra));
}

TDateTime TuiGregorianCalendarTable::ToDateTime(const TuiDateTime& ADate) const {
    return EncodeDateTime(ADate.Year, ADate.Month, ADate.Day, ADate.Hours, ADate.Minutes, ADate.Seconds,
                          ADate.Milliseconds);
}
