#include "RibbonTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Form.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarDesigner.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"
#include "ui/ribbon/ribbon/DesignSelectionHelper.h"
#include "ui/ribbon/ribbon/RibbonMergeHelper.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <string>
#include <vector>

using namespace ribbon_test;

namespace {

class RibbonUnitServicesTest : public RibbonTest {};

TEST_F(RibbonUnitServicesTest, LookupsFromComponentsAndWindowsFindTheFormsRibbon) {
    MakeRibbon();
    TovBar* bar = AddBar("BarEdit", "Edit");
    EXPECT_EQ(GetOwnerForm(bar), form);
    EXPECT_EQ(GetOwnerForm(form), form);
    EXPECT_EQ(FindRibbonOfComponent(bar), ribbon);
    TComponent loose(nullptr);
    EXPECT_EQ(GetOwnerForm(&loose), nullptr);
    EXPECT_EQ(FindRibbonOfComponent(&loose), nullptr);
    ribbon->HandleNeeded();
    EXPECT_EQ(FindRibbonOfWindow(ribbon->Handle()), ribbon);
    EXPECT_EQ(FindRibbonOfWindow(form->Handle()), ribbon);
    TForm* other = TCustomForm::New<TForm>(nullptr);
    other->HandleNeeded();
    EXPECT_EQ(FindRibbonOfWindow(other->Handle()), nullptr);
    delete other;
}

TEST_F(RibbonUnitServicesTest, MovingAToolbarWhereItIsDoesNotFlickerItsVisibility) {
    MakeRibbon();
    TovBar* bar = AddBar("BarEdit", "Edit");
    TRecordingDock dock("Dock", nullptr);
    dock.SetBarManager(manager);
    int visibilityChanges = 0;
    manager->OnBarVisibleChange = TovBarEvent([&](TovBarManager*, TovBar*) { ++visibilityChanges; }, this);
    MoveToolbarToDockControl(bar, &dock);
    EXPECT_EQ(bar->DockControl(), &dock);
    EXPECT_EQ(visibilityChanges, 2); // hidden for the move, shown again
    MoveToolbarToDockControl(bar, &dock);
    EXPECT_EQ(visibilityChanges, 2);
    UndockToolbar(bar);
    EXPECT_EQ(bar->DockControl(), nullptr);
    EXPECT_EQ(bar->DockingStyle(), dsNone);
    EXPECT_TRUE(bar->Visible());
    MoveToolbarToDockControl(nullptr, &dock); // nothing to move
}

TEST_F(RibbonUnitServicesTest, WhileTheFormIsBuiltAToolbarMovesWithoutBeingHidden) {
    MakeRibbon();
    TRecordingDock dock("Dock", nullptr);
    dock.SetBarManager(manager);
    int visibilityChanges = 0;
    manager->OnBarVisibleChange = TovBarEvent([&](TovBarManager*, TovBar*) { ++visibilityChanges; }, this);
    TovBar* bar = nullptr;
    {
        TComponentLoading loading(form);
        bar = AddBar("BarEdit", "Edit");
        MoveToolbarToDockControl(bar, &dock);
        EXPECT_EQ(visibilityChanges, 0);
    }
    EXPECT_EQ(bar->DockControl(), &dock);
    EXPECT_TRUE(bar->Visible());
    UndockToolbar(bar); // the dock goes first
}

TEST_F(RibbonUnitServicesTest, TheWorkAreaIsTheMonitorsOfTheWindowOrTheCursor) {
    olva::win::SetMonitors(
        {{{0, 0, 1000, 800}, {0, 0, 1000, 760}}, {{1000, 0, 2000, 800}, {1000, 30, 2000, 800}}});
    TForm* right = TCustomForm::New<TForm>(nullptr);
    right->SetBounds(1200, 100, 300, 300);
    right->HandleNeeded();
    EXPECT_EQ(GetMonitorWorkArea(right->Handle()), (TRect{1000, 30, 2000, 800}));
    SetCursorPos(10, 10);
    EXPECT_EQ(GetMonitorWorkArea(nullptr), (TRect{0, 0, 1000, 760}));
    delete right;
}

TEST_F(RibbonUnitServicesTest, GroupCaptionsNameToolbarsShownAsGroups) {
    MakeRibbon();
    TovBar* bar = AddBar("BarEdit", "Edit");
    TovRibbonTabGroup* group = AddGroup(AddTab("Home"), bar);
    group->SetCaption("Clipboard");
    EXPECT_EQ(GetBarCaption(bar), "Clipboard");
    TovBar* loose = AddBar("BarLoose", "Loose");
    EXPECT_EQ(GetBarCaption(loose), "Loose");
}

TEST_F(RibbonUnitServicesTest, EveryRibbonClosesItsApplicationMenuThroughItsController) {
    MakeRibbon();
    EXPECT_TRUE(CloseApplicationMenus());
    EXPECT_EQ(CountCalls("Controller.CloseApplicationMenu"), 1);
}

TEST_F(RibbonUnitServicesTest, TheMergeHelpersErrors) {
    MakeRibbon();
    TovBar* bar = AddBar("BarEdit", "Edit");
    TovRibbonTab* home = AddTab("Home");
    TovRibbonTabGroup* group = AddGroup(home, bar);
    EXPECT_EQ(ErrorOf([&] { TovRibbonMergeHelper::Merge(group, group, false); }),
              "You cannot merge with the specified toolbar");
    EXPECT_EQ(ErrorOf([&] { TovRibbonMergeHelper::Merge(group, home, false); }),
              "You cannot merge with the specified toolbar");
    // A group without a toolbar gets one only when asked to make it (the source is another form's).
    TForm* child = TCustomForm::New<TForm>(nullptr);
    auto* childManager = new TovBarManager(child);
    auto* childRibbon = TovCustomRibbon::New<TTestRibbon>(child);
    childRibbon->SetParent(child);
    childRibbon->SetBarManager(childManager);
    TovBar* source = childManager->Bars()->Add();
    source->SetCaption("Source");
    source->SetVisible(true);
    TovRibbonTabGroup* sourceGroup = childRibbon->Tabs()->Add()->Groups()->Add();
    sourceGroup->SetToolBar(source);
    TovRibbonTabGroup* empty = home->Groups()->Add();
    TovRibbonMergeHelper::Merge(empty, sourceGroup, false);
    EXPECT_EQ(empty->ToolBar(), nullptr);
    TovRibbonMergeHelper::Merge(empty, sourceGroup, true);
    ASSERT_NE(empty->ToolBar(), nullptr);
    EXPECT_EQ(empty->ToolBar()->Caption(), "Source");
    EXPECT_TRUE(empty->ToolBar()->Visible());
    EXPECT_TRUE(TovRibbonMergeHelper::IsMergedWith(source, empty->ToolBar()));
    TovRibbonMergeHelper::Unmerge(empty, sourceGroup);
    EXPECT_FALSE(source->IsMerged());
    ribbon->SetBarManager(nullptr);
    EXPECT_EQ(ErrorOf([&] { TovRibbonMergeHelper::Merge(group, sourceGroup, false); }),
              "You cannot merge Ribbons with no bar managers specified");
    delete child;
}

class TRecordingDesigner : public IovBarDesigner {
public:
    bool CanDeleteComponent(TComponent*) override { return AllowDelete; }
    void GetSelection(std::vector<TPersistent*>& ASelection) override { ASelection = Selection; }
    int GetSelectionStatus(TPersistent* AObject) override {
        return std::find(Selection.begin(), Selection.end(), AObject) != Selection.end() ? 1 : 0;
    }
    void SelectComponent(TPersistent* AObject, TovBarSelectionOperation AOperation) override {
        if (AOperation == bsoExclusive) Selection.clear();
        if (AOperation == bsoRemove)
            std::erase(Selection, AObject);
        else
            Selection.push_back(AObject);
    }
    void SetSelection(const std::vector<TPersistent*>& ASelection) override { Selection = ASelection; }
    void ShowDefaultEventHandler(TPersistent*) override {}
    std::string UniqueName(const std::string& ABaseName) override { return ABaseName; }
    std::vector<TPersistent*> Selection;
    bool AllowDelete = true;
};

TEST_F(RibbonUnitServicesTest, TabsAndGroupsAreSelectedThroughTheBarManagersDesigner) {
    MakeRibbon();
    TRecordingDesigner designer;
    manager->SetDesigner(&designer);
    TovRibbonTab* home = AddTab("Home");
    TovRibbonTabGroup* group = AddGroup(home, AddBar("BarEdit", "Edit"));
    auto* tabHelper = static_cast<TovDesignSelectionHelper*>(home->DesignSelectionHelper());
    auto* groupHelper = static_cast<TovDesignSelectionHelper*>(group->DesignSelectionHelper());
    EXPECT_EQ(tabHelper->GetSelectableParent(), ribbon);
    EXPECT_EQ(groupHelper->GetSelectableParent(), home);
    groupHelper->Select(false);
    EXPECT_TRUE(groupHelper->IsSelected());
    EXPECT_EQ(groupHelper->GetSelectionStatus(), 1);
    EXPECT_TRUE(groupHelper->SelectParentComponent());
    EXPECT_EQ(designer.Selection, (std::vector<TPersistent*>{home}));
    std::vector<TPersistent*> masters{home};
    groupHelper->GetMasterObjects(masters);
    EXPECT_EQ(masters.size(), 1u);
    designer.AllowDelete = false;
    EXPECT_FALSE(tabHelper->CanDelete(false));
    designer.AllowDelete = true;
    tabHelper->DeleteSelection(false);
    EXPECT_EQ(ribbon->Tabs()->Count(), 0);
    // Without a bar manager nothing is selected, and the parent is still selectable.
    manager->SetDesigner(nullptr);
    ribbon->SetBarManager(nullptr);
    TovRibbonTab* other = AddTab("Other");
    auto* helper = static_cast<TovDesignSelectionHelper*>(other->DesignSelectionHelper());
    EXPECT_FALSE(helper->IsSelected());
    EXPECT_EQ(helper->GetSelectionStatus(), 0);
    EXPECT_TRUE(helper->SelectParentComponent());
    EXPECT_TRUE(helper->CanDelete(false));
}

} // namespace
