#include "ScriptedInput.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestWindowClass.h"

namespace dragdrop_test {

namespace {

constexpr UINT WM_SCRIPT_STEP = WM_USER + 31;
// One script at a time: the hook and the window find it here.
TScriptedInput* Current = nullptr;

bool InputWaits() {
    return (GetQueueStatus(QS_INPUT) & QS_INPUT) != 0;
}

} // namespace

TScriptedInput::TScriptedInput() {
    Current = this;
    EnsureTestWindowClass("DragDropScriptedInput", &WindowProc);
    FWindow = CreateWindowEx(0, "DragDropScriptedInput", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             nullptr, nullptr);
    FHook = SetWindowsHookEx(WH_GETMESSAGE, &HookProc, nullptr, 0);
}

TScriptedInput::~TScriptedInput() {
    if (FHook != nullptr) UnhookWindowsHookEx(FHook);
    if (FWindow != nullptr) DestroyWindow(FWindow);
    if (Current == this) Current = nullptr;
}

void TScriptedInput::Run(std::vector<std::function<void()>> ASteps) {
    FSteps.insert(FSteps.end(), ASteps.begin(), ASteps.end());
    if (FArmed || FPosted) return;
    // Input queued already goes first.
    if (InputWaits()) {
        FArmed = true;
    } else {
        FPosted = true;
        PostMessage(FWindow, WM_SCRIPT_STEP, 0, 0);
    }
}

void TScriptedInput::RunNext() {
    FPosted = false;
    if (FSteps.empty()) return;
    std::function<void()> step = std::move(FSteps.front());
    FSteps.erase(FSteps.begin());
    step();
    AfterStep();
}

void TScriptedInput::AfterStep() {
    if (FSteps.empty()) return;
    if (InputWaits()) {
        FArmed = true;
        return;
    }
    FPosted = true;
    PostMessage(FWindow, WM_SCRIPT_STEP, 0, 0);
}

LRESULT TScriptedInput::HookProc(int ACode, WPARAM AWParam, LPARAM ALParam) {
    TScriptedInput* script = Current;
    if (script != nullptr && ACode == HC_ACTION && AWParam == PM_REMOVE && script->FArmed) {
        const MSG* msg = reinterpret_cast<const MSG*>(ALParam);
        const bool input = (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST) ||
                           (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST);
        // The message just taken is handled before the step's own message comes up.
        if (input && !InputWaits()) {
            script->FArmed = false;
            script->FPosted = true;
            PostMessage(script->FWindow, WM_SCRIPT_STEP, 0, 0);
        }
    }
    return CallNextHookEx(script != nullptr ? script->FHook : nullptr, ACode, AWParam, ALParam);
}

LRESULT TScriptedInput::WindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AMsg == WM_SCRIPT_STEP && Current != nullptr && Current->FWindow == AWnd) {
        Current->RunNext();
        return 0;
    }
    return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
}

} // namespace dragdrop_test
