// The window factory of toolbars and docks: each visible toolbar gets a TovBarControl over its links,
// and a manager its four built-in TovDockControl docks with their windows on its form.
#pragma once

#include "ui/bars/BarWindows.h"

class TovToolbarWindowFactory : public IovBarWindowFactory {
public:
    IovBarControl* CreateToolbarControl(TovBar* ABar) override;
    IovBarDock* CreateBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) override;
};
