#include "ui/ribbon/qat/RibbonQuickAccessGroupButton.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/tabs/RibbonTab.h"

TovRibbonQuickAccessGroupButton::TovRibbonQuickAccessGroupButton(TComponent* AOwner) : TovBarItem(AOwner) {}

TovRibbonQuickAccessGroupButton::~TovRibbonQuickAccessGroupButton() {
    if (FToolbar != nullptr) FToolbar->RemoveFreeNotification(this);
}

void TovRibbonQuickAccessGroupButton::SetToolbar(TovBar* AValue) {
    if (AValue == FToolbar || !CanSetToolbar(this, AValue)) return;
    if (FToolbar != nullptr) FToolbar->RemoveFreeNotification(this);
    FToolbar = AValue;
    if (FToolbar != nullptr) FToolbar->FreeNotification(this);
    InvalidateLinks();
}

void TovRibbonQuickAccessGroupButton::Notification(TComponent* AComponent, TOperation Operation) {
    TovBarItem::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent != nullptr && AComponent == FToolbar) SetToolbar(nullptr);
}

bool IsToolbarInRibbonGroups(TovCustomRibbon* ARibbon, TovBar* AToolbar) {
    if (ARibbon == nullptr || AToolbar == nullptr) return false;
    auto* dock = dynamic_cast<IovRibbonGroupsDock*>(AToolbar->DockControl());
    return dock != nullptr && dock->Tab() != nullptr && dock->Tab()->Ribbon() == ARibbon;
}

bool ContainsGroupButtonWithToolbar(TovBarItemLinks* ALinks, TovBar* AToolbar) {
    if (ALinks == nullptr || AToolbar == nullptr) return false;
    TovBar* mergedInto = AToolbar->MergeTarget();
    for (int i = 0; i < ALinks->Count(); ++i)
        if (auto* button = dynamic_cast<TovRibbonQuickAccessGroupButton*>(ALinks->Items(i)->Item()))
            if (button->Toolbar() != nullptr &&
                (button->Toolbar() == AToolbar || button->Toolbar() == mergedInto))
                return true;
    return false;
}

bool HasGroupButtonForToolbar(TovBar* ATarget, TovBar* AToolbar) {
    if (ATarget == nullptr) return false;
    return ContainsGroupButtonWithToolbar(ATarget->ItemLinks(), AToolbar);
}

bool CanSetToolbar(TovRibbonQuickAccessGroupButton* AButton, TovBar* AToolbar) {
    TovBarManager* manager = AButton->BarManager();
    if ((manager != nullptr && manager->IsLoading()) || AToolbar == nullptr || AButton->LinkCount() == 0)
        return true;
    auto* holder = dynamic_cast<TovBar*>(AButton->Links(0)->Links()->OwnerObject());
    if (holder == nullptr) return false;
    auto* dock = dynamic_cast<IovRibbonDockControl*>(holder->GetRealDockControl());
    TovCustomRibbon* ribbon = nullptr;
    for (TovCustomRibbon* candidate : GetRibbonList())
        if (candidate->QuickAccessToolbar() != nullptr && dock != nullptr &&
            candidate->QuickAccessToolbar()->DockControl() == dock)
            ribbon = candidate;
    return IsToolbarInRibbonGroups(ribbon, AToolbar) && !HasGroupButtonForToolbar(holder, AToolbar);
}
