#include "platform/rtl/DateTime.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

struct Civil {
    int year, month, day, hour, minute, second, ms;
};

Civil Decoded(TDateTime value) {
    std::uint16_t y, mo, d, h, mi, s, ms;
    DecodeDateTime(value, y, mo, d, h, mi, s, ms);
    return {y, mo, d, h, mi, s, ms};
}

void ExpectCivil(TDateTime value, const Civil& expected) {
    const Civil got = Decoded(value);
    EXPECT_EQ(got.year, expected.year) << value;
    EXPECT_EQ(got.month, expected.month) << value;
    EXPECT_EQ(got.day, expected.day) << value;
    EXPECT_EQ(got.hour, expected.hour) << value;
    EXPECT_EQ(got.minute, expected.minute) << value;
    EXPECT_EQ(got.second, expected.second) << value;
    EXPECT_EQ(got.ms, expected.ms) << value;
}

} // namespace

TEST(DateTime, KnownDayNumbers) {
    struct Case {
        int year, month, day;
        double serial;
        int dayOfWeek;
    };
    const Case cases[] = {
        {1899, 12, 30, 0, 7},   {1899, 12, 31, 1, 1},       {1900, 1, 1, 2, 2},      {1899, 12, 29, -1, 6},
        {1970, 1, 1, 25569, 5}, {2000, 1, 1, 36526, 7},     {2000, 2, 29, 36585, 3}, {2026, 12, 10, 46366, 5},
        {1, 1, 1, -693593, 2},  {9999, 12, 31, 2958465, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek) << c.serial;
        ExpectCivil(c.serial, {c.year, c.month, c.day, 0, 0, 0, 0});
    }
}

TEST(DateTime, EncodeDecodeRoundTripsAcrossTheWholeRange) {
    for (int day = -693593; day <= 2958465; day += 97) {
        const Civil civil = Decoded(day);
        EXPECT_EQ(EncodeDate(civil.year, civil.month, civil.day), day);
    }
    for (int ms = 0; ms < MSecsPerDay; ms += 999983) {
        const int h = ms / 3600000, mi = ms / 60000 % 60, s = ms / 1000 % 60, z = ms % 1000;
        ExpectCivil(EncodeDateTime(2010, 6, 15, h, mi, s, z), {2010, 6, 15, h, mi, s, z});
        ExpectCivil(EncodeDateTime(1850, 6, 15, h, mi, s, z), {1850, 6, 15, h, mi, s, z});
    }
}

TEST(DateTime, NegativeDatesKeepAPositiveTimeOfDay) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 29, 6, 0, 0, 0), -1.25);
    ExpectCivil(-1.25, {1899, 12, 29, 6, 0, 0, 0});
    ExpectCivil(-0.25, {1899, 12, 30, 6, 0, 0, 0}); // day 0 has no sign of its own
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 28, 18, 0, 0, 0), -2.75);
    ExpectCivil(-2.75, {1899, 12, 28, 18, 0, 0, 0});
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 12, 0, 0, 0), 0.5);
}

TEST(DateTime, TimeThatRoundsToMidnightBelongsToTheNextDay) {
    ExpectCivil(EncodeDate(2000, 1, 1) - 1e-10, {2000, 1, 1, 0, 0, 0, 0});
    ExpectCivil(EncodeDate(2000, 1, 1) - 0.6 / MSecsPerDay, {1999, 12, 31, 23, 59, 59, 999});
    ExpectCivil(-1.9999999999, {1899, 12, 30, 0, 0, 0, 0});
}

TEST(DateTime, InvalidValuesAreRefused) {
    struct Case {
        int y, m, d;
    };
    const Case badDates[] = {{2001, 2, 29}, {1900, 2, 29}, {2000, 13, 1}, {2000, 0, 1},
                             {2000, 4, 31}, {0, 1, 1},     {10000, 1, 1}};
    for (const Case& c : badDates) {
        TDateTime value = 123;
        EXPECT_FALSE(TryEncodeDate(c.y, c.m, c.d, value));
        EXPECT_EQ(value, 123);
        try {
            EncodeDate(c.y, c.m, c.d);
            ADD_FAILURE() << c.y << "-" << c.m << "-" << c.d;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
    EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(EncodeDate(2023, 2, 10)), 28);
}

TEST(FormatDateTime, Table) {
    const TDateTime afternoon = EncodeDateTime(2007, 3, 5, 14, 7, 9, 45); // a Monday
    const TDateTime midnight = EncodeDate(2007, 3, 5);
    const TDateTime morning = EncodeDateTime(2007, 3, 5, 0, 30, 0, 0);
    struct Case {
        const char* format;
        TDateTime value;
        const char* expected;
    };
    const Case cases[] = {
        {"yyyy-mm-dd hh:nn:ss.zzz", afternoon, "2007-03-05 14:07:09.045"},
        {"d/m/yy", afternoon, "5/3/07"},
        {"dddd, mmmm d, yyyy", afternoon, "Monday, March 5, 2007"},
        {"ddd ", afternoon, "Mon "},
        {"ddd mmm", afternoon, "Mon Mar"},
        {"h:nn am/pm", afternoon, "2:07 pm"},
        {"hh:mm AM/PM", afternoon, "02:07 PM"},
        {"h:mm:ss a/p", afternoon, "2:07:09 p"},
        {"h ampm", afternoon, "2 PM"},
        {"h am/pm", morning, "12 am"},
        {"hh:mm", afternoon, "14:07"},
        {"c", afternoon, "3/5/2007 2:07:09 PM"},
        {"c", midnight, "3/5/2007"},
        {"ddddd", afternoon, "3/5/2007"},
        {"dddddd", afternoon, "Monday, March 5, 2007"},
        {"t", afternoon, "2:07 PM"},
        {"tt", afternoon, "2:07:09 PM"},
        {"'at' h \"o'clock\"", afternoon, "at 14 o'clock"},
        {"s.z", afternoon, "9.45"},
        {"", midnight, "3/5/2007"},
        {"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.format, c.value), c.expected) << c.format;

    TFormatSettings dotted;
    dotted.DateSeparator = '.';
    dotted.TimeSeparator = '.';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", afternoon, dotted), "05.03.2007 14.07");
}
