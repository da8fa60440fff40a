// The pitch change dialog: the pitch factor in percent, typed (every frequency moves by 100 / percent,
// the length stays). OK and leaving the edit refuse a value outside 10 .. 300.
#pragma once

#include "source/effects/EffectForm.h"

class TPitchChangeForm : public TEffectForm {
public:
    explicit TPitchChangeForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelPitchAdjust = nullptr;
    TEdit* EditPitchAdjust = nullptr;
};
