// Dragging an item or a link while customizing: one drag at a time runs a nested message loop that owns
// the mouse capture. The bar under the cursor gives the drop position; Ctrl copies instead of moving; a
// link dragged a few pixels along its own bar starts or ends a group; dropping off every bar removes the
// link; Escape or a lost capture ends the drag with nothing changed. Hovering a sub-item opens its menu,
// so that a drop can land inside it.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

#include "ui/bars/controls/CustomBarControl.h"

class TovBarItem;
class TovBarItemLink;
class TovBarManager;

enum TovBarDraggingState { bdsNone, bdsNoDrop, bdsSamePlace, bdsCategory, bdsCopy, bdsMove };

class TovBarDragInfo {
public:
    explicit TovBarDragInfo(TovBarManager* AManager) : FManager(AManager) {}
    ~TovBarDragInfo();
    TovBarDragInfo(const TovBarDragInfo&) = delete;
    TovBarDragInfo& operator=(const TovBarDragInfo&) = delete;

    // The drag whose loop is running (one at a time, on the GUI thread); null outside a drag.
    static TovBarDragInfo* Running();

    void BeginDrag(TovBarItem* AItem, TovBarItemLink* ALink);
    void DragLoop();
    void EndDrag();

    TovBarManager* Manager() const { return FManager; }
    TovBarItem* DraggingItem() const { return FItem; }
    TovBarItemLink* DraggingLink() const { return FLink; }
    HWND CaptureWindow() const { return FCaptureWnd; }
    TovBarDraggingState State() const { return FState; }
    TovBarItemLink* DragOverLink() const { return FOverLink; }
    TCustomovBarControl* DragOverBar() const { return FOverBar.Get(); }
    bool DragLineVisible() const { return FLineVisible; }
    TCustomovBarControl* DragLineBar() const { return FLineBar.Get(); }

    // The drag over a screen point: the target bar and the drop position in it, then the state.
    void DragOver(const TPoint& AScreenPoint);
    void Drop();
    bool CanDrop() const;
    bool IsCopy() const;
    bool IsSamePlace() const;
    // A changed state updates the mark and the cursor (later, while the visuals are locked).
    void SetDraggingState(TovBarDraggingState AState);

private:
    void CalcDragOver(const TPoint& AScreenPoint);
    TCustomovBarControl* FindTarget(const TPoint& AScreenPoint) const;
    void SetDragOverLink(TCustomovBarControl* ATarget, TovBarItemLink* ALink);
    // Visual updates wait while locked: only the modified flag is set, and the unlock applies them.
    void LockVisuals() { ++FLockCount; }
    void UnlockVisuals();
    void UpdateDragVisuals();
    void SetDragCursor(TCursor ACursor);
    void ShowDragLine(bool AVisible);
    void DrawDragLine();
    void ChangeBeginGroup();
    void RemoveDraggedLink();
    void DropDraggedLink();
    TovBarItemLink* Neighbour(TovBarItemLink* ALink, int AStep) const;

    TovBarManager* FManager;
    HWND FCaptureWnd = nullptr;
    TCursor FDefaultCursor = 0;
    TovBarItem* FItem = nullptr;
    TovBarItemLink* FLink = nullptr;
    TPoint FDownPoint{};
    TPoint FLastPoint{};
    TovBarDraggingState FState = bdsNone;
    // Weak: a menu may close under the cursor during the drag.
    TWeakLink<TCustomovBarControl> FOverBar;
    TovBarItemLink* FOverLink = nullptr;
    bool FOverBeginGroup = false;
    bool FOverFirstPart = false;
    bool FOverVertical = false;
    TWeakLink<TCustomovBarControl> FLineBar;
    TRect FLineRect{};
    bool FLineFirstPart = false;
    bool FLineVertical = false;
    bool FLineVisible = false;
    int FLockCount = 0;
    bool FModified = false;
    TovBarDragInfo* FOuter = nullptr;
    bool FLooping = false;
};

// The item being dragged while a drag runs (a sub-item whose links refuse it does not open under it).
TovBarItem* ovBarDraggedItem();
