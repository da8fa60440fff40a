// The makers of toolbar and dock windows: each visible toolbar gets a TovBarControl over its links, and a
// manager its four built-in TovDockControl docks with their windows on its form. The bar unit registers
// them with its window factory at its start.
#pragma once

#include "ui/bars/BarTypes.h"

class IovBarControl;
class IovBarDock;

IovBarControl* ovMakeToolbarWindow(TovBar* ABar);
IovBarDock* ovMakeBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle);
// Registers both makers with the unit's window factory (nothing outside the unit's life).
void ovRegisterToolbarWindows();
