#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/DescriptorWatch.h"
#include "platform/win/WindowSystem.h"

#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <tuple>

using namespace win_test;

namespace {

class MessageQueueTest : public WinTest {};

TEST_F(MessageQueueTest, PeekHonoursWindowRangeAndRemoveFlags) {
    HWND a = MakeTop(0, 0, 10, 10, WS_POPUP);
    HWND b = MakeTop(0, 0, 10, 10, WS_POPUP);
    PostMessage(a, WM_USER + 1, 1, 0);
    PostMessage(b, WM_USER + 2, 2, 0);
    PostMessage(nullptr, WM_USER + 3, 3, 0);
    PostMessage(a, WM_USER + 4, 4, 0);
    MSG msg;
    struct Case {
        HWND filter;
        UINT lo, hi, flags;
        bool found;
        UINT message;
    };
    const Case cases[] = {
        {b, 0, 0, PM_NOREMOVE, true, WM_USER + 2},
        {a, WM_USER + 4, WM_USER + 4, PM_REMOVE, true, WM_USER + 4},
        {a, WM_USER + 4, WM_USER + 4, PM_REMOVE, false, 0},
        {reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE, true, WM_USER + 3}, // thread messages only
        {nullptr, 0, 0, PM_REMOVE, true, WM_USER + 1},
        {nullptr, 0, 0, PM_REMOVE, true, WM_USER + 2},
        {nullptr, 0, 0, PM_REMOVE, false, 0},
    };
    for (const Case& c : cases) {
        BOOL got = PeekMessage(&msg, c.filter, c.lo, c.hi, c.flags);
        EXPECT_EQ(bool(got), c.found);
        if (got) {
            EXPECT_EQ(msg.message, c.message);
        }
    }
}

TEST_F(MessageQueueTest, SendMessageIsReentrant) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    rec.handlers[h] = [](HWND hwnd, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_USER) return std::nullopt;
        if (w == 0) return 1;
        return LRESULT(w) + SendMessage(hwnd, WM_USER, w - 1, 0);
    };
    EXPECT_EQ(SendMessage(h, WM_USER, 5, 0), 5 + 4 + 3 + 2 + 1 + 1);
}

// A modal loop inside a modal loop: the quit message ends the innermost loop, which posts it again so
// that every loop around it ends too, and the outermost one sees the exit code.
int RunLoop(int depth, std::vector<int>& ended) {
    if (depth > 0) {
        PostMessage(nullptr, WM_USER + depth, 0, 0);
    }
    MSG msg;
    for (;;) {
        BOOL r = GetMessage(&msg, nullptr, 0, 0);
        if (r == 0) {
            ended.push_back(depth);
            if (depth > 0) PostQuitMessage(int(msg.wParam));
            return int(msg.wParam);
        }
        if (msg.message == WM_USER + 1 && depth == 1) {
            RunLoop(2, ended);
        } else if (msg.message == WM_USER + 2 && depth == 2) {
            RunLoop(3, ended);
        } else if (msg.message == WM_USER + 3) {
            PostQuitMessage(42);
        }
    }
}

TEST_F(MessageQueueTest, QuitIsRepostedOutOfNestedLoops) {
    std::vector<int> ended;
    PostMessage(nullptr, WM_USER + 1, 0, 0);
    MSG msg;
    ASSERT_TRUE(GetMessage(&msg, nullptr, 0, 0));
    int code = RunLoop(1, ended);
    EXPECT_EQ(code, 42);
    EXPECT_EQ(ended, (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)); // re-posted by the last loop
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueueTest, QuitComesAfterPostedMessages) {
    PostQuitMessage(3);
    PostMessage(nullptr, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_USER));
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(GetMessage(&msg, reinterpret_cast<HWND>(0x999990), 0, 0), -1); // not a window
}

TEST_F(MessageQueueTest, OtherThreadsPostAndSendThroughTheQueue) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    std::thread poster([h] {
        PostMessage(h, WM_USER + 7, 70, 0);
        EXPECT_EQ(SendMessage(h, WM_USER + 8, 80, 0), 81);
    });
    rec.handlers[h] = [](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER + 8) return LRESULT(w) + 1;
        return std::nullopt;
    };
    // The sent message is delivered when this thread next looks at its queue.
    int guard = 0;
    while (rec.Count(h, WM_USER + 8) == 0 && guard++ < 1000) {
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    poster.join();
    Pump();
    EXPECT_EQ(rec.Count(h, WM_USER + 7), 1);
    EXPECT_EQ(rec.Count(h, WM_USER + 8), 1);
}

TEST_F(MessageQueueTest, DescriptorWatchPostsOncePerRetrieval) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    int watch = olva::win::WatchDescriptor(fds[0], POLLIN, h, WM_USER + 9);
    ASSERT_GT(watch, 0);
    EXPECT_EQ(Pump(), 0); // nothing readable yet
    ASSERT_EQ(write(fds[1], "ab", 2), 2);
    EXPECT_EQ(Pump(), 1); // one message although the pipe stays readable
    ASSERT_EQ(rec.log.back().msg, UINT(WM_USER + 9));
    EXPECT_EQ(rec.log.back().wParam, WPARAM(fds[0]));
    EXPECT_TRUE(rec.log.back().lParam & POLLIN);
    EXPECT_EQ(Pump(), 0);
    char buf[1];
    ASSERT_EQ(read(fds[0], buf, 1), 1); // one byte left: re-armed, it reports again
    EXPECT_TRUE(olva::win::RearmDescriptorWatch(watch));
    EXPECT_EQ(Pump(), 1);
    ASSERT_EQ(read(fds[0], buf, 1), 1);
    EXPECT_TRUE(olva::win::RearmDescriptorWatch(watch));
    EXPECT_EQ(Pump(), 0);
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT), WAIT_TIMEOUT);
    EXPECT_TRUE(olva::win::UnwatchDescriptor(watch));
    EXPECT_FALSE(olva::win::UnwatchDescriptor(watch));
    close(fds[0]);
    close(fds[1]);
}

TEST_F(MessageQueueTest, WaitMessageWakesForAnotherThreadsPost) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    std::thread poster([h] {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        PostMessage(h, WM_USER, 0, 0);
    });
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), TRUE); // blocks until the post arrives
    EXPECT_EQ(msg.message, UINT(WM_USER));
    poster.join();
}

// A presenter's host says before each sleep what ends it: its descriptor becoming readable, events it
// already holds, or a time to look again; without a descriptor a sleep is cut into short slices.
class HostWaitTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        ASSERT_EQ(::pipe(fds), 0);
        auto& sys = olva::win::Sys();
        sys.HostPoll = [] {};
        sys.HostPrepareWait = [this] { return host; };
        savedSlices = {sys.HostPollSliceMs, sys.HostIdleSliceMs};
        sys.HostPollSliceMs = sys.HostIdleSliceMs = 10000; // long enough to tell a wake-up from a slice
    }
    void TearDown() override {
        auto& sys = olva::win::Sys();
        std::tie(sys.HostPollSliceMs, sys.HostIdleSliceMs) = savedSlices;
        ::close(fds[0]);
        ::close(fds[1]);
        WinTest::TearDown();
    }
    // Milliseconds an empty queue waits with a timeout of `timeoutMs`.
    long long Wait(DWORD timeoutMs) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT), WAIT_TIMEOUT);
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    }
    int fds[2] = {-1, -1};
    olva::win::HostWait host;
    std::pair<int, int> savedSlices;
};

TEST_F(HostWaitTest, TheHostsDescriptorEndsTheSleep) {
    host.descriptor = fds[0];
    std::thread writer([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        [[maybe_unused]] auto n = ::write(fds[1], "x", 1);
    });
    const long long waited = Wait(8000);
    writer.join();
    EXPECT_GE(waited, 15);
    EXPECT_LT(waited, 4000);
}

TEST_F(HostWaitTest, WaitingEventsOrAWakeTimeShortenTheSleep) {
    host.eventsWaiting = true;
    EXPECT_LT(Wait(8000), 4000);
    host = {};
    host.descriptor = fds[0];
    host.wakeAt = olva::win::NowMs() + 30; // e.g. the caret's next blink
    const long long waited = Wait(8000);
    EXPECT_GE(waited, 25);
    EXPECT_LT(waited, 4000);
}

TEST_F(HostWaitTest, WithoutADescriptorSleepsAreSliced) {
    olva::win::Sys().HostPollSliceMs = 20; // the host is polled again after each slice
    const long long waited = Wait(8000);
    EXPECT_GE(waited, 15);
    EXPECT_LT(waited, 4000);
}

} // namespace

namespace {

class QueueStatusTest : public WinTest {};

TEST_F(QueueStatusTest, StatusBitsAndQuitFiltering) {
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP);
    EXPECT_EQ(GetQueueStatus(QS_ALLINPUT), 0u);
    PostMessage(h, WM_USER, 0, 0);
    olva::win::InjectKey('K', true);
    SetTimer(h, 1, 10, nullptr);
    clock->Advance(10);
    InvalidateRect(h, nullptr, TRUE); // hidden: no paint pending
    DWORD status = GetQueueStatus(QS_ALLINPUT);
    EXPECT_EQ(LOWORD(status), QS_POSTMESSAGE | QS_KEY | QS_TIMER); // QS_ALLPOSTMESSAGE is not asked for
    EXPECT_EQ(GetQueueStatus(QS_KEY), MAKELONG(QS_KEY, QS_KEY));
    MSG msg;
    PostQuitMessage(9);
    // The quit message is for the thread: a window filter never sees it.
    while (PeekMessage(&msg, h, 0, 0, PM_REMOVE)) {
        EXPECT_NE(msg.message, UINT(WM_QUIT));
    }
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 9u);
    EXPECT_TRUE(SendNotifyMessage(h, WM_USER + 3, 0, 0)); // same thread: sent at once
    EXPECT_EQ(rec.Count(h, WM_USER + 3), 1);
    EXPECT_TRUE(PostThreadMessage(GetCurrentThreadId(), WM_USER + 4, 0, 0));
    ASSERT_TRUE(PeekMessage(&msg, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, UINT(WM_USER + 4));
}

TEST_F(QueueStatusTest, KeysWithoutFocusGoToTheActiveWindowAsSystemKeys) {
    HWND h = MakeTop(0, 0, 100, 100);
    rec.handlers[h] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_ACTIVATE) return 0; // keeps the focus away
        return std::nullopt;
    };
    SetFocus(nullptr);
    ASSERT_EQ(GetActiveWindow(), h);
    rec.Clear();
    olva::win::InjectKey('Z', true);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_SYSKEYDOWN), 1);
    EXPECT_EQ(rec.Count(h, WM_KEYDOWN), 0);
}

} // namespace

namespace {

class WorkerThreadTest : public WinTest {};

TEST_F(WorkerThreadTest, WorkersMoveAndDrawThroughTheUserInterfaceThread) {
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    Pump();
    rec.Clear();
    std::atomic<bool> done{false};
    std::thread worker([&] {
        // A move only: nothing to repaint afterwards that could cover what the worker draws.
        SetWindowPos(h, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT r;
        GetWindowRect(h, &r);
        EXPECT_EQ(r, (RECT{10, 20, 110, 120})); // done by the time the call returns
        HDC dc = GetDC(h);
        RECT box{0, 0, 5, 5};
        FillRect(dc, &box, reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_HIGHLIGHT + 1)));
        ReleaseDC(h, dc);
        EXPECT_FALSE(DestroyWindow(h)); // not this thread's window
        EXPECT_EQ(SetTimer(h, 1, 10, nullptr), 0u);
        done = true;
    });
    for (int guard = 0; !done && guard < 5000; ++guard) {
        MSG msg;
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    worker.join();
    EXPECT_EQ(rec.Count(h, WM_WINDOWPOSCHANGED), 1);
    EXPECT_EQ(PixelToColorRef(olva::win::WindowImage(h)->Pixel(2, 2)), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_TRUE(IsWindow(h));
}

} // namespace

namespace {

class BindThreadTest : public WinTest {};

TEST_F(BindThreadTest, AnotherThreadCanBecomeTheUserInterfaceThread) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    std::thread other([&] {
        olva::win::BindWindowSystemToThisThread();
        EXPECT_TRUE(DestroyWindow(h)); // now this thread's window
    });
    other.join();
    olva::win::BindWindowSystemToThisThread();
    EXPECT_FALSE(IsWindow(h));
}

} // namespace
