#include "source/effects/HighPassForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& THighPassForm::DialogModel() {
    static const TEffectDialogModel model{
        "High-Pass Filter",
        eiHighPass,
        TOkForm::CloseAtOnce,
        {},
        {PlainEdit("Frequency", "Frequency (Hz):", 4, &TGlobalVars::DefHighPass)},
        {
            {"General Audio Cleanup", {200}},
            {"Radio / Telephone Quality Audio", {4000}},
        },
        {}};
    return model;
}

THighPassForm::THighPassForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TFilterForm(AOwner, DialogModel(), Host) {}
