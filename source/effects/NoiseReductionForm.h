// The noise reduction dialog: threshold (dB, signed), rate (percent) and the root-mean-square time (ms)
// over which the level is measured.
#pragma once

#include "source/effects/EffectForm.h"

class TNoiseReductionForm : public TEffectForm {
public:
    explicit TNoiseReductionForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelThreshold = nullptr;
    TEdit* EditThreshold = nullptr;
    TImageSlider* ImageSliderThreshold = nullptr;
    TLabel* LabelThresholdMin = nullptr;
    TLabel* LabelThresholdMax = nullptr;
    TLabel* LabelRate = nullptr;
    TEdit* EditRate = nullptr;
    TImageSlider* ImageSliderRate = nullptr;
    TLabel* LabelRateMin = nullptr;
    TLabel* LabelRateMax = nullptr;
    TLabel* LabelRMSTime = nullptr;
    TEdit* EditRMSTime = nullptr;
    TImageSlider* ImageSliderRMSTime = nullptr;
    TLabel* LabelRMSTimeMin = nullptr;
    TLabel* LabelRMSTimeMax = nullptr;
};
