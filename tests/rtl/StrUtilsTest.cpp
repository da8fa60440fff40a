#include "platform/rtl/StrUtils.h"

#include <gtest/gtest.h>

TEST(StrUtils, TrimRemovesBlanksAndControls) {
    EXPECT_EQ(Trim("  \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("\x01 x "), "x ");
    EXPECT_EQ(TrimRight(" x \x1f"), " x");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("é "), "é"); // bytes of multi-byte characters are not blanks
}

TEST(StrUtils, CaseMapping) {
    EXPECT_EQ(UpperCase("abc-é-z"), "ABC-é-Z");
    EXPECT_EQ(LowerCase("ABC-É"), "abc-É");
    EXPECT_EQ(AnsiUpperCase("straße é ж"), "STRAßE É Ж");
    EXPECT_EQ(AnsiLowerCase("ÀÉÎ Ж ABC"), "àéî ж abc");
}

TEST(StrUtils, ComparisonsTable) {
    struct Case {
        const char* a;
        const char* b;
        int str, text, ansiText;
    };
    const Case cases[] = {
        {"abc", "abc", 0, 0, 0},   {"abc", "ABC", 1, 0, 0}, {"abc", "abd", -1, -1, -1},
        {"ab", "abc", -1, -1, -1}, {"b", "A", 1, 1, 1},     {"é", "É", 1, 1, 0},
        {"_", "a", -1, 1, -1}, // CompareText compares as upper case: 'A' < '_'
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareStr(c.a, c.b), c.str) << c.a << " " << c.b;
        EXPECT_EQ(CompareText(c.a, c.b), c.text) << c.a << " " << c.b;
        EXPECT_EQ(AnsiCompareText(c.a, c.b), c.ansiText) << c.a << " " << c.b;
        EXPECT_EQ(-AnsiCompareText(c.b, c.a), c.ansiText) << "antisymmetric";
    }
    EXPECT_TRUE(SameText("Region", "REGION"));
    EXPECT_FALSE(SameText("Région", "RÉGION"));
    EXPECT_TRUE(AnsiSameText("Région", "RÉGION"));
}

TEST(StrUtils, QuotingRoundTrips) {
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
    EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");
    const char* samples[] = {"", "plain", "it's", "''", "a'b'c"};
    for (const char* s : samples)
        EXPECT_EQ(AnsiDequotedStr(QuotedStr(s), '\''), s);
    EXPECT_EQ(AnsiDequotedStr("not quoted", '\''), "not quoted");
    EXPECT_EQ(AnsiDequotedStr("'unterminated", '\''), "'unterminated");
    EXPECT_EQ(AnsiDequotedStr("'a''b' tail", '\''), "a'b");
}

TEST(StrUtils, StringReplaceTable) {
    struct Case {
        const char* s;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* expected;
    };
    const Case cases[] = {
        {"a-b-c", "-", "+", {}, "a+b-c"},
        {"a-b-c", "-", "+", {rfReplaceAll}, "a+b+c"},
        {"Save &As", "&", "", {rfReplaceAll}, "Save As"},
        {"ABC abc", "b", "x", {rfReplaceAll}, "ABC axc"},
        {"ABC abc", "b", "x", {rfReplaceAll, rfIgnoreCase}, "AxC axc"},
        {"Été été", "ÉTÉ", "x", {rfReplaceAll, rfIgnoreCase}, "x x"},
        {"aaa", "aa", "a", {rfReplaceAll}, "aa"}, // no re-scan of replaced text
        {"abc", "", "x", {rfReplaceAll}, "abc"},
        {"", "a", "b", {rfReplaceAll}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StringReplace(c.s, c.from, c.to, c.flags), c.expected) << c.s;
}

TEST(StrUtils, OneBasedPositions) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(PosEx("b", "abcb", 3), 4);
    EXPECT_EQ(PosEx("b", "abcb", 5), 0);
    EXPECT_EQ(PosEx("b", "abcb", 0), 0);

    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 2, -1), "");

    std::string s = "abcdef";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 10, 1);
    EXPECT_EQ(s, "adef");
    Delete(s, 3, 100);
    EXPECT_EQ(s, "ad");
    Insert("XY", s, 2);
    EXPECT_EQ(s, "aXYd");
    Insert("<", s, 0);
    Insert(">", s, 100);
    EXPECT_EQ(s, "<aXYd>");
}
