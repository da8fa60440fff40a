#include "ui/ribbon/RibbonUnit.h"

#include "ui/bars/BarUnit.h"

namespace {

bool Initialized = false;

} // namespace

void uiRibbonInitialize() {
    if (Initialized) return;
    // The ribbon registers into the bars' registries, so the bars start first.
    uiBarsInitialize();
    Initialized = true;
}

void uiRibbonFinalize() {
    if (!Initialized) return;
    Initialized = false;
}

bool uiRibbonInitialized() { return Initialized; }
