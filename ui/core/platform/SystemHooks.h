// Thread hooks shared by the library: at most one window-system hook per kind is installed for the
// thread, and it calls every procedure registered for that kind, newest first. A procedure answers
// for the hook by setting a result other than 0; it never stops the others or the rest of the chain.
#pragma once

#include "platform/rtl/WinTypes.h"

enum TovHookKind { hkKeyboard, hkMouse, hkCallWndProc, hkGetMessage, hkCBT };
constexpr int ovHookKindCount = 5;

using TovHookProc = void (*)(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);

void ovSetHook(TovHookKind AKind, TovHookProc AProc);
// Removes AProc (one registration) from the hooks of every kind.
void ovReleaseHook(TovHookProc AProc);

// How many procedures a kind has, and whether its window-system hook is installed.
int ovHookProcCount(TovHookKind AKind);
bool ovIsHookInstalled(TovHookKind AKind);
// Removes every procedure and every installed hook (the library's shut-down).
void ovReleaseAllHooks();
