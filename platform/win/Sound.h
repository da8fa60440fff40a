// System sounds. The program's sounds are the menus' event sounds ("MenuPopup", "MenuCommand"); this
// desktop has no event-sound scheme, so PlaySound plays nothing and reports success. The last request is
// kept so that callers' choices can be checked.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_NOWAIT = 0x2000;
constexpr DWORD SND_ALIAS = 0x10000;

// A null name stops the sound playing.
BOOL PlaySound(const char* name, HMODULE module, DWORD flags);

namespace olva::win {

struct SoundRequest {
    bool Made = false; // PlaySound was called since the last reset
    bool Stop = false; // the request had no name
    std::string Name;
    DWORD Flags = 0;
};
const SoundRequest& LastSoundRequest();
void ResetSoundRequests();

} // namespace olva::win
