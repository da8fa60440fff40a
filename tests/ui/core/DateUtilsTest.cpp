#include "UiCoreTestSupport.h"

#include "platform/rtl/Locale.h"
#include "platform/rtl/LocaleData.h"
#include "tests/support/TestLocales.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/DateUtils.h"
#include "ui/core/dates/GregorianCalendars.h"
#include "ui/core/dates/HebrewCalendar.h"
#include "ui/core/dates/HijriCalendar.h"

#include <string>

using namespace ui_core_test;

namespace date_utils_test {

// The ISO 8601 week of a date, worked out from the Thursday of its week.
int IsoWeek(TDateTime ADate) {
    const int mondayBased = (DayOfWeek(ADate) + 5) % 7; // 0 Monday .. 6 Sunday
    const TDateTime thursday = ADate - mondayBased + 3;
    std::uint16_t y, m, d;
    DecodeDate(thursday, y, m, d);
    return static_cast<int>(thursday - EncodeDate(y, 1, 1)) / 7 + 1;
}

std::string DayName(int day, BYTE charset) {
    std::string name;
    uiGetDayOfWeekName(day, charset, name);
    return name;
}

std::string MonthName(int year, int month, const TuiCustomCalendarTable* calendar) {
    std::string name;
    uiGetMonthName(year, month, calendar, name);
    return name;
}

class DateUtilsTest : public UiCoreTest {};

} // namespace date_utils_test

using namespace date_utils_test;

TEST(DateUtils, MonthStepping) {
    struct Case {
        int year, month, delta;
        int newYear, newMonth, result;
    };
    const Case cases[] = {
        {2000, 1, -1, 1999, 12, 0},  {2000, 12, 1, 2001, 1, 0},     {2000, 5, 25, 2002, 6, 2},
        {2000, 5, -25, 1998, 4, -2}, {2000, 12, -12, 1999, 12, -1}, {2000, 6, 0, 2000, 6, 0},
    };
    for (const Case& c : cases) {
        WORD year = static_cast<WORD>(c.year), month = static_cast<WORD>(c.month);
        EXPECT_EQ(uiChangeMonth(year, month, c.delta), c.result);
        EXPECT_EQ(year, c.newYear);
        EXPECT_EQ(month, c.newMonth);
    }
    WORD year = 2000, month = 12;
    uiIncMonth(year, month);
    EXPECT_EQ(year * 100 + month, 200101);
    uiDecMonth(year, month);
    uiDecMonth(year, month);
    EXPECT_EQ(year * 100 + month, 200011);
}

TEST(DateUtils, DaysOfMonths) {
    struct Case {
        int year, month, day, clamped;
    };
    const Case cases[] = {{2001, 2, 31, 28}, {2000, 2, 31, 29}, {2000, 2, -3, 1},
                          {2000, 2, 0, 1},   {2000, 4, 31, 30}, {2000, 4, 12, 12}};
    for (const Case& c : cases)
        EXPECT_EQ(uiClampDayToMonth(c.year, c.month, c.day), c.clamped);
    EXPECT_TRUE(uiIsLeapYear(2000));
    EXPECT_FALSE(uiIsLeapYear(1900));
    EXPECT_TRUE(uiIsLeapYear(-4));
    EXPECT_EQ(uiDaysOfMonth(1900, 2), 28);
    EXPECT_EQ(uiDaysOfMonth(2024, 12), 31);
}

TEST(DateUtils, PartsOfADateTime) {
    EXPECT_EQ(uiTimeOf(uiNullDate), 0);
    EXPECT_EQ(uiDateOf(uiNullDate), uiNullDate);
    const TDateTime evening = EncodeDateTime(2024, 3, 5, 18, 0, 0, 0);
    EXPECT_DOUBLE_EQ(uiTimeOf(evening), 0.75);
    EXPECT_EQ(uiDateOf(evening), EncodeDate(2024, 3, 5));
    // Before 1899-12-30 the fraction still counts forward through the day.
    EXPECT_DOUBLE_EQ(uiTimeOf(-1.25), 0.25);
    EXPECT_EQ(uiDateOf(-1.25), -1);
    // A value a hair before midnight belongs to the next day in both parts.
    EXPECT_EQ(uiDateOf(EncodeDate(2024, 3, 6) - 1e-10), EncodeDate(2024, 3, 6));
    EXPECT_EQ(uiTimeOf(EncodeDate(2024, 3, 6) - 1e-10), 0);
    EXPECT_EQ(uiGetDateElement(0, evening), 2024);
    EXPECT_EQ(uiGetDateElement(1, evening), 3);
    EXPECT_EQ(uiGetDateElement(7, evening), 5);
    EXPECT_EQ(uiShiftDayOfWeek(5, 3), 1);
    EXPECT_EQ(uiShiftDayOfWeek(0, 13), 6);
    EXPECT_EQ(uiShiftDayOfWeek(6, 0), 6);
}

TEST(DateUtils, WeekStartsFollowTheLocale) {
    const TDateTime sunday = EncodeDateTime(2024, 3, 10, 9, 0, 0, 0);
    EXPECT_EQ(uiGetStartOfWeek(), 0);
    EXPECT_EQ(uiDayOfWeek(sunday), 0);
    EXPECT_EQ(uiDayOfWeekOffset(sunday), 0);
    EXPECT_EQ(uiStartOfWeekDate(sunday), EncodeDate(2024, 3, 10));
    EXPECT_EQ(uiGetLocaleFirstWeekOfYear(), 1);
    const TLocaleOverride monday(test_locales::DayFirstLocale());
    EXPECT_EQ(uiGetStartOfWeek(), 1);
    EXPECT_EQ(uiDayOfWeekOffset(sunday), 6);
    EXPECT_EQ(uiStartOfWeekDate(sunday), EncodeDate(2024, 3, 4));
    EXPECT_EQ(uiDayOfWeekOffset(EncodeDate(2024, 3, 4)), 0);
    EXPECT_EQ(uiGetLocaleFirstWeekOfYear(), 3);
}

TEST(DateUtils, WeekNumbersAcrossYearEnds) {
    struct Case {
        int year, month, day, rule, week;
    };
    // Weeks start on Sunday (en-US). 2014-01-01 is a Wednesday, 2015-01-01 a Thursday.
    const Case cases[] = {
        {2014, 1, 1, 1, 1},    {2014, 1, 1, 2, 52},   {2014, 1, 1, 3, 1},    {2014, 1, 4, 2, 52},
        {2014, 1, 5, 2, 1},    {2014, 12, 28, 1, 1},  {2014, 12, 27, 1, 52}, {2014, 12, 28, 3, 53},
        {2014, 12, 28, 2, 52}, {2015, 1, 3, 2, 52},   {2016, 1, 1, 3, 52},   {2016, 1, 3, 3, 1},
        {2024, 3, 5, 1, 10},   {9999, 12, 31, 1, 53},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiWeekNumber(0, c.rule, EncodeDate(c.year, c.month, c.day)), c.week)
            << c.year << "-" << c.month << "-" << c.day << " rule " << c.rule;
    EXPECT_EQ(uiWeekNumber(0, 0, EncodeDate(2014, 1, 1)), 1); // the locale's rule: the week of 1 January
}

TEST(DateUtils, RuleThreeWithMondaysIsTheIsoWeek) {
    const TLocaleOverride monday(test_locales::DayFirstLocale());
    int mismatches = 0;
    for (TDateTime day = EncodeDate(1990, 1, 1); day <= EncodeDate(2040, 12, 31) && mismatches < 5; day += 1)
        if (uiWeekNumber(0, 3, day) != IsoWeek(day)) {
            ADD_FAILURE() << "day " << day << ": " << uiWeekNumber(0, 3, day) << " is not " << IsoWeek(day);
            ++mismatches;
        }
    EXPECT_EQ(uiWeekNumber(0, 0, EncodeDate(2021, 1, 3)), 53); // the locale says rule 3
}

TEST(DateUtils, LocaleItemsWithADefault) {
    EXPECT_EQ(ovGetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_S1159, "x"), "AM");
    EXPECT_EQ(ovGetLocaleInfo(kEnglishUSLocale, 0x7777, "default"), "default");
    EXPECT_EQ(ovGetLocaleInfo(0x7777, LOCALE_SDATE, "default"), "default");
    const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
    EXPECT_EQ(ovGetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_S1159, "x"), ""); // an empty answer is an answer
}

TEST(DateUtils, LocaleSettingsOneByOne) {
    TFormatSettings settings;
    settings.ListSeparator = '?';
    settings.CurrencyString = "kept";
    const char savedList = FormatSettings.ListSeparator;
    FormatSettings.ListSeparator = '|';
    {
        const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
        EXPECT_EQ(uiGetLocaleDateSeparator(), '.');
        EXPECT_EQ(uiGetLocaleTimeSeparator(), ':');
        EXPECT_EQ(uiGetLocaleShortDateFormat(), "dd.MM.yyyy");
        EXPECT_EQ(uiGetLocaleLongDateFormat(), "dddd, d. MMMM yyyy");
        EXPECT_EQ(uiGetLocaleTimeFormat(), "HH:mm:ss");
        EXPECT_EQ(uiGetLocaleTimeAMString(), "");
        uiGetLocaleFormatSettings(settings);
    }
    FormatSettings.ListSeparator = savedList;
    EXPECT_EQ(settings.DateSeparator, '.');
    EXPECT_EQ(settings.ShortDateFormat, "dd.MM.yyyy");
    EXPECT_EQ(settings.LongTimeFormat, "HH:mm:ss");
    EXPECT_EQ(settings.TimePMString, "");
    EXPECT_EQ(settings.ListSeparator, '|');
    EXPECT_EQ(settings.CurrencyString, "kept");
    EXPECT_EQ(uiGetLocaleTimePMString(), "PM");
}

TEST_F(DateUtilsTest, DayNamesAreCutToOneCharacter) {
    constexpr BYTE kAnsi = 0, kDefault = 1, kShiftJis = 128, kGB2312 = 134, kArabic = 178;
    EXPECT_EQ(DayName(0, kAnsi), "S");
    EXPECT_EQ(DayName(1, kAnsi), "M");
    EXPECT_EQ(DayName(6, kDefault), "S");
    EXPECT_EQ(DayName(7, kAnsi), "");
    EXPECT_EQ(DayName(1, kGB2312), "M"); // a name that starts with a plain letter keeps its first
    {
        const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
        EXPECT_EQ(DayName(3, kAnsi), "M"); // Mittwoch
    }
    {
        const TLocaleOverride japanese(test_locales::JapaneseCalendarLocale());
        EXPECT_EQ(DayName(0, kShiftJis), "日");
    }
    const TLocaleOverride arabic(test_locales::HijriLocale());
    EXPECT_EQ(DayName(0, kArabic), "د"); // the last letter of the Arabic name
    EXPECT_EQ(DayName(0, kAnsi), "ا");
}

TEST_F(DateUtilsTest, MonthNamesOfTheLocaleAndItsCalendar) {
    TuiGregorianCalendarTable gregorian;
    EXPECT_EQ(MonthName(2024, 3, &gregorian), "March");
    EXPECT_EQ(MonthName(2024, 13, &gregorian), "");
    EXPECT_EQ(MonthName(2024, 0, nullptr), "");
    EXPECT_EQ(MonthName(2024, 12, nullptr), "December");
    {
        const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
        EXPECT_EQ(MonthName(2024, 3, &gregorian), "März");
    }
    {
        const TLocaleOverride hijriLocale(test_locales::HijriLocale());
        TuiHijriCalendarTable hijri;
        EXPECT_EQ(MonthName(1445, 9, &hijri), "Ramadan");
        EXPECT_EQ(MonthName(1445, 9, nullptr), "Ramadan");
        EXPECT_EQ(hijri.GetMonthNumber(1445, "ramadan"), 9);
        EXPECT_EQ(hijri.GetMonthNumber(1445, "12"), 12);
    }
    const TLocaleOverride hebrewLocale(test_locales::HebrewLocale());
    TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(MonthName(5784, 6, &hebrew), "Adar I");
    EXPECT_EQ(MonthName(5784, 7, &hebrew), "Adar II");
    EXPECT_EQ(MonthName(5785, 7, &hebrew), "Nisan");
    EXPECT_EQ(MonthName(5785, 13, &hebrew), "");
    EXPECT_EQ(hebrew.GetMonthNumber(5784, "adar ii"), 7);
    EXPECT_EQ(hebrew.GetMonthNumber(5785, "Nisan"), 7);
}

TEST_F(DateUtilsTest, DateFormatText) {
    std::string text = "old";
    EXPECT_TRUE(uiGetDateFormatText(text, DATE_LONGDATE, "", EncodeDate(2024, 3, 5)));
    EXPECT_EQ(text, "Tuesday, March 5, 2024");
    EXPECT_TRUE(uiGetDateFormatText(text, 0, "d MMM", EncodeDateTime(2024, 3, 5, 12, 0, 0, 0)));
    EXPECT_EQ(text, "5 Mar");
    EXPECT_FALSE(uiGetDateFormatText(text, 0, "d", uiNullDate));
    EXPECT_EQ(text, "");
}
