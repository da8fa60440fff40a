// Converts the blocks of its source (or given to Convert) from FormatIn to FormatOut through a chain of
// conversion steps, and publishes each result.
#pragma once

#include "acm/AudioSubject.h"
#include "acm/MiniConvertor.h"

#include <memory>
#include <vector>

class TdeAudioConvertor : public TComponent, public IdeAudioSubject {
public:
    explicit TdeAudioConvertor(TComponent* AOwner);
    ~TdeAudioConvertor() override;

    TComponent* AudioSource() const { return FObserver->AudioSource(); }
    void SetAudioSource(TComponent* Source) { FObserver->SetAudioSource(Source); }
    TdeWaveFormat* FormatIn() { return &FFormatIn; }
    TdeWaveFormat* FormatOut() { return &FFormatOut; }
    bool RequestRealTime() const { return FRequestRealTime; }
    // Only while inactive.
    void SetRequestRealTime(bool Value);
    bool Set8087FPUFlag = true;

    bool Active() const { return FActive; }
    // Builds the chain ("Conversion not possible." when there is none) or takes it down.
    void SetActive(bool Value);
    // Converts one block; the result is kept (OutputData, OutputSize) and published.
    void Convert(const void* Data, int Size);
    const void* OutputData() const { return FOutputData; }
    int OutputSize() const { return FOutputSize; }
    // The formats from FormatIn to FormatOut.
    int ChainLength() const { return int(FChain.size()); }
    const TdeWaveFormat& ChainFormat(int Index) const { return *FChain[std::size_t(Index)]; }

    void Attach(IdeAudioObserver* Observer) override { FSubject->Attach(Observer); }
    void Detach(IdeAudioObserver* Observer) override { FSubject->Detach(Observer); }
    TdeWaveFormat* GetFormat() override { return &FFormatOut; }

    TAbortableBufferEvent OnAudioConverted;
    TObserverErrorEvent OnObserverError;

protected:
    virtual void AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size);
    virtual void DoObserverError(IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                 bool& RaiseException);

private:
    void BuildChain();
    void FreeChain();
    bool Possible(const TdeWaveFormat& From, const TdeWaveFormat& To) const;

    TdeWaveFormat FFormatIn, FFormatOut;
    TdeAudioObserver* FObserver; // owned as components
    TdeAudioSubject* FSubject;
    std::vector<std::unique_ptr<TdeWaveFormat>> FChain;
    std::vector<std::unique_ptr<TMiniConvertor>> FSteps;
    bool FActive = false;
    bool FRequestRealTime = false;
    const void* FOutputData = nullptr;
    int FOutputSize = 0;
};
