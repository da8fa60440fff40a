#include "platform/vcl/ListView.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ListKeyMoves.h"
#include "platform/vcl/ListScrollBar.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cctype>

namespace listview_detail {

constexpr int Frame = 2;

} // namespace listview_detail

// ---- Columns

void TListColumn::SetCaption(const std::string& Value) {
    FCaption = Value;
    FOwner->Invalidate();
}

void TListColumn::SetWidth(int Value) {
    FWidth = std::max(0, Value);
    FOwner->Invalidate();
}

void TListColumn::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    FOwner->Invalidate();
}

int TListColumn::Index() const {
    return FOwner->Columns()->IndexOf(this);
}

TListColumn* TListColumns::Add() {
    FItems.push_back(std::make_unique<TListColumn>(FOwner));
    FOwner->Invalidate();
    return FItems.back().get();
}

void TListColumns::Clear() {
    FItems.clear();
    FOwner->Invalidate();
}

int TListColumns::IndexOf(const TListColumn* Column) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Column) return static_cast<int>(i);
    return -1;
}

// ---- Items

TListItem::TListItem(TListView* Owner) : FOwner(Owner), FSubItems(std::make_unique<TStringList>()) {
    FSubItems->OnChange = [this](TObject*) { FOwner->Invalidate(); };
}

TListItem::~TListItem() {
    FSubItems->OnChange = nullptr;
}

void TListItem::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    FOwner->OnChange(FOwner, this, ctText);
    FOwner->Invalidate();
}

void TListItem::SetSelected(bool Value) {
    FOwner->SetItemSelected(this, Value);
}

bool TListItem::Focused() const {
    return FOwner->ItemFocused() == this;
}

void TListItem::SetFocused(bool Value) {
    if (Value)
        FOwner->SetItemFocused(this);
    else if (Focused())
        FOwner->SetItemFocused(nullptr);
}

int TListItem::Index() const {
    return FOwner->Items()->IndexOf(this);
}

void TListItem::MakeVisible(bool PartialOK) {
    const int index = Index();
    const int rows = FOwner->VisibleRowCount();
    if (index < FOwner->FTopIndex)
        FOwner->Scroll(index - FOwner->FTopIndex);
    else if (index >= FOwner->FTopIndex + rows)
        FOwner->Scroll(index - rows + 1 - FOwner->FTopIndex);
}

RECT TListItem::DisplayRect() {
    const RECT area = FOwner->RowsArea();
    const int top = area.top + (Index() - FOwner->FTopIndex) * FOwner->RowHeight();
    return RECT{area.left, top, area.right, top + FOwner->RowHeight()};
}

TListItem* TListItems::Add() {
    return Insert(Count());
}

TListItem* TListItems::Insert(int Index) {
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(FOwner));
    if (FUpdateCount == 0) FOwner->ItemsChanged();
    return FItems[static_cast<std::size_t>(Index)].get();
}

void TListItems::Delete(int Index) {
    TListItem* item = Item(Index);
    FOwner->ItemRemoved(item);
    FItems.erase(FItems.begin() + Index);
    if (FUpdateCount == 0) FOwner->ItemsChanged();
}

void TListItems::Clear() {
    for (auto& item : FItems)
        FOwner->ItemRemoved(item.get());
    FItems.clear();
    FOwner->ItemsChanged();
}

int TListItems::IndexOf(const TListItem* Item) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item) return static_cast<int>(i);
    return -1;
}

void TListItems::BeginUpdate() {
    ++FUpdateCount;
}

void TListItems::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) FOwner->ItemsChanged();
}

// ---- The view

TListView::TListView(TComponent* AOwner)
    : TCustomControl(AOwner), FColumns(std::make_unique<TListColumns>(this)),
      FItems(std::make_unique<TListItems>(this)) {
    ControlStyle() = TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque};
    FWidth = 250;
    FHeight = 150;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FScrollBar = CreateListScrollBar(this, TNotifyEvent(this, &TListView::ScrollBarChanged));
}

TListView::~TListView() {
    // Items reach the view while they go.
    FItems->FItems.clear();
}

void TListView::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    if (AParent != nullptr && FScrollBar->Parent() == nullptr) FScrollBar->SetParent(this);
    UpdateScrollBar();
}

void TListView::SetMultiSelect(bool Value) {
    FMultiSelect = Value;
    if (!Value) {
        TListItem* keep = Selected();
        for (auto& item : FItems->FItems)
            if (item.get() != keep) SetItemSelected(item.get(), false);
    }
}

void TListView::SetRowSelect(bool Value) {
    FRowSelect = Value;
    Invalidate();
}

void TListView::SetHideSelection(bool Value) {
    FHideSelection = Value;
    Invalidate();
}

void TListView::SetShowColumnHeaders(bool Value) {
    FShowColumnHeaders = Value;
    UpdateScrollBar();
    Invalidate();
}

int TListView::RowHeight() const {
    return StdCtrlsLineHeight(Font()) + 3;
}

int TListView::HeaderHeight() const {
    return FShowColumnHeaders ? StdCtrlsLineHeight(Font()) + 6 : 0;
}

RECT TListView::RowsArea() {
    return ListRowsArea(ClientRect(), listview_detail::Frame, HeaderHeight(), FScrollBar);
}

int TListView::VisibleRowCount() {
    const RECT area = RowsArea();
    return std::max(1, static_cast<int>(area.bottom - area.top) / RowHeight());
}

void TListView::UpdateScrollBar() {
    using listview_detail::Frame;
    const RECT client = ClientRect();
    const int rowsTop = Frame + HeaderHeight();
    const int rowsHeight = std::max(0, static_cast<int>(client.bottom) - Frame - rowsTop);
    const int visible = std::max(1, rowsHeight / RowHeight());
    FTopIndex = std::clamp(FTopIndex, 0, std::max(0, FItems->Count() - visible));
    if (FScrollBar->Parent() == nullptr) return;
    // The bar runs the full height, beside the header too; the header ends at the bar.
    const int barHeight = std::max(0, static_cast<int>(client.bottom) - 2 * Frame);
    UpdateListScrollBar(FScrollBar, client.right - Frame, Frame, barHeight, FItems->Count(), visible,
                        FTopIndex);
}

void TListView::ScrollBarChanged(TObject*) {
    if (FollowListScrollBar(FScrollBar, FTopIndex)) Invalidate();
}

void TListView::Resize() {
    TCustomControl::Resize();
    UpdateScrollBar();
}

void TListView::Scroll(int DY) {
    const int top = std::clamp(FTopIndex + DY, 0, std::max(0, FItems->Count() - VisibleRowCount()));
    if (top == FTopIndex) return;
    FTopIndex = top;
    if (FScrollBar->Visible()) FScrollBar->SetPosition(top);
    Invalidate();
}

void TListView::ItemsChanged() {
    UpdateScrollBar();
    Invalidate();
}

void TListView::ItemRemoved(TListItem* Item) {
    if (FFocused == Item) FFocused = nullptr;
    if (FAnchor == Item) FAnchor = nullptr;
}

void TListView::SetItemSelected(TListItem* Item, bool Value) {
    if (Item == nullptr || Item->FSelected == Value) return;
    if (Value && !FMultiSelect)
        for (auto& other : FItems->FItems)
            if (other.get() != Item && other->FSelected) SetItemSelected(other.get(), false);
    Item->FSelected = Value;
    Invalidate();
    OnChange(this, Item, ctState);
    OnSelectItem(this, Item, Value);
}

TListItem* TListView::Selected() const {
    for (auto& item : FItems->FItems)
        if (item->FSelected) return item.get();
    return nullptr;
}

void TListView::SetSelected(TListItem* Value) {
    for (auto& item : FItems->FItems)
        if (item.get() != Value) SetItemSelected(item.get(), false);
    if (Value != nullptr) {
        SetItemSelected(Value, true);
        FFocused = FAnchor = Value;
    }
}

void TListView::SetItemFocused(TListItem* Value) {
    FFocused = Value;
    Invalidate();
}

int TListView::ItemIndex() const {
    TListItem* item = Selected();
    return item != nullptr ? item->Index() : -1;
}

void TListView::SetItemIndex(int Value) {
    SetSelected(Value >= 0 && Value < FItems->Count() ? FItems->Item(Value) : nullptr);
}

int TListView::SelCount() const {
    return static_cast<int>(std::count_if(FItems->FItems.begin(), FItems->FItems.end(),
                                          [](const std::unique_ptr<TListItem>& i) { return i->FSelected; }));
}

void TListView::SelectAll() {
    if (!FMultiSelect) return;
    for (auto& item : FItems->FItems)
        SetItemSelected(item.get(), true);
}

void TListView::ClearSelection() {
    for (auto& item : FItems->FItems)
        SetItemSelected(item.get(), false);
}

TListItem* TListView::TopItem() const {
    return FTopIndex < FItems->Count() ? FItems->Item(FTopIndex) : nullptr;
}

TListItem* TListView::GetItemAt(int X, int Y) {
    const RECT area = RowsArea();
    if (Y < area.top || Y >= area.bottom || X < area.left || X >= area.right) return nullptr;
    const int index = FTopIndex + (Y - area.top) / RowHeight();
    if (index >= FItems->Count()) return nullptr;
    // Without row select only the caption's column hits the item.
    if (!FRowSelect && FColumns->Count() > 0 && X >= area.left + FColumns->Items(0)->Width()) return nullptr;
    return FItems->Item(index);
}

TListItem* TListView::FindCaption(int StartIndex, const std::string& Value, bool Partial, bool Inclusive,
                                  bool Wrap) {
    const int count = FItems->Count();
    if (count == 0) return nullptr;
    const int first = std::max(0, Inclusive ? StartIndex : StartIndex + 1);
    const int steps = Wrap ? count : std::max(0, count - first);
    for (int k = 0; k < steps; ++k) {
        const int i = (first + k) % count;
        const std::string& caption = FItems->Item(i)->Caption();
        if (Partial ? StartsWithNoCase(caption, Value) : SameText(caption, Value)) return FItems->Item(i);
    }
    return nullptr;
}

void TListView::CustomSort(const TLVCompare& Compare, int Data) {
    std::stable_sort(FItems->FItems.begin(), FItems->FItems.end(),
                     [&](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
                         return Compare(a.get(), b.get(), Data) < 0;
                     });
    Invalidate();
}

void TListView::AlphaSort() {
    CustomSort(
        [this](TListItem* a, TListItem* b, int data) {
            if (OnCompare) {
                int result = 0;
                OnCompare(this, a, b, data, result);
                return result;
            }
            return CompareText(a->Caption(), b->Caption());
        },
        0);
}

void TListView::FocusIndex(int Index, bool Shift, bool Ctrl) {
    if (FItems->Count() == 0) return;
    Index = std::clamp(Index, 0, FItems->Count() - 1);
    TListItem* item = FItems->Item(Index);
    if (!FMultiSelect || (!Shift && !Ctrl)) {
        SetSelected(item);
    } else if (Shift) {
        if (FAnchor == nullptr) FAnchor = item;
        const int a = FAnchor->Index();
        const int from = std::min(a, Index);
        const int to = std::max(a, Index);
        for (int i = 0; i < FItems->Count(); ++i) {
            const bool inRange = i >= from && i <= to;
            if (inRange || !Ctrl) SetItemSelected(FItems->Item(i), inRange);
        }
        FFocused = item;
    } else {
        FFocused = item; // Ctrl moves only the focus
    }
    item->MakeVisible(false);
    Invalidate();
}

void TListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft || Button == mbRight) {
        if (CanFocus() && !Focused()) SetFocus();
        // A click in the header reports its column.
        const RECT client = ClientRect();
        if (FShowColumnHeaders && Y >= listview_detail::Frame &&
            Y < listview_detail::Frame + HeaderHeight() && Button == mbLeft) {
            int left = listview_detail::Frame;
            for (int i = 0; i < FColumns->Count(); ++i) {
                TListColumn* column = FColumns->Items(i);
                if (X >= left && X < left + column->Width() && X < client.right) {
                    if (FColumnClick) OnColumnClick(this, column);
                    break;
                }
                left += column->Width();
            }
        } else {
            TListItem* item = GetItemAt(X, Y);
            const bool ctrl = Shift.Contains(ssCtrl);
            const bool shift = Shift.Contains(ssShift);
            if (item == nullptr) {
                // A click on empty space clears the selection (not with Ctrl or Shift).
                if (!ctrl && !shift && Button == mbLeft) ClearSelection();
            } else if (FMultiSelect && ctrl && !shift && Button == mbLeft) {
                SetItemSelected(item, !item->FSelected);
                FFocused = FAnchor = item;
            } else if (Button == mbRight && item->FSelected) {
                FFocused = item; // keeps a multi-selection for the context menu
            } else {
                FocusIndex(item->Index(), shift && Button == mbLeft, false);
                if (!shift) FAnchor = item;
            }
            Invalidate();
            if (item != nullptr && Shift.Contains(ssDouble) && Button == mbLeft) DblClick();
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

bool TListView::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int rows = WheelScrollRows(WheelDelta);
    if (rows == 0) return false;
    Scroll(-rows);
    return true;
}

void TListView::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) {
        if (FFocused != nullptr && Shift.Contains(ssCtrl) && FMultiSelect) {
            SetItemSelected(FFocused, !FFocused->FSelected);
            FAnchor = FFocused;
            Key = 0;
        }
        return;
    }
    if (!IsListMoveKey(Key)) return;
    const int current = FFocused != nullptr ? FFocused->Index() : -1;
    const int target = ListMoveTarget(Key, current, FItems->Count(), ListPageRows(VisibleRowCount()));
    Key = 0;
    if (target >= 0) FocusIndex(target, Shift.Contains(ssShift), Shift.Contains(ssCtrl));
}

void TListView::KeyPress(TKeyChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key < 0x20 || Key == 0x7F || FItems->Count() == 0) return;
    const std::string search = FSearch.Type(Key);
    Key = 0;
    const int current = FFocused != nullptr ? FFocused->Index() : 0;
    TListItem* found = FindCaption(current, search, true, search.size() > 1, true);
    if (found != nullptr) FocusIndex(found->Index(), false, false);
}

void TListView::Paint() {
    using namespace listview_detail;
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    const RECT area = RowsArea();
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, Frame, Frame, area.right, client.bottom - Frame);
    auto cellText = [&](const std::string& text, RECT r, TAlignment alignment, COLORREF color) {
        ::InflateRect(&r, -4, 0);
        const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                           (alignment == taRightJustify ? DT_RIGHT
                            : alignment == taCenter     ? DT_CENTER
                                                        : DT_LEFT);
        StdCtrlsDrawCaption(dc, Font(), text, r, flags, true, color);
    };
    if (FShowColumnHeaders) {
        int left = Frame;
        for (int i = 0; i < FColumns->Count(); ++i) {
            TListColumn* column = FColumns->Items(i);
            RECT r{left, Frame, left + column->Width(), Frame + HeaderHeight()};
            ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
            cellText(column->Caption(), r, column->Alignment(), ColorToRGB(clBtnText));
            left += column->Width();
        }
        // The header's empty rest.
        RECT rest{left, Frame, area.right, Frame + HeaderHeight()};
        if (rest.right > rest.left) ::DrawFrameControl(dc, &rest, DFC_BUTTON, DFCS_BUTTONPUSH);
    }
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const bool showSelection = Focused() || !FHideSelection;
    const int last = std::min(FItems->Count() - 1, FTopIndex + VisibleRowCount());
    for (int i = FTopIndex; i <= last; ++i) {
        TListItem* item = FItems->Item(i);
        const RECT row = item->DisplayRect();
        const int firstWidth = FColumns->Count() > 0 ? FColumns->Items(0)->Width() : area.right - area.left;
        const bool selected = item->FSelected;
        // Selected rows: the highlight when focused, the face colour when the selection stays shown.
        const TColor mark = Focused() ? clHighlight : clBtnFace;
        RECT markRect = FRowSelect ? row : RECT{row.left, row.top, row.left + firstWidth, row.bottom};
        if (!FRowSelect) {
            const RECT text = StdCtrlsMeasureText(Font(), item->Caption(), RECT{0, 0, 0, 0}, DT_SINGLELINE);
            markRect.right = std::min<int>(markRect.right, row.left + text.right + 8);
        }
        if (selected && showSelection) StdCtrlsFill(dc, markRect, mark);
        int left = row.left;
        const int columns = std::max(1, FColumns->Count());
        for (int c = 0; c < columns; ++c) {
            const int width = FColumns->Count() > 0 ? FColumns->Items(c)->Width() : firstWidth;
            const std::string text =
                c == 0
                    ? item->Caption()
                    : (c - 1 < item->SubItems()->Count() ? item->SubItems()->Strings(c - 1) : std::string());
            const bool highlighted = selected && showSelection && Focused() && (FRowSelect || c == 0);
            const TAlignment alignment =
                FColumns->Count() > 0 ? FColumns->Items(c)->Alignment() : taLeftJustify;
            cellText(text, RECT{left, row.top, left + width, row.bottom}, alignment,
                     ColorToRGB(highlighted ? clHighlightText : Font()->Color()));
            left += width;
        }
        if (item == FFocused && Focused()) ::DrawFocusRect(dc, &markRect);
    }
    ::RestoreDC(dc, saved);
}

void TListView::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Invalidate();
        break;
    case LVM_GETITEMCOUNT:
        Message.Result = FItems->Count();
        return;
    case LVM_GETSELECTEDCOUNT:
        Message.Result = SelCount();
        return;
    case LVM_GETTOPINDEX:
        Message.Result = FTopIndex;
        return;
    case LVM_GETCOUNTPERPAGE:
        Message.Result = VisibleRowCount();
        return;
    case LVM_DELETEALLITEMS:
        FItems->Clear();
        Message.Result = 1;
        return;
    case LVM_ENSUREVISIBLE: {
        const auto index = static_cast<int>(Message.WParam);
        if (index >= 0 && index < FItems->Count()) FItems->Item(index)->MakeVisible(Message.LParam != 0);
        Message.Result = 1;
        return;
    }
    case LVM_GETNEXTITEM: {
        // From after the start item (-1: the first), the next item in the state asked for.
        const auto start = static_cast<int>(static_cast<LONG_PTR>(Message.WParam));
        const auto flags = static_cast<UINT>(Message.LParam);
        Message.Result = -1;
        for (int i = start + 1; i < FItems->Count(); ++i) {
            TListItem* item = FItems->Item(i);
            if ((flags & LVNI_SELECTED) && !item->FSelected) continue;
            if ((flags & LVNI_FOCUSED) && item != FFocused) continue;
            Message.Result = i;
            break;
        }
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
