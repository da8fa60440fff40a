#include "ui/bars/navigation/BarMenuKeys.h"

#include "platform/win/WinKeys.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/navigation/BarHelperRegistry.h"
#include "ui/bars/navigation/BarNavigationController.h"

namespace {

TCustomovBarControl* MainMenuControl(TovBarManager* AManager) {
    TovBar* bar = AManager != nullptr ? AManager->GetMainMenuBar() : nullptr;
    return bar != nullptr ? dynamic_cast<TCustomovBarControl*>(bar->GetControl()) : nullptr;
}

bool IsMenuKey(TovBarManager* AManager, WORD AKey, TShiftState AShift) {
    if (AKey == VK_MENU) return !AShift.Contains(ssCtrl);
    return AKey == VK_F10 && AShift.empty() && AManager->UseF10ForMenu;
}

} // namespace

TovBarAccessibilityHelper* ovBarKeyboardContainer(TovBarManager* AManager) {
    TCustomovBarControl* control = MainMenuControl(AManager);
    return control != nullptr && control->IsVisible() ? ovBarControlHelper(control) : nullptr;
}

bool ovBarNavigationMenuKeyDown(TovBarManager* AManager, WORD AKey, TShiftState AShift, bool ARepeat) {
    if (AManager == nullptr) return false;
    TovBarNavigationController* controller = BarNavigationController();
    if (!IsMenuKey(AManager, AKey, AShift)) {
        controller->EndKeyTipWait(false);
        return ovBarNavigationMenuAccel(AManager, AKey, AShift);
    }
    if (ARepeat) return false;
    controller->SetAltAlone(true);
    if (TovBarAccessibilityHelper* container = ovBarKeyboardContainer(AManager)) {
        IovBarKeyTipWindowsManager* windows = nullptr;
        if (container->SupportsKeyTips(windows)) controller->BeginKeyTipWait(container);
    }
    return false;
}

bool ovBarNavigationMenuKeyUp(TovBarManager* AManager, WORD AKey, TShiftState AShift) {
    if (AManager == nullptr) return false;
    TovBarNavigationController* controller = BarNavigationController();
    const bool altAlone = AKey == VK_MENU && controller->AltAlone();
    const bool f10 = AKey == VK_F10 && AShift.empty() && AManager->UseF10ForMenu;
    if (!altAlone && !f10) {
        controller->EndKeyTipWait(false);
        return false;
    }
    controller->SetAltAlone(false);
    TovBarAccessibilityHelper* container = ovBarKeyboardContainer(AManager);
    if (container == nullptr) return false;
    TovBarHelperRef keep(container);
    controller->EnterNavigationMode(container);
    IovBarKeyTipWindowsManager* windows = nullptr;
    if (container->SupportsKeyTips(windows)) {
        // Released before the wait ran out: the key tips show at once.
        if (!controller->IsWaitingForKeyTips() && !controller->AreKeyTipsShown())
            controller->BeginKeyTipWait(container);
        controller->EndKeyTipWait(true);
    }
    return true;
}

bool ovBarNavigationMenuAccel(TovBarManager* AManager, WORD AKey, TShiftState AShift) {
    if (!AShift.Contains(ssAlt)) return false;
    TCustomovBarControl* bar = MainMenuControl(AManager);
    TovBarItemLinks* links = bar != nullptr ? bar->ItemLinks() : nullptr;
    if (links == nullptr) return false;
    TShiftState shift = AShift;
    shift.Exclude(ssAlt);
    TovBarItemLink* link = links->FindItemWithAccel(AKey, shift, nullptr);
    if (link == nullptr || link->Item() == nullptr || !link->Item()->GetEnabled()) return false;
    TovBarItemLink* next = links->FindItemWithAccel(AKey, shift, link);
    TovBarItemControl* control = link->Control();
    if (control == nullptr) return false;
    const bool unique = next == link;
    TWeakLink<TCustomovBarControl> alive(bar);
    if (!(control->CloseMenusOnClick() && unique)) bar->BarGetFocus(control);
    if (unique && alive) {
        if (dynamic_cast<TovBarSubItemControl*>(control) != nullptr) bar->SetMouseDownState(true);
        control->Click(false);
    }
    return true;
}
