// The low-shelf filter dialog: the gain given to the sound below the frequency, and how steep the shelf is.
#pragma once

#include "source/effects/FilterForm.h"

class TLowShelfForm : public TGainFilterForm {
public:
    explicit TLowShelfForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
