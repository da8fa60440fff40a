#include "BarsTestSupport.h"

#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/ComponentCollection.h"

#include <functional>

using namespace bars_test;

TEST_F(BarsTest, ToolbarEdgeCases) {
    TovBarManager* manager = MakeManager();
    TovBar* first = manager->AddToolbar(false, false);
    TovBar* second = manager->AddToolbar(false, false);
    second->SetCaption("Custom 1");
    EXPECT_EQ(second->Caption(), "Custom 2") << "a duplicate caption is refused";
    second->SetDockedLeft(-10);
    EXPECT_EQ(second->DockedLeft(), 0);

    auto* top = static_cast<FakeDock*>(manager->Bars()->DockControls(dsTop));
    ASSERT_EQ(top->RowCount(), 2);
    second->SetRow(5);
    EXPECT_EQ(top->RowCount(), 3) << "one row is appended";
    EXPECT_EQ(second->Row(), 2);

    first->SetIsMainMenu(true);
    second->SetIsMainMenu(true);
    EXPECT_FALSE(first->IsMainMenu());
    EXPECT_EQ(manager->GetMainMenuBar(), second);
    second->SetMultiLine(false);
    EXPECT_TRUE(second->MultiLine()) << "the main menu stays multi-line";

    EXPECT_TRUE(first->CanDock());
    manager->SetNotDocking({dsNone, dsLeft, dsTop, dsRight, dsBottom});
    EXPECT_FALSE(first->CanDock());
}

TEST_F(BarsTest, ShowingAndHidingMakesAndFreesTheWindow) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    ASSERT_NE(bar->GetControl(), nullptr);
    TakeCalls();
    bar->SetVisible(false);
    EXPECT_EQ(bar->GetControl(), nullptr);
    const std::vector<std::string> calls = TakeCalls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "Custom 1.SavePosition") << "the window saves its place before it goes";
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.Freed"), calls.end());
}

TEST_F(BarsTest, DragTargetFollowsZonesStyleOrderAndCtrl) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    TovBars* bars = manager->Bars();
    IovBarDock* dock = nullptr;
    struct Case {
        POINT point;
        bool ctrl;
        TovBarDockingStyle expected;
    };
    const Case cases[] = {
        {{400, 15}, false, dsTop},
        {{400, 50}, false, dsTop}, // 23 pixels below the top dock
        {{400, 54}, false, dsNone},
        {{30, 300}, false, dsLeft}, // inside the zone right of the left dock
        {{10, 40}, false, dsLeft},
        {{790, 560}, false, dsRight}, // in two zones: left before top, right before bottom
        {{400, 590}, false, dsBottom},
        {{400, 300}, false, dsNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bars->FindDockingTarget(bar, c.point, c.ctrl, dock), c.expected)
            << c.point.x << "," << c.point.y;
    manager->SetNotDocking({dsLeft});
    EXPECT_EQ(bars->FindDockingTarget(bar, POINT{10, 40}, false, dock), dsTop);
}

TEST_F(BarsTest, AFloatingBarDocksOnlyAfterTheWait) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    bar->SetDockingStyle(dsNone);
    auto* control = static_cast<FakeBarControl*>(bar->GetControl());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->DockingStyle(), dsNone);
    manager->Bars()->MoveBarTo(bar, POINT{400, 15}, false, false);
    EXPECT_EQ(bar->DockingStyle(), dsNone) << "resting shorter than WaitForDockingTime keeps it floating";
    EXPECT_TRUE(manager->Bars()->DockingWaitPending());
    Run(manager->WaitForDockingTime() - 1);
    EXPECT_EQ(bar->DockingStyle(), dsNone);
    // The wait ends: the move runs again at the cursor plus the grab offset, and now docks.
    SetCursorPos(400, 15);
    Run(2);
    EXPECT_FALSE(manager->Bars()->DockingWaitPending());
    EXPECT_EQ(bar->DockingStyle(), dsTop);
    EXPECT_EQ(control->DockingStyle(), dsTop);
}

TEST_F(BarsTest, AssignCopiesTheToolbarButNotATakenCaption) {
    TovBarManager* manager = MakeManager();
    TovBar* source = manager->AddToolbar(false, false);
    source->SetDockedLeft(40);
    source->SetFloatTop(77);
    source->SetShowMark(false);
    source->SetDockingStyle(dsBottom);
    TovBar* copy = manager->AddToolbar(false, false);
    copy->Assign(source);
    EXPECT_EQ(copy->Caption(), "Custom 2") << "the source's caption is taken";
    EXPECT_EQ(copy->DockedLeft(), 40);
    EXPECT_EQ(copy->FloatTop(), 77);
    EXPECT_FALSE(copy->ShowMark());
    EXPECT_EQ(copy->DockingStyle(), dsBottom);
    EXPECT_TRUE(copy->Visible());
}

TEST_F(BarsTest, DockingAtARowAndOffset) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    auto* left = static_cast<FakeDock*>(manager->Bars()->DockControls(dsLeft));
    bar->DockAt(dsLeft, nullptr, 0, 25);
    EXPECT_EQ(bar->DockingStyle(), dsLeft);
    EXPECT_EQ(bar->DockedTop(), 25) << "the offset runs along a vertical dock";
    EXPECT_EQ(bar->Row(), 0);
    EXPECT_EQ(left->RowCount(), 1);
    EXPECT_TRUE(bar->Visible());
}

namespace bars_toolbar_test {

// Drags the bar's window with scripted input: the cursor starts at AFrom, moves to ATo, the button is
// released; Ctrl is held on the way when asked.
void ScriptedDrag(TovBars* ABars, TovBar* ABar, HWND ACapture, POINT AFrom, POINT ATo, bool ACtrl) {
    using olva::win::InjectKey;
    using olva::win::InjectMouse;
    using olva::win::MouseAction;
    SetCursorPos(AFrom.x, AFrom.y);
    olva::win::PumpMessages();
    if (ACtrl) InjectKey(VK_CONTROL, true);
    InjectMouse(MouseAction::Move, ATo.x, ATo.y);
    InjectMouse(MouseAction::LeftUp, ATo.x, ATo.y);
    ABars->DragBar(ABar, ACapture);
    if (ACtrl) InjectKey(VK_CONTROL, false);
    olva::win::PumpMessages();
}

} // namespace bars_toolbar_test
using namespace bars_toolbar_test;

TEST_F(BarsTest, DraggingADockedBarDocksElsewhereUnlessCtrlIsHeld) {
    TovBarManager* manager = MakeManager();
    form->Show();
    olva::win::PumpMessages();
    for (bool ctrl : {true, false}) {
        TovBar* bar = manager->AddToolbar(false, false);
        ASSERT_EQ(bar->DockingStyle(), dsTop);
        // The press is over the form, so its message gives the starting point.
        ScriptedDrag(manager->Bars(), bar, form->Handle(), POINT{200, 200}, POINT{10, 300}, ctrl);
        EXPECT_EQ(bar->DockingStyle(), ctrl ? dsNone : dsLeft) << "Ctrl " << ctrl;
        EXPECT_FALSE(manager->Bars()->Moving());
        EXPECT_EQ(GetCapture(), nullptr) << "the capture is released";
        delete bar;
    }
}

TEST_F(BarsTest, AFloatingToolbarShowsOnlyWithAVisibleActiveOwner) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    bar->SetVisible(false);
    bar->SetDockingStyle(dsNone);
    auto shown = [&] {
        const std::vector<std::string> calls = TakeCalls();
        return std::find(calls.begin(), calls.end(), "Custom 1.Show") != calls.end();
    };
    TakeCalls();
    bar->SetVisible(true);
    EXPECT_FALSE(shown()) << "the owner form is hidden";
    bar->SetVisible(false);
    form->Show();
    olva::win::PumpMessages();
    bar->SetVisible(true);
    EXPECT_TRUE(shown()) << "the owner's form is active";
    bar->SetVisible(false);
    bar->SetDockingStyle(dsTop);
    form->Hide();
    bar->SetVisible(true);
    EXPECT_TRUE(shown()) << "a docked toolbar always shows";
}

TEST_F(BarsTest, ToolbarsFollowTheManagerFontUntilGivenTheirOwn) {
    TovBarManager* manager = MakeManager();
    TovBar* follower = manager->AddToolbar(false, false);
    TovBar* own = manager->AddToolbar(false, false);
    EXPECT_EQ(follower->Font()->Name(), manager->Font()->Name());
    EXPECT_FALSE(follower->UseOwnFont());
    TFont mine;
    mine.SetName("Bar Face");
    own->SetFont(&mine);
    EXPECT_TRUE(own->UseOwnFont()) << "assigning a font makes it the bar's own";
    TFont managerFont;
    managerFont.SetName("Manager Face");
    manager->SetFont(&managerFont);
    EXPECT_EQ(follower->Font()->Name(), "Manager Face");
    EXPECT_FALSE(follower->UseOwnFont());
    EXPECT_EQ(own->Font()->Name(), "Bar Face");
    EXPECT_EQ(own->EditFont()->Name(), "Bar Face");
    own->SetUseOwnFont(false);
    EXPECT_EQ(own->Font()->Name(), "Manager Face");
}

namespace {

struct TSetterCase {
    const char* Property;
    std::function<void(TovBar*)> Change;
    bool Floating;
    TovBarManagerStyle Style;
    // What the toolbar's window hears, "" for nothing; and whether the bars collection reports a change.
    std::vector<std::string> Calls;
    bool CollectionChange;
    std::function<void(TovBar*)> Prepare = nullptr;
};

TovBarLargeButton* LargeButtonOf(TovBar* ABar) {
    return static_cast<TovBarLargeButton*>(ABar->ItemLinks()->Items(0)->Item());
}

} // namespace

TEST_F(BarsTest, EachAppearanceSetterTellsTheWindowOnceAndNothingWhenUnchanged) {
    const std::vector<TSetterCase> cases = {
        {"AllowClose floating",
         [](TovBar* B) { B->SetAllowClose(false); },
         true,
         bmsFlat,
         {"CaptionChanged"},
         true},
        {"AllowClose docked", [](TovBar* B) { B->SetAllowClose(false); }, false, bmsFlat, {}, true},
        {"AllowQuickCustomizing floating",
         [](TovBar* B) { B->SetAllowQuickCustomizing(false); },
         true,
         bmsFlat,
         {"CaptionChanged"},
         false},
        {"AllowQuickCustomizing docked",
         [](TovBar* B) { B->SetAllowQuickCustomizing(false); },
         false,
         bmsFlat,
         {"Rebuild"},
         false},
        {"AllowQuickCustomizing docked Standard",
         [](TovBar* B) { B->SetAllowQuickCustomizing(false); },
         false,
         bmsStandard,
         {},
         false},
        {"BorderStyle",
         [](TovBar* B) { B->SetBorderStyle(bbsNone); },
         false,
         bmsFlat,
         {"UpdateFrame"},
         false},
        {"Color", [](TovBar* B) { B->SetColor(clRed); }, false, bmsFlat, {"UpdateFrame"}, false},
        {"RotateWhenVertical",
         [](TovBar* B) { B->SetRotateWhenVertical(false); },
         false,
         bmsFlat,
         {"FontChanged"},
         false},
        {"ShowMark", [](TovBar* B) { B->SetShowMark(false); }, false, bmsFlat, {"Rebuild"}, false},
        {"SizeGrip of a plain toolbar", [](TovBar* B) { B->SetSizeGrip(false); }, false, bmsFlat, {}, false},
        {"SizeGrip of a status bar",
         [](TovBar* B) { B->SetSizeGrip(false); },
         false,
         bmsFlat,
         {"UpdateFrame"},
         false,
         [](TovBar* B) {
             B->SetDockingStyle(dsBottom);
             B->SetWholeRow(true);
             B->SetBorderStyle(bbsNone);
         }},
        {"UseRestSpace", [](TovBar* B) { B->SetUseRestSpace(true); }, false, bmsFlat, {"Rebuild"}, false},
        {"AlphaBlendValue floating",
         [](TovBar* B) { B->SetAlphaBlendValue(160); },
         true,
         bmsFlat,
         {"UpdateTransparency"},
         false},
        {"AlphaBlendValue docked", [](TovBar* B) { B->SetAlphaBlendValue(160); }, false, bmsFlat, {}, false},
        {"GlyphLayout of a large button",
         [](TovBar* B) { LargeButtonOf(B)->SetGlyphLayout(glLeft); },
         false,
         bmsFlat,
         {"Rebuild"},
         false,
         [](TovBar* B) { B->ItemLinks()->AddItem(new TovBarLargeButton(B->Owner())); }},
    };
    for (const TSetterCase& c : cases) {
        SCOPED_TRACE(c.Property);
        TovBarManager* manager = MakeManager();
        manager->SetStyle(c.Style);
        TovBar* bar = manager->AddToolbar(false, false);
        if (c.Floating) bar->SetDockingStyle(dsNone);
        if (c.Prepare) c.Prepare(bar);
        ASSERT_NE(bar->GetControl(), nullptr);
        int changes = 0;
        manager->Bars()->OnChange =
            TuiComponentCollectionChangeEvent([&](TuiComponentCollection*, TuiComponentCollectionItem*,
                                                  TuiComponentCollectionNotification) { ++changes; },
                                              this);
        TakeCalls();
        c.Change(bar);
        std::vector<std::string> expected;
        for (const std::string& call : c.Calls)
            expected.push_back(bar->Caption() + "." + call);
        EXPECT_EQ(TakeCalls(), expected);
        EXPECT_EQ(changes > 0, c.CollectionChange);
        changes = 0;
        c.Change(bar);
        EXPECT_TRUE(TakeCalls().empty()) << "the same value again changes nothing";
        EXPECT_EQ(changes, 0);
        manager->Bars()->OnChange = {};
        delete manager;
    }
}
