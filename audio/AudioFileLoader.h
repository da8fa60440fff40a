// Decodes a whole sound file into a sequence of blocks, choosing memory or the temporary folder by size.
#pragma once

#include "audio/AudioDocument.h"
#include "audio/AudioTags.h"
#include "audio/ChunkedDecode.h"

#include <string>

struct TLoadedAudio {
    TSampleSequence Samples;
    int SampleRate = 0;
    std::shared_ptr<TBlockStore> Store;
    TAudioTags Tags;
    std::string Description;
};

struct TLoadOptions {
    std::string TempDirectory;                   // where large documents and the undo history are kept
    std::int64_t MemoryLimitBytes = 512ll << 20; // larger documents go to the file store
    std::shared_ptr<TBlockStore> Store;          // when set, used whatever the size
    TDecodeSplit Split;                          // how the decoding is spread over threads
};

// The temporary folder when the editor names none: $TMPDIR, else /tmp.
std::string DefaultTempDirectory();

// Raises EAudioError with a clear message when the file cannot be decoded.
TLoadedAudio LoadAudioFile(const std::string& path, const TLoadOptions& options,
                           const TProgressFunc& progress = {});
