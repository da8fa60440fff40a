#include "platform/vcl/Action.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/ActionList.h"

#include <algorithm>

namespace action_detail {

struct TApplicationHandlers {
    TActionHandler Execute;
    TActionHandler Update;
};

TApplicationHandlers& ApplicationHandlers() {
    static TApplicationHandlers handlers;
    return handlers;
}

} // namespace action_detail

void SetApplicationActionHandlers(TActionHandler Execute, TActionHandler Update) {
    action_detail::ApplicationHandlers() = {std::move(Execute), std::move(Update)};
}

// ---- TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
    // Clients keep the properties they took; they only lose the action.
    for (TBasicActionLink* link : FClients)
        link->FAction = nullptr;
    FClients.clear();
}

bool TBasicAction::Execute() {
    if (!FOnExecute) return false;
    FOnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
    if (Value == FOnExecute) return;
    for (TBasicActionLink* link : FClients)
        link->SetOnExecute(Value);
    FOnExecute = Value;
    Change();
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
    if (Value == nullptr) return;
    if (std::find(FClients.begin(), FClients.end(), Value) == FClients.end()) FClients.push_back(Value);
    Value->FAction = this;
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
    auto it = std::find(FClients.begin(), FClients.end(), Value);
    if (it == FClients.end()) return;
    FClients.erase(it);
    Value->FAction = nullptr;
}

void TBasicAction::Change() {
    const auto clients = FClients;
    for (TBasicActionLink* link : clients)
        if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
}

// ---- TContainedAction

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() {
    if (FActionList != nullptr) FActionList->RemoveAction(this);
}

bool TContainedAction::Execute() {
    if (FActionList != nullptr) {
        if (FActionList->State() != asNormal) return false;
        if (FActionList->ExecuteAction(this)) return true;
    }
    auto& application = action_detail::ApplicationHandlers();
    if (application.Execute && application.Execute(this)) return true;
    return TBasicAction::Execute();
}

bool TContainedAction::Update() {
    if (FActionList != nullptr) {
        if (FActionList->State() != asNormal) return false;
        if (FActionList->UpdateAction(this)) return true;
    }
    auto& application = action_detail::ApplicationHandlers();
    if (application.Update && application.Update(this)) return true;
    return TBasicAction::Update();
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
    if (Value == FActionList) return;
    if (FActionList != nullptr) FActionList->RemoveAction(this);
    if (Value != nullptr) Value->AddAction(this);
}

void TContainedAction::SetCategory(const std::string& Value) {
    if (Value == FCategory) return;
    FCategory = Value;
    if (FActionList != nullptr) FActionList->Change();
}

int TContainedAction::Index() const {
    if (FActionList == nullptr) return -1;
    for (int i = 0; i < FActionList->ActionCount(); ++i)
        if (FActionList->Actions(i) == this) return i;
    return -1;
}

void TContainedAction::SetIndex(int Value) {
    if (FActionList != nullptr) FActionList->MoveAction(this, Value);
}

// ---- TShortCutList

int TShortCutList::Add(const std::string& Text) {
    FTexts.push_back(Text);
    return Count() - 1;
}

int TShortCutList::IndexOfShortCut(TShortCut ShortCut) const {
    if (ShortCut == scNone) return -1;
    for (int i = 0; i < Count(); ++i)
        if (ShortCuts(i) == ShortCut) return i;
    return -1;
}

// ---- TCustomAction

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

bool TCustomAction::Execute() {
    Update();
    if (!FEnabled) return false;
    if (FAutoCheck && (!FChecked || FGroupIndex == 0)) SetChecked(!FChecked);
    return TContainedAction::Execute();
}

bool TCustomAction::Update() {
    const bool handled = TContainedAction::Update();
    // The rule only ever disables: an update handler that said nothing "handled" keeps its decision.
    if (!handled && FEnabled && FDisableIfNoHandler && !OnExecute().Assigned() &&
        (ActionList() == nullptr || ActionList()->State() == asNormal)) {
        SetEnabled(false);
        FDisabledForNoHandler = true;
    }
    return handled;
}

void TCustomAction::SetOnExecute(const TNotifyEvent& Value) {
    TContainedAction::SetOnExecute(Value);
    // An action that was off only for want of a handler comes back with one.
    if (Value.Assigned() && FDisabledForNoHandler) SetEnabled(true);
}

bool TCustomAction::DoHint(std::string& HintStr) {
    bool show = true;
    OnHint(HintStr, show);
    return show;
}

namespace action_detail {

// Calls Apply on the link of every client that takes the property.
template <class Linked, class Apply>
void ForLinks(const std::vector<TBasicActionLink*>& clients, Linked linked, Apply apply) {
    const auto copy = clients;
    for (TBasicActionLink* client : copy)
        if (auto* link = dynamic_cast<TActionLink*>(client); link != nullptr && (link->*linked)())
            apply(link);
}

} // namespace action_detail

void TCustomAction::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    action_detail::ForLinks(FClients, &TActionLink::IsCaptionLinked,
                            [&](TActionLink* l) { l->SetCaption(Value); });
    FCaption = Value;
    Change();
}

void TCustomAction::SetChecked(bool Value) {
    if (Value == FChecked || FChecking) return;
    FChecking = true;
    try {
        action_detail::ForLinks(FClients, &TActionLink::IsCheckedLinked,
                                [&](TActionLink* l) { l->SetChecked(Value); });
        FChecked = Value;
        // Checking a member of a group unchecks the others of the list.
        if (Value && FGroupIndex > 0 && ActionList() != nullptr)
            for (int i = 0; i < ActionList()->ActionCount(); ++i) {
                auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
                if (other != nullptr && other != this && other->FGroupIndex == FGroupIndex)
                    other->SetChecked(false);
            }
        Change();
    } catch (...) {
        FChecking = false;
        throw;
    }
    FChecking = false;
}

void TCustomAction::SetEnabled(bool Value) {
    FDisabledForNoHandler = false;
    if (ActionList() != nullptr && ActionList()->State() == asSuspendedEnabled) Value = true;
    if (Value == FEnabled) return;
    action_detail::ForLinks(FClients, &TActionLink::IsEnabledLinked,
                            [&](TActionLink* l) { l->SetEnabled(Value); });
    FEnabled = Value;
    Change();
}

void TCustomAction::SetVisible(bool Value) {
    if (Value == FVisible) return;
    action_detail::ForLinks(FClients, &TActionLink::IsVisibleLinked,
                            [&](TActionLink* l) { l->SetVisible(Value); });
    FVisible = Value;
    Change();
}

void TCustomAction::SetHint(const std::string& Value) {
    if (Value == FHint) return;
    action_detail::ForLinks(FClients, &TActionLink::IsHintLinked, [&](TActionLink* l) { l->SetHint(Value); });
    FHint = Value;
    Change();
}

void TCustomAction::SetHelpContext(int Value) {
    if (Value == FHelpContext) return;
    action_detail::ForLinks(FClients, &TActionLink::IsHelpContextLinked,
                            [&](TActionLink* l) { l->SetHelpContext(Value); });
    FHelpContext = Value;
    Change();
}

void TCustomAction::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    action_detail::ForLinks(FClients, &TActionLink::IsImageIndexLinked,
                            [&](TActionLink* l) { l->SetImageIndex(Value); });
    FImageIndex = Value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut Value) {
    if (Value == FShortCut) return;
    action_detail::ForLinks(FClients, &TActionLink::IsShortCutLinked,
                            [&](TActionLink* l) { l->SetShortCut(Value); });
    FShortCut = Value;
    Change();
}

void TCustomAction::SetGroupIndex(int Value) {
    if (Value == FGroupIndex) return;
    action_detail::ForLinks(FClients, &TActionLink::IsGroupIndexLinked,
                            [&](TActionLink* l) { l->SetGroupIndex(Value); });
    FGroupIndex = Value;
    Change();
}

void TCustomAction::SetAutoCheck(bool Value) {
    if (Value == FAutoCheck) return;
    action_detail::ForLinks(FClients, &TActionLink::IsAutoCheckLinked,
                            [&](TActionLink* l) { l->SetAutoCheck(Value); });
    FAutoCheck = Value;
    Change();
}

bool TCustomAction::HasShortCut(TShortCut Value) const {
    return Value != scNone && (FShortCut == Value || FSecondaryShortCuts.IndexOfShortCut(Value) >= 0);
}
