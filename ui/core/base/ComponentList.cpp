#include "ui/core/base/ComponentList.h"

class TuiComponentList::TFreeWatcher : public TComponent {
public:
    explicit TFreeWatcher(TuiComponentList* AList) : TComponent(nullptr), FList(AList) {}

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove) FList->Extract(AComponent); // freed components leave the list
    }

private:
    TuiComponentList* FList;
};

TuiComponentList::TuiComponentList() : FWatcher(std::make_unique<TFreeWatcher>(this)) {}

TuiComponentList::~TuiComponentList() {
    FUpdateLevel = 1; // no notices while going
    Clear();
}

void TuiComponentList::Clear() {
    BeginUpdate();
    while (Count() > 0)
        Delete(0);
    TList::Clear();
    EndUpdate();
}

void TuiComponentList::EndUpdate() {
    --FUpdateLevel;
    ListChanged(nullptr, ccnChanged);
}

void TuiComponentList::Notify(void* Ptr, TListNotification Action) {
    auto* component = static_cast<TComponent*>(Ptr);
    if (FRejecting) return; // the silent exit of a component of another class
    // The class is checked on entry only: a component leaving because it is being freed no longer
    // answers as its own class.
    if (Action != lnAdded || IsItemClass(component)) {
        DoNotify(component, Action);
        return;
    }
    FRejecting = true;
    Extract(component);
    FRejecting = false;
}

void TuiComponentList::DoNotify(TComponent* AComponent, TListNotification AAction) {
    // Watch a component while it is listed (once, however often it is listed).
    if (AAction == lnAdded)
        AComponent->FreeNotification(FWatcher.get());
    else if (IndexOf(AComponent) < 0)
        AComponent->RemoveFreeNotification(FWatcher.get());
    if (OnNotify) OnNotify(this, AComponent, AAction);
    const TuiComponentCollectionNotification action =
        AAction == lnAdded ? ccnAdded : (AAction == lnExtracted ? ccnExtracted : ccnDeleting);
    ListChanged(AComponent, action);
}

void TuiComponentList::ListChanged(TComponent* AComponent, TuiComponentCollectionNotification AAction) {
    if (FUpdateLevel == 0 && OnComponentListChanged) OnComponentListChanged(this, AComponent, AAction);
}
