// TNetWndControl: the base of the network components that receive asynchronous notifications as
// messages on a hidden window of the thread that created them.
#pragma once

#include "net/NetWndHandler.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"

#include <functional>

class Exception;

// Sender, the exception, and whether the component may abort what it was doing.
using TBgExceptionEvent = TEvent<TObject*, Exception&, bool&>;

class TNetWndControl : public TComponent {
public:
    explicit TNetWndControl(TComponent* AOwner);
    ~TNetWndControl() override;

    // The hidden window, acquired on first need.
    HWND GetWindowHandle();
    HWND Handle() const { return FHandle; }
    DWORD ThreadId() const { return FThreadId; }
    TNetWndHandler* Handler() const { return FHandler; }
    bool Terminated() const { return FTerminated; }
    void SetTerminated(bool Value) { FTerminated = Value; }
    bool MultiThreaded() const { return FMultiThreaded; }
    void SetMultiThreaded(bool Value) { FMultiThreaded = Value; }
    const TBgExceptionEvent& OnBgException() const { return FOnBgException; }
    void SetOnBgException(TBgExceptionEvent Value) { FOnBgException = std::move(Value); }

    // Dispatch of one of the control's messages: the release message, timers, the rest by default.
    virtual void HandleMessage(TNetMessage& Msg);
    virtual void AttachToThread();
    virtual void DetachFromThread();
    // Posts the release message: the control destroys itself when it arrives.
    virtual void PostRelease();

    // Message pumps of the control's thread.
    virtual void RunMessageLoop();
    virtual bool PumpOneMessage();
    virtual void PumpPendingMessages();
    virtual void PumpMessages();

    // Runs the background-exception policy for an exception raised while handling a message.
    virtual void HandleBackgroundError(Exception& E);

protected:
    virtual void FinalizeWindow();
    virtual void HandleTimer(TNetMessage& Msg);
    virtual void TriggerBgException(Exception& E, bool& CanClose);
    virtual void HandleRelease();
    virtual void AcquireWindow();
    virtual void ReleaseWindow();
    virtual int MessageCountNeeded() const { return 1; }
    virtual void RegisterMessages();
    virtual void UnregisterMessages();
    // Called when a background exception lets the control abort; the socket closes here.
    virtual void AbortOnError() {}

    UINT FMsg_WM_RELEASE = 0;

private:
    bool FWindowReleased = false;
    HWND FHandle = nullptr;
    DWORD FThreadId = 0;
    bool FTerminated = false;
    bool FMultiThreaded = false;
    TNetWndHandler* FHandler = nullptr;
    TBgExceptionEvent FOnBgException;
};
