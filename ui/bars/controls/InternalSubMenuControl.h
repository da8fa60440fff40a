// TovBarInternalSubMenuControl: a menu window that makes its own entries instead of showing a sub-item's
// or a popup menu's: it owns its links (internal links bound to it) and frees them with itself. It is an
// internal bar: it works as a menu (its clicks run its entries) while its manager customizes every
// other bar. A gallery's filter menu is one.
#pragma once

#include "ui/bars/controls/SubMenuControl.h"

class TovBarInternalItemLinks;

class TovBarInternalSubMenuControl : public TovBarSubMenuControl {
public:
    explicit TovBarInternalSubMenuControl(TovBarManager* AManager);
    TovBarInternalItemLinks* InternalItemLinks() const;
    bool IsInternal() const override { return true; }
    bool IsCustomizing() const override { return false; }
};
