#include "BarsTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"

using namespace bars_test;

TEST_F(BarsTest, LoadedAppliesStreamedDockVisibilityAndCategoryValues) {
    TovBarManager* manager = nullptr;
    TovBar* bar = nullptr;
    TovBarButton* button = nullptr;
    {
        TComponentLoading loading(form);
        manager = new TovBarManager(form);
        EXPECT_EQ(manager->Categories()->Count(), 0) << "a streamed manager reads its categories";
        manager->Categories()->Add("File");
        bar = manager->Bars()->Add();
        bar->SetCaption("Standard");
        bar->SetDockingStyle(dsBottom);
        bar->SetVisible(true);
        EXPECT_FALSE(bar->Visible()) << "kept as a streamed value";
        EXPECT_EQ(bar->GetControl(), nullptr);
        button = new TovBarButton(form);
        button->SetCategory(0);
        bar->ItemLinks()->AddItem(button);
        manager->SetCategoryItemsVisible(0, ivNever);
        EXPECT_EQ(button->Visible(), ivAlways);
    }
    EXPECT_TRUE(bar->Visible());
    EXPECT_TRUE(bar->Predefined());
    EXPECT_EQ(bar->DockingStyle(), dsBottom);
    EXPECT_EQ(bar->GetRealDockControl(), manager->Bars()->DockControls(dsBottom));
    ASSERT_NE(bar->GetControl(), nullptr);
    EXPECT_EQ(button->Visible(), ivNever) << "the streamed items-visible value reaches the items";
    EXPECT_FALSE(manager->IsLoading());
}

TEST_F(BarsTest, WaitingBarsAreShownAgainWhenTheOwnerWindowReturns) {
    TovBarManager* manager = MakeManager();
    TovBar* docked = manager->AddToolbar(false, false);
    TovBar* hidden = manager->AddToolbar(false, false);
    hidden->SetVisible(false);
    manager->BarWindowDestroyed(docked); // no dock window went yet: nothing waits
    EXPECT_TRUE(docked->Visible());
    manager->BeginBarRestoring();
    manager->BarWindowDestroyed(docked);
    manager->BarWindowDestroyed(hidden);
    EXPECT_FALSE(docked->Visible());
    EXPECT_TRUE(manager->IsBarWaiting(docked));
    EXPECT_FALSE(manager->IsBarWaiting(hidden));
    manager->ShowRestoringBars(nullptr);
    EXPECT_FALSE(docked->Visible()) << "its dock has no window yet";
    static_cast<FakeDock*>(manager->Bars()->DockControls(dsTop))->WindowExists = true;
    manager->ShowRestoringBars(nullptr);
    EXPECT_TRUE(docked->Visible());
    EXPECT_FALSE(hidden->Visible());
    EXPECT_FALSE(manager->IsBarWaiting(docked));
    manager->EndBarRestoring();
    EXPECT_FALSE(manager->IsRestoringBars());
}

TEST_F(BarsTest, CustomizingRemakesTheItemControlsAndShowsCategorizedItemsEnabled) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    auto* button = new TovBarButton(form);
    button->SetCategory(0);
    button->SetEnabled(false);
    auto* hiddenButton = new TovBarButton(form);
    hiddenButton->SetVisible(ivInCustomizing);
    bar->ItemLinks()->AddItem(button);
    bar->ItemLinks()->AddItem(hiddenButton);
    EXPECT_EQ(bar->ItemLinks()->VisibleItemCount(), 1);
    TakeCalls();
    manager->SetIsCustomizing(true);
    const std::vector<std::string> calls = TakeCalls();
    const std::vector<std::string> expected = {"Custom 1.CloseUp", "Custom 1.DestroyControls",
                                               "Custom 1.CreateControls", "Custom 1.Rebuild"};
    EXPECT_EQ(calls, expected);
    EXPECT_TRUE(button->Enabled()) << "a categorized item reports enabled while customizing";
    EXPECT_EQ(bar->ItemLinks()->VisibleItemCount(), 2);
    manager->SetIsCustomizing(false);
    EXPECT_FALSE(button->Enabled());
    button->Click(); // disabled: nothing, and no error
}

TEST_F(BarsTest, DockingQuestionsAskTheBarTheManagerAndTheEvent) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    IovBarDock* top = manager->Bars()->DockControls(dsTop);
    FakeDock own(manager, dsLeft, false, RECT{0, 0, 10, 10});
    EXPECT_TRUE(manager->CanDock(bar, dsTop, top));
    bar->SetNotDocking({dsTop});
    EXPECT_FALSE(manager->CanDock(bar, dsTop, top));
    manager->SetNotDocking({dsLeft});
    EXPECT_FALSE(manager->CanDock(bar, dsLeft, nullptr));
    EXPECT_TRUE(manager->CanDock(bar, dsLeft, &own)) << "a dock of its own decides itself";
    manager->OnDocking = TovBarCanDockingEvent(
        [](TovBar*, TovBarDockingStyle AStyle, IovBarDock*, bool& ACan) { ACan = AStyle == dsRight; }, this);
    EXPECT_TRUE(manager->CanDock(bar, dsRight, nullptr));
    EXPECT_FALSE(manager->CanDock(bar, dsBottom, nullptr));
}

TEST_F(BarsTest, ChangingTheDockingStyleMovesTheWindow) {
    TovBarManager* manager = MakeManager();
    TovBar* bar = manager->AddToolbar(false, false);
    std::vector<TovBar*> changed;
    manager->OnBarDockingStyleChange =
        TovBarEvent([&](TovBarManager*, TovBar* ABar) { changed.push_back(ABar); }, this);
    bar->ChangeDockingStyle(dsLeft, manager->Bars()->DockControls(dsLeft));
    EXPECT_EQ(bar->DockingStyle(), dsLeft);
    EXPECT_EQ(bar->DockControl(), nullptr) << "a built-in dock counts as none";
    auto* control = static_cast<FakeBarControl*>(bar->GetControl());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->DockingStyle(), dsLeft);
    EXPECT_EQ(changed.size(), 1u);
}

TEST_F(BarsTest, LinksReadByItemNameAreResolvedAfterLoading) {
    TovBar* bar = nullptr;
    TovBarButton* open = nullptr;
    {
        TComponentLoading loading(form);
        auto* manager = new TovBarManager(form);
        bar = manager->Bars()->Add();
        TovBarItemLink* first = bar->ItemLinks()->Add();
        first->LoadedItemName = "OPENBUTTON";
        first->SetVisible(false);
        bar->ItemLinks()->Add()->LoadedItemName = "Missing";
        TovBarItemLink* third = bar->ItemLinks()->Add();
        third->LoadedItemName = "OpenButton";
        third->LoadedRecentIndex = 0;
        third->LoadedUseCount = 7;
        open = new TovBarButton(form);
        open->SetName("OpenButton"); // made after the links that name it
    }
    TovBarItemLinks* links = bar->ItemLinks();
    ASSERT_EQ(links->Count(), 2) << "a name the manager does not hold leaves no link";
    EXPECT_EQ(links->Items(0)->Item(), open);
    EXPECT_FALSE(links->Items(0)->Visible());
    EXPECT_EQ(links->Items(1)->UseCount, 7);
    EXPECT_EQ(links->Items(1)->RecentIndex(), 0);
}
