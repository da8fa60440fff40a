// The hidden windows behind the network components: one window per thread serves up to 100 message
// numbers (1025 to 1124), each owned by one component; handlers are pooled per thread.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class Exception;
class TNetWndControl;

// One message as the handlers see it.
struct TNetMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

class TNetWndHandlerList;

constexpr int NetWndMaxMessages = 100;
constexpr UINT NetWndMsgLow = 1025;

class TNetWndHandler {
public:
    explicit TNetWndHandler(TNetWndHandlerList* OwnerList);
    ~TNetWndHandler();
    TNetWndHandler(const TNetWndHandler&) = delete;
    TNetWndHandler& operator=(const TNetWndHandler&) = delete;

    HWND Handle() const { return FHandle; }
    UINT MsgLow() const { return FMsgLow; }
    void SetMsgLow(UINT Value) { FMsgLow = Value; }
    int Count() const { return FCount; }
    int FreeMessageCount() const { return NetWndMaxMessages - FCount; }
    TNetWndHandlerList* OwnerList() const { return FOwnerList; }

    // Creates the hidden window (and registers its class when needed); raises ENetException.
    void EnsureWindow();
    void DropWindow();
    // Takes the first free number for the control; raises "MsgLow not defined" / "No more free message".
    UINT RegisterMessage(TNetWndControl* Control);
    // Frees the number and sets it to 0; 0 is left alone. Raises for a number out of range or free.
    void UnregisterMessage(UINT& Msg);
    // Dispatches one message of the window to the control that owns its number.
    void HandleMessage(TNetMessage& Msg);

    // Optional hooks, unassigned unless a caller sets them.
    std::function<void(TNetWndHandler* Sender, Exception& E, bool& CanClose)> OnHandlerException;
    std::function<void(TNetWndHandler* Sender, TNetMessage& Msg, bool& Handled)> OnOtherMessage;

private:
    HWND FHandle = nullptr;
    TNetWndControl* FControls[NetWndMaxMessages] = {};
    UINT FMsgLow = NetWndMsgLow;
    int FCount = 0;
    TNetWndHandlerList* FOwnerList;
};

// The handlers of one thread, in creation order.
class TNetWndHandlerList {
public:
    explicit TNetWndHandlerList(DWORD ThreadId) : FThreadId(ThreadId) {}
    DWORD ThreadId() const { return FThreadId; }
    std::vector<std::unique_ptr<TNetWndHandler>> Handlers;

private:
    DWORD FThreadId;
};

// All thread lists of the process, under the pool lock.
class TNetWndHandlerPool {
public:
    static TNetWndHandlerPool& Instance();
    std::recursive_mutex& Lock() { return FLock; }
    // The first handler of the thread with enough free numbers, or a new one (without window yet).
    TNetWndHandler* AcquireHandler(int CountNeeded, DWORD ThreadId);
    // Frees the handler, and its thread list when that becomes empty.
    void ReleaseHandler(TNetWndHandler* Handler);
    int ThreadListCount() const { return static_cast<int>(FLists.size()); }
    int HandlerCount(DWORD ThreadId) const;

private:
    std::vector<std::unique_ptr<TNetWndHandlerList>> FLists;
    std::recursive_mutex FLock;
};

// Hidden windows that exist now (the window class goes with the last one).
int NetWndWindowCount();
