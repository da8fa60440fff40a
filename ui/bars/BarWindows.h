// The one narrow seam between the bar model and the windows that show it. The model never drives a
// window itself: it calls these interfaces, which the toolbar, sub-menu and dock windows implement and
// tests replace with recording fakes.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/bars/BarTypes.h"

class TovBarCaptionButton;

// A window that shows one link list: a docked or floating toolbar, a popup bar or a sub-menu.
class IovBarControl {
public:
    virtual ~IovBarControl() = default;
    virtual TovBarControlKind Kind() const = 0;
    // The item controls of the links are freed and made again.
    virtual void RecreateControls() = 0;
    virtual void CreateControls() = 0;
    virtual void DestroyControls() = 0;
    // The layout is recalculated and the window repainted.
    virtual void Rebuild() = 0;
    virtual void RebuildBar(bool AKeepSelection) = 0;
    // The frame is measured and drawn anew (SWP_FRAMECHANGED).
    virtual void UpdateFrame() = 0;
    virtual void Repaint() = 0;
    // A floating window's caption (text, close button, mark) is drawn anew.
    virtual void CaptionChanged() {}
    // The window's font or its turn changed (the class library's font-changed notice).
    virtual void FontChanged() {}
    // A floating window takes its toolbar's opacity; docked and internal windows stay opaque.
    virtual void UpdateTransparency() {}
    virtual void CloseUp(TovBarCloseUpReason AReason) = 0;
    // The process-wide active bar control is this one.
    virtual bool IsActive() const = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsDestroying() const = 0;
    // Whether links on this window draw the group lines of BeginGroup.
    virtual bool ShowsGroups() const { return true; }
    // The client area in which a toolbar's links must lie to count as fitting.
    virtual RECT ClientBounds() const = 0;
    // The selected item control, if any.
    virtual TovBarItemControl* SelectedControl() const { return nullptr; }
    // Drops the selection (while customizing the selected control is the one being edited).
    virtual void ClearSelection() {}
    virtual HWND Handle() const { return nullptr; }

    // ---- A toolbar window's own operations
    // The window's current place: the dock it lives in (null when floating) and its docking style.
    virtual TovBarDockingStyle DockingStyle() const { return dsNone; }
    virtual IovBarDock* DockControl() const { return nullptr; }
    // Writes the window's position back into its toolbar (DockedLeft/Top, FloatLeft/Top).
    virtual void SavePosition() {}
    // Takes a docking style and dock inside the window's internal-update bracket.
    virtual void ChangeStyle(TovBarDockingStyle AStyle, IovBarDock* ADock) {}
    // Inserts the window into its dock at a screen point, or places a floating window there.
    virtual void InsertAt(POINT AScreenPoint) {}
    // Moves a docked window inside its dock to a screen point.
    virtual void MoveInDock(POINT AScreenPoint) {}
    // Takes the window out of its dock.
    virtual void RemoveFromDock() {}
    // The window's screen rectangle.
    virtual RECT ScreenBounds() const { return {}; }
    virtual void Show() {}
    // The toolbar's caption buttons changed: a window that shows them lays them out again.
    virtual void UpdateCaptionButtons() {}
    // Shows the hint of a hot caption button, or hides it.
    virtual void CaptionButtonHint(TovBarCaptionButton* AButton, bool AShow) {}
};

// A dock control: the place along a window edge where toolbars are docked in rows.
class IovBarDock {
public:
    virtual ~IovBarDock() = default;
    virtual TovBarDockingStyle DockingStyle() const = 0;
    virtual TovBarManager* BarManager() const = 0;
    // One of the four built-in dock controls of a manager.
    virtual bool IsBuiltIn() const = 0;
    // A dock that is not built-in decides itself whether it takes a toolbar.
    virtual bool CanDocking(TovBar* ABar, TovBarDockingStyle AStyle) const { return true; }
    virtual int RowCount() const = 0;
    virtual void AddRow() = 0;
    // The row a toolbar occupies (-1 when none) and putting it into an existing row.
    virtual int RowOf(const TovBar* ABar) const = 0;
    virtual void PutInRow(TovBar* ABar, int ARow) = 0;
    virtual void RemoveBar(TovBar* ABar) {}
    // Drops the rows that hold no toolbar.
    virtual void DropEmptyRows() {}
    virtual void UpdateDock() = 0;
    // WM_SETREDRAW and WM_NCPAINT on its window.
    virtual void SetRedraw(bool ARedraw) = 0;
    virtual void NcPaint() {}
    virtual void UpdateColor() {}
    virtual bool IsShownWithWindow() const = 0;
    virtual bool HasWindow() const = 0;
    // Whether the dock can take the focus (it and its parents up to the form are visible and enabled).
    virtual bool CanFocus() const = 0;
    // The docking zone test of the drag loop: the point lies in the dock's bounds widened by AZoneSize
    // (horizontally always, vertically only for top and bottom docks), in screen coordinates.
    virtual RECT ScreenBounds() const = 0;
    // Whether the topmost visible window at the point belongs to this dock's parent.
    virtual bool IsTopmostAt(POINT AScreenPoint) const { return true; }
    // Whether a stored layout may take toolbars out of this dock (docks that hold a window's own
    // toolbars for good refuse).
    virtual bool CanUndockOnLayoutLoad() const { return true; }
};

// A popup menu a button drops down: shown at a screen point with the item control that opened it as
// its owner; its bar control exists while it is open.
class IovBarDropDownMenu {
public:
    virtual ~IovBarDropDownMenu() = default;
    // Shows the menu and returns when it closes (or at once when it opens without its own loop).
    virtual void PopupFromControl(POINT AScreenPoint, TovBarItemControl* AOwner) = 0;
    virtual IovBarControl* OpenBarControl() const = 0;
};

// Makes the windows of the model: the bar-window layer installs one; without it toolbars have none.
class IovBarWindowFactory {
public:
    virtual ~IovBarWindowFactory() = default;
    virtual IovBarControl* CreateToolbarControl(TovBar* ABar) = 0;
    virtual IovBarControl* CreateSubMenuControl(TovBarItemLinks* ALinks) { return nullptr; }
    virtual IovBarDock* CreateBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) {
        return nullptr;
    }
    virtual void FreeBarControl(IovBarControl* AControl) { delete AControl; }
    virtual void FreeDock(IovBarDock* ADock) { delete ADock; }
};

IovBarWindowFactory* ovBarWindowFactory();
// Installs the factory (null removes it); returns the previous one.
IovBarWindowFactory* ovSetBarWindowFactory(IovBarWindowFactory* AFactory);
