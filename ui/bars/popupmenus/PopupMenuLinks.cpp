#include "ui/bars/popupmenus/PopupMenuLinks.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Control.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/popupmenus/PopupComponent.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/WindowProcChain.h"

namespace {

// The control is the manager's owner or lies inside it: by window parentage when both have windows,
// else by the chain of parent controls.
bool LiesInOwner(TControl* AControl, TWinControl* AOwner) {
    if (AControl == nullptr || AOwner == nullptr) return false;
    if (AControl == AOwner) return true;
    auto* windowed = dynamic_cast<TWinControl*>(AControl);
    if (windowed != nullptr && windowed->HandleAllocated() && AOwner->HandleAllocated())
        return ::IsChild(AOwner->Handle(), windowed->Handle()) != FALSE;
    return AOwner->ContainsControl(AControl);
}

TComponent* FindOwnedComponent(TComponent* AOwner, const std::string& AName) {
    if (AOwner == nullptr || AName.empty()) return nullptr;
    for (int i = 0; i < AOwner->ComponentCount(); ++i)
        if (AOwner->Components(i)->Name() == AName) return AOwner->Components(i);
    return nullptr;
}

} // namespace

// ---- Link

TovBarPopupMenuLink::TovBarPopupMenuLink(TCollection* ACollection) : TCollectionItem(ACollection) {}

TovBarPopupMenuLink::~TovBarPopupMenuLink() {
    Unhook();
}

TovBarManager* TovBarPopupMenuLink::BarManager() const {
    auto* links = dynamic_cast<TovBarPopupMenuLinks*>(Collection());
    return links != nullptr ? links->BarManager() : nullptr;
}

void TovBarPopupMenuLink::SetControl(TControl* AValue) {
    TovBarManager* manager = BarManager();
    if (AValue != nullptr && (manager == nullptr || !LiesInOwner(AValue, manager->OwnerWinControl())))
        AValue = nullptr;
    if (AValue == FControl) return;
    Unhook();
    FControl = AValue;
    if (FControl == nullptr) return;
    FControl->FreeNotification(manager);
    FHook = uiWindowProcController()->AddControlWindowProc(
        FControl, TuiWindowMethod(this, &TovBarPopupMenuLink::HookWindowProc));
}

void TovBarPopupMenuLink::SetPopupMenu(TovBarCustomPopupMenuComponent* AValue) {
    if (AValue == FPopupMenu) return;
    FPopupMenu = AValue;
    if (FPopupMenu != nullptr)
        if (TovBarManager* manager = BarManager()) FPopupMenu->FreeNotification(manager);
}

void TovBarPopupMenuLink::Unhook() {
    if (FHook != nullptr) uiWindowProcController()->RemoveWindowProc(FHook);
    FHook = nullptr;
}

void TovBarPopupMenuLink::HookWindowProc(TMessage& AMessage) {
    TuiWindowProcLinkedObject* hook = FHook;
    const TContextPopupEvent own(this, &TovBarPopupMenuLink::ContextPopup);
    TovBarManager* manager = BarManager();
    const bool designing = manager != nullptr && manager->IsDesigning();
    if (AMessage.Msg != WM_CONTEXTMENU || designing || FControl == nullptr ||
        FControl->OnContextPopup == own) {
        hook->CallPrevWindowProc(AMessage);
        return;
    }
    // The control's own handling of the message asks for its context popup: this link answers it, after
    // whatever handler the control had.
    TWeakLink<TControl> control(FControl);
    FPreviousContextPopup = FControl->OnContextPopup;
    FControl->OnContextPopup = own;
    auto restore = [&] {
        if (control && control->OnContextPopup == own) control->OnContextPopup = FPreviousContextPopup;
        FPreviousContextPopup = nullptr;
    };
    try {
        hook->CallPrevWindowProc(AMessage);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TovBarPopupMenuLink::ContextPopup(TObject* ASender, POINT AMousePos, bool& AHandled) {
    FPreviousContextPopup(ASender, AMousePos, AHandled);
    TControl* child = nullptr;
    if (auto* windowed = dynamic_cast<TWinControl*>(FControl))
        child = windowed->ControlAtPos(AMousePos, true, true);
    if (!AHandled && (ProcessChildren || child == nullptr)) AHandled = DoAction(AMousePos);
}

bool TovBarPopupMenuLink::DoAction(POINT P) {
    const bool byMouse = !(P.x == -1 && P.y == -1);
    int x = P.x, y = P.y;
    bool allow = FPopupMenu != nullptr;
    OnAction(this, x, y, byMouse, allow);
    if (allow && FPopupMenu != nullptr && FControl != nullptr) {
        const POINT screen = FControl->ClientToScreen(POINT{x, y});
        FPopupMenu->Popup(screen.x, screen.y);
    }
    return allow;
}

bool TovBarPopupMenuLink::IsShortCut(TShortCut AShortCut) {
    if (FPopupMenu == nullptr || AShortCut == 0) return false;
    int x = -1, y = -1;
    bool allow = true;
    OnAction(this, x, y, false, allow);
    return allow && FPopupMenu != nullptr && FPopupMenu->IsShortCut(AShortCut);
}

void TovBarPopupMenuLink::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovBarPopupMenuLink*>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    ProcessChildren = source->ProcessChildren;
    TovBarManager* manager = BarManager();
    TComponent* owner = manager != nullptr ? manager->Owner() : nullptr;
    SetControl(source->FControl != nullptr
                   ? dynamic_cast<TControl*>(FindOwnedComponent(owner, source->FControl->Name()))
                   : nullptr);
    SetPopupMenu(source->FPopupMenu != nullptr ? dynamic_cast<TovBarCustomPopupMenuComponent*>(
                                                     FindOwnedComponent(owner, source->FPopupMenu->Name()))
                                               : nullptr);
}

// ---- Links

TovBarPopupMenuLinks::TovBarPopupMenuLinks(TovBarManager* AManager)
    : TOwnedCollection(AManager, CollectionItemClass<TovBarPopupMenuLink>()), FManager(AManager) {}

TovBarPopupMenuLinks::~TovBarPopupMenuLinks() {
    Clear();
}

bool TovBarPopupMenuLinks::IsShortCut(TControl* AControl, TShortCut AShortCut) {
    if (AControl == nullptr || AShortCut == 0) return false;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Control() == AControl && Items(i)->IsShortCut(AShortCut)) return true;
    for (int i = 0; i < Count(); ++i) {
        TovBarPopupMenuLink* link = Items(i);
        auto* windowed = dynamic_cast<TWinControl*>(link->Control());
        if (link->ProcessChildren && windowed != nullptr && windowed != AControl &&
            windowed->ContainsControl(AControl) && link->IsShortCut(AShortCut))
            return true;
    }
    // The manager of a window that holds this manager's owner asks its own links.
    TWinControl* owner = FManager != nullptr ? FManager->OwnerWinControl() : nullptr;
    HWND wnd = owner != nullptr && owner->HandleAllocated() ? ::GetParent(owner->Handle()) : nullptr;
    for (; wnd != nullptr; wnd = ::GetParent(wnd))
        if (TovBarManager* manager = FindBarManagerOfWindow(wnd); manager != nullptr && manager != FManager)
            return manager->PopupMenuLinks()->IsShortCut(AControl, AShortCut);
    return false;
}

void TovBarPopupMenuLinks::RemoveComponent(TComponent* AComponent) {
    for (int i = 0; i < Count(); ++i) {
        TovBarPopupMenuLink* link = Items(i);
        if (link->Control() == AComponent) link->SetControl(nullptr);
        if (link->PopupMenu() == AComponent) link->SetPopupMenu(nullptr);
    }
}
