// The tabular Hijri calendar: twelve months of 30 and 29 days, eleven leap years in each cycle of
// thirty, in which the twelfth month has 30 days. Years 1..9666.
#pragma once

#include "ui/core/dates/CalendarTable.h"

class TuiHijriCalendarTable : public TuiCustomCalendarTable {
public:
    using TuiCustomCalendarTable::FromDateTime;
    using TuiCustomCalendarTable::GetDaysInMonth;
    using TuiCustomCalendarTable::GetDaysInYear;
    using TuiCustomCalendarTable::GetMonthsInYear;
    using TuiCustomCalendarTable::GetWeekNumber;
    using TuiCustomCalendarTable::IsLeapDay;
    using TuiCustomCalendarTable::IsLeapMonth;
    using TuiCustomCalendarTable::IsLeapYear;
    using TuiCustomCalendarTable::ToDateTime;

    int GetCalendarKind() const override { return 2; }
    int GetCalendarType() const override { return 6; }
    TuiEra* DefaultEra() const override { return PlainDefaultEra(); }
    TDateTime GetMaxDate() const override;
    // The first day that is 1/1/1.
    TDateTime GetMinDate() const override;
    int GetMaxYear() const override { return 9666; }
    int GetMinYear() const override { return 1; }
    // Dates outside [GetMinDate, GetMaxDate] convert as the nearest of the two.
    TuiDateTime FromDateTime(TDateTime ADateTime) const override;
    int GetDaysInMonth(int AEra, int AYear, int AMonth) const override;
    int GetDaysInYear(int AEra, int AYear) const override;
    int GetWeekStartDay() const override { return 6; }
    int GetFullWeeksInYear(int) const override { return 50; }
    int GetMonthsInYear(int, int) const override { return 12; }
    int GetWeekNumber(const TuiDateTime& ADate, std::uint8_t AStartOfWeek,
                      std::uint8_t AFirstWeekOfYear) const override;
    bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const override;
    bool IsLeapMonth(int AEra, int AYear, int AMonth) const override;
    bool IsLeapYear(int AEra, int AYear) const override;
    TDateTime ToDateTime(const TuiDateTime& ADate) const override;
    // The calendar's month names as the locale writes them, then the class library's names and numbers.
    int GetMonthNumber(int AYear, const std::string& S) const override;
};
