// A collection item that other parts of the library reach through the interfaces its class implements.
// Interfaces are never counted here: an item lives as long as its collection keeps it, and whoever
// holds one of its interfaces must not outlive the collection's owner, which the item answers as the
// object its interfaces belong to.
#pragma once

#include "platform/rtl/Collection.h"

class TuiInterfacedCollectionItem : public TCollectionItem {
public:
    explicit TuiInterfacedCollectionItem(TCollection* ACollection) : TCollectionItem(ACollection) {}

    // The owner of the item's collection (null without collection or owner).
    TPersistent* OwnerObject() const { return Collection() != nullptr ? Collection()->Owner() : nullptr; }
};
