#include "source/effects/NoiseReductionForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TNoiseReductionForm::DialogModel() {
    static const TEffectDialogModel model{
        "Noise Reduction",
        eiNoiseReduction,
        TOkForm::FocusFirst,
        {},
        {
            Slider("Threshold", "&Threshold:", "-96 dB", "10 dB", -96, 10, 4,
                   &TGlobalVars::DefNoiseReductionThreshold, true),
            Slider("Rate", "&Rate:", "1 %", "100 %", 1, 100, 3, &TGlobalVars::DefNoiseReductionRate),
            // Three characters: 1000 ms is reached with the slider (or a preset, or the edit's clamping).
            Slider("RMSTime", "&Root-Mean-Square Time:", "0 ms", "1000 ms", 0, 1000, 3,
                   &TGlobalVars::DefNoiseReductionRMSTime),
        },
        {
            // threshold dB, rate %, RMS ms
            {"Cassette Noise Reduce", {-13, 99, 55}},
            {"Expand for Music", {-12, 40, 100}},
            {"Expand -30dB", {-30, 100, 100}},
            {"Expand -40dB", {-40, 100, 100}},
            {"Expand -50dB", {-50, 100, 100}},
            {"Soft Expand for Music", {-15, 20, 100}},
            {"Voice Breath Reduce", {-30, 25, 30}},
        },
        {}};
    return model;
}

TNoiseReductionForm::TNoiseReductionForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelThreshold, EditThreshold, ImageSliderThreshold, LabelThresholdMin, LabelThresholdMax);
    Bind(1, LabelRate, EditRate, ImageSliderRate, LabelRateMin, LabelRateMax);
    Bind(2, LabelRMSTime, EditRMSTime, ImageSliderRMSTime, LabelRMSTimeMin, LabelRMSTimeMax);
}
