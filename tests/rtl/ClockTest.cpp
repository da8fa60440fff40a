#include "platform/rtl/Clock.h"

#include <cmath>
#include <ctime>
#include <gtest/gtest.h>

TEST(Clock, FakeClockMovesOnlyWhenAdvanced) {
    TFakeClock fake(EncodeDateTime(2020, 5, 6, 7, 8, 9, 0), 1000);
    TClockOverride use(fake);
    EXPECT_EQ(CurrentClock().TickCount64(), 1000ull);
    EXPECT_DOUBLE_EQ(Now(), EncodeDateTime(2020, 5, 6, 7, 8, 9, 0));
    EXPECT_EQ(CurrentClock().TickCount64(), 1000ull);

    fake.Advance(1500);
    EXPECT_EQ(CurrentClock().TickCount64(), 2500ull);
    std::uint16_t h, m, s, ms;
    DecodeTime(Now(), h, m, s, ms);
    EXPECT_EQ(h * 3600000 + m * 60000 + s * 1000 + ms, ((7 * 60 + 8) * 60 + 10) * 1000 + 500);
    EXPECT_DOUBLE_EQ(Date(), EncodeDate(2020, 5, 6));
    EXPECT_NEAR(Time(), EncodeTime(7, 8, 10, 500), 1e-9);

    fake.Advance(17 * 3600 * 1000); // across midnight
    EXPECT_DOUBLE_EQ(Date(), EncodeDate(2020, 5, 7));
}

TEST(Clock, FakeClockCanStartBeforeTheEpochDay) {
    TFakeClock fake(EncodeDateTime(1899, 12, 29, 23, 0, 0, 0));
    TClockOverride use(fake);
    fake.Advance(2 * 3600 * 1000);
    EXPECT_DOUBLE_EQ(Now(), EncodeDateTime(1899, 12, 30, 1, 0, 0, 0));
}

TEST(Clock, OverrideRestoresThePreviousClock) {
    TClock* before = &CurrentClock();
    {
        TFakeClock fake;
        TClockOverride use(fake);
        EXPECT_EQ(&CurrentClock(), &fake);
        {
            TFakeClock inner;
            TClockOverride nested(inner);
            EXPECT_EQ(&CurrentClock(), &inner);
        }
        EXPECT_EQ(&CurrentClock(), &fake);
    }
    EXPECT_EQ(&CurrentClock(), before);
}

TEST(Clock, SystemClockFollowsTheRealTime) {
    TSystemClock clock;
    const std::uint64_t first = clock.TickCount64();
    EXPECT_GE(clock.TickCount64(), first);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    const TDateTime expected = EncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                              local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), 0);
    EXPECT_NEAR(clock.Now(), expected, 5.0 / SecsPerDay);
}
