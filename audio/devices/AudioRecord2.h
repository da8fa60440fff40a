// The recorder: captures from an input device in a set format, in blocks of a set size, optionally
// without silence. Each captured block is announced on the user-interface thread by OnEndArrayRecord
// (with its number); the handler takes it with GetArray. Blocks are never overwritten before they are
// handed over. Stop hands over what is still held, so a file written from the blocks is complete.
#pragma once

#include "audio/devices/CaptureHub.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDeviceMessageWindow;

class TAudioRecord2 {
public:
    TAudioRecord2();
    ~TAudioRecord2();
    TAudioRecord2(const TAudioRecord2&) = delete;
    TAudioRecord2& operator=(const TAudioRecord2&) = delete;

    // Devices, numbered from 1. Every listed capture device can record. The count looks at the system
    // again; the other calls use the list it found.
    int GetDeviceCount() const;
    int GetCurrentDevice() const { return FDevice; }
    void SetDevice(int number);
    bool DeviceCanRecord() const;
    std::string GetDeviceName() const;

    // Input lines of the current device, numbered from 1; the volume scales what is captured.
    int GetLineCount() const;
    void SetLine(int number);
    std::string GetLineName() const;
    bool LineSelected() const;
    void SelectLine(short on); // -1 selects the current line as the recording source
    bool LineHasVolume() const;
    int GetLineVolume() const; // 0..65535
    void SetLineVolume(int volume);

    // Up to 48000 Hz, 1 or 2 channels.
    void SetFormat(int sampleRate, int channels);
    int SampleRate() const { return FRate; }
    int Channels() const { return FChannels; }
    // The block size (in samples, all channels counted) for `milliseconds` of the current format.
    int GetBufferSize(int milliseconds) const;
    void SetBufferSize(int samples);

    void Start();
    void Stop();
    bool Recording() const { return FListener != nullptr; }
    // 0 while all is well; non-zero after a failed start or a device that went away while recording.
    int ErrorState() const { return FErrorState; }
    const std::string& LastError() const { return FLastError; }

    // The block announced by the running OnEndArrayRecord.
    const std::vector<float>& GetArray() const { return FCurrent; }
    // Frames taken from the device since the start, kept or skipped.
    std::int64_t FramesCaptured() const;

    // Recording without silence: on/off (-1/0), then levels in dB and times in ms.
    void SetSilenceSkipping(short on) { FSkipSilence = on != 0; }
    void SetAttackLevel(int db) { FAttackLevel = db; }
    void SetAttackTime(int ms) { FAttackTime = ms; }
    void SetReleaseLevel(int db) { FReleaseLevel = db; }
    void SetReleaseTime(int ms) { FReleaseTime = ms; }

    std::function<void(int block)> OnEndArrayRecord;
    // The device went away while recording; the blocks captured before it were handed over.
    std::function<void()> OnRecordError;

private:
    struct TCapture;
    struct TLine {
        std::string Name;
        int Volume = 65535;
    };
    void HandleMessage(unsigned message);
    void HandOver();
    void DeviceLost();
    std::string DeviceNameForOpen() const;
    const std::vector<std::string>& Devices() const;

    mutable std::vector<std::string> FDeviceNames;
    mutable bool FDevicesListed = false;
    int FDevice = 1;
    int FLine = 1;
    int FSelectedLine = 1;
    std::vector<TLine> FLines;
    int FRate = 44100, FChannels = 2;
    int FBufferSize = 0;
    bool FSkipSilence = false;
    int FAttackLevel = -45, FAttackTime = 100, FReleaseLevel = -45, FReleaseTime = 300;
    int FErrorState = 0;
    std::string FLastError;
    int FBlockNumber = 0;
    bool FHandingOver = false;
    std::vector<float> FCurrent;
    std::shared_ptr<TCapture> FCapture;
    std::unique_ptr<TCaptureHub::TListener> FListener;
    std::unique_ptr<TDeviceMessageWindow> FWindow;
};
