#include "source/effects/AmplifyForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

const TEffectDialogModel& TAmplifyForm::DialogModel() {
    static const TEffectDialogModel model{
        "Amplify",
        eiAmplify,
        TOkForm::CloseAtOnce,
        {},
        {PlainEdit("Amplify", "&Amplify Gain (%):", 3, &TGlobalVars::DefAmplify)},
        {
            {"Quarter Volume", {25}},
            {"Half Volume", {50}},
            {"Double Volume", {200}},
            {"Triple Volume", {300}},
        },
        {}};
    return model;
}

TAmplifyForm::TAmplifyForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelAmplify, EditAmplify);
}
