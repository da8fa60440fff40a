// Dragging an item or a link while customizing: one drag at a time runs a nested message loop that owns
// the mouse capture. The bar under the cursor gives the drop position; Ctrl copies instead of moving; a
// link dragged a few pixels along its own bar starts or ends a group; dropping off every bar removes the
// link; Escape or a lost capture ends the drag with nothing changed.
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
    TovBarDragInfo(const TovBarDragInfo&) = delete;
    TovBarDragInfo& operator=(const TovBarDragInfo&) = delete;

    void BeginDrag(TovBarItem* AItem, TovBarItemLink* ALink);
    void DragLoop();
    void EndDrag();

    TovBarDraggingState State() const { return FState; }
    TovBarItemLink* DragOverLink() const { return FOverLink; }
    TCustomovBarControl* DragOverBar() const { return FOverBar.Get(); }
    bool DragLineVisible() const { return FLineVisible; }

    // The drag over a screen point: the target bar and the drop position in it, then the state.
    void DragOver(const TPoint& AScreenPoint);
    void Drop();
    bool CanDrop() const;
    bool IsCopy() const;
    bool IsSamePlace() const;

private:
    void CalcDragOver(const TPoint& AScreenPoint);
    void SetState(TovBarDraggingState AState);
    void ShowDragLine(bool AVisible);
    void DrawDragLine();
    void ChangeBeginGroup();
    void RemoveDraggedLink();
    void DropDraggedLink();
    TovBarItemLink* Neighbour(TovBarItemLink* ALink, int AStep) const;

    TovBarManager* FManager;
    HWND FCaptureWnd = nullptr;
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
};
