// The window tree: parents, owners, children in z-order, and the walks callers make over it.
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>

namespace olva::win {

namespace window_tree_detail {
bool IsTopmost(const Window* w) {
    return (w->exStyle & WS_EX_TOPMOST) != 0;
}

std::size_t FirstNonTopmost(const Window* parent) {
    std::size_t i = 0;
    while (i < parent->children.size() && IsTopmost(parent->children[i]))
        ++i;
    return i;
}

bool MatchesName(const std::string& have, const char* want) {
    return !want || have == want;
}

bool MatchesClass(const Window* w, const char* cls) {
    if (!cls) return true;
    auto wanted = FindWindowClass(cls);
    return wanted && wanted == w->cls;
}

BOOL EnumChildren(Window* parent, WNDENUMPROC proc, LPARAM lParam) {
    // Snapshot first: the callback may create or destroy windows.
    std::vector<HWND> list;
    for (Window* c : parent->children)
        list.push_back(c->handle);
    for (HWND h : list) {
        Window* c = Sys().Find(h);
        if (!c) continue;
        if (!proc(h, lParam)) return FALSE;
        if ((c = Sys().Find(h)) && !EnumChildren(c, proc, lParam)) return FALSE;
    }
    return TRUE;
}
} // namespace window_tree_detail

void LinkChild(Window* parent, Window* child, HWND insertAfter) {
    using namespace window_tree_detail;
    auto& list = parent->children;
    auto it = std::find(list.begin(), list.end(), child);
    if (it != list.end()) list.erase(it);
    const bool topLevel = parent == Sys().Desktop();
    std::size_t index = 0;
    if (insertAfter == HWND_TOPMOST) {
        if (topLevel) child->exStyle |= WS_EX_TOPMOST;
        index = 0;
    } else if (insertAfter == HWND_NOTOPMOST) {
        child->exStyle &= ~WS_EX_TOPMOST;
        index = topLevel ? FirstNonTopmost(parent) : 0;
    } else if (insertAfter == HWND_TOP) {
        index = (topLevel && !IsTopmost(child)) ? FirstNonTopmost(parent) : 0;
    } else if (insertAfter == HWND_BOTTOM) {
        child->exStyle &= ~WS_EX_TOPMOST;
        index = list.size();
    } else {
        Window* after = Sys().Find(insertAfter);
        auto at = after ? std::find(list.begin(), list.end(), after) : list.end();
        index = at == list.end() ? 0 : std::size_t(at - list.begin()) + 1;
        if (topLevel) {
            // Topmost windows stay above all others.
            std::size_t band = FirstNonTopmost(parent);
            index = IsTopmost(child) ? std::min(index, band) : std::max(index, band);
        }
    }
    list.insert(list.begin() + std::ptrdiff_t(std::min(index, list.size())), child);
    child->parent = parent;
}

void UnlinkChild(Window* child) {
    if (!child->parent) return;
    auto& list = child->parent->children;
    auto it = std::find(list.begin(), list.end(), child);
    if (it != list.end()) list.erase(it);
}

} // namespace olva::win

using namespace olva::win;

HWND GetDesktopWindow() {
    return Sys().Desktop()->handle;
}

HWND GetParent(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    if (!w) return nullptr;
    if (w->style & WS_CHILD) return w->parent ? w->parent->handle : nullptr;
    if (w->style & WS_POPUP) return w->owner ? w->owner->handle : nullptr;
    return nullptr;
}

HWND SetParent(HWND childHandle, HWND newParentHandle) {
    WindowSystem& sys = Sys();
    Window* child = sys.Find(childHandle);
    if (!child || child == sys.Desktop()) return nullptr;
    Window* newParent = newParentHandle == HWND_MESSAGE ? sys.MessageRoot()
                        : newParentHandle               ? sys.Find(newParentHandle)
                                                        : sys.Desktop();
    if (!newParent) return nullptr;
    for (Window* p = newParent; p; p = p->parent)
        if (p == child) return nullptr; // would make a cycle
    Window* old = child->parent;
    HWND oldHandle = old ? old->handle : nullptr;
    const bool wasVisible = (child->style & WS_VISIBLE) != 0;
    if (wasVisible) ShowWindow(childHandle, SW_HIDE);
    if (!(child = sys.Find(childHandle))) return nullptr;
    // Keep the window where it was in its old parent's coordinates, as the desktop does.
    const bool wasTopLevel = IsTopLevel(child);
    UnlinkChild(child);
    LinkChild(newParent, child, HWND_TOP);
    if (old != newParent) {
        LeaveImage(child);
        // A top-level window that became a child is no longer shown on its own.
        if (wasTopLevel && !IsTopLevel(child))
            if (IPresenter* presenter = CurrentPresenter()) presenter->WindowDestroyed(childHandle);
    }
    // It comes back without taking the activation, wherever it went.
    if (wasVisible) ShowWindow(childHandle, SW_SHOWNA);
    return oldHandle;
}

HWND GetWindow(HWND hwnd, UINT relation) {
    Window* w = Sys().Find(hwnd);
    if (!w) return nullptr;
    if (relation == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
    if (relation == GW_OWNER) return w->owner ? w->owner->handle : nullptr;
    if (relation == GW_ENABLEDPOPUP) {
        for (Window* c : Sys().Desktop()->children)
            if (c->owner == w && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) return c->handle;
        return nullptr;
    }
    if (!w->parent) return nullptr;
    auto& list = w->parent->children;
    auto it = std::find(list.begin(), list.end(), w);
    switch (relation) {
    case GW_HWNDFIRST:
        return list.front()->handle;
    case GW_HWNDLAST:
        return list.back()->handle;
    case GW_HWNDNEXT:
        return (it + 1) < list.end() ? (*(it + 1))->handle : nullptr;
    case GW_HWNDPREV:
        return it > list.begin() ? (*(it - 1))->handle : nullptr;
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd) {
    return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD);
}
HWND GetNextWindow(HWND hwnd, UINT relation) {
    return GetWindow(hwnd, relation);
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = Sys().Find(hwnd);
    if (!w || w == Sys().Desktop()) return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent ? w->parent->handle : nullptr;
    case GA_ROOT:
        return TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
        Window* r = TopLevelOf(w);
        while (r->owner)
            r = r->owner;
        return r->handle;
    }
    default:
        return nullptr;
    }
}

BOOL IsChild(HWND parentHandle, HWND hwnd) {
    Window* parent = Sys().Find(parentHandle);
    Window* w = Sys().Find(hwnd);
    if (!parent || !w) return FALSE;
    // Only the chain of child windows counts: an owned popup is not a child.
    for (; w && (w->style & WS_CHILD); w = w->parent)
        if (w->parent == parent) return TRUE;
    return FALSE;
}

BOOL EnumChildWindows(HWND parentHandle, WNDENUMPROC proc, LPARAM lParam) {
    Window* parent = parentHandle ? Sys().Find(parentHandle) : Sys().Desktop();
    if (!parent || !proc) return FALSE;
    return window_tree_detail::EnumChildren(parent, proc, lParam);
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) return FALSE;
    std::vector<HWND> list;
    for (Window* c : Sys().Desktop()->children)
        list.push_back(c->handle);
    for (HWND h : list)
        if (IsWindow(h) && !proc(h, lParam)) return FALSE;
    return TRUE;
}

BOOL EnumThreadWindows(DWORD, WNDENUMPROC proc, LPARAM lParam) {
    return EnumWindows(proc, lParam);
}

HWND FindWindowEx(HWND parentHandle, HWND childAfter, const char* className, const char* windowName) {
    Window* parent = parentHandle == HWND_MESSAGE ? Sys().MessageRoot()
                     : parentHandle               ? Sys().Find(parentHandle)
                                                  : Sys().Desktop();
    if (!parent) return nullptr;
    bool started = childAfter == nullptr;
    for (Window* c : parent->children) {
        if (!started) {
            started = c->handle == childAfter;
            continue;
        }
        if (window_tree_detail::MatchesClass(c, className) &&
            window_tree_detail::MatchesName(c->text, windowName))
            return c->handle;
    }
    return nullptr;
}

HWND FindWindow(const char* className, const char* windowName) {
    return FindWindowEx(nullptr, nullptr, className, windowName);
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    if (!IsWindow(hwnd)) return 0;
    if (processId) *processId = 1;
    return GetCurrentThreadId();
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    return w && (w->style & WS_CHILD) ? int(w->id) : 0;
}

HWND GetDlgItem(HWND parentHandle, int id) {
    Window* parent = Sys().Find(parentHandle);
    if (!parent) return nullptr;
    for (Window* c : parent->children)
        if (c->id == id) return c->handle;
    return nullptr;
}

HWND GetLastActivePopup(HWND ownerHandle) {
    Window* owner = Sys().Find(ownerHandle);
    if (!owner) return nullptr;
    owner = TopLevelOf(owner);
    // The active window when it belongs to this owner, else the topmost visible enabled owned popup.
    for (Window* a = Sys().Find(Sys().Active); a; a = a->owner)
        if (a->owner == owner) return Sys().Active;
    for (Window* c : Sys().Desktop()->children)
        if (c->owner == owner && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED)) return c->handle;
    return owner->handle;
}

BOOL IsWindowUnicode(HWND) {
    return FALSE;
} // text is UTF-8 through the single-byte calls
