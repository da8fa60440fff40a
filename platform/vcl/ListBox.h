// TCustomListBox / TListBox: a list of strings in a sunken box with a vertical scroll bar when the items
// do not fit, and a horizontal one when they are wider than the box (ScrollWidth). Single selection, or
// multi-selection (MultiSelect) with Shift ranges and Ctrl toggles (ExtendedSelect); owner drawing with a
// fixed item height (lbOwnerDrawFixed, OnDrawItem); keyboard moves (arrows, Page, Home/End), search by typing
// the start of an item, wheel scrolling; ItemIndex, TopIndex and the LB_ messages callers send. OnClick fires
// when the user changes the selection.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/ListBoxStrings.h"
#include "platform/vcl/ListTypingSearch.h"

#include <cstdint>
#include <memory>
#include <string>

class TScrollBar;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw };
enum TOwnerDrawStateItem {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odComboBoxEdit
};
using TOwnerDrawState = Set<TOwnerDrawStateItem, 16>;
using TDrawItemEvent = TEvent<TWinControl*, int, RECT, TOwnerDrawState>;

// clang-format off
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETSEL = 0x0185;
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETSEL = 0x0187;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_FINDSTRING = 0x018F;
constexpr UINT LB_GETHORIZONTALEXTENT = 0x0193;
constexpr UINT LB_SETHORIZONTALEXTENT = 0x0194;
constexpr UINT LB_GETSELCOUNT = 0x0190;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr UINT LB_GETITEMRECT = 0x0198;
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
constexpr UINT LB_SETCARETINDEX = 0x019E;
constexpr UINT LB_GETCARETINDEX = 0x019F;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr UINT LB_ITEMFROMPOINT = 0x01A9;
constexpr LRESULT LB_ERR = -1;
// clang-format on

class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;

    TStrings* Items() const { return FItems.get(); }
    int Count() const { return FItems->Count(); }
    void Clear() { FItems->Clear(); }

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle Value);
    int ItemHeight() const;
    void SetItemHeight(int Value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool Value) { FExtendedSelect = Value; }
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }

    // The focused item (the selected one in single selection), -1 for none. Setting it selects only it.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    bool Selected(int Index) const { return FItems->ItemSelected(Index); }
    void SetSelected(int Index, bool Value);
    int SelCount() const;
    void SelectAll();
    void ClearSelection();
    void DeleteSelected();
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int Value);
    // How wide the items are (0: as wide as the box). Wider than the box, the items scroll sideways
    // under a horizontal scroll bar.
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    // How far the items are scrolled to the left, 0 .. ScrollWidth less the items' width.
    int LeftOffset() const { return FLeftOffset; }
    void SetLeftOffset(int Value);
    TScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    // How many whole items the box shows.
    int VisibleItems();
    // The item under a client point (-1 outside the items), and an item's rectangle.
    int ItemAtPos(POINT Pos, bool Existing);
    RECT ItemRect(int Index);
    // Scrolls so that Index is in view.
    void MakeVisible(int Index);
    TScrollBar* ScrollBar() const { return FScrollBar; }
    TCanvas* Canvas() const { return TCustomControl::Canvas(); }
    void SetParent(TWinControl* AParent) override;

    TDrawItemEvent OnDrawItem;

protected:
    void Paint() override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TKeyChar& Key) override;
    virtual void DrawItem(int Index, RECT Rect, TOwnerDrawState State);
    // The user changed the selection: OnClick.
    virtual void SelectionChangedByUser() { Click(); }
    // The area the items are drawn in: inside the frame, left of the scroll bar.
    RECT ItemsArea();

    // Moves the focus to Index as a user does: Shift extends from the anchor, Ctrl only moves the focus
    // (extended multi-selection); answers whether the selection changed.
    bool FocusItem(int Index, bool Shift, bool Ctrl);
    void UpdateScrollBar();

    int FFrame = 2; // the sunken frame's width (a popup list has a window border instead)

private:
    void ItemsChanged(int Index, int Inserted);
    void ScrollBarChanged(TObject* Sender);
    void HorzScrollBarChanged(TObject* Sender);
    // WM_VSCROLL and WM_HSCROLL: a line, a page, the ends or a thumb position.
    void Scroll(bool AHorizontal, WORD ACode, int AThumb);
    bool SelectOnly(int Index);

    std::unique_ptr<TListBoxStrings> FItems;
    TScrollBar* FScrollBar = nullptr;
    TScrollBar* FHorzScrollBar = nullptr;
    int FScrollWidth = 0;
    int FLeftOffset = 0;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 0; // 0: the font's line height
    int FItemIndex = -1;
    int FAnchor = -1;
    int FTopIndex = 0;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FIntegralHeight = false;
    bool FMouseSelecting = false;
    TListTypingSearch FSearch;
};

class TListBox : public TCustomListBox {
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};
