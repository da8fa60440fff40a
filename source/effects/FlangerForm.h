// The flanger dialog.
#pragma once

#include "source/effects/SweptDelayForm.h"

class TFlangerForm : public TSweptDelayForm {
public:
    explicit TFlangerForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
