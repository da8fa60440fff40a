#include "platform/rtl/WinTypes.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

TEST(WinTypes, ColourAndWordPacking) {
    COLORREF c = RGB(1, 2, 3);
    EXPECT_EQ(c, 0x030201u);
    EXPECT_EQ(GetRValue(c), 1);
    EXPECT_EQ(GetGValue(c), 2);
    EXPECT_EQ(GetBValue(c), 3);
    LPARAM lp = MAKELPARAM(WORD(-5), 7);
    EXPECT_EQ(GET_X_LPARAM(lp), -5);
    EXPECT_EQ(GET_Y_LPARAM(lp), 7);
}

TEST(Exception, CarriesItsMessage) {
    try {
        throw Exception("Unable to write to x");
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Unable to write to x");
    }
}
