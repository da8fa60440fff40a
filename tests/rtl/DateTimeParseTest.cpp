#include "platform/rtl/DateTimeParse.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/LocaleData.h"
#include "tests/support/TestLocales.h"

#include <gtest/gtest.h>

#include <cmath>

namespace date_time_parse_test {

TDateTime DateAt(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return EncodeDateTime(year, month, day, hour, minute, second, 0);
}

// Dates are compared to the millisecond.
::testing::AssertionResult SameMoment(TDateTime got, TDateTime expected) {
    if (std::llround(got * MSecsPerDay) == std::llround(expected * MSecsPerDay))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << got << " is not " << expected;
}

class DateTimeParse : public ::testing::Test {
protected:
    TFakeClock clock{DateAt(2023, 6, 15, 10, 0, 0)};
    TClockOverride useClock{clock};
};

} // namespace date_time_parse_test

using namespace date_time_parse_test;

TEST_F(DateTimeParse, StrToTimeReadsTheClassFormat) {
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"14:30", EncodeTime(14, 30, 0, 0)},
        {" 2:30 PM ", EncodeTime(14, 30, 0, 0)},
        {"12:00 AM", 0},
        {"12:15 pm", EncodeTime(12, 15, 0, 0)},
        {"10 AM", EncodeTime(10, 0, 0, 0)},
        {"1:02:03.5", EncodeTime(1, 2, 3, 500)},
        {"1 : 02", EncodeTime(1, 2, 0, 0)},
        {"11:59:59 p", EncodeTime(23, 59, 59, 0)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SameMoment(StrToTime(c.text), c.expected)) << c.text;
    for (const char* bad : {"", "25:00", "13:00 PM", "10", "10:xx", "10:30 foo", "10:60"}) {
        TDateTime value = 0;
        EXPECT_FALSE(TryStrToTime(bad, value)) << bad;
    }
    try {
        StrToTime("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid time");
    }
    TFormatSettings dotted;
    dotted.TimeSeparator = '.';
    EXPECT_TRUE(SameMoment(StrToTime("7.45", dotted), EncodeTime(7, 45, 0, 0)));
}

TEST_F(DateTimeParse, VariantDatesInTheUSOrder) {
    struct Case {
        const char* text;
        TDateTime expected;
    };
    const Case cases[] = {
        {"3 5 2024", DateAt(2024, 3, 5)},
        {"3/5/2024", DateAt(2024, 3, 5)},
        {"March 5, 2024", DateAt(2024, 3, 5)},
        {"5 mar 2024", DateAt(2024, 3, 5)},
        {"Tuesday, March 5, 2024", DateAt(2024, 3, 5)},
        {"2024-03-05", DateAt(2024, 3, 5)},
        {"3/5/24", DateAt(2024, 3, 5)},
        {"3/5/29", DateAt(2029, 3, 5)},
        {"3/5/30", DateAt(1930, 3, 5)},
        {"3/5", DateAt(2023, 3, 5)},
        {"March 2024", DateAt(2024, 3, 1)},
        {"3/5/2024 2:30 PM", DateAt(2024, 3, 5, 14, 30)},
        {"2:30:15 PM 3/5/2024", DateAt(2024, 3, 5, 14, 30, 15)},
        {"14:30", EncodeTime(14, 30, 0, 0)},
        {"1/1/1800 6:00", EncodeDateTime(1800, 1, 1, 6, 0, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SameMoment(VarToDateTime(c.text), c.expected)) << c.text;
    for (const char* bad : {"", "  ", "abc", "13/13/2024", "2/30/2024", "3/5/2024/7", "2:30 PM PM", "PM", "5",
                            "3/5/2024 25:00"})
        EXPECT_THROW(VarToDateTime(bad), EVariantTypeCastError) << bad;
}

TEST_F(DateTimeParse, VariantDatesInADayFirstLocale) {
    const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
    EXPECT_TRUE(SameMoment(VarToDateTime("05 03 2024"), DateAt(2024, 3, 5)));
    EXPECT_TRUE(SameMoment(VarToDateTime("05.03.2024 14:30"), DateAt(2024, 3, 5, 14, 30)));
    EXPECT_TRUE(SameMoment(VarToDateTime("5. März 2024"), DateAt(2024, 3, 5)));
    EXPECT_TRUE(SameMoment(VarToDateTime("1.2"), DateAt(2023, 2, 1)));
}

TEST_F(DateTimeParse, VariantDateToString) {
    EXPECT_EQ(VarDateToStr(DateAt(2024, 3, 5)), "3/5/2024");
    EXPECT_EQ(VarDateToStr(DateAt(2024, 3, 5, 14, 30)), "3/5/2024 2:30:00 PM");
    EXPECT_EQ(VarDateToStr(EncodeTime(6, 0, 0, 0)), "6:00:00 AM");
    EXPECT_THROW(VarDateToStr(-700000), EVariantTypeCastError);
    const TLocaleOverride dayFirst(test_locales::DayFirstLocale());
    EXPECT_EQ(VarDateToStr(DateAt(2024, 3, 5, 14, 30)), "05.03.2024 14:30:00");
}

TEST(DateOrder, FirstDateLetterDecides) {
    struct Case {
        const char* format;
        int order;
    };
    const Case cases[] = {{"M/d/yyyy", 0}, {"dd.MM.yyyy", 1}, {"yyyy-MM-dd", 2}, {"gg y/M/d", 2},
                          {"ee/M/d", 2},   {"DD/mm", 1},      {"", 0},           {"'x'", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DateOrderOf(c.format), c.order) << c.format;
}
