#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/SdlPresenter.h"

#include <SDL.h>

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
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_LAYERED);
    HWND child = MakeChild(h, 0, 0, 50, 50);
    // Shapes: none for host windows; child windows keep theirs (they are ours to clip).
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

} // namespace
