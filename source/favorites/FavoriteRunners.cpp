#include "source/favorites/FavoriteRunners.h"

#include "audio/AudioEditor2.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Edit.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/AmplifyForm.h"
#include "source/effects/BandPassForm.h"
#include "source/effects/ChorusForm.h"
#include "source/effects/CossFadeForm.h"
#include "source/effects/DynamicRangeCompressorForm.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EffectCommands.h"
#include "source/effects/EffectParameters.h"
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

#include <cstring>

namespace favorite_runners_detail {

template <class TDialog> TEffectForm* Make(TComponent* Owner, TEffectDialogHost* Host) {
    return TCustomForm::New<TDialog>(Owner, Host);
}

// In the order in which a favourite's Flag is matched (the order of FavoriteEffects()).
const TFavoriteRunner Runners[] = {
    {"Echo", eiEcho, &Make<TEchoForm>},
    {"Vibrato", eiVibrato, &Make<TVibratoForm>},
    {"Reverb", eiReverb, &Make<TReverbForm>},
    {"Amplify", eiAmplify, &Make<TAmplifyForm>},
    {"Fade", eiCrossFade, &Make<TCossFadeForm>},
    {"Normalize", eiNone, &Make<TNormalizeForm>},
    {"Compressor", eiCompressor, &Make<TDynamicRangeCompressorForm>},
    {"Chorus", eiChorus, &Make<TChorusForm>},
    {"Flanger", eiFlanger, &Make<TFlangerForm>},
    {"Phaser", eiPhaser, &Make<TPhaserForm>},
    {"Speed Change", eiSpeedChange, &Make<TSpeedChangeForm>},
    {"Pitch Change", eiPitchChange, &Make<TPitchChangeForm>},
    {"PeakEQ", eiPeakEQ, &Make<TPeakEQForm>},
    {"Notch Filter", eiNotch, &Make<TNotchForm>},
    {"Band Pass", eiBandPass, &Make<TBandPassForm>},
    {"Low Pass", eiLowPass, &Make<TLowPassForm>},
    {"High Pass", eiHighPass, &Make<THighPassForm>},
    {"Low Shelf", eiLowShelf, &Make<TLowShelfForm>},
    {"High Shelf", eiHighShelf, &Make<THighShelfForm>},
    {"Mix Stereo", eiMixStereo, &Make<TMixStereoForm>},
    {"Invert", eiNone, nullptr},
    {"Reverse", eiNone, nullptr},
    {"Noise Reduction", eiNoiseReduction, &Make<TNoiseReductionForm>},
};

} // namespace favorite_runners_detail

const TFavoriteRunner* FindFavoriteRunner(std::string_view Flag) {
    for (const TFavoriteRunner& runner : favorite_runners_detail::Runners)
        if (Flag == runner.Flag) return &runner;
    return nullptr;
}

void FillFavoriteDialog(TEffectForm& Dialog, const TFavoriteParams& Params) {
    const std::size_t count = Dialog.Model().Parameters.size();
    for (std::size_t i = 0; i < count && i < Params.size(); ++i) {
        const int index = static_cast<int>(i);
        if (TImageSlider* slider = Dialog.ParameterSlider(index))
            slider->SetValue(Params[i]);
        else if (TEdit* edit = Dialog.ParameterEdit(index))
            edit->SetText(IntToStr(Params[i]));
    }
}

std::string FavoriteDialogValues(TEffectForm& Dialog) {
    std::string text;
    const std::size_t count = Dialog.Model().Parameters.size();
    for (std::size_t i = 0; i < count; ++i) {
        const int index = static_cast<int>(i);
        std::string value;
        if (TImageSlider* slider = Dialog.ParameterSlider(index)) {
            value = IntToStr(slider->Value());
        } else if (TEdit* edit = Dialog.ParameterEdit(index)) {
            // Kept as typed, but only a whole number can be a favourite's value.
            value = edit->Text();
            StrToInt(value);
        }
        if (i > 0) text += ',';
        text += value;
    }
    return text;
}

TGlobalVars WithFavoriteValues(const TGlobalVars& Vars, const TFavoriteEffect& Effect,
                               const TFavoriteParams& Params) {
    TGlobalVars result = Vars;
    for (std::size_t i = 0; i < Effect.Fields.size() && i < Params.size(); ++i)
        result.*(Effect.Fields[i]) = Params[i];
    return result;
}

void ApplyFavoriteEffect(TAudioEditor2Transform& Transform, const TFavoriteRunner& Runner,
                         const TGlobalVars& Vars) {
    if (std::strcmp(Runner.Flag, "Normalize") == 0)
        Transform.Normalize(static_cast<float>(Vars.DefNormalize), -1);
    else if (std::strcmp(Runner.Flag, "Invert") == 0)
        Transform.Invert();
    else if (std::strcmp(Runner.Flag, "Reverse") == 0)
        Transform.Reverse();
    else
        ApplyEditorEffect(Transform, Runner.EffectId, Vars);
}

bool RunFavorite(TEffectCommands& Road, TAudioEditor2& Editor, const TFavorite& Favorite) {
    const TFavoriteEffect* effect = FindFavoriteEffect(Favorite.Flag);
    const TFavoriteRunner* runner = FindFavoriteRunner(Favorite.Flag);
    if (effect == nullptr || runner == nullptr) return false;
    TAudioEditor2Transform& transform = Editor.Transform();
    if (runner->MakeDialog == nullptr) {
        Road.RunWithoutDialog([&] { ApplyFavoriteEffect(transform, *runner, GlobalVars()); });
        return true;
    }
    // Parsed before anything happens: a list that does not parse leaves the document and the player alone.
    const TFavoriteParams params = FavoriteParamsFor(Favorite, *effect, GlobalVars());
    if (Favorite.ShowDialog) {
        return Road.RunDialogCommand([&](TComponent* owner) { return runner->MakeDialog(owner, &Road); },
                                     [&] { ApplyFavoriteEffect(transform, *runner, GlobalVars()); }, nullptr,
                                     [&](TEffectForm& dialog) { FillFavoriteDialog(dialog, params); });
    }
    const TGlobalVars values = WithFavoriteValues(GlobalVars(), *effect, params);
    Road.RunWithoutDialog([&] { ApplyFavoriteEffect(transform, *runner, values); });
    return true;
}
