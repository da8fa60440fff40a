// Moving the selected entries of a list as one block, at the top, in the middle and at the bottom.
#include "ui/bars/customize/form/BlockMove.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Moved(const std::string& AList, const std::string& ASelected, int ADirection) {
    std::vector<bool> selected;
    for (char c : AList)
        selected.push_back(ASelected.find(c) != std::string::npos);
    std::string result;
    for (int index : ovBarBlockMoveOrder(selected, ADirection))
        result += AList[index];
    return result;
}

struct BlockMoveCase {
    const char* List;
    const char* Selected;
    int Direction;
    const char* Expected;
};

} // namespace

TEST(BlockMoveTest, TheBlockGathersBehindItsFirstOrBeforeItsLastEntry) {
    const BlockMoveCase cases[] = {
        {"abcde", "c", -1, "acbde"},
        {"abcde", "c", 1, "abdce"},
        {"abcde", "bd", -1, "bdace"},
        {"abcde", "bd", 1, "acebd"},
        {"abcde", "ad", -1, "adbce"}, // the first entry stays at the top, the
                                      // rest joins it
        {"abcde", "be", 1, "acdbe"},  // the last entry stays at the end, the rest joins it
        {"abcde", "ab", -1, "abcde"},
        {"abcde", "de", 1, "abcde"},
        {"abcde", "", -1, "abcde"},
        {"a", "a", 1, "a"},
    };
    for (const BlockMoveCase& c : cases)
        EXPECT_EQ(c.Expected, Moved(c.List, c.Selected, c.Direction))
            << c.List << " " << c.Selected << " " << c.Direction;
}

TEST(BlockMoveTest, TheTagOfAMoveActionHoldsItsDirection) {
    EXPECT_EQ(-1, ovBarMoveDirectionOfTag(255));
    EXPECT_EQ(1, ovBarMoveDirectionOfTag(1));
}

TEST(BlockMoveTest, ExchangesBringAListIntoTheNewOrder) {
    std::string list = "abcdef";
    const std::vector<int> order = ovBarBlockMoveOrder({false, true, false, true, true, false}, -1);
    int swaps = 0;
    ovBarApplyOrder(order, [&](int i, int j) {
        ASSERT_LT(i, j);
        std::swap(list[i], list[j]);
        ++swaps;
    });
    EXPECT_EQ("bdeacf", list);
    EXPECT_LE(swaps, 4);
}
