// The speed change dialog: the speed in percent of the present one, typed; the sound's length changes
// with it. OK and leaving the edit refuse a speed outside 1 .. 300.
#pragma once

#include "source/effects/EffectForm.h"

class TSpeedChangeForm : public TEffectForm {
public:
    explicit TSpeedChangeForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelSpeedAdjust = nullptr;
    TEdit* EditSpeedAdjust = nullptr;
};
