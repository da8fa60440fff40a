#include "net/NetWndHandler.h"

#include "net/NetExceptions.h"
#include "net/NetTimer.h"
#include "net/NetWndControl.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cerrno>

namespace net_wnd_detail {

constexpr const char* ClassName = "NetWndControlWindowClass";

// Guards class registration, window creation and destruction and the window count; always taken
// after the pool lock.
std::recursive_mutex& ClassLock() {
    static std::recursive_mutex lock;
    return lock;
}
int WindowCount = 0;

LRESULT HiddenWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* handler = reinterpret_cast<TNetWndHandler*>(GetWindowLongPtr(hwnd, 0));
    if (!handler) return DefWindowProc(hwnd, msg, wParam, lParam);
    TNetMessage message{msg, wParam, lParam, 0};
    handler->HandleMessage(message);
    return message.Result;
}

} // namespace net_wnd_detail

int NetWndWindowCount() {
    std::lock_guard lock(net_wnd_detail::ClassLock());
    return net_wnd_detail::WindowCount;
}

TNetWndHandler::TNetWndHandler(TNetWndHandlerList* OwnerList) : FOwnerList(OwnerList) {}

TNetWndHandler::~TNetWndHandler() {
    DropWindow();
}

void TNetWndHandler::EnsureWindow() {
    using namespace net_wnd_detail;
    std::lock_guard lock(ClassLock());
    if (FHandle) return;
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, ClassName, &existing)) {
        WNDCLASS wc;
        wc.style = 0;
        wc.lpfnWndProc = &HiddenWindowProc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.lpszClassName = ClassName;
        if (!RegisterClass(&wc))
            throw ENetException("Unable to register TNetWndControl hidden window class. Error #" +
                                std::to_string(errno) + ".");
    }
    HWND hwnd = CreateWindowEx(WS_EX_TOOLWINDOW, ClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               nullptr, nullptr);
    if (!hwnd)
        throw ENetException("Unable to create TNetWndControl hidden window.  Error #" +
                            std::to_string(errno) + ".");
    SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(this));
    FHandle = hwnd;
    ++WindowCount;
}

void TNetWndHandler::DropWindow() {
    using namespace net_wnd_detail;
    if (!FHandle) return;
    std::fill(std::begin(FControls), std::end(FControls), nullptr);
    FCount = 0;
    // Messages arriving while the window goes reach the default procedure.
    SetWindowLongPtr(FHandle, 0, 0);
    DestroyWindow(FHandle);
    FHandle = nullptr;
    std::lock_guard lock(ClassLock());
    if (--WindowCount <= 0) {
        WindowCount = 0;
        UnregisterClass(ClassName, nullptr);
    }
}

UINT TNetWndHandler::RegisterMessage(TNetWndControl* Control) {
    if (FMsgLow < 1024) throw ENetException("MsgLow not defined");
    if (FCount >= NetWndMaxMessages) throw ENetException("No more free message");
    for (int i = 0; i < NetWndMaxMessages; ++i) {
        if (FControls[i]) continue;
        FControls[i] = Control;
        ++FCount;
        EnsureWindow();
        return FMsgLow + static_cast<UINT>(i);
    }
    throw ENetException("No more free message");
}

void TNetWndHandler::UnregisterMessage(UINT& Msg) {
    if (Msg == 0) return;
    if (FMsgLow < 1024) throw ENetException("MsgLow not defined");
    if (Msg < FMsgLow || Msg >= FMsgLow + NetWndMaxMessages) throw ENetException("Msg value out of bound");
    const UINT index = Msg - FMsgLow;
    if (!FControls[index]) throw ENetException("Msg not registered");
    FControls[index] = nullptr;
    --FCount;
    Msg = 0;
    if (FCount == 0) DropWindow();
}

void TNetWndHandler::HandleMessage(TNetMessage& Msg) {
    try {
        if (Msg.Msg >= FMsgLow && Msg.Msg < FMsgLow + NetWndMaxMessages && FControls[Msg.Msg - FMsgLow]) {
            FControls[Msg.Msg - FMsgLow]->HandleMessage(Msg);
            return;
        }
        // Only a timer that is still alive is trusted with the message: a stale identifier ends in the
        // default procedure instead of reaching a destroyed object.
        if (Msg.Msg == WM_TIMER && TNetTimer::IsLiveTimer(Msg.WParam)) {
            reinterpret_cast<TNetTimer*>(Msg.WParam)->NetOwner()->HandleMessage(Msg);
            return;
        }
        bool handled = false;
        if (OnOtherMessage) OnOtherMessage(this, Msg, handled);
        if (!handled) Msg.Result = DefWindowProc(FHandle, Msg.Msg, Msg.WParam, Msg.LParam);
    } catch (Exception& e) {
        bool canClose = true;
        if (OnHandlerException) OnHandlerException(this, e, canClose);
    }
}

TNetWndHandlerPool& TNetWndHandlerPool::Instance() {
    static TNetWndHandlerPool pool;
    return pool;
}

TNetWndHandler* TNetWndHandlerPool::AcquireHandler(int CountNeeded, DWORD ThreadId) {
    TNetWndHandlerList* list = nullptr;
    for (auto it = FLists.rbegin(); it != FLists.rend(); ++it)
        if ((*it)->ThreadId() == ThreadId) {
            list = it->get();
            break;
        }
    if (!list) {
        FLists.push_back(std::make_unique<TNetWndHandlerList>(ThreadId));
        list = FLists.back().get();
    }
    for (auto& handler : list->Handlers)
        if (static_cast<unsigned>(handler->FreeMessageCount()) >= static_cast<unsigned>(CountNeeded))
            return handler.get();
    list->Handlers.push_back(std::make_unique<TNetWndHandler>(list));
    list->Handlers.back()->SetMsgLow(NetWndMsgLow);
    return list->Handlers.back().get();
}

void TNetWndHandlerPool::ReleaseHandler(TNetWndHandler* Handler) {
    TNetWndHandlerList* list = Handler->OwnerList();
    std::erase_if(list->Handlers, [&](const auto& h) { return h.get() == Handler; });
    if (list->Handlers.empty()) std::erase_if(FLists, [&](const auto& l) { return l.get() == list; });
}

int TNetWndHandlerPool::HandlerCount(DWORD ThreadId) const {
    for (const auto& list : FLists)
        if (list->ThreadId() == ThreadId) return static_cast<int>(list->Handlers.size());
    return 0;
}
