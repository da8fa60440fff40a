#include "platform/win/DeferredPositions.h"

#include "platform/win/Painting.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <map>
#include <memory>
#include <vector>

namespace olva::win {
namespace deferred_positions_detail {
struct Entry {
    HWND hwnd;
    HWND insertAfter;
    int x, y, cx, cy;
    UINT flags;
};
std::map<std::uintptr_t, std::vector<Entry>>& Sets() {
    static std::map<std::uintptr_t, std::vector<Entry>> sets;
    return sets;
}
std::uintptr_t NextHandle = 0x70000;
} // namespace deferred_positions_detail
} // namespace olva::win

using namespace olva::win;
namespace dp = olva::win::deferred_positions_detail;

HDWP BeginDeferWindowPos(int count) {
    if (count < 0) return nullptr;
    dp::NextHandle += 4;
    dp::Sets()[dp::NextHandle].reserve(std::size_t(count));
    return reinterpret_cast<HDWP>(dp::NextHandle);
}

HDWP DeferWindowPos(HDWP positions, HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    auto it = dp::Sets().find(reinterpret_cast<std::uintptr_t>(positions));
    if (it == dp::Sets().end()) return nullptr;
    if (!IsWindow(hwnd)) {
        dp::Sets().erase(it);
        return nullptr;
    }
    // A window named twice keeps one entry: the later request wins.
    for (dp::Entry& e : it->second)
        if (e.hwnd == hwnd) {
            e = dp::Entry{hwnd, insertAfter, x, y, cx, cy, flags};
            return positions;
        }
    it->second.push_back(dp::Entry{hwnd, insertAfter, x, y, cx, cy, flags});
    return positions;
}

BOOL EndDeferWindowPos(HDWP positions) {
    auto it = dp::Sets().find(reinterpret_cast<std::uintptr_t>(positions));
    if (it == dp::Sets().end()) return FALSE;
    std::vector<dp::Entry> entries = std::move(it->second);
    dp::Sets().erase(it);
    BOOL ok = TRUE;
    for (const dp::Entry& e : entries)
        if (IsWindow(e.hwnd) && !SetWindowPos(e.hwnd, e.insertAfter, e.x, e.y, e.cx, e.cy, e.flags))
            ok = FALSE;
    return ok;
}

BOOL AnimateWindow(HWND hwnd, DWORD, DWORD flags) {
    if (!IsWindow(hwnd)) return FALSE;
    const bool visible = (GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    if (flags & AW_HIDE) {
        if (!visible) return FALSE; // nothing to hide
        ShowWindow(hwnd, SW_HIDE);
        return TRUE;
    }
    if (visible) return FALSE; // already shown
    ShowWindow(hwnd, (flags & AW_ACTIVATE) ? SW_SHOW : SW_SHOWNA);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return TRUE;
}
