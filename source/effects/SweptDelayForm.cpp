#include "source/effects/SweptDelayForm.h"

TSweptDelayForm::TSweptDelayForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host)
    : TEffectForm(AOwner, Model, Host) {
    Bind(0, LabelDelayRate, EditDelayRate, ImageSliderDelayRate, LabelDelayRateMin, LabelDelayRateMax);
    Bind(1, LabelMixDepth, EditMixDepth, ImageSliderMixDepth, LabelMixDepthMin, LabelMixDepthMax);
    Bind(2, LabelFeedbackGain, EditFeedbackGain, ImageSliderFeedbackGain, LabelFeedbackGainMin,
         LabelFeedbackGainMax);
    Bind(3, LabelSweepDepth, EditSweepDepth, ImageSliderSweepDepth, LabelSweepDepthMin, LabelSweepDepthMax);
    Bind(4, LabelSweepRate, EditSweepRate, ImageSliderSweepRate, LabelSweepRateMin, LabelSweepRateMax);
    Bind(5, LabelSweepPhase, EditSweepPhase, ImageSliderSweepPhase, LabelSweepPhaseMin, LabelSweepPhaseMax);
}

std::vector<TEffectParameter> SweptDelayParameters(const TSweptDelayFields& f) {
    return {
        Slider("DelayRate", "&Delay Rate (%):", "0 %", "100 %", 0, 100, 4, f.DelayRate),
        Slider("MixDepth", "Depth &Percent (%):", "0 %", "100 %", 0, 100, 3, f.MixDepth),
        Slider("FeedbackGain", "&Gain Percent (%):", "0 %", "100 %", 0, 100, 3, f.FeedbackGain),
        Slider("SweepDepth", "Sweep Depth (%):", "0 %", "100 %", 0, 100, 3, f.SweepDepth),
        Slider("SweepRate", "Sweep Rate (%):", "0 %", "100 %", 0, 100, 3, f.SweepRate),
        Slider("SweepPhase", "Sweep Phase (Deg):", "0 Deg", "359 Deg", 0, 359, 3, f.SweepPhase),
    };
}
