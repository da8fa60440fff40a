// TRecordControlForm: "Recording" — records a sound-card input line into RecordingFile, with pause and
// resume, a timed start and a stop after a chosen duration, level meters fed by the window's own
// wave-in chain, the input volume and recording without silence. The caller sets RecordSampleRate and
// RecordChannels, shows it modally and, on OK ("&Keep"), takes the completed file.
#pragma once

#include "platform/rtl/DateTime.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Graphics.h"

#include <memory>
#include <string>

class TAction;
class TActionList;
class TAudioFile2;
class TAudioRecord2;
class TBasicAction;
class TButton;
class TComboBox;
class TLabel;
class TPanel;
class TTimer;
class TskPngImageList;
class TskSkinControl;
class TskSkinCheckRadioBox;
class TskSkinData;
class TskSkinGauge;
class TskSkinTrackBar;
class TdeAudioControlSource;
class TdeAudioIn;
namespace recording_skin {
class TConsoleGroupBox;
}

class TRecordControlForm : public TForm {
public:
    explicit TRecordControlForm(TComponent* AOwner);
    ~TRecordControlForm() override;

    // The gauges' top (0x7F00); a peak above it is "too high".
    static constexpr int GaugeTop = 32512;
    // The time display while recording and paused, and when ready or resumed.
    static constexpr TColor TimeRecordingColor = RGB(255, 128, 64);
    static constexpr TColor TimeIdleColor = clWhite;

    // Set by the caller before showing: the format to record in (the caller caps the rate at 48000).
    int RecordSampleRate = 44100;
    int RecordChannels = 2;

    // ---- State
    bool NothingRecorded = true; // nothing kept since the last start, Delete or Keep
    bool Recording = false;
    bool Paused = false;
    int RecorderBufferSize = 0;
    TDateTime StartTime = 0, PauseTime = 0, ResumeTime = 0;
    TDateTime PausedTotal = 0;
    bool AutoStart = false;
    TDateTime AutoStartAt = 0;
    bool StopAfter = false;
    TDateTime StopAfterFrom = 0;
    TDateTime StopAfterDuration = 0;

    // ---- Components
    std::unique_ptr<TAudioRecord2> AudioRecord;
    std::unique_ptr<TAudioFile2> AudioFile;
    TdeAudioIn* deAudioIn = nullptr;
    TdeAudioControlSource* deAudioControlSource = nullptr;
    TskSkinData* skSkinData = nullptr; // the window's stored skin
    TskPngImageList* PngImageList = nullptr;
    TActionList* ActionList = nullptr;
    TAction *ActionRecord = nullptr, *ActionPause = nullptr, *ActionDelete = nullptr, *ActionKeep = nullptr,
            *ActionDiscard = nullptr, *ActionTimerRecord = nullptr, *ActionMixer = nullptr,
            *ActionRWSSettings = nullptr, *ActionHelp = nullptr;
    TTimer *TimerTimeDisplay = nullptr, *TimerAutoStart = nullptr, *TimerAutoStop = nullptr,
           *TimerDeLevel = nullptr;

    // ---- Controls
    TPanel* PanelConsole = nullptr;
    TLabel* LabelConsole = nullptr;
    recording_skin::TConsoleGroupBox* GroupBoxTransport = nullptr;
    TLabel *LabelTime = nullptr, *LabelLabelStatus = nullptr, *LabelRecordingStops = nullptr,
           *LabelRecordingTimer = nullptr;
    // The six skinned buttons (TskSkinButton, each showing the picture of its index).
    TskSkinControl *ButtonRecord = nullptr, *ButtonPause = nullptr, *ButtonDelete = nullptr,
                   *ButtonTimerRecord = nullptr, *ButtonMixer = nullptr, *ButtonRWSSettings = nullptr;
    recording_skin::TConsoleGroupBox* GroupBoxInputLevel = nullptr;
    TLabel *LabelDevice = nullptr, *LabelLineIn = nullptr;
    TComboBox *ComboBoxDevice = nullptr, *ComboBoxMixer = nullptr;
    TskSkinTrackBar* ImageSliderVolume = nullptr;
    TLabel* LabelCurrent = nullptr;
    TskSkinGauge *skSkinGaugeLeft = nullptr, *skSkinGaugeRight = nullptr;
    TLabel *LabelScaleTop = nullptr, *LabelScaleBottom = nullptr, *LabelHigh = nullptr;
    TskSkinCheckRadioBox* CheckRecordingWithoutSilence = nullptr;
    TLabel* LabelAdjustInVista = nullptr;
    TButton *ButtonKeep = nullptr, *ButtonDiscard = nullptr, *ButtonHelp = nullptr;

    // ---- Handlers
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FillInputLines();
    void SelectInputLine();
    void ComboBoxDeviceChange(TObject* Sender);
    void ComboBoxMixerChange(TObject* Sender);
    void ImageSliderVolumeChange(TObject* Sender);
    void ActionRecordExecute(TObject* Sender);
    void ActionPauseExecute(TObject* Sender);
    void ActionDeleteExecute(TObject* Sender);
    void ActionKeepExecute(TObject* Sender);
    void ActionDiscardExecute(TObject* Sender);
    void ActionTimerRecordExecute(TObject* Sender);
    void ActionMixerExecute(TObject* Sender);
    void ActionRWSSettingsExecute(TObject* Sender);
    void ActionHelpExecute(TObject* Sender);
    void CheckRecordingWithoutSilenceClick(TObject* Sender);
    void LabelAdjustInVistaClick(TObject* Sender);
    void AudioRecordEndArrayRecord(int Block);
    void AudioRecordError();
    void deAudioControlSourceDataChanged(TObject* Sender);
    void ActionListUpdate(TBasicAction* Action, bool& Handled);
    void TimerTimeDisplayTimer(TObject* Sender);
    void TimerAutoStartTimer(TObject* Sender);
    void TimerAutoStopTimer(TObject* Sender);
    void TimerDeLevelTimer(TObject* Sender);

    // ---- Internal operations
    void StartRecording(const std::string& FileName);
    void PauseRecording();
    void ResumeRecording();
    void ResetRecording();
    void ApplySilenceSettings();
    void SetRecordFormat();
    // The device number stored with each item of ComboBoxDevice, and the item that carries a number.
    int DeviceNumberOf(int ItemIndex) const;
    void SelectDeviceItem(int DeviceNumber);

private:
    void BuildConsole();
    void BuildTransport();
    void BuildInputLevel();
    void ShowError(const std::string& Text);
    void ShowStopAfterLabel(TDateTime Remaining);
    // Starts (or resumes) the recorder; a failure is shown with `FailureText` and leaves the window ready.
    bool RecorderStarted(const char* FailureText);
    // The stop-after countdown begins now.
    void StartCountdown();
    bool FLevelChainOpen = false;
};
