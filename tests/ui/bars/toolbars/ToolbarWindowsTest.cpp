// Toolbar windows on the headless screen: docked children of their docks, floating tool windows that
// never activate, the drag loop end to end with scripted mouse and keys, double-clicks on the grip and
// caption, and floating sizing through the platform's sizing loop.
#include "../BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/painters/PaintersInit.h"

#include <filesystem>
#include <functional>

using namespace bars_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

std::string BarPaintingTestOutput(const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars";
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

// Windows made and freed while a recorder lives and the condition holds.
struct WindowEvents {
    int Created = 0;
    int Destroyed = 0;
};
WindowEvents* RecordedEvents = nullptr;
std::function<bool()> RecordWhile;
HHOOK CbtHook = nullptr;

LRESULT CbtProc(int ACode, WPARAM AWParam, LPARAM ALParam) {
    if (RecordedEvents != nullptr && (!RecordWhile || RecordWhile())) {
        if (ACode == HCBT_CREATEWND) ++RecordedEvents->Created;
        if (ACode == HCBT_DESTROYWND) ++RecordedEvents->Destroyed;
    }
    return CallNextHookEx(CbtHook, ACode, AWParam, ALParam);
}

class DockedToolbarWindowsTest : public BarsTest {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        uiPaintersInitialize();
        // The unit's own factory, with the toolbar and dock makers it registered.
        ovSetBarWindowFactory(ovBarWindows());
        form->SetBounds(100, 100, 640, 480);
        form->Show();
        olva::win::PumpMessages();
        manager = MakeManager();
    }
    void TearDown() override {
        if (CbtHook != nullptr) UnhookWindowsHookEx(CbtHook);
        CbtHook = nullptr;
        RecordedEvents = nullptr;
        RecordWhile = nullptr;
        delete form;
        form = nullptr;
        uiPaintersFinalize();
        BarsTest::TearDown();
    }
    TovBar* AddToolbar(int AButtons = 4) {
        TovBar* bar = manager->AddToolbar(false, false);
        for (int i = 0; i < AButtons; ++i) {
            auto* button = new TovBarButton(form);
            button->SetCaption("B" + std::to_string(i));
            bar->ItemLinks()->AddItem(button);
        }
        olva::win::PumpMessages();
        return bar;
    }
    static TovBarControl* Window(TovBar* ABar) { return dynamic_cast<TovBarControl*>(ABar->GetControl()); }
    TovDockControl* Dock(TovBarDockingStyle AStyle) const {
        return dynamic_cast<TovDockControl*>(manager->Bars()->DockControls(AStyle));
    }
    // A point on the toolbar's grip (docked) or caption (floating), in screen coordinates.
    static POINT GripPoint(TovBar* ABar) {
        TovBarControl* control = Window(ABar);
        const RECT r = control->ScreenBounds();
        const TRect borders = control->BorderSizes();
        if (control->DockingStyleOf() == dsNone)
            return POINT{r.left + borders.left + 4, r.top + borders.top / 2 + 2};
        return POINT{r.left + 1, (r.top + r.bottom) / 2};
    }
    // Presses at AFrom, moves through APath and releases at the last point, with Ctrl held when asked.
    void Drag(POINT AFrom, const std::vector<POINT>& APath, bool ACtrl = false, bool AEscape = false) {
        SetCursorPos(AFrom.x, AFrom.y);
        olva::win::PumpMessages();
        if (ACtrl) InjectKey(VK_CONTROL, true);
        InjectMouse(MouseAction::LeftDown, AFrom.x, AFrom.y);
        for (const POINT& p : APath) {
            InjectMouse(MouseAction::Move, p.x, p.y);
            // A key between two moves keeps the queue from merging them into one.
            InjectKey(VK_SHIFT, true);
            InjectKey(VK_SHIFT, false);
        }
        if (AEscape) {
            InjectKey(VK_ESCAPE, true);
            InjectKey(VK_ESCAPE, false);
        }
        InjectMouse(MouseAction::LeftUp, APath.back().x, APath.back().y);
        // The key is held for the whole drag: it goes up only after the loop ran.
        olva::win::PumpMessages();
        if (ACtrl) InjectKey(VK_CONTROL, false);
        olva::win::PumpMessages();
    }
    void RecordWindowsWhileMoving(WindowEvents& AEvents) {
        RecordedEvents = &AEvents;
        RecordWhile = [this] { return manager->Bars()->Moving(); };
        CbtHook = SetWindowsHookEx(WH_CBT, &CbtProc, nullptr, 0);
    }
    // The middle of the form's client area, far from every dock.
    POINT Middle() const {
        RECT r{};
        GetWindowRect(form->Handle(), &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    TovBarManager* manager = nullptr;
};

} // namespace

TEST_F(DockedToolbarWindowsTest, DockedWindowsAreChildrenOfTheirDockAndFloatingOnesNeverActivate) {
    TovBar* bar = AddToolbar();
    TovBarControl* docked = Window(bar);
    ASSERT_NE(docked, nullptr);
    ASSERT_NE(docked->Handle(), nullptr);
    EXPECT_EQ(GetParent(docked->Handle()), Dock(dsTop)->Handle());
    EXPECT_NE(GetWindowLong(docked->Handle(), GWL_STYLE) & WS_CHILD, 0);
    EXPECT_GT(Dock(dsTop)->Bounds().bottom, 0) << "the top dock grew to its row";
    EXPECT_TRUE(IsWindowVisible(docked->Handle()));

    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    TovBarControl* floating = Window(bar);
    ASSERT_NE(floating, nullptr);
    ASSERT_NE(floating->Handle(), nullptr);
    const LONG style = GetWindowLong(floating->Handle(), GWL_STYLE);
    const LONG exStyle = GetWindowLong(floating->Handle(), GWL_EXSTYLE);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & WS_CAPTION, 0) << "it draws its own caption";
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    EXPECT_NE(exStyle & WS_EX_NOACTIVATE, 0);
    EXPECT_EQ(Dock(dsTop)->Bounds().bottom - Dock(dsTop)->Bounds().top, 0) << "the emptied dock shrank";
    const POINT caption = GripPoint(bar);
    InjectMouse(MouseAction::LeftDown, caption.x, caption.y);
    InjectMouse(MouseAction::LeftUp, caption.x, caption.y);
    olva::win::PumpMessages();
    EXPECT_NE(GetActiveWindow(), Window(bar)->Handle()) << "a click never activates a floating toolbar";
}

TEST_F(DockedToolbarWindowsTest, DraggingADockedToolbarOutFloatsItWithoutMakingWindows) {
    TovBar* bar = AddToolbar();
    const HWND before = Window(bar)->Handle();
    WindowEvents events;
    RecordWindowsWhileMoving(events);
    const POINT grip = GripPoint(bar);
    const POINT middle = Middle();
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    // Into the left dock, back into the top one, into the left again, then out into the middle.
    const POINT left{frame.left + 12, middle.y}, top{middle.x, grip.y};
    std::string styles;
    manager->OnBarDockingStyleChange = TovBarEvent(
        [&styles](TovBarManager*, TovBar* ABar) { styles += std::to_string(ABar->DockingStyle()); }, this);
    Drag(grip, {left, top, left, middle});
    EXPECT_EQ(styles, "1210") << "left, top, left, floating";
    EXPECT_EQ(bar->DockingStyle(), dsNone);
    EXPECT_EQ(events.Created, 0) << "no window is made during the drag";
    EXPECT_EQ(events.Destroyed, 0) << "none is freed during it";
    TovBarControl* control = Window(bar);
    ASSERT_NE(control, nullptr);
    EXPECT_NE(control->Handle(), before) << "the floating window of the drag stays";
    EXPECT_FALSE(IsWindow(before)) << "the docked one went at the end";
    EXPECT_NE(GetWindowLong(control->Handle(), GWL_STYLE) & WS_POPUP, 0);
    EXPECT_TRUE(IsWindowVisible(control->Handle()));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(manager->Bars()->Moving());
    const RECT r = control->ScreenBounds();
    EXPECT_EQ(bar->FloatLeft(), r.left) << "the floating place is saved";
}

TEST_F(DockedToolbarWindowsTest, DraggingBetweenDocksCtrlAndEscape) {
    TovBar* bar = AddToolbar();
    const POINT middle = Middle();
    RECT form_r{};
    GetWindowRect(form->Handle(), &form_r);
    // Into the left dock's zone.
    Drag(GripPoint(bar), {POINT{form_r.left + 12, middle.y}});
    EXPECT_EQ(bar->DockingStyle(), dsLeft);
    ASSERT_NE(Window(bar), nullptr);
    EXPECT_EQ(GetParent(Window(bar)->Handle()), Dock(dsLeft)->Handle());
    EXPECT_GT(Dock(dsLeft)->Bounds().right, 0);
    // Ctrl keeps it floating even over a dock.
    Drag(GripPoint(bar), {POINT{middle.x, form_r.top + 60}, POINT{middle.x, form_r.top + 40}}, true);
    EXPECT_EQ(bar->DockingStyle(), dsNone);
    // Escape ends the drag where the toolbar stands.
    const RECT before = Window(bar)->ScreenBounds();
    Drag(GripPoint(bar), {POINT{middle.x - 50, middle.y + 40}}, false, true);
    EXPECT_EQ(bar->DockingStyle(), dsNone);
    EXPECT_FALSE(manager->Bars()->Moving());
    EXPECT_NE(Window(bar)->ScreenBounds().left, before.left) << "the moves before Escape stay";
}

TEST_F(DockedToolbarWindowsTest, DoubleClickingTheGripFloatsAndTheCaptionDocks) {
    TovBar* bar = AddToolbar();
    AddToolbar(2);
    ASSERT_EQ(Dock(dsTop)->DockRowCount(), 2);
    const POINT grip = GripPoint(bar);
    InjectMouse(MouseAction::LeftDown, grip.x, grip.y);
    InjectMouse(MouseAction::LeftUp, grip.x, grip.y);
    InjectMouse(MouseAction::LeftDown, grip.x, grip.y);
    InjectMouse(MouseAction::LeftUp, grip.x, grip.y);
    olva::win::PumpMessages();
    EXPECT_EQ(bar->DockingStyle(), dsNone) << "a double-click on the grip floats the toolbar";

    // A toolbar that was never docked docks in a new row after the others.
    TovBar* fresh = AddToolbar(3);
    fresh->ChangeDockingStyle(dsNone, nullptr);
    fresh->SetDockedLeft(0);
    fresh->SetDockedTop(0);
    olva::win::PumpMessages();
    const int rows = Dock(dsTop)->DockRowCount();
    const POINT caption = GripPoint(fresh);
    InjectMouse(MouseAction::LeftDown, caption.x, caption.y);
    InjectMouse(MouseAction::LeftUp, caption.x, caption.y);
    InjectMouse(MouseAction::LeftDown, caption.x, caption.y);
    InjectMouse(MouseAction::LeftUp, caption.x, caption.y);
    olva::win::PumpMessages();
    EXPECT_EQ(fresh->DockingStyle(), dsTop);
    EXPECT_EQ(Dock(dsTop)->DockRowCount(), rows + 1);
    EXPECT_EQ(fresh->Row(), rows) << "the new last row";
}

TEST_F(DockedToolbarWindowsTest, AFloatingToolbarSizesFromItsEdgesOnly) {
    TovBar* bar = AddToolbar(8);
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    TovBarControl* control = Window(bar);
    ASSERT_NE(control, nullptr);
    const RECT start = control->ScreenBounds();
    const int midY = (start.top + start.bottom) / 2;
    // The left edge, dragged left: wider, fewer rows, the right edge kept.
    Drag(POINT{start.left + 1, midY}, {POINT{start.left - 150, midY}});
    const RECT narrower = control->ScreenBounds();
    EXPECT_EQ(narrower.right, start.right) << "dragging the left edge keeps the right one";
    EXPECT_GT(narrower.right - narrower.left, start.right - start.left);
    EXPECT_LT(narrower.bottom - narrower.top, start.bottom - start.top);
    // The client is always what the links need at that width.
    TSize need{};
    control->CalcFloatingSize(dsNone, control->GetClientRect().right, need);
    EXPECT_EQ(control->GetClientRect().bottom, need.cy);
    // A corner does nothing.
    EXPECT_EQ(control->LogicalHitTest(POINT{0, 0}), HTTOP) << "the top strip wins over the left one";
    // The top edge never goes above -15.
    const RECT wanted{narrower.left, -200, narrower.right, narrower.bottom};
    const RECT sized = control->SizingRect(wanted, WMSZ_TOP);
    EXPECT_GE(sized.top, -15);
    const RECT corner = control->SizingRect(RECT{0, 0, 5, 5}, WMSZ_BOTTOMRIGHT);
    EXPECT_EQ(corner.left, narrower.left);
    EXPECT_EQ(corner.right, narrower.right);
    TovBarControl* tiny = control;
    MINMAXINFO info{};
    SendMessage(tiny->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 10);
    EXPECT_EQ(info.ptMinTrackSize.y, 10);
}

TEST_F(DockedToolbarWindowsTest, TheFloatingCloseButtonHidesTheToolbar) {
    TovBar* bar = AddToolbar();
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    TovBarControl* control = Window(bar);
    ASSERT_NE(control, nullptr);
    const RECT r = control->ScreenBounds();
    POINT close{};
    bool found = false;
    for (int x = r.right - 1; x > r.left && !found; --x)
        for (int y = r.top; y < r.top + 20 && !found; ++y)
            if (control->LogicalHitTest(POINT{x - r.left, y - r.top}) == 20) {
                close = POINT{x, y};
                found = true;
            }
    ASSERT_TRUE(found) << "the caption has a close button";
    ASSERT_TRUE(IsWindowVisible(control->Handle()));
    EXPECT_EQ(WindowFromPoint(close), control->Handle());
    TovBar* closed = nullptr;
    manager->OnBarClose = TovBarEvent([&closed](TovBarManager*, TovBar* ABar) { closed = ABar; }, this);
    // Pressed and released away from it: nothing.
    InjectMouse(MouseAction::LeftDown, close.x, close.y);
    InjectMouse(MouseAction::Move, close.x - 40, close.y + 30);
    InjectMouse(MouseAction::LeftUp, close.x - 40, close.y + 30);
    olva::win::PumpMessages();
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(closed, nullptr);
    InjectMouse(MouseAction::LeftDown, close.x, close.y);
    olva::win::PumpMessages();
    EXPECT_EQ(control->CloseButtonState(), 2) << "pressed";
    EXPECT_EQ(GetCapture(), control->Handle());
    InjectMouse(MouseAction::LeftUp, close.x, close.y);
    olva::win::PumpMessages();
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(closed, bar);
}

TEST_F(DockedToolbarWindowsTest, AFloatingToolbarOffEveryMonitorComesBackUnderTheCursor) {
    TovBar* bar = AddToolbar();
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    TovBarControl* control = Window(bar);
    ASSERT_NE(control, nullptr);
    MONITORINFO info{};
    SetCursorPos(300, 300);
    GetMonitorInfo(MonitorFromPoint(POINT{300, 300}, MONITOR_DEFAULTTONEAREST), &info);
    SetWindowPos(control->Handle(), nullptr, -5000, -4000, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r = control->ScreenBounds();
    EXPECT_EQ(r.left, info.rcWork.left) << "off to the left and above: both corrections apply";
    EXPECT_EQ(r.top, info.rcWork.top);
    SetWindowPos(control->Handle(), nullptr, info.rcWork.right + 100, 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    r = control->ScreenBounds();
    EXPECT_EQ(r.right, info.rcWork.right);
    EXPECT_EQ(r.top, 200) << "the other axis stays";
    SetWindowPos(control->Handle(), nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(control->ScreenBounds().left, 50) << "on screen it goes where it is put";
}

namespace {

// Drives the time of a drag from inside its loop: after the drag's move either the fake clock runs on by a
// rest too short for the docking wait and the mouse is released, or the release waits for the wait's
// timer.
struct RestingDrag {
    TFakeClock* Clock = nullptr;
    TovBars* Bars = nullptr;
    int Rest = 0;
    bool ReleaseAfterTimer = false;
    POINT At{};
    bool Rested = false;
    bool Waited = false;
    bool Released = false;
};
RestingDrag* Resting = nullptr;
HHOOK GetMessageHook = nullptr;

LRESULT RestingProc(int ACode, WPARAM AWParam, LPARAM ALParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(ALParam);
    if (Resting != nullptr && AWParam == PM_REMOVE && Resting->Bars->Moving() && !Resting->Released) {
        if (msg->message == WM_MOUSEMOVE && !Resting->Rested) {
            Resting->Rested = true;
            if (!Resting->ReleaseAfterTimer) {
                // The move is followed by a rest shorter than the wait, then the release.
                Resting->Clock->Advance(static_cast<std::uint64_t>(Resting->Rest));
                Resting->Released = true;
                InjectMouse(MouseAction::LeftUp, Resting->At.x, Resting->At.y);
            }
        } else if (msg->message == WM_KEYDOWN && Resting->Rested && Resting->ReleaseAfterTimer &&
                   !Resting->Waited) {
            // Taken after the move set the wait going: the toolbar rests the whole wait.
            Resting->Waited = true;
            Resting->Clock->Advance(static_cast<std::uint64_t>(Resting->Rest));
        } else if (msg->message == WM_TIMER && Resting->ReleaseAfterTimer && msg->hwnd == nullptr &&
                   msg->lParam != 0 && Resting->Bars->DockingWaitPending()) {
            // The docking wait's own timer: it docks the toolbar as it is dispatched, then the release.
            Resting->Released = true;
            InjectMouse(MouseAction::LeftUp, Resting->At.x, Resting->At.y);
        }
    }
    return CallNextHookEx(GetMessageHook, ACode, AWParam, ALParam);
}

} // namespace

TEST_F(DockedToolbarWindowsTest, AFloatingToolbarDocksOnlyAfterRestingOverADock) {
    struct TCase {
        int RestDelta;
        TovBarDockingStyle Expected;
    };
    // Resting one millisecond short of WaitForDockingTime keeps it floating; the full wait docks it.
    for (const TCase& c : {TCase{-1, dsNone}, TCase{1, dsTop}}) {
        TovBar* bar = AddToolbar();
        bar->ChangeDockingStyle(dsNone, nullptr);
        olva::win::PumpMessages();
        ASSERT_NE(Window(bar), nullptr);
        const POINT caption = GripPoint(bar);
        RECT client{};
        GetClientRect(form->Handle(), &client);
        POINT over{client.right / 2, 4};
        ClientToScreen(form->Handle(), &over);
        RestingDrag drag;
        drag.Clock = clock.get();
        drag.Bars = manager->Bars();
        drag.Rest = manager->WaitForDockingTime() + c.RestDelta;
        drag.ReleaseAfterTimer = c.RestDelta > 0;
        drag.At = over;
        Resting = &drag;
        GetMessageHook = SetWindowsHookEx(WH_GETMESSAGE, &RestingProc, nullptr, 0);
        SetCursorPos(caption.x, caption.y);
        olva::win::PumpMessages();
        InjectMouse(MouseAction::LeftDown, caption.x, caption.y);
        InjectMouse(MouseAction::Move, over.x, over.y);
        InjectKey(VK_SHIFT, true);
        InjectKey(VK_SHIFT, false);
        olva::win::PumpMessages();
        UnhookWindowsHookEx(GetMessageHook);
        Resting = nullptr;
        EXPECT_TRUE(drag.Released);
        EXPECT_EQ(bar->DockingStyle(), c.Expected) << "rested " << drag.Rest << " ms";
        ASSERT_NE(Window(bar), nullptr);
        if (c.Expected == dsTop) EXPECT_EQ(GetParent(Window(bar)->Handle()), Dock(dsTop)->Handle());
        EXPECT_FALSE(manager->Bars()->Moving());
        delete bar;
        olva::win::PumpMessages();
    }
}

TEST_F(DockedToolbarWindowsTest, AFloatingToolbarFollowsTheMouseByWhatItMoved) {
    TovBar* bar = AddToolbar();
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    ASSERT_NE(Window(bar), nullptr);
    SetWindowPos(Window(bar)->Handle(), nullptr, 300, 320, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT before = Window(bar)->ScreenBounds();
    EXPECT_EQ(bar->FloatLeft(), 300) << "a moved floating toolbar keeps its place in its bar";
    EXPECT_EQ(bar->FloatTop(), 320);
    const POINT caption = GripPoint(bar);
    Drag(caption, {POINT{caption.x + 50, caption.y + 30}});
    ASSERT_EQ(bar->DockingStyle(), dsNone);
    const RECT after = Window(bar)->ScreenBounds();
    EXPECT_EQ(after.left - before.left, 50) << "the grab point stays under the mouse";
    EXPECT_EQ(after.top - before.top, 30);
}

TEST_F(DockedToolbarWindowsTest, APictureOfTheWindowsOnTheScreen) {
    // The flat look draws the frames and grips.
    manager->SetStyle(bmsFlat);
    TovBar* first = AddToolbar(3);
    TovBar* second = AddToolbar(4);
    second->ItemLinks()->Items(2)->SetBeginGroup(true);
    TovBar* left = AddToolbar(3);
    left->ChangeDockingStyle(dsLeft, nullptr);
    TovBar* right = AddToolbar(2);
    right->ChangeDockingStyle(dsRight, nullptr);
    TovBar* bottom = AddToolbar(2);
    bottom->ChangeDockingStyle(dsBottom, nullptr);
    TovBar* floating = AddToolbar(5);
    floating->SetCaption("Floating");
    floating->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    RECT frame{};
    GetWindowRect(form->Handle(), &frame);
    SetWindowPos(Window(floating)->Handle(), nullptr, frame.left + 200, frame.top + 200, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    olva::win::PumpMessages();
    ASSERT_TRUE(olva::win::SaveScreenPng(BarPaintingTestOutput("toolbar-windows-screen.png")));
    for (TovBar* bar : {first, second, left, right, bottom, floating})
        EXPECT_TRUE(IsWindowVisible(Window(bar)->Handle()));
    EXPECT_EQ(Dock(dsTop)->DockRowCount(), 2);
}

TEST_F(DockedToolbarWindowsTest, AFloatingToolbarHiddenAndShownAgainKeepsItsPlaceAndWidth) {
    TovBar* bar = AddToolbar(8);
    bar->ChangeDockingStyle(dsNone, nullptr);
    olva::win::PumpMessages();
    TovBarControl* control = Window(bar);
    ASSERT_NE(control, nullptr);
    const RECT start = control->ScreenBounds();
    const int midY = (start.top + start.bottom) / 2;
    // Wider through its left edge, then moved.
    Drag(POINT{start.left + 1, midY}, {POINT{start.left - 120, midY}});
    SetWindowPos(Window(bar)->Handle(), nullptr, 260, 270, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT shaped = Window(bar)->ScreenBounds();
    bar->SetVisible(false);
    EXPECT_EQ(bar->GetControl(), nullptr);
    EXPECT_EQ(bar->FloatLeft(), 260) << "its place was saved before the window went";
    EXPECT_EQ(bar->FloatTop(), 270);
    bar->SetVisible(true);
    olva::win::PumpMessages();
    ASSERT_NE(Window(bar), nullptr);
    const RECT again = Window(bar)->ScreenBounds();
    EXPECT_EQ(again.left, shaped.left);
    EXPECT_EQ(again.top, shaped.top);
    EXPECT_EQ(again.right - again.left, shaped.right - shaped.left) << "the width the user gave it";
    EXPECT_EQ(again.bottom - again.top, shaped.bottom - shaped.top);
}

// A toolbar button whose click (Enter while the toolbar has the keyboard) frees the button, its toolbar or
// the whole manager, docked and floating: the click runs once and nothing touches what it freed (the sanitize
// build runs this under AddressSanitizer).
TEST_F(DockedToolbarWindowsTest, AClickThatFreesTheButtonTheToolbarOrTheManagerIsSurvived) {
    enum class Freed { Button, Toolbar, Manager };
    const struct {
        const char* name;
        Freed freed;
        bool floating;
    } cases[] = {
        {"button, docked", Freed::Button, false},    {"toolbar, docked", Freed::Toolbar, false},
        {"manager, docked", Freed::Manager, false},  {"button, floating", Freed::Button, true},
        {"toolbar, floating", Freed::Toolbar, true}, {"manager, floating", Freed::Manager, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (manager == nullptr) manager = MakeManager();
        TovBar* bar = AddToolbar(2);
        if (c.floating) bar->ChangeDockingStyle(dsNone, nullptr);
        auto* drop = new TovBarButton(form);
        drop->SetCaption("Drop");
        int runs = 0;
        // Freeing the item frees this handler's closure too: everything it needs is copied out first.
        drop->SetOnClick(TNotifyEvent(
            [&](TObject*) {
                const Freed freed = c.freed;
                TovBarButton* button = drop;
                TovBar* toolbar = bar;
                TovBarManager*& owner = manager;
                ++runs;
                if (freed == Freed::Button) {
                    delete button;
                } else if (freed == Freed::Toolbar) {
                    delete toolbar;
                } else {
                    TovBarManager* doomed = owner;
                    owner = nullptr;
                    delete doomed;
                }
            },
            drop));
        bar->ItemLinks()->AddItem(drop);
        olva::win::PumpMessages();
        TovBarControl* control = Window(bar);
        ASSERT_NE(control, nullptr);
        TovBarItemLink* link = bar->ItemLinks()->Items(bar->ItemLinks()->Count() - 1);
        ASSERT_NE(link->Control(), nullptr);
        // The toolbar takes the keyboard on the button and Enter clicks it.
        HWND window = control->Handle();
        control->BarGetFocus(link->Control());
        ::SendMessage(window, WM_KEYDOWN, VK_RETURN, 0);
        olva::win::PumpMessages();
        EXPECT_EQ(runs, 1);
        // Nothing queued runs it again.
        olva::win::PumpMessages();
        EXPECT_EQ(runs, 1);
        if (c.freed == Freed::Button) {
            EXPECT_EQ(bar->ItemLinks()->Count(), 2) << "its link went with it";
            delete bar;
        }
    }
}
