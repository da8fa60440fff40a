// Favourites in the running program: the list in the command bar (drawn, followed by the mouse, run by a
// double click), the favourites' keys, the refusals without a document, and the two editors reached from
// the command menu and the command bar, whose changes reach the list, the keys and the files.
#include "tests/source/AppTestSupport.h"

#include "audio/AudioEditor2.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/ListView.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "skin/framed/FrHotKeyEdit.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"
#include "source/ShortcutFile.h"
#include "source/effects/EffectParameters.h"
#include "source/favorites/FavoriteForm.h"
#include "source/favorites/ShortcutForm.h"
#include "source/mainform/MainForm.h"

#include <gtest/gtest.h>

namespace app_test {

class AppFavoritesTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Wav = Documents + "piece.wav";
        WriteSound(Wav, TestPiece(22050, 2, 1.0), 22050, 2, 1);
    }
    std::vector<float> Samples(std::int64_t start, std::int64_t end) {
        TAudioEditor2Position& position = MainForm->AudioEditor->Position();
        position.SetSelection(-1);
        position.SetSelectionStart(start);
        position.SetSelectionEnd(end);
        return MainForm->AudioEditor->GetSamples(end - start);
    }
    void Open() {
        ThenChooseFile(Wav);
        Command(MainForm->ActionOpenFile);
        ASSERT_TRUE(MainForm->DocumentOpen);
        Before = Samples(0, 22050);
    }
    // What the effect `Id` with these settings makes of the selection start .. end of the document.
    std::vector<float> Expected(int Id, const TGlobalVars& Vars, std::int64_t start, std::int64_t end) {
        MainForm->AudioEditor->Undo();
        Samples(start, end);
        ApplyEditorEffect(MainForm->AudioEditor->Transform(), Id, Vars);
        std::vector<float> result = Samples(0, 22050);
        MainForm->AudioEditor->Undo();
        return result;
    }
    void ShowFavoritesPage() {
        ClickOn(MainForm->ButtonFavorites);
        Pump();
        ASSERT_TRUE(MainForm->FavoriteListBox->Visible());
    }
    std::vector<std::string> ListItems() {
        std::vector<std::string> items;
        for (int i = 0; i < MainForm->FavoriteListBox->Items()->Count(); ++i)
            items.push_back(MainForm->FavoriteListBox->Items()->Strings(i));
        return items;
    }
    std::string Wav;
    std::vector<float> Before;
};

TEST_F(AppFavoritesTest, TheListShowsTheFirstStartsFavouritesAndFollowsTheMouse) {
    StartApp();
    ShowFavoritesPage();
    EXPECT_FALSE(GlobalVars().EffectPanelOnFront);
    const std::vector<std::string> expected{"Half Volume (Ctrl+H)",
                                            "Double Volume (Ctrl+D)",
                                            "Fade In",
                                            "Fade Out",
                                            "Normalize Audio Level",
                                            "Double Speed (Ctrl+1)",
                                            "Slow Down Speed (Ctrl+2)",
                                            "Many Echoes (Ctrl+3)",
                                            "Very Large Cavern Effect (Ctrl+4)",
                                            "Allien Saying Effect (Ctrl+5)",
                                            "Radio (Ctrl+6)",
                                            "Cassette Noise Reduce (Ctrl+7)"};
    EXPECT_EQ(ListItems(), expected);
    TListBox* list = MainForm->FavoriteListBox;
    EXPECT_EQ(list->ItemHeight(), 18);
    // The mouse over the third item selects it; the selected item is grey with white text.
    const RECT third = list->ItemRect(2);
    const POINT over = list->ClientToScreen(POINT{40, (third.top + third.bottom) / 2});
    olva::win::InjectMouse(olva::win::MouseAction::Move, over.x, over.y);
    Pump();
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_TRUE(olva::win::SaveWindowPng(MainForm->Handle(), PicturePath("favorites-list")));
    // Unselected items are white, the selected one grey (the window's picture holds B, G, R, A).
    const std::shared_ptr<TSurface> image = olva::win::WindowImage(MainForm->Handle());
    auto pixel = [&](int Item) {
        const RECT r = list->ItemRect(Item);
        const POINT screen = list->ClientToScreen(POINT{r.right - 3, r.top + 2});
        return image->Row(screen.y - MainForm->Top())[screen.x - MainForm->Left()] & 0xFFFFFFu;
    };
    EXPECT_EQ(pixel(0), 0xFFFFFFu);
    EXPECT_EQ(pixel(2), 0x808080u);
    ClickOn(MainForm->ButtonEffects);
    Pump();
    EXPECT_TRUE(GlobalVars().EffectPanelOnFront);
    EXPECT_FALSE(MainForm->PanelFavorites->Visible());
}

TEST_F(AppFavoritesTest, AKeyOrADoubleClickAppliesTheFavouriteToTheDocument) {
    StartApp();
    // Without a document the favourite is refused.
    ThenReadBox();
    ThenKey(VK_RETURN);
    Key('3', {VK_CONTROL});
    EXPECT_EQ(BoxTexts, std::vector<std::string>{"You must choose a file to apply this effect."});

    Open();
    Samples(2205, 11025);
    Key('3', {VK_CONTROL}); // "Many Echoes": 500, 50, 70
    EXPECT_TRUE(MainForm->Modified());
    const std::vector<float> echoed = Samples(0, 22050);
    TGlobalVars echo = GlobalVars();
    echo.DefEchoDelayTime = 500, echo.DefEchoMixDepth = 50, echo.DefEchoFeedbackGain = 70;
    EXPECT_EQ(echoed, Expected(eiEcho, echo, 2205, 11025));
    EXPECT_EQ(GlobalVars().DefEchoDelayTime, 200); // the settings are not touched

    // A double click on "Radio" with nothing selected: the whole document through a 2000 Hz high pass.
    ShowFavoritesPage();
    MainForm->AudioEditor->Position().SetSelection(0);
    TListBox* list = MainForm->FavoriteListBox;
    const RECT radio = list->ItemRect(10);
    const POINT at = list->ClientToScreen(POINT{30, (radio.top + radio.bottom) / 2});
    for (auto action :
         {olva::win::MouseAction::Move, olva::win::MouseAction::LeftDown, olva::win::MouseAction::LeftUp,
          olva::win::MouseAction::LeftDown, olva::win::MouseAction::LeftUp})
        olva::win::InjectMouse(action, at.x, at.y);
    Pump();
    const std::vector<float> filtered = Samples(0, 22050);
    TGlobalVars highPass = GlobalVars();
    highPass.DefHighPass = 2000;
    EXPECT_EQ(filtered, Expected(eiHighPass, highPass, 0, 22050));
}

// A favourite created with a key, renamed, given a shortcut and deleted: each change reaches the list, the
// keys and the files, which are what the next start reads.
TEST_F(AppFavoritesTest, TheEditorsChangesReachTheListTheKeysAndTheFiles) {
    StartApp();
    Open();
    ShowFavoritesPage();
    Then([this] {
        auto* editor = dynamic_cast<TFavoriteForm*>(ActiveForm());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->Left(), MainForm->Left() + (MainForm->Width() - editor->Width()) / 2);
        editor->NewAction->Execute();
        editor->NameEdit->SetText("Louder");
        editor->FunctionComboBox->SetItemIndex(3); // Amplify
        editor->FunctionComboBoxChange(nullptr);
        editor->HotKey->SetHotKey(scCtrl | 'L');
        editor->SaveAction->Execute();
        editor->CloseButton->Click();
    });
    ClickOn(MainForm->ButtonEditF);
    Pump();
    EXPECT_EQ(ListItems().back(), "Louder (Ctrl+L)");

    // Renamed and given another key in a second session, reached from the command menu.
    Then([this] {
        auto* editor = dynamic_cast<TFavoriteForm*>(ActiveForm());
        ASSERT_NE(editor, nullptr);
        editor->ListBoxFavorite->SetItemIndex(12);
        editor->ListBoxFavoriteClick(nullptr);
        editor->EditAction->Execute();
        editor->NameEdit->SetText("Much Louder");
        editor->HotKey->SetHotKey(scCtrl | 'K');
        editor->SaveAction->Execute();
        editor->CloseButton->Click();
    });
    BarCommand("Edit Favorites...");
    EXPECT_EQ(ListItems().back(), "Much Louder (Ctrl+K)");
    Samples(0, 22050);
    Key('L', {VK_CONTROL});
    EXPECT_EQ(Samples(0, 22050), Before); // the old key does nothing now
    Key('K', {VK_CONTROL});
    const std::vector<float> louder = Samples(0, 22050);
    EXPECT_EQ(louder, Expected(eiAmplify, GlobalVars(), 0, 22050)); // with the amplify settings

    // The shortcut editor gives Redo the key Ctrl+K, taking it from the favourite.
    Then([this] {
        auto* editor = dynamic_cast<TFormShortCut*>(ActiveForm());
        ASSERT_NE(editor, nullptr);
        editor->ShortCutListView->SetSelected(editor->ShortCutListView->Items()->Item(1));
        editor->HotKey->SetFocus();
    });
    ThenKey('K', {VK_CONTROL});
    ThenReadBox();
    ThenKey(VK_RETURN); // Yes
    Then([this] { dynamic_cast<TFormShortCut*>(ActiveForm())->ButtonOK->Click(); });
    BarCommand("&Keyboard Shortcuts");
    EXPECT_EQ(BoxTexts.back(), "The specified shorcut Key is already used by the \"Much Louder\" favorite. "
                               "Do you want to overwrite it");
    EXPECT_EQ(MainForm->ActionRedo->ShortCut(), scCtrl | 'K');
    EXPECT_EQ(ListItems().back(), "Much Louder");

    // Deleted in a third session.
    Then([this] {
        auto* editor = dynamic_cast<TFavoriteForm*>(ActiveForm());
        editor->ListBoxFavorite->SetItemIndex(12);
        editor->ListBoxFavoriteClick(nullptr);
    });
    Then([this] { dynamic_cast<TFavoriteForm*>(ActiveForm())->DeleteAction->Execute(); });
    ThenKey(VK_RETURN);
    Then([this] { dynamic_cast<TFavoriteForm*>(ActiveForm())->CloseButton->Click(); });
    ClickOn(MainForm->ButtonEditF);
    Pump();
    EXPECT_EQ(ListItems().size(), 12u);

    // What the next start reads.
    const std::vector<TFavorite> favorites = ReadFavorites(DataFolder + FavoritesFileName);
    EXPECT_EQ(favorites, DefaultFavorites());
    EXPECT_EQ(ReadShortcutSections(DataFolder + ShortcutFileName)->at(1), "Ctrl+K");
    MainForm->LoadFavorites();
    MainForm->ApplyShortcuts();
    EXPECT_EQ(ListItems().size(), 12u);
    EXPECT_EQ(MainForm->ActionRedo->ShortCut(), scCtrl | 'K');
    EXPECT_TRUE(Unanswered.empty());
}

} // namespace app_test
