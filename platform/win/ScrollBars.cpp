// The standard scroll bars of a window: state, layout, classic drawing and mouse tracking.
#include "platform/win/ScrollBars.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiControls.h"
#include "platform/win/Painting.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

namespace olva::win {

namespace scroll_bars_detail {

struct BarState {
    // A new window's bars scroll 0..100, as the desktop's do.
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    UINT disabledArrows = 0;    // ESB_ flags
    bool disabledByFit = false; // SIF_DISABLENOSCROLL turned the bar off because everything fits
    bool tracking = false;      // the thumb is being dragged: it is drawn at trackPos
    ScrollPart pressed = ScrollPart::None;
};

struct WindowBars {
    BarState horz;
    BarState vert;
};

// Handles only ever grow, so an entry left behind by a window that did not reach DefWindowProc on
// its way out can never be mistaken for another window's.
std::map<HWND, WindowBars>& Table() {
    static std::map<HWND, WindowBars> table;
    return table;
}

BarState& StateOf(HWND hwnd, int bar) {
    WindowBars& bars = Table()[hwnd];
    return bar == SB_HORZ ? bars.horz : bars.vert;
}

const BarState* FindState(HWND hwnd, int bar) {
    auto it = Table().find(hwnd);
    if (it == Table().end()) return nullptr;
    return bar == SB_HORZ ? &it->second.horz : &it->second.vert;
}

DWORD StyleOf(int bar) {
    return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
}

// The largest position the thumb can reach: the last page ends at max.
int MaxScrollPos(const BarState& s) {
    const std::int64_t last = std::int64_t(s.max) - std::max<std::int64_t>(std::int64_t(s.page) - 1, 0);
    return int(std::max<std::int64_t>(last, s.min));
}

// Whether there is anything to scroll: the range is wider than the page.
bool Scrollable(const BarState& s) {
    return s.max > s.min && std::int64_t(s.page) <= std::int64_t(s.max) - s.min;
}

bool ThumbAllowed(const BarState& s) {
    return Scrollable(s) && (s.disabledArrows & ESB_DISABLE_BOTH) != ESB_DISABLE_BOTH;
}

void RedrawFrame(HWND hwnd) {
    RECT nothing{0, 0, 0, 0};
    RedrawWindow(hwnd, &nothing, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
}

// Adds or removes a bar's style and lets the window recompute its client area.
void SetBarShown(HWND hwnd, Window* w, DWORD styleBits, bool show) {
    const DWORD before = w->style;
    if (show)
        w->style |= styleBits;
    else
        w->style &= ~styleBits;
    if (w->style != before)
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Along(POINT p, int bar) {
    return bar == SB_HORZ ? p.x : p.y;
}

// Thumb length and offset from the track's start for a position.
struct ThumbGeometry {
    int length = 0;
    int offset = 0;
};

constexpr int kMinThumb = 8;

std::optional<ThumbGeometry> Thumb(const BarState& s, int trackLength, int pos) {
    if (!ThumbAllowed(s)) return std::nullopt;
    const std::int64_t range = std::int64_t(s.max) - s.min + 1;
    int length = s.page ? int(std::int64_t(trackLength) * s.page / range) : GetSystemMetrics(SM_CYVTHUMB);
    length = std::max(length, kMinThumb);
    if (length >= trackLength) return std::nullopt;
    const std::int64_t span = std::int64_t(MaxScrollPos(s)) - s.min;
    const int clamped = std::clamp(pos, s.min, MaxScrollPos(s));
    const int offset = span > 0 ? int((trackLength - length) * (std::int64_t(clamped) - s.min) / span) : 0;
    return ThumbGeometry{length, offset};
}

// The position a thumb whose start lies `offset` pixels into the track stands for.
int PosForOffset(const BarState& s, int trackLength, int thumbLength, int offset) {
    const int free = trackLength - thumbLength;
    if (free <= 0) return s.min;
    offset = std::clamp(offset, 0, free);
    const std::int64_t span = std::int64_t(MaxScrollPos(s)) - s.min;
    return int(s.min + (span * offset + free / 2) / free);
}

ScrollBarLayout LayoutFor(const Window* w, int bar, const BarState& s, bool atTrackPos) {
    ScrollBarLayout l;
    const RECT c = w->client;
    if (bar == SB_VERT) {
        if (!(w->style & WS_VSCROLL)) return l;
        l.bar = RECT{c.right, c.top, c.right + GetSystemMetrics(SM_CXVSCROLL), c.bottom};
    } else {
        if (!(w->style & WS_HSCROLL)) return l;
        l.bar = RECT{c.left, c.bottom, c.right, c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
    }
    const bool vertical = bar == SB_VERT;
    const int start = vertical ? l.bar.top : l.bar.left;
    const int end = vertical ? l.bar.bottom : l.bar.right;
    const int arrow = std::min(vertical ? GetSystemMetrics(SM_CYVSCROLL) : GetSystemMetrics(SM_CXHSCROLL),
                               (end - start) / 2);
    l.lineUp = l.bar;
    l.lineDown = l.bar;
    if (vertical) {
        l.lineUp.bottom = start + arrow;
        l.lineDown.top = end - arrow;
    } else {
        l.lineUp.right = start + arrow;
        l.lineDown.left = end - arrow;
    }
    l.trackStart = start + arrow;
    l.trackEnd = end - arrow;
    if (auto t = Thumb(s, l.trackEnd - l.trackStart, atTrackPos && s.tracking ? s.trackPos : s.pos)) {
        l.thumb = l.bar;
        const int a = l.trackStart + t->offset, b = a + t->length;
        if (vertical) {
            l.thumb.top = a;
            l.thumb.bottom = b;
        } else {
            l.thumb.left = a;
            l.thumb.right = b;
        }
    }
    return l;
}

const BarState& StateOrDefault(HWND hwnd, int bar) {
    static const BarState fallback{};
    const BarState* s = FindState(hwnd, bar);
    return s ? *s : fallback;
}

// The classic track: the scroll bar colour dotted with the highlight, so that it stands apart from
// the face-coloured thumb even where both colours are the same.
void FillTrack(HDC dc, const RECT& track) {
    FillRect(dc, &track, GetSysColorBrush(COLOR_SCROLLBAR));
    const COLORREF dot = GetSysColor(COLOR_3DHILIGHT);
    for (int y = track.top; y < track.bottom; ++y)
        for (int x = track.left + ((track.left + y) & 1); x < track.right; x += 2)
            SetPixelV(dc, x, y, dot);
}

void PaintBar(const Window* w, HDC dc, int bar) {
    const BarState& s = StateOrDefault(w->handle, bar);
    const ScrollBarLayout l = LayoutFor(w, bar, s, true);
    if (IsRectEmpty(&l.bar)) return;
    const bool vertical = bar == SB_VERT;
    RECT track = l.bar;
    if (vertical) {
        track.top = l.trackStart;
        track.bottom = l.trackEnd;
    } else {
        track.left = l.trackStart;
        track.right = l.trackEnd;
    }
    FillTrack(dc, track);
    if (!IsRectEmpty(&l.thumb) && (s.pressed == ScrollPart::PageUp || s.pressed == ScrollPart::PageDown)) {
        // The part of the track being paged through is shown dark while the button is held.
        RECT held = track;
        if (s.pressed == ScrollPart::PageUp)
            (vertical ? held.bottom : held.right) = vertical ? l.thumb.top : l.thumb.left;
        else
            (vertical ? held.top : held.left) = vertical ? l.thumb.bottom : l.thumb.right;
        FillRect(dc, &held, GetSysColorBrush(COLOR_3DDKSHADOW));
    }
    const bool inactive = !Scrollable(s);
    auto arrow = [&](RECT r, UINT kind, UINT disableFlag, ScrollPart part) {
        UINT state = kind;
        if (inactive || (s.disabledArrows & disableFlag)) state |= DFCS_INACTIVE;
        if (s.pressed == part) state |= DFCS_PUSHED | DFCS_FLAT;
        DrawFrameControl(dc, &r, DFC_SCROLL, state);
    };
    arrow(l.lineUp, vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT, ESB_DISABLE_LTUP, ScrollPart::LineUp);
    arrow(l.lineDown, vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT, ESB_DISABLE_RTDN, ScrollPart::LineDown);
    if (!IsRectEmpty(&l.thumb)) {
        RECT thumb = l.thumb;
        FillRect(dc, &thumb, GetSysColorBrush(COLOR_3DFACE));
        DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT);
    }
}

// ---- the modal loop of a click

// Our own timer on the window while a button or the track is held; far from the ids programs choose.
constexpr UINT_PTR kRepeatTimer = 0xFFFA;
constexpr UINT kFirstRepeatDelay = 200;
constexpr UINT kRepeatDelay = 50;

bool NextTrackMessage(MSG& msg) {
    for (;;) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));
                return false;
            }
            return true;
        }
        if (!(Sys().AsyncKeyState[VK_LBUTTON] & 0x80) && Sys().Input.empty()) return false;
        WaitMessage();
    }
}

POINT ToWindow(const Window* w, POINT screen) {
    POINT origin = WindowOriginOnScreen(w);
    return POINT{screen.x - origin.x, screen.y - origin.y};
}

void Notify(HWND hwnd, int bar, WORD code, int pos = 0) {
    SendMessage(hwnd, bar == SB_HORZ ? WM_HSCROLL : WM_VSCROLL, MAKEWPARAM(code, WORD(pos)), 0);
}

} // namespace scroll_bars_detail

ScrollBarLayout LayoutScrollBar(const Window* w, int bar) {
    using namespace scroll_bars_detail;
    return LayoutFor(w, bar, StateOrDefault(w->handle, bar), true);
}

ScrollPart ScrollPartAt(const Window* w, int bar, POINT p) {
    using namespace scroll_bars_detail;
    const BarState& s = StateOrDefault(w->handle, bar);
    const ScrollBarLayout l = LayoutFor(w, bar, s, false);
    if (!PtInRect(&l.bar, p)) return ScrollPart::None;
    if (PtInRect(&l.lineUp, p)) return ScrollPart::LineUp;
    if (PtInRect(&l.lineDown, p)) return ScrollPart::LineDown;
    if (IsRectEmpty(&l.thumb)) return ScrollPart::None;
    if (PtInRect(&l.thumb, p)) return ScrollPart::Thumb;
    const int at = Along(p, bar);
    return at < (bar == SB_VERT ? l.thumb.top : l.thumb.left) ? ScrollPart::PageUp : ScrollPart::PageDown;
}

void PaintScrollBars(Window* w, HDC dc) {
    using namespace scroll_bars_detail;
    PaintBar(w, dc, SB_VERT);
    PaintBar(w, dc, SB_HORZ);
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        const RECT c = w->client;
        RECT box{c.right, c.bottom, c.right + GetSystemMetrics(SM_CXVSCROLL),
                 c.bottom + GetSystemMetrics(SM_CYHSCROLL)};
        FillRect(dc, &box, GetSysColorBrush(COLOR_3DFACE));
        if (w->style & WS_THICKFRAME) DrawFrameControl(dc, &box, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
}

void ForgetScrollBars(HWND hwnd) {
    scroll_bars_detail::Table().erase(hwnd);
}

void TrackScrollBar(HWND hwnd, LRESULT hit, POINT screen) {
    using namespace scroll_bars_detail;
    auto w = Sys().Hold(hwnd);
    if (!w) return;
    const int bar = hit == HTHSCROLL ? SB_HORZ : SB_VERT;
    const ScrollPart part = ScrollPartAt(w.get(), bar, ToWindow(w.get(), screen));
    if (part == ScrollPart::None) return;
    BarState& s = StateOf(hwnd, bar);
    if ((part == ScrollPart::LineUp && (s.disabledArrows & ESB_DISABLE_LTUP)) ||
        (part == ScrollPart::LineDown && (s.disabledArrows & ESB_DISABLE_RTDN)) || !Scrollable(s))
        return;

    const WORD code = part == ScrollPart::LineUp     ? SB_LINEUP
                      : part == ScrollPart::LineDown ? SB_LINEDOWN
                      : part == ScrollPart::PageUp   ? SB_PAGEUP
                                                     : SB_PAGEDOWN;
    const ScrollBarLayout start = LayoutFor(w.get(), bar, s, false);
    const int trackLength = start.trackEnd - start.trackStart;
    const int thumbLength =
        Along(POINT{start.thumb.right - start.thumb.left, start.thumb.bottom - start.thumb.top}, bar);
    const int grab =
        Along(ToWindow(w.get(), screen), bar) - (bar == SB_VERT ? start.thumb.top : start.thumb.left);

    // Whether the held part still lies under the mouse: arrows while over them, the track until the
    // thumb has reached the mouse.
    auto stillUnder = [&](POINT screenPoint) {
        if (w->dead) return false;
        return ScrollPartAt(w.get(), bar, ToWindow(w.get(), screenPoint)) == part;
    };

    SetCapture(hwnd);
    if (part == ScrollPart::Thumb) {
        s.tracking = true;
        s.trackPos = s.pos;
    } else {
        s.pressed = part;
        RedrawFrame(hwnd);
        SetTimer(hwnd, kRepeatTimer, kFirstRepeatDelay, nullptr);
        Notify(hwnd, bar, code);
    }
    POINT mouse = screen;
    MSG msg{};
    while (!w->dead && GetCapture() == hwnd && NextTrackMessage(msg)) {
        if (msg.message == WM_LBUTTONUP) break;
        if (msg.message == WM_MOUSEMOVE) {
            mouse = msg.pt;
            if (part == ScrollPart::Thumb) {
                BarState& live = StateOf(hwnd, bar);
                const int offset = Along(ToWindow(w.get(), mouse), bar) - grab - start.trackStart;
                const int pos = PosForOffset(live, trackLength, thumbLength, offset);
                if (pos != live.trackPos) {
                    live.trackPos = pos;
                    RedrawFrame(hwnd);
                    Notify(hwnd, bar, SB_THUMBTRACK, pos);
                }
            } else {
                const ScrollPart shown = stillUnder(mouse) ? part : ScrollPart::None;
                BarState& live = StateOf(hwnd, bar);
                if (live.pressed != shown) {
                    live.pressed = shown;
                    RedrawFrame(hwnd);
                }
            }
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == hwnd && msg.wParam == kRepeatTimer) {
            SetTimer(hwnd, kRepeatTimer, kRepeatDelay, nullptr);
            if (stillUnder(mouse)) {
                Notify(hwnd, bar, code);
                RedrawFrame(hwnd);
            }
            continue;
        }
        if ((msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
            (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST))
            continue; // the bar owns the mouse and the keyboard until the button is released
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    if (w->dead) {
        ForgetScrollBars(hwnd);
        return;
    }
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd) ReleaseCapture();
    BarState& live = StateOf(hwnd, bar);
    live.pressed = ScrollPart::None;
    if (part == ScrollPart::Thumb) {
        const int final = live.trackPos;
        Notify(hwnd, bar, SB_THUMBPOSITION, final);
        if (w->dead) return;
        StateOf(hwnd, bar).tracking = false;
    }
    RedrawFrame(hwnd);
    Notify(hwnd, bar, SB_ENDSCROLL);
}

} // namespace olva::win

using namespace olva::win;
using namespace olva::win::scroll_bars_detail;

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw) {
    auto w = Sys().Hold(hwnd);
    if (!w || !info || (bar != SB_HORZ && bar != SB_VERT)) return 0;
    BarState& s = StateOf(hwnd, bar);
    if (info->fMask & SIF_RANGE) {
        s.min = info->nMin;
        s.max = std::max(info->nMax, info->nMin);
    }
    if (info->fMask & SIF_PAGE) s.page = info->nPage;
    // The page never exceeds the range.
    const std::int64_t range = std::int64_t(s.max) - s.min + 1;
    if (std::int64_t(s.page) > range) s.page = UINT(range);
    if (info->fMask & SIF_POS) s.pos = info->nPos;
    s.pos = std::clamp(s.pos, s.min, MaxScrollPos(s));
    if (!s.tracking) s.trackPos = s.pos;

    bool styleChange = false;
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool show = Scrollable(s) || (info->fMask & SIF_DISABLENOSCROLL);
        if (Scrollable(s)) {
            if (s.disabledByFit) s.disabledArrows = ESB_ENABLE_BOTH;
            s.disabledByFit = false;
        } else if (info->fMask & SIF_DISABLENOSCROLL) {
            s.disabledArrows = ESB_DISABLE_BOTH;
            s.disabledByFit = true;
        }
        const DWORD bit = StyleOf(bar);
        styleChange = bool(w->style & bit) != show;
        if (styleChange) SetBarShown(hwnd, w.get(), bit, show);
    }
    const int pos = StateOf(hwnd, bar).pos;
    if (redraw && !styleChange && !w->dead) RedrawFrame(hwnd);
    return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    auto w = Sys().Hold(hwnd);
    if (!w || !info || (bar != SB_HORZ && bar != SB_VERT)) return FALSE;
    const BarState& s = StateOrDefault(hwnd, bar);
    if (info->fMask & SIF_RANGE) {
        info->nMin = s.min;
        info->nMax = s.max;
    }
    if (info->fMask & SIF_PAGE) info->nPage = s.page;
    if (info->fMask & SIF_POS) info->nPos = s.pos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = s.tracking ? s.trackPos : s.pos;
    return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
    if (!Sys().Hold(hwnd) || (bar != SB_HORZ && bar != SB_VERT)) return 0;
    const int previous = StateOrDefault(hwnd, bar).pos;
    SCROLLINFO si;
    si.fMask = SIF_POS;
    si.nPos = pos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return previous;
}

int GetScrollPos(HWND hwnd, int bar) {
    SCROLLINFO si;
    si.fMask = SIF_POS;
    return GetScrollInfo(hwnd, bar, &si) ? si.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
    if (!Sys().Hold(hwnd) || (bar != SB_HORZ && bar != SB_VERT) || maxPos < minPos) return FALSE;
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    si.nMin = minPos;
    si.nMax = maxPos;
    SetScrollInfo(hwnd, bar, &si, redraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE;
    if (!minPos || !maxPos || !GetScrollInfo(hwnd, bar, &si)) return FALSE;
    *minPos = si.nMin;
    *maxPos = si.nMax;
    return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
    auto w = Sys().Hold(hwnd);
    if (!w) return FALSE;
    DWORD bits = 0;
    if (bar == SB_HORZ || bar == SB_BOTH) bits |= WS_HSCROLL;
    if (bar == SB_VERT || bar == SB_BOTH) bits |= WS_VSCROLL;
    if (!bits) return FALSE;
    SetBarShown(hwnd, w.get(), bits, show != FALSE);
    return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
    auto w = Sys().Hold(hwnd);
    if (!w || (bar != UINT(SB_HORZ) && bar != UINT(SB_VERT) && bar != UINT(SB_BOTH))) return FALSE;
    bool changed = false;
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != UINT(SB_BOTH) && bar != UINT(b)) continue;
        BarState& s = StateOf(hwnd, b);
        const UINT wanted = arrows & ESB_DISABLE_BOTH;
        changed = changed || s.disabledArrows != wanted;
        s.disabledArrows = wanted;
        s.disabledByFit = false;
    }
    if (changed) RedrawFrame(hwnd);
    // As the desktop does: FALSE tells the caller the arrows were already in that state.
    return changed ? TRUE : FALSE;
}
