#include "ui/bars/controls/DockRowLayout.h"

#include <algorithm>

int TovDockRowsGeometry::RowsSize() const {
    int size = 0;
    for (const TSpan& row : Rows)
        size += row.To - row.From;
    return size;
}

namespace ovDockRows {

void GetZoneBounds(const TovDockRowsGeometry& AGeometry, int ARow, int APart, int& AFrom, int& ATo) {
    const int zone = AGeometry.ZoneSize;
    const int rowsSize = AGeometry.RowsSize();
    const int rowCount = static_cast<int>(AGeometry.Rows.size());
    if (ARow < 0) {
        AFrom = AGeometry.Far ? AGeometry.ClientLength - rowsSize - zone : -zone;
        ATo = AFrom + zone;
    } else if (ARow >= rowCount) {
        AFrom = AGeometry.Far ? AGeometry.ClientLength : rowsSize;
        ATo = AFrom + zone;
    } else {
        AFrom = AGeometry.Rows[ARow].From;
        ATo = AGeometry.Rows[ARow].To;
    }
    const int band = AGeometry.Far ? ATo - (zone - NewRowBandSize) / 2 - NewRowBandSize
                                   : AFrom + (zone - NewRowBandSize) / 2;
    switch (APart) {
    case 0:
        ATo = band;
        break;
    case 1:
        AFrom = band;
        ATo = band + NewRowBandSize;
        break;
    default:
        AFrom = band + NewRowBandSize;
        break;
    }
}

int RowIndexAtPoint(const TovDockRowsGeometry& AGeometry, int ACoordinate, bool& ANewRow) {
    const int rowCount = static_cast<int>(AGeometry.Rows.size());
    ANewRow = true;
    if (rowCount == 0) return 0;
    int answer = -1;
    bool found = false;
    for (int row = -1; row <= rowCount && !found; ++row)
        for (int part = 0; part < 3; ++part) {
            int from = 0, to = 0;
            GetZoneBounds(AGeometry, row, part, from, to);
            if (ACoordinate < from || ACoordinate >= to) continue;
            answer = part == 0 ? row : row + 1;
            ANewRow = part == 1;
            found = true;
            break;
        }
    if (!found || answer < 0) {
        ANewRow = true;
        const int rowsEnd = AGeometry.Far ? AGeometry.ClientLength : AGeometry.RowsSize();
        return ACoordinate < rowsEnd ? 0 : rowCount;
    }
    if (answer >= rowCount) ANewRow = true;
    return answer;
}

void SnapPoint(const TovDockRowsGeometry& AGeometry, int ARow, bool ANewRow, int& ACoordinate) {
    const int rowCount = static_cast<int>(AGeometry.Rows.size());
    if (ANewRow && ARow >= rowCount) ANewRow = false;
    int low = 0, high = 0, dummy = 0;
    if (ANewRow) {
        GetZoneBounds(AGeometry, ARow - 1, 1, low, high);
    } else {
        GetZoneBounds(AGeometry, ARow - 1, 2, low, dummy);
        GetZoneBounds(AGeometry, ARow, 0, dummy, high);
        int edge = 0, rowEnd = 0;
        GetZoneBounds(AGeometry, ARow, 0, edge, rowEnd);
        const int below = edge - low, above = high - edge;
        if (below > above) low = edge - above;
    }
    ACoordinate = (low + high) / 2;
}

int CalcRowLayout(std::vector<TovDockRowColumn>& AColumns, int ASize, bool AAutoAlign,
                  const TCrossForLength& ACrossForLength) {
    const int count = static_cast<int>(AColumns.size());
    if (count == 0) return 0;
    int total = 0;
    for (TovDockRowColumn& column : AColumns) {
        column.Truncated = false;
        total += column.Maximum;
    }
    auto crossAt = [&](int AIndex, int ALength) {
        const TovDockRowColumn& column = AColumns[AIndex];
        return ALength < column.Maximum || column.MultiLine ? ACrossForLength(AIndex, ALength)
                                                            : column.FullCross;
    };
    std::vector<int> minBefore(count, 0), maxBefore(count, 0);
    for (int i = 1; i < count; ++i) {
        minBefore[i] = minBefore[i - 1] + AColumns[i - 1].Minimum;
        maxBefore[i] = maxBefore[i - 1] + AColumns[i - 1].Maximum;
    }
    if (AColumns.front().WholeRow) {
        // A WholeRow toolbar has the row to itself.
        TovDockRowColumn& column = AColumns.front();
        column.Left = 0;
        column.Length = std::max(ASize, column.Minimum);
        column.Cross = ACrossForLength(0, column.Length);
        column.Truncated = !column.MultiLine && column.Length < column.Maximum;
        for (int i = 1; i < count; ++i)
            AColumns[i].Length = 0;
    } else if (ASize < total) {
        int edge = ASize;
        for (int i = count - 1; i >= 0; --i) {
            TovDockRowColumn& column = AColumns[i];
            int position = std::clamp(column.Remembered, minBefore[i], std::max(minBefore[i], maxBefore[i]));
            if (i > 0 && AColumns[i - 1].Dragged) {
                // The dragged toolbar pushes its neighbour only as far as it needs.
                const TovDockRowColumn& dragged = AColumns[i - 1];
                const int pushed = std::max(dragged.Remembered, minBefore[i - 1]) + dragged.Maximum;
                if (pushed < position) position = pushed;
                column.Remembered = position;
            }
            int length = column.Maximum;
            if (edge - position < column.Maximum) length = std::max(edge - position, column.Minimum);
            if (i == 0 && length < edge) length = edge;
            column.Truncated =
                !column.MultiLine && column.Minimum != column.Maximum && length < column.Maximum;
            column.Length = length;
            column.Left = std::min(std::max(edge - length, minBefore[i]), maxBefore[i]);
            column.Cross = crossAt(i, length);
            edge -= length;
        }
    } else {
        int edge = ASize;
        for (int i = count - 1; i >= 0; --i) {
            TovDockRowColumn& column = AColumns[i];
            column.Length = column.Maximum;
            column.Cross = column.MultiLine ? ACrossForLength(i, column.Length) : column.FullCross;
            int position = column.Remembered;
            if (position + column.Length > edge) position = edge - column.Length;
            column.Left = std::max(position, maxBefore[i]);
            edge = column.Left;
        }
    }
    if (!AColumns.front().WholeRow)
        for (int i = 0; i < count; ++i) {
            TovDockRowColumn& column = AColumns[i];
            if (!column.UseRestSpace && !AAutoAlign) continue;
            column.Left = i == 0 ? 0 : AColumns[i - 1].Left + AColumns[i - 1].Length;
            if (column.UseRestSpace) {
                const int end = i + 1 < count ? AColumns[i + 1].Left : ASize;
                column.Length = std::max(end - column.Left, column.Minimum);
            }
        }
    TovDockRowColumn& last = AColumns.back();
    if (last.Truncated) last.Length = std::max(ASize - last.Left, last.Minimum);
    int rowCross = 0;
    for (const TovDockRowColumn& column : AColumns)
        rowCross = std::max(rowCross, column.Cross);
    for (TovDockRowColumn& column : AColumns)
        column.Cross = rowCross;
    return rowCross;
}

} // namespace ovDockRows
