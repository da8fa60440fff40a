// A toolbar of a bar manager and the manager's toolbar collection. The toolbar keeps its docked and
// floating geometry, row, visibility and caption; its window (through IovBarControl) reads them and
// writes back what the user changes. TovBars keeps the four built-in dock slots and runs the drag loop
// that moves a toolbar between docks and floating.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/layout/BarLayoutNames.h"
#include "ui/core/base/ComponentCollection.h"

#include <memory>
#include <string>

class TovBarControlItemLinks;
class TovBarCaptionButtons;
class TovBarMergeData;
class TCustomIniFile;
class TFont;

class TovBar : public TuiComponentCollectionItem, public IovBarLinksOwner {
public:
    explicit TovBar(TComponent* AOwner);
    ~TovBar() override;
    void BeforeDestruction() override;

    TovBarManager* OwningBarManager() const;
    TovBars* GetManagerBars() const;
    TovBarItemLinks* ItemLinks() const;
    IovBarControl* GetControl() const;
    // DockControl, else the built-in dock of DockingStyle; null when floating.
    IovBarDock* GetRealDockControl() const;

    const std::string& Caption() const { return FCaption; }
    // Ignored when another toolbar of the manager has the caption.
    void SetCaption(const std::string& AValue);
    IovBarDock* DockControl() const { return FDockControl; }
    void SetDockControl(IovBarDock* AValue);
    TovBarDockingStyle DockingStyle() const { return FDockingStyle; }
    void SetDockingStyle(TovBarDockingStyle AValue);
    // The dock the bar goes back to when it is docked again; only a dock of the same manager is taken.
    IovBarDock* DockedDockControl() const { return FDockedDockControl; }
    void SetDockedDockControl(IovBarDock* AValue);
    // The style of DockedDockControl when one is set.
    TovBarDockingStyle DockedDockingStyle() const;
    void SetDockedDockingStyle(TovBarDockingStyle AValue) { FDockedDockingStyle = AValue; }
    int DockedLeft() const { return FDockedLeft; }
    void SetDockedLeft(int AValue);
    int DockedTop() const { return FDockedTop; }
    void SetDockedTop(int AValue);
    int FloatLeft() const { return FFloatLeft; }
    void SetFloatLeft(int AValue);
    int FloatTop() const { return FFloatTop; }
    void SetFloatTop(int AValue);
    int FloatClientWidth() const { return FFloatClientWidth; }
    void SetFloatClientWidth(int AValue);
    int FloatClientHeight() const { return FFloatClientHeight; }
    void SetFloatClientHeight(int AValue);
    int Row() const;
    void SetRow(int AValue);
    bool OneOnRow() const { return FOneOnRow; }
    void SetOneOnRow(bool AValue) { FOneOnRow = AValue; }
    bool IsMainMenu() const { return FIsMainMenu; }
    void SetIsMainMenu(bool AValue);
    bool MultiLine() const { return FMultiLine; }
    // Cannot be turned off on the main menu.
    void SetMultiLine(bool AValue);
    bool WholeRow() const { return FWholeRow; }
    void SetWholeRow(bool AValue) { FWholeRow = AValue; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool AValue);
    TovBarDockingStyles NotDocking() const { return FNotDocking; }
    void SetNotDocking(TovBarDockingStyles AValue);
    bool Hidden() const { return FHidden; }
    void SetHidden(bool AValue);
    // The bar's font: the manager's Font unless the bar has its own (assigning one turns UseOwnFont on).
    TFont* Font() const { return FFont; }
    void SetFont(TFont* AValue);
    TFont* EditFont() const { return FEditFont; }
    bool UseOwnFont() const { return FUseOwnFont; }
    void SetUseOwnFont(bool AValue);
    // The manager's font changed: a bar without its own font takes it.
    void ManagerFontChanged();
    bool UseRecentItems() const;
    void SetUseRecentItems(bool AValue);

    // ---- Appearance: each setter does nothing for an unchanged value and tells the window otherwise.
    bool AllowClose() const { return FAllowClose; }
    // A floating window redraws its caption (the close button); a change notice.
    void SetAllowClose(bool AValue);
    bool AllowCustomizing = true;
    bool AllowQuickCustomizing() const { return FAllowQuickCustomizing; }
    // Floating: the caption redraws (its mark); docked: the window rebuilds unless the effective style is
    // Standard (whose toolbars offer no quick customization).
    void SetAllowQuickCustomizing(bool AValue);
    bool AllowReset = true;
    TovBarBorderStyle BorderStyle() const { return FBorderStyle; }
    // The window's frame is measured and drawn anew.
    void SetBorderStyle(TovBarBorderStyle AValue);
    // clDefault: the painter's colour.
    TColor Color() const { return FColor; }
    void SetColor(TColor AValue);
    bool RotateWhenVertical() const { return FRotateWhenVertical; }
    // The window gets the font-changed notice (its text turns or straightens).
    void SetRotateWhenVertical(bool AValue);
    bool ShowMark() const { return FShowMark; }
    void SetShowMark(bool AValue);
    bool SizeGrip() const { return FSizeGrip; }
    // Only a status-bar-like bar shows the grip: its frame changes then.
    void SetSizeGrip(bool AValue);
    bool UseRestSpace() const { return FUseRestSpace; }
    void SetUseRestSpace(bool AValue);
    std::string KeyTip;
    std::string OldName;
    // The opacity of the floating window (255 opaque); docked windows are always opaque.
    BYTE AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(BYTE AValue);

    // Can-dock test: false when NotDocking of the bar or of the manager holds all styles.
    bool CanDock() const;
    bool CanClose() const;
    bool IsStatusBarLike() const { return FBorderStyle == bbsNone && FDockingStyle == dsBottom && FWholeRow; }
    // A built-in dock counts as none: the same style or a different own dock sets DockControl,
    // otherwise DockingStyle.
    void ChangeDockingStyle(TovBarDockingStyle AStyle, IovBarDock* ADock);
    // Moves the bar into a dock of its manager at a row and an offset along it (a new row is appended
    // when ARow is not below the row count); nothing when all three are unchanged.
    void DockAt(TovBarDockingStyle AStyle, IovBarDock* ADock, int ARow, int AOffset);
    void Assign(TPersistent* Source) override;

    // Marks used by the manager's refresh pass, loading and AutoHideEmptyBars.
    bool Changed() const { return FChanged; }
    void SetChangedMark(bool AValue) { FChanged = AValue; }
    bool Predefined() const { return FPredefined; }
    void SetPredefined(bool AValue) { FPredefined = AValue; }
    bool InternallyHidden() const { return FInternallyHidden; }
    void SetInternallyHidden(bool AValue) { FInternallyHidden = AValue; }
    // Streamed values applied by the manager's Loaded.
    void ApplyStreamedValues();
    IovBarDock* StreamedDockControl() const { return FStreamedDockControl; }

    // The toolbar window made for a visible bar, and freed again.
    void ConnectWindow();
    void FreeWindow();
    // Positions the window from the docked or floating values.
    void UpdatePosition();
    // A floating window shows while its owner is visible and not minimized, and either floating bars
    // stay when the form is inactive, the manager customizes, or the owner's form is active.
    bool FloatingWindowMayShow() const;

    // ---- Caption buttons
    TovBarCaptionButtons* CaptionButtons() const { return FCaptionButtons.get(); }
    void SetCaptionButtons(TovBarCaptionButtons* AValue);
    // The caption buttons changed: the window shows them anew.
    virtual void CaptionButtonsChanged();

    // ---- Merging: the links of other toolbars shown on this one
    // Raises EovException when this bar is merged itself, ABar is null or this bar, ABar is merged here
    // already or has merged bars; ABar merged elsewhere leaves that bar first. ABar is hidden.
    void Merge(TovBar* ABar, bool AKeepVisibility = true);
    // Takes ABar's links and caption buttons away again (every merged bar's when null). A bar made only
    // for merging goes when nothing is merged into it any more.
    void UnMerge(TovBar* ABar = nullptr, bool ARestoreVisibility = true);
    // Unmerges, last first, every merged bar of AManager (of any manager when null).
    void UnMergeByManager(TovBarManager* AManager, bool ARestoreVisibility);
    // Merges again the bars saved while customizing, then forgets them.
    void RemergeSaved();
    bool IsMerged() const;
    // The bar this one is merged into, null when none.
    TovBar* MergeTarget() const;
    TovBarMergeData* MergeData() const { return FMergeData.get(); }
    bool CreatedByMerging() const;

    // ---- Stored layout
    // Reads the bar's links from ASection and, with AReadValues, its place, size and visibility.
    void ReadLayout(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind,
                    bool AReadValues = true);
    void WriteLayout(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind);
    // Predefined and AllowReset.
    bool CanReset() const { return FPredefined && AllowReset; }
    // The manager's OnBarReset may do it; otherwise, after a confirmation when asked, Reset.
    void ResetWithConfirmation(bool AShowConfirmation);
    // Back to the designed links (and, with the manager's UseFullReset, the designed place).
    void Reset();
    // The designed usage data of the bar's links.
    void ResetUsageData();

    // ---- The link list's owner
    bool CanContainItem(TovBarItem* AItem, std::string& AErrorText) override;
    IovBarControl* CreateBarControl() override;
    TCustomImageList* ImageListOf() override { return nullptr; }
    TObject* OwnerObject() override { return this; }
    TovBarItemLinks* LinksOf() override { return ItemLinks(); }

    void SetCollection(TuiComponentCollection* AValue) override;

protected:
    TuiComponentCollection* GetCollectionFromParent(TComponent* AParent) override;

private:
    friend class TovBars;
    void NotifyChanged() { TuiComponentCollectionItem::Changed(false); }
    void ApplyRow(int AValue);
    bool IsStreaming() const;

    void FontChanged(TObject* ASender);

    TovBarControlItemLinks* FItemLinks = nullptr;
    std::unique_ptr<TovBarCaptionButtons> FCaptionButtons;
    std::unique_ptr<TovBarMergeData> FMergeData;
    IovBarDock* FDockedDockControl = nullptr;
    TFont* FFont = nullptr;
    TFont* FEditFont = nullptr;
    bool FUseOwnFont = false;
    bool FInternalFontChange = false;
    std::string FCaption;
    bool FAllowClose = true;
    bool FAllowQuickCustomizing = true;
    TovBarBorderStyle FBorderStyle = bbsSingle;
    TColor FColor = clDefault;
    bool FRotateWhenVertical = true;
    bool FShowMark = true;
    bool FSizeGrip = true;
    bool FUseRestSpace = false;
    BYTE FAlphaBlendValue = 255;
    IovBarDock* FDockControl = nullptr;
    TovBarDockingStyle FDockingStyle = dsNone;
    TovBarDockingStyle FDockedDockingStyle = dsTop;
    int FDockedLeft = 0, FDockedTop = 0;
    int FFloatLeft = 0, FFloatTop = 0, FFloatClientWidth = 0, FFloatClientHeight = 0;
    int FRow = 0;
    bool FOneOnRow = false;
    bool FIsMainMenu = false;
    bool FMultiLine = false;
    bool FWholeRow = false;
    bool FVisible = false;
    bool FHidden = false;
    TovBarDockingStyles FNotDocking;
    bool FChanged = false;
    bool FPredefined = false;
    bool FInternallyHidden = false;
    bool FChangingDockingStyle = false;
    IovBarDock* FStreamedDockControl = nullptr;
    TovBarDockingStyle FStreamedDockingStyle = dsNone;
    bool FStreamedVisible = false;
    bool FHasStreamedDockingStyle = false;
};

// The manager's toolbars, the four built-in dock slots and the drag loop.
class TovBars : public TuiComponentCollection {
public:
    static constexpr int DockingZoneSize = 23;

    explicit TovBars(TovBarManager* AManager);
    ~TovBars() override;

    TovBarManager* BarManager() const { return FManager; }
    TovBar* GetItem(int AIndex) const { return static_cast<TovBar*>(Items(AIndex)); }
    TovBar* Add() { return static_cast<TovBar*>(TuiComponentCollection::Add()); }
    // The built-in dock of dsLeft..dsBottom (null for dsNone or an empty slot).
    IovBarDock* DockControls(TovBarDockingStyle AStyle) const;
    void SetDockControl(TovBarDockingStyle AStyle, IovBarDock* ADock);
    void RebuildAll();

    // ---- The drag loop
    bool Moving() const { return FMoving; }
    // The dock a bar moved to a screen point would dock in: its style (dsNone when it would float) and
    // the dock; the docking-zone test widens each dock by DockingZoneSize. ACtrl keeps the bar floating.
    TovBarDockingStyle FindDockingTarget(TovBar* ABar, POINT AScreenPoint, bool ACtrl,
                                         IovBarDock*& ADock) const;
    // Moves the dragged bar to a screen point (one step of the drag loop). With ADocking false a floating
    // bar that reaches a dock waits WaitForDockingTime before it docks.
    void MoveBarTo(TovBar* ABar, POINT AScreenPoint, bool ACtrl, bool ADocking);
    // Runs the modal drag loop of a toolbar window; returns when the mouse button is released, on
    // Escape or when the capture is lost.
    void DragBar(TovBar* ABar, HWND ACaptureWindow);
    // Whether a docking-wait timer is pending (the bar stays floating until it fires).
    bool DockingWaitPending() const { return FDockingWaitTimer != 0; }

protected:
    void SetItemName(TComponent* AComponent) override;
    void Update(TuiComponentCollectionItem* AItem, TuiComponentCollectionNotification AAction) override;

private:
    static void DockingWaitTimerProc(HWND, UINT, UINT_PTR, DWORD);
    bool InDockingZone(IovBarDock* ADock, POINT APoint) const;

    TovBarManager* FManager;
    IovBarDock* FDocks[4] = {};
    TovBar* FMovingBar = nullptr;
    POINT FGrabOffset{};
    POINT FLastPoint{};
    bool FMoving = false;
    UINT_PTR FDockingWaitTimer = 0;
};
