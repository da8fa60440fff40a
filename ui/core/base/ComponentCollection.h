// Collections whose items are components (so the form designer can select and store them) with
// unique generated names, and a holder that forgets a component when it is freed.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/List.h"
#include "platform/rtl/ObjectEvent.h"
#include "ui/core/base/ClassRefs.h"

#include <string>

class TControl;
class TuiComponentCollection;

enum TuiComponentCollectionNotification { ccnAdded, ccnChanged, ccnExtracting, ccnExtracted, ccnDeleting };

class TuiComponentCollectionItem : public TComponent {
public:
    explicit TuiComponentCollectionItem(TComponent* AOwner) : TComponent(AOwner) {}
    ~TuiComponentCollectionItem() override;
    void BeforeDestruction() override;

    TuiComponentCollection* Collection() const { return FOwnerCollection; }
    int ID() const { return FID; }
    // Position in the collection, -1 without one; setting it moves the item.
    int Index() const;
    virtual void SetIndex(int AValue);
    // Leaves the current collection and joins AValue (null joins nothing).
    virtual void SetCollection(TuiComponentCollection* AValue);
    virtual std::string GetDisplayName() const { return Name(); }
    TComponent* GetParentComponent() const;
    bool HasParent() const { return GetParentComponent() != nullptr; }
    void SetParentComponent(TComponent* AParent);
    // Announces a change of this item, or of all items.
    void Changed(bool AAllItems);

protected:
    // The collection of AParent that items of this class join.
    virtual TuiComponentCollection* GetCollectionFromParent(TComponent* AParent) = 0;

private:
    friend class TuiComponentCollection;
    TuiComponentCollection* FOwnerCollection = nullptr;
    int FID = 0;
};

using TuiComponentCollectionChangeEvent =
    TEvent<TuiComponentCollection*, TuiComponentCollectionItem*, TuiComponentCollectionNotification>;

class TuiComponentCollection : public TPersistent {
public:
    // AItemClass must name a descendant of TuiComponentCollectionItem made from an owner.
    TuiComponentCollection(TComponent* AParentComponent, const TuiClassRef* AItemClass);
    ~TuiComponentCollection() override;

    // A new item owned by the parent component's owner, joined to this collection and named.
    TuiComponentCollectionItem* Add();
    TuiComponentCollectionItem* Insert(int AIndex);
    void Clear();
    void BeginUpdate() { ++FUpdateLevel; }
    void EndUpdate(bool AForceUpdate = true);
    void Assign(TPersistent* Source) override;
    int Count() const { return FEntries.Count(); }
    TuiComponentCollectionItem* Items(int AIndex) const;
    TComponent* ParentComponent() const { return FOwnerComponent; }
    TPersistent* GetOwner() override { return FOwnerComponent; }
    int NextItemId() const { return FNextItemId; }

    TuiComponentCollectionChangeEvent OnChange;

protected:
    virtual TControl* GetOwnerControl() const { return nullptr; }
    virtual std::string GetItemPrefixName() const { return {}; }
    virtual std::string GetItemSuffixName() const { return {}; }
    virtual void Notify(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction) {}
    virtual void SetItemName(TComponent* AComponent);
    virtual void Update(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction);

private:
    friend class TuiComponentCollectionItem;
    void InsertItem(TuiComponentCollectionItem* AItem);
    void RemoveItem(TuiComponentCollectionItem* AItem);
    void MoveItem(int ACurIndex, int ANewIndex);
    void Changed(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction);

    TComponent* FOwnerComponent;
    const TuiClassRef* FItemClassRef;
    TList FEntries;
    int FUpdateLevel = 0;
    int FNextItemId = 0;
};

// Watches one component and drops it when it is freed.
class TuiComponentHolder : public TComponent {
public:
    explicit TuiComponentHolder(TComponent* AOwner) : TComponent(AOwner) {}
    ~TuiComponentHolder() override;
    TComponent* Component() const { return FWatchedComponent; }
    void SetComponent(TComponent* AValue);
    TNotifyEvent OnComponentChanging;
    TNotifyEvent OnComponentChanged;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TComponent* FWatchedComponent = nullptr;
};

// A name for AComponent unique (ignoring case) in AForm's ownership tree (AComponent's root owner when
// AForm is null): the parent component's name, then the suffix's identifier characters (the class name
// without APrefix or its leading "T" when they are empty or start with a digit), then a number from
// AStartNumber (-1: 1 without a suffix, 0 with one; 0 writes no number).
std::string uiGenerateComponentName(TComponent* AForm, TComponent* AParentComponent, TComponent* AComponent,
                                    int AStartNumber, const std::string& ASuffix, const std::string& APrefix);
TComponent* GetRootOwner(TComponent* AComponent);
// The outermost owner that is a form, or null.
TComponent* FindOuterOwnerForm(TComponent* AComponent);
