#include "source/effects/DynamicRangeCompressorForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TDynamicRangeCompressorForm::DialogModel() {
    static const TEffectDialogModel model{
        "Dynamic Range Compressor",
        eiCompressor,
        TOkForm::FocusFirst,
        {},
        {
            Slider("Threshold", "&Threshold:", "-40 dB", "0 dB", -40, 0, 4,
                   &TGlobalVars::DefCompressorThreshold, true),
            Slider("Rate", "&Rate:", "0 %", "100 %", 0, 100, 3, &TGlobalVars::DefCompressorRate),
        },
        {
            // threshold dB, rate %
            {"General Voice Level", {-10, 50}},
            {"TV / Radio Advertisement", {-6, 50}},
        },
        {}};
    return model;
}

TDynamicRangeCompressorForm::TDynamicRangeCompressorForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelThreshold, EditThreshold, ImageSliderThreshold, LabelThresholdMin, LabelThresholdMax);
    Bind(1, LabelRate, EditRate, ImageSliderRate, LabelRateMin, LabelRateMax);
}
