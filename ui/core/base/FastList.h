// Fast pointer lists of the user-interface library: cheaper than TList (no notifications, no sorting),
// growing by 16, then 32, then by half of the capacity.
#pragma once

#include "platform/rtl/Object.h"

class TovFastList : public TObject {
public:
    static constexpr int MaxCapacity = 0x7FFFFFF;

    explicit TovFastList(int ACapacity = 0);
    ~TovFastList() override;
    TovFastList(const TovFastList&) = delete;
    TovFastList& operator=(const TovFastList&) = delete;

    int Add(void* AItem);
    // AIndex in 0..Count (Count appends).
    void Insert(int AIndex, void* AItem);
    // Takes the item out; it is never freed here.
    void Delete(int AIndex);
    void* Items(int AIndex) const;
    void SetItems(int AIndex, void* AItem);
    // Identity search from the start, or from the end when ABackward; -1 when absent.
    int IndexOf(const void* AItem, bool ABackward = false) const;
    // The first occurrence's former index, or -1.
    int Remove(void* AItem);
    // The item when it was present, else null.
    void* Extract(void* AItem);
    virtual void Clear();

    int Count() const { return FUsed; }
    int Capacity() const { return FAllocated; }
    // Raises EListError "List capacity out of bounds (%d)" below Count or above MaxCapacity.
    void SetCapacity(int AValue);

protected:
    void CheckIndex(int AIndex, int ALimit) const;

private:
    void Grow();

    int FAllocated = 0;
    int FUsed = 0;
    void** FSlots = nullptr;
};

// A fast list of objects that, when owning, frees its objects on Clear and on destruction (never on
// Delete, Remove or Extract).
class TovFastObjectList : public TovFastList {
public:
    explicit TovFastObjectList(bool AOwnsObjects = true, int ACapacity = 0)
        : TovFastList(ACapacity), FOwning(AOwnsObjects) {}
    ~TovFastObjectList() override;

    int Add(TObject* AObject) { return TovFastList::Add(AObject); }
    TObject* Extract(TObject* AObject) { return static_cast<TObject*>(TovFastList::Extract(AObject)); }
    TObject* Items(int AIndex) const { return static_cast<TObject*>(TovFastList::Items(AIndex)); }
    bool Owning() const { return FOwning; }
    void Clear() override;

private:
    bool FOwning;
};
