// Publish and subscribe between audio components: a subject hands every block it publishes to its
// observers; an observer listens to one source component at a time.
#pragma once

#include "acm/AcmErrors.h"
#include "acm/WaveFormat.h"
#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"

#include <functional>
#include <vector>

class IdeAudioObserver;

// Offered by every component that publishes audio.
class IdeAudioSubject {
public:
    virtual ~IdeAudioSubject() = default;
    virtual void Attach(IdeAudioObserver* Observer) = 0;
    virtual void Detach(IdeAudioObserver* Observer) = 0;
    // The format of the published data.
    virtual TdeWaveFormat* GetFormat() = 0;
};

class IdeAudioObserver {
public:
    virtual ~IdeAudioObserver() = default;
    virtual void AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size) = 0;
};

using TBufferEvent = TEvent<TObject*, const void*, int>;
using TAbortableBufferEvent = TEvent<TObject*, const void*, int, bool&>;
using TObserverErrorEvent = TEvent<IdeAudioSubject*, IdeAudioObserver*, Exception&, bool&>;

// The publishing half of a component (its owner), which offers IdeAudioSubject by forwarding here.
class TdeAudioSubject : public TComponent, public IdeAudioSubject {
public:
    // Owner and format must not be null; the format belongs to the owner.
    TdeAudioSubject(TComponent* AOwner, TdeWaveFormat* AFormat);

    void Attach(IdeAudioObserver* Observer) override;
    void Detach(IdeAudioObserver* Observer) override;
    TdeWaveFormat* GetFormat() override { return FFormat; }
    int ObserverCount() const { return int(FObservers.size()); }

    // Hands the block to every observer in turn. An observer's exception goes to OnObserverError (which
    // may clear the raise flag) and is raised again unless it was cleared; an observer that detaches
    // itself during its call does not make the next one miss the block.
    void Notify(IdeAudioSubject* Sender, const void* Data, int Size);

    bool RaiseByDefault = true;
    TObserverErrorEvent OnObserverError;

private:
    TdeWaveFormat* FFormat;
    std::vector<IdeAudioObserver*> FObservers;
};

// The listening half of a component: forwards the blocks of its source to a callback.
class TdeAudioObserver : public TComponent, public IdeAudioObserver {
public:
    using TDataCallback = std::function<void(IdeAudioSubject* Sender, const void* Data, int Size)>;

    TdeAudioObserver(TComponent* AOwner, TDataCallback Callback);
    ~TdeAudioObserver() override;

    TComponent* AudioSource() const { return FSource; }
    // Raises EACMError for the owner itself ("Component cannot observe itself.") and for a component that
    // publishes no audio ("The selected component is not an audio subject."); null stops listening.
    void SetAudioSource(TComponent* Source);
    void AudioDataReady(IdeAudioSubject* Sender, const void* Data, int Size) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TComponent* FSource = nullptr;
    TDataCallback FCallback;
};
