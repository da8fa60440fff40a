// A minimal native menu: popup menus of text items and separators, tracked modally. It carries the
// window menu of the default frame; the application's own menus are drawn by the user-interface library.
#pragma once

#include "platform/rtl/WinTypes.h"

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_DEFAULT = 0x1000;

constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_BITMAP = 0x0004;

// MENUITEMINFO masks, types and states
constexpr UINT MIIM_STATE = 0x0001;
constexpr UINT MIIM_ID = 0x0002;
constexpr UINT MIIM_SUBMENU = 0x0004;
constexpr UINT MIIM_CHECKMARKS = 0x0008;
constexpr UINT MIIM_TYPE = 0x0010;
constexpr UINT MIIM_DATA = 0x0020;
constexpr UINT MIIM_STRING = 0x0040;
constexpr UINT MIIM_BITMAP = 0x0080;
constexpr UINT MIIM_FTYPE = 0x0100;
constexpr UINT MFT_STRING = 0x0000;
constexpr UINT MFT_BITMAP = 0x0004;
constexpr UINT MFT_OWNERDRAW = 0x0100;
constexpr UINT MFT_SEPARATOR = 0x0800;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MFS_ENABLED = 0x0000;
constexpr UINT MFS_GRAYED = 0x0003;
constexpr UINT MFS_DISABLED = MFS_GRAYED;
constexpr UINT MFS_CHECKED = 0x0008;
constexpr UINT MFS_HILITE = 0x0080;
constexpr UINT MFS_DEFAULT = 0x1000;

// MENUINFO
constexpr DWORD MIM_MAXHEIGHT = 0x00000001;
constexpr DWORD MIM_BACKGROUND = 0x00000002;
constexpr DWORD MIM_HELPID = 0x00000004;
constexpr DWORD MIM_MENUDATA = 0x00000008;
constexpr DWORD MIM_STYLE = 0x00000010;
constexpr DWORD MIM_APPLYTOSUBMENUS = 0x80000000;
constexpr DWORD MNS_CHECKORBMP = 0x04000000;

// Bitmaps the system draws itself, given as item bitmaps
inline const HBITMAP HBMMENU_POPUP_CLOSE = reinterpret_cast<HBITMAP>(LONG_PTR(8));
inline const HBITMAP HBMMENU_POPUP_RESTORE = reinterpret_cast<HBITMAP>(LONG_PTR(9));
inline const HBITMAP HBMMENU_POPUP_MAXIMIZE = reinterpret_cast<HBITMAP>(LONG_PTR(10));
inline const HBITMAP HBMMENU_POPUP_MINIMIZE = reinterpret_cast<HBITMAP>(LONG_PTR(11));

struct MENUITEMINFO {
    UINT cbSize = sizeof(MENUITEMINFO);
    UINT fMask = 0;
    UINT fType = 0;
    UINT fState = 0;
    UINT wID = 0;
    HMENU hSubMenu = nullptr;
    HBITMAP hbmpChecked = nullptr;
    HBITMAP hbmpUnchecked = nullptr;
    DWORD_PTR dwItemData = 0;
    char* dwTypeData = nullptr;
    UINT cch = 0;
    HBITMAP hbmpItem = nullptr;
};
using MENUITEMINFOA = MENUITEMINFO;

struct MENUINFO {
    DWORD cbSize = sizeof(MENUINFO);
    DWORD fMask = 0;
    DWORD dwStyle = 0;
    UINT cyMax = 0;
    HBRUSH hbrBack = nullptr;
    DWORD dwContextHelpID = 0;
    DWORD_PTR dwMenuData = 0;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const char* text);
BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int position);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags);
// Returns the previous state (MF_ENABLED, MF_GRAYED or MF_DISABLED), or -1 when there is no such item.
int EnableMenuItem(HMENU menu, UINT item, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
HMENU GetSystemMenu(HWND hwnd, BOOL revert);
// A new copy of one of the window menus the window system carries as resources: 16 and 32 the classic
// window menu (restore, move, size, minimize, maximize, close), 48 the dialog one without minimize,
// maximize and restore. 0 for any other identifier.
HMENU LoadWindowMenuResource(int resourceId);
HMENU GetSubMenu(HMENU menu, int position);
// byPosition FALSE: item is a command identifier. The text is copied into dwTypeData (cch is its
// size); with a null dwTypeData only cch (the text length) is filled.
BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info);
BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info);
BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);
BOOL GetMenuInfo(HMENU menu, MENUINFO* info);
BOOL SetMenuInfo(HMENU menu, const MENUINFO* info);
// Without TPM_RETURNCMD the chosen command is posted to the owner as WM_COMMAND and the answer says
// whether one was chosen; with it, the answer is the command (0 for none).
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* ignored);
