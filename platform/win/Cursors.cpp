#include "platform/win/Cursors.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <map>
#include <string>

namespace olva::win {

namespace cursors_detail {
// System cursors are fixed pseudo-handles: they are shared and never destroyed.
constexpr std::uintptr_t SystemBase = 0x40000;
bool IsSystemId(std::uintptr_t id) {
    return (id >= 32512 && id <= 32516) || (id >= 32640 && id <= 32651);
}
std::map<std::string, HCURSOR>& Resources() {
    static std::map<std::string, HCURSOR> map;
    return map;
}
} // namespace cursors_detail

const char* CursorForHitTest(LRESULT hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    default:
        return IDC_ARROW;
    }
}

int SystemCursorId(HCURSOR cursor) {
    auto v = reinterpret_cast<std::uintptr_t>(cursor);
    if (v > cursors_detail::SystemBase && cursors_detail::IsSystemId(v - cursors_detail::SystemBase))
        return int(v - cursors_detail::SystemBase);
    return 0;
}

void RegisterCursorResource(const char* name, HCURSOR cursor) {
    if (name) cursors_detail::Resources()[name] = cursor;
}

} // namespace olva::win

using namespace olva::win;

HCURSOR LoadCursor(HINSTANCE, const char* name) {
    auto id = reinterpret_cast<std::uintptr_t>(name);
    if (id <= 0xFFFF) {
        if (!cursors_detail::IsSystemId(id)) return nullptr;
        return reinterpret_cast<HCURSOR>(cursors_detail::SystemBase + id);
    }
    auto& map = cursors_detail::Resources();
    auto it = map.find(name);
    return it == map.end() ? nullptr : it->second;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = Sys().Cursor;
    Sys().Cursor = cursor;
    return old;
}

HCURSOR GetCursor() {
    return Sys().Cursor;
}

int ShowCursor(BOOL show) {
    return show ? ++Sys().CursorShowCount : --Sys().CursorShowCount;
}
