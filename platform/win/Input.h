// Input entering the window system. Real input (the SDL2 presenter) and scripted input (tests) take
// the same path: events wait in the input queue and become window messages when they are retrieved,
// with hit testing, capture, hooks, activation and double-click detection applied then.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string_view>

namespace olva::win {

enum class MouseAction { Move, LeftDown, LeftUp, RightDown, RightUp, MiddleDown, MiddleUp, Wheel };

// Screen coordinates; wheelDelta in WHEEL_DELTA units for MouseAction::Wheel.
void InjectMouse(MouseAction action, int x, int y, int wheelDelta = 0);
// A key going down (again, while held: an auto-repeat) or up.
void InjectKey(int vk, bool down);
// Text typed through an input method: one WM_CHAR per code point, to the focused window.
void InjectText(std::string_view utf8);

// The user switches to another application and back. Leaving: the active window hears WM_NCACTIVATE and
// WM_ACTIVATE (WA_INACTIVE, no window of ours), every top-level window WM_ACTIVATEAPP (FALSE, the other
// application's thread), the focus goes and a capture is let go. Returning: the window that was active
// (else the first one that can be) is activated again, WM_ACTIVATEAPP (TRUE) first. The SDL2 presenter
// does the same when every host window lost the host's focus, and when one gains it.
void ActivateOtherApplication();
void ReturnToApplication();

// Dispatches every message that is ready now (posted, input, paint and due timers) and returns how
// many were dispatched; stops at WM_QUIT, which it leaves in the queue.
int PumpMessages();

} // namespace olva::win
