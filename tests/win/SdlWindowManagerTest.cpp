// The SDL2 presenter under a real window manager (the CI target starts one inside its X server): the
// manager learns of maximized windows and maximizes and restores them itself, sizes given by it reach the
// window exactly, and dialogs stay above the window they were opened from. Without a manager the tests
// skip; told one runs (OLVA_EXPECT_WINDOW_MANAGER), they wait for it and fail when it never comes.
#include "WinTestSupport.h"

#include "XServerProbe.h"
#include "platform/win/SdlHostX11.h"
#include "platform/win/SdlPresenter.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

using namespace win_test;

namespace {

class SdlWindowManagerTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        if (!presenter.Start()) GTEST_SKIP() << "no display: " << presenter.LastError();
        if (std::string(SDL_GetCurrentVideoDriver()) != "x11") GTEST_SKIP() << "not an X server";
        // A window of our own to ask through; the manager may still be starting.
        HWND probe = MakeTop(0, 0, 50, 50, WS_POPUP);
        ShowWindow(probe, SW_SHOWNOACTIVATE);
        Pump();
        const bool expected = std::getenv("OLVA_EXPECT_WINDOW_MANAGER") != nullptr;
        const bool found = Until([&] { return olva::win::HostWindowManager(presenter.HostOf(probe)).Runs; },
                                 expected ? 10000 : 300);
        DestroyWindow(probe);
        if (!found) {
            if (expected) FAIL() << "the window manager never came";
            GTEST_SKIP() << "no window manager runs";
        }
    }
    void TearDown() override {
        presenter.Stop();
        WinTest::TearDown();
    }
    // Pumps host events (in real time: the manager answers when it answers) until `done`.
    bool Until(const std::function<bool()>& done, int timeoutMs = 5000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            Pump();
            if (done()) return true;
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    // Lets the manager's answers come in for a while.
    void Settle(int ms = 300) {
        Until([] { return false; }, ms);
    }
    RECT HostRect(HWND hwnd) {
        int x, y, w, h;
        SDL_GetWindowPosition(presenter.HostOf(hwnd), &x, &y);
        SDL_GetWindowSize(presenter.HostOf(hwnd), &w, &h);
        return RECT{x, y, x + w, y + h};
    }
    std::string Id(HWND hwnd) { return std::to_string(x_probe::XWindowOf(presenter.HostOf(hwnd))); }
    olva::win::TSdlPresenter presenter;
};

TEST_F(SdlWindowManagerTest, MaximizingAndRestoringReachTheManagerBothWays) {
    HWND h = MakeTop(60, 70, 400, 300);
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == h; }));
    // Ours: the manager learns of it, and the window keeps the work area.
    ShowWindow(h, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(Until([&] { return x_probe::ManagerSaysMaximized(presenter.HostOf(h)); }));
    Settle();
    EXPECT_TRUE(IsZoomed(h));
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(HostRect(h), work);
    ShowWindow(h, SW_RESTORE);
    EXPECT_TRUE(Until([&] { return !x_probe::ManagerSaysMaximized(presenter.HostOf(h)); }));
    Settle();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{60, 70, 460, 370}));
    EXPECT_EQ(HostRect(h), r);
    // The manager's (its keys, a task bar): the window follows, and comes back to where it was.
    ASSERT_TRUE(x_probe::Run("wmctrl -i -r " + Id(h) + " -b add,maximized_vert,maximized_horz"));
    EXPECT_TRUE(Until([&] { return IsZoomed(h) != FALSE; }));
    Settle();
    EXPECT_EQ(HostRect(h), work);
    ASSERT_TRUE(x_probe::Run("wmctrl -i -r " + Id(h) + " -b remove,maximized_vert,maximized_horz"));
    EXPECT_TRUE(Until([&] { return !IsZoomed(h); }));
    Settle();
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{60, 70, 460, 370}));
    EXPECT_EQ(HostRect(h), r);
    // A window that refuses to be maximized stays as it is, and so does its host.
    rec.handlers[h] = [](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MAXIMIZE) return 0;
        return std::nullopt;
    };
    ASSERT_TRUE(x_probe::Run("wmctrl -i -r " + Id(h) + " -b add,maximized_vert,maximized_horz"));
    Settle(600);
    EXPECT_FALSE(IsZoomed(h));
    EXPECT_TRUE(Until([&] { return !x_probe::ManagerSaysMaximized(presenter.HostOf(h)); }));
    Settle();
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{60, 70, 460, 370}));
    EXPECT_EQ(HostRect(h), r);
}

// A size the manager gives (its keys, another client) reaches the window exactly as one the program
// sets itself: its last WM_SIZE is the host's size, nothing lags one size behind.
TEST_F(SdlWindowManagerTest, ASizeGivenByTheManagerReachesTheWindowExactly) {
    HWND h = MakeTop(40, 40, 500, 400);
    HWND child = MakeChild(h, 0, 0, 10, 10);
    rec.handlers[h] = [child](HWND hwnd, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        // A layout that fills the client area, as the forms' aligned controls do.
        if (m == WM_SIZE) MoveWindow(child, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return std::nullopt;
    };
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == h; }));
    for (const SIZE size : {SIZE{420, 330}, SIZE{640, 480}, SIZE{380, 290}}) {
        ASSERT_TRUE(x_probe::Run("xdotool windowsize " + Id(h) + " " + std::to_string(size.cx) + " " +
                                 std::to_string(size.cy)));
        EXPECT_TRUE(Until([&] {
            RECT r;
            GetWindowRect(h, &r);
            return r.right - r.left == size.cx && r.bottom - r.top == size.cy;
        })) << size.cx;
        Settle(200);
        RECT window, client, filled;
        GetWindowRect(h, &window);
        GetClientRect(h, &client);
        GetClientRect(child, &filled);
        EXPECT_EQ(HostRect(h), window) << size.cx;
        EXPECT_EQ(filled, client) << size.cx;
        ASSERT_TRUE(rec.Last(h, WM_SIZE));
        EXPECT_EQ(rec.Last(h, WM_SIZE)->lParam, MAKELPARAM(client.right, client.bottom)) << size.cx;
    }
}

// A dialog opened from a dialog stacks above it, and both above their main window, which the manager
// never raises over them.
TEST_F(SdlWindowManagerTest, DialogsStackAboveTheWindowsTheyWereOpenedFrom) {
    HWND main = MakeTop(0, 0, 500, 400);
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == main; }));
    const DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    HWND wizard = MakeTop(50, 50, 300, 250, dialogStyle, WS_EX_DLGMODALFRAME, main);
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == wizard; }));
    HWND settings = MakeTop(400, 80, 200, 150, dialogStyle, WS_EX_DLGMODALFRAME, main);
    ASSERT_TRUE(Until([&] { return GetActiveWindow() == settings; }));
    auto order = [&] {
        const std::vector<unsigned long> stacking = x_probe::Stacking(presenter.HostOf(main));
        auto at = [&](HWND hwnd) {
            return std::find(stacking.begin(), stacking.end(), x_probe::XWindowOf(presenter.HostOf(hwnd))) -
                   stacking.begin();
        };
        return std::vector<long>{long(at(main)), long(at(wizard)), long(at(settings))};
    };
    auto stacked = [&] {
        const std::vector<long> o = order();
        return o[0] < o[1] && o[1] < o[2];
    };
    EXPECT_TRUE(Until(stacked));
    // The user reaches for the main window and then the wizard: the manager keeps the dialogs on top.
    ASSERT_TRUE(x_probe::Run("wmctrl -i -a " + Id(main)));
    Settle();
    EXPECT_TRUE(stacked());
    ASSERT_TRUE(x_probe::Run("wmctrl -i -a " + Id(wizard)));
    Settle();
    EXPECT_TRUE(stacked());
}

} // namespace
