// The keyboard shortcut editor: conflicts between commands appear and clear as keys change, a favourite's
// key is asked about, OK is refused while conflicts remain and writes the files when there are none,
// Cancel writes nothing, and damaged shortcut files are read up to the shorter of the two lists.
#include "tests/source/favorites/FavoriteDialogsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/Memo.h"
#include "platform/win/WinKeys.h"
#include "skin/framed/FrHotKeyEdit.h"
#include "source/Favorites.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"
#include "source/favorites/ShortcutConflicts.h"
#include "source/favorites/ShortcutForm.h"

#include <gtest/gtest.h>

namespace favorite_dialogs_test {

TEST(ShortcutConflictsTest, PairsAreListedOnceInRowOrder) {
    struct Case {
        std::vector<TShortcutRow> Rows;
        std::vector<std::string> Lines;
    };
    for (const Case& c : std::vector<Case>{
             {{{"Undo", "Ctrl+Z"}, {"Redo", ""}, {"Copy", "Ctrl+Z"}}, {"[Ctrl+Z]Undo", "[Ctrl+Z]Copy"}},
             {{{"A", "F2"}, {"B", "F2"}, {"C", "F2"}}, {"[F2]A", "[F2]B", "[F2]C"}},
             {{{"A", ""}, {"B", ""}}, {}},
             {{{"A", "F2"}, {"B", "F3"}, {"C", "F3"}, {"D", "F2"}}, {"[F2]A", "[F2]D", "[F3]B", "[F3]C"}}})
        EXPECT_EQ(ShortcutConflictLines(c.Rows), c.Lines);
}

class ShortcutFormTest : public FavoriteDialogsTest {
protected:
    TFormShortCut* Make() {
        auto* dialog = TCustomForm::New<TFormShortCut>(form, Setup());
        dialog->OnApplied = [this] { ++Applied; };
        return dialog;
    }
    void SelectRow(TFormShortCut* Dialog, int Index) {
        Dialog->ShortCutListView->SetSelected(Dialog->ShortCutListView->Items()->Item(Index));
        Dialog->HotKey->SetFocus();
        Pump();
    }
    std::string Memo(TFormShortCut* Dialog) { return Dialog->ConflictMemo->Text(); }
    int Applied = 0;
};

TEST_F(ShortcutFormTest, ConflictsAppearAndClearAndOkWaitsForThem) {
    TFormShortCut* dialog = Make();
    Then([&] {
        ASSERT_EQ(dialog->ShortCutListView->Items()->Count(), static_cast<int>(ShortcutCommands().size()));
        EXPECT_EQ(Memo(dialog), "");
        // Copy gets Undo's key.
        SelectRow(dialog, 3);
        EXPECT_EQ(dialog->HotKey->HotKey(), scCtrl | 'C');
        Chord({VK_CONTROL}, 'Z');
        EXPECT_EQ(dialog->RowTexts()[3], "Ctrl+Z");
        EXPECT_EQ(Memo(dialog), "[Ctrl+Z]Undo\r\n[Ctrl+Z]Copy");
        Picture(dialog, "shortcut-editor-conflict");
        ClickCentre(dialog->ButtonOK);
        EXPECT_EQ(Boxes.back(), "You must resolve any keyboard shortcut conflicts bofore continuing.");
        // Clear takes the key away and the conflict with it.
        ClickCentre(dialog->ClearButton);
        EXPECT_EQ(dialog->RowTexts()[3], "");
        EXPECT_EQ(Memo(dialog), "");
        // A key alone becomes Alt and the key; Shift with a key stays as it is.
        SelectRow(dialog, 1);
        Key(VK_F4);
        EXPECT_EQ(dialog->RowTexts()[1], "Alt+F4");
        Chord({VK_SHIFT}, VK_F4);
        EXPECT_EQ(dialog->RowTexts()[1], "Shift+F4");
        ClickCentre(dialog->ButtonOK);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(Applied, 1);
    std::vector<std::string> expected;
    for (const TShortcutCommand& command : ShortcutCommands())
        expected.emplace_back(command.DefaultShortcut);
    expected[1] = "Shift+F4";
    expected[3] = "";
    EXPECT_EQ(ReadShortcutSections(ShortcutPath()), expected);
    dialog->Free();
}

TEST_F(ShortcutFormTest, AFavouritesKeyIsAskedAboutAndTakenOnlyOnYes) {
    const std::string favoritesBefore = ReadFile(FavoritesPath());
    TFormShortCut* dialog = Make();
    Then([&] {
        SelectRow(dialog, 1); // Redo, no key
        Answer(mrNo);
        Chord({VK_CONTROL}, 'H');
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0],
                  "The specified shorcut Key is already used by the \"Half Volume\" favorite. Do you "
                  "want to overwrite it");
        EXPECT_EQ(dialog->RowTexts()[1], "");
        EXPECT_EQ(dialog->HotKey->HotKey(), 0);
        Answer(mrYes);
        Chord({VK_CONTROL}, 'H');
        EXPECT_EQ(dialog->RowTexts()[1], "Ctrl+H");
        EXPECT_EQ(dialog->FavoriteList()[0].Shortcut, "");
        ClickCentre(dialog->ButtonOK);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    dialog->Free();
    EXPECT_NE(ReadFile(FavoritesPath()), favoritesBefore);
    const std::vector<TFavorite> favorites = ReadFavorites(FavoritesPath());
    ASSERT_EQ(favorites.size(), 12u);
    EXPECT_EQ(favorites[0].Shortcut, "");
    EXPECT_EQ(FavoriteListText(favorites[0]), "Half Volume");
    EXPECT_EQ(favorites[1], DefaultFavorites()[1]);
    EXPECT_EQ(ReadShortcutSections(ShortcutPath())->at(1), "Ctrl+H");
}

// No to the question gives the row back the key it had when it was selected, also the first row, which
// is selected when the dialog opens.
TEST_F(ShortcutFormTest, NoToAFavouritesKeyGivesTheRowItsKeyBack) {
    TFormShortCut* dialog = Make();
    Then([&] {
        dialog->HotKey->SetFocus();
        Answer(mrNo);
        Chord({VK_CONTROL}, 'H');
        EXPECT_EQ(dialog->RowTexts()[0], "Ctrl+Z");
        ClickCentre(dialog->ButtonCancel);
    });
    dialog->ShowModal();
    dialog->Free();
}

TEST_F(ShortcutFormTest, CancelAndTheCloseBoxWriteNothing) {
    const std::string shortcuts = ReadFile(ShortcutPath()), favorites = ReadFile(FavoritesPath());
    for (bool closeBox : {false, true}) {
        TFormShortCut* dialog = Make();
        Then([&] {
            SelectRow(dialog, 0);
            Answer(mrYes);
            Chord({VK_CONTROL}, 'D'); // Double Volume's key, taken from it in the dialog only
            EXPECT_EQ(dialog->RowTexts()[0], "Ctrl+D");
            if (closeBox)
                dialog->Close();
            else
                ClickCentre(dialog->ButtonCancel);
        });
        EXPECT_EQ(dialog->ShowModal(), mrCancel);
        dialog->Free();
    }
    EXPECT_EQ(Applied, 0);
    EXPECT_EQ(ReadFile(ShortcutPath()), shortcuts);
    EXPECT_EQ(ReadFile(FavoritesPath()), favorites);
}

TEST_F(ShortcutFormTest, AKeyWithoutANameIsRefusedAndTheRowKeepsItsKey) {
    TFormShortCut* dialog = Make();
    Then([&] {
        SelectRow(dialog, 0);
        Key(0xFF);
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0], "This key can not be used as a shortcut key. Please try again.");
        EXPECT_EQ(dialog->RowTexts()[0], "Ctrl+Z");
        EXPECT_EQ(dialog->HotKey->HotKey(), scCtrl | 'Z');
        ClickCentre(dialog->ButtonCancel);
    });
    dialog->ShowModal();
    dialog->Free();
}

// The n-th section gives the n-th command's key as far as both go; a command without a section keeps the
// key it has; text that names no key is no key; conflicts the file holds are listed at once.
TEST_F(ShortcutFormTest, DamagedFilesAreReadUpToTheShorterList) {
    const std::size_t count = ShortcutCommands().size();
    struct Case {
        const char* Name;
        std::string Text;
        std::vector<std::pair<std::size_t, std::string>> Rows;
        std::string Conflicts;
    };
    std::string many;
    for (std::size_t n = 1; n <= count + 40; ++n)
        many += "[Action" + std::to_string(n) + "]\r\nShortcut=" + (n == 2 ? "Ctrl+Y" : "") + "\r\n";
    const std::vector<Case> cases{
        {"fewer",
         "[A]\r\nShortcut=F12\r\n[B]\r\n",
         {{0, "F12"}, {1, ""}, {2, "Ctrl+X"}, {count - 1, ""}},
         ""},
        {"more", many, {{0, ""}, {1, "Ctrl+Y"}, {2, ""}, {count - 1, ""}}, ""},
        {"junk",
         "[X]\r\nShortcut=Ctrl+Foo\r\n[Y]\r\nShortcut=ctrl+z\r\nnot an ini "
         "line\r\n\x01\x02\r\n[Z]\r\nShortcut=Ctrl+Z\r\n",
         {{0, ""}, {1, "Ctrl+Z"}, {2, "Ctrl+Z"}},
         "[Ctrl+Z]Redo\r\n[Ctrl+Z]Cut"},
        {"missing", "", {{0, "Ctrl+Z"}, {6, "Del"}}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        if (std::string(c.Name) == "missing")
            std::filesystem::remove(ShortcutPath());
        else
            Folder->Write("Shortcut201201.dat", c.Text);
        TFormShortCut* dialog = Make();
        Then([&] {
            const std::vector<std::string> texts = dialog->RowTexts();
            ASSERT_EQ(texts.size(), count);
            for (const auto& [row, text] : c.Rows)
                EXPECT_EQ(texts[row], text) << row;
            EXPECT_EQ(Memo(dialog), c.Conflicts);
            ClickCentre(dialog->ButtonCancel);
        });
        dialog->ShowModal();
        dialog->Free();
    }
}

} // namespace favorite_dialogs_test
