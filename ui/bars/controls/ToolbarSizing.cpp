#include "ui/bars/controls/ToolbarSizing.h"

#include <algorithm>

TSize ovReverseSize(int AX, int AY, bool AReverse) {
    return AReverse ? TSize{AY, AX} : TSize{AX, AY};
}

namespace ovToolbarSizing {

void CalcRowSize(const std::vector<TovToolbarSizingItem>& AItems, int ALimit, bool AVertical,
                 int ABeginGroupSize, TSize& ASize, bool& ATruncated) {
    int length = 0, cross = 0;
    bool first = true;
    for (const TovToolbarSizingItem& item : AItems) {
        const TReverseSize size(AVertical, item.Size);
        const int next = length + (item.BeginGroup && !first ? ABeginGroupSize : 0) + size.X();
        if (next > ALimit && !first) {
            ATruncated = true;
            break;
        }
        length = next;
        cross = std::max(cross, size.Y());
        first = false;
    }
    ASize = ovReverseSize(length, cross, AVertical);
}

void CalcWrappedSize(std::vector<TovToolbarSizingItem>& AItems, int ALimit, bool AVertical,
                     const TovToolbarSizingMetrics& AMetrics, TSize& ASize) {
    TReverseSize result(AVertical, ASize);
    const int limit = std::max(ALimit, result.X()) - AMetrics.DockedMarkSize;
    // The start of the begin-group run being filled: the row had r and c before it.
    struct TGroupStart {
        size_t Index;
        int Row, Cross;
    };
    bool hasGroupStart = false;
    TGroupStart groupStart{};
    int row = 0, cross = 0, widest = 0, finished = 0;
    bool keepGroup = true, rewrap = false;
    size_t i = 0;
    while (i < AItems.size()) {
        TovToolbarSizingItem& item = AItems[i];
        const TReverseSize size(AVertical, item.Size);
        const int gap = item.BeginGroup && row > 0 ? AMetrics.BeginGroupSize : 0;
        if (gap > 0) {
            groupStart = TGroupStart{i, row, cross};
            hasGroupStart = true;
        }
        if ((row > 0 && row + gap + size.X() > limit) || rewrap || (gap > 0 && !keepGroup)) {
            item.NewRow = true;
            keepGroup = true;
            bool endRow = true;
            if (!hasGroupStart) {
                keepGroup = false;
            } else if (rewrap) {
                hasGroupStart = false;
                rewrap = false;
            } else {
                // The whole run from its group start moves to the next row.
                i = groupStart.Index;
                row = groupStart.Row;
                cross = groupStart.Cross;
                rewrap = true;
                endRow = false;
            }
            if (!endRow) continue;
            finished += cross + gap;
            cross = 0;
            widest = std::max(widest, row);
            row = size.X();
            hasGroupStart = false;
        } else {
            item.NewRow = false;
            row += gap + size.X();
        }
        cross = std::max(cross, size.Y());
        ++i;
    }
    if (!AItems.empty()) result.SetY(cross + finished);
    const TReverseSize mdi(AVertical, AMetrics.MDISize);
    if (mdi.X() > 0) {
        if (row + mdi.X() > limit)
            result.SetY(result.Y() + mdi.Y());
        else
            row += mdi.X();
    }
    result.SetX(std::max({result.X(), widest, row}));
    ASize = result.Size;
}

} // namespace ovToolbarSizing
