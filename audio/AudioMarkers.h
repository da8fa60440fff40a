// Bookmarks and regions of a document: numbered 1..Count in the order they were made; each keeps its
// place in the sound as edits before it insert or remove frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TAudioMarker {
    int Id = 0; // stable identity across renumbering
    std::int64_t Position = 0;
    std::int64_t Length = 0;
    std::string Name;
    std::string Kind; // "Bookmark" or "Region"
};

// One change of the frame axis: `Removed` frames at `Position` were replaced by `Inserted` frames, or,
// for a rate conversion, every position scaled by ScaleNum / ScaleDen. Points inside a replaced stretch
// keep their relative place in what replaced it.
struct TFrameChange {
    std::int64_t Position = 0;
    std::int64_t Removed = 0;
    std::int64_t Inserted = 0;
    std::int64_t ScaleNum = 0; // 0: a splice, not a scaling
    std::int64_t ScaleDen = 1;

    static TFrameChange Splice(std::int64_t position, std::int64_t removed, std::int64_t inserted);
    static TFrameChange Scale(std::int64_t num, std::int64_t den);
    TFrameChange Inverse() const;
    std::int64_t Map(std::int64_t frame) const;
};

class TAudioMarkers {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    // Marker number 1..Count; raises EAudioError for any other number.
    const TAudioMarker& Item(int number) const;
    int Add(std::int64_t position, std::int64_t length, const std::string& name, const std::string& kind);
    void Delete(int number);
    void Clear() { FItems.clear(); }
    void Apply(const TFrameChange& change);
    const std::vector<TAudioMarker>& Items() const { return FItems; }
    std::vector<TAudioMarker>& MutableItems() { return FItems; }

private:
    std::vector<TAudioMarker> FItems;
    int FNextId = 1;
};
