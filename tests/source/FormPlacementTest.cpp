#include "source/FormPlacement.h"

#include "TestFolder.h"
#include "platform/rtl/Exceptions.h"
#include "source/GlobalVars.h"

#include <gtest/gtest.h>

namespace {

const TRect Screen{0, 0, 1920, 1080};

struct RestoreCase {
    const char* Stored; // the FormPos section's lines
    TFormPlacement Expected;
};

class RestorePlacementTest : public testing::TestWithParam<RestoreCase> {};

TEST_P(RestorePlacementTest, FitsTheStoredPlacementOnTheScreen) {
    TTestFolder folder("placement");
    const std::string path = folder.Write("placement.dat", std::string("[FormPos]\r\n") + GetParam().Stored);
    TFormPlacement window{100, 50, 800, 600, false}; // what the window has before
    RestoreFormPlacement("FormPos", window, Screen, path);
    EXPECT_EQ(window, GetParam().Expected) << GetParam().Stored;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorePlacementTest,
    testing::Values(
        // stored height is the height + 23
        RestoreCase{"x=10\r\ny=20\r\nwidth=640\r\nheight=503\r\nmaximized=0\r\n", {10, 20, 640, 480, false}},
        RestoreCase{"maximized=1\r\n", {100, 50, 800, 600, true}}, // missing keys: the window's values
        // wider than the screen: cut to the screen and moved left so that it fits
        RestoreCase{"x=300\r\ny=0\r\nwidth=2500\r\nheight=523\r\n", {0, 0, 1920, 500, false}},
        // off the right and bottom edges: moved in
        RestoreCase{"x=1800\r\ny=1000\r\nwidth=400\r\nheight=323\r\n", {1520, 780, 400, 300, false}},
        RestoreCase{"x=-50\r\ny=-9\r\nwidth=400\r\nheight=323\r\n", {0, 0, 400, 300, false}}, // negative: 0
        RestoreCase{"width=0\r\nheight=-40\r\n", {100, 50, 800, 600, false}}, // unusable sizes
        RestoreCase{"x=abc\r\nwidth=1e3\r\n", {100, 50, 800, 600, false}}));  // bad numbers

TEST(FormPlacementTest, SaveAndRestoreDoNotGrowTheWindow) {
    TTestFolder folder("placement-roundtrip");
    const std::string path = folder.Path() + "settings.dat";
    TFormPlacement window{30, 40, 900, 560, false};
    for (int run = 0; run < 3; ++run) {
        SaveFormPlacement("FormPos", window, path);
        RestoreFormPlacement("FormPos", window, Screen, path);
    }
    EXPECT_EQ(window, (TFormPlacement{30, 40, 900, 560, false}));
    EXPECT_EQ(folder.Read("settings.dat"),
              "[FormPos]\r\nx=30\r\ny=40\r\nheight=583\r\nwidth=900\r\nmaximized=0\r\n");
}

TEST(FormPlacementTest, SaveToUnwritableFolderKeepsTheOldFile) {
    TTestFolder folder("placement-unwritable");
    const std::string path = folder.Write("settings.dat", "[FormPos]\r\nx=1\r\n");
    TUnwritableFolder locked(folder.Path());
    EXPECT_THROW(SaveFormPlacement("FormPos", TFormPlacement{5, 5, 100, 100, false}, path),
                 EIniFileException);
    EXPECT_EQ(folder.Read("settings.dat"), "[FormPos]\r\nx=1\r\n");
}

TEST(FormPlacementTest, FirstStartCentresTheMainWindowAndDocksTheLists) {
    TGlobalVars vars;
    SetInitialValues(vars, {"/d/", "/t/", "/m"});
    TFormPlacement main = ApplyFirstStartPlacement(vars, Screen);
    EXPECT_EQ(main, (TFormPlacement{510, 260, 900, 560, false}));
    EXPECT_EQ(vars.RegionFormLeft, 510 + 900 - 550);
    EXPECT_EQ(vars.RegionFormTop, 260 + 560 - 200);
    EXPECT_EQ(vars.BookmarkFormLeft, 860);
    EXPECT_EQ(vars.BookmarkFormTop, 620);
    // The analysis window over the middle of the main window, not the screen's corner.
    EXPECT_EQ(vars.FreAnalysisFormLeft, 510 + (900 - 550) / 2);
    EXPECT_EQ(vars.FreAnalysisFormTop, 260 + (560 - 300) / 2);

    // A screen smaller than the window: it fits the screen.
    EXPECT_EQ(ApplyFirstStartPlacement(vars, TRect{0, 0, 800, 600}),
              (TFormPlacement{0, 20, 800, 560, false}));
}

TEST(FormPlacementTest, ToolWindowsAreKeptOnTheScreen) {
    TGlobalVars vars;
    SetInitialValues(vars, {"/d/", "/t/", "/m"});
    vars.RegionFormLeft = 5000, vars.RegionFormTop = -300;
    vars.BookmarkFormWidth = 4000, vars.BookmarkFormLeft = 10;
    vars.FreAnalysisFormLeft = 100, vars.FreAnalysisFormTop = 100;
    KeepToolWindowsOnScreen(vars, Screen);
    EXPECT_EQ(vars.RegionFormLeft, 1920 - 550);
    EXPECT_EQ(vars.RegionFormTop, 0);
    EXPECT_EQ(vars.BookmarkFormWidth, 1920);
    EXPECT_EQ(vars.BookmarkFormLeft, 0);
    EXPECT_EQ(vars.FreAnalysisFormLeft, 100); // already on the screen: unchanged
    EXPECT_EQ(vars.FreAnalysisFormTop, 100);
}

} // namespace
