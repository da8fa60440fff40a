// The customizing popup: the context menu of a link that a right click opens while customizing. Its
// entries are internal items the popup owns (they leave the manager's item list, so no command list
// ever shows them) and go with the popup. Each entry's Tag holds the customizing action in its high
// word and a value (a paint style) in its low word.
#pragma once

#include "ui/bars/BarTypes.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/popupmenus/PopupMenu.h"

#include <string>

class TCustomovBarControl;
class TovBarItem;
class TovBarItemLink;
class TovBarManager;

// What a bar's kind of window leaves out of the popup (bits of the customization actions): toolbars
// offer paint styles, menus the most-recently-used flag; neither offers the designer's layout entries.
constexpr unsigned ovToolbarForbiddenActions = 0x2780;
constexpr unsigned ovSubMenuForbiddenActions = 0x07C0;

inline int ovCustomizeTag(TovBarCustomizationAction AAction, int AValue = 0) {
    return static_cast<int>(AAction) << 16 | (AValue & 0xFFFF);
}

// The popup's menu window: an internal menu that works as a menu (clicks run its entries, keys move in
// it) while its manager customizes every other bar.
class TovBarCustomizingPopupControl : public TovBarSubMenuControl {
public:
    using TovBarSubMenuControl::TovBarSubMenuControl;
    bool IsCustomizing() const override { return false; }
    bool IsInternal() const override { return true; }
};

class TovBarCustomizingPopup : public TovBarCustomPopupMenu {
public:
    TovBarCustomizingPopup(TovBarManager* AManager, TCustomovBarControl* ABarControl, TovBarItemLink* ALink);

    TCustomovBarControl* BarControl() const { return FBarControl; }
    TovBarItemLink* CustomizingLink() const { return FLink; }
    // The actions the popup offers: the link's own, less what its bar's kind forbids.
    TovBarCustomizationActions OfferedActions() const;
    // Adds the entries; False when there is none (such a popup is never shown).
    bool Fill();
    // Runs the entry's action on the customizing link (the click handler of every entry).
    void Perform(int ATag);
    // The "&Name:" entry accepted its text: a blank one is refused and closes the popup.
    void NameEntered(const std::string& AText);
    bool NameWasBlank() const { return FNameWasBlank; }
    TovBarSubMenuControl* CreateSubMenuControl() override;

private:
    TovBarItem* AddEntry(TovBarItem* AItem, const std::string& ACaption, int ATag, bool ABeginGroup);
    TovBarItem* AddButton(const std::string& ACaption, int ATag, bool ABeginGroup, bool AChecked = false,
                          bool ADown = false);

    TCustomovBarControl* FBarControl;
    TovBarItemLink* FLink;
    bool FNameWasBlank = false;
};
