#include "WinTestSupport.h"

#include <thread>

using namespace win_test;

namespace {

class TimerTest : public WinTest {};

std::vector<UINT_PTR> Fired;
void CALLBACK_TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    Fired.push_back(id);
}

TEST_F(TimerTest, TimersFireOnTheClockAndCoalesce) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    ASSERT_EQ(SetTimer(h, 7, 100, nullptr), 7u);
    clock->Advance(99);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 0);
    clock->Advance(1);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 1);
    EXPECT_EQ(rec.log.back().wParam, 7u);
    // Five periods pass unattended: one message, and the next period counts from then.
    clock->Advance(500);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 2);
    clock->Advance(99);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 2);
    clock->Advance(1);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 3);
    EXPECT_TRUE(KillTimer(h, 7));
    EXPECT_FALSE(KillTimer(h, 7));
    clock->Advance(1000);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 3);
}

TEST_F(TimerTest, SettingAgainRestartsThePeriodAndIntervalsAreClamped) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    SetTimer(h, 1, 100, nullptr);
    clock->Advance(80);
    SetTimer(h, 1, 100, nullptr);
    clock->Advance(80);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 0);
    SetTimer(h, 2, 0, nullptr); // below the minimum: 10 ms
    clock->Advance(10);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_TIMER), 1);
}

TEST_F(TimerTest, ThreadTimersAndTimerProcedures) {
    Fired.clear();
    UINT_PTR a = SetTimer(nullptr, 0, 50, &CALLBACK_TimerProc);
    UINT_PTR b = SetTimer(nullptr, 0, 70, &CALLBACK_TimerProc);
    ASSERT_NE(a, 0u);
    ASSERT_NE(b, 0u);
    EXPECT_NE(a, b);
    clock->Advance(100);
    Pump();
    // Earlier deadlines first.
    EXPECT_EQ(Fired, (std::vector<UINT_PTR>{a, b}));
    KillTimer(nullptr, a);
    KillTimer(nullptr, b);
    // A forged WM_TIMER with a procedure pointer calls nothing.
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    MSG forged{h, WM_TIMER, 5, reinterpret_cast<LPARAM>(&CALLBACK_TimerProc), 0, {}};
    Fired.clear();
    DispatchMessage(&forged);
    EXPECT_TRUE(Fired.empty());
}

TEST_F(TimerTest, DestroyedWindowsTimersStop) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    SetTimer(h, 3, 10, nullptr);
    DestroyWindow(h);
    clock->Advance(100);
    EXPECT_EQ(Pump(), 0);
    EXPECT_EQ(GetTickCount(), DWORD(50100));
}

} // namespace

namespace {

class TimerWaitTest : public WinTest {};

TEST_F(TimerWaitTest, AFilteredOutDueTimerDoesNotEndAWait) {
    HWND a = MakeTop(0, 0, 10, 10, WS_POPUP);
    HWND b = MakeTop(0, 0, 10, 10, WS_POPUP);
    SetTimer(a, 1, 10, nullptr);
    clock->Advance(20); // a's timer is due, but the loop below only wants b's messages
    std::thread poster([b] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        PostMessage(b, WM_USER, 0, 0);
    });
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, b, 0, 0), TRUE); // waits (without spinning) for b's message
    EXPECT_EQ(msg.message, UINT(WM_USER));
    poster.join();
    EXPECT_TRUE(PeekMessage(&msg, a, WM_TIMER, WM_TIMER, PM_REMOVE)); // a's timer still there
}

} // namespace
