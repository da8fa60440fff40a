// The date and time pictures of the locale API (GetDateFormatA, GetTimeFormatA).
#include "platform/rtl/Clock.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/LocaleData.h"
#include "platform/rtl/Utf8.h"

#include <functional>
#include <string>
#include <string_view>

namespace locale_date_format_detail {

// Writes a picture: text between apostrophes is copied ('' is one apostrophe), every run of one letter
// goes to AField (which answers false for a letter that is no field: the run is then copied), and
// everything else is copied.
std::string ExpandPicture(std::string_view APicture,
                          const std::function<bool(char ALetter, int ARun, std::string& AOut)>& AField) {
    std::string out;
    std::size_t i = 0;
    while (i < APicture.size()) {
        const char c = APicture[i];
        if (c == '\'') {
            ++i;
            while (i < APicture.size()) {
                if (APicture[i] == '\'') {
                    if (i + 1 < APicture.size() && APicture[i + 1] == '\'') {
                        out += '\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                out += APicture[i++];
            }
            continue;
        }
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        std::size_t run = 1;
        while (letter && i + run < APicture.size() && APicture[i + run] == c)
            ++run;
        if (!letter || !AField(c, static_cast<int>(run), out)) out.append(APicture.substr(i, run));
        i += run;
    }
    return out;
}

std::string TwoDigits(int AValue) {
    std::string text = std::to_string(AValue);
    return text.size() < 2 ? "0" + text : text;
}

// The month names the locale writes for a date of its calendar.
const std::string& MonthName(const TLocaleDefinition& L, const TCalendarDate& D, bool AAbbreviated) {
    static const TLocaleCalendar kGregorian;
    const TLocaleCalendar& c = D.Calendar == L.Calendar.Type ? L.Calendar : kGregorian;
    const bool leap = D.MonthsInYear == 13;
    const std::vector<std::string>& own =
        AAbbreviated
            ? (leap && !c.LeapYearAbbrevMonthNames.empty() ? c.LeapYearAbbrevMonthNames : c.AbbrevMonthNames)
            : (leap && !c.LeapYearMonthNames.empty() ? c.LeapYearMonthNames : c.MonthNames);
    const std::size_t index = static_cast<std::size_t>(D.Month - 1);
    if (!own.empty()) {
        static const std::string kNone;
        return index < own.size() ? own[index] : kNone;
    }
    return AAbbreviated ? L.AbbrevMonthNames[index % 12] : L.MonthNames[index % 12];
}

std::string EraName(const TLocaleDefinition& L, const TCalendarDate& D) {
    if (D.Calendar != L.Calendar.Type) return {};
    for (const TLocaleEra& era : L.Calendar.Eras)
        if (era.Number == D.Era) return era.Name;
    return {};
}

std::string DateText(const TLocaleDefinition& L, TDateTime ADate, std::string_view APicture) {
    const TCalendarDate d = CalendarDateOf(L.Calendar.Type, ADate);
    const int weekDay = DayOfWeek(ADate) - 1;
    return ExpandPicture(APicture, [&](char ALetter, int ARun, std::string& AOut) {
        switch (ALetter) {
        case 'd':
            AOut += ARun == 1   ? std::to_string(d.Day)
                    : ARun == 2 ? TwoDigits(d.Day)
                    : ARun == 3 ? L.AbbrevDayNames[static_cast<std::size_t>(weekDay)]
                                : L.DayNames[static_cast<std::size_t>(weekDay)];
            return true;
        case 'M':
            AOut += ARun == 1   ? std::to_string(d.Month)
                    : ARun == 2 ? TwoDigits(d.Month)
                                : MonthName(L, d, ARun == 3);
            return true;
        case 'y':
            AOut += ARun == 1   ? std::to_string(d.Year % 100)
                    : ARun == 2 ? TwoDigits(d.Year % 100)
                                : std::to_string(d.Year);
            return true;
        case 'g':
            AOut += EraName(L, d);
            return true;
        default:
            return false;
        }
    });
}

// The first character of a designator, whole even when it takes several bytes.
std::string FirstCharacter(const std::string& AText) {
    if (AText.empty()) return {};
    std::size_t end = 0;
    Utf8Next(AText, end);
    return AText.substr(0, end);
}

std::string TimeText(const TLocaleDefinition& L, const SYSTEMTIME& T, std::string_view APicture) {
    const int hour12 = T.wHour % 12 == 0 ? 12 : T.wHour % 12;
    const std::string& designator = T.wHour < 12 ? L.AMDesignator : L.PMDesignator;
    return ExpandPicture(APicture, [&](char ALetter, int ARun, std::string& AOut) {
        const auto number = [&](int AValue) {
            AOut += ARun == 1 ? std::to_string(AValue) : TwoDigits(AValue);
        };
        switch (ALetter) {
        case 'h':
            number(hour12);
            return true;
        case 'H':
            number(T.wHour);
            return true;
        case 'm':
            number(T.wMinute);
            return true;
        case 's':
            number(T.wSecond);
            return true;
        case 't':
            AOut += ARun == 1 ? FirstCharacter(designator) : designator;
            return true;
        default:
            return false;
        }
    });
}

SYSTEMTIME CurrentTime() {
    SYSTEMTIME t;
    DateTimeToSystemTime(Now(), t);
    return t;
}

} // namespace locale_date_format_detail

void DateTimeToSystemTime(TDateTime ADateTime, SYSTEMTIME& ASystemTime) {
    std::uint16_t y, mo, d, h, mi, s, ms;
    DecodeDateTime(ADateTime, y, mo, d, h, mi, s, ms);
    ASystemTime.wYear = y;
    ASystemTime.wMonth = mo;
    ASystemTime.wDay = d;
    ASystemTime.wDayOfWeek = static_cast<WORD>(y == 0 ? 0 : DayOfWeek(ADateTime) - 1);
    ASystemTime.wHour = h;
    ASystemTime.wMinute = mi;
    ASystemTime.wSecond = s;
    ASystemTime.wMilliseconds = ms;
}

int GetDateFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpDate, const char* lpFormat,
                   char* lpDateStr, int cchDate) {
    using namespace locale_date_format_detail;
    const TLocaleDefinition* locale = FindLocale(Locale);
    if (locale == nullptr || cchDate < 0) return 0;
    // A picture and a request for one of the locale's own pictures exclude each other.
    const bool oneOwnPicture = dwFlags == 0 || dwFlags == DATE_SHORTDATE || dwFlags == DATE_LONGDATE;
    if (!oneOwnPicture || (lpFormat != nullptr && dwFlags != 0)) return 0;
    const SYSTEMTIME t = lpDate != nullptr ? *lpDate : CurrentTime();
    TDateTime date = 0;
    if (!TryEncodeDate(t.wYear, t.wMonth, t.wDay, date)) return 0;
    const std::string_view picture = lpFormat != nullptr              ? std::string_view(lpFormat)
                                     : (dwFlags & DATE_LONGDATE) != 0 ? std::string_view(locale->LongDate)
                                                                      : std::string_view(locale->ShortDate);
    return CopyLocaleText(DateText(*locale, date, picture), lpDateStr, cchDate);
}

int GetTimeFormatA(LCID Locale, DWORD dwFlags, const SYSTEMTIME* lpTime, const char* lpFormat,
                   char* lpTimeStr, int cchTime) {
    using namespace locale_date_format_detail;
    const TLocaleDefinition* locale = FindLocale(Locale);
    if (locale == nullptr || cchTime < 0 || dwFlags != 0) return 0;
    const SYSTEMTIME t = lpTime != nullptr ? *lpTime : CurrentTime();
    TDateTime time = 0;
    if (!TryEncodeTime(t.wHour, t.wMinute, t.wSecond, t.wMilliseconds, time)) return 0;
    const std::string_view picture = lpFormat != nullptr ? std::string_view(lpFormat) : locale->TimeFormat;
    return CopyLocaleText(TimeText(*locale, t, picture), lpTimeStr, cchTime);
}
