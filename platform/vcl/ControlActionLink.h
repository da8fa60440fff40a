// The link a control holds to its action: the control takes the action's caption, enabled state, hint
// and visibility, and its click executes the action.
#pragma once

#include "platform/vcl/ActionLink.h"

class TControl;

class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* AClient);

    void SetCaption(const std::string& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const std::string& Value) override;
    void SetVisible(bool Value) override;
    // Copies every linked property of the action to the control.
    void TakeAll();

protected:
    // Every change of the action (its check mark and image too) reaches the control's ActionChange.
    void Change() override;

private:
    TControl* FControl;
};
