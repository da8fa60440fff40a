// An intrusive doubly linked list that keeps only its tail: window-procedure chains are built on it.
#pragma once

#include "platform/rtl/Object.h"

class TuiDoublyLinkedObject : public TObject {
public:
    TuiDoublyLinkedObject* PrevLink() const { return FPrevLink; }
    TuiDoublyLinkedObject* NextLink() const { return FNextLink; }

private:
    friend class TuiDoublyLinkedObjectList;
    TuiDoublyLinkedObject* FPrevLink = nullptr;
    TuiDoublyLinkedObject* FNextLink = nullptr;
};

// Owns its nodes; descendants make their own node class through CreateLinkedObject.
class TuiDoublyLinkedObjectList : public TObject {
public:
    TuiDoublyLinkedObjectList() = default;
    ~TuiDoublyLinkedObjectList() override;
    TuiDoublyLinkedObjectList(const TuiDoublyLinkedObjectList&) = delete;
    TuiDoublyLinkedObjectList& operator=(const TuiDoublyLinkedObjectList&) = delete;

    // Creates a node and links it after the tail.
    virtual TuiDoublyLinkedObject* Add();
    // Takes the node out of the chain without freeing it; its own links are left as they were.
    virtual void Unlink(TuiDoublyLinkedObject* AObject);
    // Unlinks and frees the node and clears the variable.
    virtual void Remove(TuiDoublyLinkedObject*& AObject);
    // Frees every node, tail first.
    void Clear();
    TuiDoublyLinkedObject* Tail() const { return FTail; }

protected:
    virtual TuiDoublyLinkedObject* CreateLinkedObject() { return new TuiDoublyLinkedObject; }

    TuiDoublyLinkedObject* FTail = nullptr;
};
