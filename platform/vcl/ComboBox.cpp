#include "platform/vcl/ComboBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace combobox_detail {

constexpr int Frame = 2;
constexpr int ButtonWidth = 17;

} // namespace combobox_detail

// ---- The edit part of a csDropDown box: the combo's own keys go to the combo first.

class TComboBoxEdit : public TCustomEdit {
public:
    explicit TComboBoxEdit(TCustomComboBox* Combo) : TCustomEdit(Combo), FCombo(Combo) {
        SetBorderStyle(bsNone);
        SetTabStop(false);
    }

protected:
    void WMKeyDown(TMessage& Message) override {
        if (FCombo->HandleComboKey(static_cast<WORD>(Message.WParam), KeyboardStateToShiftState())) return;
        TCustomEdit::WMKeyDown(Message);
    }
    void WMSysKeyDown(TMessage& Message) override {
        if (FCombo->HandleComboKey(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam)))
            return;
        TCustomEdit::WMSysKeyDown(Message);
    }
    void WMGetDlgCode(TMessage& Message) override {
        TCustomEdit::WMGetDlgCode(Message);
        if (FCombo->DroppedDown()) Message.Result |= DLGC_WANTALLKEYS;
    }
    void WMKillFocus(TMessage& Message) override {
        FCombo->CloseList(false);
        TCustomEdit::WMKillFocus(Message);
    }
    void Change() override {
        TCustomEdit::Change();
        FCombo->EditChanged();
    }

private:
    TCustomComboBox* FCombo;
};

// ---- The drop-down list: a popup that never takes the activation and holds the mouse while shown.

class TComboBoxList : public TCustomListBox {
public:
    explicit TComboBoxList(TCustomComboBox* Combo) : TCustomListBox(Combo), FCombo(Combo) {
        FFrame = 0;
        SetTabStop(false);
        FVisible = false;
        // The list holds the mouse itself from showing to closing; a click's release must not end that.
        ControlStyle().Exclude(csCaptureMouse);
        // The scroll bar borrows the mouse while it is pressed and gives it back when done.
        ScrollBar()->OnScroll = [this](TObject*, TScrollCode Code, int&) {
            if (Code == scEndScroll && FVisible) SetMouseCapture(true);
        };
    }

    void Popup(const RECT& ScreenRect) {
        HWND handle = Handle();
        SetBounds(ScreenRect.left, ScreenRect.top, ScreenRect.right - ScreenRect.left,
                  ScreenRect.bottom - ScreenRect.top);
        UpdateScrollBar();
        ::SetWindowPos(handle, HWND_TOPMOST, ScreenRect.left, ScreenRect.top,
                       ScreenRect.right - ScreenRect.left, ScreenRect.bottom - ScreenRect.top,
                       SWP_SHOWWINDOW | SWP_NOACTIVATE);
        FVisible = true;
        FShowing = true;
        // The list has no parent to bring its children up with it: its scroll bar's window is made and
        // shown here, or a list longer than its rows would show no bar on its first opening.
        UpdateShowing();
        FTracking = false;
        SetMouseCapture(true);
        ::InvalidateRect(handle, nullptr, TRUE);
    }

    void Hide() {
        if (MouseCapture()) SetMouseCapture(false);
        if (HandleAllocated()) ::ShowWindow(FHandle, SW_HIDE);
        FVisible = false;
        FShowing = false;
    }

    bool FocusItemAt(int Index) { return FocusItem(Index, false, false); }

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomListBox::CreateParams(Params);
        Params.Style = WS_POPUP | WS_BORDER;
        Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        Params.WndParent = nullptr;
    }
    void SelectionChangedByUser() override {}
    void DrawItem(int Index, RECT Rect, TOwnerDrawState State) override {
        if ((FCombo->Style() == csOwnerDrawFixed || FCombo->Style() == csOwnerDrawVariable) &&
            FCombo->OnDrawItem) {
            FCombo->OnDrawItem(FCombo, Index, Rect, State);
            return;
        }
        TCustomListBox::DrawItem(Index, Rect, State);
    }
    bool InsideClient(int X, int Y) {
        const RECT r = ClientRect();
        return X >= r.left && Y >= r.top && X < r.right && Y < r.bottom;
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        // A press outside closes the list without a choice (on the scroll bar it scrolls).
        if (!InsideClient(X, Y)) {
            FCombo->CloseList(false);
            return;
        }
        TScrollBar* bar = ScrollBar();
        if (bar->Visible() && X >= bar->Left() && Y >= bar->Top() && X < bar->Left() + bar->Width() &&
            Y < bar->Top() + bar->Height()) {
            const LPARAM where = PointToLParam(POINT{X - bar->Left(), Y - bar->Top()});
            // The bar takes the mouse (the capture passes through no one on the way).
            FLendingMouse = true;
            bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, where);
            FLendingMouse = false;
            return;
        }
        FTracking = true;
        const int index = ItemAtPos(POINT{X, Y}, true);
        if (index >= 0) FocusItem(index, false, false);
    }
    void MouseMove(TShiftState Shift, int X, int Y) override {
        // The item under the mouse is highlighted, as a menu does.
        if (InsideClient(X, Y)) {
            FTracking = true;
            const int index = ItemAtPos(POINT{X, Y}, true);
            if (index >= 0 && index != ItemIndex()) FocusItem(index, false, false);
        }
    }
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        // The button going up over an item picks it; the release of the click that opened the list
        // (outside, over the combo box) keeps the list open.
        if (Button == mbLeft && FTracking && InsideClient(X, Y) && ItemAtPos(POINT{X, Y}, true) >= 0)
            FCombo->CloseList(true);
        else if (!MouseCapture() && FVisible)
            SetMouseCapture(true);
    }
    void Dispatch(TMessage& Message) override {
        // Losing the mouse to another window closes the list.
        // Lending it to the list's own scroll bar does not.
        const HWND taker = reinterpret_cast<HWND>(Message.LParam);
        const bool toOwnBar = ScrollBar()->HandleAllocated() && taker == ScrollBar()->Handle();
        if (Message.Msg == WM_CAPTURECHANGED && FVisible && taker != FHandle && !toOwnBar && !FClosing &&
            !FLendingMouse) {
            FClosing = true;
            FCombo->CloseList(false);
            FClosing = false;
        }
        TCustomListBox::Dispatch(Message);
    }

private:
    TCustomComboBox* FCombo;
    bool FTracking = false;
    bool FClosing = false;
    bool FLendingMouse = false;
};

// ---- The combo box

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TListBoxStrings>()) {
    ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight, csOpaque};
    FWidth = 145;
    FHeight = StdCtrlsLineHeight(Font()) + 8;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    FItems->OnItemsChanged = [this](int Index, int Inserted) { ItemsChanged(Index, Inserted); };
    FEdit = new TComboBoxEdit(this);
    FEdit->SetParent(this);
    PlaceEdit();
}

TCustomComboBox::~TCustomComboBox() {
    FItems->OnItemsChanged = nullptr;
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
    if (FStyle == Value) return;
    const std::string text = GetText();
    FStyle = Value;
    const bool wantsEdit = Value == csDropDown || Value == csSimple;
    if (wantsEdit && FEdit == nullptr) {
        FEdit = new TComboBoxEdit(this);
        FEdit->SetParent(this);
        PlaceEdit();
        FUpdatingEdit = true;
        FEdit->SetText(text);
        FUpdatingEdit = false;
    } else if (!wantsEdit && FEdit != nullptr) {
        TCustomEdit* edit = FEdit;
        FEdit = nullptr;
        edit->Free();
        FText = FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string();
    }
    Invalidate();
}

void TCustomComboBox::SetParent(TWinControl* AParent) {
    TCustomControl::SetParent(AParent);
    PlaceEdit();
}

void TCustomComboBox::PlaceEdit() {
    // The edit's window needs the box's: it is placed once the box has a parent.
    if (FEdit == nullptr || (!HandleAllocated() && Parent() == nullptr && ParentWindow() == nullptr)) return;
    using namespace combobox_detail;
    const int height = std::max(0, FHeight - 2 * Frame - 2);
    FEdit->SetBounds(Frame + 1, Frame + 1, std::max(0, FWidth - 2 * Frame - ButtonWidth - 2), height);
}

void TCustomComboBox::Resize() {
    TCustomControl::Resize();
    PlaceEdit();
}

int TCustomComboBox::ItemHeight() const {
    return FItemHeight > 0 ? FItemHeight : StdCtrlsLineHeight(Font());
}

void TCustomComboBox::SetItemHeight(int Value) {
    if (Value > 0) FItemHeight = Value;
}

int TCustomComboBox::MaxLength() const {
    return FEdit != nullptr ? FEdit->MaxLength() : 0;
}

void TCustomComboBox::SetMaxLength(int Value) {
    if (FEdit != nullptr) FEdit->SetMaxLength(Value);
}

bool TCustomComboBox::Focused() {
    return TCustomControl::Focused() || (FEdit != nullptr && FEdit->Focused());
}

void TCustomComboBox::SetFocus() {
    if (FEdit != nullptr && FEdit->CanFocus())
        FEdit->SetFocus();
    else
        TCustomControl::SetFocus();
}

void TCustomComboBox::Clear() {
    FItems->Clear();
    SetItemIndex(-1);
    SetTextBuf(std::string());
}

std::string TCustomComboBox::GetText() const {
    return FEdit != nullptr ? FEdit->Text() : FText;
}

void TCustomComboBox::SetTextBuf(const std::string& Value) {
    if (FEdit != nullptr) {
        FUpdatingEdit = true;
        FEdit->SetText(Value);
        FUpdatingEdit = false;
        FItemIndex = FItems->IndexOf(Value);
        return;
    }
    // A list-only box can only show one of its items.
    SetItemIndex(FItems->IndexOf(Value));
}

void TCustomComboBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= FItems->Count()) Value = -1;
    FItemIndex = Value;
    const std::string text = Value >= 0 ? FItems->Strings(Value) : std::string();
    if (FEdit != nullptr) {
        FUpdatingEdit = true;
        FEdit->SetText(text);
        FEdit->SelectAll();
        FUpdatingEdit = false;
    } else {
        FText = text;
    }
    Invalidate();
}

void TCustomComboBox::EditChanged() {
    if (FUpdatingEdit) return;
    // Typed text chooses the item it names, or none.
    FItemIndex = FItems->IndexOf(FEdit->Text());
    Change();
}

void TCustomComboBox::ItemsChanged(int Index, int Inserted) {
    if (FItemIndex >= Index && FItemIndex >= 0) {
        if (Inserted < 0 && FItemIndex < Index - Inserted)
            FItemIndex = -1;
        else
            FItemIndex += Inserted;
    }
    if (FItemIndex >= FItems->Count()) FItemIndex = -1;
    if (FEdit == nullptr) FText = FItemIndex >= 0 ? FItems->Strings(FItemIndex) : std::string();
    Invalidate();
}

void TCustomComboBox::ChooseByUser(int Index) {
    if (Index < 0 || Index >= FItems->Count()) return;
    const bool changed = Index != FItemIndex || GetText() != FItems->Strings(Index);
    SetItemIndex(Index);
    if (!changed) return;
    TWeakLink<TCustomComboBox> self(this);
    Change();
    if (self) Select();
}

TCustomListBox* TCustomComboBox::DropDownList() const {
    return DroppedDown() ? FList : nullptr;
}

bool TCustomComboBox::DroppedDown() const {
    return FList != nullptr && FList->Visible();
}

void TCustomComboBox::SetDroppedDown(bool Value) {
    if (Value == DroppedDown()) return;
    if (!Value) {
        CloseList(false);
        return;
    }
    TWeakLink<TCustomComboBox> self(this);
    DropDown();
    if (!self || FItems->Count() == 0) return;
    if (FList == nullptr) FList = new TComboBoxList(this);
    FList->Font()->Assign(Font());
    FList->SetStyle(FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable ? lbOwnerDrawFixed
                                                                                : lbStandard);
    FList->SetItemHeight(ItemHeight());
    FList->Items()->Assign(FItems.get());
    FItemIndexBeforeDrop = FItemIndex;
    const int rows = std::min(FDropDownCount, FItems->Count());
    const int height = rows * ItemHeight() + 2;
    const int width = std::max(FWidth, FDroppedWidth);
    POINT below = ClientToScreen(POINT{0, FHeight});
    RECT r{below.x, below.y, below.x + width, below.y + height};
    // Opened upwards when the screen has no room below.
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (::GetMonitorInfo(::MonitorFromPoint(below, MONITOR_DEFAULTTONEAREST), &info) &&
        r.bottom > info.rcWork.bottom)
        ::OffsetRect(&r, 0, -(height + FHeight));
    FList->Popup(r);
    FList->SetItemIndex(FItemIndex);
    FList->SetTopIndex(FItemIndex - rows + 1);
    Invalidate();
}

void TCustomComboBox::CloseList(bool Accept) {
    if (!DroppedDown()) return;
    const int chosen = FList->ItemIndex();
    FList->Hide();
    Invalidate();
    TWeakLink<TCustomComboBox> self(this);
    if (Accept && chosen >= 0) ChooseByUser(chosen);
    if (self) CloseUp();
}

bool TCustomComboBox::HandleComboKey(WORD Key, TShiftState Shift) {
    const bool alt = Shift.Contains(ssAlt);
    if (Key == VK_F4 || (alt && (Key == VK_DOWN || Key == VK_UP))) {
        if (DroppedDown())
            CloseList(true);
        else
            SetDroppedDown(true);
        return true;
    }
    if (alt) return false;
    if (DroppedDown()) {
        const int current = FList->ItemIndex();
        const int page = std::max(1, FList->VisibleItems() - 1);
        switch (Key) {
        case VK_RETURN:
            CloseList(true);
            return true;
        case VK_ESCAPE:
            CloseList(false);
            return true;
        case VK_UP:
            FList->FocusItemAt(current - 1);
            return true;
        case VK_DOWN:
            FList->FocusItemAt(current + 1);
            return true;
        case VK_PRIOR:
            FList->FocusItemAt(current - page);
            return true;
        case VK_NEXT:
            FList->FocusItemAt(current + page);
            return true;
        case VK_HOME:
            if (FEdit != nullptr) return false;
            FList->FocusItemAt(0);
            return true;
        case VK_END:
            if (FEdit != nullptr) return false;
            FList->FocusItemAt(FItems->Count() - 1);
            return true;
        default:
            return false;
        }
    }
    if (FItems->Count() == 0) return false;
    // Closed, the arrows step through the items directly.
    switch (Key) {
    case VK_UP:
        ChooseByUser(std::max(0, FItemIndex - 1));
        return true;
    case VK_DOWN:
        ChooseByUser(std::min(FItems->Count() - 1, FItemIndex + 1));
        return true;
    case VK_PRIOR:
        ChooseByUser(std::max(0, FItemIndex - (FDropDownCount - 1)));
        return true;
    case VK_NEXT:
        ChooseByUser(std::min(FItems->Count() - 1, std::max(0, FItemIndex) + (FDropDownCount - 1)));
        return true;
    case VK_HOME:
        if (FEdit != nullptr) return false;
        ChooseByUser(0);
        return true;
    case VK_END:
        if (FEdit != nullptr) return false;
        ChooseByUser(FItems->Count() - 1);
        return true;
    default:
        return false;
    }
}

void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0 && HandleComboKey(Key, Shift)) Key = 0;
}

void TCustomComboBox::KeyPress(TKeyChar& Key) {
    TCustomControl::KeyPress(Key);
    if (FEdit != nullptr || Key < 0x20 || Key == 0x7F || FItems->Count() == 0) return;
    const int current = DroppedDown() ? FList->ItemIndex() : FItemIndex;
    const int found =
        FSearch.Find(Key, current, FItems->Count(), [this](int i) { return FItems->Strings(i); });
    Key = 0;
    if (found < 0) return;
    if (DroppedDown())
        FList->FocusItemAt(found);
    else
        ChooseByUser(found);
}

bool TCustomComboBox::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (DroppedDown()) {
        FList->SetTopIndex(FList->TopIndex() - WheelScrollRows(WheelDelta));
        return true;
    }
    if (!Focused() || FItems->Count() == 0 || WheelDelta == 0) return false;
    const int step = WheelDelta > 0 ? -1 : 1;
    ChooseByUser(std::clamp(FItemIndex + step, 0, FItems->Count() - 1));
    return true;
}

RECT TCustomComboBox::ButtonRect() {
    using namespace combobox_detail;
    const RECT client = ClientRect();
    return RECT{client.right - Frame - ButtonWidth, Frame, client.right - Frame, client.bottom - Frame};
}

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        const RECT button = ButtonRect();
        const bool onButton = ::PtInRect(&button, POINT{X, Y}) != FALSE;
        if (FEdit == nullptr || onButton) SetDroppedDown(!DroppedDown());
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
}

void TCustomComboBox::DrawFace(HDC DC, RECT Rect) {
    const bool focused = TCustomControl::Focused() && !DroppedDown();
    TOwnerDrawState state{odComboBoxEdit};
    if (focused) state += TOwnerDrawState{odSelected, odFocused};
    if (!Enabled()) state.Include(odDisabled);
    if ((FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable) && OnDrawItem) {
        Canvas()->Font()->Assign(Font());
        Canvas()->Brush()->SetColor(focused ? clHighlight : Color());
        if (FItemIndex >= 0) OnDrawItem(this, FItemIndex, Rect, state);
    } else {
        StdCtrlsFill(DC, Rect, focused ? clHighlight : Color());
        RECT text = Rect;
        text.left += 2;
        const int saved = ::SaveDC(DC);
        ::SelectObject(DC, Font()->Handle());
        ::SetBkMode(DC, TRANSPARENT);
        ::SetTextColor(DC, ColorToRGB(!Enabled() ? clGrayText : focused ? clHighlightText : Font()->Color()));
        ::DrawText(DC, FText.c_str(), static_cast<int>(FText.size()), &text,
                   DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
        ::RestoreDC(DC, saved);
    }
    if (focused) ::DrawFocusRect(DC, &Rect);
}

void TCustomComboBox::Paint() {
    using namespace combobox_detail;
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, Enabled() ? Color() : clBtnFace);
    ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    RECT button = ButtonRect();
    ::DrawFrameControl(dc, &button, DFC_SCROLL,
                       DFCS_SCROLLCOMBOBOX | (DroppedDown() ? DFCS_PUSHED | DFCS_FLAT : 0) |
                           (Enabled() ? 0 : DFCS_INACTIVE));
    if (FEdit == nullptr) {
        RECT face{Frame + 1, Frame + 1, button.left - 1, client.bottom - Frame - 1};
        DrawFace(dc, face);
    }
}

void TCustomComboBox::Dispatch(TMessage& Message) {
    const auto index = static_cast<int>(static_cast<LONG_PTR>(Message.WParam));
    switch (Message.Msg) {
    case WM_SETFOCUS:
        TCustomControl::Dispatch(Message);
        // The edit part takes the focus the box is given.
        if (FEdit != nullptr && FEdit->CanFocus()) FEdit->SetFocus();
        Invalidate();
        return;
    case WM_KILLFOCUS:
        CloseList(false);
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        if (FEdit != nullptr) FEdit->SetEnabled(Enabled());
        Invalidate();
        break;
    case CB_GETCOUNT:
        Message.Result = FItems->Count();
        return;
    case CB_GETCURSEL:
        Message.Result = FItemIndex < 0 ? CB_ERR : FItemIndex;
        return;
    case CB_SETCURSEL:
        SetItemIndex(index);
        Message.Result = FItemIndex < 0 ? CB_ERR : FItemIndex;
        return;
    case CB_ADDSTRING:
        Message.Result = FItems->Add(reinterpret_cast<const char*>(Message.LParam));
        return;
    case CB_INSERTSTRING: {
        const int at = index < 0 || index > FItems->Count() ? FItems->Count() : index;
        FItems->Insert(at, reinterpret_cast<const char*>(Message.LParam));
        Message.Result = at;
        return;
    }
    case CB_DELETESTRING:
        if (index >= 0 && index < FItems->Count()) {
            FItems->Delete(index);
            Message.Result = FItems->Count();
        } else {
            Message.Result = CB_ERR;
        }
        return;
    case CB_RESETCONTENT:
        Clear();
        return;
    case CB_GETLBTEXTLEN:
        Message.Result = index >= 0 && index < FItems->Count()
                             ? static_cast<LRESULT>(FItems->Strings(index).size())
                             : CB_ERR;
        return;
    case CB_GETLBTEXT:
        if (index >= 0 && index < FItems->Count() && Message.LParam != 0) {
            const std::string s = FItems->Strings(index);
            std::memcpy(reinterpret_cast<char*>(Message.LParam), s.c_str(), s.size() + 1);
            Message.Result = static_cast<LRESULT>(s.size());
        } else {
            Message.Result = CB_ERR;
        }
        return;
    case CB_GETITEMDATA:
        Message.Result = index >= 0 && index < FItems->Count()
                             ? reinterpret_cast<LRESULT>(FItems->Objects(index))
                             : CB_ERR;
        return;
    case CB_SETITEMDATA:
        if (index >= 0 && index < FItems->Count())
            FItems->SetObjects(index, reinterpret_cast<TObject*>(Message.LParam));
        else
            Message.Result = CB_ERR;
        return;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT: {
        const std::string wanted = reinterpret_cast<const char*>(Message.LParam);
        const int found = FindListItem(
            FItems->Count(), [this](int i) { return FItems->Strings(i); }, wanted, index,
            Message.Msg == CB_FINDSTRINGEXACT);
        Message.Result = found >= 0 ? found : CB_ERR;
        return;
    }
    case CB_SHOWDROPDOWN:
        SetDroppedDown(Message.WParam != 0);
        Message.Result = 1;
        return;
    case CB_GETDROPPEDSTATE:
        Message.Result = DroppedDown() ? 1 : 0;
        return;
    case CB_SETDROPPEDWIDTH:
        FDroppedWidth = index;
        Message.Result = std::max(FWidth, FDroppedWidth);
        return;
    case CB_GETITEMHEIGHT:
        Message.Result = ItemHeight();
        return;
    case CB_SETITEMHEIGHT:
        SetItemHeight(static_cast<int>(Message.LParam));
        return;
    case CB_LIMITTEXT:
        SetMaxLength(index);
        Message.Result = 1;
        return;
    case CB_SETEDITSEL:
        if (FEdit != nullptr) {
            const auto start = static_cast<short>(LOWORD(Message.LParam));
            const auto end = static_cast<short>(HIWORD(Message.LParam));
            FEdit->SetSelStart(start < 0 ? 0 : start);
            FEdit->SetSelLength(end < 0 ? FEdit->Text().size() : end - std::max<int>(0, start));
        }
        Message.Result = 1;
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
