// The vibrato dialog: depth, frequency and phase of the pitch sweep. Its fields live only while the
// program runs (they have no settings key).
#pragma once

#include "source/effects/EffectForm.h"

class TVibratoForm : public TEffectForm {
public:
    explicit TVibratoForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelSweepDepth = nullptr;
    TEdit* EditSweepDepth = nullptr;
    TImageSlider* ImageSliderSweepDepth = nullptr;
    TLabel* LabelSweepDepthMin = nullptr;
    TLabel* LabelSweepDepthMax = nullptr;
    TLabel* LabelSweepRate = nullptr;
    TEdit* EditSweepRate = nullptr;
    TImageSlider* ImageSliderSweepRate = nullptr;
    TLabel* LabelSweepRateMin = nullptr;
    TLabel* LabelSweepRateMax = nullptr;
    TLabel* LabelSweepPhase = nullptr;
    TEdit* EditSweepPhase = nullptr;
    TImageSlider* ImageSliderSweepPhase = nullptr;
    TLabel* LabelSweepPhaseMin = nullptr;
    TLabel* LabelSweepPhaseMax = nullptr;
};
