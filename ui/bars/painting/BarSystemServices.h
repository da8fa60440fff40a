// What the bars need of the window system between drawing: pumping pending mouse and paint messages,
// the menu sounds, fading a menu window in, the logical mouse buttons, whether the application is
// active, monitor bounds, the bars' message box, and two small variable helpers.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>
#include <string>

class TuiObjectLink;

// Dispatches the pending mouse messages one by one; a WM_QUIT met is posted again and ends it.
void ProcessMouseMessages();
// Removes and dispatches every pending WM_PAINT.
void ProcessPaintMessages();

enum TovBarSound { bsMenuPopup, bsMenuCommand, bsStop };
// Plays the system's menu sound (asynchronously, no default sound) while menu sounds are on; bsStop
// stops a sound still playing.
void ovBarPlaySound(TovBarSound ASound);
void ovBarStopSound();

// Shows AWnd without activating it, its alpha rising from 0 to 255 over ATime milliseconds of the
// runtime clock, with paint messages handled at every step; without window alpha or with ATime 0 the
// window is shown at once.
void FadeInWindow(HWND AWnd, int ATime);
// Gives a window a constant opacity (255: opaque, the layered style taken off again). Where the screen
// cannot show window alpha the window stays opaque; answers whether the opacity was applied.
bool ovBarSetWindowAlpha(HWND AWnd, BYTE AAlpha);
// What FadeInWindow does between its steps: about a millisecond's pause, so the fade does not keep a
// processor busy (tests move their clock instead).
std::function<void()>& ovBarFadeStepWait();

// The physical button that acts as the logical one: with swapped buttons ASwappedButton is asked.
bool MouseButtonIsDown(int AButton, int ASwappedButton);
bool PrimaryButtonIsDown();
bool SecondaryButtonIsDown();
// The application is active, not being deactivated, and the thread has an active window.
bool BarAppIsActive();

void MonitorWorkAreaAt(const TPoint& P, TRect& R);
// The whole bounds of the monitor nearest P.
void GetMonitorBounds(const TPoint& P, TRect& R);
// A message box with the application's title.
int BarShowMessageBox(const std::string& AText, UINT AFlags);
void ApplyMinEditWidth(int& AWidth, int AMinWidth);
// Clears the variable first, then releases the link.
void ReleaseObjectLinkVar(TuiObjectLink*& ALink);
