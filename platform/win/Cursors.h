// Mouse cursors: the system cursors, cursors made from images (icons with hot spots, created and
// destroyed by the drawing layer), the current cursor and its show count.
#pragma once

#include "platform/rtl/WinTypes.h"

// System cursor identifiers, passed in the name argument of LoadCursor.
inline const char* const IDC_ARROW = reinterpret_cast<const char*>(32512);
inline const char* const IDC_IBEAM = reinterpret_cast<const char*>(32513);
inline const char* const IDC_WAIT = reinterpret_cast<const char*>(32514);
inline const char* const IDC_CROSS = reinterpret_cast<const char*>(32515);
inline const char* const IDC_UPARROW = reinterpret_cast<const char*>(32516);
inline const char* const IDC_SIZENWSE = reinterpret_cast<const char*>(32642);
inline const char* const IDC_SIZENESW = reinterpret_cast<const char*>(32643);
inline const char* const IDC_SIZEWE = reinterpret_cast<const char*>(32644);
inline const char* const IDC_SIZENS = reinterpret_cast<const char*>(32645);
inline const char* const IDC_SIZEALL = reinterpret_cast<const char*>(32646);
inline const char* const IDC_NO = reinterpret_cast<const char*>(32648);
inline const char* const IDC_HAND = reinterpret_cast<const char*>(32649);
inline const char* const IDC_APPSTARTING = reinterpret_cast<const char*>(32650);
inline const char* const IDC_HELP = reinterpret_cast<const char*>(32651);

HCURSOR LoadCursor(HINSTANCE instance, const char* name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
int ShowCursor(BOOL show);

namespace olva::win {
// The system cursor a default hit-test answer shows (IDC_ARROW for most).
const char* CursorForHitTest(LRESULT hit);
// Which system cursor a handle is (its IDC_ number), or 0 for cursors made from images.
int SystemCursorId(HCURSOR cursor);
// Cursors a program registers under a name for LoadCursor (the embedded cursor resources).
void RegisterCursorResource(const char* name, HCURSOR cursor);
} // namespace olva::win
