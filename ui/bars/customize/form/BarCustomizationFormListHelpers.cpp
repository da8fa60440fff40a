#include "ui/bars/customize/form/BarCustomizationFormListHelpers.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"

#include <vector>

// ---- Base

TovBarCustomizationFormListBoxHelper::TovBarCustomizationFormListBoxHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : FOwner(AOwner), FListBox(AListBox), FPrevWndProc(AListBox->WindowProc) {
    FListBox->WindowProc = [this](TMessage& Message) { WndProc(Message); };
}

TovBarCustomizationFormListBoxHelper::~TovBarCustomizationFormListBoxHelper() {
    FListBox->WindowProc = FPrevWndProc;
}

TovBarManager* TovBarCustomizationFormListBoxHelper::BarManager() const {
    return FOwner->BarManager();
}

void TovBarCustomizationFormListBoxHelper::WndProc(TMessage& Message) {
    FPrevWndProc(Message);
}

// ---- Toolbars

TovBarCustomizationFormBarListHelper::TovBarCustomizationFormBarListHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : TovBarCustomizationFormListBoxHelper(AOwner, AListBox) {
    AListBox->SetStyle(lbOwnerDrawFixed);
    AListBox->Canvas()->SetFont(AListBox->Font());
    AListBox->SetItemHeight(AListBox->Canvas()->TextHeight("Wg") + 2);
    AListBox->SetMultiSelect(BarManager()->IsDesigning());
    AListBox->OnClick = [this](TObject*) { Owner()->PushSelection(ListBox()); };
    AListBox->OnDrawItem = TDrawItemEvent(this, &TovBarCustomizationFormBarListHelper::DrawItem);
    AListBox->OnMouseDown = TMouseEvent(this, &TovBarCustomizationFormBarListHelper::MouseDown);
    AListBox->OnKeyDown = TKeyEvent(this, &TovBarCustomizationFormBarListHelper::KeyDown);
}

void TovBarCustomizationFormBarListHelper::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_OVBAR_CF_REFILL:
        Refill(Message);
        break;
    case WM_OVBAR_CF_TAKESELECTION:
        Owner()->TakeDesignerSelection(ListBox());
        break;
    case WM_OVBAR_CF_UPDATEACTIONS:
        Owner()->UpdateToolbarActions();
        break;
    default:
        CallPrevious(Message);
    }
}

void TovBarCustomizationFormBarListHelper::Refill(TMessage& Message) {
    TStrings* items = ListBox()->Items();
    if (Message.WParam != 0) {
        auto* bar = reinterpret_cast<TovBar*>(Message.WParam);
        items->SetStrings(static_cast<int>(Message.LParam), bar->Caption());
        return;
    }
    const bool designing = BarManager()->IsDesigning();
    items->BeginUpdate();
    items->Clear();
    TovBars* bars = BarManager()->Bars();
    for (int i = 0; i < bars->Count(); ++i) {
        TovBar* bar = bars->GetItem(i);
        if (designing || !bar->Hidden()) items->AddObject(bar->Caption(), bar);
    }
    items->EndUpdate();
}

void TovBarCustomizationFormBarListHelper::DrawItem(TWinControl*, int AIndex, RECT ARect,
                                                    TOwnerDrawState AState) {
    TCanvas* canvas = ListBox()->Canvas();
    canvas->FillRect(ARect);
    auto* bar = static_cast<TovBar*>(ListBox()->Items()->Objects(AIndex));
    const int square = ARect.bottom - ARect.top;
    const RECT box{ARect.left, ARect.top, ARect.left + square, ARect.bottom};
    Owner()->GetPainterClass()->DrawCheckBox(canvas, box, TovBarCustomCustomizationForm::BarCanBeClosed(bar),
                                             bar->Visible());
    RECT text{ARect.left + square + 2, ARect.top, ARect.right - 2, ARect.bottom};
    std::string caption = ListBox()->Items()->Strings(AIndex);
    // The caption in the list's own colours: highlighted text on a selected entry.
    ::SetTextColor(canvas->Handle(),
                   ColorToRGB(AState.Contains(odSelected) ? clHighlightText : ListBox()->Font()->Color()));
    canvas->Brush()->SetStyle(bsClear);
    ::DrawText(canvas->Handle(), caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    canvas->Brush()->SetStyle(bsSolid);
}

void TovBarCustomizationFormBarListHelper::MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int X,
                                                     int Y) {
    if (Button != mbLeft) return;
    const int index = ListBox()->ItemAtPos(POINT{X, Y}, true);
    if (index < 0) return;
    const bool inSquare = X < ListBox()->ItemHeight();
    const bool doubleClick = Shift.Contains(ssDouble);
    // A single click in the square or a double click beside it; a double click in the square would
    // toggle twice.
    if (inSquare != doubleClick) Owner()->ToggleBarVisible(index);
}

void TovBarCustomizationFormBarListHelper::KeyDown(TObject*, WORD& Key, TShiftState Shift) {
    if (Shift != TShiftState{}) return;
    switch (Key) {
    case VK_SPACE:
        if (ListBox()->ItemIndex() >= 0) Owner()->ToggleBarVisible(ListBox()->ItemIndex());
        Key = 0;
        break;
    case VK_INSERT:
        Key = 0;
        Owner()->aNewToolBar->Execute();
        break;
    case VK_DELETE:
        Key = 0;
        Owner()->aDeleteToolBar->Execute();
        break;
    default:
        break;
    }
}

// ---- Categories

TovBarCustomizationFormCategoryListHelper::TovBarCustomizationFormCategoryListHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : TovBarCustomizationFormListBoxHelper(AOwner, AListBox) {
    AListBox->OnClick = [this](TObject*) { Owner()->RefreshList(Owner()->GetItemsListBox()); };
    AListBox->OnMouseDown = TMouseEvent(this, &TovBarCustomizationFormCategoryListHelper::MouseDown);
}

void TovBarCustomizationFormCategoryListHelper::WndProc(TMessage& Message) {
    if (Message.Msg == WM_OVBAR_CF_REFILL) {
        Refill();
        return;
    }
    if (Message.Msg == WM_OVBAR_CF_TAKESELECTION || Message.Msg == WM_OVBAR_CF_UPDATEACTIONS) return;
    CallPrevious(Message);
}

void TovBarCustomizationFormCategoryListHelper::Refill() {
    TStrings* items = ListBox()->Items();
    TovBarManager* manager = BarManager();
    const bool designing = manager->IsDesigning();
    items->BeginUpdate();
    items->Clear();
    for (int i = 0; i < manager->Categories()->Count(); ++i)
        if (designing || manager->GetCategoryVisible(i))
            items->AddObject(manager->Categories()->Strings(i),
                             reinterpret_cast<TObject*>(static_cast<intptr_t>(i)));
    items->EndUpdate();
    if (items->Count() > 0) ListBox()->SetItemIndex(0);
}

void TovBarCustomizationFormCategoryListHelper::MouseDown(TObject*, TMouseButton Button, TShiftState, int X,
                                                          int Y) {
    if (Button != mbRight) return;
    ListBox()->SetFocus();
    const int index = ListBox()->ItemAtPos(POINT{X, Y}, true);
    if (index >= 0 && index != ListBox()->ItemIndex()) {
        ListBox()->SetItemIndex(index);
        Owner()->RefreshList(Owner()->GetItemsListBox());
    }
    if (BarManager()->IsDesigning()) Owner()->PopupCategoriesMenu();
}

// ---- Commands

TovBarCustomizationFormItemsListHelper::TovBarCustomizationFormItemsListHelper(
    TovBarCustomCustomizationForm* AOwner, TListBox* AListBox)
    : TovBarCustomizationFormListBoxHelper(AOwner, AListBox) {
    AListBox->SetStyle(lbOwnerDrawFixed);
    AListBox->SetItemHeight(22);
    AListBox->SetMultiSelect(BarManager()->IsDesigning());
    AListBox->OnClick = [this](TObject*) { Owner()->PushSelection(ListBox()); };
}

void TovBarCustomizationFormItemsListHelper::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_OVBAR_CF_REFILL:
        Refill(Message);
        break;
    case WM_OVBAR_CF_TAKESELECTION:
        Owner()->TakeDesignerSelection(ListBox());
        break;
    case WM_OVBAR_CF_UPDATEACTIONS:
        Owner()->UpdateItemActions();
        break;
    case WM_LBUTTONDOWN:
        LeftButtonDown(Message);
        break;
    case WM_RBUTTONDOWN:
        RightButtonDown(Message);
        break;
    case WM_RBUTTONUP:
        CallPrevious(Message);
        if (BarManager()->IsDesigning()) Owner()->PopupCommandsMenu();
        break;
    default:
        CallPrevious(Message);
    }
}

void TovBarCustomizationFormItemsListHelper::Refill(TMessage& Message) {
    TStrings* items = ListBox()->Items();
    if (Message.WParam != 0) {
        auto* item = reinterpret_cast<TovBarItem*>(Message.WParam);
        items->SetStrings(static_cast<int>(Message.LParam), item->Caption());
        return;
    }
    std::vector<TovBarItem*> list;
    Owner()->GetCategoryItems(Owner()->SelectedCategory(), list);
    items->BeginUpdate();
    items->Clear();
    for (TovBarItem* item : list)
        items->AddObject(item->Caption(), item);
    items->EndUpdate();
}

void TovBarCustomizationFormItemsListHelper::LeftButtonDown(TMessage& Message) {
    TWeakLink<TListBox> list(ListBox());
    CallPrevious(Message); // selects the entry (and pushes the selection)
    if (!list || !ListBox()->HandleAllocated()) return;
    const POINT point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (ListBox()->ItemAtPos(point, true) < 0) return;
    if (!::DragDetect(ListBox()->Handle(), point)) return;
    // The drag takes the rest of the press: the list forgets its own mouse selection first.
    TMessage up{WM_LBUTTONUP, 0, Message.LParam, 0};
    CallPrevious(up);
    const int index = ListBox()->ItemIndex();
    if (index < 0 || !ListBox()->Selected(index)) return;
    auto* item = static_cast<TovBarItem*>(ListBox()->Items()->Objects(index));
    BarManager()->StartDrag(item, nullptr);
}

void TovBarCustomizationFormItemsListHelper::RightButtonDown(TMessage& Message) {
    ListBox()->SetFocus();
    const POINT point{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    const int index = ListBox()->ItemAtPos(point, true);
    if (index >= 0) {
        ListBox()->ClearSelection();
        ListBox()->SetItemIndex(index);
        Owner()->PushSelection(ListBox());
    }
    CallPrevious(Message);
}
