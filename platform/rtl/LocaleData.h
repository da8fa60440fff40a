// The locales the system knows and their data: en-US (1033) is built in and is the user's and the
// system's default; other locales are installed at run time (tests install day-first locales and
// locales with other calendars), and the user's default can be changed as the user would in the
// regional settings. Dates in the calendars other than the Gregorian are counted by a converter that
// the user-interface library installs from its calendar tables.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Locale.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

struct TLocaleEra {
    int Number = 0;    // the era as its calendar counts it
    std::string Name;  // as written with the picture "g"
    int StartYear = 0; // the Gregorian year in which the era began
};

// The calendar a locale counts its dates in.
struct TLocaleCalendar {
    CALID Type = CAL_GREGORIAN;
    // Two-digit years are placed in the hundred years that end with this year.
    int TwoDigitYearMax = 2029;
    std::vector<TLocaleEra> Eras;
    // The calendar's own month names where they are not the locale's (12, or 13 for a year of 13
    // months); empty: the locale's month names.
    std::vector<std::string> MonthNames;
    std::vector<std::string> AbbrevMonthNames;
    std::vector<std::string> LeapYearMonthNames;
    std::vector<std::string> LeapYearAbbrevMonthNames;
};

struct TLocaleDefinition {
    LCID Id = 0;
    // Day names run Sunday .. Saturday.
    std::array<std::string, 7> DayNames;
    std::array<std::string, 7> AbbrevDayNames;
    std::array<std::string, 7> ShortestDayNames;
    std::array<std::string, 12> MonthNames;
    std::array<std::string, 12> AbbrevMonthNames;
    std::string DateSeparator;
    std::string TimeSeparator;
    std::string ShortDate;
    std::string LongDate;
    std::string TimeFormat;
    std::string ShortTime;
    std::string AMDesignator;
    std::string PMDesignator;
    std::string ListSeparator;
    std::string DecimalSeparator;
    std::string ThousandSeparator;
    std::string CurrencySymbol;
    int CurrencyDigits = 2;
    int CurrencyFormat = 0;    // positive currency order 0..3
    int NegCurrencyFormat = 0; // negative currency order 0..15
    int FirstDayOfWeek = 6;    // 0 Monday .. 6 Sunday
    int FirstWeekOfYear = 0;   // 0 holds 1 January, 1 first full week, 2 first week of four days
    TLocaleCalendar Calendar;
};

constexpr LCID kEnglishUSLocale = 1033;
const TLocaleDefinition& EnglishUSLocale();

// Adds a locale or replaces the one with the same Id.
void InstallLocale(const TLocaleDefinition& ALocale);
// Forgets an installed locale; en-US stays.
void RemoveLocale(LCID ALocale);
// The definition of a locale (LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT and LOCALE_NEUTRAL resolved),
// or null for one the system does not know.
const TLocaleDefinition* FindLocale(LCID ALocale);
// Copies text with its zero into the buffer of an ANSI locale call: answers the size needed when ASize
// is 0, and 0 when the text does not fit.
int CopyLocaleText(const std::string& AText, char* ABuffer, int ASize);

// A locale item as text through GetLocaleInfoA (without the zero); false when the locale does not
// answer.
bool ReadLocaleText(LCID ALocale, LCTYPE AType, std::string& AText);

// The user picks another locale in the regional settings; answers false for an unknown one.
bool SetUserDefaultLocale(LCID ALocale);

// A date as a calendar counts it: its era number (0 for a calendar without eras), year, month and day,
// how many months its year has (the names of some calendars depend on it), and the calendar that
// counted it.
struct TCalendarDate {
    int Era = 0;
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int MonthsInYear = 12;
    CALID Calendar = CAL_GREGORIAN;
};
// Answers false for a calendar it cannot count in (the date is then written in the Gregorian one).
using TCalendarDateConverter = std::function<bool(CALID ACalendar, TDateTime ADate, TCalendarDate& AResult)>;
// Installs the converter (an empty one: none). Answers the one it replaces.
TCalendarDateConverter SetCalendarDateConverter(TCalendarDateConverter AConverter);
// `ADate` counted in `ACalendar`; where no converter counts in it, the Gregorian calendar does.
TCalendarDate CalendarDateOf(CALID ACalendar, TDateTime ADate);

// Installs a locale and makes it the user's default and the thread's locale for the lifetime of this
// object; afterwards the previous ones come back, as does the definition it replaced (if any).
class TLocaleOverride {
public:
    explicit TLocaleOverride(const TLocaleDefinition& ALocale);
    ~TLocaleOverride();
    TLocaleOverride(const TLocaleOverride&) = delete;
    TLocaleOverride& operator=(const TLocaleOverride&) = delete;

private:
    LCID FId;
    std::vector<TLocaleDefinition> FReplaced; // the definition it stands in for, when there was one
    LCID FPreviousUser;
    LCID FPreviousThread;
};
