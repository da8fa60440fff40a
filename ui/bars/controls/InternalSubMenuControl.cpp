#include "ui/bars/controls/InternalSubMenuControl.h"

#include "ui/bars/BarItemLinks.h"

TovBarInternalSubMenuControl::TovBarInternalSubMenuControl(TovBarManager* AManager)
    : TovBarSubMenuControl(AManager) {
    FOwnItemLinks = std::make_unique<TovBarInternalItemLinks>(AManager, this, this);
    SetItemLinks(FOwnItemLinks.get());
}

TovBarInternalItemLinks* TovBarInternalSubMenuControl::InternalItemLinks() const {
    return static_cast<TovBarInternalItemLinks*>(FOwnItemLinks.get());
}
