// Model changes run inside the manager's update bracket, so that the bar windows are refreshed once at
// the outermost end; the bracket is closed whatever happens inside it.
#pragma once

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
