#include "platform/vcl/UpDown.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/RangeQuery.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

namespace updown_detail {

constexpr UINT_PTR RepeatTimer = 1;
constexpr UINT FirstRepeatDelay = 400;
constexpr UINT RepeatDelay = 50;

std::string FormatNumber(int Value, bool Thousands) {
    std::string digits = std::to_string(Value < 0 ? -static_cast<std::int64_t>(Value) : Value);
    if (Thousands)
        for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
            digits.insert(static_cast<std::size_t>(i), ",");
    return Value < 0 ? "-" + digits : digits;
}

// The number in Text (separators and spaces ignored); false when it holds no number.
bool ParseNumber(const std::string& Text, int& Value) {
    std::string digits;
    for (char c : Text)
        if (c != ',' && c != ' ') digits.push_back(c);
    if (digits.empty()) return false;
    std::size_t used = 0;
    try {
        const long long v = std::stoll(digits, &used);
        if (used != digits.size()) return false;
        Value = static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace updown_detail

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks};
    FWidth = 17;
    FHeight = 25;
    FColor = clBtnFace;
}

TUpDown::~TUpDown() {
    StopRepeat();
    UnhookAssociate();
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate) {
        // Its window procedure goes with it.
        FAssociate = nullptr;
        FAssociateProc = nullptr;
    }
}

void TUpDown::HookAssociate() {
    if (FAssociate == nullptr) return;
    FAssociateProc = FAssociate->WindowProc;
    FAssociate->WindowProc = [this](TMessage& Message) {
        const bool arrow =
            Message.Msg == WM_KEYDOWN && (Message.WParam == VK_UP || Message.WParam == VK_DOWN);
        if (arrow && FArrowKeys && Enabled()) {
            Step(Message.WParam == VK_UP ? btNext : btPrev);
            return;
        }
        FAssociateProc(Message);
    };
}

void TUpDown::UnhookAssociate() {
    if (FAssociate == nullptr) return;
    FAssociate->WindowProc = FAssociateProc;
    FAssociate->RemoveFreeNotification(this);
    FAssociateProc = nullptr;
}

void TUpDown::SetAssociate(TWinControl* Value) {
    if (Value == FAssociate) return;
    UnhookAssociate();
    FAssociate = Value;
    if (Value == nullptr) return;
    Value->FreeNotification(this);
    HookAssociate();
    PlaceBesideAssociate();
    WriteAssociate();
}

void TUpDown::PlaceBesideAssociate() {
    if (FAssociate == nullptr || FAssociate->Parent() != Parent()) return;
    const int width = FWidth;
    const RECT r = FAssociate->BoundsRect();
    // The edit gives up the room the buttons take, on the side they stand.
    FAssociate->SetBounds(FAlignButton == udRight ? r.left : r.left + width, r.top, r.right - r.left - width,
                          r.bottom - r.top);
    SetBounds(FAlignButton == udRight ? r.right - width : r.left, r.top, width, r.bottom - r.top);
}

void TUpDown::SetMin(int Value) {
    FMin = Value;
    SetPosition(FPosition);
}

void TUpDown::SetMax(int Value) {
    FMax = Value;
    SetPosition(FPosition);
}

void TUpDown::SetThousands(bool Value) {
    FThousands = Value;
    WriteAssociate();
}

void TUpDown::SetAlignButton(TUDAlignButton Value) {
    FAlignButton = Value;
}

void TUpDown::SetOrientation(TUDOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    Invalidate();
}

int TUpDown::Position() {
    ReadAssociate();
    return FPosition;
}

void TUpDown::SetPosition(int Value) {
    const int low = std::min(FMin, FMax);
    const int high = std::max(FMin, FMax);
    FPosition = std::clamp(Value, low, high);
    WriteAssociate();
    Invalidate();
}

void TUpDown::ReadAssociate() {
    if (FAssociate == nullptr) return;
    int value = 0;
    if (updown_detail::ParseNumber(FAssociate->Text(), value))
        FPosition = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
}

void TUpDown::WriteAssociate() {
    if (FAssociate == nullptr) return;
    const std::string text = updown_detail::FormatNumber(FPosition, FThousands);
    if (FAssociate->Text() != text) FAssociate->SetText(text);
}

void TUpDown::Step(TUDBtnType Button) {
    ReadAssociate();
    bool allow = true;
    OnChanging(this, allow);
    if (!allow) return;
    // The Up button goes towards Max (which may be less than Min).
    const int direction = (Button == btNext) == (FMax >= FMin) ? 1 : -1;
    const int low = std::min(FMin, FMax);
    const int high = std::max(FMin, FMax);
    std::int64_t next =
        static_cast<std::int64_t>(FPosition) + static_cast<std::int64_t>(direction) * FIncrement;
    if (next > high) next = FWrap ? low : high;
    if (next < low) next = FWrap ? high : low;
    SetPosition(static_cast<int>(next));
    TWeakLink<TUpDown> self(this);
    OnClick(this, Button);
}

TUDBtnType TUpDown::ButtonAt(int X, int Y) const {
    if (FOrientation == udVertical) return Y < FHeight / 2 ? btNext : btPrev;
    return X >= FWidth / 2 ? btNext : btPrev;
}

void TUpDown::StopRepeat() {
    if (FRepeating && HandleAllocated()) ::KillTimer(FHandle, updown_detail::RepeatTimer);
    FRepeating = false;
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        // The associate keeps (or takes) the focus, so typing goes on there.
        if (FAssociate != nullptr && FAssociate->CanFocus() && !FAssociate->Focused()) FAssociate->SetFocus();
        FPressed = true;
        FPressedButton = ButtonAt(X, Y);
        TWeakLink<TUpDown> self(this);
        Step(FPressedButton);
        if (!self) return;
        FRepeating =
            ::SetTimer(Handle(), updown_detail::RepeatTimer, updown_detail::FirstRepeatDelay, nullptr) != 0;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FPressed = false;
        StopRepeat();
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TUpDown::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam == updown_detail::RepeatTimer && FRepeating) {
            ::SetTimer(FHandle, updown_detail::RepeatTimer, updown_detail::RepeatDelay, nullptr);
            if (FPressed) Step(FPressedButton);
            return;
        }
        break;
    case WM_CANCELMODE:
        FPressed = false;
        StopRepeat();
        break;
    case UDM_GETPOS:
    case UDM_GETPOS32:
        Message.Result = Position();
        return;
    case UDM_SETPOS:
        Message.Result = FPosition;
        SetPosition(static_cast<short>(LOWORD(Message.LParam)));
        return;
    case UDM_SETPOS32:
        Message.Result = FPosition;
        SetPosition(static_cast<int>(Message.LParam));
        return;
    case UDM_SETRANGE:
        // The high word is the minimum, the low word the maximum.
        FMin = static_cast<short>(HIWORD(Message.LParam));
        FMax = static_cast<short>(LOWORD(Message.LParam));
        SetPosition(FPosition);
        return;
    case UDM_SETRANGE32:
        FMin = static_cast<int>(Message.WParam);
        FMax = static_cast<int>(Message.LParam);
        SetPosition(FPosition);
        return;
    case UDM_GETRANGE:
        Message.Result = MAKELONG(static_cast<WORD>(FMax), static_cast<WORD>(FMin));
        return;
    case UDM_GETRANGE32:
        AnswerRangeQuery(Message, FMin, FMax);
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

void TUpDown::Paint() {
    HDC dc = Canvas()->Handle();
    const RECT client = ClientRect();
    const bool vertical = FOrientation == udVertical;
    RECT next = vertical ? RECT{0, 0, client.right, client.bottom / 2}
                         : RECT{client.right / 2, 0, client.right, client.bottom};
    RECT prev = vertical ? RECT{0, client.bottom / 2, client.right, client.bottom}
                         : RECT{0, 0, client.right / 2, client.bottom};
    const UINT inactive = Enabled() ? 0 : DFCS_INACTIVE;
    ::DrawFrameControl(dc, &next, DFC_SCROLL,
                       (vertical ? DFCS_SCROLLUP : DFCS_SCROLLRIGHT) | inactive |
                           (FPressed && FPressedButton == btNext ? DFCS_PUSHED : 0));
    ::DrawFrameControl(dc, &prev, DFC_SCROLL,
                       (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLLEFT) | inactive |
                           (FPressed && FPressedButton == btPrev ? DFCS_PUSHED : 0));
}
