// The bar manager: the non-visual component that owns the whole command model of one window — its
// toolbars, items, groups, categories, image options, fonts and painter — with the update lock that
// brackets model changes and refreshes the bar windows once at the outermost end.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarDesigner.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/layout/BarLayoutNames.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class TFont;
class TWinControl;
class TCustomForm;
class TCustomImageList;
class TovBarPainter;
class TovBarBackgrounds;
class TuiLookAndFeel;
class TuiSystemPaletteChangedNotifier;
class TuiEventHandlerCollection;
class TCustomIniFile;
class TMemIniFile;
class TovBarManagerMDIStateHelper;
class TovBarPopupMenuLinks;
class TovBarCustomPopupMenuComponent;

using TovBarEvent = TEvent<TovBarManager*, TovBar*>;
using TovBarItemLinkEvent = TEvent<TovBarManager*, TovBarItemLink*>;
using TovBarClickItemEvent = TEvent<TovBarManager*, TovBarItem*>;
using TovBarCanDockingEvent = TEvent<TovBar*, TovBarDockingStyle, IovBarDock*, bool&>;
using TovBarResetEvent = TEvent<TovBarManager*, TovBar*, bool&, bool&>;
using TovBarMergeItemLinkEvent =
    TEvent<TovBarManager*, TovBarItemLinks*, TovBarItemLinks*, TovBarItemLink*, TovBarItemMergeKind&, int&>;
// Sender, the child manager, and whether items are added (merge) or taken away (unmerge).
using TovBarMergeEvent = TEvent<TovBarManager*, TovBarManager*, bool>;
// The entries of a popup the design controller is about to show, for the application to change.
using TovBarShowPopupEvent = TEvent<TovBarManager*, TovBarItemLinks*>;

// What the layout's read and write handlers are called with, after the manager's own pass: the store,
// its kind, the section prefix and the separator of the kind.
struct TovBarIniFileEventData {
    TCustomIniFile* IniFile = nullptr;
    TovBarStoringKind StoringKind = bskIniFile;
    std::string SectionPrefix;
    std::string Separator;
};

enum TovBarMergeOperation { bmoMerge = 0, bmoUnmerge = 1 };

// A component that merges a child manager its own way (the ribbon merges tabs and groups) answers
// whether it took the merge or unmerge in hand.
class IovBarMergeOperationHandler {
public:
    virtual ~IovBarMergeOperationHandler() = default;
    virtual bool HandleMergeOperation(TovBarManager* AChildManager, TovBarMergeOperation AOperation) = 0;
};

// Bits of the manager's internal state set.
enum TovBarManagerStateBit : unsigned {
    bmsInLoaded = 0x1,
    bmsLoadingBars = 0x2,
    bmsCreating = 0x4,
    bmsOwnerFormCreating = 0x8,
    bmsCancelMode = 0x10,
    bmsOwnerActivating = 0x20,
    bmsShowingFloatingBars = 0x40,
    bmsDeactivatedWhileDisabled = 0x80,
    bmsSavingDesignState = 0x100,
    bmsRecreatingPainter = 0x200,
};

class TovBarManager : public TuiCustomComponent {
public:
    // AOwner must be a windowed control (the application's main form when null) that holds no other
    // manager; otherwise EovException with the texts of ovSBAR_BARMANAGERBADOWNER or
    // ovSBAR_BARMANAGERMORETHANONE.
    explicit TovBarManager(TComponent* AOwner);
    ~TovBarManager() override;

    TWinControl* OwnerWinControl() const;
    // The nearest form, the outermost form and the nearest MDI child else the outermost form that holds
    // the owner control.
    TCustomForm* GetParentForm() const;
    TCustomForm* GetTopForm() const;
    TCustomForm* GetMDIOrTopForm() const;
    unsigned State() const { return FState; }
    bool IsLoading() const;
    bool IsDesigning() const;
    bool BeingDestroyed() const;
    bool IsLoadingBars() const { return (FState & bmsLoadingBars) != 0; }
    bool IsCustomizing() const { return FIsCustomizing; }
    bool IsCustomizingOrDesigning() const { return FIsCustomizing || IsDesigning(); }

    // ---- Items
    int ItemCount() const;
    TovBarItem* Items(int AIndex) const;
    int IndexOfItem(TovBarItem* AItem) const;
    TovBarItem* GetItemByName(const std::string& AName) const;
    void GetItemsByCategory(int ACategory, std::vector<TovBarItem*>& AList) const;
    void GetVisibleItemsByCategory(int ACategory, std::vector<TovBarItem*>& AList) const;
    void MoveItem(int AFrom, int ATo);
    // The item list itself: the customization form listens to its changes.
    TovBarComponentList* ItemList() const { return FItems; }
    // The class name without its first letter followed by 1, 2, ... until no item has the name.
    std::string MakeUniqueItemName(const std::string& AItemClassName) const;
    // Called by items: joining and leaving the item list.
    void AddItem(TovBarItem* AItem);
    void RemoveItem(TovBarItem* AItem);

    // ---- Bars
    TovBars* Bars() const { return FBars; }
    TovBar* GetBarByName(const std::string& AName) const;
    TovBar* GetBarByCaption(const std::string& ACaption) const;
    std::string MakeUniqueBarCaption(const std::string& ABase) const;
    std::string MakeUniqueBarName(const std::string& ABase) const;
    // A new toolbar "Custom N" on the top dock (as the main menu in row 0, else in a new last row).
    TovBar* AddToolbar(bool AAsMainMenu, bool AAskName);
    TovBar* GetMainMenuBar() const { return FMainMenuBar; }
    void SetMainMenuBar(TovBar* ABar) { FMainMenuBar = ABar; }

    // ---- Groups
    TovBarGroup* CreateGroup();
    int GroupCount() const { return FGroups->Count(); }
    TovBarComponentList* GroupList() const { return FGroups; }
    TovBarGroup* Groups(int AIndex) const;
    void AddGroup(TovBarGroup* AGroup);
    void RemoveGroupRef(TovBarGroup* AGroup);

    // ---- Popup menus and the links that make them the context menus of the form's controls
    TovBarPopupMenuLinks* PopupMenuLinks() const { return FPopupMenuLinks.get(); }
    void SetPopupMenuLinks(TovBarPopupMenuLinks* AValue);
    // The popup menu components bound to this manager (they join and leave themselves).
    const std::vector<TovBarCustomPopupMenuComponent*>& PopupMenus() const { return FPopupMenus; }
    void AddPopupMenu(TovBarCustomPopupMenuComponent* AMenu);
    void RemovePopupMenu(TovBarCustomPopupMenuComponent* AMenu);

    // ---- Dock controls
    void AddDockControl(IovBarDock* ADock);
    void RemoveDockControl(IovBarDock* ADock);
    int DockControlCount() const { return static_cast<int>(FDockControls.size()); }
    IovBarDock* DockControls(int AIndex) const;

    // ---- Categories
    TovBarManagerCategories* Categories() const { return FCategories; }
    TovBarItemVisible GetCategoryItemsVisible(int AIndex) const;
    void SetCategoryItemsVisible(int AIndex, TovBarItemVisible AValue);
    bool GetCategoryVisible(int AIndex) const;
    void SetCategoryVisible(int AIndex, bool AValue);
    int GetRealCategoryIndex(int AShownIndex) const;

    // ---- Update lock
    void BeginUpdate() { LockUpdate(true); }
    void EndUpdate(bool ARebuild = true) { UnlockUpdate(ARebuild, true); }
    bool IsUpdateLocked() const { return FLockUpdate > 0; }
    void LockUpdate(bool ASetRedraw);
    void UnlockUpdate(bool ARebuild, bool ASetRedraw);
    void UnlockUpdateQuietly(bool ASetRedraw);
    void ForEachItem(const std::function<void(TovBarItem*)>& AProc);
    // The submenu control marked for a rebuild at the end of the update.
    void SetChangedSubMenu(IovBarControl* AControl) { FChangedSubMenu = AControl; }
    // A bar window that goes is no longer rebuilt at the end of the update.
    void BarControlDestroyed(IovBarControl* AControl) {
        if (FChangedSubMenu == AControl) FChangedSubMenu = nullptr;
    }

    // At design time the items are kept in category order (neighbour exchanges, each a designer change).
    void SortItemsByCategory();

    // ---- Designer
    IovBarDesigner* Designer() const { return FDesigner; }
    void SetDesigner(IovBarDesigner* AValue) { FDesigner = AValue; }
    // The designer's answers, neutral without one: deleting allowed, nothing selected, no unique name.
    bool DesignerCanDelete(TComponent* AComponent) const;
    int DesignerSelectionStatus(TPersistent* AObject) const;
    void DesignerSelect(TPersistent* AObject, TovBarSelectionOperation AOperation) const;
    void DesignerGetSelection(std::vector<TPersistent*>& ASelection) const;
    void DesignerSetSelection(const std::vector<TPersistent*>& ASelection) const;
    void DesignerShowDefaultEventHandler(TPersistent* AObject) const;
    // The selected components, keeping only those whose status is 1.
    std::vector<TPersistent*> SelectedComponents() const;
    void DesignerModified();
    void LockDesignerModified(bool ALock, bool ANotify = true);
    bool Modified() const { return FModified; }

    // ---- Waiting bars: toolbars whose windows went with the owner's window until it is made again
    void BeginBarRestoring();
    // A toolbar window was destroyed (outside its own internal update): a visible toolbar waits, hidden.
    void BarWindowDestroyed(TovBar* ABar);
    // Shows the waiting toolbars docked in ADock, or (null) those without a real dock or with one that
    // has its window.
    void ShowRestoringBars(IovBarDock* ADock);
    void EndBarRestoring();
    bool IsBarWaiting(const TovBar* ABar) const;
    bool IsRestoringBars() const { return FWaitingBars != nullptr; }
    void RemoveWaitingBar(TovBar* ABar);

    // ---- Selection: the item control selected while customizing or designing
    TovBarItemControl* SelectedItem() const { return FSelectedItem; }
    void SetSelectedItem(TovBarItemControl* AValue);

    // ---- Customizing
    void SetIsCustomizing(bool AValue);
    // Drags the item (from a command list) or the link (on a bar) until the button is released.
    void StartDrag(TovBarItem* AItem, TovBarItemLink* ALink);
    // The item being dragged while StartDrag's loop runs (null otherwise): windows that open during a
    // drag (the sub-menu editor's menu) ask whether they could take it.
    bool IsDragging() const { return FDraggingItem != nullptr; }
    TovBarItem* DraggingItem() const { return FDraggingItem; }
    void SetDraggingItem(TovBarItem* AItem) { FDraggingItem = AItem; }
    bool IsOtherManagerCustomizing() const;

    // ---- Stored layout (ui/bars/layout): what the user made of the toolbars, kept between runs
    // "Owner.Owner.Name." up to the first form: the section prefix of ini files and the design state.
    std::string GetIniSectionPrefix() const;
    // The write and read passes over a store, then the write or read handlers. Reading never raises
    // for what the store holds: values it cannot use are left out and reported to the diagnostic output.
    void WriteLayout(TCustomIniFile* AIniFile, const std::string& APrefix, TovBarStoringKind AKind);
    void ReadLayout(TCustomIniFile* AIniFile, const std::string& APrefix, TovBarStoringKind AKind);
    // Under the registry path (made to begin and end with ""); an empty path does nothing. Saving
    // replaces only the layout's own values and sections, and only once the whole layout is composed;
    // it raises when the store cannot be written, leaving the stored layout as it was.
    void SaveToRegistry(const std::string& APath);
    void LoadFromRegistry(const std::string& APath);
    // In an ini file (section prefix GetIniSectionPrefix); an empty name does nothing. Saving replaces
    // the file only once it is written completely.
    void SaveToIniFile(const std::string& AFileName);
    void LoadFromIniFile(const std::string& AFileName);
    // What the owner window's destruction stores (registry first, then ini file, as the Store flags
    // say). Never raises: a failure is reported and the previous layout stays.
    void StoreLayoutAtExit() noexcept;
    // Writes the designed layout into the saved design state (after the streamed bars are applied).
    void SaveDesignState();
    TMemIniFile* SavedState() const { return FSavedState.get(); }
    // The toolbars the layout writes: those not made for merging.
    int GetStoredBarCount() const;
    // The layout's own sections before a write: in an ini file every section that begins with APrefix;
    // in the registry "Items", "Bar<n>", "Button_…" and "SubItem_…" below the path.
    void EraseLayoutSections(TCustomIniFile* AIniFile, const std::string& APrefix, TovBarStoringKind AKind);
    // The dock control a stored name path names, when it is one of this manager's; null otherwise.
    IovBarDock* FindDockControlByPath(const std::string& APath) const;
    // The number of the toolbar's section in the saved design state (found by caption), -1 when none.
    int FindBarInSavedState(const TovBar* ABar) const;
    // The designed usage data of every menu and toolbar.
    void ResetUsageData();
    // Asks first (Yes/No); resets on Yes.
    void ResetUsageDataWithConfirmation();
    // Resets a toolbar after asking (null does nothing).
    void ResetToolbar(TovBar* ABar);
    // Handlers called with a TovBarIniFileEventData after the manager's read or write pass.
    TuiEventHandlerCollection* ReadIniFileHandlers() const { return FReadIniFileHandlers.get(); }
    TuiEventHandlerCollection* WriteIniFileHandlers() const { return FWriteIniFileHandlers.get(); }
    // While a layout is read: the items the program has gained since it was written (upper-cased names).
    const std::unordered_set<std::string>* NewItemNames() const { return FNewItemNames; }
    void SetNewItemNames(const std::unordered_set<std::string>* ANames) { FNewItemNames = ANames; }

    // ---- Merging (ui/bars/merging)
    // A toolbar docked at the top in a new last row, left out of the stored layout.
    TovBar* CreateBarForMerging();
    // Customization works on unmerged toolbars: these take them apart and merge them again.
    void PrepareMergedBarsForCustomizing();
    void RestoreBarsAfterCustomizing();
    // The child manager's main menu merged into this manager's main menu (OnMenuMerge may do it).
    void MergeChildMainMenu(TovBarManager* AChild);
    void UnmergeChildMainMenu(TovBarManager* AChild);
    void AddMergeOperationHandler(IovBarMergeOperationHandler* AHandler);
    void RemoveMergeOperationHandler(IovBarMergeOperationHandler* AHandler);
    // Asks the handlers in order; true when one took the operation.
    bool CallMergeOperationHandlers(TovBarManager* AChild, TovBarMergeOperation AOperation);
    TovBarMergeEvent OnMenuMerge, OnMerge;

    // ---- MDI state (ui/bars/mdi)
    TovBarManagerMDIStateHelper* MDIStateHelper() const { return FMDIStateHelper.get(); }
    // The active MDI child or its maximized state may have changed (the window hook calls it).
    void CheckMDIState();
    // WM_SYSCOMMAND to the active MDI child: 0 minimize, 1 restore, 2 close.
    void SendMDIChildSysCommand(int AIndex);
    // Handlers called with a TovBarMDIStateChangedEventData after every change.
    TuiEventHandlerCollection* MDIStateChangedHandlers() const { return FMDIStateChangedHandlers.get(); }

    // ---- Component life
    void Loaded() override;
    // At design time the items named after the manager follow its new name.
    void SetName(const std::string& NewName) override;
    // Closes the active bar window of the bar system (reason other).
    static void CloseActiveBarControl();

    // ---- Painter and appearance (painter choice in BarPainterChoice.h)
    int GetPainterStyle() const;
    const TovBarPainterClass* GetPainterClass() const;
    TovBarManagerStyle GetEffectiveStyle() const;
    bool IsRecentItemsStyle() const { return GetEffectiveStyle() != bmsStandard; }
    bool IsShowRecentItemsFirst() const { return MenusShowRecentItemsFirst && IsRecentItemsStyle(); }
    TovBarPainter* DefaultPainter() const { return FPainter.get(); }
    void RecreatePainter();
    // The look-and-feel the style bmsUseLookAndFeel follows; its changes recreate the painter.
    TuiLookAndFeel* LookAndFeel() const { return FLookAndFeel; }
    void SetLookAndFeel(TuiLookAndFeel* AValue);
    // What the painter choice reads of the look-and-feel and of the system.
    TovBarLookAndFeelState LookAndFeelState() const;
    // Gives L the look that matches the bars: reset, no skin, the painter style of the bar painter.
    void ApplyLookAndFeelTo(TuiLookAndFeel* L) const;
    int PainterRecreateCount() const { return FPainterRecreateCount; }

    // ---- Fonts
    TFont* Font() const { return FFont; }
    void SetFont(TFont* AValue);
    TFont* EditFont() const { return FEditFont; }
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool AValue);
    bool Scaled() const { return FScaled; }
    void SetScaled(bool AValue);
    // The system's non-client metrics changed (SPI_SETNONCLIENTMETRICS) or another parameter.
    void SystemInfoChanged(UINT AParam);
    void UpdateSystemFont();

    // ---- Brushes of the flat look (colours after the nearest-screen-colour mapping)
    TColor FlatToolbarBorderColor() const { return FFlatColors[0]; }
    TColor FlatToolbarColor() const { return FFlatColors[1]; }
    TColor FlatToolbarDownedColor() const { return FFlatColors[2]; }
    TColor FlatToolbarDownedSelColor() const { return FFlatColors[3]; }
    TColor FlatToolbarSelColor() const { return FFlatColors[4]; }
    // The same colours as GDI brushes, owned by the manager.
    HBRUSH FlatFrameBrush() const { return FFlatBrushes[0]; }
    HBRUSH FlatFaceBrush() const { return FFlatBrushes[1]; }
    HBRUSH FlatCheckedBrush() const { return FFlatBrushes[2]; }
    HBRUSH FlatCheckedHotBrush() const { return FFlatBrushes[3]; }
    HBRUSH FlatHotBrush() const { return FFlatBrushes[4]; }
    void RecreateBrushes();
    // The system colours changed: brushes and the Office11 colours are made again, the windows refresh.
    void SystemColorsChanged();

    // ---- Image options
    TovBarImageOptions* ImageOptions() const { return FImageOptions; }
    TovBarBackgrounds* Backgrounds() const { return FBackgrounds; }
    int GetGlyphSize() const;
    // Forwards to the image options.
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* AValue);
    TCustomImageList* LargeImages() const;
    void SetLargeImages(TCustomImageList* AValue);
    TCustomImageList* HotImages() const;
    void SetHotImages(TCustomImageList* AValue);
    TCustomImageList* DisabledImages() const;
    void SetDisabledImages(TCustomImageList* AValue);
    TCustomImageList* DisabledLargeImages() const;
    void SetDisabledLargeImages(TCustomImageList* AValue);
    TColor GetImageListBkColor() const;
    bool LargeIcons() const;
    void SetLargeIcons(bool AValue);
    bool GetStretchGlyphs() const;

    // ---- Recent items
    int MostRecentItemsPercents() const { return FMostRecentItemsPercents; }
    void SetMostRecentItemsPercents(int AValue);
    int MostRecentlyUsedUseCount() const { return FMostRecentlyUsedUseCount; }
    int CalcMostRecentlyUsedUseCount() const;

    // ---- Properties
    TovBarManagerStyle Style() const { return FStyle; }
    void SetStyle(TovBarManagerStyle AValue);
    TovBarDockingStyles NotDocking() const { return FNotDocking; }
    void SetNotDocking(TovBarDockingStyles AValue);
    bool AutoDockColor() const { return FAutoDockColor; }
    void SetAutoDockColor(bool AValue);
    TColor DockColor() const;
    void SetDockColor(TColor AValue);
    bool AutoHideEmptyBars() const { return FAutoHideEmptyBars; }
    void SetAutoHideEmptyBars(bool AValue);
    int ButtonArrowWidth() const { return FButtonArrowWidth; }
    void SetButtonArrowWidth(int AValue);
    int LargeButtonArrowWidth() const { return FLargeButtonArrowWidth; }
    void SetLargeButtonArrowWidth(int AValue);
    int WaitForDockingTime() const { return FWaitForDockingTime; }
    void SetWaitForDockingTime(int AValue);
    std::string RegistryPath() const { return FRegistryPath; }
    void SetRegistryPath(const std::string& AValue);
    static std::string NormalizeRegistryPath(const std::string& APath);
    bool SunkenBorder() const { return FSunkenBorder; }
    void SetSunkenBorder(bool AValue);

    bool AutoAlignBars() const { return FAutoAlignBars; }
    // Runs the refresh pass (as an update's end without a rebuild, with the redraw switch).
    void SetAutoAlignBars(bool AValue);
    bool FlatCloseButton() const { return FFlatCloseButton; }
    void SetFlatCloseButton(bool AValue);
    bool ShowCloseButton() const { return FShowCloseButton; }
    void SetShowCloseButton(bool AValue);
    // Streamed at least once and AllowReset on.
    bool CanReset() const { return FReadStateCount > 0 && AllowReset; }

    bool AllowCallFromAnotherForm = false;
    bool AllowReset = true;
    bool AlwaysMerge = false;
    bool AlwaysSaveText = false;
    bool CanCustomize = true;
    int HelpContext = 0;
    bool HideFloatingBarsWhenInactive = true;
    std::string IniFileName;
    TovBarMenuAnimations MenuAnimations = maNone;
    bool MenusShowRecentItemsFirst = true;
    bool ShowFullMenusAfterDelay = true;
    bool ShowHelpButton = false;
    bool ShowHint = true;
    bool ShowHintForDisabledItems = true;
    bool ShowShortCutInHint = false;
    bool StoreInIniFile = false;
    bool StoreInRegistry = false;
    bool UseBarHintWindow = true;
    bool UseF10ForMenu = true;
    bool UseFullReset = false;

    // ---- Events
    TovBarEvent OnBarAdd, OnBarAfterReset, OnBarBeforeReset, OnBarClose, OnBarDelete, OnBarDockingStyleChange;
    TovBarEvent OnBarVisibleChange;
    TovBarItemLinkEvent OnItemLinkAdd, OnItemLinkChange, OnItemLinkDelete;
    TNotifyEvent OnCloseButtonClick, OnHelpButtonClick, OnHideCustomizingForm, OnShowCustomizingForm;
    TovBarCanDockingEvent OnDocking;
    TovBarResetEvent OnBarReset;
    TovBarClickItemEvent OnClickItem;
    TovBarShowPopupEvent OnShowCustomizingPopup, OnShowToolbarsPopup;
    TovBarMergeItemLinkEvent OnMergeItemLink;
    // Called with the manager after every font change.
    std::vector<std::function<void(TovBarManager*)>> SystemFontChangedHandlers;

    // ---- Event triggers and tests
    virtual void DoClickItem(TovBarItem* AItem);
    virtual bool CanDock(TovBar* ABar, TovBarDockingStyle AStyle, IovBarDock* ADock);
    virtual bool DoBarReset(TovBar* ABar, bool& AShowConfirmation);
    void DoBarVisibleChange(TovBar* ABar);
    void DoBarDockingStyleChange(TovBar* ABar);
    void DoItemLinkAdd(TovBarItemLink* ALink);
    void DoItemLinkChange(TovBarItemLink* ALink);
    void DoItemLinkDelete(TovBarItemLink* ALink);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void RefreshAfterUpdate(bool ALock, bool ARebuild, bool ASetRedraw, bool AQuiet);
    // The stored layout read at the end of loading: registry first, then ini file; never raises.
    void LoadStoredLayout() noexcept;
    void FontChanged(TObject* ASender);
    void CreateDefaultPainter();
    void ImageOptionsSizeChanged(TObject* ASender);
    void ImageOptionsAppearanceChanged(TObject* ASender);
    void ImageListChanged(int AIndex);
    void RebuildToolbarWindows();
    void RebuildMainMenu();
    void UpdateDockColors();

    unsigned FState = bmsCreating;
    TovBars* FBars = nullptr;
    TovBarComponentList* FItems = nullptr;
    TovBarComponentList* FGroups = nullptr;
    TovBarManagerCategories* FCategories = nullptr;
    std::vector<IovBarDock*> FDockControls;
    TovBarImageOptions* FImageOptions = nullptr;
    TovBarBackgrounds* FBackgrounds = nullptr;
    std::unique_ptr<TovBarPainter> FPainter;
    TFont* FFont = nullptr;
    TFont* FEditFont = nullptr;
    TFont* FBarCaptionFont = nullptr;
    bool FInternalFontChange = false;
    TovBar* FMainMenuBar = nullptr;
    IovBarControl* FChangedSubMenu = nullptr;
    TovBarItemControl* FSelectedItem = nullptr;
    TovBarItem* FDraggingItem = nullptr;
    IovBarDesigner* FDesigner = nullptr;
    std::unique_ptr<std::vector<TovBar*>> FWaitingBars;
    TuiLookAndFeel* FLookAndFeel = nullptr;
    bool FVisualStyles = false;
    std::unique_ptr<TuiSystemPaletteChangedNotifier> FPaletteNotifier;
    int FPainterRecreateCount = 0;
    TColor FFlatColors[5] = {};
    HBRUSH FFlatBrushes[5] = {};

    int FLockUpdate = 0;
    int FLockDesignerModified = 0;
    bool FDesignerModifiedDue = false;
    bool FModified = false;
    bool FIsCustomizing = false;

    TovBarManagerStyle FStyle = bmsEnhanced;
    TovBarDockingStyles FNotDocking;
    bool FAutoDockColor = true;
    TColor FDockColor = 0;
    bool FAutoHideEmptyBars = false;
    bool FAutoAlignBars = false;
    bool FFlatCloseButton = false;
    bool FShowCloseButton = false;
    int FReadStateCount = 0;
    int FButtonArrowWidth = 11;
    int FLargeButtonArrowWidth = 13;
    int FWaitForDockingTime = 21;
    std::string FRegistryPath;
    bool FSunkenBorder = false;
    bool FUseSystemFont = false;
    bool FScaled = true;
    int FMostRecentItemsPercents = 95;
    int FMostRecentlyUsedUseCount = 20;

    std::unique_ptr<TMemIniFile> FSavedState;
    std::unique_ptr<TuiEventHandlerCollection> FReadIniFileHandlers;
    std::unique_ptr<TuiEventHandlerCollection> FWriteIniFileHandlers;
    std::unique_ptr<TuiEventHandlerCollection> FMDIStateChangedHandlers;
    std::vector<IovBarMergeOperationHandler*> FMergeOperationHandlers;
    std::unique_ptr<TovBarManagerMDIStateHelper> FMDIStateHelper;
    const std::unordered_set<std::string>* FNewItemNames = nullptr;
    std::unique_ptr<TovBarPopupMenuLinks> FPopupMenuLinks;
    std::vector<TovBarCustomPopupMenuComponent*> FPopupMenus;
};
