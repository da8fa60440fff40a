// The base classes of the skin element model: named objects that report what kind of change happened to
// them, the owning lists that hold them (sorted by name on demand, found by a binary search), and the
// persistent objects with update brackets and a list of named properties.
//
// Changes travel upward: an item reports into its list, a list into its owner, an owner into its own
// list or handler. Inside an update bracket the changes are collected and reported once when the
// outermost bracket closes; brackets close also when an exception leaves them.
#pragma once

#include "platform/rtl/Persistent.h"
#include "platform/rtl/Stream.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/base/Finally.h"
#include "ui/core/skins/SkinTypes.h"

#include <memory>
#include <string>
#include <typeinfo>

class TovSkinCustomObject;
class TovSkinProperty;
class TovSkinProperties;

// A class of skin objects, as stored streams and list copies name and make them.
struct TovSkinObjectClassInfo {
    std::string ClassName;
    TovSkinCustomObject* (*Create)(TPersistent* AOwner, const std::string& AName);
};
using TovSkinObjectClass = const TovSkinObjectClassInfo*;

template <class T> TovSkinObjectClass ovSkinClassOf() {
    static const TovSkinObjectClassInfo info{
        TObject::ClassNameOf(typeid(T)),
        [](TPersistent* AOwner, const std::string& AName) -> TovSkinCustomObject* {
            return new T(AOwner, AName);
        }};
    return &info;
}

// Changes collected while update brackets are open, handed on at once or when the last bracket closes.
class TovSkinChangeCollector {
public:
    void BeginUpdate() { ++FLockCount; }
    // Closes a bracket: what was collected when it was the last one (and is handed on now), else nothing.
    TovSkinChanges EndUpdate();
    // Adds AChanges: everything collected when no bracket is open (and is handed on now), else nothing.
    TovSkinChanges Collect(TovSkinChanges AChanges);

private:
    TovSkinChanges FPending;
    int FLockCount = 0;
};

class TovSkinCustomObject : public TPersistent {
public:
    TovSkinCustomObject(TPersistent* AOwner, const std::string& AName) : FName(AName), FOwner(AOwner) {}
    const std::string& Name() const { return FName; }
    // Reports [scStruct] when the name changes (compared case-sensitively).
    void SetName(const std::string& AValue);
    TPersistent* GetOwner() override { return FOwner; }
    TPersistent* Owner() const { return FOwner; }

    virtual void Changed(TovSkinChanges AChanges);
    virtual void DataRead(TStream* AStream, double AVersion) {}
    virtual void DataWrite(TStream* AStream) {}
    // The class an item is made of when a list is copied or stored.
    virtual TovSkinObjectClass SkinClass() const = 0;

    TovSkinChangeNotify OnChange;

protected:
    // Calls OnChange when it is assigned and AChanges is not empty.
    virtual void DoChange(TovSkinChanges AChanges);
    // A setter's work: stores AValue and reports [scContent] when it differs.
    template <class T> void SetContentValue(T& AField, const T& AValue) {
        ovSkinSetValue(AField, AValue, [this] { Changed(ovSkinContentChange); });
    }

private:
    std::string FName;
    TPersistent* FOwner;
};

class TovSkinCustomObjectList : public TuiObjectList {
public:
    explicit TovSkinCustomObjectList(TPersistent* AOwner);
    TovSkinCustomObjectList(TPersistent* AOwner, TovSkinChangeNotify AOnChange);

    void BeginUpdate() { FChanges.BeginUpdate(); }
    void EndUpdate();
    // A new item of AClass, made with the list's owner, reporting into the list, appended.
    TovSkinCustomObject* Add(const std::string& AName, TovSkinObjectClass AClass);
    // Case-sensitive; sorts the list first when it is not sorted. Null when absent.
    TovSkinCustomObject* FindByName(const std::string& AName);
    void Sort();
    TovSkinCustomObject* Items(int AIndex) const {
        return static_cast<TovSkinCustomObject*>(TList::Items(AIndex));
    }
    // Frees every item and reports [scStruct] when there were any.
    void Clear() override;

    // Clears the sorted flag, collects AChanges and, unless locked, reports them to OnChange.
    virtual void Changed(TovSkinChanges AChanges);
    virtual void DataRead(TStream* AStream, double AVersion) {}
    virtual void DataWrite(TStream* AStream) {}
    TPersistent* Owner() const { return FOwner; }
    bool Sorted() const { return FSorted; }

    TovSkinChangeNotify OnChange;

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    TovSkinChangeCollector FChanges;
    TPersistent* FOwner;
    bool FSorted = false;
};

class TovSkinPersistent : public TovSkinCustomObject {
public:
    TovSkinPersistent(TPersistent* AOwner, const std::string& AName);
    ~TovSkinPersistent() override;

    // A persistent source copies its properties (inside one update bracket); others go to TPersistent.
    void Assign(TPersistent* ASource) override;
    // Marks the object modified, collects AChanges and, unless locked, reports them.
    void Changed(TovSkinChanges AChanges) override;
    void BeginUpdate() { FChanges.BeginUpdate(); }
    void EndUpdate();

    bool LookupProperty(const std::string& AName, TovSkinProperty*& AProperty);
    virtual void Clear();
    virtual void DeleteProperty(TovSkinProperty* AProperty);
    virtual void Sort();
    TovSkinProperties* Properties() const { return FProperties.get(); }
    bool Modified() const { return FModified; }
    void SetModified(bool AValue) { FModified = AValue; }
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinPersistent>(); }

protected:
    // The copy itself, inside Assign's bracket.
    virtual void DoAssign(TPersistent* ASource);

private:
    TovSkinChangeCollector FChanges;
    bool FModified = false;
    std::unique_ptr<TovSkinProperties> FProperties;
};

// An event that hands the changes of a part on to ATarget's Changed.
template <class T> TovSkinChangeNotify ovSkinForwardChanges(T* ATarget) {
    return TovSkinChangeNotify([ATarget](TObject*, TovSkinChanges AChanges) { ATarget->Changed(AChanges); },
                               ATarget);
}

// Runs AAction inside BeginUpdate/EndUpdate of AObject; the bracket closes also on an exception and
// reports what was collected.
template <class TObjectWithUpdates, class F> void ovSkinUpdate(TObjectWithUpdates* AObject, F AAction) {
    AObject->BeginUpdate();
    const TovFinally end([AObject] { AObject->EndUpdate(); });
    AAction();
}
