// The band-pass filter dialog: the frequency the band is centred on, and how narrow it is.
#pragma once

#include "source/effects/FilterForm.h"

class TBandPassForm : public TSteepFilterForm {
public:
    explicit TBandPassForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
