#include "platform/win/Menus.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace olva::win {

namespace menus_detail {

struct Item {
    UINT flags = 0; // MF_ state and type bits
    UINT_PTR id = 0;
    std::string text;
    HMENU subMenu = nullptr;
    HBITMAP checked = nullptr;
    HBITMAP unchecked = nullptr;
    HBITMAP bitmap = nullptr;
    DWORD_PTR data = 0;
};
struct Menu {
    std::vector<Item> items;
    MENUINFO info;
};

std::map<std::uintptr_t, std::unique_ptr<Menu>>& Menus() {
    static std::map<std::uintptr_t, std::unique_ptr<Menu>> menus;
    return menus;
}
std::map<HWND, HMENU>& SystemMenus() {
    static std::map<HWND, HMENU> map;
    return map;
}
std::uintptr_t NextMenuHandle = 0x50000;

Menu* Find(HMENU h) {
    auto& m = Menus();
    auto it = m.find(reinterpret_cast<std::uintptr_t>(h));
    return it == m.end() ? nullptr : it->second.get();
}

int IndexOf(Menu* m, UINT item, UINT flags) {
    if (flags & MF_BYPOSITION) return item < m->items.size() ? int(item) : -1;
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (!(m->items[i].flags & MF_SEPARATOR) && m->items[i].id == item) return int(i);
    return -1;
}

constexpr int ItemHeight = 19;
constexpr int SeparatorHeight = 9;

// The state of the menu being tracked (one at a time).
struct Tracking {
    Menu* menu = nullptr;
    HWND window = nullptr;
    int selected = -1;
    HFONT font = nullptr;
    HFONT boldFont = nullptr; // the default item
};
Tracking Current;

int ItemTop(const Menu* m, int index) {
    int y = 2;
    for (int i = 0; i < index; ++i)
        y += (m->items[std::size_t(i)].flags & MF_SEPARATOR) ? SeparatorHeight : ItemHeight;
    return y;
}

int ItemAt(const Menu* m, POINT client) {
    int y = 2;
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        int h = (m->items[i].flags & MF_SEPARATOR) ? SeparatorHeight : ItemHeight;
        if (client.y >= y && client.y < y + h) return (m->items[i].flags & MF_SEPARATOR) ? -1 : int(i);
        y += h;
    }
    return -1;
}

bool Selectable(const Item& item) {
    return !(item.flags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED));
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    Menu* m = Current.menu;
    if (m) {
        HGDIOBJ oldFont = SelectObject(dc, Current.font);
        SetBkMode(dc, TRANSPARENT);
        for (std::size_t i = 0; i < m->items.size(); ++i) {
            const Item& item = m->items[i];
            int top = ItemTop(m, int(i));
            if (item.flags & MF_SEPARATOR) {
                RECT line{client.left + 1, top + SeparatorHeight / 2 - 1, client.right - 1,
                          top + SeparatorHeight / 2 + 1};
                DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
                continue;
            }
            RECT r{client.left, top, client.right, top + ItemHeight};
            const bool selected = int(i) == Current.selected;
            if (selected) FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            const bool grayed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
            SetTextColor(dc, GetSysColor(grayed     ? COLOR_GRAYTEXT
                                         : selected ? COLOR_HIGHLIGHTTEXT
                                                    : COLOR_MENUTEXT));
            RECT text{r.left + 18, r.top, r.right - 8, r.bottom};
            std::string label = item.text, shortcut;
            if (auto tab = label.find('\t'); tab != std::string::npos) {
                shortcut = label.substr(tab + 1);
                label.resize(tab);
            }
            const COLORREF ink = GetTextColor(dc);
            if (item.flags & MF_CHECKED) {
                // A check mark, two pixels thick, in the margin.
                HPEN pen = CreatePen(PS_SOLID, 1, ink);
                HGDIOBJ oldPen = SelectObject(dc, pen);
                const int cx = r.left + 5, cy = r.top + ItemHeight / 2;
                for (int d = 0; d < 2; ++d) {
                    MoveToEx(dc, cx, cy - 1 + d, nullptr);
                    LineTo(dc, cx + 3, cy + 2 + d);
                    LineTo(dc, cx + 9, cy - 4 + d);
                }
                SelectObject(dc, oldPen);
                DeleteObject(pen);
            }
            if (item.subMenu) {
                // The arrow of a sub-menu, at the right end.
                HPEN pen = CreatePen(PS_SOLID, 1, ink);
                HGDIOBJ oldPen = SelectObject(dc, pen);
                const int ax = r.right - 10, cy = r.top + ItemHeight / 2;
                for (int k = 0; k < 4; ++k) {
                    MoveToEx(dc, ax + k, cy - 3 + k, nullptr);
                    LineTo(dc, ax + k, cy + 4 - k);
                }
                SelectObject(dc, oldPen);
                DeleteObject(pen);
            }
            HGDIOBJ itemFont =
                (item.flags & MFS_DEFAULT) && Current.boldFont ? SelectObject(dc, Current.boldFont) : nullptr;
            DrawText(dc, label.c_str(), int(label.size()), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
            if (!shortcut.empty())
                DrawText(dc, shortcut.c_str(), int(shortcut.size()), &text,
                         DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            if (itemFont) SelectObject(dc, itemFont);
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

LRESULT MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

const char* MenuClass() {
    static bool registered = false;
    if (!registered || !FindWindowClass("#32768")) {
        WNDCLASSEX wc;
        wc.style = CS_SAVEBITS | CS_DROPSHADOW;
        wc.lpfnWndProc = &MenuWindowProc;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = "#32768";
        RegisterClassEx(&wc);
        registered = true;
    }
    return "#32768";
}

void Select(int index) {
    if (index == Current.selected) return;
    Current.selected = index;
    InvalidateRect(Current.window, nullptr, TRUE);
}

void Step(int direction) {
    Menu* m = Current.menu;
    int n = int(m->items.size());
    if (n == 0) return;
    int i = Current.selected;
    for (int k = 0; k < n; ++k) {
        i = i < 0 ? (direction > 0 ? 0 : n - 1) : (i + direction + n) % n;
        if (Selectable(m->items[std::size_t(i)])) {
            Select(i);
            return;
        }
    }
}

int AcceleratorItem(const Menu* m, UINT ch) {
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        const std::string& t = m->items[i].text;
        auto amp = t.find('&');
        if (amp != std::string::npos && amp + 1 < t.size() &&
            std::tolower(static_cast<unsigned char>(t[amp + 1])) == int(std::tolower(int(ch))))
            return Selectable(m->items[i]) ? int(i) : -1;
    }
    return -1;
}

} // namespace menus_detail

void TrackSystemMenu(HWND hwnd, WPARAM, POINT screen) {
    Window* w = Sys().Find(hwnd);
    if (!w) return;
    HMENU menu = GetSystemMenu(hwnd, FALSE);
    // Item states follow the window's state.
    const bool min = IsIconic(hwnd), max = IsZoomed(hwnd);
    EnableMenuItem(menu, SC_RESTORE, (min || max) ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu, SC_MOVE, max ? MF_GRAYED : MF_ENABLED);
    EnableMenuItem(menu, SC_SIZE, (w->style & WS_THICKFRAME) && !min && !max ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu, SC_MINIMIZE, (w->style & WS_MINIMIZEBOX) && !min ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu, SC_MAXIMIZE, (w->style & WS_MAXIMIZEBOX) && !max ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(menu, SC_CLOSE, (w->cls->style & CS_NOCLOSE) ? MF_GRAYED : MF_ENABLED);
    if (screen.x == 0 && screen.y == 0) { // from the keyboard: below the window's icon
        POINT o = WindowOriginOnScreen(w);
        RECT insets = FrameInsets(w->style, w->exStyle);
        screen = POINT{o.x + insets.left, o.y + insets.top};
    }
    UINT cmd =
        UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN, screen.x, screen.y, 0, hwnd, nullptr));
    if (cmd && IsWindow(hwnd))
        SendMessage(hwnd, WM_SYSCOMMAND, cmd, MAKELPARAM(WORD(SHORT(screen.x)), WORD(SHORT(screen.y))));
}

void ForgetSystemMenu(HWND hwnd) {
    auto& map = menus_detail::SystemMenus();
    auto it = map.find(hwnd);
    if (it == map.end()) return;
    DestroyMenu(it->second);
    map.erase(it);
}

} // namespace olva::win

using namespace olva::win;
using namespace olva::win::menus_detail;

HMENU CreateMenu() {
    return CreatePopupMenu();
}

HMENU CreatePopupMenu() {
    NextMenuHandle += 4;
    Menus()[NextMenuHandle] = std::make_unique<Menu>();
    return reinterpret_cast<HMENU>(NextMenuHandle);
}

BOOL DestroyMenu(HMENU menu) {
    return Menus().erase(reinterpret_cast<std::uintptr_t>(menu)) ? TRUE : FALSE;
}
BOOL IsMenu(HMENU menu) {
    return Find(menu) ? TRUE : FALSE;
}

BOOL InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR id, const char* text) {
    Menu* m = Find(menu);
    if (!m) return FALSE;
    Item item;
    item.flags = flags & ~(MF_BYPOSITION | MF_POPUP);
    if (flags & MF_POPUP)
        item.subMenu = reinterpret_cast<HMENU>(id); // the identifier is the sub-menu
    else if (!(flags & MF_SEPARATOR))
        item.id = id;
    if (!(flags & MF_SEPARATOR) && text) item.text = text;
    int index = position == UINT(-1) ? int(m->items.size()) : IndexOf(m, position, flags);
    if (index < 0) index = int(m->items.size());
    m->items.insert(m->items.begin() + index, item);
    return TRUE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
    return InsertMenu(menu, UINT(-1), flags | MF_BYPOSITION, id, text);
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, position, flags) : -1;
    if (index < 0) return FALSE;
    m->items.erase(m->items.begin() + index);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, position, flags) : -1;
    if (index < 0) return FALSE;
    HMENU sub = m->items[std::size_t(index)].subMenu;
    m->items.erase(m->items.begin() + index);
    if (sub) DestroyMenu(sub); // unlike RemoveMenu, the sub-menu goes too
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    Menu* m = Find(menu);
    return m ? int(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    Menu* m = Find(menu);
    if (!m || position < 0 || position >= int(m->items.size())) return UINT(-1);
    return UINT(m->items[std::size_t(position)].id);
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, item, flags) : -1;
    return index < 0 ? UINT(-1) : m->items[std::size_t(index)].flags;
}

int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, item, flags) : -1;
    if (index < 0) return 0;
    const std::string& t = m->items[std::size_t(index)].text;
    if (!buffer || maxCount <= 0) return int(t.size());
    int n = std::min<int>(int(t.size()), maxCount - 1);
    std::memcpy(buffer, t.data(), std::size_t(n));
    buffer[n] = 0;
    return n;
}

int EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, item, flags) : -1;
    if (index < 0) return -1;
    UINT& f = m->items[std::size_t(index)].flags;
    int old = int(f & (MF_GRAYED | MF_DISABLED));
    f = (f & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, item, flags) : -1;
    if (index < 0) return DWORD(-1);
    UINT& f = m->items[std::size_t(index)].flags;
    DWORD old = f & MF_CHECKED;
    f = (f & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
    if (!IsWindow(hwnd)) return nullptr;
    auto& map = SystemMenus();
    if (revert) {
        ForgetSystemMenu(hwnd);
        return nullptr;
    }
    auto it = map.find(hwnd);
    if (it != map.end() && IsMenu(it->second)) return it->second;
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenu(menu, MF_STRING, SC_MOVE, "&Move");
    AppendMenu(menu, MF_STRING, SC_SIZE, "&Size");
    AppendMenu(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
    AppendMenu(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
    map[hwnd] = menu;
    return menu;
}

HMENU LoadWindowMenuResource(int resourceId) {
    if (resourceId != 16 && resourceId != 32 && resourceId != 48) return nullptr;
    const bool dialog = resourceId == 48;
    HMENU menu = CreatePopupMenu();
    if (!dialog) AppendMenu(menu, MF_STRING, SC_RESTORE, "&Restore");
    AppendMenu(menu, MF_STRING, SC_MOVE, "&Move");
    AppendMenu(menu, MF_STRING, SC_SIZE, "&Size");
    if (!dialog) {
        AppendMenu(menu, MF_STRING, SC_MINIMIZE, "Mi&nimize");
        AppendMenu(menu, MF_STRING, SC_MAXIMIZE, "Ma&ximize");
    }
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    SetMenuDefaultItem(menu, SC_CLOSE, FALSE);
    return menu;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    Menu* m = Find(menu);
    if (!m || !IsWindow(owner) || Current.menu) return FALSE; // one menu at a time
    const bool notify = !(flags & TPM_NONOTIFY);
    if (notify) {
        SendMessage(owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessage(owner, WM_INITMENUPOPUP, WPARAM(menu),
                    MAKELPARAM(0, SystemMenus().count(owner) && SystemMenus()[owner] == menu));
    }
    if (!(m = Find(menu))) return FALSE;
    // Measure with the menu font.
    NONCLIENTMETRICS ncm;
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    HFONT font = CreateFontIndirect(&ncm.lfMenuFont);
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, font);
    int width = 100, height = 4;
    for (const Item& item : m->items) {
        height += (item.flags & MF_SEPARATOR) ? SeparatorHeight : ItemHeight;
        SIZE s{};
        GetTextExtentPoint32(screen, item.text.c_str(), int(item.text.size()), &s);
        width = std::max<int>(width, s.cx + 18 + 8 + 24);
    }
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    if (flags & TPM_RIGHTALIGN)
        x -= width;
    else if (flags & TPM_CENTERALIGN)
        x -= width / 2;
    if (flags & TPM_BOTTOMALIGN)
        y -= height;
    else if (flags & TPM_VCENTERALIGN)
        y -= height / 2;
    MONITORINFO mi;
    GetMonitorInfo(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &mi);
    x = std::max<int>(mi.rcWork.left, std::min<int>(x, mi.rcWork.right - width));
    y = std::max<int>(mi.rcWork.top, std::min<int>(y, mi.rcWork.bottom - height));
    HWND window = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, MenuClass(), "",
                                 WS_POPUP | WS_BORDER, x, y, width, height, owner, nullptr, nullptr, nullptr);
    LOGFONT boldLog = ncm.lfMenuFont;
    boldLog.lfWeight = FW_BOLD;
    HFONT boldFont = CreateFontIndirect(&boldLog);
    Current = Tracking{m, window, -1, font, boldFont};
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetCapture(window);

    UINT_PTR chosen = 0;
    bool done = false;
    const UINT upMessage = (flags & TPM_RIGHTBUTTON) ? WM_RBUTTONUP : WM_LBUTTONUP;
    while (!done && IsWindow(window) && IsWindow(owner) && GetCapture() == window) {
        MSG msg;
        if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            WaitMessage();
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
            POINT p = msg.pt;
            ScreenToClient(window, &p);
            RECT client;
            GetClientRect(window, &client);
            const bool inside = PtInRect(&client, p);
            int index = inside ? ItemAt(m, p) : -1;
            if (msg.message == WM_MOUSEMOVE) {
                Select(index >= 0 && Selectable(m->items[std::size_t(index)]) ? index : -1);
            } else if (msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
                       msg.message == WM_MBUTTONDOWN) {
                if (!inside) done = true; // a click elsewhere closes the menu
            } else if (msg.message == upMessage || msg.message == WM_LBUTTONUP) {
                if (index >= 0 && Selectable(m->items[std::size_t(index)])) {
                    chosen = m->items[std::size_t(index)].id;
                    done = true;
                }
            }
            continue;
        }
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            switch (int(msg.wParam)) {
            case VK_ESCAPE:
            case VK_MENU:
            case VK_F10:
                done = true;
                break;
            case VK_UP:
                Step(-1);
                break;
            case VK_DOWN:
                Step(1);
                break;
            case VK_RETURN:
                if (Current.selected >= 0) {
                    chosen = m->items[std::size_t(Current.selected)].id;
                    done = true;
                }
                break;
            default:
                TranslateMessage(&msg);
                break;
            }
            continue;
        }
        if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            int index = AcceleratorItem(m, UINT(msg.wParam));
            if (index < 0) {
                // No item has this mnemonic: the owner may pick one, close the menu or ignore the key.
                constexpr WORD MF_POPUP_FLAG = 0x0010;
                LRESULT answer = SendMessage(owner, WM_MENUCHAR, MAKEWPARAM(WORD(msg.wParam), MF_POPUP_FLAG),
                                             reinterpret_cast<LPARAM>(menu));
                const WORD action = HIWORD(DWORD_PTR(answer)), item = LOWORD(DWORD_PTR(answer));
                if (action == MNC_CLOSE) done = true;
                if ((action == MNC_EXECUTE || action == MNC_SELECT) && item < m->items.size() &&
                    Selectable(m->items[item])) {
                    if (action == MNC_SELECT)
                        Select(int(item));
                    else
                        index = int(item);
                }
            }
            if (index >= 0) {
                chosen = m->items[std::size_t(index)].id;
                done = true;
            }
            continue;
        }
        if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) continue;
        DispatchMessage(&msg);
    }
    if (GetCapture() == window) ReleaseCapture();
    Current = Tracking{};
    DestroyWindow(window);
    DeleteObject(font);
    DeleteObject(boldFont);
    if (notify && IsWindow(owner)) SendMessage(owner, WM_EXITMENULOOP, TRUE, 0);
    if (flags & TPM_RETURNCMD) return BOOL(chosen);
    if (chosen && IsWindow(owner)) PostMessage(owner, WM_COMMAND, chosen, 0);
    return chosen ? TRUE : FALSE;
}

HMENU GetSubMenu(HMENU menu, int position) {
    Menu* m = Find(menu);
    if (!m || position < 0 || position >= int(m->items.size())) return nullptr;
    return m->items[std::size_t(position)].subMenu;
}

BOOL GetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFO* info) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND) : -1;
    if (index < 0 || !info) return FALSE;
    const Item& it = m->items[std::size_t(index)];
    const UINT typeBits = MF_SEPARATOR | MF_OWNERDRAW | MF_BITMAP | MFT_RADIOCHECK;
    if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = it.flags & typeBits;
    if (info->fMask & MIIM_STATE)
        info->fState = it.flags & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT | MFS_HILITE);
    if (info->fMask & MIIM_ID) info->wID = UINT(it.id);
    if (info->fMask & MIIM_SUBMENU) info->hSubMenu = it.subMenu;
    if (info->fMask & MIIM_CHECKMARKS) {
        info->hbmpChecked = it.checked;
        info->hbmpUnchecked = it.unchecked;
    }
    if (info->fMask & MIIM_DATA) info->dwItemData = it.data;
    if (info->fMask & MIIM_BITMAP) info->hbmpItem = it.bitmap;
    if (info->fMask & (MIIM_STRING | MIIM_TYPE)) {
        if (info->dwTypeData && info->cch > 0) {
            UINT n = std::min<UINT>(UINT(it.text.size()), info->cch - 1);
            std::memcpy(info->dwTypeData, it.text.data(), n);
            info->dwTypeData[n] = 0;
            info->cch = n;
        } else {
            info->cch = UINT(it.text.size());
        }
    }
    return TRUE;
}

namespace olva::win::menus_detail {
void ApplyInfo(Item& it, const MENUITEMINFO& info) {
    const UINT typeBits = MF_SEPARATOR | MF_OWNERDRAW | MF_BITMAP | MFT_RADIOCHECK;
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE)) it.flags = (it.flags & ~typeBits) | (info.fType & typeBits);
    if (info.fMask & MIIM_STATE)
        it.flags = (it.flags & ~(MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT | MFS_HILITE)) |
                   (info.fState & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT | MFS_HILITE));
    if (info.fMask & MIIM_ID) it.id = info.wID;
    if (info.fMask & MIIM_SUBMENU) it.subMenu = info.hSubMenu;
    if (info.fMask & MIIM_CHECKMARKS) {
        it.checked = info.hbmpChecked;
        it.unchecked = info.hbmpUnchecked;
    }
    if (info.fMask & MIIM_DATA) it.data = info.dwItemData;
    if (info.fMask & MIIM_BITMAP) it.bitmap = info.hbmpItem;
    if ((info.fMask & (MIIM_STRING | MIIM_TYPE)) && !(it.flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)))
        it.text = info.dwTypeData ? info.dwTypeData : "";
}
} // namespace olva::win::menus_detail

BOOL SetMenuItemInfo(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info) {
    Menu* m = Find(menu);
    int index = m ? IndexOf(m, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND) : -1;
    if (index < 0 || !info) return FALSE;
    ApplyInfo(m->items[std::size_t(index)], *info);
    return TRUE;
}

BOOL InsertMenuItem(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFO* info) {
    Menu* m = Find(menu);
    if (!m || !info) return FALSE;
    int index = byPosition ? (item > m->items.size() ? int(m->items.size()) : int(item))
                           : IndexOf(m, item, MF_BYCOMMAND);
    if (index < 0) index = int(m->items.size());
    Item it;
    ApplyInfo(it, *info);
    m->items.insert(m->items.begin() + index, it);
    return TRUE;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition) {
    Menu* m = Find(menu);
    if (!m) return FALSE;
    int index = item == UINT(-1) ? -1 : IndexOf(m, item, byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    if (index < 0 && item != UINT(-1)) return FALSE;
    for (std::size_t i = 0; i < m->items.size(); ++i)
        m->items[i].flags = (m->items[i].flags & ~MFS_DEFAULT) | (int(i) == index ? MFS_DEFAULT : 0);
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT) {
    Menu* m = Find(menu);
    if (!m) return UINT(-1);
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if (m->items[i].flags & MFS_DEFAULT) return byPosition ? UINT(i) : UINT(m->items[i].id);
    return UINT(-1);
}

BOOL GetMenuInfo(HMENU menu, MENUINFO* info) {
    Menu* m = Find(menu);
    if (!m || !info) return FALSE;
    const DWORD mask = info->fMask;
    if (mask & MIM_STYLE) info->dwStyle = m->info.dwStyle;
    if (mask & MIM_MAXHEIGHT) info->cyMax = m->info.cyMax;
    if (mask & MIM_BACKGROUND) info->hbrBack = m->info.hbrBack;
    if (mask & MIM_HELPID) info->dwContextHelpID = m->info.dwContextHelpID;
    if (mask & MIM_MENUDATA) info->dwMenuData = m->info.dwMenuData;
    return TRUE;
}

BOOL SetMenuInfo(HMENU menu, const MENUINFO* info) {
    Menu* m = Find(menu);
    if (!m || !info) return FALSE;
    const DWORD mask = info->fMask;
    if (mask & MIM_STYLE) m->info.dwStyle = info->dwStyle;
    if (mask & MIM_MAXHEIGHT) m->info.cyMax = info->cyMax;
    if (mask & MIM_BACKGROUND) m->info.hbrBack = info->hbrBack;
    if (mask & MIM_HELPID) m->info.dwContextHelpID = info->dwContextHelpID;
    if (mask & MIM_MENUDATA) m->info.dwMenuData = info->dwMenuData;
    if (mask & MIM_APPLYTOSUBMENUS) {
        std::vector<HMENU> subs;
        for (const Item& item : m->items)
            if (item.subMenu) subs.push_back(item.subMenu);
        for (HMENU sub : subs)
            SetMenuInfo(sub, info);
    }
    return TRUE;
}
