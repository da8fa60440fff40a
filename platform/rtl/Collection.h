// Collections: an ordered list of items of one kind, each with a stable ID, which tells whoever keeps it
// (through the virtual Update) when items are added, removed, moved or changed.
//
// Items are made by the collection's item factory through Add or Insert, which announce the new item
// (Notify cnAdded, then Changed) once it is completely constructed. An item constructed directly with
// `new TMyItem(collection)` joins the list silently; call Collection->Added(item) after it to announce
// it. Items are freed with Delete, Clear, the collection's destruction, Free or delete; the collection
// hears of it (cnExtracting) and updates.
#pragma once

#include "platform/rtl/Persistent.h"

#include <functional>
#include <string>
#include <vector>

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    void BeforeDestruction() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (announced there), or out of any with null.
    void SetCollection(TCollection* Value);
    // A number unique within the collection for its lifetime, kept when the item moves.
    int ID() const { return FID; }
    // The position in the collection (-1 outside one); setting it moves the item there and updates
    // the whole collection. Raises EListError for a position outside the collection.
    int Index() const;
    virtual void SetIndex(int Value);
    std::string DisplayName() const { return GetDisplayName(); }
    virtual void SetDisplayName(const std::string& Value) { Changed(false); }

    TPersistent* GetOwner() override;
    std::string GetNamePath() override;

protected:
    // Tells the collection this item (or, with AllItems, every item) changed, unless it is updating.
    void Changed(bool AllItems);
    // The class name unless a descendant has something better.
    virtual std::string GetDisplayName() const { return ClassName(); }

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

using TCollectionItemClass = std::function<TCollectionItem*(TCollection* Collection)>;

// The factory for items of class T.
template <class T> TCollectionItemClass CollectionItemClass() {
    return [](TCollection* collection) -> TCollectionItem* { return new T(collection); };
}

class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass ItemClass);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    TCollectionItem* Add();
    // Adds an item and moves it to Index (0 .. Count).
    TCollectionItem* Insert(int Index);
    // Frees the item at Index (Notify cnDeleting first).
    void Delete(int Index);
    // Frees every item, inside one update.
    void Clear();
    // Announces an item that was constructed directly on this collection.
    void Added(TCollectionItem* Item);
    TCollectionItem* FindItemID(int ID) const;
    // Replaces the items by copies (through each item's Assign) of another collection's.
    void Assign(TPersistent* Source) override;

    // While updating (BeginUpdate … EndUpdate, nestable) changes are not reported; the last EndUpdate
    // reports one change of the whole collection.
    virtual void BeginUpdate() { ++FUpdateCount; }
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError for a bad index.
    TCollectionItem* Items(int Index) const;
    // Assigns Value to the item at Index.
    void SetItems(int Index, TCollectionItem* Value);
    TCollectionItem* operator[](int Index) const { return Items(Index); }
    const TCollectionItemClass& ItemClass() const { return FItemClass; }
    TPersistent* Owner() { return GetOwner(); }
    std::string GetNamePath() override;

protected:
    // Reports a change of the whole collection unless updating.
    void Changed();
    // Item changed (null: the whole collection, its count or order). Keepers of collections override it.
    virtual void Update(TCollectionItem* Item) {}
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);

    TCollectionItemClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection kept by another object (a component's panels, columns…): GetOwner answers that object.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(std::move(ItemClass)), FOwner(AOwner) {}
    TPersistent* GetOwner() override { return FOwner; }

private:
    TPersistent* FOwner;
};
