#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/SystemClasses.h"

using namespace win_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class MiscWindowTest : public WinTest {};

int SuppliedRegistrations = 0;
void RegisterSuppliedClass() {
    ++SuppliedRegistrations;
    WNDCLASS wc;
    wc.lpfnWndProc = &DefWindowProc;
    wc.lpszClassName = "Supplied";
    RegisterClass(&wc);
}

TEST_F(MiscWindowTest, SystemClassesAreThereWithoutRegistering) {
    // The window system's own, and one a layer above supplies: made on first use, again after a reset,
    // gone once taken back.
    HWND top = MakeTop(0, 0, 100, 100);
    EXPECT_TRUE(CreateWindowEx(0, "static", "text", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr));
    SuppliedRegistrations = 0;
    olva::win::ProvideSystemClass("SUPPLIED", &RegisterSuppliedClass);
    WNDCLASS info;
    EXPECT_TRUE(GetClassInfo(nullptr, "supplied", &info));
    EXPECT_TRUE(
        CreateWindowEx(0, "Supplied", nullptr, WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr));
    EXPECT_EQ(SuppliedRegistrations, 1);
    olva::win::ResetWindowSystem();
    top = MakeTop(0, 0, 100, 100, WS_POPUP, 0, nullptr, "static");
    EXPECT_TRUE(
        CreateWindowEx(0, "Supplied", nullptr, WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr));
    EXPECT_EQ(SuppliedRegistrations, 2);
    olva::win::ProvideSystemClass("Supplied", nullptr);
    olva::win::ResetWindowSystem();
    EXPECT_FALSE(GetClassInfo(nullptr, "Supplied", &info));
}

TEST_F(MiscWindowTest, CaretBlinksOnTheClockAndHidesWhilePainting) {
    HWND h = MakeTop(0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
    Pump();
    ASSERT_TRUE(CreateCaret(h, nullptr, 2, 10));
    SetCaretPos(20, 30);
    auto pixel = [&] { return PixelToColorRef(olva::win::ComposeScreen()->Pixel(20, 30)); };
    EXPECT_EQ(pixel(), RGB(255, 255, 255)); // created hidden
    EXPECT_FALSE(ShowCaret(nullptr) == FALSE);
    EXPECT_EQ(pixel(), RGB(0, 0, 0)); // inverted white
    clock->Advance(GetCaretBlinkTime());
    EXPECT_EQ(pixel(), RGB(255, 255, 255)); // the off half of the blink
    clock->Advance(GetCaretBlinkTime());
    EXPECT_EQ(pixel(), RGB(0, 0, 0));
    PAINTSTRUCT ps;
    BeginPaint(h, &ps);
    EXPECT_EQ(pixel(), RGB(255, 255, 255));
    EndPaint(h, &ps);
    EXPECT_EQ(pixel(), RGB(0, 0, 0));
    HideCaret(h);
    EXPECT_EQ(pixel(), RGB(255, 255, 255));
    POINT p;
    EXPECT_TRUE(GetCaretPos(&p));
    EXPECT_EQ(p, (POINT{20, 30}));
    DestroyWindow(h);
    EXPECT_FALSE(GetCaretPos(&p)); // the caret went with its window
}

TEST_F(MiscWindowTest, PrintDrawsFrameBackgroundAndChildrenIntoAnyDC) {
    HWND top = MakeTop(0, 0, 200, 150, WS_OVERLAPPEDWINDOW);
    HWND child = MakeChild(top, 10, 10, 30, 30);
    rec.handlers[child] = [](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_PRINTCLIENT) {
            RECT r{0, 0, 30, 30};
            FillRect(HDC(w), &r, reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_HIGHLIGHT + 1)));
            return 0;
        }
        return std::nullopt;
    };
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 150);
    HGDIOBJ old = SelectObject(mem, bmp);
    rec.Clear();
    ASSERT_TRUE(PrintWindow(top, mem, 0));
    EXPECT_EQ(rec.MessagesOf(top, {WM_PRINT, WM_ERASEBKGND, WM_PRINTCLIENT}),
              (std::vector<UINT>{WM_PRINT, WM_ERASEBKGND, WM_PRINTCLIENT}));
    auto img = GdiGetDCSurface(mem);
    EXPECT_EQ(PixelToColorRef(img->Pixel(100, 10)),
              GetSysColor(COLOR_INACTIVECAPTION)); // a hidden window is not active
    EXPECT_EQ(PixelToColorRef(img->Pixel(100, 100)), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelToColorRef(img->Pixel(kFrame + 20, kFrame + kCaption + 20)), GetSysColor(COLOR_HIGHLIGHT));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

TEST_F(MiscWindowTest, LockWindowUpdateHoldsDrawingUntilUnlocked) {
    HWND h = MakeTop(0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    Pump();
    ASSERT_TRUE(LockWindowUpdate(h));
    EXPECT_FALSE(LockWindowUpdate(h)); // one at a time
    HDC dc = GetDC(h);
    RECT r{0, 0, 100, 100};
    FillRect(dc, &r, reinterpret_cast<HBRUSH>(std::intptr_t(COLOR_HIGHLIGHT + 1)));
    ReleaseDC(h, dc);
    auto img = olva::win::WindowImage(h);
    EXPECT_EQ(PixelToColorRef(img->Pixel(50, 50)), GetSysColor(COLOR_WINDOW));
    rec.Clear();
    LockWindowUpdate(nullptr);
    Pump();
    EXPECT_EQ(rec.Count(h, WM_PAINT), 1); // repainted once unlocked
}

TEST_F(MiscWindowTest, MenuCharLetsTheOwnerChooseAnItem) {
    HWND h = MakeTop(0, 0, 300, 300);
    HMENU menu = CreatePopupMenu();
    AppendMenu(menu, MF_STRING, 101, "&Open");
    AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenu(menu, MF_STRING, 102, "Save");
    rec.handlers[h] = [](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_MENUCHAR && LOWORD(w) == 's') return MAKELONG(2, MNC_EXECUTE);
        return std::nullopt;
    };
    olva::win::InjectText("s");
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 50, 50, 0, h, nullptr), 102);
    EXPECT_EQ(rec.Count(h, WM_MENUCHAR), 1);
    // A click on an item without TPM_RETURNCMD posts the command.
    Click(60, 52 + 9); // the first item starts 2 pixels into the menu
    EXPECT_TRUE(TrackPopupMenu(menu, 0, 50, 50, 0, h, nullptr));
    Pump();
    ASSERT_TRUE(rec.Last(h, WM_COMMAND));
    EXPECT_EQ(rec.Last(h, WM_COMMAND)->wParam, 101u);
    // A click elsewhere closes it with nothing chosen.
    Click(250, 250);
    EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD, 50, 50, 0, h, nullptr), 0);
    DestroyMenu(menu);
}

TEST_F(MiscWindowTest, EnableWindowMessagesAndFocus) {
    HWND top = MakeTop(0, 0, 200, 200);
    HWND edit = MakeChild(top, 0, 0, 50, 20);
    SetFocus(edit);
    rec.Clear();
    EXPECT_EQ(EnableWindow(top, FALSE), FALSE);
    EXPECT_EQ(rec.MessagesOf(top, {WM_CANCELMODE, WM_ENABLE}), (std::vector<UINT>{WM_CANCELMODE, WM_ENABLE}));
    EXPECT_EQ(GetFocus(), nullptr); // the focus was inside
    EXPECT_EQ(rec.Count(edit, WM_KILLFOCUS), 1);
    EXPECT_EQ(SetFocus(edit), nullptr);
    EXPECT_EQ(EnableWindow(top, TRUE), TRUE);
    EXPECT_EQ(EnableWindow(top, TRUE), FALSE);
    EXPECT_EQ(rec.Count(top, WM_ENABLE), 2);
    SetFocus(edit);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(rec.Last(edit, WM_SETFOCUS)->wParam, 0u);
}

} // namespace

namespace {

class MenuItemInfoTest : public WinTest {};

TEST_F(MenuItemInfoTest, ItemsCopyThroughItemInfoRecords) {
    HWND h = MakeTop(0, 0, 100, 100);
    HMENU source = GetSystemMenu(h, FALSE);
    HMENU copy = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    AppendMenu(copy, MF_STRING, 1, "old");
    AppendMenu(copy, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "More");
    EXPECT_EQ(GetSubMenu(copy, 1), sub);
    // Copy as a caller does: delete everything, insert each source item, then its string.
    while (GetMenuItemCount(copy) > 0)
        DeleteMenu(copy, 0, MF_BYPOSITION);
    EXPECT_FALSE(IsMenu(sub)); // deleting an item destroys its sub-menu
    for (int i = 0; i < GetMenuItemCount(source); ++i) {
        char text[512];
        MENUITEMINFO info;
        info.fMask =
            MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfo(source, UINT(i), TRUE, &info));
        ASSERT_TRUE(InsertMenuItem(copy, UINT(i), TRUE, &info));
    }
    EXPECT_EQ(GetMenuItemCount(copy), 7);
    EXPECT_EQ(GetMenuItemID(copy, 6), UINT(SC_CLOSE));
    EXPECT_EQ(GetMenuDefaultItem(copy, FALSE, 0), UINT(SC_CLOSE));
    MENUITEMINFO sep;
    sep.fMask = MIIM_FTYPE;
    GetMenuItemInfo(copy, 5, TRUE, &sep);
    EXPECT_EQ(sep.fType, MFT_SEPARATOR);
    MENUITEMINFO len;
    len.fMask = MIIM_STRING;
    GetMenuItemInfo(copy, SC_MINIMIZE, FALSE, &len);
    EXPECT_EQ(len.cch, 9u); // "Mi&nimize"
    MENUITEMINFO bmp;
    bmp.fMask = MIIM_BITMAP;
    bmp.hbmpItem = HBMMENU_POPUP_CLOSE;
    EXPECT_TRUE(SetMenuItemInfo(copy, SC_CLOSE, FALSE, &bmp));
    bmp.hbmpItem = nullptr;
    GetMenuItemInfo(copy, SC_CLOSE, FALSE, &bmp);
    EXPECT_EQ(bmp.hbmpItem, HBMMENU_POPUP_CLOSE);
    MENUINFO mi;
    mi.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    mi.dwStyle = MNS_CHECKORBMP;
    EXPECT_TRUE(SetMenuInfo(copy, &mi));
    MENUINFO back;
    back.fMask = MIM_STYLE;
    GetMenuInfo(copy, &back);
    EXPECT_EQ(back.dwStyle, MNS_CHECKORBMP);
    EXPECT_FALSE(GetMenuItemInfo(copy, 9999, FALSE, &bmp));
    EXPECT_TRUE(DestroyMenu(copy));
}

} // namespace

namespace {

class UiStateTest : public WinTest {};

TEST_F(UiStateTest, ChangeUiStateGoesUpThenEveryWindowIsTold) {
    HWND top = MakeTop(0, 0, 200, 200);
    HWND panel = MakeChild(top, 0, 0, 100, 100);
    HWND button = MakeChild(panel, 0, 0, 10, 10);
    rec.Clear();
    const WPARAM change = MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
    SendMessage(button, WM_CHANGEUISTATE, change, 0);
    EXPECT_EQ(rec.Count(top, WM_CHANGEUISTATE), 1);
    for (HWND h : {top, panel, button}) {
        ASSERT_TRUE(rec.Last(h, WM_UPDATEUISTATE));
        EXPECT_EQ(rec.Last(h, WM_UPDATEUISTATE)->wParam, change);
    }
    EXPECT_EQ(SendMessage(top, WM_QUERYENDSESSION, 0, 0), TRUE);
}

} // namespace
