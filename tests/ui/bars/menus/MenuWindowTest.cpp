// The menu window on the headless screen: opening animations on the fake clock, the fade's fallback,
// placement on two monitors, scrolling by the 200-ms timer, an empty menu.
#include "MenusTestSupport.h"

#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/SubMenuControlAnimation.h"
#include "ui/bars/painting/BarUnitState.h"

namespace menus_test {
namespace {

class MenuWindowTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        popup = MakePopup();
        previousEntry = ovBarLayeredWindowEntry();
    }
    void TearDown() override {
        ovBarSetLayeredWindowEntry(previousEntry);
        ovBarMenuAnimationRandom() = previousRandom;
        MenusTest::TearDown();
    }
    void AddCommands(int ACount) {
        for (int i = 0; i < ACount; ++i)
            popup->ItemLinks()->AddItem(Command("Command " + std::to_string(i + 1)));
    }
    // Opens without the menu's own loop (the test's pumping drives it).
    TovBarSubMenuControl* Open(int X, int Y) {
        popup->PopupEx(X, Y, 0, 0, true, nullptr, false, nullptr);
        return popup->GetSubMenuControl();
    }

    TovBarPopupMenu* popup = nullptr;
    TovLayeredWindowEntry previousEntry = nullptr;
    std::function<int()> previousRandom = ovBarMenuAnimationRandom();
};

TEST_F(MenuWindowTest, UnfoldShowsOneStepPerTickFromTheFakeClockThenTheWholeMenu) {
    manager->MenuAnimations = maUnfold;
    AddCommands(8);
    std::vector<std::pair<int, TRect>> steps;
    TovBarSubMenuControl* menu = Open(100, 100);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(menu->Animation(), nullptr);
    TovBarMenuAnimation* animation = menu->Animation();
    const TovBarAnimationInfo info = animation->Info();
    EXPECT_EQ(animation->StepShown(), 1) << "the first step shows at once";
    EXPECT_EQ(WindowBounds(menu).right - WindowBounds(menu).left,
              ovBarAnimationFrame(info, 1).Window.right - 100);
    animation->OnStep = [&](int AStep, const TovBarAnimationFrame&) {
        steps.push_back({AStep, WindowBounds(menu)});
    };
    const int count = animation->StepCount();
    ASSERT_GT(count, 3);
    for (int i = 2; i <= count; ++i)
        Run(16);
    ASSERT_EQ(static_cast<int>(steps.size()), count - 1) << "one step per tick, none skipped";
    for (const auto& [step, bounds] : steps) {
        const TRect expected = ovBarAnimationFrame(info, step).Window;
        EXPECT_EQ(bounds.right - bounds.left, expected.right - expected.left) << step;
        EXPECT_EQ(bounds.bottom - bounds.top, expected.bottom - expected.top) << step;
    }
    EXPECT_TRUE(animation->Running());
    Run(16);
    EXPECT_FALSE(animation->Running());
    const TRect final = WindowBounds(menu);
    EXPECT_EQ(final.right - final.left, info.FinalClientWidth);
    EXPECT_EQ(final.bottom - final.top, info.FinalClientHeight);
    menu->CloseUp(bcrOther);
}

TEST_F(MenuWindowTest, AKeyDuringTheAnimationJumpsToTheFinalState) {
    manager->MenuAnimations = maSlide;
    AddCommands(8);
    TovBarSubMenuControl* menu = Open(100, 100);
    ASSERT_NE(menu->Animation(), nullptr);
    EXPECT_EQ(menu->Animation()->Info().Step, 17);
    const TovBarAnimationInfo info = menu->Animation()->Info();
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_FALSE(menu->Animation()->Running());
    const TRect final = WindowBounds(menu);
    EXPECT_EQ(final.bottom - final.top, info.FinalClientHeight);
    EXPECT_NE(menu->SelectedControl(), nullptr) << "and the key still does its work";
    menu->CloseUp(bcrOther);
}

TEST_F(MenuWindowTest, RandomChoosesTheEffectByTheRandomNumber) {
    manager->MenuAnimations = maRandom;
    // Without window alpha the fade is a plain show, so all three can be opened here.
    ovBarSetLayeredWindowEntry(nullptr);
    AddCommands(3);
    struct Case {
        int Random;
        TovBarMenuAnimations Kind;
        bool Animated;
    };
    for (const Case& c : {Case{10, maUnfold, true}, Case{50, maSlide, true}, Case{80, maFade, false}}) {
        ovBarMenuAnimationRandom() = [&] { return c.Random; };
        TovBarSubMenuControl* menu = Open(100, 100);
        EXPECT_EQ(menu->AnimationKind(), c.Kind) << c.Random;
        EXPECT_EQ(menu->Animation() != nullptr, c.Animated) << c.Random;
        menu->CloseUp(bcrOther);
    }
}

TEST_F(MenuWindowTest, WithoutWindowAlphaTheFadeIsAPlainShow) {
    manager->MenuAnimations = maFade;
    ovBarSetLayeredWindowEntry(nullptr);
    AddCommands(3);
    TovBarSubMenuControl* menu = Open(100, 100);
    EXPECT_TRUE(::IsWindowVisible(menu->Handle()));
    EXPECT_EQ(::GetWindowLong(menu->Handle(), GWL_EXSTYLE) & static_cast<LONG>(WS_EX_LAYERED), 0);
    EXPECT_EQ(menu->Animation(), nullptr);
    menu->CloseUp(bcrOther);
}

TEST_F(MenuWindowTest, AMenuOfTwoMonitorsFlipsOnTheSecondAndScrollsWhenTooTall) {
    olva::win::SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 3200, 1024}, {1920, 40, 3200, 1024}}});
    AddCommands(3);
    TovBarSubMenuControl* menu = Open(3150, 1000);
    const TRect bounds = WindowBounds(menu);
    EXPECT_EQ(bounds.right, 3150) << "opened leftwards from the point";
    EXPECT_EQ(bounds.bottom, 1000) << "and upwards";
    menu->CloseUp(bcrOther);

    AddCommands(80);
    menu = Open(2000, 500);
    const TRect tall = WindowBounds(menu);
    EXPECT_EQ(tall.top, 40) << "from the top of the second monitor's work area";
    EXPECT_EQ(tall.bottom, 1024);
    EXPECT_TRUE(menu->CanScrollDown());
    EXPECT_FALSE(menu->CanScrollUp());
    menu->CloseUp(bcrOther);
}

TEST_F(MenuWindowTest, TheScrollTimerStepsEvery200MillisecondsWhileTheMouseRestsOnTheBand) {
    AddCommands(80);
    TovBarSubMenuControl* menu = Open(100, 100);
    ASSERT_TRUE(menu->CanScrollDown());
    EXPECT_EQ(menu->GetScrollTimerInterval(), 200);
    const TRect band = menu->ScrollButtonRect(true);
    POINT p{(band.left + band.right) / 2, (band.top + band.bottom) / 2};
    ::ClientToScreen(menu->Handle(), &p);
    MoveMouse(p.x, p.y);
    olva::win::PumpMessages();
    EXPECT_TRUE(menu->ScrollTimerRunning());
    EXPECT_EQ(menu->SelectedControl(), nullptr);
    Run(199);
    EXPECT_EQ(menu->TopIndex(), 0);
    Run(1);
    EXPECT_EQ(menu->TopIndex(), 1);
    Run(200);
    EXPECT_EQ(menu->TopIndex(), 2);
    EXPECT_TRUE(menu->CanScrollUp());
    // Off the band: scrolling stops and the item now under the mouse is hot at once.
    const TPoint item = ItemCentre(menu, "Command 10");
    MoveMouse(item.x, item.y);
    olva::win::PumpMessages();
    EXPECT_FALSE(menu->ScrollTimerRunning());
    Run(400);
    EXPECT_EQ(menu->TopIndex(), 2);
    ASSERT_NE(menu->SelectedControl(), nullptr);
    EXPECT_EQ(menu->SelectedControl()->Item()->Caption(), "Command 10");
    menu->CloseUp(bcrOther);
}

TEST_F(MenuWindowTest, AnEmptyMenuIsOneLineHighAndItsTopIndexIsZero) {
    TovBarSubMenuControl* menu = Open(100, 100);
    ASSERT_NE(menu, nullptr);
    const TPoint frame = menu->GetClientOffset();
    const TRect bounds = WindowBounds(menu);
    EXPECT_GE(bounds.right - bounds.left, 100 + 2 * frame.x);
    EXPECT_GE(bounds.bottom - bounds.top, menu->GetTextSize());
    menu->SetTopIndex(5);
    EXPECT_EQ(menu->TopIndex(), 0);
    menu->SetTopIndex(-3);
    EXPECT_EQ(menu->TopIndex(), 0);
    menu->CloseUp(bcrOther);
}

TEST_F(MenuWindowTest, KeysSelectedBelowTheShownItemsScrollThemIntoView) {
    AddCommands(80);
    TovBarSubMenuControl* menu = Open(100, 100);
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_END, 0);
    ASSERT_NE(menu->SelectedControl(), nullptr);
    EXPECT_EQ(menu->SelectedControl()->Item()->Caption(), "Command 80");
    EXPECT_GT(menu->TopIndex(), 0);
    EXPECT_FALSE(menu->CanScrollDown());
    ::SendMessage(menu->Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(menu->TopIndex(), 0);
    menu->CloseUp(bcrOther);
}

} // namespace
} // namespace menus_test
