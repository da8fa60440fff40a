// Socket notifications as window messages: readiness of a socket arrives as a posted message with
// the socket in wParam and the event bit (low word) and socket error (high word) in lParam, as the
// classic socket library's asynchronous select delivers it. A notification is not repeated until the
// owner re-enables it by the matching call (receive for READ, accept for ACCEPT, a send that would
// block for WRITE), so a socket that stays ready never floods the queue.
//
// Descriptor numbers are reused as soon as a socket is closed, so a notification still queued for a
// closed socket would otherwise reach the next socket that got the same number. Each registration of a
// socket therefore has a serial of its own, carried in lParam above the low 32 bits (where the event
// and error words do not reach); the owner drops a message whose serial is not the current one.
#pragma once

#include "platform/rtl/WinTypes.h"

constexpr long FD_READ = 1;
constexpr long FD_WRITE = 2;
constexpr long FD_OOB = 4;
constexpr long FD_ACCEPT = 8;
constexpr long FD_CONNECT = 16;
constexpr long FD_CLOSE = 32;

// Starts (Events != 0) or stops notifications of a socket; 0, or -1 with the last socket error set.
int WSAAsyncSelect(int Socket, HWND Window, UINT Msg, long Events);
// A non-blocking connect of the socket is under way: its outcome arrives as FD_CONNECT.
void AsyncSelectConnecting(int Socket);
// Lets a delivered notification come again (FD_READ after a receive, FD_ACCEPT after an accept,
// FD_WRITE after a send that would block).
void AsyncSelectReenable(int Socket, long Event);
// Forgets the socket before it is closed: its notifications still queued become stale.
void AsyncSelectForget(int Socket);
// The lParam of a notification of the socket's current registration (0 without one), for an owner
// that posts itself a notification.
LPARAM AsyncSelectLParam(int Socket, long Event, int Error);
// True when the notification belongs to the socket's current registration.
bool AsyncSelectIsCurrent(int Socket, LPARAM LParam);
