// The Customize window's All commands page (design time only): every command of the manager with its
// name, caption, link count and shortcut in four measured columns; optionally only the commands whose
// class takes a shortcut. Del deletes the selected commands.
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarUpdateBracket.h"

#include <algorithm>
#include <array>

namespace {

constexpr int ColumnIndent = 5; // each column's text begins this far into it
constexpr int ColumnGap = 10;

// The four texts of an entry: name, caption, link count, shortcut.
std::array<std::string, 4> CommandColumns(const TovBarItem* AItem) {
    return {AItem->Name(), RemoveAccelChars(AItem->Caption()),
            std::to_string(AItem->LinkCount()) + " link(s)",
            AItem->ShortCut() != 0 ? ShortCutToText(AItem->ShortCut()) : std::string()};
}

// Where the four columns' texts begin inside an entry that begins at ALeft: the first 5 pixels in, each
// next one 10 pixels after the widest text of the one before.
std::array<int, 4> ColumnLefts(const int (&AWidths)[4], int ALeft) {
    std::array<int, 4> lefts{};
    int x = ALeft + ColumnIndent;
    for (int i = 0; i < 4; ++i) {
        lefts[i] = x;
        x += AWidths[i] + ColumnGap;
    }
    return lefts;
}

void RefillAllCommands(TovBarCustomizationForm* AForm) {
    TListBox* list = AForm->LAllCommands;
    TovBarManager* manager = AForm->BarManager();
    const bool onlyWithShortCut = AForm->CBShowCommandsWithShortCut->Checked();
    const int top = list->TopIndex();
    TStrings* entries = list->Items();
    entries->BeginUpdate();
    entries->Clear();
    for (int& width : AForm->FAllCommandsColumnWidths)
        width = 0;
    TCanvas* canvas = list->Canvas();
    canvas->Font()->Assign(list->Font());
    for (int i = 0; i < manager->ItemCount(); ++i) {
        TovBarItem* item = manager->Items(i);
        if (item->Category() < 0) continue;
        if (onlyWithShortCut && !item->IsShortCutSupported()) continue;
        entries->AddObject(item->Name(), item);
        const auto columns = CommandColumns(item);
        for (int c = 0; c < 4; ++c)
            AForm->FAllCommandsColumnWidths[c] =
                std::max(AForm->FAllCommandsColumnWidths[c], canvas->TextWidth(columns[c]));
    }
    entries->EndUpdate();
    // Four columns wider than the list scroll sideways.
    const auto lefts = ColumnLefts(AForm->FAllCommandsColumnWidths, 0);
    list->SetScrollWidth(lefts[3] + AForm->FAllCommandsColumnWidths[3] + ColumnIndent);
    list->SetTopIndex(top);
}

// Selects exactly the entries whose objects the designer reports as selected.
void TakeSelection(TovBarCustomizationForm* AForm, TCustomListBox* AList) {
    for (int i = 0; i < AList->Count(); ++i) {
        auto* object = dynamic_cast<TPersistent*>(AList->Items()->Objects(i));
        AList->SetSelected(i, object != nullptr && AForm->BarManager()->DesignerSelectionStatus(object) == 1);
    }
}

} // namespace

void TovBarCustomizationForm::InitializeAllCommandsPage() {
    const bool designing = IsDesigning();
    tsCommands->SetTabVisible(designing);
    if (!designing || FPrevAllCommandsWndProc) return;
    FPrevAllCommandsWndProc = LAllCommands->WindowProc;
    LAllCommands->WindowProc = [this](TMessage& Message) {
        switch (Message.Msg) {
        case WM_OVBAR_CF_REFILL:
            if (Message.WParam == 0)
                RefillAllCommands(this);
            else
                LAllCommands->Invalidate();
            return;
        case WM_OVBAR_CF_TAKESELECTION:
            if (PushingList() != LAllCommands) TakeSelection(this, LAllCommands);
            return;
        default:
            FPrevAllCommandsWndProc(Message);
        }
    };
    // Every change of a link changes a link count: the list is refreshed once the changes are over.
    const TovBarItemLinkEvent linkChanged(
        [this](TovBarManager*, TovBarItemLink*) { RefreshListLater(LAllCommands); }, this);
    BarManager()->OnItemLinkAdd = linkChanged;
    BarManager()->OnItemLinkChange = linkChanged;
    BarManager()->OnItemLinkDelete = linkChanged;
    RefillAllCommands(this);
}

void TovBarCustomizationForm::LAllCommandsClick(TObject*) {
    PushSelection(LAllCommands);
}

void TovBarCustomizationForm::LAllCommandsDrawItem(TWinControl*, int Index, RECT Rect,
                                                   TOwnerDrawState State) {
    TCanvas* canvas = LAllCommands->Canvas();
    const bool selected = State.Contains(odSelected);
    canvas->Brush()->SetColor(selected ? clHighlight : LAllCommands->Color());
    canvas->FillRect(Rect);
    auto* item = dynamic_cast<TovBarItem*>(LAllCommands->Items()->Objects(Index));
    const auto lefts = ColumnLefts(FAllCommandsColumnWidths, Rect.left);
    const TColor lineColor = LAllCommands->Font()->Color();
    if (item != nullptr) {
        canvas->Font()->SetColor(selected ? clHighlightText : LAllCommands->Font()->Color());
        const auto columns = CommandColumns(item);
        for (int c = 0; c < 4; ++c) {
            const int right = c < 3 ? lefts[c + 1] - ColumnGap / 2 : static_cast<int>(Rect.right);
            canvas->TextRect(RECT{lefts[c], Rect.top, right, Rect.bottom}, lefts[c], Rect.top + 1,
                             columns[c]);
        }
    }
    // Rules between the first three columns; below the last entry they run on to the bottom.
    const bool last = Index == LAllCommands->Count() - 1;
    const int bottom = LAllCommands->ClientRect().bottom;
    for (int c = 1; c < 4; ++c) {
        const int x = lefts[c] - ColumnGap / 2;
        canvas->Pen()->SetColor(lineColor);
        canvas->MoveTo(x, Rect.top);
        canvas->LineTo(x, Rect.bottom);
        if (last && bottom > Rect.bottom) {
            canvas->Pen()->SetColor(clBtnShadow);
            canvas->LineTo(x, bottom);
        }
    }
}

void TovBarCustomizationForm::LAllCommandsKeyDown(TObject*, WORD& Key, TShiftState Shift) {
    if (Key != VK_DELETE || !Shift.empty()) return;
    Key = 0;
    std::vector<TovBarItem*> doomed;
    for (int i = 0; i < LAllCommands->Count(); ++i)
        if (LAllCommands->Selected(i))
            if (auto* item = dynamic_cast<TovBarItem*>(LAllCommands->Items()->Objects(i));
                item && item->CanDelete())
                doomed.push_back(item);
    if (doomed.empty()) return;
    ovBarWithinUpdate(BarManager(), [&] {
        for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
            delete *it;
    });
    LAllCommands->Perform(WM_OVBAR_CF_REFILL, 0, 0);
    BarManager()->DesignerModified();
}

void TovBarCustomizationForm::CBShowCommandsWithShortCutClick(TObject*) {
    if (FPrevAllCommandsWndProc) LAllCommands->Perform(WM_OVBAR_CF_REFILL, 0, 0);
}
