// A sound being edited: rate, channel count, samples as a shared-block sequence, markers and the undo
// history. Every change is one undoable step (or part of an open group); undo and redo swap whole
// sequences, which share their unchanged blocks, so they cost only what the step changed.
#pragma once

#include "audio/AudioMarkers.h"
#include "audio/BlockSpiller.h"
#include "audio/SampleSequence.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Progress in percent (0..100) of a long operation.
using TProgressFunc = std::function<void(int percent)>;

class TAudioDocument {
public:
    TAudioDocument(int sampleRate, int channels, std::shared_ptr<TBlockStore> store);
    TAudioDocument(int sampleRate, TSampleSequence samples, std::shared_ptr<TBlockStore> store);

    int SampleRate() const { return FSampleRate; }
    int Channels() const { return FSamples.Channels(); }
    std::int64_t Length() const { return FSamples.Frames(); }
    const TSampleSequence& Samples() const { return FSamples; }
    const std::shared_ptr<TBlockStore>& Store() const { return FStore; }
    TSequenceBuilder MakeBuilder() const { return TSequenceBuilder(FStore, Channels()); }

    // Reading: frames [start, start + count), clipped to the document.
    std::vector<float> ReadInterleaved(std::int64_t start, std::int64_t count) const;
    std::vector<std::vector<float>> ReadPlanar(std::int64_t start, std::int64_t count) const;

    // Writing: frames [start, start + count) become the given samples (any length), as one step.
    void ReplaceInterleaved(std::int64_t start, std::int64_t count, const float* data, std::int64_t frames);
    void ReplacePlanar(std::int64_t start, std::int64_t count, const std::vector<std::vector<float>>& data);
    void Replace(std::int64_t start, std::int64_t count, const TSampleSequence& samples);
    void Insert(std::int64_t at, const TSampleSequence& samples) { Replace(at, 0, samples); }
    void Erase(std::int64_t start, std::int64_t count) { Replace(start, count, TSampleSequence(Channels())); }
    // A new rate and channel count with the samples converted (best-quality resampling), as one step.
    void Convert(int sampleRate, int channels, const TProgressFunc& progress = {});

    // Undo groups: every change between the outermost BeginGroup and its EndGroup is one step.
    void BeginGroup();
    void EndGroup();
    bool CanUndo() const { return !FUndo.empty(); }
    bool CanRedo() const { return !FRedo.empty(); }
    bool Undo();
    bool Redo();

    TAudioMarkers& Markers() { return FMarkers; }
    const TAudioMarkers& Markers() const { return FMarkers; }

    // Blocks that only the undo history holds after a change, undo or redo go to the store's temporary
    // file (where the store keeps one), on a thread of their own: the document's own samples stay in
    // memory, the history's do not. An edit that is streaming through the samples hands over the ones
    // it has read through this.
    void MoveToDiskLater(std::vector<std::shared_ptr<const TSampleBlock>> blocks);
    // For an edit streaming through the samples: returns once the blocks handed over are no more than a
    // few rounds behind, so that the old samples leave memory about as fast as the new ones come.
    void KeepUpWithMoves() { FSpiller->WaitUntilFewer(32); }
    // Waits until the blocks handed over so far have moved.
    void WaitForMoves() { FSpiller->Wait(); }

    // Raised after every change, undo and redo, with the change of the frame axis.
    std::function<void(const TFrameChange&)> OnFramesChanged;

private:
    struct TMarkerPlace {
        int Id;
        std::int64_t Position, Length;
    };
    struct TState {
        TSampleSequence Samples{1};
        int SampleRate = 0;
        std::vector<TMarkerPlace> Markers;
    };
    struct TStep {
        TState Before, After;
        std::vector<TFrameChange> Changes;
    };
    TState Capture() const;
    void Restore(const TState& state, const std::vector<TFrameChange>& changes, bool backwards);
    void Commit(TState before, const TFrameChange& change);
    // Hands the blocks of `previous` that the document no longer uses to the spiller.
    void MoveUnusedToDisk(const TSampleSequence& previous);

    int FSampleRate;
    TSampleSequence FSamples;
    std::shared_ptr<TBlockStore> FStore;
    TAudioMarkers FMarkers;
    std::vector<TStep> FUndo, FRedo;
    int FGroupDepth = 0;
    TStep FGroup;
    // Last, so that it stops before the samples it may be moving go.
    std::unique_ptr<TBlockSpiller> FSpiller = std::make_unique<TBlockSpiller>();
};
