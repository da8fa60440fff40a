// The toolbars popup: the list of a manager's toolbars that a right click on a toolbar or a dock opens
// outside customizing. Each closable toolbar that the user can see (not hidden, not merged into another)
// has a check entry, down while the toolbar is visible, whose click shows or hides it; "&Customize..."
// follows after a group line. The entries are the design controller's internal items.
#pragma once

#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/popupmenus/PopupMenu.h"

class TovBar;
class TovBarPainter;

class TovBarToolbarsPopup : public TovBarCustomPopupMenu {
public:
    // Owned by the manager while it lives; APainter (the manager's default when null) draws its window.
    TovBarToolbarsPopup(TovBarManager* AManager, TovBarPainter* APainter);

    // Adds the entries, then lets the manager's OnShowToolbarsPopup change them; False when none is left
    // (such a popup is never shown).
    bool Fill();
    // The toolbar an entry stands for, when it still is one of the manager's.
    TovBar* ToolbarOf(TovBarItem* AEntry) const;
    TovBarSubMenuControl* CreateSubMenuControl() override;

private:
    void ToggleToolbar(TObject* AEntry);

    TovBarPainter* FPainter;
};
