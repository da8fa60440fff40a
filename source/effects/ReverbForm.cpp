#include "source/effects/ReverbForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

namespace reverb_form_detail {

std::vector<TEffectParameter> Parameters() {
    std::vector<TEffectParameter> parameters =
        DelayFeedbackParameters(1000, &TGlobalVars::DefReverbDelayTime, &TGlobalVars::DefReverbMixDepth,
                                &TGlobalVars::DefReverbFeedbackGain);
    parameters.push_back(
        Slider("ReverbGain", "&Reverb Gain:", "0 %", "100 %", 0, 100, 3, &TGlobalVars::DefReverbGain));
    // The frequency ends at 22500 while its label reads 22050, and its edit takes three digits: the
    // thousands are set with the slider (or a preset).
    parameters.push_back(Slider("ReverbFrequency", "Reverb &Frequency:", "10 Hz", "22050 Hz", 10, 22500, 3,
                                &TGlobalVars::DefReverbFrequency));
    // The taps start at 0 while their label reads 1.
    parameters.push_back(
        Slider("Taps", "Taps Before delay Feedback:", "1", "10", 0, 10, 3, &TGlobalVars::DefReverbTaps));
    return parameters;
}

} // namespace reverb_form_detail

const TEffectDialogModel& TReverbForm::DialogModel() {
    static const TEffectDialogModel model{
        "Reverb",
        eiReverb,
        TOkForm::FocusFirst,
        {},
        reverb_form_detail::Parameters(),
        {
            // delay ms, mix %, feedback %, reverb gain %, frequency Hz, taps
            {"Allien Saying", {30, 60, 60, 30, 11025, 8}},
            {"Cellar", {30, 60, 25, 60, 11025, 10}},
            {"Metal", {25, 40, 8, 40, 11025, 10}},
            {"Metal Flanger", {4, 41, 28, 20, 11025, 10}},
            {"Metal Resonance (Second Metal Voice)", {4, 10, 97, 0, 11025, 10}},
            {"Room Left Channel", {15, 10, 28, 88, 11025, 10}},
            {"Room Right Channel", {15, 11, 35, 92, 11025, 10}},
            {"Small Room Left Channel", {2, 10, 31, 59, 11025, 10}},
            {"Small Room Right Channel", {2, 10, 29, 61, 11025, 10}},
        },
        {}};
    return model;
}

TReverbForm::TReverbForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TDelayFeedbackForm(AOwner, DialogModel(), Host) {
    Bind(3, LabelReverbGain, EditReverbGain, ImageSliderReverbGain, LabelReverbGainMin, LabelReverbGainMax);
    Bind(4, LabelReverbFrequency, EditReverbFrequency, ImageSliderReverbFrequency, LabelReverbFrequencyMin,
         LabelReverbFrequencyMax);
    Bind(5, LabelTaps, EditTaps, ImageSliderTaps, LabelTapsMin, LabelTapsMax);
}
