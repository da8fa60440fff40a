#include "source/effects/LowShelfForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TLowShelfForm::DialogModel() {
    static const TEffectDialogModel model =
        SteepFilterModel("LowShelf Filter", eiLowShelf, "LowShelf Filter", &TGlobalVars::DefLowShelfFrequency,
                         &TGlobalVars::DefLowShelfSteepness, &TGlobalVars::DefLowShelfGain);
    return model;
}

TLowShelfForm::TLowShelfForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TGainFilterForm(AOwner, DialogModel(), Host) {}
