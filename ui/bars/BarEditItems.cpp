#include "ui/bars/BarEditItems.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/itemcontrols/EditControls.h"

#include <algorithm>

const TovBarItemControlClass* TovBarWindowItem::RotatedControlClass = nullptr;

// ---- TovBarWindowItem

void TovBarWindowItem::SetText(const std::string& AValue) {
    if (FText == AValue) return;
    FText = AValue;
    InvalidateLinks();
    Change();
    InvalidateLinks();
}

void TovBarWindowItem::Change() {
    if (!IsItemLoading()) OnChange(this);
}

std::string TovBarWindowItem::GetCurText() const {
    if (TovBarItemLink* link = GetActiveItemLink())
        if (link->Control() && link->Control()->IsWinControl()) return link->Control()->Text();
    return GetText();
}

void TovBarWindowItem::SetCurText(const std::string& AValue) {
    if (TovBarItemLink* link = GetActiveItemLink())
        if (link->Control() && link->Control()->IsWinControl()) {
            link->Control()->SetText(AValue);
            return;
        }
    SetText(AValue);
}

const TovBarItemControlClass* TovBarWindowItem::GetControlClass(bool ARotated) const {
    if (ARotated) return RotatedControlClass;
    return TovBarItem::GetControlClass(false);
}

// ---- Edits

TovCustomBarEdit::TovCustomBarEdit(TComponent* AOwner) : TovBarWindowItem(AOwner) {
    SetWidth(100);
}

bool TovCustomBarEdit::CanClick(TovBarItemLink* ALink) const {
    if (!TovBarWindowItem::CanClick(ALink)) return false;
    const bool onToolbar =
        ALink != nullptr && dynamic_cast<TovBar*>(ALink->Links()->OwnerObject()) != nullptr;
    return ShowCaption() || !onToolbar;
}

void TovBarEdit::SetMaxLength(int AValue) {
    if (AValue < 0) AValue = 0;
    if (FMaxLength == AValue) return;
    FMaxLength = AValue;
    for (int i = 0; i < LinkCount(); ++i)
        if (TovBarItemControl* control = Links(i)->Control()) control->MaxLengthChanged();
}

// ---- TCustomovBarCombo

void TCustomovBarCombo::CorrectDropDownPos(int& X, int& Y, SIZE AWindowSize, const RECT& ALinkRect,
                                           bool ASideways) const {
    const int W = AWindowSize.cx, H = AWindowSize.cy;
    const int Lw = ALinkRect.right - ALinkRect.left, Lh = ALinkRect.bottom - ALinkRect.top;
    RECT A{0, 0, 0, 0};
    if (Screen() != nullptr)
        if (TMonitor* monitor = Screen()->MonitorFromPoint(POINT{X, Y})) A = monitor->WorkareaRect();
    if (ASideways) {
        if (A.right < X + W && A.right - X < X - Lw - A.left) X = X - W - Lw;
        Y = std::min(Y, static_cast<int>(A.bottom) - H);
    } else {
        X = std::min(X, static_cast<int>(A.right) - W);
        if (A.bottom < Y + H && A.bottom - Y < Y - Lh - A.top) Y = Y - Lh - H;
    }
    X = std::max(X, static_cast<int>(A.left));
    Y = std::max(Y, static_cast<int>(A.top));
}

bool TCustomovBarCombo::CheckKeyForDropDownWindow(WORD AKey, TShiftState AShift) {
    bool result = AKey != VK_TAB && AKey != VK_RETURN && AKey != VK_ESCAPE;
    OnCheckKeyForDropDownWindow(this, AKey, result, AShift);
    return result;
}

HWND TCustomovBarCombo::GetDropDownWindow() {
    HWND window = nullptr;
    OnGetDropDownWindow(this, window);
    return window;
}

void TCustomovBarCombo::DropDown(int X, int Y) {
    OnDropDown(this);
    HWND window = GetDropDownWindow();
    if (window == nullptr) return;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    TovBarItemLink* link = GetActiveItemLink();
    IovBarControl* parent = link ? link->LinksBarControl() : nullptr;
    const bool sideways =
        parent != nullptr && (parent->Kind() == bckSubMenu || parent->DockingStyle() == dsLeft ||
                              parent->DockingStyle() == dsRight);
    CorrectDropDownPos(X, Y, SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top},
                       link ? link->ItemRect : RECT{}, sideways);
    SetWindowPos(window, nullptr, X, Y, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOZORDER);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
}

void TCustomovBarCombo::CloseUp() {
    if (HWND window = GetDropDownWindow()) ShowWindow(window, SW_HIDE);
    OnCloseUp(this);
}

void TCustomovBarCombo::ApplyEditStyleToWindow(TWinControl* AControl) {
    TovBarItemLink* link = GetActiveItemLink();
    auto* edit = link != nullptr ? dynamic_cast<TovBarCustomEditControl*>(link->Control()) : nullptr;
    if (AControl == nullptr || edit == nullptr) return;
    const LOGFONT font = edit->EditLogFont();
    // The font adopts the handle (and frees it).
    if (font.lfFaceName[0] != '\0') AControl->Font()->SetHandle(CreateFontIndirect(&font));
    TColor text = clWindowText, back = clWindow;
    edit->GetEditColors(text, back);
    AControl->Font()->SetColor(text);
    AControl->SetColor(back);
}

// ---- TovBarCustomCombo

TovBarCustomCombo::TovBarCustomCombo(TComponent* AOwner)
    : TCustomovBarCombo(AOwner), FItems(new TStringList) {
    FItems->OnChange = TNotifyEvent(this, &TovBarCustomCombo::ItemsChanged);
}

TovBarCustomCombo::~TovBarCustomCombo() {
    FItems->OnChange = nullptr;
    delete FItems;
}

void TovBarCustomCombo::SetItemIndex(int AValue) {
    if (AValue < 0 || AValue >= FItems->Count()) AValue = -1;
    if (FItemIndex == AValue) return;
    FItemIndex = AValue;
    const std::string text = AValue >= 0 ? FItems->Strings(AValue) : std::string();
    if (text != FText) {
        SetText(text);
        return;
    }
    InvalidateLinks();
    Change();
    InvalidateLinks();
}

void TovBarCustomCombo::SetText(const std::string& AValue) {
    if (FItemIndex == -1 || FItems->Strings(FItemIndex) != AValue) FItemIndex = FItems->IndexOf(AValue);
    TCustomovBarCombo::SetText(AValue);
}

void TovBarCustomCombo::SetSorted(bool AValue) {
    if (FSorted == AValue) return;
    FSorted = AValue;
    FItems->SetSorted(AValue);
    SetItemIndex(FItems->IndexOf(FText));
}

void TovBarCustomCombo::ItemsChanged(TObject*) {
    if (FItemIndex < 0) return;
    if (FItemIndex < FItems->Count() && FItems->Strings(FItemIndex) == FText) return;
    int exact = -1;
    for (int i = 0; i < FItems->Count() && exact < 0; ++i)
        if (FItems->Strings(i) == FText) exact = i;
    SetItemIndex(exact);
}

bool TovBarCustomCombo::CheckKeyForDropDownWindow(WORD AKey, TShiftState AShift) {
    return AShift.empty() && (AKey == VK_PRIOR || AKey == VK_NEXT || AKey == VK_UP || AKey == VK_DOWN);
}

int TovBarCustomCombo::BestPrefixMatch(const std::string& AText) const {
    const std::string text = AnsiUpperCase(AText);
    int result = -1;
    std::size_t length = 0; // the best prefix length so far
    for (int i = 0; i < FItems->Count(); ++i) {
        const std::string item = AnsiUpperCase(FItems->Strings(i));
        if (item.compare(0, length, text, 0, length) != 0 || item.size() < length) continue;
        // The item shares the best prefix: each further common character makes it the result.
        while (length < text.size() && length < item.size() && item[length] == text[length]) {
            ++length;
            result = i;
        }
        if (length == text.size() && result == i) return i;
    }
    return result;
}

int TovBarCustomCombo::TextHeight(const std::string& AText) const {
    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    if (FBarManager) bitmap.Canvas()->Font()->Assign(FBarManager->Font());
    return bitmap.Canvas()->TextHeight(AText);
}

int TovBarCustomCombo::TextWidth(const std::string& AText) const {
    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    if (FBarManager) bitmap.Canvas()->Font()->Assign(FBarManager->Font());
    return bitmap.Canvas()->TextWidth(AText);
}

void TovBarCustomCombo::MeasureItem(int AIndex, int& AHeight) {
    AHeight = ItemHeight > 0 ? ItemHeight : TextHeight("Wg");
    OnMeasureItem(this, AIndex, AHeight);
}

void TovBarCustomCombo::MeasureItemWidth(int AIndex, int& AWidth) {
    AWidth = TextWidth(FItems->Strings(AIndex)) + 2;
}

int TovBarCustomCombo::DropDownListHeight(int ABorderSize) {
    int height = 2 * ABorderSize;
    const int rows = std::min(FItems->Count(), DropDownCount);
    for (int i = 0; i < rows; ++i) {
        int row = 0;
        MeasureItem(i, row);
        height += row;
    }
    return height;
}

int TovBarCustomCombo::DropDownListWidth(int ALinkWidth) {
    const bool scrolls = FItems->Count() > DropDownCount;
    const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
    int width = DropDownWidth;
    if (width <= 0) {
        width = ALinkWidth - 4 - (scrolls ? scrollBar : 0);
        for (int i = 0; i < FItems->Count(); ++i) {
            int itemWidth = 0;
            MeasureItemWidth(i, itemWidth);
            width = std::max(width, itemWidth);
        }
    }
    return width + 4 + (scrolls ? scrollBar : 0);
}
