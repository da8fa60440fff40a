#include "WinTestSupport.h"

using namespace win_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class InputTest : public WinTest {};

TEST_F(InputTest, ClicksGoToTheDeepestChildInClientCoordinates) {
    HWND top = MakeTop(100, 100, 400, 300);
    HWND panel = MakeChild(top, 10, 10, 200, 200);
    HWND button = MakeChild(panel, 20, 30, 50, 20);
    rec.Clear();
    const int x = 100 + kFrame + 10 + 20 + 5, y = 100 + kFrame + kCaption + 10 + 30 + 7;
    Click(x, y);
    Pump();
    const Logged* down = rec.Last(button, WM_LBUTTONDOWN);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->lParam, Pt(5, 7));
    EXPECT_EQ(down->wParam, MK_LBUTTON);
    ASSERT_TRUE(rec.Last(button, WM_LBUTTONUP));
    EXPECT_EQ(rec.Last(button, WM_LBUTTONUP)->wParam, 0u);
    // Hit testing asked the child on the way, and the cursor was set for it.
    EXPECT_GE(rec.Count(button, WM_NCHITTEST), 1);
    EXPECT_GE(rec.Count(button, WM_SETCURSOR), 1);
    EXPECT_EQ(rec.Count(panel, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(WindowFromPoint(POINT{x, y}), button);
}

TEST_F(InputTest, TransparentAndDisabledChildrenLetTheClickThrough) {
    HWND top = MakeTop(0, 0, 400, 300);
    HWND under = MakeChild(top, 0, 0, 100, 100);
    HWND overlay = MakeChild(top, 0, 0, 100, 100); // on top of `under`
    rec.handlers[overlay] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTTRANSPARENT;
        return std::nullopt;
    };
    POINT p{kFrame + 50, kFrame + kCaption + 50};
    EXPECT_EQ(WindowFromPoint(p), under);
    EnableWindow(under, FALSE);
    EXPECT_EQ(WindowFromPoint(p), top); // a disabled child belongs to its parent
    POINT client{50, 50};
    EXPECT_EQ(ChildWindowFromPointEx(top, client, CWP_SKIPDISABLED), overlay);
    EXPECT_EQ(ChildWindowFromPointEx(top, client, CWP_ALL), overlay);
    ShowWindow(overlay, SW_HIDE);
    EXPECT_EQ(ChildWindowFromPointEx(top, client, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED), top);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{-5, 5}, CWP_ALL), nullptr);
}

TEST_F(InputTest, CaptureRoutesEverythingToTheCapturingWindow) {
    HWND top = MakeTop(0, 0, 400, 300);
    HWND a = MakeChild(top, 0, 0, 100, 100);
    HWND b = MakeChild(top, 200, 0, 100, 100);
    SetCapture(a);
    rec.Clear();
    InjectMouse(MouseAction::Move, kFrame + 250, kFrame + kCaption + 10);
    Pump();
    const Logged* move = rec.Last(a, WM_MOUSEMOVE);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->lParam, Pt(250, 10)); // relative to a, outside it
    EXPECT_EQ(rec.Count(b, WM_MOUSEMOVE), 0);
    EXPECT_EQ(rec.Count(a, WM_SETCURSOR), 0); // no cursor negotiation while captured
    EXPECT_EQ(SetCapture(b), a);
    EXPECT_EQ(rec.Count(a, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(rec.Last(a, WM_CAPTURECHANGED)->lParam, LPARAM(b));
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(rec.Last(b, WM_CAPTURECHANGED)->lParam, 0);
    // Disabling the capturing window cancels its mode.
    SetCapture(a);
    EnableWindow(a, FALSE);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(rec.Count(a, WM_CANCELMODE), 1);
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTimeAndPlace) {
    HWND top = MakeTop(0, 0, 400, 300);
    HWND plain = MakeChild(top, 0, 0, 100, 100);
    HWND dbl = MakeChild(top, 200, 0, 100, 100, WS_CHILD | WS_VISIBLE, 0, kRecorderDblClass);
    struct Case {
        HWND target;
        int secondDx;
        int delayMs;
        bool doubled;
    };
    const Case cases[] = {{dbl, 0, 100, true},
                          {dbl, 1, 499, true},
                          {dbl, 3, 100, false},
                          {dbl, 0, 600, false},
                          {plain, 0, 100, false}};
    for (const Case& c : cases) {
        rec.Clear();
        clock->Advance(2000);
        RECT r;
        GetWindowRect(c.target, &r);
        const int x = r.left + 10, y = r.top + 10;
        Click(x, y);
        Pump();
        clock->Advance(c.delayMs);
        Click(x + c.secondDx, y);
        Pump();
        EXPECT_EQ(rec.Count(c.target, WM_LBUTTONDBLCLK), c.doubled ? 1 : 0) << c.secondDx << " " << c.delayMs;
        EXPECT_EQ(rec.Count(c.target, WM_LBUTTONDOWN), c.doubled ? 1 : 2);
    }
}

TEST_F(InputTest, NonClientClicksCarryTheHitTestCode) {
    HWND top = MakeTop(0, 0, 400, 300, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    rec.Clear();
    InjectMouse(MouseAction::Move, 0, 150); // the left sizing border
    Pump();
    const Logged* move = rec.Last(top, WM_NCMOUSEMOVE);
    ASSERT_TRUE(move);
    EXPECT_EQ(LRESULT(move->wParam), HTLEFT);
    EXPECT_EQ(move->lParam, Pt(0, 150));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_SIZEWE));
    struct Case {
        int x, y;
        LRESULT hit;
    };
    const Case cases[] = {{200, 10, HTCAPTION},      {200, 1, HTTOP},     {1, 1, HTTOPLEFT},
                          {399, 299, HTBOTTOMRIGHT}, {390, 10, HTCLOSE},  {372, 10, HTMAXBUTTON},
                          {356, 10, HTMINBUTTON},    {10, 10, HTSYSMENU}, {200, 200, HTCLIENT},
                          {500, 10, HTNOWHERE}};
    for (const Case& c : cases)
        EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, Pt(c.x, c.y)), c.hit) << c.x << "," << c.y;
}

TEST_F(InputTest, ClickActivationAndPopupsThatDoNotActivate) {
    HWND a = MakeTop(0, 0, 200, 200);
    HWND b = MakeTop(300, 0, 200, 200);
    EXPECT_EQ(GetActiveWindow(), b);
    HWND popup = MakeTop(600, 0, 100, 100, WS_POPUP, WS_EX_NOACTIVATE | WS_EX_TOPMOST);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    EXPECT_EQ(GetActiveWindow(), b);
    rec.Clear();
    Click(650, 50);
    Pump();
    EXPECT_EQ(GetActiveWindow(), b); // clicking the popup leaves activation alone
    EXPECT_EQ(rec.Count(popup, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(rec.Count(popup, WM_MOUSEACTIVATE), 1);
    rec.Clear();
    Click(100, 100);
    Pump();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    ASSERT_TRUE(rec.Last(a, WM_ACTIVATE));
    EXPECT_EQ(LOWORD(rec.Last(a, WM_ACTIVATE)->wParam), WA_CLICKACTIVE);
    EXPECT_EQ(rec.Last(b, WM_ACTIVATE)->lParam, LPARAM(a));
    // Order: old window hears first, focus moves last.
    auto order = rec.Messages({WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS});
    EXPECT_EQ(order, (std::vector<UINT>{WM_NCACTIVATE, WM_ACTIVATE, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS,
                                        WM_SETFOCUS}));
    // A window may refuse activation and eat the click.
    rec.handlers[b] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATEANDEAT;
        return std::nullopt;
    };
    rec.Clear();
    Click(400, 100);
    Pump();
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(rec.Count(b, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(rec.Count(b, WM_LBUTTONUP), 1);
}

TEST_F(InputTest, DisabledWindowsGetNoInputButHooksSeeIt) {
    HWND owner = MakeTop(0, 0, 200, 200);
    EnableWindow(owner, FALSE);
    static int hookCount = 0;
    static HHOOK hook;
    hookCount = 0;
    hook = SetWindowsHookEx(
        WH_MOUSE,
        [](int code, WPARAM w, LPARAM l) -> LRESULT {
            // A disabled window answers nothing: the hit test is HTERROR, a non-client click.
            auto* mh = reinterpret_cast<MOUSEHOOKSTRUCT*>(l);
            if (code == HC_ACTION && w == WM_NCLBUTTONDOWN && LRESULT(SHORT(mh->wHitTestCode)) == HTERROR)
                ++hookCount;
            return CallNextHookEx(hook, code, w, l);
        },
        nullptr, 0);
    int beeps = olva::win::BeepCount();
    rec.Clear();
    Click(100, 100);
    Pump();
    EXPECT_EQ(hookCount, 1);
    EXPECT_EQ(rec.Count(owner, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(rec.Count(owner, WM_NCLBUTTONDOWN), 0);
    EXPECT_EQ(rec.Count(owner, WM_NCHITTEST), 0);
    EXPECT_EQ(olva::win::BeepCount(), beeps + 1);
    UnhookWindowsHookEx(hook);
}

TEST_F(InputTest, KeyMessagesCarryWindowsKeyDataAndTranslateToCharacters) {
    HWND h = MakeTop(0, 0, 200, 200);
    rec.Clear();
    InjectKey(VK_SHIFT, true);
    InjectKey('A', true);
    InjectKey('A', true); // auto-repeat
    InjectKey('A', false);
    InjectKey(VK_SHIFT, false);
    InjectKey(VK_MENU, true);
    InjectKey('F', true);
    InjectKey('F', false);
    InjectKey(VK_MENU, false);
    InjectKey(VK_LEFT, true);
    Pump();
    std::vector<std::pair<UINT, WPARAM>> keys;
    std::vector<DWORD> data;
    for (auto& l : rec.log)
        if (l.hwnd == h && l.msg >= WM_KEYDOWN && l.msg <= WM_SYSCHAR) {
            keys.push_back({l.msg, l.wParam});
            data.push_back(DWORD(l.lParam));
        }
    std::vector<std::pair<UINT, WPARAM>> expected{
        {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'}, {WM_CHAR, 'A'},       {WM_KEYDOWN, 'A'},
        {WM_CHAR, 'A'},         {WM_KEYUP, 'A'},   {WM_KEYUP, VK_SHIFT}, {WM_SYSKEYDOWN, VK_MENU},
        {WM_SYSKEYDOWN, 'F'},   {WM_SYSCHAR, 'f'}, {WM_SYSKEYUP, 'F'},   {WM_SYSKEYUP, VK_MENU},
        {WM_KEYDOWN, VK_LEFT}};
    ASSERT_EQ(keys, expected);
    EXPECT_EQ(data[1], 0x001E0001u);  // 'A' down: scan 0x1E, count 1
    EXPECT_EQ(data[3], 0x401E0001u);  // repeat: previous state set
    EXPECT_EQ(data[5], 0xC01E0001u);  // up: previous state and transition
    EXPECT_EQ(data[8], 0x20210001u);  // Alt+F: context bit
    EXPECT_EQ(data[10], 0xE0210001u); // Alt+F up
    EXPECT_EQ(data[12], 0x014B0001u); // extended key
    EXPECT_LT(GetKeyState(VK_LEFT), 0);
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_NE(GetAsyncKeyState(VK_LEFT) & 0x8000, 0);
}

TEST_F(InputTest, KeyboardTranslationTables) {
    BYTE state[256] = {};
    WORD ch = 0;
    struct Case {
        UINT vk;
        bool shift, ctrl, caps;
        int count;
        WORD ch;
    };
    const Case cases[] = {{'A', false, false, false, 1, 'a'}, {'A', true, false, false, 1, 'A'},
                          {'A', false, false, true, 1, 'A'},  {'A', true, false, true, 1, 'a'},
                          {'1', true, false, false, 1, '!'},  {VK_OEM_2, true, false, false, 1, '?'},
                          {'C', false, true, false, 1, 3},    {VK_RETURN, false, false, false, 1, '\r'},
                          {VK_F1, false, false, false, 0, 0}, {VK_NUMPAD0 + 7, false, false, false, 1, '7'}};
    for (const Case& c : cases) {
        state[VK_SHIFT] = c.shift ? 0x80 : 0;
        state[VK_CONTROL] = c.ctrl ? 0x80 : 0;
        state[VK_CAPITAL] = c.caps ? 0x01 : 0;
        ch = 0;
        EXPECT_EQ(ToAscii(c.vk, 0, state, &ch, 0), c.count) << c.vk;
        if (c.count) {
            EXPECT_EQ(ch, c.ch) << c.vk;
        }
    }
    EXPECT_EQ(VkKeyScan('a'), SHORT('A'));
    EXPECT_EQ(VkKeyScan('A'), SHORT(0x100 | 'A'));
    EXPECT_EQ(VkKeyScan('?'), SHORT(0x100 | VK_OEM_2));
    EXPECT_EQ(MapVirtualKey('A', MAPVK_VK_TO_VSC), 0x1Eu);
    EXPECT_EQ(MapVirtualKey(0x1E, MAPVK_VSC_TO_VK), UINT('A'));
    EXPECT_EQ(MapVirtualKey('A', MAPVK_VK_TO_CHAR), UINT('A'));
    EXPECT_EQ(MapVirtualKey(VK_OEM_COMMA, MAPVK_VK_TO_CHAR), UINT(','));
    char name[32];
    GetKeyNameText(LONG(0x01530001), name, sizeof name);
    EXPECT_STREQ(name, "Delete");
}

TEST_F(InputTest, KeyAndButtonStatesFollowScriptedInput) {
    // The asynchronous state changes when input arrives, the retrieved state when its message is taken;
    // a left or right modifier also sets the generic key.
    HWND h = MakeTop(0, 0, 300, 300);
    const int x = kFrame + 100, y = kFrame + kCaption + 100;
    struct Case {
        int press;   // a key, or a mouse button's virtual key
        int generic; // the key that follows it
    };
    const Case cases[] = {{VK_MENU, VK_MENU},       {VK_LMENU, VK_MENU},       {VK_RMENU, VK_MENU},
                          {VK_CONTROL, VK_CONTROL}, {VK_RCONTROL, VK_CONTROL}, {VK_SHIFT, VK_SHIFT},
                          {VK_LSHIFT, VK_SHIFT},    {VK_LBUTTON, VK_LBUTTON},  {VK_RBUTTON, VK_RBUTTON},
                          {VK_MBUTTON, VK_MBUTTON}};
    auto act = [&](int vk, bool down) {
        switch (vk) {
        case VK_LBUTTON:
            return InjectMouse(down ? MouseAction::LeftDown : MouseAction::LeftUp, x, y);
        case VK_RBUTTON:
            return InjectMouse(down ? MouseAction::RightDown : MouseAction::RightUp, x, y);
        case VK_MBUTTON:
            return InjectMouse(down ? MouseAction::MiddleDown : MouseAction::MiddleUp, x, y);
        default:
            return InjectKey(vk, down);
        }
    };
    for (const Case& c : cases) {
        SetFocus(h);
        act(c.press, true);
        EXPECT_LT(GetAsyncKeyState(c.press), 0) << c.press;
        EXPECT_LT(GetAsyncKeyState(c.generic), 0) << c.press;
        EXPECT_GE(GetKeyState(c.generic), 0) << c.press; // not retrieved yet
        Pump();
        EXPECT_LT(GetKeyState(c.press), 0) << c.press;
        EXPECT_LT(GetKeyState(c.generic), 0) << c.press;
        act(c.press, false);
        EXPECT_EQ(GetAsyncKeyState(c.generic), 0) << c.press;
        EXPECT_LT(GetKeyState(c.generic), 0) << c.press;
        Pump();
        EXPECT_GE(GetKeyState(c.press), 0) << c.press;
        EXPECT_GE(GetKeyState(c.generic), 0) << c.press;
    }
}

TEST_F(InputTest, TextInputAndWheelGoToTheFocusedWindow) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND edit = MakeChild(top, 0, 0, 100, 20);
    SetFocus(edit);
    rec.Clear();
    olva::win::InjectText("h\xC3\xA9");
    InjectMouse(MouseAction::Wheel, 250, 250, -120);
    Pump();
    std::vector<WPARAM> chars;
    for (auto& l : rec.log)
        if (l.hwnd == edit && l.msg == WM_CHAR) chars.push_back(l.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{'h', 0xE9}));
    const Logged* wheel = rec.Last(edit, WM_MOUSEWHEEL);
    ASSERT_TRUE(wheel);
    EXPECT_EQ(SHORT(HIWORD(wheel->wParam)), -120);
    EXPECT_EQ(rec.Count(top, WM_MOUSEWHEEL), 1); // passed up by the default handling
}

TEST_F(InputTest, MouseLeaveAndHoverTracking) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND a = MakeChild(top, 0, 0, 100, 100);
    const int y = kFrame + kCaption + 50;
    InjectMouse(MouseAction::Move, kFrame + 50, y);
    Pump();
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE | TME_HOVER;
    tme.hwndTrack = a;
    tme.dwHoverTime = 300;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    clock->Advance(299);
    Pump();
    EXPECT_EQ(rec.Count(a, WM_MOUSEHOVER), 0);
    clock->Advance(1);
    Pump();
    EXPECT_EQ(rec.Count(a, WM_MOUSEHOVER), 1);
    InjectMouse(MouseAction::Move, kFrame + 150, y);
    Pump();
    EXPECT_EQ(rec.Count(a, WM_MOUSELEAVE), 1);
    InjectMouse(MouseAction::Move, kFrame + 160, y);
    Pump();
    EXPECT_EQ(rec.Count(a, WM_MOUSELEAVE), 1); // once per tracking request
    // Asking while the pointer is elsewhere: the leave comes at once.
    tme.dwFlags = TME_LEAVE;
    TrackMouseEvent(&tme);
    Pump();
    EXPECT_EQ(rec.Count(a, WM_MOUSELEAVE), 2);
}

TEST_F(InputTest, DragDetectFollowsTheThreshold) {
    HWND top = MakeTop(0, 0, 300, 300);
    const int cx = kFrame + 100, cy = kFrame + kCaption + 100;
    InjectMouse(MouseAction::LeftDown, cx, cy);
    InjectMouse(MouseAction::Move, cx + 3, cy);
    InjectMouse(MouseAction::Move, cx + 5, cy);
    EXPECT_TRUE(DragDetect(top, POINT{100, 100}));
    InjectMouse(MouseAction::LeftUp, cx + 5, cy);
    Pump();
    InjectMouse(MouseAction::LeftDown, cx, cy);
    InjectMouse(MouseAction::Move, cx + 4, cy - 4);
    InjectMouse(MouseAction::LeftUp, cx + 4, cy - 4);
    EXPECT_FALSE(DragDetect(top, POINT{100, 100}));
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace

namespace {

class InputReentryTest : public WinTest {};

TEST_F(InputReentryTest, HitTestHandlersMayLookAtTheQueue) {
    HWND top = MakeTop(0, 0, 300, 300);
    int nested = 0;
    rec.handlers[top] = [&](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST && nested++ < 3) {
            MSG msg;
            PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE); // takes, and so delivers, input itself
            if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) DispatchMessage(&msg);
        }
        return DefWindowProc(hwnd, m, w, l);
    };
    Click(100, 100);
    Click(120, 100);
    Pump();
    // Every press arrives exactly once, whoever took it from the queue.
    int downs = rec.Count(top, WM_LBUTTONDOWN) + rec.Count(top, WM_LBUTTONDBLCLK);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(rec.Count(top, WM_LBUTTONUP), 2);
}

} // namespace

namespace {

class InputExtrasTest : public WinTest {};

TEST_F(InputExtrasTest, ClipCursorKeepsThePointerInside) {
    HWND h = MakeTop(0, 0, 300, 300);
    RECT clip{100, 100, 200, 200};
    ClipCursor(&clip);
    olva::win::InjectMouse(olva::win::MouseAction::Move, 500, 50);
    Pump();
    POINT p;
    GetCursorPos(&p);
    EXPECT_EQ(p, (POINT{199, 100}));
    RECT back;
    GetClipCursor(&back);
    EXPECT_EQ(back, clip);
    ClipCursor(nullptr);
    GetClipCursor(&back);
    EXPECT_EQ(back, (RECT{0, 0, 1920, 1080}));
    EXPECT_TRUE(IsWindow(h));
}

TEST_F(InputExtrasTest, LastActivePopupAndSendWithTimeout) {
    HWND owner = MakeTop(0, 0, 300, 300);
    EXPECT_EQ(GetLastActivePopup(owner), owner);
    HWND dialog = MakeTop(50, 50, 100, 100, WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, owner);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(GetLastActivePopup(owner), dialog);
    rec.handlers[dialog] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) return 77;
        return std::nullopt;
    };
    DWORD_PTR result = 0;
    EXPECT_EQ(SendMessageTimeout(dialog, WM_USER, 0, 0, SMTO_ABORTIFHUNG, 100, &result), 1);
    EXPECT_EQ(result, 77u);
    DestroyWindow(dialog);
    EXPECT_EQ(SendMessageTimeout(dialog, WM_USER, 0, 0, SMTO_NORMAL, 100, &result), 0);
    EXPECT_EQ(GetActiveWindow(), owner); // activation went back to the owner
}

TEST_F(InputExtrasTest, ContextMenuKeysAskForAMenuAtNoPoint) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND edit = MakeChild(top, 0, 0, 100, 20);
    SetFocus(edit);
    rec.Clear();
    olva::win::InjectKey(VK_APPS, true);
    olva::win::InjectKey(VK_APPS, false);
    olva::win::InjectKey(VK_SHIFT, true);
    olva::win::InjectKey(VK_F10, true);
    olva::win::InjectKey(VK_F10, false);
    olva::win::InjectKey(VK_SHIFT, false);
    Pump();
    EXPECT_EQ(rec.Count(edit, WM_CONTEXTMENU), 2);
    EXPECT_EQ(rec.Count(top, WM_CONTEXTMENU), 2); // passed up by the child's default handling
    EXPECT_EQ(rec.Last(top, WM_CONTEXTMENU)->lParam, LPARAM(-1));
}

} // namespace
