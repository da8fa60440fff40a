#include "source/favorites/FavoriteForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/PageControl.h"
#include "platform/win/WinUser.h"
#include "skin/framed/FrHotKeyEdit.h"
#include "source/FavoriteParams.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/ShortcutFile.h"
#include "source/dialogs/DialogSupport.h"
#include "source/effects/EffectForm.h"
#include "source/favorites/FavoriteRunners.h"

#include <memory>

namespace favorite_form_detail {

int Ask(const std::string& Text, const std::string& Caption, UINT Buttons = MB_YESNO) {
    return Application()->MessageBox(Text, Caption, Buttons | MB_ICONQUESTION);
}

void Inform(const std::string& Text) {
    Application()->MessageBox(Text, ApplicationTitle, MB_OK | MB_ICONINFORMATION);
}

void Error(const std::string& Text) {
    Application()->MessageBox(Text, ApplicationTitle, MB_OK | MB_ICONERROR);
}

// The names the file keeps apart: trimmed, and compared without regard to case.
bool SameName(const std::string& A, const std::string& B) {
    return SameText(Trim(A), Trim(B));
}

// The effect's current values from the settings record, as a parameter list.
std::string DefaultText(const TFavoriteEffect& Effect) {
    const TFavoriteParams values = FavoriteEffectDefaults(Effect, GlobalVars());
    std::string text;
    for (std::size_t i = 0; i < Effect.Fields.size() && i < values.size(); ++i)
        text += (i > 0 ? "," : "") + IntToStr(values[i]);
    return text;
}

TButton* SideButton(TFavoriteForm* Form, const char* Name, int Top, TAction* Action) {
    auto* button = PlaceControl<TButton>(Form, Form, Name, 206, Top, 75, 23);
    button->SetAction(Action);
    return button;
}

} // namespace favorite_form_detail

TFavoriteForm::TFavoriteForm(TComponent* AOwner, TShortcutSetup Setup)
    : TForm(AOwner), FSetup(std::move(Setup)) {
    TComponentLoading loading(this);
    SetName("FavoriteForm");
    SetUpDialogForm(*this, "Favorites", 630, 292);

    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    ActionList->OnUpdate = TActionEvent(this, &TFavoriteForm::ActionListUpdate);
    auto action = [this](const char* Name, const char* Caption, void (TFavoriteForm::*Handler)(TObject*)) {
        auto* a = new TAction(this);
        a->SetName(Name);
        a->SetCaption(Caption);
        a->SetActionList(ActionList);
        a->SetOnExecute(TNotifyEvent(this, Handler));
        return a;
    };
    NewAction = action("NewAction", "&New", &TFavoriteForm::NewActionExecute);
    EditAction = action("EditAction", "&Edit", &TFavoriteForm::EditActionExecute);
    DeleteAction = action("DeleteAction", "&Delete", &TFavoriteForm::DeleteActionExecute);
    UpAction = action("UpAction", "&Up", &TFavoriteForm::UpActionExecute);
    DownAction = action("DownAction", "&Down", &TFavoriteForm::DownActionExecute);
    SaveAction = action("SaveAction", "&Save", &TFavoriteForm::SaveActionExecute);
    CancelAction = action("CancelAction", "&Cancel", &TFavoriteForm::CancelActionExecute);
    EditFunctionAction =
        action("EditFunctionAction", "&Edit Settings...", &TFavoriteForm::EditFunctionActionExecute);

    ListBoxFavorite = PlaceControl<TListBox>(this, this, "ListBoxFavorite", 8, 8, 190, 276);
    ListBoxFavorite->OnClick = TNotifyEvent(this, &TFavoriteForm::ListBoxFavoriteClick);
    NewButton = favorite_form_detail::SideButton(this, "NewButton", 8, NewAction);
    EditProButton = favorite_form_detail::SideButton(this, "EditProButton", 37, EditAction);
    DeleteButton = favorite_form_detail::SideButton(this, "DeleteButton", 66, DeleteAction);
    UpButton = favorite_form_detail::SideButton(this, "UpButton", 110, UpAction);
    DownButton = favorite_form_detail::SideButton(this, "DownButton", 139, DownAction);

    GroupBoxProperties = PlaceControl<TGroupBox>(this, this, "GroupBoxProperties", 290, 4, 332, 250);
    GroupBoxProperties->SetCaption("Properties");
    NameEdit = PlaceControl<TEdit>(this, GroupBoxProperties, "NameEdit", 60, 20, 260, 21);
    NameEdit->OnChange = TNotifyEvent([this](TObject*) { UpdateStates(); }, NameEdit);
    LabelName = AddLabel(this, GroupBoxProperties, "N&ame", 12, 23, NameEdit);

    GroupBoxShortcut = PlaceControl<TGroupBox>(this, GroupBoxProperties, "GroupBoxShortcut", 12, 50, 308, 54);
    GroupBoxShortcut->SetCaption("Press new shortcut key: ");
    HotKey = PlaceControl<TFrHotKeyEdit>(this, GroupBoxShortcut, "HotKey", 12, 22, 200, 21);
    HotKey->OnChange = TNotifyEvent(this, &TFavoriteForm::HotKeyChange);
    ButtonClear = AddDialogButton(this, GroupBoxShortcut, "&Clear", 221, 21);
    ButtonClear->SetName("ButtonClear");
    ButtonClear->OnClick = TNotifyEvent(this, &TFavoriteForm::ButtonClearClick);

    PageControl = PlaceControl<TPageControl>(this, GroupBoxProperties, "PageControl", 12, 110, 308, 104);
    TabSheetFunction = new TTabSheet(this);
    TabSheetFunction->SetName("TabSheetFunction");
    TabSheetFunction->SetCaption("Function");
    TabSheetFunction->SetPageControl(PageControl);
    FunctionComboBox = PlaceControl<TComboBox>(this, TabSheetFunction, "FunctionComboBox", 54, 8, 238, 21);
    FunctionComboBox->SetStyle(csDropDownList);
    FunctionComboBox->SetDropDownCount(15);
    for (const TFavoriteEffect& effect : FavoriteEffects())
        FunctionComboBox->Items()->Add(effect.Flag);
    FunctionComboBox->OnChange = TNotifyEvent(this, &TFavoriteForm::FunctionComboBoxChange);
    LabelEffect = AddLabel(this, TabSheetFunction, "E&ffect", 8, 11, FunctionComboBox);
    ParamerMemo = PlaceControl<TMemo>(this, TabSheetFunction, "ParamerMemo", 54, 36, 130, 21);
    ParamerMemo->SetReadOnly(true);
    ParamerMemo->SetWordWrap(false);
    ParamerMemo->SetParentColor(false);
    ParamerMemo->SetColor(clBtnFace);
    EditSettingsButton =
        PlaceControl<TButton>(this, TabSheetFunction, "EditSettingsButton", 192, 35, 100, 23);
    EditSettingsButton->SetAction(EditFunctionAction);
    ShowDialogCheckBox =
        PlaceControl<TCheckBox>(this, TabSheetFunction, "ShowDialogCheckBox", 54, 63, 150, 17);
    ShowDialogCheckBox->SetCaption("Show Dialog");

    SaveProButton = PlaceControl<TButton>(this, GroupBoxProperties, "SaveProButton", 164, 220, 75, 23);
    SaveProButton->SetAction(SaveAction);
    CancelButton = PlaceControl<TButton>(this, GroupBoxProperties, "CancelButton", 245, 220, 75, 23);
    CancelButton->SetAction(CancelAction);

    CloseButton = AddDialogButton(this, this, "Close", 466, 262);
    CloseButton->SetName("CloseButton");
    CloseButton->SetDefault(true);
    CloseButton->OnClick = TNotifyEvent(this, &TFavoriteForm::CloseButtonClick);
    HelpButton = AddDialogButton(this, this, "Help", 547, 262);
    HelpButton->SetName("HelpButton");
    HelpButton->OnClick = TNotifyEvent([this](TObject*) { ShowHelpPage(Handle(), "favorites"); }, this);

    SetActiveControl(ListBoxFavorite);
    OnShow = TNotifyEvent(this, &TFavoriteForm::FormShow);
    OnCloseQuery = TCloseQueryEvent(this, &TFavoriteForm::FormCloseQuery);
}

// ---- Showing and browsing ------------------------------------------------------------------------------

void TFavoriteForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    try {
        FFavoriteList = ReadFavoritesForEditing(FSetup.FavoritesPath);
    } catch (const Exception& e) {
        // Nothing to show and nothing to write: the dialog goes as it came.
        FUnreadable = true;
        favorite_form_detail::Error(e.Message());
        ::PostMessage(Handle(), WM_CLOSE, 0, 0);
        return;
    }
    FCommandShortcuts = ShortcutTextsForEditing(FSetup.ShortcutPath, FSetup.CurrentShortcuts);
    FillList();
    FSelectedIndex = -1;
    FEditMode = TEditMode::None;
    ResetFields();
    UpdateStates();
}

void TFavoriteForm::FillList() {
    ListBoxFavorite->Clear();
    for (const TFavorite& favorite : FFavoriteList)
        ListBoxFavorite->Items()->Add(favorite.Name);
}

void TFavoriteForm::SelectInList(int Index) {
    ListBoxFavorite->SetItemIndex(Index);
}

void TFavoriteForm::ListBoxFavoriteClick(TObject*) {
    const int index = ListBoxFavorite->ItemIndex();
    if (index < 0) return;
    FSelectedIndex = index;
    ShowFavorite(index);
    UpdateStates();
}

void TFavoriteForm::ShowFavorite(int Index) {
    if (Index < 0 || Index >= static_cast<int>(FFavoriteList.size())) return;
    const TFavorite& favorite = FFavoriteList[static_cast<std::size_t>(Index)];
    ShowDialogCheckBox->SetChecked(favorite.ShowDialog);
    NameEdit->SetText(favorite.Name);
    FAcceptedKey = TextToShortCut(favorite.Shortcut);
    HotKey->SetHotKey(FAcceptedKey);
    const int effect = FunctionComboBox->Items()->IndexOf(favorite.Flag);
    // IndexOf ignores letter case; the effect names are compared exactly.
    if (effect >= 0 && FunctionComboBox->Items()->Strings(effect) == favorite.Flag)
        FunctionComboBox->SetItemIndex(effect);
    ParamerMemo->SetText(favorite.Effect);
}

void TFavoriteForm::ResetFields() {
    NameEdit->SetText("Untitled");
    FAcceptedKey = 0;
    HotKey->SetHotKey(0);
    FunctionComboBox->SetItemIndex(-1);
    ParamerMemo->SetText("");
    ShowDialogCheckBox->SetChecked(false);
}

std::string TFavoriteForm::ChosenEffect() const {
    const int index = FunctionComboBox->ItemIndex();
    return index < 0 ? std::string() : FunctionComboBox->Items()->Strings(index);
}

// ---- Modes -----------------------------------------------------------------------------------------------

void TFavoriteForm::NewActionExecute(TObject*) {
    FEditMode = TEditMode::New;
    ResetFields();
    UpdateStates();
    NameEdit->SetFocus();
    NameEdit->SelectAll();
}

void TFavoriteForm::EditActionExecute(TObject*) {
    if (FSelectedIndex < 0 || FSelectedIndex >= static_cast<int>(FFavoriteList.size())) return;
    FEditMode = TEditMode::Edit;
    UpdateStates();
    NameEdit->SetFocus();
}

void TFavoriteForm::CancelActionExecute(TObject*) {
    FEditMode = TEditMode::None;
    if (FSelectedIndex >= 0 && FSelectedIndex < static_cast<int>(FFavoriteList.size())) {
        SelectInList(FSelectedIndex);
        ShowFavorite(FSelectedIndex);
    } else {
        ResetFields();
    }
    UpdateStates();
}

void TFavoriteForm::FunctionComboBoxChange(TObject*) {
    const TFavoriteEffect* effect = FindFavoriteEffect(ChosenEffect());
    if (effect == nullptr) return;
    const bool ownEffect = FEditMode == TEditMode::Edit && FSelectedIndex >= 0 &&
                           FSelectedIndex < static_cast<int>(FFavoriteList.size()) &&
                           FFavoriteList[static_cast<std::size_t>(FSelectedIndex)].Flag == effect->Flag;
    ParamerMemo->SetText(ownEffect ? FFavoriteList[static_cast<std::size_t>(FSelectedIndex)].Effect
                                   : favorite_form_detail::DefaultText(*effect));
    UpdateStates();
}

void TFavoriteForm::EditFunctionActionExecute(TObject*) {
    const std::string flag = ChosenEffect();
    const TFavoriteEffect* effect = FindFavoriteEffect(flag);
    const TFavoriteRunner* runner = FindFavoriteRunner(flag);
    if (effect == nullptr || runner == nullptr) return;
    if (runner->MakeDialog == nullptr) {
        favorite_form_detail::Inform("No options in this command.");
        return;
    }
    TFavoriteParams params{};
    try {
        params = ParseFavoriteParams(ParamerMemo->Text(), FavoriteEffectDefaults(*effect, GlobalVars()));
    } catch (const Exception& e) {
        favorite_form_detail::Error(e.Message());
        return;
    }
    TEffectForm* dialog = runner->MakeDialog(this, nullptr);
    struct TFree {
        TEffectForm* Dialog;
        ~TFree() { Dialog->Free(); }
    } free{dialog};
    CenterOnOwner(*dialog, *this);
    if (dialog->ButtonPreview != nullptr) dialog->ButtonPreview->SetVisible(false);
    FillFavoriteDialog(*dialog, params);
    if (dialog->ShowModal() != mrOk) return;
    try {
        ParamerMemo->SetText(FavoriteDialogValues(*dialog));
    } catch (const Exception& e) {
        favorite_form_detail::Error(e.Message());
    }
}

// ---- Saving ----------------------------------------------------------------------------------------------

TFavorite TFavoriteForm::FavoriteFromFields() const {
    return TFavorite{Trim(NameEdit->Text()), ShortCutToText(HotKey->HotKey()), ParamerMemo->Text(),
                     ChosenEffect(), ShowDialogCheckBox->Checked()};
}

int TFavoriteForm::FindFavoriteName(const std::string& Name, int Except) {
    int result = static_cast<int>(FFavoriteList.size());
    for (std::size_t i = 0; i < FFavoriteList.size(); ++i) {
        if (static_cast<int>(i) == Except || !favorite_form_detail::SameName(FFavoriteList[i].Name, Name))
            continue;
        const bool yes =
            favorite_form_detail::Ask("The specified name is already used. Do you want to overwrite it?",
                                      "Overwrite Shortcut key") == IDYES;
        result = yes ? static_cast<int>(i) : -1;
    }
    return result;
}

void TFavoriteForm::SaveActionExecute(TObject*) {
    if (SaveFavorite()) FEditMode = TEditMode::None;
    UpdateStates();
}

bool TFavoriteForm::SaveFavorite() {
    if (FEditMode == TEditMode::None) return false;
    if (FunctionComboBox->ItemIndex() < 0) {
        favorite_form_detail::Inform("You must select a function.");
        return false;
    }
    if (const std::string problem = CheckFavoriteName(NameEdit->Text()); !problem.empty()) {
        favorite_form_detail::Inform(problem);
        NameEdit->SetFocus();
        return false;
    }
    const TFavorite favorite = FavoriteFromFields();
    const int count = static_cast<int>(FFavoriteList.size());
    int target = 0;
    if (FEditMode == TEditMode::New) {
        const int found = FindFavoriteName(favorite.Name, -1);
        if (found < 0) return false;
        if (found == count)
            FFavoriteList.push_back(favorite);
        else
            FFavoriteList[static_cast<std::size_t>(found)] = favorite;
        target = found;
    } else {
        if (FSelectedIndex < 0 || FSelectedIndex >= count) return false;
        // Another favourite of that name would become the same section of the file: it is replaced.
        const int found = FindFavoriteName(favorite.Name, FSelectedIndex);
        if (found < 0) return false;
        target = FSelectedIndex;
        FFavoriteList[static_cast<std::size_t>(target)] = favorite;
        if (found != count) {
            FFavoriteList.erase(FFavoriteList.begin() + found);
            if (found < target) --target;
        }
    }
    FillList();
    FSelectedIndex = target;
    SelectInList(target);
    ShowFavorite(target);
    return true;
}

// ---- The list
// ----------------------------------------------------------------------------------------------

void TFavoriteForm::DeleteActionExecute(TObject*) {
    if (FSelectedIndex < 0 || FSelectedIndex >= static_cast<int>(FFavoriteList.size())) return;
    if (favorite_form_detail::Ask("Are you sure you want to delete this favorite?",
                                  "Confirm Favorite Delete") != IDYES)
        return;
    FFavoriteList.erase(FFavoriteList.begin() + FSelectedIndex);
    FillList();
    if (FSelectedIndex - 1 >= 0) {
        --FSelectedIndex;
        SelectInList(FSelectedIndex);
    } else if (!FFavoriteList.empty()) {
        FSelectedIndex = 0;
        SelectInList(0);
    } else {
        FSelectedIndex = -1;
        ResetFields();
    }
    ListBoxFavoriteClick(ListBoxFavorite);
    UpdateStates();
}

void TFavoriteForm::UpActionExecute(TObject*) {
    if (ListBoxFavorite->ItemIndex() <= 0 || FSelectedIndex <= 0 ||
        FSelectedIndex >= static_cast<int>(FFavoriteList.size()))
        return;
    std::swap(FFavoriteList[static_cast<std::size_t>(FSelectedIndex - 1)],
              FFavoriteList[static_cast<std::size_t>(FSelectedIndex)]);
    FillList();
    --FSelectedIndex;
    SelectInList(FSelectedIndex);
    ShowFavorite(FSelectedIndex);
    UpdateStates();
}

void TFavoriteForm::DownActionExecute(TObject*) {
    const int count = static_cast<int>(FFavoriteList.size());
    if (ListBoxFavorite->ItemIndex() < 0 || ListBoxFavorite->ItemIndex() + 1 >= count || FSelectedIndex < 0 ||
        FSelectedIndex + 1 >= count)
        return;
    std::swap(FFavoriteList[static_cast<std::size_t>(FSelectedIndex)],
              FFavoriteList[static_cast<std::size_t>(FSelectedIndex + 1)]);
    FillList();
    ++FSelectedIndex;
    SelectInList(FSelectedIndex);
    ShowFavorite(FSelectedIndex);
    UpdateStates();
}

// ---- Keys
// --------------------------------------------------------------------------------------------------

void TFavoriteForm::HotKeyChange(TObject*) {
    const TShortCut key = HotKey->HotKey();
    if (key != 0 && ShortCutToText(key).empty()) {
        // A key without a name cannot be written to the file: the field keeps the key it had.
        HotKey->SetHotKey(FAcceptedKey);
        favorite_form_detail::Inform("This key can not be used as a shortcut key. Please try again.");
        return;
    }
    CheckFavoriteShortcut(ShortCutToText(HotKey->HotKey()));
    CheckCommandShortcut(ShortCutToText(HotKey->HotKey()));
    FAcceptedKey = HotKey->HotKey();
}

void TFavoriteForm::CheckFavoriteShortcut(const std::string& Text) {
    const TShortCut key = TextToShortCut(Text);
    if (key == 0) return;
    for (std::size_t i = 0; i < FFavoriteList.size(); ++i) {
        if (FEditMode == TEditMode::Edit && static_cast<int>(i) == FSelectedIndex) continue;
        TFavorite& favorite = FFavoriteList[i];
        if (TextToShortCut(favorite.Shortcut) != key) continue;
        if (favorite_form_detail::Ask("The specified shortcut key is already used by the \"" + favorite.Name +
                                          "\" favorite. Do you want to overwrite it?",
                                      ApplicationTitle) == IDYES)
            favorite.Shortcut.clear();
        else
            HotKey->SetHotKey(0);
        return;
    }
}

void TFavoriteForm::CheckCommandShortcut(const std::string& Text) {
    const TShortCut key = TextToShortCut(Text);
    if (key == 0) return;
    for (std::size_t n = 0; n < FCommandShortcuts.size(); ++n) {
        if (TextToShortCut(FCommandShortcuts[n]) != key) continue;
        const std::string caption = n < FSetup.CommandCaptions.size() ? FSetup.CommandCaptions[n] : "";
        if (favorite_form_detail::Ask("The specified shortcut key is already used by the \"" + caption +
                                          "\" command. Do you want to overwrite it?",
                                      ApplicationTitle) == IDYES)
            FCommandShortcuts[n].clear();
        else
            HotKey->SetHotKey(0);
        return;
    }
}

void TFavoriteForm::ButtonClearClick(TObject*) {
    FAcceptedKey = 0;
    HotKey->SetHotKey(0);
}

// ---- Closing
// -----------------------------------------------------------------------------------------------

bool TFavoriteForm::WriteFavoriteFiles() {
    try {
        SaveFavorites(FSetup.FavoritesPath, FFavoriteList);
        WriteShortcutFile(FSetup.ShortcutPath, FCommandShortcuts);
    } catch (const Exception& e) {
        favorite_form_detail::Error(e.Message());
        return false;
    }
    return true;
}

void TFavoriteForm::CloseButtonClick(TObject*) {
    // The question about an edit in progress and the writing come with the close itself.
    SetModalResult(mrOk);
}

void TFavoriteForm::FormCloseQuery(TObject*, bool& CanClose) {
    if (FUnreadable) return;
    bool write = ModalResult() == mrOk;
    if (FEditMode != TEditMode::None) {
        const int answer =
            favorite_form_detail::Ask("You are currently editing the \"" + NameEdit->Text() +
                                          "\". Do you want to save your changes before continuing?",
                                      ApplicationTitle, MB_YESNOCANCEL);
        if (answer == IDCANCEL || (answer == IDYES && !SaveFavorite())) {
            CanClose = false;
            UpdateStates();
            return;
        }
        if (answer == IDYES) FEditMode = TEditMode::None;
        write = true;
    }
    if (!write) return;
    if (!WriteFavoriteFiles()) {
        CanClose = false;
        return;
    }
    SetModalResult(mrOk);
}

// ---- State of the controls
// ---------------------------------------------------------------------------------

void TFavoriteForm::ActionListUpdate(TBasicAction*, bool& Handled) {
    UpdateStates();
    Handled = true;
}

void TFavoriteForm::UpdateStates() {
    const bool editing = FEditMode != TEditMode::None;
    const int count = static_cast<int>(FFavoriteList.size());
    ListBoxFavorite->SetEnabled(!editing);
    const bool selected =
        !editing && ListBoxFavorite->ItemIndex() >= 0 && FSelectedIndex >= 0 && FSelectedIndex < count;
    EditAction->SetEnabled(selected);
    DeleteAction->SetEnabled(selected);
    UpAction->SetEnabled(selected && FSelectedIndex != 0);
    DownAction->SetEnabled(selected && FSelectedIndex + 1 != count);
    NameEdit->SetEnabled(editing);
    CancelAction->SetEnabled(editing);
    HotKey->SetEnabled(editing);
    FunctionComboBox->SetEnabled(editing);
    ShowDialogCheckBox->SetEnabled(editing);
    ButtonClear->SetEnabled(editing);
    SaveAction->SetEnabled(editing && !Trim(NameEdit->Text()).empty());
    EditFunctionAction->SetEnabled(editing && FunctionComboBox->ItemIndex() >= 0);
    NameEdit->SetColor(editing ? clWindow : clBtnFace);
    FunctionComboBox->SetColor(editing ? clWindow : clBtnFace);
}
