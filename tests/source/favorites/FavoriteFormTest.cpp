// The favourites editor: new and edited favourites with their names checked, keys taken from other
// favourites and from commands on Yes, the effect's values edited in its own dialog, the list reordered
// and emptied, and the files written only by a close that keeps the changes.
#include "tests/source/favorites/FavoriteDialogsTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinKeys.h"
#include "skin/framed/FrHotKeyEdit.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EchoForm.h"
#include "source/favorites/FavoriteForm.h"
#include "source/help/HelpViewer.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace favorite_dialogs_test {

class FavoriteFormTest : public FavoriteDialogsTest {
protected:
    TFavoriteForm* Make() { return TCustomForm::New<TFavoriteForm>(form, Setup()); }
    void Select(TFavoriteForm* Dialog, int Index) {
        Click(Dialog->ListBoxFavorite, 20, Index * Dialog->ListBoxFavorite->ItemHeight() + 4);
    }
    void ChooseEffect(TFavoriteForm* Dialog, const std::string& Flag) {
        Dialog->FunctionComboBox->SetItemIndex(Dialog->FunctionComboBox->Items()->IndexOf(Flag));
        Dialog->FunctionComboBoxChange(Dialog->FunctionComboBox);
    }
    void TypeName(TFavoriteForm* Dialog, const std::string& Name) {
        Dialog->NameEdit->SetFocus();
        Dialog->NameEdit->SelectAll();
        Type(Name);
    }
    std::vector<std::string> Names(TFavoriteForm* Dialog) {
        std::vector<std::string> names;
        for (const TFavorite& favorite : Dialog->FavoriteList())
            names.push_back(favorite.Name);
        return names;
    }
    static std::vector<std::string> DefaultNames() {
        std::vector<std::string> names;
        for (const TFavorite& favorite : DefaultFavorites())
            names.push_back(favorite.Name);
        return names;
    }
};

using TMode = TFavoriteForm::TEditMode;

TEST_F(FavoriteFormTest, ANewFavouriteWithAnExistingNameReplacesItInPlaceOnYes) {
    TFavoriteForm* dialog = Make();
    Then([&] {
        Select(dialog, 4);
        EXPECT_EQ(dialog->SelectedIndex(), 4);
        Picture(dialog, "favorites-editor-browse");
        EXPECT_EQ(dialog->NameEdit->Text(), "Normalize Audio Level");
        EXPECT_FALSE(dialog->NameEdit->Enabled());
        ClickCentre(dialog->NewButton);
        EXPECT_EQ(dialog->EditMode(), TMode::New);
        EXPECT_EQ(dialog->NameEdit->Text(), "Untitled");
        EXPECT_FALSE(dialog->ListBoxFavorite->Enabled());
        EXPECT_FALSE(dialog->EditSettingsButton->Enabled());
        // Without an effect nothing is saved.
        ClickCentre(dialog->SaveProButton);
        EXPECT_EQ(Boxes.back(), "You must select a function.");
        EXPECT_EQ(dialog->EditMode(), TMode::New);

        ChooseEffect(dialog, "Echo");
        EXPECT_EQ(dialog->ParamerMemo->Text(), "200,70,40"); // the echo's settings
        TypeName(dialog, "Half Volume");
        Picture(dialog, "favorites-editor-new");
        Answer(mrNo);
        ClickCentre(dialog->SaveProButton);
        EXPECT_EQ(Boxes.back(), "The specified name is already used. Do you want to overwrite it?");
        EXPECT_EQ(dialog->EditMode(), TMode::New);
        EXPECT_EQ(dialog->FavoriteList().size(), 12u);
        Answer(mrYes);
        ClickCentre(dialog->SaveProButton);
        EXPECT_EQ(dialog->EditMode(), TMode::None);
        ASSERT_EQ(dialog->FavoriteList().size(), 12u);
        EXPECT_EQ(dialog->FavoriteList()[0], (TFavorite{"Half Volume", "", "200,70,40", "Echo", false}));
        EXPECT_EQ(dialog->SelectedIndex(), 0);
        EXPECT_EQ(dialog->ListBoxFavorite->ItemIndex(), 0);
        // A later Edit changes that favourite, not the one selected before New.
        ClickCentre(dialog->EditProButton);
        TypeName(dialog, "Echoes");
        ClickCentre(dialog->SaveProButton);
        EXPECT_EQ(dialog->FavoriteList()[0].Name, "Echoes");
        EXPECT_EQ(dialog->FavoriteList()[4].Name, "Normalize Audio Level");
        ClickCentre(dialog->CloseButton);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    dialog->Free();
    const std::vector<TFavorite> saved = ReadFavorites(FavoritesPath());
    ASSERT_EQ(saved.size(), 12u);
    EXPECT_EQ(saved[0], (TFavorite{"Echoes", "", "200,70,40", "Echo", false}));
}

// The file keeps names trimmed and without regard to case: an edit to another favourite's name replaces
// that one (on Yes), and names the file cannot hold are refused.
TEST_F(FavoriteFormTest, NamesStayUniqueInEditModeAndTheFileCanHoldThem) {
    TFavoriteForm* dialog = Make();
    Then([&] {
        Select(dialog, 1); // Double Volume
        ClickCentre(dialog->EditProButton);
        for (const char* bad : {"Loud [2]", "   "}) {
            TypeName(dialog, bad);
            if (std::string(bad) != "   ") {
                ClickCentre(dialog->SaveProButton);
                EXPECT_EQ(Boxes.back(),
                          "The favorite name can not contain \"[\", \"]\" or line breaks. Please try again.");
            } else {
                EXPECT_FALSE(dialog->SaveProButton->Enabled());
            }
            EXPECT_EQ(dialog->EditMode(), TMode::Edit);
        }
        TypeName(dialog, " radio ");
        Answer(mrNo);
        ClickCentre(dialog->SaveProButton);
        EXPECT_EQ(Boxes.back(), "The specified name is already used. Do you want to overwrite it?");
        EXPECT_EQ(dialog->EditMode(), TMode::Edit);
        EXPECT_EQ(Names(dialog), DefaultNames());
        Answer(mrYes);
        ClickCentre(dialog->SaveProButton);
        EXPECT_EQ(dialog->EditMode(), TMode::None);
        std::vector<std::string> expected = DefaultNames();
        expected[1] = "radio";
        expected.erase(expected.begin() + 10); // "Radio" went
        EXPECT_EQ(Names(dialog), expected);
        EXPECT_EQ(dialog->SelectedIndex(), 1);
        EXPECT_EQ(dialog->FavoriteList()[1].Flag, "Amplify");
        ClickCentre(dialog->CloseButton);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    dialog->Free();
    EXPECT_EQ(ReadFavorites(FavoritesPath()).size(), 11u);
}

TEST_F(FavoriteFormTest, KeysOfOtherFavouritesAndOfCommandsAreTakenOnYes) {
    TFavoriteForm* dialog = Make();
    Then([&] {
        Select(dialog, 1); // Double Volume, Ctrl+D
        ClickCentre(dialog->EditProButton);
        dialog->HotKey->SetFocus();
        Answer(mrNo);
        Chord({VK_CONTROL}, 'H');
        EXPECT_EQ(Boxes.back(),
                  "The specified shortcut key is already used by the \"Half Volume\" favorite. Do "
                  "you want to overwrite it?");
        EXPECT_EQ(dialog->HotKey->HotKey(), 0);
        EXPECT_EQ(dialog->FavoriteList()[0].Shortcut, "Ctrl+H");
        Answer(mrYes);
        Chord({VK_CONTROL}, 'H');
        EXPECT_EQ(dialog->FavoriteList()[0].Shortcut, "");
        EXPECT_EQ(dialog->HotKey->HotKey(), scCtrl | 'H');
        // Its own key is no conflict in edit mode.
        const std::size_t boxes = Boxes.size();
        Chord({VK_CONTROL}, 'D');
        EXPECT_EQ(Boxes.size(), boxes);
        // A command's key: asked by the command's caption.
        Answer(mrYes);
        Chord({VK_CONTROL}, 'Z');
        EXPECT_EQ(Boxes.back(),
                  "The specified shortcut key is already used by the \"Undo\" command. Do you want "
                  "to overwrite it?");
        EXPECT_EQ(dialog->CommandShortcuts()[0], "");
        // A key alone or with Shift alone is taken with Alt.
        Chord({VK_SHIFT}, 'Q');
        EXPECT_EQ(dialog->HotKey->HotKey(), scAlt | 'Q');
        Key(0xFF);
        EXPECT_EQ(Boxes.back(), "This key can not be used as a shortcut key. Please try again.");
        EXPECT_EQ(dialog->HotKey->HotKey(), scAlt | 'Q');
        Picture(dialog, "favorites-editor-edit");
        ClickCentre(dialog->SaveProButton);
        ClickCentre(dialog->CloseButton);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    dialog->Free();
    const std::vector<TFavorite> saved = ReadFavorites(FavoritesPath());
    EXPECT_EQ(saved[0].Shortcut, "");
    EXPECT_EQ(saved[1].Shortcut, "Alt+Q");
    const std::vector<std::string> keys = *ReadShortcutSections(ShortcutPath());
    ASSERT_EQ(keys.size(), ShortcutCommands().size());
    EXPECT_EQ(keys[0], "");
    EXPECT_EQ(keys[2], "Ctrl+X");
}

TEST_F(FavoriteFormTest, EditSettingsOpensTheEffectsDialogWithTheFavouritesValues) {
    TFavoriteForm* dialog = Make();
    Then([&] {
        Select(dialog, 7); // Many Echoes 500,50,70
        ClickCentre(dialog->EditProButton);
        Then([&] {
            auto* echo = dynamic_cast<TEchoForm*>(ActiveForm());
            ASSERT_NE(echo, nullptr);
            EXPECT_FALSE(echo->ButtonPreview->Visible());
            Picture(echo, "favorites-editor-echo-settings");
            EXPECT_EQ(echo->ImageSliderDelayTime->Value(), 500);
            EXPECT_EQ(echo->ImageSliderMixDepth->Value(), 50);
            EXPECT_EQ(echo->ImageSliderFeedbackGain->Value(), 70);
            echo->ImageSliderMixDepth->SetValue(60);
            ClickCentre(echo->ButtonOK);
        });
        ClickCentre(dialog->EditSettingsButton);
        EXPECT_EQ(dialog->ParamerMemo->Text(), "500,60,70");
        // The settings record is not touched.
        EXPECT_EQ(GlobalVars().DefEchoMixDepth, 70);
        // Choosing another effect shows its settings; coming back shows the favourite's own list.
        ChooseEffect(dialog, "Amplify");
        EXPECT_EQ(dialog->ParamerMemo->Text(), "25");
        ChooseEffect(dialog, "Echo");
        EXPECT_EQ(dialog->ParamerMemo->Text(), "500,50,70");
        ChooseEffect(dialog, "Invert");
        EXPECT_EQ(dialog->ParamerMemo->Text(), "");
        ClickCentre(dialog->EditSettingsButton);
        EXPECT_EQ(Boxes.back(), "No options in this command.");
        ClickCentre(dialog->CancelButton);
        EXPECT_EQ(dialog->FavoriteList()[7].Effect, "500,50,70");
        dialog->Close();
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    dialog->Free();
}

TEST_F(FavoriteFormTest, UpDownAndDeleteKeepToTheList) {
    TFavoriteForm* dialog = Make();
    Then([&] {
        Select(dialog, 0);
        EXPECT_FALSE(dialog->UpButton->Enabled());
        dialog->UpActionExecute(nullptr); // nothing on the first
        EXPECT_EQ(Names(dialog), DefaultNames());
        ClickCentre(dialog->DownButton);
        EXPECT_EQ(Names(dialog)[1], "Half Volume");
        EXPECT_EQ(dialog->SelectedIndex(), 1);
        ClickCentre(dialog->UpButton);
        EXPECT_EQ(Names(dialog), DefaultNames());
        Select(dialog, 11);
        EXPECT_FALSE(dialog->DownButton->Enabled());
        dialog->DownActionExecute(nullptr); // nothing on the last
        EXPECT_EQ(Names(dialog), DefaultNames());
        Answer(mrNo);
        ClickCentre(dialog->DeleteButton);
        EXPECT_EQ(Boxes.back(), "Are you sure you want to delete this favorite?");
        EXPECT_EQ(dialog->FavoriteList().size(), 12u);
        for (int left = 11; left >= 0; --left) {
            Answer(mrYes);
            ClickCentre(dialog->DeleteButton);
            EXPECT_EQ(dialog->FavoriteList().size(), static_cast<std::size_t>(left));
            EXPECT_EQ(dialog->SelectedIndex(), left == 0 ? -1 : left - 1);
        }
        EXPECT_EQ(dialog->NameEdit->Text(), "Untitled");
        EXPECT_FALSE(dialog->DeleteButton->Enabled());
        ClickCentre(dialog->CloseButton);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    dialog->Free();
    EXPECT_TRUE(ReadFavorites(FavoritesPath()).empty());
    EXPECT_TRUE(std::filesystem::exists(FavoritesPath()));
}

// Closing while editing asks first; Cancel keeps the dialog open with nothing written, No closes and
// writes what was kept before; the close box while browsing writes nothing.
TEST_F(FavoriteFormTest, ClosingAsksAboutAnEditAndWritesOnlyWhatIsKept) {
    const std::string before = ReadFile(FavoritesPath());
    TFavoriteForm* dialog = Make();
    Then([&] {
        Select(dialog, 2);
        ClickCentre(dialog->DeleteButton); // answered Yes below
        ClickCentre(dialog->NewButton);
        TypeName(dialog, "Quiet");
        Answer(mrCancel);
        ClickCentre(dialog->CloseButton);
    });
    Then([&] {
        EXPECT_EQ(Boxes.back(),
                  "You are currently editing the \"Quiet\". Do you want to save your changes before "
                  "continuing?");
        EXPECT_EQ(dialog->EditMode(), TMode::New);
        EXPECT_EQ(ReadFile(FavoritesPath()), before);
        Answer(mrNo);
        ClickCentre(dialog->CloseButton);
    });
    Answers.push_front(mrYes);
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    dialog->Free();
    std::vector<std::string> expected = DefaultNames();
    expected.erase(expected.begin() + 2);
    std::vector<std::string> names;
    for (const TFavorite& favorite : ReadFavorites(FavoritesPath()))
        names.push_back(favorite.Name);
    EXPECT_EQ(names, expected);

    const std::string written = ReadFile(FavoritesPath());
    dialog = Make();
    Then([&] {
        Select(dialog, 0);
        Answer(mrYes);
        ClickCentre(dialog->DeleteButton);
        dialog->Close();
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    dialog->Free();
    EXPECT_EQ(ReadFile(FavoritesPath()), written);
}

TEST_F(FavoriteFormTest, HelpShowsTheManualsPageOnFavourites) {
    std::vector<std::string> addresses;
    THelpViewerOverride viewer{[&](HWND, const std::string& Address, UINT, DWORD_PTR) {
        addresses.push_back(Address);
        return 1;
    }};
    TFavoriteForm* dialog = Make();
    Then([&] {
        ClickCentre(dialog->HelpButton);
        dialog->Close();
    });
    dialog->ShowModal();
    dialog->Free();
    ASSERT_EQ(addresses.size(), 1u);
    const std::string page = HelpPageFile(addresses[0]);
    ASSERT_TRUE(page.ends_with("-help/favorites.htm")) << page;
}

TEST_F(FavoriteFormTest, AFavouritesFileThatCannotBeReadIsLeftAlone) {
    std::filesystem::remove(FavoritesPath());
    std::filesystem::create_directory(FavoritesPath());
    TFavoriteForm* dialog = Make();
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    dialog->Free();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], "The favorites file \"" + FavoritesPath() +
                            "\" can not be read. Your favorites were left as they are.");
    EXPECT_TRUE(std::filesystem::is_directory(FavoritesPath()));
}

} // namespace favorite_dialogs_test
