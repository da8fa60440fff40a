#include "source/effects/LowPassForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TLowPassForm::DialogModel() {
    static const TEffectDialogModel model =
        SteepFilterModel("LowPass Filter", eiLowPass, "LowPass Filter", &TGlobalVars::DefLowPassFrequency,
                         &TGlobalVars::DefLowPassSteepness);
    return model;
}

TLowPassForm::TLowPassForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TSteepFilterForm(AOwner, DialogModel(), Host) {}
