// Model changes run inside update brackets, so that the bar windows are refreshed once at the outermost
// end; a bracket is closed whatever happens inside it.
#pragma once

#include "platform/rtl/Collection.h"
#include "ui/bars/BarManager.h"

// Runs AWork between BeginUpdate and EndUpdate(true) of AManager (without a manager, just AWork).
template <class F> void ovBarWithinUpdate(TovBarManager* AManager, F AWork) {
    if (AManager == nullptr) {
        AWork();
        return;
    }
    AManager->BeginUpdate();
    try {
        AWork();
    } catch (...) {
        AManager->EndUpdate(true);
        throw;
    }
    AManager->EndUpdate(true);
}

// Runs AWork between BeginUpdate and EndUpdate of a collection (link lists, caption buttons), so that its
// keeper hears of one change at the end.
template <class F> void ovWithinCollectionUpdate(TCollection* ACollection, F AWork) {
    ACollection->BeginUpdate();
    try {
        AWork();
    } catch (...) {
        ACollection->EndUpdate();
        throw;
    }
    ACollection->EndUpdate();
}
