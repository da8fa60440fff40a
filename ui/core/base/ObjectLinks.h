// Weak object links: a caller that calls out (events, inherited message handling) takes a link on
// itself first and afterwards checks Ref to learn whether it was destroyed meanwhile. Objects that
// take part clear their links when destroyed (uiClearObjectLinks).
#pragma once

#include "platform/rtl/Object.h"

class TuiObjectLink : public TObject {
public:
    explicit TuiObjectLink(TObject* ARef) : Ref(ARef) {}
    TObject* Ref; // null once the object is destroyed
};

// A new link to AObject, or null for null.
TuiObjectLink* uiAddObjectLink(TObject* AObject);
// Frees the link (null is ignored).
void uiRemoveObjectLink(TuiObjectLink* ALink);
// Clears Ref of every link to AObject.
void uiClearObjectLinks(TObject* AObject);
// Links not yet cleared (for checks: the shared controller lives while links are outstanding).
int uiLiveObjectLinkCount();
bool uiObjectLinkControllerExists();
