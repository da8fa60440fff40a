// Toolbar merging: the refusals (checked before anything changes), where merged links go, what unmerging
// takes back, toolbars made only for merging, customization, and the main-menu merge with a child manager.
#include "BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/merging/BarMergeData.h"
#include "ui/core/base/CoreServices.h"

using namespace bars_test;

namespace {

class MergingTest : public BarsTest {
protected:
    TovBar* Bar(const std::string& ACaption, bool AVisible = true) {
        TovBar* bar = manager->Bars()->Add();
        bar->SetCaption(ACaption);
        bar->SetDockingStyle(dsTop);
        bar->SetVisible(AVisible);
        return bar;
    }
    template <class T = TovBarButton>
    T* Item(const std::string& ACaption, int AMergeOrder = 0, TovBarItemMergeKind AKind = mkAdd) {
        auto* item = new T(form);
        item->SetCaption(ACaption);
        item->SetMergeOrder(AMergeOrder);
        item->MergeKind = AKind;
        return item;
    }
    static std::vector<std::string> Captions(TovBarItemLinks* ALinks) {
        std::vector<std::string> captions;
        for (int i = 0; i < ALinks->Count(); ++i)
            captions.push_back(ALinks->Items(i)->EffectiveCaption());
        return captions;
    }
    static std::string Error(const std::function<void()>& AAction) {
        try {
            AAction();
        } catch (const EovException& error) {
            return error.Message();
        }
        return "<none>";
    }
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
    }

    TovBarManager* manager = nullptr;
};

} // namespace

TEST_F(MergingTest, RefusalsComeBeforeAnyChange) {
    TovBar* t = Bar("T");
    TovBar* u = Bar("U");
    TovBar* b = Bar("B");
    TovBar* c = Bar("C");
    for (TovBar* bar : {t, u, b, c})
        bar->ItemLinks()->AddItem(Item(bar->Caption() + "1"));
    t->Merge(b);
    c->Merge(u);
    struct Case {
        const char* Expected;
        std::function<void()> Action;
    };
    const Case cases[] = {
        {"You cannot merge a toolbar with a toolbar that is already merged", [&] { u->Merge(b); }},
        {"You cannot merge with the specified toolbar", [&] { t->Merge(nullptr); }},
        {"You cannot merge with the specified toolbar", [&] { t->Merge(t); }},
        {"The 'B' toolbar is already merged with the 'T' toolbar", [&] { t->Merge(b); }},
        {"The 'C' toolbar has merged toolbars", [&] { t->Merge(c); }},
        {"You cannot unmerge the specified toolbar", [&] { t->UnMerge(t); }},
        {"The 'B' toolbar is not merged with the 'C' toolbar", [&] { c->UnMerge(b); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.Expected);
        EXPECT_EQ(Error(k.Action), k.Expected);
        EXPECT_EQ(Captions(t->ItemLinks()), (std::vector<std::string>{"T1", "B1"}));
        EXPECT_EQ(Captions(c->ItemLinks()), (std::vector<std::string>{"C1", "U1"}));
        EXPECT_EQ(b->MergeTarget(), t);
        EXPECT_EQ(u->MergeTarget(), c);
    }
    // Unmerging a toolbar merged into nothing does nothing.
    TovBar* alone = Bar("Alone");
    EXPECT_NO_THROW(t->UnMerge(alone));
    EXPECT_TRUE(alone->Visible());
}

TEST_F(MergingTest, MergingIntoAnotherToolbarMovesIt) {
    TovBar* t = Bar("T");
    TovBar* u = Bar("U");
    TovBar* b = Bar("B");
    b->ItemLinks()->AddItem(Item("Cut"));
    t->Merge(b);
    EXPECT_FALSE(b->Visible());
    EXPECT_TRUE(t->IsMerged() && b->IsMerged());
    u->Merge(b);
    EXPECT_EQ(t->ItemLinks()->Count(), 0) << "B's links left T";
    EXPECT_FALSE(t->IsMerged());
    EXPECT_EQ(Captions(u->ItemLinks()), std::vector<std::string>{"Cut"});
    EXPECT_EQ(b->MergeTarget(), u);
    EXPECT_EQ(u->ItemLinks()->Items(0)->MergedWith, b);
    u->UnMerge(b);
    EXPECT_TRUE(b->Visible()) << "visible again, as before the first merge";
}

TEST_F(MergingTest, OnlyTwoSubItemsOrTwoContainersMergeByCaption) {
    TovBar* t = Bar("T");
    TovBar* b = Bar("B");
    auto* file = Item<TovBarSubItem>("File", 0, mkMergeByCaption);
    file->ItemLinks()->AddItem(Item("Open"));
    t->ItemLinks()->AddItem(file);
    auto* childFile = Item<TovBarSubItem>("File", 0, mkMergeByCaption);
    childFile->ItemLinks()->AddItem(Item("Export"));
    auto* fileButton = Item("File", 0, mkMergeByCaption);
    auto* box = Item<TovBarContainerItem>("Tools", 0, mkMergeByCaption);
    t->ItemLinks()->AddItem(box);
    auto* childBox = Item<TovBarContainerItem>("Tools", 0, mkMergeByCaption);
    childBox->ItemLinks()->AddItem(Item("Spell"));
    auto* toolsSub = Item<TovBarSubItem>("Tools", 0, mkMergeByCaption);
    for (TovBarItem* item : std::initializer_list<TovBarItem*>{childFile, fileButton, childBox, toolsSub})
        b->ItemLinks()->AddItem(item);
    t->Merge(b);
    EXPECT_EQ(Captions(t->ItemLinks()), (std::vector<std::string>{"File", "Tools", "File", "Tools"}))
        << "a button and a sub-item of a container's caption are added";
    EXPECT_EQ(t->ItemLinks()->Items(2)->Item(), fileButton);
    EXPECT_EQ(t->ItemLinks()->Items(3)->Item(), toolsSub);
    EXPECT_EQ(Captions(file->ItemLinks()), (std::vector<std::string>{"Open", "Export"}));
    EXPECT_EQ(Captions(box->ItemLinks()), std::vector<std::string>{"Spell"});
}

TEST_F(MergingTest, MergeOrderPlacesAddedLinks) {
    struct Case {
        std::vector<int> Target;
        int Source;
        int ExpectedIndex;
    };
    const Case cases[] = {
        {{0, 0, 5}, 3, 2}, // after the second 0
        {{0, 0, 5}, 5, 3}, // after the 5
        {{0, 0, 5}, 0, 2}, // the later of equal orders wins
        {{1, 1, 5}, 0, 0}, // nothing lower: at the beginning
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Source);
        TovBar* t = Bar("T");
        TovBar* b = Bar("B");
        for (int order : c.Target)
            t->ItemLinks()->AddItem(Item("T" + std::to_string(order), order));
        TovBarButton* source = Item("Source", c.Source);
        b->ItemLinks()->AddItem(source);
        t->Merge(b);
        ASSERT_EQ(t->ItemLinks()->Count(), 4);
        EXPECT_EQ(t->ItemLinks()->Items(c.ExpectedIndex)->Item(), source);
        t->Free();
        b->Free();
    }
}

TEST_F(MergingTest, UnmergingTakesExactlyOneToolbarsLinksAtEveryDepth) {
    TovBar* t = Bar("T");
    auto* file = Item<TovBarSubItem>("File", 0, mkMergeByCaption);
    file->ItemLinks()->AddItem(Item("Open"));
    t->ItemLinks()->AddItem(file);
    TovBar* b = Bar("B");
    TovBar* c = Bar("C", false);
    for (TovBar* source : {b, c}) {
        auto* sub = Item<TovBarSubItem>("File", 0, mkMergeByCaption);
        sub->ItemLinks()->AddItem(Item("From " + source->Caption()));
        source->ItemLinks()->AddItem(sub);
        source->ItemLinks()->AddItem(Item("Button " + source->Caption(), 9));
        t->Merge(source);
    }
    EXPECT_EQ(Captions(t->ItemLinks()), (std::vector<std::string>{"File", "Button B", "Button C"}));
    EXPECT_EQ(Captions(file->ItemLinks()), (std::vector<std::string>{"Open", "From B", "From C"}));
    t->UnMerge(b);
    EXPECT_EQ(Captions(t->ItemLinks()), (std::vector<std::string>{"File", "Button C"}));
    EXPECT_EQ(Captions(file->ItemLinks()), (std::vector<std::string>{"Open", "From C"}));
    EXPECT_TRUE(b->Visible());
    EXPECT_EQ(b->MergeTarget(), nullptr);
    t->UnMerge(nullptr);
    EXPECT_EQ(Captions(file->ItemLinks()), std::vector<std::string>{"Open"});
    EXPECT_FALSE(c->Visible()) << "hidden before its merge, hidden after";
    EXPECT_FALSE(t->IsMerged());
}

TEST_F(MergingTest, AToolbarMadeForMergingGoesWithItsLastMergedToolbar) {
    TovBar* b = Bar("B");
    TovBar* c = Bar("C");
    auto* top = static_cast<FakeDock*>(manager->Bars()->DockControls(dsTop));
    const int rows = top->RowCount();
    TovBar* made = manager->CreateBarForMerging();
    EXPECT_TRUE(made->CreatedByMerging());
    EXPECT_EQ(made->DockingStyle(), dsTop);
    EXPECT_EQ(made->Row(), rows) << "in a new last row";
    made->Merge(b);
    made->Merge(c);
    const int count = manager->Bars()->Count();
    made->UnMerge(b);
    EXPECT_EQ(manager->Bars()->Count(), count);
    made->UnMerge(c);
    EXPECT_EQ(manager->Bars()->Count(), count - 1) << "freed once nothing is merged into it";
    EXPECT_EQ(manager->GetBarByCaption("B"), b);
    EXPECT_TRUE(b->Visible() && c->Visible());
}

TEST_F(MergingTest, FreeingEitherSideEndsTheMerge) {
    TovBar* t = Bar("T");
    TovBar* b = Bar("B");
    b->ItemLinks()->AddItem(Item("Cut"));
    t->Merge(b);
    b->Free();
    EXPECT_EQ(t->ItemLinks()->Count(), 0);
    EXPECT_FALSE(t->IsMerged());
    TovBar* c = Bar("C");
    t->Merge(c);
    t->Free();
    EXPECT_TRUE(c->Visible()) << "a freed target gives its merged toolbars back their visibility";
    EXPECT_EQ(c->MergeTarget(), nullptr);
}

TEST_F(MergingTest, CustomizationWorksOnUnmergedToolbars) {
    TovBar* t = Bar("T");
    TovBar* b = Bar("B");
    b->ItemLinks()->AddItem(Item("Cut"));
    TovBar* made = manager->CreateBarForMerging();
    TovBar* c = Bar("C");
    c->ItemLinks()->AddItem(Item("Paste"));
    t->Merge(b);
    made->Merge(c);
    made->SetVisible(true);
    manager->PrepareMergedBarsForCustomizing();
    EXPECT_FALSE(t->IsMerged());
    EXPECT_EQ(t->ItemLinks()->Count(), 0);
    EXPECT_TRUE(b->Visible() && c->Visible());
    ASSERT_EQ(manager->GetBarByCaption(made->Caption()), made) << "kept while customizing";
    EXPECT_TRUE(made->Hidden());
    EXPECT_FALSE(made->Visible());
    manager->RestoreBarsAfterCustomizing();
    EXPECT_EQ(b->MergeTarget(), t);
    EXPECT_EQ(c->MergeTarget(), made);
    EXPECT_EQ(Captions(t->ItemLinks()), std::vector<std::string>{"Cut"});
    EXPECT_FALSE(made->Hidden());
    EXPECT_TRUE(made->Visible());
    EXPECT_FALSE(b->Visible());
}

TEST_F(MergingTest, AChildManagersMainMenuMergesIntoTheMainMenu) {
    TovBar* menu = manager->AddToolbar(true, false);
    auto* childForm = TCustomForm::New<TForm>(nullptr);
    auto* child = new TovBarManager(childForm);
    TovBar* childMenu = child->AddToolbar(true, false);
    auto* edit = new TovBarButton(childForm);
    edit->SetCaption("Edit");
    childMenu->ItemLinks()->AddItem(edit);
    std::vector<std::string> events;
    manager->OnMerge = TovBarMergeEvent(
        [&](TovBarManager*, TovBarManager* AChild, bool AAdd) {
            events.push_back(std::string(AChild == child ? "child " : "? ") + (AAdd ? "merged" : "unmerged"));
        },
        this);
    manager->MergeChildMainMenu(child);
    EXPECT_EQ(Captions(menu->ItemLinks()), std::vector<std::string>{"Edit"});
    EXPECT_FALSE(childMenu->Visible());
    manager->UnmergeChildMainMenu(child);
    EXPECT_EQ(menu->ItemLinks()->Count(), 0);
    EXPECT_TRUE(childMenu->Visible());

    // A menu-merge handler places the items itself: the child's menu only counts as merged.
    manager->OnMenuMerge =
        TovBarMergeEvent([&](TovBarManager*, TovBarManager*,
                             bool AAdd) { events.push_back(AAdd ? "handler adds" : "handler removes"); },
                         this);
    manager->MergeChildMainMenu(child);
    EXPECT_EQ(menu->ItemLinks()->Count(), 0);
    EXPECT_EQ(childMenu->MergeTarget(), menu);
    EXPECT_FALSE(childMenu->Visible());
    manager->UnmergeChildMainMenu(child);
    EXPECT_EQ(childMenu->MergeTarget(), nullptr);
    EXPECT_TRUE(childMenu->Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"child merged", "child unmerged", "handler adds",
                                                "child merged", "handler removes", "child unmerged"}));
    childForm->Free();
}
