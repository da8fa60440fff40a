#include "BarsTestSupport.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"

using namespace bars_test;

namespace bars_item_test {

struct Counter {
    int runs = 0;
    void Handler(TObject*) { ++runs; }
};

class ItemTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        manager = MakeManager();
        action = new TAction(form);
        action->SetCaption("&Open...");
        action->SetOnExecute(TNotifyEvent(&executed, &Counter::Handler));
    }
    TovBarManager* manager = nullptr;
    TAction* action = nullptr;
    Counter executed, other;
};

} // namespace bars_item_test
using namespace bars_item_test;

TEST_F(ItemTest, ClickRoad) {
    auto* item = new TovBarButton(form);
    int managerClicks = 0;
    manager->OnClickItem = TovBarClickItemEvent([&](TovBarManager*, TovBarItem*) { ++managerClicks; }, this);
    item->SetAction(action);
    item->Click();
    EXPECT_EQ(executed.runs, 1) << "OnClick copied from the action runs once, through the action";
    EXPECT_EQ(managerClicks, 1);
    item->SetOnClick(TNotifyEvent(&other, &Counter::Handler));
    item->Click();
    EXPECT_EQ(other.runs, 1);
    EXPECT_EQ(executed.runs, 1) << "an OnClick of its own replaces the action";
    item->SetEnabled(false);
    item->Click();
    EXPECT_EQ(other.runs, 1) << "a disabled item ignores the click";
    EXPECT_EQ(managerClicks, 2);
    item->SetEnabled(true);
    item->SetOnClick(TNotifyEvent([](TObject*) { throw EovException("boom"); }, this));
    EXPECT_NO_THROW(item->Click());
    ASSERT_EQ(reportedErrors.size(), 1u);
    EXPECT_EQ(reportedErrors[0], "boom");
}

TEST_F(ItemTest, ActionBindingAtRunTimeFollowsUntilChanged) {
    auto* item = new TovBarButton(form);
    item->SetAction(action);
    EXPECT_EQ(item->Caption(), "&Open...");
    action->SetCaption("&Load");
    EXPECT_EQ(item->Caption(), "&Load");
    action->SetEnabled(false);
    EXPECT_FALSE(item->Enabled());
    item->SetCaption("Mine");
    action->SetCaption("&Later");
    EXPECT_EQ(item->Caption(), "Mine") << "a changed caption stops following";
}

TEST_F(ItemTest, ActionBindingWhileLoadingFillsOnlyDefaults) {
    auto* item = new TovBarButton(form);
    item->SetCaption("Kept");
    item->SetImageIndex(3);
    item->ActionChange(action, true);
    EXPECT_EQ(item->Caption(), "Kept");
    EXPECT_EQ(item->GetImageIndex(), 3);
    EXPECT_EQ(item->OnClick(), action->OnExecute()) << "an unset OnClick takes the action's";
}

TEST_F(ItemTest, CaptionRewritesAnAutomaticHint) {
    struct Case {
        const char* hint;
        const char* expected;
        bool subItem;
    };
    const Case cases[] = {{"Open|Opens a file", "Load|Opens a file", false},
                          {"Open", "Load", false},
                          {"Something else|x", "Something else|x", false},
                          {"", "Load", false}};
    for (const Case& c : cases) {
        auto* item = new TovBarButton(form);
        item->SetCaption("&Open...");
        item->SetHint(c.hint);
        item->SetCaption("&Load...");
        EXPECT_EQ(item->GetHint(), c.expected) << c.hint;
        delete item;
    }
    auto* item = new TovBarButton(form);
    item->SetMergeOrder(-5);
    item->SetWidth(-1);
    EXPECT_EQ(item->MergeOrder(), 0);
    EXPECT_EQ(item->Width(), 0);
}

TEST_F(ItemTest, ButtonGroups) {
    auto* first = new TovBarButton(form);
    auto* second = new TovBarButton(form);
    for (TovBarButton* button : {first, second}) {
        button->SetButtonStyle(bsChecked);
        button->SetGroupIndex(1);
    }
    first->SetDown(true);
    second->SetDown(true);
    EXPECT_FALSE(first->Down());
    second->SetDown(false);
    EXPECT_TRUE(second->Down()) << "without AllowAllUp the last down button stays down";
    first->SetAllowAllUp(true);
    EXPECT_TRUE(second->AllowAllUp());
    second->SetDown(false);
    EXPECT_FALSE(second->Down());
    second->SetDown(true);
    second->SetButtonStyle(bsDefault);
    EXPECT_FALSE(second->Down()) << "a style change releases Down";
    auto* plain = new TovBarButton(form);
    plain->SetGroupIndex(4);
    EXPECT_EQ(plain->GroupIndex(), 0);
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
}

TEST_F(ItemTest, SetDownWithAGroupReleasesTheOtherWithoutRunningACommand) {
    auto* first = new TovBarLargeButton(form);
    auto* second = new TovBarLargeButton(form);
    first->SetAction(action);
    for (TovBarButton* button : {static_cast<TovBarButton*>(first), static_cast<TovBarButton*>(second)}) {
        button->SetButtonStyle(bsChecked);
        button->SetGroupIndex(2);
    }
    first->SetDown(true);
    second->SetDown(true);
    EXPECT_FALSE(first->Down());
    EXPECT_EQ(executed.runs, 0);
}

TEST_F(ItemTest, ActionBoundLargeButtonFollowsCaptionEnabledAndCheck) {
    auto* button = new TovBarLargeButton(form);
    button->SetButtonStyle(bsChecked);
    action->SetImageIndex(7);
    button->SetAction(action);
    EXPECT_EQ(button->LargeImageIndex(), 7);
    EXPECT_EQ(button->GetImageIndex(), 7) << "the small image follows the large one";
    action->SetChecked(true);
    EXPECT_TRUE(button->Down());
    action->SetCaption("View");
    EXPECT_EQ(button->Caption(), "View");
    action->SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    action->SetEnabled(true);
    button->Click();
    EXPECT_EQ(executed.runs, 1);
    button->SetLargeImageIndex(5);
    EXPECT_EQ(button->GetImageIndex(), 5);
    button->SetImageIndex(2);
    button->SetLargeImageIndex(6);
    EXPECT_EQ(button->GetImageIndex(), 2) << "a separately set small image is independent";
}

TEST_F(ItemTest, AnItemAssignsItselfToAnAction) {
    auto* button = new TovBarButton(form);
    button->SetCaption("&Play");
    button->SetButtonStyle(bsChecked);
    button->SetDown(true);
    button->SetShortCut(0x4050);
    button->SetVisible(ivNever);
    button->SetOnClick(TNotifyEvent(&other, &Counter::Handler));
    auto* target = new TAction(form);
    button->AssignTo(target);
    EXPECT_EQ(target->Caption(), "&Play");
    EXPECT_TRUE(target->Checked());
    EXPECT_EQ(target->ShortCut(), 0x4050);
    EXPECT_FALSE(target->Visible());
    target->Execute();
    EXPECT_EQ(other.runs, 1);
}

TEST_F(ItemTest, ACategoryChangeMovesTheItemBehindItsNewCategory) {
    manager->Categories()->Add("Second");
    auto* a = new TovBarButton(form);
    auto* b = new TovBarButton(form);
    auto* c = new TovBarButton(form);
    a->SetCategory(1);
    b->SetCategory(0);
    c->SetCategory(1);
    EXPECT_EQ(c->Index(), a->Index() + 1);
    b->SetCategory(1);
    EXPECT_EQ(b->Index(), manager->ItemCount() - 1) << "behind the last item of the category";
    EXPECT_EQ(b->Category(), 1);
}

TEST_F(ItemTest, AShortcutTogglesACheckableButtonAndSkipsWindowItems) {
    auto* button = new TovBarButton(form);
    button->SetButtonStyle(bsChecked);
    button->SetShortCut(0x4042);
    EXPECT_TRUE(button->IsShortCut(0x4042));
    EXPECT_TRUE(button->Down());
    EXPECT_TRUE(button->IsShortCut(0x4042));
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->IsShortCut(0x4043));
    button->SetEnabled(false);
    EXPECT_FALSE(button->IsShortCut(0x4042)) << "a disabled item takes no shortcut";
}

TEST_F(ItemTest, TheScreenTipIsAReferenceThatAFreedTipClears) {
    auto* item = new TovBarButton(form);
    auto* tip = new TComponent(form);
    auto* other = new TComponent(form);
    item->SetScreenTip(tip);
    EXPECT_EQ(item->GetScreenTip(), tip);
    item->OnGetScreenTip =
        TEvent<TovBarItem*, TComponent*&>([&](TovBarItem*, TComponent*& ATip) { ATip = other; }, this);
    EXPECT_EQ(item->GetScreenTip(), other) << "the event may replace it per query";
    EXPECT_EQ(item->ScreenTip(), tip);
    delete tip;
    EXPECT_EQ(item->ScreenTip(), nullptr);
}
