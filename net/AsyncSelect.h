// Socket notifications as window messages: readiness of a socket arrives as a posted message with
// the socket in wParam and the event bit (low word) and socket error (high word) in lParam, as the
// classic socket library's asynchronous select delivers it. A notification is not repeated until the
// owner re-enables it by the matching call (receive for READ, accept for ACCEPT, a send that would
// block for WRITE), so a socket that stays ready never floods the queue.
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
// Forgets the socket before it is closed.
void AsyncSelectForget(int Socket);
