// Favourites and shortcut keys: the favourites list of the command bar (drawn by the window, followed by
// the mouse, run by a double click), one action per favourite carrying its key, the two command-bar
// buttons that switch between the effects tree and the list, and the favourites and shortcut editors.
#include "audio/AudioEditor2.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/ListBox.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"
#include "source/dialogs/DialogSupport.h"
#include "source/favorites/FavoriteForm.h"
#include "source/favorites/FavoriteListDrawing.h"
#include "source/favorites/FavoriteRunners.h"
#include "source/favorites/ShortcutForm.h"
#include "source/mainform/EffectCommands.h"
#include "source/mainform/MainForm.h"

namespace main_form_favorites_detail {

std::string FavoritesPath() {
    return GlobalVars().DataFolder + FavoritesFileName;
}

void ErrorBox(const std::string& Text) {
    Application()->MessageBox(Text, ApplicationTitle, MB_OK | MB_ICONERROR);
}

} // namespace main_form_favorites_detail

using main_form_favorites_detail::FavoritesPath;

void TMainForm::BindFavoriteCommands() {
    FavoriteListBox->SetStyle(lbOwnerDrawFixed);
    FavoriteListBox->SetItemHeight(18);
    FavoriteListBox->OnDrawItem = TDrawItemEvent(
        [this](TWinControl*, int Index, RECT Rect, TOwnerDrawState State) {
            DrawFavoriteItem(*FavoriteListBox->Canvas(), Rect, FavoriteListBox->Items()->Strings(Index),
                             State.Contains(odSelected), State.Contains(odFocused));
        },
        FavoriteListBox);
    // The item under the mouse becomes the selected one.
    FavoriteListBox->OnMouseMove = TMouseMoveEvent(
        [this](TObject*, TShiftState, int X, int Y) {
            const int index = FavoriteListBox->ItemAtPos(POINT{X, Y}, true);
            if (index >= 0 && index != FavoriteListBox->ItemIndex()) FavoriteListBox->SetItemIndex(index);
        },
        FavoriteListBox);
    FavoriteListBox->OnDblClick = TNotifyEvent(
        [this](TObject*) {
            const int index = FavoriteListBox->ItemIndex();
            if (index < 0) return;
            if (std::optional<TFavorite> favorite = ReadFavorite(FavoritesPath(), index))
                ApplyFavorite(*favorite);
        },
        FavoriteListBox);

    ButtonFavorites->OnClick = TNotifyEvent(
        [this](TObject*) {
            ShowCommandBarPage(false);
            GlobalVars().EffectPanelOnFront = false;
        },
        ButtonFavorites);
    ButtonEffects->OnClick = TNotifyEvent(
        [this](TObject*) {
            ShowCommandBarPage(true);
            GlobalVars().EffectPanelOnFront = true;
        },
        ButtonEffects);
    ButtonEditF->OnClick = TNotifyEvent([this](TObject*) { EditFavorites(); }, ButtonEditF);

    Bars().OnItemClick = [this, others = std::move(Bars().OnItemClick)](TBarItem Item) {
        if (Item == TBarItem::KeyboardShortcuts)
            EditShortcuts();
        else if (Item == TBarItem::EditFavorites)
            EditFavorites();
        else if (others)
            others(Item);
    };
}

void TMainForm::LoadFavorites() {
    FavoriteListBox->Clear();
    if (ActionListFavorite != nullptr) ActionListFavorite->Free();
    ActionListFavorite = new TActionList(this);
    ActionListFavorite->SetName("ActionListFavorite");
    std::vector<TFavorite> favorites;
    try {
        favorites = ReadFavoritesForEditing(FavoritesPath());
    } catch (const Exception& e) {
        // The list stays empty and the file as it is.
        main_form_favorites_detail::ErrorBox(e.Message());
    }
    for (const TFavorite& favorite : favorites) {
        FavoriteListBox->Items()->Add(FavoriteListText(favorite));
        auto* action = new TAction(ActionListFavorite);
        action->SetShortCut(TextToShortCut(favorite.Shortcut));
        action->SetActionList(ActionListFavorite);
        action->SetOnExecute(TNotifyEvent(
            [this, action](TObject*) {
                // Read again at every run: the file's current favourite for that key runs.
                if (std::optional<TFavorite> found =
                        FindFavoriteByShortcut(FavoritesPath(), action->ShortCut()))
                    ApplyFavorite(*found);
            },
            action));
    }
    ApplyRedoAlternateKeys();
}

void TMainForm::ApplyFavorite(const TFavorite& Favorite) {
    using main_form_favorites_detail::ErrorBox;
    if (!DocumentOpen) {
        ErrorBox("You must choose a file to apply this effect.");
        return;
    }
    if (AudioEditor->Position().GetLength() <= 0) {
        ErrorBox("Can not apply this effect. The file is empty.");
        return;
    }
    if (FEffectCommands == nullptr || FEffectCommands->Road() == nullptr) return;
    RunFavorite(*FEffectCommands->Road(), *AudioEditor, Favorite);
}

namespace main_form_favorites_detail {

TShortcutSetup SetupOf(TMainForm& Form) {
    TShortcutSetup setup;
    for (const TShortcutCommand& command : ShortcutCommands()) {
        auto* action = dynamic_cast<TAction*>(Form.FindComponent(command.Name));
        setup.CommandCaptions.push_back(action != nullptr ? StripHotkey(action->Caption()) : command.Name);
        setup.CurrentShortcuts.push_back(action != nullptr ? ShortCutToText(action->ShortCut()) : "");
    }
    setup.ShortcutPath = GlobalVars().DataFolder + ShortcutFileName;
    setup.FavoritesPath = FavoritesPath();
    return setup;
}

} // namespace main_form_favorites_detail

void TMainForm::EditFavorites() {
    auto* dialog = TCustomForm::New<TFavoriteForm>(this, main_form_favorites_detail::SetupOf(*this));
    struct TFree {
        TFavoriteForm* Dialog;
        ~TFree() { Dialog->Free(); }
    } free{dialog};
    CenterOnOwner(*dialog, *this);
    if (dialog->ShowModal() != mrOk) return;
    ApplyShortcuts();
    LoadFavorites();
}

void TMainForm::EditShortcuts() {
    auto* dialog = TCustomForm::New<TFormShortCut>(this, main_form_favorites_detail::SetupOf(*this));
    struct TFree {
        TFormShortCut* Dialog;
        ~TFree() { Dialog->Free(); }
    } free{dialog};
    dialog->OnApplied = [this] {
        LoadFavorites();
        ApplyShortcuts();
    };
    CenterOnOwner(*dialog, *this);
    dialog->ShowModal();
}
