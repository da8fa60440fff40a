// The view commands: horizontal and vertical zoom, waveform or spectral display, the scales' formats
// and visibility, the channels shown, the workplace colours, the command bar and its effects tree, and
// the system's sound mixer. They change how the document is shown, never what it holds, and write each
// choice to the settings file at once.
#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/Splitter.h"
#include "platform/vcl/TreeView.h"
#include "skin/controls/SkinButton.h"
#include "source/GlobalVars.h"
#include "source/SettingsFile.h"
#include "source/WaitCursor.h"
#include "source/mainform/EffectCommands.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/ViewZoom.h"
#include "source/recording/SoundMixer.h"

#include <algorithm>
#include <functional>
#include <string>

namespace main_form_view_commands_detail {

// Narrower windows have no room for the zoom buttons beside the position panels.
constexpr int ZoomButtonsMinWidth = 888;

struct TTreeCommand {
    const char* Group;
    const char* Node;
    TAction* TMainForm::*Action; // or
    TEffectCommand Effect;
};

} // namespace main_form_view_commands_detail

void TMainForm::BindViewCommands() {
    using namespace main_form_view_commands_detail;
    auto bind = [](TAction* Action, std::function<void()> Work) {
        Action->SetOnExecute(TNotifyEvent([work = std::move(Work)](TObject*) { work(); }, Action));
    };
    TAudioEditor2Position& position = AudioEditor->Position();
    bind(ActionZoomIn,
         [this, &position] { ZoomAroundCursor(position.GetViewStart(), position.GetViewEnd()); });
    bind(ActionZoomToRight,
         [this, &position] { ZoomAroundCursor(position.GetViewStart(), position.GetSelectionEnd()); });
    bind(ActionZoomToLeft,
         [this, &position] { ZoomAroundCursor(position.GetSelectionStart(), position.GetViewEnd()); });
    bind(ActionZoomOut, [this] { AudioEditor->ZoomOut(); });
    bind(ActionZoomFull, [this] { AudioEditor->ZoomFull(); });
    bind(ActionZoomToSelection, [this, &position] {
        if (position.GetViewStart() == position.GetSelectionStart() &&
            position.GetViewEnd() == position.GetSelectionEnd())
            return;
        AudioEditor->ZoomToSelection();
    });
    bind(ActionVerticalZoomIn, [this] {
        VerticalZoomPercent = NextVerticalZoom(VerticalZoomPercent, true);
        AudioEditor->VerticalZoom(VerticalZoomPercent);
    });
    bind(ActionVerticalZoomOut, [this] {
        VerticalZoomPercent = NextVerticalZoom(VerticalZoomPercent, false);
        AudioEditor->VerticalZoom(VerticalZoomPercent);
    });

    // Display mode and scale formats: the check mark, the editor's property, the stored key.
    auto choice = [this, bind](TAction* Action, std::function<void()> Apply, const char* Section,
                               const char* Key, int Value) {
        bind(Action, [this, Action, apply = std::move(Apply), Section, Key, Value] {
            TWaitCursor wait;
            Action->SetChecked(true);
            apply();
            StoreViewSetting([=] { WriteSettingInteger(Section, Key, Value); });
        });
    };
    for (TAction* action : {ActionWaveformMode, ActionSpectralMode})
        action->SetGroupIndex(1);
    for (TAction* action : {ActionHorizontalFormatDecimal, ActionHorizontalFormatSample})
        action->SetGroupIndex(2);
    for (TAction* action :
         {ActionVerticalFormatSample, ActionVerticalFormatNormalized, ActionVerticalFormatDecibel})
        action->SetGroupIndex(3);
    choice(
        ActionWaveformMode, [this] { AudioEditor->SetTypeView(0); }, "WaveMode", "Mode", 1);
    choice(
        ActionSpectralMode, [this] { AudioEditor->SetTypeView(1); }, "WaveMode", "Mode", 2);
    choice(
        ActionHorizontalFormatDecimal, [this] { AudioEditor->ScaleX().SetFormat(2); }, "Horizontal", "Format",
        2);
    choice(
        ActionHorizontalFormatSample, [this] { AudioEditor->ScaleX().SetFormat(1); }, "Horizontal", "Format",
        1);
    choice(
        ActionVerticalFormatSample, [this] { AudioEditor->ScaleY().SetFormat(1); }, "Vertical", "Format", 1);
    choice(
        ActionVerticalFormatNormalized, [this] { AudioEditor->ScaleY().SetFormat(2); }, "Vertical", "Format",
        2);
    choice(
        ActionVerticalFormatDecibel, [this] { AudioEditor->ScaleY().SetFormat(3); }, "Vertical", "Format", 3);
    auto visibility = [this, bind](TAction* Action, TAudioEditor2Scale& Scale, const char* Section,
                                   TBarItem Item, IBarItems& Items) {
        bind(Action, [this, Action, &Scale, Section, Item, &Items] {
            TWaitCursor wait;
            Action->SetChecked(!Action->Checked());
            Scale.SetVisible(Action->Checked() ? -1 : 0);
            Items.SetDown(Item, Action->Checked());
            const bool visible = Scale.GetVisible();
            StoreViewSetting([=] { WriteSettingBool(Section, "Visible", visible); });
        });
    };
    visibility(ActionHorizontalFormatVisible, AudioEditor->ScaleX(), "Horizontal", TBarItem::HorizontalScale,
               Bars().BarItems());
    visibility(ActionVerticalFormatVisible, AudioEditor->ScaleY(), "Vertical", TBarItem::VerticalScale,
               Bars().BarItems());

    bind(ActionWorkplaceBlackWhite, [this] {
        ActionWorkplaceBlackWhite->SetChecked(!ActionWorkplaceBlackWhite->Checked());
        ApplyWorkplaceColors(ActionWorkplaceBlackWhite->Checked());
        const bool dark = ActionWorkplaceBlackWhite->Checked();
        StoreViewSetting([=] { WriteSettingBool("System", "BlackWhite", dark); });
    });

    bind(ActionShowCommandBar, [this] {
        ActionShowCommandBar->SetChecked(!ActionShowCommandBar->Checked());
        PanelCommandBar->SetVisible(ActionShowCommandBar->Checked());
        SplitterCommandBar->SetVisible(ActionShowCommandBar->Checked());
        Bars().BarItems().SetDown(TBarItem::ShowCommandBar, PanelCommandBar->Visible());
        const bool shown = PanelCommandBar->Visible();
        StoreViewSetting([=] { WriteSettingBool("System", "ShowCommandBar", shown); });
    });
    auto barSide = [this](bool Left) {
        (Left ? ActionBarOntheLeft : ActionBarOntheRight)->SetChecked(true);
        (Left ? ActionBarOntheRight : ActionBarOntheLeft)->SetChecked(false);
        const TAlign align = Left ? alLeft : alRight;
        PanelCommandBar->SetAlign(align);
        SplitterCommandBar->SetAlign(align);
        // The splitter goes between the bar and the editor.
        if (Left)
            SplitterCommandBar->SetLeft(PanelCommandBar->Left() + PanelCommandBar->Width());
        else
            SplitterCommandBar->SetLeft(PanelCommandBar->Left() - SplitterCommandBar->Width());
        Bars().BarItems().SetDown(TBarItem::CommandBarOnTheLeft, Left);
        Bars().BarItems().SetDown(TBarItem::CommandBarOnTheRight, !Left);
        StoreViewSetting([=] { WriteSettingBool("System", "CommandBarOnTheLeft", Left); });
    };
    bind(ActionBarOntheLeft, [barSide] { barSide(true); });
    bind(ActionBarOntheRight, [barSide] { barSide(false); });
    for (TAction* action : {ActionTopTransportBar, ActionTopZoomBar})
        bind(action, [action] { action->SetChecked(!action->Checked()); });
    bind(ActionWindowsMixer, [] { StartSoundMixer(); });

    TreeViewEffects->OnDblClick = TNotifyEvent([this](TObject*) { RunEffectsTreeNode(); }, TreeViewEffects);
    OnResize = TNotifyEvent([this](TObject*) { ShowZoomButtons(); }, this);

    // The channel, scale and Effect buttons of the bars carry no action; the handler already there
    // keeps the clicks it knows.
    auto previous = Bars().OnItemClick;
    Bars().OnItemClick = [this, previous](TBarItem Item) {
        switch (Item) {
        case TBarItem::LeftChannel:
            AudioEditor->Channel().SetChannel(1, -1);
            AudioEditor->Channel().SetChannel(2, 0);
            break;
        case TBarItem::RightChannel:
            AudioEditor->Channel().SetChannel(1, 0);
            AudioEditor->Channel().SetChannel(2, -1);
            break;
        case TBarItem::BothChannels:
            AudioEditor->Channel().SetChannel(1, -1);
            AudioEditor->Channel().SetChannel(2, -1);
            break;
        case TBarItem::HorizontalScale:
            ActionHorizontalFormatVisible->Execute();
            break;
        case TBarItem::VerticalScale:
            ActionVerticalFormatVisible->Execute();
            break;
        case TBarItem::ShowCommandBar:
            ActionShowCommandBar->Execute();
            break;
        case TBarItem::Effect:
            Bars().Ribbon().SetActiveTab("Effect");
            break;
        default:
            if (previous) previous(Item);
            break;
        }
    };
}

void TMainForm::ZoomAroundCursor(std::int64_t ViewStart, std::int64_t ViewEnd) {
    const TViewRange range = ZoomInAround(ViewStart, ViewEnd, AudioEditor->Position().GetPosition());
    AudioEditor->ZoomToRange(range.Start, range.End);
}

void TMainForm::ShowZoomButtons() {
    using namespace main_form_view_commands_detail;
    const bool room = Width() >= ZoomButtonsMinWidth;
    for (TskSkinButton* button : {ButtonZoomIn, ButtonZoomOut, ButtonZoomToSelection, ButtonZoomFull,
                                  ButtonVerticalZoomIn, ButtonVerticalZoomOut})
        button->SetVisible(room);
}

void TMainForm::RunEffectsTreeNode() {
    using namespace main_form_view_commands_detail;
    TTreeNode* node = TreeViewEffects->Selected();
    if (node == nullptr || !DocumentOpen || AudioEditor->PlayState() != 0) return;
    // Group nodes do nothing; the three nodes without children are commands of their own.
    if (node->HasChildren()) return;
    const std::string group = node->Parent() ? node->Parent()->Text() : node->Text();
    const std::string name = node->Parent() ? node->Text() : std::string();
    static const TTreeCommand commands[] = {
        {"Amplitude and Compression", "Amplify", &TMainForm::ActionAmplify, {}},
        {"Amplitude and Compression", "Fade", &TMainForm::ActionCrossFade, {}},
        {"Amplitude and Compression", "Dynamic Compressor", &TMainForm::ActionDynamicRangeCompressor, {}},
        {"Amplitude and Compression", "Envelope", &TMainForm::ActionEnvelope, {}},
        {"Amplitude and Compression", "Normalize", &TMainForm::ActionNormalize, {}},
        {"Delay and Echo", "Delay", &TMainForm::ActionEcho, {}},
        {"Delay and Echo", "Echo", &TMainForm::ActionEcho, {}},
        {"Filters and EQ", "Band-Pass Filter", nullptr, TEffectCommand::BandPass},
        {"Filters and EQ", "High-Pass Filter", &TMainForm::ActionHighPass, {}},
        {"Filters and EQ", "Low-Pass Filter", nullptr, TEffectCommand::LowPass},
        {"Filters and EQ", "High-Shelf Filter", nullptr, TEffectCommand::HighShelf},
        {"Filters and EQ", "Low-Shelf Filter", nullptr, TEffectCommand::LowShelf},
        {"Filters and EQ", "Notch Filter", nullptr, TEffectCommand::NotchFilter},
        {"Filters and EQ", "PeakEQ Filter", nullptr, TEffectCommand::PeakEQ},
        {"Filters and EQ", "Equalizer", &TMainForm::ActionEqualizer, {}},
        {"Modulation", "Chorus", &TMainForm::ActionChorus, {}},
        {"Modulation", "Flanger", &TMainForm::ActionFlanger, {}},
        {"Modulation", "Sweeping Phaser", &TMainForm::ActionPhaser, {}},
        {"Restoration", "Expander", &TMainForm::ActionNoiseReduction, {}},
        {"Restoration", "Noise Reduction", nullptr, TEffectCommand::CassetteNoiseReduction},
        {"Special", "Phaser", &TMainForm::ActionPhaser, {}},
        {"Special", "Reverb", &TMainForm::ActionReverb, {}},
        {"Stereo Imagery", "Channel Mixer", &TMainForm::ActionMixStereo, {}},
        {"Time and Pitch", "Change Pitch", &TMainForm::ActionPitchChange, {}},
        {"Time and Pitch", "Stretch", &TMainForm::ActionSpeedChange, {}},
        {"Generate", "Insert File", &TMainForm::ActionInsertFileCurrent, {}},
        {"Generate", "Silence", &TMainForm::ActionInsertSilenceCurrent, {}},
        {"Apply Invert", "", nullptr, TEffectCommand::Invert},
        {"Apply Reverse", "", &TMainForm::ActionReverse, {}},
        {"Apply Mute", "", &TMainForm::ActionSilenceSelect, {}},
    };
    for (const TTreeCommand& command : commands) {
        if (group != command.Group || name != command.Node) continue;
        if (command.Action != nullptr)
            (this->*command.Action)->Execute();
        else
            FEffectCommands->RunEffect(command.Effect);
        return;
    }
}
