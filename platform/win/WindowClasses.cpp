// Window classes: registration, lookup and the class long values.
#include "platform/rtl/WinTypes.h"
#include "platform/win/SystemClasses.h"
#include "platform/win/WinUser.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

namespace olva::win {

void RegisterStaticClass();

namespace window_classes_detail {
std::string Key(const std::string& name) {
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return key;
}
std::string Key(const char* name) {
    return Key(std::string(name ? name : ""));
}
std::map<std::string, TSystemClassRegistrar>& Registrars() {
    static std::map<std::string, TSystemClassRegistrar> registrars{{"static", &RegisterStaticClass}};
    return registrars;
}
// A class name may also be given as an atom in the low word of the pointer.
std::shared_ptr<WindowClass> Lookup(const char* name) {
    auto& classes = Sys().Classes;
    if (reinterpret_cast<std::uintptr_t>(name) <= 0xFFFF) {
        ATOM atom = ATOM(reinterpret_cast<std::uintptr_t>(name));
        for (auto& [key, cls] : classes)
            if (atom && cls->atom == atom) return cls;
        return nullptr;
    }
    const std::string key = Key(name);
    auto it = classes.find(key);
    if (it == classes.end()) {
        auto supplied = Registrars().find(key);
        if (supplied == Registrars().end() || !supplied->second) return nullptr;
        supplied->second();
        it = classes.find(key);
    }
    return it == classes.end() ? nullptr : it->second;
}
} // namespace window_classes_detail

void ProvideSystemClass(const std::string& name, TSystemClassRegistrar registrar) {
    window_classes_detail::Registrars()[window_classes_detail::Key(name)] = registrar;
}

std::shared_ptr<WindowClass> FindWindowClass(const char* name) {
    return window_classes_detail::Lookup(name);
}

} // namespace olva::win

using namespace olva::win;

ATOM RegisterClassEx(const WNDCLASSEX* wc) {
    if (!wc || !wc->lpszClassName || reinterpret_cast<std::uintptr_t>(wc->lpszClassName) <= 0xFFFF ||
        !*wc->lpszClassName || !wc->lpfnWndProc || wc->cbClsExtra < 0 || wc->cbWndExtra < 0 ||
        wc->cbClsExtra > 4096 || wc->cbWndExtra > 4096)
        return 0;
    auto key = window_classes_detail::Key(wc->lpszClassName);
    if (Sys().Classes.count(key)) return 0; // already registered
    auto cls = std::make_shared<WindowClass>();
    cls->atom = Sys().NextAtom++;
    cls->name = wc->lpszClassName;
    cls->style = wc->style;
    cls->proc = wc->lpfnWndProc;
    cls->classExtra = wc->cbClsExtra;
    cls->windowExtra = wc->cbWndExtra;
    cls->instance = wc->hInstance;
    cls->icon = wc->hIcon;
    cls->smallIcon = wc->hIconSm;
    cls->cursor = wc->hCursor;
    cls->background = wc->hbrBackground;
    if (wc->lpszMenuName && reinterpret_cast<std::uintptr_t>(wc->lpszMenuName) > 0xFFFF)
        cls->menuName = wc->lpszMenuName;
    cls->extraBytes.assign(std::size_t(wc->cbClsExtra), 0);
    Sys().Classes[key] = cls;
    return cls->atom;
}

ATOM RegisterClass(const WNDCLASS* wc) {
    if (!wc) return 0;
    WNDCLASSEX ex;
    ex.style = wc->style;
    ex.lpfnWndProc = wc->lpfnWndProc;
    ex.cbClsExtra = wc->cbClsExtra;
    ex.cbWndExtra = wc->cbWndExtra;
    ex.hInstance = wc->hInstance;
    ex.hIcon = wc->hIcon;
    ex.hCursor = wc->hCursor;
    ex.hbrBackground = wc->hbrBackground;
    ex.lpszMenuName = wc->lpszMenuName;
    ex.lpszClassName = wc->lpszClassName;
    return RegisterClassEx(&ex);
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
    auto cls = window_classes_detail::Lookup(className);
    if (!cls || cls->windowCount > 0) return FALSE; // windows of the class still exist
    Sys().Classes.erase(window_classes_detail::Key(cls->name.c_str()));
    return TRUE;
}

BOOL GetClassInfoEx(HINSTANCE, const char* className, WNDCLASSEX* wc) {
    auto cls = window_classes_detail::Lookup(className);
    if (!cls || !wc) return FALSE;
    wc->style = cls->style;
    wc->lpfnWndProc = cls->proc;
    wc->cbClsExtra = cls->classExtra;
    wc->cbWndExtra = cls->windowExtra;
    wc->hInstance = cls->instance;
    wc->hIcon = cls->icon;
    wc->hIconSm = cls->smallIcon;
    wc->hCursor = cls->cursor;
    wc->hbrBackground = cls->background;
    wc->lpszMenuName = cls->menuName.empty() ? nullptr : cls->menuName.c_str();
    wc->lpszClassName = cls->name.c_str();
    return cls->atom;
}

BOOL GetClassInfo(HINSTANCE instance, const char* className, WNDCLASS* wc) {
    WNDCLASSEX ex;
    if (!wc || !GetClassInfoEx(instance, className, &ex)) return FALSE;
    wc->style = ex.style;
    wc->lpfnWndProc = ex.lpfnWndProc;
    wc->cbClsExtra = ex.cbClsExtra;
    wc->cbWndExtra = ex.cbWndExtra;
    wc->hInstance = ex.hInstance;
    wc->hIcon = ex.hIcon;
    wc->hCursor = ex.hCursor;
    wc->hbrBackground = ex.hbrBackground;
    wc->lpszMenuName = ex.lpszMenuName;
    wc->lpszClassName = ex.lpszClassName;
    return TRUE;
}

int GetClassName(HWND hwnd, char* buffer, int maxCount) {
    Window* w = Sys().Find(hwnd);
    if (!w || !buffer || maxCount <= 0) return 0;
    int n = std::min<int>(int(w->cls->name.size()), maxCount - 1);
    std::memcpy(buffer, w->cls->name.data(), std::size_t(n));
    buffer[n] = 0;
    return n;
}

LONG_PTR GetClassLongPtr(HWND hwnd, int index) {
    Window* w = Sys().Find(hwnd);
    if (!w) return 0;
    const WindowClass& c = *w->cls;
    switch (index) {
    case GCL_STYLE:
        return LONG_PTR(c.style);
    case GCLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(c.proc);
    case GCLP_HCURSOR:
        return reinterpret_cast<LONG_PTR>(c.cursor);
    case GCLP_HICON:
        return reinterpret_cast<LONG_PTR>(c.icon);
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<LONG_PTR>(c.background);
    case GCL_CBWNDEXTRA:
        return c.windowExtra;
    case GCL_CBCLSEXTRA:
        return c.classExtra;
    default:
        if (index >= 0 && index + int(sizeof(LONG)) <= c.classExtra) {
            LONG v;
            std::memcpy(&v, c.extraBytes.data() + index, sizeof v);
            return v;
        }
        return 0;
    }
}

DWORD GetClassLong(HWND hwnd, int index) {
    return DWORD(GetClassLongPtr(hwnd, index));
}

LONG_PTR SetClassLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Sys().Find(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetClassLongPtr(hwnd, index);
    WindowClass& c = *w->cls;
    switch (index) {
    case GCL_STYLE:
        c.style = UINT(value);
        break;
    case GCLP_WNDPROC:
        c.proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GCLP_HCURSOR:
        c.cursor = reinterpret_cast<HCURSOR>(value);
        break;
    case GCLP_HICON:
        c.icon = reinterpret_cast<HICON>(value);
        break;
    case GCLP_HBRBACKGROUND:
        c.background = reinterpret_cast<HBRUSH>(value);
        break;
    default:
        if (index >= 0 && index + int(sizeof(LONG)) <= c.classExtra) {
            LONG v = LONG(value);
            std::memcpy(c.extraBytes.data() + index, &v, sizeof v);
            break;
        }
        return 0;
    }
    return old;
}
