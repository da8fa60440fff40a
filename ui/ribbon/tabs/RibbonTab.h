// A tab of a ribbon and the ribbon's tab collection. A tab is a named component of the ribbon's form
// that belongs to the ribbon's tabs; it owns its groups (each binding a toolbar) and the groups row
// (dock control) they are shown in while the tab is active.
#pragma once

#include "platform/rtl/Collection.h"
#include "ui/core/base/ComponentCollection.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/painters/effects/FadingOptions.h"
#include "ui/ribbon/RibbonTypes.h"

#include <memory>
#include <string>

class TovBar;
class TovBarManager;
class TovCustomRibbon;
class TovRibbonContext;
class TovRibbonTabGroup;
class TovRibbonTabGroups;
class TovRibbonTabMergeData;
class TovRibbonTabCollection;
class TovDesignSelectionHelper;
class IovRibbonGroupsDock;
class IovBarSelectableItem;
class TovRibbonTabViewInfo;

// Merge option bits: make missing tabs (ribbon level), missing groups, a missing quick access toolbar.
enum : unsigned { rmoCreateTabs = 1, rmoCreateGroups = 2, rmoCreateQuickAccessToolbar = 4 };

// A tab fades between its normal and hot headers (the ribbon's OptionsFading.Tabs timing).
class TovRibbonTab : public TuiComponentCollectionItem,
                     public IovFadingObject,
                     public IovFadingOptionsProvider {
public:
    explicit TovRibbonTab(TComponent* AOwner);
    ~TovRibbonTab() override;
    void BeforeDestruction() override;

    // From another tab (inside one ribbon update): the common properties, Active, Groups and Visible.
    void Assign(TPersistent* Source) override;
    // KeyTip, Caption, MergeKind and MergeOrder.
    virtual void AssignCommonProperties(TovRibbonTab* ASource);
    // "<name> - '<caption>'".
    std::string GetDisplayName() const override;
    // A caption equal to the old name follows the new name (not while loading).
    void SetName(const std::string& NewName) override;
    // Binds the groups' toolbar names.
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TovRibbonTabCollection* Tabs() const;
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& AValue);
    TovRibbonContext* Context() const { return FContext; }
    void SetContext(TovRibbonContext* AValue);
    TovRibbonTabGroups* Groups() const { return FGroups.get(); }
    void SetGroups(TovRibbonTabGroups* AValue);
    const std::string& KeyTip() const { return FKeyTip; }
    void SetKeyTip(const std::string& AValue) { FKeyTip = AValue; }
    TovRibbonMergeKind MergeKind() const { return FMergeKind; }
    void SetMergeKind(TovRibbonMergeKind AValue) { FMergeKind = AValue; }
    int MergeOrder() const { return FMergeOrder; }
    void SetMergeOrder(int AValue) { FMergeOrder = AValue < 0 ? 0 : AValue; }
    bool Visible() const { return FVisible; }
    // Hiding the active tab makes the ribbon choose another one first.
    void SetVisible(bool AValue);
    // Whether the tab is the ribbon's active tab; True makes it so, False does nothing.
    bool Active() const;
    void SetActive(bool AValue);
    // The position among the tabs whose Visible flag is set; -1 when it is clear.
    int VisibleIndex() const;
    // Visible, and its context (when it has one) visible.
    bool IsVisible() const;
    // Visible := True, and the tab row scrolls the header into view.
    void MakeVisible();
    // The tab's cell in the tab row; null while it has none.
    TovRibbonTabViewInfo* GetViewInfo() const;
    // The ribbon's hot tab is this one.
    bool IsHot() const;

    // ---- Fading of the header
    bool IsFadable() override;
    void DrawFadeStep() override;
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override;
    TovFadingOptions* GetFadingOptions() override;
    // The groups row; null while the ribbon makes none.
    IovRibbonGroupsDock* DockControl() const { return FDockControl.get(); }
    TovRibbonTabMergeData* MergeData() const { return FMergeData.get(); }
    int IndexAtDestruction() const { return FIndexAtDestruction; }
    IovBarSelectableItem* DesignSelectionHelper() const;

    // ---- What a built form gives and a stored form would keep
    // "Index": the position read while the form is built (-1 none); the tabs take their order from it.
    int LoadedIndex() const { return FLoadedIndex; }
    void SetLoadedIndex(int AValue) { FLoadedIndex = AValue; }
    // "ContextIndex": the context read while the form is built (-1 none); refreshed from the context.
    int LoadedContextIndex() const { return FLoadedContextIndex; }
    void SetLoadedContextIndex(int AValue) { FLoadedContextIndex = AValue; }
    int SavedContextIndex() const { return FSavedContextIndex; }
    void SetSavedContextIndex(int AValue) { FSavedContextIndex = AValue; }
    // The values a stored form holds: "Index" always, "ContextIndex" only with a context.
    int IndexToStore();
    bool IsContextIndexStored();
    int ContextIndexToStore();

    // ---- The ribbon's active-tab change
    virtual void Activate();
    virtual void Deactivate();
    void DockToolbars();
    void UpdateDockControl();
    void UpdateDockControlBounds();
    virtual void GetDockControlBounds(TRect& R);
    virtual void RepaintDockControl();

    // ---- Called by the ribbon and its parts
    void SetRibbon(TovCustomRibbon* ARibbon);
    void SetBarManager(TovBarManager* AManager);
    void UpdateBarControlFonts();
    void ScrollDockControlGroups(bool ALeft);

    // ---- Merging
    virtual bool CanMerge();
    virtual bool IsMerged();
    // Merges ATab into this tab (AOptions: rmo… bits).
    virtual void Merge(TovRibbonTab* ATab, unsigned AOptions);
    // Unmerges ATab (every merged tab with null).
    virtual void Unmerge(TovRibbonTab* ATab);
    // Unmerges ATab when it is merged into this tab; answers whether it was.
    virtual bool InternalUnmerge(TovRibbonTab* ATab);

protected:
    TuiComponentCollection* GetCollectionFromParent(TComponent* AParent) override;
    virtual TCollectionItemClass GetGroupClass();

private:
    friend class TovRibbonTabGroups;
    friend class TovRibbonTabCollection;
    void FreeContextMadeByMerging(TovRibbonContext* AContext);

    TovCustomRibbon* FRibbon = nullptr;
    std::string FCaption;
    TovRibbonContext* FContext = nullptr;
    std::unique_ptr<TovRibbonTabGroups> FGroups;
    std::unique_ptr<IovRibbonGroupsDock> FDockControl;
    std::unique_ptr<TovRibbonTabMergeData> FMergeData;
    std::unique_ptr<TovDesignSelectionHelper> FDesignSelectionHelper;
    std::string FKeyTip;
    TovRibbonMergeKind FMergeKind = rmkMerge;
    int FMergeOrder = 0;
    bool FVisible = true;
    int FLoadedIndex = -1;
    int FLoadedContextIndex = -1;
    int FSavedContextIndex = -1;
    int FIndexAtDestruction = -1;
};

class TovRibbonTabCollection : public TuiComponentCollection {
public:
    explicit TovRibbonTabCollection(TovCustomRibbon* ARibbon);
    // The tabs go while the collection still hears of each (the base's clearing would not).
    ~TovRibbonTabCollection() override { Clear(); }

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TovRibbonTab* Add() { return static_cast<TovRibbonTab*>(TuiComponentCollection::Add()); }
    TovRibbonTab* Insert(int AIndex) {
        return static_cast<TovRibbonTab*>(TuiComponentCollection::Insert(AIndex));
    }
    TovRibbonTab* Items(int AIndex) const {
        return static_cast<TovRibbonTab*>(TuiComponentCollection::Items(AIndex));
    }
    bool IsMerged() const;
    void SetBarManager(TovBarManager* AManager);
    // Each tab takes the context at its loaded context index (none when out of range).
    void BindContexts();
    // Every tab of the context is left without one; one change of the whole collection.
    // (The context may be in its destruction already: it is only compared.)
    void RemoveContext(TCollectionItem* AContext);
    void SaveContextIndexes();
    void RestoreContextIndexes();
    // The tabs take the positions read while the form was built.
    void RestoreOrder();
    void UnmergeTab(TovRibbonTab* ATab);
    // Tabs made only to take another ribbon's groups go once their last group has gone (checked after
    // an unmerge, never from inside the group collection that shrank).
    void FreeEmptyMergedTabs();
    TovRibbonTab* FindByLoadedIndex(int AIndex) const;

protected:
    std::string GetItemPrefixName() const override { return "TovRibbon"; }
    void Notify(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction) override;
    void Update(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction) override;

private:
    TovCustomRibbon* FRibbon;
};
