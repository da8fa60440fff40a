// The Gregorian calendar tables: one rule for every variant, told apart by their calendar identifier
// and the day their weeks start on. Years 100..9999; no eras.
#pragma once

#include "ui/core/dates/CalendarTable.h"

class TuiGregorianCalendarTable : public TuiCustomCalendarTable {
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

    int GetCalendarKind() const override { return 1; }
    int GetCalendarType() const override { return 1; }
    TuiEra* DefaultEra() const override { return PlainDefaultEra(); }
    TDateTime GetMaxDate() const override;
    TDateTime GetMinDate() const override;
    int GetMaxYear() const override { return 9999; }
    int GetMinYear() const override { return 100; }
    // The era of the result is -1.
    TuiDateTime FromDateTime(TDateTime ADateTime) const override;
    int GetDaysInMonth(int AEra, int AYear, int AMonth) const override;
    int GetDaysInYear(int AEra, int AYear) const override;
    int GetWeekStartDay() const override { return 0; }
    int GetFullWeeksInYear(int AYear) const override;
    int GetMonthsInYear(int, int) const override { return 12; }
    // The library's week number of the day for the rule; the week start is the locale's.
    int GetWeekNumber(const TuiDateTime& ADate, std::uint8_t AStartOfWeek,
                      std::uint8_t AFirstWeekOfYear) const override;
    bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const override;
    bool IsLeapMonth(int AEra, int AYear, int AMonth) const override;
    bool IsLeapYear(int AEra, int AYear) const override;
    // Encodes the fields without any era conversion.
    TDateTime ToDateTime(const TuiDateTime& ADate) const override;
};

class TuiGregorianUSEnglishCalendarTable : public TuiGregorianCalendarTable {
public:
    int GetCalendarType() const override { return 2; }
};

class TuiGregorianMiddleEastFrenchCalendarTable : public TuiGregorianCalendarTable {
public:
    int GetCalendarType() const override { return 9; }
    int GetWeekStartDay() const override { return 1; }
};

class TuiGregorianArabicCalendarTable : public TuiGregorianCalendarTable {
public:
    int GetCalendarType() const override { return 10; }
    int GetWeekStartDay() const override { return 6; }
};

class TuiGregorianTransliteratedEnglishCalendarTable : public TuiGregorianCalendarTable {
public:
    int GetCalendarType() const override { return 11; }
    int GetWeekStartDay() const override { return 1; }
};

class TuiGregorianTransliteratedFrenchCalendarTable : public TuiGregorianCalendarTable {
public:
    int GetCalendarType() const override { return 12; }
    int GetWeekStartDay() const override { return 1; }
};
