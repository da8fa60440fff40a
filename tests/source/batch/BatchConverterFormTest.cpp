// The batch converter's window on the program's Tools command: the three steps as a user goes through
// them (with pictures of each step and of its dialogs), a run that converts every file and closes the
// window, and a run with a damaged file that reports it and keeps it listed.
#include "source/batch/BatchConverterForm.h"
#include "audio/AudioFile2.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/ListView.h"
#include "platform/vcl/ProgressBar.h"
#include "platform/vcl/RadioButton.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/batch/AddCommandForm.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EchoForm.h"
#include "source/formats/FormatPresetForm.h"
#include "source/mainform/MainForm.h"
#include "tests/source/AppTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace app_test {

class BatchConverterFormTest : public AppTest {
protected:
    TBatchConverterForm* Batch() const { return dynamic_cast<TBatchConverterForm*>(ActiveForm()); }
    std::vector<std::string> Captions(TListView* List) const {
        std::vector<std::string> captions;
        for (int i = 0; i < List->Items()->Count(); ++i)
            captions.push_back(List->Items()->Item(i)->Caption());
        return captions;
    }
};

TEST_F(BatchConverterFormTest, ThreeStepsConvertEveryFileAndCloseTheWindow) {
    StartApp();
    WriteSound(Documents + "one.wav", TestPiece(44100, 2, 1.0), 44100, 2, afWav);
    WriteSound(Documents + "two.mp3", TestPiece(44100, 2, 1.0), 44100, 2, afMp3);
    WriteSound(Documents + "three.ogg", TestPiece(44100, 1, 1.0), 44100, 1, afOgg);
    std::filesystem::create_directories(Documents + "sub");
    WriteSound(Documents + "sub/deeper.wav", TestPiece(8000, 1, 0.2), 8000, 1, afWav);
    { std::ofstream(Documents + "notes.txt") << "not a sound"; }
    TGlobalVars& vars = GlobalVars();
    Then([this] {
        TBatchConverterForm* batch = Batch();
        ASSERT_NE(batch, nullptr);
        EXPECT_EQ(batch->Caption(), "Batch Converter");
        EXPECT_EQ(batch->LabelStep->Caption(), "Step 1:");
        EXPECT_FALSE(batch->ActionNext->Enabled());
        // A folder adds the sound files directly in it; a file listed already is not listed twice.
        batch->AddFolder(Documents);
        batch->AddFile(Documents + "one.wav");
        batch->AddFile(Documents + "notes.txt");
        EXPECT_EQ(Captions(batch->ListViewFiles),
                  (std::vector<std::string>{"one.wav", "three.ogg", "two.mp3"}));
        EXPECT_EQ(batch->ListViewFiles->Items()->Item(0)->SubItems()->Strings(0), Documents);
    });
    ThenPicture("batch-step1-files");
    Then([this] { Batch()->ActionNext->Execute(); });
    // Step 2: a command from the Add Command dialog, two more, and one command's settings changed.
    Then([this] {
        EXPECT_EQ(Batch()->LabelStep->Caption(), "Step 2:");
        Batch()->ActionAddCommand->Execute();
    });
    Then([this] {
        auto* add = dynamic_cast<TAddCommandForm*>(ActiveForm());
        ASSERT_NE(add, nullptr);
        EXPECT_FALSE(add->ButtonAdd->Enabled());
        add->ListBoxCommand->SetItemIndex(2);
        add->ButtonAdd->SetEnabled(true);
    });
    ThenPicture("batch-add-command");
    ThenKey(VK_RETURN);
    Then([this] {
        TBatchConverterForm* batch = Batch();
        batch->AddCommand(TBatchCommandKind::Echo);
        batch->AddCommand(TBatchCommandKind::Normalize);
        EXPECT_EQ(Captions(batch->ListViewCommand),
                  (std::vector<std::string>{"Amplify", "Echo", "Normalize"}));
        batch->ListViewCommand->Items()->Item(0)->SetSelected(true);
        batch->ListViewCommand->Items()->Item(0)->SetFocused(true);
        batch->ActionCommandSettings->Execute();
    });
    Then([this] {
        auto* form = dynamic_cast<TEffectForm*>(ActiveForm());
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->ButtonPreview == nullptr || !form->ButtonPreview->Visible());
        EXPECT_EQ(form->ParameterEdit(0)->Text(), "25");
        form->ParameterEdit(0)->SetText("150");
    });
    ThenKey(VK_RETURN);
    Then([this] {
        EXPECT_EQ(Batch()->ListViewCommand->Items()->Item(0)->SubItems()->Strings(0),
                  "Amplify Gain (%) = 150");
    });
    ThenPicture("batch-step2-commands");
    // Step 3: into MP3 in a folder of its own.
    Then([this, &vars] {
        TBatchConverterForm* batch = Batch();
        batch->ActionNext->Execute();
        EXPECT_EQ(batch->LabelStep->Caption(), "Step 3:");
        EXPECT_EQ(batch->ButtonNext->Caption(), "&Finish");
        batch->RadioButtonutputFormatConvertTo->SetChecked(true);
        batch->ComboBoxFormat->SetItemIndex(1);
        batch->RadioButtonOutputFolderSaveTo->SetChecked(true);
        vars.BatchFileSaveFolderpath = Documents + "out";
        batch->EditFolder->SetText(vars.BatchFileSaveFolderpath);
        std::filesystem::create_directories(vars.BatchFileSaveFolderpath);
    });
    ThenPicture("batch-step3-output");
    Then([this] { Batch()->ActionFormatSettings->Execute(); });
    ThenPicture("batch-step3-mp3-settings");
    ThenKey(VK_RETURN);
    Then([this] {
        // How a run looks, drawn with the values a run shows.
        TBatchConverterForm* batch = Batch();
        batch->GroupBoxProcessing->SetVisible(true);
        batch->ShowFileProgress(2, 3, Documents + "two.mp3", 40);
        batch->ProgressBarBatch->SetPosition(33);
        batch->LabelBatch->SetCaption("Batch = 33%");
    });
    ThenPicture("batch-step3-processing");
    Then([this] {
        Batch()->GroupBoxProcessing->SetVisible(false);
        Batch()->ActionNext->Execute();
    });
    Command(MainForm->ActionBatch);
    EXPECT_EQ(Batch(), nullptr); // closed after converting everything
    for (const char* name : {"one.mp3", "two.mp3", "three.mp3"}) {
        ASSERT_TRUE(std::filesystem::exists(Documents + "out/" + name)) << name;
        TAudioFile2 reader;
        reader.Open(Documents + "out/" + name);
        EXPECT_EQ(reader.GetSampleRate(), 44100) << name;
    }
    EXPECT_FALSE(vars.BatchFileFormatUseTheSame);
    EXPECT_EQ(vars.BatchFileFormatIndex, 1);
    EXPECT_TRUE(Unanswered.empty());
}

TEST_F(BatchConverterFormTest, ADamagedFileIsReportedAndStaysListedWhileTheOthersConvert) {
    StartApp();
    WriteSound(Documents + "good.wav", TestPiece(22050, 2, 0.5), 22050, 2, afWav);
    { std::ofstream(Documents + "bad.mp3") << std::string(2000, 'x'); }
    WriteSound(Documents + "fine.wav", TestPiece(22050, 1, 0.5), 22050, 1, afWav);
    GlobalVars().BatchFileFormatUseTheSame = true;
    GlobalVars().BatchFileSaveFolderUseTheSame = true;
    Then([this] {
        TBatchConverterForm* batch = Batch();
        for (const char* name : {"good.wav", "bad.mp3", "fine.wav"})
            batch->AddFile(Documents + name);
        batch->ShowStep(2);
        batch->ActionNext->Execute();
    });
    ThenReadBox();
    ThenPicture("batch-failure-box");
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    Then([this] {
        TBatchConverterForm* batch = Batch();
        ASSERT_NE(batch, nullptr);
        EXPECT_EQ(Captions(batch->ListViewFiles), std::vector<std::string>{"bad.mp3"});
        EXPECT_EQ(batch->Step(), 0);
        EXPECT_FALSE(batch->GroupBoxProcessing->Visible());
    });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionBatch);
    ASSERT_EQ(BoxTexts.size(), 2u);
    EXPECT_EQ(BoxTexts[0],
              "Something wasn't as expected! At least one error occurred while processing file: \"" +
                  Documents +
                  "bad.mp3\"\r\n\r\nAn error occurred while transforming file:\r\n\r\nThe "
                  "file \"" +
                  Documents + "bad.mp3\" is damaged or the format is not supported.");
    EXPECT_EQ(BoxTexts[1], "Encoding finished. 1 file(s) not been encoded.");
    EXPECT_TRUE(std::filesystem::exists(Documents + "good(1).wav"));
    EXPECT_TRUE(std::filesystem::exists(Documents + "fine(1).wav"));
    EXPECT_FALSE(std::filesystem::exists(Documents + "bad.mp3.mp3"));
    EXPECT_TRUE(Unanswered.empty());
}

// Cancel during a run asks first; Yes ends every file at its next block, leaves no partial file and
// keeps every file listed.
TEST_F(BatchConverterFormTest, CancelStopsTheRunAndKeepsTheFilesListed) {
    StartApp();
    for (const char* name : {"long1.wav", "long2.wav"})
        WriteSound(Documents + name, TestPiece(44100, 2, 40.0), 44100, 2, afWav);
    GlobalVars().BatchFileFormatUseTheSame = true;
    GlobalVars().BatchFileSaveFolderUseTheSame = true;
    Then([this] {
        TBatchConverterForm* batch = Batch();
        batch->AddFile(Documents + "long1.wav");
        batch->AddFile(Documents + "long2.wav");
        batch->AddCommand(TBatchCommandKind::Reverb);
        batch->ShowStep(2);
        // The click reaches the button while the run pumps the window's messages.
        PostMessage(batch->ButtonCancelConverting->Handle(), BM_CLICK, 0, 0);
        batch->ActionNext->Execute();
    });
    ThenReadBox();
    ThenKey('Y');
    Then([this] {
        TBatchConverterForm* batch = Batch();
        ASSERT_NE(batch, nullptr);
        EXPECT_EQ(Captions(batch->ListViewFiles), (std::vector<std::string>{"long1.wav", "long2.wav"}));
        EXPECT_FALSE(batch->Running());
        EXPECT_TRUE(batch->ActionNext->Enabled() || batch->Step() == 0);
    });
    ThenKey(VK_ESCAPE);
    Command(MainForm->ActionBatch);
    ASSERT_FALSE(BoxTexts.empty());
    EXPECT_EQ(BoxTexts[0], "Really want to stop convertion?");
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(Documents))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"long1.wav", "long2.wav"}));
    EXPECT_TRUE(Unanswered.empty());
}

} // namespace app_test
