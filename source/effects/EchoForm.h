// The echo dialog: delay, mix and feedback of one repeating echo.
#pragma once

#include "source/effects/DelayFeedbackForm.h"

class TEchoForm : public TDelayFeedbackForm {
public:
    explicit TEchoForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();
};
