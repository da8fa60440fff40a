#include "platform/rtl/Exceptions.h"
#include "ui/core/dates/HebrewCalendar.h"
#include "ui/core/dates/HebrewYearTable.h"
#include "ui/core/dates/HijriCalendar.h"

#include <gtest/gtest.h>

#include <string>

namespace lunar_calendars_test {

struct Sample {
    int year, month, day;    // Gregorian
    int lYear, lMonth, lDay; // the calendar's
};

void ExpectRoundTrips(const TuiCustomCalendarTable& table, const Sample& s) {
    SCOPED_TRACE(s.year * 10000 + s.month * 100 + s.day);
    const TDateTime value = EncodeDate(s.year, s.month, s.day);
    const TuiDateTime date = table.FromDateTime(value);
    EXPECT_EQ(date.Year, s.lYear);
    EXPECT_EQ(date.Month, s.lMonth);
    EXPECT_EQ(date.Day, s.lDay);
    EXPECT_EQ(table.ToDateTime(date), value);
}

// Every day of [AFirst, ALast] converts to a valid day and back to itself.
void ExpectEveryDayRoundTrips(const TuiCustomCalendarTable& table, TDateTime AFirst, TDateTime ALast) {
    int failures = 0;
    for (TDateTime day = AFirst; day <= ALast && failures < 5; day += 1) {
        const TuiDateTime date = table.FromDateTime(day);
        if (!table.IsValidDay(date.Year, date.Month, date.Day) || table.ToDateTime(date) != day) {
            ADD_FAILURE() << "day " << day << " came out as " << date.Year << "-" << date.Month << "-"
                          << date.Day;
            ++failures;
        }
    }
}

} // namespace lunar_calendars_test

using namespace lunar_calendars_test;

TEST(HijriCalendar, Samples) {
    TuiHijriCalendarTable hijri;
    for (const Sample& s : {Sample{2000, 1, 1, 1420, 9, 25}, Sample{622, 7, 19, 1, 1, 2},
                            Sample{622, 7, 18, 1, 1, 1}, Sample{2026, 12, 9, 1448, 6, 29}})
        ExpectRoundTrips(hijri, s);
    EXPECT_EQ(hijri.GetCalendarKind(), 2);
    EXPECT_EQ(hijri.GetWeekStartDay(), 6);
    EXPECT_EQ(hijri.GetFullWeeksInYear(1445), 50);
}

TEST(HijriCalendar, LeapYears) {
    TuiHijriCalendarTable hijri;
    EXPECT_FALSE(hijri.IsLeapYear(1421));
    EXPECT_EQ(hijri.GetDaysInYear(1421), 354);
    EXPECT_EQ(hijri.GetDaysInMonth(1421, 12), 29);
    EXPECT_TRUE(hijri.IsLeapYear(1420));
    EXPECT_EQ(hijri.GetDaysInYear(1420), 355);
    EXPECT_EQ(hijri.GetDaysInMonth(1420, 12), 30);
    EXPECT_TRUE(hijri.IsLeapMonth(1420, 12));
    EXPECT_TRUE(hijri.IsLeapDay(1420, 12, 30));
    EXPECT_FALSE(hijri.IsLeapDay(1420, 11, 30));
    EXPECT_EQ(hijri.GetDaysInMonth(1420, 1), 30);
    EXPECT_EQ(hijri.GetDaysInMonth(1420, 2), 29);
    int leaps = 0;
    for (int year = 1; year <= 30; ++year)
        leaps += hijri.IsLeapYear(year) ? 1 : 0;
    EXPECT_EQ(leaps, 11);
}

TEST(HijriCalendar, EveryDayOf1900To2100ConvertsBack) {
    TuiHijriCalendarTable hijri;
    ExpectEveryDayRoundTrips(hijri, EncodeDate(1900, 1, 1), EncodeDate(2100, 12, 31));
}

TEST(HijriCalendar, DatesOutsideTheCalendarAreClamped) {
    TuiHijriCalendarTable hijri;
    for (const TDateTime early : {EncodeDate(622, 7, 17), EncodeDate(1, 1, 1), -700000.0}) {
        const TuiDateTime first = hijri.FromDateTime(early);
        EXPECT_EQ(first.Year, 1);
        EXPECT_EQ(first.Month, 1);
        EXPECT_EQ(first.Day, 1);
    }
    const TuiDateTime last = hijri.FromDateTime(hijri.GetMaxDate());
    EXPECT_TRUE(hijri.IsValidDay(last.Year, last.Month, last.Day));
    EXPECT_EQ(hijri.ToDateTime(last), hijri.GetMaxDate());
    const TuiDateTime beyond = hijri.FromDateTime(EncodeDate(9999, 1, 1));
    EXPECT_EQ(hijri.ToDateTime(beyond), hijri.GetMaxDate());
}

TEST(HebrewCalendar, Samples) {
    TuiHebrewCalendarTable hebrew;
    for (const Sample& s :
         {Sample{2000, 1, 1, 5760, 4, 23}, Sample{2001, 1, 1, 5761, 4, 6}, Sample{2000, 4, 20, 5760, 8, 15},
          Sample{2008, 3, 20, 5768, 7, 13}, Sample{2024, 10, 3, 5785, 1, 1}})
        ExpectRoundTrips(hebrew, s);
    EXPECT_TRUE(hebrew.IsLeapYear(5760));
    EXPECT_EQ(hebrew.GetMonthsInYear(5760), 13);
    EXPECT_EQ(hebrew.GetDaysInYear(5760), 385);
    EXPECT_EQ(hebrew.GetDaysInYear(5761), 353);
    EXPECT_TRUE(hebrew.IsLeapMonth(5760, 7));
    EXPECT_TRUE(hebrew.IsLeapDay(5760, 7, 29));
    EXPECT_FALSE(hebrew.IsLeapDay(5760, 7, 30));
    EXPECT_FALSE(hebrew.IsLeapMonth(5761, 7));
    EXPECT_EQ(hebrew.GetDaysInMonth(5761, 13), 0);
    EXPECT_EQ(hebrew.GetDaysInYear(6000), 0);
    EXPECT_EQ(hebrew.GetFullWeeksInYear(5760), 55);
    EXPECT_EQ(hebrew.ToDateTime(TuiDateTime{-1, 5761, 13, 1}), hebrew.GetMinDate());
}

TEST(HebrewCalendar, YearTableSamples) {
    const TuiHebrewYearTable& table = uiHebrewYearTable();
    struct Entry {
        int year, january, type;
    };
    const Entry entries[] = {{1583, 7, 3},  {1584, 17, 3}, {1585, 0, 4},  {1900, 0, 5},
                             {2000, 23, 6}, {2001, 6, 1},  {2024, 20, 4}, {2239, 24, 6}};
    for (const Entry& e : entries) {
        EXPECT_EQ(table[2 * static_cast<std::size_t>(e.year - 1583)], e.january) << e.year;
        EXPECT_EQ(table[2 * static_cast<std::size_t>(e.year - 1583) + 1], e.type) << e.year;
    }
}

TEST(HebrewCalendar, MonthsAddUpToTheYears) {
    TuiHebrewCalendarTable hebrew;
    for (int year = hebrew.GetMinYear(); year <= hebrew.GetMaxYear(); ++year) {
        int days = 0;
        for (int month = 1; month <= hebrew.GetMonthsInYear(year); ++month)
            days += hebrew.GetDaysInMonth(year, month);
        ASSERT_EQ(days, hebrew.GetDaysInYear(year)) << year;
        ASSERT_EQ(hebrew.GetYear(hebrew.ToDateTime(year, 1, 1)), year);
        if (year > hebrew.GetMinYear()) {
            ASSERT_EQ(hebrew.ToDateTime(year, 1, 1) - hebrew.ToDateTime(year - 1, 1, 1),
                      hebrew.GetDaysInYear(year - 1))
                << year;
        }
    }
}

TEST(HebrewCalendar, EveryDayConvertsBack) {
    TuiHebrewCalendarTable hebrew;
    ExpectEveryDayRoundTrips(hebrew, EncodeDate(1583, 1, 1), EncodeDate(2239, 9, 29));
}

TEST(HebrewCalendar, DatesOutsideTheTableAreClamped) {
    TuiHebrewCalendarTable hebrew;
    const TuiDateTime first = hebrew.FromDateTime(EncodeDate(1583, 1, 1));
    const TuiDateTime before = hebrew.FromDateTime(EncodeDate(1582, 12, 31));
    EXPECT_EQ(before.Year, first.Year);
    EXPECT_EQ(before.Month, first.Month);
    EXPECT_EQ(before.Day, first.Day);
    const TuiDateTime last = hebrew.FromDateTime(EncodeDate(2239, 9, 29));
    EXPECT_EQ(last.Year, 5999);
    EXPECT_EQ(last.Month, hebrew.GetMonthsInYear(5999));
    EXPECT_EQ(last.Day, 29);
    const TuiDateTime after = hebrew.FromDateTime(EncodeDate(2300, 1, 1));
    EXPECT_EQ(after.Year, 5999);
    EXPECT_EQ(after.Day, 29);
    EXPECT_EQ(hebrew.FromDateTime(-700000).Year, 5343);
}

TEST(HebrewCalendar, LettersAsNumbers) {
    TuiHebrewCalendarTable hebrew;
    EXPECT_EQ(uiHebrewLettersValue("תשסח"), 768);
    EXPECT_EQ(hebrew.GetYearNumber("תשס\"ח"), 5768);
    EXPECT_EQ(hebrew.GetDayNumber("יה"), 15);
    EXPECT_EQ(hebrew.GetDayNumber("ט\"ו"), 15);
    EXPECT_EQ(uiHebrewLettersValue("ךכםמןנףפץצ"), 20 + 20 + 40 + 40 + 50 + 50 + 80 + 80 + 90 + 90);
    EXPECT_EQ(uiHebrewLettersValue("abc 12"), 0);
    EXPECT_EQ(hebrew.GetDayNumber("12"), 12);
    EXPECT_EQ(hebrew.GetYearNumber("5784"), 5784);
    EXPECT_EQ(hebrew.GetMonthNumber(5784, "ז"), 7); // a valid month of a leap year
    EXPECT_EQ(hebrew.GetMonthNumber(5784, "3"), 3);
    EXPECT_THROW(hebrew.GetDayNumber("x"), EConvertError);
}

TEST(HebrewCalendar, WeekNumbers) {
    TuiHebrewCalendarTable hebrew;
    // 29 Elul 5784 (Wednesday 2024-10-02) is in the week that reaches 1 Tishrei 5785: week 1 by rule 1;
    // that week has only three days of 5785, so by rule 3 it stays in 5784.
    const TuiDateTime lastDay = hebrew.FromDateTime(EncodeDate(2024, 10, 2));
    EXPECT_EQ(lastDay.Month, 13);
    EXPECT_EQ(hebrew.GetWeekNumber(lastDay, 0, 1), 1);
    EXPECT_EQ(hebrew.GetWeekNumber(lastDay, 0, 3), 55);
    // 29 Elul 5785 (Monday 2025-09-22): its week holds five days of 5786.
    EXPECT_EQ(hebrew.GetWeekNumber(hebrew.FromDateTime(EncodeDate(2025, 9, 22)), 0, 3), 1);
    EXPECT_GT(hebrew.GetWeekNumber(lastDay, 0, 2), 50);
    const TuiDateTime earlier = hebrew.FromDateTime(EncodeDate(2024, 9, 20));
    EXPECT_GT(hebrew.GetWeekNumber(earlier, 0, 1), 50);
    // 1 Tishrei 5785 is a Thursday: week 1 by rule 1; by rule 2 the first full week starts later.
    const TuiDateTime newYear = hebrew.FromDateTime(EncodeDate(2024, 10, 3));
    EXPECT_EQ(hebrew.GetWeekNumber(newYear, 0, 1), 1);
    EXPECT_EQ(hebrew.GetWeekNumber(hebrew.FromDateTime(EncodeDate(2024, 10, 13)), 0, 2), 2);
    EXPECT_EQ(hebrew.GetWeekNumber(hebrew.FromDateTime(EncodeDate(2024, 10, 10)), 0, 1), 2);
}
