// The modal loops of the default frame: moving and sizing a window with the mouse or the keyboard,
// and pressing a caption button.
#include "platform/win/NonClient.h"
#include "platform/win/Painting.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace olva::win {

namespace size_move_detail {

// Takes the next message of a modal loop. False ends the loop: the quit message (re-posted for the
// outer loop), or nothing more to come (the button is already up and the input queue is empty).
bool NextLoopMessage(MSG& msg, bool& quit) {
    for (;;) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));
                quit = true;
                return false;
            }
            return true;
        }
        if (!(Sys().AsyncKeyState[VK_LBUTTON] & 0x80) && Sys().Input.empty()) return false;
        WaitMessage();
    }
}

RECT NewRect(const RECT& start, WPARAM edge, POINT delta) {
    RECT r = start;
    if (edge == 0) {
        OffsetRect(&r, delta.x, delta.y);
        return r;
    }
    if (edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT) r.left += delta.x;
    if (edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT) r.right += delta.x;
    if (edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT) r.top += delta.y;
    if (edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT) r.bottom += delta.y;
    return r;
}

void ClampSize(RECT& r, WPARAM edge, const MINMAXINFO& mmi) {
    auto clampAxis = [](LONG& lo, LONG& hi, bool moveLow, int minSize, int maxSize) {
        int size = std::clamp<int>(hi - lo, minSize, std::max(minSize, maxSize));
        if (moveLow)
            lo = hi - size;
        else
            hi = lo + size;
    };
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    clampAxis(r.left, r.right, left, mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x);
    clampAxis(r.top, r.bottom, top, mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y);
}

} // namespace size_move_detail

void RunSizeMoveLoop(HWND hwnd, WPARAM command, POINT screen) {
    using namespace size_move_detail;
    auto w = Sys().Hold(hwnd);
    if (!w) return;
    const bool sizing = (command & 0xFFF0) == SC_SIZE;
    const WPARAM edge = sizing ? (command & 0x000F) : 0;
    // Rectangles in the parent's client coordinates, as SetWindowPos takes them.
    RECT start = w->rect;
    if (HasHooks(WH_CBT) && RunHooks(WH_CBT, HCBT_MOVESIZE, WPARAM(hwnd), reinterpret_cast<LPARAM>(&start)))
        return;
    const MINMAXINFO mmi = QueryMinMaxInfo(w.get());
    if (w->dead) return;
    SetCapture(hwnd);
    SendMessage(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    bool quit = false;
    MSG msg;
    while (!w->dead && GetCapture() == hwnd && NextLoopMessage(msg, quit)) {
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == hwnd) {
            POINT delta{msg.pt.x - screen.x, msg.pt.y - screen.y};
            RECT r = NewRect(start, edge, delta);
            if (sizing) {
                ClampSize(r, edge, mmi);
                SendMessage(hwnd, WM_SIZING, edge, reinterpret_cast<LPARAM>(&r));
            } else {
                SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
            }
            if (w->dead) break;
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | (sizing ? 0 : SWP_NOSIZE));
        } else if (msg.message == WM_LBUTTONUP) {
            break;
        } else if (msg.message == WM_KEYDOWN &&
                   (msg.wParam == WPARAM(VK_ESCAPE) || msg.wParam == WPARAM(VK_RETURN))) {
            if (msg.wParam == WPARAM(VK_ESCAPE)) // back where it started
                SetWindowPos(hwnd, nullptr, start.left, start.top, start.right - start.left,
                             start.bottom - start.top, SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        } else if (msg.message < WM_KEYFIRST || (msg.message > WM_KEYLAST && msg.message < WM_MOUSEFIRST) ||
                   msg.message > WM_MOUSELAST) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!w->dead) SendMessage(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

void TrackCaptionButton(HWND hwnd, LRESULT button) {
    using namespace size_move_detail;
    auto w = Sys().Hold(hwnd);
    if (!w) return;
    RECT br = CaptionButtonRect(w.get(), button);
    if (IsRectEmpty(&br)) return;
    POINT origin = WindowOriginOnScreen(w.get());
    OffsetRect(&br, origin.x, origin.y);
    SetCapture(hwnd);
    bool quit = false, pressed = false;
    MSG msg;
    while (!w->dead && GetCapture() == hwnd && NextLoopMessage(msg, quit)) {
        if (msg.message == WM_LBUTTONUP) {
            pressed = PtInRect(&br, msg.pt);
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == WPARAM(VK_ESCAPE)) break;
        if (msg.message == WM_TIMER || msg.message == WM_PAINT) DispatchMessage(&msg);
    }
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!pressed || w->dead) return;
    // On a minimized window the minimize button restores, as it shows.
    WPARAM cmd = button == HTCLOSE       ? SC_CLOSE
                 : button == HTMINBUTTON ? (IsIconic(hwnd) ? SC_RESTORE : SC_MINIMIZE)
                 : IsZoomed(hwnd)        ? SC_RESTORE
                                         : SC_MAXIMIZE;
    if ((button == HTMAXBUTTON && !(w->style & WS_MAXIMIZEBOX)) ||
        (button == HTMINBUTTON && !(w->style & WS_MINIMIZEBOX)))
        return;
    SendMessage(hwnd, WM_SYSCOMMAND, cmd, MAKELPARAM(WORD(SHORT(msg.pt.x)), WORD(SHORT(msg.pt.y))));
}

} // namespace olva::win
