// A window class for a test's own helper windows (script runners, message readers, picture windows).
#pragma once

#include "platform/win/WinUser.h"

// Registers the class unless the window system has it already. The window system's reset forgets every
// class, so whether it is there is asked of the window system, never remembered in a flag of the test's.
inline void EnsureTestWindowClass(const char* AName, WNDPROC AProc) {
    WNDCLASS existing{};
    if (GetClassInfo(nullptr, AName, &existing)) return;
    WNDCLASS wc{};
    wc.lpfnWndProc = AProc;
    wc.lpszClassName = AName;
    RegisterClass(&wc);
}
