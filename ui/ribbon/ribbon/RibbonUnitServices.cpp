#include "ui/ribbon/ribbon/RibbonUnitServices.h"

#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarWindows.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/painters/office11/Office11Drawing.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <algorithm>

namespace {

std::vector<TovCustomRibbon*>& RibbonList() {
    static std::vector<TovCustomRibbon*> list;
    return list;
}

bool OwnsComponentOfClass(TComponent* AOwner, const TuiClassRef* AClass) {
    for (int i = 0; i < AOwner->ComponentCount(); ++i)
        if (AClass->IsInstance(AOwner->Components(i))) return true;
    return false;
}

// Toggles the toolbar's visibility off around a change of its dock, unless it is being loaded.
template <class F> void WithToolbarHidden(TovBar* ABar, F AChange) {
    if (ABar->ComponentState().Contains(csLoading)) {
        AChange();
        return;
    }
    const bool visible = ABar->Visible();
    ABar->SetVisible(false);
    try {
        AChange();
    } catch (...) {
        ABar->SetVisible(visible);
        throw;
    }
    ABar->SetVisible(visible);
}

} // namespace

const std::vector<TovCustomRibbon*>& GetRibbonList() {
    return RibbonList();
}

void RibbonListAdd(TovCustomRibbon* ARibbon) {
    if (std::find(RibbonList().begin(), RibbonList().end(), ARibbon) == RibbonList().end())
        RibbonList().push_back(ARibbon);
}

void RibbonListRemove(TovCustomRibbon* ARibbon) {
    std::erase(RibbonList(), ARibbon);
}

TComponent* CheckRibbonOwner(TComponent* AOwner, const TuiClassRef* AClass) {
    const std::string className = AClass->ClassName();
    if (!CheckGdiPlus()) throw EovException(Format(uiGetResourceString(ovSBAR_GDIPLUSNEEDED), {className}));
    if (AOwner == nullptr && Application() != nullptr) AOwner = Application()->MainForm();
    if (dynamic_cast<TCustomForm*>(AOwner) == nullptr)
        throw EovException(Format(uiGetResourceString(ovSBAR_RIBBONBADOWNER), {className}));
    if (OwnsComponentOfClass(AOwner, AClass))
        throw EovException(Format(uiGetResourceString(ovSBAR_RIBBONMORETHANONE), {className}));
    return AOwner;
}

TCustomForm* GetOwnerForm(TComponent* AComponent) {
    for (TComponent* c = AComponent; c != nullptr; c = c->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(c)) return form;
    return nullptr;
}

TovCustomRibbon* FindRibbonOfComponent(TComponent* AComponent) {
    TCustomForm* form = GetOwnerForm(AComponent);
    if (form == nullptr) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* ribbon = dynamic_cast<TovCustomRibbon*>(form->Components(i))) return ribbon;
    return nullptr;
}

TovCustomRibbon* FindRibbonOfWindow(HWND AWnd) {
    TWinControl* control = FindWindowVCLControl(AWnd);
    if (control == nullptr) return nullptr;
    return FindRibbonOfComponent(GetControlForm(control, fkMDIChild));
}

std::string GetBarCaption(TovBar* ABar) {
    if (ABar == nullptr) return {};
    // A toolbar shown as a ribbon group sits in a tab's groups row; the group names it.
    if (auto* dock = dynamic_cast<IovRibbonGroupsDock*>(ABar->DockControl()))
        if (TovRibbonTab* tab = dock->Tab())
            for (int i = 0; i < tab->Groups()->Count(); ++i)
                if (tab->Groups()->Items(i)->ToolBar() == ABar) return tab->Groups()->Items(i)->Caption();
    return ABar->Caption();
}

bool CloseApplicationMenus() {
    bool closed = false;
    // A closing menu may free ribbons: walk a copy.
    const std::vector<TovCustomRibbon*> ribbons = RibbonList();
    for (TovCustomRibbon* ribbon : ribbons)
        if (std::find(RibbonList().begin(), RibbonList().end(), ribbon) != RibbonList().end())
            if (IovRibbonController* controller = ribbon->Controller())
                closed = controller->CloseApplicationMenu() || closed;
    return closed;
}

void MoveToolbarToDockControl(TovBar* ABar, IovBarDock* ADockControl) {
    if (ABar == nullptr || ABar->DockControl() == ADockControl) return;
    WithToolbarHidden(ABar, [&] { ABar->SetDockControl(ADockControl); });
}

void UndockToolbar(TovBar* ABar) {
    if (ABar == nullptr || ABar->ComponentState().Contains(csDestroying)) return;
    WithToolbarHidden(ABar, [&] {
        ABar->SetDockControl(nullptr);
        ABar->SetDockedDockControl(nullptr);
        ABar->SetDockedDockingStyle(dsNone);
        ABar->SetDockingStyle(dsNone);
    });
}

void PlaceToolbarInDock(TovBar* ABar, IovBarDock* ADockControl) {
    if (ABar == nullptr) return;
    if (ADockControl != nullptr)
        MoveToolbarToDockControl(ABar, ADockControl);
    else if (ABar->DockControl() != nullptr || ABar->DockingStyle() != dsNone)
        UndockToolbar(ABar);
}

void FillRectAndExclude(HDC DC, const TRect& R, TColor AColor, bool AExclude) {
    FillRectWithColor(DC, R, AColor);
    if (AExclude) ExcludeClipRect(DC, R.left, R.top, R.right, R.bottom);
}

TRect GetMonitorWorkArea(HWND AWnd) {
    HMONITOR monitor = AWnd != nullptr ? MonitorFromWindow(AWnd, MONITOR_DEFAULTTONEAREST)
                                       : MonitorFromPoint(uiGetMouseCursorPos(), MONITOR_DEFAULTTONEAREST);
    if (monitor != nullptr) return uiGetMonitorWorkArea(monitor);
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}
