// Silent sounds: counted and recorded instead of played.
#include "platform/win/Sounds.h"

#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

namespace olva::win {

namespace sounds_detail {
int Beeps = 0;
std::vector<TSoundRequest>& Requests() {
    static std::vector<TSoundRequest> requests;
    return requests;
}
} // namespace sounds_detail

int BeepCount() {
    return sounds_detail::Beeps;
}

const std::vector<TSoundRequest>& SoundRequests() {
    return sounds_detail::Requests();
}

void ResetSounds() {
    sounds_detail::Requests().clear();
}

} // namespace olva::win

void MessageBeep(UINT) {
    ++olva::win::sounds_detail::Beeps;
}

BOOL PlaySound(const char* sound, HMODULE, DWORD flags) {
    olva::win::sounds_detail::Requests().push_back({sound ? sound : "", flags});
    return TRUE;
}
