// Delivers owner-window messages to the managers: every manager gets its TovBarOwnerMessages while it
// exists, and the bar hooks' call-window-procedure hook passes each message to the managers whose owner
// window it is for (broadcast messages also to the managers of windows inside it). Started and ended
// with the bar unit. The bars' selection moves the manager's hint the same way.
#pragma once

#include "platform/rtl/WinTypes.h"

class TovBarManager;
class TovBarOwnerMessages;

void ovBarOwnerMessagesStart();
void ovBarOwnerMessagesEnd();
// The manager's handler (null before start or for a manager made before it).
TovBarOwnerMessages* ovBarOwnerMessagesOf(TovBarManager* AManager);
// What the hook does with a message.
void ovBarRouteOwnerMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
// Whether the message goes to the managers of windows inside the one that received it.
bool ovBarIsBroadcastOwnerMessage(UINT AMsg);
