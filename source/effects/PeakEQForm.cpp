#include "source/effects/PeakEQForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TPeakEQForm::DialogModel() {
    static const TEffectDialogModel model =
        SteepFilterModel("PeakEQ Filter", eiPeakEQ, "PeakEQ Filter", &TGlobalVars::DefPeakEQFrequency,
                         &TGlobalVars::DefPeakEQSteepness, &TGlobalVars::DefPeakEQGain);
    return model;
}

TPeakEQForm::TPeakEQForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TGainFilterForm(AOwner, DialogModel(), Host) {}
