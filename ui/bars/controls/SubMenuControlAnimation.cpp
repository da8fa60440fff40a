#include "ui/bars/controls/SubMenuControlAnimation.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Clock.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/win/WinUser.h"

#include <cstdlib>

TovBarMenuAnimations ovBarResolveRandomAnimation(int ARandom) {
    if (ARandom < 33) return maUnfold;
    if (ARandom < 66) return maSlide;
    return maFade;
}

TovBarAnimationInfo ovBarMakeAnimationInfo(TovBarMenuAnimations AKind, const TRect& AFinalWindow,
                                           int ABorderWidth, int ABorderHeight, bool AOpensLeftwards,
                                           bool AOpensUpwards) {
    TovBarAnimationInfo info;
    info.Kind = AKind;
    info.OpensLeftwards = AOpensLeftwards;
    info.OpensUpwards = AOpensUpwards;
    info.FinalLeft = AFinalWindow.left;
    info.FinalTop = AFinalWindow.top;
    info.BorderWidth = ABorderWidth;
    info.BorderHeight = ABorderHeight;
    info.FinalClientWidth = AFinalWindow.right - AFinalWindow.left - ABorderWidth;
    info.FinalClientHeight = AFinalWindow.bottom - AFinalWindow.top - ABorderHeight;
    const int width = info.FinalClientWidth, height = info.FinalClientHeight;
    switch (AKind) {
    case maUnfold:
        // The longer side grows by the shorter one's amount: both reach their size at the last step.
        info.FirstValue = height - width;
        info.Delta = info.FirstValue > 0 ? width : height;
        info.Step = 8;
        break;
    case maSlide:
        info.FirstValue = 0;
        info.Delta = height;
        info.Step = 17;
        break;
    default:
        info.FirstValue = 0;
        info.Delta = 128;
        info.Step = 1;
        break;
    }
    return info;
}

int ovBarAnimationStepCount(const TovBarAnimationInfo& AInfo) {
    return AInfo.Step > 0 ? AInfo.Delta / AInfo.Step : 0;
}

TovBarAnimationFrame ovBarAnimationFrame(const TovBarAnimationInfo& AInfo, int AStep) {
    const int value = AStep * AInfo.Step;
    int width, height;
    if (AInfo.FirstValue < 0) {
        width = value - AInfo.FirstValue;
        height = value;
    } else {
        width = AInfo.Kind == maSlide ? AInfo.FinalClientWidth : value;
        height = value + AInfo.FirstValue;
    }
    const int x = AInfo.OpensLeftwards ? AInfo.FinalLeft + AInfo.FinalClientWidth - width : AInfo.FinalLeft;
    const int y = AInfo.OpensUpwards ? AInfo.FinalTop + AInfo.FinalClientHeight - height : AInfo.FinalTop;
    TovBarAnimationFrame frame;
    frame.Window = TRect{x, y, x + width + AInfo.BorderWidth, y + height + AInfo.BorderHeight};
    frame.Width = width;
    frame.Height = height;
    // Opening upwards the menu's top comes first; opening downwards its bottom slides out of the owner.
    if (AInfo.OpensUpwards)
        frame.ImageOrigin = TPoint{0, 0};
    else if (AInfo.OpensLeftwards)
        frame.ImageOrigin = TPoint{AInfo.FinalClientWidth - width, AInfo.FinalClientHeight - height};
    else
        frame.ImageOrigin = TPoint{0, AInfo.FinalClientHeight - height};
    return frame;
}

// ---- Playing

TovBarMenuAnimation::TovBarMenuAnimation(HWND AWnd, const TovBarAnimationInfo& AInfo,
                                         std::unique_ptr<TBitmap> AImage, std::function<void()> AFinish)
    : FWnd(AWnd), FInfo(AInfo), FImage(std::move(AImage)), FFinish(std::move(AFinish)),
      FCount(ovBarAnimationStepCount(AInfo)) {}

TovBarMenuAnimation::~TovBarMenuAnimation() {
    if (FRunning) ::KillTimer(FWnd, TimerId);
}

void TovBarMenuAnimation::Start() {
    FStart = CurrentClock().TickCount64();
    FRunning = true;
    if (FCount <= 0) {
        Finish();
        return;
    }
    ShowStep(1);
    ::SetTimer(FWnd, TimerId, 10, nullptr);
}

void TovBarMenuAnimation::Tick() {
    if (!FRunning) return;
    const std::uint64_t elapsed = CurrentClock().TickCount64() - FStart;
    // Step I is due (I - 1) ticks after the start; a late timer shows the step that is due now.
    const int due = 1 + static_cast<int>(elapsed * 64 / 1000);
    if (due > FCount) {
        Finish();
        return;
    }
    if (due > FShown) ShowStep(due);
}

void TovBarMenuAnimation::Stop(bool AFinish) {
    if (!FRunning) return;
    if (AFinish) {
        Finish();
    } else {
        FRunning = false;
        ::KillTimer(FWnd, TimerId);
    }
}

void TovBarMenuAnimation::ShowStep(int AStep) {
    FShown = AStep;
    const TovBarAnimationFrame frame = ovBarAnimationFrame(FInfo, AStep);
    ::SetWindowPos(FWnd, nullptr, frame.Window.left, frame.Window.top, frame.Window.right - frame.Window.left,
                   frame.Window.bottom - frame.Window.top, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
    if (FImage) {
        HDC dc = ::GetDC(FWnd);
        ::BitBlt(dc, FInfo.BorderWidth / 2, FInfo.BorderHeight / 2, frame.Width, frame.Height,
                 FImage->Canvas()->Handle(), frame.ImageOrigin.x, frame.ImageOrigin.y, SRCCOPY);
        ::ReleaseDC(FWnd, dc);
        ::ValidateRect(FWnd, nullptr);
    }
    if (OnStep) OnStep(AStep, frame);
}

void TovBarMenuAnimation::Finish() {
    FRunning = false;
    ::KillTimer(FWnd, TimerId);
    if (FFinish) FFinish();
}
