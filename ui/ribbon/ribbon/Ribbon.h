// TovCustomRibbon: the ribbon control at the top of its form: tabs whose groups are toolbars of the
// form's bar manager, an application button, a help button, a quick access toolbar, contextual tab sets,
// and (in a ribbon form) the form's caption. This is the control's model: its sub-objects, the update
// lock, the active tab, the minimized state, the height rule, the bar-manager binding, loading and
// destruction, the skin selection and what the ribbon form asks of it. The objects that lay it out,
// paint and drive it come through the factory methods (RibbonSubObjects.h, RibbonFactories.cpp).
// TovRibbon is the same class as the program uses it.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"
#include "ui/bars/skin/SkinInterface.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/ribbon/RibbonTypes.h"
#include "ui/ribbon/form/FormKeyPreviewListener.h"
#include "ui/ribbon/form/RibbonFormClient.h"
#include "ui/ribbon/form/RibbonFormControl.h"
#include "ui/ribbon/form/RibbonFormNonClientHelper.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"

#include <memory>
#include <string>
#include <vector>

class TovBar;
class TovBarManager;
class TovBarPainter;
class TovCustomRibbonSkin;
class TovFadingOptions;
class TovScreenTip;
class TovRibbonApplicationButton;
class TovRibbonContext;
class TovRibbonContexts;
class TovRibbonFonts;
class TovRibbonHelpButton;
class TovRibbonMergeData;
class TovRibbonQuickAccessToolbar;
class TovRibbonTab;
class TovRibbonTabCollection;
class TovRibbonTabGroup;
class TovRibbonTouchModeHelper;
class TuiEventHandlerCollection;
class IovRibbonViewInfo;
class IovRibbonPainter;
class IovRibbonController;
class IovRibbonBarPainter;
class IovRibbonTabGroupsPopup;
class IovRibbonGroupsDock;
class IovRibbonDockControl;
class IovRibbonFormHost;
class IovRibbonFormCaptionHelper;
class TovCustomRibbon;
struct TovRibbonSkinContext;

using TovRibbonEvent = TEvent<TovCustomRibbon*>;
using TovRibbonApplicationMenuClickEvent = TEvent<TovCustomRibbon*, bool&>;
using TovRibbonHideMinimizedByClickEvent = TEvent<TovCustomRibbon*, HWND, TShiftState, const TPoint&, bool&>;
using TovRibbonTabChangingEvent = TEvent<TovCustomRibbon*, TovRibbonTab*, bool&>;
using TovRibbonTabGroupNotifyEvent = TEvent<TovCustomRibbon*, TovRibbonTab*, TovRibbonTabGroup*>;

// The four fading settings of the ribbon's elements; BarItems is what bar painters fade items with.
class TovRibbonOptionsFading : public TPersistent {
public:
    TovRibbonOptionsFading();
    ~TovRibbonOptionsFading() override;
    void Assign(TPersistent* Source) override;
    TovFadingOptions* ApplicationButton() const { return FOptions[0].get(); }
    TovFadingOptions* BarItems() const { return FOptions[1].get(); }
    TovFadingOptions* TabGroups() const { return FOptions[2].get(); }
    TovFadingOptions* Tabs() const { return FOptions[3].get(); }
    void SetApplicationButton(TovFadingOptions* AValue);
    void SetBarItems(TovFadingOptions* AValue);
    void SetTabGroups(TovFadingOptions* AValue);
    void SetTabs(TovFadingOptions* AValue);

private:
    std::unique_ptr<TovFadingOptions> FOptions[4];
};

// Told before and after the ribbon's bar manager changes (nothing in this program registers one).
class IovRibbonBarManagerListener {
public:
    virtual ~IovRibbonBarManagerListener() = default;
    virtual void BeforeBarManagerChange() = 0;
    virtual void AfterBarManagerChange() = 0;
};

class TovCustomRibbon : public TuiControl,
                        public IovSkin,
                        public IovSkinnedObject,
                        public IovRibbonFormNonClientHelper,
                        public IovRibbonFormClient,
                        public IovFormKeyPreviewListener,
                        public IovRibbonFormControl {
public:
    // Makes a ribbon of class T (TovRibbon, or a descendant that befriends TovCustomRibbon). AOwner must
    // be a form (the application's main form when null) without another ribbon; otherwise EovException
    // with the class name in the text. The sub-objects come from T's factory methods, so a ribbon is only
    // ever made through New.
    template <class T> static T* New(TComponent* AOwner) {
        T* ribbon = new T(CheckRibbonOwner(AOwner, uiClassOf<T>()));
        try {
            ribbon->AfterConstruction();
        } catch (...) {
            ribbon->Free();
            throw;
        }
        return ribbon;
    }
    ~TovCustomRibbon() override;
    void BeforeDestruction() override;

    // ---- Sub-objects
    TovRibbonApplicationButton* ApplicationButton() const { return FApplicationButton.get(); }
    void SetApplicationButton(TovRibbonApplicationButton* AValue);
    TovRibbonHelpButton* HelpButton() const { return FHelpButton.get(); }
    void SetHelpButton(TovRibbonHelpButton* AValue);
    TovScreenTip* HelpButtonScreenTip() const;
    void SetHelpButtonScreenTip(TovScreenTip* AValue);
    TovRibbonContexts* Contexts() const { return FContexts.get(); }
    void SetContexts(TovRibbonContexts* AValue);
    TovRibbonFonts* Fonts() const { return FFonts.get(); }
    void SetFonts(TovRibbonFonts* AValue);
    TovRibbonOptionsFading* OptionsFading() const { return FOptionsFading.get(); }
    void SetOptionsFading(TovRibbonOptionsFading* AValue);
    TovRibbonQuickAccessToolbar* QuickAccessToolbar() const { return FQuickAccessToolbar.get(); }
    void SetQuickAccessToolbar(TovRibbonQuickAccessToolbar* AValue);
    TovRibbonTabCollection* Tabs() const { return FTabs.get(); }
    void SetTabs(TovRibbonTabCollection* AValue);
    TovRibbonMergeData* MergeData() const { return FMergeData.get(); }
    TovRibbonTouchModeHelper* TouchModeHelper() const { return FTouchModeHelper.get(); }
    // Made by the factories; null while the ribbon runs without them.
    IovRibbonViewInfo* ViewInfo() const { return FViewInfo.get(); }
    IovRibbonPainter* Painter() const { return FPainter.get(); }
    IovRibbonController* Controller() const { return FController.get(); }
    TWinControl* GroupsDockControlSite() const { return FGroupsDockControlSite; }
    TovBarPainter* BarPainter() const { return FBarPainter.get(); }
    IovRibbonBarPainter* RibbonBarPainter() const;
    IovRibbonTabGroupsPopup* TabGroupsPopupWindow() const { return FTabGroupsPopupWindow.get(); }
    IovRibbonFormCaptionHelper* FormCaptionHelper() const { return FFormCaptionHelper.get(); }
    // Called with the ribbon after every colour-scheme or style change.
    TuiEventHandlerCollection* ColorSchemeListeners() const { return FColorSchemeListeners.get(); }
    void AddBarManagerListener(IovRibbonBarManagerListener* AListener);
    void RemoveBarManagerListener(IovRibbonBarManagerListener* AListener);
    // The caption-area extensions: Add answers the position (an object already there keeps its own).
    int AddCaptionAreaExtension(IovRibbonCaptionAreaExtension* AExtension);
    void RemoveCaptionAreaExtension(IovRibbonCaptionAreaExtension* AExtension);

    // ---- Published values
    TovBarManager* BarManager() const { return FBarManager; }
    void SetBarManager(TovBarManager* AValue);
    TovRibbonColorSchemeAccent ColorSchemeAccent() const { return FColorSchemeAccent; }
    void SetColorSchemeAccent(TovRibbonColorSchemeAccent AValue);
    // The skin's name; setting it selects the skin of that name in the current style (ignoring case).
    std::string ColorSchemeName() const;
    void SetColorSchemeName(const std::string& AName);
    // The skin's style; setting it selects the current colour scheme in that style, else the style's
    // first skin.
    TovRibbonStyle Style() const;
    void SetStyle(TovRibbonStyle AStyle);
    const std::string& DocumentName() const { return FDocumentName; }
    void SetDocumentName(const std::string& AValue);
    bool EnableTabAero() const { return FEnableTabAero; }
    void SetEnableTabAero(bool AValue);
    bool MinimizeOnTabDblClick = true;
    TovRibbonPopupMenuItems PopupMenuItems() const { return FPopupMenuItems; }
    void SetPopupMenuItems(TovRibbonPopupMenuItems AValue);
    // False: minimized, the groups row shows only in the tab-groups popup.
    bool ShowTabGroups() const { return FShowTabGroups; }
    void SetShowTabGroups(bool AValue);
    bool ShowTabHeaders() const { return FShowTabHeaders; }
    void SetShowTabHeaders(bool AValue);
    bool SupportNonClientDrawing() const { return FSupportNonClientDrawing; }
    void SetSupportNonClientDrawing(bool AValue);

    TovRibbonApplicationMenuClickEvent OnApplicationMenuClick;
    TovRibbonEvent OnHelpButtonClick;
    TovRibbonHideMinimizedByClickEvent OnHideMinimizedByClick;
    TovRibbonEvent OnMinimizedChanged;
    TovRibbonEvent OnMoreCommandsExecute;
    TovRibbonEvent OnTabChanged;
    TovRibbonTabChangingEvent OnTabChanging;
    TovRibbonTabGroupNotifyEvent OnTabGroupCollapsed;
    TovRibbonTabGroupNotifyEvent OnTabGroupExpanded;

    // ---- Active tab
    // While loading: the tab remembered from the form, else the active tab.
    TovRibbonTab* ActiveTab() const;
    void SetActiveTab(TovRibbonTab* ATab);
    // The first tab that can be shown at or after ATab's position (the index a destroyed tab had),
    // else the last one before it, else null.
    TovRibbonTab* GetNextActiveTab(TovRibbonTab* ATab) const;
    TovRibbonTab* GetVisibleTab(int AIndex) const;
    int GetVisibleTabCount() const;

    // ---- Update lock and recalculation
    void BeginUpdate();
    void EndUpdate();
    // Ends an update re-enabling only the groups site (no recalculation).
    void EndUpdateSiteOnly();
    int UpdateCount() const { return FLockCount; }
    // Counter above zero, no window and none can be made, loading, or being destroyed.
    bool IsLocked();
    // Recalculates and repaints unless locked.
    // (The control's own change notice, which nothing of the ribbon's sends, becomes this.)
    void Changed() override;
    virtual void UpdateHeight();

    // ---- State
    bool IsBarManagerValid() const;
    // The owner form when it is a ribbon form not being destroyed.
    IovRibbonFormHost* GetRibbonForm() const;
    TCustomForm* OwnerForm() const;
    bool AreGroupsVisible();
    bool IsHidden();
    bool IsApplicationMenuShown() const { return FApplicationMenuShown; }
    bool IsUpdatingFormCaption() const { return FCaptionUpdating; }
    bool IsFadingEnabled() const { return FFadingEnabled; }
    int StreamedHeight() const { return FStreamedHeight; }
    void ShowTabGroupsPopup();
    void CloseTabGroupsPopup(bool AResetFlag);
    bool IsTabGroupsPopupVisible() const;
    // Opens the application menu (application button click or deferred request); answers whether the
    // menu was shown.
    bool ShowApplicationMenu();

    // ---- Metrics
    int GetGroupRowHeight();
    int GetGroupContentHeight() { return 3 * GetGroupRowHeight(); }
    int GetGroupHeight();
    // The group caption strip height and the space between a group's content and its caption.
    int GetGroupCaptionHeight();
    int GetGroupCaptionOffset();

    // ---- Skin
    TovCustomRibbonSkin* Skin() const { return FSkin; }
    // Null or the current skin: nothing. Otherwise the new skin is taken first (its first use loads its
    // sheets); only when that succeeded is the old one released.
    void SetSkin(TovCustomRibbonSkin* ASkin);
    void UpdateColorScheme();
    // The skin's own answers (with the accent), before the ribbon composes or adjusts them; the defaults
    // while the ribbon has no skin.
    TColor GetSkinPartColor(int APart, int AState);
    TRect GetSkinContentOffsets(int APart);
    // A tab header's text colour for its state (and context).
    void SetTabFontColor(TFont* AFont, int AState, TovRibbonContext* AContext);

    // ---- Form caption
    virtual int CalculateCaptionHeight(bool AWithQuickAccessToolbar);
    virtual std::string GetWindowCaptionText();
    // The document name and the form caption as the caption shows them ("<document> - <caption>").
    std::string GetFormCaptionText() const;
    virtual TovRibbonPopupMenuItems GetPopupMenuItems();
    void UpdateNonClientDrawing();
    // The ribbon form is redrawn with its frame (not its children, not at once).
    void RedrawFormFrame();
    // The MDI state of the bar manager changed (kind 0 activated, 2 state changed, child window).
    void MDIStateChanged(int AKind, HWND AChild);

    // ---- Merging
    virtual TovRibbonContext* AddMergedContext(TovRibbonContext* ASource);
    // A new toolbar of the bar manager (a merged group's).
    virtual TovBar* AddToolbar();

    // ---- Tab bookkeeping (the tab collection and the tabs)
    void TabAdded(TovRibbonTab* ATab);
    void TabRemoved(TovRibbonTab* ATab);
    void TabVisibleChanged(TovRibbonTab* ATab);
    // The first tab other than AExcept that has a group bound to the toolbar; null when none.
    TovRibbonTab* FindTabBindingToolbar(TovBar* ABar, TovRibbonTab* AExcept) const;
    // Repaints everything (quick access toolbar, tab groups, groups site, ribbon) unless destroying.
    void FullInvalidate();
    bool IsNoDesignerNotification() const { return FNoDesignerNotification > 0; }

    // ---- Factories of the sub-objects other parts of the library supply
    virtual IovRibbonGroupsDock* CreateGroupsDockControl(TovRibbonTab* ATab);
    virtual IovRibbonDockControl* CreateQuickAccessDockControl();

    // ---- IovSkin
    void DrawBackground(HDC DC, const TRect& R, int APart, int AState) override;
    void DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) override;
    void DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) override;
    TovFadingOptions* GetFadingOptions() override;
    TRect GetCaptionRect(const TRect& R, int APart) override;
    TRect GetContentOffsets(int APart) override;
    bool GetIsAlphaUsed(int APart) override;
    std::string GetName() override;
    TColor GetPartColor(int APart, int AState) override;
    int GetPartSize(int APart) override;
    bool UseRoundedWindowCorners() override;
    // ---- IovSkinnedObject: the ribbon while it has a skin.
    IovSkin* QuerySkin() override;

    // ---- IovRibbonFormNonClientHelper
    void AdjustCaptionButtonSize(int AButtonKind, bool ASmall, TSize& ASize) override;
    void DoHelpButtonClick() override;
    void DrawFormBackground(HDC DC, const TRect& R) override;
    void DrawFormBorders(TuiCanvas* ACanvas, const TovRibbonFormPaintData& AData,
                         const TRect& ABordersWidth) override;
    void DrawFormBorderIcon(TuiCanvas* ACanvas, const TRect& R, int AIcon, int AState) override;
    void DrawFormCaption(TuiCanvas* ACanvas, const TRect& R, const TovRibbonFormPaintData& AData) override;
    void ApplicationMenuNotify(std::vector<TWinControl*>& AList) override;
    int GetApplicationMenuState() override;
    TovBarManager* GetBarManager() override;
    TovBarPainter* GetBarPainter() override { return BarPainter(); }
    int GetTabsGlassHeight() override;
    int GetCaptionHeightWithQuickAccessToolbar() override { return CalculateCaptionHeight(true); }
    int GetCaptionHeight() override { return CalculateCaptionHeight(false); }
    TColor GetFormColor() override;
    HRGN CreateGlassRegion() override;
    int GetStreamedHeight() override { return FStreamedHeight; }
    HRGN GetNonClientElementsRegion() override;
    TRect GetQuickAccessToolbarBounds() override;
    TovRibbonStyle GetStyle() override { return Style(); }
    IovRibbonCaptionAreaExtension* GetCaptionAreaExtension() override;
    std::string GetWindowCaption() override { return GetWindowCaptionText(); }
    TRect GetWindowBordersWidth() override;
    bool UseFlatWindowBorders() override;
    bool HasHelpButtonHandler() override { return OnHelpButtonClick.Assigned(); }
    bool HasCaptionAreaExtension() override { return GetCaptionAreaExtension() != nullptr; }
    void RepaintAll() override;

    // ---- IovRibbonFormClient
    void UpdateFormCaption() override;
    void FormSizeChanged() override;

    // ---- IovFormKeyPreviewListener: Ctrl+F1 minimizes and restores.
    void FormKeyDown(WORD& Key, TShiftState Shift) override;

    // ---- Control behaviour
    bool CanFocus() override { return false; }
    bool CanResize(int& NewWidth, int& NewHeight) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void BoundsChanged() override;
    void FontChanged() override;
    bool IsPointInClientArea(const TPoint& P) override;
    void DesignerModified() override;
    void Loaded() override;

protected:
    // The owner has passed the creation checks (New).
    explicit TovCustomRibbon(TComponent* AOwner);
    // Makes the sub-objects through the factories and registers the ribbon; New calls it.
    virtual void AfterConstruction();

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateParams(TCreateParams& Params) override;
    void CMVisibleChanged(TMessage& Message) override;
    void DoContextPopup(POINT MousePos, bool& Handled) override;

    // ---- Factories
    virtual IovRibbonPainter* CreatePainter();
    virtual IovRibbonViewInfo* CreateViewInfo();
    virtual TWinControl* CreateGroupsDockControlSite();
    virtual TovBarPainter* CreateBarPainter();
    virtual IovRibbonController* CreateController();
    virtual IovRibbonTabGroupsPopup* CreateTabGroupsPopupWindow();
    virtual IovRibbonFormCaptionHelper* CreateFormCaptionHelper();
    virtual TovRibbonApplicationButton* CreateApplicationButton();
    virtual TovRibbonHelpButton* CreateHelpButton();
    virtual TovRibbonQuickAccessToolbar* CreateQuickAccessToolbar();
    virtual TovRibbonTouchModeHelper* CreateTouchModeHelper();
    virtual const TuiClassRef* GetTabClass();

    // The owner form is an MDI frame (this platform makes none; the caption rules for one stay).
    virtual bool IsFormMDIParent() const;

    // ---- Events
    virtual void DoMinimizedChanged();
    virtual bool DoHideMinimizedByClick(HWND AWnd, TShiftState AShift, const TPoint& APos);
    virtual bool DoTabChanging(TovRibbonTab* ANewTab);
    virtual void DoMoreCommandsExecute();
    virtual void DoTabChanged();
    virtual void DoTabGroupCollapsed(TovRibbonTab* ATab, TovRibbonTabGroup* AGroup);
    virtual void DoTabGroupExpanded(TovRibbonTab* ATab, TovRibbonTabGroup* AGroup);

private:
    friend class TovRibbonTabCollection;
    class TNoDesignerNotification;

    void ReadState();
    void SelectFirstSkin();
    void ReleaseSkin();
    bool DrawsFormNonClientArea();
    // The skin draws the application button as a tab (every style but the 2007 one).
    bool IsApplicationButtonTab();
    // What the skin's drawing needs of the ribbon beyond the skin.
    TovRibbonSkinContext SkinContext();
    void DrawApplicationButtonOverMenu(HDC DC);
    void SetRedrawGroupsSite(bool ARedraw);
    void AttachBarManager();
    void DetachBarManager();
    void SystemFontChanged(TovBarManager* AManager);
    void BarManagerMDIStateChanged(TObject* ASender, void* AData);
    void SetApplicationMenuShown(bool AValue);
    TRect GroupFrameBackgroundRect(const TRect& R);
    void DrawApplicationMenuFrame(HDC DC, const TRect& R, const TRect& ABounds, int AState);
    void RedrawFormNonClientArea();

    std::unique_ptr<TovRibbonOptionsFading> FOptionsFading;
    std::unique_ptr<IovRibbonPainter> FPainter;
    std::unique_ptr<IovRibbonViewInfo> FViewInfo;
    std::vector<IovRibbonBarManagerListener*> FBarManagerListeners;
    TWinControl* FGroupsDockControlSite = nullptr;
    std::unique_ptr<TovBarPainter> FBarPainter;
    std::unique_ptr<TovRibbonFonts> FFonts;
    std::unique_ptr<TovRibbonContexts> FContexts;
    std::unique_ptr<TovRibbonTabCollection> FTabs;
    std::unique_ptr<TovRibbonMergeData> FMergeData;
    std::unique_ptr<TovRibbonApplicationButton> FApplicationButton;
    std::unique_ptr<TovRibbonHelpButton> FHelpButton;
    std::unique_ptr<TovRibbonQuickAccessToolbar> FQuickAccessToolbar;
    std::unique_ptr<IovRibbonController> FController;
    std::unique_ptr<TovRibbonTouchModeHelper> FTouchModeHelper;
    std::unique_ptr<TuiEventHandlerCollection> FColorSchemeListeners;
    std::vector<IovRibbonCaptionAreaExtension*> FCaptionAreaExtensions;
    std::unique_ptr<IovRibbonTabGroupsPopup> FTabGroupsPopupWindow;
    std::unique_ptr<IovRibbonFormCaptionHelper> FFormCaptionHelper;

    TovCustomRibbonSkin* FSkin = nullptr;
    TovBarManager* FBarManager = nullptr;
    TovRibbonColorSchemeAccent FColorSchemeAccent = rcsaYellow;
    TovRibbonTab* FActiveTab = nullptr;
    TovRibbonTab* FLoadedActiveTab = nullptr;
    int FLockCount = 0;
    bool FCaptionUpdating = false;
    int FNoDesignerNotification = 0;
    bool FApplicationMenuShown = false;
    int FStreamedHeight = 0;
    bool FTabsClearedByStreaming = false;
    bool FFadingEnabled = false;
    std::string FDocumentName;
    bool FEnableTabAero = true;
    TovRibbonPopupMenuItems FPopupMenuItems = ovRibbonAllPopupMenuItems;
    bool FShowTabGroups = true;
    bool FShowTabHeaders = true;
    bool FSupportNonClientDrawing = false;
    bool FDestroyingSubObjects = false;
    std::shared_ptr<TovCustomRibbon*> FFontHandlerTarget;
};

class TovRibbon : public TovCustomRibbon {
protected:
    friend class TovCustomRibbon;
    explicit TovRibbon(TComponent* AOwner) : TovCustomRibbon(AOwner) {}
};
