// The item-control classes of the bar unit, as the item-class registry names them.
#pragma once

#include "ui/bars/BarItemControl.h"

extern const TovBarItemControlClass ovBarButtonControlClass;
extern const TovBarItemControlClass ovBarLargeButtonControlClass;
extern const TovBarItemControlClass ovBarApplicationMenuButtonControlClass;
extern const TovBarItemControlClass ovBarSubItemControlClass;
extern const TovBarItemControlClass ovBarCustomStaticControlClass;
extern const TovBarItemControlClass ovBarSeparatorControlClass;
extern const TovBarItemControlClass ovBarEditControlClass;
extern const TovBarItemControlClass ovCustomBarComboControlClass;
extern const TovBarItemControlClass ovBarComboControlClass;
