// The design controller's road to the quick customization popup behind a toolbar's mark.
#include "platform/rtl/WeakLink.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/bars/popupcontrols/BarQuickControl.h"

namespace {

// The one open popup; the link forgets it when it goes.
TWeakLink<TovBarPopupControl>& OpenQuickControl() {
    static TWeakLink<TovBarPopupControl> control;
    return control;
}

} // namespace

TovBarPopupControl* ovBarOpenQuickControl() {
    return OpenQuickControl().Get();
}

TovBarPopupControl* TovBarDesignController::ShowQuickCustomizationPopup(TovBarControl* ABarControl,
                                                                        const RECT& AOwnerRect) {
    TovBarManager* manager = ABarControl != nullptr ? ABarControl->GetBarManager() : nullptr;
    if (manager == nullptr || ABarControl->Bar() == nullptr) return nullptr;
    // Another toolbar's popup closes first: only one is open at a time.
    if (TovBarPopupControl* open = OpenQuickControl().Get()) open->ClosePopup();
    TovBarPopupControl* control = ABarControl->GetQuickControlClass()(manager);
    if (control == nullptr) return nullptr;
    control->BeginUpdate();
    try {
        control->InitPopup(ABarControl, ABarControl->Bar());
        ABarControl->AddHiddenLinksToQuickControl(control);
    } catch (...) {
        control->EndUpdate();
        delete control;
        throw;
    }
    control->EndUpdate();
    OpenQuickControl() = control;
    control->SetPainter(ABarControl->GetPainter());
    TWeakLink<TovBarPopupControl> alive(control);
    control->Popup(AOwnerRect);
    if (alive) ovBarPlaySound(bsMenuPopup);
    return alive.Get();
}
