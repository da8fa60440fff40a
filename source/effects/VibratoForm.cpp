#include "source/effects/VibratoForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TVibratoForm::DialogModel() {
    static const TEffectDialogModel model{"Vibrato",
                                          eiVibrato,
                                          TOkForm::FocusFirst,
                                          {},
                                          {
                                              Slider("SweepDepth", "Sweep Depth (%):", "0 %", "100 %", 0, 100,
                                                     3, &TGlobalVars::DefVibratoSweepDepth),
                                              Slider("SweepRate", "Sweep Frequency (hz):", "0 hz", "50 hz", 0,
                                                     50, 3, &TGlobalVars::DefVibratoSweepRate),
                                              Slider("SweepPhase", "Sweep Phase (Deg):", "0 Deg", "359 Deg",
                                                     0, 359, 3, &TGlobalVars::DefVibratoSweepPhase),
                                          },
                                          {
                                              // sweep depth %, sweep frequency Hz, sweep phase degrees
                                              {"Fast Vibrato", {40, 15, 95}},
                                              {"Robotic Voice", {70, 20, 90}},
                                              {"Slow Vibrato", {40, 1, 95}},
                                          },
                                          {}};
    return model;
}

TVibratoForm::TVibratoForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelSweepDepth, EditSweepDepth, ImageSliderSweepDepth, LabelSweepDepthMin, LabelSweepDepthMax);
    Bind(1, LabelSweepRate, EditSweepRate, ImageSliderSweepRate, LabelSweepRateMin, LabelSweepRateMax);
    Bind(2, LabelSweepPhase, EditSweepPhase, ImageSliderSweepPhase, LabelSweepPhaseMin, LabelSweepPhaseMax);
}
