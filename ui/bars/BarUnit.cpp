#include "ui/bars/BarUnit.h"

#include "platform/rtl/ClassRegistry.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarCursors.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarSubItems.h"

// The bar cursors' pictures, embedded at build time.
void OlvaRegisterResources_olva_ui_bars();

namespace {

bool Initialized = false;

} // namespace

void uiBarsInitialize() {
    if (Initialized) return;
    ovBarStringsStart();
    RegisterClass<TovBar>();
    RegisterClass<TovBarGroup>();
    ovBarRegistriesStart();
    // The item controls are the bar painting layer's: until a class exists its row names none.
    ovBarRegisterItem<TovBarButton>(nullptr, true);
    ovBarRegisterItem<TovBarLargeButton>(nullptr, true);
    ovBarRegisterItem<TovBarEdit>(nullptr, true);
    ovBarRegisterItem<TCustomovBarCombo>(nullptr, true);
    ovBarRegisterItem<TovBarCombo>(nullptr, true);
    ovBarRegisterItem<TovBarSubItem>(nullptr, true);
    ovBarRegisterItem<TovBarListItem>(nullptr, true);
    ovBarRegisterItem<TovBarContainerItem>(nullptr, true);
    ovBarRegisterItem<TovBarLabel>(nullptr, false);
    ovBarRegisterItem<TovBarSeparator>(nullptr, true);
    OlvaRegisterResources_olva_ui_bars();
    ovBarLoadCursors();
    Initialized = true;
}

void uiBarsFinalize() {
    if (!Initialized) return;
    Initialized = false;
    ovBarFreeCursors();
    ovBarRegistriesEnd();
    UnRegisterClass<TovBarGroup>();
    UnRegisterClass<TovBar>();
    ovBarStringsEnd();
}

bool uiBarsInitialized() {
    return Initialized;
}
