// The vertical scroll bar of the item lists (list box, list view, tree view): a child bar at the right
// edge inside the frame, hidden until the rows outgrow the list, whose position is the top row.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"

class TScrollBar;
class TWinControl;

constexpr int ListScrollBarWidth = 16;

// A hidden vertical bar owned by List that is no tab stop and reports its moves to OnChange; the caller
// sets its parent.
TScrollBar* CreateListScrollBar(TWinControl* List, const TNotifyEvent& OnChange);
// Places the bar with its right edge at Right, from Top down Height pixels, and shows it when Count rows
// outgrow the Visible ones; then its range covers the rows, a page is Visible rows and it stands at TopRow.
void UpdateListScrollBar(TScrollBar* Bar, int Right, int Top, int Height, int Count, int Visible, int TopRow);
// The area the rows take in a list of client area Client: inside the Frame, below a header HeaderHeight
// high, and left of the bar while it shows.
RECT ListRowsArea(const RECT& Client, int Frame, int HeaderHeight, const TScrollBar* Bar);
// Takes the bar's position as the list's top row; true when that moved the rows.
bool FollowListScrollBar(const TScrollBar* Bar, int& TopRow);
