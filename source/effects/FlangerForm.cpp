#include "source/effects/FlangerForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TFlangerForm::DialogModel() {
    static const TEffectDialogModel model{
        "Flanger",
        eiFlanger,
        TOkForm::FocusFirst,
        {},
        SweptDelayParameters({&TGlobalVars::DefFlangerDelayRate, &TGlobalVars::DefFlangerMixDepth,
                              &TGlobalVars::DefFlangerFeedbackGain, &TGlobalVars::DefFlangerSweepDepth,
                              &TGlobalVars::DefFlangerSweepRate, &TGlobalVars::DefFlangerSweepPhase}),
        {
            // delay rate, depth, gain, sweep depth, sweep rate, sweep phase
            {"Blur", {14, 50, 30, 99, 18, 40}},
            {"Classic Flanger", {14, 50, 30, 99, 10, 70}},
            {"Crying Flanger", {14, 35, 70, 99, 7, 70}},
            {"Deep Slow Flanger", {80, 70, 50, 10, 1, 20}},
            {"Fast Sweeping Loop", {100, 50, 85, 90, 30, 90}},
            {"Flanger-Vibrato", {6, 49, 10, 54, 53, 40}},
            {"Light Chorus", {70, 50, 1, 99, 0, 50}},
            {"Light Reflective Room", {100, 10, 90, 10, 10, 90}},
            {"Little Steel Balls", {100, 50, 85, 99, 100, 90}},
            {"Metal Bunker", {70, 45, 88, 99, 0, 50}},
            {"Old TV-Set", {14, 50, 75, 99, 0, 120}},
            {"Receiver", {100, 50, 85, 80, 15, 90}},
            {"Reflective Room", {14, 8, 41, 1, 42, 40}},
            {"Slow & Easy Flanger", {10, 50, 1, 99, 1, 35}},
            {"Slow Flanger", {3, 35, 10, 40, 4, 40}},
            {"Soft Spread", {15, 72, 18, 22, 11, 12}},
            {"Up & Down", {80, 50, 70, 10, 19, 20}},
        },
        {}};
    return model;
}

TFlangerForm::TFlangerForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TSweptDelayForm(AOwner, DialogModel(), Host) {}
