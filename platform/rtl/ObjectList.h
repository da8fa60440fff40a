// TObjectList: a TList of objects that, while OwnsObjects is set (the default), frees every object
// deleted, removed, replaced or cleared from it, and the remaining ones when it is destroyed. Extract
// takes an object out without freeing it.
#pragma once

#include "platform/rtl/List.h"

class TObjectList : public TList {
public:
    TObjectList() = default;
    explicit TObjectList(bool AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
    ~TObjectList() override;

    int Add(TObject* AObject) { return TList::Add(AObject); }
    void Insert(int Index, TObject* AObject) { TList::Insert(Index, AObject); }
    int Remove(TObject* AObject) { return TList::Remove(AObject); }
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
    int IndexOf(TObject* AObject) const { return TList::IndexOf(AObject); }
    // The index of the first object of class T at or after AStartAt (exactly T when AExact), or -1.
    template <class T> int FindInstanceOf(bool AExact = true, int AStartAt = 0) const {
        for (int i = AStartAt < 0 ? 0 : AStartAt; i < Count(); ++i) {
            TObject* object = Items(i);
            if (object == nullptr) continue;
            if (AExact ? typeid(*object) == typeid(T) : dynamic_cast<T*>(object) != nullptr) return i;
        }
        return -1;
    }
    TObject* First() const { return static_cast<TObject*>(TList::First()); }
    TObject* Last() const { return static_cast<TObject*>(TList::Last()); }
    TObject* Items(int Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    void SetItems(int Index, TObject* AObject) { TList::SetItems(Index, AObject); }
    TObject* operator[](int Index) const { return Items(Index); }

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    bool FOwnsObjects = true;
};
