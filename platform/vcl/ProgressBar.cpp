#include "platform/vcl/ProgressBar.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdint>

namespace progressbar_detail {

constexpr int Frame = 1;
constexpr int BlockGap = 2;

} // namespace progressbar_detail

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csOpaque};
    FWidth = 150;
    FHeight = 17;
    FColor = clBtnFace;
}

void TProgressBar::SetRange(int AMin, int AMax) {
    if (AMax < AMin) std::swap(AMin, AMax);
    FMin = AMin;
    FMax = AMax;
    FPosition = std::clamp(FPosition, FMin, FMax);
    Invalidate();
}

void TProgressBar::SetPosition(int Value) {
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
}

void TProgressBar::SetSmooth(bool Value) {
    FSmooth = Value;
    Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    Invalidate();
}

void TProgressBar::StepIt() {
    // Stepping past the end starts again at the beginning, as the control does.
    std::int64_t next = static_cast<std::int64_t>(FPosition) + FStep;
    if (next > FMax) next = FMin + (next - FMax);
    if (next < FMin) next = FMax - (FMin - next);
    SetPosition(static_cast<int>(std::clamp<std::int64_t>(next, FMin, FMax)));
}

int TProgressBar::FilledPixels() {
    using namespace progressbar_detail;
    const RECT client = ClientRect();
    const int inside = (FOrientation == pbHorizontal ? client.right : client.bottom) - 2 * Frame;
    const std::int64_t range = static_cast<std::int64_t>(FMax) - FMin;
    if (range <= 0 || inside <= 0) return 0;
    return static_cast<int>((static_cast<std::int64_t>(FPosition) - FMin) * inside / range);
}

void TProgressBar::Paint() {
    using namespace progressbar_detail;
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    RECT frame = client;
    Frame3D(dc, frame, clBtnShadow, clBtnHighlight, Frame);
    const int filled = FilledPixels();
    const bool horizontal = FOrientation == pbHorizontal;
    const int thickness = horizontal ? frame.bottom - frame.top : frame.right - frame.left;
    // Blocks are two thirds as long as the bar is thick.
    const int block = FSmooth ? filled : std::max(2, thickness * 2 / 3);
    for (int start = 0; start < filled; start += block + (FSmooth ? 0 : BlockGap)) {
        const int end = std::min(filled, start + block);
        RECT r = horizontal ? RECT{frame.left + start, frame.top, frame.left + end, frame.bottom}
                            : RECT{frame.left, frame.bottom - end, frame.right, frame.bottom - start};
        StdCtrlsFill(dc, r, clHighlight);
        if (FSmooth) break;
    }
}

void TProgressBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case PBM_SETRANGE: {
        Message.Result = MAKELONG(static_cast<WORD>(FMin), static_cast<WORD>(FMax));
        SetRange(LOWORD(Message.LParam), HIWORD(Message.LParam));
        return;
    }
    case PBM_SETRANGE32:
        SetRange(static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        return;
    case PBM_GETRANGE:
        Message.Result = Message.WParam != 0 ? FMin : FMax;
        return;
    case PBM_SETPOS:
        Message.Result = FPosition;
        SetPosition(static_cast<int>(Message.WParam));
        return;
    case PBM_GETPOS:
        Message.Result = FPosition;
        return;
    case PBM_DELTAPOS:
        Message.Result = FPosition;
        StepBy(static_cast<int>(Message.WParam));
        return;
    case PBM_STEPIT:
        Message.Result = FPosition;
        StepIt();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
