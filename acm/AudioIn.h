// Capture from the default wave input: buffers cycle between the device and the component, and every
// filled buffer is published to the observers and to OnAudioRecorded, on the user-interface thread.
#pragma once

#include "acm/AudioIO.h"
#include "acm/AudioSubject.h"
#include "acm/MMSystem.h"

#include <vector>

class TdeAbstractAudioIn : public TdeAudioIO, public IdeAudioSubject {
public:
    explicit TdeAbstractAudioIn(TComponent* AOwner);

    bool AutoAdjustBufferSize() const { return FAutoAdjustBufferSize; }
    void SetAutoAdjustBufferSize(bool Value) { FAutoAdjustBufferSize = Value; }

    void Attach(IdeAudioObserver* Observer) override { FSubject->Attach(Observer); }
    void Detach(IdeAudioObserver* Observer) override { FSubject->Detach(Observer); }
    TdeWaveFormat* GetFormat() override { return Format(); }

    TObserverErrorEvent OnObserverError;

protected:
    virtual void DoObserverError(IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                 bool& RaiseException);
    TdeAudioSubject* FSubject; // owned as a component
    bool FAutoAdjustBufferSize = true;
};

class TdeCustomAudioIn : public TdeAbstractAudioIn {
public:
    explicit TdeCustomAudioIn(TComponent* AOwner);
    ~TdeCustomAudioIn() override;

    int BufferSize() const { return FBufferSize; }
    // Bytes per buffer; only while inactive.
    void SetBufferSize(int Value);
    // At least 2; only while inactive.
    void SetBufferCount(int Value) override;
    // The buffer delivered last.
    const void* LastData() const { return FLastData; }
    int LastSize() const { return FLastSize; }
    std::size_t QueuedHeaders() const { return FHeaders.size(); }

    TBufferEvent OnAudioRecorded;

protected:
    void DoOpen() override;
    void DoClose() override;
    LRESULT WndProc(UINT Message, WPARAM WParam, LPARAM LParam) override;
    virtual void DoAudioRecorded(const void* Data, int Size);

private:
    void AddBuffer();
    void HandleData(WAVEHDR* Header);
    void ReleaseHeader(WAVEHDR* Header);

    UINT FDeviceId = WAVE_MAPPER;
    HWAVEIN FHandle = nullptr;
    std::vector<WAVEHDR*> FHeaders; // given to the device and not yet released
    int FBufferSize = 22050;
    const void* FLastData = nullptr;
    int FLastSize = 0;
};

// The component as placed on a form: 4 buffers of 22050 bytes, opened when loaded.
class TdeAudioIn : public TdeCustomAudioIn {
public:
    using TdeCustomAudioIn::TdeCustomAudioIn;
};
