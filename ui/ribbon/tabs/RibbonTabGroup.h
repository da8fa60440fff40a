// A group of a ribbon tab and the tab's group collection. A group holds no items of its own: it binds one
// toolbar of the ribbon's bar manager, which the ribbon shows docked in the tab's groups row. Groups bind
// their toolbars by name while a form is built, so toolbars and tabs can be made in any order; once
// loading is over a group always has a toolbar (clearing it deletes the group).
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/rtl/Set.h"
#include "ui/core/base/InterfacedCollectionItem.h"
#include "ui/ribbon/RibbonTypes.h"
#include "ui/ribbon/ribbon/RibbonToolbarContainer.h"

#include <memory>
#include <string>

class TComponent;
class TovBar;
class TovBarManager;
class TovCustomRibbon;
class TovRibbonTab;
class IovBarSelectableItem;
class TovRibbonTabGroups;
class TovDesignSelectionHelper;

enum TovRibbonTabGroupAssignedValue { rtgavCaption };
using TovRibbonTabGroupAssignedValues = Set<TovRibbonTabGroupAssignedValue, 8>;

enum TovRibbonTabGroupRestriction { rtgrNone, rtgrNoExpand, rtgrNoCollapse };

// The texts of the two refusals of SetToolBar.
extern const char* const ovRibbonToolbarIsQuickAccessToolbarText;
extern const char* const ovRibbonTabAlreadyHasToolbarText;

class TovRibbonTabGroup : public TuiInterfacedCollectionItem, public IovRibbonToolbarContainer {
public:
    explicit TovRibbonTabGroup(TCollection* ACollection);
    ~TovRibbonTabGroup() override;

    void Assign(TPersistent* Source) override;

    TovRibbonTabGroups* Groups() const;
    TovRibbonTab* Tab() const;
    TovCustomRibbon* Ribbon() const;

    // The own caption when one is assigned, else the toolbar's caption, else empty.
    std::string Caption() const;
    // Assigns the caption (an empty one too).
    void SetCaption(const std::string& AValue);
    TovRibbonTabGroupAssignedValues AssignedValues() const { return FAssignedValues; }
    void SetAssignedValues(TovRibbonTabGroupAssignedValues AValue);
    TovRibbonMergeKind MergeKind() const { return FMergeKind; }
    void SetMergeKind(TovRibbonMergeKind AValue) { FMergeKind = AValue; }
    int MergeOrder() const { return FMergeOrder; }
    void SetMergeOrder(int AValue) { FMergeOrder = AValue < 0 ? 0 : AValue; }
    TovRibbonTabGroupRestriction Restriction() const { return FRestriction; }
    void SetRestriction(TovRibbonTabGroupRestriction AValue);
    bool CanCollapse() const { return FRestriction != rtgrNoCollapse; }
    void SetCanCollapse(bool AValue) { SetRestriction(AValue ? rtgrNone : rtgrNoCollapse); }

    TovBar* ToolBar() const;
    // A toolbar of another bar manager is ignored; the quick access toolbar's toolbar and a toolbar
    // another group of this tab binds raise EovException and change nothing. Null deletes the group.
    void SetToolBar(TovBar* AValue);

    // ---- What a built form gives and a stored form would keep
    // The toolbar name read while the form is built; resolved when the tab has loaded.
    const std::string& StreamedToolbarName() const { return FStreamedToolbarName; }
    void SetStreamedToolbarName(const std::string& AName) { FStreamedToolbarName = AName; }
    // The published caption is stored when assigned and not empty; an assigned empty caption is kept
    // through a second value of the same name.
    bool IsCaptionStored() const;
    bool IsEmptyCaptionStored() const;
    // The toolbar's name when the group's toolbar is stored (against an ancestor group for an inherited
    // form); false when nothing is written.
    bool ToolbarNameToStore(const TovRibbonTabGroup* AAncestor, std::string& AName) const;

    // ---- Merging
    virtual bool CanMerge();
    virtual bool IsMerged();
    virtual void Merge(TovRibbonTabGroup* ASource, unsigned AOptions);
    virtual void Unmerge(TovRibbonTabGroup* ASource);

    // The toolbar moves into the tab's groups row (unless it is shown on the active tab elsewhere).
    virtual void DockToolbar(TovBar* ABar);
    // The toolbar leaves the tab: into another tab that binds it, or out of every dock.
    void UndockToolbar();

    IovBarSelectableItem* DesignSelectionHelper() const;
    void RecreateDesignSelectionHelper();

    // ---- IovRibbonToolbarContainer
    TovCustomRibbon* GetRibbon() override { return Ribbon(); }
    TovBar* GetToolbar() override { return ToolBar(); }
    void SetToolbar(TovBar* AValue) override { SetToolBar(AValue); }

private:
    void CheckToolbar(TovBar* AValue);

    TovBar* FToolBar = nullptr;
    std::string FCaption;
    TovRibbonTabGroupAssignedValues FAssignedValues;
    TovRibbonMergeKind FMergeKind = rmkMerge;
    int FMergeOrder = 0;
    TovRibbonTabGroupRestriction FRestriction = rtgrNone;
    std::string FStreamedToolbarName;
    std::unique_ptr<TovDesignSelectionHelper> FDesignSelectionHelper;
};

class TovRibbonTabGroups : public TOwnedCollection {
public:
    explicit TovRibbonTabGroups(TovRibbonTab* ATab);
    ~TovRibbonTabGroups() override;

    TovRibbonTab* Tab() const { return FTab; }
    TovRibbonTabGroup* Add() { return static_cast<TovRibbonTabGroup*>(TCollection::Add()); }
    TovRibbonTabGroup* Insert(int AIndex) {
        return static_cast<TovRibbonTabGroup*>(TCollection::Insert(AIndex));
    }
    TovRibbonTabGroup* Items(int AIndex) const {
        return static_cast<TovRibbonTabGroup*>(TCollection::Items(AIndex));
    }
    bool ContainsToolbar(const TovBar* ABar) const;
    // Every group bound to the component, last first, loses its toolbar and so goes.
    void RemoveToolbar(TComponent* AComponent);
    // Binds the names read while the form was built, once the ribbon has a usable bar manager.
    void ResolveLoadedToolbars();
    // Every group (last first) into whose toolbar ASource's toolbar is merged unmerges it (every merged
    // toolbar with a null source).
    void UnmergeGroup(TovRibbonTabGroup* ASource);

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
    void Update(TCollectionItem* Item) override;

private:
    TovRibbonTab* FTab;
};
