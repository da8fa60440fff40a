#include "platform/rtl/Locale.h"

#include "platform/rtl/LocaleData.h"

#include <cstring>
#include <optional>
#include <string>

namespace locale_detail {

// One answer of a locale item: text, or for the numeric items a number (written as its digits).
struct TItem {
    std::string Text;
    std::optional<int> Number;
};

std::optional<TItem> Item(const TLocaleDefinition& L, LCTYPE AType) {
    // The desktop API numbers the day-name items from Monday.
    const auto day = [](LCTYPE first, LCTYPE type) { return static_cast<int>(type - first + 1) % 7; };
    if (AType >= LOCALE_SDAYNAME1 && AType < LOCALE_SDAYNAME1 + 7)
        return TItem{L.DayNames[day(LOCALE_SDAYNAME1, AType)], {}};
    if (AType >= LOCALE_SABBREVDAYNAME1 && AType < LOCALE_SABBREVDAYNAME1 + 7)
        return TItem{L.AbbrevDayNames[day(LOCALE_SABBREVDAYNAME1, AType)], {}};
    if (AType >= LOCALE_SSHORTESTDAYNAME1 && AType < LOCALE_SSHORTESTDAYNAME1 + 7)
        return TItem{L.ShortestDayNames[day(LOCALE_SSHORTESTDAYNAME1, AType)], {}};
    if (AType >= LOCALE_SMONTHNAME1 && AType < LOCALE_SMONTHNAME1 + 12)
        return TItem{L.MonthNames[AType - LOCALE_SMONTHNAME1], {}};
    if (AType >= LOCALE_SABBREVMONTHNAME1 && AType < LOCALE_SABBREVMONTHNAME1 + 12)
        return TItem{L.AbbrevMonthNames[AType - LOCALE_SABBREVMONTHNAME1], {}};
    const auto number = [](int value) { return TItem{std::to_string(value), value}; };
    switch (AType) {
    case LOCALE_SLIST:
        return TItem{L.ListSeparator, {}};
    case LOCALE_SDECIMAL:
        return TItem{L.DecimalSeparator, {}};
    case LOCALE_STHOUSAND:
        return TItem{L.ThousandSeparator, {}};
    case LOCALE_SCURRENCY:
        return TItem{L.CurrencySymbol, {}};
    case LOCALE_ICURRDIGITS:
        return number(L.CurrencyDigits);
    case LOCALE_ICURRENCY:
        return number(L.CurrencyFormat);
    case LOCALE_INEGCURR:
        return number(L.NegCurrencyFormat);
    case LOCALE_SDATE:
        return TItem{L.DateSeparator, {}};
    case LOCALE_STIME:
        return TItem{L.TimeSeparator, {}};
    case LOCALE_SSHORTDATE:
        return TItem{L.ShortDate, {}};
    case LOCALE_SLONGDATE:
        return TItem{L.LongDate, {}};
    case LOCALE_S1159:
        return TItem{L.AMDesignator, {}};
    case LOCALE_S2359:
        return TItem{L.PMDesignator, {}};
    case LOCALE_SSHORTTIME:
        return TItem{L.ShortTime, {}};
    case LOCALE_STIMEFORMAT:
        return TItem{L.TimeFormat, {}};
    case LOCALE_ICALENDARTYPE:
        return number(static_cast<int>(L.Calendar.Type));
    case LOCALE_IFIRSTDAYOFWEEK:
        return number(L.FirstDayOfWeek);
    case LOCALE_IFIRSTWEEKOFYEAR:
        return number(L.FirstWeekOfYear);
    default:
        return std::nullopt;
    }
}

int CopyNumber(DWORD AValue, char* ABuffer, int ASize) {
    constexpr int kSize = static_cast<int>(sizeof(DWORD));
    if (ASize == 0) return kSize;
    if (ABuffer == nullptr || ASize < kSize) return 0;
    std::memcpy(ABuffer, &AValue, sizeof AValue);
    return kSize;
}

// The two-digit-year window a calendar has unless its locale says otherwise.
int DefaultTwoDigitYearMax(CALID ACalendar) {
    switch (ACalendar) {
    case CAL_JAPAN:
    case CAL_TAIWAN:
        return 99;
    case CAL_KOREA:
        return 4362;
    case CAL_HIJRI:
        return 1451;
    case CAL_THAI:
        return 2572;
    case CAL_HEBREW:
        return 5810;
    default:
        return 2029;
    }
}

} // namespace locale_detail

int GetLocaleInfoA(LCID Locale, LCTYPE LCType, char* lpLCData, int cchData) {
    if (cchData < 0) return 0;
    const TLocaleDefinition* locale = FindLocale(Locale);
    if (locale == nullptr) return 0;
    const bool asNumber = (LCType & LOCALE_RETURN_NUMBER) != 0;
    const auto item = locale_detail::Item(*locale, LCType & ~(LOCALE_RETURN_NUMBER | LOCALE_NOUSEROVERRIDE));
    if (!item) return 0;
    if (asNumber) {
        if (!item->Number) return 0;
        return locale_detail::CopyNumber(static_cast<DWORD>(*item->Number), lpLCData, cchData);
    }
    return CopyLocaleText(item->Text, lpLCData, cchData);
}

int GetCalendarInfoA(LCID Locale, CALID Calendar, CALTYPE CalType, char* lpCalData, int cchData,
                     DWORD* lpValue) {
    const TLocaleDefinition* locale = FindLocale(Locale);
    if (locale == nullptr || Calendar < CAL_GREGORIAN || Calendar > CAL_GREGORIAN_XLIT_FRENCH || cchData < 0)
        return 0;
    if ((CalType & ~CAL_RETURN_NUMBER) != CAL_ITWODIGITYEARMAX) return 0;
    const int value = locale->Calendar.Type == Calendar ? locale->Calendar.TwoDigitYearMax
                                                        : locale_detail::DefaultTwoDigitYearMax(Calendar);
    if ((CalType & CAL_RETURN_NUMBER) != 0) {
        if (lpValue == nullptr) return 0;
        *lpValue = static_cast<DWORD>(value);
        return static_cast<int>(sizeof(DWORD));
    }
    return CopyLocaleText(std::to_string(value), lpCalData, cchData);
}
