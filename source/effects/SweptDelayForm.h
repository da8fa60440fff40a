// The flanger and the chorus: one delayed copy whose delay a sweep moves. Both dialogs have the same six
// parameters, controls and labels; only the settings fields differ.
#pragma once

#include "source/effects/EffectForm.h"

class TSweptDelayForm : public TEffectForm {
public:
    TLabel* LabelDelayRate = nullptr;
    TEdit* EditDelayRate = nullptr;
    TImageSlider* ImageSliderDelayRate = nullptr;
    TLabel* LabelDelayRateMin = nullptr;
    TLabel* LabelDelayRateMax = nullptr;
    TLabel* LabelMixDepth = nullptr;
    TEdit* EditMixDepth = nullptr;
    TImageSlider* ImageSliderMixDepth = nullptr;
    TLabel* LabelMixDepthMin = nullptr;
    TLabel* LabelMixDepthMax = nullptr;
    TLabel* LabelFeedbackGain = nullptr;
    TEdit* EditFeedbackGain = nullptr;
    TImageSlider* ImageSliderFeedbackGain = nullptr;
    TLabel* LabelFeedbackGainMin = nullptr;
    TLabel* LabelFeedbackGainMax = nullptr;
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

protected:
    TSweptDelayForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host);
};

// The six parameters, stored in the given fields.
struct TSweptDelayFields {
    int TGlobalVars::*DelayRate;
    int TGlobalVars::*MixDepth;
    int TGlobalVars::*FeedbackGain;
    int TGlobalVars::*SweepDepth;
    int TGlobalVars::*SweepRate;
    int TGlobalVars::*SweepPhase;
};
std::vector<TEffectParameter> SweptDelayParameters(const TSweptDelayFields& Fields);
