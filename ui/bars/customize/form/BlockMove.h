// Moving the selected entries of a list one step up or down as one block: moving up, the first selected
// entry goes one place up (not above the top) and the others follow directly behind it in their order;
// moving down, the last selected entry goes one place down (not below the end) and the others gather
// directly before it. The commands, groups and group-items lists of the Customize window share it.
#pragma once

#include <functional>
#include <vector>

// The new order (original indexes by new position) of a list whose entries ASelected marks; ADirection
// below 0 moves up, otherwise down. Without a selected entry the order is unchanged.
std::vector<int> ovBarBlockMoveOrder(const std::vector<bool>& ASelected, int ADirection);
// The direction a move action's Tag holds as a signed byte: 255 is up (-1), 1 down.
int ovBarMoveDirectionOfTag(long long ATag);
// Brings a list into AOrder by exchanges: ASwap(i, j), with i < j, exchanges the entries at positions i
// and j. Entries already in place are not touched.
void ovBarApplyOrder(const std::vector<int>& AOrder, const std::function<void(int, int)>& ASwap);
