// The quality dialogs on the save road of the program: what the user chooses is what is written, and a
// cancelled dialog writes nothing but keeps detailed settings accepted in its configure dialog.
#include "audio/AudioFile2.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/formats/FormatPresetForm.h"
#include "source/formats/Mp3SettingsSpecifyForm.h"
#include "source/mainform/MainForm.h"
#include "tests/source/AppTestSupport.h"

#include <filesystem>

namespace app_test {

class FormatDialogRoadTest : public AppTest {};

TEST_F(FormatDialogRoadTest, CancellingKeepsTheConfiguredSettingsButNotTheChoiceAndWritesNothing) {
    StartApp();
    const std::string wav = Documents + "piece.wav";
    WriteSound(wav, TestPiece(44100, 2, 1.0), 44100, 2, 1);
    Drop({wav});
    TGlobalVars& vars = GlobalVars();
    const std::string mp3 = Documents + "piece.mp3";
    ThenChooseFile(mp3);
    Then([this] {
        auto* dialog = dynamic_cast<TMp3FormatForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->LabelPresetQuality1->Caption(), "CD Quality");
        dialog->RadioButtonSpecifySettings->SetChecked(true);
        dialog->ButtonConfigure->Click();
    });
    Then([this] {
        auto* specify = dynamic_cast<TMp3SettingsSpecifyForm*>(ActiveForm());
        ASSERT_NE(specify, nullptr);
        specify->RadioButtonVariable->SetChecked(true);
    });
    ThenPicture("mp3-configure-variable");
    ThenKey(VK_RETURN);
    Then([this] {
        auto* dialog = dynamic_cast<TMp3FormatForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->LabelSpecifySettings->Caption(),
                  "MPEG 1, Layer 3, Variable 128kbps - 320kbps, Quality 2, Stereo, XING compatible variable "
                  "bit rate header");
    });
    ThenPicture("mp3-file-setup-specify");
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionSaveAs);
    EXPECT_FALSE(std::filesystem::exists(mp3));
    EXPECT_FALSE(vars.OutputMP3CBR);
    EXPECT_EQ(vars.OutputMP3Type, 0);
    EXPECT_EQ(MainForm->FileName, wav);

    // Accepted with "Specify Settings": the variable rate by quality is what the file has.
    ThenChooseFile(mp3);
    Then([this] {
        dynamic_cast<TMp3FormatForm*>(ActiveForm())->RadioButtonSpecifySettings->SetChecked(true);
    });
    ThenKey(VK_RETURN);
    Command(MainForm->ActionSaveAs);
    EXPECT_EQ(vars.OutputMP3Type, 1);
    ASSERT_TRUE(std::filesystem::exists(mp3));
    EXPECT_EQ(MainForm->FileName, mp3);
    TAudioFile2 reader;
    reader.Open(mp3);
    EXPECT_EQ(reader.GetSampleRate(), 44100);
    EXPECT_EQ(reader.GetChannels(), 2);
    EXPECT_TRUE(Unanswered.empty());
}

} // namespace app_test
