#include "BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"

using namespace bars_test;

namespace bars_bar_manager_test {

std::string CreationError(TComponent* AOwner) {
    try {
        delete new TovBarManager(AOwner);
    } catch (const EovException& E) {
        return E.Message();
    }
    return {};
}

} // namespace bars_bar_manager_test
using namespace bars_bar_manager_test;

TEST_F(BarsTest, OwnerErrorsCarryTheirTextsAndLeaveTheFirstManagerWorking) {
    TovBarManager* first = MakeManager();
    auto* notAControl = new TComponent(form);
    EXPECT_EQ(CreationError(notAControl), "TovBarManager should have TWinControl as its Owner");
    EXPECT_EQ(CreationError(form), "A control should contain only a single TovBarManager");
    ASSERT_EQ(BarManagerList()->Count(), 1);
    EXPECT_EQ(BarManagerList()->Managers(0), first);
    EXPECT_EQ(first->AddToolbar(false, false)->Caption(), "Custom 1");
}

TEST_F(BarsTest, NestedUpdatesRefreshOnceAtTheOutermostEnd) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    TakeCalls();
    manager->BeginUpdate();
    manager->BeginUpdate();
    EXPECT_EQ(std::count(CallLog().begin(), CallLog().end(), "top.Redraw0"), 1);
    TakeCalls();
    bar->SetChangedMark(true);
    manager->EndUpdate(true);
    EXPECT_EQ(TakeCalls(), std::vector<std::string>{}) << "inner end refreshes nothing";
    manager->EndUpdate(true);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.RecreateControls"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.RebuildBar"), calls.end());
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "top.Redraw1"), 1);
    EXPECT_FALSE(bar->Changed());
}

TEST_F(BarsTest, ChangedBarsAreRebuiltOnlyWhenAsked) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    TakeCalls();
    manager->BeginUpdate();
    bar->SetChangedMark(true);
    manager->EndUpdate(false);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_EQ(std::find(calls.begin(), calls.end(), "Custom 1.RecreateControls"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.UpdateFrame"), calls.end());
    EXPECT_FALSE(bar->Changed()) << "the mark is cleared without a rebuild too";
}

TEST_F(BarsTest, ChangedMarksAreClearedWhenARebuildThrows) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    static_cast<FakeBarControl*>(bar->GetControl())->ThrowOnRecreate = true;
    manager->BeginUpdate();
    bar->SetChangedMark(true);
    EXPECT_THROW(manager->EndUpdate(true), EovException);
    EXPECT_FALSE(bar->Changed());
    EXPECT_FALSE(manager->IsUpdateLocked());
}

TEST_F(BarsTest, RecentUseCountFollowsThePercentage) {
    TovBarManager* manager = MakeManager();
    const std::pair<int, int> cases[] = {{95, 20}, {100, 0}, {0, 1}, {50, 2}, {150, 0}};
    for (auto [percents, count] : cases) {
        manager->SetMostRecentItemsPercents(percents);
        EXPECT_EQ(manager->MostRecentlyUsedUseCount(), count) << percents;
    }
    EXPECT_EQ(manager->MostRecentItemsPercents(), 100);
}

TEST_F(BarsTest, DockColorFollowsTheOwnerUntilWritten) {
    TovBarManager* manager = MakeManager();
    form->SetColor(0x123456);
    EXPECT_TRUE(manager->AutoDockColor());
    EXPECT_EQ(manager->DockColor(), 0x123456);
    manager->SetDockColor(0x00FF00);
    EXPECT_FALSE(manager->AutoDockColor());
    EXPECT_EQ(manager->DockColor(), 0x00FF00);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "left.UpdateColor"), calls.end());
}

TEST_F(BarsTest, NamesAndCaptionsAreMadeUnique) {
    TovBarManager* manager = MakeManager();
    auto* item = new TovBarItem(form);
    item->SetName("arItem1");
    EXPECT_EQ(manager->MakeUniqueItemName("TarItem"), "arItem2");
    EXPECT_EQ(manager->GetItemByName("ARITEM1"), item);
    TovBar* first = manager->AddToolbar(false, false);
    TovBar* second = manager->AddToolbar(false, false);
    EXPECT_EQ(first->Caption(), "Custom 1");
    EXPECT_EQ(second->Caption(), "Custom 2");
    EXPECT_EQ(first->Name(), "BarManager1Bar1");
    EXPECT_EQ(second->Name(), "BarManager1Bar2");
    EXPECT_EQ(manager->GetBarByCaption("Custom 2"), second);
}

TEST_F(BarsTest, SettersIgnoreOutOfRangeValues) {
    TovBarManager* manager = MakeManager();
    manager->SetButtonArrowWidth(1);
    manager->SetLargeButtonArrowWidth(1);
    manager->SetWaitForDockingTime(-5);
    EXPECT_EQ(manager->ButtonArrowWidth(), 11);
    EXPECT_EQ(manager->LargeButtonArrowWidth(), 13);
    EXPECT_EQ(manager->WaitForDockingTime(), 21);
    manager->SetRegistryPath("Software\\Olva");
    EXPECT_EQ(manager->RegistryPath(), "\\Software\\Olva\\");
    manager->SetRegistryPath("");
    EXPECT_EQ(manager->RegistryPath(), "");
}

TEST_F(BarsTest, DestroyingTheManagerFreesItsItemsAndWindows) {
    TovBarManager* manager = MakeManager();
    manager->AddToolbar(false, false);
    auto* item = new TovBarItem(form);
    item->SetName("Gone");
    delete manager;
    EXPECT_EQ(form->FindComponent("Gone"), nullptr);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Custom 1.Freed"), calls.end());
    EXPECT_EQ(BarManagerList()->Count(), 0);
}

TEST_F(BarsTest, FormsAndImageForwards) {
    TovBarManager* manager = MakeManager();
    form->HandleNeeded();
    EXPECT_EQ(manager->GetParentForm(), form);
    EXPECT_EQ(manager->GetTopForm(), form);
    EXPECT_EQ(manager->GetMDIOrTopForm(), form);
    auto* images = new TCustomImageList(form, 16, 16);
    manager->SetImages(images);
    EXPECT_EQ(manager->ImageOptions()->Images(), images);
    EXPECT_EQ(manager->GetImageListBkColor(), 0xFF00FF);
    EXPECT_TRUE(manager->GetStretchGlyphs());
    EXPECT_NE(manager->FlatFaceBrush(), nullptr);
    EXPECT_NE(manager->FlatHotBrush(), nullptr);
}

TEST_F(BarsTest, CloseButtonsRebuildTheMainMenuAndAlignRefreshes) {
    TovBarManager* manager = MakeManager();
    manager->AddToolbar(true, false);
    manager->AddToolbar(false, false);
    TakeCalls();
    manager->SetShowCloseButton(true);
    EXPECT_EQ(TakeCalls(), std::vector<std::string>{"Custom 1.Rebuild"});
    manager->SetFlatCloseButton(true);
    EXPECT_EQ(TakeCalls(), std::vector<std::string>{"Custom 1.Rebuild"});
    manager->SetAutoAlignBars(true);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "top.Redraw1"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "top.UpdateDock"), calls.end());
    EXPECT_FALSE(manager->CanReset()) << "made in code, never streamed";
}

namespace bars_bar_manager_test {

// A designer that refuses deleting one component and selects what it is told.
class FakeDesigner : public IovBarDesigner {
public:
    bool CanDeleteComponent(TComponent* AComponent) override { return AComponent != Refused; }
    void GetSelection(std::vector<TPersistent*>& ASelection) override { ASelection = Selection; }
    int GetSelectionStatus(TPersistent* AObject) override {
        return std::find(Selected.begin(), Selected.end(), AObject) != Selected.end() ? 1 : 2;
    }
    void SelectComponent(TPersistent* AObject, TovBarSelectionOperation) override {
        Selected.push_back(AObject);
    }
    void SetSelection(const std::vector<TPersistent*>& ASelection) override { Selection = ASelection; }
    void ShowDefaultEventHandler(TPersistent*) override {}
    std::string UniqueName(const std::string& ABase) override { return ABase + "FromDesigner"; }
    TComponent* Refused = nullptr;
    std::vector<TPersistent*> Selection, Selected;
};

} // namespace bars_bar_manager_test
using namespace bars_bar_manager_test;

TEST_F(BarsTest, DesignerWrappersAnswerNeutrallyWithoutADesigner) {
    TovBarManager* manager = MakeManager();
    auto* linked = new TovBarItem(form);
    auto* lone = new TovBarItem(form);
    TovBar* bar = manager->AddToolbar(false, false);
    bar->ItemLinks()->AddItem(linked);
    EXPECT_TRUE(lone->CanDelete());
    EXPECT_FALSE(lone->SelectedInDesigner());
    EXPECT_TRUE(manager->SelectedComponents().empty());

    FakeDesigner designer;
    designer.Refused = lone;
    manager->SetDesigner(&designer);
    EXPECT_FALSE(lone->CanDelete());
    EXPECT_TRUE(linked->CanDelete()) << "an item's links can always go";
    linked->DeleteSelectedObject(false);
    EXPECT_EQ(linked->LinkCount(), 0);
    EXPECT_EQ(manager->IndexOfItem(linked), 0) << "only its links went";
    designer.Selection = {linked, lone};
    manager->DesignerSelect(lone, bsoExclusive);
    EXPECT_EQ(manager->SelectedComponents(), std::vector<TPersistent*>{lone});
    EXPECT_TRUE(lone->SelectedInDesigner());
    manager->SetDesigning(true);
    EXPECT_EQ(manager->MakeUniqueItemName("TovBarButton"), "ovBarButtonFromDesigner");
    manager->SetDesigning(false);
    manager->SetDesigner(nullptr);
}
