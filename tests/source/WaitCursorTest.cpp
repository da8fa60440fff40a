#include "source/WaitCursor.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class WaitCursorTest : public testing::Test {
protected:
    void SetUp() override {
        while (WaitCursorDepth() > 0)
            EndWaitCursor();
        SetWaitCursorHandler([this](bool busy) { Changes.push_back(busy); });
    }
    void TearDown() override { SetWaitCursorHandler(nullptr); }
    std::vector<bool> Changes;
};

TEST_F(WaitCursorTest, NestedPairsKeepTheHourglassUntilTheOutermostEnds) {
    BeginWaitCursor();
    BeginWaitCursor();
    EndWaitCursor();
    EXPECT_EQ(WaitCursorDepth(), 1);
    EXPECT_EQ(Changes, (std::vector<bool>{true, true}));
    EndWaitCursor();
    EXPECT_EQ(Changes, (std::vector<bool>{true, true, false}));
    EndWaitCursor(); // an extra end changes nothing
    EXPECT_EQ(WaitCursorDepth(), 0);
    EXPECT_EQ(Changes.size(), 3u);
}

TEST_F(WaitCursorTest, GuardEndsOnException) {
    try {
        TWaitCursor wait;
        EXPECT_EQ(WaitCursorDepth(), 1);
        throw std::runtime_error("failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(WaitCursorDepth(), 0);
    EXPECT_EQ(Changes, (std::vector<bool>{true, false}));
}

} // namespace
