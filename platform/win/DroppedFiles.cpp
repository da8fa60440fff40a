#include "platform/win/DroppedFiles.h"

#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace olva::win {

namespace dropped_files_detail {
struct Drop {
    std::vector<std::string> files;
    POINT point;
    bool inClient = false;
};
std::map<std::uintptr_t, std::unique_ptr<Drop>>& Drops() {
    static std::map<std::uintptr_t, std::unique_ptr<Drop>> drops;
    return drops;
}
std::uintptr_t NextHandle = 0x60000;
Drop* Find(HDROP h) {
    auto it = Drops().find(reinterpret_cast<std::uintptr_t>(h));
    return it == Drops().end() ? nullptr : it->second.get();
}
} // namespace dropped_files_detail

bool InjectDropFiles(POINT screen, const std::vector<std::string>& paths) {
    Window* w = Sys().Find(WindowFromPoint(screen));
    while (w && w != Sys().Desktop() && !(w->exStyle & WS_EX_ACCEPTFILES))
        w = (w->style & WS_CHILD) ? w->parent : nullptr;
    if (!w || w == Sys().Desktop() || paths.empty()) return false;
    auto drop = std::make_unique<dropped_files_detail::Drop>();
    drop->files = paths;
    drop->point = screen;
    ScreenToClient(w->handle, &drop->point);
    RECT client;
    GetClientRect(w->handle, &client);
    drop->inClient = PtInRect(&client, drop->point);
    dropped_files_detail::NextHandle += 4;
    dropped_files_detail::Drops()[dropped_files_detail::NextHandle] = std::move(drop);
    return PostMessage(w->handle, WM_DROPFILES, WPARAM(dropped_files_detail::NextHandle), 0);
}

} // namespace olva::win

using namespace olva::win;

void DragAcceptFiles(HWND hwnd, BOOL accept) {
    Window* w = Sys().Find(hwnd);
    if (!w) return;
    if (accept)
        w->exStyle |= WS_EX_ACCEPTFILES;
    else
        w->exStyle &= ~WS_EX_ACCEPTFILES;
}

UINT DragQueryFile(HDROP drop, UINT index, char* buffer, UINT size) {
    auto* d = dropped_files_detail::Find(drop);
    if (!d) return 0;
    if (index == 0xFFFFFFFF) return UINT(d->files.size());
    if (index >= d->files.size()) return 0;
    const std::string& name = d->files[index];
    if (!buffer) return UINT(name.size());
    if (size == 0) return 0;
    UINT n = std::min<UINT>(UINT(name.size()), size - 1);
    std::memcpy(buffer, name.data(), n);
    buffer[n] = 0;
    return n;
}

BOOL DragQueryPoint(HDROP drop, POINT* pt) {
    auto* d = dropped_files_detail::Find(drop);
    if (!d || !pt) return FALSE;
    *pt = d->point;
    return d->inClient ? TRUE : FALSE;
}

void DragFinish(HDROP drop) {
    dropped_files_detail::Drops().erase(reinterpret_cast<std::uintptr_t>(drop));
}
