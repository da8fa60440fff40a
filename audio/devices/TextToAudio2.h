// The speech synthesiser: renders text with one of the installed voices into a WAV file of a chosen
// format. Synthesis runs on a worker thread; progress (OnConvertBlock, percent) and the end
// (OnEndConvert, once per synthesis, also after a failure) arrive on the user-interface thread. The
// file appears at the target only when it is complete; Cancel leaves nothing there.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class TDeviceMessageWindow;

class TTextToAudio2 {
public:
    TTextToAudio2();
    ~TTextToAudio2();
    TTextToAudio2(const TTextToAudio2&) = delete;
    TTextToAudio2& operator=(const TTextToAudio2&) = delete;

    // The installed voices; 0 when no speech engine is available.
    int GetVoiceCount() const;
    void SetCurrentVoice(int index);
    std::string GetVoiceName() const; // the current voice's
    // Chooses the voice of that name; an unknown name keeps the current voice.
    void SetVoiceName(const std::string& name);

    void SetOutputFormat(int sampleRate, int channels);
    // Speaking speed in steps of 10 % around normal (-10..10, 0 normal).
    void SetSpeed(int steps) { FSpeed = steps; }
    // Loudness in percent (0..100).
    void SetVolume(int percent) { FVolume = percent; }
    // Voice pitch 0..100; -1 keeps the voice's own.
    void SetPitch(int pitch) { FPitch = pitch; }

    // Starts rendering `text` (UTF-8) into `targetPath` with `bits` per sample (8, 16, 24 or 32);
    // returns at once. A synthesis already running is cancelled first.
    void Synthesize(const std::string& text, const std::string& targetPath, int bits);
    // Stops a running synthesis and waits for it; its end event does not fire, and no file is written.
    void Cancel();
    bool Busy() const { return FWorker.joinable(); }
    // Empty when the last synthesis succeeded.
    const std::string& LastError() const { return FLastError; }

    std::function<void(int percent)> OnConvertBlock;
    std::function<void()> OnEndConvert;

    struct TJob; // one synthesis, shared with the engine's callback on the worker thread

private:
    void HandleMessage(unsigned message, std::uintptr_t serial, std::intptr_t value);
    static void Run(const std::shared_ptr<TJob>& job);

    int FVoice = 0;
    int FRate = 22050, FChannels = 1;
    int FSpeed = 0, FVolume = 100, FPitch = -1;
    std::string FLastError;
    std::shared_ptr<TJob> FJob;
    std::thread FWorker;
    std::uint32_t FSerial = 0;
    std::unique_ptr<TDeviceMessageWindow> FWindow;
};
