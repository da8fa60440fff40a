// TComponent: the owned, named, notified object that forms, controls, menus and actions are made of.
//
// Ownership: a component frees the components it owns when it is destroyed, last created first. Every
// component that enters or leaves an owner is announced (Notification opInsert / opRemove) to the owner
// and, through it, to all the owner's components and theirs; components with different owners that
// refer to each other ask for FreeNotification to hear of the other's destruction.
// opInsert is sent from TComponent's constructor, before the new component's derived part exists:
// a receiver can keep the pointer but not yet ask what class it is.
//
// Destruction: Free (or FreeAndNil) runs BeforeDestruction first, which marks the component and its
// owned components csDestroying while the whole object still exists. A plain delete does the same at
// the start of ~TComponent. A class whose owned components refer back to its own members calls
// DestroyComponents() in its destructor, before those members go.
#pragma once

#include "platform/rtl/Persistent.h"
#include "platform/rtl/Set.h"

#include <cstdint>
#include <string>
#include <vector>

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = Set<TComponentStateItem, 16>;

enum TOperation { opInsert, opRemove };

class TComponentLoading;

// True for a valid component name: a letter or '_' followed by letters, digits and '_'.
bool IsValidIdent(const std::string& Ident);

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    void BeforeDestruction() override;
    // Marks this component and everything it owns csDestroying.
    void Destroying();
    // Frees the owned components, last first.
    void DestroyComponents();

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // Raises EListError for a bad index.
    TComponent* Components(int Index) const;
    // The position in the owner's list (-1 without owner); setting it moves the component there.
    int ComponentIndex() const;
    void SetComponentIndex(int Value);

    const std::string& Name() const { return FName; }
    // Raises EComponentError for an invalid name ("''x y'' is not a valid component name") or one
    // that another component of the same owner has ("A component named X already exists").
    virtual void SetName(const std::string& NewName);
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }
    TComponentState ComponentState() const { return FComponentState; }

    // The owned component with that name, compared without regard to case, or null.
    TComponent* FindComponent(const std::string& AName) const;
    // Takes AComponent over from its current owner (if any) and announces it (opInsert).
    void InsertComponent(TComponent* AComponent);
    // Gives AComponent up (it becomes ownerless, not freed) and announces it (opRemove).
    void RemoveComponent(TComponent* AComponent);

    // Asks for Notification(AComponent, opRemove) when AComponent is destroyed, and AComponent for the
    // same about this one. Components of the same owner hear of each other anyway.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Called once the component and everything it refers to exist (at the end of a loading bracket);
    // clears csLoading. Overrides call the inherited version.
    virtual void Loaded();
    // csUpdating brackets.
    void Updating() { FComponentState.Include(csUpdating); }
    void Updated() { FComponentState.Exclude(csUpdating); }
    // Sets or clears csDesigning, on the owned components too when SetChildren.
    void SetDesigning(bool Value, bool SetChildren = true);

    TPersistent* GetOwner() override { return FOwner; }
    std::string GetNamePath() override { return FName; }

    // Heard of a component inserted into or removed from this component's owner chain, or destroyed
    // while registered with FreeNotification. Overrides call the inherited version, which forwards the
    // news to the owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

protected:
    // Raises when a component owned by this one may not take NewName.
    virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName);
    // A chance to refuse AComponent as owned component (raise to refuse).
    virtual void ValidateInsert(TComponent* AComponent) {}
    void ChangeName(const std::string& NewName) { FName = NewName; }
    void IncludeState(TComponentStateItem Item) { FComponentState.Include(Item); }
    void ExcludeState(TComponentStateItem Item) { FComponentState.Exclude(Item); }
    // Tells the components that asked for FreeNotification that this one goes, now. The base destructor
    // does it, when only the base part is left; a class whose watchers call back into it (to remove
    // what they hold of it) does it first in its own destructor, while the whole object is there.
    void SendFreeNotifications();

private:
    friend class TComponentLoading;

    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState;
    TComponentLoading* FLoading = nullptr; // the loading bracket this component takes part in
};
