#include "source/recording/SoundMixer.h"

#include "source/ShellOpen.h"
#include "source/WaitCursor.h"

namespace sound_mixer_detail {
// The desktop's volume control, on its page of input devices.
constexpr const char* MixerProgram = "pavucontrol";
constexpr const char* InputDevicesPage = "--tab=4";
} // namespace sound_mixer_detail

void StartSoundMixer() {
    TWaitCursor wait;
    StartProgram(sound_mixer_detail::MixerProgram, sound_mixer_detail::InputDevicesPage);
}
