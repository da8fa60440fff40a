// The accessibility helpers of bar objects, made on first use and kept while their owner lives. A helper
// is found by its owner and its role (a toolbar owns three: its own, its mark's and its caption
// buttons'); an owner that is gone has its helper told so at the next look-up, and a new object at the
// same address gets a new helper.
#pragma once

#include <functional>

class TObject;
class TCustomovBarControl;
class TovBarControl;
class TovBarItemControl;
class TovDockControl;
class TovBarCaptionButton;
class TovBarCaptionButtons;
class TovBarAccessibilityHelper;

TovBarAccessibilityHelper* ovBarControlHelper(TCustomovBarControl* AControl);
TovBarAccessibilityHelper* ovBarItemControlHelper(TovBarItemControl* AControl);
TovBarAccessibilityHelper* ovDockControlHelper(TovDockControl* ADock);
TovBarAccessibilityHelper* ovBarMarkHelper(TovBarControl* AToolbar);
TovBarAccessibilityHelper* ovBarCaptionButtonsHelper(TovBarControl* AToolbar);
TovBarAccessibilityHelper* ovBarCaptionButtonHelper(TovBarCaptionButtons* AButtons,
                                                    TovBarCaptionButton* AButton);

// Bar controls of another kind (the ribbon's) make their helper through a factory of their own: the
// most recently registered factory that answers a helper is used. Registering returns an id to remove
// it with.
using TovBarControlHelperFactory = std::function<TovBarAccessibilityHelper*(TCustomovBarControl*)>;
int ovRegisterBarControlHelperFactory(TovBarControlHelperFactory AFactory);
void ovUnregisterBarControlHelperFactory(int AId);

// The owner is going: its helpers are told now rather than at the next look-up.
void ovDetachBarAccessibilityHelpers(TObject* AOwner);
