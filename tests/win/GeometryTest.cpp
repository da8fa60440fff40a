#include "WinTestSupport.h"

using namespace win_test;

namespace {

class GeometryTest : public WinTest {};

TEST_F(GeometryTest, SetWindowPosMessagesAndFlags) {
    HWND h = MakeTop(10, 10, 300, 200);
    HWND c = MakeChild(h, 5, 5, 50, 40);
    rec.Clear();
    ASSERT_TRUE(SetWindowPos(c, nullptr, 20, 30, 60, 40, SWP_NOZORDER));
    EXPECT_EQ(
        rec.MessagesOf(c, {WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}),
        (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
    EXPECT_EQ(rec.Last(c, WM_MOVE)->lParam, Pt(20, 30));
    EXPECT_EQ(rec.Last(c, WM_SIZE)->lParam, Pt(60, 40));
    rec.Clear();
    SetWindowPos(c, nullptr, 20, 30, 60, 40, SWP_NOZORDER); // nothing changes: no WM_MOVE, no WM_SIZE
    EXPECT_EQ(rec.Count(c, WM_MOVE), 0);
    EXPECT_EQ(rec.Count(c, WM_SIZE), 0);
    EXPECT_EQ(rec.Count(c, WM_WINDOWPOSCHANGED), 1);
    // A window procedure may change the position on its way.
    rec.handlers[c] = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(l)->cx = 77;
        return std::nullopt;
    };
    SetWindowPos(c, nullptr, 0, 0, 10, 10, SWP_NOZORDER | SWP_NOMOVE);
    RECT r;
    GetWindowRect(c, &r);
    EXPECT_EQ(r.right - r.left, 77);
    EXPECT_EQ(r.bottom - r.top, 10);
    POINT p{0, 0};
    ClientToScreen(c, &p);
    EXPECT_EQ(p, (POINT{10 + 4 + 20, 10 + 4 + 19 + 30}));
}

TEST_F(GeometryTest, MinMaxInfoLimitsTheSizeOfFramedWindows) {
    HWND h = MakeTop(0, 0, 300, 200);
    rec.handlers[h] = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_GETMINMAXINFO) {
            auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
            mmi->ptMinTrackSize = POINT{200, 150};
            mmi->ptMaxTrackSize = POINT{500, 400};
            return 0;
        }
        return std::nullopt;
    };
    MoveWindow(h, 0, 0, 50, 50, TRUE);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{0, 0, 200, 150}));
    MoveWindow(h, 0, 0, 900, 900, TRUE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{0, 0, 500, 400}));
}

TEST_F(GeometryTest, MaximizeRestoreAndMinimize) {
    HWND h = MakeTop(100, 100, 300, 200);
    rec.Clear();
    ShowWindow(h, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(h));
    RECT r;
    GetWindowRect(h, &r);
    // The work area with the frame hanging outside it.
    EXPECT_EQ(r, (RECT{-4, -4, 1924, 1044}));
    ASSERT_TRUE(rec.Last(h, WM_SIZE));
    EXPECT_EQ(rec.Last(h, WM_SIZE)->wParam, SIZE_MAXIMIZED);
    ShowWindow(h, SW_MINIMIZE);
    EXPECT_TRUE(IsIconic(h));
    EXPECT_FALSE(IsZoomed(h));
    EXPECT_EQ(rec.Last(h, WM_SIZE)->wParam, SIZE_MINIMIZED);
    WINDOWPLACEMENT wp;
    GetWindowPlacement(h, &wp);
    EXPECT_EQ(wp.showCmd, UINT(SW_SHOWMINIMIZED));
    EXPECT_EQ(wp.flags, WPF_RESTORETOMAXIMIZED);
    EXPECT_EQ(wp.rcNormalPosition, (RECT{100, 100, 400, 300}));
    rec.handlers[h] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_QUERYOPEN) return FALSE; // refuses to open
        return std::nullopt;
    };
    ShowWindow(h, SW_RESTORE);
    EXPECT_TRUE(IsIconic(h));
    rec.handlers.erase(h);
    ShowWindow(h, SW_RESTORE); // back to maximized, where it came from
    EXPECT_TRUE(IsZoomed(h));
    ShowWindow(h, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(h));
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{100, 100, 400, 300}));
    EXPECT_EQ(rec.Last(h, WM_SIZE)->wParam, SIZE_RESTORED);
}

TEST_F(GeometryTest, ShowWindowCodesAndReturnValues) {
    HWND a = MakeTop(0, 0, 100, 100);
    HWND b = MakeTop(0, 0, 100, 100, WS_OVERLAPPEDWINDOW);
    struct Case {
        int cmd;
        BOOL wasVisible;
        bool visible;
        HWND active;
    };
    const Case cases[] = {{SW_SHOWNA, FALSE, true, a},         {SW_HIDE, TRUE, false, a},
                          {SW_SHOWNOACTIVATE, FALSE, true, a}, {SW_SHOW, TRUE, true, b},
                          {SW_HIDE, TRUE, false, a},           {SW_HIDE, FALSE, false, a},
                          {SW_SHOWNORMAL, FALSE, true, b}};
    for (const Case& c : cases) {
        EXPECT_EQ(ShowWindow(b, c.cmd), c.wasVisible) << c.cmd;
        EXPECT_EQ(bool(IsWindowVisible(b)), c.visible) << c.cmd;
        EXPECT_EQ(GetActiveWindow(), c.active) << c.cmd;
    }
    rec.Clear();
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(rec.Count(b, WM_SHOWWINDOW), 1);
    EXPECT_EQ(rec.Last(b, WM_SHOWWINDOW)->wParam, WPARAM(FALSE));
}

TEST_F(GeometryTest, CoordinatesAndFrameArithmetic) {
    HWND h = MakeTop(50, 60, 300, 200);
    HWND c = MakeChild(h, 10, 20, 100, 50);
    POINT pts[2] = {{0, 0}, {5, 5}};
    int offset = MapWindowPoints(c, h, pts, 2);
    EXPECT_EQ(pts[0], (POINT{10, 20}));
    EXPECT_EQ(pts[1], (POINT{15, 25}));
    EXPECT_EQ(SHORT(LOWORD(offset)), 10);
    EXPECT_EQ(SHORT(HIWORD(offset)), 20);
    POINT p{0, 0};
    MapWindowPoints(nullptr, c, &p, 1);
    EXPECT_EQ(p, (POINT{-(50 + 4 + 10), -(60 + 23 + 20)}));
    struct Case {
        DWORD style, ex;
        RECT expected;
    };
    const Case cases[] = {{WS_OVERLAPPEDWINDOW, 0, {-4, -23, 104, 104}},
                          {WS_POPUP | WS_BORDER, 0, {-1, -1, 101, 101}},
                          {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, {-3, -19, 103, 103}},
                          {WS_CHILD, WS_EX_CLIENTEDGE, {-2, -2, 102, 102}},
                          {WS_POPUP | WS_DLGFRAME, WS_EX_DLGMODALFRAME, {-3, -3, 103, 103}}};
    for (const Case& c2 : cases) {
        RECT r{0, 0, 100, 100};
        AdjustWindowRectEx(&r, c2.style, FALSE, c2.ex);
        EXPECT_EQ(r, c2.expected) << std::hex << c2.style;
    }
}

TEST_F(GeometryTest, WindowPlacementRoundTrip) {
    HWND h = MakeTop(10, 10, 100, 100);
    WINDOWPLACEMENT wp;
    GetWindowPlacement(h, &wp);
    wp.rcNormalPosition = RECT{200, 210, 500, 410};
    wp.showCmd = SW_SHOWMAXIMIZED;
    ASSERT_TRUE(SetWindowPlacement(h, &wp));
    EXPECT_TRUE(IsZoomed(h));
    ShowWindow(h, SW_RESTORE);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{200, 210, 500, 410}));
}

TEST_F(GeometryTest, MonitorsMetricsAndColours) {
    olva::win::SetMonitors(
        {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}, {{1920, 0, 3200, 1024}, {1920, 30, 3200, 1024}}});
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 3200);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    HMONITOR second = MonitorFromPoint(POINT{2000, 500}, MONITOR_DEFAULTTONULL);
    ASSERT_TRUE(second);
    MONITORINFO mi;
    ASSERT_TRUE(GetMonitorInfo(second, &mi));
    EXPECT_EQ(mi.rcWork, (RECT{1920, 30, 3200, 1024}));
    EXPECT_EQ(mi.dwFlags, 0u);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 500}, MONITOR_DEFAULTTONULL), nullptr);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 500}, MONITOR_DEFAULTTONEAREST), second);
    RECT straddling{1800, 0, 2300, 100};
    EXPECT_EQ(MonitorFromRect(&straddling, MONITOR_DEFAULTTONULL), second);
    HWND h = MakeTop(2500, 100, 200, 200);
    EXPECT_EQ(MonitorFromWindow(h, MONITOR_DEFAULTTOPRIMARY), second);
    ShowWindow(h, SW_SHOWMAXIMIZED); // maximizes on its own monitor
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{1916, 26, 3204, 1028}));

    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(212, 208, 200));
    olva::win::SetSystemMetricOverride(SM_CYCAPTION, 30);
    olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(1, 2, 3));
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 30);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(1, 2, 3));
    NONCLIENTMETRICS ncm;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0));
    EXPECT_EQ(sizeof(NONCLIENTMETRICS), 340u);
    EXPECT_EQ(ncm.iScrollWidth, 16);
    EXPECT_STREQ(ncm.lfMenuFont.lfFaceName, "Tahoma");
    ncm.cbSize = 100; // a short record is refused, not overrun
    EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 100, &ncm, 0));
    RECT work;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(work, (RECT{0, 0, 1920, 1040}));
    BOOL shadow = FALSE;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETDROPSHADOW, 0, &shadow, 0));
    EXPECT_TRUE(shadow);
}

} // namespace

namespace {

class DeferredPositionTest : public WinTest {};

TEST_F(DeferredPositionTest, AllMovesHappenAtTheEnd) {
    HWND top = MakeTop(0, 0, 400, 300);
    HWND a = MakeChild(top, 0, 0, 10, 10);
    HWND b = MakeChild(top, 0, 0, 10, 10);
    HDWP set = BeginDeferWindowPos(2);
    set = DeferWindowPos(set, a, nullptr, 5, 5, 20, 20, SWP_NOZORDER);
    set = DeferWindowPos(set, b, nullptr, 50, 5, 20, 20, SWP_NOZORDER);
    set = DeferWindowPos(set, a, nullptr, 7, 7, 30, 30, SWP_NOZORDER); // the later request wins
    RECT r;
    GetWindowRect(a, &r);
    EXPECT_EQ(r.right - r.left, 10); // nothing moved yet
    ASSERT_TRUE(EndDeferWindowPos(set));
    GetClientRect(a, &r);
    EXPECT_EQ(r.right, 30);
    POINT p{0, 0};
    MapWindowPoints(b, top, &p, 1);
    EXPECT_EQ(p, (POINT{50, 5}));
    EXPECT_FALSE(EndDeferWindowPos(set));
    // A bad window drops the whole set.
    set = BeginDeferWindowPos(1);
    EXPECT_EQ(DeferWindowPos(set, reinterpret_cast<HWND>(0x4444), nullptr, 0, 0, 1, 1, 0), nullptr);
    EXPECT_FALSE(EndDeferWindowPos(set));
}

TEST_F(DeferredPositionTest, AnimateWindowShowsAndHidesAtOnce) {
    HWND popup = MakeTop(0, 0, 50, 50, WS_POPUP);
    rec.Clear();
    EXPECT_TRUE(AnimateWindow(popup, 200, AW_BLEND | AW_SLIDE));
    EXPECT_TRUE(IsWindowVisible(popup));
    EXPECT_EQ(rec.Count(popup, WM_PAINT), 1); // painted before it returns
    EXPECT_FALSE(AnimateWindow(popup, 200, AW_BLEND));
    EXPECT_TRUE(AnimateWindow(popup, 200, AW_HIDE | AW_BLEND));
    EXPECT_FALSE(IsWindowVisible(popup));
}

TEST_F(DeferredPositionTest, ScreenChangesAreBroadcast) {
    HWND h = MakeTop(0, 0, 100, 100);
    rec.Clear();
    olva::win::SetMonitors({{{0, 0, 1024, 768}, {0, 0, 1024, 740}}});
    olva::win::SetSysColorOverride(COLOR_WINDOW, RGB(1, 1, 1));
    olva::win::SetSystemMetricOverride(SM_CXVSCROLL, 20);
    EXPECT_EQ(rec.MessagesOf(h, {WM_DISPLAYCHANGE, WM_SETTINGCHANGE, WM_SYSCOLORCHANGE}),
              (std::vector<UINT>{WM_DISPLAYCHANGE, WM_SETTINGCHANGE, WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}));
    EXPECT_EQ(rec.Last(h, WM_DISPLAYCHANGE)->lParam, Pt(1024, 768));
    EXPECT_EQ(rec.Last(h, WM_SETTINGCHANGE)->wParam, SPI_SETNONCLIENTMETRICS);
}

} // namespace
