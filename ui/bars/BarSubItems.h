// Items that open or stand for other links: the sub-item with its own drop-down link list; container
// items that put other links in place of their own when a bar window shows them — copies of their own
// links, or one generated button per string of a list item (the base of the recent-files list).
#pragma once

#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"

#include <memory>
#include <vector>

class TStringList;
class TovBar;

class TCustomovBarSubItem : public TovBarButtonLikeItem, public IovBarLinksOwner {
public:
    explicit TCustomovBarSubItem(TComponent* AOwner);
    ~TCustomovBarSubItem() override;

    TovBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
    TovBarItemLinks* LinksOf() const override { return FItemLinks.get(); }
    bool Detachable = false;
    int BarSize() const { return FBarSize; }
    void SetBarSize(int AValue) { FBarSize = AValue < 0 ? 0 : AValue; }
    // The index of the detaching toolbar in the manager's bars; out-of-range values become -1.
    int DetachingBar() const;
    void SetDetachingBar(int AValue);
    TNotifyEvent OnCloseUp, OnDetaching, OnPopup;

    // ---- The link list's owner
    // The item must be placeable in a menu and must not contain this sub-item ("You cannot create
    // recursive menus").
    bool CanContainItem(TovBarItem* AItem, std::string& AErrorText) override;
    IovBarControl* CreateBarControl() override;
    TCustomImageList* ImageListOf() override { return nullptr; }
    TObject* OwnerObject() override { return this; }
    TovBarItemLinks* LinksOf() override { return FItemLinks.get(); }

    bool IsSubItem() const override { return true; }
    bool IsShortCutSupported() const override { return false; }
    bool CanMergeWith(TovBarItem* AItem) const override;
    // The item's actions, and the button group at design time.
    TovBarCustomizationActions GetSupportedActions() const override;
    std::string GetLinksSectionName(const std::string& APrefix) const override {
        return APrefix + "SubItem_" + Name();
    }
    void BarManagerChanged() override;
    void BarNotification(TovBar* ABar, int AKind) override;

private:
    std::unique_ptr<TovBarItemLinks> FItemLinks;
    int FBarSize = 0;
    TovBar* FDetachingBar = nullptr;
};

class TovBarSubItem : public TCustomovBarSubItem {
public:
    explicit TovBarSubItem(TComponent* AOwner);
    bool AllowCustomizing = true;
    std::string GetDefaultCaption() const override;
};

// One expansion of a container link in a bar window: the container, its link and the links made for it.
class TovBarContainerLinkData : public TObject {
public:
    TovBarItem* Item = nullptr;
    TovBarItemLink* Link = nullptr;
    int Index = -1;
    std::vector<TovBarItemLink*> Generated;
};

class TCustomovBarContainerItem : public TCustomovBarSubItem {
public:
    using TCustomovBarSubItem::TCustomovBarSubItem;
    TNotifyEvent OnGetData;

    // The bar window's expansion: OnGetData once per outermost expansion, then the generated links
    // after the container's link.
    void FillItemLinks(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData, int AIndex);
    virtual TovBarItemLink* AddLink(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData,
                                    TovBarItem* AItem, int AIndex);
    virtual void RemoveListItems(TovBarContainerLinkData* ALinkData);
    virtual void ClearItemList() { FClearNeeded = false; }
    virtual bool FirstLinkBeginsGroup() const { return true; }
    virtual void AddListItems(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData, int AIndex) {}
    virtual void BeginPopulate();
    virtual bool CanUpdateLinks() const;
    void MarkClearNeeded() { FClearNeeded = true; }
    int PopulationCount() const { return FPopulationCount; }

protected:
    bool FPopulating = false;
    bool FClearNeeded = false;
    int FPopulationCount = 0;
};

class TovBarContainerItem : public TCustomovBarContainerItem {
public:
    explicit TovBarContainerItem(TComponent* AOwner);
    virtual bool HasVisibleItems() const;
    bool CanBeVisible() const override;
    bool CanMergeWith(TovBarItem* AItem) const override;
    void AddListItems(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData, int AIndex) override;

private:
    void OwnLinksChanged(TObject* ASender);
};

class TovBarListItem : public TCustomovBarContainerItem {
public:
    explicit TovBarListItem(TComponent* AOwner);
    ~TovBarListItem() override;

    TStringList* Items() const { return FItems; }
    int ItemIndex = -1;
    bool ShowCheck = false;
    bool ShowNumbers = true;
    // The number of entries other than "-" up to and including ItemIndex, minus 1.
    int DataIndex() const;
    // ItemIndex becomes the string index of the Value-th entry other than "-"; -1 when there is none.
    void SetDataIndex(int AValue);
    int GeneratedCount() const { return static_cast<int>(FButtons.size()); }
    TovBarButton* Generated(int AIndex) const { return FButtons[AIndex]; }

    bool CanBeVisible() const override;
    void Click() override;
    void ClearItemList() override;
    void AddListItems(TovBarItemLinks* ALinks, TovBarContainerLinkData* ALinkData, int AIndex) override;
    void Assign(TPersistent* Source) override;

    virtual TovBarButton* CreateListButton(int AStringIndex, int ANumber);
    virtual std::string GetItemHint(const std::string& AText) const { return {}; }
    // "&N " for the first 35 entries (1..9, then A..Z); no accelerator beyond "Z".
    virtual std::string GetItemNumberText(int ANumber) const;
    virtual std::string GetItemCaption(int AStringIndex) const;
    virtual std::string GetDisplayText(const std::string& AText) const { return AText; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ItemsChanged(TObject* ASender);
    void FreeButtons();

    TStringList* FItems;
    std::vector<TovBarButton*> FButtons;
};
