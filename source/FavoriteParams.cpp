#include "source/FavoriteParams.h"

#include "platform/rtl/StrConvert.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"

namespace favorite_params_detail {
using V = TGlobalVars;
} // namespace favorite_params_detail

const std::vector<TFavoriteEffect>& FavoriteEffects() {
    using favorite_params_detail::V;
    static const std::vector<TFavoriteEffect> effects{
        {"Echo", {&V::DefEchoDelayTime, &V::DefEchoMixDepth, &V::DefEchoFeedbackGain}},
        {"Vibrato", {&V::DefVibratoSweepDepth, &V::DefVibratoSweepRate, &V::DefVibratoSweepPhase}},
        {"Reverb",
         {&V::DefReverbDelayTime, &V::DefReverbMixDepth, &V::DefReverbFeedbackGain, &V::DefReverbGain,
          &V::DefReverbFrequency, &V::DefReverbTaps}},
        {"Amplify", {&V::DefAmplify}},
        {"Fade", {&V::DefFadeInt, &V::DefFadeFin}},
        {"Normalize", {&V::DefNormalize}},
        {"Compressor", {&V::DefCompressorThreshold, &V::DefCompressorRate}},
        {"Chorus",
         {&V::DefChorusDelayRate, &V::DefChorusMixDepth, &V::DefChorusFeedbackGain, &V::DefChorusSweepDepth,
          &V::DefChorusSweepRate, &V::DefChorusSweepPhase}},
        {"Flanger",
         {&V::DefFlangerDelayRate, &V::DefFlangerMixDepth, &V::DefFlangerFeedbackGain,
          &V::DefFlangerSweepDepth, &V::DefFlangerSweepRate, &V::DefFlangerSweepPhase}},
        {"Phaser", {&V::DefPhaserDelayTime, &V::DefPhaserMixDepth, &V::DefPhaserFeedbackGain}},
        {"Speed Change", {&V::DefSpeedChange}},
        {"Pitch Change", {&V::DefPitchChange}},
        {"PeakEQ", {&V::DefPeakEQFrequency, &V::DefPeakEQSteepness, &V::DefPeakEQGain}},
        {"Notch Filter", {&V::DefNotchFrequency, &V::DefNotchSteepness}},
        {"Band Pass", {&V::DefBandPassFrequency, &V::DefBandPassSteepness}},
        {"Low Pass", {&V::DefLowPassFrequency, &V::DefLowPassSteepness}},
        {"High Pass", {&V::DefHighPass}},
        {"Low Shelf", {&V::DefLowShelfFrequency, &V::DefLowShelfSteepness, &V::DefLowShelfGain}},
        {"High Shelf", {&V::DefHighShelfFrequency, &V::DefHighShelfSteepness, &V::DefHighShelfGain}},
        {"Mix Stereo", {&V::DefMixChanLL, &V::DefMixChanLR, &V::DefMixChanRL, &V::DefMixChanRR}},
        {"Invert", {}},
        {"Reverse", {}},
        {"Noise Reduction",
         {&V::DefNoiseReductionThreshold, &V::DefNoiseReductionRate, &V::DefNoiseReductionRMSTime}},
    };
    return effects;
}

const TFavoriteEffect* FindFavoriteEffect(std::string_view flag) {
    for (const TFavoriteEffect& effect : FavoriteEffects())
        if (flag == effect.Flag) return &effect;
    return nullptr;
}

TFavoriteParams FavoriteEffectDefaults(const TFavoriteEffect& effect, const TGlobalVars& vars) {
    TFavoriteParams params{};
    for (std::size_t i = 0; i < effect.Fields.size() && i < params.size(); ++i)
        params[i] = vars.*(effect.Fields[i]);
    return params;
}

TFavoriteParams ParseFavoriteParams(std::string_view text, const TFavoriteParams& defaults) {
    TFavoriteParams params = defaults;
    std::size_t cell = 0;
    for (;;) {
        const std::size_t comma = text.find(',');
        const int value = StrToInt(text.substr(0, comma));
        if (cell < params.size()) params[cell] = value;
        ++cell;
        if (comma == std::string_view::npos) return params;
        text.remove_prefix(comma + 1);
    }
}

TFavoriteParams FavoriteParamsFor(const TFavorite& favorite, const TFavoriteEffect& effect,
                                  const TGlobalVars& vars) {
    TFavoriteParams defaults = FavoriteEffectDefaults(effect, vars);
    if (effect.Fields.empty()) return defaults;
    return ParseFavoriteParams(favorite.Effect, defaults);
}
