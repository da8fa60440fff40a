// The dialogs built on one delayed, fed-back copy of the signal (echo, phaser, reverb) share their first
// three parameters and the names of their controls: DelayTime, MixDepth and FeedbackGain.
#pragma once

#include "source/effects/EffectForm.h"

class TDelayFeedbackForm : public TEffectForm {
public:
    TLabel* LabelDelayTime = nullptr;
    TEdit* EditDelayTime = nullptr;
    TImageSlider* ImageSliderDelayTime = nullptr;
    TLabel* LabelDelayTimeMin = nullptr;
    TLabel* LabelDelayTimeMax = nullptr;
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

protected:
    TDelayFeedbackForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host);
};

// The three parameters, with the delay's top value and the fields they are stored in.
std::vector<TEffectParameter> DelayFeedbackParameters(int MaxDelayMs, int TGlobalVars::*DelayTime,
                                                      int TGlobalVars::*MixDepth,
                                                      int TGlobalVars::*FeedbackGain);
