// TovBarSubMenuControlViewInfo: what an open menu shows: the item controls from its scroll position down
// to the last one its layout placed, and a separator band above each that begins a group (not above the
// first one shown). Menus that show something else in their window (a gallery drop-down) derive from it.
#pragma once

#include "ui/bars/controls/CustomBarControlViewInfo.h"

class TovBarSubMenuControl;

class TovBarSubMenuControlViewInfo : public TCustomovBarControlViewInfo {
public:
    explicit TovBarSubMenuControlViewInfo(TovBarSubMenuControl* AMenu);
    TovBarSubMenuControl* Menu() const { return FMenu; }
    void ComputeLayout() override;

private:
    TovBarSubMenuControl* FMenu;
};
