// The keyboard moves of the item lists (list box, list view, tree view): where the arrow, page, Home and
// End keys take the focus among the rows.
#pragma once

#include "platform/rtl/WinTypes.h"

// Whether Key is one of the moves below.
bool IsListMoveKey(WORD Key);
// The row Key moves to from Current (-1: no row yet) among Count rows, a page being PageRows rows; -1
// when Key is not a move or there are no rows. Without a row yet the arrows go to the first row and the
// page keys count from it; the answer is always a row that exists.
int ListMoveTarget(WORD Key, int Current, int Count, int PageRows);
// The rows a page key moves in a list that shows VisibleRows: one row of the old page stays in view.
int ListPageRows(int VisibleRows);
