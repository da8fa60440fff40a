// Per-window values: styles, procedure, user data, extra bytes, text and properties.
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>

using namespace olva::win;

namespace window_data_detail {
bool ExtraIndexOk(const Window* w, int index, std::size_t size) {
    return index >= 0 && std::size_t(index) + size <= w->extraBytes.size();
}
} // namespace window_data_detail

LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
    if (!IsGuiThread()) return OnGuiThread([&] { return GetWindowLongPtr(hwnd, index); });
    Window* w = Sys().Find(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE:
        return LONG_PTR(LONG(w->style));
    case GWL_EXSTYLE:
        return LONG_PTR(LONG(w->exStyle));
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_ID:
        return w->id;
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    default:
        if (window_data_detail::ExtraIndexOk(w, index, sizeof(LONG_PTR))) {
            LONG_PTR v;
            std::memcpy(&v, w->extraBytes.data() + index, sizeof v);
            return v;
        }
        if (window_data_detail::ExtraIndexOk(w, index, sizeof(LONG))) {
            LONG v;
            std::memcpy(&v, w->extraBytes.data() + index, sizeof v);
            return v;
        }
        return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    if (!IsGuiThread()) return OnGuiThread([&] { return SetWindowLongPtr(hwnd, index, value); });
    auto w = Sys().Hold(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        STYLESTRUCT ss{DWORD(old), DWORD(value)};
        SendMessage(hwnd, WM_STYLECHANGING, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
        if (w->dead) return 0;
        if (index == GWL_STYLE) {
            // Visibility changes only through ShowWindow and SetWindowPos.
            w->style = (ss.styleNew & ~WS_VISIBLE) | (w->style & WS_VISIBLE);
        } else {
            w->exStyle = ss.styleNew;
            if (w->exStyle & WS_EX_DLGMODALFRAME) w->exStyle |= WS_EX_WINDOWEDGE;
        }
        SendMessage(hwnd, WM_STYLECHANGED, WPARAM(index), reinterpret_cast<LPARAM>(&ss));
        NotifyPresenterWindowChanged(w.get());
        break;
    }
    case GWLP_WNDPROC:
        if (!value) return 0;
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    case GWLP_ID:
        w->id = value;
        break;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_HWNDPARENT:
        if (IsTopLevel(w.get())) {
            Window* owner = Sys().Find(reinterpret_cast<HWND>(value));
            w->owner = owner ? TopLevelOf(owner) : nullptr;
        }
        break;
    default:
        if (window_data_detail::ExtraIndexOk(w.get(), index, sizeof(LONG_PTR)))
            std::memcpy(w->extraBytes.data() + index, &value, sizeof value);
        else if (window_data_detail::ExtraIndexOk(w.get(), index, sizeof(LONG))) {
            LONG v = LONG(value);
            std::memcpy(w->extraBytes.data() + index, &v, sizeof v);
        } else
            return 0;
    }
    return old;
}

LONG GetWindowLong(HWND hwnd, int index) {
    return LONG(GetWindowLongPtr(hwnd, index));
}
LONG SetWindowLong(HWND hwnd, int index, LONG value) {
    // Extra bytes through the 32-bit call write 32 bits only.
    Window* w = Sys().Find(hwnd);
    if (w && index >= 0 && window_data_detail::ExtraIndexOk(w, index, sizeof(LONG))) {
        LONG old;
        std::memcpy(&old, w->extraBytes.data() + index, sizeof old);
        std::memcpy(w->extraBytes.data() + index, &value, sizeof value);
        return old;
    }
    return LONG(SetWindowLongPtr(hwnd, index, value));
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

int GetWindowText(HWND hwnd, char* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    buffer[0] = 0;
    if (!IsWindow(hwnd)) return 0;
    return int(SendMessage(hwnd, WM_GETTEXT, WPARAM(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    return IsWindow(hwnd) ? int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetWindowText(HWND hwnd, const char* text) {
    if (!IsWindow(hwnd)) return FALSE;
    return BOOL(SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

namespace window_data_detail {
// Property names may be atoms in the low word of the pointer.
std::string PropKey(const char* name) {
    if (reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF)
        return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return name;
}
} // namespace window_data_detail

BOOL SetProp(HWND hwnd, const char* name, HANDLE data) {
    Window* w = Sys().Find(hwnd);
    if (!w || !name) return FALSE;
    auto key = window_data_detail::PropKey(name);
    for (auto& [k, v] : w->props)
        if (k == key) {
            v = data;
            return TRUE;
        }
    w->props.emplace_back(key, data);
    return TRUE;
}

HANDLE GetProp(HWND hwnd, const char* name) {
    Window* w = Sys().Find(hwnd);
    if (!w || !name) return nullptr;
    auto key = window_data_detail::PropKey(name);
    for (auto& [k, v] : w->props)
        if (k == key) return v;
    return nullptr;
}

HANDLE RemoveProp(HWND hwnd, const char* name) {
    Window* w = Sys().Find(hwnd);
    if (!w || !name) return nullptr;
    auto key = window_data_detail::PropKey(name);
    auto it = std::find_if(w->props.begin(), w->props.end(), [&](auto& p) { return p.first == key; });
    if (it == w->props.end()) return nullptr;
    HANDLE data = it->second;
    w->props.erase(it);
    return data;
}
