#include "source/effects/EchoForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TEchoForm::DialogModel() {
    static const TEffectDialogModel model{"Echo",
                                          eiEcho,
                                          TOkForm::FocusFirst,
                                          {},
                                          DelayFeedbackParameters(5000, &TGlobalVars::DefEchoDelayTime,
                                                                  &TGlobalVars::DefEchoMixDepth,
                                                                  &TGlobalVars::DefEchoFeedbackGain),
                                          {
                                              // delay ms, mix %, feedback %
                                              {"Echo", {200, 70, 40}},
                                              {"Elvis Left Channel", {120, 50, 0}},
                                              {"Elvis Right Channel", {60, 50, 0}},
                                              {"Large Cavern", {300, 25, 30}},
                                              {"Large Tunnel", {80, 70, 60}},
                                              {"Many Echoes", {500, 50, 70}},
                                              {"Phylarmonic hall", {340, 10, 70}},
                                              {"Psychodelic reverb", {750, 30, 70}},
                                              {"Small Cavern", {200, 70, 10}},
                                              {"Small Echo", {200, 70, 0}},
                                              {"Small Tunnel", {26, 60, 10}},
                                              {"Very Large Cavern", {360, 35, 50}},
                                          },
                                          {}};
    return model;
}

TEchoForm::TEchoForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TDelayFeedbackForm(AOwner, DialogModel(), Host) {}
