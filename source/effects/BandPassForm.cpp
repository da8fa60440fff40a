#include "source/effects/BandPassForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TBandPassForm::DialogModel() {
    static const TEffectDialogModel model =
        SteepFilterModel("BandPass Filter", eiBandPass, "BandPass Filter", &TGlobalVars::DefBandPassFrequency,
                         &TGlobalVars::DefBandPassSteepness);
    return model;
}

TBandPassForm::TBandPassForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TSteepFilterForm(AOwner, DialogModel(), Host) {}
