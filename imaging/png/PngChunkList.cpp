#include "imaging/png/PngChunkList.h"

TChunk* TPNGList::Item(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[static_cast<std::size_t>(Index)].get() : nullptr;
}

void TPNGList::Add(std::unique_ptr<TChunk> Chunk) {
    FItems.push_back(std::move(Chunk));
}

void TPNGList::Insert(std::unique_ptr<TChunk> Chunk, int Position) {
    if (Position < 0 || Position >= Count()) return;
    FItems.insert(FItems.begin() + Position, std::move(Chunk));
}

int TPNGList::IndexOf(const TChunk* Chunk) const {
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems[static_cast<std::size_t>(i)].get() == Chunk) return i;
    return -1;
}

std::unique_ptr<TChunk> TPNGList::Extract(TChunk* Chunk) {
    const int i = IndexOf(Chunk);
    if (i < 0) return nullptr;
    auto owned = std::move(FItems[static_cast<std::size_t>(i)]);
    FItems.erase(FItems.begin() + i);
    return owned;
}

void TPNGList::DeleteChunk(TChunk* Chunk) {
    Extract(Chunk);
}
