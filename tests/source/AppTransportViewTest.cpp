// Transport, editor events and view commands of the running program: play, pause and stop through the
// disk audio driver with the play position and the meters moving, rewind and fast forward with the view
// following the cursor, the scroll bars kept in step with the selection and the view, zoom, spectral
// mode, the colour sets; and pictures of the window as a user sees it.
#include "AppTestSupport.h"
#include "audio/AudioEditor2.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/Timer.h"
#include "platform/vcl/TreeView.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/framed/FrProgressBar.h"
#include "source/SettingsFile.h"
#include "source/ShellOpen.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/ViewZoom.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace app_test {

class AppTransportViewTest : public AppTest {
protected:
    static constexpr int Rate = 22050;
    void SetUp() override {
        AppTest::SetUp();
        Environment.Set("SDL_AUDIODRIVER", "disk");
        Environment.Set("SDL_DISKAUDIOFILE", Root->Path() + "played.raw");
        Wav = Documents + "piece.wav";
        WriteSound(Wav, TestPiece(Rate, 2, 4.0), Rate, 2, 1);
    }
    void Open() {
        // The whole window on the screen, wide enough for the zoom buttons.
        MainForm->SetBounds(0, 0, 1000, 620);
        Pump();
        ThenChooseFile(Wav);
        Command(MainForm->ActionOpenFile);
        ASSERT_TRUE(MainForm->DocumentOpen);
        Idle();
    }
    // What the application does when it has nothing else to do: bring the commands up to date.
    void Idle() { MainForm->UpdateActions(); }
    TAudioEditor2Position& Position() { return MainForm->AudioEditor->Position(); }
    bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 5000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
        for (;;) {
            Pump();
            if (Done()) return true;
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    void Picture(const std::string& Name) {
        MainForm->Update();
        EXPECT_TRUE(olva::win::SaveWindowPng(MainForm->Handle(), PicturePath(Name))) << Name;
    }
    std::string Wav;
};

TEST_F(AppTransportViewTest, PlayPauseAndStopFollowThePlayStateWithThePositionAndMetersMoving) {
    StartApp();
    Open();
    Position().SetSelection(0);
    Position().SetCursor(0);
    Key(VK_F9); // Play
    EXPECT_EQ(MainForm->AudioEditor->PlayState(), 1);
    ASSERT_TRUE(PumpUntil([this] { return MainForm->LabelStart->Caption() > "0:00:00.200"; }));
    ASSERT_TRUE(
        PumpUntil([this] { return MainForm->LeftBar->Percent() > 0 || MainForm->RightBar->Percent() > 0; }));
    Picture("main-window-playing");
    // Pause while playing pauses; Play while paused resumes; Play while playing stops.
    MainForm->ActionPause->Execute();
    EXPECT_EQ(MainForm->AudioEditor->PlayState(), 5);
    Key(VK_SPACE);
    EXPECT_EQ(MainForm->AudioEditor->PlayState(), 1);
    Key(VK_F9);
    EXPECT_EQ(MainForm->AudioEditor->PlayState(), 0);
    ASSERT_TRUE(PumpUntil(
        [this] { return MainForm->LeftBar->Percent() == 0 && MainForm->RightBar->Percent() == 0; }));
    // Pause while stopped plays; Esc stops.
    MainForm->ActionPause->Execute();
    EXPECT_EQ(MainForm->AudioEditor->PlayState(), 1);
    Key(VK_ESCAPE);
    EXPECT_EQ(MainForm->AudioEditor->PlayState(), 0);
}

TEST_F(AppTransportViewTest, RewindAndForwardStepAndHoldingForwardKeepsTheCursorInView) {
    StartApp();
    Open();
    Position().SetSelection(0);
    Position().SetCursor(1500);
    Key(VK_F7);
    EXPECT_EQ(Position().GetPosition(), 0);
    Position().SetCursor(4 * Rate - 1000);
    Key(VK_F8);
    EXPECT_EQ(Position().GetPosition(), 4 * Rate);
    Key(VK_HOME);
    EXPECT_EQ(Position().GetPosition(), 0);

    MainForm->AudioEditor->ZoomToRange(0, 10000);
    // Held down, fast forward steps every 10 ms; the view follows with the cursor at its left edge.
    const POINT p = MainForm->ButtonForword->ClientToScreen(POINT{11, 11});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, p.x, p.y);
    Pump();
    EXPECT_TRUE(MainForm->TimerForword->Enabled());
    for (int i = 0; i < 6; ++i)
        Advance(10);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, p.x, p.y);
    Pump();
    EXPECT_FALSE(MainForm->TimerForword->Enabled());
    EXPECT_EQ(Position().GetPosition(), 12000);
    EXPECT_EQ(Position().GetViewStart(), 12000);
    EXPECT_EQ(Position().GetViewEnd(), 22000);
}

TEST_F(AppTransportViewTest, ScrollBarsFollowTheSelectionAndMoveIt) {
    StartApp();
    Open();
    Position().SetSelection(-1);
    Position().SetSelectionStart(Rate);
    Position().SetSelectionEnd(3 * Rate);
    Pump();
    EXPECT_EQ(MainForm->ScrollBarStart->Position(), 16384); // 65535 / 4, halves to even
    EXPECT_EQ(MainForm->ScrollBarEnd->Position(), 49151);
    EXPECT_EQ(MainForm->LabelStart->Caption(), "0:00:01.000");
    EXPECT_EQ(MainForm->LabelEnd->Caption(), "0:00:03.000");
    EXPECT_EQ(MainForm->LabelSelLength->Caption(), "0:00:02.000");
    EXPECT_EQ(MainForm->LabelFileLength->Caption(), "0:00:04.000");
    // A double click on the waveform selects everything.
    MainForm->AudioEditor->OnDblClick(MainForm->AudioEditor);
    EXPECT_EQ(Position().GetSelectionStart(), 0);
    EXPECT_EQ(Position().GetSelectionEnd(), 4 * Rate);
    EXPECT_EQ(MainForm->ScrollBarEnd->Position(), 65535);
    Position().SetSelectionStart(Rate);
    Position().SetSelectionEnd(3 * Rate);
    Pump();
    // Dragging the end bar before the start bar selects between them the other way round.
    MainForm->ScrollBarEnd->SetPosition(0);
    Pump();
    EXPECT_EQ(Position().GetSelectionStart(), 0);
    EXPECT_EQ(Position().GetSelectionEnd(), Rate);
    EXPECT_EQ(MainForm->ScrollBarStart->Position(), 16384); // not moved back by the position event
}

// The wheel over the waveform scrolls it (Shift+wheel too) and Ctrl+wheel zooms it, with the keyboard
// elsewhere; the view's own bar scrolls the view and leaves the selection, and the selection's bars are
// named so that neither is taken for the other.
TEST_F(AppTransportViewTest, TheWheelAndTheViewBarScrollTheWaveformWithoutAClickFirst) {
    StartApp();
    Open();
    Position().SetSelection(0);
    MainForm->AudioEditor->ZoomToRange(Rate, 2 * Rate);
    Pump();
    // The keyboard is in the effects tree, not on the waveform.
    MainForm->TreeViewEffects->SetFocus();
    Pump();
    ASSERT_NE(GetFocus(), MainForm->AudioEditor->Surface()->Handle());
    const TViewRange zoomed{Position().GetViewStart(), Position().GetViewEnd()};
    EXPECT_TRUE(MainForm->ScrollBarView->Enabled());
    EXPECT_EQ(MainForm->ScrollBarView->Position(), ViewBarFor(zoomed, 4 * Rate).Position);
    EXPECT_EQ(MainForm->ScrollBarView->PageSize(), ViewBarRange / 4);
    TAudioEditorSurface* surface = MainForm->AudioEditor->Surface();
    const POINT over =
        surface->ClientToScreen(POINT{surface->ClientWidth() / 2, surface->ClientHeight() / 3});
    auto wheel = [&](int Delta, std::initializer_list<int> Held) {
        for (int key : Held)
            olva::win::InjectKey(key, true);
        olva::win::InjectMouse(olva::win::MouseAction::Move, over.x, over.y);
        olva::win::InjectMouse(olva::win::MouseAction::Wheel, over.x, over.y, Delta);
        for (int key : Held)
            olva::win::InjectKey(key, false);
        Pump();
    };
    wheel(-120, {}); // towards the user: later in the sound
    EXPECT_GT(Position().GetViewStart(), zoomed.Start);
    EXPECT_EQ(Position().GetViewEnd() - Position().GetViewStart(), zoomed.End - zoomed.Start);
    const std::int64_t scrolled = Position().GetViewStart();
    wheel(120, {VK_SHIFT});
    EXPECT_LT(Position().GetViewStart(), scrolled);
    wheel(120, {VK_CONTROL}); // a notch zooms in by two
    EXPECT_EQ(Position().GetViewEnd() - Position().GetViewStart(), (zoomed.End - zoomed.Start) / 2);
    // The view's bar, dragged to its end: the view shows the end, the selection stays where it was.
    Position().SetSelectionStart(100);
    Position().SetSelectionEnd(200);
    Pump();
    const int selectionBar = MainForm->ScrollBarStart->Position();
    MainForm->ScrollBarView->SetPosition(MainForm->ScrollBarView->MaxPosition());
    Pump();
    EXPECT_EQ(Position().GetViewEnd(), 4 * Rate);
    EXPECT_EQ(Position().GetSelectionStart(), 100);
    EXPECT_EQ(MainForm->ScrollBarStart->Position(), selectionBar);
    EXPECT_EQ(MainForm->LabelBarStart->Caption(), "Start");
    EXPECT_EQ(MainForm->LabelBarEnd->Caption(), "End");
    Picture("waveform-view-bar-and-selection-bars");
    // The whole document shown: nothing to scroll.
    MainForm->AudioEditor->ZoomFull();
    Pump();
    EXPECT_FALSE(MainForm->ScrollBarView->Enabled());
}

TEST_F(AppTransportViewTest, ZoomCommandsAndTheirButtons) {
    StartApp();
    Open();
    Position().SetSelection(0);
    Position().SetCursor(0);
    MainForm->AudioEditor->ZoomFull();
    MainForm->ActionZoomIn->Execute();
    EXPECT_EQ(Position().GetViewStart(), 0);
    EXPECT_EQ(Position().GetViewEnd(), 2 * Rate);
    ClickOn(MainForm->ButtonZoomFull);
    Pump();
    EXPECT_EQ(Position().GetViewEnd(), 4 * Rate);
    for (int i = 0; i < 6; ++i)
        ClickOn(MainForm->ButtonVerticalZoomIn);
    Pump();
    EXPECT_EQ(MainForm->VerticalZoomPercent, 20);
    EXPECT_EQ(MainForm->AudioEditor->VerticalZoomPercent(), 20);
    // A window narrower than 888 pixels has no room for the zoom buttons.
    MainForm->SetWidth(887);
    Pump();
    EXPECT_FALSE(MainForm->ButtonZoomIn->Visible());
    MainForm->SetWidth(888);
    Pump();
    EXPECT_TRUE(MainForm->ButtonZoomIn->Visible());
}

TEST_F(AppTransportViewTest, TheWindowWithADocumentASelectionSpectralModeAndBothColourSets) {
    StartApp();
    MainForm->SetBounds(0, 0, 1000, 620);
    Pump();
    Picture("main-window-empty");
    Open();
    Position().SetSelection(-1);
    Position().SetSelectionStart(Rate);
    Position().SetSelectionEnd(2 * Rate);
    Pump();
    Picture("main-window-selection");
    Command(MainForm->ActionSpectralMode);
    EXPECT_EQ(MainForm->AudioEditor->TypeView(), 1);
    EXPECT_EQ(ReadSettingInteger("WaveMode", "Mode", 0), 2);
    Picture("main-window-spectral");
    Command(MainForm->ActionWaveformMode);
    const bool dark = MainForm->ActionWorkplaceBlackWhite->Checked();
    Command(MainForm->ActionWorkplaceBlackWhite);
    EXPECT_EQ(ReadSettingBool("System", "BlackWhite", dark), !dark);
    Picture(dark ? "main-window-light" : "main-window-dark");
    // Back to the dark set: the colours the dark set leaves alone keep the light set's values.
    Command(MainForm->ActionWorkplaceBlackWhite);
    Picture(dark ? "main-window-dark" : "main-window-light");
    EXPECT_EQ(MainForm->AudioEditor->Colors().GetColor(7), RGB(255, 0, 0));
    EXPECT_EQ(MainForm->AudioEditor->Colors().GetColor(15), RGB(219, 142, 87));
}

} // namespace app_test

namespace app_test {

TEST_F(AppTransportViewTest, ChannelsCommandBarEffectsTreeAndMixer) {
    StartApp();
    Open();
    TAudioEditor2Channel& channels = MainForm->AudioEditor->Channel();
    BarCommand("Left Channel");
    EXPECT_TRUE(channels.GetChannel(1));
    EXPECT_FALSE(channels.GetChannel(2));
    BarCommand("Right Channel");
    EXPECT_FALSE(channels.GetChannel(1));
    EXPECT_TRUE(channels.GetChannel(2));
    BarCommand("Both Channels");
    EXPECT_TRUE(channels.GetChannel(1) && channels.GetChannel(2));

    // The command bar hides and shows, and goes to either side of the editor.
    ASSERT_TRUE(MainForm->PanelCommandBar->Visible());
    Key('A', {VK_CONTROL, VK_SHIFT});
    EXPECT_FALSE(MainForm->PanelCommandBar->Visible());
    EXPECT_FALSE(ReadSettingBool("System", "ShowCommandBar", true));
    Command(MainForm->ActionShowCommandBar);
    EXPECT_TRUE(MainForm->PanelCommandBar->Visible());
    Command(MainForm->ActionBarOntheRight);
    EXPECT_EQ(MainForm->PanelCommandBar->Align(), alRight);
    EXPECT_GT(MainForm->PanelCommandBar->Left(),
              MainForm->AudioEditor->ClientToScreen(POINT{0, 0}).x - MainForm->ClientToScreen(POINT{0, 0}).x);
    EXPECT_FALSE(ReadSettingBool("System", "CommandBarOnTheLeft", true));
    Command(MainForm->ActionBarOntheLeft);
    EXPECT_EQ(MainForm->PanelCommandBar->Align(), alLeft);

    // An effect node runs its command when stopped, not while playing.
    TTreeNode* mute = nullptr;
    for (TTreeNode* node = MainForm->TreeViewEffects->Items()->GetFirstNode(); node != nullptr;
         node = node->GetNextSibling())
        if (node->Text() == "Apply Mute") mute = node;
    ASSERT_NE(mute, nullptr);
    MainForm->TreeViewEffects->SetSelected(mute);
    // Playing takes real time: a selection of seconds still plays however slow the build.
    Position().SetSelection(-1);
    Position().SetSelectionStart(1000);
    Position().SetSelectionEnd(Position().GetLength());
    MainForm->ActionPlay->Execute(); // F9 itself is the first test's
    ASSERT_EQ(MainForm->AudioEditor->PlayState(), 1);
    MainForm->TreeViewEffects->OnDblClick(MainForm->TreeViewEffects);
    EXPECT_FALSE(MainForm->Modified());
    Key(VK_ESCAPE);
    Position().SetSelection(-1);
    Position().SetSelectionStart(1000);
    Position().SetSelectionEnd(2000);
    Idle();
    MainForm->TreeViewEffects->OnDblClick(MainForm->TreeViewEffects);
    EXPECT_TRUE(MainForm->Modified());
    EXPECT_EQ(MainForm->AudioEditor->GetSamples(1000), std::vector<float>(2000, 0.0f));

    std::vector<std::string> started;
    TProgramStartOverride starts(
        [&](const std::string& Program, const std::vector<std::string>&) { started.push_back(Program); });
    Command(MainForm->ActionWindowsMixer);
    EXPECT_EQ(started.size(), 1u);
}

TEST_F(AppTransportViewTest, TheStoredViewChoicesAreAppliedAtStart) {
    // Written by the view commands of an earlier run.
    WriteSettingInteger("WaveMode", "Mode", 2);
    WriteSettingInteger("Vertical", "Format", 1);
    WriteSettingBool("System", "CommandBarOnTheLeft", false);
    StartApp();
    EXPECT_TRUE(MainForm->ActionSpectralMode->Checked());
    EXPECT_EQ(MainForm->AudioEditor->TypeView(), 1);
    EXPECT_TRUE(MainForm->ActionVerticalFormatSample->Checked());
    EXPECT_FALSE(MainForm->ActionVerticalFormatDecibel->Checked());
    EXPECT_EQ(MainForm->PanelCommandBar->Align(), alRight);
}

} // namespace app_test

namespace app_test {

// A size given from outside (the window manager's, which the host hands on as SetWindowPos) lays the
// window out exactly as one the program sets itself: no stray scroll bars, the transport bar along the
// bottom, nothing left one size behind, shrinking or growing.
TEST_F(AppTransportViewTest, ASizeGivenFromOutsideLaysTheWindowOutAtThatSize) {
    StartApp();
    Open();
    for (const SIZE size : {SIZE{1000, 650}, SIZE{800, 520}, SIZE{1100, 700}, SIZE{760, 500}}) {
        SetWindowPos(MainForm->Handle(), nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        RECT client;
        GetClientRect(MainForm->Handle(), &client);
        EXPECT_FALSE(GetWindowLongPtr(MainForm->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) << size.cx;
        EXPECT_EQ(MainForm->PanelBottom->Top() + MainForm->PanelBottom->Height(), client.bottom) << size.cx;
        EXPECT_EQ(MainForm->PanelBottom->Width(), client.right) << size.cx;
        olva::win::SaveWindowPng(MainForm->Handle(),
                                 PicturePath("sized-from-outside-" + std::to_string(size.cx)));
    }
}

} // namespace app_test
