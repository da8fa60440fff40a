#include "ui/bars/customize/BarToolbarsPopup.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/core/base/ClassRefs.h"

TovBarToolbarsPopup::TovBarToolbarsPopup(TovBarManager* AManager, TovBarPainter* APainter)
    : TovBarCustomPopupMenu(AManager), FPainter(APainter) {}

TovBarSubMenuControl* TovBarToolbarsPopup::CreateSubMenuControl() {
    TovBarSubMenuControl* menu = TovBarCustomPopupMenu::CreateSubMenuControl();
    if (menu != nullptr && FPainter != nullptr) menu->SetPainter(FPainter);
    return menu;
}

TovBar* TovBarToolbarsPopup::ToolbarOf(TovBarItem* AEntry) const {
    TovBarManager* manager = BarManager();
    if (AEntry == nullptr || manager == nullptr) return nullptr;
    // The entry's Tag holds its toolbar; one freed while the popup is open is no longer the manager's.
    const auto bar = reinterpret_cast<TovBar*>(AEntry->Tag());
    for (int i = 0; i < manager->Bars()->Count(); ++i)
        if (manager->Bars()->GetItem(i) == bar) return bar;
    return nullptr;
}

void TovBarToolbarsPopup::ToggleToolbar(TObject* AEntry) {
    if (TovBar* bar = ToolbarOf(dynamic_cast<TovBarItem*>(AEntry))) bar->SetVisible(!bar->Visible());
}

bool TovBarToolbarsPopup::Fill() {
    TovBarManager* manager = BarManager();
    if (manager == nullptr) return false;
    TovBarDesignController* controller = BarDesignController();
    for (int i = 0; i < manager->Bars()->Count(); ++i) {
        TovBar* bar = manager->Bars()->GetItem(i);
        if (!bar->CanClose() || bar->Hidden() || bar->IsMerged()) continue;
        TovBarItemLink* link = controller->AddInternalItem(
            ItemLinks(), uiClassOf<TovBarButton>(), false, 0,
            TNotifyEvent(this, &TovBarToolbarsPopup::ToggleToolbar), bar->Caption());
        link->Item()->SetTag(reinterpret_cast<std::intptr_t>(bar));
        auto* button = static_cast<TovBarButton*>(link->Item());
        button->SetButtonStyle(bsChecked);
        button->SetDown(bar->Visible());
    }
    controller->AddCustomizeItem(ItemLinks(), uiClassOf<TovBarButton>(), true);
    manager->OnShowToolbarsPopup(manager, ItemLinks());
    return ItemLinks()->Count() > 0;
}
