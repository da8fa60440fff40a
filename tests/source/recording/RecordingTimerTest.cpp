// The recording timer and the recording-without-silence settings: the dialogs' checks and pictures, the
// stop-after countdown on the manual clock (also when a tick comes late), a pause cancelling it, and a
// timed start on another day.
#include "ToolTestSupport.h"

#include "audio/devices/AudioRecord2.h"
#include "platform/rtl/DateTime.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "source/GlobalVars.h"
#include "source/recording/RecordControlForm.h"
#include "source/recording/RecordingTimerForm.h"
#include "source/recording/RecordingWithoutSilenceForm.h"

#include <cmath>

namespace recording_timer_test {

using namespace tool_test;

constexpr double Second = 1.0 / 86400;

class RecordingTimer : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        UseCapture(TSignal().Tone(30, 440, 0.5));
        GlobalVars().RecordingFile = Scratch + "Recording.wav";
        Form = TCustomForm::New<TRecordControlForm>(Owner);
        Form->RecordSampleRate = 48000;
        Form->Show();
        Pump();
        Update();
    }
    void TearDown() override {
        delete Form;
        ToolTest::TearDown();
    }
    void Update() { Form->ActionList->UpdateActions(); }
    TRecordingTimerForm* TimerDialog() const { return dynamic_cast<TRecordingTimerForm*>(ActiveForm()); }

    // The timer dialog filled in as a user would and confirmed; `Look` runs on it first.
    void SetTimer(bool Automatic, TDateTime Start, bool StopAfter, int DurationSeconds,
                  std::function<void(TRecordingTimerForm*)> Look = nullptr) {
        Then([=] {
            TRecordingTimerForm* dialog = TimerDialog();
            ASSERT_NE(dialog, nullptr);
            if (Look) Look(dialog);
            if (dialog->RadioButtonAutomatically->Enabled())
                (Automatic ? dialog->RadioButtonAutomatically : dialog->RadioButtonManually)
                    ->SetChecked(true);
            dialog->DateTimePickerAutomaticallyData->SetDate(Start);
            dialog->DateTimePickerAutomaticallyTime->SetTime(Start);
            dialog->CheckBoxStopAfter->SetChecked(StopAfter);
            dialog->DateTimePickerWhenRecordingTime->SetTime(TDateTime(DurationSeconds * Second));
            dialog->ButtonStart->Click();
        });
        Form->ActionTimerRecord->Execute();
        Update();
    }

    TRecordControlForm* Form = nullptr;
};

TEST_F(RecordingTimer, TheDialogFollowsItsChoicesAndLocksTheStartWhileRecording) {
    GlobalVars().TimerRecordDuration = 90 * Second;
    Then([this] {
        TRecordingTimerForm* dialog = TimerDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Caption(), "Recording Timer ");
        EXPECT_TRUE(dialog->RadioButtonManually->Checked());
        EXPECT_FALSE(dialog->DateTimePickerAutomaticallyData->Enabled());
        EXPECT_FALSE(dialog->DateTimePickerWhenRecordingTime->Enabled());
        EXPECT_EQ(dialog->DateTimePickerWhenRecordingTime->DisplayText(), "00:01:30");
        dialog->RadioButtonAutomatically->SetChecked(true);
        dialog->CheckBoxStopAfter->SetChecked(true);
        EXPECT_TRUE(dialog->DateTimePickerAutomaticallyData->Enabled());
        EXPECT_TRUE(dialog->DateTimePickerAutomaticallyTime->Enabled());
        EXPECT_TRUE(dialog->DateTimePickerWhenRecordingTime->Enabled());
        EXPECT_TRUE(dialog->LabelDurationUnits->Enabled());
        Picture(dialog, "recording", "recording-timer");
        dialog->ButtonCancel->Click();
    });
    Form->ActionTimerRecord->Execute();
    EXPECT_FALSE(Form->AutoStart);

    // While recording only the stop-after part can be changed.
    Form->ActionRecord->Execute();
    Then([this] {
        TRecordingTimerForm* dialog = TimerDialog();
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->RadioButtonManually->Checked());
        EXPECT_FALSE(dialog->RadioButtonManually->Enabled());
        EXPECT_FALSE(dialog->RadioButtonAutomatically->Enabled());
        EXPECT_FALSE(dialog->DateTimePickerAutomaticallyData->Enabled());
        EXPECT_FALSE(dialog->DateTimePickerAutomaticallyTime->Enabled());
        dialog->ButtonCancel->Click();
    });
    Form->ActionTimerRecord->Execute();
}

TEST_F(RecordingTimer, AZeroDurationBecomesTenSecondsAndIsRememberedForTheRun) {
    SetTimer(false, Now(), true, 0);
    EXPECT_TRUE(Form->StopAfter);
    EXPECT_NEAR(double(Form->StopAfterDuration), 10 * Second, 1e-9);
    EXPECT_NEAR(GlobalVars().TimerRecordDuration, 10 * Second, 1e-9);
    EXPECT_TRUE(Form->LabelRecordingStops->Visible());
    EXPECT_EQ(Form->LabelRecordingStops->Caption(), "Recording stops after: 00:00:10");
}

TEST_F(RecordingTimer, AStartThatHasPassedIsRefusedAndTheDialogStays) {
    Then([this] {
        TRecordingTimerForm* dialog = TimerDialog();
        ASSERT_NE(dialog, nullptr);
        dialog->RadioButtonAutomatically->SetChecked(true);
        dialog->DateTimePickerAutomaticallyData->SetDate(Now());
        dialog->DateTimePickerAutomaticallyTime->SetTime(Now() - 60 * Second);
        dialog->ButtonStart->Click();
        EXPECT_EQ(dialog->ModalResult(), mrNone);
        EXPECT_EQ(dialog->ActiveControl(), dialog->DateTimePickerAutomaticallyTime);
        dialog->ButtonCancel->Click();
    });
    Form->ActionTimerRecord->Execute();
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0], "The entered starting date and time has already passed.");
    EXPECT_FALSE(Form->AutoStart);
}

// The countdown stops the recording once the time is up: not a second early, and also when the clock
// jumps past the end between two ticks.
TEST_F(RecordingTimer, TheCountdownStopsWhenTheTimeIsUpAndNotBefore) {
    struct Case {
        int Duration;     // seconds
        int Step;         // ms the clock moves at a time
        int StillRunning; // ms after the start at which it still records
    };
    for (Case c : {Case{2, 5, 1950}, Case{1, 1500, 0}}) {
        SCOPED_TRACE(c.Duration);
        Boxes.clear();
        SetTimer(false, Now(), true, c.Duration);
        Form->ActionRecord->Execute();
        Update();
        ASSERT_TRUE(Form->Recording);
        EXPECT_TRUE(Form->LabelRecordingStops->Visible());
        int elapsed = 0;
        while (elapsed < c.StillRunning) {
            Advance(std::min(c.Step, c.StillRunning - elapsed));
            elapsed += std::min(c.Step, c.StillRunning - elapsed);
        }
        Update();
        EXPECT_TRUE(Form->Recording) << "stopped early";
        if (c.StillRunning > 0)
            EXPECT_EQ(Form->LabelRecordingStops->Caption(), "Recording stops after: 00:00:01");
        Clock->Advance(std::uint64_t(c.Duration * 1000 + 100 - elapsed));
        Pump();
        Update();
        EXPECT_FALSE(Form->Recording);
        EXPECT_TRUE(Form->Paused);
        EXPECT_FALSE(Form->AudioRecord->Recording());
        EXPECT_FALSE(Form->StopAfter);
        EXPECT_FALSE(Form->LabelRecordingStops->Visible());
        EXPECT_EQ(Form->LabelRecordingStops->Caption(), "Recording stops after: 00:00:00");
        ASSERT_EQ(Boxes.size(), 1u);
        EXPECT_EQ(Boxes[0],
                  "The timed recording is completed.\n\rClick on the Keep button to open the recording "
                  "in the sound editor.");
        Form->ActionDelete->Execute();
    }
}

TEST_F(RecordingTimer, APauseCancelsTheCountdown) {
    SetTimer(false, Now(), true, 5);
    Form->ActionRecord->Execute();
    Advance(1000);
    Form->ActionPause->Execute();
    Update();
    EXPECT_FALSE(Form->StopAfter);
    EXPECT_FALSE(Form->LabelRecordingStops->Visible());
    Advance(6000);
    EXPECT_TRUE(Boxes.empty());
    // Resumed without a new countdown, it records on.
    Form->ActionRecord->Execute();
    Advance(6000);
    EXPECT_TRUE(Form->Recording);
}

TEST_F(RecordingTimer, AStartSetForTomorrowStartsTomorrowNotToday) {
    const TDateTime now = Now();
    const TDateTime start = now + 1 + 60 * Second; // tomorrow, one minute later in the day
    SetTimer(true, start, false, 10);
    EXPECT_TRUE(Form->AutoStart);
    EXPECT_TRUE(Form->LabelRecordingTimer->Visible());
    EXPECT_EQ(Form->LabelRecordingTimer->Caption(), "Recording Timer...  [ 12/10/2025 10:01:00 AM ]");
    // Record, Pause and Delete wait for the timed start.
    EXPECT_FALSE(Form->ActionRecord->Visible());
    EXPECT_FALSE(Form->ActionPause->Visible());
    EXPECT_FALSE(Form->ActionDelete->Visible());
    Picture(Form, "recording", "recording-timed-start");
    Clock->Advance(2 * 60 * 1000);
    Pump();
    EXPECT_FALSE(Form->Recording) << "started today";
    Clock->Advance(std::uint64_t(std::llround(double(start - Now()) * 86400000)) - 500);
    Advance(50);
    Update();
    EXPECT_TRUE(Form->Recording);
    EXPECT_FALSE(Form->AutoStart);
    EXPECT_TRUE(Form->ActionRecord->Visible());
}

// ---- Recording without silence

class SilenceSettings : public ToolTest {
protected:
    TRecordingWithoutSilenceForm* Dialog() const {
        return dynamic_cast<TRecordingWithoutSilenceForm*>(ActiveForm());
    }
};

TEST_F(SilenceSettings, LevelsFromMinusNinetyToZeroAreTakenOthersRefused) {
    struct Case {
        const char* Attack;
        const char* Release;
        const char* Box; // nullptr: accepted
    };
    const Case cases[] = {
        {"0", "-90", nullptr},
        {"-90", "0", nullptr},
        {"1", "-45", "Attack Level must be less than 0 and more than -90. Please try again."},
        {"-91", "-45", "Attack Level must be less than 0 and more than -90. Please try again."},
        {"-45", "1", "Release Level must be less than 0 and more than -90. Please try again."},
        {"-45", "-91", "Release Level must be less than 0 and more than -90. Please try again."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Attack) + " " + c.Release);
        Boxes.clear();
        std::unique_ptr<TRecordingWithoutSilenceForm> dialog(
            TCustomForm::New<TRecordingWithoutSilenceForm>(Owner));
        dialog->LoadParams(GlobalVars());
        Then([&] {
            dialog->EditAttackLevel->SetText(c.Attack);
            dialog->EditReleaseLevel->SetText(c.Release);
            dialog->ButtonOK->Click();
            if (c.Box != nullptr) {
                EXPECT_EQ(dialog->ModalResult(), mrNone);
                EXPECT_EQ(dialog->ActiveControl(),
                          c.Box[0] == 'A' ? dialog->EditAttackLevel : dialog->EditReleaseLevel);
                dialog->ButtonCancel->Click();
            }
        });
        EXPECT_EQ(dialog->ShowModal(), c.Box == nullptr ? mrOk : mrCancel);
        if (c.Box == nullptr)
            EXPECT_TRUE(Boxes.empty());
        else
            EXPECT_EQ(Boxes, std::vector<std::string>{c.Box});
    }
}

TEST_F(SilenceSettings, TheSettingsGoInAndOutAsTextAndAWrongTextStoresNothing) {
    TGlobalVars& settings = GlobalVars();
    std::unique_ptr<TRecordingWithoutSilenceForm> dialog(
        TCustomForm::New<TRecordingWithoutSilenceForm>(Owner));
    dialog->LoadParams(settings);
    EXPECT_EQ(dialog->EditAttackLevel->Text(), "-45");
    EXPECT_EQ(dialog->EditAttackTime->Text(), "100");
    EXPECT_EQ(dialog->EditReleaseLevel->Text(), "-45");
    EXPECT_EQ(dialog->EditReleaseTime->Text(), "300");
    EXPECT_EQ(dialog->EditAttackTime->MaxLength(), 3);
    EXPECT_EQ(dialog->EditReleaseLevel->MaxLength(), 3);
    dialog->EditAttackLevel->SetText("-60");
    dialog->EditAttackTime->SetText("50");
    dialog->EditReleaseLevel->SetText("-30");
    dialog->EditReleaseTime->SetText("999");
    dialog->StoreParams(settings);
    EXPECT_EQ(settings.AccuAttackLevel, -60);
    EXPECT_EQ(settings.AccuAttackTime, 50);
    EXPECT_EQ(settings.AccuReleaseLevel, -30);
    EXPECT_EQ(settings.AccuReleaseTime, 999);

    dialog->EditAttackLevel->SetText("-20");
    dialog->EditReleaseTime->SetText("1.5");
    EXPECT_THROW(dialog->StoreParams(settings), Exception);
    EXPECT_EQ(settings.AccuAttackLevel, -60);
    EXPECT_EQ(settings.AccuReleaseTime, 999);
}

TEST_F(SilenceSettings, TimesTakeDigitsAndLevelsASignAtTheirStart) {
    std::unique_ptr<TRecordingWithoutSilenceForm> dialog(
        TCustomForm::New<TRecordingWithoutSilenceForm>(Owner));
    dialog->LoadParams(GlobalVars());
    Then([&] {
        EXPECT_TRUE(dialog->EditAttackTime->NumbersOnly());
        EXPECT_TRUE(dialog->EditReleaseTime->NumbersOnly());
        EXPECT_FALSE(dialog->EditAttackLevel->NumbersOnly());
        Picture(dialog.get(), "recording", "recording-without-silence");
        TEdit* level = dialog->EditAttackLevel;
        struct Key {
            const char* Text;
            int SelStart, SelLength;
            TKeyChar Typed;
            bool Passes;
        };
        for (Key k : {Key{"45", 0, 0, '-', true}, Key{"45", 1, 0, '-', false}, Key{"-45", 0, 0, '-', false},
                      Key{"-45", 0, 3, '-', true}, Key{"", 0, 0, '-', true}, Key{"4", 1, 0, '7', true},
                      Key{"4", 1, 0, 'x', false}, Key{"4", 1, 0, ' ', false}}) {
            level->SetText(k.Text);
            level->SetSelStart(k.SelStart);
            level->SetSelLength(k.SelLength);
            TKeyChar key = k.Typed;
            dialog->EditLevelKeyPress(level, key);
            EXPECT_EQ(key != 0, k.Passes) << k.Text << " " << char(k.Typed);
        }
        dialog->ButtonCancel->Click();
    });
    dialog->ShowModal();
}

} // namespace recording_timer_test
