// The chorus dialog.
#pragma once

#include "source/effects/SweptDelayForm.h"

class TChorusForm : public TSweptDelayForm {
public:
    explicit TChorusForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
