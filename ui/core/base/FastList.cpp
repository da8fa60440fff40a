#include "ui/core/base/FastList.h"

#include "platform/rtl/Exceptions.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace fast_list_detail {
[[noreturn]] void Fail(const char* text, int value) {
    std::string message(text);
    message.replace(message.find("%d"), 2, std::to_string(value));
    throw EListError(message);
}
} // namespace fast_list_detail

TovFastList::TovFastList(int ACapacity) {
    SetCapacity(ACapacity);
}

TovFastList::~TovFastList() {
    std::free(FSlots);
}

void TovFastList::CheckIndex(int AIndex, int ALimit) const {
    if (AIndex < 0 || AIndex >= ALimit) fast_list_detail::Fail("List index out of bounds (%d)", AIndex);
}

void TovFastList::Grow() {
    int delta = 16;
    if (FAllocated > 128)
        delta = FAllocated / 2;
    else if (FAllocated > 16)
        delta = 32;
    SetCapacity(FAllocated + delta > MaxCapacity ? MaxCapacity : FAllocated + delta);
}

int TovFastList::Add(void* AItem) {
    if (FUsed == FAllocated) Grow();
    FSlots[FUsed] = AItem;
    return FUsed++;
}

void TovFastList::Insert(int AIndex, void* AItem) {
    CheckIndex(AIndex, FUsed + 1);
    if (FUsed == FAllocated) Grow();
    std::memmove(FSlots + AIndex + 1, FSlots + AIndex, sizeof(void*) * static_cast<size_t>(FUsed - AIndex));
    FSlots[AIndex] = AItem;
    ++FUsed;
}

void TovFastList::Delete(int AIndex) {
    CheckIndex(AIndex, FUsed);
    --FUsed;
    std::memmove(FSlots + AIndex, FSlots + AIndex + 1, sizeof(void*) * static_cast<size_t>(FUsed - AIndex));
}

void* TovFastList::Items(int AIndex) const {
    CheckIndex(AIndex, FUsed);
    return FSlots[AIndex];
}

void TovFastList::SetItems(int AIndex, void* AItem) {
    CheckIndex(AIndex, FUsed);
    FSlots[AIndex] = AItem;
}

int TovFastList::IndexOf(const void* AItem, bool ABackward) const {
    if (ABackward) {
        for (int i = FUsed - 1; i >= 0; --i)
            if (FSlots[i] == AItem) return i;
    } else {
        for (int i = 0; i < FUsed; ++i)
            if (FSlots[i] == AItem) return i;
    }
    return -1;
}

int TovFastList::Remove(void* AItem) {
    const int index = IndexOf(AItem);
    if (index >= 0) Delete(index);
    return index;
}

void* TovFastList::Extract(void* AItem) {
    return Remove(AItem) >= 0 ? AItem : nullptr;
}

void TovFastList::Clear() {
    FUsed = 0;
    SetCapacity(0);
}

void TovFastList::SetCapacity(int AValue) {
    if (AValue < FUsed || AValue > MaxCapacity)
        fast_list_detail::Fail("List capacity out of bounds (%d)", AValue);
    if (AValue == FAllocated) return;
    if (AValue == 0) {
        std::free(FSlots);
        FSlots = nullptr;
    } else {
        // realloc leaves the old block in place when it fails, so the list stays intact.
        void* grown = std::realloc(FSlots, sizeof(void*) * static_cast<size_t>(AValue));
        if (grown == nullptr) throw EOutOfMemory("Out of memory");
        FSlots = static_cast<void**>(grown);
    }
    FAllocated = AValue;
}

TovFastObjectList::~TovFastObjectList() {
    TovFastObjectList::Clear();
}

void TovFastObjectList::Clear() {
    if (FOwning) {
        // An object's destructor may look at the list, so each is taken out of its slot first.
        for (int i = 0; i < Count(); ++i) {
            TObject* item = Items(i);
            SetItems(i, nullptr);
            delete item;
        }
    }
    TovFastList::Clear();
}
