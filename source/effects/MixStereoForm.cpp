#include "source/effects/MixStereoForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TMixStereoForm::DialogModel() {
    static const TEffectDialogModel model{"Mix Stereo Channels",
                                          eiMixStereo,
                                          TOkForm::CloseAtOnce,
                                          {"New &Left Channel:", "New &Right Channel:"},
                                          {
                                              Slider("NewLeftChannelLeft", "&Left:", "0 %", "100 %", 0, 100,
                                                     3, &TGlobalVars::DefMixChanLL, false, 0),
                                              Slider("NewLeftChannelRight", "&R&ight:", "0 %", "100 %", 0,
                                                     100, 3, &TGlobalVars::DefMixChanLR, false, 0),
                                              Slider("NewRightChannelLeft", "&Left:", "0 %", "100 %", 0, 100,
                                                     3, &TGlobalVars::DefMixChanRL, false, 1),
                                              Slider("NewRightChannelRight", "&R&ight:", "0 %", "100 %", 0,
                                                     100, 3, &TGlobalVars::DefMixChanRR, false, 1),
                                          },
                                          {
                                              // LL, LR, RL, RR %
                                              {"50/50 Mixing", {50, 50, 50, 50}},
                                              {"Both = Left", {100, 0, 100, 0}},
                                              {"Both = Right", {0, 100, 0, 100}},
                                              {"Full Mix", {100, 100, 100, 100}},
                                              {"Less Stereo -20%", {80, 20, 20, 80}},
                                              {"Less Stereo -30%", {70, 30, 30, 70}},
                                              {"Swap Channels", {0, 100, 100, 0}},
                                          },
                                          {}};
    return model;
}

TMixStereoForm::TMixStereoForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelNewLeftChannelLeft, EditNewLeftChannelLeft, ImageSliderNewLeftChannelLeft,
         LabelNewLeftChannelLeftMin, LabelNewLeftChannelLeftMax);
    Bind(1, LabelNewLeftChannelRight, EditNewLeftChannelRight, ImageSliderNewLeftChannelRight,
         LabelNewLeftChannelRightMin, LabelNewLeftChannelRightMax);
    Bind(2, LabelNewRightChannelLeft, EditNewRightChannelLeft, ImageSliderNewRightChannelLeft,
         LabelNewRightChannelLeftMin, LabelNewRightChannelLeftMax);
    Bind(3, LabelNewRightChannelRight, EditNewRightChannelRight, ImageSliderNewRightChannelRight,
         LabelNewRightChannelRightMin, LabelNewRightChannelRightMax);
}
