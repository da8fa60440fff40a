#include "platform/win/Sound.h"

#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

namespace {
olva::win::SoundRequest Last;
int Beeps = 0;
} // namespace

// There is no sound device behind the beep either; it is counted so that callers can be checked.
void MessageBeep(UINT) {
    ++Beeps;
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

int BeepCount() {
    return Beeps;
}

} // namespace olva::win
