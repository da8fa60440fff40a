#include "RibbonTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarManager.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/tabs/RibbonTab.h"

#include <string>
#include <vector>

using namespace ribbon_test;

namespace {

class RibbonActiveTabTest : public RibbonTest {
protected:
    // Tabs "A".."E"; "H" in a caption marks a hidden tab, "C" one whose context is invisible.
    std::vector<TovRibbonTab*> MakeTabs(const std::string& ASpec) {
        MakeRibbon();
        std::vector<TovRibbonTab*> tabs;
        TovRibbonContext* hiddenContext = ribbon->Contexts()->Add();
        for (std::size_t i = 0; i < ASpec.size(); ++i) {
            TovRibbonTab* tab = AddTab(std::string(1, static_cast<char>('A' + i)));
            if (ASpec[i] == 'H') tab->SetVisible(false);
            if (ASpec[i] == 'C') tab->SetContext(hiddenContext);
            tabs.push_back(tab);
        }
        return tabs;
    }
    static std::string CaptionOf(TovRibbonTab* ATab) { return ATab != nullptr ? ATab->Caption() : "none"; }
};

struct TNextCase {
    const char* Tabs; // v visible, H hidden, C hidden by its context
    int Hidden;       // the active tab that is hidden
    const char* Next;
};

TEST_F(RibbonActiveTabTest, HidingTheActiveTabPicksTheNextShownToTheRightElseTheNearestToTheLeft) {
    const TNextCase cases[] = {
        {"vvvvv", 2, "D"}, // the next to the right
        {"vvvHv", 2, "E"}, // skipping hidden tabs
        {"vvvCv", 2, "E"}, // and tabs of invisible contexts
        {"vvvHH", 2, "B"}, // none to the right: the nearest to the left
        {"vCvHH", 2, "A"}, // skipping a context-hidden one on the left
        {"HHvHH", 2, "none"}, {"vvvvv", 4, "D"}, {"vvvvv", 0, "B"},
    };
    for (const TNextCase& c : cases) {
        std::vector<TovRibbonTab*> tabs = MakeTabs(c.Tabs);
        ribbon->SetActiveTab(tabs[c.Hidden]);
        ASSERT_EQ(ribbon->ActiveTab(), tabs[c.Hidden]);
        tabs[c.Hidden]->SetVisible(false);
        EXPECT_EQ(CaptionOf(ribbon->ActiveTab()), c.Next) << c.Tabs << " hiding " << c.Hidden;
        delete ribbon;
    }
}

TEST_F(RibbonActiveTabTest, HidingTheActiveTabsContextMovesToTheFirstShownTab) {
    std::vector<TovRibbonTab*> tabs = MakeTabs("vvvv");
    TovRibbonContext* context = ribbon->Contexts()->Add();
    context->SetVisible(true);
    tabs[2]->SetContext(context);
    tabs[3]->SetContext(context);
    ribbon->SetActiveTab(tabs[3]);
    context->SetVisible(false);
    EXPECT_EQ(ribbon->ActiveTab(), tabs[0]);
}

TEST_F(RibbonActiveTabTest, DeletingTheActiveTabPicksTheTabThatTookItsPlace) {
    std::vector<TovRibbonTab*> tabs = MakeTabs("vvvv");
    ribbon->SetActiveTab(tabs[1]);
    tabs[1]->Free();
    EXPECT_EQ(ribbon->ActiveTab(), tabs[2]);
    tabs[3]->SetActive(true);
    tabs[3]->Free();
    EXPECT_EQ(ribbon->ActiveTab(), tabs[2]);
    ribbon->Tabs()->Clear();
    EXPECT_EQ(ribbon->ActiveTab(), nullptr);
}

TEST_F(RibbonActiveTabTest, AVetoCannotKeepATabThatIsGone) {
    std::vector<TovRibbonTab*> tabs = MakeTabs("vvv");
    tabs[1]->SetActive(true);
    ribbon->OnTabChanging = TovRibbonTabChangingEvent(
        [](TovCustomRibbon*, TovRibbonTab*, bool& AAllow) { AAllow = false; }, this);
    tabs[1]->Free();
    EXPECT_EQ(ribbon->ActiveTab(), nullptr);
    ribbon->OnTabChanging = nullptr;
    tabs[2]->SetActive(true);
    EXPECT_EQ(ribbon->ActiveTab(), tabs[2]);
}

TEST_F(RibbonActiveTabTest, TheFirstTabBecomesActiveAndOnlyTheActiveTabsGroupsRowShows) {
    std::vector<TovRibbonTab*> tabs = MakeTabs("vvv");
    EXPECT_EQ(ribbon->ActiveTab(), tabs[0]);
    EXPECT_TRUE(DockOf(tabs[0])->Visible());
    CallLog().clear();
    tabs[2]->SetActive(true);
    EXPECT_FALSE(DockOf(tabs[0])->Visible());
    EXPECT_TRUE(DockOf(tabs[2])->Visible());
    // The groups row is laid out within the site less its margins, then shown.
    EXPECT_EQ(DockOf(tabs[2])->Layout, (TRect{4, 3, 600 - 5, 90 - 2}));
    EXPECT_EQ(tabs[2]->Active(), true);
    tabs[0]->SetActive(false); // does nothing
    EXPECT_EQ(ribbon->ActiveTab(), tabs[2]);
}

TEST_F(RibbonActiveTabTest, AVetoKeepsTheOldTabAndTheSameTabRaisesNothing) {
    std::vector<TovRibbonTab*> tabs = MakeTabs("vvv");
    std::vector<std::string> events;
    bool allow = false;
    ribbon->OnTabChanging = TovRibbonTabChangingEvent(
        [&](TovCustomRibbon*, TovRibbonTab* ANew, bool& AAllow) {
            events.push_back("changing " + ANew->Caption());
            AAllow = allow;
        },
        this);
    ribbon->OnTabChanged = TovRibbonEvent([&](TovCustomRibbon*) { events.push_back("changed"); }, this);
    ribbon->SetActiveTab(tabs[1]);
    EXPECT_EQ(ribbon->ActiveTab(), tabs[0]);
    EXPECT_TRUE(DockOf(tabs[0])->Visible());
    EXPECT_EQ(events, (std::vector<std::string>{"changing B"}));
    events.clear();
    ribbon->SetActiveTab(tabs[0]);
    EXPECT_TRUE(events.empty());
    allow = true;
    ribbon->SetActiveTab(tabs[1]);
    EXPECT_EQ(events, (std::vector<std::string>{"changing B", "changed"}));
    EXPECT_EQ(ribbon->ActiveTab(), tabs[1]);
}

TEST_F(RibbonActiveTabTest, AVetoedChangeStillClosesMenusButLeavesTheMinimizedPopupOpen) {
    std::vector<TovRibbonTab*> tabs = MakeTabs("vv");
    ribbon->SetShowTabGroups(false);
    ribbon->ShowTabGroupsPopup();
    ASSERT_TRUE(ribbon->IsTabGroupsPopupVisible());
    ribbon->OnTabChanging = TovRibbonTabChangingEvent(
        [](TovCustomRibbon*, TovRibbonTab*, bool& AAllow) { AAllow = false; }, this);
    ribbon->SetActiveTab(tabs[1]);
    EXPECT_TRUE(ribbon->IsTabGroupsPopupVisible());
    ribbon->OnTabChanging = nullptr;
    ribbon->SetActiveTab(tabs[1]);
    EXPECT_FALSE(ribbon->IsTabGroupsPopupVisible());
}

TEST_F(RibbonActiveTabTest, WhileLoadingTheActiveTabIsOnlyRememberedUntilLoaded) {
    std::vector<std::string> events;
    TovCustomRibbon* loaded = nullptr;
    TovRibbonTab* second = nullptr;
    {
        TComponentLoading loading(form);
        loaded = TovCustomRibbon::New<TTestRibbon>(form);
        loaded->SetParent(form);
        loaded->OnTabChanged = TovRibbonEvent([&](TovCustomRibbon*) { events.push_back("changed"); }, this);
        loaded->Tabs()->Add()->SetCaption("First");
        second = loaded->Tabs()->Add();
        second->SetCaption("Second");
        second->SetActive(true);
        EXPECT_EQ(loaded->ActiveTab(), second); // what the form asked for
        EXPECT_TRUE(events.empty());
        EXPECT_FALSE(DockOf(second)->Visible());
    }
    EXPECT_EQ(loaded->ActiveTab(), second);
    EXPECT_EQ(events, (std::vector<std::string>{"changed"}));
    EXPECT_TRUE(DockOf(second)->Visible());
}

} // namespace
