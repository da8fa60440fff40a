#include "UiCoreTestSupport.h"

#include "platform/rtl/CodePages.h"
#include "platform/vcl/Control.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/MessagesController.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/base/WindowProcChain.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

class MessageWindowsTest : public UiCoreTest {};

constexpr UINT kProbe = WM_USER + 5;

// A party hooking a window: records its name when it sees the probe, then passes the message on
// unless told to swallow it.
struct Hooker : TObject {
    Hooker(std::string AName, std::vector<std::string>& ALog) : name(std::move(AName)), log(ALog) {}
    void Proc(TMessage& AMessage) {
        if (AMessage.Msg == kProbe) log.push_back(name);
        if (swallow && AMessage.Msg == kProbe) {
            AMessage.Result = 5;
            return;
        }
        link->CallPrevWindowProc(AMessage);
    }
    TuiWindowMethod Method() { return TuiWindowMethod(this, &Hooker::Proc); }
    std::string name;
    std::vector<std::string>& log;
    TuiWindowProcLinkedObject* link = nullptr;
    bool swallow = false;
};

// Control whose own message handling is recorded.
class ProbeControl : public TControl {
public:
    using TControl::TControl;
    void WndProc(TMessage& AMessage) override {
        if (AMessage.Msg == kProbe) {
            if (log) log->push_back("control");
            AMessage.Result = kWindowAnswer;
            return;
        }
        TControl::WndProc(AMessage);
    }
    std::vector<std::string>* log = nullptr;
};

// The removal orders of three hooks.
const std::vector<std::vector<int>> kRemovalOrders = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                                      {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

TEST_F(MessageWindowsTest, RawWindowChainRunsNewestFirstAndRestoresInEveryRemovalOrder) {
    TuiWindowProcController* controller = uiWindowProcController();
    for (const auto& order : kRemovalOrders) {
        HWND wnd = MakeWindow();
        const LONG_PTR original = GetWindowLongPtr(wnd, GWL_WNDPROC);
        std::vector<std::string> log;
        Hooker hooks[3] = {{"A", log}, {"B", log}, {"C", log}};
        for (Hooker& h : hooks)
            h.link = controller->AddHandleWindowProc(wnd, h.Method());
        EXPECT_NE(GetWindowLongPtr(wnd, GWL_WNDPROC), original);
        ReceivedLog().clear();
        EXPECT_EQ(SendMessage(wnd, kProbe, 0, 0), kWindowAnswer);
        EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "A"}));
        ASSERT_EQ(ReceivedLog().size(), 1u); // then the window's own procedure
        std::vector<std::string> remaining = {"C", "B", "A"};
        for (int which : order) {
            controller->RemoveWindowProc(hooks[which].link);
            EXPECT_EQ(hooks[which].link, nullptr);
            remaining.erase(std::find(remaining.begin(), remaining.end(), hooks[which].name));
            log.clear();
            EXPECT_EQ(SendMessage(wnd, kProbe, 0, 0), kWindowAnswer);
            EXPECT_EQ(log, remaining);
        }
        EXPECT_EQ(GetWindowLongPtr(wnd, GWL_WNDPROC), original);
        EXPECT_EQ(controller->FindHandleChain(wnd), nullptr);
        DestroyWindow(wnd);
    }
    EXPECT_EQ(controller->ChainCount(), 0);
}

TEST_F(MessageWindowsTest, ControlChainRunsNewestFirstAndRestoresTheSameMethod) {
    TuiWindowProcController* controller = uiWindowProcController();
    for (const auto& order : kRemovalOrders) {
        ProbeControl control(nullptr);
        std::vector<std::string> log;
        control.log = &log;
        const TControl::TWndMethod original = control.WindowProc;
        Hooker hooks[3] = {{"A", log}, {"B", log}, {"C", log}};
        for (Hooker& h : hooks)
            h.link = controller->AddControlWindowProc(&control, h.Method());
        EXPECT_FALSE(control.WindowProc == original);
        EXPECT_EQ(control.Perform(kProbe, 0, 0), kWindowAnswer);
        EXPECT_EQ(log, (std::vector<std::string>{"C", "B", "A", "control"}));
        std::vector<std::string> remaining = {"C", "B", "A", "control"};
        for (int which : order) {
            controller->RemoveWindowProc(hooks[which].link);
            remaining.erase(std::find(remaining.begin(), remaining.end(), hooks[which].name));
            log.clear();
            control.Perform(kProbe, 0, 0);
            EXPECT_EQ(log, remaining);
        }
        EXPECT_TRUE(control.WindowProc == original);
        EXPECT_EQ(controller->FindControlChain(&control), nullptr);
    }
}

TEST_F(MessageWindowsTest, AHookThatDoesNotPassOnSwallowsTheMessage) {
    HWND wnd = MakeWindow();
    std::vector<std::string> log;
    Hooker a("A", log), b("B", log);
    a.link = uiWindowProcController()->AddHandleWindowProc(wnd, a.Method());
    b.link = uiWindowProcController()->AddHandleWindowProc(wnd, b.Method());
    b.swallow = true;
    ReceivedLog().clear();
    EXPECT_EQ(SendMessage(wnd, kProbe, 0, 0), 5);
    EXPECT_EQ(log, std::vector<std::string>{"B"});
    EXPECT_TRUE(ReceivedLog().empty());
    EXPECT_EQ(uiWindowProcController()->AddHandleWindowProc(nullptr, a.Method()), nullptr);
    EXPECT_EQ(uiWindowProcController()->AddControlWindowProc(nullptr, a.Method()), nullptr);
}

// Passes the message on, then takes its own hook out (it does not call through the link afterwards).
struct OneShotHooker : TObject {
    void Proc(TMessage& AMessage) {
        ++seen;
        link->CallPrevWindowProc(AMessage);
        uiWindowProcController()->RemoveWindowProc(link);
    }
    TuiWindowProcLinkedObject* link = nullptr;
    int seen = 0;
};

TEST_F(MessageWindowsTest, AHookMayRemoveItselfWhileHandlingAMessage) {
    HWND wnd = MakeWindow();
    const LONG_PTR original = GetWindowLongPtr(wnd, GWL_WNDPROC);
    std::vector<std::string> log;
    Hooker kept("kept", log);
    OneShotHooker once;
    kept.link = uiWindowProcController()->AddHandleWindowProc(wnd, kept.Method());
    once.link =
        uiWindowProcController()->AddHandleWindowProc(wnd, TuiWindowMethod(&once, &OneShotHooker::Proc));
    EXPECT_EQ(SendMessage(wnd, kProbe, 0, 0), kWindowAnswer);
    EXPECT_EQ(once.link, nullptr);
    EXPECT_EQ(SendMessage(wnd, kProbe, 0, 0), kWindowAnswer);
    EXPECT_EQ(once.seen, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"kept", "kept"}));
    // The last hook going away in the middle of a message frees the chain and restores the window.
    uiWindowProcController()->RemoveWindowProc(kept.link);
    once.link =
        uiWindowProcController()->AddHandleWindowProc(wnd, TuiWindowMethod(&once, &OneShotHooker::Proc));
    EXPECT_EQ(SendMessage(wnd, kProbe, 0, 0), kWindowAnswer);
    EXPECT_EQ(GetWindowLongPtr(wnd, GWL_WNDPROC), original);
    EXPECT_EQ(uiWindowProcController()->ChainCount(), 0);
}

TEST_F(MessageWindowsTest, ShutDownRestoresHookedWindowsAndControls) {
    HWND wnd = MakeWindow();
    const LONG_PTR original = GetWindowLongPtr(wnd, GWL_WNDPROC);
    ProbeControl control(nullptr);
    const TControl::TWndMethod originalMethod = control.WindowProc;
    std::vector<std::string> log;
    Hooker a("A", log), b("B", log);
    a.link = uiWindowProcController()->AddHandleWindowProc(wnd, a.Method());
    b.link = uiWindowProcController()->AddControlWindowProc(&control, b.Method());
    uiCoreFinalize();
    EXPECT_EQ(GetWindowLongPtr(wnd, GWL_WNDPROC), original);
    EXPECT_TRUE(control.WindowProc == originalMethod);
    EXPECT_EQ(uiWindowProcController(), nullptr); // not made again after the shut-down
    uiCoreInitialize();
    EXPECT_NE(uiWindowProcController(), nullptr);
}

TEST_F(MessageWindowsTest, KillMessagesRemovesMatchingQueuedMessagesAndKeepsQuit) {
    HWND wnd = MakeWindow();
    TovMessagesController* controller = ovMessagesController();
    for (UINT m : {WM_USER + 1, WM_USER + 2, WM_USER + 1, WM_USER + 3})
        PostMessage(wnd, m, 0, 0);
    EXPECT_TRUE(controller->KillMessages(wnd, WM_USER + 1, 0, false)); // the first only
    EXPECT_TRUE(controller->KillMessages(wnd, WM_USER + 1)); // last 0: only that message, all of them
    EXPECT_FALSE(controller->KillMessages(wnd, WM_USER + 1));
    ReceivedLog().clear();
    Pump();
    std::vector<UINT> left;
    for (const Received& r : ReceivedLog())
        if (r.hwnd == wnd) left.push_back(r.msg);
    EXPECT_EQ(left, (std::vector<UINT>{WM_USER + 2, WM_USER + 3}));

    PostQuitMessage(3);
    EXPECT_FALSE(controller->KillMessages(nullptr, 0, 0xFFFF));
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageWindowsTest, LockedMessagesAndTheOneShotBlock) {
    TovMessagesController* controller = ovMessagesController();
    controller->LockMessages({WM_USER + 9, WM_USER + 9});
    controller->UnlockMessages({WM_USER + 9});
    EXPECT_TRUE(controller->IsMessageLocked(WM_USER + 9));
    controller->UnlockMessages({WM_USER + 9});
    EXPECT_FALSE(controller->IsMessageLocked(WM_USER + 9));

    HWND wnd = MakeWindow();
    const LONG_PTR original = GetWindowLongPtr(wnd, GWL_WNDPROC);
    controller->LockMessages({WM_USER + 4});
    UINT msg = WM_USER + 4;
    controller->CheckLockedMessage(wnd, msg);
    EXPECT_EQ(msg, 0u);
    try {
        controller->BlockWindowProc(wnd);
        FAIL() << "no error";
    } catch (const EovException& e) {
        EXPECT_EQ(e.Message(), "ovLockMessage fails");
    }
    ReceivedLog().clear();
    EXPECT_EQ(SendMessage(wnd, WM_USER + 1, 0, 0), 1); // swallowed, answered 1
    EXPECT_TRUE(ReceivedLog().empty());
    EXPECT_EQ(GetWindowLongPtr(wnd, GWL_WNDPROC), original);
    EXPECT_EQ(SendMessage(wnd, WM_USER + 1, 0, 0), kWindowAnswer);
    EXPECT_FALSE(controller->IsBlockPending());
    UINT other = WM_USER + 5;
    controller->CheckLockedMessage(wnd, other);
    EXPECT_EQ(other, WM_USER + 5u);
}

struct SpiListener : IovSystemInfoListener {
    std::vector<UINT> codes;
    void Changed(UINT ASPICode) override { codes.push_back(ASPICode); }
};

TEST_F(MessageWindowsTest, SystemInfoRefreshesOnSettingChangeAndTellsListenersInOrder) {
    TovSystemInfo* info = ovSystemInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->IsDropShadow());
    const int scrollWidth = info->NonClientMetrics().iScrollWidth;
    std::vector<int> order;
    struct Ordered : IovSystemInfoListener {
        Ordered(std::vector<int>& o, int id) : order(o), id(id) {}
        void Changed(UINT) override { order.push_back(id); }
        std::vector<int>& order;
        int id;
    } first(order, 1), second(order, 2);
    SpiListener codes;
    info->AddListener(&first);
    info->AddListener(&second);
    info->AddListener(&codes);

    SendMessage(HWND(LONG_PTR(0xFFFF)), WM_SETTINGCHANGE, 0, 0); // a policy change: nobody is told
    EXPECT_TRUE(codes.codes.empty());
    // The screen broadcasts SPI_SETNONCLIENTMETRICS to the top-level windows when a metric changes.
    olva::win::SetSystemMetricOverride(SM_CXVSCROLL, scrollWidth + 7);
    EXPECT_EQ(info->NonClientMetrics().iScrollWidth, scrollWidth + 7);
    EXPECT_EQ(codes.codes, std::vector<UINT>{ovSPISetNonClientMetrics});
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    info->RemoveListener(&first);
    SendMessage(info->Handle(), WM_SETTINGCHANGE, SPI_GETWORKAREA, 0);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 2}));
    info->RemoveListener(&second);
    info->RemoveListener(&codes);
    olva::win::ResetSystemOverrides();
    EXPECT_FALSE(TovSystemInfo::IsRemoteSession());
}

class Throwing : public TuiMessageWindow {
protected:
    void WndProc(TMessage& AMessage) override {
        if (AMessage.Msg == kProbe) {
            AMessage.Result = 9;
            throw EovException("probe failed");
        }
        TuiMessageWindow::WndProc(AMessage);
    }
};

TEST_F(MessageWindowsTest, MessageWindowErrorsGoToTheApplicationAndKeepTheResult) {
    Throwing window;
    EXPECT_EQ(SendMessage(window.Handle(), kProbe, 0, 0), 9);
    EXPECT_EQ(reportedErrors, std::vector<std::string>{"probe failed"});
    HWND handle = window.Handle();
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_EQ(GetWindowLongPtr(handle, GWL_STYLE) & WS_VISIBLE, 0);
}

TEST(CoreServicesTest, SmallConversions) {
    const std::vector<std::pair<int, unsigned>> charsets = {
        {0, 0},      {255, 0},    {128, 932},  {129, 949},  {130, 949},  {134, 936}, {136, 950}, {161, 1253},
        {162, 1254}, {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}};
    for (const auto& [charset, page] : charsets)
        EXPECT_EQ(ovGetCodePageFromCharset(charset), page) << charset;
    EXPECT_EQ(uiPointToLParam(TPoint{-1, 0x12345}), LPARAM(0x2345FFFF));
    EXPECT_EQ(ovSwapRedBlue(0x11223344u), 0x11443322u);
    EXPECT_EQ(ovColorToRGBQuad(0x00332211, 255), 0xFF112233u); // bytes in memory: b, g, r, a
    TovCharSet set = {};
    set[65 / 32] |= 1u << (65 % 32);
    EXPECT_TRUE(ovCharInSet('A', set));
    EXPECT_FALSE(ovCharInSet('B', set));
    EXPECT_EQ(ovStringToShortString(std::string(300, 'x')).size(), 255u);
}

TEST(CoreServicesTest, CodePageConversions) {
    EXPECT_EQ(ovMultiByteToWideStringAll("caf\xC3\xA9", CP_UTF8), u"caf\u00E9");
    EXPECT_EQ(ovMultiByteToWideString("caf\xE9", 1252, 4), u"caf\u00E9");
    EXPECT_EQ(ovMultiByteToWideString("abcdef", 0, 3), u"abc");
    EXPECT_EQ(ovWideStringToMultiByteAll(u"caf\u00E9", 1252), "caf\xE9");
    EXPECT_EQ(ovWideStringToMultiByte(u"", 1252), "");
    EXPECT_THROW(ovMultiByteToWideStringAll("x", 12345), EConvertError);
}

TEST(CoreServicesTest, VersionFlags) {
    const TovOSVersionFlags seven = ovComputeOSVersionFlags(VER_PLATFORM_WIN32_NT, 6, 1, false);
    EXPECT_TRUE(seven.IsWin7 && seven.IsWin7OrLater && seven.IsWinVistaOrLater && seven.IsWinXPOrLater);
    EXPECT_FALSE(seven.IsWinVista || seven.IsWin8 || seven.IsWin8OrLater || seven.IsWin9X ||
                 seven.IsWin64Bit);
    const TovOSVersionFlags twoK = ovComputeOSVersionFlags(VER_PLATFORM_WIN32_NT, 5, 0, false);
    EXPECT_TRUE(twoK.IsWin2K && twoK.IsWin2KOrXP && twoK.IsWin2KOrLater);
    EXPECT_FALSE(twoK.IsWinXPOrLater);
    const TovOSVersionFlags me = ovComputeOSVersionFlags(VER_PLATFORM_WIN32_WINDOWS, 4, 90, false);
    EXPECT_TRUE(me.IsWinME && me.IsWin9X);
    EXPECT_FALSE(me.IsWinNT);
    EXPECT_TRUE(ovOSVersion().IsWin7);
    EXPECT_TRUE(IsWinVistaOrLater());
}

} // namespace
