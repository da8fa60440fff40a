#include "platform/vcl/ActionLink.h"

#include "platform/vcl/Action.h"

// ---- TBasicActionLink

TBasicActionLink::TBasicActionLink(TObject* AClient) : FClient(AClient) {}

TBasicActionLink::~TBasicActionLink() {
    if (FAction != nullptr) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
    if (Value == FAction) return;
    if (FAction != nullptr) FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction != nullptr) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* Target) {
    if (FAction == nullptr) return false;
    FAction->SetActionComponent(Target);
    // The action may go away during its own execution: do not touch it afterwards unless it is still ours.
    bool result = false;
    try {
        result = FAction->Execute();
    } catch (...) {
        if (FAction != nullptr) FAction->SetActionComponent(nullptr);
        throw;
    }
    if (FAction != nullptr) FAction->SetActionComponent(nullptr);
    return result;
}

bool TBasicActionLink::Update() {
    return FAction != nullptr && FAction->Update();
}

// ---- TActionLink

TCustomAction* TActionLink::CustomAction() const {
    return dynamic_cast<TCustomAction*>(FAction);
}

bool TActionLink::IsCaptionLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsCheckedLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsEnabledLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsGroupIndexLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsHelpContextLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsHintLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsImageIndexLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsShortCutLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsVisibleLinked() {
    return CustomAction() != nullptr;
}
bool TActionLink::IsAutoCheckLinked() {
    return CustomAction() != nullptr;
}
