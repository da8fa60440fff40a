#include "BarsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/core/base/CoreServices.h"

using namespace bars_test;

namespace bars_sub_and_list_items_test {

class ItemsTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
    }
    std::string AddError(TovBarItemLinks* ALinks, TovBarItem* AItem) {
        try {
            ALinks->AddItem(AItem);
        } catch (const EovException& E) {
            return E.Message();
        }
        return {};
    }
    TovBarManager* manager = nullptr;
};

} // namespace bars_sub_and_list_items_test
using namespace bars_sub_and_list_items_test;

TEST_F(ItemsTest, ComboItemIndexAndText) {
    auto* combo = new TovBarCombo(form);
    int changes = 0;
    combo->OnChange = TNotifyEvent([&](TObject*) { ++changes; }, this);
    combo->Items()->SetCommaText("Apple,Apricot,Banana");
    combo->SetItemIndex(10);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->GetText(), "");
    EXPECT_EQ(changes, 0);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->GetText(), "Apricot");
    EXPECT_EQ(changes, 1);
    combo->SetText("banana");
    EXPECT_EQ(combo->ItemIndex(), 2) << "the list's case-insensitive search";
    combo->Items()->Delete(2);
    EXPECT_EQ(combo->ItemIndex(), -1) << "an entry that no longer matches the text is left";
}

TEST_F(ItemsTest, ComboPrefixSearch) {
    auto* combo = new TovBarCombo(form);
    combo->Items()->SetCommaText("Apple,Apricot,Cherry");
    struct Case {
        const char* typed;
        int index;
    };
    const Case cases[] = {{"ap", 0}, {"apr", 1}, {"APRICOT", 1},   {"ch", 2},
                          {"x", -1}, {"", -1},   {"applesauce", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(combo->BestPrefixMatch(c.typed), c.index) << c.typed;
}

TEST_F(ItemsTest, ComboDropDownRowsAndWidth) {
    auto* combo = new TovBarCombo(form);
    for (int i = 0; i < 20; ++i)
        combo->Items()->Add("Entry " + std::to_string(i));
    combo->ItemHeight = 15;
    EXPECT_EQ(combo->DropDownListHeight(2), 2 * 2 + 8 * 15) << "eight rows of twenty";
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(combo->DropDownListWidth(300), 300 - 4 - scrollBar + 4 + scrollBar);
    combo->DropDownWidth = 50;
    EXPECT_EQ(combo->DropDownListWidth(300), 50 + 4 + scrollBar);
    combo->Items()->Clear();
    combo->Items()->Add("x");
    EXPECT_EQ(combo->DropDownListHeight(2), 4 + 15);
}

TEST_F(ItemsTest, ComboKeysForTheDropDownWindow) {
    auto* events = new TCustomovBarCombo(form);
    auto* drawn = new TovBarCombo(form);
    EXPECT_FALSE(events->CheckKeyForDropDownWindow(VK_TAB, {}));
    EXPECT_FALSE(events->CheckKeyForDropDownWindow(VK_RETURN, {}));
    EXPECT_TRUE(events->CheckKeyForDropDownWindow('A', {}));
    events->OnCheckKeyForDropDownWindow = TovBarCheckKeyForDropDownWindowEvent(
        [](TObject*, WORD, bool& AUse, TShiftState) { AUse = true; }, this);
    EXPECT_TRUE(events->CheckKeyForDropDownWindow(VK_ESCAPE, {}));
    EXPECT_TRUE(drawn->CheckKeyForDropDownWindow(VK_DOWN, {}));
    EXPECT_FALSE(drawn->CheckKeyForDropDownWindow(VK_UP, {ssShift}));
    EXPECT_FALSE(drawn->CheckKeyForDropDownWindow('A', {}));
}

TEST_F(ItemsTest, ComboDropDownPositionStaysInTheWorkArea) {
    auto* combo = new TCustomovBarCombo(form);
    const RECT work = Screen()->MonitorFromPoint(POINT{0, 0})->WorkareaRect();
    // Below a control at the bottom right corner: moved left to fit and opened above.
    int x = work.right - 20, y = work.bottom - 10;
    combo->CorrectDropDownPos(x, y, SIZE{100, 200}, RECT{0, 0, 90, 20}, false);
    EXPECT_EQ(x, work.right - 100);
    EXPECT_EQ(y, work.bottom - 10 - 20 - 200);
    // Beside a sub-menu entry at the right edge: opened to the left.
    x = work.right - 10;
    y = 100;
    combo->CorrectDropDownPos(x, y, SIZE{100, 50}, RECT{0, 0, 90, 20}, true);
    EXPECT_EQ(x, work.right - 10 - 100 - 90);
    EXPECT_EQ(y, 100);
    // Never above or left of the work area.
    x = work.left - 50;
    y = work.top - 50;
    combo->CorrectDropDownPos(x, y, SIZE{10, 10}, RECT{0, 0, 10, 10}, false);
    EXPECT_EQ(x, work.left);
    EXPECT_EQ(y, work.top);
}

TEST_F(ItemsTest, EditMaxLengthAndCaption) {
    auto* edit = new TovBarEdit(form);
    EXPECT_EQ(edit->Width(), 100);
    edit->SetMaxLength(-3);
    EXPECT_EQ(edit->MaxLength(), 0);
    EXPECT_FALSE(edit->IsShortCutSupported());
    int changes = 0;
    edit->OnChange = TNotifyEvent([&](TObject*) { ++changes; }, this);
    edit->SetText("abc");
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(edit->GetCurText(), "abc");
}

TEST_F(ItemsTest, ListItemNumbersAndGroups) {
    auto* list = new TovBarListItem(form);
    list->Items()->SetCommaText("a,-,b,c");
    auto* menu = new TovBarSubItem(form);
    menu->ItemLinks()->AddItem(list);
    TovBarContainerLinkData data;
    data.Item = list;
    data.Link = menu->ItemLinks()->Items(0);
    list->FillItemLinks(menu->ItemLinks(), &data, 1);
    ASSERT_EQ(list->GeneratedCount(), 3);
    const char* captions[] = {"&1 a", "&2 b", "&3 c"};
    const bool groups[] = {true, true, false};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->Generated(i)->Caption(), captions[i]);
        EXPECT_EQ(data.Generated[i]->BeginGroup(), groups[i]) << i;
        EXPECT_EQ(list->Generated(i)->Tag(), i == 0 ? 0 : i + 1);
    }
    EXPECT_EQ(manager->IndexOfItem(list->Generated(0)), -1)
        << "generated buttons are not the manager's items";
    int clicks = 0;
    list->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }, this));
    list->Generated(1)->Click();
    EXPECT_EQ(list->ItemIndex, 2);
    EXPECT_EQ(clicks, 1);
    list->RemoveListItems(&data);
    EXPECT_EQ(menu->ItemLinks()->Count(), 1);
}

TEST_F(ItemsTest, ListItemNumberTextStopsAfterZ) {
    auto* list = new TovBarListItem(form);
    const std::pair<int, const char*> cases[] = {{0, "&1 "},  {8, "&9 "}, {9, "&A "},
                                                 {34, "&Z "}, {35, ""},   {40, ""}};
    for (auto [number, text] : cases)
        EXPECT_EQ(list->GetItemNumberText(number), text) << number;
    list->ShowNumbers = false;
    EXPECT_EQ(list->GetItemNumberText(0), "");
}

TEST_F(ItemsTest, ListItemDataIndex) {
    auto* list = new TovBarListItem(form);
    list->Items()->SetCommaText("a,-,b");
    struct Case {
        int dataIndex;
        int itemIndex;
    };
    const Case cases[] = {{0, 0}, {1, 2}, {2, -1}, {7, -1}, {-1, -1}};
    for (const Case& c : cases) {
        list->SetDataIndex(c.dataIndex);
        EXPECT_EQ(list->ItemIndex, c.itemIndex) << c.dataIndex;
    }
    list->ItemIndex = 2;
    EXPECT_EQ(list->DataIndex(), 1);
    list->ItemIndex = 5;
    EXPECT_EQ(list->DataIndex(), -1);
}

TEST_F(ItemsTest, EmptyListItemIsShownOnlyWithOnGetData) {
    auto* list = new TovBarListItem(form);
    EXPECT_FALSE(list->IsShownAtRunTime());
    int asked = 0;
    list->OnGetData = TNotifyEvent(
        [&](TObject*) {
            ++asked;
            list->Items()->Add("filled");
        },
        this);
    EXPECT_TRUE(list->IsShownAtRunTime());
    auto* menu = new TovBarSubItem(form);
    menu->ItemLinks()->AddItem(list);
    TovBarContainerLinkData data;
    data.Link = menu->ItemLinks()->Items(0);
    list->FillItemLinks(menu->ItemLinks(), &data, 1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(list->GeneratedCount(), 1);
    EXPECT_EQ(list->Generated(0)->Caption(), "&1 filled");
}

TEST_F(ItemsTest, ContainerCopiesBeginOnlyTheFirstGroup) {
    auto* container = new TovBarContainerItem(form);
    auto* a = new TovBarButton(form);
    auto* b = new TovBarButton(form);
    container->ItemLinks()->AddItem(a)->SetBeginGroup(true);
    container->ItemLinks()->AddItem(b)->SetBeginGroup(true);
    auto* menu = new TovBarSubItem(form);
    menu->ItemLinks()->AddItem(container);
    TovBarContainerLinkData data;
    data.Link = menu->ItemLinks()->Items(0);
    container->FillItemLinks(menu->ItemLinks(), &data, 1);
    ASSERT_EQ(data.Generated.size(), 2u);
    EXPECT_TRUE(data.Generated[0]->BeginGroup());
    EXPECT_FALSE(data.Generated[1]->BeginGroup());
    EXPECT_EQ(data.Generated[1]->Item(), b);
}

TEST_F(ItemsTest, MenusRefuseRecursionAndSeparatorsGoInMenus) {
    auto* outer = new TovBarSubItem(form);
    auto* inner = new TovBarSubItem(form);
    outer->ItemLinks()->AddItem(inner);
    EXPECT_EQ(AddError(inner->ItemLinks(), outer), "You cannot create recursive menus");
    EXPECT_EQ(AddError(outer->ItemLinks(), outer), "You cannot create recursive menus");
    EXPECT_EQ(inner->ItemLinks()->Count(), 0);
    EXPECT_EQ(AddError(inner->ItemLinks(), new TovBarSeparator(form)), "");
    EXPECT_EQ(outer->GetDefaultCaption(), "New SubItem");
    outer->SetCaption("&File");
    outer->SetHint("Other");
    outer->SetCaption("&Edit");
    EXPECT_EQ(outer->GetHint(), "Other");
    outer->SetHint("");
    outer->SetCaption("&View");
    EXPECT_EQ(outer->GetHint(), "") << "a sub-item never rewrites its hint";
}

TEST_F(ItemsTest, DetachingBarFollowsTheToolbars) {
    auto* menu = new TovBarSubItem(form);
    EXPECT_EQ(menu->DetachingBar(), -1);
    menu->SetDetachingBar(0);
    EXPECT_EQ(menu->DetachingBar(), -1) << "no toolbar yet";
    manager->AddToolbar(false, false);
    TovBar* second = manager->AddToolbar(false, false);
    menu->SetDetachingBar(1);
    EXPECT_EQ(menu->DetachingBar(), 1);
    menu->SetDetachingBar(-5);
    EXPECT_EQ(menu->DetachingBar(), -1);
    menu->SetDetachingBar(1);
    delete second;
    EXPECT_EQ(menu->DetachingBar(), -1) << "a destroyed toolbar is forgotten";
    menu->SetBarSize(-4);
    EXPECT_EQ(menu->BarSize(), 0);
}

TEST_F(ItemsTest, ComboDropDownWindowComesFromTheEvent) {
    auto* combo = new TCustomovBarCombo(form);
    WNDCLASS wc{};
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "BarsTestDropDown";
    RegisterClass(&wc);
    HWND list = CreateWindowEx(0, "BarsTestDropDown", "", WS_POPUP, 0, 0, 120, 80, nullptr, nullptr, nullptr,
                               nullptr);
    std::vector<std::string> events;
    combo->OnDropDown = TNotifyEvent([&](TObject*) { events.push_back("drop"); }, this);
    combo->OnCloseUp = TNotifyEvent([&](TObject*) { events.push_back("close"); }, this);
    combo->DropDown(50, 60);
    EXPECT_EQ(events, std::vector<std::string>{"drop"}) << "without a window only the event fires";
    combo->OnGetDropDownWindow =
        TovBarGetDropDownWindowEvent([&](TObject*, HWND& AWnd) { AWnd = list; }, this);
    combo->DropDown(50, 60);
    RECT r{};
    GetWindowRect(list, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 120) << "moved without a size change";
    EXPECT_TRUE(IsWindowVisible(list));
    combo->CloseUp();
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(events.back(), "close");
    DestroyWindow(list);
}

TEST_F(ItemsTest, ListItemShowsTheCheckedEntry) {
    auto* list = new TovBarListItem(form);
    list->Items()->SetCommaText("a,b");
    list->ShowCheck = true;
    list->ItemIndex = 1;
    auto* menu = new TovBarSubItem(form);
    menu->ItemLinks()->AddItem(list);
    TovBarContainerLinkData data;
    data.Link = menu->ItemLinks()->Items(0);
    list->FillItemLinks(menu->ItemLinks(), &data, 1);
    ASSERT_EQ(list->GeneratedCount(), 2);
    EXPECT_FALSE(list->Generated(0)->Down());
    EXPECT_TRUE(list->Generated(1)->Down());
    EXPECT_EQ(list->Generated(1)->ButtonStyle(), bsChecked);
}
