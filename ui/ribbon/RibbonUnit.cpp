#include "ui/ribbon/RibbonUnit.h"

#include "platform/rtl/ClassRegistry.h"
#include "ui/bars/BarUnit.h"
#include "ui/core/base/UnitsLoader.h"
#include "ui/ribbon/controller/RibbonMouseWheelHook.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"
#include "ui/ribbon/tabs/RibbonTab.h"

// The ribbon skins' picture sheets, drawn and embedded at build time.
void OlvaRegisterResources_olva_ui_ribbon();

namespace {

bool Initialized = false;

} // namespace

void uiRibbonInitialize() {
    if (Initialized) return;
    // The ribbon registers into the bars' registries, so the bars start first.
    uiBarsInitialize();
    OlvaRegisterResources_olva_ui_ribbon();
    // Tabs are components a form holds: found by class name like the bars' toolbars.
    RegisterClass<TovRibbonTab>();
    // The skins are made once for the process; the units loader ends them with the library's other
    // deferred units.
    if (TovUnitsLoader* loader = ovUnitsLoader())
        loader->AddUnit(RegisterRibbonSkins, UnregisterRibbonSkins);
    else
        RegisterRibbonSkins();
    Initialized = true;
}

void uiRibbonFinalize() {
    if (!Initialized) return;
    // The first ribbon window installed the wheel hook for the process.
    ovRibbonReleaseMouseWheelHook();
    UnRegisterClass<TovRibbonTab>();
    if (TovUnitsLoader* loader = ovUnitsLoader())
        loader->RemoveUnit(UnregisterRibbonSkins);
    else
        UnregisterRibbonSkins();
    Initialized = false;
}

bool uiRibbonInitialized() {
    return Initialized;
}
