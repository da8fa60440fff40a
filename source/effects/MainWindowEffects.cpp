// The main window's effect commands: its effect actions hand their command to the effect road, which
// reaches the main window back through the effect host below.
#include "platform/vcl/Action.h"
#include "source/HelpAddress.h"
#include "source/effects/EffectCommands.h"
#include "source/effects/EffectHost.h"
#include "source/mainform/EffectCommands.h"
#include "source/mainform/MainForm.h"

namespace main_window_effects_detail {

class TMainWindowEffects : public IEffectCommands, public TEffectHost {
public:
    explicit TMainWindowEffects(TMainForm& Form)
        : FForm(Form), FCommands(*Form.AudioEditor, *Form.AudioTransform, *Form.AudioPlayer, *this) {}

    void RunEffect(TEffectCommand Command) override {
        switch (Command) {
        case TEffectCommand::Amplify:
            FCommands.Amplify();
            break;
        case TEffectCommand::Normalize:
            FCommands.Normalize();
            break;
        case TEffectCommand::DynamicRangeCompressor:
            FCommands.Compressor();
            break;
        case TEffectCommand::Echo:
            FCommands.Echo();
            break;
        case TEffectCommand::Reverb:
            FCommands.Reverb();
            break;
        case TEffectCommand::Reverse:
            FCommands.Reverse();
            break;
        case TEffectCommand::FadeIn:
            FCommands.FadeIn();
            break;
        case TEffectCommand::FadeOut:
            FCommands.FadeOut();
            break;
        case TEffectCommand::FadeOutAndTrim:
            // The fade, then the editing command that trims the selection's end.
            FForm.StopIfBusy();
            FForm.SelectAllIfEmpty();
            FCommands.FadeOut();
            FForm.ActionTrimEnd->Execute();
            break;
        case TEffectCommand::CrossFade:
            FCommands.CrossFade();
            break;
        case TEffectCommand::MixStereo:
            FCommands.MixStereo();
            break;
        case TEffectCommand::NoiseReduction:
            FCommands.NoiseReduction();
            break;
        case TEffectCommand::Phaser:
            FCommands.Phaser();
            break;
        case TEffectCommand::Flanger:
            FCommands.Flanger();
            break;
        case TEffectCommand::Chorus:
            FCommands.Chorus();
            break;
        case TEffectCommand::HighPass:
            FCommands.HighPass();
            break;
        case TEffectCommand::Equalizer:
            FCommands.Equalizer();
            break;
        case TEffectCommand::Envelope:
            FCommands.Envelope();
            break;
        case TEffectCommand::SpeedChange:
            FCommands.SpeedChange();
            break;
        case TEffectCommand::PitchChange:
            FCommands.PitchChange();
            break;
        case TEffectCommand::Vibrato:
            FCommands.Vibrato();
            break;
        case TEffectCommand::PeakEQ:
            FCommands.PeakEQ();
            break;
        case TEffectCommand::NotchFilter:
            FCommands.Notch();
            break;
        case TEffectCommand::BandPass:
            FCommands.BandPass();
            break;
        case TEffectCommand::LowPass:
            FCommands.LowPass();
            break;
        case TEffectCommand::LowShelf:
            FCommands.LowShelf();
            break;
        case TEffectCommand::HighShelf:
            FCommands.HighShelf();
            break;
        case TEffectCommand::Invert:
            FCommands.Invert();
            break;
        case TEffectCommand::CassetteNoiseReduction:
            FCommands.CassetteNoiseReduction();
            break;
        case TEffectCommand::VoiceBreathNoiseReduction:
            FCommands.VoiceBreathNoiseReduction();
            break;
        }
    }

    TEffectCommands* Road() override { return &FCommands; }

    TCustomForm* OwnerForm() override { return &FForm; }
    void StopIfBusy() override { FForm.StopIfBusy(); }
    void SelectAllIfEmpty() override { FForm.SelectAllIfEmpty(); }
    void SetModified(bool Modified) override { FForm.SetModified(Modified); }
    void PlayAfterEdit() override { FForm.ActionPlay->Execute(); }
    bool TransformBusy() const override { return FForm.TransformBusy; }
    int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) override {
        return ::HtmlHelp(Window, Address, Command, Data);
    }

private:
    TMainForm& FForm;
    TEffectCommands FCommands;
};

} // namespace main_window_effects_detail

std::unique_ptr<IEffectCommands> CreateEffectCommands(TMainForm& Form) {
    return std::make_unique<main_window_effects_detail::TMainWindowEffects>(Form);
}
