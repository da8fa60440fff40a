// The window system's sounds. There is no sound device behind them: MessageBeep is counted (BeepCount in
// Screen.h) and PlaySound plays nothing but keeps what it was asked, so that callers can be checked.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>
#include <vector>

constexpr DWORD SND_ASYNC = 0x0001;
constexpr DWORD SND_NODEFAULT = 0x0002;
constexpr DWORD SND_NOWAIT = 0x2000;
constexpr DWORD SND_ALIAS = 0x10000;

// A null sound stops what plays. Answers TRUE: the sound "played", silently.
BOOL PlaySound(const char* sound, HMODULE module, DWORD flags);

namespace olva::win {

struct TSoundRequest {
    std::string Sound; // empty: stop
    DWORD Flags = 0;
};
// What PlaySound was asked since the window system was last reset, oldest first.
const std::vector<TSoundRequest>& SoundRequests();
void ResetSounds();

} // namespace olva::win
