// The sizes of a toolbar window for each docking style and the placing of its links' controls: single
// lines that truncate behind the mark, wrapped rows that keep begin-group runs together, vertical
// toolbars measured with their axes exchanged, and the separators between groups.
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/controls/ToolbarSizing.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>

namespace {

// The floating caption keeps room for its buttons and a readable piece of the caption.
constexpr int kMinFloatingWidth = 51;

bool IsVerticalStyle(TovBarDockingStyle AStyle) {
    return AStyle == dsLeft || AStyle == dsRight;
}

bool IsHorizontalStyle(TovBarDockingStyle AStyle) {
    return AStyle == dsTop || AStyle == dsBottom;
}

// Sets the links' recent count while it lives and puts the previous count back.
class TRecentCountScope {
public:
    TRecentCountScope(TovBarItemLinks* ALinks, int ACount)
        : FLinks(ALinks), FSaved(ALinks != nullptr ? ALinks->RecentItemCount() : -1) {
        if (FLinks != nullptr && FLinks->RecentItemCount() != ACount) FLinks->SetRecentItemCount(ACount);
    }
    ~TRecentCountScope() {
        if (FLinks != nullptr && FKeep == false && FLinks->RecentItemCount() != FSaved)
            FLinks->SetRecentItemCount(FSaved);
    }
    TRecentCountScope(const TRecentCountScope&) = delete;
    TRecentCountScope& operator=(const TRecentCountScope&) = delete;
    // The count set last stays.
    void Keep() { FKeep = true; }

private:
    TovBarItemLinks* FLinks;
    int FSaved;
    bool FKeep = false;
};

} // namespace

bool TovBarControl::IsMultiLine() const {
    return DockingStyleOf() == dsNone || (FBar != nullptr && FBar->MultiLine());
}

int TovBarControl::GetBeginGroupSize() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarSeparatorSize() : 6;
}

int TovBarControl::GetHorzBorderSize(TovBarDockingStyle AStyle) const {
    TRect r{};
    if (TovBarPainter* painter = GetPainter()) painter->BarBorderSizes(FBar, AStyle, r, HasSizeGrip());
    return r.left + r.right;
}

int TovBarControl::GetVertBorderSize(TovBarDockingStyle AStyle) const {
    TRect r{};
    if (TovBarPainter* painter = GetPainter()) painter->BarBorderSizes(FBar, AStyle, r, HasSizeGrip());
    return r.top + r.bottom;
}

TSize TovBarControl::GetMDISize() const {
    // Without MDI children only the main menu's close button can show.
    if (!IsMainMenu() || FManager == nullptr || !FManager->ShowCloseButton()) return TSize{0, 0};
    const TSize button{GetSystemMetrics(SM_CXMENUSIZE) - 2, GetSystemMetrics(SM_CYMENUSIZE) - 4};
    return IsDockedVertically() ? TSize{button.cy, button.cx} : button;
}

std::vector<TovToolbarSizingItem> TovBarControl::VisibleSizingItems() const {
    std::vector<TovToolbarSizingItem> items;
    TovBarItemLinks* links = ItemLinks();
    if (links == nullptr) return items;
    for (int i = 0; i < links->VisibleItemCount(); ++i) {
        TovBarItemLink* link = links->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        if (control == nullptr) continue;
        items.push_back(TovToolbarSizingItem{TSize{control->GetRealWidth(), control->GetRealHeight()},
                                             link->BeginGroup() && !items.empty(), false});
    }
    return items;
}

int TovBarControl::RowExtentOf(int AVisibleIndex) const {
    return AVisibleIndex >= 0 && AVisibleIndex < static_cast<int>(FRowExtents.size())
               ? FRowExtents[AVisibleIndex]
               : 0;
}

// ---- Minimum and full sizes

namespace {

// The default size of an item on an empty toolbar: a small glyph button's.
TSize DefaultItemSize(TovBarPainter* APainter) {
    if (APainter == nullptr) return TSize{23, 22};
    return TSize{APainter->GetItemWidth(16, 0), APainter->GetItemHeight(16, 0)};
}

} // namespace

int TovBarControl::MinimalWidth(TovBarDockingStyle AStyle) {
    const TRect margins = Margins();
    const TSize mdi = GetMDISize();
    int result = 0;
    if (IsVerticalStyle(AStyle) || IsMultiLine()) {
        const std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
        if (items.empty()) result = AStyle == dsNone ? 0 : DefaultItemSize(GetPainter()).cx;
        for (const TovToolbarSizingItem& item : items)
            result = std::max(result, item.Size.cx);
        result = std::max(result, mdi.cx);
        if (AStyle == dsNone) {
            TovBarPainter* painter = GetPainter();
            const int buttons =
                HasCloseButton() && painter != nullptr ? painter->BarCaptionButtonSize().cx : 0;
            result = std::max({result, GetMarkSize() + buttons, kMinFloatingWidth});
        }
    } else {
        TRecentCountScope recent(ItemLinks(), 1);
        const std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
        result = (items.empty() ? DefaultItemSize(GetPainter()).cx : items.front().Size.cx) + mdi.cx;
    }
    result += margins.left + margins.right;
    if (IsHorizontalStyle(AStyle)) result += GetMarkSize();
    return result;
}

int TovBarControl::GetMinHeight(TovBarDockingStyle AStyle) {
    const TRect margins = Margins();
    const TSize mdi = GetMDISize();
    int result = 0;
    if (IsHorizontalStyle(AStyle) || IsMultiLine()) {
        const std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
        if (items.empty()) result = AStyle == dsNone ? 0 : DefaultItemSize(GetPainter()).cy;
        for (const TovToolbarSizingItem& item : items)
            result = std::max(result, item.Size.cy);
        result = std::max(result, mdi.cy);
    } else {
        TRecentCountScope recent(ItemLinks(), 1);
        const std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
        result = (items.empty() ? DefaultItemSize(GetPainter()).cy : items.front().Size.cy) + mdi.cy;
    }
    result += margins.top + margins.bottom;
    if (IsVerticalStyle(AStyle)) result += GetMarkSize();
    return result;
}

int TovBarControl::GetFullWidth(TovBarDockingStyle AStyle) {
    const TRect margins = Margins();
    const TSize mdi = GetMDISize();
    int result = 0;
    {
        TRecentCountScope recent(ItemLinks(), -1);
        const std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
        if (IsHorizontalStyle(AStyle) || IsMultiLine()) {
            for (const TovToolbarSizingItem& item : items)
                result += (item.BeginGroup ? GetBeginGroupSize() : 0) + item.Size.cx;
            result += mdi.cx;
            if (IsHorizontalStyle(AStyle)) result += GetMarkSize();
        } else {
            for (const TovToolbarSizingItem& item : items)
                result = std::max(result, item.Size.cx);
            result = std::max(result, mdi.cx);
        }
    }
    return std::max(result + margins.left + margins.right, MinimalWidth(AStyle));
}

int TovBarControl::GetFullHeight(TovBarDockingStyle AStyle) {
    const TRect margins = Margins();
    const TSize mdi = GetMDISize();
    int result = 0;
    {
        TRecentCountScope recent(ItemLinks(), -1);
        const std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
        if (IsVerticalStyle(AStyle) || IsMultiLine()) {
            for (const TovToolbarSizingItem& item : items)
                result += (item.BeginGroup ? GetBeginGroupSize() : 0) + item.Size.cy;
            result += mdi.cy;
            if (IsVerticalStyle(AStyle)) result += GetMarkSize();
        } else {
            for (const TovToolbarSizingItem& item : items)
                result = std::max(result, item.Size.cy);
            result = std::max(result, mdi.cy);
        }
    }
    return std::max(result + margins.top + margins.bottom, GetMinHeight(AStyle));
}

// ---- Rows

void TovBarControl::CalcRowSize(int ALimit, bool AVertical, TSize& ASize, bool& ATruncated) {
    ovToolbarSizing::CalcRowSize(VisibleSizingItems(), ALimit, AVertical, GetBeginGroupSize(), ASize,
                                 ATruncated);
}

void TovBarControl::CalcWrappedRows(TovBarDockingStyle AStyle, int ALimit, TSize& ASize,
                                    std::vector<TovToolbarSizingItem>& AItems) {
    // The rows wrap inside the margins; the size handed in and out includes them.
    const bool vertical = IsVerticalStyle(AStyle);
    const TRect margins = Margins();
    const TSize outer =
        ovReverseSize(vertical ? margins.top + margins.bottom : margins.left + margins.right,
                      vertical ? margins.left + margins.right : margins.top + margins.bottom, vertical);
    TovToolbarSizingMetrics metrics;
    metrics.BeginGroupSize = GetBeginGroupSize();
    metrics.DockedMarkSize = AStyle != dsNone ? GetMarkSize() : 0;
    metrics.MDISize = GetMDISize();
    const TReverseSize along(vertical, outer);
    TSize inner{std::max(ASize.cx - outer.cx, 0), std::max(ASize.cy - outer.cy, 0)};
    ovToolbarSizing::CalcWrappedSize(AItems, ALimit - along.X(), vertical, metrics, inner);
    ASize = TSize{inner.cx + outer.cx, inner.cy + outer.cy};
}

void TovBarControl::CalcWrappedSize(TovBarDockingStyle AStyle, int ALimit, TSize& ASize) {
    std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
    CalcWrappedRows(AStyle, ALimit, ASize, items);
}

// ---- Floating and docked sizes

void TovBarControl::CalcFloatingSize(TovBarDockingStyle AStyle, int AWidth, TSize& ASize) {
    ASize = TSize{0, 0};
    const TSize mdi = GetMDISize();
    const int markSize = AStyle != dsNone ? GetMarkSize() : 0;
    if (IsMultiLine() || IsVerticalStyle(AStyle)) {
        TRecentCountScope recent(ItemLinks(), -1);
        if (IsMultiLine()) {
            // A width wraps the rows directly when the rows run along it; otherwise the size is searched
            // from the full height down until the width is reached.
            if (!IsVerticalStyle(AStyle)) {
                ASize = TSize{MinimalWidth(AStyle), GetMinHeight(AStyle)};
                CalcWrappedSize(AStyle, AWidth, ASize);
                return;
            }
            CalcFloatingSizeByHeight(AStyle, GetFullHeight(AStyle), ASize);
            while (ASize.cx < AWidth) {
                const int before = ASize.cy;
                TSize next{};
                CalcFloatingSizeByHeight(AStyle, before - 1, next);
                if (next.cy == before) break;
                ASize = next;
            }
            return;
        }
        ASize = TSize{MinimalWidth(AStyle), GetFullHeight(AStyle)};
        return;
    }
    if (!IsHorizontalStyle(AStyle)) return;
    const TRect margins = Margins();
    const TSize start{MinimalWidth(AStyle), GetMinHeight(AStyle)};
    const int limit = std::max(AWidth, start.cx) - mdi.cx - markSize - margins.left - margins.right;
    TovBarItemLinks* links = ItemLinks();
    if (links == nullptr || links->CanVisibleItemCount() == 0) {
        ASize = start;
        return;
    }
    const TSize row = CalcRecentLinksLine(limit, false);
    ASize.cx = std::max(start.cx, row.cx + markSize + margins.left + margins.right) + mdi.cx;
    ASize.cy = std::max(row.cy + margins.top + margins.bottom, mdi.cy + margins.top + margins.bottom);
}

TSize TovBarControl::CalcRecentLinksLine(int ALimit, bool AVertical) {
    TovBarItemLinks* links = ItemLinks();
    TSize line{};
    bool truncated = false;
    if (!links->CanUseRecentItems() || IsDesigning()) {
        TRecentCountScope recent(links, -1);
        CalcRowSize(ALimit, AVertical, line, truncated);
        return line;
    }
    // A small toolbar shows as many of its most recent links as fit; that count stays.
    const int all = links->CanVisibleItemCount();
    int fitting = 1;
    for (int count = 1; count <= all; ++count) {
        links->SetRecentItemCount(count == all ? -1 : count);
        TSize candidate{};
        bool cut = false;
        CalcRowSize(ALimit, AVertical, candidate, cut);
        if (cut && count > 1) break;
        fitting = count;
        line = candidate;
        if (cut) break;
    }
    links->SetRecentItemCount(fitting == all ? -1 : fitting);
    return line;
}

void TovBarControl::CalcFloatingSizeByHeight(TovBarDockingStyle AStyle, int AHeight, TSize& ASize) {
    ASize = TSize{0, 0};
    if (IsMultiLine() || IsHorizontalStyle(AStyle)) {
        TRecentCountScope recent(ItemLinks(), -1);
        if (IsMultiLine()) {
            if (IsVerticalStyle(AStyle)) {
                ASize = TSize{MinimalWidth(AStyle), GetMinHeight(AStyle)};
                CalcWrappedSize(AStyle, AHeight, ASize);
                return;
            }
            CalcFloatingSize(AStyle, GetFullWidth(AStyle), ASize);
            while (ASize.cy < AHeight) {
                const int before = ASize.cx;
                TSize next{};
                CalcFloatingSize(AStyle, before - 1, next);
                if (next.cx == before) break;
                ASize = next;
            }
            return;
        }
        ASize = TSize{GetFullWidth(AStyle), GetMinHeight(AStyle)};
        return;
    }
    if (!IsVerticalStyle(AStyle)) return;
    const TRect margins = Margins();
    const TSize mdi = GetMDISize();
    const int markSize = GetMarkSize();
    const TSize start{MinimalWidth(AStyle), GetMinHeight(AStyle)};
    const int limit = std::max(AHeight, start.cy) - mdi.cy - markSize - margins.top - margins.bottom;
    TovBarItemLinks* links = ItemLinks();
    if (links == nullptr || links->CanVisibleItemCount() == 0) {
        ASize = start;
        return;
    }
    const TSize column = CalcRecentLinksLine(limit, true);
    ASize.cy = std::max(start.cy, column.cy + markSize + margins.top + margins.bottom) + mdi.cy;
    ASize.cx = std::max(column.cx + margins.left + margins.right, mdi.cx + margins.left + margins.right);
}

void TovBarControl::CalcSizeForDockingStyle(TovBarDockingStyle AStyle, TSize& ASize) {
    TovBarItemLinks* links = ItemLinks();
    TRecentCountScope recent(links, links != nullptr ? links->RecentItemCount() : -1);
    const RECT dockClient = FDockControl != nullptr ? RECT(FDockControl->GetClientRect()) : RECT{};
    const bool wholeRow = FBar != nullptr && FBar->WholeRow();
    switch (AStyle) {
    case dsNone: {
        const int width = FBar != nullptr ? FBar->FloatClientWidth() : 0;
        CalcFloatingSize(dsNone, width, ASize);
        ASize.cx += GetHorzBorderSize(dsNone);
        ASize.cy += GetVertBorderSize(dsNone);
        break;
    }
    case dsLeft:
    case dsRight: {
        const int dockHeight = dockClient.bottom - dockClient.top;
        const int length = wholeRow ? dockHeight - GetVertBorderSize(AStyle) : GetFullHeight(AStyle);
        CalcFloatingSizeByHeight(AStyle, length, ASize);
        ASize.cx += GetHorzBorderSize(AStyle);
        ASize.cy = wholeRow ? dockHeight : ASize.cy + GetVertBorderSize(AStyle);
        break;
    }
    case dsTop:
    case dsBottom: {
        const int dockWidth = dockClient.right - dockClient.left;
        const int length = wholeRow ? dockWidth - GetHorzBorderSize(AStyle) : GetFullWidth(AStyle);
        CalcFloatingSize(AStyle, length, ASize);
        ASize.cx = wholeRow ? dockWidth : ASize.cx + GetHorzBorderSize(AStyle);
        ASize.cy += GetVertBorderSize(AStyle);
        break;
    }
    }
}

// ---- Item layout

namespace {

TRect ShiftedAlong(const TRect& R, int ADelta) {
    return TRect{R.left + ADelta, R.top, R.right + ADelta, R.bottom};
}

} // namespace

void TovBarControl::CalcLayout() {
    TovBarDockedControl::CalcLayout();
    if (!HasOwnFrame()) return;
    CalcItemControlsPositions(GetPaintType() == iptVertical ? iptVertical : iptHorizontal, 0);
}

void TovBarControl::CalcBarLayout() {
    FSeparators.clear();
    FRowExtents.clear();
    TovBarItemLinks* links = ItemLinks();
    if (links == nullptr) return;
    const TRect client = GetClientRect();
    const TRect margins = Margins();
    const bool multiLine = IsMultiLine();
    const bool vertical = IsDockedVertically();
    const bool docked = DockingStyleOf() != dsNone;
    const int markSize = docked ? GetMarkSize() : 0;
    const TSize mdi = GetMDISize();
    const TReverseSize clientSize(vertical, TSize{uiWidthOfRect(client) - margins.left - margins.right,
                                                  uiHeightOfRect(client) - margins.top - margins.bottom});
    int available = clientSize.X() - markSize;
    int rowCross = 0;
    if (!multiLine) {
        rowCross = clientSize.Y();
        available -= TReverseSize(vertical, mdi).X();
    }
    std::vector<TovToolbarSizingItem> items = VisibleSizingItems();
    if (multiLine) {
        TSize wrapped{0, 0};
        CalcWrappedRows(DockingStyleOf(), vertical ? uiHeightOfRect(client) : uiWidthOfRect(client), wrapped,
                        items);
    }
    const int beginGroupSize = GetBeginGroupSize();
    struct TPlaced {
        TovBarItemLink* Link;
        TovBarItemControl* Control;
        TRect Bounds;
        int Cross;
        int Row;
    };
    std::vector<TPlaced> placed;
    int position = 0, rowOffset = 0, row = 0;
    bool firstInRow = true;
    std::vector<int> rowCrosses;
    auto placeAcross = [&](TRect& R, int AOffset) {
        if (vertical) {
            // Columns run from the right edge of a vertical bar.
            R.left -= AOffset;
            R.right -= AOffset;
        } else {
            R.top += AOffset;
            R.bottom += AOffset;
        }
    };
    auto finishRow = [&](int ARowCross) {
        for (TPlaced& p : placed)
            if (p.Row == row) placeAcross(p.Bounds, (ARowCross - p.Cross) / 2 * (vertical ? -1 : 1));
        rowCrosses.push_back(ARowCross);
    };
    const int visibleCount = links->VisibleItemCount();
    links->BeginCalcItemRects();
    links->EmptyItemRects();
    size_t itemIndex = 0;
    bool truncated = false;
    for (int i = 0; i < visibleCount; ++i) {
        TovBarItemLink* link = links->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        if (control == nullptr) continue;
        const TovToolbarSizingItem& item = items[itemIndex++];
        control->SetLastInRow(false);
        const TReverseSize size(vertical, item.Size);
        const int length = size.X(), cross = size.Y();
        int gap = link->BeginGroup() && !firstInRow ? beginGroupSize : 0;
        const bool wrap = ((!firstInRow || AlwaysWrap()) && position + gap + length > available) ||
                          (multiLine && item.NewRow && !firstInRow);
        if (wrap) {
            if (!multiLine) {
                truncated = true;
                break;
            }
            placed.back().Control->SetLastInRow(true);
            finishRow(rowCross);
            const bool groupBreak = link->BeginGroup();
            if (groupBreak) {
                // A group that starts a row is set off by a line across the bar.
                const int lineAt = rowOffset + rowCross;
                FSeparators.push_back(TSeparator{
                    vertical
                        ? TRect{uiWidthOfRect(client) - margins.right - lineAt - beginGroupSize, margins.top,
                                uiWidthOfRect(client) - margins.right - lineAt,
                                uiHeightOfRect(client) - margins.bottom}
                        : TRect{margins.left, margins.top + lineAt, uiWidthOfRect(client) - margins.right,
                                margins.top + lineAt + beginGroupSize},
                    !vertical});
            }
            rowOffset += rowCross + (groupBreak ? beginGroupSize : 0);
            position = 0;
            rowCross = 0;
            gap = 0;
            ++row;
        }
        TRect r{};
        const int along = position + gap;
        if (multiLine) {
            r = vertical
                    ? TRect{uiWidthOfRect(client) - margins.right - rowOffset - cross, margins.top + along,
                            uiWidthOfRect(client) - margins.right - rowOffset, margins.top + along + length}
                    : TRect{margins.left + along, margins.top + rowOffset, margins.left + along + length,
                            margins.top + rowOffset + cross};
        } else {
            const int across = (rowCross - cross) / 2;
            r = vertical ? TRect{margins.left + across, margins.top + along, margins.left + across + cross,
                                 margins.top + along + length}
                         : TRect{margins.left + along, margins.top + across, margins.left + along + length,
                                 margins.top + across + cross};
        }
        // Only the last link of a UseRestSpace bar takes its alignment.
        TovBarItemAlign align = iaLeft;
        if (FBar != nullptr && FBar->UseRestSpace() && i == visibleCount - 1 && control->Item() != nullptr)
            align = control->Item()->Align();
        if (align != iaLeft && !vertical) {
            const int rest = available - along;
            const int minLength = std::min(length, std::max(control->GetMinWidth(), 1));
            if (align == iaClient)
                r.right = margins.left + along + std::max(rest, minLength);
            else if (align == iaRight)
                r = ShiftedAlong(r, std::max(rest - length, 0));
            else
                r = ShiftedAlong(r, std::max((rest - length) / 2, 0));
        }
        if (gap > 0) {
            // A group in a row is set off by a line before its first link.
            const int start = (vertical ? r.top : r.left) - gap;
            FSeparators.push_back(TSeparator{vertical ? TRect{r.left, start, r.right, start + gap}
                                                      : TRect{start, r.top, start + gap, r.bottom},
                                             vertical});
        }
        placed.push_back(TPlaced{link, control, r, cross, row});
        position = align != iaLeft ? available : along + length;
        if (multiLine) rowCross = std::max(rowCross, cross);
        firstInRow = false;
    }
    if (!placed.empty()) {
        placed.back().Control->SetLastInRow(true);
        if (multiLine) finishRow(rowCross);
    }
    FRowExtents.assign(visibleCount, 0);
    for (const TPlaced& p : placed)
        p.Link->SetItemRect(p.Bounds);
    for (int i = 0, k = 0; i < visibleCount && k < static_cast<int>(placed.size()); ++i)
        if (links->VisibleItems(i) == placed[k].Link) {
            FRowExtents[i] = multiLine ? rowCrosses[placed[k].Row] : rowCross;
            ++k;
        }
    links->EndCalcItemRects();
    if (truncated) FTruncated = true;
}
