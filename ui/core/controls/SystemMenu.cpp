#include "ui/core/controls/SystemMenu.h"

#include "platform/win/Menus.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/WindowUtils.h"

namespace {

constexpr UINT Disabled = MF_GRAYED | MF_DISABLED;

void SetItemBitmap(HMENU AMenu, UINT ACommand, HBITMAP ABitmap) {
    MENUITEMINFO info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = ABitmap;
    SetMenuItemInfo(AMenu, ACommand, FALSE, &info);
}

} // namespace

HMENU uiLoadSystemMenu(int AIndex) {
    static constexpr int Resources[] = {16, 32, 48};
    if (AIndex < 0 || AIndex > 2) return nullptr;
    HMENU menu = LoadWindowMenuResource(Resources[AIndex]);
    if (menu == nullptr) return nullptr;
    MENUINFO info;
    info.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    info.dwStyle = MNS_CHECKORBMP;
    SetMenuInfo(menu, &info);
    SetItemBitmap(menu, SC_CLOSE, HBMMENU_POPUP_CLOSE);
    if (AIndex < 2) {
        SetItemBitmap(menu, SC_MINIMIZE, HBMMENU_POPUP_MINIMIZE);
        SetItemBitmap(menu, SC_MAXIMIZE, HBMMENU_POPUP_MAXIMIZE);
        SetItemBitmap(menu, SC_RESTORE, HBMMENU_POPUP_RESTORE);
    }
    return menu;
}

void uiUpdateSystemMenuItems(HWND AWnd, HMENU AMenu) {
    const DWORD style = static_cast<DWORD>(GetWindowLong(AWnd, GWL_STYLE));
    UINT size = MF_ENABLED, move = MF_ENABLED, minimize = Disabled, maximize = Disabled, restore = Disabled;
    UINT defaultItem = SC_CLOSE;
    if (IsIconic(AWnd)) {
        size = Disabled;
        defaultItem = SC_RESTORE;
        restore = MF_ENABLED;
    } else if (style & WS_MINIMIZEBOX) {
        minimize = MF_ENABLED;
    }
    if (style & WS_MAXIMIZEBOX) {
        move = MF_ENABLED;
        maximize = MF_ENABLED;
        if (IsZoomed(AWnd)) {
            size = Disabled;
            restore = MF_ENABLED;
            maximize = Disabled;
            if ((style & WS_CHILD) || !IsWindowSmallerThanWorkArea(AWnd)) move = Disabled;
        }
    } else {
        move = MF_ENABLED;
        maximize = Disabled;
    }
    EnableMenuItem(AMenu, SC_SIZE, MF_BYCOMMAND | ((style & WS_THICKFRAME) ? size : Disabled));
    EnableMenuItem(AMenu, SC_MINIMIZE, MF_BYCOMMAND | minimize);
    EnableMenuItem(AMenu, SC_MAXIMIZE, MF_BYCOMMAND | maximize);
    EnableMenuItem(AMenu, SC_RESTORE, MF_BYCOMMAND | restore);
    EnableMenuItem(AMenu, SC_MOVE, MF_BYCOMMAND | move);
    SetMenuDefaultItem(AMenu, defaultItem, FALSE);
}

void uiAdjustSystemMenu(HMENU AMenu, HWND AWnd, bool AIsDialog, bool ALockUpdate, DWORD AOptions) {
    if ((AOptions & 1) == 0) return;
    if (ALockUpdate) LockWindowUpdate(AWnd);
    try {
        if (AIsDialog) {
            DeleteMenu(AMenu, SC_TASKLIST, MF_BYCOMMAND);
            DeleteMenu(AMenu, 7, MF_BYPOSITION);
            DeleteMenu(AMenu, 5, MF_BYPOSITION);
            DeleteMenu(AMenu, SC_MAXIMIZE, MF_BYCOMMAND);
            DeleteMenu(AMenu, SC_MINIMIZE, MF_BYCOMMAND);
            DeleteMenu(AMenu, SC_SIZE, MF_BYCOMMAND);
            DeleteMenu(AMenu, SC_RESTORE, MF_BYCOMMAND);
        }
        uiUpdateSystemMenuItems(AWnd, AMenu);
    } catch (...) {
        if (ALockUpdate) LockWindowUpdate(nullptr);
        throw;
    }
    if (ALockUpdate) LockWindowUpdate(nullptr);
}

void uiCopyMenuItems(HMENU ASource, HMENU ADestination) {
    if (ASource == ADestination || !IsMenu(ASource) || !IsMenu(ADestination)) return;
    // By position: separators and sub-menus have no command of their own to delete them by.
    for (int i = GetMenuItemCount(ADestination) - 1; i >= 0; --i)
        DeleteMenu(ADestination, static_cast<UINT>(i), MF_BYPOSITION);
    const int count = GetMenuItemCount(ASource);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFO info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
        if (!GetMenuItemInfo(ASource, static_cast<UINT>(i), TRUE, &info)) continue;
        info.dwTypeData = nullptr;
        info.cch = 0;
        info.fMask &= ~MIIM_TYPE;
        info.fMask |= MIIM_FTYPE;
        InsertMenuItem(ADestination, static_cast<UINT>(i), TRUE, &info);
        char text[512] = {};
        MENUITEMINFO extra;
        extra.fMask = MIIM_STRING | MIIM_BITMAP;
        extra.dwTypeData = text;
        extra.cch = sizeof(text);
        if (GetMenuItemInfo(ASource, static_cast<UINT>(i), TRUE, &extra)) {
            extra.dwTypeData = text;
            SetMenuItemInfo(ADestination, static_cast<UINT>(i), TRUE, &extra);
        }
    }
    EnableMenuItem(ADestination, SC_CLOSE, MF_BYCOMMAND | Disabled);
    EnableMenuItem(ADestination, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
}
