// The low-pass filter dialog: the frequency above which the sound is cut, and how steeply.
#pragma once

#include "source/effects/FilterForm.h"

class TLowPassForm : public TSteepFilterForm {
public:
    explicit TLowPassForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
