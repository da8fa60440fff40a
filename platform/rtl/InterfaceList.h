// TInterfaceList: a list of interface references. Interfaces here are abstract classes without a
// common reference-counted base, so the list holds std::shared_ptr<I>: an entry keeps its object alive
// until it leaves the list. For an object whose lifetime is managed elsewhere (a listener that removes
// itself before it is freed), add TInterfaceList<I>::Unowned(pointer), a reference that frees nothing.
// Every operation locks the list, so several threads may use one list; Lock/Unlock hold it across a
// sequence of calls.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

template <class I> class TInterfaceList : public TObject {
public:
    using Ref = std::shared_ptr<I>;

    static Ref Unowned(I* Item) {
        return Ref(Item, [](I*) {});
    }

    int Add(Ref Item) {
        std::lock_guard lock(FLock);
        FList.push_back(std::move(Item));
        return static_cast<int>(FList.size()) - 1;
    }
    void Insert(int Index, Ref Item) {
        std::lock_guard lock(FLock);
        if (Index < 0 || Index > static_cast<int>(FList.size())) IndexError(Index);
        FList.insert(FList.begin() + Index, std::move(Item));
    }
    void Delete(int Index) {
        Ref doomed; // released after the lock, in case its destructor uses the list
        {
            std::lock_guard lock(FLock);
            CheckIndex(Index);
            doomed = std::move(FList[static_cast<std::size_t>(Index)]);
            FList.erase(FList.begin() + Index);
        }
    }
    // Removes the first reference to Item; returns its former index, or -1.
    int Remove(const I* Item) {
        Ref doomed;
        int index;
        {
            std::lock_guard lock(FLock);
            index = IndexOfLocked(Item);
            if (index < 0) return -1;
            doomed = std::move(FList[static_cast<std::size_t>(index)]);
            FList.erase(FList.begin() + index);
        }
        return index;
    }
    void Clear() {
        std::vector<Ref> doomed;
        {
            std::lock_guard lock(FLock);
            doomed.swap(FList);
        }
    }
    void Exchange(int Index1, int Index2) {
        std::lock_guard lock(FLock);
        CheckIndex(Index1);
        CheckIndex(Index2);
        std::swap(FList[static_cast<std::size_t>(Index1)], FList[static_cast<std::size_t>(Index2)]);
    }
    int IndexOf(const I* Item) const {
        std::lock_guard lock(FLock);
        return IndexOfLocked(Item);
    }
    Ref First() const { return Items(0); }
    Ref Last() const {
        std::lock_guard lock(FLock);
        return Items(static_cast<int>(FList.size()) - 1);
    }
    int Count() const {
        std::lock_guard lock(FLock);
        return static_cast<int>(FList.size());
    }
    Ref Items(int Index) const {
        std::lock_guard lock(FLock);
        CheckIndex(Index);
        return FList[static_cast<std::size_t>(Index)];
    }
    void SetItems(int Index, Ref Item) {
        Ref doomed;
        {
            std::lock_guard lock(FLock);
            CheckIndex(Index);
            doomed = std::exchange(FList[static_cast<std::size_t>(Index)], std::move(Item));
        }
    }
    // A copy of the references, for calling every entry while entries may add or remove themselves.
    std::vector<Ref> Snapshot() const {
        std::lock_guard lock(FLock);
        return FList;
    }
    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }

private:
    int IndexOfLocked(const I* Item) const {
        const auto it =
            std::find_if(FList.begin(), FList.end(), [&](const Ref& r) { return r.get() == Item; });
        return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
    }
    void CheckIndex(int Index) const {
        if (Index < 0 || Index >= static_cast<int>(FList.size())) IndexError(Index);
    }
    [[noreturn]] static void IndexError(int Index) {
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    }

    std::vector<Ref> FList;
    mutable std::recursive_mutex FLock;
};
