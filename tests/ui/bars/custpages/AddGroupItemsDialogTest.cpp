// The add-group-items dialog: its entries (other groups, then the categories that have items, under
// headers), the picture of an entry (members greyed, caption and name halves, headers on the button
// face), OK handing over the chosen objects without the headers, Cancel handing over nothing, and a
// recursive group refused in a message box while the other chosen items still join.
#include "../BarPaintingTestSupport.h"
#include "CustPagesTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/dialogs/AddGroupItemsDialog.h"

#include <gtest/gtest.h>

#include <memory>

using namespace custpages_test;
using bars_test::Rgb;

namespace {

class AddGroupItemsDialogTest : public CustPagesTest {
protected:
    void SetUp() override {
        CustPagesTest::SetUp();
        open = Command("&Open", "bbOpen", "File");
        save = Command("&Save", "bbSave", "File");
        Command("Never shown", "bbHidden", "File")->SetVisible(ivNever);
        manager->Categories()->Add("Empty");
        cut = Command("Cu&t", "bbCut", "Edit");
        tools = Group("grpTools");
        edit = Group("grpEdit");
    }
    // The dialog for the group, made but not shown.
    std::unique_ptr<TfrmAddGroupItems> Dialog(TovBarGroup* AGroup,
                                              std::vector<TovBarComponent*>* AList = nullptr) {
        return std::unique_ptr<TfrmAddGroupItems>(
            TCustomForm::New<TfrmAddGroupItems>(nullptr, AGroup, AList));
    }
    static std::vector<std::string> Texts(TfrmAddGroupItems* ADialog) {
        std::vector<std::string> texts;
        for (int i = 0; i < ADialog->lbGroupItems->Count(); ++i)
            texts.push_back(ADialog->lbGroupItems->Items()->Strings(i));
        return texts;
    }
    static TListBox* OpenList() {
        auto* dialog = dynamic_cast<TfrmAddGroupItems*>(Screen()->ActiveForm());
        return dialog != nullptr ? dialog->lbGroupItems : nullptr;
    }
    // Clicks an entry of the open dialog's list (with Ctrl: adds it to the selection).
    void ThenPick(int AIndex, bool AAdd) {
        Then([AIndex, AAdd] {
            TListBox* list = OpenList();
            ASSERT_NE(nullptr, list);
            const RECT r = list->ItemRect(AIndex);
            ClickAt(list, POINT{r.left + 10, (r.top + r.bottom) / 2}, AAdd ? VK_CONTROL : 0);
        });
    }

    TovBarButton *open = nullptr, *save = nullptr, *cut = nullptr;
    TovBarGroup *tools = nullptr, *edit = nullptr;
};

TEST_F(AddGroupItemsDialogTest, ListsTheOtherGroupsThenEveryCategoryWithItems) {
    auto dialog = Dialog(tools);
    EXPECT_EQ("Add Group Items", dialog->Caption());
    const std::vector<std::string> expected{"~< Groups >", "grpEdit", "~File", "&Open",
                                            "&Save",       "~Edit",   "Cu&t"};
    EXPECT_EQ(expected, Texts(dialog.get()));
    EXPECT_EQ(edit, dialog->lbGroupItems->Items()->Objects(1));
    EXPECT_EQ(open, dialog->lbGroupItems->Items()->Objects(3));
    EXPECT_EQ(nullptr, dialog->lbGroupItems->Items()->Objects(2)) << "a header stands for nothing";
    EXPECT_TRUE(dialog->lbGroupItems->MultiSelect());

    // Every entry is a text line and a pixel above and below high.
    int height = 0;
    dialog->lbGroupItemsMeasureItem(dialog->lbGroupItems, 0, height);
    EXPECT_EQ(dialog->lbGroupItems->Canvas()->TextHeight("Wg") + 2, height);
    EXPECT_EQ(height, dialog->lbGroupItems->ItemHeight());
}

TEST_F(AddGroupItemsDialogTest, WithTheGroupAloneThereIsNoGroupsHeader) {
    delete edit;
    auto dialog = Dialog(tools);
    const std::vector<std::string> expected{"~File", "&Open", "&Save", "~Edit", "Cu&t"};
    EXPECT_EQ(expected, Texts(dialog.get()));
}

TEST_F(AddGroupItemsDialogTest, MembersAreGreyedAndItemsShowTheirNameAfterARule) {
    tools->Add(save);
    auto dialog = Dialog(tools);
    dialog->SetBounds(20, 20, 364, 400);
    dialog->Show();
    olva::win::PumpMessages();
    TListBox* list = dialog->lbGroupItems;
    list->SetSelected(5, true); // "~Edit" stays a header even when selected
    list->SetSelected(3, true); // "&Open"
    list->Repaint();
    ASSERT_TRUE(olva::win::SaveWindowPng(dialog->Handle(), OutputPath("add-group-items.png")));

    const std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    // Pixels of an entry between two x positions: how many differ from the window colour (text), and how
    // many are dark (every channel below 0x60).
    auto inkAndDark = [&](int AIndex, int ALeft, int ARight) {
        const RECT r = list->ItemRect(AIndex);
        std::pair<int, int> counts{0, 0};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = ALeft; x < ARight; ++x) {
                const TColor c = ScreenColor(*screen, list, x, y);
                if (c != Rgb(clWindow)) ++counts.first;
                if ((c & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60)
                    ++counts.second;
            }
        return counts;
    };
    const RECT r = list->ItemRect(4);
    const int middle = r.left + (r.right - r.left) / 2;
    // The member "&Save": light text on the window colour, nothing dark left of the rule.
    const auto member = inkAndDark(4, r.left, middle - 1);
    EXPECT_GT(member.first, 10);
    EXPECT_EQ(0, member.second);
    EXPECT_GT(inkAndDark(4, r.left, middle).first, 0);
    // Not a member: dark window text.
    EXPECT_GT(inkAndDark(6, r.left, middle - 1).second, 10);
    // The rule between caption and name, in window text and, selected, in highlight text.
    EXPECT_EQ(Rgb(clWindowText), ScreenColor(list, middle, (r.top + r.bottom) / 2));
    const RECT selected = list->ItemRect(3);
    EXPECT_EQ(Rgb(clHighlightText), ScreenColor(list, middle, (selected.top + selected.bottom) / 2));
    EXPECT_EQ(Rgb(clHighlight), ScreenColor(list, selected.right - 3, selected.top + 1));
    // Headers on the button face, selected or not; the box below the last entry too.
    const RECT header = list->ItemRect(5);
    EXPECT_EQ(Rgb(clBtnFace), ScreenColor(list, header.right - 3, header.top + 1));
    const RECT last = list->ItemRect(list->Count() - 1);
    EXPECT_EQ(Rgb(clBtnFace), ScreenColor(list, last.left + 5, last.bottom + 20));
    dialog->Hide();
}

TEST_F(AddGroupItemsDialogTest, OkHandsOverTheChosenObjectsWithoutHeaders) {
    std::vector<TovBarComponent*> chosen;
    ThenPick(1, false); // grpEdit
    ThenPick(2, true);  // the header "~File"
    ThenPick(4, true);  // &Save
    ThenPick(6, true);  // Cu&t
    ThenKey(VK_RETURN);
    EXPECT_TRUE(ShowAddGroupItemsDialog(tools, chosen));
    const std::vector<TovBarComponent*> expected{edit, save, cut};
    EXPECT_EQ(expected, chosen);
    EXPECT_EQ(0, tools->Count()) << "the dialog itself changes no group";
}

TEST_F(AddGroupItemsDialogTest, CancelHandsOverNothing) {
    std::vector<TovBarComponent*> chosen;
    ThenPick(3, false);
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(ShowAddGroupItemsDialog(tools, chosen));
    EXPECT_TRUE(chosen.empty());
}

TEST_F(AddGroupItemsDialogTest, ARecursiveGroupIsRefusedInAMessageBoxAndTheRestJoins) {
    tools->Add(edit);
    // The dialog for grpEdit lists grpTools (which holds grpEdit already) and the items.
    ThenPick(1, false); // grpTools
    ThenPick(3, true);  // &Open
    ThenPick(4, true);  // &Save
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    const std::vector<TovBarComponent*> added = AddGroupItemsByDialog(edit);
    EXPECT_EQ(std::vector<std::string>{"You cannot create recursive groups"}, boxTexts);
    const std::vector<TovBarComponent*> expected{open, save};
    EXPECT_EQ(expected, added);
    ASSERT_EQ(2, edit->Count());
    EXPECT_EQ(open, edit->Items(0));
    EXPECT_FALSE(edit->Contains(tools, false));
}

TEST_F(AddGroupItemsDialogTest, ChoosingMembersAgainAddsNothing) {
    tools->Add(open);
    ThenPick(3, false); // &Open, already a member
    ThenKey(VK_RETURN);
    EXPECT_TRUE(AddGroupItemsByDialog(tools).empty());
    EXPECT_EQ(1, tools->Count());
}

} // namespace
