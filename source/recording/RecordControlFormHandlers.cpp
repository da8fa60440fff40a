// What TRecordControlForm does: showing and closing, devices, line and volume, recording with pause,
// resume and reset, the timer and silence dialogs, the meters and the four timers.
#include "source/recording/RecordControlForm.h"

#include "acm/AudioControlSource.h"
#include "audio/AudioFile2.h"
#include "audio/devices/AudioRecord2.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/RadioButton.h"
#include "platform/vcl/Timer.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinTrackBar.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/ShellOpen.h"
#include "source/SystemFolders.h"
#include "source/dialogs/DialogSupport.h"
#include "source/recording/RecordingSkin.h"
#include "source/recording/RecordingTimerForm.h"
#include "source/recording/RecordingWithoutSilenceForm.h"
#include "source/recording/SoundMixer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace record_control_detail {

constexpr int DeLevelStep = 500;
constexpr double MsPerDay = 86400000.0;
// The page on choosing the recording source, below the support address.
constexpr const char* RecordingSourcePage = "recording-source/";

std::int64_t ToMs(TDateTime Span) {
    return std::llround(double(Span) * MsPerDay);
}

} // namespace record_control_detail

using namespace record_control_detail;

// ---- Showing and closing

void TRecordControlForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    LabelAdjustInVista->SetVisible(IsWindowsVistaOrLater());
    AudioRecord->SetFormat(44100, 2);
    AudioFile->SetWAV(44100, 2, 16);

    // Devices that can record, each with its number; the current one is the first that can.
    ComboBoxDevice->Items()->Clear();
    int current = AudioRecord->GetCurrentDevice();
    const int count = AudioRecord->GetDeviceCount();
    for (int number = 1; number <= count; ++number) {
        AudioRecord->SetDevice(number);
        if (AudioRecord->DeviceCanRecord())
            ComboBoxDevice->Items()->AddObject(AudioRecord->GetDeviceName(),
                                               reinterpret_cast<TObject*>(std::intptr_t(number)));
        else if (number == current)
            current = number + 1;
    }
    if (current > count) current = 0;
    AudioRecord->SetDevice(current);
    SelectDeviceItem(current);
    FillInputLines();
    SelectInputLine();

    Recording = Paused = false;
    StartTime = PauseTime = ResumeTime = PausedTotal = 0;
    AutoStart = StopAfter = false;
    AutoStartAt = StopAfterFrom = StopAfterDuration = 0;
    TimerAutoStart->SetEnabled(false);
    TimerAutoStop->SetEnabled(false);
    NothingRecorded = true;
    GroupBoxTransport->SetDoubleBuffered(true);
    CheckRecordingWithoutSilence->SetChecked(GlobalVars().AccuEnabled);
}

void TRecordControlForm::FormClose(TObject*, TCloseAction&) {
    // Discard and the close box end a recording too: the recorder stops and the file is complete
    // before the window returns, so the caller can delete it.
    ResetRecording();
    Recording = Paused = false;
}

int TRecordControlForm::DeviceNumberOf(int ItemIndex) const {
    if (ItemIndex < 0 || ItemIndex >= ComboBoxDevice->Items()->Count()) return 0;
    return int(reinterpret_cast<std::intptr_t>(ComboBoxDevice->Items()->Objects(ItemIndex)));
}

void TRecordControlForm::SelectDeviceItem(int DeviceNumber) {
    // Items are only the devices that can record, so an item's position says nothing about its number.
    int shown = -1;
    for (int i = 0; i < ComboBoxDevice->Items()->Count() && shown < 0; ++i)
        if (DeviceNumberOf(i) == DeviceNumber) shown = i;
    ComboBoxDevice->SetItemIndex(shown);
}

// ---- Device, line and volume

void TRecordControlForm::FillInputLines() {
    ComboBoxMixer->Items()->Clear();
    const int count = AudioRecord->GetLineCount();
    if (count <= 0) {
        ShowError("No Line In detected. Please check the audio device.");
        return;
    }
    int selected = -1;
    for (int line = 1; line <= count; ++line) {
        AudioRecord->SetLine(line);
        ComboBoxMixer->Items()->Add(AudioRecord->GetLineName());
        if (AudioRecord->LineSelected()) selected = line - 1;
    }
    ComboBoxMixer->SetItemIndex(selected);
}

void TRecordControlForm::SelectInputLine() {
    AudioRecord->SetLine(ComboBoxMixer->ItemIndex() + 1);
    AudioRecord->SelectLine(-1);
    ImageSliderVolume->SetEnabled(AudioRecord->LineHasVolume());
    ImageSliderVolume->SetValue(AudioRecord->GetLineVolume());
}

void TRecordControlForm::ComboBoxDeviceChange(TObject*) {
    AudioRecord->SetDevice(DeviceNumberOf(ComboBoxDevice->ItemIndex()));
    FillInputLines();
    SelectInputLine();
}

void TRecordControlForm::ComboBoxMixerChange(TObject*) {
    SelectInputLine();
}

void TRecordControlForm::ImageSliderVolumeChange(TObject*) {
    AudioRecord->SetLine(ComboBoxMixer->ItemIndex() + 1);
    AudioRecord->SetLineVolume(ImageSliderVolume->Value());
    LabelCurrent->SetCaption(IntToStr(ImageSliderVolume->Value() * 100 / 65535) + " %");
}

// ---- Transport

void TRecordControlForm::ActionRecordExecute(TObject*) {
    if (Recording) return;
    if (Paused)
        ResumeRecording();
    else
        StartRecording(GlobalVars().RecordingFile);
}

void TRecordControlForm::ActionPauseExecute(TObject*) {
    if (!Recording) return;
    PauseRecording();
    Recording = false;
    Paused = true;
}

void TRecordControlForm::ActionDeleteExecute(TObject*) {
    ResetRecording();
    Recording = Paused = false;
    DeleteFile(GlobalVars().RecordingFile);
    NothingRecorded = true;
}

void TRecordControlForm::ActionKeepExecute(TObject*) {
    ResetRecording();
    Recording = Paused = false;
    NothingRecorded = true;
    SetModalResult(mrOk);
}

void TRecordControlForm::ActionDiscardExecute(TObject*) {
    // The button closes the window with Cancel; closing stops the recording (FormClose).
}

void TRecordControlForm::SetRecordFormat() {
    AudioRecord->SetFormat(RecordSampleRate, RecordChannels);
    AudioFile->SetWAV(RecordSampleRate, RecordChannels, 16);
}

void TRecordControlForm::ApplySilenceSettings() {
    const TGlobalVars& settings = GlobalVars();
    AudioRecord->SetSilenceSkipping(settings.AccuEnabled ? -1 : 0);
    AudioRecord->SetAttackLevel(settings.AccuAttackLevel);
    AudioRecord->SetAttackTime(settings.AccuAttackTime);
    AudioRecord->SetReleaseLevel(settings.AccuReleaseLevel);
    AudioRecord->SetReleaseTime(settings.AccuReleaseTime);
}

void TRecordControlForm::StartRecording(const std::string& FileName) {
    SetRecordFormat();
    // The recorder hands its blocks over in the file's own rate and channel count.
    AudioFile->SetInputFormat(RecordSampleRate, RecordChannels);
    AudioFile->Create(FileName, 1);
    AudioRecord->SetFormat(RecordSampleRate, RecordChannels);
    ApplySilenceSettings();
    RecorderBufferSize = AudioRecord->GetBufferSize(200);
    AudioRecord->SetBufferSize(RecorderBufferSize);
    if (!RecorderStarted("Error when start recording.")) return;
    Recording = true;
    Paused = false;
    NothingRecorded = false;
    StartTime = Now();
    TimerTimeDisplay->SetEnabled(true);
    LabelTime->Font()->SetColor(TimeRecordingColor);
    if (StopAfter) StartCountdown();
}

bool TRecordControlForm::RecorderStarted(const char* FailureText) {
    AudioRecord->Start();
    if (AudioRecord->ErrorState() == 0) return true;
    ShowError(FailureText);
    ResetRecording();
    Recording = Paused = false;
    return false;
}

void TRecordControlForm::StartCountdown() {
    StopAfterFrom = Now();
    TimerAutoStop->SetEnabled(true);
}

void TRecordControlForm::PauseRecording() {
    AudioRecord->Stop();
    PauseTime = Now();
    TimerTimeDisplay->SetEnabled(false);
    LabelTime->Font()->SetColor(TimeRecordingColor);
    StopAfter = false;
    TimerAutoStop->SetEnabled(false);
}

void TRecordControlForm::ResumeRecording() {
    if (!RecorderStarted("Error when continue recording.")) return;
    Recording = true;
    Paused = false;
    ResumeTime = Now();
    PausedTotal = PausedTotal + (ResumeTime - PauseTime);
    TimerTimeDisplay->SetEnabled(true);
    LabelTime->Font()->SetColor(TimeIdleColor);
    if (StopAfter) StartCountdown();
}

void TRecordControlForm::ResetRecording() {
    AudioRecord->Stop(); // hands over what it still holds, so the file below is complete
    AudioFile->Close();
    StartTime = PauseTime = ResumeTime = PausedTotal = 0;
    TimerTimeDisplay->SetEnabled(false);
    LabelTime->SetCaption("00:00:00:000");
    LabelTime->Font()->SetColor(TimeIdleColor);
    StopAfter = false;
    TimerAutoStop->SetEnabled(false);
}

void TRecordControlForm::AudioRecordEndArrayRecord(int) {
    const std::vector<float>& samples = AudioRecord->GetArray();
    if (samples.size() > 1) AudioFile->Write(samples);
}

void TRecordControlForm::AudioRecordError() {
    // The device went away: every block captured before was handed over and written. The file is
    // completed and kept, and the window is ready, with Keep enabled for what was recorded.
    const std::string reason = AudioRecord->LastError();
    ResetRecording();
    Recording = Paused = false;
    ShowError((reason.empty() ? std::string("The recording device stopped.") : reason) +
              " The recording has ended; what was recorded until then is kept.");
}

// ---- Settings, timer, mixer, help

void TRecordControlForm::ActionTimerRecordExecute(TObject*) {
    std::unique_ptr<TRecordingTimerForm> dialog(TCustomForm::New<TRecordingTimerForm>(this));
    CenterOnOwner(*dialog, *this);
    TGlobalVars& settings = GlobalVars();
    const TDateTime now = Now();
    if (Recording) {
        dialog->LockStart();
        dialog->DateTimePickerAutomaticallyData->SetDateTime(now);
        dialog->DateTimePickerAutomaticallyTime->SetDateTime(now);
    } else if (AutoStart) {
        dialog->RadioButtonAutomatically->SetChecked(true);
        dialog->DateTimePickerAutomaticallyData->SetDateTime(AutoStartAt);
        dialog->DateTimePickerAutomaticallyTime->SetDateTime(AutoStartAt);
    } else {
        dialog->RadioButtonManually->SetChecked(true);
        dialog->DateTimePickerAutomaticallyData->SetDateTime(now);
        dialog->DateTimePickerAutomaticallyTime->SetDateTime(now);
    }
    dialog->CheckBoxStopAfter->SetChecked(StopAfter);
    dialog->DateTimePickerWhenRecordingTime->SetTime(TDateTime(settings.TimerRecordDuration));
    if (dialog->ShowModal() == mrOk) {
        AutoStart = dialog->RadioButtonAutomatically->Checked();
        AutoStartAt = dialog->StartAt();
        StopAfter = dialog->CheckBoxStopAfter->Checked();
        StopAfterDuration = dialog->Duration();
        settings.TimerRecordDuration = double(StopAfterDuration);
    }
    if (StopAfter) {
        if (Recording) {
            StartCountdown();
        } else {
            ShowStopAfterLabel(StopAfterDuration);
        }
    }
    if (AutoStart && !Recording) {
        LabelRecordingTimer->SetCaption(
            Format("Recording Timer...  [ %s %s ]",
                   {FormatDateTime("ddddd", AutoStartAt), FormatDateTime("tt", AutoStartAt)}));
        TimerAutoStart->SetEnabled(true);
    }
}

void TRecordControlForm::ActionMixerExecute(TObject*) {
    StartSoundMixer();
}

void TRecordControlForm::ActionRWSSettingsExecute(TObject*) {
    std::unique_ptr<TRecordingWithoutSilenceForm> dialog(
        TCustomForm::New<TRecordingWithoutSilenceForm>(this));
    CenterOnOwner(*dialog, *this);
    dialog->LoadParams(GlobalVars());
    if (dialog->ShowModal() == mrOk) dialog->StoreParams(GlobalVars());
}

void TRecordControlForm::ActionHelpExecute(TObject*) {
    ShowHelpPage(Handle(), "RecordControl");
}

void TRecordControlForm::CheckRecordingWithoutSilenceClick(TObject*) {
    GlobalVars().AccuEnabled = CheckRecordingWithoutSilence->Checked();
}

void TRecordControlForm::LabelAdjustInVistaClick(TObject*) {
    OpenWithShell(GlobalVars().SupportWebPage + RecordingSourcePage);
}

// ---- Meters, state and timers

void TRecordControlForm::deAudioControlSourceDataChanged(TObject*) {
    skSkinGaugeLeft->SetValue(deAudioControlSource->LeftPeak());
    skSkinGaugeRight->SetValue(deAudioControlSource->RightPeak());
}

void TRecordControlForm::ActionListUpdate(TBasicAction*, bool& Handled) {
    ActionRecord->SetEnabled(!Recording);
    ActionPause->SetEnabled(Recording);
    LabelLabelStatus->SetCaption(Recording ? "[ Recording ]" : Paused ? "[ Paused ]" : "[ Ready ]");
    LabelRecordingStops->SetVisible(StopAfter);
    LabelRecordingTimer->SetVisible(AutoStart);
    ActionRecord->SetVisible(!AutoStart);
    ActionPause->SetVisible(!AutoStart);
    ActionDelete->SetVisible(!AutoStart);
    ActionKeep->SetEnabled(!NothingRecorded);
    Handled = false;
}

void TRecordControlForm::TimerTimeDisplayTimer(TObject*) {
    const std::int64_t ms = std::max<std::int64_t>(0, ToMs(Now() - StartTime - PausedTotal));
    LabelTime->SetCaption(Format("%.2d:%.2d:%.2d:%.3d", {int(ms / 3600000), int(ms / 60000 % 60),
                                                         int(ms / 1000 % 60), int(ms % 1000)}));
}

void TRecordControlForm::TimerAutoStartTimer(TObject*) {
    if (ToMs(AutoStartAt - Now()) >= 1000) return;
    TimerAutoStart->SetEnabled(false);
    AutoStart = false;
    ActionRecord->Execute();
}

void TRecordControlForm::ShowStopAfterLabel(TDateTime Remaining) {
    // Whole seconds still to go, counted up, so the label reaches 00:00:00 when the recording stops.
    const std::int64_t seconds = (std::max<std::int64_t>(0, ToMs(Remaining)) + 999) / 1000;
    LabelRecordingStops->SetCaption(Format("Recording stops after: %.2d:%.2d:%.2d",
                                           {int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60)}));
}

void TRecordControlForm::TimerAutoStopTimer(TObject*) {
    const TDateTime remaining = StopAfterDuration - (Now() - StopAfterFrom);
    ShowStopAfterLabel(remaining);
    // Stops once the time is up, also when a tick came late and the time is already past.
    if (ToMs(remaining) > 0) return;
    PauseRecording();
    Recording = false;
    Paused = true;
    TimerAutoStop->SetEnabled(false);
    StopAfter = false;
    LabelRecordingStops->SetCaption("Recording stops after: 00:00:00");
    Application()->MessageBox("The timed recording is completed.\n\rClick on the Keep button to open the "
                              "recording in the sound editor.",
                              Application()->Title(), MB_OK | MB_ICONINFORMATION);
}

void TRecordControlForm::TimerDeLevelTimer(TObject*) {
    LabelHigh->SetVisible(deAudioControlSource->LeftPeak() > GaugeTop ||
                          deAudioControlSource->RightPeak() > GaugeTop);
    skSkinGaugeLeft->SetValue(skSkinGaugeLeft->Value() - DeLevelStep);
    skSkinGaugeRight->SetValue(skSkinGaugeRight->Value() - DeLevelStep);
}

void TRecordControlForm::ShowError(const std::string& Text) {
    Application()->MessageBox(Text, Application()->Title(), MB_OK | MB_ICONERROR);
}
