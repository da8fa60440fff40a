#include "source/effects/PitchChangeForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TPitchChangeForm::DialogModel() {
    static const TEffectDialogModel model{
        "Pitch Change",
        eiPitchChange,
        TOkForm::CheckFirst,
        {},
        {PlainEdit("PitchAdjust", "Pitch Adjust (%)", 3, &TGlobalVars::DefPitchChange)},
        {
            {"Alto", {140}},
            {"Bass", {170}},
            {"Helium", {60}},
            {"Soprano", {80}},
        },
        TOkCheck{0,
                 10,
                 300,
                 "Pitch Change Percent must be less than 300 and more than 10. Please try again.",
                 {},
                 true}};
    return model;
}

TPitchChangeForm::TPitchChangeForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelPitchAdjust, EditPitchAdjust);
}
