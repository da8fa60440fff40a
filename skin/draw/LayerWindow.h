// Glow frames: a borderless, click-through window with per-pixel alpha that shows a picture (with a
// separate grey mask) above the form and fades it in over a quarter of a second.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/vcl/CustomControl.h"

#include <memory>

class TBitmap;
class TTimer;
class TskBitmap;

// The glow window: a top-level popup without a taskbar entry that lets the mouse through and never
// takes activation.
class TskLayerWindow : public TCustomControl {
public:
    explicit TskLayerWindow(TComponent* AOwner);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
};

// Owns one glow window at a time, its picture and the fade.
class TskLayerManager : public TComponent {
public:
    explicit TskLayerManager(TComponent* AOwner);
    ~TskLayerManager() override;

    // Shows Picture, its alpha taken from Mask, at screen position (X, Y), fading in to AlphaValue.
    // Nothing when layered windows are not available; a window already shown is hidden first.
    void Show(int X, int Y, int AlphaValue, TBitmap* Mask, TBitmap* Picture);
    // Hides and frees the window (nothing when layered windows are not available).
    void Hide();
    void StartFade();
    void StopFade();

    TskLayerWindow* Window() const { return FWindow; }
    TskBitmap* Picture() const { return FPicture.get(); }
    TTimer* Timer() const { return FTimer; }
    int MaxAlpha() const { return FMaxAlpha; }
    int CurrentAlpha() const { return FCurrentAlpha; }
    int Step() const { return FStep; }
    bool Shown() const { return FShown; }
    bool TopMost() const { return FTopMost; }
    void SetTopMost(bool Value) { FTopMost = Value; }

protected:
    // One step of the fade: the opacity rises by Step up to MaxAlpha, where the fade stops.
    void FadeTimer(TObject* Sender);
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TskLayerWindow* FWindow = nullptr;
    std::unique_ptr<TskBitmap> FPicture;
    TTimer* FTimer;
    int FMaxAlpha = 0;
    int FCurrentAlpha = 0;
    int FStep = 0;
    bool FShown = false;
    bool FTopMost = true;
};

// Dest becomes a 32-bit copy of Picture whose alpha is the mask's luminance ((R + G + B) div 3), each
// colour channel lowered to at most its alpha (valid premultiplied pixels).
void PrepareLayerBitmap(TBitmap* Picture, TBitmap* Mask, TskBitmap* Dest);
// Shows Source in the layered window at its place, with the constant opacity Alpha on top of the
// pixels' own alpha. Nothing without a window.
void UpdateLayerWindow(TskBitmap* Source, BYTE Alpha, TskLayerWindow* Window);
