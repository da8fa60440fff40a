// The phaser dialog: delay, mix and feedback of a phase-shifted copy.
#pragma once

#include "source/effects/DelayFeedbackForm.h"

class TPhaserForm : public TDelayFeedbackForm {
public:
    explicit TPhaserForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
