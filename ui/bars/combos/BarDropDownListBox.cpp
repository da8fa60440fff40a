#include "ui/bars/combos/BarDropDownListBox.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

namespace bar_drop_down_list_detail {

// The base look's border of drop-down lists.
constexpr int BaseBorderSize = 2;

TCustomovBarControl* BarShowing(TovBarCustomCombo* ACombo) {
    TovBarItemLink* link = ACombo != nullptr ? ACombo->GetActiveItemLink() : nullptr;
    TovBarItemControl* control = link != nullptr ? link->Control() : nullptr;
    return control != nullptr ? control->ParentBar() : nullptr;
}

} // namespace bar_drop_down_list_detail

using namespace bar_drop_down_list_detail;

TovBarDropDownListBox::TovBarDropDownListBox(TovBarCustomCombo* ACombo)
    : TCustomListBox(nullptr), FCombo(ACombo) {
    // The painter draws the border in the non-client area: no frame of the list's own.
    FFrame = 0;
    SetVisible(false);
}

TovBarDropDownListBox::~TovBarDropDownListBox() = default;

TovBarPainter* TovBarDropDownListBox::Painter() const {
    TCustomovBarControl* bar = BarShowing(FCombo.Get());
    return bar != nullptr ? bar->GetPainter() : nullptr;
}

int TovBarDropDownListBox::BorderSize() const {
    return BaseBorderSize;
}

void TovBarDropDownListBox::CreateParams(TCreateParams& Params) {
    TCustomListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.ExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    Params.WndParent = nullptr;
    Params.WindowClassStyle |= CS_SAVEBITS;
}

void TovBarDropDownListBox::CreateWnd() {
    TCustomListBox::CreateWnd();
    // It behaves as focused (selection colours, keys passed on by the combo) without taking the focus.
    DefWindowProc(Handle(), WM_SETFOCUS, 0, 0);
}

void TovBarDropDownListBox::SetPressedInCombo(bool AValue) {
    FPressedInCombo = AValue;
    if (AValue && HandleAllocated()) SetCapture(Handle());
}

void TovBarDropDownListBox::PaintBorder() {
    if (!HandleAllocated()) return;
    RECT window{};
    GetWindowRect(Handle(), &window);
    const TRect bounds{0, 0, window.right - window.left, window.bottom - window.top};
    HDC dc = GetWindowDC(Handle());
    const int b = BorderSize();
    ExcludeClipRect(dc, b, b, bounds.right - b, bounds.bottom - b);
    if (TovBarPainter* painter = Painter()) {
        painter->DropDownListBoxPaintFrame(dc, Color(), bounds);
    } else {
        HBRUSH frame = CreateSolidBrush(ColorToRGB(clBtnShadow));
        FillRect(dc, &bounds, frame);
        DeleteObject(frame);
    }
    ReleaseDC(Handle(), dc);
}

void TovBarDropDownListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<RECT*>(Message.LParam);
        if (r != nullptr) *r = TRect(uiGrowRect(*r, -BorderSize(), -BorderSize()));
        Message.Result = 0;
        return;
    }
    case WM_NCPAINT:
        TCustomListBox::WndProc(Message);
        PaintBorder();
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_LBUTTONUP:
        if (FPressedInCombo) {
            // The button went up before it reached the list: the list stays open.
            FPressedInCombo = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            Message.Result = 0;
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        FPressedInCombo = false;
        break;
    default:
        break;
    }
    TCustomListBox::WndProc(Message);
}

void TovBarDropDownListBox::MouseMove(TShiftState Shift, int X, int Y) {
    const RECT client = ClientRect();
    const bool inside = X >= client.left && X < client.right && Y >= client.top && Y < client.bottom;
    if (FPressedInCombo && GetCapture() == Handle() && inside) {
        // The press that opened the list goes on as a press inside it.
        FPressedInCombo = false;
        TCustomListBox::MouseDown(mbLeft, Shift, X, Y);
    }
    TCustomListBox::MouseMove(Shift, X, Y);
    // The entry under the pointer is the selected one.
    const int index = ItemAtPos(POINT{X, Y}, true);
    if (index >= 0 && index != ItemIndex()) SetItemIndex(index);
}

void TovBarDropDownListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomListBox::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft) Choose();
}

void TovBarDropDownListBox::Choose() {
    const int index = ItemIndex();
    TWeakLink<TovBarCustomCombo> combo = FCombo;
    if (combo.Get() == nullptr) return;
    TovBarItemLink* active = combo->GetActiveItemLink();
    TovBarItemLink* link = active != nullptr ? active->GetSourceItemLink() : nullptr;
    TCustomovBarControl* bar = BarShowing(combo.Get());
    TWeakLink<TCustomovBarControl> barLink(bar);
    if (GetCapture() == Handle()) ReleaseCapture();
    SetVisible(false);
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    combo->CloseUp();
    if (link != nullptr && combo.Get() != nullptr) link->MarkAsRecentlyUsed(true);
    if (TCustomovBarControl* showing = barLink.Get()) showing->CloseUp(bcrItemClick);
    // Nothing chosen: the combo keeps its entry.
    if (index >= 0 && combo.Get() != nullptr) combo->SetItemIndex(index);
}

void TovBarDropDownListBox::KeyDown(WORD& Key, TShiftState Shift) {
    // Keys start from the first entry in view, not from the list's first.
    if (ItemIndex() < 0 && Count() > 0) SetItemIndex(TopIndex());
    TCustomListBox::KeyDown(Key, Shift);
}

void TovBarDropDownListBox::SelectionChangedByUser() {
    TCustomListBox::SelectionChangedByUser();
    if (OnPreview) OnPreview(ItemIndex());
}
