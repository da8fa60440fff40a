#include "ui/bars/BarItemRegistry.h"

#include "ui/bars/hooks/BarHooks.h"

#include "platform/vcl/Control.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"

namespace {

bool Finalizing = false;
TovBarItemList* ItemList = nullptr;
TovBarManagerList* ManagerList = nullptr;

} // namespace

// ---- TovObjectList

int TovObjectList::AddUnique(TObject* AObject) {
    if (AObject == nullptr) return -1;
    const int index = IndexOf(AObject);
    return index >= 0 ? index : Add(AObject);
}

TObject* TovObjectList::GetItem(int AIndex) const {
    if (AIndex < 0 || AIndex >= Count()) return nullptr;
    return static_cast<TObject*>(Items(AIndex));
}

void TovObjectList::CopyTo(TList* ATarget) const {
    ATarget->Clear();
    ATarget->SetCapacity(Capacity());
    auto* unique = dynamic_cast<TovObjectList*>(ATarget);
    for (int i = 0; i < Count(); ++i) {
        if (unique != nullptr)
            unique->AddUnique(GetItem(i));
        else
            ATarget->Add(Items(i));
    }
}

// ---- TovBarItemList

TovBarItemList::~TovBarItemList() {
    for (int i = Count() - 1; i >= 0; --i) {
        TRegItemRecord* record = Records(i);
        if (record->StreamUnregister) record->StreamUnregister();
        delete record;
    }
    Clear();
}

const TuiClassRef* TovBarItemList::ItemClass(int AIndex) const {
    if (AIndex < 0 || AIndex >= Count()) return nullptr;
    return Records(AIndex)->ItemClass;
}

int TovBarItemList::VisibleCount() const {
    int result = 0;
    for (int i = 0; i < Count(); ++i)
        if (Records(i)->Visible) ++result;
    return result;
}

const TuiClassRef* TovBarItemList::VisibleItemClass(int AIndex) const {
    for (int i = 0; i < Count(); ++i) {
        if (!Records(i)->Visible) continue;
        if (AIndex == 0) return Records(i)->ItemClass;
        --AIndex;
    }
    return nullptr;
}

const TovBarItemControlClass* TovBarItemList::ItemControlClassOf(const std::type_info& AItemClass) const {
    for (int i = 0; i < Count(); ++i)
        if (Records(i)->ItemClass->Type() == AItemClass) return Records(i)->ItemControlClass;
    return nullptr;
}

TovBarItemList* BarItemList() {
    if (ItemList == nullptr && !Finalizing) ItemList = new TovBarItemList;
    return ItemList;
}

void ovBarRegisterItemClass(const TuiClassRef* AItemClass, const TovBarItemControlClass* AItemControlClass,
                            bool AVisible, void (*AStreamRegister)(), void (*AStreamUnregister)()) {
    TovBarItemList* list = BarItemList();
    if (list == nullptr) return;
    auto* record = new TRegItemRecord;
    record->ItemClass = AItemClass;
    record->ItemControlClass = AItemControlClass;
    record->Visible = AVisible;
    record->StreamUnregister = AStreamUnregister;
    list->Add(record);
    if (AStreamRegister) AStreamRegister();
}

void ovBarUnregisterItem(const TuiClassRef* AItemClass) {
    TovBarItemList* list = BarItemList();
    if (list == nullptr) return;
    for (int i = 0; i < list->Count(); ++i) {
        TRegItemRecord* record = list->Records(i);
        if (record->ItemClass != AItemClass) continue;
        if (record->StreamUnregister) record->StreamUnregister();
        list->Delete(i);
        delete record;
        return;
    }
}

// ---- TovBarManagerList

TovBarManager* TovBarManagerList::Managers(int AIndex) const {
    return static_cast<TovBarManager*>(GetItem(AIndex));
}

TovBarManager* TovBarManagerList::CustomizingManager() const {
    for (int i = 0; i < Count(); ++i)
        if (Managers(i)->IsCustomizing()) return Managers(i);
    return nullptr;
}

namespace {

HWND OutermostFormWindow(TovBarManager* AManager) {
    TWinControl* owner = AManager->OwnerWinControl();
    if (owner == nullptr || !owner->HandleAllocated()) return nullptr;
    HWND wnd = owner->Handle();
    while (HWND parent = GetParent(wnd))
        wnd = parent;
    return wnd;
}

bool Qualifies(TovBarManager* AManager, HWND AForm) {
    TWinControl* owner = AManager->OwnerWinControl();
    if (AForm == nullptr || owner == nullptr || !owner->HandleAllocated()) return false;
    // There are no MDI children here, so the owner only has to lie inside the form.
    return owner->Handle() == AForm || IsChild(AForm, owner->Handle());
}

} // namespace

TovBarManager* TovBarManagerList::GetNextManager(TovBarManager* AManager, bool AForward) const {
    const int start = IndexOf(AManager);
    if (start < 0) return AManager;
    const HWND form = OutermostFormWindow(AManager);
    if (!Qualifies(AManager, form)) return AManager;
    int i = start;
    for (;;) {
        i = AForward ? (i + 1) % Count() : (i - 1 + Count()) % Count();
        if (i == start || Qualifies(Managers(i), form)) return Managers(i);
    }
}

TovBarManagerList* BarManagerList() {
    return ManagerList;
}

void ovBarAddBarManager(TovBarManager* AManager) {
    if (ManagerList == nullptr || ManagerList->IndexOf(AManager) >= 0) return;
    // The bar system's hooks live while at least one manager does.
    if (ManagerList->Count() == 0) ovBarInstallHooks();
    ManagerList->AddUnique(AManager);
    if (ovBarHookPoints().ManagerAdded) ovBarHookPoints().ManagerAdded(AManager);
}

void ovBarRemoveBarManager(TovBarManager* AManager) {
    if (ManagerList == nullptr || ManagerList->IndexOf(AManager) < 0) return;
    ManagerList->Remove(AManager);
    if (ManagerList->Count() == 0) ovBarUninstallHooks();
    if (ovBarHookPoints().ManagerRemoved) ovBarHookPoints().ManagerRemoved(AManager);
}

void ovBarRegistriesStart() {
    Finalizing = false;
    if (ManagerList == nullptr) ManagerList = new TovBarManagerList;
}

void ovBarRegistriesEnd() {
    Finalizing = true;
    ovBarUninstallHooks();
    delete ItemList;
    ItemList = nullptr;
    delete ManagerList;
    ManagerList = nullptr;
}

bool ovBarUnitFinalizing() {
    return Finalizing;
}
