#include "source/TimeText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    const char* Text;
    int Expected;
};

class ParseTimeTextTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTimeTextTest, GivesMillisecondsOrMinusOne) {
    EXPECT_EQ(ParseTimeText(GetParam().Text), GetParam().Expected) << '"' << GetParam().Text << '"';
}

INSTANTIATE_TEST_SUITE_P(Forms, ParseTimeTextTest,
                         testing::Values(ParseCase{"1:02:03.004", 3723004}, // h:m:s.ms
                                         ParseCase{"02:03.5",
                                                   123005},      // m:s.ms, the part after the dot is whole ms
                                         ParseCase{"1.5", 1005}, // s.ms
                                         ParseCase{"1.500", 1500},      //
                                         ParseCase{"75", 75000},        // a plain number counts seconds
                                         ParseCase{"1:75", 135000},     // m:s, no range limit
                                         ParseCase{"0:0:0", 0},         // h:m:s
                                         ParseCase{"2:00:01", 7201000}, //
                                         ParseCase{"1:", 60000},        // empty part counts as 0
                                         ParseCase{"5.", 5000},         //
                                         ParseCase{"0:00:00.000", 0},   // what FormatTime shows reads back
                                         ParseCase{"596:31:23.647", 2147483647}));

INSTANTIATE_TEST_SUITE_P(Refused, ParseTimeTextTest,
                         testing::Values(ParseCase{"1.2.3", -1}, ParseCase{"1:2:3:4", -1},
                                         ParseCase{"a1", -1}, ParseCase{"", -1}, ParseCase{"1.2:3", -1},
                                         ParseCase{" 1", -1}, ParseCase{"-5", -1}, ParseCase{"1:2.3:4", -1},
                                         // beyond a 32-bit count of milliseconds: refused, not wrapped
                                         ParseCase{"596:31:23.648", -1}, ParseCase{"3000000", -1},
                                         ParseCase{"99999999999", -1}));

TEST(FormatTimeTest, FormatsHoursMinutesSecondsMilliseconds) {
    const std::vector<std::pair<int, std::string>> cases{{0, "0:00:00.000"},
                                                         {59999, "0:00:59.999"},
                                                         {3723004, "1:02:03.004"},
                                                         {36000000, "10:00:00.000"},
                                                         {7 * 3600000 + 5, "7:00:00.005"}};
    for (const auto& [ms, text] : cases) {
        EXPECT_EQ(FormatTime(ms), text);
        EXPECT_EQ(ParseTimeText(text), ms) << text;
    }
}

TEST(SplitMillisecondsTest, TruncatesTowardZero) {
    EXPECT_EQ(SplitMilliseconds(3723004), (TTimeParts{1, 2, 3, 4}));
    EXPECT_EQ(SplitMilliseconds(100 * 3600000 + 59 * 60000), (TTimeParts{100, 59, 0, 0}));
    EXPECT_EQ(SplitMilliseconds(-1500), (TTimeParts{0, 0, -1, -500}));
}

TEST(ComposeMillisecondsTest, NoPartIsLimited) {
    EXPECT_EQ(ComposeMilliseconds(1, 2, 3, 4), 3723004);
    EXPECT_EQ(ComposeMilliseconds(0, 1, 75, 0), 135000);
    EXPECT_EQ(ComposeMilliseconds(0, 0, 0, 1500), 1500);
}

TEST(SplitTextTest, KeepsEmptyParts) {
    EXPECT_EQ(SplitText("1:2:3", ':'), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(SplitText("1::", ':'), (std::vector<std::string>{"1", "", ""}));
    EXPECT_EQ(SplitText("", ':'), (std::vector<std::string>{""}));
}

TEST(CountOccurrencesTest, CountsEachStartingPosition) {
    EXPECT_EQ(CountOccurrences("1:2:3", ":"), 2);
    EXPECT_EQ(CountOccurrences("aaa", "aa"), 2);
    EXPECT_EQ(CountOccurrences("abc", "."), 0);
    EXPECT_EQ(CountOccurrences("abc", ""), 0);
}

} // namespace
