// Item links and link collections: one appearance of an item in a toolbar, menu or popup, and the list
// that keeps them in stored order and derives the lists bar windows iterate (available, can-visible,
// visible — the last shortened to the most recently used entries in personalised menus), with group
// starts, separators, accelerators and shortcuts.
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/layout/BarLayoutNames.h"
#include "ui/core/base/ClassRefs.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TCustomImageList;
class TCustomIniFile;

// What a toolbar, sub-item or popup menu answers for the link list it owns.
class IovBarLinksOwner {
public:
    virtual ~IovBarLinksOwner() = default;
    virtual bool CanContainItem(TovBarItem* AItem, std::string& AErrorText) = 0;
    virtual IovBarControl* CreateBarControl() = 0;
    virtual TCustomImageList* ImageListOf() = 0;
    virtual TObject* OwnerObject() = 0;
    virtual TovBarItemLinks* LinksOf() = 0;
};

class TovBarItemLink : public TCollectionItem {
public:
    explicit TovBarItemLink(TCollection* ACollection);
    ~TovBarItemLink() override;

    TovBarItemLinks* Links() const;
    TovBarItem* Item() const { return FItem; }
    // Links the item (the collection may refuse it: the link then frees itself and EovException with
    // the owner's text is raised); null frees the link.
    void SetItem(TovBarItem* AValue);
    TovBarItemControl* Control() const { return FControl.get(); }
    TovBarManager* OwningBarManager() const;
    IovBarControl* LinksBarControl() const;

    bool BeginGroup() const { return FBeginGroup; }
    void SetBeginGroup(bool AValue);
    bool BeginsGroupInEffect() const;
    bool Visible() const { return FVisible; }
    void SetVisible(bool AValue);
    // Shown: the item is shown at run time and the link is visible.
    bool IsShown() const;
    bool MostRecentlyUsed() const { return FMostRecentlyUsed; }
    void SetMostRecentlyUsed(bool AValue);
    int UseCount = 0;
    TovBarItemPosition Position = ipBeginsNewRow;
    TovBarButtonGroupPosition ButtonGroup = bgpNone;
    TovBarItemViewLayout ViewLayout = ivlGlyphCaptionControl;
    TovBarItemViewLevels ViewLevels{ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText,
                                    ivlSmallIcon, ivlControlOnly};
    bool Distributed = true;
    // Told when the control's view level changes (the ribbon's group layout listens).
    TNotifyEvent OnViewLevelChanged;
    int ImageIndex = -1;
    TObject* Data = nullptr;
    TovBar* MergedWith = nullptr;
    TovBarItemLink* SourceLink = nullptr;
    RECT ItemRect{};
    // Read from a stored form or layout, applied after loading.
    std::string LoadedItemName;
    int LoadedRecentIndex = -1;
    int LoadedUseCount = 0;
    // The visibility a stored form or layout gives the link, applied with the loaded usage data.
    void SetLoadedVisible(bool AValue) { FLoadedVisible = AValue; }

    // ---- User-defined values
    TovBarUserDefines UserDefine() const { return FUserDefine; }
    void SetUserDefine(TovBarUserDefines AValue) { ApplyUserDefine(AValue); }
    const std::string& UserCaption() const { return FUserCaption; }
    void SetUserCaption(const std::string& AValue);
    TovBarPaintStyle UserPaintStyle() const { return FUserPaintStyle; }
    void SetUserPaintStyle(TovBarPaintStyle AValue);
    int UserWidth() const { return FUserWidth; }
    void SetUserWidth(int AValue);
    TBitmap* UserGlyph() const { return FUserGlyph; }
    void SetUserGlyph(TBitmap* AValue);

    // ---- In effect
    std::string EffectiveCaption() const;
    TovBarPaintStyle EffectivePaintStyle() const;
    int EffectiveWidth() const;
    TovBarItemLink* GetSourceItemLink() { return SourceLink ? SourceLink : this; }

    int VisibleIndexOf() const;
    int CanVisibleIndexOf() const;
    int RecentIndex() const;
    void SetRecentIndex(int AValue);

    void CreateControl();
    void RecreateControl();
    void FreeControl();
    void SetItemRect(const RECT& ARect);
    // The link and its item were used: moves to the front of the recent list (counting a use when asked).
    void MarkAsRecentlyUsed(bool ACountUse);
    void UpdateMostRecentlyUsed();
    // The link's or its item's visibility changed.
    void ItemVisibleChanged();
    void Assign(TPersistent* Source) override;
    // Copies onto this link the value the action names from the link being customized (action 0 clears
    // the user-defined values; 1 to 4 are the design controller's).
    void ExecuteCustomizationAction(TovBarCustomizationAction AAction, TovBarItemLink* ACustomizingLink);
    TovBarCustomizationActions GetSupportedActions() const;

private:
    friend class TovBarItemLinks;
    void ApplyUserDefine(TovBarUserDefines AValue);
    void UserGlyphChanged(TObject* ASender);
    void NotifyControl(TovBarUserDefine AWhat);

    TovBarItem* FItem = nullptr;
    std::unique_ptr<TovBarItemControl> FControl;
    bool FBeginGroup = false;
    bool FVisible = true;
    bool FMostRecentlyUsed = true;
    TovBarUserDefines FUserDefine;
    std::string FUserCaption;
    TovBarPaintStyle FUserPaintStyle = psStandard;
    int FUserWidth = 0;
    TBitmap* FUserGlyph = nullptr;
    bool FLoadedVisible = true;
    int FPendingRecentIndex = -1;
};

class TovBarItemOptions : public TPersistent {
public:
    explicit TovBarItemOptions(TovBarItemLinks* ALinks) : FLinks(ALinks) {}
    TovBarItemOptionValues AssignedValues;
    bool ShowDescriptions() const;
    void SetShowDescriptions(bool AValue);
    bool ShowShortCuts() const;
    void SetShowShortCuts(bool AValue);
    TovBarMenuItemSize Size() const;
    void SetSize(TovBarMenuItemSize AValue);
    void Assign(TPersistent* Source) override;

private:
    TovBarItemLinks* FLinks;
    bool FShowDescriptions = false;
    bool FShowShortCuts = true;
    TovBarMenuItemSize FSize = misNormal;
};

class TovBarItemLinks : public TCollection {
public:
    TovBarItemLinks(TovBarManager* AManager, IovBarLinksOwner* AOwner);
    ~TovBarItemLinks() override;

    TovBarItemLink* Items(int AIndex) const {
        return static_cast<TovBarItemLink*>(TCollection::Items(AIndex));
    }
    TovBarItemLink* Add() { return static_cast<TovBarItemLink*>(TCollection::Add()); }
    TovBarItemLink* Insert(int AIndex) { return static_cast<TovBarItemLink*>(TCollection::Insert(AIndex)); }
    TovBarItemLink* AddItem(TovBarItem* AItem);
    // A link to a new item of the class, made in the manager's "Default" category (category 0 when
    // there is none) and owned by the manager's owner; the item is freed again when it is refused.
    TovBarItemLink* AddItemByClass(const TuiClassRef* AItemClass);
    void Move(int AFromIndex, int AToIndex);
    int IndexOf(const TovBarItemLink* ALink) const;
    int IndexOfItemName(const std::string& AName) const;

    int AvailableItemCount() const { return static_cast<int>(FAvailable.size()); }
    TovBarItemLink* AvailableItems(int AIndex) const { return FAvailable[AIndex]; }
    int CanVisibleItemCount() const { return static_cast<int>(FCanVisible.size()); }
    TovBarItemLink* CanVisibleItems(int AIndex) const { return FCanVisible[AIndex]; }
    int VisibleItemCount() const { return static_cast<int>(FVisible.size()); }
    TovBarItemLink* VisibleItems(int AIndex) const { return FVisible[AIndex]; }
    int RecentCount() const { return static_cast<int>(FRecent.size()); }
    TovBarItemLink* RecentItems(int AIndex) const { return FRecent[AIndex]; }

    TovBarManager* BarManager() const { return FManager; }
    void SetBarManager(TovBarManager* AManager) { FManager = AManager; }
    IovBarLinksOwner* LinksOwner() const { return FOwner; }
    IovBarControl* BarControl() const { return FBarControl; }
    // Asks the owner for its window, keeps it and makes the links' controls.
    virtual void ConnectBarControl();
    void SetBarControl(IovBarControl* AControl);
    // Frees the window kept by the list.
    void FreeBarControl();
    // The link list of the menu this list's menu was opened from.
    TovBarItemLinks* ParentLinks = nullptr;
    bool UseRecentItems = true;
    bool NoDesignerNotification = false;
    TNotifyEvent OnLinksChanged;
    TovBarItemOptions* ItemOptions() const { return FItemOptions.get(); }

    virtual bool IsMenu() const;
    virtual bool CanContainItem(TovBarItem* AItem, std::string& AErrorText);
    TObject* OwnerObject() const { return FOwner ? FOwner->OwnerObject() : nullptr; }
    bool GetOptionValue(TovBarItemOption AOption) const;
    bool ShowsDescriptions() const { return GetOptionValue(ioShowDescriptions); }
    bool ShowsShortCuts() const { return GetOptionValue(ioShowShortCuts); }
    TovBarMenuItemSize GetMenuItemSize() const { return GetOptionValue(ioSize) ? misLarge : misNormal; }

    void RebuildLists();
    // While deferred, the derived lists are made once at the end instead of after every change: reading
    // a layout adds and orders every link of a list at once.
    void BeginDeferLists();
    void EndDeferLists();
    void Rebuild();
    bool CanUseRecentItems() const;
    int CalcRecentItemCount() const;
    int RecentItemCount() const { return FRecentItemCount; }
    void SetRecentItemCount(int ACount);
    void RestoreRecentItemCount();

    // ---- Navigation of bar windows
    int GetFittingItemCount() const;
    TovBarItemLink* GetFirstSelectableLink() const;
    TovBarItemLink* GetLastSelectableLink() const;
    TovBarItemLink* GetNextSelectableLink(TovBarItemLink* ALink, bool AAnyLink) const;
    TovBarItemLink* GetPrevSelectableLink(TovBarItemLink* ALink, bool AAnyLink) const;
    // The next link (after AStartLink, cycling) whose accelerator is the character of AKey.
    TovBarItemLink* FindItemWithAccel(WORD AKey, TShiftState AShift, TovBarItemLink* AStartLink);
    void UpdateItemActions();
    // Every link with a loaded item name gets the manager's item of that name (ignoring case); then the
    // loaded usage data are applied with visibility.
    void ResolveLoadedItems();
    // Usage data read with the links: most-recently-used marks, visibility (when asked), use counts and
    // positions in the recent list.
    void ApplyLoadedUsageData(bool ARestoreVisible);
    bool IsShortCut(TShortCut AShortCut);

    void BeginCalcItemRects() { ++FRectLock; }
    void EndCalcItemRects();
    int RectLock() const { return FRectLock; }
    void EmptyItemRects();

    // Moves ALink to the front (or the end) of the recent list.
    void MoveToRecentFront(TovBarItemLink* ALink);
    void MoveToRecentEnd(TovBarItemLink* ALink);
    void MoveInRecent(TovBarItemLink* ALink, int AIndex);
    // The links that can be shown go to the front of the recent list, keeping their order.
    void PackRecentList();
    void Assign(TPersistent* Source) override;

    // ---- Stored layout (ui/bars/layout): the links stored under ASection replace the list's own
    void ReadLayout(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind);
    void WriteLayout(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind);
    // The designed "most recently used" marks from the saved design state, and the recent list packed.
    void ResetUsageData(TCustomIniFile* ASavedState, const std::string& ASection);

    // ---- Merging (toolbar merging): each source link is merged by caption into a link of the same kind,
    // added after the links of lower or equal MergeOrder, or skipped, as its item's MergeKind says.
    void Merge(TovBarItemLinks* ASourceLinks);
    // Frees the links made by merging with AToolbar (any toolbar when null), in nested lists too.
    void Unmerge(TovBar* AToolbar);
    // The toolbar currently being merged; links added by a merge remember it.
    static TovBar* MergingToolbar;

protected:
    void Update(TCollectionItem* AItem) override;
    virtual TovBarItemLink* InternalFindItemWithAccel(WORD AKey, TShiftState AShift,
                                                      TovBarItemLink* AStartLink);
    bool LinkAccelMatches(TovBarItemLink* ALink, WORD AKey, TShiftState AShift) const;
    TovBarItemLink* CycleSelectable(TovBarItemLink* ALink, bool AAnyLink, bool AForward) const;

private:
    friend class TovBarItemLink;
    void AddToRecent(TovBarItemLink* ALink) { FRecent.push_back(ALink); }
    void RemoveFromRecent(TovBarItemLink* ALink);

    TovBarManager* FManager;
    IovBarLinksOwner* FOwner;
    IovBarControl* FBarControl = nullptr;
    std::vector<TovBarItemLink*> FAvailable, FCanVisible, FVisible, FRecent;
    std::unique_ptr<TovBarItemOptions> FItemOptions;
    int FRecentItemCount = -1;
    int FPrevRecentItemCount = -1;
    int FRectLock = 0;
    bool FAssigning = false;
    int FDeferLists = 0;
    bool FListsDirty = false;
};

// The lists of toolbar windows: accelerators only while the window is visible, over fitting links.
class TovBarControlItemLinks : public TovBarItemLinks {
public:
    using TovBarItemLinks::TovBarItemLinks;

protected:
    TovBarItemLink* InternalFindItemWithAccel(WORD AKey, TShiftState AShift,
                                              TovBarItemLink* AStartLink) override;
};

class TovBarSubMenuControlItemLinks : public TovBarItemLinks {
public:
    using TovBarItemLinks::TovBarItemLinks;
    bool IsMenu() const override { return true; }
};

// The links of a bar window that makes its own entries (an internal menu): bound to that window, which
// is also what they belong to; they take any item, have no images of their own, connect nothing and
// never free the window.
class TovBarInternalItemLinks : public TovBarItemLinks {
public:
    TovBarInternalItemLinks(TovBarManager* AManager, IovBarControl* ABarControl, TObject* AOwnerObject);
    ~TovBarInternalItemLinks() override;
    void ConnectBarControl() override {}
    bool IsMenu() const override { return true; }

private:
    class TOwnerFace : public IovBarLinksOwner {
    public:
        TOwnerFace(TovBarInternalItemLinks* ALinks, TObject* AOwnerObject)
            : FLinks(ALinks), FOwnerObject(AOwnerObject) {}
        bool CanContainItem(TovBarItem*, std::string& AErrorText) override {
            AErrorText.clear();
            return true;
        }
        IovBarControl* CreateBarControl() override { return FLinks->BarControl(); }
        TCustomImageList* ImageListOf() override { return nullptr; }
        TObject* OwnerObject() override { return FOwnerObject; }
        TovBarItemLinks* LinksOf() override { return FLinks; }

    private:
        TovBarInternalItemLinks* FLinks;
        TObject* FOwnerObject;
    };
    TOwnerFace FOwnerFace;
};

// The accelerator character of a caption (after a single "&"), 0 when there is none.
char ovBarAccelChar(const std::string& ACaption);
