// Drag and drop between controls: the objects that stand for what is dragged, and the manager that
// runs a drag through a hidden window holding the mouse capture. Detection waits until the mouse has
// moved beyond the threshold; the target under the mouse is asked through CM_DRAG whether it accepts;
// the mouse button's release drops, Esc or cancel mode cancels; the source hears OnEndDrag either way.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/vcl/ControlTypes.h"

class TControl;
class TDragImageList;

enum TDragMessage { dmDragEnter, dmDragLeave, dmDragMove, dmDragDrop, dmDragCancel, dmFindTarget };

class TDragObject;

// What CM_DRAG carries in its LParam.
struct TDragRec {
    POINT Pos;
    TDragObject* Source = nullptr;
    TControl* Target = nullptr;
};

class TDragObject : public TObject {
public:
    // The object drag handlers receive as Source: the control for a control's drag, else this object.
    virtual TObject* DragSourceObject() { return this; }
    virtual TCursor GetDragCursor(bool Accepted, int X, int Y) { return Accepted ? crDrag : crNoDrop; }
    // The image list whose drag image follows the mouse during the drag (not owned), or null.
    virtual TDragImageList* GetDragImages() { return nullptr; }
    // Hide and show the drag image, as a target does while it repaints under it.
    virtual void HideDragImage();
    virtual void ShowDragImage();
    // Called when the drag ends, with the target it was dropped on (null when cancelled or refused).
    virtual void Finished(TObject* Target, int X, int Y, bool Accepted) {}
    bool Cancelling() const { return FCancelling; }
    POINT DragPos() const { return FDragPos; }
    TControl* DragTarget() const { return FDragTarget; }
    bool Dropped() const { return FDropped; }

private:
    friend class TDragManager;
    bool FCancelling = false;
    bool FDropped = false;
    POINT FDragPos;
    TControl* FDragTarget = nullptr;
};

class TDragControlObject : public TDragObject {
public:
    explicit TDragControlObject(TControl* AControl) : FControl(AControl) {}
    TControl* Control() const { return FControl; }
    TObject* DragSourceObject() override;
    TCursor GetDragCursor(bool Accepted, int X, int Y) override;
    void Finished(TObject* Target, int X, int Y, bool Accepted) override;

private:
    TControl* FControl;
};

class TDragManager {
public:
    TDragManager();
    ~TDragManager();
    // Threshold below 0: the mouse's drag threshold.
    void BeginDrag(TControl* Control, bool Immediate, int Threshold);
    void EndDrag(bool Drop);
    // The control being dragged (also while detecting), or null.
    TControl* DragControl() const { return FControl; }
    bool Detecting() const { return FControl != nullptr && !FDragging; }
    TDragObject* DragObject() const { return FObject; }
    // Forgets a control that is being destroyed.
    void ControlDestroyed(TControl* Control);
    // Cancels a running drag and destroys the capture window (before the window system goes).
    void Shutdown();
    // Handles the capture window's messages.
    LRESULT CaptureMessage(UINT Msg, WPARAM WParam, LPARAM LParam);

private:
    void DragTo(POINT Pos);
    // The drag image appears when the drag starts, follows the mouse, and shows over targets that
    // display drag images (and over no control at all).
    void StartDragImage(POINT Pos);
    void MoveDragImage(POINT Pos, TControl* Target);
    void EndDragImage(TDragObject* Object);
    void Finish(bool Drop);
    LRESULT SendDrag(TControl* Target, TDragMessage Message, POINT Pos);

    TControl* FControl = nullptr;
    TDragObject* FObject = nullptr;
    bool FOwnsObject = false;
    bool FDragging = false;
    bool FAccepted = false;
    POINT FStart;
    int FThreshold = 5;
    HWND FCaptureWindow = nullptr;
};

TDragManager& DragManager();
