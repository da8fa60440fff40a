#include "WinTestSupport.h"

#include "platform/gdi/Surface.h"

#include <filesystem>

using namespace win_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

// A 200x150 popup with both bars: client 184x134, the vertical bar at x 184..199 with its arrows at
// y 0..15 and 118..133, its track in between (102 pixels).
class ScrollBarsTest : public WinTest {
protected:
    HWND MakeScrolled(DWORD bars = WS_VSCROLL | WS_HSCROLL) {
        return MakeTop(0, 0, 200, 150, WS_POPUP | WS_VISIBLE | bars);
    }
    static void SetVert(HWND h, int min, int max, UINT page, int pos, UINT extra = 0) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | extra;
        si.nMin = min;
        si.nMax = max;
        si.nPage = page;
        si.nPos = pos;
        SetScrollInfo(h, SB_VERT, &si, TRUE);
    }
    // The requests the window received on its vertical bar, as (code, position) pairs.
    std::vector<std::pair<int, int>> VScrolls(HWND h) const {
        std::vector<std::pair<int, int>> out;
        for (const Logged& l : rec.log)
            if (l.hwnd == h && l.msg == WM_VSCROLL)
                out.emplace_back(LOWORD(l.wParam), SHORT(HIWORD(l.wParam)));
        return out;
    }
    // Drives the fake clock from inside modal loops: every tick of timer 1 moves time 50 ms on, and
    // after `ticks` of them the left button is released where the mouse is.
    void TickWhileHeld(HWND h, int ticks, POINT at) {
        SetTimer(h, 1, 10, nullptr);
        clock->Advance(10);
        auto left = std::make_shared<int>(ticks); // handlers are copied before each call
        rec.handlers[h] = [this, left, at](HWND hwnd, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_TIMER || w != 1) return std::nullopt;
            clock->Advance(50);
            if (--*left == 0) {
                KillTimer(hwnd, 1);
                InjectMouse(MouseAction::LeftUp, at.x, at.y);
            }
            return 0;
        };
    }
};

TEST_F(ScrollBarsTest, InfoIsKeptWithinTheRange) {
    HWND h = MakeScrolled();
    struct Case {
        int min, max;
        UINT page;
        int pos;
        UINT wantPage;
        int wantPos;
    };
    const Case cases[] = {
        {0, 99, 10, 50, 10, 50},              // inside
        {0, 99, 10, 95, 10, 90},              // the last page ends at max
        {0, 99, 10, -5, 10, 0},               // below min
        {0, 9, 50, 3, 10, 0},                 // the page never exceeds the range
        {0, 65535, 1000, 64000, 1000, 64000}, // wide ranges are kept whole
        {0, 200000, 0, 150000, 0, 150000},
    };
    for (const Case& c : cases) {
        SetVert(h, c.min, c.max, c.page, c.pos);
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &si));
        EXPECT_EQ(si.nMin, c.min);
        EXPECT_EQ(si.nMax, c.max);
        EXPECT_EQ(si.nPage, c.wantPage) << c.max << " " << c.page;
        EXPECT_EQ(si.nPos, c.wantPos) << c.max << " " << c.pos;
        EXPECT_EQ(si.nTrackPos, c.wantPos);
    }
    // The older calls: SetScrollPos answers the previous position; a reversed range is refused.
    SetVert(h, 0, 99, 10, 20);
    EXPECT_EQ(SetScrollPos(h, SB_VERT, 30, TRUE), 20);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 30);
    EXPECT_FALSE(SetScrollRange(h, SB_VERT, 10, 5, TRUE));
    int lo = -1, hi = -1;
    ASSERT_TRUE(GetScrollRange(h, SB_VERT, &lo, &hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 99);
    EXPECT_TRUE(SetScrollRange(h, SB_HORZ, 0, 500, TRUE));
    ASSERT_TRUE(GetScrollRange(h, SB_HORZ, &lo, &hi));
    EXPECT_EQ(hi, 500);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    EXPECT_FALSE(GetScrollInfo(h, SB_CTL, &si));
    EXPECT_FALSE(GetScrollInfo(nullptr, SB_VERT, &si));
}

TEST_F(ScrollBarsTest, BarsAppearWhenNeededAndStayDisabledOnRequest) {
    HWND h = MakeScrolled(0);
    RECT client;
    SetVert(h, 0, 99, 10, 0);
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 200 - 16);
    SetVert(h, 0, 99, 100, 0); // everything fits: the bar goes
    EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(h, &client);
    EXPECT_EQ(client.right, 200);
    SetVert(h, 0, 99, 100, 0, SIF_DISABLENOSCROLL); // ... unless it is asked to stay, disabled
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
    rec.Clear();
    Click(190, 125);
    Pump();
    EXPECT_TRUE(VScrolls(h).empty());
    // ShowScrollBar hides and shows whatever the range.
    EXPECT_TRUE(ShowScrollBar(h, SB_BOTH, FALSE));
    EXPECT_EQ(GetWindowLong(h, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0u);
    EXPECT_TRUE(ShowScrollBar(h, SB_HORZ, TRUE));
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ScrollBarsTest, ClicksOnArrowsAndTrackSendLineAndPageRequests) {
    HWND h = MakeScrolled();
    SetVert(h, 0, 99, 10, 45); // thumb at 16 + 46 = 62 .. 72
    struct Case {
        POINT at;
        int code;
    };
    const Case cases[] = {
        {{190, 5}, SB_LINEUP}, {{190, 125}, SB_LINEDOWN}, {{190, 30}, SB_PAGEUP}, {{190, 100}, SB_PAGEDOWN}};
    for (const Case& c : cases) {
        rec.Clear();
        Click(c.at.x, c.at.y);
        Pump();
        EXPECT_EQ(VScrolls(h), (std::vector<std::pair<int, int>>{{c.code, 0}, {SB_ENDSCROLL, 0}})) << c.code;
        EXPECT_EQ(GetCapture(), nullptr);
    }
    // A quick second click (a double click to the window) presses the arrow again.
    rec.Clear();
    Click(190, 125);
    Click(190, 125);
    Pump();
    EXPECT_EQ(VScrolls(h), (std::vector<std::pair<int, int>>{
                               {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}, {SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
    // A disabled arrow does nothing; the other still works.
    EXPECT_TRUE(EnableScrollBar(h, SB_VERT, ESB_DISABLE_UP));
    EXPECT_FALSE(EnableScrollBar(h, SB_VERT, ESB_DISABLE_UP));
    rec.Clear();
    Click(190, 5);
    Click(190, 125);
    Pump();
    EXPECT_EQ(VScrolls(h), (std::vector<std::pair<int, int>>{{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}));
}

TEST_F(ScrollBarsTest, AWindowClosedByItsScrollRequestEndsTheTrackingSafely) {
    for (POINT at : {POINT{190, 125}, POINT{190, 20}}) { // an arrow, the thumb
        HWND h = MakeScrolled();
        SetVert(h, 0, 99, 10, 0);
        rec.handlers[h] = [](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_VSCROLL) DestroyWindow(hwnd);
            return std::nullopt;
        };
        InjectMouse(MouseAction::Move, at.x, at.y);
        InjectMouse(MouseAction::LeftDown, at.x, at.y);
        InjectMouse(MouseAction::Move, at.x, at.y + 30);
        InjectMouse(MouseAction::LeftUp, at.x, at.y + 30);
        Pump();
        EXPECT_FALSE(IsWindow(h));
        EXPECT_EQ(GetCapture(), nullptr);
        rec.handlers.erase(h);
    }
}

TEST_F(ScrollBarsTest, HoldingAnArrowRepeatsUntilReleased) {
    HWND h = MakeScrolled();
    SetVert(h, 0, 99, 10, 0);
    rec.Clear();
    InjectMouse(MouseAction::Move, 190, 125);
    InjectMouse(MouseAction::LeftDown, 190, 125);
    TickWhileHeld(h, 20, POINT{190, 125}); // one second held
    Pump();
    auto got = VScrolls(h);
    ASSERT_GE(got.size(), 2u);
    EXPECT_EQ(got.back(), (std::pair<int, int>{SB_ENDSCROLL, 0}));
    got.pop_back();
    // The first at once, the next after the first delay, then one every 50 ms.
    EXPECT_GE(got.size(), 6u);
    EXPECT_LE(got.size(), 18u);
    for (auto& g : got)
        EXPECT_EQ(g.first, SB_LINEDOWN);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarsTest, PagingStopsWhenTheThumbReachesTheMouse) {
    HWND h = MakeScrolled();
    SetVert(h, 0, 99, 10, 0);
    rec.Clear();
    InjectMouse(MouseAction::Move, 190, 80);
    InjectMouse(MouseAction::LeftDown, 190, 80);
    TickWhileHeld(h, 30, POINT{190, 80});
    auto ticker = rec.handlers[h];
    rec.handlers[h] = [ticker](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_VSCROLL && LOWORD(w) == SB_PAGEDOWN) {
            SetScrollPos(hwnd, SB_VERT, GetScrollPos(hwnd, SB_VERT) + 10, TRUE);
            return 0;
        }
        return ticker(hwnd, m, w, l);
    };
    Pump();
    // Position 60 puts the thumb (y 77..86) under the mouse at y 80: six pages and no more.
    auto got = VScrolls(h);
    EXPECT_EQ(std::count(got.begin(), got.end(), std::pair<int, int>{SB_PAGEDOWN, 0}), 6);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 60);
}

TEST_F(ScrollBarsTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
    HWND h = MakeScrolled();
    SetVert(h, 0, 99, 10, 0); // thumb 16..25; 92 pixels of free track for positions 0..90
    std::vector<int> trackPositions;
    rec.handlers[h] = [&](HWND hwnd, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_VSCROLL && LOWORD(w) == SB_THUMBTRACK) {
            SCROLLINFO si;
            si.fMask = SIF_TRACKPOS | SIF_POS;
            GetScrollInfo(hwnd, SB_VERT, &si);
            trackPositions.push_back(si.nTrackPos);
            EXPECT_EQ(si.nPos, 0); // the program moves the position itself
            if (trackPositions.size() == 1) {
                InjectMouse(MouseAction::Move, 190, 300); // past the end: the last position
                InjectMouse(MouseAction::LeftUp, 190, 300);
            }
        }
        return std::nullopt;
    };
    rec.Clear();
    InjectMouse(MouseAction::Move, 190, 20);
    InjectMouse(MouseAction::LeftDown, 190, 20);
    InjectMouse(MouseAction::Move, 190, 66); // 46 pixels down: the middle
    Pump();
    EXPECT_EQ(VScrolls(h),
              (std::vector<std::pair<int, int>>{
                  {SB_THUMBTRACK, 45}, {SB_THUMBTRACK, 90}, {SB_THUMBPOSITION, 90}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(trackPositions, (std::vector<int>{45, 90}));
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarsTest, TheThumbIsDrawnWhereThePositionPutsIt) {
    HWND h = MakeScrolled();
    SetVert(h, 0, 99, 10, 90); // the thumb at the end of the track: y 108..117
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMax = 99;
    si.nPage = 50;
    SetScrollInfo(h, SB_HORZ, &si, TRUE); // half the 152-pixel track, at the start: x 16..91
    Pump();
    auto img = olva::win::WindowImage(h);
    auto at = [&](int x, int y) { return PixelToColorRef(img->Pixel(x, y)); };
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    // The thumb is plain face colour inside its edge; the track is dotted.
    struct Probe {
        int x, y;
        bool thumb;
    };
    const Probe probes[] = {
        {190, 112, true}, {190, 60, false}, {190, 100, false}, {50, 141, true}, {120, 141, false}};
    for (const Probe& p : probes) {
        const bool plain = at(p.x, p.y) == face && at(p.x + 1, p.y) == face;
        EXPECT_EQ(plain, p.thumb) << p.x << "," << p.y;
    }
    EXPECT_EQ(at(191, 141), face); // the size box
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    EXPECT_TRUE(olva::win::SaveWindowPng(h, std::string(OLVA_TEST_OUT_DIR) + "/win-scroll-bars.png"));
}

} // namespace
