#include "audio/devices/SdlAudioDevice.h"

#include <SDL.h>

#include <cstring>

TSdlAudioSubsystem::TSdlAudioSubsystem() : FStarted(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}

TSdlAudioSubsystem::~TSdlAudioSubsystem() {
    if (FStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TSdlAudioDevice::TSdlAudioDevice() = default;

TSdlAudioDevice::~TSdlAudioDevice() {
    Close();
}

int TSdlAudioDevice::BufferFramesFor(int sampleRate) {
    int frames = 256;
    while (frames < 4096 && frames * 2 <= sampleRate / 50)
        frames *= 2;
    return frames;
}

bool TSdlAudioDevice::Open(bool capture, const std::string& deviceName, int sampleRate, int channels,
                           int bufferFrames, TCallback callback) {
    Close();
    FLastError.clear();
    if (sampleRate <= 0 || channels <= 0 || channels > 8) {
        FLastError = "Invalid audio format.";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        FLastError = SDL_GetError();
        return false;
    }
    FSubsystem = true;
    FCallback = std::move(callback);
    FChannels = channels;
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.freq = sampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = static_cast<Uint8>(channels);
    wanted.samples = static_cast<Uint16>(bufferFrames);
    wanted.callback = &TSdlAudioDevice::Trampoline;
    wanted.userdata = this;
    SDL_AudioSpec obtained;
    // No changes allowed: SDL converts between our format and the hardware's.
    FDevice = SDL_OpenAudioDevice(deviceName.empty() ? nullptr : deviceName.c_str(), capture ? 1 : 0, &wanted,
                                  &obtained, 0);
    if (FDevice == 0) {
        FLastError = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        FSubsystem = false;
        FCallback = nullptr;
        return false;
    }
    return true;
}

void TSdlAudioDevice::Close() {
    if (FDevice) {
        SDL_CloseAudioDevice(FDevice);
        FDevice = 0;
    }
    if (FSubsystem) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        FSubsystem = false;
    }
    FCallback = nullptr;
}

void TSdlAudioDevice::SetPaused(bool paused) {
    if (FDevice) SDL_PauseAudioDevice(FDevice, paused ? 1 : 0);
}

bool TSdlAudioDevice::IsAlive() const {
    return FDevice != 0 && SDL_GetAudioDeviceStatus(FDevice) != SDL_AUDIO_STOPPED;
}

void TSdlAudioDevice::Locked(const std::function<void()>& work) {
    if (!FDevice) {
        work();
        return;
    }
    SDL_LockAudioDevice(FDevice);
    try {
        work();
    } catch (...) {
        SDL_UnlockAudioDevice(FDevice);
        throw;
    }
    SDL_UnlockAudioDevice(FDevice);
}

std::vector<std::string> TSdlAudioDevice::DeviceNames(bool capture) {
    std::vector<std::string> names;
    TSdlAudioSubsystem audio;
    if (!audio.Started()) return names;
    const int count = SDL_GetNumAudioDevices(capture ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, capture ? 1 : 0);
        names.emplace_back(name ? name : "");
    }
    return names;
}

void TSdlAudioDevice::Trampoline(void* user, std::uint8_t* stream, int bytes) {
    auto* self = static_cast<TSdlAudioDevice*>(user);
    const int frames = bytes / int(sizeof(float)) / self->FChannels;
    if (self->FCallback)
        self->FCallback(reinterpret_cast<float*>(stream), frames);
    else
        std::memset(stream, 0, static_cast<size_t>(bytes));
}
