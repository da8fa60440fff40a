// One SDL audio device, opened for playback or capture of interleaved 32-bit float samples at the
// caller's rate and channel count (SDL converts to and from what the hardware wants). The callback
// runs on SDL's audio thread; Close waits for it to finish, so nothing runs after Close returns.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TSdlAudioDevice {
public:
    // Playback fills `samples` (frames × channels floats); capture reads them.
    using TCallback = std::function<void(float* samples, int frames)>;

    TSdlAudioDevice();
    ~TSdlAudioDevice();
    TSdlAudioDevice(const TSdlAudioDevice&) = delete;
    TSdlAudioDevice& operator=(const TSdlAudioDevice&) = delete;

    // Opens paused. `deviceName` empty for the default device. Returns false (with LastError set) when
    // there is no audio system or the device refuses the format.
    bool Open(bool capture, const std::string& deviceName, int sampleRate, int channels, int bufferFrames,
              TCallback callback);
    void Close();
    bool IsOpen() const { return FDevice != 0; }
    void SetPaused(bool paused);
    // False once the device has stopped by itself (unplugged, failed).
    bool IsAlive() const;
    // Runs `work` while the callback is held off.
    void Locked(const std::function<void()>& work);
    const std::string& LastError() const { return FLastError; }

    // Frames per callback for about 20 ms at `sampleRate` (a power of two, 256 to 4096).
    static int BufferFramesFor(int sampleRate);
    // Names of the devices SDL lists (capture or playback); empty without an audio system.
    static std::vector<std::string> DeviceNames(bool capture);

private:
    static void Trampoline(void* user, std::uint8_t* stream, int bytes);
    std::uint32_t FDevice = 0;
    bool FSubsystem = false;
    int FChannels = 0;
    TCallback FCallback;
    std::string FLastError;
};

// Keeps SDL's audio subsystem started for the lifetime of the object; false when it cannot start.
class TSdlAudioSubsystem {
public:
    TSdlAudioSubsystem();
    ~TSdlAudioSubsystem();
    TSdlAudioSubsystem(const TSdlAudioSubsystem&) = delete;
    TSdlAudioSubsystem& operator=(const TSdlAudioSubsystem&) = delete;
    bool Started() const { return FStarted; }

private:
    bool FStarted = false;
};
