// The command object of the bar system: one item per manager that may appear on any number of toolbars,
// menus and groups through item links. It holds what all its appearances share, binds to an action of
// the class library, and runs the click road: the manager's OnClickItem, then its OnClick or the action.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/ActionLink.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItemControl.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBasicAction;
class TBitmap;
class TCanvas;
class TCustomImageList;
class TovBarItem;
class TovBarItemStylesData;
class TuiStyle;
enum TovBarItemStylesChange : std::uint8_t;

// The item's link to its action: a property follows the action only while the item's value equals it.
class TovBarItemActionLink : public TActionLink {
public:
    // The client must be a bar item (EInvalidCast otherwise).
    explicit TovBarItemActionLink(TObject* AClient);
    bool IsCaptionLinked() override;
    bool IsCheckedLinked() override;
    bool IsEnabledLinked() override;
    bool IsHelpContextLinked() override;
    bool IsHintLinked() override;
    bool IsImageIndexLinked() override;
    bool IsShortCutLinked() override;
    bool IsVisibleLinked() override;
    bool IsOnExecuteLinked() override;
    void SetCaption(const std::string& Value) override;
    void SetChecked(bool Value) override;
    void SetEnabled(bool Value) override;
    void SetHelpContext(int Value) override;
    void SetHint(const std::string& Value) override;
    void SetImageIndex(int Value) override;
    void SetShortCut(TShortCut Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;

private:
    TovBarItem* FItem;
};

class TovBarItem : public TovBarComponent {
public:
    explicit TovBarItem(TComponent* AOwner);
    ~TovBarItem() override;
    void BeforeDestruction() override;
    void Loaded() override;

    // ---- Published
    TBasicAction* Action() const;
    void SetAction(TBasicAction* AValue);
    TovBarItemAlign Align() const { return FAlign; }
    void SetAlign(TovBarItemAlign AValue);
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& AValue);
    int Category() const { return FCategory; }
    void SetCategory(int AValue);
    // Renumbering by the categories list: stores the index without moving the item.
    void SetCategoryDirect(int AValue) { FCategory = AValue; }
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& AValue);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int AValue) { FHelpContext = AValue; }
    virtual std::string GetHint() const { return FHint; }
    virtual void SetHint(const std::string& AValue) { FHint = AValue; }
    std::string KeyTip;
    TovBarItemMergeKind MergeKind = mkAdd;
    int MergeOrder() const { return FMergeOrder; }
    void SetMergeOrder(int AValue) { FMergeOrder = AValue < 0 ? 0 : AValue; }
    TNotifyEvent OnDestroy;
    TNotifyEvent OnAfterLoad;
    // The screen tip the item shows (a reference only; the screen tips own themselves). OnGetScreenTip
    // may replace it for each query.
    TComponent* ScreenTip() const { return FScreenTip; }
    void SetScreenTip(TComponent* AValue);
    TComponent* GetScreenTip();
    TEvent<TovBarItem*, TComponent*&> OnGetScreenTip;
    // The item's style (slot 0 of its styles; edit items keep their edit style in slot 1). The item repaints
    // its controls when a style's colours change and rebuilds them when its font changes.
    TuiStyle* Style() const { return GetStyleByIndex(0); }
    void SetStyle(TuiStyle* AValue) { SetStyleByIndex(0, AValue); }
    // Null for a slot the item does not have.
    TuiStyle* GetStyleByIndex(int AIndex) const;
    void SetStyleByIndex(int AIndex, TuiStyle* AValue);

    // ---- Held here, published by descendants
    TBitmap* Glyph() const { return FGlyph; }
    virtual void SetGlyph(TBitmap* AValue);
    TBitmap* LargeGlyph() const { return FLargeGlyph; }
    void SetLargeGlyph(TBitmap* AValue);
    virtual int GetImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int AValue);
    int LargeImageIndex() const { return FLargeImageIndex; }
    void SetLargeImageIndex(int AValue) { ApplyLargeImageIndex(AValue); }
    TovBarPaintStyle PaintStyle() const { return FPaintStyle; }
    void SetPaintStyle(TovBarPaintStyle AValue);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut AValue);
    bool UnclickAfterDoing = false;
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool AValue);
    int Width() const { return FWidth; }
    virtual void SetWidth(int AValue);
    const TNotifyEvent& OnClick() const { return FOnClick; }
    void SetOnClick(const TNotifyEvent& AValue) { FOnClick = AValue; }

    // ---- State
    bool CanSelect = true;
    TObject* Data = nullptr;
    TovBarItemLink* ClickItemLink = nullptr;
    TovBarItemActionLink* ActionLink() const { return FActionLink.get(); }

    // ---- Enabled and visible
    bool GetEnabled() const override;
    void SetEnabled(bool AValue) override;
    void SetVisible(TovBarItemVisible AValue) override;
    // Shown at run time: ivAlways and (CanBeVisible or customizing/designing), or ivInCustomizing while
    // customizing or designing.
    bool IsShownAtRunTime() const;
    // An item with links can always lose them (unless it is being destroyed); else the designer decides.
    bool CanDelete(bool ADestruction = false) override;
    // On a destruction or without links the item goes; otherwise only its links do.
    void DeleteSelectedObject(bool ADestruction);

    // ---- Links
    int LinkCount() const { return static_cast<int>(FLinks.size()); }
    TovBarItemLink* Links(int AIndex) const;
    TovBarItemLink* GetActiveItemLink() const;
    void AddLinkRef(TovBarItemLink* ALink);
    void RemoveLinkRef(TovBarItemLink* ALink);
    void ClearLinks();

    // ---- Virtual operations
    virtual void BarManagerChanged() {}
    // A toolbar of the manager tells its items of a change (kind 1: the toolbar is being destroyed).
    virtual void BarNotification(TovBar* ABar, int AKind) {}
    virtual bool CanBePlacedOn(TovBarPlacement AKind, TovBar* AToolbar, std::string& AErrorText);
    virtual bool IsPaintStyleSupported() const { return false; }
    // How many style slots the item has.
    virtual int GetStyleCount() const { return 1; }
    // Sub-items never rewrite their hint when the caption changes.
    virtual bool IsSubItem() const { return false; }
    virtual bool IsShortCutSupported() const { return true; }
    // The customization actions the item offers: at run time reset, delete link, caption and begin group;
    // at design time delete.
    virtual TovBarCustomizationActions GetSupportedActions() const;
    virtual int GetCurImageIndex() const { return GetImageIndex(); }
    virtual void SetCurImageIndex(int AValue) { SetImageIndex(AValue); }
    virtual const TovBarItemControlClass* GetControlClass(bool ARotated = false) const;
    virtual TovBarItemLinks* LinksOf() const { return nullptr; }
    virtual bool CanClick(TovBarItemLink* ALink = nullptr) const { return GetEnabled(); }
    virtual bool CanBeVisible() const { return true; }
    // Items that put a window of the form on a bar answer True; a control that showed that window tells
    // the item when it goes, so the window is taken off the bar before the bar's window is destroyed.
    virtual bool HostsControl() const { return false; }
    virtual void HideHostedControl(TovBarItemControl* AControl) {}
    virtual bool CanMergeWith(TovBarItem* AItem) const { return false; }
    virtual bool IsShortCut(TShortCut AShortCut);
    virtual bool IsHotImageAssigned() const { return false; }
    virtual bool HasImage() const { return FImageIndex >= 0 || FLargeImageIndex >= 0; }
    virtual std::string EffectiveCaption() const { return FCaption; }
    virtual std::string GetDefaultCaption() const;
    virtual std::string GetDefaultHint() const { return {}; }
    virtual TCustomImageList* ImageListOf() const;
    virtual void ApplyLargeImageIndex(int AValue);
    virtual void UpdateLinkControls();
    virtual void InvalidateLinks();
    virtual void UpdateActionLink();
    virtual void RefreshBarControls(TovBarControlKinds AKinds = ovAllBarControlKinds);
    // The item's entry in the Customize window's commands list, drawn through the look of the manager's
    // customization-form painter (ui/bars/customize/form): a button-like entry unless overridden.
    virtual void DrawCustomizingImage(TCanvas* ACanvas, const TRect& ARect, bool ASelected);
    // What an edit-like entry shows inside its box: the window colour.
    virtual void DrawCustomizingImageContent(TCanvas* ACanvas, const TRect& ARect, bool ASelected);

    // ---- Notifications to the links' controls
    virtual void CaptionChanged();
    virtual void EnabledChanged();
    virtual void GlyphChanged();
    virtual void HotGlyphChanged();
    virtual void LargeGlyphChanged();
    virtual void PaintStyleChanged() {}
    virtual void ShortCutChanged();
    virtual void WidthChanged();
    // Visibility changed: every link re-evaluates itself inside one manager update.
    void UpdateLinksVisibility();

    // ---- The click road
    virtual void ActionChange(TObject* ASender, bool ACheckDefaults);
    virtual void DirectClick();
    virtual void Click();
    virtual void DoClick();

    // ---- Helpers
    // The caption without its first "&" and first "...".
    static std::string GetCaptionForHint(const std::string& ACaption);
    bool IsHintDefault() const;
    bool IsDesignState() const;
    bool IsItemLoading() const;
    // Where the item is in its manager's list; setting it moves the entry.
    int Index() const;
    void SetIndex(int AValue);
    void Assign(TPersistent* Source) override;
    // To an action: caption, check (buttons), enabled, help, hint, image, shortcut, visibility, handler.
    void AssignTo(TPersistent* Dest) override;
    void SetName(const std::string& NewName) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool FCheckDefaults = false;

private:
    void ActionChanged(TObject* ASender);
    void GlyphBitmapChanged(TObject* ASender);
    void LargeGlyphBitmapChanged(TObject* ASender);
    void StylesChanged(TovBarItemStylesChange AKind);

    // Made with the first style given, when the item's class (and so its slot count) is complete.
    std::unique_ptr<TovBarItemStylesData> FStylesData;

    std::unique_ptr<TovBarItemActionLink> FActionLink;
    TovBarItemAlign FAlign = iaLeft;
    std::string FCaption;
    int FCategory = -1;
    std::string FDescription;
    int FHelpContext = 0;
    std::string FHint;
    int FMergeOrder = 0;
    TBitmap* FGlyph = nullptr;
    TBitmap* FLargeGlyph = nullptr;
    int FImageIndex = -1;
    int FLargeImageIndex = -1;
    TovBarPaintStyle FPaintStyle = psStandard;
    TShortCut FShortCut = 0;
    bool FShowCaption = false;
    int FWidth = 0;
    TNotifyEvent FOnClick;
    std::vector<TovBarItemLink*> FLinks;
    TComponent* FScreenTip = nullptr;
};
