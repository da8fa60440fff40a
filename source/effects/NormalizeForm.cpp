#include "source/effects/NormalizeForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

#include <limits>

const TEffectDialogModel& TNormalizeForm::DialogModel() {
    static const TEffectDialogModel model{
        "Normalize",
        eiNone,
        TOkForm::CheckFirst,
        {},
        {PlainEdit("NormalizePeak", "&Normalize Peak Level:", 3, &TGlobalVars::DefNormalize)},
        {
            {"Very Soft Audio Level", {20}},
            {"Soft Audio Level", {40}},
            {"Normal Audio Level", {75}},
            {"Maximun Audio Level", {100}},
        },
        TOkCheck{0, std::numeric_limits<int>::min(), 500,
                 "Normailze Peak Level must be less than 500%. Please try again."}};
    return model;
}

TNormalizeForm::TNormalizeForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    Bind(0, LabelNormalizePeak, EditNormalizePeak);
}
