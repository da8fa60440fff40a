// The main window's frame: its action list and keys, the screen-density step, the progress window of the
// effects processor, the message hook and the welcome window's choices.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/effects/AudioTransform2.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Panel.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinPanel.h"
#include "skin/framed/FrProgressBar.h"
#include "source/ProgressForm.h"
#include "source/ShortcutCommands.h"
#include "source/ShortcutFile.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/WelcomeWindow.h"

#include <filesystem>

namespace app_test {

TEST_F(AppTest, TheActionListHoldsEveryCommandInShortcutOrderWithItsBuiltInKey) {
    StartApp();
    const std::vector<TShortcutCommand>& commands = ShortcutCommands();
    ASSERT_EQ(MainForm->ActionList->ActionCount(), static_cast<int>(commands.size()));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        auto* action = dynamic_cast<TAction*>(MainForm->ActionList->Actions(static_cast<int>(i)));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->Name(), commands[i].Name);
        EXPECT_EQ(action->ShortCut(), TextToShortCut(commands[i].DefaultShortcut)) << commands[i].Name;
        EXPECT_FALSE(action->Caption().empty()) << commands[i].Name;
    }
    EXPECT_EQ(MainForm->ActionUndo->Caption(), "&Undo");
    EXPECT_EQ(MainForm->ActionHelp->Hint(), "Displays the manual. ");
    EXPECT_EQ(MainForm->ActionSaveAs->Caption(), "Save File &As...");
}

TEST_F(AppTest, KeysFromTheShortcutFileReplaceTheBuiltInOnes) {
    std::filesystem::create_directories(DataFolder);
    std::vector<std::string> texts;
    for (const TShortcutCommand& command : ShortcutCommands())
        texts.push_back(command.DefaultShortcut);
    texts[static_cast<std::size_t>(ShortcutCommandIndex("ActionOpenFile"))] = "Ctrl+K";
    texts[static_cast<std::size_t>(ShortcutCommandIndex("ActionNewFile"))] = "";
    WriteShortcutFile(DataFolder + "Shortcut201201.dat", texts);
    StartApp();
    EXPECT_EQ(MainForm->ActionOpenFile->ShortCut(), TextToShortCut("Ctrl+K"));
    EXPECT_EQ(MainForm->ActionNewFile->ShortCut(), scNone);
    Then([this] { EXPECT_EQ(ActiveForm()->Caption(), "Open"); });
    ThenKey(VK_ESCAPE);
    Key('K', {VK_CONTROL});
}

TEST_F(AppTest, TheDensityStepTakesControlsBackToTheirDesignSizes) {
    StartApp();
    MainForm->ScaleControlsForDpi(96);
    const int bottomWidth = MainForm->PanelBottom->Width();
    // At 96 pixels per inch nothing moves but what the step lays out itself.
    EXPECT_EQ(MainForm->ButtonPlay->Width(), 22);
    // The zoom buttons run leftwards from the panel's right edge, inside its two-pixel frame.
    EXPECT_NEAR(MainForm->ButtonVerticalZoomOut->Left() + 22, bottomWidth - 2, 1);
    EXPECT_EQ(MainForm->ButtonZoomIn->Left(), MainForm->ButtonVerticalZoomOut->Left() - 5 * 22);
    EXPECT_EQ(MainForm->PanelPlay->Left(), MainForm->PanelSelectionTitle->Left() + 56);
    EXPECT_EQ(MainForm->ButtonHideCommandBar->Left(),
              MainForm->PanelCommandBar->Width() - MainForm->ButtonHideCommandBar->Width() - 5);
    // What a loader scaled for 120 pixels per inch comes back: left 125 becomes 100.
    MainForm->ButtonEffects->SetBounds(125, 20, 110, 30);
    MainForm->ButtonRecord->SetBounds(250, 10, 30, 30);
    MainForm->PanelSelectionTitle->SetLeft(300);
    MainForm->ScaleControlsForDpi(120);
    EXPECT_EQ(MainForm->ButtonEffects->Left(), 100);
    EXPECT_EQ(MainForm->ButtonEffects->Top(), 16);
    EXPECT_EQ(MainForm->ButtonEffects->Width(), 88);
    EXPECT_EQ(MainForm->ButtonEffects->Height(), 24);
    EXPECT_EQ(MainForm->ButtonRecord->Left(), 200);
    EXPECT_EQ(MainForm->ButtonRecord->Width(), 22);
    EXPECT_EQ(MainForm->ButtonRecord->Height(), 22);
    EXPECT_EQ(MainForm->PanelSelectionTitle->Left(), 240);
    EXPECT_EQ(MainForm->PanelPlay->Left(), 296);
}

TEST_F(AppTest, TheProcessorsProgressShowsTheWindowAndMarksTheTransformBusy) {
    StartApp();
    MainForm->AudioTransform->OnTransformBlock(nullptr, 40);
    EXPECT_TRUE(MainForm->TransformBusy);
    EXPECT_TRUE(MainForm->FormProgress->Showing());
    EXPECT_EQ(MainForm->FormProgress->ProgressBar->Percent(), 40);
    EXPECT_EQ(MainForm->FormProgress->Width(), 300);
    EXPECT_EQ(MainForm->FormProgress->Height(), 128);
    EXPECT_EQ(MainForm->FormProgress->Left(), MainForm->Left() + (MainForm->Width() - 300) / 2);
    EXPECT_TRUE(MainForm->Enabled()); // the processor's work leaves the window usable
    MainForm->AudioTransform->OnEndTransform(nullptr);
    EXPECT_FALSE(MainForm->TransformBusy);
    EXPECT_FALSE(MainForm->FormProgress->Showing());
    EXPECT_EQ(MainForm->FormProgress->Width(), 0);
}

TEST_F(AppTest, TheHookKeepsDoubleClicksOnTheEditorFrameFromTheEditor) {
    StartApp();
    for (HWND target : {MainForm->AudioEditor->Handle(), MainForm->Handle()}) {
        MSG message{};
        message.hwnd = target;
        message.message = WM_LBUTTONDBLCLK;
        bool handled = false;
        Application()->OnMessage(message, handled);
        EXPECT_EQ(handled, target == MainForm->AudioEditor->Handle());
    }
}

TEST_F(AppTest, AWelcomeChoiceOfAMissingRecentFileIsSaidAndLeavesBothLists) {
    const std::string wav = Documents + "here.wav";
    WriteSound(wav, TestPiece(8000, 1, 0.2), 8000, 1, 1);
    StartApp();
    Drop({wav});
    const std::string gone = Documents + "gone.wav";
    MainForm->AddToRecentLists(gone);
    ASSERT_EQ(MainForm->Bars().MRUFiles().Items().front(), gone);
    ThenReadBox();
    ThenKey(VK_RETURN);
    MainForm->CarryOutWelcomeChoice(TWelcomeChoice{true, 6, gone});
    EXPECT_EQ(BoxTexts, std::vector<std::string>{gone + " was not found."});
    EXPECT_EQ(MainForm->Bars().MRUFiles().Items(), std::vector<std::string>{wav});
    EXPECT_EQ(MainForm->Bars().Ribbon().GetExtraPaneItems().IndexOfText(gone), -1);
    // An accepted choice runs its command; a cancelled one nothing.
    MainForm->CarryOutWelcomeChoice(TWelcomeChoice{false, 6, wav});
    MainForm->Bars().MRUFiles().RemoveItem(wav);
    MainForm->CarryOutWelcomeChoice(TWelcomeChoice{true, 6, wav});
    EXPECT_EQ(MainForm->Bars().MRUFiles().Items(), std::vector<std::string>{wav});
}

} // namespace app_test
