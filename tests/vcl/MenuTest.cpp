// Menus: shortcuts through the form, radio groups, and popup menus driven by keys and the mouse.
#include "ControlTestSupport.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"

namespace control_test {
namespace {

class MenuTest : public ControlTest {
protected:
    TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption, TShortCut Key = 0) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(Caption);
        item->SetShortCut(Key);
        item->OnClick =
            TNotifyEvent([this, item](TObject*) { Clicked.push_back(StripHotkey(item->Caption())); }, item);
        Parent->Add(item);
        return item;
    }

    void SetUp() override {
        ControlTest::SetUp();
        Form = MakeForm(200, 150);
        Edit = new TTestEdit(Form);
        Edit->SetBounds(10, 10, 100, 20);
        Edit->SetParent(Form);
        Edit->OnKeyDown = TKeyEvent([this](TObject*, WORD&, TShiftState) { ++EditKeys; }, this);
    }

    TForm* Form = nullptr;
    TTestEdit* Edit = nullptr;
    std::vector<std::string> Clicked;
    int EditKeys = 0;
};

TEST_F(MenuTest, MainMenuShortcutsRunTheirItemsAfterTheParentsUpdate) {
    auto* menu = new TMainMenu(Form);
    TMenuItem* file = AddItem(menu->Items(), "&File");
    AddItem(file, "&Save", ShortCut('S', scCtrl));
    TMenuItem* del = AddItem(file, "&Delete", ShortCut('D', scCtrl));
    del->SetEnabled(false);
    Form->SetMenu(menu);
    Form->Show();
    Process();
    PressWith(VK_CONTROL, 'S');
    PressWith(VK_CONTROL, 'D');
    Process();
    const std::vector<std::string> expected{"File", "Save", "File"};
    EXPECT_EQ(Clicked, expected);
    // Both keys belonged to the menu, the disabled item's too: the edit saw only the Ctrl presses.
    EXPECT_EQ(EditKeys, 2);
    Press('Q');
    Process();
    EXPECT_EQ(EditKeys, 3);
}

TEST_F(MenuTest, RadioItemsOfOneGroupExcludeEachOtherAndAutoCheckToggles) {
    auto* menu = new TPopupMenu(Form);
    TMenuItem* a = AddItem(menu->Items(), "A");
    TMenuItem* b = AddItem(menu->Items(), "B");
    TMenuItem* c = AddItem(menu->Items(), "C");
    TMenuItem* other = AddItem(menu->Items(), "Other");
    for (TMenuItem* item : {a, b, c}) {
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    other->SetRadioItem(true);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(other->Checked());
    c->SetAutoCheck(true);
    c->Click();
    EXPECT_TRUE(c->Checked());
    EXPECT_FALSE(b->Checked());
    // A radio item stays checked when clicked again.
    c->Click();
    EXPECT_TRUE(c->Checked());
    EXPECT_THROW(menu->Items()->Items(9), EMenuError);
    EXPECT_THROW(menu->Items()->Add(a), EMenuError);
}

TEST_F(MenuTest, PopupMenuFollowsArrowKeysIntoSubMenusAndRunsTheChosenItem) {
    auto* menu = new TPopupMenu(Form);
    AddItem(menu->Items(), "&Open");
    AddItem(menu->Items(), "-");
    TMenuItem* closeItem = AddItem(menu->Items(), "&Close");
    closeItem->SetEnabled(false);
    TMenuItem* recent = AddItem(menu->Items(), "&Recent");
    AddItem(recent, "One");
    AddItem(recent, "Two");
    AddItem(menu->Items(), "E&xit");
    int popups = 0;
    menu->OnPopup = TNotifyEvent([&](TObject*) { ++popups; }, this);
    Form->Show();
    Process();
    // Down x3: Open, Close (separators are skipped, disabled items may be highlighted), Recent.
    for (int vk : {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN})
        Press(vk);
    menu->Popup(400, 300);
    const std::vector<std::string> expected{"Recent", "Two"};
    EXPECT_EQ(Clicked, expected);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->ActiveWindow(), nullptr);
    // Enter on a disabled item chooses nothing; Esc then closes the menu.
    Clicked.clear();
    for (int vk : {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE})
        Press(vk);
    menu->Popup(400, 300);
    EXPECT_TRUE(Clicked.empty());
    // An accelerator letter runs its item at once.
    Press('X');
    menu->Popup(400, 300);
    EXPECT_EQ(Clicked, std::vector<std::string>{"Exit"});
    // None of these keys reached the form.
    EXPECT_EQ(EditKeys, 0);
}

TEST_F(MenuTest, PopupMenuAnswersTheMouseAndClosesOnAClickOutside) {
    auto* menu = new TPopupMenu(Form);
    AddItem(menu->Items(), "&Open");
    AddItem(menu->Items(), "&Save");
    Form->Show();
    Process();
    // The first item starts 3 pixels below the menu's top-left corner.
    olva::win::InjectMouse(olva::win::MouseAction::Move, 420, 308);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 420, 308);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, 420, 308);
    menu->Popup(400, 300);
    EXPECT_EQ(Clicked, std::vector<std::string>{"Open"});
    Clicked.clear();
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, 900, 700);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, 900, 700);
    menu->Popup(400, 300);
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(MenuTest, RightClickOpensTheControlsPopupMenuForThatControl) {
    auto* menu = new TPopupMenu(Form);
    AddItem(menu->Items(), "&Open");
    Edit->SetPopupMenu(menu);
    TComponent* seenComponent = nullptr;
    menu->OnPopup = TNotifyEvent([&](TObject*) { seenComponent = menu->PopupComponent(); }, this);
    Form->Show();
    Process();
    const POINT p = Edit->ClientToScreen(POINT{5, 5});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::RightDown, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::RightUp, p.x, p.y);
    Press(VK_DOWN);
    Press(VK_RETURN);
    Process();
    EXPECT_EQ(seenComponent, Edit);
    EXPECT_EQ(Clicked, std::vector<std::string>{"Open"});
    // Freeing the menu leaves the control without one.
    delete menu;
    EXPECT_EQ(Edit->PopupMenu(), nullptr);
}

TEST_F(MenuTest, ItemsAndControlsFollowTheirActionsAndRunThem) {
    auto* list = new TActionList(Form);
    auto* save = new TAction(Form);
    save->SetActionList(list);
    save->SetCaption("&Save");
    save->SetHint("Saves the file");
    save->SetShortCut(ShortCut('S', scCtrl));
    int executed = 0;
    save->SetOnExecute(TNotifyEvent([&](TObject*) { ++executed; }, this));
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(Form);
    menu->Items()->Add(item);
    item->SetAction(save);
    Edit->SetAction(save);
    EXPECT_EQ(item->Caption(), "&Save");
    EXPECT_EQ(item->ShortCut(), ShortCut('S', scCtrl));
    EXPECT_EQ(Edit->Hint(), "Saves the file");
    item->Click();
    Edit->Click();
    EXPECT_EQ(executed, 2);
    // The action's changes reach both clients; a disabled action is not run from the item.
    save->SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    EXPECT_FALSE(Edit->Enabled());
    item->Click();
    EXPECT_EQ(executed, 2);
    // The form answers the action's shortcut through its action list.
    save->SetEnabled(true);
    Form->Show();
    Process();
    PressWith(VK_CONTROL, 'S');
    Process();
    EXPECT_EQ(executed, 3);
    // Freeing the action leaves the clients with what they took.
    delete save;
    EXPECT_EQ(item->Action(), nullptr);
    EXPECT_EQ(item->Caption(), "&Save");
}

} // namespace
} // namespace control_test
