// Container items' own control and menu: on a toolbar the container opens a menu of the links it makes,
// none while the bars are customized; the caption shows in parentheses where the container's links stand
// in for it; closing the menu gives back exactly the links this menu made, other expansions of the same
// container stay.
#include "../BarPaintingTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/containers/ContainerItemControl.h"

#include <memory>
#include <string>

using namespace bars_test;

namespace container_item_control_tests {

class ContainerItemControlTest : public BarPaintingTest {
protected:
    TovBarListItem* RecentFiles() {
        auto* list = new TovBarListItem(form);
        list->SetCaption("Recent files");
        for (const char* name : {"drums.wav", "voice.wav", "strings.flac"})
            list->Items()->Add(name);
        return list;
    }
    static TovBarContainerItemControl* ControlOf(TovBarItemLink* ALink) {
        return dynamic_cast<TovBarContainerItemControl*>(ALink->Control());
    }
};

TEST_F(ContainerItemControlTest, OnAToolbarTheCaptionStandsAsItIsInAMenuInParentheses) {
    TovBarListItem* recent = RecentFiles();
    auto* toolbar = Toolbar(dsTop);
    TovBarContainerItemControl* onToolbar = ControlOf(toolbar->Add(recent));
    ASSERT_NE(onToolbar, nullptr);
    EXPECT_TRUE(onToolbar->ShowsOwnLink());
    EXPECT_EQ(onToolbar->GetCaption(), "Recent files");
    auto* menu = Menu();
    TovBarContainerItemControl* inMenu = ControlOf(menu->Add(recent));
    ASSERT_NE(inMenu, nullptr);
    EXPECT_FALSE(inMenu->ShowsOwnLink());
    EXPECT_EQ(inMenu->GetCaption(), "(Recent files)");
}

TEST_F(ContainerItemControlTest, OpeningFillsAMenuWithTheContainersLinks) {
    TovBarListItem* recent = RecentFiles();
    auto* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(recent);
    TovBarContainerItemControl* control = ControlOf(link);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->CanClick());
    control->CreateSubMenuControl();
    auto* menu = dynamic_cast<TContainerItemSubMenuControl*>(recent->ItemLinks()->BarControl());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->ContainerItem(), recent);
    EXPECT_EQ(menu->LinkData()->Link, link);
    EXPECT_EQ(menu->ItemLinks(), recent->ItemLinks());
    ASSERT_EQ(recent->ItemLinks()->Count(), 3);
    EXPECT_NE(recent->ItemLinks()->Items(0)->EffectiveCaption().find("drums.wav"), std::string::npos);
    EXPECT_EQ(menu->LinkData()->Generated.size(), 3u);
}

TEST_F(ContainerItemControlTest, WhileCustomizingAContainerOnAToolbarOpensNoMenu) {
    TovBarListItem* recent = RecentFiles();
    auto* toolbar = Toolbar(dsTop);
    TovBarContainerItemControl* control = ControlOf(toolbar->Add(recent));
    ASSERT_NE(control, nullptr);
    manager->SetIsCustomizing(true);
    EXPECT_FALSE(control->CanClick());
    control->CreateSubMenuControl();
    EXPECT_EQ(dynamic_cast<TContainerItemSubMenuControl*>(recent->ItemLinks()->BarControl()), nullptr);
    EXPECT_EQ(recent->ItemLinks()->Count(), 0);
    manager->SetIsCustomizing(false);
}

TEST_F(ContainerItemControlTest, ClosingTheMenuGivesBackOnlyTheLinksItMade) {
    TovBarListItem* recent = RecentFiles();
    // Another expansion of the same container, in a menu of its own links.
    auto* other = Menu();
    TovBarContainerLinkData otherData;
    otherData.Item = recent;
    recent->FillItemLinks(other->Links(), &otherData, 0);
    ASSERT_EQ(other->Links()->Count(), 3);

    auto* toolbar = Toolbar(dsTop);
    TovBarContainerItemControl* control = ControlOf(toolbar->Add(recent));
    control->CreateSubMenuControl();
    auto* menu = dynamic_cast<TContainerItemSubMenuControl*>(recent->ItemLinks()->BarControl());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(recent->ItemLinks()->Count(), 3);
    EXPECT_EQ(recent->PopulationCount(), 2);
    menu->CloseUp(bcrOther);
    EXPECT_EQ(recent->ItemLinks()->Count(), 0);
    EXPECT_TRUE(menu->LinkData()->Generated.empty());
    EXPECT_EQ(other->Links()->Count(), 3);
    EXPECT_EQ(otherData.Generated.size(), 3u);
    EXPECT_EQ(recent->PopulationCount(), 1);
    recent->RemoveListItems(&otherData);
}

} // namespace container_item_control_tests
