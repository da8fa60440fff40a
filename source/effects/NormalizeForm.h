// The normalize dialog: the peak level in percent, typed; OK refuses more than 500. It has no preview
// and stores no effect identifier.
#pragma once

#include "source/effects/EffectForm.h"

class TNormalizeForm : public TEffectForm {
public:
    explicit TNormalizeForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TLabel* LabelNormalizePeak = nullptr;
    TEdit* EditNormalizePeak = nullptr;
};
