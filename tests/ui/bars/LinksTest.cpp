#include "BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/core/base/CoreServices.h"

using namespace bars_test;

namespace bars_links_test {

// An item control that records the notifications it hears.
class RecordingControl : public TovBarItemControl {
public:
    using TovBarItemControl::TovBarItemControl;
    void CaptionChanged() override { Heard.push_back("Caption"); }
    void EnabledChanged() override { Heard.push_back("Enabled"); }
    void GlyphChanged() override { Heard.push_back("Glyph"); }
    static std::vector<std::string> Heard;
};
std::vector<std::string> RecordingControl::Heard;

const TovBarItemControlClass RecordingControlClass{
    "RecordingControl",
    [](TovBarItemLink* ALink) -> TovBarItemControl* { return new RecordingControl(ALink); }};

class RecordedButton : public TovBarButton {
public:
    using TovBarButton::TovBarButton;
};

class LinksTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
        bar = manager->AddToolbar(false, false);
        links = bar->ItemLinks();
        RecordingControl::Heard.clear();
    }
    TovBarButton* Button(const std::string& ACaption) {
        auto* button = new TovBarButton(form);
        button->SetCaption(ACaption);
        return button;
    }
    TovBarManager* manager = nullptr;
    TovBar* bar = nullptr;
    TovBarItemLinks* links = nullptr;
};

} // namespace bars_links_test
using namespace bars_links_test;

TEST_F(LinksTest, RedundantSeparatorItemsAreHidden) {
    auto* sub = new TovBarItemLinks(manager, nullptr); // a menu list that accepts any item
    TovBarItem* separator1 = new TovBarSeparator(form);
    TovBarItem* separator2 = new TovBarSeparator(form);
    TovBarItem* separator3 = new TovBarSeparator(form);
    sub->AddItem(separator1);
    sub->AddItem(separator2);
    TovBarItemLink* button = sub->AddItem(Button("A"));
    sub->AddItem(separator3);
    sub->Rebuild();
    ASSERT_EQ(sub->VisibleItemCount(), 2);
    EXPECT_EQ(sub->VisibleItems(0)->Item(), separator2);
    EXPECT_EQ(sub->VisibleItems(1), button);
    manager->SetIsCustomizing(true);
    sub->Rebuild();
    EXPECT_EQ(sub->VisibleItemCount(), 4) << "customizing shows them all";
    manager->SetIsCustomizing(false);
    delete sub;
}

TEST_F(LinksTest, ASeparatorItemIsRefusedOnAToolbarAfterTheLinkFreedItself) {
    try {
        links->AddItem(new TovBarSeparator(form));
        ADD_FAILURE() << "separator accepted";
    } catch (const EovException& E) {
        EXPECT_EQ(E.Message(), "A separator item cannot be placed on the specified toolbar");
    }
    EXPECT_EQ(links->Count(), 0);
}

TEST_F(LinksTest, BeginGroupPassesFromAHiddenLink) {
    TovBarItemLink* a = links->AddItem(Button("A"));
    TovBarItemLink* hidden = links->AddItem(Button("B"));
    TovBarItemLink* c = links->AddItem(Button("C"));
    hidden->SetBeginGroup(true);
    hidden->SetVisible(false);
    EXPECT_FALSE(a->BeginsGroupInEffect());
    EXPECT_TRUE(c->BeginsGroupInEffect());
}

TEST_F(LinksTest, RecentItemCountFollowsUseCounts) {
    TovBarItemLink* a = links->AddItem(Button("A"));
    TovBarItemLink* b = links->AddItem(Button("B"));
    TovBarItemLink* c = links->AddItem(Button("C"));
    a->UseCount = 10;
    b->UseCount = 0;
    c->UseCount = 0;
    manager->SetMostRecentItemsPercents(50);
    links->MoveInRecent(a, 0);
    links->MoveInRecent(b, 1);
    links->MoveInRecent(c, 2);
    EXPECT_EQ(links->CalcRecentItemCount(), 1);
    links->SetRecentItemCount(1);
    ASSERT_EQ(links->VisibleItemCount(), 1);
    EXPECT_EQ(links->VisibleItems(0), a);
    links->MoveInRecent(b, 0);
    EXPECT_EQ(links->CalcRecentItemCount(), 2);
    links->SetRecentItemCount(2);
    ASSERT_EQ(links->VisibleItemCount(), 2);
    EXPECT_EQ(links->VisibleItems(0), a) << "shown in collection order";
    EXPECT_EQ(links->VisibleItems(1), b);
    manager->SetMostRecentItemsPercents(100);
    EXPECT_EQ(links->CalcRecentItemCount(), -1);
    links->SetRecentItemCount(0);
    EXPECT_EQ(links->VisibleItemCount(), 0);
}

TEST_F(LinksTest, AcceleratorsAndShortcuts) {
    TovBarItemLink* save = links->AddItem(Button("&Save"));
    links->AddItem(Button("Fish && &Chips"));
    links->AddItem(Button("R&&D"));
    for (int i = 0; i < links->Count(); ++i)
        links->Items(i)->SetUserPaintStyle(psCaption);
    auto* sub = new TovBarItemLinks(manager, nullptr);
    for (int i = 0; i < links->Count(); ++i)
        sub->AddItem(links->Items(i)->Item());
    EXPECT_EQ(sub->FindItemWithAccel('S', {}, nullptr)->Item(), save->Item());
    EXPECT_EQ(sub->FindItemWithAccel('C', {}, nullptr)->Item()->Caption(), "Fish && &Chips");
    EXPECT_EQ(sub->FindItemWithAccel('D', {}, nullptr), nullptr) << "a doubled ampersand is no accelerator";
    EXPECT_EQ(sub->FindItemWithAccel('S', {ssCtrl}, nullptr), nullptr) << "not while Ctrl is held";
    int clicks = 0;
    auto* shortcut = Button("Cut");
    shortcut->SetShortCut(0x4058);
    shortcut->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }, this));
    sub->AddItem(shortcut);
    EXPECT_TRUE(sub->IsShortCut(0x4058));
    EXPECT_FALSE(sub->IsShortCut(0));
    EXPECT_EQ(clicks, 1);
    delete sub;
}

TEST_F(LinksTest, UserDefinedValuesAndControlNotifications) {
    ovBarRegisterItem<RecordedButton>(&RecordingControlClass, false);
    auto* button = new RecordedButton(form);
    button->SetCaption("A");
    TovBarItemLink* plain = links->AddItem(button);
    TovBarItemLink* own = links->AddItem(button);
    ASSERT_NE(plain->Control(), nullptr);
    own->SetUserCaption("Mine");
    RecordingControl::Heard.clear();
    button->SetCaption("B");
    EXPECT_EQ(RecordingControl::Heard, std::vector<std::string>{"Caption"})
        << "the user caption's control is skipped";
    RecordingControl::Heard.clear();
    own->SetUserCaption("Again");
    EXPECT_EQ(RecordingControl::Heard, std::vector<std::string>{"Caption"});
    own->SetUserDefine({});
    EXPECT_EQ(own->UserCaption(), "");
    EXPECT_EQ(own->EffectiveCaption(), "B");
    RecordingControl::Heard.clear();
    button->SetEnabled(false);
    EXPECT_EQ(RecordingControl::Heard, (std::vector<std::string>{"Enabled", "Enabled"}))
        << "SetEnabled reaches every link's control";
    delete button;
    EXPECT_EQ(links->Count(), 0) << "an item's links go with it";
    ovBarUnregisterItem(TuiClassRef::Of<RecordedButton>());
}

TEST_F(LinksTest, MovingOutOfRangeChangesNothing) {
    TovBarItemLink* a = links->AddItem(Button("A"));
    links->AddItem(Button("B"));
    links->Move(0, 0);
    links->Move(0, 5);
    EXPECT_EQ(links->Items(0), a);
    links->Move(0, 1);
    EXPECT_EQ(links->Items(1), a);
}

TEST_F(LinksTest, MergingAddsByOrderMergesByCaptionAndUnmergesAgain) {
    auto* first = Button("First");
    auto* last = Button("Last");
    last->SetMergeOrder(5);
    auto* fileMenu = new TovBarSubItem(form);
    fileMenu->SetCaption("&File");
    fileMenu->MergeKind = mkMergeByCaption;
    fileMenu->ItemLinks()->AddItem(Button("Open"));
    links->AddItem(first);
    links->AddItem(fileMenu);
    links->AddItem(last);

    TovBar* child = manager->AddToolbar(false, false);
    auto* middle = Button("Middle");
    middle->SetMergeOrder(3);
    auto* skipped = Button("Skipped");
    skipped->MergeKind = mkNone;
    auto* childFile = new TovBarSubItem(form);
    childFile->SetCaption("&File");
    childFile->MergeKind = mkMergeByCaption;
    childFile->ItemLinks()->AddItem(Button("Import"));
    child->ItemLinks()->AddItem(middle);
    child->ItemLinks()->AddItem(skipped);
    child->ItemLinks()->AddItem(childFile);

    TovBarItemLinks::MergingToolbar = child;
    links->Merge(child->ItemLinks());
    TovBarItemLinks::MergingToolbar = nullptr;
    ASSERT_EQ(links->Count(), 4);
    EXPECT_EQ(links->Items(2)->Item(), middle) << "after the greatest MergeOrder not above its own";
    EXPECT_EQ(links->Items(2)->MergedWith, child);
    ASSERT_EQ(fileMenu->ItemLinks()->Count(), 2);
    EXPECT_EQ(fileMenu->ItemLinks()->Items(1)->Item()->Caption(), "Import");

    links->Unmerge(child);
    EXPECT_EQ(links->Count(), 3);
    EXPECT_EQ(fileMenu->ItemLinks()->Count(), 1);
}

TEST_F(LinksTest, AddingAnItemByClassPutsItInTheDefaultCategory) {
    manager->Categories()->Insert(0, "First");
    TovBarItemLink* link = links->AddItemByClass(TuiClassRef::Of<TovBarButton>());
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Item()->Category(), 1) << "the category named Default";
    EXPECT_EQ(link->Item()->Owner(), form);
    const int items = manager->ItemCount();
    EXPECT_THROW(links->AddItemByClass(TuiClassRef::Of<TovBarSeparator>()), EovException);
    EXPECT_EQ(manager->ItemCount(), items) << "a refused item is freed again";
    EXPECT_EQ(links->GetMenuItemSize(), misNormal);
    EXPECT_TRUE(links->ShowsShortCuts());
}

namespace bars_links_test {

class ActiveControl : public TovBarItemControl {
public:
    using TovBarItemControl::TovBarItemControl;
    bool IsActive() const override { return true; }
};
const TovBarItemControlClass ActiveControlClass{
    "ActiveControl", [](TovBarItemLink* ALink) -> TovBarItemControl* { return new ActiveControl(ALink); }};

class OpenedSubItem : public TovBarSubItem {
public:
    using TovBarSubItem::TovBarSubItem;
};

} // namespace bars_links_test
using namespace bars_links_test;

TEST_F(LinksTest, AUseInASubMenuCountsForTheEntryThatOpenedIt) {
    ovBarRegisterItem<OpenedSubItem>(&ActiveControlClass, false);
    auto* file = new OpenedSubItem(form);
    TovBarItemLink* opener = links->AddItem(file);
    ASSERT_NE(opener->Control(), nullptr);
    TovBarItemLink* open = file->ItemLinks()->AddItem(Button("Open"));
    const int openerUses = opener->UseCount, openUses = open->UseCount;
    open->MarkAsRecentlyUsed(true);
    EXPECT_EQ(open->UseCount, openUses + 1);
    EXPECT_EQ(opener->UseCount, openerUses + 1);
    open->MarkAsRecentlyUsed(false);
    EXPECT_EQ(opener->UseCount, openerUses + 1) << "a use that is not counted moves it only";
    manager->SetStyle(bmsStandard);
    open->MarkAsRecentlyUsed(true);
    EXPECT_EQ(open->UseCount, openUses + 1) << "the standard style keeps no usage";
    delete file;
    ovBarUnregisterItem(TuiClassRef::Of<OpenedSubItem>());
}

TEST_F(LinksTest, TheSelectedControlIsDroppedWithItsLink) {
    ovBarRegisterItem<RecordedButton>(&RecordingControlClass, false);
    auto* button = new RecordedButton(form);
    TovBarItemLink* link = links->AddItem(button);
    ASSERT_NE(link->Control(), nullptr);
    manager->SetIsCustomizing(true);
    manager->SetSelectedItem(link->Control());
    TakeCalls();
    manager->SetSelectedItem(nullptr);
    EXPECT_EQ(TakeCalls(), std::vector<std::string>{"Custom 1.ClearSelection"});
    manager->SetSelectedItem(link->Control());
    delete link;
    EXPECT_EQ(manager->SelectedItem(), nullptr);
    manager->SetIsCustomizing(false);
    delete button;
    ovBarUnregisterItem(TuiClassRef::Of<RecordedButton>());
}

TEST_F(LinksTest, AToolbarFindsAcceleratorsAmongItsFittingLinksOnly) {
    ovBarRegisterItem<RecordedButton>(&RecordingControlClass, false);
    const char* captions[] = {"&File", "&Edit", "&Hidden"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new RecordedButton(form);
        button->SetCaption(captions[i]);
        TovBarItemLink* link = links->AddItem(button);
        link->SetUserPaintStyle(psCaption);
        // The third lies beyond the window's client area (1000 x 30).
        link->SetItemRect(RECT{i * 400, 0, i * 400 + 300, 20});
    }
    EXPECT_EQ(links->GetFittingItemCount(), 2);
    ASSERT_NE(links->FindItemWithAccel('E', {}, nullptr), nullptr);
    EXPECT_EQ(links->FindItemWithAccel('E', {}, nullptr)->Item()->Caption(), "&Edit");
    EXPECT_EQ(links->FindItemWithAccel('H', {}, nullptr), nullptr) << "not fitting";
    EXPECT_EQ(links->FindItemWithAccel('F', {ssAlt}, nullptr)->Item()->Caption(), "&File")
        << "Alt is ignored";
    links->Items(0)->SetUserPaintStyle(psStandard);
    EXPECT_EQ(links->FindItemWithAccel('F', {}, nullptr), nullptr) << "a toolbar button without its caption";
    EXPECT_EQ(links->GetFirstSelectableLink(), links->Items(0));
    EXPECT_EQ(links->GetNextSelectableLink(links->Items(1), false), links->Items(0)) << "cycling";
    while (links->Count() > 0)
        delete links->Items(0)->Item();
    ovBarUnregisterItem(TuiClassRef::Of<RecordedButton>());
}

TEST_F(LinksTest, CustomizationActionsAndTheirCopies) {
    auto* button = Button("&Play");
    auto* large = new TovBarLargeButton(form);
    auto* separator = new TovBarSeparator(form);
    const TovBarCustomizationActions runTime{bcaReset, bcaDeleteLink, bcaCaption, bcaBeginGroup};
    EXPECT_TRUE(button->GetSupportedActions().Contains(bcaPaintStyle));
    EXPECT_TRUE((runTime - button->GetSupportedActions()).empty());
    EXPECT_FALSE(large->GetSupportedActions().Contains(bcaPaintStyle));
    EXPECT_FALSE(separator->GetSupportedActions().Contains(bcaMostRecentlyUsed));
    TovBarItemLink* target = links->AddItem(button);
    TovBarItemLink* model = links->AddItem(Button("Model"));
    model->SetBeginGroup(true);
    model->SetUserPaintStyle(psCaptionGlyph);
    target->ExecuteCustomizationAction(bcaBeginGroup, model);
    EXPECT_TRUE(target->BeginGroup());
    target->ExecuteCustomizationAction(bcaPaintStyle, model);
    EXPECT_EQ(target->EffectivePaintStyle(), psCaptionGlyph);
    target->ExecuteCustomizationAction(bcaCaption, model);
    EXPECT_EQ(button->Caption(), "Model");
    target->ExecuteCustomizationAction(bcaReset, nullptr);
    EXPECT_TRUE(target->UserDefine().empty());
    EXPECT_EQ(target->EffectivePaintStyle(), psStandard);
}
