// Mouse-leave tracking for objects that are not windows of their own (bar items, scroll-bar parts,
// painted buttons): a 10 ms timer per caller checks where the cursor is and tells the caller once it
// has left its area, then stops.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/core/base/Timers.h"

class TWinControl;

class IuiMouseTrackingCaller {
public:
    virtual ~IuiMouseTrackingCaller() = default;
    virtual void MouseLeave() = 0;
};

// A caller that decides itself whether a point is inside it (client coordinates of the tracked
// control, or screen coordinates without one).
class IuiMouseTrackingAreaCaller : public IuiMouseTrackingCaller {
public:
    virtual bool PtInCaller(const TPoint& P) = 0;
};

class TMouseTrackingTimer : public TuiTimer {
public:
    TMouseTrackingTimer();
    TRect Bounds{};
    IuiMouseTrackingCaller* Caller = nullptr;
    TWinControl* Control = nullptr;

private:
    void Check(TObject* Sender);
};

// Starts tracking ARect (client coordinates of AControl, screen coordinates without one); nothing when
// the caller is tracked already or the unit has ended.
void uiBeginMouseTracking(TWinControl* AControl, const TRect& ARect, IuiMouseTrackingCaller* ACaller);
void uiEndMouseTracking(IuiMouseTrackingCaller* ACaller);
bool IsMouseTracking(IuiMouseTrackingCaller* ACaller);
int uiMouseTrackingCount();

void uiMouseTrackingStart();
// Timers still running are freed without a word: their callers are going away with the program.
void uiMouseTrackingEnd();
