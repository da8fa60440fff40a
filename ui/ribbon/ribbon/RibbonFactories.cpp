// The ribbon's sub-objects that other parts of the library supply: each factory answers the part's
// object once it exists, null until then (the ribbon then runs without it). A part that lands makes its
// factory here answer its class.
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonTouchModeHelper.h"
#include "ui/ribbon/tabs/RibbonTab.h"

#include "ui/bars/painting/BarPainter.h"

// ---- The model's own

TovRibbonApplicationButton* TovCustomRibbon::CreateApplicationButton() {
    return new TovRibbonApplicationButton(this);
}

TovRibbonHelpButton* TovCustomRibbon::CreateHelpButton() {
    return new TovRibbonHelpButton(this);
}

TovRibbonQuickAccessToolbar* TovCustomRibbon::CreateQuickAccessToolbar() {
    return new TovRibbonQuickAccessToolbar(this);
}

TovRibbonTouchModeHelper* TovCustomRibbon::CreateTouchModeHelper() {
    return new TovRibbonTouchModeHelper(this);
}

const TuiClassRef* TovCustomRibbon::GetTabClass() {
    return uiClassOf<TovRibbonTab>();
}

// ---- The view information, painter and controller of the ribbon's head

IovRibbonViewInfo* TovCustomRibbon::CreateViewInfo() {
    return nullptr;
}

IovRibbonPainter* TovCustomRibbon::CreatePainter() {
    return nullptr;
}

IovRibbonController* TovCustomRibbon::CreateController() {
    return nullptr;
}

TWinControl* TovCustomRibbon::CreateGroupsDockControlSite() {
    return nullptr;
}

// ---- The groups row: bar painter, groups docks, the minimized ribbon's popup

TovBarPainter* TovCustomRibbon::CreateBarPainter() {
    return nullptr;
}

IovRibbonGroupsDock* TovCustomRibbon::CreateGroupsDockControl(TovRibbonTab*) {
    return nullptr;
}

IovRibbonTabGroupsPopup* TovCustomRibbon::CreateTabGroupsPopupWindow() {
    return nullptr;
}

// ---- The quick access toolbar's row

IovRibbonDockControl* TovCustomRibbon::CreateQuickAccessDockControl() {
    return nullptr;
}

// ---- The ribbon form's caption

IovRibbonFormCaptionHelper* TovCustomRibbon::CreateFormCaptionHelper() {
    return nullptr;
}
