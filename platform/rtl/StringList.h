// TStringList: the string list kept in memory, optionally sorted (with a duplicates rule), optionally
// owning its objects, with change events.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Strings.h"

#include <functional>
#include <string>
#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Compares the items at two indexes of the list: negative, zero or positive.
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
public:
    TStringList() = default;
    explicit TStringList(bool OwnsObjects) : FOwnsObjects(OwnsObjects) {}
    ~TStringList() override;

    // In a sorted list the string goes to its sorted place; an equal string already there is handled
    // by Duplicates (dupIgnore returns its index and adds nothing, dupError raises).
    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Clear() override;
    void Delete(int Index) override;
    void Exchange(int Index1, int Index2) override;
    void Insert(int Index, const std::string& S) override;
    void InsertObject(int Index, const std::string& S, TObject* AObject) override;
    void Move(int CurIndex, int NewIndex) override;
    // Detaches the object at Index from the list without freeing it and returns it.
    TObject* ExtractObject(int Index);

    // Finds S; on a sorted list by binary search (Index is then where S is or would be inserted), on an
    // unsorted one by a linear scan (Index = Count when not found).
    virtual bool Find(const std::string& S, int& Index) const;
    int IndexOf(const std::string& S) const override;

    // Sorting is not stable. Neither has any effect on a list whose Sorted is set (it is in order already).
    virtual void Sort();
    virtual void CustomSort(const TStringListSortCompare& Compare);

    int Capacity() const override { return static_cast<int>(FList.capacity()); }
    void SetCapacity(int NewCapacity) override;

    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    bool CaseSensitive() const { return FCaseSensitive; }
    // Changing it re-sorts a sorted list.
    void SetCaseSensitive(bool Value);
    // When set, Delete, Clear and the destructor free the objects.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    // Fired after (OnChange) and before (OnChanging) every change, or once around an update bracket.
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    int CompareStrings(const std::string& S1, const std::string& S2) const override;

protected:
    virtual void Changed();
    virtual void Changing();
    std::string Get(int Index) const override;
    int GetCount() const override { return static_cast<int>(FList.size()); }
    TObject* GetObject(int Index) const override;
    void Put(int Index, const std::string& S) override;
    void PutObject(int Index, TObject* AObject) override;
    void SetUpdateState(bool Updating) override;
    virtual void InsertItem(int Index, const std::string& S, TObject* AObject);

private:
    struct TStringItem {
        std::string FString;
        TObject* FObject = nullptr;
    };

    void CheckIndex(int Index) const;
    void CheckUnsorted() const;

    std::vector<TStringItem> FList;
    TDuplicates FDuplicates = dupIgnore;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
};
