#include "RibbonTestSupport.h"

#include "platform/rtl/IniFile.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"
#include "ui/ribbon/qat/RibbonQuickAccessGroupButton.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <string>
#include <vector>

using namespace ribbon_test;

namespace {

class RibbonQuickAccessToolbarTest : public RibbonTest {
protected:
    void SetUp() override {
        RibbonTest::SetUp();
        MakeRibbon();
        view = AddBar("BarView", "View");
        edit = AddBar("BarEdit", "Edit");
        quick = AddBar("BarQuick", "Quick");
        home = AddTab("Home");
        options = AddTab("Options");
        AddGroup(home, view);
        AddGroup(home, edit);
        AddGroup(options, view);
        qat = ribbon->QuickAccessToolbar();
    }
    TovBarButton* AddButton(const std::string& AName) {
        auto* button = new TovBarButton(form);
        button->SetName(AName);
        button->AssignBarManager(manager);
        manager->AddItem(button);
        quick->ItemLinks()->AddItem(button);
        return button;
    }
    // The item names of the quick access toolbar's links, in order.
    std::vector<std::string> LinkNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < quick->ItemLinks()->Count(); ++i)
            names.push_back(quick->ItemLinks()->Items(i)->Item()->Name());
        return names;
    }

    TovBar* view = nullptr;
    TovBar* edit = nullptr;
    TovBar* quick = nullptr;
    TovRibbonTab* home = nullptr;
    TovRibbonTab* options = nullptr;
    TovRibbonQuickAccessToolbar* qat = nullptr;
};

TEST_F(RibbonQuickAccessToolbarTest, BindingAToolbarTakesItFromEveryTabGroup) {
    qat->SetToolbar(view);
    EXPECT_EQ(home->Groups()->Count(), 1);
    EXPECT_EQ(options->Groups()->Count(), 0);
    EXPECT_EQ(view->DockControl(), qat->DockControl());
    EXPECT_TRUE(qat->DockControl()->Visible());
    EXPECT_TRUE(view->Visible());
    EXPECT_EQ(qat->GetToolbar(), view);
}

TEST_F(RibbonQuickAccessToolbarTest, WithoutAToolbarTheRowStaysHidden) {
    qat->SetVisible(false);
    qat->SetVisible(true);
    EXPECT_FALSE(qat->DockControl()->Visible());
    qat->SetToolbar(quick);
    EXPECT_TRUE(qat->DockControl()->Visible());
    qat->SetVisible(false);
    EXPECT_FALSE(qat->DockControl()->Visible());
    qat->SetPosition(qtpBelowRibbon);
    EXPECT_EQ(qat->Position(), qtpBelowRibbon);
}

TEST_F(RibbonQuickAccessToolbarTest, GroupButtonsNameTheirGroupsToolbarAndGoWithTheBinding) {
    qat->SetToolbar(quick);
    TovRibbonQuickAccessGroupButton* button = qat->AddGroupButton(view);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Name(), "QATBarView");
    EXPECT_EQ(button->Toolbar(), view);
    EXPECT_TRUE(qat->HasGroupButton(view));
    // A second one for the same group, or one for a toolbar the ribbon does not show, is refused and
    // leaves no link behind.
    EXPECT_EQ(qat->AddGroupButton(view), nullptr);
    TovBar* loose = AddBar("BarLoose", "Loose");
    EXPECT_EQ(qat->AddGroupButton(loose), nullptr);
    EXPECT_EQ(quick->ItemLinks()->Count(), 1);
    EXPECT_EQ(manager->GetItemByName("QATBarLoose"), nullptr);
    // The group losing its toolbar clears the button's.
    home->Groups()->Items(1)->SetToolBar(nullptr); // edit
    EXPECT_EQ(button->Toolbar(), view);
    TovRibbonQuickAccessGroupButton* editButton = qat->AddGroupButton(edit);
    EXPECT_EQ(editButton, nullptr); // edit no longer shows in the ribbon
    // Unbinding the toolbar frees its group buttons and hides the row.
    qat->SetToolbar(nullptr);
    EXPECT_EQ(manager->GetItemByName("QATBarView"), nullptr);
    EXPECT_EQ(quick->ItemLinks()->Count(), 0);
    EXPECT_FALSE(qat->DockControl()->Visible());
    EXPECT_EQ(quick->DockControl(), nullptr);
}

TEST_F(RibbonQuickAccessToolbarTest, FreeingTheToolbarUnbindsIt) {
    qat->SetToolbar(quick);
    quick->Free();
    EXPECT_EQ(qat->Toolbar(), nullptr);
    EXPECT_FALSE(qat->DockControl()->Visible());
}

TEST_F(RibbonQuickAccessToolbarTest, TheStoreKeepsGroupButtonsAtTheirPlaces) {
    qat->SetToolbar(quick);
    AddButton("ButtonX");
    qat->AddGroupButton(view);
    AddButton("ButtonY");
    qat->AddGroupButton(edit);
    ASSERT_EQ(LinkNames(), (std::vector<std::string>{"ButtonX", "QATBarView", "ButtonY", "QATBarEdit"}));
    TMemIniFile ini("");
    manager->WriteLayout(&ini, "P.", bskIniFile);
    qat->SaveToStore(&ini, "P.", bskIniFile);
    EXPECT_EQ(ini.ReadString("P.Bar2.ItemLink1", "ToolbarName", ""), "BarView");
    EXPECT_EQ(ini.ReadString("P.Bar2.ItemLink3", "ToolbarName", ""), "BarEdit");
    EXPECT_FALSE(ini.ValueExists("P.Bar2.ItemLink0", "ToolbarName"));
    // The next run: the toolbar's own links are back, the group buttons come from the store.
    manager->GetItemByName("QATBarView")->Free();
    manager->GetItemByName("QATBarEdit")->Free();
    qat->LoadFromStore(&ini, "P.", bskIniFile);
    EXPECT_EQ(LinkNames(), (std::vector<std::string>{"ButtonX", "QATBarView", "ButtonY", "QATBarEdit"}));
}

TEST_F(RibbonQuickAccessToolbarTest, ADamagedStoreLoadsWhatItCanAndNoMore) {
    std::vector<std::string> reports;
    TovBarLayoutReportSink previous =
        ovSetBarLayoutReportSink([&](const std::string& AText) { reports.push_back(AText); });
    qat->SetToolbar(quick);
    AddButton("ButtonX");
    TMemIniFile ini("");
    // A count no store holds, a link that names a toolbar that is gone, and one past the links there are.
    ini.WriteInteger("P.Bar2", "ItemLinkCount", 2147483647);
    ini.WriteString("P.Bar2.ItemLink0", "ToolbarName", "BarGone");
    ini.WriteString("P.Bar2.ItemLink1", "Other", "1");
    ini.WriteString("P.Bar2.ItemLink2", "Other", "1");
    ini.WriteString("P.Bar2.ItemLink3", "ToolbarName", "BarView");
    qat->LoadFromStore(&ini, "P.", bskIniFile);
    ovSetBarLayoutReportSink(previous);
    EXPECT_EQ(LinkNames(), (std::vector<std::string>{"ButtonX", "QATBarView"}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("is more than the store holds"), std::string::npos);
}

TEST_F(RibbonQuickAccessToolbarTest, TheMenuItemsLeaveOutAddAndRemove) {
    qat->SetToolbar(quick);
    EXPECT_FALSE(qat->GetMenuItems().Contains(rpmiQATAddRemoveItem));
    EXPECT_TRUE(qat->GetMenuItems().Contains(rpmiQATPosition));
    qat->SetVisible(false);
    EXPECT_FALSE(ribbon->GetPopupMenuItems().Contains(rpmiQATPosition));
}

} // namespace
