#include "platform/rtl/Format.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatFloat.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct FormatCase {
    const char* format;
    std::initializer_list<TVarRec> args;
    const char* expected;
};

} // namespace

TEST(Format, Table) {
    const FormatCase cases[] = {
        {"plain text", {}, "plain text"},
        {"%d%%", {60}, "60%"},
        {"%d", {-42}, "-42"},
        {"%5d|%-5d|", {42, 42}, "   42|42   |"},
        {"%.3d", {7}, "007"},
        {"%.3d", {-7}, "-007"},
        {"%.1d:%.2d:%.2d.%.3d", {1, 2, 3, 4}, "1:02:03.004"},
        {"%.2d:%.2d:%.2d:%.3d", {0, 0, 0, 0}, "00:00:00:000"},
        {"%d", {std::int64_t{-9000000000}}, "-9000000000"},
        {"%u", {-1}, "4294967295"},
        {"%u", {std::uint64_t{18446744073709551615ull}}, "18446744073709551615"},
        {"%x", {255}, "FF"},
        {"%.4x", {255}, "00FF"},
        {"%x", {-1}, "FFFFFFFF"},
        {"%X", {std::int64_t{-1}}, "FFFFFFFFFFFFFFFF"},
        {"%s", {"abc"}, "abc"},
        {"[%6s]", {"abc"}, "[   abc]"},
        {"[%-6s]", {"abc"}, "[abc   ]"},
        {"[%.2s]", {"abc"}, "[ab]"},
        {"[%4s]", {"é"}, "[   é]"}, // widths count characters, not bytes
        {"[%.1s]", {"éa"}, "[é]"},  // and never cut a character in two
        {"%s", {'x'}, "x"},
        {"%s - [ %s ]", {"song.mp3", "MPEG Layer 3"}, "song.mp3 - [ MPEG Layer 3 ]"},
        {"%s(%d)%s", {"take", 2, ".wav"}, "take(2).wav"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*d", {5, 42}, "   42"},
        {"%-*d|", {4, 7}, "7   |"},
        {"%.*f", {1, 2.25}, "2.3"},
        {"%f", {3.14159}, "3.14"},
        {"%.0f", {2.5}, "3"}, // half away from zero, not to even
        {"%.2f", {0.125}, "0.13"},
        {"%.2f", {-0.001}, "0.00"}, // no negative zero
        {"%.3f", {-1.5}, "-1.500"},
        {"%8.2f", {3.14159}, "    3.14"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {-0.00012345}, "-1.23E-004"},
        {"%e", {0.0}, "0.00000000000000E+000"},
        {"%g", {0.5}, "0.5"},
        {"%g", {1e20}, "1E20"},
        {"%g", {1.5e-7}, "1.5E-7"},
        {"%g", {123456.0}, "123456"},
        {"%.3g", {1234.0}, "1.23E3"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%.0n", {-1234.5}, "-1,235"},
        {"%n", {999.999}, "1,000.00"},
        {"%m", {1234.5}, "$1,234.50"},
        {"%m", {-1234.5}, "($1,234.50)"},
        {"%.0m", {5.0}, "$5"},
        {"%f", {std::numeric_limits<double>::infinity()}, "INF"},
        {"%p", {static_cast<const void*>(nullptr)}, "0000000000000000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(Format(c.format, c.args), c.expected) << c.format;
    }
}

TEST(Format, VariadicFormMatchesTheListForm) {
    const std::string name = "Amplify";
    EXPECT_EQ(Format("%s %d%% %.1f", name, 150, 1.25), Format("%s %d%% %.1f", {name, 150, 1.25}));
    EXPECT_EQ(Format("%s::/%s.htm", std::string("/opt/olva.chm"), "effects"), "/opt/olva.chm::/effects.htm");
}

TEST(Format, PointerShowsItsAddress) {
    int value = 0;
    const std::string text = Format("%p", {static_cast<const void*>(&value)});
    EXPECT_EQ(text.size(), 16u);
    EXPECT_EQ(std::stoull(text, nullptr, 16), reinterpret_cast<std::uintptr_t>(&value));
}

TEST(Format, MismatchesRaiseConvertError) {
    const FormatCase cases[] = {
        {"%d", {"text"}, "Format '%d' invalid or incompatible with argument"},
        {"%d", {1.5}, "Format '%d' invalid or incompatible with argument"},
        {"%f", {1}, "Format '%f' invalid or incompatible with argument"},
        {"%s", {1}, "Format '%s' invalid or incompatible with argument"},
        {"%p", {1}, "Format '%p' invalid or incompatible with argument"},
        {"%q", {1}, "Format '%q' invalid or incompatible with argument"},
        {"50%", {}, "Format '50%' invalid or incompatible with argument"},
        {"%*d", {"x", 1}, "Format '%*d' invalid or incompatible with argument"},
        {"%d %d", {1}, "No argument for format '%d %d'"},
        {"%2:d", {1}, "No argument for format '%2:d'"},
    };
    for (const FormatCase& c : cases) {
        try {
            Format(c.format, c.args);
            ADD_FAILURE() << c.format << " did not raise";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.expected);
        }
    }
}

TEST(Format, UsesTheGivenSettings) {
    TFormatSettings german;
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    german.CurrencyString = "EUR";
    german.CurrencyFormat = 3;
    german.NegCurrFormat = 8;
    EXPECT_EQ(Format("%n|%m|%m", {1234.5, 2.5, -2.5}, german), "1.234,50|2,50 EUR|-2,50 EUR");
}

TEST(FormatFloat, Table) {
    struct Case {
        const char* format;
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {"0.00", 3.14159, "3.14"},
        {"0.00", 0.125, "0.13"},
        {"0.00", -0.004, "0.00"},
        {"0.##", 1.5, "1.5"},
        {"0.##", 2.0, "2"},
        {"#,##0", 1234567.0, "1,234,567"},
        {"#,##0", 12.0, "12"},
        {"#,##0.00", -1234.5, "-1,234.50"},
        {"000", 7.0, "007"},
        {"#", 0.0, ""},
        {"0", 123456.0, "123456"},
        {"0.0E+00", 12345.0, "1.2E+04"},
        {"0.00E-0", 0.000123, "1.23E-4"},
        {"0.0 'dB'", -6.02, "-6.0 dB"},
        {"\"x\"0", 5.0, "x5"},
        {"0.0;(0.0)", -2.25, "(2.3)"},
        {"0.0;(0.0);'zero'", 0.0, "zero"},
        {"0.0;(0.0);'zero'", -0.01, "zero"}, // what shows as zero takes the zero picture
        {"#,##0;(#,##0)", -0.4, "0"},
        {"", 1.5, "1.5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFloat(c.format, c.value), c.expected) << c.format << " " << c.value;
    }
}
