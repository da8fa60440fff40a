// Real floating toolbar windows and the window that owns their manager: switching to another
// application hides them and brings them back (or only repaints their frames); a monitor change moves
// them into the work area; a floating toolbar hidden keeps its place; a stored layout puts the windows
// where it says.
#include "../BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/painters/PaintersInit.h"

#include <filesystem>
#include <string>

using namespace bars_test;

namespace {

class FloatingOwnerTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        uiPaintersInitialize();
        ovSetBarWindowFactory(ovBarWindows());
        form->SetBounds(100, 100, 640, 480);
        form->Show();
        olva::win::PumpMessages();
        manager = MakeManager();
    }
    void TearDown() override {
        delete form;
        form = nullptr;
        if (!layoutPath.empty()) std::filesystem::remove(layoutPath);
        uiPaintersFinalize();
        BarsTest::TearDown();
    }
    TovBar* AddToolbar(const std::string& ACaption, int AButtons = 4) {
        TovBar* bar = manager->AddToolbar(false, false);
        bar->SetCaption(ACaption);
        for (int i = 0; i < AButtons; ++i) {
            auto* button = new TovBarButton(form);
            button->SetCaption(ACaption + std::to_string(i));
            // The layout stores links by their items' names.
            button->SetName("Button" + std::to_string(++buttonCount));
            bar->ItemLinks()->AddItem(button);
        }
        olva::win::PumpMessages();
        return bar;
    }
    TovBar* FloatingToolbar(const std::string& ACaption, int ALeft, int ATop) {
        TovBar* bar = AddToolbar(ACaption);
        bar->ChangeDockingStyle(dsNone, nullptr);
        olva::win::PumpMessages();
        if (Window(bar) != nullptr) MoveTo(bar, ALeft, ATop);
        return bar;
    }
    static void MoveTo(TovBar* ABar, int ALeft, int ATop) {
        SetWindowPos(Window(ABar)->Handle(), nullptr, ALeft, ATop, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    static TovBarControl* Window(TovBar* ABar) { return dynamic_cast<TovBarControl*>(ABar->GetControl()); }
    static bool Shown(TovBar* ABar) {
        TovBarControl* control = Window(ABar);
        return control != nullptr && control->Handle() != nullptr &&
               IsWindowVisible(control->Handle()) != FALSE;
    }
    static RECT Bounds(TovBar* ABar) {
        RECT r{};
        GetWindowRect(Window(ABar)->Handle(), &r);
        return r;
    }
    std::string LayoutPath() {
        layoutPath =
            (std::filesystem::temp_directory_path() /
             ("olva-floating-owner-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".ini"))
                .string();
        return layoutPath;
    }

    TovBarManager* manager = nullptr;
    std::string layoutPath;
    int buttonCount = 0;
};

} // namespace

// With hiding on, the floating windows go while another application is active and come back with
// their place; with it off they stay. Docked toolbars never change.
TEST_F(FloatingOwnerTest, SwitchingToAnotherApplicationHidesFloatingToolbarsOnlyWhenAsked) {
    struct Case {
        bool Hide;
        bool ShownWhileAway;
    };
    for (const Case c : {Case{true, false}, Case{false, true}}) {
        SCOPED_TRACE(c.Hide ? "hiding" : "not hiding");
        manager->HideFloatingBarsWhenInactive = c.Hide;
        TovBar* docked = AddToolbar("Docked");
        TovBar* floating = FloatingToolbar("Floating", 700, 420);
        ASSERT_NE(Window(floating), nullptr);
        ASSERT_TRUE(Shown(floating));
        olva::win::ActivateOtherApplication();
        olva::win::PumpMessages();
        EXPECT_EQ(Shown(floating), c.ShownWhileAway);
        EXPECT_TRUE(Shown(docked));
        EXPECT_TRUE(floating->Visible()) << "hiding the window is no closing of the toolbar";
        olva::win::ReturnToApplication();
        olva::win::PumpMessages();
        EXPECT_TRUE(Shown(floating));
        const RECT back = Bounds(floating);
        EXPECT_EQ(back.left, 700);
        EXPECT_EQ(back.top, 420);
        EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the toolbars never take the activation";
        delete docked;
        delete floating;
    }
}

// A toolbar closed while another application is active stays closed on return.
TEST_F(FloatingOwnerTest, AToolbarClosedWhileAwayStaysClosedOnReturn) {
    TovBar* kept = FloatingToolbar("Kept", 300, 300);
    TovBar* closed = FloatingToolbar("Closed", 500, 300);
    olva::win::ActivateOtherApplication();
    olva::win::PumpMessages();
    closed->SetVisible(false);
    olva::win::ReturnToApplication();
    olva::win::PumpMessages();
    EXPECT_TRUE(Shown(kept));
    EXPECT_FALSE(closed->Visible());
    EXPECT_FALSE(Shown(closed));
}

// A monitor going away (or its work area shrinking) brings every floating toolbar back whole into the
// work area of the owner's monitor; one already inside does not move.
TEST_F(FloatingOwnerTest, AMonitorChangeMovesFloatingToolbarsIntoTheWorkArea) {
    olva::win::SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 3200, 1024}, {1920, 0, 3200, 1024}}});
    olva::win::PumpMessages();
    TovBar* away = FloatingToolbar("Away", 2400, 500);
    TovBar* corner = FloatingToolbar("Corner", 1880, 1000);
    TovBar* inside = FloatingToolbar("Inside", 400, 300);
    const RECT awayBefore = Bounds(away);
    ASSERT_EQ(awayBefore.left, 2400);
    const RECT cornerBefore = Bounds(corner);
    // The second monitor goes and the task bar grows.
    olva::win::SetMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1000}}});
    olva::win::PumpMessages();
    const RECT awayAfter = Bounds(away);
    EXPECT_EQ(awayAfter.right, 1920);
    EXPECT_EQ(awayAfter.top, 500);
    EXPECT_EQ(awayAfter.right - awayAfter.left, awayBefore.right - awayBefore.left) << "moved, not sized";
    const RECT cornerAfter = Bounds(corner);
    EXPECT_EQ(cornerAfter.right, 1920);
    EXPECT_EQ(cornerAfter.bottom, 1000);
    EXPECT_EQ(cornerAfter.bottom - cornerAfter.top, cornerBefore.bottom - cornerBefore.top);
    const RECT insideAfter = Bounds(inside);
    EXPECT_EQ(insideAfter.left, 400);
    EXPECT_EQ(insideAfter.top, 300);
    EXPECT_EQ(away->FloatLeft(), awayAfter.left) << "the bar keeps the new place";
}

// Making the owner's window again takes the toolbar windows with it; they come back as they were:
// docked in their dock, floating where they floated; a closed one stays closed.
TEST_F(FloatingOwnerTest, AfterTheOwnersWindowIsMadeAgainTheToolbarsShowAgain) {
    TovBar* docked = AddToolbar("Docked");
    TovBar* floating = FloatingToolbar("Floating", 640, 380);
    TovBar* closed = FloatingToolbar("Closed", 300, 500);
    closed->SetVisible(false);
    olva::win::PumpMessages();
    const RECT floatingBefore = Bounds(floating);
    HWND before = form->Handle();
    form->RecreateWnd();
    form->HandleNeeded();
    olva::win::PumpMessages();
    ASSERT_NE(form->Handle(), before);
    EXPECT_TRUE(docked->Visible());
    EXPECT_TRUE(floating->Visible());
    ASSERT_TRUE(Shown(docked));
    ASSERT_TRUE(Shown(floating));
    EXPECT_FALSE(closed->Visible()) << "a closed toolbar stays closed";
    EXPECT_FALSE(manager->IsRestoringBars()) << "no toolbar is left waiting";
    EXPECT_EQ(docked->DockingStyle(), dsTop);
    auto* top = dynamic_cast<TovDockControl*>(manager->Bars()->DockControls(dsTop));
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(GetParent(Window(docked)->Handle()), top->Handle());
    EXPECT_EQ(GetParent(top->Handle()), form->Handle());
    const RECT floatingAfter = Bounds(floating);
    EXPECT_EQ(floatingAfter.left, floatingBefore.left);
    EXPECT_EQ(floatingAfter.top, floatingBefore.top);
    EXPECT_EQ(GetWindow(Window(floating)->Handle(), GW_OWNER), form->Handle()) << "owned by the new window";
}

// Closing a floating toolbar that was moved saves its place first, also while its window is hidden
// because another application is active.
TEST_F(FloatingOwnerTest, AFloatingToolbarHiddenSavesItsPlaceFirst) {
    TovBar* bar = FloatingToolbar("Floating", 320, 260);
    MoveTo(bar, 333, 277);
    olva::win::ActivateOtherApplication();
    olva::win::PumpMessages();
    ASSERT_FALSE(Shown(bar));
    bar->SetVisible(false);
    EXPECT_EQ(bar->FloatLeft(), 333);
    EXPECT_EQ(bar->FloatTop(), 277);
    olva::win::ReturnToApplication();
    olva::win::PumpMessages();
    bar->SetVisible(true);
    olva::win::PumpMessages();
    ASSERT_TRUE(Shown(bar));
    EXPECT_EQ(Bounds(bar).left, 333);
    EXPECT_EQ(Bounds(bar).top, 277);
}

// A layout stored and changed afterwards: reading it puts the floating window back at its place and
// size, docks again what was docked and floats what floated.
TEST_F(FloatingOwnerTest, AStoredLayoutPlacesTheWindowsWhereItSays) {
    TovBar* docked = AddToolbar("Docked");
    TovBar* floating = FloatingToolbar("Floating", 520, 340);
    const RECT floatingStored = Bounds(floating);
    const std::string path = LayoutPath();
    manager->SaveToIniFile(path);
    // The user rearranges: the floating one docks on the left, the docked one floats elsewhere.
    floating->ChangeDockingStyle(dsLeft, nullptr);
    docked->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    MoveTo(docked, 800, 600);
    manager->LoadFromIniFile(path);
    olva::win::PumpMessages();
    ASSERT_EQ(floating->DockingStyle(), dsNone);
    ASSERT_EQ(docked->DockingStyle(), dsTop);
    ASSERT_TRUE(Shown(floating));
    ASSERT_TRUE(Shown(docked));
    const RECT floatingRead = Bounds(floating);
    EXPECT_EQ(floatingRead.left, floatingStored.left);
    EXPECT_EQ(floatingRead.top, floatingStored.top);
    EXPECT_EQ(floatingRead.right - floatingRead.left, floatingStored.right - floatingStored.left);
    EXPECT_EQ(floatingRead.bottom - floatingRead.top, floatingStored.bottom - floatingStored.top);
    EXPECT_EQ(floating->ItemLinks()->Count(), 4);
    auto* top = dynamic_cast<TovDockControl*>(manager->Bars()->DockControls(dsTop));
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(GetParent(Window(docked)->Handle()), top->Handle());
    EXPECT_EQ(GetWindow(Window(floating)->Handle(), GW_OWNER), form->Handle());
}
