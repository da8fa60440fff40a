#include "source/effects/EffectCommands.h"

#include <algorithm>
#include <cmath>

#include "audio/AudioEditor2.h"
#include "audio/SampleSequence.h"
#include "audio/devices/AudioPlayer2.h"
#include "audio/effects/AudioTransform2.h"
#include "audio/views/AudioTransformDisplay2.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/dialogs/DialogSupport.h"
#include "source/effects/AmplifyForm.h"
#include "source/effects/BandPassForm.h"
#include "source/effects/ChorusForm.h"
#include "source/effects/CossFadeForm.h"
#include "source/effects/DynamicRangeCompressorForm.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EffectParameters.h"
#include "source/effects/EnvelopeForm.h"
#include "source/effects/EqualizerForm.h"
#include "source/effects/FlangerForm.h"
#include "source/effects/HighPassForm.h"
#include "source/effects/HighShelfForm.h"
#include "source/effects/LowPassForm.h"
#include "source/effects/LowShelfForm.h"
#include "source/effects/MixStereoForm.h"
#include "source/effects/NoiseReductionForm.h"
#include "source/effects/NormalizeForm.h"
#include "source/effects/NotchForm.h"
#include "source/effects/PeakEQForm.h"
#include "source/effects/PhaserForm.h"
#include "source/effects/PitchChangeForm.h"
#include "source/effects/ReverbForm.h"
#include "source/effects/SpeedChangeForm.h"
#include "source/effects/VibratoForm.h"

namespace effect_commands_detail {

template <class TDialog> TEffectCommands::TMakeDialog Maker(TEffectCommands* host) {
    return [host](TComponent* owner) -> TEffectForm* { return TCustomForm::New<TDialog>(owner, host); };
}

} // namespace effect_commands_detail

TEffectCommands::TEffectCommands(TAudioEditor2& Editor, TAudioTransform2& Transform, TAudioPlayer2& Player,
                                 TEffectHost& Host)
    : FEditor(Editor), FHost(Host), FTransform(Transform), FPlayer(Player) {
    FPlayer.OnEndPlay = [this] { StopPreview(); };
}

TEffectCommands::~TEffectCommands() {
    FPlayer.OnEndPlay = nullptr;
    FPlayer.Stop();
}

// ---- The road -------------------------------------------------------------------------------------------

bool TEffectCommands::RunDialogCommand(const TMakeDialog& MakeDialog, const std::function<void()>& Apply,
                                       const std::function<void(TEffectForm& Dialog)>& ReadBack,
                                       const std::function<void(TEffectForm& Dialog)>& Fill,
                                       const std::function<bool()>& Confirm) {
    FHost.StopIfBusy();
    FHost.SelectAllIfEmpty();
    bool accepted = false;
    {
        // The dialog goes on every way out, and a preview it started stops with it.
        struct TDialogEnd {
            TEffectCommands* Commands;
            TEffectForm* Dialog = nullptr;
            ~TDialogEnd() {
                if (Commands->Previewing()) Commands->StopPreview();
                if (Dialog != nullptr) Dialog->Free();
            }
        } end{this};
        end.Dialog = MakeDialog(FHost.OwnerForm());
        if (FHost.OwnerForm() != nullptr) CenterOnOwner(*end.Dialog, *FHost.OwnerForm());
        if (Fill)
            Fill(*end.Dialog);
        else
            end.Dialog->LoadParams();
        while (end.Dialog->ShowModal() == mrOk) {
            end.Dialog->StoreParams();
            if (Confirm && !Confirm()) continue; // back to the dialog to mend the value
            if (ReadBack) ReadBack(*end.Dialog);
            accepted = true;
            break;
        }
    }
    if (!accepted) return false;
    Apply();
    EffectApplied();
    return true;
}

void TEffectCommands::ApplyStoredEffect(int Id) {
    ApplyEditorEffect(FEditor.Transform(), Id, GlobalVars());
}

void TEffectCommands::EffectApplied() {
    FHost.SetModified(true);
    if (GlobalVars().OP_PlayAfterEdit) FHost.PlayAfterEdit();
}

// ---- Commands ---------------------------------------------------------------------------------------------

namespace effect_commands_detail {

// A command whose dialog stores the fields the effect `Id` takes.
template <class TDialog> bool StoredEffectCommand(TEffectCommands& commands, int id) {
    return commands.RunDialogCommand(Maker<TDialog>(&commands),
                                     [&commands, id] { commands.ApplyStoredEffect(id); });
}

} // namespace effect_commands_detail

using effect_commands_detail::StoredEffectCommand;

double TEffectCommands::SelectionPeak() const {
    if (!FEditor.HasDocument()) return 0;
    const TSampleSequence& samples = FEditor.Document().Samples();
    const std::int64_t start = FEditor.Position().GetSelectionStart();
    const std::int64_t count = FEditor.Position().GetSelectionEnd() - start;
    double peak = 0;
    if (count <= 0) return peak;
    for (int channel = 0; channel < samples.Channels(); ++channel) {
        const TRangeSummary summary = samples.Summarize(channel, start, count);
        peak = std::max({peak, std::fabs(double(summary.Min)), std::fabs(double(summary.Max))});
    }
    return peak;
}

bool TEffectCommands::ConfirmClipping(double ResultPeak) const {
    const std::string text = ClipWarningText(ResultPeak);
    if (text.empty()) return true;
    return Application()->MessageBox(text, ApplicationTitle, MB_YESNO | MB_ICONWARNING) == IDYES;
}

bool TEffectCommands::Amplify() {
    return RunDialogCommand(
        effect_commands_detail::Maker<TAmplifyForm>(this), [this] { ApplyStoredEffect(eiAmplify); }, nullptr,
        nullptr, [this] { return ConfirmClipping(SelectionPeak() * GlobalVars().DefAmplify / 100.0); });
}

bool TEffectCommands::Normalize() {
    return RunDialogCommand(
        effect_commands_detail::Maker<TNormalizeForm>(this),
        [this] { FEditor.Transform().Normalize(static_cast<float>(GlobalVars().DefNormalize), -1); }, nullptr,
        nullptr,
        [this] { return ConfirmClipping(SelectionPeak() > 0 ? GlobalVars().DefNormalize / 100.0 : 0); });
}

bool TEffectCommands::Compressor() {
    return StoredEffectCommand<TDynamicRangeCompressorForm>(*this, eiCompressor);
}

bool TEffectCommands::Echo() {
    return StoredEffectCommand<TEchoForm>(*this, eiEcho);
}

bool TEffectCommands::Reverb() {
    return StoredEffectCommand<TReverbForm>(*this, eiReverb);
}

bool TEffectCommands::CrossFade() {
    return StoredEffectCommand<TCossFadeForm>(*this, eiCrossFade);
}

bool TEffectCommands::MixStereo() {
    return StoredEffectCommand<TMixStereoForm>(*this, eiMixStereo);
}

bool TEffectCommands::NoiseReduction() {
    return StoredEffectCommand<TNoiseReductionForm>(*this, eiNoiseReduction);
}

bool TEffectCommands::Phaser() {
    return StoredEffectCommand<TPhaserForm>(*this, eiPhaser);
}

bool TEffectCommands::Flanger() {
    return StoredEffectCommand<TFlangerForm>(*this, eiFlanger);
}

bool TEffectCommands::Chorus() {
    return StoredEffectCommand<TChorusForm>(*this, eiChorus);
}

bool TEffectCommands::HighPass() {
    return StoredEffectCommand<THighPassForm>(*this, eiHighPass);
}

bool TEffectCommands::Equalizer() {
    return StoredEffectCommand<TEqualizerForm>(*this, eiEqualizer);
}

bool TEffectCommands::Envelope() {
    std::vector<float> gains;
    return RunDialogCommand(
        [this](TComponent* owner) -> TEffectForm* {
            auto* dialog = TCustomForm::New<TEnvelopeForm>(owner, this);
            dialog->SetScaleToSelection(FEditor.Position());
            return dialog;
        },
        [this, &gains] { FEditor.Transform().Envelope(gains); },
        [&gains](TEffectForm& dialog) {
            gains = static_cast<TEnvelopeForm&>(dialog).TD->GetLineArray();
            EnvelopeGainsFromDecibels(gains);
        });
}

bool TEffectCommands::SpeedChange() {
    return StoredEffectCommand<TSpeedChangeForm>(*this, eiSpeedChange);
}

bool TEffectCommands::PitchChange() {
    return StoredEffectCommand<TPitchChangeForm>(*this, eiPitchChange);
}

bool TEffectCommands::Vibrato() {
    return StoredEffectCommand<TVibratoForm>(*this, eiVibrato);
}

bool TEffectCommands::PeakEQ() {
    return StoredEffectCommand<TPeakEQForm>(*this, eiPeakEQ);
}

bool TEffectCommands::Notch() {
    return StoredEffectCommand<TNotchForm>(*this, eiNotch);
}

bool TEffectCommands::BandPass() {
    return StoredEffectCommand<TBandPassForm>(*this, eiBandPass);
}

bool TEffectCommands::LowPass() {
    return StoredEffectCommand<TLowPassForm>(*this, eiLowPass);
}

bool TEffectCommands::LowShelf() {
    return StoredEffectCommand<TLowShelfForm>(*this, eiLowShelf);
}

bool TEffectCommands::HighShelf() {
    return StoredEffectCommand<THighShelfForm>(*this, eiHighShelf);
}

void TEffectCommands::RunWithoutDialog(const std::function<void()>& Apply) {
    FHost.StopIfBusy();
    FHost.SelectAllIfEmpty();
    Apply();
    EffectApplied();
}

void TEffectCommands::Reverse() {
    RunWithoutDialog([this] { FEditor.Transform().Reverse(); });
}

void TEffectCommands::FadeIn() {
    RunWithoutDialog([this] { FEditor.Transform().Fade(0.0f, 100.0f); });
}

void TEffectCommands::FadeOut() {
    RunWithoutDialog([this] { FEditor.Transform().Fade(100.0f, 0.0f); });
}

void TEffectCommands::Invert() {
    RunWithoutDialog([this] { FEditor.Transform().Invert(); });
}

void TEffectCommands::CassetteNoiseReduction() {
    RunWithoutDialog([this] { FEditor.Transform().NoiseReduction(-13.0f, 99.0f, 55.0f); });
}

void TEffectCommands::VoiceBreathNoiseReduction() {
    RunWithoutDialog([this] { FEditor.Transform().NoiseReduction(-30.0f, 25.0f, 30.0f); });
}

// ---- Preview ----------------------------------------------------------------------------------------------

void TEffectCommands::StartPreview() {
    const int rate = FEditor.FileInfo().GetSampleRate();
    const int channels = FEditor.FileInfo().GetChannels();
    FPlayer.SetFormat(rate, channels);
    FPlayer.Open();
    if (FPlayer.ErrorState() != 0) {
        ShowEffectError("Starting audio device error.");
        return;
    }
    FPreviewLength = FEditor.Position().GetSelectionEnd() - FEditor.Position().GetSelectionStart();
    std::vector<float> samples = FEditor.GetSamples(FPreviewLength);
    bool transformed = false;
    try {
        transformed = PreviewTransform(samples);
    } catch (...) {
        // The device opened for nothing: close it, and let the caller report the processor's error.
        StopPreview();
        throw;
    }
    if (!transformed) return;
    FPlayer.PlayArray(samples);
    if (FPlayer.ErrorState() != 0) {
        StopPreview();
        ShowEffectError("Starting audio device error.");
        return;
    }
    FPreviewing = true;
}

bool TEffectCommands::PreviewTransform(std::vector<float>& Samples) {
    FTransform.SetFormat(FEditor.FileInfo().GetSampleRate(), FEditor.FileInfo().GetChannels());
    ApplyPreviewEffect(FTransform, Samples, GlobalVars().PreviewOperationTypes, GlobalVars());
    if (!Samples.empty()) return true;
    ShowEffectError("Preview Transform Buffer error.");
    StopPreview();
    return false;
}

void TEffectCommands::StopPreview() {
    // Stopping the player raises its end event, which comes back here.
    if (!FStopping) {
        FStopping = true;
        FPlayer.Stop();
        FStopping = false;
    }
    FPreviewing = false;
}

int TEffectCommands::HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) {
    return FHost.HtmlHelp(Window, Address, Command, Data);
}
