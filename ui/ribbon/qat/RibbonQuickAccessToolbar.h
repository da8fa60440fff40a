// The model of the ribbon's quick access toolbar: the small toolbar above or below the ribbon. It binds
// one toolbar of the ribbon's bar manager (never one a tab group binds) and docks it in a dock of its
// own. Besides ordinary links the toolbar may hold group buttons, each standing for a whole ribbon group
// by naming that group's toolbar; they are kept with the bar manager's stored layout.
#pragma once

#include "platform/rtl/Persistent.h"
#include "ui/bars/layout/BarLayoutNames.h"
#include "ui/ribbon/RibbonTypes.h"
#include "ui/ribbon/ribbon/RibbonToolbarContainer.h"

#include <memory>
#include <string>

class TCustomIniFile;
class TovBar;
class TovBarItemLink;
class TovBarItemLinks;
class TovCustomRibbon;
class TovRibbonQuickAccessGroupButton;
class IovRibbonDockControl;

enum TovQuickAccessToolbarPosition { qtpAboveRibbon, qtpBelowRibbon };

class TovRibbonQuickAccessToolbar : public TPersistent, public IovRibbonToolbarContainer {
public:
    explicit TovRibbonQuickAccessToolbar(TovCustomRibbon* ARibbon);
    ~TovRibbonQuickAccessToolbar() override;

    // From another quick access toolbar (inside one ribbon update): Position, Toolbar, Visible.
    void Assign(TPersistent* Source) override;
    TPersistent* GetOwner() override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TovQuickAccessToolbarPosition Position() const { return FPosition; }
    void SetPosition(TovQuickAccessToolbarPosition AValue);
    TovBar* Toolbar() const { return FToolbar; }
    // The old toolbar loses its group buttons and leaves the dock; the new one is taken out of every
    // tab group that binds it (those groups go) and docked here.
    void SetToolbar(TovBar* AValue) override;
    bool Visible() const { return FVisible; }
    // The dock shows only with a toolbar.
    void SetVisible(bool AValue);
    // The quick access toolbar's row; null while the ribbon makes none.
    IovRibbonDockControl* DockControl() const { return FDockControl.get(); }

    // The ribbon's menu items without the add/remove entry.
    virtual TovRibbonPopupMenuItems GetMenuItems();
    // Repaints the dock when it shows.
    virtual void Update();
    // Recalculates and repaints the ribbon (and its parent) without flicker.
    void Changed();

    // ---- Group buttons
    // A group button for the toolbar appended to the quick access toolbar, named "QAT" + the toolbar's
    // name; null when the button refuses the toolbar (no link is left behind).
    TovRibbonQuickAccessGroupButton* AddGroupButton(TovBar* AToolbar);
    bool HasGroupButton(TovBar* AToolbar);
    // The first group button of the toolbar: removed (its toolbar cleared) or repainted.
    void UpdateGroupButton(TovBar* AToolbar, bool ARemove);
    // The link, or the link it was copied from, is one of the toolbar's.
    bool ContainsLink(TovBarItemLink* ALink);

    // ---- Stored layout: the group buttons' toolbars, beside the toolbar's own links
    void SaveToStore(TCustomIniFile* AIniFile, const std::string& APrefix, TovBarStoringKind AKind);
    // Links whose toolbar is gone are skipped; a damaged link count never reads past what is stored.
    void LoadFromStore(TCustomIniFile* AIniFile, const std::string& APrefix, TovBarStoringKind AKind);

    // ---- Merging
    virtual bool IsMerged();
    virtual void Merge(TovRibbonQuickAccessToolbar* ASource, unsigned AOptions);
    virtual void Unmerge(TovRibbonQuickAccessToolbar* ASource);

    // ---- IovRibbonToolbarContainer
    TovCustomRibbon* GetRibbon() override { return FRibbon; }
    TovBar* GetToolbar() override { return FToolbar; }

protected:
    virtual IovRibbonDockControl* CreateDockControl();

private:
    friend class TovCustomRibbon;
    void CreateDock();
    std::string BarSectionName(const std::string& APrefix) const;

    TovCustomRibbon* FRibbon;
    TovQuickAccessToolbarPosition FPosition = qtpAboveRibbon;
    TovBar* FToolbar = nullptr;
    bool FVisible = true;
    std::unique_ptr<IovRibbonDockControl> FDockControl;
};
