#include "RibbonTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/WinKeys.h"
#include "ui/ribbon/tabs/RibbonTab.h"

using namespace ribbon_test;

namespace {

class RibbonUpdateTest : public RibbonTest {};

TEST_F(RibbonUpdateTest, NestedBracketsRecalculateOnceAtTheOutermostEnd) {
    MakeRibbon();
    ribbon->BeginUpdate();
    ribbon->BeginUpdate();
    EXPECT_TRUE(ribbon->IsLocked());
    AddTab("Home");
    ribbon->SetDocumentName("Song.wav");
    ribbon->EndUpdate();
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 0);
    ribbon->EndUpdate();
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
    EXPECT_FALSE(ribbon->IsLocked());
    ribbon->EndUpdate(); // an unbalanced end changes nothing
    EXPECT_EQ(ribbon->UpdateCount(), 0);
}

TEST_F(RibbonUpdateTest, TheSiteOnlyEndDoesNotRecalculate) {
    MakeRibbon();
    ribbon->BeginUpdate();
    ribbon->SetDocumentName("Song.wav");
    ribbon->EndUpdateSiteOnly();
    EXPECT_EQ(ribbon->UpdateCount(), 0);
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 0);
}

TEST_F(RibbonUpdateTest, LockedWithoutAWindowToMakeAndWhileLoading) {
    TForm* other = TCustomForm::New<TForm>(nullptr);
    auto* orphan = TovCustomRibbon::New<TTestRibbon>(other);
    EXPECT_TRUE(orphan->IsLocked()); // no window, no parent to make one in
    orphan->SetParent(other);
    EXPECT_FALSE(orphan->IsLocked());
    delete other;
}

TEST_F(RibbonUpdateTest, TheSameDocumentNameDoesNotRecalculate) {
    MakeRibbon();
    ribbon->SetDocumentName("Song.wav");
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
    ribbon->SetDocumentName("Song.wav");
    EXPECT_EQ(CountCalls("ViewInfo.Calculate"), 1);
    EXPECT_EQ(CountCalls("Controller.HideHint"), 1);
}

TEST_F(RibbonUpdateTest, TheHeightIsTheLayoutsWhateverIsAskedFromOutside) {
    Parts().RibbonHeight = 137;
    MakeRibbon();
    ribbon->Changed();
    EXPECT_EQ(ribbon->Height(), 137);
    ribbon->SetHeight(40);
    EXPECT_EQ(ribbon->Height(), 137);
    // Hidden, the ribbon keeps only its caption strip.
    Parts().Hidden = true;
    ribbon->Changed();
    EXPECT_EQ(ribbon->Height(), 30);
    ribbon->SetHeight(300);
    EXPECT_EQ(ribbon->Height(), 30);
}

TEST_F(RibbonUpdateTest, WithoutLayoutTheRibbonKeepsTheHeightItWasGiven) {
    Parts().ViewInfo = false;
    MakeRibbon();
    ribbon->SetHeight(90);
    ribbon->Changed();
    EXPECT_EQ(ribbon->Height(), 90);
    EXPECT_FALSE(ribbon->IsHidden());
}

TEST_F(RibbonUpdateTest, MinimizingHidesTheGroupsRowAndTellsOnce) {
    MakeRibbon();
    TovRibbonTab* tab = AddTab("Home");
    int changes = 0;
    ribbon->OnMinimizedChanged = TovRibbonEvent([&](TovCustomRibbon*) { ++changes; }, this);
    ribbon->SetShowTabGroups(false);
    ribbon->SetShowTabGroups(false);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(DockOf(tab)->Visible());
    EXPECT_FALSE(ribbon->AreGroupsVisible());
    // The minimized ribbon shows its groups in the popup, plainly in this style.
    ribbon->ShowTabGroupsPopup();
    EXPECT_TRUE(ribbon->AreGroupsVisible());
    EXPECT_EQ(CountCalls("Popup.Show plain"), 1);
    ribbon->SetShowTabGroups(true);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(ribbon->IsTabGroupsPopupVisible());
    ribbon->ShowTabGroupsPopup(); // only while minimized
    EXPECT_FALSE(ribbon->IsTabGroupsPopupVisible());
}

TEST_F(RibbonUpdateTest, CtrlF1ThroughKeyPreviewTogglesTheGroupsAndConsumesTheKey) {
    MakeRibbon();
    form->HandleNeeded();
    ribbon->HandleNeeded();
    IovFormKeyPreviewListener* listener = ribbon;
    WORD key = VK_F1;
    listener->FormKeyDown(key, TShiftState{ssCtrl});
    EXPECT_EQ(key, 0);
    EXPECT_FALSE(ribbon->ShowTabGroups());
    key = VK_F1;
    listener->FormKeyDown(key, TShiftState{});
    EXPECT_EQ(key, VK_F1); // F1 alone is the form's
    EXPECT_FALSE(ribbon->ShowTabGroups());
    // While the minimized ribbon's popup shows, Ctrl+F1 is left alone.
    ribbon->ShowTabGroupsPopup();
    key = VK_F1;
    listener->FormKeyDown(key, TShiftState{ssCtrl});
    EXPECT_EQ(key, VK_F1);
    EXPECT_FALSE(ribbon->ShowTabGroups());
    ribbon->CloseTabGroupsPopup(true);
    key = VK_F1;
    listener->FormKeyDown(key, TShiftState{ssCtrl});
    EXPECT_TRUE(ribbon->ShowTabGroups());
}

TEST_F(RibbonUpdateTest, GroupHeightIsThreeRowsAndTheFrameMargins) {
    Parts().GroupRowHeight = 22;
    MakeRibbon();
    EXPECT_EQ(ribbon->GetGroupRowHeight(), 22);
    EXPECT_EQ(ribbon->GetGroupContentHeight(), 66);
    // Without a skin the frame's own margins are 0; the caption strip and its offset still count.
    EXPECT_EQ(ribbon->GetGroupHeight(), 66 + 15);
    Parts().BarPainter = false;
    TForm* other = TCustomForm::New<TForm>(nullptr);
    auto* bare = TovCustomRibbon::New<TTestRibbon>(other);
    EXPECT_EQ(bare->GetGroupRowHeight(), 0);
    delete other;
}

} // namespace
