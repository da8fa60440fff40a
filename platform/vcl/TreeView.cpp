#include "platform/vcl/TreeView.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
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

namespace treeview_detail {

constexpr int Frame = 2;
constexpr int ButtonSize = 9;

// Dotted lines as the classic tree draws them: every other pixel.
void DottedLine(HDC DC, int X1, int Y1, int X2, int Y2, COLORREF Color) {
    if (X1 == X2)
        for (int y = std::min(Y1, Y2); y <= std::max(Y1, Y2); ++y) {
            if (((X1 + y) & 1) == 0) ::SetPixel(DC, X1, y, Color);
        }
    else
        for (int x = std::min(X1, X2); x <= std::max(X1, X2); ++x)
            if (((x + Y1) & 1) == 0) ::SetPixel(DC, x, Y1, Color);
}

} // namespace treeview_detail

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TTreeNodes>(this)) {
    ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
    FWidth = 121;
    FHeight = 97;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FScrollBar = CreateListScrollBar(this, TNotifyEvent(this, &TCustomTreeView::ScrollBarChanged));
    FScrollBar->SetParent(this);
}

TCustomTreeView::~TCustomTreeView() {
    // The nodes go quietly: no events reach a tree that is being destroyed.
    FSelected = nullptr;
    FItems.reset();
}

// ---- Rows

const std::vector<TTreeNode*>& TCustomTreeView::Rows() {
    if (!FRowsValid) {
        FRows.clear();
        for (TTreeNode* n = FItems->GetFirstNode(); n != nullptr; n = n->GetNextVisible())
            FRows.push_back(n);
        FRowsValid = true;
    }
    return FRows;
}

int TCustomTreeView::RowOf(const TTreeNode* Node) {
    const std::vector<TTreeNode*>& rows = Rows();
    const auto it = std::find(rows.begin(), rows.end(), Node);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int TCustomTreeView::VisibleCount() {
    return static_cast<int>(Rows().size());
}

RECT TCustomTreeView::RowsArea() {
    return ListRowsArea(ClientRect(), treeview_detail::Frame, 0, FScrollBar);
}

int TCustomTreeView::VisibleRows() {
    const RECT area = RowsArea();
    return std::max(1, static_cast<int>(area.bottom - area.top) / ItemHeight());
}

int TCustomTreeView::ItemHeight() const {
    if (FItemHeight > 0) return FItemHeight;
    // The font's line height with a pixel above and below, made even as the control keeps it.
    const int h = StdCtrlsLineHeight(Font()) + 2;
    return h & ~1;
}

void TCustomTreeView::SetItemHeight(int Value) {
    FItemHeight = Value > 0 ? Value : 0;
    UpdateScrollBar();
    Invalidate();
}

void TCustomTreeView::SetIndent(int Value) {
    if (Value < 0 || Value == FIndent) return;
    FIndent = Value;
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool Value) {
    FShowButtons = Value;
    Invalidate();
}

void TCustomTreeView::SetShowLines(bool Value) {
    FShowLines = Value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value) {
    FShowRoot = Value;
    Invalidate();
}

void TCustomTreeView::SetHideSelection(bool Value) {
    FHideSelection = Value;
    Invalidate();
}

void TCustomTreeView::SetRowSelect(bool Value) {
    FRowSelect = Value;
    Invalidate();
}

void TCustomTreeView::SetImages(TCustomImageList* Value) {
    FImages = Value;
    if (Value != nullptr) Value->FreeNotification(this);
    Invalidate();
}

void TCustomTreeView::SetStateImages(TCustomImageList* Value) {
    FStateImages = Value;
    if (Value != nullptr) Value->FreeNotification(this);
    Invalidate();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) FImages = nullptr;
    if (AComponent == FStateImages) FStateImages = nullptr;
}

void TCustomTreeView::SetSortType(TSortType Value) {
    if (FSortType == Value) return;
    FSortType = Value;
    if (Value != stNone) AlphaSort(true);
}

int TCustomTreeView::CompareNodes(TTreeNode* A, TTreeNode* B) {
    int result = 0;
    if (OnCompare) {
        OnCompare(this, A, B, 0, result);
        return result;
    }
    if (FSortType == stData || FSortType == stBoth) {
        const auto a = reinterpret_cast<std::uintptr_t>(A->Data());
        const auto b = reinterpret_cast<std::uintptr_t>(B->Data());
        if (a != b || FSortType == stData) return a < b ? -1 : a > b ? 1 : 0;
    }
    return AnsiCompareText(A->Text(), B->Text());
}

void TCustomTreeView::SortChildren(TTreeNode* Parent, bool Recurse) {
    std::stable_sort(Parent->FChildren.begin(), Parent->FChildren.end(),
                     [this](const std::unique_ptr<TTreeNode>& a, const std::unique_ptr<TTreeNode>& b) {
                         return CompareNodes(a.get(), b.get()) < 0;
                     });
    if (Recurse)
        for (auto& child : Parent->FChildren)
            SortChildren(child.get(), true);
}

bool TCustomTreeView::AlphaSort(bool Recurse) {
    if (FItems->GetFirstNode() == nullptr) return false;
    SortChildren(FItems->Root(), Recurse);
    NodeChanged(nullptr, true);
    return true;
}

void TCustomTreeView::FullExpand() {
    for (TTreeNode* n = FItems->GetFirstNode(); n != nullptr; n = n->GetNextSibling())
        n->Expand(true);
}

void TCustomTreeView::FullCollapse() {
    for (TTreeNode* n = FItems->GetFirstNode(); n != nullptr; n = n->GetNextSibling())
        n->Collapse(true);
}

// ---- Notifications from the nodes

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
    bool allow = true;
    OnExpanding(this, Node, allow);
    return allow;
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
    bool allow = true;
    OnCollapsing(this, Node, allow);
    return allow;
}

void TCustomTreeView::Expanded(TTreeNode* Node) {
    OnExpanded(this, Node);
}

void TCustomTreeView::Collapsed(TTreeNode* Node) {
    // A selection hidden inside the collapsed node moves up to it, as a user sees it.
    if (FSelected != nullptr && FSelected->HasAsParent(Node)) {
        FSelected = Node;
        OnChange(this, Node);
    }
    OnCollapsed(this, Node);
}

void TCustomTreeView::NodeChanged(TTreeNode*, bool Structure) {
    if (Structure) {
        FRowsValid = false;
        UpdateScrollBar();
    }
    Invalidate();
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node) {
    OnDeletion(this, Node);
    if (FSelected == Node) {
        // The selection moves to the next sibling, else the previous one, else the parent.
        TTreeNode* next = Node->GetNextSibling();
        if (next == nullptr) next = Node->GetPrevSibling();
        if (next == nullptr) next = Node->Parent();
        FSelected = next;
        if (!ComponentState().Contains(csDestroying)) OnChange(this, next);
    }
    FRowsValid = false;
}

// ---- Selection and scrolling

void TCustomTreeView::SetSelected(TTreeNode* Value) {
    if (Value == FSelected) return;
    bool allow = true;
    OnChanging(this, Value, allow);
    if (!allow) return;
    FSelected = Value;
    if (Value != nullptr) Value->MakeVisible();
    Invalidate();
    OnChange(this, Value);
}

void TCustomTreeView::SelectByUser(TTreeNode* Node) {
    if (Node == nullptr) return;
    if (Node == FSelected) {
        ScrollToRow(RowOf(Node));
        return;
    }
    SetSelected(Node);
}

TTreeNode* TCustomTreeView::TopItem() const {
    auto* self = const_cast<TCustomTreeView*>(this);
    const std::vector<TTreeNode*>& rows = self->Rows();
    return FTopRow < static_cast<int>(rows.size()) ? rows[FTopRow] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
    const int row = RowOf(Value);
    if (row >= 0) SetTopRow(row);
}

void TCustomTreeView::SetTopRow(int Row) {
    const int maxTop = std::max(0, VisibleCount() - VisibleRows());
    Row = std::clamp(Row, 0, maxTop);
    if (Row == FTopRow) return;
    FTopRow = Row;
    if (FScrollBar->Visible()) FScrollBar->SetPosition(Row);
    Invalidate();
}

void TCustomTreeView::ScrollToRow(int Row) {
    if (Row < 0) return;
    if (Row < FTopRow)
        SetTopRow(Row);
    else if (Row >= FTopRow + VisibleRows())
        SetTopRow(Row - VisibleRows() + 1);
}

void TCustomTreeView::UpdateScrollBar() {
    const RECT client = ClientRect();
    const int inner = static_cast<int>(client.bottom) - 2 * treeview_detail::Frame;
    const int visible = std::max(1, inner / ItemHeight());
    const int count = VisibleCount();
    FTopRow = std::clamp(FTopRow, 0, std::max(0, count - visible));
    if (!HandleAllocated() && Parent() == nullptr && ParentWindow() == nullptr) return;
    UpdateListScrollBar(FScrollBar, client.right - treeview_detail::Frame, treeview_detail::Frame,
                        std::max(0, inner), count, visible, FTopRow);
}

void TCustomTreeView::ScrollBarChanged(TObject*) {
    if (FollowListScrollBar(FScrollBar, FTopRow)) Invalidate();
}

void TCustomTreeView::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    UpdateScrollBar();
}

void TCustomTreeView::Resize() {
    TCustomControl::Resize();
    UpdateScrollBar();
}

// ---- Geometry

int TCustomTreeView::NodeLeft(const TTreeNode* Node) const {
    // The column of the node's button; top-level nodes have one only with ShowRoot.
    int columns = Node->Level();
    if (FShowRoot && (FShowButtons || FShowLines)) ++columns;
    return treeview_detail::Frame + columns * FIndent;
}

RECT TCustomTreeView::NodeRect(TTreeNode* Node, bool TextOnly) {
    const int row = RowOf(Node);
    if (row < FTopRow || row >= FTopRow + VisibleRows() + 1) return RECT{0, 0, 0, 0};
    const RECT area = RowsArea();
    const int top = area.top + (row - FTopRow) * ItemHeight();
    RECT r{area.left, top, area.right, top + ItemHeight()};
    if (!TextOnly) return r;
    int left = NodeLeft(Node);
    if (FStateImages != nullptr && Node->StateIndex() >= 0) left += FStateImages->Width();
    if (FImages != nullptr) left += FImages->Width() + 3;
    const int width = StdCtrlsTextExtent(Font(), Node->Text()).cx + 4;
    return RECT{left, top, std::min<LONG>(left + width, area.right), top + ItemHeight()};
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) {
    const RECT area = RowsArea();
    if (X < area.left || X >= area.right || Y < area.top || Y >= area.bottom) return nullptr;
    const int row = FTopRow + (Y - area.top) / ItemHeight();
    const std::vector<TTreeNode*>& rows = Rows();
    return row < static_cast<int>(rows.size()) ? rows[row] : nullptr;
}

THitTests TCustomTreeView::GetHitTestInfoAt(int X, int Y) {
    const RECT client = ClientRect();
    if (Y < client.top) return THitTests{htAbove};
    if (Y >= client.bottom) return THitTests{htBelow};
    if (X < client.left) return THitTests{htToLeft};
    if (X >= client.right) return THitTests{htToRight};
    TTreeNode* node = GetNodeAt(X, Y);
    if (node == nullptr) return THitTests{htNowhere};
    const RECT text = NodeRect(node, true);
    const int left = NodeLeft(node);
    const bool hasButtonColumn = node->Level() > 0 || (FShowRoot && (FShowButtons || FShowLines));
    if (X < left - (hasButtonColumn ? FIndent : 0)) return THitTests{htOnIndent};
    if (X < left) {
        if (FShowButtons && node->HasChildren() && hasButtonColumn) return THitTests{htOnButton};
        return THitTests{htOnIndent};
    }
    if (X < text.left) {
        int x = left;
        if (FStateImages != nullptr && node->StateIndex() >= 0) {
            x += FStateImages->Width();
            if (X < x) return THitTests{htOnItem, htOnStateIcon};
        }
        return THitTests{htOnItem, htOnIcon};
    }
    if (X < text.right) return THitTests{htOnItem, htOnLabel};
    return THitTests{htOnRight};
}

// ---- Painting

void TCustomTreeView::Paint() {
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Color());
    ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    const RECT area = RowsArea();
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    const std::vector<TTreeNode*>& rows = Rows();
    const int last = std::min(static_cast<int>(rows.size()) - 1, FTopRow + VisibleRows());
    for (int i = FTopRow; i <= last; ++i) {
        const int top = area.top + (i - FTopRow) * ItemHeight();
        DrawNode(rows[i], RECT{area.left, top, area.right, top + ItemHeight()});
    }
    ::RestoreDC(dc, saved);
}

void TCustomTreeView::DrawNode(TTreeNode* Node, RECT Row) {
    using namespace treeview_detail;
    HDC dc = Canvas()->Handle();
    const COLORREF lineColor = ColorToRGB(clGrayText);
    const int midY = (Row.top + Row.bottom) / 2;
    const int left = NodeLeft(Node);
    const bool rootColumn = FShowRoot && (FShowButtons || FShowLines);
    // Lines: from each ancestor with a later sibling down through this row, and this node's own joint.
    if (FShowLines) {
        int column = left - FIndent / 2 - FIndent;
        for (TTreeNode* p = Node->Parent(); p != nullptr; p = p->Parent(), column -= FIndent) {
            if (p->Level() == 0 && !rootColumn) break;
            if (p->GetNextSibling() != nullptr)
                DottedLine(dc, column, Row.top, column, Row.bottom - 1, lineColor);
        }
        if (Node->Level() > 0 || rootColumn) {
            const int x = left - FIndent / 2;
            const bool first = Node->Parent() == nullptr && Node->GetPrevSibling() == nullptr;
            DottedLine(dc, x, first ? midY : Row.top, x,
                       Node->GetNextSibling() != nullptr ? Row.bottom - 1 : midY, lineColor);
            DottedLine(dc, x, midY, left - 2, midY, lineColor);
        }
    }
    if (FShowButtons && Node->HasChildren() && (Node->Level() > 0 || rootColumn)) {
        const int x = left - FIndent / 2 - ButtonSize / 2;
        const int y = midY - ButtonSize / 2;
        RECT box{x, y, x + ButtonSize, y + ButtonSize};
        StdCtrlsFill(dc, box, clWindow);
        const COLORREF frame = ColorToRGB(clGrayText);
        for (int i = 0; i < ButtonSize; ++i) {
            ::SetPixel(dc, x + i, y, frame);
            ::SetPixel(dc, x + i, y + ButtonSize - 1, frame);
            ::SetPixel(dc, x, y + i, frame);
            ::SetPixel(dc, x + ButtonSize - 1, y + i, frame);
        }
        const COLORREF sign = ColorToRGB(clWindowText);
        for (int i = 2; i <= ButtonSize - 3; ++i)
            ::SetPixel(dc, x + i, midY, sign);
        if (!Node->Expanded())
            for (int i = 2; i <= ButtonSize - 3; ++i)
                ::SetPixel(dc, x + ButtonSize / 2, y + i, sign);
    }
    int x = left;
    if (FStateImages != nullptr && Node->StateIndex() >= 0) {
        FStateImages->Draw(Canvas(), x, midY - FStateImages->Height() / 2, Node->StateIndex(), Enabled());
        x += FStateImages->Width();
    }
    if (FImages != nullptr) {
        if (Node->Selected())
            OnGetSelectedIndex(this, Node);
        else
            OnGetImageIndex(this, Node);
        const int index =
            Node->Selected() && Node->SelectedIndex() >= 0 ? Node->SelectedIndex() : Node->ImageIndex();
        if (index >= 0 && index < FImages->Count())
            FImages->Draw(Canvas(), x, midY - FImages->Height() / 2, index, Enabled());
    }
    RECT text = NodeRect(Node, true);
    if (FRowSelect) {
        text.left = Row.left;
        text.right = Row.right;
    }
    const bool focused = Focused();
    const bool selected = Node == FSelected && (focused || !FHideSelection);
    if (selected) StdCtrlsFill(dc, text, focused ? clHighlight : clBtnFace);
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(!Enabled()            ? clGrayText
                                  : selected && focused ? clHighlightText
                                                        : Font()->Color()));
    RECT textInner = text;
    textInner.left += 2;
    const std::string& caption = Node->Text();
    ::DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &textInner,
               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    ::RestoreDC(dc, saved);
    if (Node == FSelected && focused) ::DrawFocusRect(dc, &text);
}

// ---- Input

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        TWeakLink<TCustomTreeView> self(this);
        const THitTests hit = GetHitTestInfoAt(X, Y);
        TTreeNode* node = GetNodeAt(X, Y);
        if (node != nullptr && hit.Contains(htOnButton)) {
            node->SetExpanded(!node->Expanded());
        } else if (node != nullptr && (hit.Contains(htOnItem) || FRowSelect)) {
            SelectByUser(node);
            if (!self) return;
            if (Shift.Contains(ssDouble)) {
                // A double click opens or closes the node and is reported to the owner.
                node->SetExpanded(!node->Expanded());
                if (!self) return;
                DblClick();
                if (!self) return;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TCustomTreeView> self(this);
    // Any click on the tree is reported, on a node or not.
    if (Button == mbLeft) Click();
    if (!self) return;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomTreeView::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int rows = WheelScrollRows(WheelDelta);
    if (rows == 0) return false;
    SetTopRow(FTopRow - rows);
    return true;
}

void TCustomTreeView::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    const std::vector<TTreeNode*>& rows = Rows();
    if (rows.empty()) return;
    TTreeNode* current = FSelected;
    const int row = current != nullptr ? RowOf(current) : -1;
    TTreeNode* target = nullptr;
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        target = rows[ListMoveTarget(Key, row, static_cast<int>(rows.size()), ListPageRows(VisibleRows()))];
        break;
    case VK_LEFT:
        if (current == nullptr) return;
        if (current->Expanded() && current->HasChildren())
            current->SetExpanded(false);
        else
            target = current->Parent();
        break;
    case VK_RIGHT:
        if (current == nullptr) return;
        if (current->HasChildren() && !current->Expanded())
            current->SetExpanded(true);
        else
            target = current->GetFirstChild();
        break;
    case VK_BACK:
        if (current != nullptr) target = current->Parent();
        break;
    case VK_ADD:
        if (current != nullptr) current->SetExpanded(true);
        break;
    case VK_SUBTRACT:
        if (current != nullptr) current->SetExpanded(false);
        break;
    case VK_MULTIPLY:
        if (current != nullptr) current->Expand(true);
        break;
    default:
        return;
    }
    Key = 0;
    if (target != nullptr) SelectByUser(target);
}

void TCustomTreeView::KeyPress(TKeyChar& Key) {
    TCustomControl::KeyPress(Key);
    // '+', '-' and '*' come with their keypad keys; they are not a search.
    if (Key < 0x20 || Key == 0x7F || Key == '+' || Key == '-' || Key == '*') return;
    const std::vector<TTreeNode*>& rows = Rows();
    if (rows.empty()) return;
    const int row = FSelected != nullptr ? RowOf(FSelected) : -1;
    const int found =
        FSearch.Find(Key, row, static_cast<int>(rows.size()), [&rows](int i) { return rows[i]->Text(); });
    Key = 0;
    if (found >= 0) SelectByUser(rows[found]);
}

// ---- Messages

void TCustomTreeView::Dispatch(TMessage& Message) {
    auto* item = reinterpret_cast<TTreeNode*>(Message.LParam);
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
    case TVM_GETITEMHEIGHT:
        Message.Result = ItemHeight();
        return;
    case TVM_SETITEMHEIGHT: {
        // The answer is the previous height; -1 goes back to the default; odd heights are made even.
        const int previous = ItemHeight();
        const int wanted = static_cast<int>(static_cast<SHORT>(LOWORD(Message.WParam)));
        SetItemHeight(wanted == -1 ? 0 : std::max(1, wanted & ~1));
        Message.Result = previous;
        return;
    }
    case TVM_GETINDENT:
        Message.Result = FIndent;
        return;
    case TVM_SETINDENT:
        SetIndent(static_cast<int>(Message.WParam));
        Message.Result = 0;
        return;
    case TVM_GETCOUNT:
        Message.Result = FItems->Count();
        return;
    case TVM_EXPAND:
        Message.Result = 0;
        if (item != nullptr && item->HasChildren()) {
            const WPARAM action = Message.WParam & TVE_TOGGLE;
            const bool before = item->Expanded();
            if (action == TVE_EXPAND) item->SetExpanded(true);
            if (action == TVE_COLLAPSE) item->SetExpanded(false);
            if (action == TVE_TOGGLE) item->SetExpanded(!before);
            Message.Result = item->Expanded() != before ? 1 : 0;
        }
        return;
    case TVM_SELECTITEM:
        Message.Result = 0;
        if (Message.WParam == TVGN_CARET) {
            SetSelected(item);
            Message.Result = FSelected == item ? 1 : 0;
        } else if (Message.WParam == TVGN_FIRSTVISIBLE && item != nullptr) {
            SetTopItem(item);
            Message.Result = 1;
        }
        return;
    case TVM_ENSUREVISIBLE:
        if (item != nullptr) item->MakeVisible();
        Message.Result = 0;
        return;
    case TVM_GETNEXTITEM: {
        TTreeNode* result = nullptr;
        switch (Message.WParam) {
        case TVGN_ROOT:
            result = FItems->GetFirstNode();
            break;
        case TVGN_CARET:
            result = FSelected;
            break;
        case TVGN_FIRSTVISIBLE:
            result = TopItem();
            break;
        case TVGN_NEXT:
            result = item != nullptr ? item->GetNextSibling() : nullptr;
            break;
        case TVGN_PREVIOUS:
            result = item != nullptr ? item->GetPrevSibling() : nullptr;
            break;
        case TVGN_PARENT:
            result = item != nullptr ? item->Parent() : nullptr;
            break;
        case TVGN_CHILD:
            result = item != nullptr ? item->GetFirstChild() : FItems->GetFirstNode();
            break;
        case TVGN_NEXTVISIBLE:
            result = item != nullptr && item->IsVisible() ? item->GetNextVisible() : nullptr;
            break;
        case TVGN_PREVIOUSVISIBLE:
            result = item != nullptr && item->IsVisible() ? item->GetPrevVisible() : nullptr;
            break;
        default:
            break;
        }
        Message.Result = reinterpret_cast<LRESULT>(result);
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
