#include "platform/rtl/StrConvert.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(StrConvert, IntegersToText) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
    EXPECT_EQ(IntToStr(4294967295u), "4294967295");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(std::int64_t{-2}, 1), "FFFFFFFFFFFFFFFE");
    EXPECT_EQ(IntToHex(std::uint32_t{0xABCDEF}, 0), "ABCDEF");
}

TEST(StrConvert, TextToIntegerTable) {
    struct Case {
        const char* text;
        bool valid;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"123", true, 123},
        {"-123", true, -123},
        {"+7", true, 7},
        {"  42", true, 42},
        {"$FF", true, 255},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"$100000000", false, 0},
        {"", false, 0},
        {"abc", false, 0},
        {"12abc", false, 0},
        {"42 ", false, 0},
        {"1.5", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"--1", false, 0},
    };
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(TryStrToInt(c.text, value), c.valid) << c.text;
        if (c.valid) {
            EXPECT_EQ(value, c.value) << c.text;
            EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
        } else {
            EXPECT_EQ(value, 99) << "a failed conversion must not touch the result: " << c.text;
            EXPECT_EQ(StrToIntDef(c.text, -5), -5) << c.text;
        }
    }
}

TEST(StrConvert, ConversionErrorsCarryTheText) {
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt64("99999999999999999999"), EConvertError);
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("9000000000"), 9000000000);
    try {
        StrToFloat("1,5");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'1,5' is not a valid floating point value");
    }
}

TEST(StrConvert, FloatToTextTable) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.5, "1.5"},
        {-2.25, "-2.25"},
        {100.0, "100"},
        {0.1 + 0.2, "0.3"}, // fifteen significant digits hide the binary noise
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.5e20, "1.5E20"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {-1.25e-7, "-1.25E-7"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::nan(""), "NAN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.expected) << c.expected;
}

TEST(StrConvert, TextToFloatTable) {
    struct Case {
        const char* text;
        bool valid;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5},
        {" -2.25 ", true, -2.25},
        {"+3", true, 3},
        {"1e3", true, 1000},
        {"1.5E-2", true, 0.015},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"1e-400", true, 0},
        {"1e400", false, 0},
        {"-0.0001e-400", true, 0},
        {"10000e-310", true, 1e-306},
        {"", false, 0},
        {"abc", false, 0},
        {"1,5", false, 0},
        {"1.5x", false, 0},
        {"inf", false, 0},
        {"nan", false, 0},
        {"0x10", false, 0},
        {"++1", false, 0},
    };
    for (const Case& c : cases) {
        double value = 99;
        EXPECT_EQ(TryStrToFloat(c.text, value), c.valid) << c.text;
        if (c.valid) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        } else {
            EXPECT_EQ(value, 99) << c.text;
            EXPECT_EQ(StrToFloatDef(c.text, -1), -1) << c.text;
        }
    }
}

TEST(StrConvert, FloatRoundTripsThroughText) {
    for (double v : {0.5, -123.25, 1e-3, 98765.4321, 2.5e100})
        EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(v)), v);
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    EXPECT_EQ(FloatToStr(1.5, comma), "1,5");
    EXPECT_EQ(StrToFloat("1,5", comma), 1.5);
    EXPECT_THROW(StrToFloat("1.5", comma), EConvertError);
}
