// The Customize window's design-time commands on the headless screen: the sub-menu editor opened on the
// selected sub-item, a new command selected alone, and the category commands (add, insert, rename,
// visibility, delete) with their dialogs and message boxes answered by script.
#include "../BarsTestSupport.h"
#include "WindowPicture.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarDesigner.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/customize/dialogs/BarItemAddEditor.h"
#include "ui/bars/customize/dialogs/BarNameDialog.h"
#include "ui/bars/customize/dialogs/BarSubMenuEditor.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/customize/form/CheckableButton.h"
#include "ui/bars/popupmenus/PopupMenu.h"
#include "ui/painters/PaintersInit.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

using namespace bars_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;
using olva::win::PumpMessages;

namespace {

// The designer of a design environment, reduced to its selection and to what it lets be deleted.
class TSelectionDesigner : public IovBarDesigner {
public:
    bool CanDeleteComponent(TComponent* AComponent) override { return AComponent != Undeletable; }
    void GetSelection(std::vector<TPersistent*>& ASelection) override { ASelection = Selection; }
    int GetSelectionStatus(TPersistent* AObject) override {
        return std::find(Selection.begin(), Selection.end(), AObject) != Selection.end() ? 1 : 0;
    }
    void SelectComponent(TPersistent* AObject, TovBarSelectionOperation AOperation) override {
        if (AOperation == bsoExclusive) Selection.clear();
        if (AOperation != bsoRemove) Selection.push_back(AObject);
    }
    void SetSelection(const std::vector<TPersistent*>& ASelection) override { Selection = ASelection; }
    void ShowDefaultEventHandler(TPersistent*) override {}
    std::string UniqueName(const std::string& ABaseName) override { return ABaseName; }
    std::vector<TPersistent*> Selection;
    TComponent* Undeletable = nullptr;
};

class DesignTimeCommandsTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        uiPaintersInitialize();
        ovSetBarWindowFactory(ovBarWindows());
        form->SetBounds(420, 60, 500, 400);
        form->Show();
        PumpMessages();
        manager = MakeManager();
        manager->SetDesigning(true);
        manager->SetDesigner(&designer);
        Application()->OnIdle = TIdleEvent(
            [this](TObject*, bool& ADone) {
                ADone = false;
                if (steps.empty()) return;
                TCustomForm* active = Screen()->ActiveForm();
                if (active == nullptr || !steps.front()(active)) return;
                steps.pop_front();
            },
            this);
    }
    void TearDown() override {
        Application()->OnIdle = nullptr;
        ovFreeSubMenuEditor();
        if (manager != nullptr) manager->SetIsCustomizing(false);
        PumpMessages();
        if (manager != nullptr) manager->SetDesigner(nullptr);
        delete form;
        form = nullptr;
        PumpMessages();
        uiPaintersFinalize();
        BarsTest::TearDown();
    }
    template <typename T> T* AddCommand(const std::string& ACaption, int ACategory) {
        auto* item = new T(form);
        item->SetCaption(ACaption);
        item->SetCategory(ACategory);
        return item;
    }
    static TovBarCustomizationForm* CustomizeForm() {
        return dynamic_cast<TovBarCustomizationForm*>(BarCustomizingForm());
    }
    // Opens the window on its Commands page.
    TovBarCustomizationForm* Open() {
        manager->SetIsCustomizing(true);
        PumpMessages();
        TovBarCustomizationForm* customize = CustomizeForm();
        if (customize != nullptr) {
            customize->ShowCommandsPage();
            PumpMessages();
        }
        return customize;
    }
    static void ClickAt(POINT P) {
        InjectMouse(MouseAction::Move, P.x, P.y);
        InjectMouse(MouseAction::LeftDown, P.x, P.y);
        InjectMouse(MouseAction::LeftUp, P.x, P.y);
        PumpMessages();
    }
    static void ClickEntry(TListBox* AList, int AIndex) {
        const RECT r = AList->ItemRect(AIndex);
        POINT p{r.left + 30, (r.top + r.bottom) / 2};
        ClientToScreen(AList->Handle(), &p);
        ClickAt(p);
    }
    static std::vector<std::string> Entries(TListBox* AList) {
        std::vector<std::string> entries;
        for (int i = 0; i < AList->Count(); ++i)
            entries.push_back(AList->Items()->Strings(i));
        return entries;
    }
    static std::vector<TObject*> Selected(TListBox* AList) {
        return TovBarCustomCustomizationForm::SelectedObjects(AList);
    }
    // Script steps, run while a modal window waits; each answers true when it has done its part.
    void WhenMessageBox(int AKey) {
        steps.push_back([this, AKey](TCustomForm* AActive) {
            const std::string text = MessageBoxText(AActive);
            if (text.empty()) return false;
            boxTexts.push_back(text);
            InjectKey(AKey, true);
            InjectKey(AKey, false);
            return true;
        });
    }
    void WhenNameDialog(const std::string& AName, int AKey) {
        steps.push_back([this, AName, AKey](TCustomForm* AActive) {
            auto* dialog = dynamic_cast<TovBarNameEd*>(AActive);
            if (dialog == nullptr) return false;
            dialogStartNames.push_back(dialog->EName->Text());
            dialog->EName->SetText(AName);
            InjectKey(AKey, true);
            InjectKey(AKey, false);
            return true;
        });
    }
    void WhenAddDialog(const std::string& ACaption, int AKey) {
        steps.push_back([ACaption, AKey](TCustomForm* AActive) {
            auto* dialog = dynamic_cast<TovBarItemAddEditor*>(AActive);
            if (dialog == nullptr) return false;
            dialog->Edit2->SetText(ACaption);
            InjectKey(AKey, true);
            InjectKey(AKey, false);
            return true;
        });
    }

    TovBarManager* manager = nullptr;
    TSelectionDesigner designer;
    std::deque<std::function<bool(TCustomForm*)>> steps;
    std::vector<std::string> boxTexts;
    std::vector<std::string> dialogStartNames;
};

TEST_F(DesignTimeCommandsTest, TheSubMenuEditorOpensOnTheSelectedSubItemOnly) {
    AddCommand<TovBarButton>("Play", 0);
    auto* effects = AddCommand<TovBarSubItem>("Effects", 0);
    effects->ItemLinks()->AddItem(AddCommand<TovBarButton>("Echo", 0));
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    TListBox* items = customize->lbItems;
    ASSERT_EQ((std::vector<std::string>{"Play", "Effects", "Echo"}), Entries(items));

    ClickEntry(items, 0);
    EXPECT_FALSE(customize->aSubMenuEditor->Enabled()) << "a plain button has no links";
    customize->aSubMenuEditorExecute(nullptr);
    EXPECT_EQ(nullptr, ActiveSubMenuEditor());

    ClickEntry(items, 1);
    ASSERT_EQ((std::vector<TObject*>{effects}), Selected(items));
    EXPECT_TRUE(customize->aSubMenuEditor->Enabled());
    customize->aSubMenuEditorExecute(nullptr);
    PumpMessages();
    ASSERT_NE(nullptr, ActiveSubMenuEditor());
    EXPECT_EQ(effects->ItemLinks(), ActiveSubMenuEditor()->ItemLinks());
}

TEST_F(DesignTimeCommandsTest, AddedCommandIsSelectedAloneAndCancelAddsNothing) {
    AddCommand<TovBarButton>("Play", 0);
    AddCommand<TovBarButton>("Stop", 0);
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    TListBox* items = customize->lbItems;
    ClickEntry(items, 0);
    ASSERT_EQ(1u, Selected(items).size());
    const int before = manager->ItemCount();

    WhenAddDialog("Never made", VK_ESCAPE);
    customize->aAddItemExecute(nullptr);
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(before, manager->ItemCount());

    WhenAddDialog("Record", VK_RETURN);
    customize->aAddItemExecute(nullptr);
    ASSERT_TRUE(steps.empty());
    ASSERT_EQ(before + 1, manager->ItemCount());
    const std::vector<TObject*> selected = Selected(items);
    ASSERT_EQ(1u, selected.size()) << "the new command alone";
    auto* added = dynamic_cast<TovBarItem*>(selected[0]);
    ASSERT_NE(nullptr, added);
    EXPECT_EQ("Record", added->Caption());
    EXPECT_EQ(3, items->Count());
    EXPECT_EQ((std::vector<TPersistent*>{added}), designer.Selection) << "the designer selects it too";
}

TEST_F(DesignTimeCommandsTest, CategoriesAreAddedInsertedAndRenamedThroughTheNameDialog) {
    manager->Categories()->Add("Edit");
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    TListBox* categories = customize->lbCategories;
    const std::string first = manager->Categories()->Strings(0);

    WhenNameDialog("Never", VK_ESCAPE);
    customize->CategoriesAddClick(nullptr);
    EXPECT_EQ(2, manager->Categories()->Count()) << "Cancel adds nothing";

    WhenNameDialog("Mixing", VK_RETURN);
    customize->CategoriesAddClick(nullptr);
    ASSERT_EQ((std::vector<std::string>{first, "Edit", "Mixing"}), Entries(categories));
    EXPECT_EQ(2, categories->ItemIndex()) << "the added category is selected";

    ClickEntry(categories, 1);
    WhenNameDialog("View", VK_RETURN);
    customize->CategoriesInsertClick(nullptr);
    ASSERT_EQ((std::vector<std::string>{first, "View", "Edit", "Mixing"}), Entries(categories));
    EXPECT_EQ(1, customize->SelectedCategory()) << "inserted before the selected one, and selected";

    ClickEntry(categories, 2);
    WhenNameDialog("Editing", VK_RETURN);
    customize->CategoriesRenameClick(nullptr);
    EXPECT_EQ("Edit", dialogStartNames.back()) << "the dialog starts from the old name";
    EXPECT_EQ((std::vector<std::string>{first, "View", "Editing", "Mixing"}), Entries(categories));
    EXPECT_EQ("Editing", manager->Categories()->Strings(2));
    EXPECT_EQ(2, customize->SelectedCategory());

    WhenNameDialog("Lost", VK_ESCAPE);
    customize->CategoriesRenameClick(nullptr);
    EXPECT_EQ("Editing", manager->Categories()->Strings(2)) << "Cancel keeps the name";
    EXPECT_TRUE(steps.empty());
}

TEST_F(DesignTimeCommandsTest, DeleteAsksAndOnlyOkDeletesTheCategoryThenSelectsItsNeighbour) {
    manager->Categories()->Add("Edit");
    manager->Categories()->Add("View");
    TovBarItem* cut = AddCommand<TovBarButton>("Cut", 1);
    TovBarItem* zoom = AddCommand<TovBarButton>("Zoom", 2);
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    TListBox* categories = customize->lbCategories;
    ClickEntry(categories, 1);
    ClickEntry(customize->lbItems, 0);
    ASSERT_EQ((std::vector<TPersistent*>{cut}), designer.Selection);

    WhenMessageBox(VK_ESCAPE);
    customize->CategoriesDeleteClick(nullptr);
    ASSERT_EQ(1u, boxTexts.size());
    EXPECT_EQ("Are you sure you want to delete the 'Edit' category?", boxTexts[0]);
    EXPECT_EQ(3, manager->Categories()->Count()) << "Cancel keeps the category";
    EXPECT_EQ(2, manager->ItemCount()) << "and its commands";

    WhenMessageBox(VK_RETURN);
    customize->CategoriesDeleteClick(nullptr);
    ASSERT_EQ(2, manager->Categories()->Count());
    EXPECT_EQ("View", manager->Categories()->Strings(1));
    EXPECT_EQ(1, manager->ItemCount()) << "the category's command went with it";
    EXPECT_EQ((std::vector<TPersistent*>{manager}), designer.Selection) << "the manager is selected instead";
    EXPECT_EQ(1, customize->SelectedCategory()) << "the next category";
    EXPECT_EQ((std::vector<std::string>{"Zoom"}), Entries(customize->lbItems));
    EXPECT_EQ(zoom, customize->lbItems->Items()->Objects(0));

    WhenMessageBox(VK_RETURN);
    customize->CategoriesDeleteClick(nullptr);
    ASSERT_EQ(1, manager->Categories()->Count());
    EXPECT_EQ(0, customize->SelectedCategory()) << "the last one deleted: the one before it";
    EXPECT_TRUE(steps.empty());
}

TEST_F(DesignTimeCommandsTest, DeleteIsRefusedForTheOnlyCategoryAndForOneWithAnUndeletableCommand) {
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    ASSERT_EQ(1, manager->Categories()->Count());
    EXPECT_FALSE(customize->CanDeleteSelectedCategory()) << "the only category";
    customize->CategoriesDeleteClick(nullptr);
    EXPECT_TRUE(boxTexts.empty()) << "nothing is asked";
    EXPECT_EQ(1, manager->Categories()->Count());

    manager->Categories()->Add("Edit");
    designer.Undeletable = AddCommand<TovBarButton>("Cut", 1);
    AddCommand<TovBarButton>("Copy", 1);
    customize->RefreshList(customize->lbCategories);
    ClickEntry(customize->lbCategories, 1);
    ASSERT_EQ(1, customize->SelectedCategory());
    EXPECT_FALSE(customize->CanDeleteSelectedCategory()) << "a command of it may not be deleted";
    customize->CategoriesDeleteClick(nullptr);
    EXPECT_TRUE(boxTexts.empty());
    EXPECT_EQ(2, manager->Categories()->Count());

    designer.Undeletable = nullptr;
    EXPECT_TRUE(customize->CanDeleteSelectedCategory());
    ClickEntry(customize->lbCategories, 0);
    EXPECT_TRUE(customize->CanDeleteSelectedCategory()) << "two categories, the first one selected";
}

TEST_F(DesignTimeCommandsTest, VisibleTogglesTheSelectedCategoryOnly) {
    manager->Categories()->Add("Edit");
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    ClickEntry(customize->lbCategories, 1);
    ASSERT_TRUE(manager->GetCategoryVisible(1));
    customize->CategoriesVisibleClick(nullptr);
    EXPECT_FALSE(manager->GetCategoryVisible(1));
    EXPECT_EQ(2, customize->lbCategories->Count()) << "at design time hidden categories stay listed";
    customize->CategoriesVisibleClick(nullptr);
    EXPECT_TRUE(manager->GetCategoryVisible(1));
    EXPECT_TRUE(manager->GetCategoryVisible(0)) << "only the selected category changes";
}

} // namespace

// A right press on the categories list opens its context menu at the cursor, the entries made by the
// window's own bar manager and set for the category under the press; a right release on the commands
// list opens the commands menu. Escape closes each; the customized manager gains no commands.
TEST_F(DesignTimeCommandsTest, RightClicksOpenTheListsContextMenus) {
    manager->Categories()->Add("Edit");
    AddCommand<TovBarButton>("Play", 0);
    AddCommand<TovBarButton>("Cut", 1);
    const int commandsBefore = manager->ItemCount();
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    TListBox* categories = customize->lbCategories;
    const RECT r = categories->ItemRect(1);
    POINT p{r.left + 20, (r.top + r.bottom) / 2};
    ClientToScreen(categories->Handle(), &p);
    InjectMouse(MouseAction::Move, p.x, p.y);
    InjectMouse(MouseAction::RightDown, p.x, p.y);
    InjectMouse(MouseAction::RightUp, p.x, p.y);
    InjectKey(VK_ESCAPE, true);
    InjectKey(VK_ESCAPE, false);
    PumpMessages();
    ASSERT_NE(nullptr, customize->CategoriesPopupMenu) << "the menu was made and opened";
    EXPECT_EQ(1, categories->ItemIndex()) << "the press selected the category under it";
    std::vector<std::string> captions;
    for (int i = 0; i < customize->CategoriesPopupMenu->ItemLinks()->Count(); ++i)
        captions.push_back(customize->CategoriesPopupMenu->ItemLinks()->Items(i)->Item()->Caption());
    EXPECT_EQ(
        (std::vector<std::string>{"Add...", "Insert...", "Rename...", "Visible", "Items Visible:", "Delete"}),
        captions);
    EXPECT_TRUE(customize->CategoriesVisible->Down()) << "the popup showed the category's visibility";
    EXPECT_EQ(static_cast<int>(manager->GetCategoryItemsVisible(1)),
              customize->CategoriesItemsVisible->ItemIndex());
    EXPECT_TRUE(customize->CategoriesDelete->Enabled());

    customize->CategoriesVisible->Click();
    EXPECT_FALSE(manager->GetCategoryVisible(1)) << "the menu's Visible hides the category";

    TListBox* items = customize->lbItems;
    const RECT ir = items->ItemRect(0);
    POINT q{ir.left + 20, (ir.top + ir.bottom) / 2};
    ClientToScreen(items->Handle(), &q);
    InjectMouse(MouseAction::Move, q.x, q.y);
    InjectMouse(MouseAction::RightDown, q.x, q.y);
    InjectMouse(MouseAction::RightUp, q.x, q.y);
    InjectKey(VK_ESCAPE, true);
    InjectKey(VK_ESCAPE, false);
    PumpMessages();
    ASSERT_NE(nullptr, customize->CommandsPopupMenu);
    EXPECT_EQ(6, customize->CommandsPopupMenu->ItemLinks()->Count());
    EXPECT_EQ(commandsBefore, manager->ItemCount()) << "the menus' entries are not the manager's commands";
}

// At design time each list's label is followed by a "... modify" button that drops that list's menu.
TEST_F(DesignTimeCommandsTest, ModifyButtonsFollowTheirLabelsAndDropTheListsMenus) {
    AddCommand<TovBarButton>("Play", 0);
    TovBarCustomizationForm* customize = Open();
    ASSERT_NE(nullptr, customize);
    ASSERT_NE(nullptr, customize->CategoriesPopupButton);
    ASSERT_NE(nullptr, customize->CommandsPopupButton);
    EXPECT_EQ(nullptr, customize->CategoriesPopupButtonPlace) << "the placeholders went";
    struct Case {
        TCheckableButton* Button;
        TLabel* Label;
        TovBarPopupMenu* Menu;
    };
    for (const Case& c :
         {Case{customize->CategoriesPopupButton, customize->LabelCategories, customize->CategoriesPopupMenu},
          Case{customize->CommandsPopupButton, customize->LabelCommands, customize->CommandsPopupMenu}}) {
        EXPECT_EQ("... modify", c.Button->Caption());
        EXPECT_EQ(c.Label->Left() + c.Label->Width() + 5, c.Button->Left());
        EXPECT_EQ(c.Menu, c.Button->DropDownMenu());
        EXPECT_EQ(c.Label->Parent(), c.Button->Parent());
    }
    customform_test::SaveWindowPicture(customize->Handle(), "customize-commands-design.png");
}
