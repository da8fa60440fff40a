#include "source/effects/CossFadeForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

namespace coss_fade_form_detail {

std::vector<TEffectParameter> Parameters() {
    TEffectParameter initial =
        Slider("Initial", "Initial &Amplification:", "0 %", "100 %", 0, 100, 3, &TGlobalVars::DefFadeInt);
    initial.LabelName = "LabelMixDepth";
    return {initial,
            Slider("Final", "&Final Amplification:", "0 %", "100 %", 0, 100, 3, &TGlobalVars::DefFadeFin)};
}

} // namespace coss_fade_form_detail

const TEffectDialogModel& TCossFadeForm::DialogModel() {
    static const TEffectDialogModel model{"Cross Fade",
                                          eiCrossFade,
                                          TOkForm::FocusFirst,
                                          {},
                                          coss_fade_form_detail::Parameters(),
                                          {
                                              // initial %, final %
                                              {"Full Fade In", {0, 100}},
                                              {"Soft Fade In 80%", {20, 100}},
                                              {"Soft Fade In 50%", {50, 100}},
                                              {"Full Fade Out", {100, 0}},
                                              {"Soft Fade Out 50%", {100, 50}},
                                              {"Soft Fade Out 80%", {100, 20}},
                                          },
                                          {}};
    return model;
}

TCossFadeForm::TCossFadeForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelMixDepth, EditInitial, ImageSliderInitial, LabelMixDepthMin, LabelMixDepthMax);
    Bind(1, LabelFinal, EditFinal, ImageSliderFinal, LabelFinalMin, LabelFinalMax);
}
