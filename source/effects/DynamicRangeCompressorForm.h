// The dynamic range compressor dialog: threshold (dB, signed) and rate (percent).
#pragma once

#include "source/effects/EffectForm.h"

class TDynamicRangeCompressorForm : public TEffectForm {
public:
    explicit TDynamicRangeCompressorForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
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
};
