// TCustomComboBox / TComboBox: an edit box (csDropDown) or a fixed face (csDropDownList) with a button
// that drops a list of its items. The list is a popup that never takes the activation: the focus stays on
// the combo box, which moves through the list with the arrow keys, picks with Enter or a click, and closes
// with Esc (keeping the old choice), F4, Alt+Up/Down or a click elsewhere. Owner-drawn variants draw items
// (and the face) through OnDrawItem. In a drop-down list, typing the start of an item selects it. OnChange
// follows the text, OnSelect a choice the user made, OnDropDown / OnCloseUp the list.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/ListTypingSearch.h"

#include <cstdint>
#include <memory>
#include <string>

class TCustomEdit;
class TComboBoxList;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// clang-format off
constexpr UINT CB_GETEDITSEL = 0x0140;
constexpr UINT CB_LIMITTEXT = 0x0141;
constexpr UINT CB_SETEDITSEL = 0x0142;
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_DELETESTRING = 0x0144;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_INSERTSTRING = 0x014A;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_FINDSTRING = 0x014C;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr UINT CB_SHOWDROPDOWN = 0x014F;
constexpr UINT CB_GETITEMDATA = 0x0150;
constexpr UINT CB_SETITEMDATA = 0x0151;
constexpr UINT CB_SETITEMHEIGHT = 0x0153;
constexpr UINT CB_GETITEMHEIGHT = 0x0154;
constexpr UINT CB_GETDROPPEDSTATE = 0x0157;
constexpr UINT CB_FINDSTRINGEXACT = 0x0158;
constexpr UINT CB_SETDROPPEDWIDTH = 0x0160;
constexpr LRESULT CB_ERR = -1;
// clang-format on

class TCustomComboBox : public TCustomControl {
public:
    explicit TCustomComboBox(TComponent* AOwner);
    ~TCustomComboBox() override;

    TStrings* Items() const { return FItems.get(); }
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    int ItemIndex() const { return FItemIndex; }
    // Selects an item (-1: none) and shows its text; fires no OnChange, as a change in code does not.
    void SetItemIndex(int Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value) { FDropDownCount = Value < 1 ? 1 : Value; }
    int ItemHeight() const;
    void SetItemHeight(int Value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }
    int MaxLength() const;
    void SetMaxLength(int Value);
    // The edit part of a csDropDown box (null for the other styles).
    TCustomEdit* EditControl() const { return FEdit; }

    bool DroppedDown() const;
    void SetDroppedDown(bool Value);
    // The popup list while it is shown.
    TCustomListBox* DropDownList() const;
    int DroppedWidth() const { return FDroppedWidth; }
    void SetDroppedWidth(int Value) { FDroppedWidth = Value; }

    bool Focused() override;
    void SetParent(TWinControl* AParent) override;
    void SetFocus() override;
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;

protected:
    friend class TComboBoxList;
    friend class TComboBoxEdit;

    std::string GetText() const override;
    void SetTextBuf(const std::string& Value) override;
    void Paint() override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(TKeyChar& Key) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    virtual void Change() { OnChange(this); }
    virtual void Select() { OnSelect(this); }
    virtual void DropDown() { OnDropDown(this); }
    virtual void CloseUp() { OnCloseUp(this); }

    // Handles the combo's keys for itself and for its edit part; answers whether the key was used.
    bool HandleComboKey(WORD Key, TShiftState Shift);
    // Makes Index the user's choice: text, OnChange and OnSelect.
    void ChooseByUser(int Index);
    // Closes the list; Accept takes the list's item as the choice.
    void CloseList(bool Accept);
    RECT ButtonRect();
    void DrawFace(HDC DC, RECT Rect);
    void PlaceEdit();
    // The edit part's text changed by typing or pasting.
    void EditChanged();

private:
    void ItemsChanged(int Index, int Inserted);

    std::unique_ptr<TListBoxStrings> FItems;
    TComboBoxStyle FStyle = csDropDown;
    TCustomEdit* FEdit = nullptr;
    TComboBoxList* FList = nullptr;
    std::string FText; // the face text of a list-only box
    int FItemIndex = -1;
    int FItemIndexBeforeDrop = -1;
    int FDropDownCount = 8;
    int FItemHeight = 0;
    int FDroppedWidth = 0;
    bool FUpdatingEdit = false;
    TListTypingSearch FSearch;
};

class TComboBox : public TCustomComboBox {
public:
    explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}
};
