// Popups that never take the activation (menus, floating toolbars, hints), windows that change parent
// without taking it, and the whole application losing and regaining it to another application.
#include "WinTestSupport.h"

using namespace win_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class PopupActivationTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        main = MakeTop(0, 0, 600, 400);
        editor = MakeChild(main, 10, 40, 200, 100);
        SetFocus(editor);
        Pump();
        rec.Clear();
    }
    // A top-most tool popup owned by the main window whose clicks never activate it.
    HWND MakePopup(int x, int y) {
        HWND h = MakeTop(x, y, 100, 80, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, main);
        rec.handlers[h] = [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
            return std::nullopt;
        };
        return h;
    }
    // No window heard of any change of activation or focus.
    void ExpectActivationUntouched() {
        EXPECT_EQ(GetActiveWindow(), main);
        EXPECT_EQ(GetFocus(), editor);
        EXPECT_TRUE(
            rec.Messages({WM_ACTIVATE, WM_NCACTIVATE, WM_ACTIVATEAPP, WM_SETFOCUS, WM_KILLFOCUS}).empty());
    }
    HWND main = nullptr, editor = nullptr;
};

TEST_F(PopupActivationTest, NonActivatingTopMostPopupsLeaveActivationAndFocusWhereTheyWere) {
    using Show = void (*)(HWND);
    const Show ways[] = {
        [](HWND h) {
            SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        },
        [](HWND h) { ShowWindow(h, SW_SHOWNOACTIVATE); },
        [](HWND h) { ShowWindow(h, SW_SHOWNA); },
    };
    int x = 300;
    for (Show show : ways) {
        HWND popup = MakePopup(x, 100);
        rec.Clear();
        show(popup);
        Pump();
        EXPECT_TRUE(IsWindowVisible(popup));
        ExpectActivationUntouched();
        // A click on it reaches it without activating it, every time.
        for (int i = 0; i < 2; ++i) {
            Click(x + 50, 140);
            Pump();
        }
        EXPECT_EQ(rec.Count(popup, WM_MOUSEACTIVATE), 2);
        EXPECT_EQ(rec.Count(popup, WM_LBUTTONDOWN), 2);
        ExpectActivationUntouched();
        // The main window brought to the top stays below its top-most popup.
        SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_EQ(GetTopWindow(nullptr), popup);
        EXPECT_EQ(WindowFromPoint(POINT{x + 50, 140}), popup);
        ShowWindow(popup, SW_HIDE);
        ExpectActivationUntouched();
        DestroyWindow(popup);
        x += 60;
    }
}

// What the presenter was told, in order.
class TRecordingPresenter : public olva::win::IPresenter {
public:
    void WindowChanged(HWND h) override { Changed.push_back(h); }
    void WindowDestroyed(HWND h) override { Gone.push_back(h); }
    std::vector<HWND> Changed, Gone;
};

TEST_F(PopupActivationTest, ATopLevelWindowBecomesAChildAndATopLevelWindowAgainWithoutActivation) {
    TRecordingPresenter presenter;
    olva::win::SetPresenter(&presenter);
    HWND dock = MakeChild(main, 0, 100, 580, 250);
    HWND floating = MakePopup(300, 100);
    rec.handlers[floating] = ErasingIn(RGB(255, 0, 0), rec.handlers[floating]);
    auto shownAt = [](int x, int y) { return ScreenPixel(x, y) == RGB(255, 0, 0); };
    ShowWindow(floating, SW_SHOWNA);
    Pump();
    EXPECT_TRUE(shownAt(310, 110));
    rec.Clear();
    // Docked: a child of the dock, at the same numbers in its new parent's coordinates.
    EXPECT_EQ(SetParent(floating, dock), GetDesktopWindow());
    Pump();
    EXPECT_EQ(GetAncestor(floating, GA_PARENT), dock);
    EXPECT_TRUE(IsWindowVisible(floating));
    EXPECT_EQ(presenter.Gone, std::vector<HWND>{floating}); // no longer shown on its own
    POINT origin{0, 0};
    MapWindowPoints(floating, nullptr, &origin, 1);
    EXPECT_EQ(origin, (POINT{kFrame + 300, kFrame + kCaption + 200}));
    EXPECT_EQ(WindowFromPoint(POINT{310, 230}), floating);
    EXPECT_TRUE(shownAt(310, 230)); // drawn on the main window's image now
    EXPECT_FALSE(shownAt(310, 110));
    ExpectActivationUntouched();
    // Floating again: a top-level window of its own, still owned by the main window.
    presenter.Changed.clear();
    EXPECT_EQ(SetParent(floating, nullptr), dock);
    Pump();
    EXPECT_EQ(GetAncestor(floating, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(floating, GW_OWNER), main);
    EXPECT_TRUE(IsWindowVisible(floating));
    EXPECT_NE(std::find(presenter.Changed.begin(), presenter.Changed.end(), floating),
              presenter.Changed.end());
    EXPECT_TRUE(shownAt(310, 110));
    EXPECT_FALSE(shownAt(310, 230));
    EXPECT_EQ(WindowFromPoint(POINT{310, 110}), floating);
    ExpectActivationUntouched();
    olva::win::SetPresenter(nullptr);
}

TEST_F(PopupActivationTest, AnotherApplicationTakesTheActivationAndGivesItBack) {
    HWND floating = MakePopup(300, 100);
    ShowWindow(floating, SW_SHOWNA);
    SetCapture(editor);
    rec.Clear();
    olva::win::ActivateOtherApplication();
    Pump();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    // The capture goes first, then the active window hears it is left, then every top-level window that
    // the application is, and the focus goes last.
    EXPECT_EQ(rec.Messages({WM_CAPTURECHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_KILLFOCUS}),
              (std::vector<UINT>{WM_CAPTURECHANGED, WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP,
                                 WM_ACTIVATEAPP, WM_KILLFOCUS}));
    for (HWND h : {main, floating}) {
        ASSERT_TRUE(rec.Last(h, WM_ACTIVATEAPP));
        EXPECT_EQ(rec.Last(h, WM_ACTIVATEAPP)->wParam, WPARAM(FALSE));
        EXPECT_NE(DWORD(rec.Last(h, WM_ACTIVATEAPP)->lParam), GetCurrentThreadId()); // the other one's
    }
    EXPECT_EQ(LOWORD(rec.Last(main, WM_ACTIVATE)->wParam), WA_INACTIVE);
    EXPECT_EQ(rec.Last(main, WM_ACTIVATE)->lParam, 0); // no window of this application
    EXPECT_EQ(rec.Last(editor, WM_KILLFOCUS)->wParam, 0u);
    // Keys typed meanwhile go to the other application; leaving twice says nothing more.
    rec.Clear();
    InjectKey('A', true);
    InjectKey('A', false);
    olva::win::ActivateOtherApplication();
    Pump();
    EXPECT_TRUE(rec.log.empty());
    // Back: the application wakes first, then the window that was active is active again.
    olva::win::ReturnToApplication();
    Pump();
    EXPECT_EQ(GetActiveWindow(), main);
    EXPECT_EQ(GetFocus(), main);
    EXPECT_EQ(rec.Messages({WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}),
              (std::vector<UINT>{WM_ACTIVATEAPP, WM_ACTIVATEAPP, WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS}));
    EXPECT_EQ(rec.Last(floating, WM_ACTIVATEAPP)->wParam, WPARAM(TRUE));
    // A window that went meanwhile leaves the activation to the next one that can take it.
    HWND other = MakeTop(100, 100, 200, 200);
    olva::win::ActivateOtherApplication();
    DestroyWindow(other);
    olva::win::ReturnToApplication();
    EXPECT_EQ(GetActiveWindow(), main);
}

} // namespace
