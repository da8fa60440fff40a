#include "ui/bars/customize/dialogs/AddGroupItemsDialog.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Pen.h"
#include "platform/win/WinMessages.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/customize/BarDesignController.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int MarginWidth = 5;
constexpr int BottomPanelHeight = 38;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 23;
// Entries under a header are indented by three blanks.
const char* const EntryIndent = "   ";

TPanel* MarginPanel(TfrmAddGroupItems* AForm, const char* AName, TAlign AAlign, int ASize) {
    auto* panel = new TPanel(AForm);
    panel->SetName(AName);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    if (AAlign == alLeft || AAlign == alRight)
        panel->SetWidth(ASize);
    else
        panel->SetHeight(ASize);
    panel->SetAlign(AAlign);
    panel->SetParent(AForm);
    return panel;
}

TButton* DialogButton(TfrmAddGroupItems* AForm, TPanel* AParent, const char* AName, const char* ACaption,
                      int ARightGap, TModalResult AResult) {
    auto* button = new TButton(AForm);
    button->SetName(AName);
    button->SetCaption(ACaption);
    button->SetBounds(AParent->Width() - ARightGap - ButtonWidth, (BottomPanelHeight - ButtonHeight) / 2,
                      ButtonWidth, ButtonHeight);
    button->SetAnchors(TAnchors{akRight, akTop});
    button->SetModalResult(AResult);
    button->SetDefault(AResult == mrOk);
    button->SetCancel(AResult == mrCancel);
    button->SetParent(AParent);
    return button;
}

} // namespace

TfrmAddGroupItems::TfrmAddGroupItems(TComponent* AOwner, TovBarGroup* AGroup,
                                     std::vector<TovBarComponent*>* AList)
    : TForm(AOwner), FGroup(AGroup), FList(AList) {
    TComponentLoading loading(this);
    SetName("frmAddGroupItems");
    SetCaption("Add Group Items");
    SetBorderStyle(bsSizeable);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 364, 400);

    pnlBottom = MarginPanel(this, "pnlBottom", alBottom, BottomPanelHeight);
    pnlTop = MarginPanel(this, "pnlTop", alTop, MarginWidth);
    pnlLeft = MarginPanel(this, "pnlLeft", alLeft, MarginWidth);
    pnlRight = MarginPanel(this, "pnlRight", alRight, MarginWidth);
    btnCancel = DialogButton(this, pnlBottom, "btnCancel", "Cancel", MarginWidth, mrCancel);
    btnOk = DialogButton(this, pnlBottom, "btnOk", "OK", MarginWidth * 2 + ButtonWidth, mrOk);

    lbGroupItems = new TListBox(this);
    lbGroupItems->SetName("lbGroupItems");
    lbGroupItems->SetStyle(lbOwnerDrawVariable);
    lbGroupItems->SetMultiSelect(true);
    lbGroupItems->SetAlign(alClient);
    lbGroupItems->SetParent(this);
    lbGroupItems->OnDrawItem = TDrawItemEvent(this, &TfrmAddGroupItems::lbGroupItemsDrawItem);
    SetActiveControl(lbGroupItems);

    OnCreate = TNotifyEvent(this, &TfrmAddGroupItems::FormCreate);
    OnDestroy = TNotifyEvent(this, &TfrmAddGroupItems::FormDestroy);
    OnCloseQuery = TCloseQueryEvent(this, &TfrmAddGroupItems::FormCloseQuery);
}

TfrmAddGroupItems::~TfrmAddGroupItems() {
    // The list outlives this part of the form while the windows go; it must not call back into it.
    RestoreListWndProc();
}

void TfrmAddGroupItems::RestoreListWndProc() {
    if (lbGroupItems != nullptr && FPrevListWndProc) {
        lbGroupItems->WindowProc = FPrevListWndProc;
        FPrevListWndProc = nullptr;
    }
}

void TfrmAddGroupItems::FormCreate(TObject*) {
    if (FGroup != nullptr && FGroup->BarManager() != nullptr) Font()->Assign(FGroup->BarManager()->Font());
    lbGroupItems->SetParentFont(true);
    // The list paints every pixel of its items and of the rest below them, so erasing first only flickers.
    FPrevListWndProc = lbGroupItems->WindowProc;
    lbGroupItems->WindowProc = TControl::TWndMethod(this, &TfrmAddGroupItems::ListWndProc);
    FillList();
}

void TfrmAddGroupItems::FormDestroy(TObject*) {
    RestoreListWndProc();
}

void TfrmAddGroupItems::ListWndProc(TMessage& Message) {
    if (Message.Msg == WM_ERASEBKGND) {
        Message.Result = 1;
        return;
    }
    FPrevListWndProc(Message);
}

void TfrmAddGroupItems::FillList() {
    TStrings* entries = lbGroupItems->Items();
    entries->BeginUpdate();
    entries->Clear();
    TovBarManager* manager = FGroup != nullptr ? FGroup->BarManager() : nullptr;
    if (manager != nullptr) {
        if (manager->GroupCount() > 1) {
            entries->Add(std::string(1, HeaderMark) + "< Groups >");
            for (int i = 0; i < manager->GroupCount(); ++i)
                if (TovBarGroup* group = manager->Groups(i); group != FGroup)
                    entries->AddObject(group->Name(), group);
        }
        std::vector<TovBarItem*> items;
        for (int c = 0; c < manager->Categories()->Count(); ++c) {
            manager->GetVisibleItemsByCategory(c, items);
            if (items.empty()) continue;
            entries->Add(HeaderMark + manager->Categories()->Strings(c));
            for (TovBarItem* item : items)
                entries->AddObject(item->Caption(), item);
        }
    }
    entries->EndUpdate();
    int height = 0;
    lbGroupItemsMeasureItem(lbGroupItems, 0, height);
    lbGroupItems->SetItemHeight(height);
}

void TfrmAddGroupItems::lbGroupItemsMeasureItem(TWinControl*, int, int& Height) {
    TCanvas* canvas = lbGroupItems->Canvas();
    canvas->Font()->Assign(lbGroupItems->Font());
    Height = canvas->TextHeight("Wg") + 2;
}

void TfrmAddGroupItems::lbGroupItemsDrawItem(TWinControl*, int Index, RECT Rect, TOwnerDrawState State) {
    TCanvas* canvas = lbGroupItems->Canvas();
    const std::string text = lbGroupItems->Items()->Strings(Index);
    const bool selected = State.Contains(odSelected);
    canvas->Brush()->SetStyle(bsSolid);
    if (IsHeader(text)) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(Rect);
        canvas->Font()->SetColor(clBtnText);
        canvas->TextRect(Rect, Rect.left + 2, Rect.top + 1, text.substr(1));
    } else {
        auto* object = dynamic_cast<TovBarComponent*>(lbGroupItems->Items()->Objects(Index));
        const bool member = object != nullptr && FGroup != nullptr && FGroup->Contains(object, false);
        canvas->Brush()->SetColor(selected ? clHighlight : clWindow);
        canvas->FillRect(Rect);
        canvas->Font()->SetColor(selected ? clHighlightText : member ? clBtnFace : clWindowText);
        const std::string caption = EntryIndent + RemoveAccelChars(text);
        if (auto* item = dynamic_cast<TovBarItem*>(object)) {
            // Caption on the left half, the component name on the right half after a rule.
            const int middle = Rect.left + (Rect.right - Rect.left) / 2;
            canvas->TextRect(RECT{Rect.left, Rect.top, middle, Rect.bottom}, Rect.left + 2, Rect.top + 1,
                             caption);
            canvas->Pen()->SetColor(selected ? clHighlightText : clWindowText);
            canvas->MoveTo(middle, Rect.top);
            canvas->LineTo(middle, Rect.bottom);
            canvas->TextRect(RECT{middle + 1, Rect.top, Rect.right, Rect.bottom}, middle + 1 + 2,
                             Rect.top + 1, item->Name());
        } else {
            canvas->TextRect(Rect, Rect.left + 2, Rect.top + 1, caption);
        }
    }
    if (Index == lbGroupItems->Count() - 1) {
        // Nothing is listed below the last entry: the rest of the box shows the button face.
        const RECT client = lbGroupItems->ClientRect();
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect(RECT{Rect.left, Rect.bottom, Rect.right, std::max(Rect.bottom, client.bottom)});
    }
}

void TfrmAddGroupItems::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = true;
    if (ModalResult() != mrOk || FList == nullptr) return;
    for (int i = 0; i < lbGroupItems->Count(); ++i) {
        if (!lbGroupItems->Selected(i)) continue;
        if (auto* object = dynamic_cast<TovBarComponent*>(lbGroupItems->Items()->Objects(i)))
            FList->push_back(object);
    }
}

bool ShowAddGroupItemsDialog(TovBarGroup* AGroup, std::vector<TovBarComponent*>& AList) {
    std::unique_ptr<TfrmAddGroupItems> dialog(TCustomForm::New<TfrmAddGroupItems>(nullptr, AGroup, &AList));
    return dialog->ShowModal() == mrOk;
}

std::vector<TovBarComponent*> AddGroupItemsByDialog(TovBarGroup* AGroup) {
    std::vector<TovBarComponent*> chosen, added;
    if (AGroup == nullptr || !ShowAddGroupItemsDialog(AGroup, chosen)) return added;
    ovBarWithinUpdate(AGroup->BarManager(), [&] {
        for (TovBarComponent* object : chosen)
            if (!AGroup->Contains(object, false) && BarDesignController()->AddGroupMember(AGroup, object))
                added.push_back(object);
    });
    return added;
}
