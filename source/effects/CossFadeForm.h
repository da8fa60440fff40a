// The cross fade dialog: a fade from an initial to a final amplification across the selection. (The
// class name is the one the rest of the program knows the dialog by.)
#pragma once

#include "source/effects/EffectForm.h"

class TCossFadeForm : public TEffectForm {
public:
    explicit TCossFadeForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    // The initial amplification's label is called LabelMixDepth.
    TLabel* LabelMixDepth = nullptr;
    TEdit* EditInitial = nullptr;
    TImageSlider* ImageSliderInitial = nullptr;
    TLabel* LabelMixDepthMin = nullptr;
    TLabel* LabelMixDepthMax = nullptr;
    TLabel* LabelFinal = nullptr;
    TEdit* EditFinal = nullptr;
    TImageSlider* ImageSliderFinal = nullptr;
    TLabel* LabelFinalMin = nullptr;
    TLabel* LabelFinalMax = nullptr;
};
