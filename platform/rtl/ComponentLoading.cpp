#include "platform/rtl/ComponentLoading.h"

#include "platform/rtl/Component.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <exception>

TComponentLoading::TComponentLoading(TComponent* Root) : FRoot(Root), FUncaught(std::uncaught_exceptions()) {
    if (Root->FLoading != nullptr) {
        FOuter = Root->FLoading;
        return;
    }
    Join(Root);
}

TComponentLoading::~TComponentLoading() noexcept(false) {
    if (FEnded) return;
    if (std::uncaught_exceptions() > FUncaught) {
        FEnded = true;
        if (FOuter == nullptr) Detach();
        return;
    }
    End();
}

void TComponentLoading::Defer(std::function<void()> Binding) {
    if (FOuter != nullptr)
        FOuter->Defer(std::move(Binding));
    else
        FDeferred.push_back(std::move(Binding));
}

void TComponentLoading::Bind(const std::string& Name, std::function<void(TComponent*)> Binding) {
    TComponent* root = FRoot;
    Defer([root, Name, Binding = std::move(Binding)] {
        TComponent* target = root->FindComponent(Name);
        if (target == nullptr) throw EReadError("Component " + Name + " not found");
        Binding(target);
    });
}

void TComponentLoading::Join(TComponent* AComponent) {
    AComponent->FLoading = this;
    AComponent->FComponentState.Include(csLoading);
    AComponent->FComponentState.Include(csReading);
    FLoaded.push_back(AComponent);
    for (TComponent* owned : AComponent->FComponents)
        if (owned->FLoading == nullptr) Join(owned);
}

void TComponentLoading::Leave(TComponent* AComponent) {
    std::replace(FLoaded.begin(), FLoaded.end(), AComponent, static_cast<TComponent*>(nullptr));
    if (AComponent == FRoot) FRoot = nullptr;
}

void TComponentLoading::Detach() {
    for (TComponent* component : FLoaded) {
        if (component == nullptr) continue;
        component->FLoading = nullptr;
        component->FComponentState.Exclude(csLoading);
        component->FComponentState.Exclude(csReading);
    }
    FLoaded.clear();
}

void TComponentLoading::End() {
    if (FEnded) return;
    FEnded = true;
    if (FOuter != nullptr) return; // the enclosing bracket finishes the work
    try {
        for (TComponent* component : FLoaded)
            if (component != nullptr) component->FComponentState.Exclude(csReading);
        // Bindings and Loaded may create further components; those join and are handled in turn.
        for (std::size_t i = 0; i < FDeferred.size(); ++i) {
            std::function<void()> binding = std::move(FDeferred[i]);
            if (FRoot != nullptr) binding();
        }
        FDeferred.clear();
        for (std::size_t i = 0; i < FLoaded.size(); ++i) {
            TComponent* component = FLoaded[i];
            if (component == nullptr) continue;
            component->FComponentState.Exclude(csReading);
            component->Loaded();
            if (FLoaded[i] == component) component->FComponentState.Exclude(csLoading);
        }
    } catch (...) {
        Detach();
        throw;
    }
    Detach();
}
