// Windows that draw their own frame (floating toolbars, sizable popups) size through the window system's
// sizing loop from whatever edge their own hit test names: answered to the system, or sent as
// WM_NCLBUTTONDOWN from their own button press. WM_SIZING and WM_GETMINMAXINFO apply as for framed
// windows, and the sizing never activates them.
#include "WinTestSupport.h"

using namespace win_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class UndecoratedSizingTest : public WinTest {
protected:
    static constexpr int kOwnFrame = 4;
    static constexpr RECT kStart{100, 100, 300, 200};

    // The edge a point of the window's own frame stands for; HTNOWHERE inside it.
    static LRESULT EdgeAt(HWND h, POINT screen) {
        RECT r;
        GetWindowRect(h, &r);
        const bool left = screen.x < r.left + kOwnFrame, right = screen.x >= r.right - kOwnFrame;
        const bool top = screen.y < r.top + kOwnFrame, bottom = screen.y >= r.bottom - kOwnFrame;
        if (top && left) return HTTOPLEFT;
        if (top && right) return HTTOPRIGHT;
        if (bottom && left) return HTBOTTOMLEFT;
        if (bottom && right) return HTBOTTOMRIGHT;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
        if (top) return HTTOP;
        if (bottom) return HTBOTTOM;
        return HTNOWHERE;
    }

    // An undecorated, owned popup that never takes the activation and keeps a frame of its own. With
    // viaOwnPress it answers HTCLIENT to the system and starts the sizing itself, from its button press.
    HWND MakeFloating(HWND owner, bool viaOwnPress) {
        HWND h = MakeTop(kStart.left, kStart.top, 200, 100, WS_POPUP, WS_EX_TOOLWINDOW, owner);
        rec.handlers[h] = [this, viaOwnPress](HWND hwnd, UINT m, WPARAM w,
                                              LPARAM l) -> std::optional<LRESULT> {
            switch (m) {
            case WM_NCCALCSIZE:
                if (w) InflateRect(reinterpret_cast<RECT*>(l), -kOwnFrame, -kOwnFrame);
                return 0;
            case WM_NCHITTEST: {
                // What the system says first: its own frame is nothing the system knows of.
                systemAnswer = DefWindowProc(hwnd, m, w, l);
                const LRESULT edge = EdgeAt(hwnd, POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
                pressedEdge = edge;
                if (systemAnswer != HTNOWHERE || edge == HTNOWHERE) return systemAnswer;
                return viaOwnPress ? HTCLIENT : edge;
            }
            case WM_LBUTTONDOWN:
                if (viaOwnPress && pressedEdge != HTNOWHERE) {
                    // Where the press was: the pointer may have moved on since.
                    SendMessage(hwnd, WM_NCLBUTTONDOWN, WPARAM(pressedEdge), LPARAM(GetMessagePos()));
                }
                return 0;
            case WM_MOUSEACTIVATE:
                return MA_NOACTIVATE;
            case WM_SIZING:
                sizingEdges.push_back(w);
                return TRUE;
            case WM_GETMINMAXINFO: {
                auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
                if (minTrack.x) mmi->ptMinTrackSize = minTrack;
                if (maxTrack.x) mmi->ptMaxTrackSize = maxTrack;
                return 0;
            }
            default:
                return std::nullopt;
            }
        };
        SetWindowPos(h, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_SHOWWINDOW |
                         SWP_NOACTIVATE);
        return h;
    }
    void Drag(POINT from, POINT to) {
        InjectMouse(MouseAction::Move, from.x, from.y);
        InjectMouse(MouseAction::LeftDown, from.x, from.y);
        InjectMouse(MouseAction::Move, to.x, to.y);
        InjectMouse(MouseAction::LeftUp, to.x, to.y);
        Pump();
    }
    RECT RectOf(HWND h) {
        RECT r;
        GetWindowRect(h, &r);
        return r;
    }

    LRESULT systemAnswer = HTNOWHERE, pressedEdge = HTNOWHERE;
    std::vector<WPARAM> sizingEdges;
    POINT minTrack{0, 0}, maxTrack{0, 0};
};

TEST_F(UndecoratedSizingTest, EveryEdgeItsHitTestNamesSizesItWithoutActivation) {
    struct Case {
        POINT press;
        LRESULT hit;
        WPARAM sizing;
        RECT expected; // after a drag by (+15, +10)
    };
    const Case cases[] = {
        {{101, 150}, HTLEFT, WMSZ_LEFT, {115, 100, 300, 200}},
        {{298, 150}, HTRIGHT, WMSZ_RIGHT, {100, 100, 315, 200}},
        {{200, 101}, HTTOP, WMSZ_TOP, {100, 110, 300, 200}},
        {{200, 198}, HTBOTTOM, WMSZ_BOTTOM, {100, 100, 300, 210}},
        {{101, 101}, HTTOPLEFT, WMSZ_TOPLEFT, {115, 110, 300, 200}},
        {{298, 101}, HTTOPRIGHT, WMSZ_TOPRIGHT, {100, 110, 315, 200}},
        {{101, 198}, HTBOTTOMLEFT, WMSZ_BOTTOMLEFT, {115, 100, 300, 210}},
        {{298, 198}, HTBOTTOMRIGHT, WMSZ_BOTTOMRIGHT, {100, 100, 315, 210}},
    };
    HWND owner = MakeTop(0, 0, 600, 400);
    HWND focus = MakeChild(owner, 10, 300, 50, 20);
    SetFocus(focus);
    for (bool viaOwnPress : {false, true}) {
        HWND floating = MakeFloating(owner, viaOwnPress);
        for (const Case& c : cases) {
            SetWindowPos(floating, nullptr, kStart.left, kStart.top, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
            sizingEdges.clear();
            rec.Clear();
            Drag(c.press, POINT{c.press.x + 15, c.press.y + 10});
            EXPECT_EQ(systemAnswer, HTNOWHERE) << c.hit; // the undecorated frame is the window's own
            EXPECT_EQ(pressedEdge, c.hit);
            EXPECT_EQ(RectOf(floating), c.expected) << c.hit << (viaOwnPress ? " by its own press" : "");
            ASSERT_FALSE(sizingEdges.empty()) << c.hit;
            EXPECT_EQ(sizingEdges.back(), c.sizing);
            EXPECT_EQ(rec.Count(floating, WM_ENTERSIZEMOVE), 1);
            EXPECT_EQ(rec.Count(floating, WM_EXITSIZEMOVE), 1);
            EXPECT_EQ(GetCapture(), nullptr);
        }
        EXPECT_EQ(GetActiveWindow(), owner);
        EXPECT_EQ(GetFocus(), focus);
        EXPECT_EQ(rec.Count(floating, WM_ACTIVATE), 0);
        DestroyWindow(floating);
    }
}

TEST_F(UndecoratedSizingTest, TheLimitsAndTheSizingAnswerHold) {
    HWND owner = MakeTop(0, 0, 600, 400);
    HWND floating = MakeFloating(owner, true);
    minTrack = POINT{60, 40};
    maxTrack = POINT{250, 150};
    Drag(POINT{298, 150}, POINT{100, 150}); // the right edge far to the left: stops at the minimum width
    EXPECT_EQ(RectOf(floating), (RECT{100, 100, 160, 200}));
    Drag(POINT{101, 150},
         POINT{-150, 150}); // the left edge far out: stops at the maximum, the right one stays
    EXPECT_EQ(RectOf(floating), (RECT{-90, 100, 160, 200}));
    Drag(POINT{0, 198}, POINT{0, 400}); // the bottom edge down to the maximum height
    EXPECT_EQ(RectOf(floating), (RECT{-90, 100, 160, 250}));
    // Without limits of its own a window without a caption shrinks down to its frame.
    HWND plain = MakeTop(400, 100, 100, 100, WS_POPUP | WS_THICKFRAME | WS_VISIBLE);
    Drag(POINT{498, 150}, POINT{300, 150});
    EXPECT_EQ(RectOf(plain).right - RectOf(plain).left, 2 * GetSystemMetrics(SM_CXFRAME));
}

TEST_F(UndecoratedSizingTest, TheDefaultHitTestKeepsBorderForFramesAndNowhereForWhatAWindowMadeItself) {
    HWND owner = MakeTop(0, 0, 600, 400);
    HWND floating = MakeFloating(owner, false);
    HWND bordered = MakeTop(400, 0, 100, 100, WS_POPUP | WS_BORDER | WS_VISIBLE);
    HWND edged = MakeTop(400, 200, 100, 100, WS_POPUP | WS_VISIBLE, WS_EX_CLIENTEDGE);
    HWND grip = MakeTop(0, 300, 100, 100, WS_POPUP | WS_THICKFRAME | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE);
    struct Case {
        HWND hwnd;
        POINT screen;
        LRESULT hit;
    };
    const Case cases[] = {
        {floating, {101, 150}, HTNOWHERE}, {floating, {150, 150}, HTCLIENT}, {bordered, {400, 50}, HTBORDER},
        {edged, {401, 250}, HTBORDER},     {edged, {450, 250}, HTCLIENT},    {grip, {90, 390}, HTSIZE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DefWindowProc(c.hwnd, WM_NCHITTEST, 0, Pt(c.screen.x, c.screen.y)), c.hit)
            << c.screen.x << "," << c.screen.y;
    // The size box between the scroll bars sizes from the bottom-right corner.
    Drag(POINT{90, 390}, POINT{110, 400});
    EXPECT_EQ(RectOf(grip), (RECT{0, 300, 120, 410}));
}

} // namespace
