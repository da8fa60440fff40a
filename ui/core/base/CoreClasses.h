// Small base classes of the user-interface library: objects whose lifetime belongs to their creator,
// persistent objects that know their owner, a component relaying free notices, and an owning list.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/List.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"

// A service object that others may reach through interfaces but that only its creator frees: the
// interface references taken on it never keep it alive.
class TuiIUnknownObject : public TObject {};

// A persistent value owned by another persistent (a control's margins, a property's rectangle).
// Assign from an object of the receiver's own class (or a descendant of it) goes to DoAssign; any
// other source goes to TPersistent::Assign.
class TuiOwnedPersistent : public TPersistent {
public:
    explicit TuiOwnedPersistent(TPersistent* AOwner) : FOwnerPersistent(AOwner) {}
    void Assign(TPersistent* Source) override;
    TPersistent* GetOwner() override { return FOwnerPersistent; }

protected:
    // Copies Source's state; Source is of the receiver's class.
    virtual void DoAssign(TPersistent* Source) {}
    // Whether Source is an instance of the receiver's class or of a descendant. The default accepts the
    // receiver's exact class; a class with descendants answers with its own dynamic_cast.
    virtual bool IsOfMyClass(TPersistent* Source) const;

    TPersistent* FOwnerPersistent;
};

// A persistent object that answers its owner (given when it is made) as GetOwner.
class TuiInterfacedPersistent : public TPersistent {
public:
    explicit TuiInterfacedPersistent(TPersistent* AOwner) : FOwnerPersistent(AOwner) {}
    TPersistent* GetOwner() override { return FOwnerPersistent; }

protected:
    TPersistent* FOwnerPersistent;
};

using TuiComponentFreedEvent = TEvent<TComponent*>;

// Hears of the destruction of components of any owner and reports them through OnComponentFreed.
class TuiFreeNotificator : public TComponent {
public:
    explicit TuiFreeNotificator(TComponent* AOwner) : TComponent(AOwner) {}
    void AddSender(TComponent* ASender);
    void RemoveSender(TComponent* ASender);
    TuiComponentFreedEvent OnComponentFreed;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
};

// A list of objects that may own them: owned objects are freed by Clear, DeleteAndFree and RemoveAndFree.
class TuiObjectList : public TList {
public:
    explicit TuiObjectList(bool AOwnObjects = true) : OwnObjects(AOwnObjects) {}
    ~TuiObjectList() override;
    void Clear() override;
    void DeleteAndFree(int AIndex);
    // The item's former index, or -1 when absent.
    int RemoveAndFree(TObject* AItem);
    TObject* Items(int AIndex) const { return static_cast<TObject*>(TList::Items(AIndex)); }

    bool OwnObjects;
};
