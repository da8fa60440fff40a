#include "WinTestSupport.h"

using namespace win_test;

namespace {

class WindowLifecycleTest : public WinTest {};

TEST_F(WindowLifecycleTest, HiddenWindowGetsCreationMessagesInOrder) {
    rec.forAll = nullptr;
    HWND h = MakeTop(10, 20, 300, 200, WS_OVERLAPPEDWINDOW);
    ASSERT_TRUE(IsWindow(h));
    EXPECT_EQ(rec.MessagesOf(h),
              (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    // The client area is what WM_NCCALCSIZE left of the window: the frame and the caption off.
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(client, (RECT{0, 0, 300 - 8, 200 - 8 - 19}));
    char text[16];
    EXPECT_EQ(GetWindowText(h, text, sizeof text), 3);
    EXPECT_STREQ(text, "top");
}

TEST_F(WindowLifecycleTest, VisibleWindowIsShownActivatedAndFocusedAfterCreate) {
    HWND h = MakeTop(10, 20, 300, 200);
    const std::vector<UINT> interesting{
        WM_CREATE,   WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_ACTIVATEAPP, WM_NCACTIVATE,
        WM_ACTIVATE, WM_SETFOCUS,   WM_NCPAINT,           WM_ERASEBKGND,  WM_WINDOWPOSCHANGED};
    auto got = rec.MessagesOf(h, interesting);
    std::vector<UINT> expected{WM_CREATE,     WM_SHOWWINDOW,      WM_WINDOWPOSCHANGING, WM_ACTIVATEAPP,
                               WM_NCACTIVATE, WM_ACTIVATE,        WM_SETFOCUS,          WM_NCPAINT,
                               WM_ERASEBKGND, WM_WINDOWPOSCHANGED};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(GetActiveWindow(), h);
    EXPECT_EQ(GetFocus(), h);
    EXPECT_TRUE(IsWindowVisible(h));
}

TEST_F(WindowLifecycleTest, DestroyOrderIsParentFirstThenChildrenFirst) {
    HWND top = MakeTop(0, 0, 200, 200);
    HWND a = MakeChild(top, 0, 0, 50, 50);
    HWND b = MakeChild(a, 0, 0, 10, 10);
    rec.Clear();
    ASSERT_TRUE(DestroyWindow(top));
    std::vector<std::pair<HWND, UINT>> order;
    for (auto& l : rec.log)
        if (l.msg == WM_DESTROY || l.msg == WM_NCDESTROY) order.push_back({l.hwnd, l.msg});
    std::vector<std::pair<HWND, UINT>> expected{{top, WM_DESTROY}, {a, WM_DESTROY},   {b, WM_DESTROY},
                                                {b, WM_NCDESTROY}, {a, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(a));
    EXPECT_FALSE(IsWindow(b));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowLifecycleTest, HandlesAreNeverReused) {
    std::vector<HWND> seen;
    for (int i = 0; i < 50; ++i) {
        HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
        ASSERT_TRUE(h);
        EXPECT_EQ(std::find(seen.begin(), seen.end(), h), seen.end());
        seen.push_back(h);
        DestroyWindow(h);
    }
    for (HWND h : seen) {
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 0);
        EXPECT_FALSE(PostMessage(h, WM_USER, 0, 0));
    }
}

TEST_F(WindowLifecycleTest, RefusedCreationReturnsNullAndCleansUp) {
    struct Case {
        UINT refuse;
        LRESULT answer;
        bool destroyMessages;
    };
    for (Case c : {Case{WM_NCCREATE, FALSE, false}, Case{WM_CREATE, -1, true}}) {
        rec.Clear();
        rec.forAll = [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m == c.refuse) return c.answer;
            return std::nullopt;
        };
        HWND h = MakeTop(0, 0, 100, 100);
        EXPECT_EQ(h, nullptr);
        ASSERT_FALSE(rec.log.empty());
        HWND attempted = rec.log.front().hwnd;
        EXPECT_FALSE(IsWindow(attempted));
        EXPECT_EQ(rec.Count(attempted, WM_DESTROY), c.destroyMessages ? 1 : 0);
        EXPECT_EQ(rec.Count(attempted, WM_NCDESTROY), 1);
    }
    rec.forAll = nullptr;
    // The class can go once no window of it is left.
    EXPECT_TRUE(UnregisterClass(kRecorderDblClass, nullptr));
}

TEST_F(WindowLifecycleTest, ClassRegistrationRules) {
    WNDCLASSEX wc;
    wc.lpfnWndProc = &RecordingProc;
    wc.lpszClassName = "testrecorder"; // names compare without case
    EXPECT_EQ(RegisterClassEx(&wc), 0);
    wc.lpszClassName = "Other";
    wc.cbWndExtra = 16;
    ATOM atom = RegisterClassEx(&wc);
    ASSERT_NE(atom, 0);
    WNDCLASSEX info;
    ASSERT_TRUE(GetClassInfoEx(nullptr, "OTHER", &info));
    EXPECT_EQ(info.cbWndExtra, 16);
    EXPECT_EQ(info.lpfnWndProc, &RecordingProc);
    // Creating by atom works as by name.
    HWND h = CreateWindowEx(0, reinterpret_cast<const char*>(std::uintptr_t(atom)), "x", WS_POPUP, 0, 0, 1, 1,
                            nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(h);
    char name[8];
    EXPECT_EQ(GetClassName(h, name, sizeof name), 5);
    EXPECT_STREQ(name, "Other");
    EXPECT_FALSE(UnregisterClass("Other", nullptr)); // a window of it still exists
    DestroyWindow(h);
    EXPECT_TRUE(UnregisterClass("Other", nullptr));
    EXPECT_EQ(CreateWindowEx(0, "Other", "x", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
}

TEST_F(WindowLifecycleTest, DestroyingAWindowFromItsOwnHandlerIsSafe) {
    HWND h = MakeTop(0, 0, 100, 100);
    rec.handlers[h] = [](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            DestroyWindow(hwnd);
            return 7;
        }
        return std::nullopt;
    };
    EXPECT_EQ(SendMessage(h, WM_USER, 0, 0), 7);
    EXPECT_FALSE(IsWindow(h));
    PostMessage(h, WM_USER, 0, 0); // refused: the window is gone
    EXPECT_EQ(Pump(), 0);
}

TEST_F(WindowLifecycleTest, OwnedWindowsGoWithTheirOwner) {
    HWND owner = MakeTop(0, 0, 100, 100);
    HWND popup = MakeTop(10, 10, 50, 50, WS_POPUP | WS_VISIBLE, 0, owner);
    EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
    EXPECT_EQ(GetParent(popup), owner); // a popup's parent is its owner
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup));
}

TEST_F(WindowLifecycleTest, MessageOnlyWindowsAreNeverShownOrFocused) {
    HWND h = CreateWindowEx(0, kRecorderClass, "m", WS_VISIBLE, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr,
                            nullptr);
    ASSERT_TRUE(h);
    EXPECT_FALSE(IsWindowVisible(h));
    EXPECT_EQ(SetFocus(h), nullptr);
    EXPECT_NE(GetAncestor(h, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(FindWindowEx(HWND_MESSAGE, nullptr, kRecorderClass, "m"), h);
    EXPECT_TRUE(PostMessage(h, WM_USER + 1, 5, 6));
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, h, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);
}

} // namespace
