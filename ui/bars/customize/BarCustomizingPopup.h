// The customizing popup: the context menu of a link that a right click opens while customizing. Its
// entries are internal items the popup owns (they leave the manager's item list, so no command list
// ever shows them) and go with the popup. Each entry's Tag holds the customizing action in its high
// word and a value (a paint style) in its low word.
#pragma once

#include "ui/bars/BarTypes.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/popupmenus/PopupMenu.h"

#include <string>
#include <vector>

class TCustomovBarControl;
class TovBarItem;
class TovBarItemLink;
class TovBarItemLinks;
class TovBarManager;

// Values of the view-level entries (low word): a level, "All", or a level alone.
constexpr int ovViewLevelAll = 0x10;
constexpr int ovViewLevelOnly = 0x20;
// Values of the button-group entries beyond the three positions.
constexpr int ovButtonGroupGroup = 3;
constexpr int ovButtonGroupUngroup = 4;

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
    // The actions the popup offers: the link's own (at design time only those every selected object
    // supports as well), less what the design helper of its bar's kind forbids.
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
                          bool ADown = false, TovBarItemLinks* ALinks = nullptr);
    TovBarItemLinks* AddSubMenu(const std::string& ACaption, bool ABeginGroup);
    void AddEditorEntries();
    void AddViewLevelEntries();
    void RefreshViewLevelEntries();
    bool IsDesigning() const;
    // The link (other than the customizing one) each selected object stands for at design time.
    std::vector<TovBarItemLink*> SelectedLinks() const;
    // Copies the customizing link's value for the action into ATarget.
    void CopyActionValue(TovBarItemLink* ATarget, TovBarCustomizationAction AAction) const;
    void GroupSelectedLinks(bool AGroup);

    TovBarItemLinks* FViewLevelLinks = nullptr;

    TCustomovBarControl* FBarControl;
    TovBarItemLink* FLink;
    bool FNameWasBlank = false;
};
