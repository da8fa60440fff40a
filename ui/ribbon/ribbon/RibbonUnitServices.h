// Services the ribbon's classes share: the process-wide ribbon list, the checks a new ribbon's owner must
// pass, lookups from a component or a window to its ribbon, moving toolbars in and out of the ribbon's
// dock controls without flicker, and small screen and drawing helpers.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <string>
#include <vector>

class TComponent;
class TCustomForm;
class TovBar;
class TovCustomRibbon;
class TuiClassRef;
class IovBarDock;

// Every ribbon of the process, in creation order.
const std::vector<TovCustomRibbon*>& GetRibbonList();
void RibbonListAdd(TovCustomRibbon* ARibbon);
void RibbonListRemove(TovCustomRibbon* ARibbon);

// The owner a new ribbon of class AClass gets: a null owner becomes the application's main form.
// Raises EovException (the class name in the text) when GDI+ is missing, when the owner is no form, or
// when the form already owns a component of that class.
TComponent* CheckRibbonOwner(TComponent* AOwner, const TuiClassRef* AClass);

// The first form up the owner chain (the component itself when it is one); null without.
TCustomForm* GetOwnerForm(TComponent* AComponent);
// The ribbon owned by the component's form; null without.
TovCustomRibbon* FindRibbonOfComponent(TComponent* AComponent);
// The ribbon owned by the form (an MDI child's, else the outermost) of the control that owns the window.
TovCustomRibbon* FindRibbonOfWindow(HWND AWnd);

// The caption of the group a toolbar shows (the tab group's when the toolbar is a ribbon group), else
// the toolbar's own.
std::string GetBarCaption(TovBar* ABar);
// Every ribbon closes its shown application menu; true when one was open.
bool CloseApplicationMenus();

// Moves the toolbar into the dock (nothing when it is there already): hidden during the move unless it is
// being loaded, its visibility restored afterwards also on failure.
void MoveToolbarToDockControl(TovBar* ABar, IovBarDock* ADockControl);
// Takes the toolbar out of every dock (its visibility kept); nothing for a toolbar being destroyed.
void UndockToolbar(TovBar* ABar);
// Into the dock when there is one; without one the toolbar is taken out of every dock of its form (a
// ribbon that makes no docks shows its toolbars nowhere rather than in the form's own docks).
void PlaceToolbarInDock(TovBar* ABar, IovBarDock* ADockControl);

// Fills R and, with AExclude, takes it out of the DC's clip region.
void FillRectAndExclude(HDC DC, const TRect& R, TColor AColor, bool AExclude);
// The work area of the window's monitor (of the monitor nearest the cursor for a null window); the whole
// virtual desktop when no monitor answers.
TRect GetMonitorWorkArea(HWND AWnd);
