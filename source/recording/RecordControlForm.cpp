// TRecordControlForm as it is built: its components, actions, timers and the console's controls.
#include "source/recording/RecordControlForm.h"

#include "acm/AudioControlSource.h"
#include "acm/AudioIn.h"
#include "audio/AudioFile2.h"
#include "audio/devices/AudioRecord2.h"
#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Exception.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Timer.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/data/SkinData.h"
#include "skin/images/SkinPngImageList.h"
#include "source/dialogs/DialogSupport.h"
#include "source/recording/RecordingSkin.h"

namespace record_control_build_detail {

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

} // namespace record_control_build_detail

using namespace record_control_build_detail;

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
        gauge->SetMaxValue(GaugeTop);
        gauge->SetValue(0);
    }
    LabelScaleTop = ConsoleLabel(this, GroupBoxInputLevel, "LabelScaleTop", "100 %", 251, 24);
    LabelScaleBottom = ConsoleLabel(this, GroupBoxInputLevel, "LabelScaleBottom", "0 %", 251, 204);
}
