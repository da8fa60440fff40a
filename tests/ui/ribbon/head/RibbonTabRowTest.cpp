// The tab row: cell widths, the optimal, reduced and scrolling layouts, scrolling into view, and the
// tab and font states.
#include "RibbonHeadTestSupport.h"

#include "platform/rtl/Numerics.h"
#include "ui/bars/navigation/BarAccessibilityHelper.h"
#include "ui/bars/navigation/BarNavigationController.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

#include <algorithm>
#include <numeric>

using namespace ribbon_head_test;

namespace {

int SumOfWidths(TovRibbonTabsViewInfo* ATabs) {
    int sum = 0;
    for (int i = 0; i < ATabs->TabCount(); ++i)
        sum += ATabs->GetTab(i)->Bounds.right - ATabs->GetTab(i)->Bounds.left;
    return sum;
}

// Lays the row out at AWidth pixels from x = 100.
void LayOut(TovRibbonTabsViewInfo* ATabs, int AWidth) {
    ATabs->Calculate(TRect{100, 30, 100 + AWidth, 54});
}

} // namespace

TEST_F(RibbonHeadTest, CellWidthsFollowTheCaptionTheContextAndTheFirstThreeCharacters) {
    MakeDemo();
    ShowTabs({"Home", "Modify and Select", "Ed"});
    const struct {
        const char* Caption;
        int Preferred, Min;
    } cases[] = {
        {"Home", TextWidth("Home") + 27, std::max(TextWidth("Hom") + 10, 27)},
        {"Modify and Select", TextWidth("Modify and Select") + 27, std::max(TextWidth("Mod") + 10, 27)},
        // Two characters: the minimum is 27.
        {"Ed", TextWidth("Ed") + 27, 27},
    };
    ASSERT_EQ(Tabs()->TabCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].Caption);
        EXPECT_EQ(Tabs()->GetTab(i)->TextWidth, TextWidth(cases[i].Caption));
        EXPECT_EQ(Tabs()->GetTab(i)->PreferredWidth, cases[i].Preferred);
        EXPECT_EQ(Tabs()->GetTab(i)->MinWidth, cases[i].Min);
    }
    // Every tab but the last keeps a pixel for its separator in the row's minimum.
    EXPECT_EQ(Tabs()->GetTabMinWidth(0), Tabs()->GetTab(0)->MinWidth + 1);
    EXPECT_EQ(Tabs()->GetTabMinWidth(2), Tabs()->GetTab(2)->MinWidth);
}

TEST_F(RibbonHeadTest, ContextTabsFollowThePlainOnesAndTheFirstTakesTwoPixelsMore) {
    MakeDemo();
    // The context's tabs come last in the collection already; move one to the front: it still follows.
    demo->Tab(7)->SetIndex(0);
    Recalculate();
    const int count = Tabs()->TabCount();
    ASSERT_EQ(count, 9);
    EXPECT_EQ(Tabs()->GetTab(7)->Tab()->Caption(), "Monitor Input");
    EXPECT_EQ(Tabs()->GetTab(8)->Tab()->Caption(), "Monitor Levels");
    TovRibbonTabViewInfo* first = Tabs()->GetTab(7);
    EXPECT_TRUE(first->FirstOfContext);
    EXPECT_FALSE(first->LastOfContext);
    EXPECT_TRUE(Tabs()->GetTab(8)->LastOfContext);
    EXPECT_EQ(first->PreferredWidth, first->TextWidth + 29);
    // In the optimal layout the context's first tab starts two pixels in.
    const int before = Tabs()->GetTab(6)->Bounds.right;
    EXPECT_EQ(first->Bounds.left, before + 2);
    EXPECT_EQ(first->Bounds.right, before + first->PreferredWidth);
}

TEST_F(RibbonHeadTest, OptimalLayoutUsesPreferredWidthsWithoutSeparators) {
    MakeDemo();
    ShowTabs({"Home", "Modify and Select", "Amplify and Effects"});
    LayOut(Tabs(), Tabs()->TotalPreferredWidth + 40);
    int x = 100;
    for (int i = 0; i < 3; ++i) {
        TovRibbonTabViewInfo* cell = Tabs()->GetTab(i);
        EXPECT_EQ(cell->Bounds.left, x);
        EXPECT_EQ(cell->Bounds.right, x + cell->PreferredWidth);
        EXPECT_EQ(cell->SeparatorOpacity, 0);
        EXPECT_TRUE(cell->SeparatorBounds.right <= cell->SeparatorBounds.left);
        x = cell->Bounds.right;
    }
    EXPECT_EQ(Tabs()->ScrollButtons, 0);
    EXPECT_FALSE(Tabs()->HintNeeded);
}

TEST_F(RibbonHeadTest, ReducedLayoutSharesTheExcessUpToSeventeenPixelsATab) {
    MakeDemo();
    ShowTabs({"Home", "Modify and Select", "Amplify and Effects", "Generate Sound"});
    const int n = 4;
    for (int excess : {1, 7, 30, 51, 68}) {
        SCOPED_TRACE(excess);
        LayOut(Tabs(), Tabs()->TotalPreferredWidth - excess);
        EXPECT_EQ(Tabs()->SeparatorOpacity, MulDiv(excess, 255, 17 * n));
        const int share = excess / n, remainder = excess - share * n;
        for (int i = 0; i < n; ++i) {
            TovRibbonTabViewInfo* cell = Tabs()->GetTab(i);
            // The remainder comes one pixel each from the last tabs.
            const int expected = cell->PreferredWidth - share - (i >= n - remainder ? 1 : 0);
            EXPECT_EQ(cell->Bounds.right - cell->Bounds.left, expected) << "tab " << i;
            EXPECT_EQ(cell->SeparatorOpacity, Tabs()->SeparatorOpacity);
        }
        EXPECT_EQ(SumOfWidths(Tabs()), Tabs()->TotalPreferredWidth - excess);
        EXPECT_FALSE(Tabs()->HintNeeded);
    }
}

TEST_F(RibbonHeadTest, BeyondTheSpareWidthTheWidestCaptionsShrinkFirstAndNeverBelowTheirMinimum) {
    MakeDemo();
    ShowTabs({"Home", "Amplify and Effects", "Modify and Select", "Bookmarks and Regions"});
    const int n = 4;
    // A little beyond the spare width: only the widest caption gives up pixels.
    LayOut(Tabs(), Tabs()->TotalPreferredWidth - 17 * n - 3);
    EXPECT_EQ(Tabs()->SeparatorOpacity, 255);
    EXPECT_TRUE(Tabs()->HintNeeded);
    TovRibbonTabViewInfo* widest = Tabs()->GetTab(3);
    EXPECT_EQ(widest->Bounds.right - widest->Bounds.left, widest->TextWidth + 10 - 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Tabs()->GetTab(i)->Bounds.right - Tabs()->GetTab(i)->Bounds.left,
                  Tabs()->GetTab(i)->TextWidth + 10);
    // Far beyond: the long captions level out, the short one keeps its width, nobody goes below the minimum,
    // and the row fills exactly its width.
    const int width = Tabs()->TotalMinimumWidth + 40;
    LayOut(Tabs(), width);
    EXPECT_EQ(SumOfWidths(Tabs()), width);
    for (int i = 0; i < n; ++i)
        EXPECT_GE(Tabs()->GetTab(i)->Bounds.right - Tabs()->GetTab(i)->Bounds.left,
                  Tabs()->GetTabMinWidth(i));
    const int home = Tabs()->GetTab(0)->Bounds.right - Tabs()->GetTab(0)->Bounds.left;
    const int amplify = Tabs()->GetTab(1)->Bounds.right - Tabs()->GetTab(1)->Bounds.left;
    const int bookmarks = Tabs()->GetTab(3)->Bounds.right - Tabs()->GetTab(3)->Bounds.left;
    EXPECT_LE(std::abs(amplify - bookmarks), 1);
    EXPECT_LE(home, amplify);
    EXPECT_EQ(Tabs()->ScrollButtons, 0);
}

TEST_F(RibbonHeadTest, AWideTabAlreadyAtItsMinimumDoesNotStopTheNarrowerOnesFromShrinking) {
    MakeDemo();
    // "WWW" is as wide as its minimum and the widest tab: before, the shrinking ended at once and the row
    // ran past its end.
    ShowTabs({"WWW", "tiny", "list"});
    TovRibbonTabViewInfo* wide = Tabs()->GetTab(0);
    ASSERT_GE(wide->TextWidth + 10, Tabs()->GetTab(1)->TextWidth + 10);
    ASSERT_GE(Tabs()->GetTabMinWidth(0), wide->TextWidth + 10 - 1);
    const int width = Tabs()->TotalMinimumWidth + 4;
    LayOut(Tabs(), width);
    EXPECT_EQ(Tabs()->ScrollButtons, 0);
    EXPECT_EQ(SumOfWidths(Tabs()), width);
    EXPECT_LE(Tabs()->GetTab(2)->Bounds.right, 100 + width);
}

TEST_F(RibbonHeadTest, ARowNarrowerThanTheMinimumsWithTheirSeparatorPixelsScrolls) {
    MakeDemo();
    ShowTabs({"Home", "Modify and Select", "Amplify and Effects"});
    int minimums = 0;
    for (int i = 0; i < 3; ++i)
        minimums += Tabs()->GetTab(i)->MinWidth;
    // Enough for the bare minimums but not for the separator pixels: before, the reduced layout ran
    // two pixels past the row's end.
    LayOut(Tabs(), minimums + 1);
    EXPECT_NE(Tabs()->ScrollButtons, 0);
    EXPECT_EQ(Tabs()->ScrollWidth, Tabs()->TotalMinimumWidth - (minimums + 1));
}

TEST_F(RibbonHeadTest, ScrollingLayoutButtonsClampingAndMakeTabVisible) {
    MakeDemo();
    ShowTabs({"Home", "Modify and Select", "Amplify and Effects", "Generate Sound", "Waveform and Zoom"});
    const int width = Tabs()->TotalMinimumWidth - 60;
    LayOut(Tabs(), width);
    EXPECT_EQ(Tabs()->ScrollWidth, 60);
    EXPECT_EQ(Tabs()->SeparatorOpacity, 255);
    EXPECT_TRUE(Tabs()->HintNeeded);
    const struct {
        int Position, Clamped;
        std::uint8_t Buttons;
    } cases[] = {{0, 0, ovRibbonScrollRight},
                 {30, 30, ovRibbonScrollLeft | ovRibbonScrollRight},
                 {60, 60, ovRibbonScrollLeft},
                 {500, 60, ovRibbonScrollLeft},
                 {-9, 0, ovRibbonScrollRight}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Position);
        Tabs()->ScrollPosition = c.Position;
        LayOut(Tabs(), width);
        EXPECT_EQ(Tabs()->ScrollPosition, c.Clamped);
        EXPECT_EQ(Tabs()->ScrollButtons, c.Buttons);
        EXPECT_EQ(Tabs()->GetTab(0)->Bounds.left, 100 - c.Clamped);
        for (int i = 0; i < Tabs()->TabCount(); ++i)
            EXPECT_EQ(Tabs()->GetTab(i)->Bounds.right - Tabs()->GetTab(i)->Bounds.left,
                      Tabs()->GetTabMinWidth(i));
        const int buttonWidth = ViewInfo()->GetScrollButtonWidth();
        EXPECT_EQ(Tabs()->ScrollButtonLeft()->Bounds.right - Tabs()->ScrollButtonLeft()->Bounds.left,
                  c.Buttons & ovRibbonScrollLeft ? buttonWidth : 0);
        EXPECT_EQ(Tabs()->ScrollButtonRight()->Bounds.right - Tabs()->ScrollButtonRight()->Bounds.left,
                  c.Buttons & ovRibbonScrollRight ? buttonWidth : 0);
    }
    // The whole demo ribbon (the application button beside the tabs) at a width that scrolls: the last
    // tab scrolled into view.
    MakeDemo(ribbon_demo::TRibbonDemoOptions());
    demo->SetWidth(340);
    ASSERT_NE(Tabs()->ScrollButtons, 0);
    TovRibbonTab* last = demo->Tab(8);
    Tabs()->MakeTabVisible(last);
    EXPECT_EQ(Tabs()->ScrollPosition, Tabs()->ScrollWidth);
    EXPECT_LE(Tabs()->FindTab(last)->Bounds.right, Tabs()->Bounds.right);
    // The first tab back into view: the position goes to 0 (no button width is added for the first tab).
    Tabs()->MakeTabVisible(demo->Tab(0));
    EXPECT_EQ(Tabs()->ScrollPosition, 0);
    // A middle tab cut by the left edge comes in past the left button.
    Tabs()->SetScrollPosition(Tabs()->ScrollWidth);
    TovRibbonTabViewInfo* middle = Tabs()->GetTab(1);
    const int cut = Tabs()->Bounds.left - middle->Bounds.left;
    ASSERT_GT(cut, 0);
    const int before = Tabs()->ScrollPosition;
    Tabs()->MakeTabVisible(middle->Tab());
    EXPECT_EQ(Tabs()->ScrollPosition, std::max(0, before - cut - ViewInfo()->GetScrollButtonWidth()));
}

TEST_F(RibbonHeadTest, TabAndFontStates) {
    MakeDemo();
    TovCustomRibbon* ribbon = Ribbon();
    TovRibbonTab* active = demo->Tab(0);
    TovRibbonTab* other = demo->Tab(1);
    const struct {
        TovRibbonTab* Tab;
        TovRibbonTab* Hot;
        bool Groups;
        int State, Font;
    } cases[] = {
        {other, nullptr, true, ovRibbonTabNormal, 0},
        {other, other, true, ovRibbonTabHot, 2},
        {active, nullptr, true, ovRibbonTabActive, 3},
        {active, active, true, ovRibbonTabActiveHot, 3},
        // Minimized: the active tab shows no groups and reads as a plain tab.
        {active, nullptr, false, ovRibbonTabNormal, 0},
        {active, active, false, ovRibbonTabHot, 2},
    };
    for (const auto& c : cases) {
        ribbon->SetShowTabGroups(c.Groups);
        ribbon->SetHotObject(c.Hot);
        TovRibbonTabViewInfo* cell = Tabs()->FindTab(c.Tab);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetState(), c.State)
            << c.Tab->Caption() << " hot " << (c.Hot != nullptr) << " groups " << c.Groups;
        EXPECT_EQ(cell->GetFontState(), c.Font);
    }
    ribbon->SetHotObject(nullptr);
    // Keyboard navigation selecting a tab: focused with the groups shown, hot without.
    TovBarHelperRef helper(new TovBarAccessibilityHelper(other));
    BarNavigationController()->SetSelectedObject(helper.Get(), nullptr);
    ribbon->SetShowTabGroups(true);
    EXPECT_EQ(Tabs()->FindTab(other)->GetState(), ovRibbonTabFocused);
    ribbon->SetShowTabGroups(false);
    EXPECT_EQ(Tabs()->FindTab(other)->GetState(), ovRibbonTabHot);
    BarNavigationController()->SetSelectedObject(nullptr, nullptr);
}
