#include "platform/vcl/Timer.h"

#include "platform/rtl/Clock.h"

#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <memory>

namespace timer_test {

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        olva::win::ResetWindowSystem();
        clock = std::make_unique<TFakeClock>(0, 10000);
        clockOverride = std::make_unique<TClockOverride>(*clock);
    }
    void TearDown() override {
        clockOverride.reset();
        clock.reset();
    }
    void Run(int ms) {
        clock->Advance(static_cast<std::uint64_t>(ms));
        olva::win::PumpMessages();
    }
    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
};

} // namespace timer_test

using namespace timer_test;

TEST_F(TimerTest, FiresEveryIntervalWhileEnabled) {
    TTimer timer(nullptr);
    int fired = 0;
    TObject* sender = nullptr;
    timer.OnTimer = [&](TObject* s) {
        ++fired;
        sender = s;
    };
    timer.SetInterval(100);
    Run(99);
    EXPECT_EQ(fired, 0);
    Run(1);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(sender, &timer);
    Run(100);
    EXPECT_EQ(fired, 2);
    timer.SetEnabled(false);
    Run(500);
    EXPECT_EQ(fired, 2);
    timer.SetEnabled(true); // counts a whole interval from now
    Run(50);
    EXPECT_EQ(fired, 2);
    Run(50);
    EXPECT_EQ(fired, 3);
    timer.SetInterval(0); // no interval, no timer
    Run(1000);
    EXPECT_EQ(fired, 3);
}

TEST_F(TimerTest, ATimerCanStopItselfAndDiesCleanly) {
    auto timer = std::make_unique<TTimer>(nullptr);
    timer->SetInterval(10);
    int fired = 0;
    timer->OnTimer = [&](TObject*) {
        ++fired;
        timer->SetEnabled(false); // a one-shot, as start-up code uses it
    };
    Run(10);
    Run(100);
    EXPECT_EQ(fired, 1);
    HWND window = timer->WindowHandle();
    EXPECT_TRUE(IsWindow(window));
    timer->SetEnabled(true);
    timer.reset();
    EXPECT_FALSE(IsWindow(window));
    Run(100); // nothing left to fire
    EXPECT_EQ(fired, 1);
}

TEST_F(TimerTest, ExceptionsFromTheHandlerReachTheMessageLoop) {
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = [](TObject*) { throw std::runtime_error("handler failed"); };
    clock->Advance(10);
    EXPECT_THROW(olva::win::PumpMessages(), std::runtime_error);
}
