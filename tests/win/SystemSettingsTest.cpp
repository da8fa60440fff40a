// What the desktop answers about itself: the settings menus, shadows and cues are read from, sounds that
// play nothing, and a screen of two monitors with the second one left of the primary.
#include "WinTestSupport.h"

#include "platform/win/Sound.h"

using namespace win_test;

namespace {

class SystemSettingsTest : public WinTest {};

TEST_F(SystemSettingsTest, TheClassicDesktopsSettings) {
    struct Case {
        UINT action;
        BOOL value;
    };
    // Menus animate and fade, windows cast shadows; the flat menu look is off and access keys are
    // underlined only once the keyboard is used.
    const Case flags[] = {{SPI_GETMENUANIMATION, TRUE},
                          {SPI_GETMENUFADE, TRUE},
                          {SPI_GETDROPSHADOW, TRUE},
                          {SPI_GETKEYBOARDCUES, FALSE},
                          {SPI_GETFLATMENU, FALSE}};
    for (const Case& c : flags) {
        BOOL value = !c.value;
        EXPECT_TRUE(SystemParametersInfo(c.action, 0, &value, 0)) << c.action;
        EXPECT_EQ(value, c.value) << c.action;
        EXPECT_FALSE(SystemParametersInfo(c.action, 0, nullptr, 0)) << c.action;
    }
    int delay = 0;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETMENUSHOWDELAY, 0, &delay, 0));
    EXPECT_EQ(delay, 400);
}

TEST_F(SystemSettingsTest, SoundsPlayNothingButAreCounted) {
    const int beeps = olva::win::BeepCount();
    MessageBeep(0);
    EXPECT_EQ(olva::win::BeepCount(), beeps + 1);
    const DWORD menuFlags = SND_ALIAS | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC;
    EXPECT_EQ(menuFlags, 0x12003u);
    EXPECT_TRUE(PlaySound("MenuPopup", nullptr, menuFlags));
    const olva::win::SoundRequest& played = olva::win::LastSoundRequest();
    EXPECT_TRUE(played.Made);
    EXPECT_EQ(played.Name, "MenuPopup");
    EXPECT_EQ(played.Flags, menuFlags);
    EXPECT_TRUE(PlaySound(nullptr, nullptr, 0)); // stops what plays
    EXPECT_TRUE(olva::win::LastSoundRequest().Stop);
    olva::win::ResetWindowSystem(); // a fresh window system has heard nothing yet
    EXPECT_FALSE(olva::win::LastSoundRequest().Made);
}

TEST_F(SystemSettingsTest, ASecondMonitorLeftOfThePrimaryOne) {
    olva::win::SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{-1280, 56, 0, 1080}, {-1280, 56, 0, 1050}}});
    EXPECT_EQ(olva::win::VirtualScreen(), (RECT{-1280, 0, 1920, 1080}));
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), -1280);
    HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTONULL);
    HMONITOR left = MonitorFromPoint(POINT{-1, 500}, MONITOR_DEFAULTTONULL);
    ASSERT_TRUE(primary && left);
    EXPECT_NE(primary, left);
    // Above the left monitor's top there is no monitor: the nearest is that one.
    EXPECT_EQ(MonitorFromPoint(POINT{-600, 10}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(POINT{-600, 10}, MONITOR_DEFAULTTONEAREST), left);
    EXPECT_EQ(MonitorFromPoint(POINT{-600, 10}, MONITOR_DEFAULTTOPRIMARY), primary);
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(left, &info));
    EXPECT_EQ(info.rcWork, (RECT{-1280, 56, 0, 1050}));
    EXPECT_EQ(info.dwFlags, 0u);
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work, (RECT{0, 0, 1920, 1040})); // the primary monitor's
    // A window mostly on the left monitor belongs to it; the screen shows it there.
    HWND h = MakeTop(-300, 200, 400, 100, WS_POPUP | WS_VISIBLE);
    rec.handlers[h] = ErasingIn(RGB(255, 0, 0));
    InvalidateRect(h, nullptr, TRUE);
    Pump();
    EXPECT_EQ(MonitorFromWindow(h, MONITOR_DEFAULTTONULL), left);
    EXPECT_EQ(WindowFromPoint(POINT{-200, 250}), h);
    EXPECT_EQ(ScreenPixel(-200, 250), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(-301, 250), GetSysColor(COLOR_DESKTOP));
}

} // namespace
