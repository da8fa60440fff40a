// TFavoriteForm ("Favorites"): the user creates, changes, deletes and reorders favourites.
//
// The dialog works on copies of the favourites and of the commands' keys and writes both files when it
// closes with Close (or when a close in the middle of an edit is answered Yes or No). Browsing (mode
// none) shows the selected favourite; New and Edit open its properties: a name, a key, the effect and
// its values, which "Edit Settings..." changes in the effect's own dialog, and whether the dialog is
// shown before the favourite applies. Save keeps the properties: a name another favourite has (letter
// case aside, as the file compares them) is asked about and replaces that favourite; a name the file
// cannot hold is refused. A key another favourite or a command already has is asked about as it is
// pressed; Yes takes it from there.
#pragma once

#include "platform/vcl/Form.h"
#include "source/Favorites.h"
#include "source/favorites/ShortcutSetup.h"

#include <string>
#include <vector>

class TAction;
class TActionList;
class TBasicAction;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TFrHotKeyEdit;
class TGroupBox;
class TLabel;
class TListBox;
class TMemo;
class TPageControl;
class TTabSheet;

class TFavoriteForm : public TForm {
public:
    enum class TEditMode { None, New, Edit };

    TFavoriteForm(TComponent* AOwner, TShortcutSetup Setup);

    const std::vector<TFavorite>& FavoriteList() const { return FFavoriteList; }
    const std::vector<std::string>& CommandShortcuts() const { return FCommandShortcuts; }
    TEditMode EditMode() const { return FEditMode; }
    int SelectedIndex() const { return FSelectedIndex; }

    TListBox* ListBoxFavorite = nullptr;
    TButton *NewButton = nullptr, *EditProButton = nullptr, *DeleteButton = nullptr, *UpButton = nullptr,
            *DownButton = nullptr;
    TGroupBox* GroupBoxProperties = nullptr;
    TLabel* LabelName = nullptr;
    TEdit* NameEdit = nullptr;
    TButton *SaveProButton = nullptr, *CancelButton = nullptr;
    TGroupBox* GroupBoxShortcut = nullptr;
    TFrHotKeyEdit* HotKey = nullptr;
    TButton* ButtonClear = nullptr;
    TPageControl* PageControl = nullptr;
    TTabSheet* TabSheetFunction = nullptr;
    TLabel* LabelEffect = nullptr;
    TComboBox* FunctionComboBox = nullptr;
    TMemo* ParamerMemo = nullptr;
    TButton* EditSettingsButton = nullptr;
    TCheckBox* ShowDialogCheckBox = nullptr;
    TButton *CloseButton = nullptr, *HelpButton = nullptr;
    TActionList* ActionList = nullptr;
    TAction *NewAction = nullptr, *EditAction = nullptr, *DeleteAction = nullptr, *UpAction = nullptr,
            *DownAction = nullptr, *SaveAction = nullptr, *CancelAction = nullptr,
            *EditFunctionAction = nullptr;

    // ---- Event handlers
    void FormShow(TObject* Sender);
    void ListBoxFavoriteClick(TObject* Sender);
    void NewActionExecute(TObject* Sender);
    void EditActionExecute(TObject* Sender);
    void SaveActionExecute(TObject* Sender);
    void CancelActionExecute(TObject* Sender);
    void DeleteActionExecute(TObject* Sender);
    void UpActionExecute(TObject* Sender);
    void DownActionExecute(TObject* Sender);
    void EditFunctionActionExecute(TObject* Sender);
    void FunctionComboBoxChange(TObject* Sender);
    void HotKeyChange(TObject* Sender);
    void ButtonClearClick(TObject* Sender);
    void CloseButtonClick(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    // The enabled state of the actions and fields, by the mode and the selection.
    void ActionListUpdate(TBasicAction* Action, bool& Handled);
    void UpdateStates();

private:
    void ShowFavorite(int Index);
    bool SaveFavorite();
    // The index of the favourite `Name` replaces: the list's count for a new name, the index of the one
    // with that name when the user agrees to overwrite it, -1 when not. `Except` is left out.
    int FindFavoriteName(const std::string& Name, int Except);
    void CheckFavoriteShortcut(const std::string& Text);
    void CheckCommandShortcut(const std::string& Text);
    bool WriteFavoriteFiles();
    TFavorite FavoriteFromFields() const;
    void FillList();
    void SelectInList(int Index);
    void ResetFields();
    std::string ChosenEffect() const;

    TShortcutSetup FSetup;
    std::vector<TFavorite> FFavoriteList;
    std::vector<std::string> FCommandShortcuts;
    TEditMode FEditMode = TEditMode::None;
    int FSelectedIndex = -1;
    // The key field's value the checks accepted last: a key that cannot be a shortcut goes back to it.
    TShortCut FAcceptedKey = 0;
    // The favourites file could not be read: the dialog closes at once and writes nothing.
    bool FUnreadable = false;
};
