#include "source/effects/DelayFeedbackForm.h"

#include "platform/rtl/StrConvert.h"

TDelayFeedbackForm::TDelayFeedbackForm(TComponent* AOwner, const TEffectDialogModel& Model,
                                       TEffectDialogHost* Host)
    : TEffectForm(AOwner, Model, Host) {
    Bind(0, LabelDelayTime, EditDelayTime, ImageSliderDelayTime, LabelDelayTimeMin, LabelDelayTimeMax);
    Bind(1, LabelMixDepth, EditMixDepth, ImageSliderMixDepth, LabelMixDepthMin, LabelMixDepthMax);
    Bind(2, LabelFeedbackGain, EditFeedbackGain, ImageSliderFeedbackGain, LabelFeedbackGainMin,
         LabelFeedbackGainMax);
}

std::vector<TEffectParameter> DelayFeedbackParameters(int MaxDelayMs, int TGlobalVars::*DelayTime,
                                                      int TGlobalVars::*MixDepth,
                                                      int TGlobalVars::*FeedbackGain) {
    return {
        Slider("DelayTime", "&Delay Time:", "0 ms", IntToStr(MaxDelayMs) + " ms", 0, MaxDelayMs, 4,
               DelayTime),
        Slider("MixDepth", "&Mix Depth:", "0 %", "100 %", 0, 100, 3, MixDepth),
        Slider("FeedbackGain", "&Feedback &Gain:", "0 %", "100 %", 0, 100, 3, FeedbackGain),
    };
}
