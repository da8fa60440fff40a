// Files dropped on windows: a window that accepts files (DragAcceptFiles) gets WM_DROPFILES with a
// drop handle it reads with DragQueryFile and frees with DragFinish.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>
#include <vector>

struct HDROP__;
using HDROP = HDROP__*;

void DragAcceptFiles(HWND hwnd, BOOL accept);
// index 0xFFFFFFFF asks for the number of files; a null buffer for the length of one name.
UINT DragQueryFile(HDROP drop, UINT index, char* buffer, UINT size);
// The drop point in the target's client coordinates; TRUE when it is in the client area.
BOOL DragQueryPoint(HDROP drop, POINT* pt);
void DragFinish(HDROP drop);

namespace olva::win {
// Drops files at a screen point (presenters and tests): the window under the point, or the nearest
// ancestor that accepts files, gets WM_DROPFILES. False when no window there accepts files.
bool InjectDropFiles(POINT screen, const std::vector<std::string>& paths);
} // namespace olva::win
