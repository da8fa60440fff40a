// The amplify dialog: one gain in percent, typed.
#pragma once

#include "source/effects/EffectForm.h"

class TAmplifyForm : public TEffectForm {
public:
    explicit TAmplifyForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelAmplify = nullptr;
    TEdit* EditAmplify = nullptr;
};
