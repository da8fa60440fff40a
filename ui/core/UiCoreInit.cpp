#include "ui/core/UiCoreInit.h"

#include "ui/core/base/CoreServices.h"
#include "ui/core/base/GeometryObjects.h"
#include "ui/core/base/LibraryStrings.h"
#include "ui/core/base/ResourceStrings.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/Timers.h"
#include "ui/core/base/UnitsLoader.h"
#include "ui/core/controls/ControlsUnit.h"
#include "ui/core/dates/DatesUnit.h"
#include "ui/core/graphics/GraphicsUnit.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/core/platform/GdiPlusClassesUnit.h"
#include "ui/core/platform/SystemHooks.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/core/platform/TouchGestures.h"
#include "ui/core/skins/SkinsUnit.h"

// The library's own pictures (the default skin icons, the shadow mask), embedded at build time.
void OlvaRegisterResources_olva_ui_core();

namespace ui_core_init_detail {
bool Initialized = false;
} // namespace ui_core_init_detail

void uiCoreInitialize() {
    if (ui_core_init_detail::Initialized) return;
    ovGetOSVersionFlags();
    ovAllowResourceStringsRepository();
    ovAllowUnitsLoader();
    uiStartServiceObjects();
    uiStartTimers();
    uiRegisterGeometryClasses();
    uiLibraryStringsStart();
    uiDatesStart();
    uiGraphicsUnitStart();
    ovUnitsLoader()->AddUnit(&ovThemeManagerStart, &ovThemeManagerEnd);
    OlvaRegisterResources_olva_ui_core();
    ovUnitsLoader()->AddUnit(&ovGdiPlusApiStart, &ovGdiPlusApiEnd);
    ovUnitsLoader()->AddUnit(&ovGdiPlusClassesStart, &ovGdiPlusClassesEnd);
    ovUnitsLoader()->AddUnit(&ovSkinsCoreStart, &ovSkinsCoreEnd);
    ovTouchStart();
    uiControlsUnitStart();
    ui_core_init_detail::Initialized = true;
}

void uiCoreFinalize() {
    if (!ui_core_init_detail::Initialized) return;
    ui_core_init_detail::Initialized = false;
    // Hooks are taken out of the thread rather than left behind to call into freed code.
    ovReleaseAllHooks();
    uiControlsUnitEnd();
    ovTouchEnd();
    uiFreeTimers();
    uiFreeServiceObjects();
    uiGraphicsUnitEnd();
    if (TovUnitsLoader* loader = ovUnitsLoader()) {
        loader->RemoveUnit(&ovSkinsCoreEnd);
        loader->RemoveUnit(&ovGdiPlusClassesEnd);
        loader->RemoveUnit(&ovGdiPlusApiEnd);
        loader->RemoveUnit(&ovThemeManagerEnd);
    }
    uiDatesEnd();
    uiLibraryStringsEnd();
    uiUnregisterGeometryClasses();
    ovFreeResourceStringsRepository();
    ovFreeUnitsLoader();
}

bool uiCoreInitialized() {
    return ui_core_init_detail::Initialized;
}
