#include "acm/AudioSubject.h"

#include <algorithm>
#include <cassert>

TdeAudioSubject::TdeAudioSubject(TComponent* AOwner, TdeWaveFormat* AFormat)
    : TComponent(AOwner), FFormat(AFormat) {
    assert(AOwner && "an audio subject needs an owner");
    assert(AFormat && "an audio subject needs a format");
}

void TdeAudioSubject::Attach(IdeAudioObserver* Observer) {
    if (Observer && std::find(FObservers.begin(), FObservers.end(), Observer) == FObservers.end())
        FObservers.push_back(Observer);
}

void TdeAudioSubject::Detach(IdeAudioObserver* Observer) {
    FObservers.erase(std::remove(FObservers.begin(), FObservers.end(), Observer), FObservers.end());
}

void TdeAudioSubject::Notify(IdeAudioSubject* Sender, const void* Data, int Size) {
    std::size_t i = 0;
    while (i < FObservers.size()) {
        IdeAudioObserver* observer = FObservers[i];
        auto advance = [&] {
            if (i < FObservers.size() && FObservers[i] == observer) ++i;
        };
        try {
            observer->AudioDataReady(Sender, Data, Size);
        } catch (Exception& e) {
            bool raise = RaiseByDefault;
            if (OnObserverError) OnObserverError(Sender, observer, e, raise);
            advance();
            if (raise) throw;
            continue;
        }
        advance();
    }
}

TdeAudioObserver::TdeAudioObserver(TComponent* AOwner, TDataCallback Callback)
    : TComponent(AOwner), FCallback(std::move(Callback)) {
    assert(AOwner && "an audio observer needs an owner");
}

TdeAudioObserver::~TdeAudioObserver() {
    // A subject that outlives its observer must not keep calling it.
    if (FSource) {
        if (auto* subject = dynamic_cast<IdeAudioSubject*>(FSource)) subject->Detach(this);
        FSource->RemoveFreeNotification(this);
        FSource = nullptr;
    }
}

void TdeAudioObserver::SetAudioSource(TComponent* Source) {
    if (Source && Source == Owner()) throw EACMError("Component cannot observe itself.");
    IdeAudioSubject* subject = Source ? dynamic_cast<IdeAudioSubject*>(Source) : nullptr;
    if (Source && !subject) throw EACMError("The selected component is not an audio subject.");
    if (FSource) {
        if (auto* old = dynamic_cast<IdeAudioSubject*>(FSource)) old->Detach(this);
        FSource->RemoveFreeNotification(this);
    }
    FSource = Source;
    if (FSource) {
        FSource->FreeNotification(this);
        subject->Attach(this);
    }
}

void TdeAudioObserver::AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size) {
    if (FCallback) FCallback(Sender, Data, Size);
}

void TdeAudioObserver::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSource) FSource = nullptr;
}
