// One capture stream per input device, shared by everyone who listens to that device (the recorder and
// the level meters): many systems refuse a second open of a capture device. The device is opened in
// 48 kHz stereo float; each listener gets the samples converted to its own rate and channel count, on
// the audio thread. The device closes when the last listener leaves.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TCaptureHub {
public:
    // The samples (interleaved float, the listener's format) of one device buffer, on the audio thread.
    using TSink = std::function<void(const float* samples, int frames)>;
    // The device stopped delivering (unplugged, failed); on the user-interface thread.
    using TLostHandler = std::function<void()>;

    class TListener;
    // Opens the device (`deviceName` empty for the default) unless it is open already. Returns null and
    // sets `error` when it cannot be opened.
    static std::unique_ptr<TListener> Listen(const std::string& deviceName, int sampleRate, int channels,
                                             TSink sink, TLostHandler lost, std::string& error);

    // The rate and channel count the devices are opened with.
    static constexpr int DeviceRate = 48000;
    static constexpr int DeviceChannels = 2;

    // Tells the listeners of `deviceName` that the device is gone and closes it; the device watch calls
    // this when the device stops by itself.
    static void DeviceLost(const std::string& deviceName);
};

// Listening lasts for the lifetime of this object; destroying it waits until its sink is no longer
// running on the audio thread.
class TCaptureHub::TListener {
public:
    ~TListener();
    TListener(const TListener&) = delete;
    TListener& operator=(const TListener&) = delete;
    // While paused the sink receives nothing (the device keeps running for the other listeners).
    void SetPaused(bool paused);

    struct TState; // shared with the device's delivery on the audio thread

private:
    friend class TCaptureHub;
    explicit TListener(std::shared_ptr<TState> state) : FState(std::move(state)) {}
    std::shared_ptr<TState> FState;
};
