#include "acm/AudioConvertor.h"

TdeAudioConvertor::TdeAudioConvertor(TComponent* AOwner)
    : TComponent(AOwner),
      FObserver(new TdeAudioObserver(this, [this](IdeAudioSubject* Sender, const void* Data,
                                                  int Size) { AudioDataReady(Sender, Data, Size); })),
      FSubject(new TdeAudioSubject(this, &FFormatOut)) {
    FSubject->OnObserverError = [this](IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                       bool& Raise) { DoObserverError(Sender, Observer, E, Raise); };
}

TdeAudioConvertor::~TdeAudioConvertor() {
    FreeChain();
}

void TdeAudioConvertor::SetRequestRealTime(bool Value) {
    if (FActive) throw EACMConversionError("Cannot perform this action while active.");
    FRequestRealTime = Value;
}

void TdeAudioConvertor::SetActive(bool Value) {
    if (Value == FActive) return;
    if (Value) {
        BuildChain();
        return;
    }
    FActive = false;
    FOutputData = nullptr;
    FOutputSize = 0;
    FreeChain();
}

void TdeAudioConvertor::FreeChain() {
    for (auto& step : FSteps)
        step->Close();
    FSteps.clear();
    FChain.clear();
}

bool TdeAudioConvertor::Possible(const TdeWaveFormat& From, const TdeWaveFormat& To) const {
    return acmStreamOpen(nullptr, nullptr, From.Format(), To.Format(), nullptr, 0, 0,
                         ACM_STREAMOPENF_QUERY | (FRequestRealTime ? 0 : ACM_STREAMOPENF_NONREALTIME)) == 0;
}

void TdeAudioConvertor::BuildChain() {
    FreeChain();
    auto copy = [](const TdeWaveFormat& f) {
        auto c = std::make_unique<TdeWaveFormat>();
        c->SetFormatBuffer(f.FormatBuffer());
        return c;
    };
    // A suggestion from `from` in PCM.
    auto suggest = [](const TdeWaveFormat& from, TdeWaveFormat& into) {
        into.SetDefaults();
        into.SetFormatTag(WAVE_FORMAT_PCM);
        return acmFormatSuggest(nullptr, from.Format(), into.Format(), TdeWaveFormat::BufferSize,
                                ACM_FORMATSUGGESTF_WFORMATTAG) == 0;
    };
    try {
        FChain.push_back(copy(FFormatIn));
        if (!Possible(FFormatIn, FFormatOut)) {
            TdeWaveFormat first;
            if (!suggest(FFormatIn, first) || !Possible(FFormatIn, first))
                throw EACMConversionError("Conversion not possible.");
            if (!first.Equals(FFormatIn) && !first.Equals(FFormatOut)) FChain.push_back(copy(first));
            if (!Possible(first, FFormatOut)) {
                TdeWaveFormat second;
                if (!suggest(FFormatOut, second) || !Possible(first, second) || !Possible(second, FFormatOut))
                    throw EACMConversionError("Conversion not possible.");
                if (!second.Equals(first) && !second.Equals(FFormatOut)) FChain.push_back(copy(second));
            }
        }
        FChain.push_back(copy(FFormatOut));
        for (std::size_t i = 0; i + 1 < FChain.size(); ++i) {
            FSteps.push_back(std::make_unique<TMiniConvertor>(*FChain[i], *FChain[i + 1]));
            FSteps.back()->Open(FRequestRealTime);
        }
    } catch (...) {
        FreeChain();
        throw;
    }
    FActive = true;
}

void TdeAudioConvertor::Convert(const void* Data, int Size) {
    if (!FActive) throw EACMConversionError("Cannot perform this action while not active.");
    const void* data = Data;
    int size = Size;
    for (auto& step : FSteps) {
        size = step->Convert(data, size, Set8087FPUFlag);
        if (size <= 0) {
            data = nullptr;
            size = 0;
            break;
        }
        data = step->Output();
    }
    FOutputData = data;
    FOutputSize = size;
    FSubject->Notify(this, FOutputData, FOutputSize);
    bool abort = false;
    OnAudioConverted(this, FOutputData, FOutputSize, abort);
}

void TdeAudioConvertor::AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size) {
    TdeWaveFormat* format = Sender ? Sender->GetFormat() : nullptr;
    if (!FActive || (format && !format->Equals(FFormatIn))) {
        SetActive(false);
        if (format) FFormatIn.Assign(format);
        SetActive(true);
    }
    Convert(Data, Size);
}

void TdeAudioConvertor::DoObserverError(IdeAudioSubject* Sender, IdeAudioObserver* Observer, Exception& E,
                                        bool& RaiseException) {
    OnObserverError(Sender, Observer, E, RaiseException);
}
