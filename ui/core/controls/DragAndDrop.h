// Dragging inside and out of a TuiControl: the object that follows an own drag-and-drop (a column, an
// item, a splitter moved inside the control), the class library drag object that shows a copy cursor
// while Ctrl is held, the drag-start detection loop, and middle-button scrolling with its anchor.
#pragma once

#include "platform/vcl/DragDrop.h"
#include "platform/vcl/ImageList.h"
#include "ui/core/base/CoreClasses.h"

class TuiControl;
class TuiCanvas;

class TuiDragAndDropObject : public TObject {
public:
    explicit TuiDragAndDropObject(TuiControl* AControl);
    void Init();
    void DoDragAndDrop(const TPoint& P, bool& AAccepted);
    void Done(bool AAccepted);

    bool Dirty() const { return FDirty; }
    void SetDirty(bool AValue);
    TuiControl* Control() const { return FLinkedControl; }
    TPoint CurMousePos{-1, -1};
    TPoint PrevMousePos{-1, -1};

    virtual void DirtyChanged() {}
    virtual TPoint GetClientCursorPos();
    virtual TCursor GetDragAndDropCursor(bool AAccepted);
    virtual bool GetImmediateStart() { return false; }
    virtual void AfterDragAndDrop(bool AAccepted) {}
    virtual void BeginDragAndDrop() { DirtyChanged(); }
    virtual void DragAndDrop(const TPoint& P, bool& AAccepted);
    virtual void EndDragAndDrop(bool AAccepted) { SetDirty(true); }

protected:
    TuiCanvas* FControlCanvas;
    TuiControl* FLinkedControl;
    bool FDirty = false;
};

// The class library's drag object of a TuiControl: frees itself when the drag ends, shows the copy cursor
// while the control says the drag copies.
class TuiDragControlObject : public TDragControlObject {
public:
    using TDragControlObject::TDragControlObject;
    void Finished(TObject* Target, int X, int Y, bool Accepted) override;
    TCursor GetDragCursor(bool Accepted, int X, int Y) override;
    TDragImageList* GetDragImages() override;
};

class TuiDragImageList : public TDragImageList {
public:
    using TDragImageList::TDragImageList;
};

// Waits, with the window holding the capture, for the mouse to leave the drag-threshold square around
// the screen point: 1 moved out, 0 a button released first, 2 cancelled (Escape, lost capture, quit).
int uiDetectDragStart(HWND AWnd, const TPoint& APoint);

// Middle-button scrolling: direction 0 none, 1 left, 2 right, 3 up, 4 down; speed 0 (neutral) .. 12.
struct TuiMiddleButtonScrollStep {
    int Direction = 0;
    int Speed = 0;
};
// The step for a mouse point, given the anchor and its width; without a horizontal (vertical) bar the
// neutral zone spans the screen's width (height).
TuiMiddleButtonScrollStep uiMiddleButtonScrollStep(const TPoint& AAnchor, const TPoint& P, int AAnchorWidth,
                                                   bool AHorizontalBar, bool AVerticalBar);
// The screen cursor of a direction (2101-2107).
TCursor uiMiddleButtonScrollCursor(int ADirection, bool AHorizontalBar, bool AVerticalBar);
// The anchor's picture: "UI_VERSCROLLBITMAP", "UI_HORSCROLLBITMAP" or "UI_FULLSCROLLBITMAP", drawn in
// code; null for another name. The caller deletes it.
HBITMAP uiCreateScrollAnchorBitmap(const char* AName);
