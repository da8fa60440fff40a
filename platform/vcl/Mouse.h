// TMouse: the mouse as the class library reports it: the cursor position, the control that holds the
// capture, the distance the mouse must move before a drag starts and the lines a wheel notch scrolls.
#pragma once

#include "platform/rtl/WinTypes.h"

class TControl;

class TMouse {
public:
    TMouse();

    POINT CursorPos() const;
    void SetCursorPos(POINT Value);
    TControl* Capture() const;
    void SetCapture(TControl* Value);
    int DragThreshold() const { return FDragThreshold; }
    void SetDragThreshold(int Value) { FDragThreshold = Value; }
    bool MousePresent() const { return true; }
    bool WheelPresent() const { return true; }
    int WheelScrollLines() const;

private:
    int FDragThreshold = 5;
};

// How many rows a wheel turn of WheelDelta scrolls, towards the start when positive: whole notches times
// the system's lines per notch (3 when there is no mouse object).
int WheelScrollRows(int WheelDelta);

// The application's mouse (null before the class library starts and after it ends).
TMouse* Mouse();
void SetMouseInstance(TMouse* Value);
