#include "WinTestSupport.h"

#include <tuple>

using namespace win_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class HookTest : public WinTest {};

std::vector<std::string> Calls;
HHOOK HookA, HookB, HookC;
bool RemoveBWhileRunning = false;
LRESULT SwallowKey = 0;

LRESULT CALLBACK_A(int code, WPARAM w, LPARAM l) {
    Calls.push_back("A");
    return CallNextHookEx(HookA, code, w, l);
}
LRESULT CALLBACK_B(int code, WPARAM w, LPARAM l) {
    Calls.push_back("B");
    if (RemoveBWhileRunning) UnhookWindowsHookEx(HookB);
    return CallNextHookEx(HookB, code, w, l);
}
LRESULT CALLBACK_C(int code, WPARAM w, LPARAM l) {
    Calls.push_back("C");
    if (code == HC_ACTION && SwallowKey && w == WPARAM(SwallowKey)) return 1;
    return CallNextHookEx(HookC, code, w, l);
}

TEST_F(HookTest, NewestFirstAndRemovalWhileRunningIsSafe) {
    HWND h = MakeTop(0, 0, 100, 100);
    HookA = SetWindowsHookEx(WH_KEYBOARD, &CALLBACK_A, nullptr, GetCurrentThreadId());
    HookB = SetWindowsHookEx(WH_KEYBOARD, &CALLBACK_B, nullptr, GetCurrentThreadId());
    HookC = SetWindowsHookEx(WH_KEYBOARD, &CALLBACK_C, nullptr, GetCurrentThreadId());
    Calls.clear();
    RemoveBWhileRunning = true;
    olva::win::InjectKey('X', true);
    Pump();
    // C first (newest); B unhooks itself mid-chain and the chain still reaches A.
    EXPECT_EQ(Calls, (std::vector<std::string>{"C", "B", "A"}));
    Calls.clear();
    olva::win::InjectKey('X', false);
    Pump();
    EXPECT_EQ(Calls, (std::vector<std::string>{"C", "A"}));
    EXPECT_FALSE(UnhookWindowsHookEx(HookB));
    EXPECT_TRUE(UnhookWindowsHookEx(HookA));
    EXPECT_TRUE(UnhookWindowsHookEx(HookC));
    RemoveBWhileRunning = false;
    EXPECT_EQ(rec.Count(h, WM_KEYDOWN), 1);
}

TEST_F(HookTest, KeyboardHookCanSwallowAKeyButStateStillChanges) {
    HWND h = MakeTop(0, 0, 100, 100);
    HookC = SetWindowsHookEx(WH_KEYBOARD, &CALLBACK_C, nullptr, 0);
    SwallowKey = VK_F5;
    olva::win::InjectKey(VK_F5, true);
    olva::win::InjectKey('Q', true);
    Pump();
    SwallowKey = 0;
    EXPECT_EQ(rec.Count(h, WM_KEYDOWN), 1);
    ASSERT_TRUE(rec.Last(h, WM_KEYDOWN));
    EXPECT_EQ(rec.Last(h, WM_KEYDOWN)->wParam, WPARAM('Q'));
    EXPECT_LT(GetKeyState(VK_F5), 0);
    UnhookWindowsHookEx(HookC);
}

std::vector<std::pair<int, UINT>> CbtEvents;
LRESULT RefuseCreate = 0;
HHOOK Cbt;
LRESULT CbtProc(int code, WPARAM w, LPARAM l) {
    if (code == HCBT_CREATEWND) {
        auto* c = reinterpret_cast<CBT_CREATEWND*>(l);
        CbtEvents.push_back({code, UINT(c->lpcs->cx)});
        if (RefuseCreate) return RefuseCreate;
    } else {
        CbtEvents.push_back({code, 0});
    }
    return CallNextHookEx(Cbt, code, w, l);
}

TEST_F(HookTest, CbtSeesCreateActivateFocusAndDestroy) {
    Cbt = SetWindowsHookEx(WH_CBT, &CbtProc, nullptr, 0);
    CbtEvents.clear();
    HWND h = MakeTop(0, 0, 123, 100);
    ASSERT_TRUE(h);
    DestroyWindow(h);
    std::vector<int> codes;
    for (auto& e : CbtEvents)
        codes.push_back(e.first);
    EXPECT_EQ(codes, (std::vector<int>{HCBT_CREATEWND, HCBT_ACTIVATE, HCBT_SETFOCUS, HCBT_DESTROYWND}));
    EXPECT_EQ(CbtEvents.front().second, 123u);
    RefuseCreate = 1;
    rec.Clear();
    EXPECT_EQ(MakeTop(0, 0, 10, 10), nullptr);
    EXPECT_TRUE(rec.log.empty()); // refused before any message
    RefuseCreate = 0;
    UnhookWindowsHookEx(Cbt);
}

std::vector<std::string> SendTrace;
HHOOK CallHook, RetHook;
LRESULT CallWndProcHook(int code, WPARAM w, LPARAM l) {
    auto* c = reinterpret_cast<CWPSTRUCT*>(l);
    if (c->message == WM_USER) SendTrace.push_back("before:" + std::to_string(c->wParam));
    return CallNextHookEx(CallHook, code, w, l);
}
LRESULT CallWndRetHook(int code, WPARAM w, LPARAM l) {
    auto* c = reinterpret_cast<CWPRETSTRUCT*>(l);
    if (c->message == WM_USER) SendTrace.push_back("after:" + std::to_string(c->lResult));
    return CallNextHookEx(RetHook, code, w, l);
}

TEST_F(HookTest, CallWindowProcedureHooksWrapSentMessagesOnly) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    rec.handlers[h] = [](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            SendTrace.push_back("proc");
            return LRESULT(w * 2);
        }
        return std::nullopt;
    };
    CallHook = SetWindowsHookEx(WH_CALLWNDPROC, &CallWndProcHook, nullptr, 0);
    RetHook = SetWindowsHookEx(WH_CALLWNDPROCRET, &CallWndRetHook, nullptr, 0);
    SendTrace.clear();
    SendMessage(h, WM_USER, 4, 0);
    PostMessage(h, WM_USER, 5, 0); // posted messages are dispatched, not sent
    Pump();
    EXPECT_EQ(SendTrace, (std::vector<std::string>{"before:4", "proc", "after:8", "proc"}));
    UnhookWindowsHookEx(CallHook);
    UnhookWindowsHookEx(RetHook);
}

HHOOK GetMsgHook;
LRESULT GetMsgProc(int code, WPARAM w, LPARAM l) {
    auto* m = reinterpret_cast<MSG*>(l);
    if (w == PM_REMOVE && m->message == WM_USER) m->message = WM_USER + 50; // hooks may rewrite
    return CallNextHookEx(GetMsgHook, code, w, l);
}

TEST_F(HookTest, GetMessageHookMayRewriteRetrievedMessages) {
    HWND h = MakeTop(0, 0, 10, 10, WS_POPUP);
    GetMsgHook = SetWindowsHookEx(WH_GETMESSAGE, &GetMsgProc, nullptr, 0);
    PostMessage(h, WM_USER, 0, 0);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_USER + 50), 1);
    EXPECT_EQ(rec.Count(h, WM_USER), 0);
    UnhookWindowsHookEx(GetMsgHook);
}

// What every hook saw while a modal window kept its owner disabled.
struct HookSighting {
    int kind;
    UINT msg;
    HWND hwnd;
    LRESULT hit;
};
std::vector<HookSighting> Sightings;
HHOOK SeenMouse, SeenKeys, SeenRetrieved, SeenSent;
LRESULT SeeMouse(int code, WPARAM w, LPARAM l) {
    auto* mh = reinterpret_cast<MOUSEHOOKSTRUCT*>(l);
    if (code == HC_ACTION)
        Sightings.push_back({WH_MOUSE, UINT(w), mh->hwnd, LRESULT(SHORT(mh->wHitTestCode))});
    return CallNextHookEx(SeenMouse, code, w, l);
}
LRESULT SeeKeys(int code, WPARAM w, LPARAM l) {
    if (code == HC_ACTION && !(l & KF_UP_BIT)) Sightings.push_back({WH_KEYBOARD, UINT(w), GetFocus(), 0});
    return CallNextHookEx(SeenKeys, code, w, l);
}
LRESULT SeeRetrieved(int code, WPARAM w, LPARAM l) {
    auto* m = reinterpret_cast<MSG*>(l);
    if (m->message == WM_USER) Sightings.push_back({WH_GETMESSAGE, m->message, m->hwnd, 0});
    return CallNextHookEx(SeenRetrieved, code, w, l);
}
LRESULT SeeSent(int code, WPARAM w, LPARAM l) {
    auto* c = reinterpret_cast<CWPSTRUCT*>(l);
    if (c->message == WM_CANCELMODE || c->message == WM_ENABLE)
        Sightings.push_back({WH_CALLWNDPROC, c->message, c->hwnd, 0});
    return CallNextHookEx(SeenSent, code, w, l);
}

TEST_F(HookTest, HooksSeeWhatReachesAWindowThatAModalWindowDisabled) {
    HWND main = MakeTop(0, 0, 400, 300);
    HWND child = MakeChild(main, 10, 10, 200, 100);
    SeenMouse = SetWindowsHookEx(WH_MOUSE, &SeeMouse, nullptr, 0);
    SeenKeys = SetWindowsHookEx(WH_KEYBOARD, &SeeKeys, nullptr, 0);
    SeenRetrieved = SetWindowsHookEx(WH_GETMESSAGE, &SeeRetrieved, nullptr, 0);
    SeenSent = SetWindowsHookEx(WH_CALLWNDPROC, &SeeSent, nullptr, 0);
    Sightings.clear();
    EnableWindow(main, FALSE);
    HWND modal = MakeTop(500, 0, 200, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, main);
    ASSERT_EQ(GetActiveWindow(), modal);
    rec.Clear();
    // A press and a move over the disabled window's child, a key, a message posted to it.
    Click(kFrame + 50, kFrame + kCaption + 50);
    InjectMouse(MouseAction::Move, kFrame + 60, kFrame + kCaption + 60);
    olva::win::InjectKey('K', true);
    olva::win::InjectKey('K', false);
    PostMessage(main, WM_USER, 0, 0);
    Pump();
    std::vector<std::tuple<int, UINT, HWND, LRESULT>> seen;
    for (const HookSighting& s : Sightings)
        seen.emplace_back(s.kind, s.msg, s.hwnd, s.hit);
    // Posted messages are retrieved before input.
    const std::vector<std::tuple<int, UINT, HWND, LRESULT>> expected{
        {WH_CALLWNDPROC, WM_CANCELMODE, main, 0},    {WH_CALLWNDPROC, WM_ENABLE, main, 0},
        {WH_GETMESSAGE, WM_USER, main, 0},           {WH_MOUSE, WM_NCMOUSEMOVE, main, HTERROR},
        {WH_MOUSE, WM_NCLBUTTONDOWN, main, HTERROR}, {WH_MOUSE, WM_NCLBUTTONUP, main, HTERROR},
        {WH_MOUSE, WM_NCMOUSEMOVE, main, HTERROR},   {WH_KEYBOARD, 'K', modal, 0}};
    EXPECT_EQ(seen, expected);
    // The disabled window itself got nothing of the input, but the posted message.
    for (HWND h : {main, child}) {
        EXPECT_EQ(rec.Count(h, WM_LBUTTONDOWN) + rec.Count(h, WM_NCLBUTTONDOWN), 0);
        EXPECT_EQ(rec.Count(h, WM_KEYDOWN), 0);
    }
    EXPECT_EQ(rec.Count(modal, WM_KEYDOWN), 1);
    EXPECT_EQ(rec.Count(main, WM_USER), 1);
    for (HHOOK h : {SeenMouse, SeenKeys, SeenRetrieved, SeenSent})
        UnhookWindowsHookEx(h);
}

} // namespace
