// Moving several windows as one change (deferred window positions) and shown/hidden windows with an
// animation request. The memory screen has no animation: the window appears or vanishes at once,
// painted, as the animation's end would show it.
#pragma once

#include "platform/rtl/WinTypes.h"

struct HDWP__;
using HDWP = HDWP__*;

HDWP BeginDeferWindowPos(int count);
// Returns the (possibly new) handle to go on with, or null on failure, after which the whole set is
// dropped as the desktop does.
HDWP DeferWindowPos(HDWP positions, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL EndDeferWindowPos(HDWP positions);

constexpr DWORD AW_HOR_POSITIVE = 0x00000001;
constexpr DWORD AW_HOR_NEGATIVE = 0x00000002;
constexpr DWORD AW_VER_POSITIVE = 0x00000004;
constexpr DWORD AW_VER_NEGATIVE = 0x00000008;
constexpr DWORD AW_CENTER = 0x00000010;
constexpr DWORD AW_HIDE = 0x00010000;
constexpr DWORD AW_ACTIVATE = 0x00020000;
constexpr DWORD AW_SLIDE = 0x00040000;
constexpr DWORD AW_BLEND = 0x00080000;

BOOL AnimateWindow(HWND hwnd, DWORD time, DWORD flags);
