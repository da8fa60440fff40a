#include "source/recording/RecordControlForm.h"

#include "acm/AudioControlSource.h"
#include "acm/AudioIn.h"
#include "audio/AudioFile2.h"
#include "audio/devices/AudioRecord2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/RadioButton.h"
#include "platform/vcl/Timer.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"
#include "skin/images/SkinPngImageList.h"
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

constexpr TColor TimeRecordingColor = RGB(255, 128, 64);
constexpr TColor TimeIdleColor = clWhite;
constexpr int GaugeMax = 32512; // 0x7F00: the gauges' top; a peak above it is "too high"
constexpr int DeLevelStep = 500;
constexpr double MsPerDay = 86400000.0;
// The page on choosing the recording source, below the support address.
constexpr const char* RecordingSourcePage = "recording-source/";

std::int64_t ToMs(TDateTime Span) {
    return std::llround(double(Span) * MsPerDay);
}

TDateTime FromMs(std::int64_t Ms) {
    return TDateTime(double(Ms) / MsPerDay);
}

TLabel* ConsoleLabel(TRecordControlForm* Form, TWinControl* Parent, const char* Name,
                     const std::string& Caption, int Left, int Top,
                     TColor Color = recording_skin::ConsoleTextColor) {
    auto* label = new TLabel(Form);
    label->SetName(Name);
    label->SetCaption(Caption);
    label->SetLeft(Left);
    label->SetTop(Top);
    label->SetTransparent(true);
    label->SetParentFont(false);
    label->Font()->Assign(Form->Font());
    label->Font()->SetColor(Color);
    label->SetParent(Parent);
    return label;
}

TAction* MakeAction(TRecordControlForm* Form, const char* Name, const char* Caption,
                    void (TRecordControlForm::*Handler)(TObject*)) {
    auto* action = new TAction(Form);
    action->SetName(Name);
    action->SetCaption(Caption);
    action->SetActionList(Form->ActionList);
    action->SetOnExecute(TNotifyEvent(Form, Handler));
    return action;
}

TTimer* MakeTimer(TRecordControlForm* Form, const char* Name, UINT Interval,
                  void (TRecordControlForm::*Handler)(TObject*)) {
    auto* timer = new TTimer(Form);
    timer->SetName(Name);
    timer->SetEnabled(false);
    timer->SetInterval(Interval);
    timer->OnTimer = TNotifyEvent(Form, Handler);
    return timer;
}

// A skinned control of the window, its description taken from the window's skin.
template <class T>
T* PlaceSkinned(TRecordControlForm* Form, TWinControl* Parent, const char* Name, const char* SkinName,
                int Left, int Top, int Width, int Height) {
    auto* control = new T(Form);
    control->SetName(Name);
    control->SetParent(Parent);
    recording_skin::ApplySkin(control, Form->skSkinData, SkinName);
    control->SetBounds(Left, Top, Width, Height);
    return control;
}

TskSkinControl* TransportButton(TRecordControlForm* Form, TWinControl* Parent, const char* Name, int Left,
                                int Top, TAction* Action, int Image) {
    auto* button = new TskSkinButton(Form);
    button->SetName(Name);
    button->SetParent(Parent);
    recording_skin::ApplySkin(button, Form->skSkinData, "button");
    // The faces stretch to the button's own size.
    button->SetUseSkinSize(false);
    button->SetBounds(Left, Top, 96, 50);
    button->SetLayout(blGlyphTop);
    button->SetImageList(Form->PngImageList);
    button->SetImageIndex(Image);
    button->SetAction(Action);
    return button;
}

} // namespace record_control_detail

using namespace record_control_detail;

TRecordControlForm::TRecordControlForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("RecordControlForm");
    SetUpDialogForm(*this, "Recording", 640, 360);

    AudioRecord = std::make_unique<TAudioRecord2>();
    AudioRecord->OnEndArrayRecord = [this](int Block) { AudioRecordEndArrayRecord(Block); };
    AudioRecord->OnRecordError = [this] { AudioRecordError(); };
    AudioFile = std::make_unique<TAudioFile2>();

    // The meters' own capture: 16-bit stereo at 44100 Hz from the default input, for as long as the
    // window exists. It is opened below, once the window stands, so that an input that cannot be opened
    // leaves the meters still instead of refusing the window (recording then says why it cannot start).
    deAudioIn = new TdeAudioIn(this);
    deAudioIn->SetName("deAudioIn");
    deAudioIn->SetAutoOpen(false);
    TdeWaveFormat& format = *deAudioIn->Format();
    format.SetFormatTag(1);
    format.SetChannels(2);
    format.SetSamplesPerSec(44100);
    format.SetAvgBytesPerSec(176400);
    format.SetBlockAlign(4);
    format.SetBitsPerSample(16);
    deAudioControlSource = new TdeAudioControlSource(this);
    deAudioControlSource->SetName("deAudioControlSource");
    deAudioControlSource->SetAudioSource(deAudioIn);
    deAudioControlSource->OnDataChanged =
        TNotifyEvent(this, &TRecordControlForm::deAudioControlSourceDataChanged);

    skSkinData = recording_skin::MakeRecordingSkin(this);
    PngImageList = recording_skin::MakeRecordingImages(this);

    ActionList = new TActionList(this);
    ActionList->SetName("ActionList");
    ActionList->OnUpdate = TActionEvent(
        [this](TBasicAction* Action, bool& Handled) { ActionListUpdate(Action, Handled); }, this);
    ActionRecord = MakeAction(this, "ActionRecord", "Record", &TRecordControlForm::ActionRecordExecute);
    ActionPause = MakeAction(this, "ActionPause", "Pause", &TRecordControlForm::ActionPauseExecute);
    ActionDelete = MakeAction(this, "ActionDelete", "Delete", &TRecordControlForm::ActionDeleteExecute);
    ActionKeep = MakeAction(this, "ActionKeep", "&Keep", &TRecordControlForm::ActionKeepExecute);
    ActionDiscard = MakeAction(this, "ActionDiscard", "&Discard", &TRecordControlForm::ActionDiscardExecute);
    ActionTimerRecord =
        MakeAction(this, "ActionTimerRecord", "Timer Record", &TRecordControlForm::ActionTimerRecordExecute);
    ActionMixer = MakeAction(this, "ActionMixer", "Windows Mixer", &TRecordControlForm::ActionMixerExecute);
    ActionRWSSettings =
        MakeAction(this, "ActionRWSSettings", "Settings", &TRecordControlForm::ActionRWSSettingsExecute);
    ActionHelp = MakeAction(this, "ActionHelp", "&Help", &TRecordControlForm::ActionHelpExecute);

    TimerTimeDisplay = MakeTimer(this, "TimerTimeDisplay", 40, &TRecordControlForm::TimerTimeDisplayTimer);
    TimerAutoStart = MakeTimer(this, "TimerAutoStart", 50, &TRecordControlForm::TimerAutoStartTimer);
    TimerAutoStop = MakeTimer(this, "TimerAutoStop", 50, &TRecordControlForm::TimerAutoStopTimer);
    TimerDeLevel = MakeTimer(this, "TimerDeLevel", 5, &TRecordControlForm::TimerDeLevelTimer);
    TimerDeLevel->SetEnabled(true);

    BuildConsole();

    ButtonKeep = PlaceControl<TButton>(this, this, "ButtonKeep", 393, 328, 75, 23);
    ButtonKeep->SetAction(ActionKeep);
    ButtonDiscard = PlaceControl<TButton>(this, this, "ButtonDiscard", 474, 328, 75, 23);
    ButtonDiscard->SetAction(ActionDiscard);
    ButtonDiscard->SetModalResult(mrCancel);
    ButtonDiscard->SetCancel(true);
    ButtonHelp = PlaceControl<TButton>(this, this, "ButtonHelp", 555, 328, 75, 23);
    ButtonHelp->SetAction(ActionHelp);

    OnShow = TNotifyEvent(this, &TRecordControlForm::FormShow);
    OnClose = TCloseEvent(this, &TRecordControlForm::FormClose);
    loading.End();

    try {
        deAudioIn->Open();
        FLevelChainOpen = true;
    } catch (const Exception&) {
        // No input to meter: the meters stay at zero.
    }
}

TRecordControlForm::~TRecordControlForm() {
    // Whatever ends the window, the recorder stops and the file is completed before the parts go.
    try {
        ResetRecording();
    } catch (const Exception&) {
    }
    AudioRecord->OnEndArrayRecord = nullptr;
    AudioRecord->OnRecordError = nullptr;
}

void TRecordControlForm::BuildConsole() {
    using recording_skin::ConsoleColor;
    PanelConsole = PlaceControl<TPanel>(this, this, "PanelConsole", 0, 0, 640, 318);
    PanelConsole->SetCaption("");
    PanelConsole->SetBevelOuter(bvNone);
    PanelConsole->SetParentColor(false);
    PanelConsole->SetParentBackground(false);
    PanelConsole->SetColor(ConsoleColor);
    LabelConsole = ConsoleLabel(this, PanelConsole, "LabelConsole", "Recording Console", 12, 8);
    LabelConsole->Font()->SetStyle(TFontStyles{fsBold});
    BuildTransport();
    BuildInputLevel();

    CheckRecordingWithoutSilence = PlaceSkinned<TskSkinCheckRadioBox>(
        this, PanelConsole, "CheckRecordingWithoutSilence", "checkradio", 12, 290, 200, 20);
    CheckRecordingWithoutSilence->SetCaption("Recording without silence");
    CheckRecordingWithoutSilence->SetCanFocused(false);
    CheckRecordingWithoutSilence->OnClick =
        TNotifyEvent(this, &TRecordControlForm::CheckRecordingWithoutSilenceClick);

    LabelAdjustInVista =
        ConsoleLabel(this, PanelConsole, "LabelAdjustInVista", "Adjust audio source in Vista/Win7", 0, 293);
    LabelAdjustInVista->SetAutoSize(false);
    LabelAdjustInVista->SetBounds(388, 293, 240, 14);
    LabelAdjustInVista->SetAlignment(taRightJustify);
    LabelAdjustInVista->Font()->SetStyle(TFontStyles{fsUnderline});
    LabelAdjustInVista->SetCursor(crHandPoint);
    LabelAdjustInVista->OnClick = TNotifyEvent(this, &TRecordControlForm::LabelAdjustInVistaClick);
}

void TRecordControlForm::BuildTransport() {
    using recording_skin::ConsoleLimeColor;
    GroupBoxTransport = PlaceControl<recording_skin::TConsoleGroupBox>(this, PanelConsole,
                                                                       "GroupBoxTransport", 10, 28, 320, 254);
    GroupBoxTransport->SetCaption("Transport");

    LabelTime = ConsoleLabel(this, GroupBoxTransport, "LabelTime", "00:00:00:000", 12, 22, TimeIdleColor);
    LabelTime->SetAutoSize(false);
    LabelTime->SetBounds(12, 22, 296, 36);
    LabelTime->SetAlignment(taCenter);
    LabelTime->Font()->SetHeight(-30);
    LabelTime->Font()->SetStyle(TFontStyles{fsBold});
    LabelLabelStatus = ConsoleLabel(this, GroupBoxTransport, "LabelLabelStatus", "[ Ready ]", 12, 62);
    LabelLabelStatus->SetAutoSize(false);
    LabelLabelStatus->SetBounds(12, 62, 296, 14);
    LabelLabelStatus->SetAlignment(taCenter);
    LabelRecordingStops = ConsoleLabel(this, GroupBoxTransport, "LabelRecordingStops",
                                       "Recording stops after: 00:00:00", 12, 86, ConsoleLimeColor);
    LabelRecordingStops->SetVisible(false);
    LabelRecordingTimer = ConsoleLabel(this, GroupBoxTransport, "LabelRecordingTimer", "Recording Timer...",
                                       12, 104, ConsoleLimeColor);
    LabelRecordingTimer->SetVisible(false);

    ButtonRecord = TransportButton(this, GroupBoxTransport, "ButtonRecord", 12, 132, ActionRecord, 0);
    ButtonPause = TransportButton(this, GroupBoxTransport, "ButtonPause", 112, 132, ActionPause, 1);
    ButtonDelete = TransportButton(this, GroupBoxTransport, "ButtonDelete", 212, 132, ActionDelete, 2);
    ButtonTimerRecord =
        TransportButton(this, GroupBoxTransport, "ButtonTimerRecord", 12, 190, ActionTimerRecord, 3);
    ButtonMixer = TransportButton(this, GroupBoxTransport, "ButtonMixer", 112, 190, ActionMixer, 4);
    ButtonRWSSettings =
        TransportButton(this, GroupBoxTransport, "ButtonRWSSettings", 212, 190, ActionRWSSettings, 5);
}

void TRecordControlForm::BuildInputLevel() {
    using recording_skin::ConsoleLimeColor;
    GroupBoxInputLevel = PlaceControl<recording_skin::TConsoleGroupBox>(
        this, PanelConsole, "GroupBoxInputLevel", 340, 28, 292, 254);
    GroupBoxInputLevel->SetCaption("Input Level");

    LabelDevice = ConsoleLabel(this, GroupBoxInputLevel, "LabelDevice", "Device:", 10, 22);
    ComboBoxDevice = PlaceControl<TComboBox>(this, GroupBoxInputLevel, "ComboBoxDevice", 10, 37, 150, 21);
    ComboBoxDevice->SetStyle(csDropDownList);
    ComboBoxDevice->OnChange = TNotifyEvent(this, &TRecordControlForm::ComboBoxDeviceChange);
    LabelDevice->SetFocusControl(ComboBoxDevice);
    LabelLineIn = ConsoleLabel(this, GroupBoxInputLevel, "LabelLineIn", "Line In:", 10, 68);
    ComboBoxMixer = PlaceControl<TComboBox>(this, GroupBoxInputLevel, "ComboBoxMixer", 10, 83, 150, 21);
    ComboBoxMixer->SetStyle(csDropDownList);
    ComboBoxMixer->OnChange = TNotifyEvent(this, &TRecordControlForm::ComboBoxMixerChange);
    LabelLineIn->SetFocusControl(ComboBoxMixer);
    LabelHigh =
        ConsoleLabel(this, GroupBoxInputLevel, "LabelHigh", "Volume is too high!", 10, 124, ConsoleLimeColor);
    LabelHigh->SetVisible(false);

    // The fader and the two meters at the skin's own height, with their scale.
    ImageSliderVolume = PlaceSkinned<TskSkinTrackBar>(this, GroupBoxInputLevel, "ImageSliderVolume",
                                                      "trackbar", 170, 24, 18, 193);
    ImageSliderVolume->SetVertical(true);
    ImageSliderVolume->SetJumpWhenClick(true);
    ImageSliderVolume->SetCanFocused(false);
    ImageSliderVolume->SetMinValue(0);
    ImageSliderVolume->SetMaxValue(65535);
    ImageSliderVolume->OnChange = TNotifyEvent(this, &TRecordControlForm::ImageSliderVolumeChange);
    LabelCurrent = ConsoleLabel(this, GroupBoxInputLevel, "LabelCurrent", ".. %", 154, 226);
    LabelCurrent->SetAutoSize(false);
    LabelCurrent->SetBounds(154, 226, 50, 14);
    LabelCurrent->SetAlignment(taCenter);

    skSkinGaugeLeft =
        PlaceSkinned<TskSkinGauge>(this, GroupBoxInputLevel, "skSkinGaugeLeft", "gauge", 204, 24, 19, 193);
    skSkinGaugeRight =
        PlaceSkinned<TskSkinGauge>(this, GroupBoxInputLevel, "skSkinGaugeRight", "gauge", 227, 24, 19, 193);
    for (TskSkinGauge* gauge : {skSkinGaugeLeft, skSkinGaugeRight}) {
        gauge->SetVertical(true);
        gauge->SetMinValue(0);
        gauge->SetMaxValue(GaugeMax);
        gauge->SetValue(0);
    }
    LabelScaleTop = ConsoleLabel(this, GroupBoxInputLevel, "LabelScaleTop", "100 %", 251, 24);
    LabelScaleBottom = ConsoleLabel(this, GroupBoxInputLevel, "LabelScaleBottom", "0 %", 251, 204);
}

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
    LabelHigh->SetVisible(deAudioControlSource->LeftPeak() > GaugeMax ||
                          deAudioControlSource->RightPeak() > GaugeMax);
    skSkinGaugeLeft->SetValue(skSkinGaugeLeft->Value() - DeLevelStep);
    skSkinGaugeRight->SetValue(skSkinGaugeRight->Value() - DeLevelStep);
}

void TRecordControlForm::ShowError(const std::string& Text) {
    Application()->MessageBox(Text, Application()->Title(), MB_OK | MB_ICONERROR);
}
