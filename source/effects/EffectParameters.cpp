#include "source/effects/EffectParameters.h"

#include "audio/effects/AudioTransform2.h"
#include "audio/effects/EditorTransform.h"
#include "source/GlobalVars.h"

#include <cmath>
#include <cstdio>

namespace effect_parameters_detail {

float F(int value) {
    return static_cast<float>(value);
}

} // namespace effect_parameters_detail

float EqualizerBandGain(int BandSetting) {
    return static_cast<float>(BandSetting) / 100.0f;
}

std::vector<float> EqualizerGains(const TEqualizerBands& Bands) {
    std::vector<float> gains;
    for (int band : Bands)
        gains.push_back(EqualizerBandGain(band));
    return gains;
}

const std::array<int TGlobalVars::*, EqualizerBandCount>& EqualizerFields() {
    static const std::array<int TGlobalVars::*, EqualizerBandCount> fields{
        &TGlobalVars::EqualizerBuf1,  &TGlobalVars::EqualizerBuf2,  &TGlobalVars::EqualizerBuf3,
        &TGlobalVars::EqualizerBuf4,  &TGlobalVars::EqualizerBuf5,  &TGlobalVars::EqualizerBuf6,
        &TGlobalVars::EqualizerBuf7,  &TGlobalVars::EqualizerBuf8,  &TGlobalVars::EqualizerBuf9,
        &TGlobalVars::EqualizerBuf10, &TGlobalVars::EqualizerBuf11, &TGlobalVars::EqualizerBuf12};
    return fields;
}

TEqualizerBands EqualizerBands(const TGlobalVars& Vars) {
    TEqualizerBands bands{};
    for (std::size_t i = 0; i < bands.size(); ++i)
        bands[i] = Vars.*EqualizerFields()[i];
    return bands;
}

std::vector<float> EqualizerGains(const TGlobalVars& Vars) {
    return EqualizerGains(EqualizerBands(Vars));
}

std::vector<float> EqualizerFrequencies() {
    return {31.25f, 62.5f, 125, 250, 500, 1000, 2000, 4000, 6000, 9000, 12000, 16000};
}

bool ApplyEditorEffect(TEditorTransform& t, int Id, const TGlobalVars& v) {
    using effect_parameters_detail::F;
    switch (Id) {
    case eiCompressor:
        t.Compressor(F(v.DefCompressorThreshold), F(v.DefCompressorRate), 100.0f);
        return true;
    case eiAmplify:
        t.Amplify(F(v.DefAmplify));
        return true;
    case eiHighPass:
        t.HighPass(F(v.DefHighPass), 100.0f);
        return true;
    case eiEqualizer: {
        std::vector<float> gains = EqualizerGains(v), frequencies = EqualizerFrequencies();
        t.Equalizer(gains, frequencies);
        return true;
    }
    case eiEcho:
        t.Echo(F(v.DefEchoDelayTime), F(v.DefEchoMixDepth), F(v.DefEchoFeedbackGain));
        return true;
    case eiReverb:
        t.Reverb(F(v.DefReverbDelayTime), F(v.DefReverbMixDepth), F(v.DefReverbFeedbackGain),
                 F(v.DefReverbGain), F(v.DefReverbFrequency), v.DefReverbTaps);
        return true;
    case eiCrossFade:
        t.Fade(F(v.DefFadeInt), F(v.DefFadeFin));
        return true;
    case eiMixStereo:
        t.MixStereo(F(v.DefMixChanLL), F(v.DefMixChanLR), F(v.DefMixChanRL), F(v.DefMixChanRR));
        return true;
    case eiNoiseReduction:
        t.NoiseReduction(F(v.DefNoiseReductionThreshold), F(v.DefNoiseReductionRate),
                         F(v.DefNoiseReductionRMSTime));
        return true;
    case eiSpeedChange:
        t.Speed(F(v.DefSpeedChange));
        return true;
    case eiPitchChange:
        t.Pitch(F(v.DefPitchChange));
        return true;
    case eiPhaser:
        t.Phaser(F(v.DefPhaserDelayTime), F(v.DefPhaserMixDepth), F(v.DefPhaserFeedbackGain));
        return true;
    case eiFlanger:
        t.Flanger(F(v.DefFlangerDelayRate), F(v.DefFlangerMixDepth), F(v.DefFlangerFeedbackGain),
                  F(v.DefFlangerSweepDepth), F(v.DefFlangerSweepRate), F(v.DefFlangerSweepPhase));
        return true;
    case eiChorus:
        t.Chorus(F(v.DefChorusDelayRate), F(v.DefChorusMixDepth), F(v.DefChorusFeedbackGain),
                 F(v.DefChorusSweepDepth), F(v.DefChorusSweepRate), F(v.DefChorusSweepPhase));
        return true;
    case eiNotch:
        t.Notch(F(v.DefNotchFrequency), F(v.DefNotchSteepness));
        return true;
    case eiBandPass:
        t.BandPass(F(v.DefBandPassFrequency), F(v.DefBandPassSteepness));
        return true;
    case eiLowPass:
        t.LowPass(F(v.DefLowPassFrequency), F(v.DefLowPassSteepness));
        return true;
    case eiLowShelf:
        t.LowShelf(F(v.DefLowShelfFrequency), F(v.DefLowShelfGain), F(v.DefLowShelfSteepness));
        return true;
    case eiHighShelf:
        t.HighShelf(F(v.DefHighShelfFrequency), F(v.DefHighShelfGain), F(v.DefHighShelfSteepness));
        return true;
    case eiPeakEQ:
        t.PeakEQ(F(v.DefPeakEQGain), F(v.DefPeakEQFrequency), F(v.DefPeakEQSteepness));
        return true;
    case eiVibrato:
        t.Vibrato(F(v.DefVibratoSweepDepth), F(v.DefVibratoSweepRate), F(v.DefVibratoSweepPhase));
        return true;
    default:
        return false;
    }
}

bool ApplyPreviewEffect(TAudioTransform2& t, std::vector<float>& s, int Id, const TGlobalVars& v) {
    using effect_parameters_detail::F;
    switch (Id) {
    case eiCompressor:
        t.Compressor(s, F(v.DefCompressorThreshold), F(v.DefCompressorRate), 100.0f);
        return true;
    case eiAmplify:
        t.Amplify(s, F(v.DefAmplify));
        return true;
    case eiHighPass:
        t.HighPass(s, F(v.DefHighPass), 100.0f);
        return true;
    case eiEqualizer: {
        std::vector<float> gains = EqualizerGains(v), frequencies = EqualizerFrequencies();
        t.Equalizer(s, gains, frequencies);
        return true;
    }
    case eiEcho:
        t.Echo(s, F(v.DefEchoDelayTime), F(v.DefEchoMixDepth), F(v.DefEchoFeedbackGain));
        return true;
    case eiReverb:
        t.Reverb(s, F(v.DefReverbDelayTime), F(v.DefReverbMixDepth), F(v.DefReverbFeedbackGain),
                 F(v.DefReverbGain), F(v.DefReverbFrequency), v.DefReverbTaps);
        return true;
    case eiCrossFade:
        t.Fade(s, F(v.DefFadeInt), F(v.DefFadeFin));
        return true;
    case eiMixStereo:
        t.MixStereo(s, F(v.DefMixChanLL), F(v.DefMixChanLR), F(v.DefMixChanRL), F(v.DefMixChanRR));
        return true;
    case eiNoiseReduction:
        t.NoiseReduction(s, F(v.DefNoiseReductionThreshold), F(v.DefNoiseReductionRate),
                         F(v.DefNoiseReductionRMSTime));
        return true;
    case eiSpeedChange:
        t.Speed(s, F(v.DefSpeedChange));
        return true;
    case eiPitchChange:
        t.Pitch(s, F(v.DefPitchChange));
        return true;
    case eiPhaser:
        t.Phaser(s, F(v.DefPhaserDelayTime), F(v.DefPhaserMixDepth), F(v.DefPhaserFeedbackGain));
        return true;
    case eiFlanger:
        t.Flanger(s, F(v.DefFlangerDelayRate), F(v.DefFlangerMixDepth), F(v.DefFlangerFeedbackGain),
                  F(v.DefFlangerSweepDepth), F(v.DefFlangerSweepRate), F(v.DefFlangerSweepPhase));
        return true;
    case eiChorus:
        t.Chorus(s, F(v.DefChorusDelayRate), F(v.DefChorusMixDepth), F(v.DefChorusFeedbackGain),
                 F(v.DefChorusSweepDepth), F(v.DefChorusSweepRate), F(v.DefChorusSweepPhase));
        return true;
    case eiNotch:
        t.Notch(s, F(v.DefNotchFrequency), F(v.DefNotchSteepness));
        return true;
    case eiBandPass:
        t.BandPass(s, F(v.DefBandPassFrequency), F(v.DefBandPassSteepness));
        return true;
    case eiLowPass:
        t.LowPass(s, F(v.DefLowPassFrequency), F(v.DefLowPassSteepness));
        return true;
    case eiLowShelf:
        t.LowShelf(s, F(v.DefLowShelfGain), F(v.DefLowShelfFrequency), F(v.DefLowShelfSteepness));
        return true;
    case eiHighShelf:
        t.HighShelf(s, F(v.DefHighShelfGain), F(v.DefHighShelfFrequency), F(v.DefHighShelfSteepness));
        return true;
    case eiPeakEQ:
        t.PeakEQ(s, F(v.DefPeakEQGain), F(v.DefPeakEQFrequency), F(v.DefPeakEQSteepness));
        return true;
    case eiVibrato:
        t.Vibrato(s, F(v.DefVibratoSweepDepth), F(v.DefVibratoSweepRate), F(v.DefVibratoSweepPhase));
        return true;
    default:
        return false;
    }
}

void EnvelopeGainsFromDecibels(std::vector<float>& Levels) {
    for (float& level : Levels)
        level = static_cast<float>(std::pow(10.0, level / 20.0));
}

std::string ClipWarningText(double ResultPeak) {
    constexpr double FullScale = 1.0;
    if (!(ResultPeak > FullScale + 1e-6)) return {};
    char text[256];
    std::snprintf(text, sizeof text,
                  "The result would clip: its peak would reach %+.1f dB (%.0f%% of full scale), and the "
                  "louder parts would be cut off.\n\nApply it anyway? Choose No to change the level.",
                  20.0 * std::log10(ResultPeak), ResultPeak * 100.0);
    return text;
}
