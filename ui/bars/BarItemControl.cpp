#include "ui/bars/BarItemControl.h"

#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarWindows.h"

TovBarItem* TovBarItemControl::Item() const {
    return FItemLink ? FItemLink->Item() : nullptr;
}

IovBarControl* TovBarItemControl::Parent() const {
    return FItemLink ? FItemLink->LinksBarControl() : nullptr;
}

TovBarPaintStyle TovBarItemControl::EffectivePaintStyle() const {
    return FItemLink ? FItemLink->EffectivePaintStyle() : psStandard;
}
