// The Hebrew calendar: months counted from Tishrei, a thirteenth month (month 7 is the added one) in
// leap years, and years of three lengths, for the Hebrew years 5343..5999 (Gregorian 1583-01-01 ..
// 2239-09-29). Days, months and years may be typed as Hebrew letters.
#pragma once

#include "ui/core/dates/CalendarTable.h"

class TuiHebrewCalendarTable : public TuiCustomCalendarTable {
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

    int GetCalendarKind() const override { return 3; }
    int GetCalendarType() const override { return 8; }
    TuiEra* DefaultEra() const override { return PlainDefaultEra(); }
    TDateTime GetMaxDate() const override;
    TDateTime GetMinDate() const override;
    int GetMaxYear() const override { return 5999; }
    int GetMinYear() const override { return 5343; }
    // Dates outside [GetMinDate, GetMaxDate] convert as the nearest of the two.
    TuiDateTime FromDateTime(TDateTime ADateTime) const override;
    // 0 for a month that is not valid.
    int GetDaysInMonth(int AEra, int AYear, int AMonth) const override;
    // 0 for a year outside the table.
    int GetDaysInYear(int AEra, int AYear) const override;
    int GetWeekStartDay() const override { return 0; }
    int GetFullWeeksInYear(int AYear) const override { return GetDaysInYear(AYear) / 7; }
    int GetMonthsInYear(int AEra, int AYear) const override { return IsLeapYear(AEra, AYear) ? 13 : 12; }
    int GetWeekNumber(const TuiDateTime& ADate, std::uint8_t AStartOfWeek,
                      std::uint8_t AFirstWeekOfYear) const override;
    bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const override;
    bool IsLeapMonth(int AEra, int AYear, int AMonth) const override;
    bool IsLeapYear(int AEra, int AYear) const override;
    // An invalid day gives GetMinDate.
    TDateTime ToDateTime(const TuiDateTime& ADate) const override;
    // Hebrew letters count as their value (the years as 5000 plus it); numbers and names as usual.
    int GetDayNumber(const std::string& S) const override;
    int GetMonthNumber(int AYear, const std::string& S) const override;
    int GetYearNumber(const std::string& S) const override;

    // 1 deficient, 2 regular, 3 complete; 0 outside the table.
    int YearType(int AYear) const;
};

// The sum of the letters' values: alef .. yod 1 .. 10, kaf 20, lamed 30 and on to tav 400 (final forms
// as their letters); every other character counts 0.
int uiHebrewLettersValue(const std::string& S);
