// Free routines of the bar unit: lookups between item controls, links, items, managers and forms; the
// active bar control; keyboard-navigation geometry; and shortcut and caption text helpers.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ShortCuts.h"
#include "ui/bars/BarTypes.h"

#include <string>
#include <vector>

class TComponent;
class TWinControl;

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
