// TovFader: the one animator of hot-state fades. A fading object (IovFadingObject) hands over its normal
// and hot pictures; the fader blends the frames between them in memory and steps every running fade on
// one shared 10 ms timer, telling the object to repaint whenever its frame changes; the object then
// paints the current frame through DrawFadeStep. At most MaxFadeCount fades run at once: a new one
// finalizes the oldest. The fader installs itself in the foundation's fader slot while it lives.
#pragma once

#include "platform/vcl/Graphics.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/FadingObject.h"

#include <cstdint>
#include <memory>
#include <vector>

class TTimer;
class TovFader;
class TovGPImage;

// One running fade.
class TovFadingElement : public TuiIUnknownObject {
public:
    TovFadingElement(TovFader* AOwner, IovFadingObject* AObject, std::uint64_t ASerial);
    ~TovFadingElement() override;

    IovFadingObject* FadingObject() const { return FObject; }
    std::uint64_t Serial() const { return FSerial; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Stage() const { return FStage; }
    int FrameCount() const { return FFrameCount; }
    int FrameDelay() const { return FFrameDelay; }
    int DelayDivider() const { return FDelayDivider; }
    TovGPImage* CurrentFrame() const { return FFrame.get(); }
    // The pixels of the current frame (empty without one).
    const TRGBColors& CurrentFramePixels() const { return FFramePixels; }

    // Frame count 1..32, delay 1..300 ms, the divider of the 10 ms timer, the delay index back to 0.
    void SetTiming(int AFrameCount, int AFrameDelay);
    void SetStage(int AStage) { FStage = AStage; }
    // The two pictures as pixel arrays of the size; fully transparent pixels that are not black become
    // opaque (pictures drawn by GDI carry no alpha).
    void SetPictures(TRGBColors AStart, TRGBColors ATarget, int AWidth, int AHeight);
    // Blends the frame of the current stage; when it replaces the previous frame, the object repaints
    // (the last thing it does: the object may end the fade while repainting).
    void CalculateFrame();
    // Drops the current frame.
    void DropFrame();

    enum class TStepResult { Waiting, Advanced, Finished };
    // One tick of the 10 ms timer.
    TStepResult Step();

private:
    TovFader* FOwner;
    IovFadingObject* FObject;
    std::uint64_t FSerial;
    int FWidth = 0, FHeight = 0;
    TRGBColors FStart, FTarget, FFramePixels;
    std::unique_ptr<TovGPImage> FFrame;
    int FStage = 0;
    int FFrameCount = 1;
    int FFrameDelay = 1;
    int FDelayDivider = 1;
    int FDelayIndex = 0;
};

// The running elements, oldest first; it owns them.
using TovFadingList = std::vector<std::unique_ptr<TovFadingElement>>;

class TovFader : public TObject, public IovFader {
public:
    TovFader();
    ~TovFader() override;
    TovFader(const TovFader&) = delete;
    TovFader& operator=(const TovFader&) = delete;

    // 0 follows the system's menu-animation setting, 1 always fades, 2 never.
    int FadingMode() const { return FFadingMode; }
    void SetFadingMode(int AValue) { FFadingMode = AValue; }
    int MaxFadeCount() const { return FMaxFadeCount; }
    void SetMaxFadeCount(int AValue);

    bool IsFadingActive();
    // Active, room for fades, the imaging interface there and a screen of more than 16 bits.
    bool FaderIsReady();
    bool CanFadeObject(IovFadingObject* AObject);
    void FadeIn(IovFadingObject* AObject) override;
    void FadeOut(IovFadingObject* AObject) override;
    bool DrawFadeStep(IovFadingObject* AObject, HDC ADC, const TRect& R) override;
    // The object's running element (the oldest first), or null.
    TovFadingElement* Find(IovFadingObject* AObject) const;
    // Destroying: freed at once without telling the object; otherwise finalized.
    void Remove(IovFadingObject* AObject, bool ADestroying) override;
    void Clear();

    int Count() const { return static_cast<int>(FElements.size()); }
    TovFadingElement* Items(int AIndex) const { return FElements[AIndex].get(); }
    TTimer* Timer() const { return FTimer.get(); }

private:
    void Fade(IovFadingObject* AObject, bool AFadeIn);
    TovFadingElement* FindBySerial(std::uint64_t ASerial) const;
    // Takes the element out of the list, drops its frame, lets the object repaint and frees it.
    void Finalize(TovFadingElement* AElement);
    // Finalizes the oldest while too many run, then runs the timer exactly while fades are left.
    void CheckQueue();
    void TimerTick(TObject* ASender);

    int FFadingMode = 0;
    int FMaxFadeCount = 10;
    std::uint64_t FNextSerial = 1;
    TovFadingList FElements;
    std::unique_ptr<TTimer> FTimer;
};

// The painters' fader: null before their start-up and after their shut-down.
TovFader* ovFader();
void ovCreateFader();
void ovDestroyFader();
