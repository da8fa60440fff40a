// Where menus go on a two-monitor screen: flips to the side with more room, the clamp into the monitor,
// and menus taller than the room they get, which start at the work area's top and scroll.
#include "ui/bars/controls/SubMenuControlPlacement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Monitor 1: 1920 x 1080 with a task bar at the bottom; monitor 2 to its right: 1280 x 1024 with a task
// bar at the top.
const TRect Monitor1{0, 0, 1920, 1080}, Work1{0, 0, 1920, 1040};
const TRect Monitor2{1920, 0, 3200, 1024}, Work2{1920, 40, 3200, 1024};

struct PlacementCase {
    std::string Name;
    TPoint Position;
    TSize Size;
    int OwnerWidth, OwnerHeight;
    bool OpensUp;
    bool OnSecond;
    TRect Expected;
    bool FlippedX, FlippedY;
};

class MenuPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(MenuPlacementTest, PlacesTheMenu) {
    const PlacementCase& c = GetParam();
    TovSubMenuPlacementRequest request;
    request.Position = c.Position;
    request.Size = c.Size;
    request.OwnerWidth = c.OwnerWidth;
    request.OwnerHeight = c.OwnerHeight;
    request.OpensUp = c.OpensUp;
    request.Monitor = c.OnSecond ? Monitor2 : Monitor1;
    request.WorkArea = c.OnSecond ? Work2 : Work1;
    const TovSubMenuPlacement placement = ovCalcSubMenuPlacement(request);
    EXPECT_EQ(placement.Bounds.left, c.Expected.left);
    EXPECT_EQ(placement.Bounds.top, c.Expected.top);
    EXPECT_EQ(placement.Bounds.right, c.Expected.right);
    EXPECT_EQ(placement.Bounds.bottom, c.Expected.bottom);
    EXPECT_EQ(placement.FlippedX, c.FlippedX);
    EXPECT_EQ(placement.FlippedY, c.FlippedY);
}

INSTANTIATE_TEST_SUITE_P(
    TwoMonitors, MenuPlacementTest,
    ::testing::Values(
        PlacementCase{"Fits", {100, 100}, {200, 300}, 0, 0, false, false, {100, 100, 300, 400}, false, false},
        // A sub-menu beside its item at the right edge opens on the item's left.
        PlacementCase{"SubMenuFlipsLeft",
                      {1800, 100},
                      {200, 300},
                      150,
                      0,
                      false,
                      false,
                      {1450, 100, 1650, 400},
                      true,
                      false},
        // A context menu at the right edge opens leftwards from the point.
        PlacementCase{"ContextMenuFlipsLeft",
                      {1850, 100},
                      {200, 300},
                      0,
                      0,
                      false,
                      false,
                      {1650, 100, 1850, 400},
                      true,
                      false},
        // A drop-down at the bottom with more room above opens above its owner.
        PlacementCase{"DropDownFlipsUp",
                      {100, 1000},
                      {200, 300},
                      0,
                      20,
                      false,
                      false,
                      {100, 680, 300, 980},
                      false,
                      true},
        // Too tall below an owner with less room above: it keeps its top and gets shorter (it scrolls).
        PlacementCase{"TooTallBelowItsOwnerScrolls",
                      {100, 300},
                      {200, 1500},
                      0,
                      20,
                      false,
                      false,
                      {100, 300, 300, 1080},
                      false,
                      false},
        PlacementCase{"ContextMenuFlipsUp",
                      {100, 1000},
                      {200, 300},
                      0,
                      0,
                      false,
                      false,
                      {100, 700, 300, 1000},
                      false,
                      true},
        // Taller than the monitor: from its top, the monitor's height.
        PlacementCase{"TallerThanTheMonitor",
                      {100, 500},
                      {200, 1500},
                      0,
                      0,
                      false,
                      false,
                      {100, 0, 300, 1080},
                      false,
                      false},
        // Opened upwards beside an item and taller than the monitor: without the final clamp its first
        // 420 pixels would lie above the screen.
        PlacementCase{"UpwardsClampedToTheTop",
                      {100, 500},
                      {200, 1500},
                      150,
                      0,
                      true,
                      false,
                      {100, 0, 300, 1080},
                      false,
                      false},
        // On the second monitor the clamp stops at the work area under the top task bar.
        PlacementCase{"ClampedBelowATopTaskBar",
                      {2000, 500},
                      {200, 1500},
                      150,
                      0,
                      true,
                      true,
                      {2000, 40, 2200, 1024},
                      false,
                      false},
        PlacementCase{"SecondMonitorFlipsUp",
                      {2000, 900},
                      {200, 300},
                      0,
                      0,
                      false,
                      true,
                      {2000, 600, 2200, 900},
                      false,
                      true},
        // A sub-menu at the second monitor's right edge flips left, staying on that monitor.
        PlacementCase{"SecondMonitorSubMenuFlipsLeft",
                      {3100, 100},
                      {200, 300},
                      150,
                      0,
                      false,
                      true,
                      {2750, 100, 2950, 400},
                      true,
                      false},
        // Wider than the room on the left and the right: held inside the monitor.
        PlacementCase{"ClampedIntoTheMonitor",
                      {-50, 100},
                      {200, 300},
                      0,
                      0,
                      false,
                      false,
                      {0, 100, 200, 400},
                      false,
                      false}),
    [](const ::testing::TestParamInfo<PlacementCase>& AInfo) { return AInfo.param.Name; });

} // namespace
