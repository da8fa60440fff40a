#include "ui/painters/hints/HintWindows.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Utf8.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/Screen.h"
#include "platform/win/DeferredPositions.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace hint_windows_detail {
const TuiHintAnimationSettings* SettingsOverride = nullptr;

bool ReadSystemFlag(UINT AAction) {
    BOOL value = FALSE;
    return SystemParametersInfo(AAction, 0, &value, 0) && value;
}

bool HasMonitorAt(const TRect& R) {
    return MonitorFromPoint(POINT{R.left, R.top}, MONITOR_DEFAULTTONEAREST) != nullptr;
}
} // namespace hint_windows_detail

using namespace hint_windows_detail;

DWORD uiHintAnimationFlags(TuiHintAnimationKind AKind) {
    static constexpr DWORD Flags[] = {AW_HOR_POSITIVE, AW_HOR_NEGATIVE, AW_VER_POSITIVE, AW_VER_NEGATIVE,
                                      AW_CENTER,       AW_HIDE,         AW_ACTIVATE,     AW_BLEND};
    return AKind < hakAutomatic ? Flags[AKind] | AW_SLIDE : 0;
}

TuiHintAnimationSettings uiReadHintAnimationSettings() {
    if (SettingsOverride != nullptr) return *SettingsOverride;
    TuiHintAnimationSettings settings;
    settings.TooltipAnimation = ReadSystemFlag(SPI_GETTOOLTIPANIMATION);
    settings.TooltipFade = ReadSystemFlag(SPI_GETTOOLTIPFADE);
    return settings;
}

void uiSetHintAnimationSettingsOverride(const TuiHintAnimationSettings* ASettings) {
    SettingsOverride = ASettings;
}

TuiHintAnimationKind uiEffectiveHintAnimationKind(TuiHintAnimationKind AKind,
                                                  const TuiHintAnimationSettings& ASettings) {
    if (AKind == hakNone || !ASettings.TooltipAnimation) return hakNone;
    if (AKind == hakAutomatic) return ASettings.TooltipFade ? hakFade : hakSlideDownwards;
    return AKind;
}

// ---- TuiBaseHintWindow

TuiBaseHintWindow::TuiBaseHintWindow(TComponent* AOwner) : THintWindow(AOwner) {
    FCanvas = std::make_unique<TuiCanvas>(Canvas());
}

TuiBaseHintWindow::~TuiBaseHintWindow() = default;

void TuiBaseHintWindow::CreateParams(TCreateParams& Params) {
    THintWindow::CreateParams(Params);
    if (FStandardHint) return;
    if (FBorderStyle == 0) Params.Style &= ~WS_BORDER;
    Params.ExStyle |= WS_EX_TOPMOST;
}

void TuiBaseHintWindow::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const TRect area = uiGetWorkAreaAtPoint(TPoint{ALeft, ATop});
    ALeft = std::max<int>(std::min<int>(ALeft, area.right - AWidth), area.left);
    ATop = std::max<int>(std::min<int>(ATop, area.bottom - AHeight), area.top);
    THintWindow::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TuiBaseHintWindow::CorrectHintWindowRect(TRect& R) {
    uiAdjustRectToWorkArea(R, uiGetMouseCursorPos());
}

void TuiBaseHintWindow::DisableRegion() {
    if (!HandleAllocated()) return;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool hasRegion = GetWindowRgn(Handle(), region) != ERROR;
    DeleteObject(region);
    if (hasRegion) SetWindowRgn(Handle(), nullptr, TRUE);
}

void TuiBaseHintWindow::SetHintAreaBounds(const TRect& R, bool AUseMousePos) {
    FHintAreaBounds = R;
    FUseMousePos = AUseMousePos;
}

void TuiBaseHintWindow::ShowHintWindow() {
    SetDoubleBuffered(HasWindowRegion());
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    FVisible = true;
    FShowing = true;
    if (HasWindowRegion() && FHasAnimation)
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    else
        Invalidate();
}

void TuiBaseHintWindow::AnimationStep(const std::string& AHint) {
    const DWORD now = GetTickCount();
    const TuiHintAnimationKind kind =
        uiEffectiveHintAnimationKind(FAnimationKind, uiReadHintAnimationSettings());
    const bool xpOrLater = ovOSVersion().IsWinXPOrLater;
    FHasAnimation = now - FLastActivation > uiHintReanimationPause &&
                    Utf8Length(AHint) < uiHintAnimatedTextLimit && kind != hakNone;
    if (FHasAnimation) {
        if (!xpOrLater || !HasWindowRegion())
            DisableRegion();
        else
            EnableRegion();
        AnimateWindow(Handle(), static_cast<DWORD>(FAnimationDelay), uiHintAnimationFlags(kind));
        if (xpOrLater && HasWindowRegion()) EnableRegion();
    }
    if (!HasWindowRegion())
        DisableRegion();
    else if (!FHasAnimation && xpOrLater)
        EnableRegion();
}

void TuiBaseHintWindow::ActivateHint(RECT Rect, const std::string& Hint) {
    TRect r{Rect.left, Rect.top, Rect.right, Rect.bottom};
    if (!HasMonitorAt(r)) return;
    if (FStandardHint) return THintWindow::ActivateHint(Rect, Hint);
    FActivating = true;
    try {
        SetCaption(Hint);
        CorrectHintWindowRect(r);
        SetBoundsRect(r);
        SetWindowPos(Handle(), HWND_TOPMOST, r.left, r.top, Width(), Height(),
                     SWP_NOOWNERZORDER | SWP_NOACTIVATE);
        AnimationStep(Hint);
        ShowHintWindow();
        FHintAreaBounds = TRect{};
    } catch (...) {
        FActivating = false;
        FLastActivation = GetTickCount();
        throw;
    }
    FActivating = false;
    FLastActivation = GetTickCount();
}

void TuiBaseHintWindow::WMEraseBkgnd(TMessage& Message) {
    if (NeedEraseBackground || FStandardHint)
        Message.Result = DefWindowProc(Handle(), Message.Msg, Message.WParam, Message.LParam);
    else
        Message.Result = 1;
}

void TuiBaseHintWindow::Dispatch(TMessage& Message) {
    // The caption set while activating is no change of the window's text.
    if (Message.Msg == CM_TEXTCHANGED && FActivating) return;
    // A hint is exactly as large as its layout: no minimum size of framed windows applies.
    if (Message.Msg == WM_GETMINMAXINFO && Message.LParam != 0) {
        reinterpret_cast<MINMAXINFO*>(Message.LParam)->ptMinTrackSize = POINT{0, 0};
        Message.Result = 0;
        return;
    }
    THintWindow::Dispatch(Message);
}

// ---- TuiCustomHintWindow

void TuiCustomHintWindow::SetStandardHint(bool AValue) {
    if (FStandardHint == AValue) return;
    FStandardHint = AValue;
    if (AValue) SetDoubleBuffered(false);
}
