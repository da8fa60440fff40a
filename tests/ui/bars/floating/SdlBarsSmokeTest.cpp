// Bar windows under the SDL2 presenter on a real X server (run under xvfb-run; skipped without a
// display): a popup menu opened at the cursor, an item clicked through host input (its action runs
// once), the host losing the focus closing the menu; a floating toolbar moved by its host and sized
// from its edge through the platform's sizing loop fed by the host's pointer.
#include "../menus/MenusTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/SdlPresenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"

#include <SDL.h>

namespace menus_test {
namespace {

class SdlBarsSmokeTest : public MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        if (!presenter.Start()) GTEST_SKIP() << "no display: " << presenter.LastError();
        // The form existed before the host did: shown again, it gets its host window.
        ShowWindow(form->Handle(), SW_HIDE);
        ShowWindow(form->Handle(), SW_SHOW);
        olva::win::PumpMessages();
    }
    void TearDown() override {
        presenter.Stop();
        MenusTest::TearDown();
    }
    // A button event on the host of the top-level window AWnd, at the screen point.
    void HostButton(HWND AWnd, POINT AScreen, bool ADown) {
        SDL_Window* host = presenter.HostOf(AWnd);
        ASSERT_NE(host, nullptr);
        int x = 0, y = 0;
        SDL_GetWindowPosition(host, &x, &y);
        SDL_WarpMouseGlobal(AScreen.x, AScreen.y);
        SDL_Event e{};
        e.type = ADown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.windowID = SDL_GetWindowID(host);
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = AScreen.x - x;
        e.button.y = AScreen.y - y;
        presenter.HandleEvent(e);
    }
    SDL_Event WindowEvent(HWND AWnd, Uint8 AKind, int A = 0, int B = 0) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = SDL_GetWindowID(presenter.HostOf(AWnd));
        e.window.event = AKind;
        e.window.data1 = A;
        e.window.data2 = B;
        return e;
    }

    olva::win::TSdlPresenter presenter;
};

TEST_F(SdlBarsSmokeTest, APopupMenuAtTheCursorRunsAClickedItemOnceAndClosesWhenTheFocusGoes) {
    TovBarPopupMenu* popup = MakePopup();
    int cut = 0, copy = 0;
    popup->ItemLinks()->AddItem(Command("Cut", &cut));
    popup->ItemLinks()->AddItem(Command("Copy", &copy));
    TovBarSubMenuControl* root = nullptr;
    std::function<void()> script;
    std::vector<TovBarCloseUpReason> reasons;
    popup->OnPopup = TNotifyEvent(
        [&](TObject*) {
            root = popup->GetSubMenuControl();
            PostScript(script);
        },
        this);
    popup->OnCloseUpWithReason = [&](TObject*, TovBarCloseUpReason AReason) { reasons.push_back(AReason); };

    bool hosted = false;
    TRect bounds{};
    script = [&] {
        hosted = presenter.HostOf(root->Handle()) != nullptr;
        bounds = WindowBounds(root);
        const TPoint item = ItemCentre(root, "Copy");
        HostButton(root->Handle(), POINT{item.x, item.y}, true);
        HostButton(root->Handle(), POINT{item.x, item.y}, false);
    };
    PlaceCursor(150, 120);
    popup->PopupFromCursorPos();
    EXPECT_TRUE(hosted) << "the menu is a host window of its own";
    EXPECT_EQ(bounds.left, 150);
    EXPECT_EQ(bounds.top, 120);
    EXPECT_EQ(copy, 1);
    EXPECT_EQ(cut, 0);
    ASSERT_EQ(reasons.size(), 1u);
    EXPECT_EQ(reasons[0], bcrItemClick);
    olva::win::PumpMessages();
    EXPECT_EQ(copy, 1) << "nothing runs it again";

    // Open again; the host's focus goes to another application.
    reasons.clear();
    script = [&] {
        SDL_Event lost = WindowEvent(form->Handle(), SDL_WINDOWEVENT_FOCUS_LOST);
        SDL_PushEvent(&lost);
    };
    PlaceCursor(150, 120);
    popup->PopupFromCursorPos();
    EXPECT_FALSE(popup->PopupVisible());
    ASSERT_EQ(reasons.size(), 1u);
    EXPECT_EQ(reasons[0], bcrOther);
    EXPECT_EQ(cut + copy, 1) << "closing runs no item";
}

// The toolbar's sizing loop, fed by the host: the pointer goes where the edge is dragged once the loop
// starts, and the button comes up once the loop sized the window.
struct SizingScript {
    HWND Toolbar = nullptr;
    POINT To{};
    Uint32 HostWindow = 0;
    int Sizings = 0;
};
SizingScript* RunningSizing = nullptr;
HHOOK SizingHook = nullptr;

LRESULT SizingProc(int ACode, WPARAM AWParam, LPARAM ALParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(ALParam);
    if (RunningSizing != nullptr && message != nullptr && message->hwnd == RunningSizing->Toolbar) {
        if (message->message == WM_ENTERSIZEMOVE)
            SDL_WarpMouseGlobal(RunningSizing->To.x, RunningSizing->To.y);
        if (message->message == WM_SIZING && RunningSizing->Sizings++ == 0) {
            SDL_Event up{};
            up.type = SDL_MOUSEBUTTONUP;
            up.button.windowID = RunningSizing->HostWindow;
            up.button.button = SDL_BUTTON_LEFT;
            SDL_PushEvent(&up);
        }
    }
    return CallNextHookEx(SizingHook, ACode, AWParam, ALParam);
}

TEST_F(SdlBarsSmokeTest, AFloatingToolbarMovedAndSizedUnderThePresenter) {
    ovSetBarWindowFactory(ovBarWindows());
    TovBar* bar = manager->AddToolbar(false, false);
    for (int i = 0; i < 8; ++i)
        bar->ItemLinks()->AddItem(Command("T" + std::to_string(i)));
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    auto* control = dynamic_cast<TovBarControl*>(bar->GetControl());
    ASSERT_NE(control, nullptr);
    HWND wnd = control->Handle();
    SDL_Window* host = presenter.HostOf(wnd);
    ASSERT_NE(host, nullptr) << "a floating toolbar is a host window";
    EXPECT_TRUE(SDL_GetWindowFlags(host) & SDL_WINDOW_BORDERLESS) << "it draws its own caption and frame";
    EXPECT_FALSE(SDL_GetWindowFlags(host) & SDL_WINDOW_RESIZABLE) << "sizing is ours, not the host's";

    // Moved by the host.
    presenter.HandleEvent(WindowEvent(wnd, SDL_WINDOWEVENT_MOVED, 200, 150));
    olva::win::PumpMessages();
    EXPECT_EQ(bar->FloatLeft(), 200);
    EXPECT_EQ(bar->FloatTop(), 150);
    int hx = 0, hy = 0;
    SDL_GetWindowPosition(host, &hx, &hy);
    EXPECT_EQ(hx, 200);
    EXPECT_EQ(hy, 150);

    // Sized from its left edge: wider, fewer rows, the right edge kept, the client what the links need.
    const RECT start = control->ScreenBounds();
    const int midY = (start.top + start.bottom) / 2;
    SizingScript sizing{wnd, POINT{start.left - 120, midY}, SDL_GetWindowID(host)};
    RunningSizing = &sizing;
    SizingHook = SetWindowsHookEx(WH_CALLWNDPROC, &SizingProc, nullptr, 0);
    HostButton(wnd, POINT{start.left + 1, midY}, true);
    olva::win::PumpMessages();
    UnhookWindowsHookEx(SizingHook);
    SizingHook = nullptr;
    RunningSizing = nullptr;
    EXPECT_GE(sizing.Sizings, 1) << "the sizing loop asked the toolbar";
    const RECT sized = control->ScreenBounds();
    EXPECT_EQ(sized.right, start.right);
    EXPECT_GT(sized.right - sized.left, start.right - start.left);
    EXPECT_LT(sized.bottom - sized.top, start.bottom - start.top);
    TSize need{};
    control->CalcFloatingSize(dsNone, control->GetClientRect().right, need);
    EXPECT_EQ(control->GetClientRect().bottom, need.cy);
    int hw = 0, hh = 0;
    SDL_GetWindowSize(host, &hw, &hh);
    EXPECT_EQ(hw, sized.right - sized.left) << "the host follows";
    EXPECT_EQ(hh, sized.bottom - sized.top);
}

} // namespace
} // namespace menus_test
