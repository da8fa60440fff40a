#include "platform/vcl/MenuActionLink.h"

#include "platform/vcl/Action.h"
#include "platform/vcl/Menu.h"

TMenuActionLink::TMenuActionLink(TMenuItem* AClient) : TActionLink(AClient), FItem(AClient) {}

void TMenuActionLink::SetCaption(const std::string& Value) {
    if (IsCaptionLinked()) FItem->SetCaption(Value);
}

void TMenuActionLink::SetChecked(bool Value) {
    if (IsCheckedLinked()) FItem->SetChecked(Value);
}

void TMenuActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FItem->SetEnabled(Value);
}

void TMenuActionLink::SetHint(const std::string& Value) {
    if (IsHintLinked()) FItem->SetHint(Value);
}

void TMenuActionLink::SetImageIndex(int Value) {
    if (IsImageIndexLinked()) FItem->SetImageIndex(Value);
}

void TMenuActionLink::SetShortCut(TShortCut Value) {
    if (IsShortCutLinked()) FItem->SetShortCut(Value);
}

void TMenuActionLink::SetVisible(bool Value) {
    if (IsVisibleLinked()) FItem->SetVisible(Value);
}

void TMenuActionLink::TakeAll() {
    TCustomAction* action = CustomAction();
    if (action == nullptr) return;
    SetCaption(action->Caption());
    SetChecked(action->Checked());
    SetEnabled(action->Enabled());
    SetHint(action->Hint());
    SetImageIndex(action->ImageIndex());
    SetShortCut(action->ShortCut());
    SetVisible(action->Visible());
}
