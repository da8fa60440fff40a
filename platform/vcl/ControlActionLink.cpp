#include "platform/vcl/ControlActionLink.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Control.h"

TControlActionLink::TControlActionLink(TControl* AClient) : TActionLink(AClient), FControl(AClient) {}

void TControlActionLink::SetCaption(const std::string& Value) {
    if (IsCaptionLinked()) FControl->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FControl->SetEnabled(Value);
}

void TControlActionLink::SetHint(const std::string& Value) {
    if (IsHintLinked()) FControl->SetHint(Value);
}

void TControlActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FControl->SetVisible(Value);
}

void TControlActionLink::Change() {
    TActionLink::Change();
    FControl->ActionChange(Action(), false);
}

void TControlActionLink::TakeAll() {
    TCustomAction* action = CustomAction();
    if (action == nullptr) return;
    SetCaption(action->Caption());
    SetEnabled(action->Enabled());
    SetHint(action->Hint());
    SetVisible(action->Visible());
}
