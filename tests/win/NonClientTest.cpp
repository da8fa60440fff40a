#include "WinTestSupport.h"

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
