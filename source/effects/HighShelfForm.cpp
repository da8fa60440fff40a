#include "source/effects/HighShelfForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& THighShelfForm::DialogModel() {
    static const TEffectDialogModel model = SteepFilterModel(
        "HighShelf Filter", eiHighShelf, "HighShelf Filter", &TGlobalVars::DefHighShelfFrequency,
        &TGlobalVars::DefHighShelfSteepness, &TGlobalVars::DefHighShelfGain);
    return model;
}

THighShelfForm::THighShelfForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TGainFilterForm(AOwner, DialogModel(), Host) {}
