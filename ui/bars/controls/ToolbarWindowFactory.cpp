#include "ui/bars/controls/ToolbarWindowFactory.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"

IovBarControl* ovMakeToolbarWindow(TovBar* ABar) {
    if (ABar == nullptr) return nullptr;
    auto* control = new TovBarControl(ABar->OwningBarManager(), ABar);
    control->SetItemLinks(ABar->ItemLinks());
    return control;
}

IovBarDock* ovMakeBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) {
    auto* dock = new TovDockControl(AManager, AStyle);
    dock->HandleNeeded();
    return dock;
}

void ovRegisterToolbarWindows() {
    TovBarWindowFactory* factory = ovBarWindows();
    if (factory == nullptr) return;
    factory->SetToolbarMaker(&ovMakeToolbarWindow);
    factory->SetDockMaker(&ovMakeBuiltInDock);
}
