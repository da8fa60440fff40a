#include "ui/bars/controls/SubMenuControlViewInfo.h"

#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

TovBarSubMenuControlViewInfo::TovBarSubMenuControlViewInfo(TovBarSubMenuControl* AMenu)
    : TCustomovBarControlViewInfo(AMenu), FMenu(AMenu) {}

void TovBarSubMenuControlViewInfo::ComputeLayout() {
    // A menu drawn inside another bar's window (no window of its own) keeps the base list.
    if (!FMenu->OwnsMenuWindow()) {
        TCustomovBarControlViewInfo::ComputeLayout();
        return;
    }
    Clear();
    TovBarItemLinks* links = FMenu->ItemLinks();
    if (links == nullptr || links->CanVisibleItemCount() == 0) return;
    TovBarPainter* painter = FMenu->GetPainter();
    const int top = FMenu->TopIndex();
    const int last = top + FMenu->PlacedCount() - 1;
    const TRect items = FMenu->GetVisibleItemsRect();
    for (int i = top; i <= last && i < links->VisibleItemCount(); ++i) {
        TovBarItemLink* link = links->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        TRect bounds = link->ItemRect;
        if (bounds.bottom > items.bottom) bounds.bottom = items.bottom;
        if (control == nullptr || uiIsRectEmpty(bounds)) continue;
        AppendItemControl(control);
        if (link->BeginGroup() && i > top && painter != nullptr) {
            TRect separator{};
            painter->SubMenuControlGetBeginGroupRect(FMenu, control, separator, link->ItemRect);
            AppendSeparatorInfo(separator, 0, control);
        }
    }
}
