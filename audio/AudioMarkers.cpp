#include "audio/AudioMarkers.h"

#include "audio/AudioError.h"

#include <algorithm>

TFrameChange TFrameChange::Splice(std::int64_t position, std::int64_t removed, std::int64_t inserted) {
    TFrameChange c;
    c.Position = position;
    c.Removed = removed;
    c.Inserted = inserted;
    return c;
}

TFrameChange TFrameChange::Scale(std::int64_t num, std::int64_t den) {
    TFrameChange c;
    c.ScaleNum = num;
    c.ScaleDen = den;
    return c;
}

TFrameChange TFrameChange::Inverse() const {
    if (ScaleNum != 0) return Scale(ScaleDen, ScaleNum);
    return Splice(Position, Inserted, Removed);
}

std::int64_t TFrameChange::Map(std::int64_t frame) const {
    if (ScaleNum != 0) {
        __int128 v = static_cast<__int128>(frame) * ScaleNum;
        return static_cast<std::int64_t>((v + ScaleDen / 2) / ScaleDen);
    }
    if (frame < Position) return frame;
    if (frame >= Position + Removed) return frame + Inserted - Removed;
    // Inside the replaced stretch a point keeps its relative place in the new material: unchanged when
    // the length is kept (an effect), stretched with it, at the cut when nothing replaced it.
    return Position + (frame - Position) * Inserted / Removed;
}

const TAudioMarker& TAudioMarkers::Item(int number) const {
    if (number < 1 || number > Count())
        throw EAudioError("Marker " + std::to_string(number) + " does not exist.");
    return FItems[number - 1];
}

int TAudioMarkers::Add(std::int64_t position, std::int64_t length, const std::string& name,
                       const std::string& kind) {
    TAudioMarker m;
    m.Id = FNextId++;
    m.Position = std::max<std::int64_t>(0, position);
    m.Length = std::max<std::int64_t>(0, length);
    m.Name = name;
    m.Kind = kind;
    FItems.push_back(m);
    return Count();
}

void TAudioMarkers::Delete(int number) {
    Item(number); // checks the number
    FItems.erase(FItems.begin() + (number - 1));
}

void TAudioMarkers::Apply(const TFrameChange& change) {
    for (TAudioMarker& m : FItems) {
        std::int64_t start = change.Map(m.Position);
        std::int64_t end = change.Map(m.Position + m.Length);
        m.Position = start;
        m.Length = std::max<std::int64_t>(0, end - start);
    }
}
