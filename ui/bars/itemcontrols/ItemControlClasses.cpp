#include "ui/bars/itemcontrols/ItemControlClasses.h"

#include "ui/bars/itemcontrols/ComboControls.h"
#include "ui/bars/itemcontrols/LargeButtonControls.h"
#include "ui/bars/itemcontrols/StaticControls.h"
#include "ui/bars/itemcontrols/SubItemControl.h"

const TovBarItemControlClass ovBarButtonControlClass{"TovBarButtonControl",
                                                     &ovMakeItemControl<TovBarButtonControl>};
const TovBarItemControlClass ovBarLargeButtonControlClass{"TovBarLargeButtonControl",
                                                          &ovMakeItemControl<TovBarLargeButtonControl>};
const TovBarItemControlClass ovBarApplicationMenuButtonControlClass{
    "TovBarApplicationMenuButtonControl", &ovMakeItemControl<TovBarApplicationMenuButtonControl>};
const TovBarItemControlClass ovBarSubItemControlClass{"TovBarSubItemControl",
                                                      &ovMakeItemControl<TovBarSubItemControl>};
const TovBarItemControlClass ovBarCustomStaticControlClass{"TovBarCustomStaticControl",
                                                           &ovMakeItemControl<TovBarCustomStaticControl>};
const TovBarItemControlClass ovBarSeparatorControlClass{"TovBarSeparatorControl",
                                                        &ovMakeItemControl<TovBarSeparatorControl>};
const TovBarItemControlClass ovBarEditControlClass{"TovBarEditControl",
                                                   &ovMakeItemControl<TovBarEditControl>};
const TovBarItemControlClass ovCustomBarComboControlClass{"TCustomovBarComboControl",
                                                          &ovMakeItemControl<TCustomovBarComboControl>};
const TovBarItemControlClass ovBarComboControlClass{"TovBarComboControl",
                                                    &ovMakeItemControl<TovBarComboControl>};
