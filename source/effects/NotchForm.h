// The notch filter dialog: the frequency taken out, and how narrow the notch is.
#pragma once

#include "source/effects/FilterForm.h"

class TNotchForm : public TSteepFilterForm {
public:
    explicit TNotchForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
