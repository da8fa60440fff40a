// The Customize window's Groups page at design time: adding groups (named by the designer, else by a
// free "ovBarGroup" number), deleting them, moving a selection as a block, adding members through the
// add-group-items dialog (they stay selected), removing and moving members, and the keys.
#include "CustPagesTestSupport.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/dialogs/AddGroupItemsDialog.h"

#include <gtest/gtest.h>

using namespace custpages_test;

namespace {

class GroupsPageTest : public CustPagesTest {
protected:
    void SetUp() override {
        CustPagesTest::SetUp();
        open = Command("&Open", "bbOpen", "File");
        save = Command("&Save", "bbSave", "File");
        cut = Command("Cu&t", "bbCut", "Edit");
    }
    TovBarCustomizationForm* Open() {
        TovBarCustomizationForm* f = OpenForm(true);
        f->PageControl->SetActivePage(f->tsGroups);
        olva::win::PumpMessages();
        return f;
    }
    std::vector<std::string> GroupNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < manager->GroupCount(); ++i)
            names.push_back(manager->Groups(i)->Name());
        return names;
    }
    static std::vector<std::string> Entries(TListBox* AList) {
        std::vector<std::string> entries;
        for (int i = 0; i < AList->Count(); ++i)
            entries.push_back(AList->Items()->Strings(i));
        return entries;
    }
    static std::vector<int> SelectedIndexes(TListBox* AList) {
        std::vector<int> selected;
        for (int i = 0; i < AList->Count(); ++i)
            if (AList->Selected(i)) selected.push_back(i);
        return selected;
    }
    void Click(TListBox* AList, int AIndex, bool AAdd = false) {
        const RECT r = AList->ItemRect(AIndex);
        ClickAt(AList, POINT{r.left + 10, (r.top + r.bottom) / 2}, AAdd ? VK_CONTROL : 0);
        olva::win::PumpMessages();
    }
    void Key(int AKey, int AModifier = 0) {
        if (AModifier != 0) olva::win::InjectKey(AModifier, true);
        olva::win::InjectKey(AKey, true);
        olva::win::InjectKey(AKey, false);
        if (AModifier != 0) olva::win::InjectKey(AModifier, false);
        olva::win::PumpMessages();
    }

    TovBarButton *open = nullptr, *save = nullptr, *cut = nullptr;
};

TEST_F(GroupsPageTest, OnlyAtDesignTime) {
    TovBarCustomizationForm* f = OpenForm(false);
    EXPECT_FALSE(f->tsGroups->TabVisible());
}

TEST_F(GroupsPageTest, AddGroupNamesItFreelyAndSelectsIt) {
    TovBarCustomizationForm* f = Open();
    EXPECT_TRUE(f->tsGroups->TabVisible());
    f->lbGroups->SetFocus();
    Key(VK_INSERT);
    ASSERT_EQ(1, manager->GroupCount());
    EXPECT_EQ("ovBarGroup7", manager->Groups(0)->Name()) << "the designer's name";
    f->aAddGroup->Execute();
    // The designer's name is taken now: the first free number.
    EXPECT_EQ((std::vector<std::string>{"ovBarGroup7", "ovBarGroup1"}), GroupNames());
    EXPECT_EQ((std::vector<std::string>{"ovBarGroup7", "ovBarGroup1"}), Entries(f->lbGroups));
    EXPECT_EQ(std::vector<int>{1}, SelectedIndexes(f->lbGroups));
    EXPECT_EQ(std::vector<TPersistent*>{manager->Groups(1)}, designer.Selection);
}

TEST_F(GroupsPageTest, DeleteGroupFreesTheSelectedGroups) {
    Group("g1");
    Group("g2");
    Group("g3");
    TovBarCustomizationForm* f = Open();
    Click(f->lbGroups, 0);
    Click(f->lbGroups, 2, true);
    Key(VK_DELETE);
    EXPECT_EQ(std::vector<std::string>{"g2"}, GroupNames());
    EXPECT_EQ(std::vector<std::string>{"g2"}, Entries(f->lbGroups));
}

TEST_F(GroupsPageTest, MovingUpABlockWithTheFirstGroupKeepsItOnTop) {
    Group("g1");
    Group("g2");
    Group("g3");
    Group("g4");
    TovBarCustomizationForm* f = Open();
    Click(f->lbGroups, 0);
    Click(f->lbGroups, 2, true);
    Click(f->lbGroups, 3, true);
    Key(VK_UP, VK_CONTROL);
    EXPECT_EQ((std::vector<std::string>{"g1", "g3", "g4", "g2"}), GroupNames());
    EXPECT_EQ((std::vector<int>{0, 1, 2}), SelectedIndexes(f->lbGroups));
    f->aMoveDownGroup->Execute();
    EXPECT_EQ((std::vector<std::string>{"g2", "g1", "g3", "g4"}), GroupNames());
    f->aMoveDownGroup->Execute();
    EXPECT_EQ((std::vector<std::string>{"g2", "g1", "g3", "g4"}), GroupNames()) << "the last stays last";
}

TEST_F(GroupsPageTest, AddItemsThroughTheDialogThenRemoveAndMoveThem) {
    TovBarGroup* tools = Group("grpTools");
    TovBarCustomizationForm* f = Open();
    Click(f->lbGroups, 0);
    ASSERT_TRUE(f->aAddGroupItem->Enabled());
    // The dialog lists "~File", "&Open", "&Save", "~Edit", "Cu&t".
    Then([] {
        auto* dialog = dynamic_cast<TfrmAddGroupItems*>(Screen()->ActiveForm());
        ASSERT_NE(nullptr, dialog);
        for (int i : {1, 2, 4})
            dialog->lbGroupItems->SetSelected(i, true);
    });
    ThenKey(VK_RETURN);
    f->lbGroupItems->SetFocus();
    Key(VK_INSERT);
    ASSERT_EQ(3, tools->Count());
    EXPECT_EQ((std::vector<std::string>{"bbOpen", "bbSave", "bbCut"}), Entries(f->lbGroupItems));
    EXPECT_EQ((std::vector<int>{0, 1, 2}), SelectedIndexes(f->lbGroupItems))
        << "the added members stay selected";
    ASSERT_TRUE(olva::win::SaveWindowPng(f->Handle(), OutputPath("customize-groups.png")));

    Click(f->lbGroupItems, 0);
    Key(VK_DOWN, VK_CONTROL);
    EXPECT_EQ(save, tools->Items(0));
    EXPECT_EQ(open, tools->Items(1));
    EXPECT_EQ(std::vector<int>{1}, SelectedIndexes(f->lbGroupItems));

    Key(VK_DELETE);
    ASSERT_EQ(2, tools->Count());
    EXPECT_FALSE(tools->Contains(open, false));
    EXPECT_EQ((std::vector<std::string>{"bbSave", "bbCut"}), Entries(f->lbGroupItems));
    EXPECT_EQ(1, manager->GroupCount()) << "Del in the members list removes members only";
}

} // namespace

namespace {

// What the pages chained into the manager goes with the form: later changes reach no freed form.
TEST_F(GroupsPageTest, ClosingTheFormUnchainsThePages) {
    Open();
    EXPECT_TRUE(static_cast<bool>(manager->GroupList()->OnComponentListChanged));
    EXPECT_TRUE(static_cast<bool>(manager->OnItemLinkAdd));
    CloseForm();
    EXPECT_FALSE(static_cast<bool>(manager->GroupList()->OnComponentListChanged));
    EXPECT_FALSE(static_cast<bool>(manager->OnItemLinkAdd));
    EXPECT_FALSE(static_cast<bool>(manager->OnItemLinkDelete));
    Group("afterwards");
    delete open;
    EXPECT_EQ(1, manager->GroupCount());
}

} // namespace
