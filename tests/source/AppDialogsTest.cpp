// The document dialogs as the main window runs them: the tag dialog with its year check, the options
// with the buttons that act at once, and the pictures of every dialog.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Memo.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/RadioButton.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/RecentFilesFile.h"
#include "source/dialogs/ConvertSampleRateForm.h"
#include "source/dialogs/EditID3Form.h"
#include "source/dialogs/OptionsForm.h"
#include "source/mainform/MainForm.h"

#include <filesystem>

namespace app_test {

class AppDialogsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        Wav = Documents + "voice.wav";
        WriteSound(Wav, TestPiece(44100, 2, 2.0), 44100, 2, 1);
    }
    TEditID3Form* TagDialog() { return dynamic_cast<TEditID3Form*>(ActiveForm()); }
    TOptionsForm* OptionsDialog() { return dynamic_cast<TOptionsForm*>(ActiveForm()); }
    std::string Wav;
};

TEST_F(AppDialogsTest, TheTagDialogWritesAllFieldsOrNoneAndAcceptsOnlyAWholeYear) {
    StartApp();
    Drop({Wav});
    TAudioEditor2FileInfo& info = MainForm->AudioEditor->FileInfo();
    // A year that is not a number is refused before anything is written; Cancel then writes nothing.
    Then([this] {
        ASSERT_NE(TagDialog(), nullptr);
        EXPECT_EQ(TagDialog()->ComboBoxGenre->Items()->Count(), 148);
        TagDialog()->EditTitle->SetText("Morning");
        TagDialog()->EditYear->SetText("19x9");
        TagDialog()->ButtonOK->Click();
    });
    ThenReadBox();
    ThenKey(VK_RETURN);
    Then([this] { EXPECT_NE(TagDialog(), nullptr) << "the dialog stays open"; });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionEditID3);
    ASSERT_EQ(BoxTexts, std::vector<std::string>{"'19x9' is not a valid integer value"});
    EXPECT_EQ(info.GetTitle(), "");
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 11);

    Then([this] {
        TEditID3Form* dialog = TagDialog();
        EXPECT_TRUE(dialog->EditYear->NumbersOnly());
        dialog->EditTitle->SetText("Morning");
        dialog->EditArtist->SetText("The Quartet");
        dialog->EditAlbum->SetText("Daybreak");
        dialog->ComboBoxGenre->SetItemIndex(32);
        dialog->EditYear->SetText("0042");
        dialog->MemoComment->SetText("first take");
    });
    ThenPicture("dialog-tags");
    ThenKey(VK_RETURN);
    Command(MainForm->ActionEditID3);
    EXPECT_EQ(info.GetTitle(), "Morning");
    EXPECT_EQ(info.GetArtist(), "The Quartet");
    EXPECT_EQ(info.GetAlbum(), "Daybreak");
    EXPECT_EQ(info.GetGenre(), 32);
    EXPECT_EQ(info.GetYear(), "42");
    EXPECT_EQ(info.GetComment(), "first take");
    EXPECT_EQ(MainForm->AudioEditor->Tag(), 10);
}

TEST_F(AppDialogsTest, OptionsStoreOnOkWhileTheirImmediateButtonsActAtOnce) {
    StartApp();
    Drop({Wav});
    const std::string work = Root->Path() + "work/";
    TGlobalVars& vars = GlobalVars();
    // "Use default": its button opens the rate dialog, whose OK is kept even though Options is cancelled.
    Then([this] {
        TOptionsForm* dialog = OptionsDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->RadioButtonPrompt->Checked());
        EXPECT_FALSE(dialog->ButtonSetDefault->Enabled());
        EXPECT_FALSE(dialog->EditFolder->Enabled());
        dialog->RadioButtonUseDefault->SetChecked(true);
        EXPECT_TRUE(dialog->ButtonSetDefault->Enabled());
        dialog->ButtonSetDefault->Click();
    });
    Then([this] {
        auto* rates = dynamic_cast<TConvertSampleRateForm*>(ActiveForm());
        ASSERT_NE(rates, nullptr);
        EXPECT_EQ(rates->SelectedRate(), 44100);
        EXPECT_EQ(rates->SelectedChannels(), 2);
        rates->ComboBoxRate->SetItemIndex(2); // 48000 Hz
        rates->RadioButtonMono->SetChecked(true);
    });
    ThenPicture("dialog-convert-sample-rate");
    ThenKey(VK_RETURN);
    ThenPicture("dialog-options-general");
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionOptions);
    EXPECT_EQ(vars.OP_DefSample, 48000);
    EXPECT_EQ(vars.OP_DefChannel, 1);
    EXPECT_TRUE(vars.OP_PromptNewFile);

    Then([this, work] {
        TOptionsForm* dialog = OptionsDialog();
        dialog->RadioButtonUseDefault->SetChecked(true);
        dialog->PageControl->SetActivePage(dialog->TabAudioProcessing);
        dialog->RadioButtonSpecifiedFolder->SetChecked(true);
        EXPECT_TRUE(dialog->EditFolder->Enabled());
        dialog->EditFolder->SetText(work);
        dialog->CheckBoxPlayAfterEdit->SetChecked(true);
    });
    ThenPicture("dialog-options-audio-processing");
    ThenKey(VK_RETURN);
    Command(MainForm->ActionOptions);
    EXPECT_FALSE(vars.OP_PromptNewFile);
    EXPECT_FALSE(vars.OP_UseDefFolder);
    EXPECT_EQ(vars.OP_WorkingFolder, work);
    EXPECT_TRUE(vars.OP_PlayAfterEdit);
    EXPECT_EQ(MainForm->AudioEditor->TempDirectory(), work);
}

TEST_F(AppDialogsTest, DeletingTheRecentFilesListAsksFirstThenEmptiesBothListsAndTheFile) {
    StartApp();
    Drop({Wav});
    for (int answer : {'N', 'Y'}) {
        Then([this] { OptionsDialog()->ButtonDeleteRecent->Click(); });
        ThenReadBox();
        ThenKey(answer);
        ThenKey(VK_ESCAPE);
        Command(MainForm->ActionOptions);
        EXPECT_EQ(MainForm->Bars().MRUFiles().Items().empty(), answer == 'Y');
        EXPECT_EQ(MainForm->Bars().Ribbon().GetExtraPaneItems().Count(), answer == 'Y' ? 0 : 1);
    }
    EXPECT_EQ(BoxTexts.back(), "Are you sure you want to delete your recent files list?");
    EXPECT_TRUE(ReadRecentFilesFile(DataFolder + RecentFilesFileName).empty());
}

TEST_F(AppDialogsTest, PicturesOfTheWindowsAsTheUserSeesThem) {
    // The program's own splash picture, as the build draws it beside the program.
    const std::filesystem::path art =
        std::filesystem::path(OLVA_TEST_OUT_DIR).parent_path() / "source" / "splash.png";
    if (std::filesystem::exists(art))
        std::filesystem::copy_file(art, ProgramFolder + "splash.png",
                                   std::filesystem::copy_options::overwrite_existing);
    StartApp();
    // The splash stays a second over the new main window.
    EXPECT_TRUE(olva::win::SaveScreenPng(PicturePath("splash-over-main-window")));
    Advance(1000);
    Drop({Wav});
    MainForm->Update();
    EXPECT_TRUE(olva::win::SaveWindowPng(MainForm->Handle(), PicturePath("main-window-with-document")));
    // The progress window over the main window while a long open runs.
    bool pictured = false;
    auto progress = MainForm->AudioEditor->OnBlockOperation;
    MainForm->AudioEditor->OnBlockOperation = [&](int Percent) {
        progress(Percent);
        if (pictured || Percent < 30) return;
        pictured = true;
        EXPECT_TRUE(olva::win::SaveScreenPng(PicturePath("progress-window-over-main-window")));
    };
    const std::string longer = Documents + "longer.wav";
    WriteSound(longer, TestPiece(44100, 2, 40.0), 44100, 2, 1);
    Drop({longer});
    EXPECT_TRUE(pictured);
    MainForm->AudioEditor->OnBlockOperation = progress;
    EXPECT_TRUE(MainForm->Enabled());

    Then([this] { dynamic_cast<TRadioButton*>(ActiveForm()->FindComponent("rbMono"))->SetChecked(true); });
    ThenPicture("dialog-new-file");
    ThenKey(VK_ESCAPE);
    Key('N', {VK_CONTROL});

    MainForm->SetModified(true);
    ThenPicture("box-save-changes");
    ThenKey(VK_ESCAPE);
    CloseMainWindow();

    Then([this] { EXPECT_EQ(ActiveForm()->Caption(), "Open"); });
    ThenPicture("dialog-open-file");
    ThenKey(VK_ESCAPE);
    Key('O', {VK_CONTROL});
}

} // namespace app_test
