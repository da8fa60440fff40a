#include "ui/core/dates/DateUtils.h"

#include "platform/rtl/Locale.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/Utf8.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/CalendarTable.h"
#include "ui/core/graphics/TextMeasure.h"

#include <cmath>

namespace date_utils_detail {

constexpr TDateTime kNoWeekStart = -699999; // the first week of a year that cannot be encoded

TDateTime FirstWeekStart(int AYear, int ARule) {
    TDateTime january1 = 0;
    if (!TryEncodeDate(AYear, 1, 1, january1)) return kNoWeekStart;
    const int offset = ARule == 3 ? 3 : ARule == 2 ? 6 : 0;
    return uiStartOfWeekDate(january1 + offset);
}

std::string LocaleText(LCTYPE AType) {
    return ovGetLocaleInfo(GetThreadLocale(), AType, "");
}

char FirstChar(const std::string& AText) {
    return AText.empty() ? '\0' : AText[0];
}

} // namespace date_utils_detail

int uiChangeMonth(WORD& AYear, WORD& AMonth, int ADelta) {
    const int years = ADelta / 12;
    int year = AYear + years;
    int month = AMonth + ADelta % 12;
    if (month <= 0) {
        --year;
        month += 12;
    } else if (month > 12) {
        ++year;
        month -= 12;
    }
    AYear = static_cast<WORD>(year);
    AMonth = static_cast<WORD>(month);
    return years;
}

void uiIncMonth(WORD& AYear, WORD& AMonth) {
    uiChangeMonth(AYear, AMonth, 1);
}

void uiDecMonth(WORD& AYear, WORD& AMonth) {
    uiChangeMonth(AYear, AMonth, -1);
}

bool uiIsLeapYear(int AYear) {
    return IsLeapYear(AYear);
}

int uiDaysOfMonth(int AYear, int AMonth) {
    return DaysInAMonth(AYear, AMonth);
}

int uiClampDayToMonth(int AYear, int AMonth, int ADay) {
    if (ADay <= 0) return 1;
    const int days = uiDaysOfMonth(AYear, AMonth);
    return ADay > days ? days : ADay;
}

TDateTime uiTimeOf(TDateTime ADateTime) {
    if (ADateTime == uiNullDate) return 0;
    std::uint16_t h, m, s, ms;
    DecodeTime(ADateTime, h, m, s, ms);
    return static_cast<TDateTime>(((h * 60 + m) * 60 + s) * 1000 + ms) / MSecsPerDay;
}

TDateTime uiDateOf(TDateTime ADateTime) {
    if (ADateTime == uiNullDate) return uiNullDate;
    // Rounded to the millisecond first, so that the day agrees with uiTimeOf.
    return std::trunc(std::round(ADateTime * MSecsPerDay) / MSecsPerDay);
}

int uiGetDateElement(int AElement, TDateTime ADate) {
    std::uint16_t y, m, d;
    DecodeDate(ADate, y, m, d);
    return AElement == 0 ? y : AElement == 1 ? m : d;
}

int uiGetStartOfWeek() {
    // The locale counts 0 Monday .. 6 Sunday.
    const int monday = StrToIntDef(ovGetLocaleInfo(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, "0"), 0);
    return (monday + 1) % 7;
}

int uiDayOfWeek(TDateTime ADate) {
    return DayOfWeek(ADate) - 1;
}

int uiDayOfWeekOffset(TDateTime ADate) {
    return (uiDayOfWeek(ADate) - uiGetStartOfWeek() + 7) % 7;
}

int uiShiftDayOfWeek(int ADay, int ADelta) {
    const int day = ADay + ADelta % 7;
    return day >= 7 ? day - 7 : day;
}

TDateTime uiStartOfWeekDate(TDateTime ADate) {
    return uiDateOf(ADate) - uiDayOfWeekOffset(ADate);
}

int uiGetLocaleFirstWeekOfYear() {
    const std::string rule = ovGetLocaleInfo(GetThreadLocale(), LOCALE_IFIRSTWEEKOFYEAR, "0");
    const char digit = rule.empty() ? '0' : rule[0];
    return 1 + (digit >= '0' && digit <= '9' ? digit - '0' : 0);
}

int uiWeekNumber(int, int ARule, TDateTime ADate) {
    using namespace date_utils_detail;
    const int rule = ARule == 0 ? uiGetLocaleFirstWeekOfYear() : ARule;
    std::uint16_t year, month, day;
    DecodeDate(ADate, year, month, day);
    if (month == 12) {
        const TDateTime next = FirstWeekStart(year + 1, rule);
        if (next != kNoWeekStart && ADate >= next) return 1;
    }
    TDateTime start = FirstWeekStart(year, rule);
    if (month == 1 && ADate < start) start = FirstWeekStart(year - 1, rule);
    return static_cast<int>(std::trunc(std::trunc(ADate) - start)) / 7 + 1;
}

char uiGetLocaleDateSeparator() {
    return date_utils_detail::FirstChar(date_utils_detail::LocaleText(LOCALE_SDATE));
}

char uiGetLocaleTimeSeparator() {
    return date_utils_detail::FirstChar(date_utils_detail::LocaleText(LOCALE_STIME));
}

std::string uiGetLocaleShortDateFormat() {
    return date_utils_detail::LocaleText(LOCALE_SSHORTDATE);
}

std::string uiGetLocaleLongDateFormat() {
    return date_utils_detail::LocaleText(LOCALE_SLONGDATE);
}

std::string uiGetLocaleTimeFormat() {
    return date_utils_detail::LocaleText(LOCALE_STIMEFORMAT);
}

std::string uiGetLocaleTimeAMString() {
    return date_utils_detail::LocaleText(LOCALE_S1159);
}

std::string uiGetLocaleTimePMString() {
    return date_utils_detail::LocaleText(LOCALE_S2359);
}

void uiGetLocaleFormatSettings(TFormatSettings& ASettings) {
    ASettings.DateSeparator = uiGetLocaleDateSeparator();
    ASettings.ShortDateFormat = uiGetLocaleShortDateFormat();
    ASettings.LongDateFormat = uiGetLocaleLongDateFormat();
    ASettings.TimeSeparator = uiGetLocaleTimeSeparator();
    ASettings.LongTimeFormat = uiGetLocaleTimeFormat();
    ASettings.TimeAMString = uiGetLocaleTimeAMString();
    ASettings.TimePMString = uiGetLocaleTimePMString();
    ASettings.ListSeparator = FormatSettings.ListSeparator;
}

void uiGetDayOfWeekName(int ADay, BYTE AFontCharset, std::string& AName) {
    // The locale's items run Monday .. Sunday; index 0 here is Sunday.
    static const LCTYPE kTypes[2][7] = {{0x37, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36},
                                        {0x66, 0x60, 0x61, 0x62, 0x63, 0x64, 0x65}};
    AName.clear();
    if (ADay < 0 || ADay > 6) return;
    const std::string name = date_utils_detail::LocaleText(kTypes[IsWinVistaOrLater() ? 1 : 0][ADay]);
    if (name.empty()) return;
    if (uiIsSpecialTextCharset(AFontCharset, name)) {
        AName = name.substr(Utf8OffsetOf(name, Utf8Length(name) - 1));
    } else {
        std::size_t end = 0;
        Utf8Next(name, end);
        AName = name.substr(0, end);
    }
}

void uiGetMonthName(int AYear, int AMonth, const TuiCustomCalendarTable* ACalendar, std::string& AName) {
    AName.clear();
    const TuiCustomCalendarTable* calendar = ACalendar != nullptr ? ACalendar : uiGetLocaleCalendarTable();
    if (calendar == nullptr || !calendar->IsValidMonth(AYear, AMonth)) return;
    const TDateTime first = calendar->ToDateTime(AYear, AMonth, 1);
    if (uiGetDateFormatText(AName, 0, "MMMM", first)) return;
    std::uint16_t y, m, d;
    DecodeDate(first, y, m, d);
    if (m >= 1 && m <= 12) AName = FormatSettings.LongMonthNames[m - 1];
}

bool uiGetDateFormatText(std::string& AText, DWORD AFlags, const std::string& AFormat, TDateTime ADateTime) {
    AText.clear();
    SYSTEMTIME t;
    DateTimeToSystemTime(ADateTime, t);
    char buffer[256];
    if (GetDateFormatA(GetThreadLocale(), AFlags, &t, AFormat.empty() ? nullptr : AFormat.c_str(), buffer,
                       sizeof buffer) <= 0)
        return false;
    AText = buffer;
    return true;
}
