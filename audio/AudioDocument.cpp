#include "audio/AudioDocument.h"

#include "audio/AudioError.h"
#include "audio/AudioResampler.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

TAudioDocument::TAudioDocument(int sampleRate, int channels, std::shared_ptr<TBlockStore> store)
    : TAudioDocument(sampleRate, TSampleSequence(channels), std::move(store)) {}

TAudioDocument::TAudioDocument(int sampleRate, TSampleSequence samples, std::shared_ptr<TBlockStore> store)
    : FSampleRate(sampleRate), FSamples(std::move(samples)), FStore(std::move(store)) {
    if (sampleRate <= 0 || sampleRate > 768000)
        throw EAudioError("Invalid sample rate: " + std::to_string(sampleRate) + ".");
    if (FSamples.Channels() != 1 && FSamples.Channels() != 2)
        throw EAudioError("A document has one or two channels.");
}

std::vector<float> TAudioDocument::ReadInterleaved(std::int64_t start, std::int64_t count) const {
    start = std::clamp<std::int64_t>(start, 0, Length());
    count = std::clamp<std::int64_t>(count, 0, Length() - start);
    std::vector<float> out(count * Channels());
    FSamples.ReadInterleaved(start, count, out.data());
    return out;
}

std::vector<std::vector<float>> TAudioDocument::ReadPlanar(std::int64_t start, std::int64_t count) const {
    start = std::clamp<std::int64_t>(start, 0, Length());
    count = std::clamp<std::int64_t>(count, 0, Length() - start);
    std::vector<std::vector<float>> out(Channels(), std::vector<float>(count));
    for (int c = 0; c < Channels(); ++c)
        FSamples.ReadChannel(c, start, count, out[c].data());
    return out;
}

void TAudioDocument::ReplaceInterleaved(std::int64_t start, std::int64_t count, const float* data,
                                        std::int64_t frames) {
    TSequenceBuilder builder = MakeBuilder();
    builder.AppendInterleaved(data, frames);
    Replace(start, count, builder.Finish());
}

void TAudioDocument::ReplacePlanar(std::int64_t start, std::int64_t count,
                                   const std::vector<std::vector<float>>& data) {
    if (int(data.size()) != Channels())
        throw EAudioError("The samples have " + std::to_string(data.size()) + " channels; the document has " +
                          std::to_string(Channels()) + ".");
    std::vector<const float*> pointers;
    for (const auto& channel : data) {
        if (channel.size() != data[0].size())
            throw EAudioError("The channels of the samples differ in length.");
        pointers.push_back(channel.data());
    }
    TSequenceBuilder builder = MakeBuilder();
    builder.AppendPlanar(pointers.data(), std::int64_t(data[0].size()));
    Replace(start, count, builder.Finish());
}

TAudioDocument::TState TAudioDocument::Capture() const {
    TState state{FSamples, FSampleRate, {}};
    for (const TAudioMarker& m : FMarkers.Items())
        state.Markers.push_back({m.Id, m.Position, m.Length});
    return state;
}

void TAudioDocument::Commit(TState before, const TFrameChange& change) {
    FMarkers.Apply(change);
    if (FGroupDepth > 0) {
        FGroup.Changes.push_back(change);
    } else {
        FUndo.push_back(TStep{std::move(before), Capture(), {change}});
    }
    FRedo.clear();
    if (OnFramesChanged) OnFramesChanged(change);
}

void TAudioDocument::Replace(std::int64_t start, std::int64_t count, const TSampleSequence& samples) {
    if (!samples.Empty() && samples.Channels() != Channels())
        throw EAudioError("The samples have " + std::to_string(samples.Channels()) +
                          " channels; the document has " + std::to_string(Channels()) + ".");
    start = std::clamp<std::int64_t>(start, 0, Length());
    count = std::clamp<std::int64_t>(count, 0, Length() - start);
    if (count == 0 && samples.Empty()) return;
    TState before = FGroupDepth > 0 ? TState{} : Capture();
    TSampleSequence previous = FSamples;
    FSamples = FSamples.Replace(start, count, samples);
    Commit(std::move(before), TFrameChange::Splice(start, count, samples.Frames()));
    MoveUnusedToDisk(previous);
}

void TAudioDocument::MoveToDiskLater(std::vector<std::shared_ptr<const TSampleBlock>> blocks) {
    FSpiller->Move(std::move(blocks));
}

void TAudioDocument::MoveUnusedToDisk(const TSampleSequence& previous) {
    std::unordered_set<const TSampleBlock*> used;
    for (const TBlockSlice& slice : FSamples.Slices())
        used.insert(slice.Block.get());
    std::vector<std::shared_ptr<const TSampleBlock>> unused;
    for (const TBlockSlice& slice : previous.Slices())
        if (used.insert(slice.Block.get()).second) unused.push_back(slice.Block);
    MoveToDiskLater(std::move(unused));
}

void TAudioDocument::Convert(int sampleRate, int channels, const TProgressFunc& progress) {
    if (sampleRate <= 0 || sampleRate > 768000)
        throw EAudioError("Invalid sample rate: " + std::to_string(sampleRate) + ".");
    if (channels != 1 && channels != 2) throw EAudioError("A document has one or two channels.");
    if (sampleRate == FSampleRate && channels == Channels()) return;
    TSampleSequence converted =
        ConvertSequence(FSamples, FSampleRate, sampleRate, channels, FStore, progress);
    TState before = FGroupDepth > 0 ? TState{} : Capture();
    TSampleSequence previous = std::exchange(FSamples, std::move(converted));
    int oldRate = FSampleRate;
    FSampleRate = sampleRate;
    Commit(std::move(before),
           sampleRate == oldRate ? TFrameChange::Splice(0, 0, 0) : TFrameChange::Scale(sampleRate, oldRate));
    MoveUnusedToDisk(previous);
}

void TAudioDocument::BeginGroup() {
    if (FGroupDepth++ == 0) FGroup = TStep{Capture(), {}, {}};
}

void TAudioDocument::EndGroup() {
    if (FGroupDepth == 0) return;
    if (--FGroupDepth > 0) return;
    if (!FGroup.Changes.empty()) {
        FGroup.After = Capture();
        FUndo.push_back(std::move(FGroup));
    }
    FGroup = TStep{};
}

void TAudioDocument::Restore(const TState& state, const std::vector<TFrameChange>& changes, bool backwards) {
    FSamples = state.Samples;
    FSampleRate = state.SampleRate;
    // Markers made after the step, and the listener's positions, follow the changes undone or redone;
    // markers the step knew get their exact place back.
    std::vector<TFrameChange> replay;
    if (backwards)
        for (auto it = changes.rbegin(); it != changes.rend(); ++it)
            replay.push_back(it->Inverse());
    else
        replay = changes;
    for (const TFrameChange& change : replay)
        FMarkers.Apply(change);
    for (TAudioMarker& m : FMarkers.MutableItems()) {
        auto known = std::find_if(state.Markers.begin(), state.Markers.end(),
                                  [&](const TMarkerPlace& p) { return p.Id == m.Id; });
        if (known != state.Markers.end()) {
            m.Position = known->Position;
            m.Length = known->Length;
        }
    }
    if (OnFramesChanged)
        for (const TFrameChange& change : replay)
            OnFramesChanged(change);
}

bool TAudioDocument::Undo() {
    if (FGroupDepth > 0) { // an open group ends before it can be undone
        FGroupDepth = 1;
        EndGroup();
    }
    if (FUndo.empty()) return false;
    TStep step = std::move(FUndo.back());
    FUndo.pop_back();
    TSampleSequence previous = FSamples;
    Restore(step.Before, step.Changes, true);
    FRedo.push_back(std::move(step));
    MoveUnusedToDisk(previous);
    return true;
}

bool TAudioDocument::Redo() {
    if (FRedo.empty()) return false;
    TStep step = std::move(FRedo.back());
    FRedo.pop_back();
    TSampleSequence previous = FSamples;
    Restore(step.After, step.Changes, false);
    FUndo.push_back(std::move(step));
    MoveUnusedToDisk(previous);
    return true;
}
