// TListView in report style: a header of columns (caption, width, alignment; a click on one reports it)
// over rows of items (caption and sub-items, item data). Single or multi-selection with Shift ranges and
// Ctrl toggles, row select, a focused item, keyboard moves, wheel and scroll-bar scrolling, MakeVisible,
// FindCaption (ignoring case), custom sorting through OnCompare or a compare function, BeginUpdate /
// EndUpdate, and the LVM_ messages callers send.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/ListTypingSearch.h"
#include "platform/vcl/StdCtrls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TListView;
class TScrollBar;
class TStringList;

class TListColumn {
public:
    explicit TListColumn(TListView* Owner) : FOwner(Owner) {}
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    int Index() const;

private:
    TListView* FOwner;
    std::string FCaption;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
};

class TListColumns {
public:
    explicit TListColumns(TListView* Owner) : FOwner(Owner) {}
    TListColumn* Add();
    TListColumn* Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear();
    int IndexOf(const TListColumn* Column) const;

private:
    TListView* FOwner;
    std::vector<std::unique_ptr<TListColumn>> FItems;
};

class TListItem {
public:
    explicit TListItem(TListView* Owner);
    ~TListItem();
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TStringList* SubItems() const { return FSubItems.get(); }
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Selected() const { return FSelected; }
    void SetSelected(bool Value);
    bool Focused() const;
    void SetFocused(bool Value);
    int Index() const;
    TListView* ListView() const { return FOwner; }
    // Scrolls the item into view.
    void MakeVisible(bool PartialOK);
    // The item's row in client coordinates.
    RECT DisplayRect();

private:
    friend class TListView;
    TListView* FOwner;
    std::string FCaption;
    std::unique_ptr<TStringList> FSubItems;
    void* FData = nullptr;
    int FImageIndex = -1;
    bool FSelected = false;
};

class TListItems {
public:
    explicit TListItems(TListView* Owner) : FOwner(Owner) {}
    TListItem* Add();
    TListItem* Insert(int Index);
    TListItem* Item(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    TListItem* operator[](int Index) const { return Item(Index); }
    int Count() const { return static_cast<int>(FItems.size()); }
    void Delete(int Index);
    void Clear();
    int IndexOf(const TListItem* Item) const;
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    TListView* FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FUpdateCount = 0;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
enum TItemChange { ctText, ctImage, ctState };
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int, int&>;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVCompare = std::function<int(TListItem*, TListItem*, int)>;

// clang-format off
constexpr UINT LVM_FIRST = 0x1000;
constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
constexpr UINT LVM_DELETEALLITEMS = LVM_FIRST + 9;
constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12;
constexpr UINT LVM_ENSUREVISIBLE = LVM_FIRST + 19;
constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;
constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;
// clang-format on

class TListView : public TCustomControl {
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;

    TListColumns* Columns() const { return FColumns.get(); }
    TListItems* Items() const { return FItems.get(); }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value) { FViewStyle = Value; }
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool Value);
    bool ColumnClick() const { return FColumnClick; }
    void SetColumnClick(bool Value) { FColumnClick = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    // The first selected item (null for none); setting it selects only that item and focuses it.
    TListItem* Selected() const;
    void SetSelected(TListItem* Value);
    TListItem* ItemFocused() const { return FFocused; }
    void SetItemFocused(TListItem* Value);
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int SelCount() const;
    void SelectAll();
    void ClearSelection();
    TListItem* TopItem() const;
    int VisibleRowCount();
    int RowHeight() const;
    int HeaderHeight() const;
    TListItem* GetItemAt(int X, int Y);
    // From StartIndex (Inclusive: with it), the first item whose caption equals Value, or starts with it
    // when Partial; Wrap goes on from the top. Case is ignored.
    TListItem* FindCaption(int StartIndex, const std::string& Value, bool Partial, bool Inclusive, bool Wrap);
    // Sorts by OnCompare (or by caption, ignoring case); CustomSort by a compare function with Data.
    void AlphaSort();
    void CustomSort(const TLVCompare& Compare, int Data);
    TScrollBar* ScrollBar() const { return FScrollBar; }
    void Scroll(int DY);

    TLVColumnClickEvent OnColumnClick;
    TLVCompareEvent OnCompare;
    TLVChangeEvent OnChange;
    TLVSelectItemEvent OnSelectItem;

    void SetParent(TWinControl* AParent) override;

protected:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumn;
    friend class TListColumns;

    void Paint() override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TKeyChar& Key) override;

    // Selection changes report OnSelectItem and OnChange for each item that changed.
    void SetItemSelected(TListItem* Item, bool Value);
    void FocusIndex(int Index, bool Shift, bool Ctrl);
    void ItemsChanged();
    void ItemRemoved(TListItem* Item);
    RECT RowsArea();
    void UpdateScrollBar();

private:
    void ScrollBarChanged(TObject* Sender);

    std::unique_ptr<TListColumns> FColumns;
    std::unique_ptr<TListItems> FItems;
    TScrollBar* FScrollBar = nullptr;
    TListItem* FFocused = nullptr;
    TListItem* FAnchor = nullptr;
    TViewStyle FViewStyle = vsReport;
    int FTopIndex = 0;
    bool FMultiSelect = false;
    bool FRowSelect = false;
    bool FHideSelection = true;
    bool FShowColumnHeaders = true;
    bool FColumnClick = true;
    bool FReadOnly = false;
    TListTypingSearch FSearch;
};
