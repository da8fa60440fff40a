#include "source/effects/NotchForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TNotchForm::DialogModel() {
    static const TEffectDialogModel model =
        SteepFilterModel("Notch Filter", eiNotch, "Notch Filter", &TGlobalVars::DefNotchFrequency,
                         &TGlobalVars::DefNotchSteepness);
    return model;
}

TNotchForm::TNotchForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TSteepFilterForm(AOwner, DialogModel(), Host) {}
