#include "WinTestSupport.h"

#include "XServerProbe.h"
#include "platform/gdi/Gdi.h"
#include "platform/win/SdlHostX11.h"
#include "platform/win/SdlPresenter.h"
#include "tests/support/EnvironmentGuard.h"

#include <SDL.h>

#include <algorithm>
#include <filesystem>

using namespace win_test;

namespace {

class SdlPresenterTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        if (!presenter.Start()) GTEST_SKIP() << "no display: " << presenter.LastError();
    }
    void TearDown() override {
        presenter.Stop();
        WinTest::TearDown();
    }
    SDL_Event WindowEvent(HWND hwnd, Uint8 kind, int a = 0, int b = 0) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = SDL_GetWindowID(presenter.HostOf(hwnd));
        e.window.event = kind;
        e.window.data1 = a;
        e.window.data2 = b;
        return e;
    }
    olva::win::TSdlPresenter presenter;
};

TEST_F(SdlPresenterTest, TopLevelWindowsBecomeHostWindows) {
    HWND h = MakeTop(40, 50, 320, 240);
    HWND child = MakeChild(h, 10, 10, 50, 50);
    Pump();
    SDL_Window* host = presenter.HostOf(h);
    ASSERT_TRUE(host);
    EXPECT_EQ(presenter.HostOf(child), nullptr); // children live inside their top-level window's image
    int w, hgt;
    SDL_GetWindowSize(host, &w, &hgt);
    EXPECT_EQ(w, 320);
    EXPECT_EQ(hgt, 240);
    EXPECT_TRUE(SDL_GetWindowFlags(host) & SDL_WINDOW_BORDERLESS);
    MoveWindow(h, 60, 70, 400, 300, TRUE);
    SDL_GetWindowSize(host, &w, &hgt);
    EXPECT_EQ(w, 400);
    HWND popup = MakeTop(0, 0, 50, 50, WS_POPUP | WS_VISIBLE, WS_EX_NOACTIVATE, h);
    ASSERT_TRUE(presenter.HostOf(popup));
    EXPECT_TRUE(SDL_GetWindowFlags(presenter.HostOf(popup)) & SDL_WINDOW_POPUP_MENU);
    ShowWindow(h, SW_HIDE);
    EXPECT_FALSE(SDL_GetWindowFlags(host) & SDL_WINDOW_SHOWN);
    DestroyWindow(h);
    EXPECT_EQ(presenter.HostOf(h), nullptr);
}

TEST_F(SdlPresenterTest, HostInputEntersAsWindowMessages) {
    HWND h = MakeTop(100, 100, 300, 200);
    Pump();
    rec.Clear();
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = SDL_GetWindowID(presenter.HostOf(h));
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = kFrame + 15;
    e.button.y = kFrame + kCaption + 25;
    presenter.HandleEvent(e);
    e.type = SDL_MOUSEBUTTONUP;
    presenter.HandleEvent(e);
    SDL_Event k{};
    k.type = SDL_KEYDOWN;
    k.key.keysym.sym = SDLK_a;
    k.key.keysym.scancode = SDL_SCANCODE_A;
    presenter.HandleEvent(k);
    SDL_Event t{};
    t.type = SDL_TEXTINPUT;
    std::snprintf(t.text.text, sizeof t.text.text, "a");
    presenter.HandleEvent(t);
    k.key.keysym.sym = SDLK_RETURN;
    k.key.keysym.scancode = SDL_SCANCODE_RETURN;
    presenter.HandleEvent(k);
    Pump();
    ASSERT_TRUE(rec.Last(h, WM_LBUTTONDOWN));
    EXPECT_EQ(rec.Last(h, WM_LBUTTONDOWN)->lParam, Pt(15, 25));
    std::vector<WPARAM> chars;
    for (auto& l : rec.log)
        if (l.hwnd == h && l.msg == WM_CHAR) chars.push_back(l.wParam);
    // The host typed the letter; the Enter key's control character comes from translation.
    EXPECT_EQ(chars, (std::vector<WPARAM>{'a', '\r'}));
    EXPECT_EQ(rec.Count(h, WM_KEYDOWN), 2);
}

TEST_F(SdlPresenterTest, HostFocusAndMovesReachTheWindowSystem) {
    HWND a = MakeTop(0, 0, 200, 200);
    HWND b = MakeTop(300, 0, 200, 200);
    Pump();
    EXPECT_EQ(GetActiveWindow(), b);
    presenter.HandleEvent(WindowEvent(a, SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_EQ(GetActiveWindow(), a);
    rec.Clear();
    SDL_Event lost = WindowEvent(a, SDL_WINDOWEVENT_FOCUS_LOST);
    SDL_PushEvent(&lost);
    Pump(); // polls the host: focus went elsewhere
    EXPECT_EQ(rec.Count(a, WM_ACTIVATEAPP), 1);
    EXPECT_EQ(rec.Last(a, WM_ACTIVATEAPP)->wParam, WPARAM(FALSE));
    EXPECT_EQ(GetFocus(), nullptr);
    presenter.HandleEvent(WindowEvent(b, SDL_WINDOWEVENT_MOVED, 333, 44));
    RECT r;
    GetWindowRect(b, &r);
    EXPECT_EQ(r.left, 333);
    EXPECT_EQ(r.top, 44);
    presenter.HandleEvent(WindowEvent(b, SDL_WINDOWEVENT_CLOSE));
    Pump();
    EXPECT_FALSE(IsWindow(b));
}

TEST_F(SdlPresenterTest, WhatTheHostCannotShowIsRefused) {
    presenter.DisableShapes(); // as on a server without the shape extension
    EXPECT_FALSE(presenter.SupportsWindowShapes());
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
    HWND child = MakeChild(h, 0, 0, 50, 50);
    // Shapes: none for host windows (their callers draw square corners); child windows keep theirs
    // (they are ours to clip).
    HRGN rgn = CreateEllipticRgn(0, 0, 100, 100);
    EXPECT_EQ(SetWindowRgn(h, rgn, TRUE), 0);
    DeleteObject(rgn); // still the caller's after a refusal
    EXPECT_EQ(SetWindowRgn(child, CreateEllipticRgn(0, 0, 50, 50), TRUE), 1);
    // Per-window alpha follows what the host said it can do.
    EXPECT_EQ(bool(SetLayeredWindowAttributes(h, 0, 128, LWA_ALPHA)), presenter.SupportsWindowAlpha());
    BLENDFUNCTION bf;
    bf.AlphaFormat = AC_SRC_ALPHA;
    EXPECT_FALSE(UpdateLayeredWindow(h, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &bf, ULW_ALPHA));
}

// Where the server shapes windows, a top-level window's region cuts its host: no pixel of the host
// outside the region (a rounded corner shows what lies behind), the whole host again without one.
TEST_F(SdlPresenterTest, AWindowRegionShapesItsHostWhereTheServerShapesWindows) {
    if (!presenter.SupportsWindowShapes()) GTEST_SKIP() << "this host shapes no windows";
    HWND h = MakeTop(40, 50, 200, 100, WS_POPUP | WS_VISIBLE);
    Pump();
    SDL_Window* host = presenter.HostOf(h);
    ASSERT_TRUE(host);
    EXPECT_EQ(x_probe::ShapeRectangles(host), (std::vector<RECT>{{0, 0, 200, 100}}));
    ASSERT_EQ(SetWindowRgn(h, CreateRoundRectRgn(0, 0, 201, 101, 9, 9), TRUE), 1);
    const std::vector<RECT> shape = x_probe::ShapeRectangles(host);
    auto inside = [&](int x, int y) {
        return std::any_of(shape.begin(), shape.end(), [&](const RECT& r) {
            return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
        });
    };
    long area = 0;
    for (const RECT& r : shape) // within the host; the server keeps what lies beyond it
        area += (std::min<long>(r.right, 200) - r.left) * (std::min<long>(r.bottom, 100) - r.top);
    HRGN same = CreateRoundRectRgn(0, 0, 201, 101, 9, 9);
    for (const POINT& p : {POINT{0, 0}, POINT{199, 0}, POINT{0, 99}, POINT{199, 99}, POINT{1, 1},
                           POINT{100, 50}, POINT{0, 50}, POINT{100, 0}, POINT{199, 50}, POINT{100, 99}})
        EXPECT_EQ(inside(p.x, p.y), bool(PtInRegion(same, p.x, p.y))) << p.x << "," << p.y;
    DeleteObject(same);
    EXPECT_LT(area, 200 * 100);
    EXPECT_GT(area, 200 * 100 - 4 * 20);
    SetWindowRgn(h, nullptr, TRUE);
    EXPECT_EQ(x_probe::ShapeRectangles(host), (std::vector<RECT>{{0, 0, 200, 100}}));
}

// A window that draws its own caption hands its text on as the window text: the host's title follows,
// caption style or not.
TEST_F(SdlPresenterTest, TheHostsTitleFollowsTheTextOfAWindowWithoutACaption) {
    HWND h = MakeTop(0, 0, 300, 200, WS_POPUP | WS_THICKFRAME | WS_SYSMENU | WS_VISIBLE, WS_EX_APPWINDOW);
    Pump();
    SetWindowText(h, "song.wav - OLVA Audio Editor");
    EXPECT_STREQ(SDL_GetWindowTitle(presenter.HostOf(h)), "song.wav - OLVA Audio Editor");
    SetWindowText(h, "Untitled - OLVA Audio Editor");
    EXPECT_STREQ(SDL_GetWindowTitle(presenter.HostOf(h)), "Untitled - OLVA Audio Editor");
}

// A form that draws its own frame may carry the sizing style without sizing (its hit test names no
// edge): its host is not sizable by a manager either.
TEST_F(SdlPresenterTest, AFrameThatOffersNoSizingEdgeIsNotSizableByTheHost) {
    if (std::string(SDL_GetCurrentVideoDriver()) == "dummy")
        GTEST_SKIP() << "the dummy driver keeps its flags";
    HWND sizing = MakeTop(0, 0, 300, 200);
    HWND fixed = MakeTop(320, 0, 300, 200);
    rec.handlers[fixed] = [](HWND hwnd, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (m != WM_NCHITTEST) return std::nullopt;
        RECT r;
        GetWindowRect(hwnd, &r);
        return GET_Y_LPARAM(lp) < r.top + 30 ? HTCAPTION : HTCLIENT;
    };
    SetWindowPos(fixed, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_TRUE(GetWindowLongPtr(fixed, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_TRUE(SDL_GetWindowFlags(presenter.HostOf(sizing)) & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(SDL_GetWindowFlags(presenter.HostOf(fixed)) & SDL_WINDOW_RESIZABLE);
}

// Dialogs (owned windows with a caption or a dialog frame) are managed windows kept above the window
// they were opened from; menus and hints stay popups above everything.
TEST_F(SdlPresenterTest, DialogsStayAboveTheWindowTheyWereOpenedFromAndPopupsAboveAll) {
    if (std::string(SDL_GetCurrentVideoDriver()) != "x11") GTEST_SKIP() << "asks the X server";
    HWND main = MakeTop(0, 0, 400, 300);
    Pump();
    const DWORD dialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    HWND wizard = MakeTop(50, 50, 300, 200, dialogStyle, WS_EX_DLGMODALFRAME, main);
    Pump();
    ASSERT_EQ(GetActiveWindow(), wizard);
    HWND settings = MakeTop(80, 80, 200, 150, dialogStyle, WS_EX_DLGMODALFRAME, main);
    HWND menu = MakeTop(10, 10, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, main);
    Pump();
    for (HWND dialog : {wizard, settings}) {
        SDL_Window* host = presenter.HostOf(dialog);
        EXPECT_FALSE(x_probe::IsOverrideRedirect(host));
        EXPECT_FALSE(SDL_GetWindowFlags(host) & SDL_WINDOW_ALWAYS_ON_TOP);
        EXPECT_TRUE(x_probe::IsDialogType(host));
    }
    EXPECT_EQ(x_probe::TransientFor(presenter.HostOf(wizard)), x_probe::XWindowOf(presenter.HostOf(main)));
    // Opened from the wizard: above the wizard.
    EXPECT_EQ(x_probe::TransientFor(presenter.HostOf(settings)),
              x_probe::XWindowOf(presenter.HostOf(wizard)));
    EXPECT_TRUE(x_probe::IsOverrideRedirect(presenter.HostOf(menu)));
    // The main window belongs to no other window of ours.
    for (HWND other : {wizard, settings, menu})
        EXPECT_NE(x_probe::TransientFor(presenter.HostOf(main)), x_probe::XWindowOf(presenter.HostOf(other)));
}

// The picture a host window shows now.
std::uint32_t HostPixel(SDL_Window* host, int x, int y) {
    SDL_Surface* surface = SDL_GetWindowSurface(host);
    if (!surface || x < 0 || y < 0 || x >= surface->w || y >= surface->h) return 0;
    return static_cast<const std::uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x] & 0xFFFFFF;
}

// An idle program shows nothing again: a picture goes to the host when it changed (drawing, a caret
// blink), and only that window's.
TEST_F(SdlPresenterTest, OnlyChangedPicturesAreShown) {
    HWND a = MakeTop(0, 0, 200, 150);
    HWND b = MakeTop(300, 0, 200, 150);
    Pump();
    presenter.PrepareWait();
    const std::uint64_t settled = presenter.PresentCount();
    Pump();
    // The loop sleeps on the display connection where there is one.
    const bool x11 = std::string(SDL_GetCurrentVideoDriver()) == "x11";
    EXPECT_EQ(presenter.PrepareWait().descriptor >= 0, x11);
    EXPECT_EQ(presenter.PresentCount(), settled);
    // Drawing on one window shows that window, once.
    HDC dc = GetDC(b);
    RECT box{10, 10, 30, 30};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &box, red);
    DeleteObject(red);
    ReleaseDC(b, dc);
    presenter.PrepareWait();
    EXPECT_EQ(presenter.PresentCount(), settled + 1);
    EXPECT_EQ(HostPixel(presenter.HostOf(b), kFrame + 20, kFrame + kCaption + 20), 0xFF0000u);
    presenter.PrepareWait();
    EXPECT_EQ(presenter.PresentCount(), settled + 1);
    // A caret asks to be looked at again when it blinks, and is shown inverted in its "on" half.
    CreateCaret(a, nullptr, 2, 16);
    SetCaretPos(5, 5);
    ShowCaret(a);
    const olva::win::HostWait wait = presenter.PrepareWait();
    EXPECT_EQ(wait.wakeAt, olva::win::NowMs() + GetCaretBlinkTime());
    EXPECT_EQ(presenter.PresentCount(), settled + 2);
    const int caretX = kFrame + 5, caretY = kFrame + kCaption + 5;
    const std::uint32_t on = HostPixel(presenter.HostOf(a), caretX, caretY);
    clock->Advance(GetCaretBlinkTime());
    presenter.PrepareWait();
    EXPECT_EQ(presenter.PresentCount(), settled + 3);
    EXPECT_EQ(HostPixel(presenter.HostOf(a), caretX, caretY), on ^ 0xFFFFFFu);
    DestroyCaret();
}

// A sizable frame's host can be sized by a window manager, down to the window's smallest size; other
// frames' hosts cannot.
TEST_F(SdlPresenterTest, SizableFramesAreSizableByTheHost) {
    HWND sizable = MakeTop(0, 0, 300, 200);
    HWND dialog =
        MakeTop(0, 0, 300, 200, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME);
    Pump();
    EXPECT_TRUE(SDL_GetWindowFlags(presenter.HostOf(sizable)) & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(SDL_GetWindowFlags(presenter.HostOf(dialog)) & SDL_WINDOW_RESIZABLE);
    int w = 0, h = 0;
    SDL_GetWindowMinimumSize(presenter.HostOf(sizable), &w, &h);
    EXPECT_EQ(w, GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_EQ(h, GetSystemMetrics(SM_CYMINTRACK));
    // The frame changes, and the host with it (where the driver can change it after creation).
    SetWindowLongPtr(sizable, GWL_STYLE, GetWindowLongPtr(sizable, GWL_STYLE) & ~LONG_PTR(WS_THICKFRAME));
    SetWindowPos(sizable, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    if (std::string(SDL_GetCurrentVideoDriver()) != "dummy") {
        EXPECT_FALSE(SDL_GetWindowFlags(presenter.HostOf(sizable)) & SDL_WINDOW_RESIZABLE);
    }
}

// Without a window manager (as here) a minimized window stays on the screen as its caption, smaller than
// a window may be sized to; restored, it has its size and its limit back.
TEST_F(SdlPresenterTest, WithoutAManagerAMinimizedWindowIsItsCaption) {
    HWND h = MakeTop(40, 50, 300, 200);
    Pump();
    SDL_Window* host = presenter.HostOf(h);
    if (olva::win::HostWindowManager(host).Runs) GTEST_SKIP() << "a window manager runs";
    ShowWindow(h, SW_MINIMIZE);
    RECT r;
    GetWindowRect(h, &r);
    int x, y, w, hgt;
    SDL_GetWindowPosition(host, &x, &y);
    SDL_GetWindowSize(host, &w, &hgt);
    EXPECT_EQ((RECT{x, y, x + w, y + hgt}), r);
    EXPECT_EQ(w, GetSystemMetrics(SM_CXMINIMIZED));
    EXPECT_EQ(hgt, GetSystemMetrics(SM_CYMINIMIZED));
    ShowWindow(h, SW_RESTORE);
    SDL_GetWindowPosition(host, &x, &y);
    SDL_GetWindowSize(host, &w, &hgt);
    EXPECT_EQ((RECT{x, y, x + w, y + hgt}), (RECT{40, 50, 340, 250}));
    SDL_GetWindowMinimumSize(host, &w, &hgt);
    EXPECT_EQ(w, GetSystemMetrics(SM_CXMINTRACK));
}

// A window manager minimizes and opens host windows by itself (its buttons, a task bar): the window
// follows, keeps its host's size meanwhile, and may refuse.
TEST_F(SdlPresenterTest, TheHostsMinimizeAndRestoreReachTheWindow) {
    HWND h = MakeTop(40, 50, 300, 200);
    Pump();
    presenter.HandleEvent(WindowEvent(h, SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_TRUE(IsIconic(h));
    int w, hgt;
    SDL_GetWindowSize(presenter.HostOf(h), &w, &hgt);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(hgt, 200);
    presenter.HandleEvent(WindowEvent(h, SDL_WINDOWEVENT_RESTORED));
    EXPECT_FALSE(IsIconic(h));
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{40, 50, 340, 250}));
    // A window that will not be minimized stays open; one that will not open stays minimized.
    rec.handlers[h] = [](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MINIMIZE) return 0;
        if (m == WM_QUERYOPEN) return FALSE;
        return std::nullopt;
    };
    presenter.HandleEvent(WindowEvent(h, SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_FALSE(IsIconic(h));
    ShowWindow(h, SW_MINIMIZE);
    presenter.HandleEvent(WindowEvent(h, SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(IsIconic(h));
}

// A maximized window's frame lies beyond the work area; its host covers the work area exactly and shows
// the window from inside its frame (a window manager would push a host that overhangs back in).
TEST_F(SdlPresenterTest, AMaximizedWindowsHostCoversTheWorkArea) {
    HWND h = MakeTop(40, 50, 300, 200);
    ShowWindow(h, SW_SHOWMAXIMIZED);
    Pump();
    presenter.PrepareWait();
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    SDL_Window* host = presenter.HostOf(h);
    int x, y, w, hgt;
    SDL_GetWindowPosition(host, &x, &y);
    SDL_GetWindowSize(host, &w, &hgt);
    EXPECT_EQ((RECT{x, y, x + w, y + hgt}), work);
    // The host's top-left pixel is the caption's, just inside the frame.
    auto image = olva::win::WindowImage(h);
    ASSERT_TRUE(image);
    const std::uint32_t corner = HostPixel(host, 0, 0);
    EXPECT_EQ(corner, image->Pixel(kFrame, kFrame) & 0xFFFFFF);
    EXPECT_TRUE(PixelToColorRef(corner) == GetSysColor(COLOR_ACTIVECAPTION) ||
                PixelToColorRef(corner) == GetSysColor(COLOR_INACTIVECAPTION));
}

// With no display SDL would fall back on a driver that shows nothing, and the program would run
// invisibly: the presenter refuses, saying what is wrong with the display.
TEST(SdlPresenterStart, NoDisplayIsAClearError) {
    struct Case {
        std::optional<std::string> Display;
        std::string Expected;
    };
    for (const Case& c :
         {Case{std::nullopt, "DISPLAY is not set"}, Case{":987", "cannot open display \":987\""}}) {
        TEnvironmentGuard env;
        env.Set("SDL_VIDEODRIVER", std::nullopt);
        env.Set("XDG_RUNTIME_DIR",
                std::filesystem::temp_directory_path().string()); // no display there either
        env.Set("WAYLAND_DISPLAY", std::nullopt);
        env.Set("DISPLAY", c.Display);
        olva::win::TSdlPresenter presenter;
        EXPECT_FALSE(presenter.Start());
        EXPECT_EQ(presenter.LastError().rfind(c.Expected, 0), 0u) << presenter.LastError();
        EXPECT_EQ(olva::win::CurrentPresenter(), nullptr);
    }
}

} // namespace
