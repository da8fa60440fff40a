#include "ui/core/controls/MouseTracking.h"

#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/WindowUtils.h"

#include <memory>
#include <vector>

namespace {

bool UnitRunning = false;
std::vector<std::unique_ptr<TMouseTrackingTimer>>* TrackingList = nullptr;
// A timer whose tracking ends inside its own check is stopped and freed later, not under its own feet.
TMouseTrackingTimer* Checking = nullptr;
std::vector<std::unique_ptr<TMouseTrackingTimer>> Stopped;

std::vector<std::unique_ptr<TMouseTrackingTimer>>& List() {
    if (TrackingList == nullptr) TrackingList = new std::vector<std::unique_ptr<TMouseTrackingTimer>>();
    return *TrackingList;
}

TMouseTrackingTimer* Find(IuiMouseTrackingCaller* ACaller) {
    if (TrackingList == nullptr) return nullptr;
    for (auto& timer : *TrackingList)
        if (timer->Caller == ACaller) return timer.get();
    return nullptr;
}

} // namespace

TMouseTrackingTimer::TMouseTrackingTimer() : TuiTimer(nullptr) {
    SetInterval(10);
    SetOnTimer(TNotifyEvent(this, &TMouseTrackingTimer::Check));
}

void TMouseTrackingTimer::Check(TObject*) {
    if (Checking == nullptr) Stopped.clear();
    TMouseTrackingTimer* outer = Checking;
    Checking = this;
    struct Restore {
        TMouseTrackingTimer* outer;
        ~Restore() { Checking = outer; }
    } restore{outer};
    const TPoint cursor = uiGetMouseCursorPos();
    const bool hasHandle = Control != nullptr && Control->HandleAllocated();
    bool outside;
    if (hasHandle && !uiIsChildEx(Control->Handle(), uiWindowAtPoint(cursor)) &&
        GetCapture() != Control->Handle()) {
        outside = true;
    } else if (auto* area = dynamic_cast<IuiMouseTrackingAreaCaller*>(Caller)) {
        if (Control == nullptr) {
            outside = !area->PtInCaller(cursor);
        } else if (!hasHandle) {
            outside = true;
        } else {
            TPoint local = cursor;
            ScreenToClient(Control->Handle(), &local);
            outside = !area->PtInCaller(local);
        }
    } else {
        outside = !PtInRect(&Bounds, cursor);
    }
    const bool lostControl = Control != nullptr && (!hasHandle || !uiIsWindowEnabledEx(Control->Handle()));
    if (!outside && !lostControl) return;
    IuiMouseTrackingCaller* caller = Caller;
    if (hasHandle) {
        TPoint local = cursor;
        ScreenToClient(Control->Handle(), &local);
        const TRect client = uiClientRectOf(Control->Handle());
        if (!PtInRect(&client, local) || !uiIsWindowEnabledEx(Control->Handle()))
            SendMessage(Control->Handle(), CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Control));
    }
    caller->MouseLeave();
    uiEndMouseTracking(caller); // frees this timer
}

void uiBeginMouseTracking(TWinControl* AControl, const TRect& ARect, IuiMouseTrackingCaller* ACaller) {
    if (!UnitRunning || ACaller == nullptr || Find(ACaller) != nullptr) return;
    auto timer = std::make_unique<TMouseTrackingTimer>();
    timer->Control = AControl;
    timer->Caller = ACaller;
    timer->Bounds = ARect;
    if (AControl != nullptr && AControl->HandleAllocated())
        MapWindowPoints(AControl->Handle(), nullptr, reinterpret_cast<POINT*>(&timer->Bounds), 2);
    List().push_back(std::move(timer));
}

void uiEndMouseTracking(IuiMouseTrackingCaller* ACaller) {
    if (TrackingList == nullptr) return;
    for (auto it = TrackingList->begin(); it != TrackingList->end(); ++it)
        if ((*it)->Caller == ACaller) {
            std::unique_ptr<TMouseTrackingTimer> timer = std::move(*it);
            TrackingList->erase(it);
            if (timer.get() == Checking) {
                timer->SetEnabled(false);
                Stopped.push_back(std::move(timer));
            }
            return;
        }
}

bool IsMouseTracking(IuiMouseTrackingCaller* ACaller) {
    return UnitRunning && Find(ACaller) != nullptr;
}

int uiMouseTrackingCount() {
    return TrackingList != nullptr ? static_cast<int>(TrackingList->size()) : 0;
}

void uiMouseTrackingStart() {
    UnitRunning = true;
}

void uiMouseTrackingEnd() {
    UnitRunning = false;
    delete TrackingList;
    TrackingList = nullptr;
    Stopped.clear();
}
