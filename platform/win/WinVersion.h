// The Windows version the platform answers to, a recorded decision: NT 6.1 (build 7601). GetVersion
// packs it as the system call does: the major version in the low byte, the minor version in the next
// byte, the build number in the high word.
#pragma once

#include "platform/rtl/WinTypes.h"

inline DWORD GetVersion() {
    return (DWORD(7601) << 16) | (DWORD(1) << 8) | DWORD(6);
}
