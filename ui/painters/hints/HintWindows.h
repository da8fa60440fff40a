// The library's hint windows on top of the class library's: a topmost, non-activating window that keeps
// itself on the monitor's work area, paints through the library canvas and may appear with a slide or
// fade; and the custom hint window with a caption and a switch back to the plain class-library look.
#pragma once

#include "platform/vcl/HintWindow.h"

#include <cstdint>
#include <memory>
#include <string>

class TuiCanvas;

// How a hint window appears.
enum TuiHintAnimationKind : std::uint8_t {
    hakSlideFromLeft,
    hakSlideFromRight,
    hakSlideDownwards,
    hakSlideUpwards,
    hakExpandFromCenter,
    hakHide,
    hakActivate,
    hakFade,
    hakAutomatic,
    hakNone
};
// The window-animation flags of a kind (AW_SLIDE added); 0 for automatic and none.
DWORD uiHintAnimationFlags(TuiHintAnimationKind AKind);

// The system's tooltip settings the animation follows.
struct TuiHintAnimationSettings {
    bool TooltipAnimation = true; // SPI_GETTOOLTIPANIMATION
    bool TooltipFade = true;      // SPI_GETTOOLTIPFADE
};
TuiHintAnimationSettings uiReadHintAnimationSettings();
// Tests put other system settings in place; null returns to the system's.
void uiSetHintAnimationSettingsOverride(const TuiHintAnimationSettings* ASettings);
// None when the system animates no tooltips; automatic becomes fade or slide downwards by the fade
// setting; any other kind stays.
TuiHintAnimationKind uiEffectiveHintAnimationKind(TuiHintAnimationKind AKind,
                                                  const TuiHintAnimationSettings& ASettings);

// Hints shown again within this time, and longer texts, appear without animation.
constexpr unsigned uiHintReanimationPause = 250;
constexpr std::size_t uiHintAnimatedTextLimit = 100;

class TuiBaseHintWindow : public THintWindow {
public:
    explicit TuiBaseHintWindow(TComponent* AOwner);
    ~TuiBaseHintWindow() override;

    void ActivateHint(RECT Rect, const std::string& Hint) override;
    // Keeps the window on the work area at (ALeft, ATop).
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TuiHintAnimationKind AnimationKind() const { return FAnimationKind; }
    void SetAnimationKind(TuiHintAnimationKind AValue) { FAnimationKind = AValue; }
    int AnimationDelay() const { return FAnimationDelay; }
    void SetAnimationDelay(int AValue) { FAnimationDelay = AValue; }
    // 0 takes WS_BORDER off the window.
    int BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(int AValue) { FBorderStyle = AValue; }
    TuiCanvas* LibraryCanvas() const { return FCanvas.get(); }
    // Whether the last activation was animated.
    bool HasAnimation() const { return FHasAnimation; }
    const TRect& HintAreaBounds() const { return FHintAreaBounds; }
    bool UseMousePos() const { return FUseMousePos; }
    bool IsActivating() const { return FActivating; }
    bool StandardHint() const { return FStandardHint; }
    bool NeedEraseBackground = false;

    virtual void CorrectHintWindowRect(TRect& R);
    virtual void DisableRegion();
    virtual void EnableRegion() {}
    virtual bool HasWindowRegion() { return false; }
    virtual void SetHintAreaBounds(const TRect& R, bool AUseMousePos);
    virtual void ShowHintWindow();

protected:
    void CreateParams(TCreateParams& Params) override;
    void WMEraseBkgnd(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    // Animates the window when the pause and the text allow it (and the settings ask for it).
    void AnimationStep(const std::string& AHint);

    int FBorderStyle = 0;
    bool FStandardHint = false;

private:
    TuiHintAnimationKind FAnimationKind = hakAutomatic;
    int FAnimationDelay = 100;
    std::unique_ptr<TuiCanvas> FCanvas;
    bool FHasAnimation = false;
    TRect FHintAreaBounds{};
    DWORD FLastActivation = 0;
    bool FActivating = false;
    bool FUseMousePos = false;
};

class TuiCustomHintWindow : public TuiBaseHintWindow {
public:
    using TuiBaseHintWindow::TuiBaseHintWindow;

    // The extra caption a hint style controller gives the hint.
    const std::string& HintCaption() const { return FHintCaption; }
    void SetHintCaption(const std::string& AValue) { FHintCaption = AValue; }
    // True: the window behaves exactly as the class library's (double buffering off).
    void SetStandardHint(bool AValue);

    // Shows AHint at (X, Y): empty here, the screen-tip window shows itself.
    virtual void ShowHintAt(int X, int Y, int AMaxWidth, const std::string& AHint,
                            const std::string& AExtraText) {}

private:
    std::string FHintCaption;
};
