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
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/containers/ContainerItemControl.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarWindowFactory.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/extitems/ExtItemsUnit.h"
#include "ui/bars/itemcontrols/ItemControlClasses.h"
#include "ui/bars/navigation/BarNavigationHooks.h"
#include "ui/bars/owner/BarOwnerRouting.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarUnitState.h"

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
    ovBarDrawingStateStart();
    ovBarRegistriesStart();
    ovBarOwnerMessagesStart();
    // The window item controls (edits, combos) come with the bar windows: until then their rows name no
    // control class.
    ovBarRegisterItem<TovBarButton>(&ovBarButtonControlClass, true);
    ovBarRegisterItem<TovBarLargeButton>(&ovBarLargeButtonControlClass, true);
    ovBarRegisterItem<TovBarEdit>(&ovBarEditControlClass, true);
    ovBarRegisterItem<TCustomovBarCombo>(&ovCustomBarComboControlClass, true);
    ovBarRegisterItem<TovBarCombo>(&ovBarComboControlClass, true);
    ovBarRegisterItem<TovBarSubItem>(&ovBarSubItemControlClass, true);
    ovBarRegisterItem<TovBarListItem>(&ovBarContainerItemControlClass, true);
    ovBarRegisterItem<TovBarContainerItem>(&ovBarContainerItemControlClass, true);
    ovBarRegisterItem<TovBarLabel>(&ovBarCustomStaticControlClass, false);
    ovBarRegisterItem<TovBarSeparator>(&ovBarSeparatorControlClass, true);
    // Window items on rotated bars show as plain buttons.
    TovBarWindowItem::RotatedControlClass = &ovBarButtonControlClass;
    ovBarExtItemsStart();
    OlvaRegisterResources_olva_ui_bars();
    ovBarLoadCursors();
    ovBarWindowsStart();
    ovRegisterToolbarWindows();
    ovBarRegisterSubMenuWindows();
    ovBarNavigationStart();
    ovBarDesignControllerStart();
    Initialized = true;
}

void uiBarsFinalize() {
    if (!Initialized) return;
    Initialized = false;
    ovBarDesignControllerEnd();
    ovBarNavigationEnd();
    ovBarWindowsEnd();
    ovBarFreeCursors();
    FreeBarFlatPainter();
    ovBarOwnerMessagesEnd();
    ovBarExtItemsEnd();
    ovBarRegistriesEnd();
    TovBarWindowItem::RotatedControlClass = nullptr;
    ovBarDrawingStateEnd();
    UnRegisterClass<TovBarGroup>();
    UnRegisterClass<TovBar>();
    ovBarStringsEnd();
}

bool uiBarsInitialized() {
    return Initialized;
}
