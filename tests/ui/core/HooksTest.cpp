#include "UiCoreTestSupport.h"

#include "platform/win/Input.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/platform/SystemHooks.h"
#include "ui/core/platform/TouchGestures.h"

#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

std::vector<std::string> Calls;
LRESULT AnswerOfB = 0;
int OlderHookCalls = 0;

void ProcA(int, WPARAM, LPARAM, LRESULT&) {
    Calls.push_back("A");
}
void ProcB(int, WPARAM, LPARAM, LRESULT& AResult) {
    Calls.push_back("B");
    if (AnswerOfB != 0) AResult = AnswerOfB;
}
void ProcThrows(int, WPARAM, LPARAM, LRESULT&) {
    Calls.push_back("throws");
    throw EovException("hook failed");
}
// Removes A and B while the hook runs.
void ProcRemovesOthers(int, WPARAM, LPARAM, LRESULT&) {
    Calls.push_back("remover");
    ovReleaseHook(&ProcA);
    ovReleaseHook(&ProcB);
}
void ProcRemovesItself(int, WPARAM, LPARAM, LRESULT&) {
    Calls.push_back("self");
    ovReleaseHook(&ProcRemovesItself);
}

LRESULT OlderHook(int code, WPARAM w, LPARAM l) {
    ++OlderHookCalls;
    return CallNextHookEx(nullptr, code, w, l);
}

class HooksTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        // The touch unit watches gesture notices through a call-window-procedure hook of its own; these
        // tests count the procedures they register themselves.
        ovTouchEnd();
        Calls.clear();
        AnswerOfB = 0;
        OlderHookCalls = 0;
        target = MakeWindow(WS_POPUP | WS_VISIBLE, 100, 100);
    }
    // One call-window-procedure dispatch.
    void Send() { SendMessage(target, WM_USER + 1, 0, 0); }
    int ClicksReceived() const {
        int n = 0;
        for (const Received& r : ReceivedLog())
            n += r.hwnd == target && r.msg == WM_LBUTTONDOWN;
        return n;
    }
    HWND target = nullptr;
};

TEST_F(HooksTest, OneWindowHookPerKindCallsTheNewestProcedureFirst) {
    ovSetHook(hkMouse, &ProcA);
    ovSetHook(hkMouse, &ProcB);
    EXPECT_TRUE(ovIsHookInstalled(hkMouse));
    EXPECT_EQ(ovHookProcCount(hkMouse), 2);
    EXPECT_FALSE(ovIsHookInstalled(hkKeyboard));
    olva::win::InjectMouse(olva::win::MouseAction::Move, 110, 110);
    Pump();
    ASSERT_GE(Calls.size(), 2u);
    EXPECT_EQ(Calls[0], "B");
    EXPECT_EQ(Calls[1], "A");
    ovReleaseHook(&ProcA);
    EXPECT_TRUE(ovIsHookInstalled(hkMouse));
    ovReleaseHook(&ProcB);
    ovReleaseHook(&ProcB); // a second removal does nothing
    EXPECT_FALSE(ovIsHookInstalled(hkMouse));
}

TEST_F(HooksTest, ANonZeroResultAnswersForTheHookWhileTheChainStillRuns) {
    HHOOK older = SetWindowsHookEx(WH_MOUSE, &OlderHook, nullptr, GetCurrentThreadId());
    ovSetHook(hkMouse, &ProcA);
    ovSetHook(hkMouse, &ProcB);
    AnswerOfB = 1;
    ReceivedLog().clear();
    olva::win::InjectMouse(olva::win::MouseAction::Move, 110, 110);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 110, 110);
    Pump();
    EXPECT_EQ(ClicksReceived(), 0); // the hook answered 1: the click was eaten
    EXPECT_GE(OlderHookCalls, 2);   // but the rest of the chain ran
    EXPECT_EQ(Calls[0], "B");
    EXPECT_EQ(Calls[1], "A"); // and B did not stop A
    AnswerOfB = 0;
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, 110, 110);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 110, 110);
    Pump();
    EXPECT_EQ(ClicksReceived(), 1);
    ovReleaseHook(&ProcA);
    ovReleaseHook(&ProcB);
    UnhookWindowsHookEx(older);
}

TEST_F(HooksTest, AnExceptionIsReportedAndTheOthersStillRun) {
    ovSetHook(hkCallWndProc, &ProcA);
    ovSetHook(hkCallWndProc, &ProcThrows);
    ovSetHook(hkCallWndProc, &ProcB);
    Send();
    EXPECT_EQ(Calls, (std::vector<std::string>{"B", "throws", "A"}));
    EXPECT_EQ(reportedErrors, std::vector<std::string>{"hook failed"});
}

TEST_F(HooksTest, ReleaseRemovesFromEveryKind) {
    ovSetHook(hkCallWndProc, &ProcA);
    ovSetHook(hkGetMessage, &ProcA);
    ovSetHook(hkGetMessage, &ProcB);
    ovReleaseHook(&ProcA);
    EXPECT_EQ(ovHookProcCount(hkCallWndProc), 0);
    EXPECT_FALSE(ovIsHookInstalled(hkCallWndProc));
    EXPECT_EQ(ovHookProcCount(hkGetMessage), 1);
}

TEST_F(HooksTest, RemovingProceduresDuringADispatchNeverRunsPastTheList) {
    ovSetHook(hkCallWndProc, &ProcA);
    ovSetHook(hkCallWndProc, &ProcB);
    ovSetHook(hkCallWndProc, &ProcRemovesItself);
    ovSetHook(hkCallWndProc, &ProcRemovesOthers);
    Send();
    // The remover runs first; A and B, removed by it, are not called; the self-remover still is.
    EXPECT_EQ(Calls, (std::vector<std::string>{"remover", "self"}));
    EXPECT_EQ(ovHookProcCount(hkCallWndProc), 1);
    Calls.clear();
    Send();
    EXPECT_EQ(Calls, std::vector<std::string>{"remover"});
    ovReleaseHook(&ProcRemovesOthers);
    EXPECT_FALSE(ovIsHookInstalled(hkCallWndProc));
}

TEST_F(HooksTest, ShutDownTakesTheHooksOut) {
    ovSetHook(hkCallWndProc, &ProcA);
    ovSetHook(hkKeyboard, &ProcA);
    uiCoreFinalize();
    EXPECT_FALSE(ovIsHookInstalled(hkCallWndProc));
    EXPECT_FALSE(ovIsHookInstalled(hkKeyboard));
    Send();
    EXPECT_TRUE(Calls.empty());
    uiCoreInitialize();
}

} // namespace
