// The smaller classes the bar manager owns or shares its model with: the component base of items, groups
// and popup menus with its change listeners, the listening component list, item groups, categories with
// their per-category data, the background bitmaps and the image options.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarTypes.h"
#include "ui/core/base/ComponentList.h"
#include "ui/core/base/Components.h"

#include <string>
#include <vector>

class TBitmap;
class TCustomImageList;
class TChangeLink;
class TovBarComponent;

// Told when a bar component changes (the component, or null for a general change).
class IovBarComponentListener {
public:
    virtual ~IovBarComponentListener() = default;
    virtual void BarComponentChanged(TovBarComponent* AComponent) = 0;
};

class TovBarComponent : public TuiCustomComponent {
public:
    explicit TovBarComponent(TComponent* AOwner) : TuiCustomComponent(AOwner) {}
    ~TovBarComponent() override;

    TovBarManager* BarManager() const { return FBarManager; }
    bool Enabled() const { return GetEnabled(); }
    TovBarItemVisible Visible() const { return GetVisible(); }

    virtual void NotifyChangeListeners(bool AAll);
    virtual bool GetEnabled() const { return FEnabled; }
    virtual TovBarItemVisible GetVisible() const { return FVisible; }
    virtual void AssignBarManager(TovBarManager* AValue) { FBarManager = AValue; }
    virtual void SetEnabled(bool AValue) { FEnabled = AValue; }
    virtual void SetVisible(TovBarItemVisible AValue) { FVisible = AValue; }
    virtual TovBarManager* OwningBarManager() const { return FBarManager; }
    // The manager's designer allows deleting it.
    virtual bool CanDelete(bool ADestruction = false);
    // Selected in the manager's designer (status 1).
    bool SelectedInDesigner();

    void AddChangeListener(IovBarComponentListener* AListener);
    void RemoveChangeListener(IovBarComponentListener* AListener);
    int ChangeListenerCount() const { return static_cast<int>(FListeners.size()); }

protected:
    TovBarManager* FBarManager = nullptr;
    bool FEnabled = true;
    TovBarItemVisible FVisible = ivAlways;

private:
    std::vector<IovBarComponentListener*> FListeners;
};

// A component list that listens to the components it holds.
class TovBarComponentList : public TuiComponentList, public IovBarComponentListener {
public:
    ~TovBarComponentList() override;
    TovBarComponent* Components(int AIndex) const { return static_cast<TovBarComponent*>(Items(AIndex)); }
    void BarComponentChanged(TovBarComponent* AComponent) override;
    TNotifyEvent OnComponentChanged;

protected:
    bool IsItemClass(TComponent* AComponent) const override;
    void DoNotify(TComponent* AComponent, TListNotification AAction) override;
};

// A named set of items and groups whose Enabled and Visible follow the group's.
class TovBarGroup : public TovBarComponent {
public:
    explicit TovBarGroup(TComponent* AOwner);
    ~TovBarGroup() override;

    // Nil and members already present are ignored; a group that would contain itself raises
    // EovException "You cannot create recursive groups".
    void Add(TovBarComponent* AMember);
    void Remove(TovBarComponent* AMember);
    int Count() const { return static_cast<int>(FMembers.size()); }
    TovBarComponent* Items(int AIndex) const;
    bool Contains(TovBarComponent* AMember, bool ADeep) const;
    int IndexOf(TovBarComponent* AMember) const;
    // Moves a member to another place in the member order (invalid indexes do nothing).
    void Move(int AFrom, int ATo);
    void SetEnabled(bool AValue) override;
    void SetVisible(TovBarItemVisible AValue) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TovBarComponent*> FMembers;
};

// Per-category data: whether the category's items are shown, and whether the category is listed.
class TovBarCategoryData : public TObject {
public:
    TovBarItemVisible ItemsVisible = ivAlways;
    TovBarItemVisible StreamedItemsVisible = ivAlways;
    bool Visible = true;
};

// The category names of a manager; items refer to categories by index, so every structural change
// renumbers the items' categories.
class TovBarManagerCategories : public TStringList {
public:
    explicit TovBarManagerCategories(TovBarManager* AManager);
    ~TovBarManagerCategories() override;

    void Clear() override;
    void Delete(int AIndex) override;
    void Insert(int AIndex, const std::string& S) override;
    void InsertObject(int AIndex, const std::string& S, TObject* AObject) override;
    void Exchange(int AIndex1, int AIndex2) override;
    void Move(int ACurIndex, int ANewIndex) override;
    void CustomSort(const TStringListSortCompare& ACompare) override;

    TovBarCategoryData* Data(int AIndex) const;
    // The stored per-category values, one per category in order ("ItemsVisibles" and "Visibles");
    // values beyond the category count are ignored.
    void ReadItemsVisibles(const std::vector<TovBarItemVisible>& AValues);
    void ReadVisibles(const std::vector<bool>& AValues);
    // What is written: the values of every category (ivAlways and True for one without data).
    std::vector<TovBarItemVisible> ItemsVisibles() const;
    std::vector<bool> Visibles() const;
    TovBarCategoryData* EnsureData(int AIndex);
    TovBarManager* Manager() const { return FManager; }

protected:
    void Changed() override;

private:
    bool ValidIndex(int AIndex) const { return AIndex >= 0 && AIndex < Count(); }
    // Every item of category AFrom gets category ATo (AFrom valid, ATo >= 0 or the parking value).
    void RenumberItems(int AFrom, int ATo);
    void AddDefault();

    TovBarManager* FManager;
    bool FMoving = false;
};

// The image options of a manager: image lists, glyph size and how glyphs are drawn.
class TovBarImageOptions : public TPersistent {
public:
    explicit TovBarImageOptions(TovBarManager* AManager);
    ~TovBarImageOptions() override;

    TCustomImageList* Images() const { return FImages[0]; }
    TCustomImageList* LargeImages() const { return FImages[1]; }
    TCustomImageList* HotImages() const { return FImages[2]; }
    TCustomImageList* DisabledImages() const { return FImages[3]; }
    TCustomImageList* DisabledLargeImages() const { return FImages[4]; }
    void SetImages(TCustomImageList* AValue) { SetImageList(0, AValue); }
    void SetLargeImages(TCustomImageList* AValue) { SetImageList(1, AValue); }
    void SetHotImages(TCustomImageList* AValue) { SetImageList(2, AValue); }
    void SetDisabledImages(TCustomImageList* AValue) { SetImageList(3, AValue); }
    void SetDisabledLargeImages(TCustomImageList* AValue) { SetImageList(4, AValue); }

    bool CacheGlyphs = true;
    bool SmoothGlyphs = false;
    bool StretchGlyphs = true;
    TColor ImageListBkColor() const { return FImageListBkColor; }
    void SetImageListBkColor(TColor AValue);
    bool LargeIcons() const { return FLargeIcons; }
    void SetLargeIcons(bool AValue);
    bool MakeDisabledImagesFaded() const { return FMakeDisabledImagesFaded; }
    void SetMakeDisabledImagesFaded(bool AValue);
    bool UseLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons; }
    void SetUseLargeImagesForLargeIcons(bool AValue);
    bool UseLeftBottomPixelAsTransparent() const { return FUseLeftBottomPixelAsTransparent; }
    void SetUseLeftBottomPixelAsTransparent(bool AValue);

    // 16 without LargeIcons; with them the width of LargeImages when those are used, else 32.
    int GlyphSize() const { return FGlyphSize; }
    void CalcGlyphSize();
    void Assign(TPersistent* Source) override;
    // One of the image lists (index as the setters) told that its content changed.
    void ImageListChanged(int AIndex);

    // The manager handles these: the look of the glyphs changed; their size changed.
    TNotifyEvent OnAppearanceChanged;
    TNotifyEvent OnSizeChanged;
    // An image list's content changed (the index of the list, as the setters).
    TEvent<int> OnImageListChanged;

private:
    class TWatcher;
    void SetImageList(int AIndex, TCustomImageList* AValue);
    void ImageListFreed(int AIndex);
    void Appearance();

    TovBarManager* FManager;
    TCustomImageList* FImages[5] = {};
    TChangeLink* FChangeLinks[5] = {};
    std::unique_ptr<TWatcher> FWatcher;
    TColor FImageListBkColor = 0xFF00FF;
    bool FLargeIcons = false;
    bool FMakeDisabledImagesFaded = false;
    bool FUseLargeImagesForLargeIcons = false;
    bool FUseLeftBottomPixelAsTransparent = true;
    int FGlyphSize = 16;
};

// The background bitmaps of a manager's bars and sub-menus.
class TovBarBackgrounds : public TPersistent {
public:
    explicit TovBarBackgrounds(TovBarManager* AManager);
    ~TovBarBackgrounds() override;
    TBitmap* Bar() const { return FBar; }
    // Setting a bitmap, or clearing one, makes the manager recreate its painter.
    void SetBar(TBitmap* AValue);
    TBitmap* SubMenu() const { return FSubMenu; }
    void SetSubMenu(TBitmap* AValue);
    void Assign(TPersistent* Source) override;

private:
    void BarChanged(TObject* ASender);
    TovBarManager* FManager;
    TBitmap* FBar;
    TBitmap* FSubMenu;
};
