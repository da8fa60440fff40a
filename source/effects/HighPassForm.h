// The high-pass filter dialog: the frequency below which the sound is cut, typed.
#pragma once

#include "source/effects/FilterForm.h"

class THighPassForm : public TFilterForm {
public:
    explicit THighPassForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
