// The geometry of a dock's rows, free of any window: the zones across the rows that decide where a
// dragged toolbar lands (its row, a new row between two, or a new first or last row), the snapping of the
// drag's start into those zones, and the layout of one row's toolbars along it (remembered places,
// squeezing with truncation, WholeRow, UseRestSpace and AutoAlignBars). Coordinates are the dock's client
// coordinates across (or along) the rows.
#pragma once

#include <functional>
#include <vector>

// The rows of a dock across its client area.
struct TovDockRowsGeometry {
    // A right or bottom dock: its zones are measured from its far edge.
    bool Far = false;
    // The client width (vertical docks) or height (horizontal ones).
    int ClientLength = 0;
    // The docking zone size of the drag loop.
    int ZoneSize = 23;
    // Each row's start and end across the dock.
    struct TSpan {
        int From, To;
    };
    std::vector<TSpan> Rows;

    int RowsSize() const;
};

namespace ovDockRows {

// The band where a drop makes a new row is this thick.
constexpr int NewRowBandSize = 5;

// ARow -1 is before the first row and ARow = row count after the last; APart 0 is the part before the
// new-row band, 1 the band, 2 the part after it.
void GetZoneBounds(const TovDockRowsGeometry& AGeometry, int ARow, int APart, int& AFrom, int& ATo);
// The row a reference point's coordinate across the rows lands in, and whether a new row is made there.
int RowIndexAtPoint(const TovDockRowsGeometry& AGeometry, int ACoordinate, bool& ANewRow);
// Moves ACoordinate into the middle of the range that keeps a toolbar in ARow (or makes the new row).
void SnapPoint(const TovDockRowsGeometry& AGeometry, int ARow, bool ANewRow, int& ACoordinate);

} // namespace ovDockRows

// One toolbar of a row as the row layout sees it; lengths and crosses include the toolbar's borders.
struct TovDockRowColumn {
    int Minimum = 0;
    int Maximum = 0;
    // The position along the row the column remembers (written back when a dragged neighbour pushes it).
    int Remembered = 0;
    // The cross size at full length.
    int FullCross = 0;
    bool MultiLine = false;
    bool WholeRow = false;
    bool UseRestSpace = false;
    // The toolbar being dragged.
    bool Dragged = false;

    int Left = 0;
    int Length = 0;
    int Cross = 0;
    bool Truncated = false;
};

namespace ovDockRows {

// The cross size of column AIndex laid out at ALength (borders included).
using TCrossForLength = std::function<int(int AIndex, int ALength)>;

// Lays out one row ASize long; returns the row's cross size, which every column takes.
int CalcRowLayout(std::vector<TovDockRowColumn>& AColumns, int ASize, bool AAutoAlign,
                  const TCrossForLength& ACrossForLength);

} // namespace ovDockRows
