// The library's screen cursors (drag, drop, middle-button scrolling, sizing, colour picking, hands),
// drawn in code as pictures with a monochrome mask and a hot spot, and registered in the screen's
// cursor list under their numbers and with the window system under their resource names.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

constexpr TCursor crovDragCopy = 2100;
constexpr TCursor crovFullScroll = 2101;
constexpr TCursor crovHorScroll = 2102;
constexpr TCursor crovVerScroll = 2103;
constexpr TCursor crovUpScroll = 2104;
constexpr TCursor crovRightScroll = 2105;
constexpr TCursor crovDownScroll = 2106;
constexpr TCursor crovLeftScroll = 2107;
constexpr TCursor crovRemove = 2108;
constexpr TCursor crovVertSize = 2109;
constexpr TCursor crovHorzSize = 2110;
constexpr TCursor crovMultiDrag = 2111;
constexpr TCursor crovNoDrop = 2112;
constexpr TCursor crovDrag = 2113;
constexpr TCursor crovHandPoint = -2099;
constexpr TCursor crovColorPicker = 2114;
constexpr TCursor crovMultiDragCopy = 2115;
constexpr TCursor crovHand = 2116;
constexpr TCursor crovHandDrag = 2117;

struct TuiLibraryCursor {
    TCursor Number;
    const char* Name; // null for the system hand
};
// The table, in registration order.
const TuiLibraryCursor* uiLibraryCursors(int& ACount);
// A new cursor of the resource name (null for an unknown one); the caller destroys it.
HCURSOR uiCreateLibraryCursor(const char* AName);

void uiRegisterLibraryCursors();
void uiUnregisterLibraryCursors();
