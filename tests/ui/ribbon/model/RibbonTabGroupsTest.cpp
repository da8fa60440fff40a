#include "RibbonTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

using namespace ribbon_test;

namespace {

class RibbonTabGroupsTest : public RibbonTest {};

std::string BindError(TovRibbonTabGroup* AGroup, TovBar* ABar) {
    return ErrorOf([&] { AGroup->SetToolBar(ABar); });
}

TEST_F(RibbonTabGroupsTest, TheTwoRefusalsChangeNothing) {
    MakeRibbon();
    TovBar* file = AddBar("BarFile", "File");
    TovBar* edit = AddBar("BarEdit", "Edit");
    TovBar* quick = AddBar("BarQuick", "Quick");
    ribbon->QuickAccessToolbar()->SetToolbar(quick);
    TovRibbonTab* home = AddTab("Home");
    TovRibbonTabGroup* first = AddGroup(home, file);
    TovRibbonTabGroup* second = AddGroup(home, edit);
    EXPECT_EQ(BindError(second, quick), "This toolbar is already used as the QuickAccessToolbar");
    EXPECT_EQ(BindError(second, file), "At least one group in this tab already contains this toolbar");
    // The refused group keeps its toolbar where it was.
    EXPECT_EQ(second->ToolBar(), edit);
    EXPECT_EQ(edit->DockControl(), DockOf(home));
    EXPECT_EQ(first->ToolBar(), file);
    EXPECT_EQ(quick->DockControl(), ribbon->QuickAccessToolbar()->DockControl());
}

TEST_F(RibbonTabGroupsTest, AToolbarOfAnotherManagerIsIgnoredWithoutError) {
    MakeRibbon();
    TForm* other = TCustomForm::New<TForm>(nullptr);
    auto* otherManager = new TovBarManager(other);
    TovBar* foreign = otherManager->Bars()->Add();
    TovRibbonTabGroup* group = AddTab("Home")->Groups()->Add();
    EXPECT_EQ(BindError(group, foreign), "done");
    EXPECT_EQ(group->ToolBar(), nullptr);
    delete other;
}

TEST_F(RibbonTabGroupsTest, OneToolbarInGroupsOfTwoTabsShowsOnTheActiveTab) {
    MakeRibbon();
    TovBar* view = AddBar("BarView", "View");
    TovRibbonTab* home = AddTab("Home");
    TovRibbonTab* options = AddTab("Options");
    AddGroup(home, view);
    TovRibbonTabGroup* optionsGroup = AddGroup(options, view);
    // Binding it on the inactive tab did not take it from the active one.
    EXPECT_EQ(view->DockControl(), DockOf(home));
    options->SetActive(true);
    EXPECT_EQ(view->DockControl(), DockOf(options));
    home->SetActive(true);
    EXPECT_EQ(view->DockControl(), DockOf(home));
    // The group of the active tab goes: the toolbar moves to the other tab.
    home->Groups()->Items(0)->SetToolBar(nullptr);
    EXPECT_EQ(home->Groups()->Count(), 0);
    EXPECT_EQ(view->DockControl(), DockOf(options));
    EXPECT_TRUE(view->Visible());
    // Its last group gone, the toolbar leaves every dock.
    optionsGroup->SetToolBar(nullptr);
    EXPECT_EQ(view->DockControl(), nullptr);
    EXPECT_EQ(view->DockingStyle(), dsNone);
    EXPECT_TRUE(view->Visible());
}

TEST_F(RibbonTabGroupsTest, FreeingAToolbarDeletesEveryGroupBoundToIt) {
    MakeRibbon();
    TovBar* view = AddBar("BarView", "View");
    TovBar* edit = AddBar("BarEdit", "Edit");
    TovRibbonTab* home = AddTab("Home");
    TovRibbonTab* options = AddTab("Options");
    AddGroup(home, view);
    AddGroup(home, edit);
    AddGroup(options, view);
    view->Free();
    ASSERT_EQ(home->Groups()->Count(), 1);
    EXPECT_EQ(home->Groups()->Items(0)->ToolBar(), edit);
    EXPECT_EQ(options->Groups()->Count(), 0);
}

TEST_F(RibbonTabGroupsTest, CaptionsAssignedOrTakenFromTheToolbar) {
    MakeRibbon();
    TovBar* edit = AddBar("BarEdit", "Edit");
    TovRibbonTabGroup* group = AddGroup(AddTab("Home"), edit);
    EXPECT_EQ(group->Caption(), "Edit");
    EXPECT_FALSE(group->IsCaptionStored());
    EXPECT_FALSE(group->IsEmptyCaptionStored());
    group->SetCaption("");
    EXPECT_EQ(group->Caption(), ""); // an assigned empty caption is kept
    EXPECT_FALSE(group->IsCaptionStored());
    EXPECT_TRUE(group->IsEmptyCaptionStored());
    group->SetCaption("Clipboard");
    EXPECT_TRUE(group->IsCaptionStored());
    group->SetAssignedValues({});
    EXPECT_EQ(group->Caption(), "Edit");
    std::string name;
    EXPECT_TRUE(group->ToolbarNameToStore(nullptr, name));
    EXPECT_EQ(name, "BarEdit");
    group->SetCanCollapse(false);
    EXPECT_EQ(group->Restriction(), rtgrNoCollapse);
    group->SetMergeOrder(-3);
    EXPECT_EQ(group->MergeOrder(), 0);
}

TEST_F(RibbonTabGroupsTest, RenamingATabWhoseCaptionIsItsNameRenamesTheCaption) {
    MakeRibbon();
    TovRibbonTab* tab = ribbon->Tabs()->Add();
    EXPECT_EQ(tab->Name(), "Ribbon1Tab1");
    tab->SetCaption("Ribbon1Tab1");
    tab->SetName("HomeTab");
    EXPECT_EQ(tab->Caption(), "HomeTab");
    tab->SetCaption("Home");
    tab->SetName("MainTab");
    EXPECT_EQ(tab->Caption(), "Home");
    EXPECT_EQ(tab->GetDisplayName(), "MainTab - 'Home'");
    {
        TComponentLoading loading(form);
        tab->SetCaption("MainTab");
        tab->SetName("LoadedTab");
    }
    EXPECT_EQ(tab->Caption(), "MainTab");
}

TEST_F(RibbonTabGroupsTest, VisibleIndexCountsTabsWithTheirFlagSet) {
    MakeRibbon();
    TovRibbonTab* a = AddTab("A");
    TovRibbonTab* b = AddTab("B");
    TovRibbonTab* c = AddTab("C");
    b->SetVisible(false);
    EXPECT_EQ(a->VisibleIndex(), 0);
    EXPECT_EQ(b->VisibleIndex(), -1);
    EXPECT_EQ(c->VisibleIndex(), 1);
    EXPECT_EQ(ribbon->GetVisibleTabCount(), 2);
    EXPECT_EQ(ribbon->GetVisibleTab(1), c);
    EXPECT_EQ(ribbon->GetVisibleTab(2), nullptr);
}

// The main window builds its ribbon in code inside its loading bracket, in any order.
TEST_F(RibbonTabGroupsTest, ABuiltFormBindsToolbarsByNameAndTakesTheStoredOrder) {
    TovCustomRibbon* built = nullptr;
    TovBar* view = nullptr;
    {
        TComponentLoading loading(form);
        built = TovCustomRibbon::New<TTestRibbon>(form);
        built->SetParent(form);
        TovRibbonContext* context = built->Contexts()->Add();
        context->SetCaption("Tools");
        // Stored "Index" values in another order than the tabs are made.
        const char* captions[] = {"Options", "Home", "Edit"};
        const int indexes[] = {2, 0, 1};
        for (int i = 0; i < 3; ++i) {
            TovRibbonTab* tab = built->Tabs()->Add();
            tab->SetCaption(captions[i]);
            tab->SetLoadedIndex(indexes[i]);
            tab->Groups()->Add()->SetStreamedToolbarName("BarView");
        }
        built->Tabs()->Items(1)->SetActive(true);
        built->Tabs()->Items(1)->SetLoadedContextIndex(5); // out of range: no context
        built->Tabs()->Items(2)->SetLoadedContextIndex(0);
        TovRibbonTabGroup* named = built->Tabs()->Items(0)->Groups()->Add();
        named->SetStreamedToolbarName("BarEdit");
        named->SetCaption("");
        built->SetBarManager(manager);
        // The toolbars come after the tabs.
        view = manager->Bars()->Add();
        view->SetName("BarView");
        view->SetCaption("View");
        view->SetVisible(true);
        TovBar* edit = manager->Bars()->Add();
        edit->SetName("BarEdit");
        edit->SetCaption("Edit");
    }
    TovRibbonTabCollection* tabs = built->Tabs();
    ASSERT_EQ(tabs->Count(), 3);
    EXPECT_EQ(tabs->Items(0)->Caption(), "Home");
    EXPECT_EQ(tabs->Items(1)->Caption(), "Edit");
    EXPECT_EQ(tabs->Items(2)->Caption(), "Options");
    EXPECT_EQ(built->ActiveTab()->Caption(), "Home");
    EXPECT_EQ(tabs->Items(0)->Context(), nullptr);
    EXPECT_EQ(tabs->Items(1)->Context(), built->Contexts()->Items(0));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(tabs->Items(i)->Groups()->Items(0)->ToolBar(), view) << i;
    // The shared toolbar shows on the active tab; the named group kept its empty caption.
    EXPECT_EQ(view->DockControl(), DockOf(built->ActiveTab()));
    TovRibbonTabGroup* named = tabs->Items(2)->Groups()->Items(1);
    EXPECT_EQ(named->ToolBar()->Name(), "BarEdit");
    EXPECT_EQ(named->Caption(), "");
    EXPECT_TRUE(named->StreamedToolbarName().empty());
    EXPECT_EQ(tabs->Items(2)->IndexToStore(), 2);
    EXPECT_TRUE(tabs->Items(1)->IsContextIndexStored());
    EXPECT_FALSE(tabs->Items(0)->IsContextIndexStored());
}

TEST_F(RibbonTabGroupsTest, AStoredNameWithoutToolbarBindsNothing) {
    TovCustomRibbon* built = nullptr;
    {
        TComponentLoading loading(form);
        built = TovCustomRibbon::New<TTestRibbon>(form);
        built->SetParent(form);
        built->SetBarManager(manager);
        built->Tabs()->Add()->Groups()->Add()->SetStreamedToolbarName("Gone");
    }
    TovRibbonTabGroups* groups = built->Tabs()->Items(0)->Groups();
    ASSERT_EQ(groups->Count(), 1);
    EXPECT_EQ(groups->Items(0)->ToolBar(), nullptr);
}

TEST_F(RibbonTabGroupsTest, BuildingInsideADesignedFormClearsTheDesignTab) {
    form->SetDesigning(true);
    TovCustomRibbon* built = nullptr;
    {
        TComponentLoading loading(form);
        built = TovCustomRibbon::New<TTestRibbon>(form);
        EXPECT_EQ(built->Tabs()->Count(), 0);
        built->Tabs()->Add()->SetCaption("Home");
    }
    ASSERT_EQ(built->Tabs()->Count(), 1);
    EXPECT_EQ(built->Tabs()->Items(0)->Caption(), "Home");
}

TEST_F(RibbonTabGroupsTest, TabsOfTwoRibbonsMergeByGroupAndUnmergeBack) {
    MakeRibbon();
    TovBar* edit = AddBar("BarEdit", "Edit");
    TovRibbonTab* home = AddTab("Home");
    TovRibbonTabGroup* target = AddGroup(home, edit);
    // A second form with its own manager and ribbon: a child's.
    TForm* child = TCustomForm::New<TForm>(nullptr);
    child->SetName("Child");
    auto* childManager = new TovBarManager(child);
    auto* childRibbon = TovCustomRibbon::New<TTestRibbon>(child);
    childRibbon->SetParent(child);
    childRibbon->SetBarManager(childManager);
    TovBar* childEdit = childManager->Bars()->Add();
    childEdit->SetName("ChildEdit");
    childEdit->SetCaption("Edit");
    childEdit->SetVisible(true);
    TovBar* childTools = childManager->Bars()->Add();
    childTools->SetName("ChildTools");
    childTools->SetCaption("Tools");
    childTools->SetVisible(true);
    TovRibbonTab* childHome = childRibbon->Tabs()->Add();
    childHome->SetCaption("Home");
    childHome->Groups()->Add()->SetToolBar(childEdit);
    childHome->Groups()->Add()->SetToolBar(childTools);

    EXPECT_EQ(ErrorOf([&] { home->Merge(home, 0); }), "You cannot merge with the specified Ribbon tab");
    EXPECT_EQ(ErrorOf([&] { home->Merge(nullptr, 0); }), "You cannot merge with the specified Ribbon tab");

    home->Merge(childHome, rmoCreateGroups);
    EXPECT_FALSE(childHome->Visible());
    EXPECT_TRUE(childEdit->IsMerged());
    EXPECT_EQ(childEdit->MergeTarget(), edit);
    // The unmatched group got a group of its own, with a toolbar made for it.
    ASSERT_EQ(home->Groups()->Count(), 2);
    TovRibbonTabGroup* made = home->Groups()->Items(1);
    EXPECT_EQ(made->Caption(), "Tools");
    ASSERT_NE(made->ToolBar(), nullptr);
    EXPECT_EQ(childTools->MergeTarget(), made->ToolBar());
    EXPECT_TRUE(home->IsMerged());
    EXPECT_EQ(ErrorOf([&] { home->Merge(childHome, 0); }),
              "One of the Ribbon tab groups of the specified Ribbon tab is already merged");
    TovRibbonTab* stranger = AddTab("Other");
    EXPECT_EQ(ErrorOf([&] { stranger->Unmerge(childHome); }),
              "The 'Form1.Ribbon1Tab2' Ribbon tab is not merged with the 'Child.Tab1' Ribbon tab");

    home->Unmerge(childHome);
    EXPECT_TRUE(childHome->Visible());
    EXPECT_FALSE(childEdit->IsMerged());
    EXPECT_FALSE(childTools->IsMerged());
    EXPECT_EQ(target->ToolBar(), edit);
    EXPECT_EQ(ErrorOf([&] { home->Unmerge(home); }), "You cannot unmerge the specified Ribbon tab");
    delete child;
}

} // namespace
