// A bar item that puts a whole ribbon group on the quick access toolbar by naming the group's toolbar.
// Its caption is the group's (never stored). It accepts a toolbar only while the manager loads, while it
// has no links, or when the toolbar shows as a group of the ribbon its quick access toolbar belongs to
// and that toolbar holds no other group button for it.
#pragma once

#include "ui/bars/BarItem.h"

class TovBar;
class TovBarItemLinks;
class TovCustomRibbon;

class TovRibbonQuickAccessGroupButton : public TovBarItem {
public:
    explicit TovRibbonQuickAccessGroupButton(TComponent* AOwner);
    ~TovRibbonQuickAccessGroupButton() override;

    TovBar* Toolbar() const { return FToolbar; }
    // An unacceptable or unchanged value is ignored.
    void SetToolbar(TovBar* AValue);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TovBar* FToolbar = nullptr;
};

// The toolbar is docked in a groups row of the ribbon.
bool IsToolbarInRibbonGroups(TovCustomRibbon* ARibbon, TovBar* AToolbar);
// A link of ALinks (not marked for deletion) holds a group button for the toolbar or for the toolbar it
// is merged into.
bool ContainsGroupButtonWithToolbar(TovBarItemLinks* ALinks, TovBar* AToolbar);
// Over the links of the target's bar window when it has one, else over its own links.
bool HasGroupButtonForToolbar(TovBar* ATarget, TovBar* AToolbar);
bool CanSetToolbar(TovRibbonQuickAccessGroupButton* AButton, TovBar* AToolbar);
