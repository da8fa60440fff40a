#include "acm/MMSystem.h"

#include "audio/devices/CaptureHub.h"
#include "audio/devices/SdlAudioDevice.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>

// One open wave input. The audio thread writes only into the header at the front of the queue; a
// filled header leaves the queue before it is posted, so the user-interface thread reads it while
// nothing else can touch it, until it is added again.
struct TWaveInDevice {
    std::mutex Lock;
    HWND Window = nullptr;
    WAVEFORMATEX Format{};
    std::deque<WAVEHDR*> Queue;
    bool Started = false;
    std::unique_ptr<TCaptureHub::TListener> Listener;

    void Take(const float* samples, int frames) {
        std::lock_guard lock(Lock);
        if (!Started) return;
        const int channels = Format.nChannels;
        const int bytesPerSample = Format.wBitsPerSample / 8;
        std::size_t index = 0;
        const std::size_t total = std::size_t(frames) * channels;
        while (index < total && !Queue.empty()) {
            WAVEHDR* header = Queue.front();
            while (index < total &&
                   header->dwBytesRecorded + DWORD(bytesPerSample) <= header->dwBufferLength) {
                const float v = std::clamp(samples[index++], -1.0f, 1.0f);
                char* at = header->lpData + header->dwBytesRecorded;
                if (bytesPerSample == 2) {
                    const auto s = std::int16_t(std::lround(std::clamp(v * 32768.0f, -32768.0f, 32767.0f)));
                    std::memcpy(at, &s, 2);
                } else {
                    *reinterpret_cast<unsigned char*>(at) =
                        static_cast<unsigned char>(std::lround(v * 127.0f) + 128);
                }
                header->dwBytesRecorded += DWORD(bytesPerSample);
            }
            if (header->dwBytesRecorded + DWORD(bytesPerSample) > header->dwBufferLength) HandBack(header);
        }
        // With no header queued the rest is dropped: buffers are never overrun.
    }

    // Under Lock: the header leaves the queue and goes to the window.
    void HandBack(WAVEHDR* header) {
        Queue.erase(std::find(Queue.begin(), Queue.end(), header));
        header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
        PostMessage(Window, MM_WIM_DATA, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(header));
    }
};

namespace wave_in_detail {
std::mutex HandlesLock;
std::set<HWAVEIN>& Handles() {
    static std::set<HWAVEIN> handles;
    return handles;
}
bool DeviceValid(HWAVEIN handle) {
    std::lock_guard lock(HandlesLock);
    return handle && Handles().count(handle) > 0;
}
} // namespace wave_in_detail

using namespace wave_in_detail;

UINT waveInGetNumDevs() {
    return static_cast<UINT>(TSdlAudioDevice::DeviceNames(true).size());
}

MMRESULT waveInOpen(HWAVEIN* handle, UINT deviceId, const WAVEFORMATEX* format, DWORD_PTR callback, DWORD_PTR,
                    DWORD flags) {
    if (!format) return MMSYSERR_INVALPARAM;
    if (format->wFormatTag != WAVE_FORMAT_PCM || format->nChannels < 1 || format->nChannels > 2 ||
        (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) || format->nSamplesPerSec < 1000 ||
        format->nSamplesPerSec > 192000 ||
        format->nBlockAlign != format->nChannels * format->wBitsPerSample / 8)
        return WAVERR_BADFORMAT;
    const auto names = TSdlAudioDevice::DeviceNames(true);
    if (deviceId != WAVE_MAPPER && deviceId >= names.size()) return MMSYSERR_BADDEVICEID;
    if (names.empty()) return MMSYSERR_NODRIVER;
    if (flags & WAVE_FORMAT_QUERY) return MMSYSERR_NOERROR;
    if (!handle) return MMSYSERR_INVALPARAM;
    const HWND window = reinterpret_cast<HWND>(callback);
    if ((flags & 0x00070000) != CALLBACK_WINDOW || !IsWindow(window)) return MMSYSERR_INVALFLAG;

    auto device = std::make_unique<TWaveInDevice>();
    device->Window = window;
    device->Format = *format;
    TWaveInDevice* raw = device.get();
    // A system listing one capture device opens it as the default.
    const std::string name = deviceId == WAVE_MAPPER || names.size() == 1 ? std::string() : names[deviceId];
    std::string error;
    device->Listener = TCaptureHub::Listen(
        name, int(format->nSamplesPerSec), format->nChannels,
        [raw](const float* samples, int frames) { raw->Take(samples, frames); }, nullptr, error);
    if (!device->Listener) return MMSYSERR_ALLOCATED;
    {
        std::lock_guard lock(HandlesLock);
        Handles().insert(raw);
    }
    *handle = device.release();
    PostMessage(window, MM_WIM_OPEN, reinterpret_cast<WPARAM>(raw), 0);
    return MMSYSERR_NOERROR;
}

MMRESULT waveInPrepareHeader(HWAVEIN handle, WAVEHDR* header, UINT size) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR) || !header->lpData || header->dwBufferLength == 0)
        return MMSYSERR_INVALPARAM;
    header->dwFlags |= WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveInUnprepareHeader(HWAVEIN handle, WAVEHDR* header, UINT size) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
    std::lock_guard lock(handle->Lock);
    if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveInAddBuffer(HWAVEIN handle, WAVEHDR* header, UINT size) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
    if (!(header->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
    std::lock_guard lock(handle->Lock);
    if (header->dwFlags & WHDR_INQUEUE) return MMSYSERR_INVALPARAM; // queued twice would be filled twice
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    header->dwBytesRecorded = 0;
    handle->Queue.push_back(header);
    return MMSYSERR_NOERROR;
}

MMRESULT waveInStart(HWAVEIN handle) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    std::lock_guard lock(handle->Lock);
    handle->Started = true;
    return MMSYSERR_NOERROR;
}

MMRESULT waveInStop(HWAVEIN handle) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    std::lock_guard lock(handle->Lock);
    handle->Started = false;
    // A partly filled buffer is handed back with what it holds.
    if (!handle->Queue.empty() && handle->Queue.front()->dwBytesRecorded > 0)
        handle->HandBack(handle->Queue.front());
    return MMSYSERR_NOERROR;
}

MMRESULT waveInReset(HWAVEIN handle) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    std::lock_guard lock(handle->Lock);
    handle->Started = false;
    // The headers come back marked done without a message each: their owner takes them back itself,
    // and a message could otherwise arrive after it has freed them.
    for (WAVEHDR* header : handle->Queue)
        header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    handle->Queue.clear();
    return MMSYSERR_NOERROR;
}

MMRESULT waveInClose(HWAVEIN handle) {
    if (!DeviceValid(handle)) return MMSYSERR_INVALHANDLE;
    {
        std::lock_guard lock(handle->Lock);
        if (!handle->Queue.empty()) return WAVERR_STILLPLAYING;
    }
    {
        std::lock_guard lock(HandlesLock);
        Handles().erase(handle);
    }
    std::unique_ptr<TWaveInDevice> device(handle);
    device->Listener.reset(); // waits until the audio thread has left the device
    if (IsWindow(device->Window))
        PostMessage(device->Window, MM_WIM_CLOSE, reinterpret_cast<WPARAM>(handle), 0);
    return MMSYSERR_NOERROR;
}
