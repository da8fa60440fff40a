#include "ToolbarsTestSupport.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/ToolbarSizing.h"
#include "ui/core/base/Geometry.h"

#include <string>

using namespace bars_test;
using bar_standins::TStandInToolbar;

namespace {

// Five items A..E of 20 x 22; AGroups marks the ones that begin a group.
std::vector<TovToolbarSizingItem> FiveItems(const std::string& AGroups) {
    std::vector<TovToolbarSizingItem> items;
    for (char name = 'A'; name <= 'E'; ++name)
        items.push_back(TovToolbarSizingItem{TSize{20, 22}, AGroups.find(name) != std::string::npos, false});
    return items;
}

std::string NewRows(const std::vector<TovToolbarSizingItem>& AItems) {
    std::string result;
    for (const TovToolbarSizingItem& item : AItems)
        result += item.NewRow ? 'N' : '-';
    return result;
}

} // namespace

TEST(ToolbarSizing, ReverseSizeReadsAlongAndAcrossTheRow) {
    TReverseSize horizontal(false, TSize{30, 10});
    TReverseSize vertical(true, TSize{30, 10});
    EXPECT_EQ(horizontal.X(), 30);
    EXPECT_EQ(vertical.X(), 10);
    vertical.SetX(50);
    EXPECT_EQ(vertical.Size, (TSize{30, 50}));
    EXPECT_EQ(ovReverseSize(5, 7, true), (TSize{7, 5}));
}

TEST(ToolbarSizing, WrappingKeepsBeginGroupRunsTogether) {
    struct TCase {
        const char* Groups;
        int Limit;
        const char* NewRows;
        TSize Size;
    };
    // Begin-group gaps are 6 pixels; rows are 22 high and a row that starts with a group adds its gap.
    const TCase cases[] = {
        // A, B and C fit in 70 but D does not: C's run goes to the second row with it.
        {"C", 70, "--N--", {60, 22 + 6 + 22}},
        {"", 70, "---N-", {60, 44}},
        {"C", 200, "-----", {106, 22}},
        {"D", 70, "---N-", {60, 22 + 6 + 22}},
        // The run from B moves whole; E then wraps inside it without a group start.
        {"B", 70, "-N--N", {60, 22 + 6 + 22 + 22}},
        // D wraps with no group start before it: the next group (E) starts a row of its own.
        {"E", 70, "---NN", {60, 22 + 22 + 6 + 22}},
    };
    for (const TCase& c : cases) {
        std::vector<TovToolbarSizingItem> items = FiveItems(c.Groups);
        TovToolbarSizingMetrics metrics;
        metrics.BeginGroupSize = 6;
        TSize size{0, 0};
        ovToolbarSizing::CalcWrappedSize(items, c.Limit, false, metrics, size);
        EXPECT_EQ(NewRows(items), c.NewRows) << c.Groups << " in " << c.Limit;
        EXPECT_EQ(size, c.Size) << c.Groups << " in " << c.Limit;
        // The same links docked vertically wrap into columns with the axes exchanged.
        std::vector<TovToolbarSizingItem> turned = FiveItems(c.Groups);
        for (TovToolbarSizingItem& item : turned)
            item.Size = TSize{item.Size.cy, item.Size.cx};
        TSize turnedSize{0, 0};
        ovToolbarSizing::CalcWrappedSize(turned, c.Limit, true, metrics, turnedSize);
        EXPECT_EQ(NewRows(turned), c.NewRows);
        EXPECT_EQ(turnedSize, (TSize{c.Size.cy, c.Size.cx}));
    }
}

TEST(ToolbarSizing, WrappingLeavesRoomForTheMarkAndTheCloseButton) {
    std::vector<TovToolbarSizingItem> items = FiveItems("");
    TovToolbarSizingMetrics metrics;
    metrics.DockedMarkSize = 11;
    TSize size{0, 0};
    ovToolbarSizing::CalcWrappedSize(items, 71, false, metrics, size);
    EXPECT_EQ(NewRows(items), "---N-") << "71 less the mark leaves 60";
    metrics.DockedMarkSize = 0;
    metrics.MDISize = TSize{16, 14};
    items = FiveItems("");
    ovToolbarSizing::CalcWrappedSize(items, 70, false, metrics, size);
    EXPECT_EQ(size, (TSize{60, 44})) << "the button ends the last row (D, E) when there is room";
    items = FiveItems("");
    ovToolbarSizing::CalcWrappedSize(items, 100, false, metrics, size);
    EXPECT_EQ(size, (TSize{100, 22 + 14})) << "the button takes a row of its own when the last row is full";
}

TEST(ToolbarSizing, OneRowStopsAtTheFirstLinkThatDoesNotFit) {
    struct TCase {
        int Limit;
        int Length;
        bool Truncated;
    };
    const TCase cases[] = {
        {200, 106, false}, {106, 106, false}, {105, 86, true}, {30, 20, true}, {5, 20, true}};
    for (const TCase& c : cases) {
        TSize size{};
        bool truncated = false;
        ovToolbarSizing::CalcRowSize(FiveItems("C"), c.Limit, false, 6, size, truncated);
        EXPECT_EQ(size.cx, c.Length) << c.Limit;
        EXPECT_EQ(size.cy, 22);
        EXPECT_EQ(truncated, c.Truncated) << c.Limit;
    }
}

// ---- Toolbar controls

TEST_F(ToolbarsTest, AFloatingToolbarIsNeverNarrowerThanItsCaptionNeeds) {
    TStandInToolbar* floating = Toolbar(dsNone, {"A"});
    const TRect margins = floating->Margins();
    const int narrowest = 51 + margins.left + margins.right;
    for (int width : {0, 5, 30, 52}) {
        TSize size{};
        floating->CalcFloatingSize(dsNone, width, size);
        EXPECT_GE(size.cx, narrowest) << width;
    }
    EXPECT_EQ(floating->MinimalWidth(dsNone), narrowest) << "one small button: the caption's minimum rules";
    // Even an empty toolbar's window keeps at least 10 x 10.
    TStandInToolbar* empty = Toolbar(dsNone, {});
    TSize window{};
    empty->CalcSizeForDockingStyle(dsNone, window);
    EXPECT_GE(window.cx, 10);
    EXPECT_GE(window.cy, 10);
}

TEST_F(ToolbarsTest, AFloatingToolbarWrapsItsRowsToTheWidth) {
    TStandInToolbar* floating = Toolbar(dsNone, {"One", "Two", "|Three", "Four", "Five"});
    const int full = floating->GetFullWidth(dsNone);
    TSize wide{}, narrow{};
    floating->CalcFloatingSize(dsNone, full, wide);
    floating->CalcFloatingSize(dsNone, full / 2, narrow);
    EXPECT_EQ(wide.cx, full);
    EXPECT_LE(narrow.cx, full / 2 + 1);
    EXPECT_GT(narrow.cy, wide.cy) << "a narrower toolbar has more rows";
    // Asking for a height finds the width that gives at least that many rows.
    TSize tall{};
    floating->CalcFloatingSizeByHeight(dsNone, narrow.cy, tall);
    EXPECT_GE(tall.cy, narrow.cy);
    EXPECT_LT(tall.cx, full);
}

TEST_F(ToolbarsTest, ALeftDockedToolbarStacksItsItems) {
    TStandInToolbar* toolbar = Toolbar(dsLeft, {"Cut", "Copy", "|Paste"});
    TovDockControl* dock = Dock(dsLeft);
    dock->DockBarControl(toolbar, TPoint{0, 0}, true);
    int widest = 0;
    for (int i = 0; i < toolbar->Links()->VisibleItemCount(); ++i)
        widest = std::max(widest, toolbar->Links()->VisibleItems(i)->Control()->GetRealWidth());
    const TRect margins = toolbar->Margins();
    EXPECT_EQ(uiWidthOfRect(toolbar->BoundsInDock()),
              widest + margins.left + margins.right + toolbar->GetHorzBorderSize(dsLeft));
    EXPECT_EQ(uiWidthOfRect(dock->Bounds()), uiWidthOfRect(toolbar->BoundsInDock()))
        << "the dock is as wide as its one row";
    RECT previous = toolbar->Links()->VisibleItems(0)->ItemRect;
    for (int i = 1; i < toolbar->Links()->VisibleItemCount(); ++i) {
        const RECT r = toolbar->Links()->VisibleItems(i)->ItemRect;
        EXPECT_GE(r.top, previous.bottom) << "each item lies below the one before";
        previous = r;
    }
    EXPECT_EQ(toolbar->Links()->VisibleItems(2)->ItemRect.top -
                  toolbar->Links()->VisibleItems(1)->ItemRect.bottom,
              toolbar->GetBeginGroupSize())
        << "a group is set off by its gap";
    ASSERT_EQ(toolbar->LayoutSeparators().size(), 1u);
    EXPECT_TRUE(toolbar->LayoutSeparators()[0].Horizontal) << "a vertical bar's group line runs across it";
}

TEST_F(ToolbarsTest, AWholeRowToolbarIsAsWideAsItsDock) {
    TStandInToolbar* toolbar = Toolbar(dsTop, {"A", "B"});
    toolbar->Bar()->SetWholeRow(true);
    TovDockControl* dock = Dock(dsTop);
    dock->DockBarControl(toolbar, TPoint{40, 0}, true);
    EXPECT_EQ(toolbar->BoundsInDock().left, 0);
    EXPECT_EQ(uiWidthOfRect(toolbar->BoundsInDock()), ClientWidth);
    toolbar->SetDockControl(dock);
    TSize size{};
    toolbar->CalcSizeForDockingStyle(dsTop, size);
    EXPECT_EQ(size.cx, ClientWidth);
}

TEST_F(ToolbarsTest, ATruncatedSingleLineToolbarShowsTheLinksThatFitAndItsMark) {
    TStandInToolbar* toolbar = Toolbar(dsTop, {});
    for (int i = 0; i < 40; ++i)
        toolbar->Add(Button("Button " + std::to_string(i), i % 8), i % 5 == 0);
    toolbar->SetPainter(painter.get());
    toolbar->Bar()->SetAllowQuickCustomizing(false);
    EXPECT_FALSE(toolbar->TovBarControl::HasMark())
        << "without quick customization only truncation brings the mark";
    TovDockControl* dock = Dock(dsTop);
    dock->DockBarControl(toolbar, TPoint{0, 0}, true);
    ASSERT_GT(toolbar->GetFullWidth(dsTop), ClientWidth);
    EXPECT_TRUE(toolbar->IsTruncated());
    EXPECT_TRUE(toolbar->TovBarControl::HasMark());
    EXPECT_EQ(uiWidthOfRect(toolbar->BoundsInDock()), ClientWidth)
        << "the last truncated bar runs to the end";
    const TRect client = toolbar->GetClientRect();
    const int markLeft = uiWidthOfRect(client) - toolbar->GetMarkSize();
    int placed = 0;
    for (int i = 0; i < toolbar->Links()->VisibleItemCount(); ++i) {
        const RECT r = toolbar->Links()->VisibleItems(i)->ItemRect;
        if (r.right <= r.left) continue;
        ++placed;
        EXPECT_LE(r.right, markLeft) << "no link reaches into the mark";
    }
    EXPECT_GT(placed, 0);
    EXPECT_LT(placed, 40);
}

TEST_F(ToolbarsTest, ShrinkingADockedToolbarWithRecentItemsHidesLinksFromTheEnd) {
    manager->SetStyle(bmsFlat);
    TStandInToolbar* toolbar = Toolbar(dsTop, {"One", "Two", "Three", "Four", "Five", "Six"});
    toolbar->SetPainter(painter.get());
    ASSERT_TRUE(toolbar->Links()->CanUseRecentItems());
    const int full = toolbar->GetFullWidth(dsTop);
    auto visibleCaptions = [&] {
        std::string result;
        for (int i = 0; i < toolbar->Links()->VisibleItemCount(); ++i)
            result += std::to_string(toolbar->Links()->IndexOf(toolbar->Links()->VisibleItems(i)));
        return result;
    };
    TSize size{};
    toolbar->CalcFloatingSize(dsTop, full, size);
    EXPECT_EQ(visibleCaptions(), "012345");
    toolbar->CalcFloatingSize(dsTop, full * 2 / 3, size);
    const std::string fewer = visibleCaptions();
    EXPECT_LT(fewer.size(), 6u);
    EXPECT_EQ(fewer, std::string("012345").substr(0, fewer.size())) << "the first links stay";
    toolbar->CalcFloatingSize(dsTop, full / 3, size);
    const std::string fewest = visibleCaptions();
    EXPECT_LT(fewest.size(), fewer.size());
    EXPECT_EQ(fewest, std::string("012345").substr(0, fewest.size()));
    EXPECT_LE(size.cx, std::max(full / 3, toolbar->MinimalWidth(dsTop)) + 1);
}
