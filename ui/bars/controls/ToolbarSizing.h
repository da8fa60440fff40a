// The measuring rules of toolbar windows, free of any window: one row that truncates, rows that wrap while
// keeping a begin-group run together, and the floating size searched for a wanted height. A vertical
// toolbar measures with its axes exchanged (TReverseSize), so every rule is written once along a row.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <vector>

// A size read along a row (X) and across it (Y); reversed for toolbars docked on the left or right.
class TReverseSize {
public:
    explicit TReverseSize(bool AReverse) : FReverse(AReverse) {}
    TReverseSize(bool AReverse, const TSize& ASize) : Size(ASize), FReverse(AReverse) {}

    bool Reverse() const { return FReverse; }
    int X() const { return FReverse ? Size.cy : Size.cx; }
    int Y() const { return FReverse ? Size.cx : Size.cy; }
    void SetX(int AValue) { (FReverse ? Size.cy : Size.cx) = AValue; }
    void SetY(int AValue) { (FReverse ? Size.cx : Size.cy) = AValue; }

    TSize Size{0, 0};

private:
    bool FReverse;
};

// (AX, AY) along and across a row as a width and height: exchanged when reversed.
TSize ovReverseSize(int AX, int AY, bool AReverse);

// One visible link as the measuring sees it: its control's size, whether it begins a group, and the
// new-row flag the wrapping writes.
struct TovToolbarSizingItem {
    TSize Size{0, 0};
    bool BeginGroup = false;
    bool NewRow = false;
};

// What a toolbar's measuring needs besides its items.
struct TovToolbarSizingMetrics {
    int BeginGroupSize = 6;
    // The mark's thickness when docked (0 when floating or without a mark).
    int DockedMarkSize = 0;
    // The MDI button block, as a width and height (0 x 0 when none).
    TSize MDISize{0, 0};
};

namespace ovToolbarSizing {

// One row along AVertical's axis: every item adds its begin-group gap and its length until one that is
// not the first would pass ALimit (ATruncated, the walk stops). ASize gets the row's length and its
// largest crossing size.
void CalcRowSize(const std::vector<TovToolbarSizingItem>& AItems, int ALimit, bool AVertical,
                 int ABeginGroupSize, TSize& ASize, bool& ATruncated);

// Rows wrapped at ALimit (ASize arrives holding the minimum size): an item that has to wrap takes the
// begin-group run it belongs to onto the next row; after an item wrapped inside a run with no group start,
// the next group starts a row of its own. Writes each item's NewRow.
void CalcWrappedSize(std::vector<TovToolbarSizingItem>& AItems, int ALimit, bool AVertical,
                     const TovToolbarSizingMetrics& AMetrics, TSize& ASize);

} // namespace ovToolbarSizing
