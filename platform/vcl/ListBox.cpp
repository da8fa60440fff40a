#include "platform/vcl/ListBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/StrUtils.h"
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
#include <cstring>

namespace listbox_detail {

// A horizontal line step: a few characters' width.
constexpr int HorizontalLineStep = 8;

} // namespace listbox_detail

using namespace listbox_detail;

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TListBoxStrings>()) {
    ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
    FWidth = 121;
    FHeight = 97;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FItems->OnItemsChanged = [this](int Index, int Inserted) { ItemsChanged(Index, Inserted); };
    FScrollBar = CreateListScrollBar(this, TNotifyEvent(this, &TCustomListBox::ScrollBarChanged));
    FScrollBar->SetParent(this);
    FHorzScrollBar = CreateListScrollBar(this, TNotifyEvent(this, &TCustomListBox::HorzScrollBarChanged));
    FHorzScrollBar->SetKind(sbHorizontal);
    FHorzScrollBar->SetParent(this);
}

TCustomListBox::~TCustomListBox() {
    FItems->OnItemsChanged = nullptr;
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

int TCustomListBox::ItemHeight() const {
    return FItemHeight > 0 ? FItemHeight : StdCtrlsLineHeight(Font());
}

void TCustomListBox::SetItemHeight(int Value) {
    if (Value <= 0 || FItemHeight == Value) return;
    FItemHeight = Value;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetMultiSelect(bool Value) {
    if (FMultiSelect == Value) return;
    FMultiSelect = Value;
    // Going back to a single selection keeps only the focused item selected.
    if (!Value) SelectOnly(FItemIndex);
    Invalidate();
}

void TCustomListBox::ItemsChanged(int Index, int Inserted) {
    // The focused item and the anchor follow their items.
    auto follow = [&](int& item) {
        if (item < 0 || item < Index) return;
        if (Inserted < 0 && item < Index - Inserted)
            item = -1; // it went
        else
            item += Inserted;
    };
    follow(FItemIndex);
    follow(FAnchor);
    if (FItemIndex >= Count()) FItemIndex = -1;
    if (FAnchor >= Count()) FAnchor = -1;
    UpdateScrollBar();
    Invalidate();
}

RECT TCustomListBox::ItemsArea() {
    RECT area = ListRowsArea(ClientRect(), FFrame, 0, FScrollBar);
    if (FHorzScrollBar->Visible()) area.bottom -= ListScrollBarWidth;
    return area;
}

int TCustomListBox::VisibleItems() {
    const RECT area = ItemsArea();
    return std::max(1, static_cast<int>(area.bottom - area.top) / ItemHeight());
}

void TCustomListBox::UpdateScrollBar() {
    const RECT client = ClientRect();
    const int innerWidth = static_cast<int>(client.right) - 2 * FFrame;
    const int innerHeight = static_cast<int>(client.bottom) - 2 * FFrame;
    // Each bar takes room from the other's direction: a horizontal bar can make the rows outgrow the
    // height, a vertical one the items outgrow the width.
    bool horizontal = FScrollWidth > innerWidth;
    auto visibleRows = [&](bool AHorizontal) {
        return std::max(1, (innerHeight - (AHorizontal ? ListScrollBarWidth : 0)) / ItemHeight());
    };
    bool vertical = Count() > visibleRows(horizontal);
    horizontal = FScrollWidth > innerWidth - (vertical ? ListScrollBarWidth : 0);
    vertical = Count() > visibleRows(horizontal);
    const int visible = visibleRows(horizontal);
    const int maxTop = std::max(0, Count() - visible);
    FTopIndex = std::clamp(FTopIndex, 0, maxTop);
    const int itemsWidth = std::max(0, innerWidth - (vertical ? ListScrollBarWidth : 0));
    FLeftOffset = horizontal ? std::clamp(FLeftOffset, 0, FScrollWidth - itemsWidth) : 0;
    // The bars' windows need the list's: they are placed once the list has a parent.
    if (!HandleAllocated() && Parent() == nullptr && ParentWindow() == nullptr) return;
    const int barsHeight = std::max(0, innerHeight - (horizontal ? ListScrollBarWidth : 0));
    UpdateListScrollBar(FScrollBar, client.right - FFrame, FFrame, barsHeight, Count(), visible, FTopIndex);
    FHorzScrollBar->SetBounds(FFrame, client.bottom - FFrame - ListScrollBarWidth, itemsWidth,
                              ListScrollBarWidth);
    FHorzScrollBar->SetVisible(horizontal);
    if (!horizontal) return;
    FHorzScrollBar->SetPageSize(0);
    FHorzScrollBar->SetParams(FLeftOffset, 0, FScrollWidth - 1);
    FHorzScrollBar->SetPageSize(itemsWidth);
    FHorzScrollBar->SetSmallChange(HorizontalLineStep);
    FHorzScrollBar->SetLargeChange(std::max(1, itemsWidth));
    FHorzScrollBar->SetPosition(FLeftOffset);
}

void TCustomListBox::ScrollBarChanged(TObject*) {
    if (FollowListScrollBar(FScrollBar, FTopIndex)) Invalidate();
}

void TCustomListBox::HorzScrollBarChanged(TObject*) {
    if (FollowListScrollBar(FHorzScrollBar, FLeftOffset)) Invalidate();
}

void TCustomListBox::SetScrollWidth(int Value) {
    Value = std::max(0, Value);
    if (Value == FScrollWidth) return;
    FScrollWidth = Value;
    UpdateScrollBar();
    Invalidate();
}

void TCustomListBox::SetLeftOffset(int Value) {
    const RECT area = ItemsArea();
    const int maxOffset = std::max(0, FScrollWidth - static_cast<int>(area.right - area.left));
    Value = std::clamp(Value, 0, maxOffset);
    if (Value == FLeftOffset) return;
    FLeftOffset = Value;
    if (FHorzScrollBar->Visible()) FHorzScrollBar->SetPosition(Value);
    Invalidate();
}

void TCustomListBox::Scroll(bool AHorizontal, WORD ACode, int AThumb) {
    const RECT area = ItemsArea();
    const int page = AHorizontal ? static_cast<int>(area.right - area.left) : VisibleItems();
    const int line = AHorizontal ? HorizontalLineStep : 1;
    const int current = AHorizontal ? FLeftOffset : FTopIndex;
    int target = current;
    switch (ACode) {
    case SB_LINEUP:
        target = current - line;
        break;
    case SB_LINEDOWN:
        target = current + line;
        break;
    case SB_PAGEUP:
        target = current - page;
        break;
    case SB_PAGEDOWN:
        target = current + page;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        target = AThumb;
        break;
    case SB_TOP:
        target = 0;
        break;
    case SB_BOTTOM:
        target = AHorizontal ? FScrollWidth : Count();
        break;
    default:
        return;
    }
    if (AHorizontal)
        SetLeftOffset(target);
    else
        SetTopIndex(target);
}

void TCustomListBox::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    UpdateScrollBar();
}

void TCustomListBox::Resize() {
    TCustomControl::Resize();
    UpdateScrollBar();
}

void TCustomListBox::SetTopIndex(int Value) {
    const int maxTop = std::max(0, Count() - VisibleItems());
    Value = std::clamp(Value, 0, maxTop);
    if (Value == FTopIndex) return;
    FTopIndex = Value;
    if (FScrollBar->Visible()) FScrollBar->SetPosition(Value);
    Invalidate();
}

void TCustomListBox::MakeVisible(int Index) {
    if (Index < 0 || Index >= Count()) return;
    if (Index < FTopIndex)
        SetTopIndex(Index);
    else if (Index >= FTopIndex + VisibleItems())
        SetTopIndex(Index - VisibleItems() + 1);
}

int TCustomListBox::ItemAtPos(POINT Pos, bool Existing) {
    const RECT area = ItemsArea();
    if (Pos.y < area.top) return Existing ? -1 : FTopIndex;
    const int index = FTopIndex + (Pos.y - area.top) / ItemHeight();
    if (index >= Count()) return Existing ? -1 : Count() - 1;
    return index;
}

RECT TCustomListBox::ItemRect(int Index) {
    const RECT area = ItemsArea();
    const int top = area.top + (Index - FTopIndex) * ItemHeight();
    // Items wider than the box start left of it by the scrolled amount and reach their full width.
    const int left = static_cast<int>(area.left) - FLeftOffset;
    const int right = std::max(static_cast<int>(area.right), left + FScrollWidth);
    return RECT{left, top, right, top + ItemHeight()};
}

bool TCustomListBox::SelectOnly(int Index) {
    bool changed = false;
    for (int i = 0; i < Count(); ++i) {
        const bool want = i == Index;
        if (FItems->ItemSelected(i) != want) {
            FItems->SetItemSelected(i, want);
            changed = true;
        }
    }
    return changed;
}

void TCustomListBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= Count()) Value = -1;
    const bool changed = SelectOnly(Value) || FItemIndex != Value;
    FItemIndex = Value;
    FAnchor = Value;
    MakeVisible(Value);
    if (changed) Invalidate();
}

void TCustomListBox::SetSelected(int Index, bool Value) {
    if (!FMultiSelect) {
        if (Value)
            SetItemIndex(Index);
        else if (Index == FItemIndex)
            SetItemIndex(-1);
        return;
    }
    FItems->SetItemSelected(Index, Value);
    Invalidate();
}

int TCustomListBox::SelCount() const {
    // A single-selection list answers -1, as its window does.
    return FMultiSelect ? FItems->SelectedCount() : -1;
}

void TCustomListBox::SelectAll() {
    if (!FMultiSelect) return;
    for (int i = 0; i < Count(); ++i)
        FItems->SetItemSelected(i, true);
    Invalidate();
}

void TCustomListBox::ClearSelection() {
    SelectOnly(-1);
    if (!FMultiSelect) FItemIndex = -1;
    Invalidate();
}

void TCustomListBox::DeleteSelected() {
    FItems->BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems->ItemSelected(i)) FItems->Delete(i);
    FItems->EndUpdate();
}

bool TCustomListBox::FocusItem(int Index, bool Shift, bool Ctrl) {
    if (Count() == 0) return false;
    Index = std::clamp(Index, 0, Count() - 1);
    bool changed = false;
    if (!FMultiSelect) {
        changed = FItemIndex != Index;
        SelectOnly(Index);
        FItemIndex = FAnchor = Index;
    } else if (FExtendedSelect && Shift) {
        if (FAnchor < 0) FAnchor = Index;
        const int from = std::min(FAnchor, Index);
        const int to = std::max(FAnchor, Index);
        for (int i = 0; i < Count(); ++i) {
            const bool want = (i >= from && i <= to) || (Ctrl && FItems->ItemSelected(i));
            if (FItems->ItemSelected(i) != want) {
                FItems->SetItemSelected(i, want);
                changed = true;
            }
        }
        FItemIndex = Index;
    } else if (FExtendedSelect && !Ctrl) {
        changed = SelectOnly(Index);
        FItemIndex = FAnchor = Index;
    } else {
        // Ctrl (or a plain multi-selection list) moves only the focus.
        FItemIndex = Index;
    }
    MakeVisible(Index);
    Invalidate();
    return changed;
}

void TCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const int index = ItemAtPos(POINT{X, Y}, true);
        if (index >= 0) {
            bool changed = false;
            const bool ctrl = Shift.Contains(ssCtrl);
            const bool shift = Shift.Contains(ssShift);
            if (FMultiSelect && ((ctrl && !shift) || !FExtendedSelect)) {
                // A toggle of one item.
                FItems->SetItemSelected(index, !FItems->ItemSelected(index));
                FItemIndex = FAnchor = index;
                changed = true;
                Invalidate();
            } else {
                changed = FocusItem(index, shift, ctrl);
            }
            FMouseSelecting = !FMultiSelect || (FExtendedSelect && !ctrl);
            TWeakLink<TCustomListBox> self(this);
            if (changed) SelectionChangedByUser();
            if (!self) return;
            if (Shift.Contains(ssDouble)) DblClick();
            if (!self) return;
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
    if (FMouseSelecting && Shift.Contains(ssLeft) && Count() > 0) {
        const int index = ItemAtPos(POINT{X, Y}, false);
        if (index != FItemIndex && FocusItem(index, FMultiSelect, false)) SelectionChangedByUser();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) FMouseSelecting = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int rows = WheelScrollRows(WheelDelta);
    if (rows == 0) return false;
    SetTopIndex(FTopIndex - rows);
    return true;
}

void TCustomListBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_SPACE) {
        if (FMultiSelect && FItemIndex >= 0 && (!FExtendedSelect || Shift.Contains(ssCtrl))) {
            FItems->SetItemSelected(FItemIndex, !FItems->ItemSelected(FItemIndex));
            FAnchor = FItemIndex;
            Invalidate();
            SelectionChangedByUser();
            Key = 0;
        }
        return;
    }
    if (!IsListMoveKey(Key)) return;
    const int target = ListMoveTarget(Key, FItemIndex, Count(), ListPageRows(VisibleItems()));
    Key = 0;
    if (target >= 0 && FocusItem(target, Shift.Contains(ssShift), Shift.Contains(ssCtrl)))
        SelectionChangedByUser();
}

void TCustomListBox::KeyPress(TKeyChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key < 0x20 || Key == 0x7F || Count() == 0) return;
    const int found = FSearch.Find(Key, FItemIndex, Count(), [this](int i) { return FItems->Strings(i); });
    Key = 0;
    if (found >= 0 && FocusItem(found, false, false)) SelectionChangedByUser();
}

void TCustomListBox::DrawItem(int Index, RECT Rect, TOwnerDrawState State) {
    if (FStyle != lbStandard && OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    const bool selected = State.Contains(odSelected);
    StdCtrlsFill(dc, Rect, selected ? clHighlight : Color());
    const std::string text = FItems->Strings(Index);
    RECT textRect = Rect;
    textRect.left += 2;
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color()));
    ::DrawText(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    ::RestoreDC(dc, saved);
}

void TCustomListBox::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    if (FFrame > 0) ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    const RECT area = ItemsArea();
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const int last = std::min(Count() - 1, FTopIndex + VisibleItems());
    for (int i = FTopIndex; i <= last; ++i) {
        const RECT r = ItemRect(i);
        TOwnerDrawState state;
        if (FItems->ItemSelected(i)) state.Include(odSelected);
        if (!Enabled()) state.Include(odDisabled);
        if (i == FItemIndex && Focused()) state.Include(odFocused);
        canvas->Font()->Assign(Font());
        canvas->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
        DrawItem(i, r, state);
        if (state.Contains(odFocused)) ::DrawFocusRect(dc, &r);
    }
    ::RestoreDC(dc, saved);
}

void TCustomListBox::Dispatch(TMessage& Message) {
    const auto index = static_cast<int>(static_cast<LONG_PTR>(Message.WParam));
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case CM_FONTCHANGED:
        UpdateScrollBar();
        Invalidate();
        break;
    case LB_GETCOUNT:
        Message.Result = Count();
        return;
    case LB_GETCURSEL:
        Message.Result = FMultiSelect ? FItemIndex : (FItemIndex < 0 ? LB_ERR : FItemIndex);
        return;
    case LB_SETCURSEL:
        SetItemIndex(index);
        Message.Result = FItemIndex < 0 ? LB_ERR : FItemIndex;
        return;
    case LB_GETCARETINDEX:
        Message.Result = FItemIndex;
        return;
    case LB_SETCARETINDEX:
        if (index >= 0 && index < Count()) {
            FItemIndex = index;
            MakeVisible(index);
            Invalidate();
        }
        return;
    case WM_VSCROLL:
    case WM_HSCROLL:
        // From the list's own window only: the bars' changes come through their OnChange.
        if (Message.LParam != 0) break;
        Scroll(Message.Msg == WM_HSCROLL, LOWORD(Message.WParam), static_cast<SHORT>(HIWORD(Message.WParam)));
        return;
    case LB_GETHORIZONTALEXTENT:
        Message.Result = FScrollWidth;
        return;
    case LB_SETHORIZONTALEXTENT:
        SetScrollWidth(static_cast<int>(Message.WParam));
        return;
    case LB_GETTOPINDEX:
        Message.Result = FTopIndex;
        return;
    case LB_SETTOPINDEX:
        SetTopIndex(index);
        return;
    case LB_GETSEL: {
        const int i = static_cast<int>(Message.WParam);
        Message.Result = i >= 0 && i < Count() ? (FItems->ItemSelected(i) ? 1 : 0) : LB_ERR;
        return;
    }
    case LB_SETSEL: {
        // Index -1 applies to every item.
        const auto item = static_cast<int>(Message.LParam);
        if (item < 0) {
            if (Message.WParam != 0)
                SelectAll();
            else
                ClearSelection();
        } else if (item < Count()) {
            SetSelected(item, Message.WParam != 0);
        }
        return;
    }
    case LB_GETSELCOUNT:
        Message.Result = SelCount();
        return;
    case LB_GETITEMHEIGHT:
        Message.Result = ItemHeight();
        return;
    case LB_SETITEMHEIGHT:
        SetItemHeight(static_cast<int>(Message.LParam));
        return;
    case LB_GETTEXTLEN:
        Message.Result =
            index >= 0 && index < Count() ? static_cast<LRESULT>(FItems->Strings(index).size()) : LB_ERR;
        return;
    case LB_GETTEXT:
        if (index >= 0 && index < Count() && Message.LParam != 0) {
            const std::string s = FItems->Strings(index);
            std::memcpy(reinterpret_cast<char*>(Message.LParam), s.c_str(), s.size() + 1);
            Message.Result = static_cast<LRESULT>(s.size());
        } else {
            Message.Result = LB_ERR;
        }
        return;
    case LB_ADDSTRING:
        Message.Result = FItems->Add(reinterpret_cast<const char*>(Message.LParam));
        return;
    case LB_INSERTSTRING: {
        const int at = index < 0 || index > Count() ? Count() : index;
        FItems->Insert(at, reinterpret_cast<const char*>(Message.LParam));
        Message.Result = at;
        return;
    }
    case LB_DELETESTRING:
        if (index >= 0 && index < Count()) {
            FItems->Delete(index);
            Message.Result = Count();
        } else {
            Message.Result = LB_ERR;
        }
        return;
    case LB_RESETCONTENT:
        FItems->Clear();
        return;
    case LB_GETITEMDATA:
        Message.Result =
            index >= 0 && index < Count() ? reinterpret_cast<LRESULT>(FItems->Objects(index)) : LB_ERR;
        return;
    case LB_SETITEMDATA:
        if (index >= 0 && index < Count())
            FItems->SetObjects(index, reinterpret_cast<TObject*>(Message.LParam));
        else
            Message.Result = LB_ERR;
        return;
    case LB_GETITEMRECT:
        if (index >= 0 && index < Count() && Message.LParam != 0) {
            *reinterpret_cast<RECT*>(Message.LParam) = ItemRect(index);
            Message.Result = 1;
        } else {
            Message.Result = LB_ERR;
        }
        return;
    case LB_ITEMFROMPOINT: {
        const int i = ItemAtPos(POINT{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}, true);
        // The high word says the point is outside the items.
        Message.Result = i < 0 ? MAKELONG(static_cast<WORD>(std::max(0, Count() - 1)), 1) : MAKELONG(i, 0);
        return;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
        const std::string wanted = reinterpret_cast<const char*>(Message.LParam);
        const int found = FindListItem(
            Count(), [this](int i) { return FItems->Strings(i); }, wanted, index,
            Message.Msg == LB_FINDSTRINGEXACT);
        Message.Result = found >= 0 ? found : LB_ERR;
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
