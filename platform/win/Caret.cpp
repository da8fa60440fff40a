#include "platform/win/Caret.h"

#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

namespace olva::win {

namespace caret_detail {
struct CaretState {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT pos;
    int hideCount = 1; // a new caret starts hidden
    int paintHides = 0;
    UINT blink = 530;
    std::uint64_t phaseStart = 0;
};
CaretState Caret;
} // namespace caret_detail

void HideCaretForPaint(HWND hwnd) {
    if (caret_detail::Caret.owner == hwnd) ++caret_detail::Caret.paintHides;
}

void ShowCaretAfterPaint(HWND hwnd) {
    if (caret_detail::Caret.owner == hwnd && caret_detail::Caret.paintHides > 0)
        --caret_detail::Caret.paintHides;
}

void DestroyCaretOf(HWND hwnd) {
    if (caret_detail::Caret.owner == hwnd) caret_detail::Caret = caret_detail::CaretState{};
}

bool VisibleCaretRect(RECT& screenRect) {
    const auto& c = caret_detail::Caret;
    if (!c.owner || c.hideCount > 0 || c.paintHides > 0 || !IsWindowVisible(c.owner)) return false;
    // Shown for the first half of each blink period.
    if (c.blink != INFINITE && ((NowMs() - c.phaseStart) / c.blink) % 2 == 1) return false;
    POINT p = c.pos;
    ClientToScreen(c.owner, &p);
    screenRect = RECT{p.x, p.y, p.x + c.width, p.y + c.height};
    return true;
}

bool NextCaretBlink(std::uint64_t& due) {
    const auto& c = caret_detail::Caret;
    if (!c.owner || c.hideCount > 0 || c.paintHides > 0 || c.blink == INFINITE || !IsWindowVisible(c.owner))
        return false;
    const std::uint64_t now = NowMs();
    due = now + (c.blink - (now - c.phaseStart) % c.blink);
    return true;
}

} // namespace olva::win

using namespace olva::win;

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
    if (!IsWindow(hwnd)) return FALSE;
    auto& c = caret_detail::Caret;
    UINT blink = c.blink;
    c = caret_detail::CaretState{};
    c.blink = blink;
    c.owner = hwnd;
    c.width = width > 0 ? width : GetSystemMetrics(5 /*SM_CXBORDER*/);
    c.height = height > 0 ? height : GetSystemMetrics(6 /*SM_CYBORDER*/);
    c.phaseStart = NowMs();
    return TRUE;
}

BOOL DestroyCaret() {
    if (!caret_detail::Caret.owner) return FALSE;
    UINT blink = caret_detail::Caret.blink;
    caret_detail::Caret = caret_detail::CaretState{};
    caret_detail::Caret.blink = blink;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
    auto& c = caret_detail::Caret;
    if (!c.owner || (hwnd && hwnd != c.owner) || c.hideCount == 0) return FALSE;
    if (--c.hideCount == 0) c.phaseStart = NowMs();
    return TRUE;
}

BOOL HideCaret(HWND hwnd) {
    auto& c = caret_detail::Caret;
    if (!c.owner || (hwnd && hwnd != c.owner)) return FALSE;
    ++c.hideCount;
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    auto& c = caret_detail::Caret;
    if (!c.owner) return FALSE;
    c.pos = POINT{x, y};
    c.phaseStart = NowMs(); // a moved caret shows at once
    return TRUE;
}

BOOL GetCaretPos(POINT* pt) {
    if (!pt || !caret_detail::Caret.owner) return FALSE;
    *pt = caret_detail::Caret.pos;
    return TRUE;
}

UINT GetCaretBlinkTime() {
    return caret_detail::Caret.blink;
}

BOOL SetCaretBlinkTime(UINT ms) {
    if (ms == 0) return FALSE;
    caret_detail::Caret.blink = ms;
    return TRUE;
}
