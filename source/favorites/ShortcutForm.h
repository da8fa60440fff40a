// TFormShortCut ("Keyboard Shortcuts"): the user gives the main window's commands their keys.
//
// The list shows every command with its key. Selecting a row puts its key into the key field; pressing a
// combination there gives the row that key (a key alone is taken as Alt plus the key), Clear takes it
// away. A key a favourite already has is asked about at once: Yes takes it from the favourite, No puts the
// row's key back. Keys two commands share are listed under "Conflicting keys:", and OK is refused while
// any are. OK writes the shortcut file (and the favourites whose key was taken) and has the main window
// load both again; Cancel and the close box write nothing.
#pragma once

#include "platform/vcl/Form.h"
#include "source/Favorites.h"
#include "source/favorites/ShortcutSetup.h"

#include <functional>
#include <string>
#include <vector>

class TButton;
class TFrHotKeyEdit;
class TGroupBox;
class TLabel;
class TListItem;
class TListView;
class TMemo;

class TFormShortCut : public TForm {
public:
    TFormShortCut(TComponent* AOwner, TShortcutSetup Setup);

    // Run by OK once the files are written: the main window loads the favourites and the keys again.
    std::function<void()> OnApplied;

    TListView* ShortCutListView = nullptr;
    TGroupBox* GroupBoxShortcut = nullptr;
    TLabel* LabelPressNew = nullptr;
    TFrHotKeyEdit* HotKey = nullptr;
    TButton* ClearButton = nullptr;
    TLabel* LabelConflicts = nullptr;
    TMemo* ConflictMemo = nullptr;
    TButton* ButtonOK = nullptr;
    TButton* ButtonCancel = nullptr;

    // The rows' keys in text form, in command order.
    std::vector<std::string> RowTexts() const;
    const std::vector<TFavorite>& FavoriteList() const { return FFavoriteList; }

    // ---- Event handlers
    void FormShow(TObject* Sender);
    void ShortCutListViewSelectItem(TObject* Sender, TListItem* Item, bool Selected);
    void HotKeyChange(TObject* Sender);
    void ClearButtonClick(TObject* Sender);
    void ButtonOKClick(TObject* Sender);

private:
    void FillShortcutList();
    void SetRowText(TListItem* Row, const std::string& Text);
    // Asks about a favourite that has the key already; false when the user keeps it there.
    bool CheckFavoriteConflict(const std::string& Text);
    void RebuildConflicts();

    TShortcutSetup FSetup;
    std::vector<TFavorite> FFavoriteList;
    bool FFavoritesChanged = false;
    std::string FPreviousShortcut;
};
