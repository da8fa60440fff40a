#include "MenusTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"

#include "tests/support/TestWindowClass.h"
#include <algorithm>

namespace menus_test {

using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

IovBarControl* MenuWindowFactory::CreateSubMenuControl(TovBarItemLinks* ALinks) {
    auto* menu = new TovBarSubMenuControl(ALinks->BarManager());
    menu->SetItemLinks(ALinks);
    if (OnCreate) OnCreate(menu);
    return menu;
}

void MenusTest::SetUp() {
    BarPaintingTest::SetUp();
    menuFactory.Painter = painter.get();
    ovSetBarWindowFactory(&menuFactory);
    manager->MenuAnimations = maNone;
    manager->MenusShowRecentItemsFirst = false;
    form->Show();
    olva::win::PumpMessages();
}

void MenusTest::TearDown() {
    TovBarSubMenuControl::SetMenusExpanded(false);
    if (FScriptWindow != nullptr) ::DestroyWindow(FScriptWindow);
    BarPaintingTest::TearDown();
}

TovBarPopupMenu* MenusTest::MakePopup() {
    return new TovBarPopupMenu(form);
}

TovBarButton* MenusTest::Command(const std::string& ACaption, int* AClicks, int AImage) {
    TovBarButton* button = Button(ACaption, AImage);
    button->SetOnClick(TNotifyEvent(
        [this, AClicks, ACaption](TObject*) {
            if (AClicks != nullptr) ++*AClicks;
            clickLog.push_back(ACaption);
        },
        button));
    return button;
}

TovBarSubItem* MenusTest::SubMenu(const std::string& ACaption) {
    auto* item = new TovBarSubItem(form);
    item->SetCaption(ACaption);
    return item;
}

void MenusTest::MoveMouse(int X, int Y) {
    InjectMouse(MouseAction::Move, X, Y);
}

void MenusTest::Press(int X, int Y, bool ARight) {
    InjectMouse(MouseAction::Move, X, Y);
    InjectMouse(ARight ? MouseAction::RightDown : MouseAction::LeftDown, X, Y);
}

void MenusTest::Release(int X, int Y, bool ARight) {
    InjectMouse(ARight ? MouseAction::RightUp : MouseAction::LeftUp, X, Y);
}

void MenusTest::ClickAt(int X, int Y, bool ARight) {
    Press(X, Y, ARight);
    Release(X, Y, ARight);
}

void MenusTest::Key(WORD AKey) {
    InjectKey(AKey, true);
    InjectKey(AKey, false);
}

void MenusTest::KeyWithControl(WORD AKey) {
    InjectKey(VK_CONTROL, true);
    Key(AKey);
    InjectKey(VK_CONTROL, false);
}

void MenusTest::PlaceCursor(int X, int Y) {
    MoveMouse(X, Y);
    olva::win::PumpMessages();
}

TPoint MenusTest::ItemCentre(TovBarSubMenuControl* AMenu, const std::string& ACaption) {
    TovBarItemLinks* links = AMenu->ItemLinks();
    for (int i = 0; i < links->VisibleItemCount(); ++i) {
        TovBarItemLink* link = links->VisibleItems(i);
        if (link->Item()->Caption() != ACaption || link->Control() == nullptr) continue;
        const TRect r = AMenu->GetItemControlRect(link->Control());
        return TPoint{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    ADD_FAILURE() << "no item " << ACaption;
    return TPoint{-1, -1};
}

TRect MenusTest::WindowBounds(TovBarSubMenuControl* AMenu) {
    RECT r{};
    if (AMenu != nullptr && AMenu->Handle() != nullptr) ::GetWindowRect(AMenu->Handle(), &r);
    return r;
}

void MenusTest::SaveScreenPart(const TRect& R, const std::string& AName) {
    std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    ASSERT_TRUE(screen != nullptr);
    const RECT origin = olva::win::VirtualScreen();
    RECT area{};
    ::IntersectRect(&area, &R, &origin);
    TSurface part(area.right - area.left, area.bottom - area.top);
    for (int y = 0; y < part.Height(); ++y)
        for (int x = 0; x < part.Width(); ++x)
            part.SetPixel(x, y, screen->Pixel(area.left + x - origin.left, area.top + y - origin.top));
    const std::string file = OutputPath(AName);
    EXPECT_TRUE(SaveSurfaceToPng(part, file)) << file;
}

namespace {
constexpr const char* ScriptWindowClass = "MenusTestScriptWindow";
constexpr UINT RunScriptMessage = WM_APP + 1;
} // namespace

LRESULT MenusTest::ScriptWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    auto* self = reinterpret_cast<MenusTest*>(GetWindowLongPtr(AWnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    if (AMsg == RunScriptMessage) {
        self->FScripts[AWParam]();
        return 0;
    }
    self->FReceived.push_back(AMsg);
    return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
}

HWND MenusTest::CountingWindow() {
    if (FScriptWindow != nullptr) return FScriptWindow;
    EnsureTestWindowClass(ScriptWindowClass, &MenusTest::ScriptWindowProc);
    FScriptWindow =
        CreateWindowEx(0, ScriptWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    SetWindowLongPtr(FScriptWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return FScriptWindow;
}

int MenusTest::MessagesReceived(UINT AMessage) const {
    return static_cast<int>(std::count(FReceived.begin(), FReceived.end(), AMessage));
}

void MenusTest::PostScript(std::function<void()> AScript) {
    FScripts.push_back(std::move(AScript));
    ::PostMessage(CountingWindow(), RunScriptMessage, FScripts.size() - 1, 0);
}

} // namespace menus_test
