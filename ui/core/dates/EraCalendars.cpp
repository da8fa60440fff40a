#include "ui/core/dates/EraCalendars.h"

#include <algorithm>
#include <climits>

TuiJapaneseCalendarTable::TuiJapaneseCalendarTable()
    : TuiJapaneseCalendarTable({{1, 45, 1, 1867, 1868, 9, 8},
                                {2, 15, 1, 1911, 1912, 7, 30},
                                {3, 64, 1, 1925, 1926, 12, 25},
                                {4, 8011, 1, 1988, 1989, 1, 8}}) {}

TuiJapaneseCalendarTable::TuiJapaneseCalendarTable(std::initializer_list<TEraDefinition> AEras) {
    for (const TEraDefinition& e : AEras)
        Eras()->Add(new TuiEra(e.Era, e.MaxEraYear, e.MinEraYear, e.YearOffset,
                               EncodeDate(e.StartYear, e.StartMonth, e.StartDay)));
}

TuiTaiwanCalendarTable::TuiTaiwanCalendarTable()
    : TuiJapaneseCalendarTable({{1, 8088, 1, 1911, 1912, 1, 1}}) {}

TuiKoreanCalendarTable::TuiKoreanCalendarTable()
    : TuiJapaneseCalendarTable({{0, 12332, 2334, -2333, 1, 1, 1}}) {}

TuiThaiCalendarTable::TuiThaiCalendarTable() : TuiJapaneseCalendarTable({{0, 10542, 544, -543, 1, 1, 1}}) {}

TuiEra* TuiJapaneseCalendarTable::DefaultEra() const {
    return Eras()->Items(Eras()->Count() - 1);
}

TDateTime TuiJapaneseCalendarTable::GetMinDate() const {
    return Eras()->Items(0)->StartDate();
}

int TuiJapaneseCalendarTable::GetMaxYear() const {
    int year = INT_MIN;
    for (int i = 0; i < Eras()->Count(); ++i)
        year = std::max(year, Eras()->Items(i)->MaxEraYear());
    return year;
}

int TuiJapaneseCalendarTable::GetMinYear() const {
    int year = INT_MAX;
    for (int i = 0; i < Eras()->Count(); ++i)
        year = std::min(year, Eras()->Items(i)->MinEraYear());
    return year;
}

TuiDateTime TuiJapaneseCalendarTable::FromDateTime(TDateTime ADateTime) const {
    TuiDateTime date = TuiGregorianCalendarTable::FromDateTime(ADateTime);
    date.Era = GetEra(date.Year, date.Month, date.Day);
    date.Year -= (date.Era >= 0 ? Eras()->Items(date.Era) : DefaultEra())->YearOffset();
    return date;
}

TDateTime TuiJapaneseCalendarTable::ToDateTime(const TuiDateTime& ADate) const {
    if (!IsValidDay(ADate.Era, ADate.Year, ADate.Month, ADate.Day)) return GetMinDate();
    TDateTime date = 0, time = 0;
    if (!TryEncodeDate(EraYearToGregorian(ADate.Year, ADate.Era), ADate.Month, ADate.Day, date) ||
        !TryEncodeTime(ADate.Hours, ADate.Minutes, ADate.Seconds, ADate.Milliseconds, time))
        return GetMinDate();
    return date < 0 ? date - time : date + time;
}
