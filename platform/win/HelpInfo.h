// WM_HELP's record: what help was asked for (a window or a menu item) and where the mouse was.
#pragma once

#include "platform/rtl/WinTypes.h"

constexpr int HELPINFO_WINDOW = 1;
constexpr int HELPINFO_MENUITEM = 2;

struct HELPINFO {
    UINT cbSize = sizeof(HELPINFO);
    int iContextType = HELPINFO_WINDOW;
    int iCtrlId = 0;
    HANDLE hItemHandle = nullptr;
    DWORD_PTR dwContextId = 0;
    POINT MousePos{};
};
