// Fading of hot states as the foundation sees it: objects that can cross-fade between their normal and
// hot pictures, a helper base for them, and the slot of the one fader that runs every fade. The fader
// lives above the foundation and installs itself in the slot; while the slot is empty nothing fades
// and every object paints normally.
#pragma once

#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

class TuiBitmap32;

class IovFadingObject {
public:
    virtual ~IovFadingObject() = default;
    virtual bool IsFadable() = 0;
    // The current frame changed or the fade ended: the object repaints itself.
    virtual void DrawFadeStep() = 0;
    // Two new pictures, the normal one and the hot one; the caller owns them afterwards.
    virtual void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) = 0;
};

// The fader, as the foundation calls it.
class IovFader {
public:
    virtual ~IovFader() = default;
    virtual void FadeIn(IovFadingObject* AObject) = 0;
    virtual void FadeOut(IovFadingObject* AObject) = 0;
    // Stops the object's fade; destroying: without telling the object.
    virtual void Remove(IovFadingObject* AObject, bool ADestroying) = 0;
    // True when the object has a running fade and its current frame was drawn into R of ADC.
    virtual bool DrawFadeStep(IovFadingObject* AObject, HDC ADC, const TRect& R) = 0;
};

// The installed fader, or one that answers "no fade" (never null).
IovFader* ovFaderSlot();
// Installs a fader (null: back to "no fade").
void ovSetFaderSlot(IovFader* AFader);

// Base of per-object fading helpers: by default nothing fades.
class TovFadingObjectHelper : public TuiIUnknownObject, public IovFadingObject {
public:
    ~TovFadingObjectHelper() override;
    bool IsFadable() override { return false; }
    void DrawFadeStep() override {}
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override {}

    // Into the hot state from a lower one fades in, out of it to a lower one fades out; any other
    // change stops the fade.
    void StartFadingOnStateChange(TuiPainterButtonState APrevState, TuiPainterButtonState AState);
    void FadeIn();
    void FadeOut();
    void CancelFade();
    // The fader's current frame into R; False when no fade runs (the caller paints normally).
    bool DrawImage(HDC ADC, const TRect& R);
};
