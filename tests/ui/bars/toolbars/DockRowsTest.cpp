#include "ToolbarsTestSupport.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockRowLayout.h"
#include "ui/bars/controls/DockedControl.h"
#include "ui/core/base/Geometry.h"

using namespace bars_test;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

TEST(DockRows, AReferencePointJoinsARowOrMakesANewOne) {
    // Two rows of 26 pixels; the new-row band lies 9 to 13 pixels into each row (near docks) or before
    // the last 9 pixels (far docks).
    TovDockRowsGeometry geometry;
    geometry.ClientLength = 52;
    geometry.Rows = {{0, 26}, {26, 52}};
    struct TCase {
        bool Far;
        int Coordinate;
        int Row;
        bool NewRow;
    };
    const TCase cases[] = {
        {false, 0, 0, false},  {false, 8, 0, false},  {false, 9, 1, true},   {false, 13, 1, true},
        {false, 14, 1, false}, {false, 34, 1, false}, {false, 35, 2, true},  {false, 39, 2, true},
        {false, 40, 2, true},  {false, -1, 0, false}, {false, -9, 0, false}, {false, -10, 0, true},
        {false, -14, 0, true}, {false, -15, 0, true}, {false, -40, 0, true}, {false, 100, 2, true},
        {true, 30, 1, false},  {true, 37, 1, false},  {true, 38, 2, true},   {true, 42, 2, true},
        {true, 43, 2, true},   {true, 12, 1, true},   {true, 11, 0, false},  {true, -40, 0, true},
    };
    for (const TCase& c : cases) {
        geometry.Far = c.Far;
        bool newRow = false;
        EXPECT_EQ(ovDockRows::RowIndexAtPoint(geometry, c.Coordinate, newRow), c.Row)
            << (c.Far ? "far " : "near ") << c.Coordinate;
        EXPECT_EQ(newRow, c.NewRow) << (c.Far ? "far " : "near ") << c.Coordinate;
    }
    bool newRow = false;
    EXPECT_EQ(ovDockRows::RowIndexAtPoint(TovDockRowsGeometry{}, 5, newRow), 0);
    EXPECT_TRUE(newRow) << "an empty dock makes its first row";
}

TEST(DockRows, SnappingKeepsTheDragInsideItsRow) {
    TovDockRowsGeometry geometry;
    geometry.ClientLength = 52;
    geometry.Rows = {{0, 26}, {26, 52}};
    struct TCase {
        int Row;
        bool NewRow;
        int Snapped;
    };
    const TCase cases[] = {{0, false, 0}, {1, false, 26}, {1, true, 11}, {2, true, 52}, {0, true, -11}};
    for (const TCase& c : cases) {
        int coordinate = 1000;
        ovDockRows::SnapPoint(geometry, c.Row, c.NewRow, coordinate);
        EXPECT_EQ(coordinate, c.Snapped) << c.Row << (c.NewRow ? " new" : "");
        bool newRow = false;
        const int row = ovDockRows::RowIndexAtPoint(geometry, coordinate, newRow);
        EXPECT_EQ(row, c.Row == 2 ? 2 : c.Row) << "the snapped point lands where it was snapped for";
        EXPECT_EQ(newRow, c.NewRow || c.Row == 2);
    }
}

namespace {

TovDockRowColumn Column(int AMinimum, int AMaximum, int ARemembered) {
    TovDockRowColumn column;
    column.Minimum = AMinimum;
    column.Maximum = AMaximum;
    column.Remembered = ARemembered;
    column.FullCross = 26;
    return column;
}

// Shorter toolbars wrap nothing here: a single line is 26 high at any length.
int Cross(int, int) {
    return 26;
}

} // namespace

TEST(DockRows, TwoToolbarsWiderThanTheDockAreSqueezed) {
    struct TCase {
        const char* Name;
        int SecondRemembered;
        int FirstLeft, FirstLength;
        bool FirstTruncated;
        int SecondLeft, SecondLength;
        bool SecondTruncated;
    };
    // Both are 200 long at full length and 30 at least, in a row of 300.
    const TCase cases[] = {
        {"the second remembers a place past the first's full length: it is cut", 250, 0, 200, false, 200, 100,
         true},
        {"the second remembers 100: the first gets what is left of it", 100, 0, 100, true, 100, 200, false},
        {"the second remembers 0: the first keeps its minimum", 0, 0, 100, true, 100, 200, false},
    };
    for (const TCase& c : cases) {
        std::vector<TovDockRowColumn> columns{Column(30, 200, 0), Column(30, 200, c.SecondRemembered)};
        EXPECT_EQ(ovDockRows::CalcRowLayout(columns, 300, false, Cross), 26);
        EXPECT_EQ(columns[0].Left, c.FirstLeft) << c.Name;
        EXPECT_EQ(columns[0].Length, c.FirstLength) << c.Name;
        EXPECT_EQ(columns[0].Truncated, c.FirstTruncated) << c.Name;
        EXPECT_EQ(columns[1].Left, c.SecondLeft) << c.Name;
        EXPECT_EQ(columns[1].Length, c.SecondLength) << c.Name;
        EXPECT_EQ(columns[1].Truncated, c.SecondTruncated) << c.Name;
    }
    // A dragged toolbar pushes its neighbour only as far as it needs: to its own end, 30 + 100.
    std::vector<TovDockRowColumn> dragged{Column(30, 100, 0), Column(30, 100, 20), Column(30, 100, 250)};
    dragged[1].Dragged = true;
    ovDockRows::CalcRowLayout(dragged, 250, false, Cross);
    EXPECT_EQ(dragged[2].Remembered, 130);
    EXPECT_EQ(dragged[2].Left, 150);
}

TEST(DockRows, AutoAlignPacksTheBarsAndUseRestSpaceFillsTheRow) {
    std::vector<TovDockRowColumn> kept{Column(30, 100, 50), Column(30, 100, 300)};
    ovDockRows::CalcRowLayout(kept, 600, false, Cross);
    EXPECT_EQ(kept[0].Left, 50) << "without AutoAlignBars bars keep their places";
    EXPECT_EQ(kept[1].Left, 300);
    std::vector<TovDockRowColumn> packed{Column(30, 100, 50), Column(30, 100, 300)};
    ovDockRows::CalcRowLayout(packed, 600, true, Cross);
    EXPECT_EQ(packed[0].Left, 0);
    EXPECT_EQ(packed[1].Left, 100);
    std::vector<TovDockRowColumn> rest{Column(30, 100, 0), Column(30, 100, 300)};
    rest[0].UseRestSpace = true;
    ovDockRows::CalcRowLayout(rest, 600, false, Cross);
    EXPECT_EQ(rest[0].Length, 300) << "up to the next bar";
    std::vector<TovDockRowColumn> overflow{Column(30, 100, 550)};
    ovDockRows::CalcRowLayout(overflow, 600, false, Cross);
    EXPECT_EQ(overflow[0].Left, 500) << "a bar past the end is pushed back in";
}

// ---- Dock controls

TEST_F(ToolbarsTest, DroppingIntoARowOrBetweenRows) {
    TovDockControl* dock = Dock(dsTop);
    TStandInToolbar* first = Toolbar(dsTop, {"A", "B"});
    dock->DockBarControl(first, TPoint{0, 0}, true);
    ASSERT_EQ(dock->DockRowCount(), 1);
    const int rowHeight = uiHeightOfRect(dock->GetRowRect(0));
    ASSERT_GT(rowHeight, 14);
    struct TCase {
        int Into;
        int Rows;
    };
    for (const TCase& c : {TCase{0, 1}, TCase{8, 1}, TCase{9, 2}, TCase{13, 2}}) {
        TStandInToolbar* other = Toolbar(dsTop, {"C"});
        dock->DockBarControl(other, TPoint{300, c.Into}, true);
        EXPECT_EQ(dock->DockRowCount(), c.Rows) << c.Into << " pixels into the row";
        EXPECT_EQ(dock->RowIndexOfControl(other), c.Rows - 1);
        EXPECT_EQ(other->Bar()->OneOnRow(), c.Rows == 2);
        EXPECT_EQ(first->Bar()->OneOnRow(), c.Rows == 2) << "sharing the row, neither is alone";
        dock->UndockBarControl(other, true);
        EXPECT_TRUE(first->Bar()->OneOnRow()) << "alone again";
    }
}

TEST_F(ToolbarsTest, AWholeRowToolbarNeverSharesItsRow) {
    TovDockControl* dock = Dock(dsTop);
    TStandInToolbar* whole = Toolbar(dsTop, {"Status"});
    whole->Bar()->SetWholeRow(true);
    dock->DockBarControl(whole, TPoint{0, 0}, true);
    TStandInToolbar* other = Toolbar(dsTop, {"A"});
    dock->DockBarControl(other, TPoint{100, 2}, true);
    EXPECT_EQ(dock->DockRowCount(), 2) << "dropping into its row makes a new row";
    TStandInToolbar* third = Toolbar(dsTop, {"B"});
    third->Bar()->SetWholeRow(true);
    dock->DockBarControl(third, TPoint{300, dock->GetRowRect(1).top + 2}, true);
    EXPECT_EQ(dock->DockRowCount(), 3) << "a WholeRow toolbar takes a row of its own";
}

TEST_F(ToolbarsTest, EmptyDocksAndHowDocksGrow) {
    TovBarDockControl placed(manager, dalTop);
    placed.UpdateDockSize();
    EXPECT_EQ(uiHeightOfRect(placed.Bounds()), 0) << "empty at run time";
    manager->SetDesigning(true);
    placed.UpdateDockSize();
    EXPECT_EQ(uiHeightOfRect(placed.Bounds()), 3) << "visible at design time";
    placed.AllowZeroSizeInDesignTime = true;
    placed.UpdateDockSize();
    EXPECT_EQ(uiHeightOfRect(placed.Bounds()), 0);
    manager->SetDesigning(false);

    TovDockControl* right = Dock(dsRight);
    TStandInToolbar* toolbar = Toolbar(dsRight, {"A", "B"});
    right->DockBarControl(toolbar, TPoint{0, 0}, true);
    EXPECT_EQ(right->Bounds().right, ClientWidth) << "a right dock keeps its right edge";
    EXPECT_EQ(uiWidthOfRect(right->Bounds()), uiWidthOfRect(toolbar->BoundsInDock()));
    EXPECT_GT(uiWidthOfRect(right->Bounds()), 0);

    TovDockControl* bottom = Dock(dsBottom);
    bottom->DockBarControl(Toolbar(dsBottom, {"A"}), TPoint{0, 0}, true);
    const int rows = bottom->GetRowsSize();
    EXPECT_EQ(bottom->Bounds().bottom, ClientHeight);
    EXPECT_EQ(uiHeightOfRect(bottom->Bounds()), rows);
    manager->SetSunkenBorder(true);
    bottom->UpdateDock();
    EXPECT_EQ(uiHeightOfRect(bottom->Bounds()), rows + 2) << "the sunken border adds a pixel on each side";
    EXPECT_EQ(uiHeightOfRect(bottom->GetClientRect()), rows);
}

TEST_F(ToolbarsTest, ResizingADockClosesAMenuOfItsToolbars) {
    TovDockControl* dock = Dock(dsTop);
    TStandInToolbar* toolbar = Toolbar(dsTop, {"File", "Edit"});
    dock->DockBarControl(toolbar, TPoint{0, 0}, true);
    TStandInMenu* menu = Menu();
    menu->SetParentBarControl(toolbar);
    toolbar->SetActive(true);
    dock->UpdateDock();
    EXPECT_EQ(menu->CloseUpReason(), bcrNone) << "the same size closes nothing";
    dock->DockBarControl(Toolbar(dsTop, {"Second row"}), TPoint{0, 40}, true);
    EXPECT_EQ(dock->DockRowCount(), 2);
    EXPECT_EQ(menu->CloseUpReason(), bcrOther) << "the dock grew: the open menu closes";
}
