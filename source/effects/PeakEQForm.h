// The peak EQ dialog: the gain given to the band around the frequency, and how narrow the band is.
#pragma once

#include "source/effects/FilterForm.h"

class TPeakEQForm : public TGainFilterForm {
public:
    explicit TPeakEQForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
