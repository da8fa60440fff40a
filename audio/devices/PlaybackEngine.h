// Plays frames of a source on the default output device and reports on the user-interface thread:
// the play position and the output levels after every device buffer (about every 20 ms), and the end
// of the play exactly once, whether it ran out, was stopped or the device went away.
#pragma once

#include "audio/devices/DeviceMessageWindow.h"
#include "audio/devices/SdlAudioDevice.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TPlaybackEngine {
public:
    // Fills `dst` with up to `count` frames starting at `frame`; returns the frames written. Called on
    // the audio thread, so it must only read immutable data.
    using TReader = std::function<std::int64_t(std::int64_t frame, std::int64_t count, float* dst)>;

    enum TState { Stopped = 0, Playing = 1, Paused = 5 };

    TPlaybackEngine();
    ~TPlaybackEngine();
    TPlaybackEngine(const TPlaybackEngine&) = delete;
    TPlaybackEngine& operator=(const TPlaybackEngine&) = delete;

    // Opens the output device for the format, paused; false when no device can play it.
    bool Open(int sampleRate, int channels);
    // Plays [start, end) of the source, over and over when looped. Opens the device for the format
    // when it is not open in it. False when it cannot be opened (nothing plays, no events).
    bool Play(int sampleRate, int channels, TReader reader, std::int64_t start, std::int64_t end,
              bool looped);
    // Ends the play (the end event fires once when one was running) and closes the device. Safe to
    // call at any time, also twice and from the end event itself.
    void Stop();
    void Pause();
    void Resume();
    TState State() const { return FState; }
    // The frame of the source being handed to the device.
    std::int64_t Position() const;
    const std::string& LastError() const { return FDevice.LastError(); }

    std::function<void()> OnChangePlayPosition;
    std::function<void(int left, int right)> OnMeter; // peak levels 0..100 of the last buffer
    std::function<void()> OnEndPlay;

private:
    struct TPlay; // what the audio thread reads, replaced for every play
    void Fill(float* samples, int frames);
    void HandleMessage(unsigned message, std::uintptr_t play, std::intptr_t);
    void Finish();

    TSdlAudioDevice FDevice;
    TDeviceMessageWindow FWindow;
    int FRate = 0, FChannels = 0;
    TState FState = Stopped;
    std::shared_ptr<TPlay> FPlay;      // owned by the user-interface thread
    std::shared_ptr<TPlay> FAudioPlay; // the audio thread's copy, swapped under the device lock
    std::atomic<std::uint32_t> FSerial{0};
};
