// The engine's own clipboard, shared by every editor of the process: a sequence (which shares its
// blocks with the document it came from) and its sample rate.
#pragma once

#include "audio/SampleSequence.h"

#include <optional>

struct TAudioClip {
    TSampleSequence Samples;
    int SampleRate = 0;
};

namespace audio_clipboard {
void Set(TAudioClip clip);
std::optional<TAudioClip> Get();
void Clear();
} // namespace audio_clipboard
