#include "acm/AudioIn.h"

#include "acm/AcmErrors.h"

#include <algorithm>
#include <cstring>

TdeAbstractAudioIn::TdeAbstractAudioIn(TComponent* AOwner)
    : TdeAudioIO(AOwner), FSubject(new TdeAudioSubject(this, Format())) {
    FSubject->OnObserverError = [this](IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                       bool& Raise) { DoObserverError(Sender, Observer, E, Raise); };
}

void TdeAbstractAudioIn::DoObserverError(IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                         bool& RaiseException) {
    OnObserverError(Sender, Observer, E, RaiseException);
}

TdeCustomAudioIn::TdeCustomAudioIn(TComponent* AOwner) : TdeAbstractAudioIn(AOwner) {}

TdeCustomAudioIn::~TdeCustomAudioIn() {
    CloseForDestruction();
}

void TdeCustomAudioIn::SetBufferSize(int Value) {
    if (Active()) throw EACMAudioIOError("Cannot perform this action while active.");
    FBufferSize = Value;
}

void TdeCustomAudioIn::SetBufferCount(int Value) {
    if (Active()) throw EACMAudioIOError("Cannot perform this action while active.");
    if (Value < 2) throw EACMAudioIOError("Invalid input buffer size.");
    TdeAudioIO::SetBufferCount(Value);
}

void TdeCustomAudioIn::DoOpen() {
    TdeWaveFormat& format = *Format();
    if (format.BitsPerSample() > 0 && FAutoAdjustBufferSize) {
        const int frameSize = format.BitsPerSample() / 8 * format.Channels();
        if (frameSize > 1) FBufferSize -= FBufferSize % frameSize;
    }
    if (FBufferSize <= 0 || (format.BitsPerSample() > 0 && (FBufferSize * 8) % format.BitsPerSample() != 0))
        throw EACMAudioInError("Invalid input buffer size.");
    DWORD flags = CALLBACK_WINDOW;
    UINT device = FDeviceId;
    if (format.FormatTag() != WAVE_FORMAT_PCM && device == WAVE_MAPPER) {
        device = 0;
        flags |= WAVE_MAPPED;
    }
    ACMCheck<EACMAudioInError>(
        waveInOpen(&FHandle, device, format.Format(), reinterpret_cast<DWORD_PTR>(WindowHandle()), 0, flags),
        "Error opening audio device for input.");
    try {
        for (int i = 0; i < FBufferCount; ++i)
            AddBuffer();
        ACMCheck<EACMAudioInError>(waveInStart(FHandle));
    } catch (...) {
        DoClose();
        throw;
    }
}

void TdeCustomAudioIn::AddBuffer() {
    auto* header = static_cast<WAVEHDR*>(GetBuffer(32 > sizeof(WAVEHDR) ? 32 : sizeof(WAVEHDR)));
    char* data = static_cast<char*>(GetBuffer(std::size_t(FBufferSize)));
    *header = WAVEHDR{};
    header->lpData = data;
    header->dwBufferLength = DWORD(FBufferSize);
    FHeaders.push_back(header);
    ACMCheck<EACMAudioInError>(waveInPrepareHeader(FHandle, header, sizeof(WAVEHDR)),
                               "Error preparing input header.");
    ACMCheck<EACMAudioInError>(waveInAddBuffer(FHandle, header, sizeof(WAVEHDR)),
                               "Error adding input buffer.");
}

LRESULT TdeCustomAudioIn::WndProc(UINT Message, WPARAM WParam, LPARAM LParam) {
    if (Message == MM_WIM_DATA) HandleData(reinterpret_cast<WAVEHDR*>(LParam));
    return TdeAbstractAudioIn::WndProc(Message, WParam, LParam);
}

void TdeCustomAudioIn::HandleData(WAVEHDR* Header) {
    // A header that is not ours (any more) arrived late, after a close: it is not touched.
    // A header still in the device's queue (its address reused after a reopen) is not ready either.
    if (std::find(FHeaders.begin(), FHeaders.end(), Header) == FHeaders.end()) return;
    if ((Header->dwFlags & WHDR_INQUEUE) || !(Header->dwFlags & WHDR_DONE)) return;
    if (!Active()) {
        ReleaseHeader(Header);
        return;
    }
    try {
        DoAudioRecorded(Header->lpData, int(Header->dwBytesRecorded));
    } catch (...) {
        if (FHandle) waveInUnprepareHeader(FHandle, Header, sizeof(WAVEHDR));
        throw;
    }
    // A handler that closed the component released the header with the others.
    if (std::find(FHeaders.begin(), FHeaders.end(), Header) == FHeaders.end()) return;
    ACMCheck<EACMAudioInError>(waveInUnprepareHeader(FHandle, Header, sizeof(WAVEHDR)),
                               "Error unpreparing input header.");
    if (!Active()) return; // closed by a handler; DoClose released the header
    Header->dwBufferLength = DWORD(FBufferSize);
    Header->dwBytesRecorded = 0;
    Header->dwUser = 0;
    Header->dwFlags = 0;
    Header->dwLoops = 0;
    ACMCheck<EACMAudioInError>(waveInPrepareHeader(FHandle, Header, sizeof(WAVEHDR)),
                               "Error preparing input header.");
    ACMCheck<EACMAudioInError>(waveInAddBuffer(FHandle, Header, sizeof(WAVEHDR)),
                               "Error adding input buffer.");
}

void TdeCustomAudioIn::DoAudioRecorded(const void* Data, int Size) {
    FLastData = Data;
    FLastSize = Size;
    FSubject->Notify(this, Data, Size);
    OnAudioRecorded(this, Data, Size);
}

void TdeCustomAudioIn::ReleaseHeader(WAVEHDR* Header) {
    if (FHandle) waveInUnprepareHeader(FHandle, Header, sizeof(WAVEHDR));
    ReleaseBuffer(Header->lpData);
    ReleaseBuffer(Header);
    FHeaders.erase(std::remove(FHeaders.begin(), FHeaders.end(), Header), FHeaders.end());
}

void TdeCustomAudioIn::DoClose() {
    if (!FHandle) return;
    waveInReset(FHandle);
    while (!FHeaders.empty())
        ReleaseHeader(FHeaders.back());
    const MMRESULT result = waveInClose(FHandle);
    FHandle = nullptr;
    FLastData = nullptr;
    FLastSize = 0;
    ACMCheck<EACMAudioInError>(result, "Error closing input device.");
}
