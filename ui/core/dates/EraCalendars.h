// The era calendars: Gregorian months and days with years counted in eras (Japanese) or from one epoch
// (Taiwan, Korean, Thai). The last era is the default one; the years and dates run from the first
// era's beginning to 9999-12-31.
#pragma once

#include "ui/core/dates/GregorianCalendars.h"

#include <initializer_list>

class TuiJapaneseCalendarTable : public TuiGregorianCalendarTable {
public:
    TuiJapaneseCalendarTable();

    using TuiGregorianCalendarTable::FromDateTime;
    using TuiGregorianCalendarTable::ToDateTime;

    int GetCalendarType() const override { return 3; }
    TuiEra* DefaultEra() const override;
    TDateTime GetMinDate() const override;
    int GetMaxYear() const override;
    int GetMinYear() const override;
    // The era that holds the day, and the year counted in it.
    TuiDateTime FromDateTime(TDateTime ADateTime) const override;
    // An invalid day gives GetMinDate.
    TDateTime ToDateTime(const TuiDateTime& ADate) const override;

protected:
    struct TEraDefinition {
        int Era, MaxEraYear, MinEraYear, YearOffset, StartYear, StartMonth, StartDay;
    };
    explicit TuiJapaneseCalendarTable(std::initializer_list<TEraDefinition> AEras);
};

class TuiTaiwanCalendarTable : public TuiJapaneseCalendarTable {
public:
    TuiTaiwanCalendarTable();
    int GetCalendarType() const override { return 4; }
};

class TuiKoreanCalendarTable : public TuiJapaneseCalendarTable {
public:
    TuiKoreanCalendarTable();
    int GetCalendarType() const override { return 5; }
};

class TuiThaiCalendarTable : public TuiJapaneseCalendarTable {
public:
    TuiThaiCalendarTable();
    int GetCalendarType() const override { return 7; }
};
