// The editing commands of the running program, through the command menu, the keys and the dialogs:
// which commands can run as the document changes, a selection typed into the Set Selection dialog and
// into the selection fields, trim, repeat loop undone in one step, paste mix levels, mix file with
// silence, insert silence.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "skin/controls/SkinButton.h"
#include "source/GlobalVars.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"
#include "source/editing/NumberDialogs.h"
#include "source/editing/PasteMixForm.h"
#include "source/editing/SelectTimeForm.h"
#include "source/mainform/MainForm.h"

#include <cmath>

namespace app_test {

class AppEditingTest : public AppTest {
protected:
    static constexpr int Rate = 22050;
    void SetUp() override {
        AppTest::SetUp();
        Wav = Documents + "piece.wav";
        WriteSound(Wav, TestPiece(Rate, 2, 2.0), Rate, 2, 1);
    }
    void Open() {
        ThenChooseFile(Wav);
        Command(MainForm->ActionOpenFile);
        ASSERT_TRUE(MainForm->DocumentOpen);
    }
    TAudioEditor2Position& Position() { return MainForm->AudioEditor->Position(); }
    void Select(std::int64_t Start, std::int64_t End) {
        Position().SetSelection(-1);
        Position().SetSelectionStart(Start);
        Position().SetSelectionEnd(End);
        Pump();
    }
    std::vector<float> Samples(std::int64_t Start, std::int64_t End) {
        Select(Start, End);
        return MainForm->AudioEditor->GetSamples(End - Start);
    }
    std::int64_t Length() { return Position().GetLength(); }
    bool Enabled(TAction* Action) {
        MainForm->UpdateActions();
        return Action->Enabled();
    }
    std::string Wav;
};

TEST_F(AppEditingTest, CommandsBecomeAvailableAsTheDocumentAllowsThem) {
    StartApp();
    EXPECT_FALSE(Enabled(MainForm->ActionPlay));
    EXPECT_FALSE(Enabled(MainForm->ActionCloseFile));
    EXPECT_TRUE(Enabled(MainForm->ActionNewFile));
    EXPECT_FALSE(MainForm->ButtonPlay->Enabled());
    Open();
    Position().SetSelection(0);
    Pump();
    EXPECT_TRUE(Enabled(MainForm->ActionPlay));
    EXPECT_TRUE(MainForm->ButtonPlay->Enabled());
    EXPECT_FALSE(Enabled(MainForm->ActionCut));
    EXPECT_FALSE(Enabled(MainForm->ActionUndo));
    Select(1000, 5000);
    EXPECT_TRUE(Enabled(MainForm->ActionCut));
    // Paste waits for a cut or a copy.
    EXPECT_FALSE(Enabled(MainForm->ActionPaste));
    Key('C', {VK_CONTROL});
    EXPECT_TRUE(MainForm->ClipboardFilled);
    EXPECT_EQ(MainForm->ClipboardLength, 4000);
    EXPECT_TRUE(Enabled(MainForm->ActionPaste));
    EXPECT_TRUE(Enabled(MainForm->ActionPasteMix));
    Key(VK_DELETE);
    EXPECT_EQ(Length(), 2 * Rate - 4000);
    EXPECT_TRUE(Enabled(MainForm->ActionUndo));
    EXPECT_TRUE(MainForm->Modified());
    // Closing the document forgets the clipboard.
    Then([this] { ActiveForm()->SetModalResult(mrNo); });
    Command(MainForm->ActionCloseFile);
    EXPECT_FALSE(MainForm->ClipboardFilled);
    EXPECT_FALSE(Enabled(MainForm->ActionPaste));
}

// Redo answers the desktop's usual keys, Ctrl+Y and Shift+Ctrl+Z, as long as the user has not given
// one of them to another command: then that command has it.
TEST_F(AppEditingTest, RedoAnswersCtrlYAndShiftCtrlZUnlessAnotherCommandHoldsTheKey) {
    StartApp();
    Open();
    const std::int64_t whole = Length();
    Select(1000, 5000);
    Key(VK_DELETE);
    ASSERT_EQ(Length(), whole - 4000);
    for (const std::initializer_list<int> redo :
         {std::initializer_list<int>{VK_CONTROL}, std::initializer_list<int>{VK_SHIFT, VK_CONTROL}}) {
        Key('Z', {VK_CONTROL});
        ASSERT_EQ(Length(), whole);
        Key(redo.size() == 1 ? 'Y' : 'Z', redo);
        EXPECT_EQ(Length(), whole - 4000) << redo.size();
    }
    // The user gives Ctrl+Y to Zoom In: the key zooms and redoes nothing; Shift+Ctrl+Z still redoes.
    std::vector<std::string> keys;
    for (const TShortcutCommand& command : ShortcutCommands())
        keys.emplace_back(std::string(command.Name) == "ActionZoomIn" ? "Ctrl+Y" : command.DefaultShortcut);
    WriteShortcutFile(DataFolder + ShortcutFileName, keys);
    MainForm->ApplyShortcuts();
    Key('Z', {VK_CONTROL});
    ASSERT_EQ(Length(), whole);
    MainForm->AudioEditor->ZoomFull();
    const std::int64_t span = Position().GetViewEnd() - Position().GetViewStart();
    Key('Y', {VK_CONTROL});
    EXPECT_EQ(Length(), whole);
    EXPECT_LT(Position().GetViewEnd() - Position().GetViewStart(), span);
    Key('Z', {VK_SHIFT, VK_CONTROL});
    EXPECT_EQ(Length(), whole - 4000);
}

// After any change of length the view shows the document: Select All, Delete and Undo bring the whole
// waveform back, not an empty zoom; a zoom that still shows part of the document stays.
TEST_F(AppEditingTest, AfterDeleteAllAndUndoTheViewShowsTheWholeDocument) {
    StartApp();
    Open();
    const std::int64_t whole = Length();
    Key('A', {VK_CONTROL});
    Key(VK_DELETE);
    ASSERT_EQ(Length(), 0);
    Key('Z', {VK_CONTROL});
    ASSERT_EQ(Length(), whole);
    EXPECT_EQ(Position().GetViewStart(), 0);
    EXPECT_EQ(Position().GetViewEnd(), whole);
    olva::win::SaveWindowPng(MainForm->Handle(), PicturePath("undo-after-delete-all-shows-the-document"));
    // Zoomed on the second half, a cut in the first half keeps the zoom (it moves with the sound).
    MainForm->AudioEditor->ZoomToRange(whole / 2, whole);
    Select(0, 1000);
    Key(VK_DELETE);
    EXPECT_EQ(Position().GetViewStart(), whole / 2 - 1000);
    EXPECT_EQ(Position().GetViewEnd(), whole - 1000);
}

// The waveform's menu opens from the keyboard (the context-menu key, Shift+F10) and is worked with the
// arrows and Enter: its first item, Undo, takes the deletion back.
TEST_F(AppEditingTest, TheWaveformsMenuOpensAndRunsFromTheKeyboard) {
    StartApp();
    Open();
    const std::int64_t whole = Length();
    for (const bool shiftF10 : {false, true}) {
        Select(1000, 5000);
        Key(VK_DELETE);
        ASSERT_EQ(Length(), whole - 4000);
        MainForm->AudioEditor->Surface()->SetFocus();
        if (shiftF10) {
            olva::win::InjectKey(VK_SHIFT, true);
            olva::win::InjectKey(VK_F10, true);
            olva::win::InjectKey(VK_F10, false);
            olva::win::InjectKey(VK_SHIFT, false);
        } else {
            olva::win::InjectKey(VK_APPS, true);
            olva::win::InjectKey(VK_APPS, false);
        }
        for (int key : {VK_DOWN, VK_RETURN}) {
            olva::win::InjectKey(key, true);
            olva::win::InjectKey(key, false);
        }
        Pump();
        EXPECT_EQ(Length(), whole) << shiftF10;
    }
}

TEST_F(AppEditingTest, ASelectionTypedIntoSetSelectionIsSelectedAndTrimKeepsOnlyIt) {
    StartApp();
    Open();
    Select(0, 0);
    Then([this] {
        auto* dialog = dynamic_cast<TSelectSpecifiedTimeForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Caption(), "Set Selection");
        EXPECT_EQ(dialog->EditLength->Text(), "0:00:00.000");
        dialog->EditEnd->SetFocus();
        dialog->EditEnd->SetText("1.500");
    });
    ThenKey(VK_TAB); // leaving the end field applies it
    Then([this] {
        auto* dialog = dynamic_cast<TSelectSpecifiedTimeForm*>(ActiveForm());
        EXPECT_EQ(dialog->EditLength->Text(), "0:00:01.500");
        dialog->EditStart->SetFocus();
        dialog->EditStart->SetText("not a time");
    });
    ThenKey(VK_TAB); // a text that is no time is put back
    Then([this] {
        auto* dialog = dynamic_cast<TSelectSpecifiedTimeForm*>(ActiveForm());
        EXPECT_EQ(dialog->EditStart->Text(), "0:00:00.000");
        dialog->EditStart->SetFocus();
        dialog->EditStart->SetText("0:00:00.500");
    });
    ThenPicture("editing-set-selection");
    ThenKey(VK_RETURN); // OK applies the field being edited first
    Key('G', {VK_CONTROL});
    EXPECT_EQ(MainForm->ChosenSelectionStart, 500);
    EXPECT_EQ(MainForm->ChosenSelectionEnd, 1500);
    EXPECT_EQ(Position().GetSelectionStart(), Rate / 2);
    EXPECT_EQ(Position().GetSelectionEnd(), Rate * 3 / 2);
    const std::vector<float> kept = MainForm->AudioEditor->GetSamples(Rate);

    Key('T', {VK_CONTROL});
    EXPECT_EQ(Length(), Rate);
    EXPECT_EQ(Samples(0, Rate), kept);
    // One undo brings the whole document back.
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(Length(), 2 * Rate);
}

TEST_F(AppEditingTest, TrimWithoutASelectionSaysSoAndChangesNothing) {
    StartApp();
    Open();
    Position().SetSelection(0);
    ThenReadBox();
    Then([this] { ActiveForm()->SetModalResult(mrOk); });
    MainForm->ActionTrim->SetEnabled(true);
    MainForm->ActionTrim->OnExecute()(MainForm->ActionTrim);
    ASSERT_EQ(BoxTexts.size(), 1u);
    EXPECT_EQ(BoxTexts[0], "You must select an audio part before this operstion.");
    EXPECT_EQ(Length(), 2 * Rate);
}

TEST_F(AppEditingTest, RepeatLoopRepeatsTheSelectionAfterItAndOneUndoTakesAllBack) {
    StartApp();
    Open();
    const std::vector<float> loop = Samples(1000, 2000);
    const std::vector<float> original = Samples(0, 2 * Rate);
    Select(1000, 2000);
    Then([this] {
        auto* dialog = dynamic_cast<TRepeatLoopForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->EditTimes->Text(), "1");
        EXPECT_EQ(dialog->EditTimes->MaxLength(), 1);
        dialog->EditTimes->SetText("");
    });
    ThenType("3");
    ThenKey(VK_RETURN);
    Command(MainForm->ActionRepeatLoop);
    ASSERT_EQ(Length(), 2 * Rate + 3000);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Samples(1000 + 1000 * i, 2000 + 1000 * i), loop) << "copy " << i;
    EXPECT_EQ(Samples(5000, 6000), std::vector<float>(original.begin() + 4000, original.begin() + 6000));
    Key('Z', {VK_CONTROL});
    EXPECT_EQ(Length(), 2 * Rate);
    EXPECT_EQ(Samples(0, 2 * Rate), original);
}

TEST_F(AppEditingTest, PasteMixMixesTheClipboardIntoTheSelectionAtTheDialogsLevels) {
    StartApp();
    Open();
    const std::vector<float> added = Samples(0, 2000);
    Key('C', {VK_CONTROL});
    const std::vector<float> mine = Samples(10000, 12000);
    Select(10000, 12000);
    // The first OK is refused with a message, the dialog stays open.
    Then([this] {
        auto* dialog = dynamic_cast<TPasteMixForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->EditSelectPart->Text(), std::to_string(GlobalVars().SelectePartPercent));
        dialog->EditSelectPart->SetText("101");
        dialog->EditAudioInBuffer->SetText("25");
        dialog->ButtonOK->Click();
    });
    ThenReadBox();
    Then([this] { ActiveForm()->SetModalResult(mrOk); });
    ThenPicture("editing-paste-mix");
    Then([this] {
        auto* dialog = dynamic_cast<TPasteMixForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->EditSelectPart->Focused());
        dialog->EditSelectPart->SetText("100");
        dialog->ButtonOK->Click();
    });
    Command(MainForm->ActionPasteMix);
    ASSERT_EQ(BoxTexts.size(), 1u);
    EXPECT_EQ(BoxTexts[0], "Mix Volume must be less than 100%. Please try again.");
    EXPECT_EQ(GlobalVars().SelectePartPercent, 100);
    EXPECT_EQ(GlobalVars().AudioInBufferPercent, 25);
    EXPECT_EQ(Length(), 2 * Rate);
    const std::vector<float> mixed = Samples(10000, 12000);
    ASSERT_EQ(mixed.size(), mine.size());
    for (std::size_t i = 0; i < mixed.size(); i += 97)
        EXPECT_NEAR(mixed[i], mine[i] + 0.25f * added[i], 1e-4) << i;
}

TEST_F(AppEditingTest, MixFileWithSilenceMakesTheSelectionExactlyAsLongAsTheMixedFile) {
    StartApp();
    Open();
    // A mixed file of 1001 frames at another rate than the document's.
    const std::string other = Documents + "other.wav";
    WriteSound(other, std::vector<float>(2002 * 2, 0.25f), 2 * Rate, 2, 1);
    GlobalVars().IncreaseSelection = false;
    GlobalVars().SelectePartPercent = 100;
    GlobalVars().AudioInBufferPercent = 100;
    Select(3000, 3200);
    ThenChooseFile(other);
    Then([this] {
        auto* dialog = dynamic_cast<TPasteMixForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->RadioButtonInsertSilence->Checked());
        dialog->ButtonOK->Click();
    });
    Command(MainForm->ActionMixFile);
    // 2002 frames at twice the rate are 1001 here: 801 frames of silence went in after the selection.
    EXPECT_EQ(Length(), 2 * Rate + 801);
    EXPECT_EQ(Position().GetSelectionStart(), 3000);
    EXPECT_EQ(Position().GetSelectionEnd(), 4001);
}

TEST_F(AppEditingTest, InsertSilenceOfZeroStoresTheTimeAndChangesNothing) {
    StartApp();
    Open();
    GlobalVars().InsertSilenceTime = 250;
    Then([this] {
        auto* dialog = dynamic_cast<TInsertSilenceForm*>(ActiveForm());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->EditTime->Text(), "250");
        dialog->EditTime->SetText("0");
    });
    ThenKey(VK_RETURN);
    Command(MainForm->ActionInsertSilenceEnd);
    EXPECT_EQ(GlobalVars().InsertSilenceTime, 0);
    EXPECT_EQ(Length(), 2 * Rate);
    Then([this] { dynamic_cast<TInsertSilenceForm*>(ActiveForm())->EditTime->SetText("100"); });
    ThenKey(VK_RETURN);
    Command(MainForm->ActionInsertSilenceBegin);
    EXPECT_EQ(Length(), 2 * Rate + Rate / 10);
    EXPECT_EQ(Samples(0, Rate / 10), std::vector<float>(Rate / 10 * 2, 0.0f));
}

TEST_F(AppEditingTest, TheSelectionFieldsTakeTypedTimesAndRefuseBadText) {
    StartApp();
    Open();
    Select(Rate / 2, Rate);
    ClickOn(MainForm->LabelStart);
    Pump();
    ASSERT_TRUE(MainForm->EditStart->Visible());
    EXPECT_TRUE(MainForm->EditStart->Focused());
    EXPECT_EQ(MainForm->EditStart->Text(), "0:00:00.500");
    MainForm->Update();
    EXPECT_TRUE(olva::win::SaveWindowPng(MainForm->Handle(), PicturePath("main-window-selection-field")));
    olva::win::InjectText("abc");
    Key(VK_RETURN);
    EXPECT_FALSE(MainForm->EditStart->Visible());
    EXPECT_EQ(MainForm->EditStart->Text(), "0:00:00.500");
    EXPECT_EQ(Position().GetSelectionStart(), Rate / 2);
    EXPECT_EQ(Position().GetSelectionEnd(), Rate);

    ClickOn(MainForm->LabelSelLength);
    Pump();
    ASSERT_TRUE(MainForm->EditLength->Visible());
    olva::win::InjectText("5");
    Key(VK_RETURN);
    // Longer than what remains: the selection ends at the document's end.
    EXPECT_EQ(Position().GetSelectionStart(), Rate / 2);
    EXPECT_EQ(Position().GetSelectionEnd(), 2 * Rate);
    EXPECT_EQ(MainForm->LabelSelLength->Caption(), "0:00:01.500");
    EXPECT_EQ(MainForm->LabelEnd->Caption(), "0:00:02.000");

    ClickOn(MainForm->LabelStart);
    Pump();
    olva::win::InjectText("3");
    Key(VK_RETURN);
    // A start past the end collapses the selection at the document's end and switches it off.
    EXPECT_EQ(Position().GetSelectionStart(), 2 * Rate);
    EXPECT_EQ(Position().GetSelectionEnd(), 2 * Rate);
}

} // namespace app_test
