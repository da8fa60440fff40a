#include "source/effects/SpeedChangeForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TSpeedChangeForm::DialogModel() {
    static const TEffectDialogModel model{
        "Speed Change",
        eiSpeedChange,
        TOkForm::CheckFirst,
        {},
        {PlainEdit("SpeedAdjust", "Speed Adjust (%)", 3, &TGlobalVars::DefSpeedChange)},
        {
            {"Double Speed", {200}},
            {"Slow Down", {70}},
            {"Speed Up", {150}},
        },
        // A speed of 0 would stretch the sound without end: the least speed is 1 %.
        TOkCheck{0, 1, 300, "Speed Change Percent must be less than 300. Please try again.",
                 "Speed Change Percent must be more than 0. Please try again.", true}};
    return model;
}

TSpeedChangeForm::TSpeedChangeForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelSpeedAdjust, EditSpeedAdjust);
}
