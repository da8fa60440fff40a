#include "ui/core/dates/CalendarTable.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/dates/CalendarRegistry.h"

#include <cmath>
#include <tuple>

namespace calendar_table_detail {

// A Gregorian date as a comparable triple, also for years no TDateTime can hold.
std::tuple<int, int, int> DayOf(TDateTime AValue) {
    std::uint16_t y, m, d;
    DecodeDate(AValue, y, m, d);
    return {y, m, d};
}

TuiDateTime WithTime(TuiDateTime ADate, const TuiDateTime& ATimeOf) {
    ADate.Hours = ATimeOf.Hours;
    ADate.Minutes = ATimeOf.Minutes;
    ADate.Seconds = ATimeOf.Seconds;
    ADate.Milliseconds = ATimeOf.Milliseconds;
    return ADate;
}

} // namespace calendar_table_detail

TuiEra::TuiEra(int AEra, int AMaxEraYear, int AMinEraYear, int AYearOffset, TDateTime AStartDate)
    : FEra(AEra), FMaxEraYear(AMaxEraYear), FMinEraYear(AMinEraYear), FYearOffset(AYearOffset),
      FStartDate(AStartDate) {}

void TuiEra::Assign(TPersistent* Source) {
    // The inherited assignment knows no era and would refuse one.
    if (auto* era = dynamic_cast<TuiEra*>(Source)) {
        FEra = era->FEra;
        FMaxEraYear = era->FMaxEraYear;
        FMinEraYear = era->FMinEraYear;
        FYearOffset = era->FYearOffset;
        FStartDate = era->FStartDate;
        return;
    }
    TPersistent::Assign(Source);
}

TuiCustomCalendarTable::TuiCustomCalendarTable()
    : FEras(new TuiEras), FPlainDefaultEra(std::make_unique<TuiEra>(-1, 9999, 1, 0, uiNullDate)) {
    uiRegisterCalendarTable(this);
}

TuiCustomCalendarTable::~TuiCustomCalendarTable() {
    uiUnregisterCalendarTable(this);
    delete FEras;
}

void TuiCustomCalendarTable::AbstractError() {
    throw EAbstractError("Abstract Error");
}

int TuiCustomCalendarTable::GetCalendarKind() const {
    AbstractError();
}
int TuiCustomCalendarTable::GetCalendarType() const {
    AbstractError();
}
TuiEra* TuiCustomCalendarTable::DefaultEra() const {
    AbstractError();
}
TDateTime TuiCustomCalendarTable::GetMaxDate() const {
    AbstractError();
}
TDateTime TuiCustomCalendarTable::GetMinDate() const {
    AbstractError();
}
int TuiCustomCalendarTable::GetMaxYear() const {
    AbstractError();
}
int TuiCustomCalendarTable::GetMinYear() const {
    AbstractError();
}
TuiDateTime TuiCustomCalendarTable::FromDateTime(TDateTime) const {
    AbstractError();
}
int TuiCustomCalendarTable::GetDaysInMonth(int, int, int) const {
    AbstractError();
}
int TuiCustomCalendarTable::GetDaysInYear(int, int) const {
    AbstractError();
}
int TuiCustomCalendarTable::GetWeekStartDay() const {
    AbstractError();
}
int TuiCustomCalendarTable::GetFullWeeksInYear(int) const {
    AbstractError();
}
int TuiCustomCalendarTable::GetMonthsInYear(int, int) const {
    AbstractError();
}
int TuiCustomCalendarTable::GetWeekNumber(const TuiDateTime&, std::uint8_t, std::uint8_t) const {
    AbstractError();
}
bool TuiCustomCalendarTable::IsLeapDay(int, int, int, int) const {
    AbstractError();
}
bool TuiCustomCalendarTable::IsLeapMonth(int, int, int) const {
    AbstractError();
}
bool TuiCustomCalendarTable::IsLeapYear(int, int) const {
    AbstractError();
}
TDateTime TuiCustomCalendarTable::ToDateTime(const TuiDateTime&) const {
    AbstractError();
}

TuiDateTime TuiCustomCalendarTable::GregorianDateTime(TDateTime ADateTime) {
    std::uint16_t y, m, d, h, mi, s, ms;
    DecodeDateTime(ADateTime, y, m, d, h, mi, s, ms);
    TuiDateTime result{-1, y, m, d};
    result.Hours = static_cast<std::uint8_t>(h);
    result.Minutes = static_cast<std::uint8_t>(mi);
    result.Seconds = static_cast<std::uint8_t>(s);
    result.Milliseconds = ms;
    return result;
}

int TuiCustomCalendarTable::EraYearToGregorian(int AYear, int AEra) const {
    if (AEra == -1) return AYear + DefaultEra()->YearOffset();
    if (AEra >= 0 && AEra < FEras->Count()) return AYear + FEras->Items(AEra)->YearOffset();
    return AYear;
}

void TuiCustomCalendarTable::AdjustYear(int& AYear, int& AEra, int AMonth, int ADay) const {
    const int gregorian = EraYearToGregorian(AYear, AEra);
    AEra = GetEra(gregorian, AMonth, ADay);
    if (AEra >= 0) AYear = gregorian - FEras->Items(AEra)->YearOffset();
}

void TuiCustomCalendarTable::CheckDateTime(TDateTime& ADateTime) const {
    if (ADateTime < GetMinDate()) ADateTime = GetMinDate();
    if (ADateTime > GetMaxDate()) ADateTime = GetMaxDate();
}

TDateTime TuiCustomCalendarTable::AddDays(const TuiDateTime& ADate, int ACount) const {
    TDateTime result = ToDateTime(ADate) + ACount;
    CheckDateTime(result);
    return result;
}

TDateTime TuiCustomCalendarTable::AddMonths(const TuiDateTime& ADate, int ACount) const {
    if (!IsValidDay(ADate.Era, ADate.Year, ADate.Month, ADate.Day)) return GetMinDate();
    int era = ADate.Era;
    int year = ADate.Year;
    long long month = static_cast<long long>(ADate.Month) + ACount;
    const bool forward = month > GetMonthsInYear(era, year);
    while (month > GetMonthsInYear(era, year) || month <= 0) {
        // A count that leaves the calendar ends here rather than stepping on for ever.
        if (year < GetMinYear() - 1 || year > GetMaxYear() + 1) return GetMinDate();
        if (forward) {
            month -= GetMonthsInYear(era, year);
            ++year;
        } else {
            month += GetMonthsInYear(era, year - 1);
            --year;
        }
    }
    int day = ADate.Day;
    if (!IsValidDay(era, year, static_cast<int>(month), day))
        day = GetDaysInMonth(era, year, static_cast<int>(month));
    AdjustYear(year, era, static_cast<int>(month), day);
    TuiDateTime result =
        calendar_table_detail::WithTime(TuiDateTime{era, year, static_cast<int>(month), day}, ADate);
    if (!IsValidDay(era, year, result.Month, day)) return GetMinDate();
    TDateTime value = ToDateTime(result);
    CheckDateTime(value);
    return value;
}

TDateTime TuiCustomCalendarTable::AddYears(const TuiDateTime& ADate, int ACount) const {
    if (!IsValidDay(ADate.Era, ADate.Year, ADate.Month, ADate.Day)) return GetMinDate();
    int year = ADate.Year + ACount;
    int era = ADate.Era;
    AdjustYear(year, era);
    if (!IsValidYear(era, year)) return GetMinDate();
    int month = ADate.Month;
    if (!IsValidMonth(era, year, month)) month = GetMonthsInYear(era, year);
    int day = ADate.Day;
    if (!IsValidDay(era, year, month, day)) day = GetDaysInMonth(era, year, month);
    AdjustYear(year, era, month, day);
    TDateTime value = ToDateTime(calendar_table_detail::WithTime(TuiDateTime{era, year, month, day}, ADate));
    CheckDateTime(value);
    return value;
}

TDateTime TuiCustomCalendarTable::AddWeeks(const TuiDateTime& ADate, int ACount) const {
    TDateTime value = AddDays(ADate, 7 * ACount);
    CheckDateTime(value);
    return value;
}

TuiDateTime TuiCustomCalendarTable::FromDateTime(int AYear, int AMonth, int ADay) const {
    return FromDateTime(AYear, AMonth, ADay, 0, 0, 0, 0);
}

TuiDateTime TuiCustomCalendarTable::FromDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes,
                                                 int ASeconds, int AMilliseconds) const {
    return FromDateTime(EncodeDateTime(AYear, AMonth, ADay, AHours, AMinutes, ASeconds, AMilliseconds));
}

int TuiCustomCalendarTable::GetDayOfYear(const TuiDateTime& ADate) const {
    // Counted in the date's own era: the leap years of the era calendars depend on it.
    int days = ADate.Day;
    for (int month = 1; month < ADate.Month; ++month)
        days += GetDaysInMonth(ADate.Era, ADate.Year, month);
    return days;
}

int TuiCustomCalendarTable::GetEra(int AYear, int AMonth, int ADay) const {
    const std::tuple<int, int, int> day{AYear, AMonth, ADay};
    int result = -1;
    for (int i = 0; i < FEras->Count(); ++i)
        if (calendar_table_detail::DayOf(FEras->Items(i)->StartDate()) <= day) result = i;
    return result;
}

TDateTime TuiCustomCalendarTable::GetFirstDayOfWeek(TDateTime ADateTime) const {
    return ToDateTime(GetFirstDayOfWeek(FromDateTime(ADateTime)));
}

TDateTime TuiCustomCalendarTable::GetFirstDayOfWeek(TDateTime ADateTime, int AStartDay) const {
    return ADateTime - (GetWeekDay(ADateTime) - AStartDay + 7) % 7;
}

TuiDateTime TuiCustomCalendarTable::GetFirstDayOfWeek(const TuiDateTime& ADate) const {
    return GetFirstDayOfWeek(ADate, GetWeekStartDay());
}

TuiDateTime TuiCustomCalendarTable::GetFirstDayOfWeek(const TuiDateTime& ADate, int AStartDay) const {
    return FromDateTime(GetFirstDayOfWeek(ToDateTime(ADate), AStartDay));
}

TuiDateTime TuiCustomCalendarTable::GetStartOfMonth(const TuiDateTime& ADate) const {
    TuiDateTime result = ADate;
    result.Day = 1;
    return result;
}

TuiDateTime TuiCustomCalendarTable::GetStartOfYear(const TuiDateTime& ADate) const {
    TuiDateTime result = ADate;
    result.Month = 1;
    result.Day = 1;
    return result;
}

TuiDateTime TuiCustomCalendarTable::GetEndOfMonth(const TuiDateTime& ADate) const {
    TuiDateTime result = ADate;
    result.Day = GetDaysInMonth(ADate.Era, ADate.Year, ADate.Month);
    return result;
}

TuiDateTime TuiCustomCalendarTable::GetEndOfYear(const TuiDateTime& ADate) const {
    TuiDateTime result = ADate;
    result.Month = GetMonthsInYear(ADate.Era, ADate.Year);
    result.Day = GetDaysInMonth(ADate.Era, ADate.Year, result.Month);
    return result;
}

bool TuiCustomCalendarTable::IsValidYear(int, int AYear) const {
    return GetMinYear() <= AYear && AYear <= GetMaxYear();
}

bool TuiCustomCalendarTable::IsValidMonth(int AEra, int AYear, int AMonth) const {
    // Unsigned, so that negative months are invalid.
    return IsValidYear(AEra, AYear) && AMonth != 0 &&
           static_cast<unsigned>(AMonth) <= static_cast<unsigned>(GetMonthsInYear(AEra, AYear));
}

bool TuiCustomCalendarTable::IsValidDay(int AEra, int AYear, int AMonth, int ADay) const {
    return IsValidMonth(AEra, AYear, AMonth) && ADay != 0 &&
           static_cast<unsigned>(ADay) <= static_cast<unsigned>(GetDaysInMonth(AEra, AYear, AMonth));
}

bool TuiCustomCalendarTable::IsValidDate(TDateTime ADateTime) const {
    const TuiDateTime date = FromDateTime(ADateTime);
    return IsValidDay(date.Era, date.Year, date.Month, date.Day);
}

TDateTime TuiCustomCalendarTable::ToDateTime(const TuiDate& ADate) const {
    return ToDateTime(TuiDateTime{ADate.Era, ADate.Year, ADate.Month, ADate.Day});
}

TDateTime TuiCustomCalendarTable::ToDateTime(int AYear, int AMonth, int ADay, int AHours, int AMinutes,
                                             int ASeconds, int AMilliseconds) const {
    TuiDateTime date{-1, AYear, AMonth, ADay};
    date.Hours = static_cast<std::uint8_t>(AHours);
    date.Minutes = static_cast<std::uint8_t>(AMinutes);
    date.Seconds = static_cast<std::uint8_t>(ASeconds);
    date.Milliseconds = static_cast<std::uint16_t>(AMilliseconds);
    return ToDateTime(date);
}

int TuiCustomCalendarTable::GetDayNumber(const std::string& S) const {
    return StrToInt(S);
}

int TuiCustomCalendarTable::GetMonthNumber(int, const std::string& S) const {
    for (int month = 1; month <= 12; ++month)
        if (AnsiSameText(S, FormatSettings.LongMonthNames[month - 1]) ||
            AnsiSameText(S, FormatSettings.ShortMonthNames[month - 1]))
            return month;
    return StrToInt(S);
}

int TuiCustomCalendarTable::GetYearNumber(const std::string& S) const {
    const int year = StrToInt(S);
    return S.size() > 2 ? year : TwoDigitYear(year);
}

int TuiCustomCalendarTable::TwoDigitYear(int AYear) const {
    DWORD window = 2029;
    uiGetCalendarInfo(GetThreadLocale(), static_cast<CALID>(GetCalendarType()),
                      CAL_ITWODIGITYEARMAX | CAL_RETURN_NUMBER, nullptr, 0, &window);
    const int max = static_cast<int>(window);
    const int year = AYear + max / 100 * 100;
    return max % 100 < AYear ? year - 100 : year;
}

int TuiCustomCalendarTable::LunarWeekNumber(const TuiDateTime& ADate, int AFirstWeekOfYear) const {
    int rule = AFirstWeekOfYear;
    if (rule == 0)
        rule = StrToIntDef(ovGetLocaleInfo(GetThreadLocale(), LOCALE_IFIRSTWEEKOFYEAR, "0"), 0) + 1;
    TDateTime start = GetFirstDayOfWeek(ToDateTime(ADate.Year, 1, 1));
    if (rule == 2 && FromDateTime(start).Year < ADate.Year) start += 7;
    if (rule == 3 && FromDateTime(start + 3).Year < ADate.Year) start += 7;
    const int week = static_cast<int>(std::trunc(ToDateTime(ADate)) - start) / 7 + 1;
    if (ADate.Month == GetMonthsInYear(ADate.Era, ADate.Year)) {
        const TDateTime weekStart = ToDateTime(GetFirstDayOfWeek(ADate));
        if (rule == 1 && FromDateTime(weekStart + 6).Month == 1) return 1;
        if (rule == 3 && FromDateTime(weekStart + 3).Month == 1) return 1;
    }
    return week;
}
