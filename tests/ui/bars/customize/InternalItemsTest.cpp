// The controller's internal items: entries of its own menus that never join their manager's command
// list, go with ClearInternalItems or with their manager, and the "&Customize..." entry that switches a
// manager into customizing only while no Customize window is open anywhere.
#include "../controls/BarWindowTestSupport.h"

#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/core/base/ClassRefs.h"

#include <memory>

using namespace bars_test;

namespace {

class InternalItemsTest : public BarWindowTest {
protected:
    void SetUp() override {
        BarWindowTest::SetUp();
        controller->ClearInternalItems();
        menu = OpenMenu(300, 100, {"Cut"});
    }
    void TearDown() override {
        controller->ClearInternalItems();
        BarWindowTest::TearDown();
    }
    TovBarItemLinks* Links() const { return menu->ItemLinks(); }

    TWindowedMenu* menu = nullptr;
    TovBarDesignController* controller = BarDesignController();
};

TEST_F(InternalItemsTest, ItemsMadeByClassOrByTheCallerLeaveTheCommandList) {
    const int commands = manager->ItemCount();
    int clicked = 0;
    const TNotifyEvent onClick([&clicked](TObject*) { ++clicked; });

    TovBarItemLink* byClass =
        controller->AddInternalItem(Links(), uiClassOf<TovBarSubItem>(), true, 0x70003, onClick, "Add &Item");
    ASSERT_NE(nullptr, byClass);
    auto* own = new TovBarButton(manager);
    own->SetCaption("Kept");
    TovBarItemLink* byCaller = controller->AddInternalItem(Links(), own, false, 7, onClick);

    ASSERT_EQ(3, Links()->Count());
    EXPECT_EQ(byClass, Links()->Items(1));
    EXPECT_EQ(byCaller, Links()->Items(2));
    EXPECT_NE(nullptr, dynamic_cast<TovBarSubItem*>(byClass->Item()));
    EXPECT_EQ("Add &Item", byClass->Item()->Caption());
    EXPECT_EQ(0x70003, byClass->Item()->Tag());
    EXPECT_TRUE(byClass->BeginGroup());
    EXPECT_EQ("Kept", own->Caption()) << "an empty caption keeps the item's own";
    EXPECT_EQ(7, own->Tag());
    EXPECT_FALSE(byCaller->BeginGroup());
    EXPECT_EQ(manager, byClass->Item()->BarManager()) << "made for the links' manager";
    EXPECT_EQ(commands, manager->ItemCount()) << "no command list shows an internal item";
    EXPECT_EQ(-1, manager->IndexOfItem(own));
    EXPECT_EQ(2, controller->InternalItemCount());

    own->Click();
    EXPECT_EQ(1, clicked);

    controller->ClearInternalItems();
    EXPECT_EQ(0, controller->InternalItemCount());
    ASSERT_EQ(1, Links()->Count()) << "their links go with them";
    EXPECT_EQ("Cut", Links()->Items(0)->Item()->Caption());
    EXPECT_EQ(commands, manager->ItemCount());
}

TEST_F(InternalItemsTest, AnItemRegisteredWithAnotherOwnerGoesWithThatOwner) {
    auto* holder = new TComponent(nullptr);
    auto* item = new TovBarButton(manager);
    const int commands = manager->ItemCount();
    controller->RegisterInternalItem(item, holder);
    EXPECT_EQ(commands - 1, manager->ItemCount());
    EXPECT_EQ(holder, item->Owner());
    EXPECT_EQ(0, controller->InternalItemCount());
    Links()->AddItem(item);
    delete holder;
    EXPECT_EQ(1, Links()->Count());
}

// A manager freed while its internal items live takes them along; clearing afterwards touches nothing.
TEST_F(InternalItemsTest, ItemsOfAFreedManagerGoWithIt) {
    auto* otherForm = TCustomForm::New<TForm>(nullptr);
    auto* other = new TovBarManager(otherForm);
    TovBar* bar = TovBarDesignController::CreateInternalBar(other);
    controller->AddInternalItem(bar->ItemLinks(), uiClassOf<TovBarButton>(), false, 0, nullptr, "One");
    controller->AddInternalItem(Links(), uiClassOf<TovBarButton>(), false, 0, nullptr, "Two");
    EXPECT_EQ(2, controller->InternalItemCount());
    delete otherForm;
    EXPECT_EQ(1, controller->InternalItemCount());
    controller->ClearInternalItems();
    EXPECT_EQ(0, controller->InternalItemCount());
    EXPECT_EQ(1, Links()->Count());
}

TEST_F(InternalItemsTest, TheInternalBarIsHiddenAndNotQuicklyCustomized) {
    const int bars = manager->Bars()->Count();
    TovBar* bar = TovBarDesignController::CreateInternalBar(manager);
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(bars + 1, manager->Bars()->Count());
    EXPECT_TRUE(bar->Hidden());
    EXPECT_FALSE(bar->AllowQuickCustomizing());
    EXPECT_EQ(nullptr, TovBarDesignController::CreateInternalBar(nullptr));
}

TEST_F(InternalItemsTest, CustomizeEntrySwitchesItsManagerIntoCustomizing) {
    manager->CanCustomize = false;
    EXPECT_EQ(nullptr, controller->AddCustomizeItem(Links(), uiClassOf<TovBarButton>(), true));
    EXPECT_EQ(1, Links()->Count());

    manager->CanCustomize = true;
    TovBarItemLink* link = controller->AddCustomizeItem(Links(), uiClassOf<TovBarButton>(), true);
    ASSERT_NE(nullptr, link);
    EXPECT_EQ("&Customize...", link->Item()->Caption());
    EXPECT_TRUE(link->BeginGroup());
    EXPECT_TRUE(link->Item()->GetEnabled());
    EXPECT_EQ(-1, manager->IndexOfItem(link->Item()));
    link->Item()->Click();
    EXPECT_TRUE(manager->IsCustomizing());

    // While a Customize window is open (this manager's or another's) the entry is offered disabled.
    TovBarItemLink* again = controller->AddCustomizeItem(Links(), uiClassOf<TovBarButton>(), false);
    ASSERT_NE(nullptr, again);
    EXPECT_FALSE(again->Item()->GetEnabled());
    manager->SetIsCustomizing(false);

    auto* otherForm = TCustomForm::New<TForm>(nullptr);
    auto* other = new TovBarManager(otherForm);
    other->SetIsCustomizing(true);
    TovBarItemLink* whileOther = controller->AddCustomizeItem(Links(), uiClassOf<TovBarButton>(), false);
    ASSERT_NE(nullptr, whileOther);
    EXPECT_FALSE(whileOther->Item()->GetEnabled());
    other->SetIsCustomizing(false);
    delete otherForm;
}

} // namespace
