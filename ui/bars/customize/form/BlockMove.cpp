#include "ui/bars/customize/form/BlockMove.h"

#include <algorithm>
#include <cstdint>

std::vector<int> ovBarBlockMoveOrder(const std::vector<bool>& ASelected, int ADirection) {
    const int count = static_cast<int>(ASelected.size());
    std::vector<int> selected, others;
    for (int i = 0; i < count; ++i)
        (ASelected[i] ? selected : others).push_back(i);
    std::vector<int> order;
    if (selected.empty()) {
        for (int i = 0; i < count; ++i)
            order.push_back(i);
        return order;
    }
    const int blockSize = static_cast<int>(selected.size());
    // Where the block begins in the new order.
    const int start = ADirection < 0 ? std::max(selected.front() - 1, 0)
                                     : std::min(selected.back() + 1, count - 1) - blockSize + 1;
    order.insert(order.end(), others.begin(), others.begin() + start);
    order.insert(order.end(), selected.begin(), selected.end());
    order.insert(order.end(), others.begin() + start, others.end());
    return order;
}

int ovBarMoveDirectionOfTag(long long ATag) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(ATag)) < 0 ? -1 : 1;
}

void ovBarApplyOrder(const std::vector<int>& AOrder, const std::function<void(int, int)>& ASwap) {
    const int count = static_cast<int>(AOrder.size());
    std::vector<int> atPosition(count), positionOf(count);
    for (int i = 0; i < count; ++i)
        atPosition[i] = positionOf[i] = i;
    for (int k = 0; k < count; ++k) {
        const int p = positionOf[AOrder[k]];
        if (p == k) continue;
        ASwap(k, p);
        const int displaced = atPosition[k];
        std::swap(atPosition[k], atPosition[p]);
        positionOf[AOrder[k]] = k;
        positionOf[displaced] = p;
    }
}
