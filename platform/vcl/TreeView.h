// TCustomTreeView / TTreeView: a tree of nodes in a sunken box, with buttons to expand and collapse,
// dotted lines between the nodes, optional images, one selected node, a vertical scroll bar when the
// visible nodes do not fit, keyboard moves (arrows, Page, Home/End, + - * on the keypad, Backspace to
// the parent, typing the start of a text) and mouse choice (a click selects, a click on a button or a
// double click on a node expands or collapses). The TVM_ messages callers send keep their meaning.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/ListTypingSearch.h"
#include "platform/vcl/TreeViewNodes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCustomImageList;
class TScrollBar;

enum TSortType { stNone, stData, stText, stBoth };
enum THitTest {
    htAbove,
    htBelow,
    htNowhere,
    htOnItem,
    htOnButton,
    htOnIcon,
    htOnIndent,
    htOnLabel,
    htOnRight,
    htOnStateIcon,
    htToLeft,
    htToRight
};
using THitTests = Set<THitTest, 16>;

using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandedEvent = TEvent<TObject*, TTreeNode*>;
using TTVCompareEvent = TEvent<TObject*, TTreeNode*, TTreeNode*, int, int&>;

// clang-format off
constexpr UINT TV_FIRST = 0x1100;
constexpr UINT TVM_EXPAND = TV_FIRST + 2;
constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
constexpr UINT TVM_GETINDENT = TV_FIRST + 6;
constexpr UINT TVM_SETINDENT = TV_FIRST + 7;
constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10;
constexpr UINT TVM_SELECTITEM = TV_FIRST + 11;
constexpr UINT TVM_ENSUREVISIBLE = TV_FIRST + 20;
constexpr UINT TVM_SETITEMHEIGHT = TV_FIRST + 27;
constexpr UINT TVM_GETITEMHEIGHT = TV_FIRST + 28;

constexpr WPARAM TVE_COLLAPSE = 0x0001;
constexpr WPARAM TVE_EXPAND = 0x0002;
constexpr WPARAM TVE_TOGGLE = 0x0003;

constexpr WPARAM TVGN_ROOT = 0x0000;
constexpr WPARAM TVGN_NEXT = 0x0001;
constexpr WPARAM TVGN_PREVIOUS = 0x0002;
constexpr WPARAM TVGN_PARENT = 0x0003;
constexpr WPARAM TVGN_CHILD = 0x0004;
constexpr WPARAM TVGN_FIRSTVISIBLE = 0x0005;
constexpr WPARAM TVGN_NEXTVISIBLE = 0x0006;
constexpr WPARAM TVGN_PREVIOUSVISIBLE = 0x0007;
constexpr WPARAM TVGN_CARET = 0x0009;
// clang-format on

class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return FItems.get(); }
    TTreeNode* Selected() const { return FSelected; }
    // Selects a node as the program does: OnChanging may refuse, OnChange follows; the node is shown.
    void SetSelected(TTreeNode* Value);
    TTreeNode* TopItem() const;
    void SetTopItem(TTreeNode* Value);

    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    // The height of a row; 0 or less goes back to the font's height.
    int ItemHeight() const;
    void SetItemHeight(int Value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    TSortType SortType() const { return FSortType; }
    // Sorting by text (or through OnCompare) applies at once and to nodes added later.
    void SetSortType(TSortType Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TCustomImageList* Value);

    void FullExpand();
    void FullCollapse();
    // Sorts every level by text (or OnCompare); answers whether anything was sorted.
    bool AlphaSort(bool Recurse = true);
    // The node on the row at a client point, null below the last or outside the rows.
    TTreeNode* GetNodeAt(int X, int Y);
    THitTests GetHitTestInfoAt(int X, int Y);
    // The row of a node (or, TextOnly, its text) in client coordinates; empty when not shown.
    RECT NodeRect(TTreeNode* Node, bool TextOnly);
    // How many whole rows fit.
    int VisibleRows();
    int VisibleCount();
    TScrollBar* ScrollBar() const { return FScrollBar; }
    void SetParent(TWinControl* AParent) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVCompareEvent OnCompare;
    TTVExpandedEvent OnDeletion;
    TTVExpandedEvent OnGetImageIndex;
    TTVExpandedEvent OnGetSelectedIndex;

protected:
    friend class TTreeNode;
    friend class TTreeNodes;

    void Paint() override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TKeyChar& Key) override;
    virtual void DrawNode(TTreeNode* Node, RECT Row);

    // Calls from the nodes.
    bool CanExpand(TTreeNode* Node);
    bool CanCollapse(TTreeNode* Node);
    void Expanded(TTreeNode* Node);
    void Collapsed(TTreeNode* Node);
    void NodeChanged(TTreeNode* Node, bool Structure);
    void NodeDeleting(TTreeNode* Node);
    void SortChildren(TTreeNode* Parent, bool Recurse);

private:
    const std::vector<TTreeNode*>& Rows();
    int RowOf(const TTreeNode* Node);
    RECT RowsArea();
    int NodeLeft(const TTreeNode* Node) const;
    // Moves the selection as a user does (OnChanging, OnChange), scrolling the node into view.
    void SelectByUser(TTreeNode* Node);
    void ScrollToRow(int Row);
    void SetTopRow(int Row);
    void UpdateScrollBar();
    void ScrollBarChanged(TObject* Sender);
    int CompareNodes(TTreeNode* A, TTreeNode* B);

    std::unique_ptr<TTreeNodes> FItems;
    std::vector<TTreeNode*> FRows; // the visible nodes, top to bottom
    bool FRowsValid = false;
    TTreeNode* FSelected = nullptr;
    TScrollBar* FScrollBar = nullptr;
    TCustomImageList* FImages = nullptr;
    TCustomImageList* FStateImages = nullptr;
    int FTopRow = 0;
    int FIndent = 19;
    int FItemHeight = 0;
    bool FShowButtons = true;
    bool FShowLines = true;
    bool FShowRoot = true;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FRowSelect = false;
    TSortType FSortType = stNone;
    TListTypingSearch FSearch;
};

class TTreeView : public TCustomTreeView {
public:
    explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}
};
