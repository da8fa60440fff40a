// TList: a list of untyped pointers. Descendants learn of every item that enters or leaves through
// Notify, which is how TObjectList frees the objects it owns.
#pragma once

#include "platform/rtl/Object.h"

#include <functional>
#include <string>
#include <vector>

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// Negative, zero or positive as Item1 goes before, with or after Item2.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList : public TObject {
public:
    TList() = default;
    ~TList() override;
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    int Add(void* Item);
    void Insert(int Index, void* Item);
    // Removes the item at Index (a descendant that owns its items frees it).
    void Delete(int Index);
    // Removes the first occurrence of Item; returns its former index, or -1.
    int Remove(void* Item);
    // Removes the first occurrence of Item without freeing it; returns Item, or null when absent.
    void* Extract(void* Item);
    // Deletes every item, last first, and releases the storage.
    virtual void Clear();
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Removes the null items.
    void Pack();
    void Sort(const TListSortCompare& Compare);
    int IndexOf(void* Item) const;
    // Raise EListError on an empty list.
    void* First() const;
    void* Last() const;
    TList* Expand();

    int Count() const { return static_cast<int>(FList.size()); }
    // A larger count adds null items; a smaller one deletes from the end.
    void SetCount(int NewCount);
    int Capacity() const { return static_cast<int>(FList.capacity()); }
    void SetCapacity(int NewCapacity);
    void* Items(int Index) const;
    void SetItems(int Index, void* Item);
    void* operator[](int Index) const { return Items(Index); }
    void** List() { return FList.data(); }

protected:
    virtual void Notify(void* Ptr, TListNotification Action) {}
    // Raises EListError with Msg, "%d" in it replaced by Data.
    [[noreturn]] static void Error(const std::string& Msg, int Data);

private:
    void CheckIndex(int Index) const;

    std::vector<void*> FList;
};
