#include "ui/core/base/MessagesController.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"

#include <algorithm>

namespace messages_controller_detail {
// The one pending block: the window and the procedure it had.
HWND BlockedWindow = nullptr;
WNDPROC SuspendedWindowProcedure = nullptr;

LRESULT OneShotProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    WNDPROC previous = SuspendedWindowProcedure;
    SuspendedWindowProcedure = nullptr;
    BlockedWindow = nullptr;
    SetWindowLongPtr(AWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    return 1;
}
} // namespace messages_controller_detail

TovMessagesController::~TovMessagesController() {
    using namespace messages_controller_detail;
    // A block still pending when the controller goes would leave the window without its procedure.
    if (SuspendedWindowProcedure != nullptr) {
        if (IsWindow(BlockedWindow))
            SetWindowLongPtr(BlockedWindow, GWL_WNDPROC,
                             reinterpret_cast<LONG_PTR>(SuspendedWindowProcedure));
        SuspendedWindowProcedure = nullptr;
        BlockedWindow = nullptr;
    }
}

bool TovMessagesController::KillMessages(HWND AWnd, UINT AFirst, UINT ALast, bool AAll) {
    if (ALast == 0) ALast = AFirst;
    bool removed = false;
    MSG msg;
    while (PeekMessage(&msg, AWnd, AFirst, ALast, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        removed = true;
        if (!AAll) break;
    }
    return removed;
}

bool TovMessagesController::IsMessageLocked(UINT AMsg) const {
    return std::find(FBlockedMessageIds.begin(), FBlockedMessageIds.end(), AMsg) != FBlockedMessageIds.end();
}

void TovMessagesController::LockMessages(std::initializer_list<UINT> AMessages) {
    for (UINT id : AMessages)
        FBlockedMessageIds.push_back(id);
}

void TovMessagesController::UnlockMessages(std::initializer_list<UINT> AMessages) {
    for (UINT id : AMessages) {
        const auto it = std::find(FBlockedMessageIds.begin(), FBlockedMessageIds.end(), id);
        if (it != FBlockedMessageIds.end()) FBlockedMessageIds.erase(it);
    }
}

bool TovMessagesController::IsBlockPending() const {
    return messages_controller_detail::SuspendedWindowProcedure != nullptr;
}

void TovMessagesController::BlockWindowProc(HWND AWnd) {
    using namespace messages_controller_detail;
    if (SuspendedWindowProcedure != nullptr) throw EovException("ovLockMessage fails");
    const LONG_PTR previous = SetWindowLongPtr(AWnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&OneShotProc));
    if (previous == 0) return; // not a window of ours: nothing was installed
    SuspendedWindowProcedure = reinterpret_cast<WNDPROC>(previous);
    BlockedWindow = AWnd;
}

void TovMessagesController::CheckLockedMessage(HWND AWnd, UINT& AMsg) {
    if (!IsMessageLocked(AMsg)) return;
    BlockWindowProc(AWnd);
    AMsg = 0;
}
