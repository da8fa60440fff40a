// Following the active MDI child of the manager's form: a maximized child shows its system menu as the
// first item of the frame's main menu, and the child's own bar manager is merged into the frame's (its
// main menu into the frame's main menu, or in a merge-operation handler's own way) while the child is
// active and maximized — or active at all with AlwaysMerge.
//
// The program has no MDI frame: its source answers that no child is active, so none of this happens
// there. Tests install a source of their own to drive the changes.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <memory>
#include <vector>

class TComponent;
class TuiFreeNotificator;
class TovBarManager;
class TSystemMenuSubItem;

enum TovBarMDIStateChange { mscActivated = 0, mscDeactivated = 1, mscStateChanged = 2 };

// What the MDI-state-changed handlers are called with.
struct TovBarMDIStateChangedEventData {
    TovBarMDIStateChange Change = mscActivated;
    HWND Window = nullptr;
};

class IovBarMDISource {
public:
    virtual ~IovBarMDISource() = default;
    // The active MDI child of the application's main form; null without one.
    virtual HWND ActiveChild() = 0;
    virtual bool IsMaximized(HWND AChild) = 0;
    // The bar manager of the child's form; null without one.
    virtual TovBarManager* ChildBarManager(HWND AChild) = 0;
    virtual bool HasSystemMenu(HWND AChild) = 0;
};

// The installed source (the program's when none was installed).
IovBarMDISource* ovBarMDISource();
// Installs a source (null restores the program's); returns the previous one.
IovBarMDISource* ovSetBarMDISource(IovBarMDISource* ASource);
// The active MDI child of the application's main form, null when there is none.
HWND GetActiveMDIChildHandle();

class TovBarManagerMDIStateHelper : public TObject {
public:
    explicit TovBarManagerMDIStateHelper(TovBarManager* AManager);
    ~TovBarManagerMDIStateHelper() override;

    HWND PreviousActiveChild() const { return FPreviousChild; }
    bool PreviousChildMaximized() const { return FPreviousMaximized; }

    // Compares the active child and its maximized state with the previous ones and handles the change:
    // a new child deactivates the old one first, with the main form's drawing held while child managers
    // are merged or unmerged, and one repaint afterwards.
    void Check();
    // Kind 0 activated, 1 deactivated, 2 maximized state changed, of child AWindow.
    void HandleChange(TovBarMDIStateChange AChange, HWND AWindow);

    // The system-menu items made for a maximized child (owned here).
    int SystemMenuItemCount() const { return static_cast<int>(FSystemMenuItems.size()); }
    TSystemMenuSubItem* SystemMenuItems(int AIndex) const { return FSystemMenuItems[AIndex]; }
    bool HasSystemMenuItem() const { return !FSystemMenuItems.empty(); }
    // A system-menu item for AWindow at the front of the main menu (when the window has a system menu).
    void AddSystemMenuItem(HWND AWindow);
    void ClearSystemMenuItems();

private:
    // Whether handling the change would merge or unmerge a child manager.
    bool WillMergeOrUnmerge(TovBarMDIStateChange AChange, HWND AWindow) const;
    void MergeChildManager(TovBarMDIStateChange AChange, HWND AWindow, bool AMaximized);

    TovBarManager* FManager;
    HWND FPreviousChild = nullptr;
    bool FPreviousMaximized = false;
    std::vector<TSystemMenuSubItem*> FSystemMenuItems;
    // The items belong to the manager's owner, which may free them first when the form goes.
    std::unique_ptr<TuiFreeNotificator> FItemWatcher;
};
