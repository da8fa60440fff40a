// The entries of the quick customization popup: "&Add or Remove Buttons" (a sub-item whose menu lists every
// command of the toolbar with a check mark), the shared item behind those list entries, and the plain
// buttons "&Reset Toolbar" and "&Customize...". All of them are internal: made for one popup, never among
// the manager's commands.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"

class TovBarControl;

// The menu of "&Add or Remove Buttons": a quick-customization list (painters give it a check column) that
// never draws itself joined to the entry that opened it.
class TovBarQuickAccessSubControl : public TovBarSubMenuControl {
public:
    explicit TovBarQuickAccessSubControl(TovBarManager* AManager);
    bool IsJoinedToOwner() const override { return false; }
};

class TovBarQuickAccessItem : public TovBarSubItem {
public:
    explicit TovBarQuickAccessItem(TComponent* AOwner);
    ~TovBarQuickAccessItem() override;

    // The toolbar whose commands the list shows.
    TovBarControl* Toolbar() const { return FToolbar.Get(); }
    void SetToolbar(TovBarControl* AToolbar);
    // Empties the list (its entries' items are freed) and has the toolbar fill it again; runs each time
    // the menu opens.
    void RefillList();
    IovBarControl* CreateBarControl() override;
    // A sub-item's control (the class registry knows only the public item classes).
    const TovBarItemControlClass* GetControlClass(bool ARotated = false) const override;

private:
    void ClearList();
    TWeakLink<TovBarControl> FToolbar;
};

// One item for all entries of the list: each of its links stands for one link of the toolbar (kept in the
// entry link's Data). A click on an entry runs the item's click, then shows or hides that toolbar link.
class TovBarQuickCustItem : public TovBarButton {
public:
    explicit TovBarQuickCustItem(TComponent* AOwner);
    const TovBarItemControlClass* GetControlClass(bool ARotated = false) const override;
    // The toolbar link AEntry stands for, null when that link is gone.
    static TovBarItemLink* StandsFor(const TovBarItemLink* AEntry);
    // Shows the toolbar link AEntry stands for when hidden, hides it when shown.
    static void ToggleStoodFor(TovBarItemLink* AEntry);
};

// "&Reset Toolbar" and "&Customize...": buttons that line their captions up with the list entries.
class TovBarQuickCustExtButton : public TovBarButton {
public:
    explicit TovBarQuickCustExtButton(TComponent* AOwner);
    const TovBarItemControlClass* GetControlClass(bool ARotated = false) const override;
};
