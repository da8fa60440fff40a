#include "source/effects/ChorusForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TChorusForm::DialogModel() {
    static const TEffectDialogModel model{
        "Chorus",
        eiChorus,
        TOkForm::FocusFirst,
        {},
        SweptDelayParameters({&TGlobalVars::DefChorusDelayRate, &TGlobalVars::DefChorusMixDepth,
                              &TGlobalVars::DefChorusFeedbackGain, &TGlobalVars::DefChorusSweepDepth,
                              &TGlobalVars::DefChorusSweepRate, &TGlobalVars::DefChorusSweepPhase}),
        {
            // delay rate, depth, gain, sweep depth, sweep rate, sweep phase
            {"Bathroom", {10, 20, 60, 0, 0, 90}},
            {"Bathroom with Light Flanger", {31, 45, 60, 25, 12, 90}},
            {"Cassete Tape Hard Stretched", {31, 45, 60, 90, 25, 0}},
            {"Cassete Tape Light Stretched", {8, 50, 25, 1, 25, 90}},
            {"Electronic Voice", {7, 60, 0, 15, 90, 90}},
            {"Flying Hard Flanger", {90, 50, 90, 2, 12, 90}},
            {"Psychedelic", {31, 70, 50, 1, 1, 90}},
            {"Simple Chorus", {7, 45, 2, 0, 1, 90}},
            {"Slow Metallic Flanger", {31, 45, 60, 12, 9, 120}},
            {"Stereo Chorus Left", {5, 30, 60, 2, 12, 90}},
            {"Stereo Chorus Right", {7, 30, 60, 3, 10, 90}},
        },
        {}};
    return model;
}

TChorusForm::TChorusForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TSweptDelayForm(AOwner, DialogModel(), Host) {}
