// The high-shelf filter dialog: the gain given to the sound above the frequency, and how steep the shelf is.
#pragma once

#include "source/effects/FilterForm.h"

class THighShelfForm : public TGainFilterForm {
public:
    explicit THighShelfForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
