// The process-wide registries of the bar unit: the item classes (which item-control class shows each,
// which a user may create), the list of live bar managers, and a plain object list with bounded reads.
#pragma once

#include "platform/rtl/List.h"
#include "ui/bars/BarItemControl.h"
#include "ui/core/base/ClassRefs.h"

class TovBarManager;

// One registered item class.
class TRegItemRecord : public TObject {
public:
    const TuiClassRef* ItemClass = nullptr;
    const TovBarItemControlClass* ItemControlClass = nullptr;
    bool Visible = false;
    void (*StreamUnregister)() = nullptr; // takes the class out of the streaming registry
};

// A list that does not own its objects, with add-unique, bounded reads and copy-into.
class TovObjectList : public TList {
public:
    // Nil and objects already listed are not added again; the index of the object either way (-1 for nil).
    int AddUnique(TObject* AObject);
    TObject* GetItem(int AIndex) const;
    TObject* Last() const { return GetItem(Count() - 1); }
    // Clears ATarget, then adds every object (uniquely when the target is itself a TovObjectList).
    void CopyTo(TList* ATarget) const;
};

class TovBarItemList : public TList {
public:
    ~TovBarItemList() override;
    TRegItemRecord* Records(int AIndex) const { return static_cast<TRegItemRecord*>(Items(AIndex)); }
    const TuiClassRef* ItemClass(int AIndex) const;
    int VisibleCount() const;
    // The k-th (0-based) class offered to users; null when there are fewer.
    const TuiClassRef* VisibleItemClass(int AIndex) const;
    // The control class of the first entry whose item class is exactly AItemClass (not a descendant).
    const TovBarItemControlClass* ItemControlClassOf(const std::type_info& AItemClass) const;
};

// The registry, made on first use; null once the bar unit shuts down.
TovBarItemList* BarItemList();

template <class T> void ovBarRegisterItem(const TovBarItemControlClass* AItemControlClass, bool AVisible);
void ovBarRegisterItemClass(const TuiClassRef* AItemClass, const TovBarItemControlClass* AItemControlClass,
                            bool AVisible, void (*AStreamRegister)(), void (*AStreamUnregister)());
// Removes the first entry of the class; an unknown class does nothing.
void ovBarUnregisterItem(const TuiClassRef* AItemClass);

// The live bar managers in registration order (not owned).
class TovBarManagerList : public TovObjectList {
public:
    TovBarManager* Managers(int AIndex) const;
    // The first manager whose run-time customization is on.
    TovBarManager* CustomizingManager() const;
    // The next manager (cyclically, forward or backward) that belongs to AManager's outermost form.
    TovBarManager* GetNextManager(TovBarManager* AManager, bool AForward) const;
};

TovBarManagerList* BarManagerList();
void ovBarAddBarManager(TovBarManager* AManager);
void ovBarRemoveBarManager(TovBarManager* AManager);

// Unit life of the registries (called by the bar unit's start-up and shut-down).
void ovBarRegistriesStart();
void ovBarRegistriesEnd();
bool ovBarUnitFinalizing();

#include "platform/rtl/ClassRegistry.h"

template <class T> void ovBarRegisterItem(const TovBarItemControlClass* AItemControlClass, bool AVisible) {
    ovBarRegisterItemClass(
        TuiClassRef::Of<T>(), AItemControlClass, AVisible, [] { RegisterClass<T>(); },
        [] { UnRegisterClass<T>(); });
}
