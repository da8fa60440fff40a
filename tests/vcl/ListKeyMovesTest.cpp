// Where the move keys take the focus in a list of rows.
#include "platform/vcl/ListKeyMoves.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

namespace list_key_moves_test {
namespace {

TEST(ListKeyMoves, EachKeyLandsOnARowThatExists) {
    struct Case {
        const char* What;
        WORD Key;
        int Current;
        int Count;
        int Expected;
    };
    const Case cases[] = {
        {"down from nothing goes to the first row", VK_DOWN, -1, 10, 0},
        {"up from nothing goes to the first row", VK_UP, -1, 10, 0},
        {"down moves one row", VK_DOWN, 3, 10, 4},
        {"down stops at the last row", VK_DOWN, 9, 10, 9},
        {"up stops at the first row", VK_UP, 0, 10, 0},
        {"page down moves a page", VK_NEXT, 2, 10, 6},
        {"page down from nothing counts from the first row", VK_NEXT, -1, 10, 4},
        {"page down stops at the last row", VK_NEXT, 8, 10, 9},
        {"page up stops at the first row", VK_PRIOR, 2, 10, 0},
        {"home", VK_HOME, 5, 10, 0},
        {"end", VK_END, -1, 10, 9},
        {"not a move", VK_LEFT, 5, 10, -1},
        {"no rows", VK_DOWN, -1, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListMoveTarget(c.Key, c.Current, c.Count, 4), c.Expected) << c.What;
    EXPECT_TRUE(IsListMoveKey(VK_END));
    EXPECT_FALSE(IsListMoveKey(VK_SPACE));
}

TEST(ListKeyMoves, APageKeepsOneRowOfTheOldPageAndAlwaysMoves) {
    EXPECT_EQ(ListPageRows(10), 9);
    EXPECT_EQ(ListPageRows(1), 1);
    EXPECT_EQ(ListPageRows(0), 1);
}

} // namespace
} // namespace list_key_moves_test
