#include "ui/core/base/WindowProcChain.h"

#include "platform/vcl/Control.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ServiceObjects.h"

void TuiWindowProcLinkedObject::CallPrevWindowProc(TMessage& AMessage) {
    auto* previous = static_cast<TuiWindowProcLinkedObject*>(PrevLink());
    if (previous != nullptr) previous->FHookedWindowMethod(AMessage);
}

// ---- Control variant

TuiVCLSubclassingHelper::TuiVCLSubclassingHelper(TControl* AControl) : FLinkedControl(AControl) {}

void TuiVCLSubclassingHelper::SubclassWindowProc(const TuiWindowMethod& ADispatch) {
    TControl* control = FLinkedControl.Get();
    FPreviousWindowMethod = control->WindowProc;
    control->WindowProc = ADispatch;
}

void TuiVCLSubclassingHelper::RestoreDefaultWindowProc() {
    if (TControl* control = FLinkedControl.Get()) control->WindowProc = FPreviousWindowMethod;
}

// ---- Plain-window variant

namespace window_proc_chain_detail {
// Every hooked plain window runs this procedure; it finds the window's chain by handle.
LRESULT ChainWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    TuiWindowProcController* controller = uiWindowProcControllerIfExists();
    TuiWindowProcLinkedObjectList* chain =
        controller != nullptr ? controller->FindHandleChain(AWnd) : nullptr;
    if (chain == nullptr) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    TMessage message{AMsg, AWParam, ALParam, 0};
    chain->DispatchWindowMessage(message);
    return message.Result;
}
} // namespace window_proc_chain_detail

void TuiWin32SubclassingHelper::SubclassWindowProc(const TuiWindowMethod& ADispatch) {
    // The dispatch itself is reached through ChainWindowProc, which looks the chain up by handle.
    FPreviousWindowProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtr(
        FWndHandle, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&window_proc_chain_detail::ChainWindowProc)));
    FPreviousWindowMethod = TuiWindowMethod(this, &TuiWin32SubclassingHelper::CallPreviousProcedure);
}

void TuiWin32SubclassingHelper::CallPreviousProcedure(TMessage& AMessage) {
    if (FPreviousWindowProcedure == nullptr)
        AMessage.Result = DefWindowProc(FWndHandle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
    else
        AMessage.Result = CallWindowProc(FPreviousWindowProcedure, FWndHandle, AMessage.Msg, AMessage.WParam,
                                         AMessage.LParam);
}

void TuiWin32SubclassingHelper::RestoreDefaultWindowProc() {
    if (FPreviousWindowProcedure != nullptr && IsWindow(FWndHandle))
        SetWindowLongPtr(FWndHandle, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FPreviousWindowProcedure));
}

// ---- Chain

TuiWindowProcLinkedObjectList::TuiWindowProcLinkedObjectList(TControl* AControl)
    : FLinkedControl(AControl), FSubclassHelper(std::make_unique<TuiVCLSubclassingHelper>(AControl)) {
    Initialize();
}

TuiWindowProcLinkedObjectList::TuiWindowProcLinkedObjectList(HWND AWnd)
    : FWndHandle(AWnd), FSubclassHelper(std::make_unique<TuiWin32SubclassingHelper>(AWnd)) {
    Initialize();
}

TuiWindowProcLinkedObjectList::~TuiWindowProcLinkedObjectList() {
    FSubclassHelper->RestoreDefaultWindowProc();
    Clear();
}

void TuiWindowProcLinkedObjectList::Initialize() {
    FSubclassHelper->SubclassWindowProc(
        TuiWindowMethod(this, &TuiWindowProcLinkedObjectList::DispatchWindowMessage));
    AddWindowProc(FSubclassHelper->PreviousWindowMethod());
}

TuiDoublyLinkedObject* TuiWindowProcLinkedObjectList::CreateLinkedObject() {
    auto* link = new TuiWindowProcLinkedObject;
    link->FLinkedControl = FLinkedControl;
    link->FWndHandle = FWndHandle;
    return link;
}

TuiWindowProcLinkedObject* TuiWindowProcLinkedObjectList::AddWindowProc(const TuiWindowMethod& AMethod) {
    auto* link = static_cast<TuiWindowProcLinkedObject*>(Add());
    link->FHookedWindowMethod = AMethod;
    return link;
}

void TuiWindowProcLinkedObjectList::DispatchWindowMessage(TMessage& AMessage) {
    if (FTail != nullptr) static_cast<TuiWindowProcLinkedObject*>(FTail)->FHookedWindowMethod(AMessage);
}

// ---- Controller

TuiWindowProcController::~TuiWindowProcController() {
    FProcedureChains.Clear();
}

TuiWindowProcLinkedObjectList* TuiWindowProcController::FindControlChain(const TControl* AControl) const {
    for (int i = 0; i < FProcedureChains.Count(); ++i) {
        auto* chain = static_cast<TuiWindowProcLinkedObjectList*>(FProcedureChains.Items(i));
        if (chain->LinkedControl() != nullptr && chain->LinkedControl() == AControl) return chain;
    }
    return nullptr;
}

TuiWindowProcLinkedObjectList* TuiWindowProcController::FindHandleChain(HWND AWnd) const {
    for (int i = 0; i < FProcedureChains.Count(); ++i) {
        auto* chain = static_cast<TuiWindowProcLinkedObjectList*>(FProcedureChains.Items(i));
        if (chain->LinkedControl() == nullptr && chain->WndHandle() == AWnd) return chain;
    }
    return nullptr;
}

TuiWindowProcLinkedObject* TuiWindowProcController::AddControlWindowProc(TControl* AControl,
                                                                         const TuiWindowMethod& AMethod) {
    if (AControl == nullptr) return nullptr;
    TuiWindowProcLinkedObjectList* chain = FindControlChain(AControl);
    if (chain == nullptr) {
        chain = new TuiWindowProcLinkedObjectList(AControl);
        FProcedureChains.Add(chain);
    }
    return chain->AddWindowProc(AMethod);
}

TuiWindowProcLinkedObject* TuiWindowProcController::AddHandleWindowProc(HWND AWnd,
                                                                        const TuiWindowMethod& AMethod) {
    if (AWnd == nullptr) return nullptr;
    TuiWindowProcLinkedObjectList* chain = FindHandleChain(AWnd);
    if (chain == nullptr) {
        chain = new TuiWindowProcLinkedObjectList(AWnd);
        FProcedureChains.Add(chain);
    }
    return chain->AddWindowProc(AMethod);
}

void TuiWindowProcController::RemoveWindowProc(TuiWindowProcLinkedObject*& ALink) {
    if (ALink == nullptr) return;
    TuiWindowProcLinkedObjectList* chain = ALink->LinkedControl() != nullptr
                                               ? FindControlChain(ALink->LinkedControl())
                                               : FindHandleChain(ALink->WndHandle());
    if (chain == nullptr) return;
    TuiDoublyLinkedObject* node = ALink;
    chain->Remove(node);
    ALink = nullptr;
    if (chain->HasOnlyOriginal()) FProcedureChains.RemoveAndFree(chain);
}
