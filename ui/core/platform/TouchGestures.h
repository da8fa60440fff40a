// Touch gestures for the library's controls: a control that owns a TovGestureHelper routes
// WM_GESTURENOTIFY, WM_GESTURE and WM_DESTROY into it, and the helper configures the gestures the
// client under the finger allows, scrolls it by panning (with over-pan feedback at the content's
// ends) and passes zooming and rotating on. Without the system's gesture functions nothing is
// configured and gesture messages are only answered.
#pragma once

#include "platform/vcl/Messages.h"
#include "platform/vcl/Scrolling.h"
#include "platform/win/Gestures.h"

#include <vector>

class IovGestureClient {
public:
    virtual ~IovGestureClient() = default;
    virtual bool AllowGesture(DWORD AGestureID) = 0;
    virtual bool AllowPan(TScrollBarKind AScrollKind) = 0;
    virtual void BeginGestureScroll(const TPoint& APos) = 0;
    virtual void EndGestureScroll() = 0;
    virtual void GestureScroll(int ADeltaX, int ADeltaY) = 0;
    // GC_PAN flags.
    virtual int GetPanOptions() = 0;
    virtual bool IsPanArea(const TPoint& APoint) = 0;
    virtual bool NeedPanningFeedback(TScrollBarKind AScrollKind) = 0;
};

class IovZoomGestureClient {
public:
    virtual ~IovZoomGestureClient() = default;
    virtual void Zoom(int ADelta, bool& AHandled) = 0;
};

class IovRotateGestureClient {
public:
    virtual ~IovRotateGestureClient() = default;
    // Radians.
    virtual void Rotate(double AAngle, bool& AHandled) = 0;
};

class IovGestureOwner {
public:
    virtual ~IovGestureOwner() = default;
    virtual IovGestureClient* GetGestureClient(const TPoint& APoint) = 0;
    virtual HWND GetHandle() = 0;
    virtual bool IsGestureTarget(HWND AWnd) = 0;
    virtual TPoint ScreenToClient(const TPoint& APoint) = 0;
};

using TovGestureConfigs = std::vector<GESTURECONFIG>;

class TovGestureHelper : public TObject {
public:
    explicit TovGestureHelper(IovGestureOwner* AOwner) : FOwner(AOwner) {}
    // True when the message was handled (WM_DESTROY never is).
    bool HandleMessage(TMessage& AMessage);
    // For a client scrolling because of a pan: past either end, the rest becomes over-pan feedback.
    void CheckOverpan(TScrollBarKind AScrollKind, int ANewPos, int AMinPos, int AMaxPos, int ADeltaX,
                      int ADeltaY);

    bool IsPanning() const { return FPanning; }
    // The pan under way moves on by inertia (the finger has left).
    bool IsInertia() const { return FInertia; }
    const TPoint& OverPan() const { return FOverPan; }
    IovGestureClient* GestureClient() const { return FGestureClient; }

protected:
    virtual bool AllowGesture(DWORD AID);
    virtual bool AllowPan(TScrollBarKind AScrollKind);
    virtual HWND GetHandle();
    virtual int GetPanOptions();
    virtual bool IsGestureTarget(HWND AWnd);
    virtual bool IsPanArea(const TPoint& APoint);
    virtual bool NeedPanningFeedback(TScrollBarKind AScrollKind);
    virtual TPoint ScreenToClient(const TPoint& APoint);

private:
    bool ProcessGestureNotify(TMessage& AMessage);
    bool ProcessGesture(TMessage& AMessage);
    bool ProcessPan(TPoint APoint, bool ABegin, bool AInertia, bool AEnd);
    bool ProcessZoom(int ADistance, bool ABegin, bool AEnd);
    bool ProcessRotate(bool ABegin, bool AEnd, double AAngle);
    void BeginGestureScroll(const TPoint& APoint);
    void EndGestureScroll();
    void ConsumeOverPan(TScrollBarKind AScrollKind, int& ADelta);
    void UpdateOverPan(TScrollBarKind AScrollKind, int ADelta);
    DWORD GetPanFlags(const TPoint& APoint);
    TPoint GetTouchStartPoint();

    bool FInertia = false;
    IovGestureClient* FGestureClient = nullptr;
    IovGestureClient* FNotifyClient = nullptr;
    IovGestureOwner* FOwner;
    bool FPanning = false;
    int FLastZoomDistance = 0;
    TPoint FLastPanPoint{};
    TPoint FOverPan{};
};

// Blocks every gesture for the window (the answer to its WM_GESTURENOTIFY is 1).
void ovSuspendGestures(HWND AWnd, TMessage& AMessage);
bool ovConfigureGestures(HWND AWnd, TovGestureConfigs& AConfigs);
bool ovProcessIsDPIAware();
// "AppliedDPI" of the user's desktop window metrics in the registry, else the screen's DPI.
int ovGetAppliedDPI();
// The point of the last WM_GESTURENOTIFY the unit's hook saw (screen coordinates).
TPoint ovTouchPoint();

void ovTouchStart();
void ovTouchEnd();
