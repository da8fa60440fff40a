// A tab's header fading between its normal and hot looks: the fader asks the tab for the two pictures
// (drawn by its cell in the tab row) and has the header repainted while the frames change.
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

TovRibbonTabViewInfo* TovRibbonTab::GetViewInfo() const {
    TovRibbonViewInfo* viewInfo = FRibbon != nullptr ? ovRibbonViewInfo(FRibbon) : nullptr;
    return viewInfo != nullptr ? viewInfo->TabsViewInfo()->FindTab(this) : nullptr;
}

bool TovRibbonTab::IsHot() const {
    return FRibbon != nullptr && FRibbon->HotObject() == this;
}

bool TovRibbonTab::IsFadable() {
    return FRibbon != nullptr && FRibbon->CanFade() && GetViewInfo() != nullptr;
}

void TovRibbonTab::DrawFadeStep() {
    if (ComponentState().Contains(csDestroying) || FRibbon == nullptr || FRibbon->IsDestroying()) return;
    if (TovRibbonTabViewInfo* cell = GetViewInfo()) FRibbon->InvalidateRect(cell->Bounds, false);
}

void TovRibbonTab::ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) {
    TovRibbonTabViewInfo* cell = GetViewInfo();
    AFadeOutImage = cell != nullptr ? cell->PrepareFadeImage(false) : nullptr;
    AFadeInImage = cell != nullptr ? cell->PrepareFadeImage(true) : nullptr;
}

TovFadingOptions* TovRibbonTab::GetFadingOptions() {
    return FRibbon != nullptr ? FRibbon->OptionsFading()->Tabs() : nullptr;
}
