#include "source/SettingsStartup.h"

#include "TestFolder.h"
#include "source/GlobalVars.h"
#include "source/SettingsFile.h"

#include <gtest/gtest.h>

namespace {

const TRect StartScreen{0, 0, 1280, 800};

TEST(SettingsStartupTest, FirstStartWritesTheFileAndCentresTheMainWindow) {
    TTestFolder folder("startup-first");
    const std::string path = folder.Path() + SettingsFileName;
    TGlobalVars vars;
    vars.DefAmplify = 77; // whatever was there before is replaced by the initial values
    std::optional<TFormPlacement> main =
        StartSettings(vars, {folder.Path(), "/tmp/", "/m"}, path, StartScreen);
    ASSERT_TRUE(main);
    EXPECT_EQ(*main, (TFormPlacement{190, 120, 900, 560, false}));
    EXPECT_EQ(vars.DefAmplify, 25);
    EXPECT_EQ(vars.RegionFormLeft, 190 + 900 - 550);
    EXPECT_EQ(vars.BookmarkFormTop, 120 + 560 - 200);
    EXPECT_NE(folder.Read(SettingsFileName).find("DefAmplify=25"), std::string::npos);
    EXPECT_EQ(vars.DataFolder, folder.Path());
}

TEST(SettingsStartupTest, LaterStartsLoadTheFileAndKeepToolWindowsOnTheScreen) {
    TTestFolder folder("startup-later");
    const std::string path =
        folder.Write(SettingsFileName, "[SYSTEM]\r\nDefAmplify=40\r\nRegionFormLeft=3000\r\n"
                                       "FreAnalysisFormTop=-100\r\n");
    TGlobalVars vars;
    EXPECT_FALSE(StartSettings(vars, {folder.Path(), "/tmp/", "/m"}, path, StartScreen));
    EXPECT_EQ(vars.DefAmplify, 40);
    EXPECT_EQ(vars.RegionFormLeft, 1280 - 550);
    EXPECT_EQ(vars.FreAnalysisFormTop, 0);
}

} // namespace
