// Where the samples of immutable blocks live. A store takes planar samples once and hands back a
// read-only handle; the samples are released when the last handle goes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "audio/SampleBuffer.h"

class TStoredSamples {
public:
    virtual ~TStoredSamples() = default;
    virtual int Channels() const = 0;
    virtual std::int64_t Frames() const = 0;
    // Copies `count` frames of one channel, starting at `offset`, to `dst`.
    virtual void Read(int channel, std::int64_t offset, std::int64_t count, float* dst) const = 0;
    // Moves samples held in memory to the store's temporary file, where reads keep finding them; for
    // blocks only the undo history needs. Returns the bytes of memory given back (0 when the samples
    // were not in memory, or the store has no such file, or the file has no room for them).
    virtual std::int64_t MoveToDisk() const { return 0; }
};

class TBlockStore {
public:
    virtual ~TBlockStore() = default;
    // `planar` holds `channels` runs of `frames` samples each. Raises EAudioError when the store
    // cannot keep them (a full disk, for example); nothing is half-stored then.
    virtual std::shared_ptr<const TStoredSamples> Store(const float* planar, int channels,
                                                        std::int64_t frames) = 0;
    // The same for samples the caller gives away, which a store may keep without copying.
    virtual std::shared_ptr<const TStoredSamples> StoreOwned(TSampleBuffer&& planar, int channels,
                                                             std::int64_t frames) {
        return Store(planar.Data(), channels, frames);
    }
};

// Keeps the samples in memory; with a spill folder, samples can be moved to a temporary file there.
std::shared_ptr<TBlockStore> MakeMemoryBlockStore(const std::string& spillFolder = {});

// Keeps the samples in one unlinked temporary file inside `folder` (which must exist); the file
// vanishes with the store and with the process.
std::shared_ptr<TBlockStore> MakeFileBlockStore(const std::string& folder);
