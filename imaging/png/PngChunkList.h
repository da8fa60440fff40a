// The ordered chunk list of a PNG image. It owns its chunks.
#pragma once

#include "imaging/png/PngChunk.h"

#include <memory>
#include <vector>

class TPNGList {
public:
    explicit TPNGList(TPngPicture* AOwner) : FOwner(AOwner) {}

    int Count() const { return static_cast<int>(FItems.size()); }
    // nil out of range.
    TChunk* Item(int Index) const;
    void Add(std::unique_ptr<TChunk> Chunk);
    // Ignored when Position >= Count.
    void Insert(std::unique_ptr<TChunk> Chunk, int Position);
    // Removes the chunk from the list and hands it back; nil when absent.
    std::unique_ptr<TChunk> Extract(TChunk* Chunk);
    void DeleteChunk(TChunk* Chunk);
    void Clear() { FItems.clear(); }
    int IndexOf(const TChunk* Chunk) const;

    // The first chunk of class T or a class derived from it.
    template <class T> T* FindChunk() const {
        for (const auto& c : FItems)
            if (auto* t = dynamic_cast<T*>(c.get())) return t;
        return nullptr;
    }

    TPngPicture* Owner() const { return FOwner; }

private:
    TPngPicture* FOwner;
    std::vector<std::unique_ptr<TChunk>> FItems;
};
