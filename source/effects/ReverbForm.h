// The reverb dialog: the delay, mix and feedback of the reverberation, the level of its early taps, the
// frequency above which its tail is damped, and the number of taps.
#pragma once

#include "source/effects/DelayFeedbackForm.h"

class TReverbForm : public TDelayFeedbackForm {
public:
    explicit TReverbForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelReverbGain = nullptr;
    TEdit* EditReverbGain = nullptr;
    TImageSlider* ImageSliderReverbGain = nullptr;
    TLabel* LabelReverbGainMin = nullptr;
    TLabel* LabelReverbGainMax = nullptr;
    TLabel* LabelReverbFrequency = nullptr;
    TEdit* EditReverbFrequency = nullptr;
    TImageSlider* ImageSliderReverbFrequency = nullptr;
    TLabel* LabelReverbFrequencyMin = nullptr;
    TLabel* LabelReverbFrequencyMax = nullptr;
    TLabel* LabelTaps = nullptr;
    TEdit* EditTaps = nullptr;
    TImageSlider* ImageSliderTaps = nullptr;
    TLabel* LabelTapsMin = nullptr;
    TLabel* LabelTapsMax = nullptr;
};
