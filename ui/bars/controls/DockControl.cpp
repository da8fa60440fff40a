#include "ui/bars/controls/DockControl.h"

#include "platform/vcl/Bitmap.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockRowLayout.h"
#include "ui/bars/controls/DockedControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>

namespace {

// A cached background is emptied, not freed: painters test it for emptiness.
void ForgetCachedBackgroundOf(TBitmap* ABitmap) {
    if (ABitmap != nullptr) ABitmap->SetSize(0, 0);
}

} // namespace

TovDockControl::TovDockControl(TovBarManager* AManager, TovBarDockingStyle AStyle, bool ABuiltIn)
    : FManager(AManager), FDockingStyle(AStyle == dsNone ? dsTop : AStyle), FBuiltIn(ABuiltIn) {}

TovDockControl::~TovDockControl() {
    // The toolbar windows still docked here forget their dock.
    for (const auto& row : FRows)
        for (int i = 0; i < row->GetColCount(); ++i)
            if (TovBarControl* control = row->GetCol(i)->BarControl(); control->GetDockControl() == this)
                control->SetDockControl(nullptr);
    while (!FRows.empty())
        FRows.pop_back();
    DestroyHandle();
}

void TovDockControl::SetBounds(const TRect& R) {
    if (R == FBounds) return;
    const TRect old = FBounds;
    FBounds = R;
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, nullptr, R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    if (uiWidthOfRect(old) != uiWidthOfRect(R) || uiHeightOfRect(old) != uiHeightOfRect(R))
        ForgetCachedBackgroundOf(FCachedBackground.get());
    const bool lengthChanged =
        IsHorizontal() ? uiWidthOfRect(old) != uiWidthOfRect(R) : uiHeightOfRect(old) != uiHeightOfRect(R);
    if (lengthChanged) ArrangeRows();
}

TovBarPainter* TovDockControl::GetPainter() const {
    return FManager != nullptr ? FManager->DefaultPainter() : nullptr;
}

bool TovDockControl::IsDesigning() const {
    return FManager != nullptr && FManager->IsDesigning();
}

TColor TovDockControl::Color() const {
    return FManager != nullptr ? FManager->DockColor() : clBtnFace;
}

void TovDockControl::FillBackground(HDC ADC, const TRect& ADestRect, const TRect& AOrigin) {
    if (TovBarPainter* painter = GetPainter())
        painter->DockControlFillBackground(this, ADC, ADestRect, AOrigin, Color(), nullptr);
}

// ---- Place

TRect TovDockControl::GetClientRect() const {
    const int inset = SunkenBorderInEffect() ? 1 : 0;
    return TRect{0, 0, std::max(uiWidthOfRect(FBounds) - 2 * inset, 0),
                 std::max(uiHeightOfRect(FBounds) - 2 * inset, 0)};
}

TPoint TovDockControl::ClientToScreen(const TPoint& P) const {
    if (FHandle != nullptr) {
        POINT p{P.x, P.y};
        ::ClientToScreen(FHandle, &p);
        return TPoint{p.x, p.y};
    }
    const int inset = SunkenBorderInEffect() ? 1 : 0;
    return TPoint{P.x + FParentOrigin.x + FBounds.left + inset, P.y + FParentOrigin.y + FBounds.top + inset};
}

TPoint TovDockControl::ScreenToClient(const TPoint& P) const {
    const TPoint origin = ClientToScreen(TPoint{0, 0});
    return TPoint{P.x - origin.x, P.y - origin.y};
}

RECT TovDockControl::ScreenBounds() const {
    if (FHandle != nullptr) {
        RECT r{};
        ::GetWindowRect(FHandle, &r);
        return r;
    }
    return RECT{FParentOrigin.x + FBounds.left, FParentOrigin.y + FBounds.top,
                FParentOrigin.x + FBounds.right, FParentOrigin.y + FBounds.bottom};
}

// ---- Rows as the model sees them

void TovDockControl::AddRow() {
    InsertRow(DockRowCount());
}

TovDockRow* TovDockControl::RowAt(int AIndex) const {
    return AIndex >= 0 && AIndex < DockRowCount() ? FRows[AIndex].get() : nullptr;
}

int TovDockControl::IndexOfRow(const TovDockRow* ARow) const {
    for (int i = 0; i < DockRowCount(); ++i)
        if (FRows[i].get() == ARow) return i;
    return -1;
}

TovDockRow* TovDockControl::InsertRow(int AIndex) {
    AIndex = std::clamp(AIndex, 0, DockRowCount());
    FRows.insert(FRows.begin() + AIndex, std::make_unique<TovDockRow>(this));
    return FRows[AIndex].get();
}

void TovDockControl::FreeRow(TovDockRow* ARow) {
    const int index = IndexOfRow(ARow);
    if (index < 0) return;
    std::unique_ptr<TovDockRow> row = std::move(FRows[index]);
    FRows.erase(FRows.begin() + index);
}

int TovDockControl::RowOf(const TovBar* ABar) const {
    for (int i = 0; i < DockRowCount(); ++i)
        if (FRows[i]->ContainsBar(ABar)) return i;
    return -1;
}

int TovDockControl::RowIndexOfControl(const TovBarControl* AControl) const {
    for (int i = 0; i < DockRowCount(); ++i)
        if (FRows[i]->ColIndexOf(AControl) >= 0) return i;
    return -1;
}

void TovDockControl::PutInRow(TovBar* ABar, int ARow) {
    for (const auto& row : FRows)
        row->RemoveBar(ABar, false);
    if (TovDockRow* row = RowAt(ARow)) row->AddBar(ABar);
}

void TovDockControl::RemoveBar(TovBar* ABar) {
    for (int i = DockRowCount() - 1; i >= 0; --i)
        FRows[i]->RemoveBar(ABar, false);
}

void TovDockControl::DropEmptyRows() {
    for (int i = DockRowCount() - 1; i >= 0; --i)
        if (FRows[i]->BarCount() == 0 && FRows[i]->GetColCount() == 0) FRows.erase(FRows.begin() + i);
}

// ---- Docking windows

void TovDockControl::DockBarControl(TovBarControl* ABarControl, TPoint P, bool ARealign) {
    if (FManager == nullptr || ABarControl == nullptr) return;
    TovBar* bar = ABarControl->Bar();
    for (const auto& each : FRows)
        each->RemoveColOf(ABarControl);
    TovDockCol* column = nullptr;
    if (ABarControl->IsInternalUpdating() && bar != nullptr) {
        // A window made again from the model goes back to the row its bar keeps.
        const int kept = std::max(bar->Row(), 0);
        TovDockRow* existing = RowAt(kept);
        if (existing != nullptr &&
            (existing->ContainsBar(bar) || existing->GetColCount() == 0 || !bar->OneOnRow()))
            column = existing->InsertCol(ColumnIndexAtPoint(kept, ClientToScreen(P)), ABarControl);
        else
            column = InsertRow(std::min(kept, DockRowCount()))->AddCol(ABarControl);
    } else {
        bool newRow = true;
        int row = RowIndexAtPoint(ClientToScreen(P), newRow);
        if (bar != nullptr && bar->WholeRow()) newRow = true;
        row = std::clamp(row, 0, std::max(newRow ? DockRowCount() : DockRowCount() - 1, 0));
        if (!newRow) {
            TovDockRow* existing = RowAt(row);
            bool refused = existing == nullptr;
            for (int i = 0; existing != nullptr && i < existing->GetColCount(); ++i) {
                TovBarControl* other = existing->GetCol(i)->BarControl();
                if (other != ABarControl && other->Bar() != nullptr && other->Bar()->WholeRow())
                    refused = true;
            }
            if (refused) newRow = true;
        }
        if (newRow)
            column = InsertRow(row)->AddCol(ABarControl);
        else
            column = RowAt(row)->InsertCol(ColumnIndexAtPoint(row, ClientToScreen(P)), ABarControl);
    }
    // The bar belongs to the row of its window only.
    if (bar != nullptr)
        for (const auto& each : FRows)
            if (each.get() != column->Row()) each->RemoveBar(bar, false);
    // Rows a stored layout made ahead for bars still to come stay while bars load.
    if (!FManager->IsLoadingBars()) DropEmptyRows();
    ABarControl->SetDockControl(this);
    if (IsHorizontal())
        P.x = std::max(P.x, 0);
    else
        P.y = std::max(P.y, 0);
    column->Pos = P;
    if (ARealign) {
        const TRect bounds = ABarControl->BoundsInDock();
        ABarControl->SetBoundsInDock(
            TRect{P.x, P.y, P.x + uiWidthOfRect(bounds), P.y + uiHeightOfRect(bounds)});
        UpdateDock();
        column->StorePosition();
    }
}

void TovDockControl::UndockBarControl(TovBarControl* ABarControl, bool ARealign) {
    for (int i = DockRowCount() - 1; i >= 0; --i) {
        TovDockRow* row = FRows[i].get();
        if (row->ColIndexOf(ABarControl) < 0) continue;
        row->RemoveColOf(ABarControl);
        if (ABarControl->Bar() != nullptr) row->RemoveBar(ABarControl->Bar(), false);
        if (row->GetColCount() == 0 && row->BarCount() == 0) FRows.erase(FRows.begin() + i);
    }
    if (ABarControl->GetDockControl() == this) ABarControl->SetDockControl(nullptr);
    if (ARealign) UpdateDock();
}

void TovDockControl::MoveBarControl(TovBarControl* ABarControl, TPoint P) {
    UndockBarControl(ABarControl, false);
    DockBarControl(ABarControl, P, true);
}

void TovDockControl::SaveColumnPositions() {
    for (const auto& row : FRows)
        for (int i = 0; i < row->GetColCount(); ++i)
            row->GetCol(i)->StorePosition();
}

// ---- Zones

TovDockRowsGeometry TovDockControl::RowsGeometry() const {
    TovDockRowsGeometry geometry;
    geometry.Far = FDockingStyle == dsRight || FDockingStyle == dsBottom;
    const TRect client = GetClientRect();
    geometry.ClientLength = IsHorizontal() ? uiHeightOfRect(client) : uiWidthOfRect(client);
    geometry.ZoneSize = TovBars::DockingZoneSize;
    for (int i = 0; i < DockRowCount(); ++i) {
        const TRect r = GetRowRect(i);
        geometry.Rows.push_back(IsHorizontal() ? TovDockRowsGeometry::TSpan{r.top, r.bottom}
                                               : TovDockRowsGeometry::TSpan{r.left, r.right});
    }
    return geometry;
}

void TovDockControl::GetZoneBounds(int ARow, int APart, int& AFrom, int& ATo) const {
    ovDockRows::GetZoneBounds(RowsGeometry(), ARow, APart, AFrom, ATo);
}

int TovDockControl::RowIndexAtPoint(TPoint P, bool& ANewRow) const {
    const TPoint client = ScreenToClient(P);
    return ovDockRows::RowIndexAtPoint(RowsGeometry(), IsHorizontal() ? client.y : client.x, ANewRow);
}

int TovDockControl::ColumnIndexAtPoint(int ARow, TPoint P) const {
    TovDockRow* row = RowAt(ARow);
    if (row == nullptr || row->GetColCount() == 0) return 0;
    const TPoint client = ScreenToClient(P);
    for (int i = 0; i < row->GetColCount(); ++i) {
        const TRect bounds = row->GetCol(i)->BarControl()->BoundsInDock();
        if (IsVertical() ? bounds.top >= client.y : bounds.left >= client.x) return i;
    }
    return row->GetColCount();
}

void TovDockControl::SnapPoint(int ARow, bool ANewRow, TPoint& P) const {
    int coordinate = IsHorizontal() ? P.y : P.x;
    ovDockRows::SnapPoint(RowsGeometry(), ARow, ANewRow, coordinate);
    (IsHorizontal() ? P.y : P.x) = coordinate;
}

// ---- Layout and size

int TovDockControl::RowExtent(int ARow) const {
    TovDockRow* row = RowAt(ARow);
    if (row == nullptr || !row->HasDockedWindow()) return 0;
    int extent = 0;
    for (int i = 0; i < row->GetColCount(); ++i) {
        const TRect bounds = row->GetCol(i)->BarControl()->BoundsInDock();
        extent = std::max(extent, IsHorizontal() ? uiHeightOfRect(bounds) : uiWidthOfRect(bounds));
    }
    if (ARow < DockRowCount() - 1) extent += RowSpacing();
    return extent;
}

TRect TovDockControl::GetRowRect(int ARow) const {
    if (ARow < 0 || ARow >= DockRowCount()) return TRect{0, 0, 0, 0};
    int start = 0;
    for (int i = 0; i < ARow; ++i)
        start += RowExtent(i);
    const int extent = RowExtent(ARow);
    const TRect client = GetClientRect();
    return IsHorizontal() ? TRect{0, start, uiWidthOfRect(client), start + extent}
                          : TRect{start, 0, start + extent, uiHeightOfRect(client)};
}

int TovDockControl::GetRowsSize() const {
    int size = 0;
    for (int i = 0; i < DockRowCount(); ++i)
        size += RowExtent(i);
    return size;
}

bool TovDockControl::SunkenBorderInEffect() const {
    return FManager != nullptr && FManager->SunkenBorder();
}

void TovDockControl::CalcRowLayout(int ARowIndex, int ASize) {
    TovDockRow* row = RowAt(ARowIndex);
    if (row == nullptr || row->GetColCount() == 0) return;
    const bool horizontal = IsHorizontal();
    const TovBarDockingStyle style = FDockingStyle;
    std::vector<TovDockRowColumn> columns;
    for (int i = 0; i < row->GetColCount(); ++i) {
        TovBarControl* control = row->GetCol(i)->BarControl();
        TovBar* bar = control->Bar();
        control->SetTruncated(false);
        const int alongBorder =
            horizontal ? control->GetHorzBorderSize(style) : control->GetVertBorderSize(style);
        const int crossBorder =
            horizontal ? control->GetVertBorderSize(style) : control->GetHorzBorderSize(style);
        TovDockRowColumn column;
        column.Minimum =
            (horizontal ? control->MinimalWidth(style) : control->GetMinHeight(style)) + alongBorder;
        column.Maximum =
            (horizontal ? control->GetFullWidth(style) : control->GetFullHeight(style)) + alongBorder;
        // Truncation brings the mark: the minimum keeps room for it.
        if (!control->HasMark() && column.Minimum != column.Maximum && bar != nullptr && bar->ShowMark())
            if (TovBarPainter* painter = control->GetPainter()) column.Minimum += painter->BarMarkSize();
        column.FullCross =
            (horizontal ? control->GetFullHeight(style) : control->GetFullWidth(style)) + crossBorder;
        const TPoint pos = row->GetCol(i)->Pos;
        column.Remembered = horizontal ? pos.x : pos.y;
        column.MultiLine = control->IsMultiLine();
        column.WholeRow = bar != nullptr && bar->WholeRow();
        column.UseRestSpace = bar != nullptr && bar->UseRestSpace();
        column.Dragged = FManager->Bars()->Moving() && bar != nullptr && bar->GetControl() == control;
        control->MinSize = column.Minimum;
        control->MaxSize = column.Maximum;
        columns.push_back(column);
    }
    auto crossFor = [&](int AIndex, int ALength) {
        TovBarControl* control = row->GetCol(AIndex)->BarControl();
        const int alongBorder =
            horizontal ? control->GetHorzBorderSize(style) : control->GetVertBorderSize(style);
        const int crossBorder =
            horizontal ? control->GetVertBorderSize(style) : control->GetHorzBorderSize(style);
        TSize size{};
        if (horizontal)
            control->CalcFloatingSize(style, ALength - alongBorder, size);
        else
            control->CalcFloatingSizeByHeight(style, ALength - alongBorder, size);
        return (horizontal ? size.cy : size.cx) + crossBorder;
    };
    const bool autoAlign = FManager->AutoAlignBars();
    ovDockRows::CalcRowLayout(columns, ASize, autoAlign, crossFor);
    const TRect rowRect = GetRowRect(ARowIndex);
    const int rowStart = horizontal ? rowRect.top : rowRect.left;
    for (int i = 0; i < row->GetColCount(); ++i) {
        TovDockCol* col = row->GetCol(i);
        TovBarControl* control = col->BarControl();
        const TovDockRowColumn& column = columns[i];
        if (column.Dragged || (i > 0 && columns[i - 1].Dragged))
            (horizontal ? col->Pos.x : col->Pos.y) = column.Remembered;
        control->SetTruncated(column.Truncated);
        // The length once more, so the links that fit are the ones shown.
        crossFor(i, column.Length);
        const TRect bounds =
            horizontal ? TRect{column.Left, rowStart, column.Left + column.Length, rowStart + column.Cross}
                       : TRect{rowStart, column.Left, rowStart + column.Cross, column.Left + column.Length};
        if (bounds != control->BoundsInDock()) control->SetBoundsInDock(bounds);
        if (control->HandleAllocated() && control->BoundsRect() != bounds) {
            control->SetBounds(bounds);
        } else if (!control->HandleAllocated()) {
            const int horz = control->GetHorzBorderSize(style), vert = control->GetVertBorderSize(style);
            control->SetClientRect(TRect{0, 0, std::max(uiWidthOfRect(bounds) - horz, 0),
                                         std::max(uiHeightOfRect(bounds) - vert, 0)});
        }
        // The links are placed, and the view info that paints them taken, for the new bounds.
        control->CalcLayout();
        // A toolbar without a window of its own is placed here directly.
        if (!control->HasOwnFrame()) control->CalcBarLayout();
        control->RecalcViewInfo();
        control->Repaint();
        control->SavePosition();
    }
}

std::vector<TovDockRowInfo> TovDockControl::RowInfos() const {
    std::vector<TovDockRowInfo> infos;
    for (int i = 0; i < DockRowCount(); ++i) {
        TovDockRowInfo info{GetRowRect(i), {}};
        for (int j = 0; j < FRows[i]->BarCount(); ++j)
            info.Bars.push_back(FRows[i]->Bars(j));
        infos.push_back(std::move(info));
    }
    return infos;
}

TBitmap* TovDockControl::CachedBackground() {
    if (!FCachedBackground) FCachedBackground = std::make_unique<TBitmap>();
    return FCachedBackground.get();
}

void TovDockControl::RealignRows() {
    ForgetCachedBackgroundOf(FCachedBackground.get());
    const TRect client = GetClientRect();
    for (int i = 0; i < DockRowCount(); ++i)
        if (FRows[i]->GetColCount() > 0)
            CalcRowLayout(i, IsHorizontal() ? uiWidthOfRect(client) : uiHeightOfRect(client));
}

void TovDockControl::ArrangeRows() {
    if (FRows.empty() || FManager == nullptr || FManager->IsLoadingBars()) return;
    RealignRows();
}

void TovDockControl::UpdateDock() {
    if (FManager == nullptr || FManager->IsUpdateLocked() || FUpdatingDock) return;
    FUpdatingDock = true;
    ArrangeRows();
    UpdateDockSize();
    FUpdatingDock = false;
}

void TovDockControl::UpdateDockSize() {
    int size = GetRowsSize();
    if (size > 0 && SunkenBorderInEffect()) size += 2;
    if (size == 0) size = GetEmptySize();
    TRect bounds = FBounds;
    switch (FDockingStyle) {
    case dsLeft:
        bounds.right = bounds.left + size;
        break;
    case dsRight:
        // A right dock keeps its right edge and grows to the left.
        bounds.left = bounds.right - size;
        break;
    case dsBottom:
        bounds.top = bounds.bottom - size;
        break;
    default:
        bounds.bottom = bounds.top + size;
        break;
    }
    const bool changed = bounds != FBounds;
    FBounds = bounds;
    if (!changed) return;
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, nullptr, bounds.left, bounds.top, uiWidthOfRect(bounds),
                       uiHeightOfRect(bounds), SWP_NOZORDER | SWP_NOACTIVATE);
    if (FVisible) CloseMenusOfToolbars();
    if (FBuiltIn) ovArrangeBuiltInDocks(FManager);
}

void TovDockControl::CloseMenusOfToolbars() {
    // A dock that changes size moves its toolbars: a menu one of them opened would stand detached.
    for (const auto& row : FRows)
        for (int i = 0; i < row->GetColCount(); ++i) {
            TovBarControl* control = row->GetCol(i)->BarControl();
            if (!control->IsActive() && control->ChildBar() == nullptr) continue;
            if (control->Handle() != nullptr && GetCapture() == control->Handle()) continue;
            control->CloseUp(bcrOther);
            return;
        }
}

// ---- The dock a user places

namespace {

TovBarDockingStyle StyleOfAlign(TovBarDockAlign AAlign) {
    switch (AAlign) {
    case dalBottom:
        return dsBottom;
    case dalLeft:
        return dsLeft;
    case dalRight:
        return dsRight;
    default:
        return dsTop;
    }
}

} // namespace

TovBarDockControl::TovBarDockControl(TovBarManager* AManager, TovBarDockAlign AAlign)
    : TovDockControl(AManager, StyleOfAlign(AAlign), false) {}

int TovBarDockControl::GetEmptySize() const {
    return IsDesigning() && !AllowZeroSizeInDesignTime ? 3 : 0;
}

bool TovBarDockControl::SunkenBorderInEffect() const {
    return UseOwnSunkenBorder ? SunkenBorder : TovDockControl::SunkenBorderInEffect();
}
