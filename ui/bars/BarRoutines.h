// Free routines of the bar unit: lookups between item controls, links, items, managers and forms; the
// active bar control; keyboard-navigation geometry; and shortcut and caption text helpers.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/bars/BarTypes.h"

#include <string>
#include <vector>

class TComponent;
class TWinControl;
class TControl;

// ---- Lookups (nil-safe)
TovBarItemControl* ControlOfLink(TovBarItemLink* ALink);
TovBarItemLink* LinkOfControl(TovBarItemControl* AControl);
TovBarItem* GetItemOfControl(TovBarItemControl* AControl);
TovBarItem* ItemOfLink(TovBarItemLink* ALink);
void RepaintItemControl(TovBarItemControl* AControl);

// The manager itself, or the first registered manager owned by the component.
TovBarManager* GetBarManagerOfComponent(TComponent* AComponent);
TovBarManager* FindBarManagerOfWindow(HWND AWindow);
// The first windowed control in the owner chain (the component itself included).
TWinControl* FindWindowedOwner(TComponent* AComponent);
// From the first windowed owner that has a window, the nearest control up the parent windows that yields
// a manager.
TovBarManager* FindBarManagerOfComponentWindow(TComponent* AComponent);
// The nearest ancestor window (the window itself excluded) of a class library control, climbing only
// through child windows; null at a top-level window.
TWinControl* FindParentVCLControl(HWND AWindow);
// The class library control of the window or of its nearest ancestor.
TWinControl* FindWindowVCLControl(HWND AWindow);
enum TovFormKind { fkOutermost = 0, fkMDIChild = 1, fkNearest = 2 };
// The form that holds the control: the nearest (kind 2), the outermost (kind 0), or the nearest MDI
// child else the outermost (kind 1); null when the control has no window.
class TCustomForm;
TCustomForm* GetControlForm(TWinControl* AControl, TovFormKind AKind);
TCustomForm* GetFormOfComponent(TComponent* AComponent);
// The manager's owner window is AOwnerWindow or lies inside it.
bool BarManagerBelongsToWindow(TovBarManager* AManager, HWND AOwnerWindow);
// Whether AControl lies inside AParent (by windows when both have them, else by the parent chain).
bool IsControlInside(TWinControl* AParent, TControl* AControl);
bool IsControlOfBarManager(TovBarManager* AManager, TControl* AControl);
// AParentWindow is an owner-chain ancestor of AWindow.
bool HasAsParent(HWND AWindow, HWND AParentWindow);
bool IsWindowOrParentFocused(HWND AWindow);
bool IsAnotherApplicationWindow(HWND AWindow);
bool IsMousePressMessage(UINT AMessage);
// DeleteObject when set, then zero.
void FreeGdiHandle(HGDIOBJ& AHandle);
// Selects APrevious back into the DC and deletes the object it replaces.
void RestoreSelectedGdiObject(HDC ADC, HGDIOBJ APrevious);
// A polygon filled in one colour with a one-pixel solid outline in another.
void FillPolygonWithColor(HDC ADC, const std::vector<POINT>& APoints, TColor AFillColor, TColor APenColor);
// DestroyWindow when asked and the handle is set, then zero.
void FreeWindowHandle(HWND& AHandle, bool ADestroyWindow);
// Removes the window's pending WM_CHAR messages.
void KillCharMessages(HWND AWindow);
// Activates the first ancestor of the window that is not a child window.
void ActivateTopLevelParentWindow(HWND AWindow);

// ---- The active bar control: a stack of windows that own the keyboard and mouse of the bar system
IovBarControl* CurrentBarControl();
void SetCurrentBarControl(IovBarControl* AControl);
// The control deactivates: the one it replaced becomes active again while it still lives.
void ReleaseCurrentBarControl(IovBarControl* AControl);
TovBarManager* CurrentBarManager();
// Live bar windows.
void AddBarControl(IovBarControl* AControl);
void RemoveBarControl(IovBarControl* AControl);
bool BarControlExists(IovBarControl* AControl);

// ---- Keyboard navigation
enum TovNavigationDirection { ndLeft, ndUp, ndRight, ndDown };
// The deviation (0..180 degrees) of the line from the source's centre to the candidate's centre from
// the direction, and the gap along the direction (negative when the rectangles overlap in it).
void GetDirectionMetrics(const RECT& ASource, const RECT& ACandidate, int ADirection, double& ADeviation,
                         int& ADistance);
// The index of the nearest candidate in the direction (directions 4 and 5 and none found give -1);
// with AWrap, left and right wrap to the far side.
int GetNearestAccessibleObjectInDirection(const RECT& ASource, const std::vector<RECT>& ACandidates,
                                          int ADirection, bool AWrap);

// ---- Text helpers
// Key + 0x2000 for Shift, + 0x4000 for Ctrl (both read from the keyboard), + 0x8000 when the key
// message data carry the Alt bit; 0 for key 0.
TShortCut GetShortCutFromKey(WORD AKey, LPARAM AKeyData);
std::string GetShortCutHintText(TShortCut AShortCut);
std::string RemoveAccelChars(const std::string& AText);
// The 1-based position of the accelerator character (0 for none); with ARemove the "&"s are taken out
// of the text. A doubled "&" is a literal "&".
int FindAccelCharPos(std::string& AText, bool ARemove);
std::string GetStoreSeparator(bool AIsRegistry);
TovBarItemVisible BoolToItemVisible(bool AVisible);
bool IsCharacterKey(WORD AKey);
// KillTimer for a non-zero id; on success the id becomes 0.
bool ovBarKillTimer(HWND AWindow, UINT_PTR& ATimerID);
