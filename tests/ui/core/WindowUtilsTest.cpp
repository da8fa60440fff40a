#include "UiCoreTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/PopupMenu.h"
#include "platform/win/Menus.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/ControlServices.h"
#include "ui/core/controls/GlassPainting.h"
#include "ui/core/controls/SystemMenu.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Region.h"

#include <string>
#include <vector>

using namespace ui_core_test;

namespace {

class WindowUtilsTest : public UiCoreTest {};

TEST_F(WindowUtilsTest, RemoveAccelCharsTable) {
    struct Case {
        const char* text;
        bool underscore;
        const char* expected;
    };
    const Case cases[] = {
        {"&File", true, "File"},
        {"Save &As", false, "Save As"},
        {"Fish && Chips", true, "Fish & Chips"},
        {"&&&x", true, "&x"},
        {"End&", true, "End_"},
        {"End&", false, "End"},
        {"", true, ""},
        {"&", false, ""},
        {"a&&", true, "a&"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(uiRemoveAccelChars(c.text, c.underscore), c.expected);
    }
    EXPECT_EQ(uiRemoveAccelCharsW(u"&Wide && more&", true), u"Wide & more_");
}

TEST_F(WindowUtilsTest, ShiftStatesBecomeKeyFlags) {
    EXPECT_EQ(uiShiftStateToKeys({ssShift, ssAlt, ssLeft}), MK_SHIFT | MK_LBUTTON);
    EXPECT_EQ(uiShiftStateToKeys({ssCtrl, ssRight, ssMiddle, ssDouble}),
              MK_CONTROL | MK_RBUTTON | MK_MBUTTON);
    EXPECT_TRUE(uiIsPointInDragDetectArea({100, 100}, 104, 96));
    EXPECT_FALSE(uiIsPointInDragDetectArea({100, 100}, 105, 100));
    EXPECT_EQ(uiGetCharFromKeyCode('A'), 'a');
    EXPECT_EQ(uiGetCharFromKeyCode(VK_SHIFT), 0);
    EXPECT_TRUE(uiIsCharCode(' '));
    EXPECT_FALSE(uiIsCharCode('\t'));
}

TEST_F(WindowUtilsTest, WindowAtPointSkipsAHiddenChild) {
    HWND top = CreateWindowEx(0, "UiCoreTestWindow", "", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, nullptr,
                              nullptr, nullptr, nullptr);
    HWND visible = CreateWindowEx(0, "UiCoreTestWindow", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 100, top,
                                  nullptr, nullptr, nullptr);
    HWND hidden = CreateWindowEx(0, "UiCoreTestWindow", "", WS_CHILD, 20, 20, 40, 40, visible, nullptr,
                                 nullptr, nullptr);
    HWND deepest = CreateWindowEx(0, "UiCoreTestWindow", "", WS_CHILD | WS_VISIBLE, 60, 60, 30, 30, visible,
                                  nullptr, nullptr, nullptr);
    EXPECT_EQ(uiWindowAtPoint({135, 135}), visible); // over the hidden child
    EXPECT_EQ(uiWindowAtPoint({175, 175}), deepest);
    EXPECT_EQ(uiWindowAtPoint({290, 290}), top);
    EXPECT_EQ(uiWindowAtPoint({1000, 900}), nullptr);
    EXPECT_TRUE(uiIsChildEx(top, deepest));
    EXPECT_TRUE(uiIsChildEx(top, top));
    EXPECT_FALSE(uiIsChildEx(nullptr, top));
    EXPECT_TRUE(uiIsOwnerWindow(top, hidden));
    EXPECT_TRUE(uiIsChildClassWindow(hidden));
    EnableWindow(visible, FALSE);
    EXPECT_TRUE(IsWindowEnabled(deepest));
    EXPECT_FALSE(uiIsWindowEnabledEx(deepest));
    EXPECT_EQ(uiWindowRectOf(visible), (TRect{110, 110, 210, 210}));
    EXPECT_EQ(uiWindowBoundsOf(visible), (TRect{0, 0, 100, 100}));
    EXPECT_EQ(uiWindowRectOf(reinterpret_cast<HWND>(0x7777)), TRect{});
    EXPECT_EQ(uiClientPointToScreen(visible, {1, 2}), (TPoint{111, 112}));
    SetWindowText(top, std::string(1500, 'x').c_str());
    EXPECT_EQ(uiGetWindowText(top).size(), 1023u);
    DestroyWindow(top);
}

TEST_F(WindowUtilsTest, StylesAndLayeredOpacity) {
    HWND wnd = MakeWindow(WS_POPUP | WS_VISIBLE);
    uiSetWindowStyle(wnd, WS_BORDER, 1);
    EXPECT_TRUE(uiHasWindowStyle(wnd, WS_POPUP | WS_BORDER));
    uiSetWindowStyle(wnd, WS_BORDER, 2);
    EXPECT_FALSE(uiHasWindowStyle(wnd, WS_BORDER));
    uiSetLayeredWindowAlpha(wnd, 128);
    EXPECT_NE(GetWindowLong(wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(wnd, nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 128);
    uiSetLayeredWindowAlpha(wnd, 255);
    EXPECT_EQ(GetWindowLong(wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    DestroyWindow(wnd);
}

TEST_F(WindowUtilsTest, WorkAreasOfTwoMonitors) {
    olva::win::SetMonitors(
        {{{0, 0, 1024, 768}, {0, 0, 1024, 728}}, {{1024, 0, 2304, 1024}, {1024, 30, 2304, 1024}}});
    EXPECT_EQ(uiGetWorkAreaAtPoint({1500, 500}), (TRect{1024, 30, 2304, 1024}));
    EXPECT_EQ(uiGetWorkAreaAtPoint({-50, 300}), (TRect{0, 0, 1024, 728}));
    EXPECT_EQ(uiGetMonitorWorkArea(nullptr), (TRect{0, 0, 1024, 728}));
    struct Case {
        TRect r;
        TPoint at;
        TRect expected;
    };
    const Case cases[] = {
        {{900, 700, 1100, 800}, {950, 700}, {824, 628, 1024, 728}}, // out right and bottom
        {{2200, 0, 2400, 100}, {2250, 10}, {2104, 30, 2304, 130}},  // second monitor, under its top
        {{-20, -20, 1200, 100}, {10, 10}, {0, 0, 1220, 120}},       // oversized: left and top win
        {{100, 100, 200, 200}, {150, 150}, {100, 100, 200, 200}},   // inside: unchanged
    };
    for (const Case& c : cases) {
        TRect r = c.r;
        uiAdjustRectToWorkArea(r, c.at);
        EXPECT_EQ(r, c.expected);
    }
    HWND small = CreateWindowEx(0, "UiCoreTestWindow", "", WS_POPUP, 1100, 100, 300, 300, nullptr, nullptr,
                                nullptr, nullptr);
    HWND full = CreateWindowEx(0, "UiCoreTestWindow", "", WS_POPUP, 1024, 30, 1280, 994, nullptr, nullptr,
                               nullptr, nullptr);
    EXPECT_TRUE(IsWindowSmallerThanWorkArea(small));
    EXPECT_FALSE(IsWindowSmallerThanWorkArea(full));
}

class TNamedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

TEST_F(WindowUtilsTest, ClientToParentWalksTheChainAndNamesTheControlInItsErrors) {
    TForm* form = TForm::CreateNew(nullptr);
    form->SetName("Main");
    auto* outer = new TNamedControl(form);
    outer->SetBounds(10, 20, 200, 200);
    outer->SetParent(form);
    auto* inner = new TNamedControl(form);
    inner->SetName("Inner");
    inner->SetBounds(5, 7, 50, 50);
    inner->SetParent(outer);
    EXPECT_EQ(uiClientToParent(inner, {1, 1}, nullptr), (TPoint{6, 8}));
    EXPECT_EQ(uiClientToParent(inner, {1, 1}, form), (TPoint{16, 28}));
    auto* stranger = new TNamedControl(form);
    stranger->SetParent(form);
    try {
        uiClientToParent(inner, {0, 0}, stranger);
        ADD_FAILURE();
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Parent given is not a parent of 'Inner'");
    }
    auto* orphan = new TNamedControl(form);
    orphan->SetName("Orphan");
    try {
        uiClientToParent(orphan, {0, 0}, nullptr);
        ADD_FAILURE();
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Control 'Orphan' has no parent window");
    }
    EXPECT_EQ(uiGetFullComponentName(inner), "Main.Inner");
    EXPECT_EQ(uiLocateComponent<TNamedControl>(form), outer);
    EXPECT_TRUE(uiCanAllocateHandle(inner));
    EXPECT_FALSE(uiCanAllocateHandle(orphan));
    EXPECT_TRUE(uiCanAllocateHandle(form));
    form->Show();
    EXPECT_EQ(uiControlOfHandle(inner->Handle()), inner);
    EXPECT_EQ(ovFindParentForm(inner->Handle()), form);
    EXPECT_TRUE(uiIsControlVisible(inner));
    form->Free();
}

TEST_F(WindowUtilsTest, SystemMenuFollowsPlainIconicAndZoomedWindows) {
    HWND wnd = CreateWindowEx(0, "UiCoreTestWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                              nullptr, nullptr, nullptr, nullptr);
    HMENU menu = uiLoadSystemMenu(0);
    ASSERT_NE(menu, nullptr);
    MENUINFO info;
    info.fMask = MIM_STYLE;
    GetMenuInfo(menu, &info);
    EXPECT_EQ(info.dwStyle, MNS_CHECKORBMP);
    MENUITEMINFO item;
    item.fMask = MIIM_BITMAP;
    GetMenuItemInfo(menu, SC_RESTORE, FALSE, &item);
    EXPECT_EQ(item.hbmpItem, HBMMENU_POPUP_RESTORE);
    auto enabled = [&](UINT ACommand) {
        return (GetMenuState(menu, ACommand, MF_BYCOMMAND) & MF_GRAYED) == 0;
    };
    struct Expect {
        bool size, move, minimize, maximize, restore;
        UINT defaultItem;
    };
    auto check = [&](const char* AWhat, const Expect& e) {
        SCOPED_TRACE(AWhat);
        uiUpdateSystemMenuItems(wnd, menu);
        EXPECT_EQ(enabled(SC_SIZE), e.size);
        EXPECT_EQ(enabled(SC_MOVE), e.move);
        EXPECT_EQ(enabled(SC_MINIMIZE), e.minimize);
        EXPECT_EQ(enabled(SC_MAXIMIZE), e.maximize);
        EXPECT_EQ(enabled(SC_RESTORE), e.restore);
        EXPECT_EQ(GetMenuDefaultItem(menu, FALSE, 0), e.defaultItem);
    };
    check("plain", {true, true, true, true, false, UINT(SC_CLOSE)});
    ShowWindow(wnd, SW_MAXIMIZE);
    check("zoomed", {false, false, true, false, true, UINT(SC_CLOSE)});
    ShowWindow(wnd, SW_MINIMIZE);
    check("iconic", {false, true, false, true, true, UINT(SC_RESTORE)});
    ShowWindow(wnd, SW_RESTORE);
    SetWindowLong(wnd, GWL_STYLE, static_cast<LONG>((WS_OVERLAPPEDWINDOW | WS_VISIBLE) & ~WS_THICKFRAME));
    check("fixed frame", {false, true, true, true, false, UINT(SC_CLOSE)});

    // A dialog's menu loses task list, minimize, maximize, size, restore and the separator at 5.
    HMENU dialogMenu = uiLoadSystemMenu(0);
    uiAdjustSystemMenu(dialogMenu, wnd, true, true, 1);
    std::vector<UINT> commands;
    for (int i = 0; i < GetMenuItemCount(dialogMenu); ++i)
        commands.push_back(GetMenuItemID(dialogMenu, i));
    EXPECT_EQ(commands, (std::vector<UINT>{UINT(SC_MOVE), UINT(SC_CLOSE)}));
    HMENU untouched = uiLoadSystemMenu(0);
    uiAdjustSystemMenu(untouched, wnd, true, false, 0);
    EXPECT_EQ(GetMenuItemCount(untouched), 7);

    HMENU dialogResource = uiLoadSystemMenu(2);
    EXPECT_EQ(GetMenuItemCount(dialogResource), 4);
    EXPECT_EQ(uiLoadSystemMenu(3), nullptr);

    // Copying replaces every item, texts and bitmaps included.
    uiCopyMenuItems(menu, dialogMenu);
    ASSERT_EQ(GetMenuItemCount(dialogMenu), GetMenuItemCount(menu));
    char text[64] = {};
    GetMenuString(dialogMenu, SC_MAXIMIZE, text, sizeof(text), MF_BYCOMMAND);
    EXPECT_STREQ(text, "Ma&ximize");
    item.fMask = MIIM_BITMAP;
    GetMenuItemInfo(dialogMenu, SC_CLOSE, FALSE, &item);
    EXPECT_EQ(item.hbmpItem, HBMMENU_POPUP_CLOSE);
    EXPECT_TRUE(enabled(SC_CLOSE));
    for (HMENU m : {menu, dialogMenu, untouched, dialogResource})
        DestroyMenu(m);
    DestroyWindow(wnd);
}

class TFakePopup : public TComponent, public IuiPopupMenuComponent {
public:
    using TComponent::TComponent;
    bool IsShortCut(TMessage& AMessage) override { return AMessage.WParam == 'Q'; }
    void Popup(int X, int Y) override { at = {X, Y}; }
    TPoint at{-1, -1};
};

TEST_F(WindowUtilsTest, PopupMenuDispatch) {
    TForm* form = TForm::CreateNew(nullptr);
    TFakePopup fake(nullptr);
    TComponent plain(nullptr);
    EXPECT_TRUE(uiIsPopupMenu(&fake));
    EXPECT_FALSE(uiIsPopupMenu(&plain));
    TMessage key{WM_KEYDOWN, 'Q', 0, 0};
    EXPECT_TRUE(uiPopupMenuIsShortCut(&fake, key));
    EXPECT_FALSE(uiPopupMenuIsShortCut(&plain, key));
    EXPECT_TRUE(uiShowPopupMenu(form, &fake, 30, 40));
    EXPECT_EQ(fake.at, (TPoint{30, 40}));
    auto* menu = new TPopupMenu(form);
    EXPECT_TRUE(uiIsPopupMenu(menu));
    EXPECT_FALSE(uiPopupMenuIsShortCut(menu, key)); // no items
    menu->SetAutoPopup(false);
    EXPECT_FALSE(uiShowPopupMenu(form, menu, 0, 0));
    EXPECT_FALSE(uiShowPopupMenu(form, &plain, 0, 0));
    form->Free();
}

// A control whose erase and paint leave marks in the DC they get.
class TPaintedControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> log;
    HDC eraseDC = nullptr;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == WM_ERASEBKGND) {
            log.push_back(uiIsEraseBkgndFromPaint(Message) ? "erase-from-paint" : "erase");
            eraseDC = reinterpret_cast<HDC>(Message.WParam);
            RECT r{0, 0, 60, 40};
            HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
            FillRect(eraseDC, &r, brush);
            DeleteObject(brush);
            Message.Result = 1;
            return;
        }
        TCustomControl::WndProc(Message);
    }
    void Paint() override {
        log.push_back("paint");
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(RECT{10, 10, 20, 20});
    }
};

TEST_F(WindowUtilsTest, BufferedPaintErasesAndPaintsIntoAMemoryBitmapThenCopiesIt) {
    TForm* form = TForm::CreateNew(nullptr);
    form->SetBounds(0, 0, 200, 150);
    auto* control = new TPaintedControl(form);
    control->SetBounds(0, 0, 60, 40);
    control->SetParent(form);
    form->Show();
    Pump();
    control->log.clear();
    InvalidateRect(control->Handle(), nullptr, FALSE);
    TuiRegion region;
    EXPECT_FALSE(uiGetUpdateRegion(control, &region)); // Windows 7 without composition
    uiPaintControlBuffered(control);
    EXPECT_EQ(control->log, (std::vector<std::string>{"erase-from-paint", "paint"}));
    EXPECT_EQ(WindowFromDC(control->eraseDC), nullptr); // a memory DC, not the window's
    RECT update;
    EXPECT_FALSE(GetUpdateRect(control->Handle(), &update, FALSE));
    HDC dc = GetDC(control->Handle());
    EXPECT_EQ(GetPixel(dc, 15, 15), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 40, 30), RGB(0, 0, 255));
    ReleaseDC(control->Handle(), dc);
    form->Free();
}

TEST_F(WindowUtilsTest, GlassRenderingWithoutAPaintBufferGoesStraightToTheDC) {
    HWND wnd = MakeWindow(WS_POPUP | WS_VISIBLE);
    Pump();
    ReceivedLog().clear();
    HDC dc = GetDC(wnd);
    ovRenderWindowOnGlass(wnd, dc, TRect{}, false);
    EXPECT_TRUE(ReceivedLog().empty());
    ovRenderWindowOnGlass(wnd, dc, TRect{0, 0, 50, 50}, false);
    ReleaseDC(wnd, dc);
    std::vector<UINT> messages;
    for (const Received& r : ReceivedLog())
        messages.push_back(r.msg);
    EXPECT_EQ(messages, (std::vector<UINT>{WM_ERASEBKGND, WM_PRINTCLIENT}));
    ReceivedLog().clear();
    InvalidateRect(wnd, nullptr, FALSE);
    ovPaintUpdateRegionOnGlass(wnd);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(wnd, &update, FALSE));
    messages.clear();
    for (const Received& r : ReceivedLog())
        messages.push_back(r.msg);
    EXPECT_EQ(messages, (std::vector<UINT>{WM_ERASEBKGND, WM_PRINTCLIENT}));
    EXPECT_FALSE(AreVisualStylesEnabled());
    DestroyWindow(wnd);
}

} // namespace
