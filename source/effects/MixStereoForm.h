// The stereo channel mixer: the shares, in percent, of the old left and right channels in the new left
// channel and in the new right channel.
#pragma once

#include "source/effects/EffectForm.h"

class TMixStereoForm : public TEffectForm {
public:
    explicit TMixStereoForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelNewLeftChannelLeft = nullptr;
    TEdit* EditNewLeftChannelLeft = nullptr;
    TImageSlider* ImageSliderNewLeftChannelLeft = nullptr;
    TLabel* LabelNewLeftChannelLeftMin = nullptr;
    TLabel* LabelNewLeftChannelLeftMax = nullptr;
    TLabel* LabelNewLeftChannelRight = nullptr;
    TEdit* EditNewLeftChannelRight = nullptr;
    TImageSlider* ImageSliderNewLeftChannelRight = nullptr;
    TLabel* LabelNewLeftChannelRightMin = nullptr;
    TLabel* LabelNewLeftChannelRightMax = nullptr;
    TLabel* LabelNewRightChannelLeft = nullptr;
    TEdit* EditNewRightChannelLeft = nullptr;
    TImageSlider* ImageSliderNewRightChannelLeft = nullptr;
    TLabel* LabelNewRightChannelLeftMin = nullptr;
    TLabel* LabelNewRightChannelLeftMax = nullptr;
    TLabel* LabelNewRightChannelRight = nullptr;
    TEdit* EditNewRightChannelRight = nullptr;
    TImageSlider* ImageSliderNewRightChannelRight = nullptr;
    TLabel* LabelNewRightChannelRightMin = nullptr;
    TLabel* LabelNewRightChannelRightMax = nullptr;
};
