#include "source/favorites/ShortcutForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Memo.h"
#include "skin/framed/FrHotKeyEdit.h"
#include "source/ProgramEnvironment.h"
#include "source/ShortcutFile.h"
#include "source/dialogs/DialogSupport.h"
#include "source/favorites/ShortcutConflicts.h"

namespace shortcut_form_detail {

int Ask(const std::string& Text, const std::string& Caption) {
    return Application()->MessageBox(Text, Caption, MB_YESNO | MB_ICONQUESTION);
}

void Inform(const std::string& Text) {
    Application()->MessageBox(Text, ApplicationTitle, MB_OK | MB_ICONINFORMATION);
}

} // namespace shortcut_form_detail

TFormShortCut::TFormShortCut(TComponent* AOwner, TShortcutSetup Setup)
    : TForm(AOwner), FSetup(std::move(Setup)) {
    TComponentLoading loading(this);
    SetName("FormShortCut");
    SetUpDialogForm(*this, "Keyboard Shortcuts", 646, 300);

    ShortCutListView = PlaceControl<TListView>(this, this, "ShortCutListView", 8, 8, 404, 284);
    ShortCutListView->SetViewStyle(vsReport);
    ShortCutListView->SetRowSelect(true);
    ShortCutListView->SetReadOnly(true);
    ShortCutListView->SetHideSelection(false);
    ShortCutListView->SetColumnClick(false);
    TListColumn* name = ShortCutListView->Columns()->Add();
    name->SetCaption("Name");
    name->SetWidth(280);
    TListColumn* key = ShortCutListView->Columns()->Add();
    key->SetCaption("Shortcut");
    key->SetWidth(100);
    ShortCutListView->OnSelectItem = TLVSelectItemEvent(this, &TFormShortCut::ShortCutListViewSelectItem);

    GroupBoxShortcut = PlaceControl<TGroupBox>(this, this, "GroupBoxShortcut", 424, 4, 214, 82);
    GroupBoxShortcut->SetCaption("Shortcut key");
    HotKey = PlaceControl<TFrHotKeyEdit>(this, GroupBoxShortcut, "HotKey", 12, 44, 118, 21);
    // A key alone is taken as Alt plus the key; Shift alone is a combination of its own.
    HotKey->SetInvalidKeys(THKInvalidKeys{hcNone});
    HotKey->SetModifiers(THKModifiers{hkAlt});
    HotKey->OnChange = TNotifyEvent(this, &TFormShortCut::HotKeyChange);
    LabelPressNew = AddLabel(this, GroupBoxShortcut, "Press new shortcut key:", 12, 24, HotKey);
    ClearButton = AddDialogButton(this, GroupBoxShortcut, "Clear", 136, 43);
    ClearButton->SetName("ClearButton");
    ClearButton->OnClick = TNotifyEvent(this, &TFormShortCut::ClearButtonClick);

    ConflictMemo = PlaceControl<TMemo>(this, this, "ConflictMemo", 424, 116, 214, 140);
    ConflictMemo->SetReadOnly(true);
    ConflictMemo->SetParentColor(false);
    ConflictMemo->SetColor(clBtnFace);
    ConflictMemo->SetScrollBars(ssVertical);
    LabelConflicts = AddLabel(this, this, "Conflicting keys:", 424, 98, ConflictMemo);

    ButtonOK = AddDialogButton(this, this, "&OK", 482, 268);
    ButtonOK->SetName("ButtonOK");
    ButtonOK->SetDefault(true);
    ButtonOK->OnClick = TNotifyEvent(this, &TFormShortCut::ButtonOKClick);
    ButtonCancel = AddDialogButton(this, this, "&Cancel", 563, 268, mrCancel);
    ButtonCancel->SetName("ButtonCancel");
    SetActiveControl(ShortCutListView);
    OnShow = TNotifyEvent(this, &TFormShortCut::FormShow);
}

std::vector<std::string> TFormShortCut::RowTexts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < ShortCutListView->Items()->Count(); ++i)
        texts.push_back(ShortCutListView->Items()->Item(i)->SubItems()->Strings(0));
    return texts;
}

void TFormShortCut::FormShow(TObject*) {
    ApplyDialogFont(this);
    try {
        FFavoriteList = ReadFavoritesForEditing(FSetup.FavoritesPath);
    } catch (const Exception& e) {
        // The favourites' keys cannot be checked; the commands' keys can still be edited.
        shortcut_form_detail::Inform(e.Message());
    }
    // The first row is selected now, and its key is what a refused key gives back.
    FillShortcutList();
    // Keys the file already gives to two commands are shown from the start.
    RebuildConflicts();
}

void TFormShortCut::FillShortcutList() {
    const std::vector<std::string> texts =
        ShortcutTextsForEditing(FSetup.ShortcutPath, FSetup.CurrentShortcuts);
    ShortCutListView->Items()->Clear();
    for (std::size_t i = 0; i < FSetup.CommandCaptions.size(); ++i) {
        TListItem* row = ShortCutListView->Items()->Add();
        row->SetCaption(FSetup.CommandCaptions[i]);
        row->SubItems()->Add(i < texts.size() ? texts[i] : std::string());
    }
    if (ShortCutListView->Items()->Count() > 0)
        ShortCutListView->SetSelected(ShortCutListView->Items()->Item(0));
}

void TFormShortCut::SetRowText(TListItem* Row, const std::string& Text) {
    Row->SubItems()->SetStrings(0, Text);
    ShortCutListView->Invalidate();
}

void TFormShortCut::ShortCutListViewSelectItem(TObject*, TListItem* Item, bool Selected) {
    if (!Selected || Item == nullptr) return;
    FPreviousShortcut = Item->SubItems()->Strings(0);
    HotKey->SetHotKey(TextToShortCut(FPreviousShortcut));
}

void TFormShortCut::HotKeyChange(TObject*) {
    TListItem* row = ShortCutListView->Selected();
    if (row == nullptr) return;
    const TShortCut key = HotKey->HotKey();
    const std::string text = ShortCutToText(key);
    if (key != scNone && text.empty()) {
        // A key without a name cannot be written to the file: the row keeps its key.
        HotKey->SetHotKey(TextToShortCut(row->SubItems()->Strings(0)));
        shortcut_form_detail::Inform("This key can not be used as a shortcut key. Please try again.");
        return;
    }
    SetRowText(row, text);
    if (!CheckFavoriteConflict(text)) {
        SetRowText(row, FPreviousShortcut);
        HotKey->SetHotKey(scNone);
    }
    RebuildConflicts();
}

bool TFormShortCut::CheckFavoriteConflict(const std::string& Text) {
    const TShortCut key = TextToShortCut(Text);
    if (key == scNone) return true;
    for (TFavorite& favorite : FFavoriteList) {
        if (TextToShortCut(favorite.Shortcut) != key) continue;
        const std::string question = "The specified shorcut Key is already used by the \"" + favorite.Name +
                                     "\" favorite. Do you want to overwrite it";
        if (shortcut_form_detail::Ask(question, "Overwrite Shortcut key") != IDYES) return false;
        favorite.Shortcut.clear();
        FFavoritesChanged = true;
        return true;
    }
    return true;
}

void TFormShortCut::RebuildConflicts() {
    std::vector<TShortcutRow> rows;
    for (int i = 0; i < ShortCutListView->Items()->Count(); ++i) {
        TListItem* item = ShortCutListView->Items()->Item(i);
        rows.push_back(TShortcutRow{item->Caption(), item->SubItems()->Strings(0)});
    }
    std::string text;
    for (const std::string& line : ShortcutConflictLines(rows))
        text += (text.empty() ? "" : "\r\n") + line;
    ConflictMemo->SetText(text);
}

void TFormShortCut::ClearButtonClick(TObject*) {
    TListItem* row = ShortCutListView->Selected();
    if (row == nullptr) return;
    HotKey->SetHotKey(scNone);
    SetRowText(row, "");
    // A conflict the key made goes with it.
    RebuildConflicts();
}

void TFormShortCut::ButtonOKClick(TObject*) {
    if (!ConflictMemo->Text().empty()) {
        shortcut_form_detail::Inform("You must resolve any keyboard shortcut conflicts bofore continuing.");
        return;
    }
    try {
        WriteShortcutFile(FSetup.ShortcutPath, RowTexts());
        // Only favourites that lost their key are written: the file is not touched otherwise.
        if (FFavoritesChanged) SaveFavorites(FSetup.FavoritesPath, FFavoriteList);
    } catch (const Exception& e) {
        Application()->MessageBox(e.Message(), ApplicationTitle, MB_OK | MB_ICONERROR);
        return;
    }
    FFavoritesChanged = false;
    if (OnApplied) OnApplied();
    SetModalResult(mrOk);
}
