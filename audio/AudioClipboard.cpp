#include "audio/AudioClipboard.h"

#include <mutex>

namespace audio_clipboard {

namespace {
std::mutex& Lock() {
    static std::mutex mutex;
    return mutex;
}
std::optional<TAudioClip>& Slot() {
    static std::optional<TAudioClip> clip;
    return clip;
}
} // namespace

void Set(TAudioClip clip) {
    std::lock_guard lock(Lock());
    Slot() = std::move(clip);
}

std::optional<TAudioClip> Get() {
    std::lock_guard lock(Lock());
    return Slot();
}

void Clear() {
    std::lock_guard lock(Lock());
    Slot().reset();
}

} // namespace audio_clipboard
