#include "platform/rtl/Numerics.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

TEST(Numerics, MulDivTable) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {10, 3, 4, 8},
        {-10, 3, 4, -8},
        {10, 3, -4, -8},
        {-10, -3, 4, 8},
        {5, 1, 2, 3},
        {-5, 1, 2, -3},
        {7, 1, 3, 2},
        {-7, 1, 3, -2},
        {96, 120, 96, 120},
        {0, 5, 7, 0},
        {1, 1, 0, -1},
        {kMax, 2, 1, -1},
        {kMax, kMax, kMax, kMax},
        {kMin, 1, 1, kMin},
        {kMax, 3, 2, -1},
        {kMin, -1, 2, 1073741824},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

TEST(Numerics, RoundingTable) {
    struct Case {
        double value;
        std::int64_t round, trunc;
        int ceil, floor;
    };
    const Case cases[] = {
        {0.5, 0, 0, 1, 0},       {1.5, 2, 1, 2, 1},      {2.5, 2, 2, 3, 2},      {3.5, 4, 3, 4, 3},
        {-0.5, 0, 0, 0, -1},     {-1.5, -2, -1, -1, -2}, {-2.5, -2, -2, -2, -3}, {2.4999, 2, 2, 3, 2},
        {2.5000001, 3, 2, 3, 2}, {-1.7, -2, -1, -1, -2}, {7.0, 7, 7, 7, 7},      {0.0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.value), c.round) << c.value;
        EXPECT_EQ(Trunc(c.value), c.trunc) << c.value;
        EXPECT_EQ(Ceil(c.value), c.ceil) << c.value;
        EXPECT_EQ(Floor(c.value), c.floor) << c.value;
    }
    EXPECT_EQ(Round(1e15 + 0.5), 1000000000000000);
    EXPECT_EQ(Round(4503599627370497.0), 4503599627370497);
    EXPECT_EQ(Round(-9.2e18), -9200000000000000000);
}

TEST(Numerics, ImpossibleConversionsRaise) {
    const double bad[] = {std::nan(""), std::numeric_limits<double>::infinity(), 1e19, -1e19};
    for (double v : bad) {
        EXPECT_THROW(Round(v), EInvalidArgument) << v;
        EXPECT_THROW(Trunc(v), EInvalidArgument) << v;
    }
    EXPECT_THROW(Ceil(3e9), EInvalidArgument);
    EXPECT_THROW(Floor(-3e9), EInvalidArgument);
}

TEST(Numerics, RangeHelpers) {
    EXPECT_EQ(Min(3, 5), 3);
    EXPECT_EQ(Max(3, 5), 5);
    EXPECT_DOUBLE_EQ(Min(2, 1.5), 1.5);
    EXPECT_EQ(EnsureRange(15, 0, 10), 10);
    EXPECT_EQ(EnsureRange(-1, 0, 10), 0);
    EXPECT_EQ(EnsureRange(4, 0, 10), 4);
    EXPECT_TRUE(InRange(10, 0, 10));
    EXPECT_FALSE(InRange(11, 0, 10));
    EXPECT_EQ(Sign(-0.1), -1);
    EXPECT_EQ(Sign(0), 0);
    EXPECT_EQ(Sign(7LL), 1);
    static_assert(Max(1, 2) == 2 && Sign(-3) == -1 && EnsureRange(5, 1, 3) == 3);
}
