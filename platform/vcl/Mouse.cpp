#include "platform/vcl/Mouse.h"

#include "platform/vcl/Control.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

namespace mouse_detail {
TMouse* Instance = nullptr;
}

TMouse* Mouse() {
    return mouse_detail::Instance;
}

void SetMouseInstance(TMouse* Value) {
    mouse_detail::Instance = Value;
}

TMouse::TMouse() = default;

POINT TMouse::CursorPos() const {
    POINT p{0, 0};
    ::GetCursorPos(&p);
    return p;
}

void TMouse::SetCursorPos(POINT Value) {
    ::SetCursorPos(Value.x, Value.y);
}

TControl* TMouse::Capture() const {
    return GetCaptureControl();
}

void TMouse::SetCapture(TControl* Value) {
    SetCaptureControl(Value);
}

int TMouse::WheelScrollLines() const {
    UINT lines = 3;
    if (!::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) return 3;
    return static_cast<int>(lines);
}

int WheelScrollRows(int WheelDelta) {
    const int lines = Mouse() != nullptr ? Mouse()->WheelScrollLines() : 3;
    return WheelDelta / WHEEL_DELTA * lines;
}
