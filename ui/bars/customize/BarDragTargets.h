// What a drag of items meets outside the bars: the window that holds the capture during the drag, the
// Customize window's category list (an item dragged from the command list onto a category moves it
// there, at design time) and the sub-menu editor (activated when the drag passes over it, so that its
// menu can take the drop).
#pragma once

#include "platform/rtl/WinTypes.h"

#include "ui/bars/customize/BarDragInfo.h"

class TovBarItem;
class TovBarManager;

// The Customize window while it is open, else the manager's owner window.
HWND ovBarDragCaptureWindow(TovBarManager* AManager);

// An item (never a link) dragged at design time over the Customize window's category list: the category
// under the point becomes the list's selection (state bdsCategory) or, over an empty part of the list,
// the item's own category comes back (state bdsNoDrop); True then, as the list took the move. Elsewhere
// the list shows the item's category again and the answer is False.
bool ovBarDragOverCategories(TovBarManager* AManager, TovBarItem* AItem, const TPoint& AScreenPoint,
                             TovBarDraggingState& AState);
// The drop on the list: the item moves to the selected category when it differs from its own.
void ovBarDropOnCategories(TovBarManager* AManager, TovBarItem* AItem);
// The drag ended: the list shows the item's category.
void ovBarEndCategoryDrag(TovBarManager* AManager, TovBarItem* AItem);

// The drag passes the point: a sub-menu editor window under it is activated.
void ovBarDragOverEditors(const TPoint& AScreenPoint);
