// Calendar tables: conversions between a TDateTime and the era, year, month and day of one calendar
// system, and the calendar arithmetic of the date editors and the date navigator. The value -700000
// (uiNullDate) stands for "no date" in every date routine of the library.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Persistent.h"
#include "ui/core/base/FastList.h"

#include <cstdint>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

constexpr TDateTime uiNullDate = -700000;

// Era: an index into the table's era list, or -1 for the table's default era.
struct TuiDate {
    std::int32_t Era = -1;
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
};

struct TuiDateTime {
    std::int32_t Era = -1;
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    std::uint8_t Hours = 0;
    std::uint8_t Minutes = 0;
    std::uint8_t Seconds = 0;
    std::uint16_t Milliseconds = 0;
};

// One era of a calendar: the Gregorian year is the era's year plus YearOffset.
class TuiEra : public TPersistent {
public:
    TuiEra(int AEra, int AMaxEraYear, int AMinEraYear, int AYearOffset, TDateTime AStartDate);
    // Copies the five values from another era; any other source goes to the inherited assignment.
    void Assign(TPersistent* Source) override;

    int Era() const { return FEra; }
    int MaxEraYear() const { return FMaxEraYear; }
    int MinEraYear() const { return FMinEraYear; }
    int YearOffset() const { return FYearOffset; }
    TDateTime StartDate() const { return FStartDate; }

private:
    int FEra;
    int FMaxEraYear;
    int FMinEraYear;
    int FYearOffset;
    TDateTime FStartDate;
};

// The eras of a table in chronological order; owns them.
class TuiEras : public TovFastObjectList {
public:
    TuiEras() : TovFastObjectList(true) {}
    TuiEra* Items(int AIndex) const { return static_cast<TuiEra*>(TovFastObjectList::Items(AIndex)); }
};

class TuiCustomCalendarTable : public TObject {
public:
    // Makes the era list and registers the table with the table registry (when the registry exists).
    TuiCustomCalendarTable();
    // Leaves the registry.
    ~TuiCustomCalendarTable() override;
    TuiCustomCalendarTable(const TuiCustomCalendarTable&) = delete;
    TuiCustomCalendarTable& operator=(const TuiCustomCalendarTable&) = delete;

    TuiEras* Eras() const { return FEras; }

    // AYear of AEra placed in the era that holds the day (month 1, day 1 unless given); an era that holds
    // no such day leaves the year alone and sets AEra to -1.
    void AdjustYear(int& AYear, int& AEra) const { AdjustYear(AYear, AEra, 1, 1); }
    virtual void AdjustYear(int& AYear, int& AEra, int AMonth, int ADay) const;

    // The operations each calendar supplies; the base raises EAbstractError.
    virtual int GetCalendarKind() const; // 1 solar, 2 lunar, 3 lunisolar
    virtual int GetCalendarType() const; // the calendar identifier, 1..12
    virtual TuiEra* DefaultEra() const;
    virtual TDateTime GetMaxDate() const;
    virtual TDateTime GetMinDate() const;
    virtual int GetMaxYear() const;
    virtual int GetMinYear() const;
    virtual TuiDateTime FromDateTime(TDateTime ADateTime) const;
    virtual int GetDaysInMonth(int AEra, int AYear, int AMonth) const;
    virtual int GetDaysInYear(int AEra, int AYear) const;
    virtual int GetWeekStartDay() const; // 0 Sunday .. 6 Saturday
    virtual int GetFullWeeksInYear(int AYear) const;
    virtual int GetMonthsInYear(int AEra, int AYear) const;
    virtual int GetWeekNumber(const TuiDateTime& ADate, std::uint8_t AStartOfWeek,
                              std::uint8_t AFirstWeekOfYear) const;
    virtual bool IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const;
    virtual bool IsLeapMonth(int AEra, int AYear, int AMonth) const;
    virtual bool IsLeapYear(int AEra, int AYear) const;
    virtual TDateTime ToDateTime(const TuiDateTime& ADate) const;

    // Clamps into [GetMinDate, GetMaxDate].
    virtual void CheckDateTime(TDateTime& ADateTime) const;

    TDateTime AddDays(const TuiDateTime& ADate, int ACount) const;
    TDateTime AddMonths(TDateTime ADateTime, int ACount) const {
        return AddMonths(FromDateTime(ADateTime), ACount);
    }
    // An invalid date, or one that steps out of the calendar, gives GetMinDate.
    virtual TDateTime AddMonths(const TuiDateTime& ADate, int ACount) const;
    TDateTime AddYears(TDateTime ADateTime, int ACount) const {
        return AddYears(FromDateTime(ADateTime), ACount);
    }
    virtual TDateTime AddYears(const TuiDateTime& ADate, int ACount) const;
    TDateTime AddWeeks(TDateTime ADateTime, int ACount) const {
        return AddWeeks(FromDateTime(ADateTime), ACount);
    }
    TDateTime AddWeeks(const TuiDateTime& ADate, int ACount) const;

    // Gregorian year, month and day (and time), counted in this calendar.
    TuiDateTime FromDateTime(int AYear, int AMonth, int ADay) const;
    TuiDateTime FromDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes, int ASeconds,
                             int AMilliseconds) const;

    int GetDayOfYear(TDateTime ADateTime) const { return GetDayOfYear(FromDateTime(ADateTime)); }
    int GetDayOfYear(const TuiDateTime& ADate) const;
    int GetDaysInMonth(int AYear, int AMonth) const { return GetDaysInMonth(-1, AYear, AMonth); }
    int GetDaysInYear(int AYear) const { return GetDaysInYear(-1, AYear); }
    int GetMonthsInYear(int AYear) const { return GetMonthsInYear(-1, AYear); }

    int GetEra(int AYear) const { return GetEra(AYear, 1, 1); }
    // The index of the last era that began on or before the Gregorian date; -1 when none did.
    int GetEra(int AYear, int AMonth, int ADay) const;

    TDateTime GetFirstDayOfWeek(TDateTime ADateTime) const;
    TDateTime GetFirstDayOfWeek(TDateTime ADateTime, int AStartDay) const;
    TuiDateTime GetFirstDayOfWeek(const TuiDateTime& ADate) const;
    TuiDateTime GetFirstDayOfWeek(const TuiDateTime& ADate, int AStartDay) const;
    TDateTime GetStartOfMonth(TDateTime ADateTime) const {
        return ToDateTime(GetStartOfMonth(FromDateTime(ADateTime)));
    }
    TuiDateTime GetStartOfMonth(const TuiDateTime& ADate) const;
    TDateTime GetStartOfYear(TDateTime ADateTime) const {
        return ToDateTime(GetStartOfYear(FromDateTime(ADateTime)));
    }
    TuiDateTime GetStartOfYear(const TuiDateTime& ADate) const;
    TDateTime GetEndOfMonth(TDateTime ADateTime) const {
        return ToDateTime(GetEndOfMonth(FromDateTime(ADateTime)));
    }
    TuiDateTime GetEndOfMonth(const TuiDateTime& ADate) const;
    TDateTime GetEndOfYear(TDateTime ADateTime) const {
        return ToDateTime(GetEndOfYear(FromDateTime(ADateTime)));
    }
    TuiDateTime GetEndOfYear(const TuiDateTime& ADate) const;

    int GetYear(TDateTime ADateTime) const { return FromDateTime(ADateTime).Year; }
    int GetYear(const TuiDate& ADate) const { return ADate.Year; }
    int GetYear(const TuiDateTime& ADate) const { return ADate.Year; }
    // 0 Sunday .. 6 Saturday.
    int GetWeekDay(TDateTime ADateTime) const { return DayOfWeek(ADateTime) - 1; }
    int GetWeekDay(const TuiDateTime& ADate) const { return GetWeekDay(ToDateTime(ADate)); }
    int GetWeekNumber(std::uint8_t AStartOfWeek, std::uint8_t AFirstWeekOfYear, TDateTime ADateTime) const {
        return GetWeekNumber(FromDateTime(ADateTime), AStartOfWeek, AFirstWeekOfYear);
    }

    bool IsLeapDay(int AYear, int AMonth, int ADay) const { return IsLeapDay(-1, AYear, AMonth, ADay); }
    bool IsLeapMonth(int AYear, int AMonth) const { return IsLeapMonth(-1, AYear, AMonth); }
    bool IsLeapYear(int AYear) const { return IsLeapYear(-1, AYear); }
    bool IsValidYear(int AYear) const { return IsValidYear(-1, AYear); }
    // The era is not consulted.
    bool IsValidYear(int AEra, int AYear) const;
    bool IsValidMonth(int AYear, int AMonth) const { return IsValidMonth(-1, AYear, AMonth); }
    bool IsValidMonth(int AEra, int AYear, int AMonth) const;
    bool IsValidDay(int AYear, int AMonth, int ADay) const { return IsValidDay(-1, AYear, AMonth, ADay); }
    bool IsValidDay(int AEra, int AYear, int AMonth, int ADay) const;
    bool IsValidDate(TDateTime ADateTime) const;

    TDateTime ToDateTime(const TuiDate& ADate) const;
    TDateTime ToDateTime(int AYear, int AMonth, int ADay) const {
        return ToDateTime(AYear, AMonth, ADay, 0, 0, 0, 0);
    }
    TDateTime ToDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes, int ASeconds,
                         int AMilliseconds) const;

    // Typed parts of a date. Text that is no number (and no name the calendar knows) raises EConvertError.
    virtual int GetDayNumber(const std::string& S) const;
    virtual int GetMonthNumber(int AYear, const std::string& S) const;
    virtual int GetYearNumber(const std::string& S) const;

protected:
    // The default era of the tables without eras: era -1, no year offset.
    TuiEra* PlainDefaultEra() const { return FPlainDefaultEra.get(); }
    // The Gregorian date and the time of day of a value, with era -1.
    static TuiDateTime GregorianDateTime(TDateTime ADateTime);
    // The Gregorian year of AYear counted in AEra (-1: the default era).
    int EraYearToGregorian(int AYear, int AEra) const;
    // The week number of the lunar calendars (Hijri and Hebrew).
    int LunarWeekNumber(const TuiDateTime& ADate, int AFirstWeekOfYear) const;
    // The year placed in the calendar's two-digit-year window.
    int TwoDigitYear(int AYear) const;

private:
    [[noreturn]] static void AbstractError();
    TuiEras* FEras;
    std::unique_ptr<TuiEra> FPlainDefaultEra;
};

// A calendar table class as a value: its name and a way to make a table of it.
class TuiCalendarTableClass {
public:
    const std::string& ClassName() const { return FName; }
    TuiCustomCalendarTable* Create() const { return FCreate(); }
    template <class T> static const TuiCalendarTableClass* Of() {
        static const TuiCalendarTableClass ref(TObject::ClassNameOf(typeid(T)),
                                               []() -> TuiCustomCalendarTable* { return new T; });
        return &ref;
    }

private:
    TuiCalendarTableClass(std::string AName, TuiCustomCalendarTable* (*ACreate)())
        : FName(std::move(AName)), FCreate(ACreate) {}
    std::string FName;
    TuiCustomCalendarTable* (*FCreate)();
};
