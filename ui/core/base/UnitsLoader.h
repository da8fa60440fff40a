// The deferred start and end of the library's heavier units (GDI+ binding, theme manager, skins):
// a unit hands its start and end procedures to the loader, which runs the start at once and the
// ends, newest first, when the unit leaves or the loader goes.
#pragma once

#include "platform/rtl/Object.h"

#include <vector>

using TovUnitProc = void (*)();

class TovUnitsLoader : public TObject {
public:
    ~TovUnitsLoader() override;
    // Runs AInit at once (marking the loader initialised), then keeps AFinal; either may be null.
    void AddUnit(TovUnitProc AInit, TovUnitProc AFinal);
    // Drops the first occurrence of AFinal and runs it when it was there and the loader is initialised.
    void RemoveUnit(TovUnitProc AFinal);
    // Runs the remaining end procedures, newest first, when the loader is initialised.
    void Finalize();
    bool Initialized() const { return FInitialized; }
    int FinalizerCount() const { return static_cast<int>(FFinalizers.size()); }

private:
    std::vector<TovUnitProc> FFinalizers;
    bool FInitialized = false;
};

// The loader, made on first use; null after the library's shut-down until the next start-up.
TovUnitsLoader* ovUnitsLoader();
void ovFreeUnitsLoader();
void ovAllowUnitsLoader();
