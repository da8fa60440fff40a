#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"

#include <filesystem>

using namespace win_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class NonClientTest : public WinTest {};

TEST_F(NonClientTest, DraggingTheCaptionMovesTheWindow) {
    HWND h = MakeTop(100, 100, 300, 200);
    rec.Clear();
    InjectMouse(MouseAction::Move, 200, 110);
    InjectMouse(MouseAction::LeftDown, 200, 110);
    InjectMouse(MouseAction::Move, 230, 140);
    InjectMouse(MouseAction::Move, 250, 160);
    InjectMouse(MouseAction::LeftUp, 250, 160);
    Pump();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{150, 150, 450, 350}));
    EXPECT_EQ(
        rec.MessagesOf(h, {WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE}),
        (std::vector<UINT>{WM_NCLBUTTONDOWN, WM_SYSCOMMAND, WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE}));
    EXPECT_EQ(rec.Last(h, WM_SYSCOMMAND)->wParam, SC_MOVE | HTCAPTION);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClientTest, DraggingABorderSizesTheWindowWithinItsLimits) {
    HWND h = MakeTop(100, 100, 300, 200);
    rec.handlers[h] = [](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_SIZING) {
            EXPECT_EQ(w, WMSZ_BOTTOMRIGHT);
            auto* r = reinterpret_cast<RECT*>(l);
            r->right = r->left + ((r->right - r->left) / 10) * 10; // the window snaps to tens
        }
        return std::nullopt;
    };
    InjectMouse(MouseAction::Move, 399, 299);
    InjectMouse(MouseAction::LeftDown, 399, 299);
    InjectMouse(MouseAction::Move, 456, 350);
    InjectMouse(MouseAction::LeftUp, 456, 350);
    Pump();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r, (RECT{100, 100, 450, 351}));
    // Shrinking stops at the minimum tracking size.
    rec.handlers.clear();
    InjectMouse(MouseAction::Move, 101, 150);
    InjectMouse(MouseAction::LeftDown, 101, 150);
    InjectMouse(MouseAction::Move, 440, 150);
    InjectMouse(MouseAction::LeftUp, 440, 150);
    Pump();
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
    EXPECT_EQ(r.right, 450);
    // Escape puts everything back where the drag started.
    const RECT before = r;
    InjectMouse(MouseAction::Move, 449, 200);
    InjectMouse(MouseAction::LeftDown, 449, 200);
    InjectMouse(MouseAction::Move, 600, 200);
    InjectKey(VK_ESCAPE, true);
    InjectMouse(MouseAction::LeftUp, 600, 200);
    Pump();
    GetWindowRect(h, &r);
    EXPECT_EQ(r, before);
}

TEST_F(NonClientTest, CaptionButtonsActOnlyWhenReleasedOverThem) {
    HWND h = MakeTop(0, 0, 400, 300);
    // Pressed on the close button, released elsewhere: nothing.
    InjectMouse(MouseAction::Move, 390, 10);
    InjectMouse(MouseAction::LeftDown, 390, 10);
    InjectMouse(MouseAction::Move, 200, 100);
    InjectMouse(MouseAction::LeftUp, 200, 100);
    Pump();
    EXPECT_TRUE(IsWindow(h));
    // Maximize button.
    Click(372, 10);
    Pump();
    EXPECT_TRUE(IsZoomed(h));
    // Double click on the caption restores.
    clock->Advance(1000);
    Click(300, 10);
    Click(300, 10);
    Pump();
    EXPECT_FALSE(IsZoomed(h));
    // Close button.
    rec.Clear();
    Click(390, 10);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_CLOSE), 1);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(NonClientTest, AltF4AndTheSystemMenuFromTheKeyboard) {
    HWND h = MakeTop(0, 0, 400, 300);
    rec.handlers[h] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CLOSE) return 0; // keeps the window to look at the message
        return std::nullopt;
    };
    InjectKey(VK_MENU, true);
    InjectKey(VK_F4, true);
    InjectKey(VK_F4, false);
    InjectKey(VK_MENU, false);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_CLOSE), 1);
    // Alt+Space opens the window menu; "n" picks Minimize.
    InjectKey(VK_MENU, true);
    InjectKey(VK_SPACE, true);
    InjectKey(VK_SPACE, false);
    InjectKey(VK_MENU, false);
    InjectKey('N', true);
    InjectKey('N', false);
    Pump();
    EXPECT_TRUE(IsIconic(h));
    HMENU menu = GetSystemMenu(h, FALSE);
    EXPECT_EQ(GetMenuItemCount(menu), 7);
    // Items were set for the state the window was in when the menu showed: nothing to restore then.
    EXPECT_EQ(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
    EXPECT_EQ(GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    char text[32];
    GetMenuString(menu, SC_CLOSE, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "&Close\tAlt+F4");
}

TEST_F(NonClientTest, WindowsThatDrawTheirOwnFrameGetExactlyThat) {
    // A form that answers WM_NCCALCSIZE and WM_NCHITTEST itself: all client, caption where it says.
    rec.forAll = [](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
        if (m == WM_NCCALCSIZE) return 0; // the whole window is client area
        if (m == WM_NCHITTEST) {
            POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
            return p.y < 130 ? HTCAPTION : HTCLIENT;
        }
        (void)w;
        return std::nullopt;
    };
    HWND h = MakeTop(100, 100, 300, 200);
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(client, (RECT{0, 0, 300, 200}));
    rec.Clear();
    InjectMouse(MouseAction::Move, 150, 110);
    InjectMouse(MouseAction::LeftDown, 150, 110);
    InjectMouse(MouseAction::Move, 160, 110);
    InjectMouse(MouseAction::LeftUp, 160, 110);
    Pump();
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 110);
    EXPECT_EQ(rec.Count(h, WM_NCPAINT), 0); // nothing was invalidated by moving
}

} // namespace

namespace {

class MinimizedCaptionTest : public WinTest {
protected:
    // A minimized window is a 160 x 24 caption in a 3-pixel frame: restore (where minimize was),
    // maximize and close buttons at its right end.
    static constexpr int kCenterY = 12;
    static constexpr int kRestoreX = 113, kMaximizeX = 129, kCloseX = 147, kIconX = 10, kTitleX = 60;

    HWND MakeMinimized() {
        HWND h = MakeTop(100, 100, 300, 200);
        ShowWindow(h, SW_MINIMIZE);
        Pump();
        GetWindowRect(h, &iconic);
        return h;
    }
    LRESULT HitAt(HWND h, int x, int y) {
        return SendMessage(h, WM_NCHITTEST, 0, Pt(iconic.left + x, iconic.top + y));
    }
    void ClickAt(int x, int y) { Click(iconic.left + x, iconic.top + y); }
    RECT iconic{};
};

TEST_F(MinimizedCaptionTest, ItsButtonsAndCaptionAreThere) {
    HWND h = MakeMinimized();
    ASSERT_TRUE(IsIconic(h));
    EXPECT_EQ(iconic.right - iconic.left, GetSystemMetrics(SM_CXMINIMIZED));
    EXPECT_EQ(iconic.bottom - iconic.top, GetSystemMetrics(SM_CYMINIMIZED));
    struct Case {
        int X;
        LRESULT Hit;
    };
    for (Case c : {Case{kRestoreX, HTMINBUTTON}, Case{kMaximizeX, HTMAXBUTTON}, Case{kCloseX, HTCLOSE},
                   Case{kIconX, HTSYSMENU}, Case{kTitleX, HTCAPTION}, Case{1, HTCAPTION}})
        EXPECT_EQ(HitAt(h, c.X, kCenterY), c.Hit) << "x " << c.X;
    // The first button shows Restore: the same picture as a maximized window's restore button.
    auto image = olva::win::WindowImage(h);
    ASSERT_TRUE(image);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(16, 14, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT button{0, 0, 16, 14};
    DrawFrameControl(dc, &button, DFC_CAPTION, DFCS_CAPTIONRESTORE);
    auto expected = GdiGetBitmapSurface(bitmap);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image->Pixel(105 + x, 5 + y) & 0xFFFFFF, expected->Pixel(x, y) & 0xFFFFFF)
                << x << "," << y;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    EXPECT_TRUE(olva::win::SaveWindowPng(h, std::string(OLVA_TEST_OUT_DIR) + "/win-minimized-caption.png"));
}

// What each part of the minimized caption does, from a fresh minimized window each time.
TEST_F(MinimizedCaptionTest, ItsButtonsRestoreMaximizeAndClose) {
    struct Case {
        const char* Action;
        int X;
        bool Double;
        bool Iconic, Zoomed, Alive;
    };
    for (Case c : {Case{"restore button", kRestoreX, false, false, false, true},
                   Case{"maximize button", kMaximizeX, false, false, true, true},
                   Case{"close button", kCloseX, false, false, false, false},
                   Case{"caption double click", kTitleX, true, false, false, true},
                   Case{"caption click", kTitleX, false, true, false, true}}) {
        HWND h = MakeMinimized();
        clock->Advance(1000); // no double click with an earlier case
        ClickAt(c.X, kCenterY);
        if (c.Double) ClickAt(c.X, kCenterY);
        Pump();
        EXPECT_EQ(IsWindow(h) != FALSE, c.Alive) << c.Action;
        if (!c.Alive) continue;
        EXPECT_EQ(IsIconic(h) != FALSE, c.Iconic) << c.Action;
        EXPECT_EQ(IsZoomed(h) != FALSE, c.Zoomed) << c.Action;
        if (!c.Iconic && !c.Zoomed) {
            RECT r;
            GetWindowRect(h, &r);
            EXPECT_EQ(r, (RECT{100, 100, 400, 300})) << c.Action;
        }
        DestroyWindow(h);
    }
}

TEST_F(MinimizedCaptionTest, AltF4ClosesItOnceClicked) {
    HWND h = MakeMinimized();
    HWND other = MakeTop(500, 100, 200, 200);
    Pump();
    ASSERT_EQ(GetActiveWindow(), other);
    ClickAt(kTitleX, kCenterY); // a click on the caption makes it the active window, still minimized
    Pump();
    EXPECT_EQ(GetActiveWindow(), h);
    EXPECT_TRUE(IsIconic(h));
    InjectKey(VK_MENU, true);
    InjectKey(VK_F4, true);
    InjectKey(VK_F4, false);
    InjectKey(VK_MENU, false);
    Pump();
    EXPECT_FALSE(IsWindow(h));
    EXPECT_TRUE(IsWindow(other));
}

// Captions show the window's icon, the program's where the window has none; a dialog frame without an
// icon of its own has no icon slot: its title starts at the left.
TEST_F(NonClientTest, CaptionsShowTheProgramIconAndIconlessDialogsNoSlot) {
    HWND window = MakeTop(0, 0, 300, 80);
    HWND dialog =
        MakeTop(0, 100, 300, 80, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, WS_EX_DLGMODALFRAME);
    Pump();
    auto caption = [](HWND h) { return olva::win::WindowImage(h); };
    const COLORREF active = GetSysColor(COLOR_ACTIVECAPTION), inactive = GetSysColor(COLOR_INACTIVECAPTION);
    auto isCaptionColour = [&](std::uint32_t pixel) {
        const COLORREF c = PixelToColorRef(pixel);
        return c == active || c == inactive;
    };
    // Window: the icon fills the slot (its tallest waveform bar, 7 pixels in, is light).
    auto w = caption(window);
    const std::uint32_t middle = w->Pixel(kFrame + 2 + 7, kFrame + 1 + 8);
    EXPECT_GT(GetRValue(PixelToColorRef(middle)), 200);
    EXPECT_GT(GetBValue(PixelToColorRef(middle)), 200);
    EXPECT_EQ(SendMessage(window, WM_NCHITTEST, 0, Pt(kFrame + 6, kFrame + 8)), HTSYSMENU);
    // Dialog: nothing but caption colour where the slot was, apart from the title's first letter.
    const int dlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
    auto d = caption(dialog);
    int firstInk = -1;
    for (int x = dlgFrame; x < 100 && firstInk < 0; ++x)
        for (int y = dlgFrame + 2; y < dlgFrame + kCaption - 3; ++y)
            if (!isCaptionColour(d->Pixel(x, y))) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, dlgFrame + 2);
    EXPECT_LE(firstInk, dlgFrame + 2 + 3);
    EXPECT_EQ(SendMessage(dialog, WM_NCHITTEST, 0, Pt(dlgFrame + 6, 100 + dlgFrame + 8)), HTCAPTION);
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    EXPECT_TRUE(olva::win::SaveWindowPng(window, std::string(OLVA_TEST_OUT_DIR) + "/win-caption-icon.png"));
    EXPECT_TRUE(olva::win::SaveWindowPng(dialog, std::string(OLVA_TEST_OUT_DIR) + "/win-caption-dialog.png"));
}

} // namespace
