// Creating and destroying windows, with the messages and hook calls in the order callers rely on.
#include "platform/win/Presenter.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace olva::win {

namespace window_lifecycle_detail {

int DefaultPositionCounter = 0;

RECT DefaultTopLevelRect(int x, int y, int cx, int cy) {
    MONITORINFO mi;
    GetMonitorInfo(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    if (x == CW_USEDEFAULT) {
        // Cascade new windows down the work area, as a desktop does.
        int step = GetSystemMetrics(4 /*SM_CYCAPTION*/) + GetSystemMetrics(33 /*SM_CYSIZEFRAME*/);
        int n = DefaultPositionCounter++ % 8;
        x = work.left + n * step;
        y = work.top + n * step;
    }
    if (cx == CW_USEDEFAULT) {
        cx = (work.right - work.left) * 3 / 4;
        cy = (work.bottom - work.top) * 3 / 4;
    }
    return RECT{x, y, x + cx, y + cy};
}

void SendDestroyTree(Window* w) {
    // WM_DESTROY goes to the window before its children, WM_NCDESTROY after them.
    auto self = Sys().Hold(w->handle);
    SendTo(w, WM_DESTROY, 0, 0);
    auto children = w->children;
    std::vector<std::shared_ptr<Window>> held;
    for (Window* c : children)
        held.push_back(Sys().Hold(c->handle));
    for (auto& c : held)
        if (c && !c->dead) {
            c->destroying = true;
            SendDestroyTree(c.get());
        }
}

void FinishTree(Window* w) {
    auto self = Sys().Hold(w->handle);
    auto children = w->children;
    std::vector<std::shared_ptr<Window>> held;
    for (Window* c : children)
        held.push_back(Sys().Hold(c->handle));
    for (auto& c : held)
        if (c && !c->dead) FinishTree(c.get());
    ForgetDestroyedWindow(w);
    KillWindowTimers(w->handle);
    DestroyCaretOf(w->handle);
    ForgetSystemMenu(w->handle);
    if (IsTopLevel(w))
        if (IPresenter* presenter = CurrentPresenter()) presenter->WindowDestroyed(w->handle);
    ReleaseWindowDCs(w);
    SendTo(w, WM_NCDESTROY, 0, 0);
    w->dead = true;
    // Owned windows that outlive their owner (a child's owner is its parent's top window) lose it.
    for (HWND h : Sys().AllWindows())
        if (Window* o = Sys().Find(h); o && o->owner == w) o->owner = nullptr;
    UnlinkChild(w);
    w->props.clear();
    if (w->cls) --w->cls->windowCount;
    Sys().Forget(w->handle);
}

} // namespace window_lifecycle_detail

} // namespace olva::win

using namespace olva::win;

HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parentHandle, HMENU menu, HINSTANCE instance, void* param) {
    auto cls = FindWindowClass(className);
    if (!cls) return nullptr;
    WindowSystem& sys = Sys();
    Window* parent = nullptr;
    Window* owner = nullptr;
    if (parentHandle == HWND_MESSAGE) {
        parent = sys.MessageRoot();
        style &= ~(WS_VISIBLE | WS_CHILD);
    } else if (style & WS_CHILD) {
        parent = sys.Find(parentHandle);
        if (!parent || parent == sys.Desktop()) return nullptr; // a child needs a real parent
    } else {
        parent = sys.Desktop();
        if (parentHandle) {
            owner = sys.Find(parentHandle);
            if (!owner) return nullptr;
            owner = TopLevelOf(owner); // ownership always goes to a top-level window
        }
    }

    auto w = std::make_shared<Window>();
    w->cls = cls;
    w->proc = cls->proc;
    w->style = style & ~WS_VISIBLE; // shown once creation is complete
    w->exStyle = exStyle;
    // Overlapped windows always have a caption and a border.
    if (!(style & (WS_CHILD | WS_POPUP)) && parent == sys.Desktop()) w->style |= WS_CAPTION | WS_CLIPSIBLINGS;
    if ((w->style & WS_CAPTION) == WS_CAPTION || (exStyle & WS_EX_DLGMODALFRAME) ||
        ((w->style & WS_THICKFRAME) && !(w->style & WS_CHILD)))
        w->exStyle |= WS_EX_WINDOWEDGE;
    w->parent = parent;
    w->owner = owner;
    w->instance = instance;
    w->id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
    w->extraBytes.assign(std::size_t(cls->windowExtra), 0);
    if (parent == sys.Desktop() && !(style & WS_POPUP))
        w->rect = window_lifecycle_detail::DefaultTopLevelRect(x, y, width, height);
    else {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
        w->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    }
    w->normalRect = w->rect;
    HWND hwnd = sys.NewHandle(w);
    ++cls->windowCount;
    LinkChild(parent, w.get(), (exStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parentHandle == HWND_MESSAGE ? sys.MessageRoot()->handle : parentHandle;
    cs.x = w->rect.left;
    cs.y = w->rect.top;
    cs.cx = w->rect.right - w->rect.left;
    cs.cy = w->rect.bottom - w->rect.top;
    cs.style = LONG(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    auto abandon = [&]() -> HWND {
        if (!w->dead) {
            w->destroying = true;
            window_lifecycle_detail::FinishTree(w.get());
        }
        return nullptr;
    };

    if (HasHooks(WH_CBT)) {
        CBT_CREATEWND cbt{&cs, HWND_TOP};
        if (RunHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd),
                     reinterpret_cast<LPARAM>(&cbt))) {
            // Refused by a hook: the window vanishes without any message.
            UnlinkChild(w.get());
            --cls->windowCount;
            w->dead = true;
            sys.Forget(hwnd);
            return nullptr;
        }
    }
    if (!(style & WS_CHILD) && (w->style & (WS_THICKFRAME | WS_CAPTION))) {
        QueryMinMaxInfo(w.get());
        if (w->dead) return nullptr;
    }
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) return abandon();
    if (w->dead) return nullptr;
    w->created = true;
    // A window procedure may have moved the window meanwhile; the create structure has the final say
    // only when left alone.
    RECT wr = w->rect;
    w->client = CalcClientRect(w.get(), wr, true);
    if (w->dead) return nullptr;
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (w->dead) return nullptr;

    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(WORD(w->client.right - w->client.left), WORD(w->client.bottom - w->client.top)));
    if (w->dead) return nullptr;
    SendMessage(hwnd, WM_MOVE, 0,
                MAKELPARAM(WORD(w->rect.left + w->client.left), WORD(w->rect.top + w->client.top)));
    if (w->dead) return nullptr;
    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY) && parent)
        for (Window* p = parent; p && p != sys.Desktop(); p = p->parent) {
            SendMessage(p->handle, WM_PARENTNOTIFY, MAKEWPARAM(WORD(WM_CREATE), WORD(w->id)),
                        reinterpret_cast<LPARAM>(hwnd));
            if (w->dead) return nullptr;
            if ((p->exStyle & WS_EX_NOPARENTNOTIFY) || !(p->style & WS_CHILD)) break;
        }
    if (style & WS_MAXIMIZE) {
        w->style &= ~WS_MAXIMIZE;
        ShowWindow(hwnd, (style & WS_VISIBLE) ? SW_SHOWMAXIMIZED : SW_MAXIMIZE);
    } else if (style & WS_MINIMIZE) {
        w->style &= ~WS_MINIMIZE;
        ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
    } else if (style & WS_VISIBLE) {
        ShowWindow(hwnd, SW_SHOW);
    }
    return w->dead ? nullptr : hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    if (!IsGuiThread()) return FALSE; // a window is destroyed by its own thread only
    WindowSystem& sys = Sys();
    auto w = sys.Hold(hwnd);
    if (!w || w.get() == sys.Desktop() || w.get() == sys.MessageRoot()) return FALSE;
    if (w->destroying) return TRUE; // already on its way out
    if (HasHooks(WH_CBT) && RunHooks(WH_CBT, HCBT_DESTROYWND, WPARAM(hwnd), 0)) return FALSE;
    w->destroying = true;

    if (w->style & WS_CHILD) {
        if (!(w->exStyle & WS_EX_NOPARENTNOTIFY))
            for (Window* p = w->parent; p && p != sys.Desktop(); p = p->parent) {
                SendMessage(p->handle, WM_PARENTNOTIFY, MAKEWPARAM(WORD(WM_DESTROY), WORD(w->id)),
                            reinterpret_cast<LPARAM>(hwnd));
                if ((p->exStyle & WS_EX_NOPARENTNOTIFY) || !(p->style & WS_CHILD)) break;
            }
    }
    if (w->style & WS_VISIBLE) {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                         (IsTopLevel(w.get()) && sys.Active == hwnd ? 0 : SWP_NOACTIVATE));
    }
    // Windows owned by this one go first.
    if (IsTopLevel(w.get())) {
        for (HWND h : sys.AllWindows()) {
            Window* o = sys.Find(h);
            if (o && o->owner == w.get() && !o->destroying) DestroyWindow(h);
        }
    }
    if (sys.Active == hwnd) ActivateSomeOtherWindow(w.get());
    window_lifecycle_detail::SendDestroyTree(w.get());
    window_lifecycle_detail::FinishTree(w.get());
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return hwnd && Sys().IsLive(hwnd) ? TRUE : FALSE;
}
