#include "ui/core/dates/HebrewCalendar.h"

#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"
#include "ui/core/dates/DateUtils.h"
#include "ui/core/dates/HebrewYearTable.h"

#include <cmath>

namespace hebrew_calendar_detail {

constexpr int kYearOffset = 3760; // Hebrew year = Gregorian year of its 1 January + 3760

// The table's second value for a Hebrew year, 0 outside the table.
int YearCode(int AYear) {
    const int gregorian = AYear - kYearOffset;
    if (gregorian < uiHebrewTableFirstYear || gregorian > uiHebrewTableLastYear) return 0;
    return uiHebrewYearTable()[2 * static_cast<std::size_t>(gregorian - uiHebrewTableFirstYear) + 1];
}

// The Hebrew month and day of 1 January of a Gregorian year in the table.
void JanuaryFirst(int AGregorianYear, int& AMonth, int& ADay) {
    const int code =
        uiHebrewYearTable()[2 * static_cast<std::size_t>(AGregorianYear - uiHebrewTableFirstYear)];
    switch (code) {
    case 0:
        AMonth = 5, ADay = 1;
        break;
    case 30:
        AMonth = 3, ADay = 30;
        break;
    case 31:
        AMonth = 5, ADay = 2;
        break;
    case 32:
        AMonth = 5, ADay = 3;
        break;
    case 33:
        AMonth = 3, ADay = 29;
        break;
    default:
        AMonth = 4, ADay = code;
        break;
    }
}

} // namespace hebrew_calendar_detail

TDateTime TuiHebrewCalendarTable::GetMaxDate() const {
    return EncodeDateTime(2239, 9, 29, 23, 59, 59, 999);
}

TDateTime TuiHebrewCalendarTable::GetMinDate() const {
    return EncodeDate(1583, 1, 1);
}

int TuiHebrewCalendarTable::YearType(int AYear) const {
    const int code = hebrew_calendar_detail::YearCode(AYear);
    return code > 3 ? code - 3 : code;
}

bool TuiHebrewCalendarTable::IsLeapYear(int, int AYear) const {
    return hebrew_calendar_detail::YearCode(AYear) >= 4;
}

bool TuiHebrewCalendarTable::IsLeapMonth(int AEra, int AYear, int AMonth) const {
    return IsLeapYear(AEra, AYear) && AMonth == 7;
}

bool TuiHebrewCalendarTable::IsLeapDay(int AEra, int AYear, int AMonth, int ADay) const {
    return IsLeapMonth(AEra, AYear, AMonth) && IsValidDay(AEra, AYear, AMonth, ADay);
}

int TuiHebrewCalendarTable::GetDaysInMonth(int AEra, int AYear, int AMonth) const {
    if (!IsValidMonth(AEra, AYear, AMonth)) return 0;
    return uiHebrewMonthDays[hebrew_calendar_detail::YearCode(AYear)][AMonth];
}

int TuiHebrewCalendarTable::GetDaysInYear(int AEra, int AYear) const {
    const int type = YearType(AYear);
    if (type == 0) return 0;
    return 352 + type + (IsLeapYear(AEra, AYear) ? 30 : 0);
}

TuiDateTime TuiHebrewCalendarTable::FromDateTime(TDateTime ADateTime) const {
    CheckDateTime(ADateTime);
    TuiDateTime date = GregorianDateTime(ADateTime);
    date.Year += hebrew_calendar_detail::kYearOffset;
    date.Month = 1;
    const TDateTime day = std::trunc(ADateTime);
    int index = static_cast<int>(day - ToDateTime(date.Year, 1, 1)) + 1;
    // Month by month towards the month that holds the day (at most a year away).
    while (index < 1 || index > GetDaysInMonth(date.Year, date.Month)) {
        if (index < 1) {
            if (--date.Month < 1) date.Month = GetMonthsInYear(--date.Year);
        } else if (++date.Month > GetMonthsInYear(date.Year)) {
            date.Month = 1;
            ++date.Year;
        }
        index = static_cast<int>(day - ToDateTime(date.Year, date.Month, 1)) + 1;
    }
    date.Day = index;
    return date;
}

TDateTime TuiHebrewCalendarTable::ToDateTime(const TuiDateTime& ADate) const {
    using namespace hebrew_calendar_detail;
    if (!IsValidDay(ADate.Era, ADate.Year, ADate.Month, ADate.Day)) return GetMinDate();
    const int gregorian = ADate.Year - kYearOffset;
    int month0 = 0, day0 = 0;
    JanuaryFirst(gregorian, month0, day0);
    const std::int32_t* days = uiHebrewMonthDays[YearCode(ADate.Year)];
    int offset = 0;
    if (ADate.Month == month0) {
        offset = ADate.Day - day0;
    } else if (ADate.Month > month0) {
        offset = days[month0] - day0 + ADate.Day;
        for (int m = month0 + 1; m < ADate.Month; ++m)
            offset += days[m];
    } else {
        offset = days[ADate.Month] - ADate.Day + day0;
        for (int m = ADate.Month + 1; m < month0; ++m)
            offset += days[m];
        offset = -offset;
    }
    return EncodeDateTime(gregorian, 1, 1, ADate.Hours, ADate.Minutes, ADate.Seconds, ADate.Milliseconds) +
           offset;
}

int TuiHebrewCalendarTable::GetWeekNumber(const TuiDateTime& ADate, std::uint8_t,
                                          std::uint8_t AFirstWeekOfYear) const {
    return LunarWeekNumber(ADate, AFirstWeekOfYear);
}

int TuiHebrewCalendarTable::GetDayNumber(const std::string& S) const {
    const int value = uiHebrewLettersValue(S);
    return value != 0 ? value : StrToInt(S);
}

int TuiHebrewCalendarTable::GetMonthNumber(int AYear, const std::string& S) const {
    const int value = uiHebrewLettersValue(S);
    if (value != 0 && IsValidMonth(AYear, value)) return value;
    std::string name;
    for (int month = 1; month <= 13; ++month) {
        uiGetMonthName(AYear, month, this, name);
        if (!name.empty() && AnsiSameText(S, name)) return month;
    }
    return TuiCustomCalendarTable::GetMonthNumber(AYear, S);
}

int TuiHebrewCalendarTable::GetYearNumber(const std::string& S) const {
    const int value = uiHebrewLettersValue(S);
    return value != 0 ? value + 5000 : TuiCustomCalendarTable::GetYearNumber(S);
}

int uiHebrewLettersValue(const std::string& S) {
    // Values of U+05D0 alef .. U+05EA tav, final forms included.
    static const int kValues[27] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  20,  20,  30, 40,
                                    40, 50, 50, 60, 70, 80, 80, 90, 90, 100, 200, 300, 400};
    int sum = 0;
    std::size_t pos = 0;
    while (pos < S.size()) {
        const char32_t c = Utf8Next(S, pos);
        if (c >= 0x05D0 && c <= 0x05EA) sum += kValues[c - 0x05D0];
    }
    return sum;
}
