#include "audio/devices/AudioRecord2.h"

#include "audio/devices/DeviceMessageWindow.h"
#include "audio/devices/SdlAudioDevice.h"
#include "audio/devices/SilenceGate.h"
#include "platform/win/WinMessages.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>

namespace audio_record_detail {
constexpr unsigned RecordBlocksMessage = WM_USER + 1;
constexpr int RecordMaxRate = 48000;
constexpr const char* RecordLineName = "Line In";
} // namespace audio_record_detail

using namespace audio_record_detail;

// What the audio thread fills: the block being collected and the finished blocks waiting for the
// user-interface thread. Finished blocks are moved out whole, so none is written to after it is queued.
struct TAudioRecord2::TCapture {
    std::mutex Lock;
    std::vector<float> Collecting;
    std::deque<std::vector<float>> Ready;
    std::size_t BlockSamples = 0;
    float Gain = 1.0f;
    std::unique_ptr<TSilenceGate> Gate;
    std::vector<float> Kept;
    std::atomic<std::int64_t> Frames{0};
    std::atomic<bool> Posted{false};
    TDeviceMessageWindow* Window = nullptr;

    void Take(const float* samples, int frames, int channels) {
        Frames += frames;
        std::lock_guard lock(Lock);
        const std::size_t count = std::size_t(frames) * channels;
        Kept.clear();
        if (Gain != 1.0f) {
            Kept.reserve(count);
            for (std::size_t i = 0; i < count; ++i)
                Kept.push_back(samples[i] * Gain);
        } else {
            Kept.assign(samples, samples + count);
        }
        if (Gate) {
            std::vector<float> gated;
            Gate->Process(Kept.data(), frames, gated);
            Kept.swap(gated);
        }
        Add(Kept.data(), Kept.size());
    }

    // Under Lock.
    void Add(const float* samples, std::size_t count) {
        std::size_t done = 0;
        while (done < count) {
            const std::size_t n = std::min(count - done, BlockSamples - Collecting.size());
            Collecting.insert(Collecting.end(), samples + done, samples + done + n);
            done += n;
            if (Collecting.size() >= BlockSamples) {
                Ready.push_back(std::move(Collecting));
                Collecting = {};
                Collecting.reserve(BlockSamples);
                if (!Posted.exchange(true)) Window->Post(RecordBlocksMessage);
            }
        }
    }
};

TAudioRecord2::TAudioRecord2()
    : FLines{TLine{RecordLineName}}, FWindow(std::make_unique<TDeviceMessageWindow>(
                                         [this](UINT message, WPARAM, LPARAM) { HandleMessage(message); })) {}

TAudioRecord2::~TAudioRecord2() {
    OnEndArrayRecord = nullptr;
    OnRecordError = nullptr;
    Stop();
}

const std::vector<std::string>& TAudioRecord2::Devices() const {
    if (!FDevicesListed) {
        FDeviceNames = TSdlAudioDevice::DeviceNames(true);
        FDevicesListed = true;
    }
    return FDeviceNames;
}

int TAudioRecord2::GetDeviceCount() const {
    FDevicesListed = false; // counting starts a new look at the system's devices
    return int(Devices().size());
}

void TAudioRecord2::SetDevice(int number) {
    if (number == FDevice) return;
    FDevice = number;
    FLines = {TLine{RecordLineName}};
    FLine = FSelectedLine = 1;
}

bool TAudioRecord2::DeviceCanRecord() const {
    return FDevice >= 1 && FDevice <= int(Devices().size());
}

std::string TAudioRecord2::GetDeviceName() const {
    const auto& names = Devices();
    if (FDevice < 1 || FDevice > int(names.size())) return {};
    return names[std::size_t(FDevice - 1)];
}

std::string TAudioRecord2::DeviceNameForOpen() const {
    // A system that lists a single (default) capture device is opened as the default.
    const auto& names = Devices();
    if (names.size() <= 1 || FDevice < 1 || FDevice > int(names.size())) return {};
    return names[std::size_t(FDevice - 1)];
}

int TAudioRecord2::GetLineCount() const {
    return DeviceCanRecord() ? int(FLines.size()) : 0;
}

void TAudioRecord2::SetLine(int number) {
    FLine = std::clamp(number, 1, int(FLines.size()));
}
std::string TAudioRecord2::GetLineName() const {
    return FLines[std::size_t(FLine - 1)].Name;
}
bool TAudioRecord2::LineSelected() const {
    return FLine == FSelectedLine;
}

void TAudioRecord2::SelectLine(short on) {
    if (on) FSelectedLine = FLine;
}

bool TAudioRecord2::LineHasVolume() const {
    return true;
}
int TAudioRecord2::GetLineVolume() const {
    return FLines[std::size_t(FLine - 1)].Volume;
}

void TAudioRecord2::SetLineVolume(int volume) {
    FLines[std::size_t(FLine - 1)].Volume = std::clamp(volume, 0, 65535);
    if (FCapture && FLine == FSelectedLine) {
        std::lock_guard lock(FCapture->Lock);
        FCapture->Gain = float(FLines[std::size_t(FLine - 1)].Volume) / 65535.0f;
    }
}

void TAudioRecord2::SetFormat(int sampleRate, int channels) {
    FRate = std::clamp(sampleRate, 1000, RecordMaxRate);
    FChannels = std::clamp(channels, 1, 2);
}

int TAudioRecord2::GetBufferSize(int milliseconds) const {
    const std::int64_t frames = std::max<std::int64_t>(1, std::int64_t(FRate) * milliseconds / 1000);
    return int(frames * FChannels);
}

void TAudioRecord2::SetBufferSize(int samples) {
    FBufferSize = std::max(0, samples);
}

void TAudioRecord2::Start() {
    if (FListener) return;
    FErrorState = 0;
    FLastError.clear();
    auto capture = std::make_shared<TCapture>();
    const int blockSamples = FBufferSize > 0 ? FBufferSize : GetBufferSize(200);
    // Whole frames only.
    capture->BlockSamples = std::size_t(std::max(FChannels, blockSamples - blockSamples % FChannels));
    capture->Collecting.reserve(capture->BlockSamples);
    capture->Gain = float(FLines[std::size_t(FSelectedLine - 1)].Volume) / 65535.0f;
    if (FSkipSilence)
        capture->Gate = std::make_unique<TSilenceGate>(FRate, FChannels, FAttackLevel, FAttackTime,
                                                       FReleaseLevel, FReleaseTime);
    capture->Window = FWindow.get();
    if (!DeviceCanRecord()) {
        FErrorState = 1;
        FLastError = "No recording device.";
        return;
    }
    const int channels = FChannels;
    TCapture* raw = capture.get();
    FCapture = capture;
    FListener = TCaptureHub::Listen(
        DeviceNameForOpen(), FRate, FChannels,
        [raw, channels](const float* samples, int frames) { raw->Take(samples, frames, channels); },
        [this] { DeviceLost(); }, FLastError);
    if (!FListener) {
        FCapture.reset();
        FErrorState = 1;
    }
}

void TAudioRecord2::Stop() {
    if (!FListener) return;
    FListener.reset(); // waits until the audio thread is out of the capture
    {
        std::lock_guard lock(FCapture->Lock);
        if (FCapture->Gate) {
            std::vector<float> rest;
            FCapture->Gate->Flush(rest);
            FCapture->Collecting.insert(FCapture->Collecting.end(), rest.begin(), rest.end());
        }
        if (!FCapture->Collecting.empty()) FCapture->Ready.push_back(std::move(FCapture->Collecting));
        FCapture->Collecting = {};
    }
    HandOver();
}

std::int64_t TAudioRecord2::FramesCaptured() const {
    return FCapture ? FCapture->Frames.load() : 0;
}

void TAudioRecord2::HandleMessage(unsigned message) {
    if (message != RecordBlocksMessage || !FCapture) return;
    FCapture->Posted = false;
    HandOver();
}

void TAudioRecord2::HandOver() {
    if (FHandingOver || !FCapture) return; // a handler that stops the recorder hands over the rest itself
    FHandingOver = true;
    std::shared_ptr<TCapture> capture = FCapture;
    try {
        for (;;) {
            {
                std::lock_guard lock(capture->Lock);
                if (capture->Ready.empty()) break;
                FCurrent = std::move(capture->Ready.front());
                capture->Ready.pop_front();
            }
            if (OnEndArrayRecord) OnEndArrayRecord(++FBlockNumber);
        }
    } catch (...) {
        FHandingOver = false;
        throw;
    }
    FHandingOver = false;
    FCurrent.clear();
}

void TAudioRecord2::DeviceLost() {
    if (!FListener) return;
    FErrorState = 2;
    FLastError = "The recording device is no longer available.";
    Stop(); // hands over everything captured before the loss
    if (OnRecordError) OnRecordError();
}
