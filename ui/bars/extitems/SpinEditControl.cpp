#include "ui/bars/extitems/SpinEditControl.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/rtl/WeakLink.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/extitems/BarSpinEdit.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

const TovBarItemControlClass ovBarSpinEditControlClass{"TovBarSpinEditControl",
                                                       &ovMakeItemControl<TovBarSpinEditControl>};

namespace {

// The repeat timers of the inner window: the wait before the first repeat, then the repeat itself.
constexpr UINT_PTR FirstRepeatTimer = 0x5B01, RepeatTimer = 0x5B02;

} // namespace

TovBarSpinEditControl::~TovBarSpinEditControl() {
    if (HWND window = GetHandle(); window != nullptr && FTimer != 0) {
        ::KillTimer(window, FirstRepeatTimer);
        ::KillTimer(window, RepeatTimer);
    }
}

TovBarSpinEdit* TovBarSpinEditControl::SpinEdit() const {
    return dynamic_cast<TovBarSpinEdit*>(Item());
}

UINT TovBarSpinEditControl::FirstRepeatDelay() {
    // A short double-click time would leave no wait at all (or a negative one) before the first repeat.
    const UINT doubleClick = ::GetDoubleClickTime();
    return doubleClick > 2 * RepeatInterval ? doubleClick - RepeatInterval : RepeatInterval;
}

void TovBarSpinEditControl::SetActiveButton(int AValue) {
    TovBarSpinEdit* item = SpinEdit();
    if (item != nullptr && item->ReadOnly) AValue = -1;
    if (AValue == FActiveButton) return;
    FActiveButton = AValue;
    CalcDrawParams(true);
    Repaint();
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarSpinEditControl::CreateDrawParams() {
    return std::make_unique<TovBarSpinEditDrawParams>(this);
}

void TovBarSpinEditControl::CalcDrawParams(bool AFull) {
    TovBarEditControl::CalcDrawParams(AFull);
    auto* params = dynamic_cast<TovBarSpinEditDrawParams*>(DrawParams());
    if (params == nullptr) return;
    params->ActiveButton = FActiveButton;
    if (!AFull) return;
    params->IsPressed = FPressedButton >= 0;
    if (TovBarPainter* painter = GetPainter())
        params->ArrowSize = painter->SpinEditGetArrowSize(uiHeightOfRect(GetBoundsRect()));
}

void TovBarSpinEditControl::CalcParts() {
    TovBarEditControl::CalcParts();
    TRect field{};
    GetEditRect(field);
    if (TovBarPainter* painter = GetPainter()) painter->SpinEditCalcParts(DrawParams(), PartsRef(), field);
}

void TovBarSpinEditControl::AdjustTextRect(TRect& R) {
    if (TovBarPainter* painter = GetPainter(); painter != nullptr && Parts().size() > DownButton)
        painter->SpinEditAdjustTextRect(DrawParams(), R);
}

void TovBarSpinEditControl::DrawTextField() {
    TovBarPainter* painter = GetPainter();
    TuiCanvas* canvas = DrawParams()->Canvas;
    if (painter != nullptr && canvas != nullptr && Parts().size() > DownButton &&
        !uiIsRectEmpty(Parts()[UpButton])) {
        TRect offsets{};
        painter->SpinEditGetButtonsOffsets(offsets);
        const TRect& up = Parts()[UpButton];
        const TRect& down = Parts()[DownButton];
        const TRect area{std::min(up.left, down.left) - offsets.left,
                         std::min(up.top, down.top) - offsets.top,
                         std::max(up.right, down.right) + offsets.right,
                         std::max(up.bottom, down.bottom) + offsets.bottom};
        // The painter clipped the canvas to the text field; the buttons stand beside it.
        HDC dc = canvas->Handle();
        const int saved = SaveDC(dc);
        SelectClipRgn(dc, nullptr);
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        painter->SpinEditDrawButtonsBackground(DrawParams(), area);
        painter->SpinEditDrawButton(DrawParams(), Parts()[UpButton], 0);
        painter->SpinEditDrawButton(DrawParams(), Parts()[DownButton], 1);
        RestoreDC(dc, saved);
    }
    TovBarEditControl::DrawTextField();
}

void TovBarSpinEditControl::ControlInactivate(bool AImmediately) {
    StopRepeat();
    FPressedButton = -1;
    TovBarEditControl::ControlInactivate(AImmediately);
}

int TovBarSpinEditControl::PartAt(const TPoint& P) const {
    for (int part : {UpButton, DownButton})
        if (static_cast<int>(Parts().size()) > part && uiIsPointInRect(Parts()[part], P)) return part;
    return -1;
}

void TovBarSpinEditControl::StepWith(int AButton) {
    if (TovBarSpinEdit* item = SpinEdit()) item->Step(AButton == UpButton ? sbUp : sbDown);
}

void TovBarSpinEditControl::StartRepeat() {
    TWeakLink<TovBarItemControl> self(this);
    HWND window = GetHandle();
    if (window != nullptr && ::GetCapture() != window) ::SetCapture(window);
    StepWith(FActiveButton);
    if (!self || window == nullptr || ::GetCapture() != window) return;
    FTimer = ::SetTimer(window, FirstRepeatTimer, FirstRepeatDelay(), nullptr);
}

void TovBarSpinEditControl::StopRepeat() {
    HWND window = GetHandle();
    const bool running = FTimer != 0;
    FTimer = 0;
    if (window != nullptr && running) {
        ::KillTimer(window, FirstRepeatTimer);
        ::KillTimer(window, RepeatTimer);
        if (::GetCapture() == window) ::ReleaseCapture();
    }
    SetActiveButton(-1);
}

void TovBarSpinEditControl::InnerWndProc(TMessage& AMessage) {
    TWeakLink<TovBarItemControl> self(this);
    const UINT msg = AMessage.Msg;
    const WPARAM wParam = AMessage.WParam;
    const TPoint p = InnerPointToBar(AMessage.LParam);
    if (msg == WM_TIMER && (wParam == FirstRepeatTimer || wParam == RepeatTimer)) {
        if (wParam == FirstRepeatTimer) {
            ::KillTimer(GetHandle(), FirstRepeatTimer);
            FTimer = ::SetTimer(GetHandle(), RepeatTimer, RepeatInterval, nullptr);
        } else if (FActiveButton >= 0) {
            StepWith(FActiveButton);
        }
        return;
    }
    TovBarEditControl::InnerWndProc(AMessage);
    if (!self) return;
    TovBarSpinEdit* item = SpinEdit();
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (FActiveButton >= 0) break;
        const int part = PartAt(p);
        if (part < 0) break;
        FPressedButton = part;
        SetActiveButton(part);
        if (FActiveButton >= 0) StartRepeat();
        break;
    }
    case WM_MOUSEMOVE:
        // Off the held button the stepping pauses; the timer keeps running.
        if (FTimer != 0) SetActiveButton(PartAt(p) == FPressedButton ? FPressedButton : -1);
        break;
    case WM_LBUTTONUP:
        FPressedButton = -1;
        if (FTimer != 0) StopRepeat();
        break;
    case WM_CAPTURECHANGED:
        if (FTimer != 0) StopRepeat();
        break;
    case WM_CANCELMODE:
        if (FActiveButton >= 0) StopRepeat();
        break;
    case WM_MOUSEWHEEL:
        if (item != nullptr && !item->ReadOnly)
            StepWith(static_cast<short>(HIWORD(wParam)) < 1 ? DownButton : UpButton);
        break;
    default:
        break;
    }
}
