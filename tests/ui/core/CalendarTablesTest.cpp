#include "UiCoreTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/LocaleData.h"
#include "tests/support/TestLocales.h"
#include "ui/core/dates/CalendarRegistry.h"
#include "ui/core/dates/EraCalendars.h"
#include "ui/core/dates/GregorianCalendars.h"
#include "ui/core/dates/HebrewCalendar.h"
#include "ui/core/dates/HijriCalendar.h"

#include <memory>
#include <string>

using namespace ui_core_test;

namespace calendar_tables_test {

TuiDateTime Calendar(int era, int year, int month, int day) {
    return TuiDateTime{era, year, month, day};
}

void ExpectCalendarDate(const TuiDateTime& got, int era, int year, int month, int day) {
    EXPECT_EQ(got.Era, era);
    EXPECT_EQ(got.Year, year);
    EXPECT_EQ(got.Month, month);
    EXPECT_EQ(got.Day, day);
}

class CalendarTablesTest : public UiCoreTest {};

} // namespace calendar_tables_test

using namespace calendar_tables_test;

TEST(CalendarTables, JapaneseErasConvertBothWays) {
    TuiJapaneseCalendarTable japanese;
    struct Case {
        int year, month, day, era, eraYear;
    };
    const Case cases[] = {
        {1989, 1, 7, 2, 64},    {1989, 1, 8, 3, 1},    {1868, 9, 8, 0, 1},   {1912, 7, 29, 0, 45},
        {1912, 7, 30, 1, 1},    {1926, 12, 24, 1, 15}, {1926, 12, 25, 2, 1}, {2024, 3, 5, 3, 36},
        {1800, 1, 1, -1, -188}, // before the first era: counted in the default, the fourth
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year * 10000 + c.month * 100 + c.day);
        const TDateTime value = EncodeDate(c.year, c.month, c.day);
        const TuiDateTime date = japanese.FromDateTime(value);
        ExpectCalendarDate(date, c.era, c.eraYear, c.month, c.day);
        if (c.era >= 0) {
            EXPECT_EQ(japanese.ToDateTime(date), value);
        }
    }
    EXPECT_EQ(japanese.GetEra(1868, 9, 7), -1);
    EXPECT_EQ(japanese.DefaultEra(), japanese.Eras()->Items(3));
    EXPECT_EQ(japanese.GetMinDate(), EncodeDate(1868, 9, 8));
    EXPECT_EQ(japanese.GetMinYear(), 1);
    EXPECT_EQ(japanese.GetMaxYear(), 8011);
    // A day that does not exist gives the first day of the calendar instead of an error.
    EXPECT_EQ(japanese.ToDateTime(Calendar(3, 20, 2, 30)), japanese.GetMinDate());
}

TEST(CalendarTables, JapaneseYearsStepAcrossEras) {
    TuiJapaneseCalendarTable japanese;
    struct Case {
        int year, month, day, count;
        int era, eraYear;
    };
    const Case cases[] = {
        {1926, 6, 1, 1, 2, 2},   // Taisho 15 + 1 is Showa 2
        {1911, 8, 15, 1, 1, 1},  // Meiji 44 + 1 after 30 July is Taisho 1
        {1911, 8, 1, 1, 1, 1},   // the day decides, not the day number taken for a month
        {1911, 7, 15, 1, 0, 45}, // before 30 July still Meiji 45
        {1989, 6, 1, -1, 2, 63}, // Heisei 1 - 1 is Showa 63
        {1988, 2, 29, 4, 3, 4},  // Showa 63's leap day four years on: Heisei 4
        {1990, 2, 28, 24, 3, 4}, // months
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year * 10000 + c.month * 100 + c.day);
        const TDateTime start = EncodeDate(c.year, c.month, c.day);
        const TDateTime result =
            c.count == 24 ? japanese.AddMonths(start, c.count) : japanese.AddYears(start, c.count);
        const TuiDateTime date = japanese.FromDateTime(result);
        EXPECT_EQ(date.Era, c.era);
        EXPECT_EQ(date.Year, c.eraYear);
        EXPECT_EQ(date.Month, c.month);
        EXPECT_EQ(date.Day, c.day);
    }
}

TEST(CalendarTables, EraTablesCountDaysInTheDatesOwnEra) {
    TuiJapaneseCalendarTable japanese;
    // Showa 63 is 1988, a leap year; in the default era's count it would be 2051, which is not.
    const TuiDateTime leapDay = japanese.FromDateTime(EncodeDate(1988, 2, 29));
    EXPECT_TRUE(japanese.IsValidDate(EncodeDate(1988, 2, 29)));
    EXPECT_EQ(japanese.GetDayOfYear(japanese.FromDateTime(EncodeDate(1988, 3, 1))), 61);
    EXPECT_EQ(japanese.ToDateTime(leapDay), EncodeDate(1988, 2, 29));
}

TEST(CalendarTables, SingleEraCalendars) {
    TuiThaiCalendarTable thai;
    const TuiDateTime y2551 = thai.FromDateTime(EncodeDate(2008, 1, 1));
    ExpectCalendarDate(y2551, 0, 2551, 1, 1);
    ExpectCalendarDate(thai.FromDateTime(thai.AddYears(y2551, -1)), 0, 2550, 1, 1);
    EXPECT_EQ(thai.GetMinYear(), 544);
    EXPECT_EQ(thai.GetMaxYear(), 10542);
    EXPECT_EQ(thai.GetMinDate(), EncodeDate(1, 1, 1));

    TuiTaiwanCalendarTable taiwan;
    ExpectCalendarDate(taiwan.FromDateTime(EncodeDate(2008, 5, 6)), 0, 97, 5, 6);
    EXPECT_EQ(taiwan.GetCalendarType(), 4);
    TuiKoreanCalendarTable korean;
    ExpectCalendarDate(korean.FromDateTime(EncodeDate(2008, 5, 6)), 0, 4341, 5, 6);
    EXPECT_EQ(korean.ToDateTime(Calendar(-1, 4341, 5, 6)), EncodeDate(2008, 5, 6));
}

TEST(CalendarTables, GregorianMonthsAndYears) {
    TuiGregorianCalendarTable gregorian;
    struct Case {
        TDateTime start;
        int months;
        TDateTime expected;
    };
    const Case cases[] = {
        {EncodeDate(2000, 1, 31), 1, EncodeDate(2000, 2, 29)},
        {EncodeDate(2000, 2, 29), 12, EncodeDate(2001, 2, 28)},
        {EncodeDate(2000, 1, 15), -1, EncodeDate(1999, 12, 15)},
        {EncodeDate(2000, 3, 31), -13, EncodeDate(1999, 2, 28)},
        {EncodeDate(2000, 5, 10), 25, EncodeDate(2002, 6, 10)},
        {EncodeDate(2000, 5, 10), -29, EncodeDate(1997, 12, 10)},
        {EncodeDateTime(2000, 1, 31, 13, 30, 0, 0), 1, EncodeDateTime(2000, 2, 29, 13, 30, 0, 0)},
        {EncodeDate(9999, 12, 1), 1, gregorian.GetMinDate()}, // out of the calendar
        {EncodeDate(2000, 1, 1), 2000000000, gregorian.GetMinDate()},
        {uiNullDate, 1, gregorian.GetMinDate()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gregorian.AddMonths(c.start, c.months), c.expected) << c.start << " + " << c.months;
    EXPECT_EQ(gregorian.AddYears(EncodeDate(2000, 2, 29), 1), EncodeDate(2001, 2, 28));
    EXPECT_EQ(gregorian.AddYears(EncodeDate(9999, 2, 1), 1), gregorian.GetMinDate());
    EXPECT_EQ(gregorian.AddWeeks(EncodeDate(2000, 2, 25), 1), EncodeDate(2000, 3, 3));
    TDateTime early = EncodeDate(50, 1, 1);
    gregorian.CheckDateTime(early);
    EXPECT_EQ(early, EncodeDate(100, 1, 1));
}

TEST(CalendarTables, GregorianRules) {
    TuiGregorianCalendarTable gregorian;
    EXPECT_EQ(gregorian.GetEra(2024, 3, 5), -1);
    EXPECT_EQ(gregorian.GetMinDate(), -657434.0);
    EXPECT_TRUE(gregorian.IsLeapYear(2000));
    EXPECT_FALSE(gregorian.IsLeapYear(1900));
    EXPECT_TRUE(gregorian.IsLeapMonth(2024, 2));
    EXPECT_TRUE(gregorian.IsLeapDay(2024, 2, 29));
    EXPECT_FALSE(gregorian.IsLeapDay(2024, 2, 28));
    EXPECT_EQ(gregorian.GetDaysInYear(2023), 365);
    EXPECT_FALSE(gregorian.IsValidMonth(2024, -1));
    EXPECT_FALSE(gregorian.IsValidMonth(2024, 13));
    EXPECT_FALSE(gregorian.IsValidDay(2023, 2, 29));
    EXPECT_FALSE(gregorian.IsValidDay(2023, 2, -29));
    EXPECT_FALSE(gregorian.IsValidYear(99));
    EXPECT_FALSE(gregorian.IsValidDate(uiNullDate));
    // Full weeks: 53 when 1 January is the week's last day, or its last but one in a leap year.
    EXPECT_EQ(gregorian.GetFullWeeksInYear(2005), 53); // starts on a Saturday
    EXPECT_EQ(gregorian.GetFullWeeksInYear(2016), 53); // leap, starts on a Friday
    EXPECT_EQ(gregorian.GetFullWeeksInYear(2010), 52); // starts on a Friday
    EXPECT_EQ(gregorian.GetDayOfYear(EncodeDate(2024, 3, 1)), 61);
    const TuiDateTime march5 = gregorian.FromDateTime(EncodeDateTime(2024, 3, 5, 10, 0, 0, 0));
    ExpectCalendarDate(gregorian.GetStartOfMonth(march5), -1, 2024, 3, 1);
    ExpectCalendarDate(gregorian.GetEndOfMonth(march5), -1, 2024, 3, 31);
    ExpectCalendarDate(gregorian.GetStartOfYear(march5), -1, 2024, 1, 1);
    ExpectCalendarDate(gregorian.GetEndOfYear(march5), -1, 2024, 12, 31);
    EXPECT_EQ(gregorian.GetEndOfMonth(EncodeDate(2024, 2, 10)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(gregorian.GetFirstDayOfWeek(EncodeDate(2024, 3, 7)), EncodeDate(2024, 3, 3));
    EXPECT_EQ(gregorian.GetFirstDayOfWeek(EncodeDate(2024, 3, 7), 1), EncodeDate(2024, 3, 4));
    ExpectCalendarDate(gregorian.GetFirstDayOfWeek(march5, 6), -1, 2024, 3, 2);
    TuiGregorianMiddleEastFrenchCalendarTable mondays;
    EXPECT_EQ(mondays.GetFirstDayOfWeek(EncodeDate(2024, 3, 3)), EncodeDate(2024, 2, 26));
    TuiGregorianArabicCalendarTable saturdays;
    EXPECT_EQ(saturdays.GetWeekStartDay(), 6);
    EXPECT_EQ(gregorian.GetWeekDay(EncodeDate(2024, 3, 5)), 2);
}

TEST(CalendarTables, TypedNumbersAndTheTwoDigitYearWindow) {
    TuiGregorianCalendarTable gregorian;
    struct Case {
        const char* text;
        int year;
    };
    const Case cases[] = {{"5", 2005},  {"29", 2029},   {"30", 1930},
                          {"99", 1999}, {"2030", 2030}, {"0030", 30}};
    for (const Case& c : cases)
        EXPECT_EQ(gregorian.GetYearNumber(c.text), c.year) << c.text;
    EXPECT_EQ(gregorian.GetMonthNumber(2024, "march"), 3);
    EXPECT_EQ(gregorian.GetMonthNumber(2024, "SEP"), 9);
    EXPECT_EQ(gregorian.GetMonthNumber(2024, "11"), 11);
    EXPECT_EQ(gregorian.GetDayNumber("07"), 7);
    EXPECT_THROW(gregorian.GetMonthNumber(2024, "Marz"), EConvertError);
    EXPECT_THROW(gregorian.GetYearNumber("two"), EConvertError);
    // The Japanese calendar keeps era years of two digits as they are.
    const TLocaleOverride japaneseLocale(test_locales::JapaneseCalendarLocale());
    TuiJapaneseCalendarTable japanese;
    EXPECT_EQ(japanese.GetYearNumber("20"), 20);
}

TEST(CalendarTables, TheBaseHasNoCalendar) {
    TuiCustomCalendarTable base;
    EXPECT_THROW(base.GetCalendarType(), EAbstractError);
    EXPECT_THROW(base.FromDateTime(0.0), EAbstractError);
    EXPECT_THROW(base.ToDateTime(2024, 1, 1), EAbstractError);
}

TEST(CalendarTables, ErasAssignTheirValues) {
    TuiEra a(1, 45, 1, 1867, EncodeDate(1868, 9, 8));
    TuiEra b(0, 0, 0, 0, 0);
    b.Assign(&a);
    EXPECT_EQ(b.Era(), 1);
    EXPECT_EQ(b.MaxEraYear(), 45);
    EXPECT_EQ(b.MinEraYear(), 1);
    EXPECT_EQ(b.YearOffset(), 1867);
    EXPECT_EQ(b.StartDate(), EncodeDate(1868, 9, 8));
    TPersistent other; // an object of another kind is refused
    EXPECT_THROW(b.Assign(&other), EConvertError);
}

TEST_F(CalendarTablesTest, OneRegisteredTablePerType) {
    const int before = uiCalendarTableCount();
    TuiCustomCalendarTable* japanese = uiGetCalendarTable(3);
    ASSERT_NE(japanese, nullptr);
    EXPECT_EQ(japanese->GetCalendarType(), 3);
    EXPECT_EQ(uiGetCalendarTable(3), japanese);
    EXPECT_EQ(uiFindCalendarTable(3), japanese);
    EXPECT_EQ(uiCalendarTableCount(), before + 1);
    // Unknown types are served by the one Gregorian table.
    TuiCustomCalendarTable* unknown = uiGetCalendarTable(99);
    EXPECT_EQ(unknown->GetCalendarType(), 1);
    EXPECT_EQ(uiGetCalendarTable(0), unknown);
    EXPECT_EQ(uiGetCalendarTable(1), unknown);
    EXPECT_EQ(uiCalendarTableCount(), before + 2);
    for (int type = 1; type <= 12; ++type)
        EXPECT_EQ(uiGetCalendarTable(type)->GetCalendarType(), type);
    EXPECT_EQ(uiCalendarTableCount(), before + 12);
    {
        // A table made directly is registered for its lifetime.
        TuiHebrewCalendarTable own;
        EXPECT_EQ(uiCalendarTableCount(), before + 13);
    }
    EXPECT_EQ(uiCalendarTableCount(), before + 12);
    EXPECT_EQ(uiFindCalendarTable(8), uiGetCalendarTable(8));
}

TEST_F(CalendarTablesTest, TablesGoWithTheUnit) {
    ASSERT_NE(uiGetCalendarTable(6), nullptr);
    TearDown();
    EXPECT_EQ(uiCalendarTableCount(), 0);
    EXPECT_EQ(uiGetCalendarTable(6), nullptr);
    EXPECT_EQ(uiFindCalendarTable(6), nullptr);
    SetUp();
    EXPECT_NE(uiGetCalendarTable(6), nullptr);
}

TEST_F(CalendarTablesTest, TableClassesAndGregorianTypes) {
    struct Case {
        int type;
        const char* className;
        bool gregorian;
    };
    const Case cases[] = {
        {1, "TuiGregorianCalendarTable", true},
        {2, "TuiGregorianUSEnglishCalendarTable", true},
        {3, "TuiJapaneseCalendarTable", false},
        {4, "TuiTaiwanCalendarTable", false},
        {5, "TuiKoreanCalendarTable", false},
        {6, "TuiHijriCalendarTable", false},
        {7, "TuiThaiCalendarTable", false},
        {8, "TuiHebrewCalendarTable", false},
        {9, "TuiGregorianMiddleEastFrenchCalendarTable", true},
        {10, "TuiGregorianArabicCalendarTable", true},
        {11, "TuiGregorianTransliteratedEnglishCalendarTable", true},
        {12, "TuiGregorianTransliteratedFrenchCalendarTable", true},
        {42, "TuiGregorianCalendarTable", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(uiGetCalendarTableClass(c.type)->ClassName(), c.className);
        EXPECT_EQ(uiCalendarIsGregorian(uiGetCalendarTable(c.type)), c.gregorian) << c.type;
    }
    EXPECT_EQ(uiGetLocaleCalendarType(), 1);
    EXPECT_TRUE(uiCalendarIsGregorian());
    const TLocaleOverride hijri(test_locales::HijriLocale());
    EXPECT_EQ(uiGetLocaleCalendarType(), 6);
    EXPECT_EQ(uiGetLocaleCalendarTable(), uiGetCalendarTable(6));
    EXPECT_FALSE(uiCalendarIsGregorian());
}
