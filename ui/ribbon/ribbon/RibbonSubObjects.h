// The objects a ribbon makes through its factory methods for what it shows and how it is driven, and
// what the ribbon's model asks of each. The ribbon works without any of them (a null factory answer):
// every use is guarded, so the model stands, loads and switches tabs before anything is drawn. The
// classes that draw and drive the ribbon implement these and are returned by the factories in
// RibbonFactories.cpp; tests return recording doubles from factories of their own.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarWindows.h"

#include <string>

class TFont;
class TWinControl;
class TuiCanvas;
class TovBarManager;
class TovCustomRibbon;
class TovRibbonTab;
struct TovRibbonFormPaintData;

// The layout of the whole ribbon (tab row, groups area, quick access toolbar, caption), its hit test and
// the painting of the ribbon's client area.
class IovRibbonViewInfo {
public:
    virtual ~IovRibbonViewInfo() = default;
    // The full layout; ends with the ribbon's UpdateHeight.
    virtual void Calculate() = 0;
    // The hidden state of the last Calculate: the ribbon shrinks to the form caption.
    virtual bool IsHidden() = 0;
    // What the hidden state would be now (the form's size and state as they are).
    virtual bool CalculateHidden() = 0;
    virtual int GetRibbonHeight() = 0;
    // The caption strip the ribbon keeps for its form while hidden (0 without non-client drawing).
    virtual int GetNonClientAreaHeight() = 0;
    virtual int GetTabsHeight() = 0;
    virtual TRect GetTabsAreaBounds() = 0;
    // The right edge of the last tab shown, -1 with no tab.
    virtual int GetLastTabRight() = 0;
    // The margins between the groups site's edges and the active tab's groups row.
    virtual TRect GetGroupsDockControlSiteContentOffsets() = 0;
    virtual TovRibbonTab* GetTabAtPos(int X, int Y) = 0;
    // Recomputes whether the ribbon draws its form's caption and whether on glass.
    virtual void UpdateNonClientDrawingFlags() = 0;
    virtual bool SupportsNonClientDrawing() = 0;
    virtual bool DrawsOnGlass() = 0;
    // The view information's own region (not to be deleted) of what the ribbon draws in the caption.
    virtual HRGN GetNonClientElementsRegion() = 0;
    virtual bool IsQuickAccessToolbarInCaption() = 0;
    virtual TRect GetQuickAccessToolbarDockControlBounds() = 0;
    virtual TRect GetApplicationButtonBounds() = 0;
    // Draws the application button into R of DC (the open application menu shows it through).
    virtual void DrawApplicationButton(HDC DC, const TRect& R) = 0;
    // The caption font size the skin gives a size.
    virtual int GetFormCaptionFontSize(int ASize) = 0;
    virtual void Paint(TuiCanvas* ACanvas) = 0;
};

// The drawing facade the form caption and the fonts ask for what only the ribbon's painter knows.
class IovRibbonPainter {
public:
    virtual ~IovRibbonPainter() = default;
    virtual void DrawRibbonFormCaption(TuiCanvas* ACanvas, const TRect& R,
                                       const TovRibbonFormPaintData& AData) = 0;
    virtual void DrawRibbonFormBorders(TuiCanvas* ACanvas, const TRect& ABordersWidth,
                                       const TovRibbonFormPaintData& AData) = 0;
    virtual void DrawRibbonFormBorderIcon(TuiCanvas* ACanvas, const TRect& R, int AIcon, int AState) = 0;
    // Gives a context caption font its colour (clDefault: the caption-width measurement).
    virtual void SetCaptionAreaFontColor(TFont* AFont, TColor AContextColor) = 0;
};

// Mouse, keyboard, scrolling and hints of the ribbon.
class IovRibbonController {
public:
    virtual ~IovRibbonController() = default;
    virtual void HideHint() = 0;
    // Forgets the pressed part (after the application menu closed).
    virtual void ClearPressedObject() = 0;
    // Closes the shown application menu; true when one was open.
    virtual bool CloseApplicationMenu() = 0;
};

// What the ribbon asks of the bar painter it hands to its groups, quick access toolbar and menus (the
// factory answers a TovBarPainter that also implements this).
class IovRibbonBarPainter {
public:
    virtual ~IovRibbonBarPainter() = default;
    // Once, when the ribbon is made: the proportions of collapsed groups.
    virtual void CalculateCollapsedGroupProportion() = 0;
    virtual int GetGroupRowHeight(int AImageSize, TFont* AFont) = 0;
    virtual int GetGroupCaptionHeight(TFont* AFont) = 0;
};

// The popup that shows the active tab's groups while the ribbon is minimized.
class IovRibbonTabGroupsPopup {
public:
    virtual ~IovRibbonTabGroupsPopup() = default;
    // Set before every popup: the popup slides open and closed (the 2013 style).
    virtual void SetAnimationMark(bool AValue) = 0;
    virtual bool AnimationMark() = 0;
    // Pops up below the owner bounds (screen) with the owner parent as its owner.
    virtual void Popup(const TRect& AOwnerBounds, TWinControl* AOwnerParent) = 0;
    virtual bool IsVisible() = 0;
    virtual void ClosePopup() = 0;
};

// A dock control of the ribbon: a tab's groups row or the quick access toolbar's row. Toolbars dock in
// it like in any dock of the bar manager.
class IovRibbonDockControl : public IovBarDock {
public:
    virtual void SetBarManager(TovBarManager* AManager) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool AValue) = 0;
    // The bars are repainted and the dock invalidated.
    virtual void RepaintAll() = 0;
    // The dock's window (null without one).
    virtual HWND GetHandle() const = 0;
};

// The groups row of one tab: its toolbars as ribbon groups in one row.
class IovRibbonGroupsDock : public IovRibbonDockControl {
public:
    virtual TovRibbonTab* Tab() const = 0;
    // The window the dock lives in while its tab is active (the ribbon's groups site).
    virtual void SetParentSite(TWinControl* ASite) = 0;
    // Shown in the minimized ribbon's tab-groups popup rather than in the site.
    virtual bool IsInPopup() const = 0;
    // In the popup: lays the groups out again for the popup's client area.
    virtual void UpdateInPopup() = 0;
    // Lays the groups out for R (site coordinates) and takes R as the dock's bounds.
    virtual void CalculateLayout(const TRect& R) = 0;
    virtual void SetBounds(const TRect& R) = 0;
    // The rows are laid out again and the dock redrawn with its frame and children.
    virtual void Relayout() = 0;
    // The groups scroll one step left or right within the given width.
    virtual void ScrollGroups(bool ALeft, int AAvailableWidth) = 0;
    // Every group window's font changed.
    virtual void BarControlsFontChanged() = 0;
    // The tinted background behind the groups is drawn again at once.
    virtual void FullRedraw() = 0;
};
