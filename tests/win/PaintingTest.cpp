#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"

#include <filesystem>

using namespace win_test;

namespace {

class PaintingTest : public WinTest {
protected:
    // The window paints its whole client area in one colour and logs the paint rectangles.
    void PaintWith(HWND h, COLORREF color) {
        rec.handlers[h] = [this, color](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT) return std::nullopt;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paints.push_back({hwnd, ps.rcPaint});
            HBRUSH b = CreateSolidBrush(color);
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(dc, &client, b);
            DeleteObject(b);
            EndPaint(hwnd, &ps);
            return 0;
        };
    }
    std::vector<std::pair<HWND, RECT>> paints;
};

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);

TEST_F(PaintingTest, InvalidRegionsBecomeOnePaintWithTheirBoundingBox) {
    HWND h = MakeTop(0, 0, 300, 200, WS_POPUP | WS_VISIBLE);
    PaintWith(h, kRed);
    Pump();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].second, (RECT{0, 0, 300, 200}));
    paints.clear();
    RECT a{10, 10, 20, 20}, b{50, 40, 60, 45};
    InvalidateRect(h, &a, FALSE);
    InvalidateRect(h, &b, FALSE);
    RECT box;
    EXPECT_TRUE(GetUpdateRect(h, &box, FALSE));
    EXPECT_EQ(box, (RECT{10, 10, 60, 45}));
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetUpdateRgn(h, rgn, FALSE), COMPLEXREGION);
    DeleteObject(rgn);
    ValidateRect(h, &b);
    Pump();
    ASSERT_EQ(paints.size(), 1u);
    EXPECT_EQ(paints[0].second, a);
    EXPECT_FALSE(GetUpdateRect(h, &box, FALSE));
    EXPECT_EQ(Pump(), 0); // validated: no more WM_PAINT
}

TEST_F(PaintingTest, ClipChildrenDecidesWhetherParentsPaintOverChildren) {
    for (bool clip : {true, false}) {
        HWND top = MakeTop(0, 0, 300, 200, WS_POPUP | WS_VISIBLE | (clip ? WS_CLIPCHILDREN : 0));
        HWND child = MakeChild(top, 100, 50, 50, 50, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
        PaintWith(top, kRed);
        PaintWith(child, kBlue);
        Pump();
        paints.clear();
        InvalidateRect(top, nullptr, TRUE);
        Pump();
        std::vector<HWND> order;
        for (auto& p : paints)
            order.push_back(p.first);
        // Without clipping the child is invalidated too and paints again, after its parent.
        EXPECT_EQ(order, (clip ? std::vector<HWND>{top} : std::vector<HWND>{top, child}));
        auto img = olva::win::WindowImage(top);
        EXPECT_EQ(PixelToColorRef(img->Pixel(120, 70)), kBlue);
        EXPECT_EQ(PixelToColorRef(img->Pixel(10, 10)), kRed);
        DestroyWindow(top);
        paints.clear();
    }
}

TEST_F(PaintingTest, SiblingsAboveAreClippedAndMovingExposesTheParent) {
    HWND top = MakeTop(0, 0, 300, 200, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND low = MakeChild(top, 10, 10, 100, 100, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    HWND high = MakeChild(top, 50, 50, 100, 100, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    PaintWith(top, kRed);
    PaintWith(low, kGreen);
    PaintWith(high, kBlue);
    Pump();
    InvalidateRect(low, nullptr, FALSE);
    Pump();
    auto img = olva::win::WindowImage(top);
    EXPECT_EQ(PixelToColorRef(img->Pixel(70, 70)), kBlue); // low painted again but not over high
    EXPECT_EQ(PixelToColorRef(img->Pixel(20, 20)), kGreen);
    paints.clear();
    SetWindowPos(high, nullptr, 200, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(PixelToColorRef(img->Pixel(160, 70)), kRed);   // the parent shows where high was
    EXPECT_EQ(PixelToColorRef(img->Pixel(100, 70)), kGreen); // and low where it covered it
    EXPECT_EQ(PixelToColorRef(img->Pixel(210, 70)), kBlue);
}

TEST_F(PaintingTest, EraseUsesTheClassBrushAndRedrawFlagsPaintNow) {
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP);
    ShowWindow(h, SW_SHOWNA); // erased at once when shown, painted later
    auto img = olva::win::WindowImage(h);
    EXPECT_EQ(PixelToColorRef(img->Pixel(50, 50)), RGB(255, 255, 255));
    EXPECT_EQ(rec.Count(h, WM_PAINT), 0);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_PAINT), 1);
    rec.Clear();
    RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    EXPECT_EQ(rec.MessagesOf(h, {WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_ERASEBKGND}));
    RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW);
    EXPECT_EQ(rec.MessagesOf(h, {WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
    EXPECT_EQ(Pump(), 0);
    // Drawing off: invalidation is ignored and the window looks hidden to painting.
    SendMessage(h, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(h, nullptr, TRUE);
    EXPECT_EQ(Pump(), 0);
    SendMessage(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, TRUE);
    EXPECT_EQ(Pump(), 1);
}

TEST_F(PaintingTest, ScrollWindowExMovesPixelsAndReportsTheExposedArea) {
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    rec.handlers[h] = [](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_PAINT) return std::nullopt;
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        for (int y = 0; y < 100; y += 10) {
            HBRUSH b = CreateSolidBrush(RGB(y, 0, 0));
            RECT band{0, y, 100, y + 10};
            FillRect(dc, &band, b);
            DeleteObject(b);
        }
        EndPaint(hwnd, &ps);
        return 0;
    };
    Pump();
    RECT exposed;
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(ScrollWindowEx(h, 0, -20, nullptr, nullptr, rgn, &exposed, SW_INVALIDATE), SIMPLEREGION);
    EXPECT_EQ(exposed, (RECT{0, 80, 100, 100}));
    RECT box;
    GetRgnBox(rgn, &box);
    EXPECT_EQ(box, exposed);
    DeleteObject(rgn);
    auto img = olva::win::WindowImage(h);
    EXPECT_EQ(PixelToColorRef(img->Pixel(5, 5)), RGB(20, 0, 0)); // the band from y 20 is now at the top
    EXPECT_EQ(PixelToColorRef(img->Pixel(5, 75)), RGB(90, 0, 0));
    GetUpdateRect(h, &box, FALSE);
    EXPECT_EQ(box, exposed);
}

TEST_F(PaintingTest, WindowDCsDrawAtTheWindowsPlace) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND child = MakeChild(top, 30, 40, 50, 50);
    Pump();
    HDC dc = GetDC(child);
    HBRUSH b = CreateSolidBrush(kGreen);
    RECT r{0, 0, 500, 500}; // larger than the child: clipped to it
    FillRect(dc, &r, b);
    DeleteObject(b);
    EXPECT_EQ(WindowFromDC(dc), child);
    ReleaseDC(child, dc);
    auto img = olva::win::WindowImage(top);
    EXPECT_EQ(PixelToColorRef(img->Pixel(kFrame + 30, kFrame + kCaption + 40)), kGreen);
    EXPECT_EQ(PixelToColorRef(img->Pixel(kFrame + 80, kFrame + kCaption + 40)), RGB(255, 255, 255));
    EXPECT_EQ(PixelToColorRef(img->Pixel(kFrame + 29, kFrame + kCaption + 40)), RGB(255, 255, 255));
    // The frame was drawn by the default handling: caption in the active colour.
    EXPECT_EQ(PixelToColorRef(img->Pixel(150, 10)), GetSysColor(COLOR_ACTIVECAPTION));
    ShowWindow(MakeTop(400, 0, 100, 100), SW_SHOW); // another window takes activation
    EXPECT_EQ(PixelToColorRef(img->Pixel(150, 10)), GetSysColor(COLOR_INACTIVECAPTION));
}

TEST_F(PaintingTest, LayeredWindowsBlendOnTheScreen) {
    HWND back = MakeTop(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
    PaintWith(back, kRed);
    HWND glass = MakeTop(50, 50, 100, 100, WS_POPUP, WS_EX_LAYERED);
    PaintWith(glass, kBlue);
    ASSERT_TRUE(SetLayeredWindowAttributes(glass, 0, 128, LWA_ALPHA));
    ShowWindow(glass, SW_SHOWNA);
    Pump();
    COLORREF mixed = ScreenPixel(100, 100);
    EXPECT_NEAR(GetRValue(mixed), 127, 1);
    EXPECT_NEAR(GetBValue(mixed), 128, 1);
    EXPECT_EQ(ScreenPixel(10, 10), kRed);
    // A colour key makes those pixels vanish.
    SetLayeredWindowAttributes(glass, kBlue, 255, LWA_COLORKEY);
    EXPECT_EQ(ScreenPixel(100, 100), kRed);
    // Per-pixel alpha from a premultiplied picture.
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 100, 100);
    HGDIOBJ old = SelectObject(mem, bmp);
    auto pixels = GdiGetDCSurface(mem);
    ASSERT_TRUE(pixels);
    pixels->Fill(0x40004000); // green at a quarter, premultiplied
    POINT src{0, 0};
    SIZE size{100, 100};
    BLENDFUNCTION bf;
    bf.AlphaFormat = AC_SRC_ALPHA;
    ASSERT_TRUE(UpdateLayeredWindow(glass, screen, nullptr, &size, mem, &src, 0, &bf, ULW_ALPHA));
    COLORREF c = ScreenPixel(100, 100);
    EXPECT_NEAR(GetRValue(c), 191, 1);
    EXPECT_NEAR(GetGValue(c), 64, 1);
    EXPECT_EQ(WindowFromPoint(POINT{100, 100}), glass);
    // Fully transparent pixels let the mouse through to the window below.
    pixels->Fill(0);
    UpdateLayeredWindow(glass, screen, nullptr, &size, mem, &src, 0, &bf, ULW_ALPHA);
    EXPECT_EQ(WindowFromPoint(POINT{100, 100}), back);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

TEST_F(PaintingTest, WindowRegionsShapeWindowsAndTheirHitTests) {
    HWND back = MakeTop(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
    PaintWith(back, kRed);
    HWND round = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    PaintWith(round, kBlue);
    SetWindowRgn(round, CreateEllipticRgn(0, 0, 100, 100), TRUE);
    Pump();
    EXPECT_EQ(ScreenPixel(50, 50), kBlue);
    EXPECT_EQ(ScreenPixel(2, 2), kRed); // outside the ellipse
    EXPECT_EQ(WindowFromPoint(POINT{2, 2}), back);
    EXPECT_EQ(WindowFromPoint(POINT{50, 50}), round);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(round, copy), COMPLEXREGION);
    DeleteObject(copy);
}

TEST_F(PaintingTest, DropShadowClassesCastAShadow) {
    WNDCLASSEX wc;
    wc.style = CS_DROPSHADOW;
    wc.lpfnWndProc = &RecordingProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "Shadowed";
    RegisterClassEx(&wc);
    HWND plain = MakeTop(10, 10, 50, 50, WS_POPUP | WS_VISIBLE);
    HWND shadowed = MakeTop(100, 10, 50, 50, WS_POPUP | WS_VISIBLE, 0, nullptr, "Shadowed");
    ASSERT_TRUE(plain && shadowed);
    Pump();
    const COLORREF desktop = GetSysColor(COLOR_DESKTOP);
    EXPECT_EQ(ScreenPixel(61, 30), desktop);
    COLORREF shade = ScreenPixel(151, 30);
    EXPECT_LT(GetBValue(shade), GetBValue(desktop));
    EXPECT_EQ(ScreenPixel(155, 30), desktop); // four pixels deep
    EXPECT_EQ(ScreenPixel(151, 12), desktop); // starting below the top edge
}

TEST_F(PaintingTest, SceneSnapshot) {
    HWND a = MakeTop(40, 40, 320, 220);
    SetWindowText(a, "First");
    HWND b = MakeTop(200, 150, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND inner = MakeChild(b, 20, 20, 120, 60, WS_CHILD | WS_VISIBLE, 0);
    PaintWith(inner, kGreen);
    HWND popup = MakeTop(300, 100, 150, 120, WS_POPUP | WS_BORDER, WS_EX_LAYERED | WS_EX_TOPMOST);
    PaintWith(popup, kBlue);
    SetLayeredWindowAttributes(popup, 0, 160, LWA_ALPHA);
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    Pump();
    olva::win::SetMonitors({{{0, 0, 640, 480}, {0, 0, 640, 440}}});
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    const std::string path = std::string(OLVA_TEST_OUT_DIR) + "/win-scene.png";
    std::filesystem::remove(path);
    ASSERT_TRUE(olva::win::SaveScreenPng(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
    auto screen = olva::win::ComposeScreen();
    EXPECT_EQ(screen->Width(), 640);
    // Window b (active) overlaps a; the popup is over both and lets them show through.
    EXPECT_EQ(PixelToColorRef(screen->Pixel(250, 160)), GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(PixelToColorRef(screen->Pixel(100, 50)), GetSysColor(COLOR_INACTIVECAPTION));
    COLORREF over = PixelToColorRef(screen->Pixel(400, 200));
    EXPECT_GT(GetBValue(over), 150);
    EXPECT_GT(GetRValue(over), 50); // white client of b below
    EXPECT_FALSE(olva::win::SaveWindowPng(reinterpret_cast<HWND>(0x123), path));
    EXPECT_TRUE(olva::win::SaveWindowPng(b, std::string(OLVA_TEST_OUT_DIR) + "/win-window.png"));
}

TEST_F(PaintingTest, ChildBordersAreDrawnByTheDefaultFrame) {
    struct Case {
        DWORD style, exStyle;
        COLORREF outer, inner; // top-left pixels of the frame
    };
    const Case cases[] = {
        {WS_CHILD | WS_VISIBLE | WS_BORDER, 0, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOW)},
        {WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE, GetSysColor(COLOR_BTNSHADOW),
         GetSysColor(COLOR_3DDKSHADOW)},
        {WS_CHILD | WS_VISIBLE, WS_EX_STATICEDGE, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_WINDOW)},
    };
    for (const Case& c : cases) {
        HWND top = MakeTop(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
        HWND child = CreateWindowEx(c.exStyle, kRecorderClass, "", c.style, 20, 20, 50, 50, top, nullptr,
                                    nullptr, nullptr);
        Pump();
        auto img = olva::win::WindowImage(top);
        EXPECT_EQ(PixelToColorRef(img->Pixel(20, 20)), c.outer) << std::hex << c.exStyle;
        EXPECT_EQ(PixelToColorRef(img->Pixel(21, 21)), c.inner) << std::hex << c.exStyle;
        EXPECT_TRUE(IsWindow(child));
        DestroyWindow(top);
    }
}

} // namespace
