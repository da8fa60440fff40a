// Resets go back to the designed layout that loading saved: a toolbar's links (and, with UseFullReset,
// its place), and the usage data of menus, each after the user agreed.
#include "LayoutTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"

using namespace bars_test;

namespace {

class LayoutResetTest : public LayoutTest {
protected:
    // The user's changes to the standard design.
    static void Customize(TovBarManager* AManager) {
        StandardParts p = Parts(AManager);
        TovBarItemLinks* links = p.Standard->ItemLinks();
        delete links->Items(0);
        links->Items(0)->SetUserCaption("Keep");
        links->AddItem(p.File);
        p.Standard->SetCaption("Mine");
        p.Standard->SetDockingStyle(dsLeft);
        p.File->ItemLinks()->Items(0)->SetMostRecentlyUsed(false);
        delete p.File->ItemLinks()->Items(1);
    }

    // Answers the next message box with AKey, remembering its text.
    void AnswerBoxWith(int AKey) {
        boxText.clear();
        Application()->OnIdle = TIdleEvent(
            [this, AKey](TObject*, bool& ADone) {
                ADone = false;
                if (!boxText.empty()) return;
                boxText = MessageBoxText(Screen()->ActiveForm());
                if (boxText.empty()) return;
                olva::win::InjectKey(AKey, true);
                olva::win::InjectKey(AKey, false);
            },
            this);
    }
    void TearDown() override {
        Application()->OnIdle = nullptr;
        LayoutTest::TearDown();
    }

    std::string boxText;
};

} // namespace

TEST_F(LayoutResetTest, AResetBringsBackTheDesignedLinksAndWithFullResetThePlace) {
    for (bool full : {false, true}) {
        SCOPED_TRACE(full);
        TovBarManager* manager = LoadManager(StandardDesign);
        manager->UseFullReset = full;
        Customize(manager);
        StandardParts p = Parts(manager);
        std::vector<std::string> events;
        manager->OnBarBeforeReset = TovBarEvent(
            [&](TovBarManager*, TovBar* ABar) { events.push_back("before " + ABar->Caption()); }, this);
        manager->OnBarAfterReset = TovBarEvent(
            [&](TovBarManager*, TovBar* ABar) { events.push_back("after " + ABar->Caption()); }, this);
        p.Standard->Reset();
        EXPECT_EQ(LinkNames(p.Standard->ItemLinks()), (std::vector<std::string>{"OpenButton", "SaveButton"}));
        EXPECT_EQ(p.Standard->ItemLinks()->Items(1)->UserCaption(), "Store");
        // The items on the bar get their designed menus back; FileItem is no longer on it.
        EXPECT_EQ(p.File->ItemLinks()->Count(), 1);
        if (full) {
            EXPECT_EQ(p.Standard->Caption(), "Standard");
            EXPECT_EQ(p.Standard->DockingStyle(), dsTop);
            EXPECT_EQ(events, (std::vector<std::string>{"before Mine", "after Standard"}));
        } else {
            EXPECT_EQ(p.Standard->Caption(), "Mine") << "its own place stays without a full reset";
            EXPECT_EQ(p.Standard->DockingStyle(), dsLeft);
            EXPECT_EQ(events, (std::vector<std::string>{"before Mine", "after Mine"}));
        }
        manager->Free();
    }
}

TEST_F(LayoutResetTest, ResettingAToolbarAsksFirst) {
    TovBarManager* manager = LoadManager(StandardDesign);
    Application()->SetTitle("OLVA Audio Editor");
    Customize(manager);
    TovBar* bar = Parts(manager).Standard;
    AnswerBoxWith(VK_ESCAPE);
    manager->ResetToolbar(bar);
    EXPECT_EQ(boxText, "Are you sure you want to reset the changes made to the 'Mine' toolbar?");
    EXPECT_EQ(LinkNames(bar->ItemLinks()), (std::vector<std::string>{"SaveButton", "FileItem"}))
        << "cancelled";
    AnswerBoxWith(VK_RETURN);
    manager->ResetToolbar(bar);
    EXPECT_EQ(LinkNames(bar->ItemLinks()), (std::vector<std::string>{"OpenButton", "SaveButton"}));
}

TEST_F(LayoutResetTest, OnBarResetMayDoTheResetOrSkipTheQuestion) {
    TovBarManager* manager = LoadManager(StandardDesign);
    Customize(manager);
    TovBar* bar = Parts(manager).Standard;
    bool handled = true;
    manager->OnBarReset = TovBarResetEvent(
        [&](TovBarManager*, TovBar*, bool& AHandled, bool& AShowConfirmation) {
            AHandled = handled;
            AShowConfirmation = false;
        },
        this);
    manager->ResetToolbar(bar);
    EXPECT_EQ(bar->ItemLinks()->Count(), 2);
    EXPECT_EQ(LinkNames(bar->ItemLinks()), (std::vector<std::string>{"SaveButton", "FileItem"}));
    handled = false;
    manager->ResetToolbar(bar); // no question: no box is answered here
    EXPECT_EQ(LinkNames(bar->ItemLinks()), (std::vector<std::string>{"OpenButton", "SaveButton"}));
}

TEST_F(LayoutResetTest, ARenamedToolbarIsStillFoundInTheDesign) {
    TovBarManager* manager = LoadManager(StandardDesign);
    Customize(manager);
    StandardParts p = Parts(manager);
    EXPECT_EQ(manager->FindBarInSavedState(p.Standard), 1);
    TovBar* custom = manager->AddToolbar(false, false);
    EXPECT_EQ(manager->FindBarInSavedState(custom), -1) << "made by the user, so not designed";
    custom->Reset();
    EXPECT_EQ(custom->Caption(), "Custom 1");
}

TEST_F(LayoutResetTest, UsageDataGoBackToTheDesignAfterYes) {
    TovBarManager* manager = LoadManager(StandardDesign);
    StandardParts p = Parts(manager);
    TovBarItemLinks* menu = p.File->ItemLinks();
    menu->Items(0)->SetMostRecentlyUsed(false);
    menu->Items(1)->SetMostRecentlyUsed(false);
    p.Standard->ItemLinks()->Items(1)->SetMostRecentlyUsed(false);
    AnswerBoxWith(VK_RETURN); // the default button is No
    manager->ResetUsageDataWithConfirmation();
    EXPECT_NE(boxText.find("This will delete the record of the commands you've used"), std::string::npos);
    EXPECT_FALSE(menu->Items(0)->MostRecentlyUsed());
    AnswerBoxWith('Y');
    manager->ResetUsageDataWithConfirmation();
    EXPECT_TRUE(menu->Items(0)->MostRecentlyUsed());
    EXPECT_TRUE(menu->Items(1)->MostRecentlyUsed());
    EXPECT_TRUE(p.Standard->ItemLinks()->Items(1)->MostRecentlyUsed());
    EXPECT_EQ(menu->RecentItems(0), menu->Items(0)) << "the recent order is packed, shown links first";
}
