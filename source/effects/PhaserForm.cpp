#include "source/effects/PhaserForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TPhaserForm::DialogModel() {
    static const TEffectDialogModel model{"Phaser",
                                          eiPhaser,
                                          TOkForm::FocusFirst,
                                          {},
                                          DelayFeedbackParameters(5000, &TGlobalVars::DefPhaserDelayTime,
                                                                  &TGlobalVars::DefPhaserMixDepth,
                                                                  &TGlobalVars::DefPhaserFeedbackGain),
                                          {
                                              // delay ms, mix %, feedback %
                                              {"Gymnastic Hall", {300, 30, 45}},
                                              {"Large Hall", {239, 80, 85}},
                                              {"Shower Room", {60, 30, 60}},
                                              {"Stadium", {400, 25, 50}},
                                          },
                                          {}};
    return model;
}

TPhaserForm::TPhaserForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TDelayFeedbackForm(AOwner, DialogModel(), Host) {}
