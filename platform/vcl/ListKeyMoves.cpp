#include "platform/vcl/ListKeyMoves.h"

#include "platform/win/WinKeys.h"

#include <algorithm>

bool IsListMoveKey(WORD Key) {
    return Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME ||
           Key == VK_END;
}

int ListMoveTarget(WORD Key, int Current, int Count, int PageRows) {
    if (Count <= 0) return -1;
    const int from = std::max(0, Current);
    int target = 0;
    switch (Key) {
    case VK_UP:
        target = Current < 0 ? 0 : Current - 1;
        break;
    case VK_DOWN:
        target = Current < 0 ? 0 : Current + 1;
        break;
    case VK_PRIOR:
        target = from - PageRows;
        break;
    case VK_NEXT:
        target = from + PageRows;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = Count - 1;
        break;
    default:
        return -1;
    }
    return std::clamp(target, 0, Count - 1);
}

int ListPageRows(int VisibleRows) {
    return std::max(1, VisibleRows - 1);
}
