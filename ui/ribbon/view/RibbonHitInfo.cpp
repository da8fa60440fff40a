#include "ui/ribbon/view/RibbonHitInfo.h"

#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonCustomViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

void TovRibbonHitInfo::Calculate(const TPoint& APoint) {
    Reset();
    HitPoint = APoint;
    Owner->GetHitInfo(*this);
}

void TovRibbonHitInfo::Reset() {
    HitTest = ribbonHitNone;
    HitObject = nullptr;
    HitPoint = TPoint{0, 0};
}

TovRibbonCustomButtonViewInfo* TovRibbonHitInfo::GetHitButton() const {
    return dynamic_cast<TovRibbonCustomButtonViewInfo*>(HitObject);
}

TovRibbonContext* TovRibbonHitInfo::GetHitContext() const {
    return dynamic_cast<TovRibbonContext*>(HitObject);
}

TovRibbonTab* TovRibbonHitInfo::GetHitTab() const {
    return dynamic_cast<TovRibbonTab*>(HitObject);
}
