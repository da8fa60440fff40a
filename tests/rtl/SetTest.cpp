#include "platform/rtl/Set.h"

#include <gtest/gtest.h>

namespace {
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TWide { wFirst = 0, wLast = 99 };
} // namespace

TEST(Set, IncludeExcludeContains) {
    TFontStyles styles;
    EXPECT_TRUE(styles.empty());
    styles.Include(TFontStyle::fsItalic);
    styles += TFontStyle::fsBold;
    EXPECT_TRUE(styles.Contains(TFontStyle::fsBold));
    EXPECT_TRUE(styles.Contains(TFontStyle::fsItalic));
    EXPECT_FALSE(styles.Contains(TFontStyle::fsUnderline));
    styles.Exclude(TFontStyle::fsBold);
    styles -= TFontStyle::fsItalic;
    EXPECT_TRUE(styles.empty());
}

TEST(Set, OperatorsTable) {
    using enum TFontStyle;
    struct Case {
        TFontStyles a, b, sum, difference, product;
    };
    const Case cases[] = {
        {{fsBold}, {fsItalic}, {fsBold, fsItalic}, {fsBold}, {}},
        {{fsBold, fsItalic}, {fsItalic, fsUnderline}, {fsBold, fsItalic, fsUnderline}, {fsBold}, {fsItalic}},
        {{}, {fsStrikeOut}, {fsStrikeOut}, {}, {}},
        {{fsBold, fsStrikeOut}, {fsBold, fsStrikeOut}, {fsBold, fsStrikeOut}, {}, {fsBold, fsStrikeOut}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a + c.b, c.sum);
        EXPECT_EQ(c.a - c.b, c.difference);
        EXPECT_EQ(c.a * c.b, c.product);
        EXPECT_EQ(c.b + c.a, c.sum);
    }
    EXPECT_NE(TFontStyles{fsBold}, TFontStyles{fsItalic});
    EXPECT_EQ(TFontStyles{fsBold} + fsItalic - fsBold, TFontStyles{fsItalic});
}

TEST(Set, LargeEnumerationsAndRange) {
    Set<TWide, 100> wide{wFirst, wLast};
    EXPECT_TRUE(wide.Contains(wLast));
    EXPECT_FALSE(wide.Contains(static_cast<TWide>(50)));
    EXPECT_FALSE(wide.Contains(static_cast<TWide>(500)));
    EXPECT_THROW(wide.Include(static_cast<TWide>(100)), ERangeError);
    static_assert(TFontStyles{TFontStyle::fsBold}.Contains(TFontStyle::fsBold));
}
