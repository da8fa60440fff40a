// The customizing popup in the designing state: editors' "Add" entries and where their items land,
// "Group"/"Ungroup" on selected links, every view-level entry, a multiple selection changing together,
// deleting the designer's selection (an item with several links asked about first), which clicks select
// (WantsDefaultSelection), and the registries of design helpers and editors.
#include "tests/ui/bars/controls/BarWindowTestSupport.h"
#include "tests/ui/bars/menus/MenusTestSupport.h"

#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarDesigner.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/BarControlEditors.h"
#include "ui/bars/customize/BarCustomizingPopup.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/customize/BarDesignHelpers.h"
#include "ui/core/base/ClassRefs.h"

#include "platform/vcl/Application.h"
#include "tests/support/TestWindowClass.h"
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using bars_test::TWindowedMenu;

// The designer of a design environment, reduced to its selection.
class TTestDesigner : public IovBarDesigner {
public:
    bool CanDeleteComponent(TComponent*) override { return true; }
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
};

// The layout entries of ribbon-like bars: nothing forbidden.
class TOpenHelper : public TCustomovBarControlDesignHelper {
public:
    bool IsViewLevelsMultiChoice() const override { return MultiChoice; }
    unsigned GetForbiddenActions() const override { return 0; }
    bool MultiChoice = false;
};

class DesignTimePopupTest : public menus_test::MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        form->Show();
        olva::win::PumpMessages();
        BarDesignController()->RegisterBarControlDesignHelper(uiClassOf<TWindowedMenu>(), &helper);
    }
    void TearDown() override {
        BarDesignController()->UnregisterBarControlDesignHelper(uiClassOf<TWindowedMenu>());
        BarDesignController()->OnCustomizingPopup = nullptr;
        menu.reset();
        manager->SetDesigner(nullptr);
        MenusTest::TearDown();
    }
    void OpenDesignedMenu(const std::vector<std::string>& ACaptions) {
        manager->SetDesigning(true);
        manager->SetDesigner(&designer);
        menu = std::make_unique<TWindowedMenu>(manager);
        menu->SetPainter(painter.get());
        for (const std::string& caption : ACaptions) {
            TovBarButton* button = Command(caption);
            button->SetDesigning(true);
            menu->Add(button);
        }
        menu->Layout(160);
        const TRect client = menu->GetClientRect();
        menu->SetBounds(TRect{200, 100, 200 + client.right, 100 + client.bottom});
        menu->HandleNeeded();
        menu->Show();
        olva::win::PumpMessages();
    }
    TovBarItemLink* Link(int AIndex) const { return menu->ItemLinks()->Items(AIndex); }
    void Select(std::initializer_list<int> AIndexes) {
        designer.Selection.clear();
        for (int i : AIndexes)
            designer.Selection.push_back(Link(i));
    }
    // Opens the customizing popup of the link, runs AScript in it, then closes it.
    void InPopup(int AIndex, std::function<void(TovBarCustomizingPopup*)> AScript) {
        BarDesignController()->OnCustomizingPopup = [this, AScript](TovBarCustomizingPopup*) {
            PostScript([this, AScript] {
                BarDesignController()->OnCustomizingPopup = nullptr;
                TovBarCustomizingPopup* popup = BarDesignController()->CustomizingPopup();
                AScript(popup);
                if (BarDesignController()->CustomizingPopup() != nullptr) Key(VK_ESCAPE);
            });
        };
        PlaceCursor(400, 300);
        ASSERT_TRUE(BarDesignController()->ShowLinkCustomizingPopup(menu.get(), Link(AIndex)));
    }
    // The entry with the caption, searched in the popup and one level of its sub-menus.
    static TovBarItem* Entry(TovBarCustomizingPopup* APopup, const std::string& ACaption) {
        std::vector<TovBarItemLinks*> lists{APopup->ItemLinks()};
        for (int i = 0; i < APopup->ItemLinks()->Count(); ++i)
            if (auto* sub = dynamic_cast<TovBarSubItem*>(APopup->ItemLinks()->Items(i)->Item()))
                lists.push_back(sub->ItemLinks());
        for (TovBarItemLinks* links : lists)
            for (int i = 0; i < links->Count(); ++i)
                if (links->Items(i)->Item()->Caption() == ACaption) return links->Items(i)->Item();
        return nullptr;
    }
    static std::vector<std::string> Captions(TovBarItemLinks* ALinks) {
        std::vector<std::string> captions;
        for (int i = 0; i < ALinks->Count(); ++i)
            captions.push_back(ALinks->Items(i)->Item()->Caption());
        return captions;
    }

    TTestDesigner designer;
    TOpenHelper helper;
    std::unique_ptr<TWindowedMenu> menu;
};

TEST_F(DesignTimePopupTest, OneSelectedLinkOffersTheEditorsAndTheDesignersEntries) {
    OpenDesignedMenu({"Cut", "Copy"});
    Select({1});
    std::vector<std::string> entries;
    InPopup(1, [&](TovBarCustomizingPopup* APopup) { entries = Captions(APopup->ItemLinks()); });
    const std::vector<std::string> expected{"Add &SubItem",
                                            "Add &Button",
                                            "Add L&argeButton",
                                            "Add &Item",
                                            "&Reset",
                                            "&Delete",
                                            "Delete Item",
                                            "Delete Link",
                                            "Select Link",
                                            "&Caption:",
                                            "Defa&ult style",
                                            "&Text Only (Always)",
                                            "Text &Only (in Menus)",
                                            "Image &and Text",
                                            "&Position",
                                            "View&Levels",
                                            "ButtonG&roup",
                                            "Dis&tributed",
                                            "Begin a &Group",
                                            "&Visible",
                                            "&Most recently used"};
    EXPECT_EQ(expected, entries);

    // Two selected objects: no editors (they add at one place only).
    Select({0, 1});
    InPopup(1, [&](TovBarCustomizingPopup* APopup) { entries = Captions(APopup->ItemLinks()); });
    EXPECT_EQ("&Reset", entries.front());
}

TEST_F(DesignTimePopupTest, AddButtonPlacesANewButtonAfterTheRightClickedLink) {
    OpenDesignedMenu({"Cut", "Copy", "Paste"});
    manager->Categories()->Add("Edit");
    manager->Categories()->Add("Default");
    const int defaultCategory = manager->Categories()->IndexOf("Default");
    const std::string expectedName = manager->MakeUniqueItemName("TovBarButton");
    Select({1});
    InPopup(1, [&](TovBarCustomizingPopup* APopup) { Entry(APopup, "Add &Button")->Click(); });
    ASSERT_EQ(4, menu->ItemLinks()->Count());
    TovBarItem* made = Link(2)->Item();
    EXPECT_NE(nullptr, dynamic_cast<TovBarButton*>(made));
    EXPECT_EQ("New Button", made->Caption());
    EXPECT_EQ(defaultCategory, made->Category());
    EXPECT_EQ(expectedName, made->Name());
    EXPECT_EQ(form, made->Owner()) << "owned by the manager's owner";
    EXPECT_GE(manager->IndexOfItem(made), 0) << "a real command, not an internal entry";
    EXPECT_EQ("Paste", Link(3)->Item()->Caption());
    EXPECT_EQ(std::vector<TPersistent*>{Link(2)}, designer.Selection) << "the new link is selected";

    // "Add &Item" lists the classes users may create, and its entries make them.
    Select({0});
    InPopup(0, [&](TovBarCustomizingPopup* APopup) {
        TovBarItem* sub = Entry(APopup, "Add &Item");
        ASSERT_NE(nullptr, sub);
        TovBarItemLinks* classes = static_cast<TovBarSubItem*>(sub)->ItemLinks();
        const std::vector<std::string> names = Captions(classes);
        ASSERT_NE(names.end(), std::find(names.begin(), names.end(), "TovBarSubItem"));
        Entry(APopup, "TovBarSubItem")->Click();
    });
    ASSERT_EQ(5, menu->ItemLinks()->Count());
    EXPECT_NE(nullptr, dynamic_cast<TovBarSubItem*>(Link(1)->Item()));
    EXPECT_EQ("New SubItem", Link(1)->Item()->Caption());
}

TEST_F(DesignTimePopupTest, GroupOnThreeSelectedLinksStartsWithTheFirstAndUngroupUndoesIt) {
    OpenDesignedMenu({"Bold", "Italic", "Underline", "Strike"});
    Select({2, 0, 1});
    InPopup(1, [&](TovBarCustomizingPopup* APopup) { Entry(APopup, "Group")->Click(); });
    EXPECT_EQ(bgpStart, Link(0)->ButtonGroup) << "the first in list order, not in selection order";
    EXPECT_EQ(bgpMember, Link(1)->ButtonGroup);
    EXPECT_EQ(bgpMember, Link(2)->ButtonGroup);
    EXPECT_EQ(bgpNone, Link(3)->ButtonGroup);

    InPopup(1, [&](TovBarCustomizingPopup* APopup) { Entry(APopup, "Ungroup")->Click(); });
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(bgpNone, Link(i)->ButtonGroup) << i;
}

TEST_F(DesignTimePopupTest, EverySingleViewLevelEntryLeavesExactlyThatLevel) {
    OpenDesignedMenu({"Paste"});
    Select({0});
    const std::vector<TovBarItemViewLevel> levels{ivlLargeIconWithText, ivlLargeControlOnly,
                                                  ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly};
    int shown = 0;
    for (bool multi : {false, true}) {
        helper.MultiChoice = multi;
        for (TovBarItemViewLevel level : levels) {
            Link(0)->ViewLevels = TovBarItemViewLevels{ivlSmallIcon, ivlControlOnly};
            // -1: the link's control offers no entry for the level (the value still holds for it).
            int down = -1;
            InPopup(0, [&](TovBarCustomizingPopup* APopup) {
                APopup->Perform(ovCustomizeTag(bcaViewLevels, ovViewLevelOnly | level));
                auto* sub = static_cast<TovBarSubItem*>(Entry(APopup, "View&Levels"));
                for (int j = 0; j < sub->ItemLinks()->Count(); ++j) {
                    auto* entry = static_cast<TovBarButton*>(sub->ItemLinks()->Items(j)->Item());
                    const int value = static_cast<int>(entry->Tag()) & 0xFFFF;
                    if (value == (ovViewLevelOnly | level)) {
                        EXPECT_EQ(" ONLY", entry->Caption().substr(entry->Caption().size() - 5));
                        // Single entries are check entries only when they are the only choice.
                        down = multi ? (entry->ButtonStyle() == bsChecked ? 2 : 3) : entry->Down();
                    }
                }
            });
            EXPECT_EQ(TovBarItemViewLevels{level}, Link(0)->ViewLevels)
                << "multi " << multi << " level " << level;
            if (down >= 0) ++shown;
            if (down >= 0) EXPECT_EQ(multi ? 3 : 1, down) << "its entry shows it, the menu still open";
        }
    }
    EXPECT_GT(shown, 0) << "the entries of the levels the control offers were checked";
    // In multi-choice mode a level entry toggles, and "All" sets the five.
    helper.MultiChoice = true;
    Link(0)->ViewLevels = TovBarItemViewLevels{ivlSmallIcon};
    InPopup(0, [&](TovBarCustomizingPopup* APopup) {
        APopup->Perform(ovCustomizeTag(bcaViewLevels, ivlControlOnly));
        EXPECT_EQ((TovBarItemViewLevels{ivlSmallIcon, ivlControlOnly}), Link(0)->ViewLevels);
        APopup->Perform(ovCustomizeTag(bcaViewLevels, ivlSmallIcon));
        EXPECT_EQ(TovBarItemViewLevels{ivlControlOnly}, Link(0)->ViewLevels);
        Entry(APopup, "All")->Click();
    });
    EXPECT_EQ((TovBarItemViewLevels{ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText,
                                    ivlSmallIcon, ivlControlOnly}),
              Link(0)->ViewLevels);
}

TEST_F(DesignTimePopupTest, AMultipleSelectionChangesTogether) {
    OpenDesignedMenu({"One", "Two", "Three"});
    Select({0, 2});
    InPopup(0, [&](TovBarCustomizingPopup* APopup) {
        Entry(APopup, "ipContinuesRow")->Click();
        Entry(APopup, "Dis&tributed")->Click();
        Entry(APopup, "bgpStart")->Click();
    });
    for (int i : {0, 2}) {
        EXPECT_EQ(ipContinuesRow, Link(i)->Position) << i;
        EXPECT_FALSE(Link(i)->Distributed) << i;
        EXPECT_EQ(bgpStart, Link(i)->ButtonGroup) << i;
    }
    EXPECT_EQ(ipBeginsNewRow, Link(1)->Position) << "not selected, not changed";
    EXPECT_TRUE(Link(1)->Distributed);
}

// Answers the next message box with AResult and keeps its text.
struct TBoxAnswer {
    static TBoxAnswer*& Current() {
        static TBoxAnswer* current = nullptr;
        return current;
    }
    static LRESULT Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
        if (AMsg == WM_USER + 1 && Current() != nullptr) {
            for (int i = 0; i < Screen()->FormCount(); ++i)
                if (std::string text = MessageBoxText(Screen()->Forms(i)); !text.empty()) {
                    Current()->Text = text;
                    Screen()->Forms(i)->SetModalResult(Current()->Result);
                    return 0;
                }
            if (++Current()->Waits < 50) PostMessage(AWnd, WM_USER + 1, 0, 0);
        }
        return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
    explicit TBoxAnswer(int AResult) : Result(AResult) {
        EnsureTestWindowClass("DesignTimeBoxAnswer", &Proc);
        Window = CreateWindowEx(0, "DesignTimeBoxAnswer", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
        Current() = this;
        PostMessage(Window, WM_USER + 1, 0, 0);
    }
    ~TBoxAnswer() {
        Current() = nullptr;
        DestroyWindow(Window);
    }
    int Result;
    int Waits = 0;
    std::string Text;
    HWND Window = nullptr;
};

TEST_F(DesignTimePopupTest, DeletingAnItemWithSeveralLinksAsksFirst) {
    OpenDesignedMenu({"Cut", "Copy", "Paste"});
    TovBarItem* copy = Link(1)->Item();
    menu->ItemLinks()->AddItem(copy); // a second link of the same item
    designer.Selection = {copy, Link(2)};
    {
        TBoxAnswer no(IDNO);
        EXPECT_FALSE(BarDesignController()->DeleteSelectedObjects(bdkLinks, false));
        EXPECT_EQ("One of the selected objects is an item which has several links. Are you sure you want to "
                  "delete these links?",
                  no.Text);
    }
    EXPECT_EQ(4, menu->ItemLinks()->Count()) << "No changes nothing";
    {
        TBoxAnswer yes(IDYES);
        EXPECT_TRUE(BarDesignController()->DeleteSelectedObjects(bdkLinks, false));
    }
    ASSERT_EQ(1, menu->ItemLinks()->Count());
    EXPECT_EQ("Cut", Link(0)->Item()->Caption());
    EXPECT_EQ(-1, manager->IndexOfItem(copy)) << "a selected item goes as an item";

    // Kind 1 deletes the items behind selected links, without asking.
    TovBarItem* cut = Link(0)->Item();
    designer.Selection = {Link(0)};
    EXPECT_TRUE(BarDesignController()->DeleteSelectedObjects(bdkItems, false));
    EXPECT_EQ(0, menu->ItemLinks()->Count());
    EXPECT_EQ(-1, manager->IndexOfItem(cut));
}

TEST_F(DesignTimePopupTest, DeletingLinksSelectsTheNextOneThatStays) {
    OpenDesignedMenu({"A", "B", "C", "D"});
    TovBarItem* b = Link(1)->Item();
    designer.Selection = {Link(1), Link(2)};
    EXPECT_TRUE(BarDesignController()->CanDeleteSelection());
    EXPECT_TRUE(BarDesignController()->DeleteSelectedObjects(bdkLinks, false));
    ASSERT_EQ(2, menu->ItemLinks()->Count());
    EXPECT_EQ("D", Link(1)->Item()->Caption());
    EXPECT_GE(manager->IndexOfItem(b), 0) << "kind 0 leaves the item";
    EXPECT_EQ(std::vector<TPersistent*>{Link(1)}, designer.Selection);
}

// At run time a click selects a link unless it already is the last selected one (which keeps the solid
// frame); at design time only a single selection is the default one, and a complex item only when it is
// the customized object.
TEST_F(DesignTimePopupTest, WhichClicksSelect) {
    OpenDesignedMenu({"A", "B"});
    manager->SetDesigning(false);
    manager->SetIsCustomizing(true);
    TovBarDesignController* controller = BarDesignController();
    controller->SelectLink(Link(0), dsoExclusive);
    EXPECT_FALSE(controller->WantsDefaultSelection(Link(0)));
    EXPECT_TRUE(controller->WantsDefaultSelection(Link(1)));
    manager->SetIsCustomizing(false);

    // The design environment's designer again (the Customize window's own selection went with it).
    manager->SetDesigner(&designer);
    manager->SetDesigning(true);
    struct Case {
        std::vector<int> Selected;
        bool Complex;
        bool Wanted;
    };
    const Case cases[] = {{{0}, false, true}, {{0, 1}, false, false}, {{}, false, false}, {{0}, true, false}};
    for (const Case& c : cases) {
        designer.Selection.clear();
        for (int i : c.Selected)
            designer.Selection.push_back(Link(i));
        TovBarItemLink* extra = c.Complex ? menu->ItemLinks()->AddItem(Link(0)->Item()) : nullptr;
        EXPECT_EQ(c.Wanted, controller->WantsDefaultSelection(Link(0))) << c.Selected.size() << c.Complex;
        delete extra;
    }
    // The complex item's link is wanted while it is the customized one.
    menu->ItemLinks()->AddItem(Link(0)->Item());
    Select({0});
    bool wanted = false;
    InPopup(0, [&](TovBarCustomizingPopup*) { wanted = controller->WantsDefaultSelection(Link(0)); });
    EXPECT_TRUE(wanted);
}

TEST_F(DesignTimePopupTest, TheCustomizingPopupCanBeMadeTopmostAndBack) {
    OpenDesignedMenu({"A"});
    Select({0});
    bool onPopup = false, onMenu = false, offPopup = true, offMenu = true;
    InPopup(0, [&](TovBarCustomizingPopup* APopup) {
        HWND popup = APopup->GetSubMenuControl()->Handle();
        auto topmost = [](HWND AWnd) { return (::GetWindowLong(AWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
        BarDesignController()->SetCustomizingPopupTopmost(true);
        onPopup = topmost(popup);
        onMenu = topmost(menu->Handle());
        BarDesignController()->SetCustomizingPopupTopmost(false);
        offPopup = topmost(popup);
        offMenu = topmost(menu->Handle());
    });
    EXPECT_TRUE(onPopup);
    EXPECT_TRUE(onMenu) << "the bar of the customized link stays with the popup";
    EXPECT_FALSE(offPopup);
    EXPECT_FALSE(offMenu);
}

TEST_F(DesignTimePopupTest, TheCaptionEntryNamesTheCommandAndAKeyboardRequestFindsThePopup) {
    OpenDesignedMenu({"Cut", "Copy"});
    Select({1});
    EXPECT_TRUE(BarDesignController()->CanShowSelectionPopup()) << "the selected link is shown on a bar";
    InPopup(1, [&](TovBarCustomizingPopup* APopup) {
        auto* edit = dynamic_cast<TovBarEdit*>(Entry(APopup, "&Caption:"));
        ASSERT_NE(nullptr, edit);
        EXPECT_EQ("Copy", edit->GetText());
        edit->SetText("Duplicate");
    });
    EXPECT_EQ("Duplicate", Link(1)->Item()->Caption()) << "at design time the item itself is renamed";
    designer.Selection.clear();
    EXPECT_FALSE(BarDesignController()->CanShowSelectionPopup());
}

TEST(DesignRegistriesTest, TheMostRecentlyRegisteredAncestorAnswersAndTheEditorsComeInOrder) {
    TovBarDesignController controller;
    const std::vector<const TovBarControlEditor*> editors{ovAddSubItemEditor(), ovAddButtonEditor(),
                                                          ovAddLargeButtonEditor(), ovItemsEditorEx()};
    EXPECT_EQ(editors, controller.Editors());
    TOpenHelper open;
    TovBarControl toolbar(nullptr, nullptr);
    EXPECT_EQ(ovBarControlDesignHelper(), controller.GetDesignHelper(&toolbar));
    controller.RegisterBarControlDesignHelper(uiClassOf<TCustomovBarControl>(), &open);
    EXPECT_EQ(&open, controller.GetDesignHelper(&toolbar)) << "an ancestor registered later wins";
    controller.UnregisterBarControlDesignHelper(uiClassOf<TCustomovBarControl>());
    EXPECT_EQ(ovBarControlDesignHelper(), controller.GetDesignHelper(&toolbar));
    EXPECT_EQ(ovCustomBarControlDesignHelper(), controller.GetDesignHelper(nullptr));

    std::vector<const TovBarControlEditor*> menuEditors;
    ovBarSubMenuControlDesignHelper()->GetEditors(menuEditors);
    ASSERT_EQ(5u, menuEditors.size());
    EXPECT_EQ(ovAddSeparatorEditor(), menuEditors.back());
    EXPECT_EQ(0x2780u, ovBarControlDesignHelper()->GetForbiddenActions());
    const TovBarCustomizationActions left = ovBarSubMenuControlDesignHelper()->RemoveForbiddenActions(
        {bcaPaintStyle, bcaMostRecentlyUsed, bcaReset});
    EXPECT_EQ((TovBarCustomizationActions{bcaMostRecentlyUsed, bcaReset}), left);
}

} // namespace
