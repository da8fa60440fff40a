// Chains of window procedures: any number of independent parties hook the messages of one control
// (its WindowProc) or of one plain window (its window procedure) without knowing of each other. The
// newest hook sees a message first and passes it on with CallPrevWindowProc; the oldest link holds
// the procedure that was in place before the first hook, and removing the last hook puts it back.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Messages.h"
#include "platform/win/WinStructs.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/base/LinkedObjectList.h"

#include <memory>

class TControl;

using TuiWindowMethod = TEvent<TMessage&>;

class TuiWindowProcLinkedObject : public TuiDoublyLinkedObject {
public:
    // Passes the message to the procedure hooked before this one (finally the window's own).
    void CallPrevWindowProc(TMessage& AMessage);
    TControl* LinkedControl() const { return FLinkedControl; }
    HWND WndHandle() const { return FWndHandle; }

private:
    friend class TuiWindowProcLinkedObjectList;
    TControl* FLinkedControl = nullptr;
    HWND FWndHandle = nullptr;
    TuiWindowMethod FHookedWindowMethod;
};

// How a chain takes over and gives back the procedure of what it hooks.
class TuiSubclassingHelper {
public:
    virtual ~TuiSubclassingHelper() = default;
    // Installs ADispatch in place of the current procedure, which becomes PreviousWindowMethod.
    virtual void SubclassWindowProc(const TuiWindowMethod& ADispatch) = 0;
    virtual void RestoreDefaultWindowProc() = 0;
    const TuiWindowMethod& PreviousWindowMethod() const { return FPreviousWindowMethod; }

protected:
    TuiWindowMethod FPreviousWindowMethod;
};

class TuiVCLSubclassingHelper : public TuiSubclassingHelper {
public:
    explicit TuiVCLSubclassingHelper(TControl* AControl);
    void SubclassWindowProc(const TuiWindowMethod& ADispatch) override;
    void RestoreDefaultWindowProc() override;

private:
    TWeakLink<TControl> FLinkedControl; // a control freed while hooked is not written to again
};

class TuiWin32SubclassingHelper : public TuiSubclassingHelper {
public:
    explicit TuiWin32SubclassingHelper(HWND AWnd) : FWndHandle(AWnd) {}
    void SubclassWindowProc(const TuiWindowMethod& ADispatch) override;
    void RestoreDefaultWindowProc() override;

private:
    void CallPreviousProcedure(TMessage& AMessage);
    HWND FWndHandle;
    WNDPROC FPreviousWindowProcedure = nullptr;
};

// The chain of one control or one window handle.
class TuiWindowProcLinkedObjectList : public TuiDoublyLinkedObjectList {
public:
    explicit TuiWindowProcLinkedObjectList(TControl* AControl);
    explicit TuiWindowProcLinkedObjectList(HWND AWnd);
    ~TuiWindowProcLinkedObjectList() override;

    TuiWindowProcLinkedObject* AddWindowProc(const TuiWindowMethod& AMethod);
    // Runs the newest hook.
    void DispatchWindowMessage(TMessage& AMessage);
    TControl* LinkedControl() const { return FLinkedControl; }
    HWND WndHandle() const { return FWndHandle; }
    // Whether only the link of the original procedure is left.
    bool HasOnlyOriginal() const { return FTail != nullptr && FTail->PrevLink() == nullptr; }

protected:
    TuiDoublyLinkedObject* CreateLinkedObject() override;
    virtual void Initialize();

private:
    TControl* FLinkedControl = nullptr;
    HWND FWndHandle = nullptr;
    std::unique_ptr<TuiSubclassingHelper> FSubclassHelper;
};

class TuiWindowProcController : public TObject {
public:
    TuiWindowProcController() : FProcedureChains(true) {}
    ~TuiWindowProcController() override;
    // The new link, or null for a null control / handle.
    TuiWindowProcLinkedObject* AddControlWindowProc(TControl* AControl, const TuiWindowMethod& AMethod);
    TuiWindowProcLinkedObject* AddHandleWindowProc(HWND AWnd, const TuiWindowMethod& AMethod);
    // Frees the link and clears the variable; the chain goes (restoring the original) with its last hook.
    void RemoveWindowProc(TuiWindowProcLinkedObject*& ALink);
    TuiWindowProcLinkedObjectList* FindControlChain(const TControl* AControl) const;
    TuiWindowProcLinkedObjectList* FindHandleChain(HWND AWnd) const;
    int ChainCount() const { return FProcedureChains.Count(); }

private:
    TuiObjectList FProcedureChains;
};
