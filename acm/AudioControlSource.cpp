#include "acm/AudioControlSource.h"

#include <cstring>
#include <vector>

TdeAudioControlSource::TdeAudioControlSource(TComponent* AOwner)
    : TComponent(AOwner), FConvertor(new TdeAudioConvertor(this)),
      FObserver(new TdeAudioObserver(this, [this](IdeAudioSubject* Sender, const void* Data,
                                                  int Size) { AudioDataReady(Sender, Data, Size); })),
      FSubject(new TdeAudioSubject(this, FConvertor->FormatOut())) {
    TdeWaveFormat& out = *FConvertor->FormatOut();
    out.SetDefaults();
    out.SetBitsPerSample(16);
    out.SetChannels(2);
    out.SetSamplesPerSec(48000);
    out.SetAvgBytesPerSec(192000);
    out.SetBlockAlign(4);
    FSubject->OnObserverError = [this](IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                       bool& Raise) { DoObserverError(Sender, Observer, E, Raise); };
}

void TdeAudioControlSource::Peaks(const std::int16_t* Samples, int Frames, std::int16_t& Left,
                                  std::int16_t& Right) {
    Left = Right = 0;
    for (int i = 0; i < Frames; ++i) {
        // In 16 bits the magnitude of -32768 stays -32768.
        const auto l = std::int16_t(Samples[2 * i] < 0 ? -Samples[2 * i] : Samples[2 * i]);
        const auto r = std::int16_t(Samples[2 * i + 1] < 0 ? -Samples[2 * i + 1] : Samples[2 * i + 1]);
        if (l > Left) Left = l;
        if (r > Right) Right = r;
    }
}

void TdeAudioControlSource::AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size) {
    // The chain is rebuilt only when the source's format changes: a rebuilt chain would start its rate
    // converter afresh on every block and lose the samples it holds.
    TdeWaveFormat* format = Sender ? Sender->GetFormat() : nullptr;
    if (!FConvertor->Active() || (format && !format->Equals(*FConvertor->FormatIn()))) {
        FConvertor->SetActive(false);
        if (format) FConvertor->FormatIn()->Assign(format);
        FConvertor->SetRequestRealTime(false);
        FConvertor->SetActive(true);
    }
    FConvertor->Convert(Data, Size);
    FFrames = FConvertor->OutputSize() / 4;
    std::vector<std::int16_t> samples(std::size_t(FFrames) * 2);
    if (FFrames > 0) std::memcpy(samples.data(), FConvertor->OutputData(), samples.size() * 2);
    Peaks(samples.data(), FFrames, FLeftPeak, FRightPeak);
    DoDataChanged();
}

void TdeAudioControlSource::DoDataChanged() {
    FSubject->Notify(this, FConvertor->OutputData(), FFrames * 4);
    OnDataChanged(this);
}

void TdeAudioControlSource::DoObserverError(IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                            bool& RaiseException) {
    OnObserverError(Sender, Observer, E, RaiseException);
}
