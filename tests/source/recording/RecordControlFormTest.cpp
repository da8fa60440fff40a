// The recording window on SDL's disk driver: its controls after showing, recording with pause and resume,
// the time display and the countdown on the manual clock, recording without silence on a synthetic
// input, the level meters, a capture device that goes away, and the device list.
#include "ToolTestSupport.h"

#include "acm/AudioControlSource.h"
#include "audio/devices/AudioRecord2.h"
#include "audio/devices/CaptureHub.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Timer.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinTrackBar.h"
#include "source/GlobalVars.h"
#include "source/recording/RecordControlForm.h"

#include <filesystem>
#include <fstream>

namespace record_control_form_test {

using namespace tool_test;

class RecordControlForm : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        // Only now is the test's own folder known.
        Target = Scratch + "Recording.wav";
    }
    void TearDown() override {
        delete Form;
        Form = nullptr;
        ToolTest::TearDown();
    }

    // The window as the record command makes it, shown without a modal loop so the test drives it.
    void ShowWindow(int Rate = 48000, int Channels = 2) {
        GlobalVars().RecordingFile = Target;
        Form = TCustomForm::New<TRecordControlForm>(Owner);
        Form->SetLeft(140);
        Form->SetTop(100);
        Form->RecordSampleRate = Rate;
        Form->RecordChannels = Channels;
        Form->Show();
        Pump();
        Update();
    }
    void Update() { Form->ActionList->UpdateActions(); }
    std::int64_t Captured() const { return Form->AudioRecord->FramesCaptured(); }
    // Records until the recorder has taken `Seconds` from the device.
    void RecordFor(double Seconds) {
        ASSERT_TRUE(PumpUntil([&] { return Captured() >= std::int64_t(Seconds * Form->RecordSampleRate); }));
    }
    void Record() {
        Form->ActionRecord->Execute();
        Update();
    }
    void Pause() {
        Form->ActionPause->Execute();
        Update();
    }

    std::string Target;
    TRecordControlForm* Form = nullptr;
};

TEST_F(RecordControlForm, ShowsTheConsoleReadyWithTheDeviceAndItsLine) {
    UseCapture(TSignal().Tone(4, 440, 0.5));
    ShowWindow();
    EXPECT_EQ(Form->Caption(), "Recording");
    ASSERT_EQ(Form->ComboBoxDevice->Items()->Count(), 1);
    EXPECT_EQ(Form->ComboBoxDevice->ItemIndex(), 0);
    EXPECT_EQ(Form->DeviceNumberOf(0), 1);
    ASSERT_EQ(Form->ComboBoxMixer->Items()->Count(), 1);
    EXPECT_EQ(Form->ComboBoxMixer->ItemIndex(), 0);
    EXPECT_EQ(Form->ImageSliderVolume->Value(), 65535);
    EXPECT_EQ(Form->LabelCurrent->Caption(), "100 %");
    EXPECT_EQ(Form->LabelLabelStatus->Caption(), "[ Ready ]");
    EXPECT_EQ(Form->LabelTime->Caption(), "00:00:00:000");
    EXPECT_TRUE(Form->ActionRecord->Enabled());
    EXPECT_FALSE(Form->ActionPause->Enabled());
    EXPECT_FALSE(Form->ActionKeep->Enabled());
    EXPECT_FALSE(Form->LabelRecordingStops->Visible());
    EXPECT_FALSE(Form->LabelRecordingTimer->Visible());
    EXPECT_TRUE(Form->LabelAdjustInVista->Visible());
    EXPECT_TRUE(Boxes.empty());
    // The volume fader sets the line's volume and shows it in percent.
    Form->ImageSliderVolume->SetValue(32768);
    EXPECT_EQ(Form->LabelCurrent->Caption(), "50 %");
    EXPECT_EQ(Form->AudioRecord->GetLineVolume(), 32768);
    // The meters follow the input.
    ASSERT_TRUE(PumpUntil([&] { return Form->skSkinGaugeLeft->Value() > 10000; }));
    Picture(Form, "recording", "recording-ready");
}

TEST_F(RecordControlForm, PauseAndResumeRecordIntoOneFileAndTheClockLeavesThePauseOut) {
    UseCapture(TSignal().Tone(6, 440, 0.5));
    ShowWindow();
    Record();
    EXPECT_TRUE(Form->Recording);
    EXPECT_FALSE(Form->NothingRecorded);
    EXPECT_EQ(Form->LabelLabelStatus->Caption(), "[ Recording ]");
    EXPECT_EQ(Form->LabelTime->Font()->Color(), TColor(RGB(255, 128, 64)));
    EXPECT_FALSE(Form->ActionRecord->Enabled());
    EXPECT_TRUE(Form->ActionPause->Enabled());
    EXPECT_TRUE(Form->ActionKeep->Enabled());
    RecordFor(0.3);
    Advance(1000);
    EXPECT_EQ(Form->LabelTime->Caption(), "00:00:01:000");
    Pause();
    const std::int64_t first = Captured();
    EXPECT_TRUE(Form->Paused);
    EXPECT_EQ(Form->LabelLabelStatus->Caption(), "[ Paused ]");
    EXPECT_TRUE(Form->ActionRecord->Enabled());
    Advance(3000); // the pause: the display stands still
    EXPECT_EQ(Form->LabelTime->Caption(), "00:00:01:000");

    Record(); // resumes into the same file
    EXPECT_TRUE(Form->Recording);
    EXPECT_EQ(Form->LabelTime->Font()->Color(), TColor(clWhite));
    RecordFor(0.2);
    Advance(520);
    EXPECT_EQ(Form->LabelTime->Caption(), "00:00:01:520");
    Form->ActionKeep->Execute();
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_FALSE(Form->Recording);
    EXPECT_FALSE(Form->AudioRecord->Recording());
    EXPECT_EQ(Form->LabelTime->Caption(), "00:00:00:000");

    // Every frame taken from the device, before and after the pause, is in the file.
    const TSound sound = ReadSound(Target);
    EXPECT_EQ(sound.SampleRate, 48000);
    EXPECT_EQ(sound.Channels, 2);
    EXPECT_EQ(std::int64_t(sound.Samples.size() / 2), first + Captured());
    EXPECT_NEAR(PeakBetween(sound, 0, Seconds(sound)), 0.5, 0.01);
}

TEST_F(RecordControlForm, RecordsInTheFormatItWasGiven) {
    UseCapture(TSignal().Tone(4, 440, 0.5));
    ShowWindow(22050, 1);
    Record();
    RecordFor(0.4);
    Form->ActionKeep->Execute();
    const TSound sound = ReadSound(Target);
    EXPECT_EQ(sound.SampleRate, 22050);
    EXPECT_EQ(sound.Channels, 1);
    EXPECT_EQ(std::int64_t(sound.Samples.size()), Captured());
    EXPECT_GE(Seconds(sound), 0.4);
}

TEST_F(RecordControlForm, DeleteWhilePausedDeletesTheFileAndDisablesKeep) {
    UseCapture(TSignal().Tone(4, 440, 0.5));
    ShowWindow();
    Record();
    RecordFor(0.2);
    Pause();
    EXPECT_TRUE(Form->ActionKeep->Enabled());
    Form->ActionDelete->Execute();
    Update();
    EXPECT_FALSE(FileExists(Target));
    EXPECT_FALSE(Form->ActionKeep->Enabled());
    EXPECT_FALSE(Form->Paused);
    EXPECT_EQ(Form->LabelLabelStatus->Caption(), "[ Ready ]");
    // A new start makes a new file.
    Record();
    RecordFor(0.1);
    Form->ActionKeep->Execute();
    EXPECT_EQ(std::int64_t(ReadSound(Target).Samples.size() / 2), Captured());
}

TEST_F(RecordControlForm, WithoutSilenceTheLongGapsAreLeftOut) {
    // Silence while the window comes up (long enough for a slow machine: the disk driver reads about
    // twenty times faster than real time), two tones with a long gap between, then silence.
    UseCapture(TSignal().Silence(8).Tone(0.3, 500, 0.5).Silence(1).Tone(0.3, 500, 0.5));
    ShowWindow();
    Form->CheckRecordingWithoutSilence->SetChecked(true);
    EXPECT_TRUE(GlobalVars().AccuEnabled);
    Record();
    // Wherever in the leading silence the recorder started, ten seconds reach past the second tone and
    // its release.
    RecordFor(10);
    Form->ActionKeep->Execute();
    const TSound sound = ReadSound(Target);
    // Kept: each tone with the release time (300 ms) of silence after it.
    EXPECT_NEAR(Seconds(sound), 1.2, 0.05);
    EXPECT_GT(PeakBetween(sound, 0.02, 0.28), 0.45);
    EXPECT_LT(PeakBetween(sound, 0.35, 0.58), 0.01);
    EXPECT_GT(PeakBetween(sound, 0.62, 0.88), 0.45);
    EXPECT_LT(PeakBetween(sound, 0.95, 1.15), 0.01);
}

TEST_F(RecordControlForm, ALostDeviceEndsTheRecordingWithAMessageAndKeepsEveryBlock) {
    UseCapture(TSignal().Tone(8, 440, 0.5));
    ShowWindow();
    Record();
    RecordFor(0.5);
    TCaptureHub::DeviceLost("");
    Update();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], "The recording device is no longer available. The recording has ended; what was "
                        "recorded until then is kept.");
    EXPECT_FALSE(Form->Recording);
    EXPECT_FALSE(Form->Paused);
    EXPECT_FALSE(Form->AudioRecord->Recording());
    EXPECT_EQ(Form->LabelLabelStatus->Caption(), "[ Ready ]");
    EXPECT_TRUE(Form->ActionKeep->Enabled());
    // The file is complete, with every frame the device delivered.
    const TSound sound = ReadSound(Target);
    EXPECT_EQ(std::int64_t(sound.Samples.size() / 2), Captured());
    EXPECT_GE(Seconds(sound), 0.5);
}

TEST_F(RecordControlForm, AFailedStartSaysSoAndLeavesTheWindowReady) {
    UseCapture(TSignal().Silence(1));
    ShowWindow();
    Form->AudioRecord->SetDevice(0); // no device to record from
    Record();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], "Error when start recording.");
    EXPECT_FALSE(Form->Recording);
    EXPECT_TRUE(Form->NothingRecorded);
    EXPECT_FALSE(Form->ActionKeep->Enabled());
    EXPECT_EQ(Form->LabelLabelStatus->Caption(), "[ Ready ]");
}

TEST_F(RecordControlForm, TheMetersJumpWithEachBlockFallBetweenAndWarnAboveTheirTop) {
    UseCapture(TSignal().Tone(8, 440, 1.0));
    ShowWindow();
    Form->TimerDeLevel->SetEnabled(false); // the meters stand while the test reads them
    ASSERT_TRUE(PumpUntil([&] { return Form->deAudioControlSource->LeftPeak() > 32512; }));
    EXPECT_EQ(Form->skSkinGaugeLeft->Value(), 32512); // the gauge's top
    EXPECT_EQ(Form->skSkinGaugeRight->Value(), 32512);
    Form->TimerDeLevel->SetEnabled(true);
    Form->TimerDeLevelTimer(Form->TimerDeLevel);
    EXPECT_TRUE(Form->LabelHigh->Visible());
    EXPECT_EQ(Form->skSkinGaugeLeft->Value(), 32512 - 500);
    Picture(Form, "recording", "recording-too-high");
}

TEST_F(RecordControlForm, TheDeviceListSelectsByDeviceNumberAndSwitchesByIt) {
    UseCapture(TSignal().Silence(2));
    ShowWindow();
    // Devices that cannot record are not listed, so items and numbers part ways.
    TComboBox* devices = Form->ComboBoxDevice;
    devices->Items()->Clear();
    for (int number : {2, 3, 5})
        devices->Items()->AddObject("Device " + std::to_string(number),
                                    reinterpret_cast<TObject*>(std::intptr_t(number)));
    struct Case {
        int Current, Item;
    };
    for (Case c : {Case{2, 0}, Case{3, 1}, Case{5, 2}, Case{4, -1}, Case{0, -1}}) {
        Form->SelectDeviceItem(c.Current);
        EXPECT_EQ(devices->ItemIndex(), c.Item) << "device " << c.Current;
    }
    devices->SetItemIndex(1);
    EXPECT_EQ(Form->DeviceNumberOf(devices->ItemIndex()), 3);
}

TEST_F(RecordControlForm, WithoutACaptureDeviceTheWindowOpensAndSaysWhy) {
    Environment.Set("SDL_AUDIODRIVER", "no-such-driver"); // no audio system at all
    ShowWindow();
    EXPECT_EQ(Form->ComboBoxDevice->Items()->Count(), 0);
    EXPECT_EQ(Form->ComboBoxMixer->Items()->Count(), 0);
    Record();
    EXPECT_EQ(Boxes, (std::vector<std::string>{"No Line In detected. Please check the audio device.",
                                               "Error when start recording."}));
    EXPECT_FALSE(Form->Recording);
    EXPECT_TRUE(ReadSound(Target).Samples.empty()); // the file was closed, empty
}

// The mixer and the page on choosing the input start the desktop's programs; here scripts in their place
// write down what they were given.
TEST_F(RecordControlForm, TheMixerAndTheSourcePageOpenTheDesktopsPrograms) {
    UseCapture(TSignal().Silence(2));
    const std::string bin = Scratch + "bin/";
    std::filesystem::create_directories(bin);
    for (const char* program : {"pavucontrol", "xdg-open"}) {
        const std::string script = bin + program;
        std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << Scratch << program << ".args'\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    Environment.Set("PATH", bin + ":/usr/bin:/bin");
    ShowWindow();
    Form->ActionMixer->Execute();
    Form->LabelAdjustInVista->OnClick(Form->LabelAdjustInVista);
    auto argument = [&](const char* program) {
        std::string text;
        PumpUntil([&] {
            std::ifstream in(Scratch + program + ".args");
            text.assign(std::istreambuf_iterator<char>(in), {});
            return !text.empty();
        });
        return text;
    };
    EXPECT_EQ(argument("pavucontrol"), "--tab=4");
    EXPECT_EQ(argument("xdg-open"), GlobalVars().SupportWebPage + "recording-source/");
}

} // namespace record_control_form_test
