#include "audio/devices/CaptureHub.h"

#include "audio/devices/DeviceMessageWindow.h"
#include "audio/devices/SdlAudioDevice.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <vector>

namespace capture_hub_detail {
constexpr UINT CaptureWatchTimer = 1;
constexpr UINT CaptureWatchMs = 100;
} // namespace capture_hub_detail

struct TCaptureHub::TListener::TState {
    std::string DeviceName;
    TSink Sink;
    TLostHandler Lost;
    SDL_AudioStream* Converter = nullptr; // null when the listener's format is the device's
    int Channels = 0;
    std::atomic<bool> Paused{false};
    std::vector<float> Scratch;
    ~TState() {
        if (Converter) SDL_FreeAudioStream(Converter);
    }
};

namespace capture_hub_detail {

using TListenerState = TCaptureHub::TListener::TState;

// One open capture device with its listeners.
struct TOpenDevice {
    std::string Name;
    TSdlAudioDevice Device;
    std::mutex Lock; // guards Listeners between the audio thread and the user-interface thread
    std::vector<std::shared_ptr<TListenerState>> Listeners;
    std::unique_ptr<TDeviceMessageWindow> Watch;

    void Deliver(const float* samples, int frames) {
        std::lock_guard lock(Lock);
        for (auto& listener : Listeners) {
            if (listener->Paused) continue;
            if (!listener->Converter) {
                listener->Sink(samples, frames);
                continue;
            }
            const int bytes = frames * TCaptureHub::DeviceChannels * int(sizeof(float));
            if (SDL_AudioStreamPut(listener->Converter, samples, bytes) != 0) continue;
            const int available = SDL_AudioStreamAvailable(listener->Converter);
            if (available <= 0) continue;
            listener->Scratch.resize(std::size_t(available) / sizeof(float));
            const int got = SDL_AudioStreamGet(listener->Converter, listener->Scratch.data(), available);
            const int outFrames = got / int(sizeof(float)) / listener->Channels;
            if (outFrames > 0) listener->Sink(listener->Scratch.data(), outFrames);
        }
    }
};

std::mutex RegistryLock;
std::map<std::string, std::shared_ptr<TOpenDevice>>& Devices() {
    static std::map<std::string, std::shared_ptr<TOpenDevice>> devices;
    return devices;
}

std::shared_ptr<TOpenDevice> Find(const std::string& name) {
    std::lock_guard lock(RegistryLock);
    auto it = Devices().find(name);
    return it == Devices().end() ? nullptr : it->second;
}

void Remove(const std::string& name) {
    std::shared_ptr<TOpenDevice> device;
    {
        std::lock_guard lock(RegistryLock);
        auto it = Devices().find(name);
        if (it == Devices().end()) return;
        device = it->second;
        Devices().erase(it);
    }
    device->Device.Close();
    if (device->Watch) KillTimer(device->Watch->Handle(), CaptureWatchTimer);
    // The device may be removed from inside its own watch's handler: its window is destroyed later.
    static std::vector<std::shared_ptr<TOpenDevice>> closed;
    closed.clear();
    closed.push_back(device);
}

} // namespace capture_hub_detail

using namespace capture_hub_detail;

std::unique_ptr<TCaptureHub::TListener> TCaptureHub::Listen(const std::string& deviceName, int sampleRate,
                                                            int channels, TSink sink, TLostHandler lost,
                                                            std::string& error) {
    error.clear();
    if (sampleRate <= 0 || channels < 1 || channels > 2 || !sink) {
        error = "Invalid recording format.";
        return nullptr;
    }
    auto state = std::make_shared<TListenerState>();
    state->DeviceName = deviceName;
    state->Sink = std::move(sink);
    state->Lost = std::move(lost);
    state->Channels = channels;
    if (sampleRate != DeviceRate || channels != DeviceChannels) {
        state->Converter = SDL_NewAudioStream(AUDIO_F32SYS, DeviceChannels, DeviceRate, AUDIO_F32SYS,
                                              Uint8(channels), sampleRate);
        if (!state->Converter) {
            error = SDL_GetError();
            return nullptr;
        }
    }

    std::shared_ptr<TOpenDevice> device = Find(deviceName);
    if (!device) {
        device = std::make_shared<TOpenDevice>();
        device->Name = deviceName;
        TOpenDevice* raw = device.get();
        if (!device->Device.Open(true, deviceName, DeviceRate, DeviceChannels,
                                 TSdlAudioDevice::BufferFramesFor(DeviceRate),
                                 [raw](float* samples, int frames) { raw->Deliver(samples, frames); })) {
            error = device->Device.LastError();
            if (error.empty()) error = "No capture device.";
            return nullptr;
        }
        // The watch notices a device that stops by itself.
        device->Watch =
            std::make_unique<TDeviceMessageWindow>([raw, deviceName](UINT message, WPARAM, LPARAM) {
                if (message == WM_TIMER && !raw->Device.IsAlive()) TCaptureHub::DeviceLost(deviceName);
            });
        if (device->Watch->Handle())
            SetTimer(device->Watch->Handle(), CaptureWatchTimer, CaptureWatchMs, nullptr);
        {
            std::lock_guard lock(RegistryLock);
            Devices()[deviceName] = device;
        }
        device->Device.SetPaused(false);
    }
    {
        std::lock_guard lock(device->Lock);
        device->Listeners.push_back(state);
    }
    return std::unique_ptr<TListener>(new TListener(state));
}

void TCaptureHub::DeviceLost(const std::string& deviceName) {
    std::shared_ptr<TOpenDevice> device = Find(deviceName);
    if (!device) return;
    std::vector<std::shared_ptr<TListenerState>> listeners;
    {
        std::lock_guard lock(device->Lock);
        listeners = device->Listeners;
    }
    Remove(deviceName);
    for (auto& listener : listeners)
        if (listener->Lost) listener->Lost();
}

TCaptureHub::TListener::~TListener() {
    std::shared_ptr<TOpenDevice> device = Find(FState->DeviceName);
    if (!device) return;
    bool last = false;
    {
        // Taking the lock waits for a delivery in progress on the audio thread.
        std::lock_guard lock(device->Lock);
        auto& list = device->Listeners;
        auto it = std::find(list.begin(), list.end(), FState);
        if (it == list.end()) return; // the device was lost (and perhaps opened anew) meanwhile
        list.erase(it);
        last = list.empty();
    }
    if (last) Remove(FState->DeviceName);
}

void TCaptureHub::TListener::SetPaused(bool paused) {
    FState->Paused = paused;
}
