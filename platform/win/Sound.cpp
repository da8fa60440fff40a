#include "platform/win/Sound.h"

namespace {
olva::win::SoundRequest Last;
}

BOOL PlaySound(const char* name, HMODULE, DWORD flags) {
    Last.Made = true;
    Last.Stop = name == nullptr;
    Last.Name = name != nullptr ? name : "";
    Last.Flags = flags;
    return TRUE;
}

namespace olva::win {

const SoundRequest& LastSoundRequest() {
    return Last;
}

void ResetSoundRequests() {
    Last = SoundRequest{};
}

} // namespace olva::win
