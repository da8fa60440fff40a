// The opening animations of menu windows: which one runs (maRandom picks one of the three in equal
// thirds), the arithmetic of unfold and slide (first value, delta and step, the window and the part of the
// menu's picture each step shows), and TovBarMenuAnimation, which plays them on the GUI thread: a window
// timer shows one step per tick of the system tick counter's old cadence (1000/64 ms) read from the
// runtime clock, each step drawn from the off-screen picture the menu painted once before it started.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/bars/BarTypes.h"

#include <functional>
#include <memory>

class TBitmap;

struct TovBarAnimationInfo {
    TovBarMenuAnimations Kind = maNone;
    bool OpensLeftwards = false;
    bool OpensUpwards = false;
    // The window's final place: its client's final top-left corner on the screen, and the client size.
    int FinalLeft = 0;
    int FinalTop = 0;
    int FinalClientWidth = 0;
    int FinalClientHeight = 0;
    // Window size less client size.
    int BorderWidth = 0;
    int BorderHeight = 0;
    int FirstValue = 0;
    int Delta = 0;
    int Step = 1;
};

// maRandom resolved by a number 0..99: below 33 unfold, below 66 slide, else fade.
TovBarMenuAnimations ovBarResolveRandomAnimation(int ARandom);

TovBarAnimationInfo ovBarMakeAnimationInfo(TovBarMenuAnimations AKind, const TRect& AFinalWindow,
                                           int ABorderWidth, int ABorderHeight, bool AOpensLeftwards,
                                           bool AOpensUpwards);
int ovBarAnimationStepCount(const TovBarAnimationInfo& AInfo);

struct TovBarAnimationFrame {
    // The window's bounds on the screen at this step.
    TRect Window{0, 0, 0, 0};
    // The part of the off-screen picture the client shows: its top-left corner in the picture and its size.
    TPoint ImageOrigin{0, 0};
    int Width = 0;
    int Height = 0;
};
// Step AStep (1-based) of the animation.
TovBarAnimationFrame ovBarAnimationFrame(const TovBarAnimationInfo& AInfo, int AStep);

// How long one step lasts.
constexpr double ovBarAnimationStepMs = 1000.0 / 64.0;

class TovBarMenuAnimation {
public:
    // AImage is the final client as the menu paints it; AFinish puts the window at its final place and
    // repaints it (the menu's own last step).
    TovBarMenuAnimation(HWND AWnd, const TovBarAnimationInfo& AInfo, std::unique_ptr<TBitmap> AImage,
                        std::function<void()> AFinish);
    ~TovBarMenuAnimation();
    TovBarMenuAnimation(const TovBarMenuAnimation&) = delete;
    TovBarMenuAnimation& operator=(const TovBarMenuAnimation&) = delete;

    // The window timer the animation runs on.
    static constexpr UINT_PTR TimerId = 4;

    // Shows the first step and starts the timer.
    void Start();
    // The timer ticked: shows the step that is due, or finishes after the last one.
    void Tick();
    // Ends the animation early; with AFinish the window jumps to its final state.
    void Stop(bool AFinish);
    bool Running() const { return FRunning; }
    int StepCount() const { return FCount; }
    int StepShown() const { return FShown; }
    const TovBarAnimationInfo& Info() const { return FInfo; }
    // Told of every step shown (tests and the benchmark watch it).
    std::function<void(int, const TovBarAnimationFrame&)> OnStep;

private:
    void ShowStep(int AStep);
    void Finish();

    HWND FWnd;
    TovBarAnimationInfo FInfo;
    std::unique_ptr<TBitmap> FImage;
    std::function<void()> FFinish;
    std::uint64_t FStart = 0;
    int FCount = 0;
    int FShown = 0;
    bool FRunning = false;
};
