// Watching file descriptors from the message loop: when a watched descriptor becomes ready, the
// user-interface thread gets a posted message (WParam the descriptor, LParam the poll events that
// fired). The watch then pauses until its owner re-arms it, typically after reading or writing (the
// way socket notifications are re-enabled by the next receive or send), so a descriptor that stays
// ready never floods the queue.
#pragma once

#include "platform/rtl/WinTypes.h"

namespace olva::win {

// events: POLLIN, POLLOUT, ... Returns a watch identifier (> 0), or 0 for a bad descriptor or window.
int WatchDescriptor(int fd, short events, HWND hwnd, UINT message);
// Lets a paused watch report readiness again; false when there is no such watch.
bool RearmDescriptorWatch(int watchId);
// Stops a watch; false when there was none.
bool UnwatchDescriptor(int watchId);

} // namespace olva::win
