// The level meter's source: converts every block of its source to 16-bit stereo at 48 kHz, takes the
// peak of each side, publishes the converted block and fires OnDataChanged.
#pragma once

#include "acm/AudioConvertor.h"

#include <cstdint>

class TdeAudioControlSource : public TComponent, public IdeAudioSubject {
public:
    explicit TdeAudioControlSource(TComponent* AOwner);

    TComponent* AudioSource() const { return FObserver->AudioSource(); }
    void SetAudioSource(TComponent* Source) { FObserver->SetAudioSource(Source); }
    std::int16_t LeftPeak() const { return FLeftPeak; }
    std::int16_t RightPeak() const { return FRightPeak; }
    int Frames() const { return FFrames; }
    TdeAudioConvertor* Convertor() { return FConvertor; }

    void Attach(IdeAudioObserver* Observer) override { FSubject->Attach(Observer); }
    void Detach(IdeAudioObserver* Observer) override { FSubject->Detach(Observer); }
    TdeWaveFormat* GetFormat() override { return FConvertor->FormatOut(); }

    TNotifyEvent OnDataChanged;
    TObserverErrorEvent OnObserverError;

    // Peaks of 16-bit stereo frames; the magnitude is taken in 16 bits, so -32768 never counts.
    static void Peaks(const std::int16_t* Samples, int Frames, std::int16_t& Left, std::int16_t& Right);

protected:
    void AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size);
    virtual void DoDataChanged();
    virtual void DoObserverError(IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                 bool& RaiseException);

private:
    TdeAudioConvertor* FConvertor; // owned as components
    TdeAudioObserver* FObserver;
    TdeAudioSubject* FSubject;
    std::int16_t FLeftPeak = 0, FRightPeak = 0;
    int FFrames = 0;
};
