#include "net/NetWndControl.h"

#include "net/NetExceptions.h"
#include "net/NetTimer.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

TNetWndControl::TNetWndControl(TComponent* AOwner) : TComponent(AOwner) {}

TNetWndControl::~TNetWndControl() {
    FinalizeWindow();
}

void TNetWndControl::FinalizeWindow() {
    if (FWindowReleased) return;
    ReleaseWindow();
    FWindowReleased = true;
}

HWND TNetWndControl::GetWindowHandle() {
    if (!FHandle) AcquireWindow();
    return FHandle;
}

void TNetWndControl::AcquireWindow() {
    if (FHandle) return;
    FThreadId = GetCurrentThreadId();
    TNetWndHandlerPool& pool = TNetWndHandlerPool::Instance();
    std::lock_guard lock(pool.Lock());
    if (!FHandler) FHandler = pool.AcquireHandler(MessageCountNeeded(), FThreadId);
    FHandler->EnsureWindow();
    FHandle = FHandler->Handle();
    FWindowReleased = false;
    RegisterMessages();
}

void TNetWndControl::ReleaseWindow() {
    if (!FHandle) return;
    TNetWndHandlerPool& pool = TNetWndHandlerPool::Instance();
    std::lock_guard lock(pool.Lock());
    UnregisterMessages();
    if (FHandler->Count() <= 0) pool.ReleaseHandler(FHandler);
    FHandle = nullptr;
    FHandler = nullptr;
    FThreadId = 0;
}

void TNetWndControl::RegisterMessages() {
    FMsg_WM_RELEASE = FHandler->RegisterMessage(this);
}

void TNetWndControl::UnregisterMessages() {
    FHandler->UnregisterMessage(FMsg_WM_RELEASE);
}

void TNetWndControl::PostRelease() {
    PostMessage(GetWindowHandle(), FMsg_WM_RELEASE, 0, 0);
}

void TNetWndControl::HandleRelease() {
    delete this;
}

void TNetWndControl::AttachToThread() {
    if (FHandle) throw ENetException("Cannot attach when not detached");
    AcquireWindow();
}

void TNetWndControl::DetachFromThread() {
    if (GetCurrentThreadId() != FThreadId) throw ENetException("Cannot detach from another thread");
    ReleaseWindow();
}

void TNetWndControl::HandleMessage(TNetMessage& Msg) {
    try {
        if (Msg.Msg == FMsg_WM_RELEASE && FMsg_WM_RELEASE != 0)
            HandleRelease();
        else if (Msg.Msg == WM_TIMER)
            HandleTimer(Msg);
        else
            Msg.Result = DefWindowProc(GetWindowHandle(), Msg.Msg, Msg.WParam, Msg.LParam);
    } catch (Exception& e) {
        HandleBackgroundError(e);
    }
}

void TNetWndControl::HandleTimer(TNetMessage& Msg) {
    if (!TNetTimer::IsLiveTimer(Msg.WParam)) return;
    auto* timer = reinterpret_cast<TNetTimer*>(Msg.WParam);
    if (timer->OnTimer()) timer->OnTimer()(timer);
}

void TNetWndControl::TriggerBgException(Exception& E, bool& CanClose) {
    if (FOnBgException) FOnBgException(this, E, CanClose);
}

void TNetWndControl::HandleBackgroundError(Exception& E) {
    bool canClose = true;
    if (FOnBgException) {
        try {
            TriggerBgException(E, canClose);
        } catch (...) {
        }
    }
    if (canClose) {
        try {
            AbortOnError();
        } catch (...) {
        }
    }
}

void TNetWndControl::RunMessageLoop() {
    MSG msg;
    while (GetMessage(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    FTerminated = true;
}

bool TNetWndControl::PumpOneMessage() {
    MSG msg;
    if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    TranslateMessage(&msg);
    DispatchMessage(&msg);
    return true;
}

void TNetWndControl::PumpPendingMessages() {
    while (PumpOneMessage()) {
    }
}

void TNetWndControl::PumpMessages() {
    // Without a class-library application object underneath, the thread's own pump is the
    // application's processing of waiting messages.
    PumpPendingMessages();
}
