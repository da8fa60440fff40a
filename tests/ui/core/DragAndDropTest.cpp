#include "FakePainter.h"
#include "GraphicsTestSupport.h"
#include "UiCoreTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/DragDrop.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/controls/ControlScrollBars.h"
#include "ui/core/controls/DragAndDrop.h"
#include "ui/core/controls/LibraryCursors.h"
#include "ui/core/platform/SystemHooks.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace ui_core_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

class TRecordingDragObject : public TuiDragAndDropObject {
public:
    TRecordingDragObject(TuiControl* AControl, std::vector<std::string>& ALog)
        : TuiDragAndDropObject(AControl), log(ALog) {}
    void BeginDragAndDrop() override { log.push_back("begin"); }
    void DragAndDrop(const TPoint& P, bool& AAccepted) override {
        TuiDragAndDropObject::DragAndDrop(P, AAccepted);
        log.push_back("drag " + std::to_string(P.x));
    }
    void EndDragAndDrop(bool AAccepted) override {
        log.push_back(AAccepted ? "end accepted" : "end refused");
    }
    std::vector<std::string>& log;
};

// Drags start in its left half; it scrolls a content by lines and records the steps.
class TDraggingControl : public TuiControl {
public:
    using TuiControl::TuiControl;
    std::vector<std::string> log;
    std::vector<int> contentScrolls;
    bool StartDragAndDrop(const TPoint& P) override { return P.x < Width() / 2; }
    TuiDragAndDropObject* CreateDragAndDropObject() override { return new TRecordingDragObject(this, log); }
    void InitScrollBarsParameters() override {
        const TRect client = GetClientBounds();
        SetScrollBarInfo(sbHorizontal, 0, wide ? 999 : 10, 1, client.right - client.left, 0, true, true);
        SetScrollBarInfo(sbVertical, 0, 999, 1, client.bottom - client.top, 0, true, true);
    }
    void ScrollContent(int ADirection) override { contentScrolls.push_back(ADirection); }
    bool wide = false;
};

class DragAndDropTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        Clock = clock.get();
        registry = std::make_unique<TFakePaintersRegistry>();
        registry->painters = {&ultraFlat};
        RootLookAndFeel()->Refresh();
        form = TForm::CreateNew(nullptr);
        form->SetBounds(100, 100, 500, 400);
        control = new TDraggingControl(form);
        control->SetBounds(10, 10, 300, 200);
        control->SetParent(form);
        form->Show();
        control->UpdateScrollBars();
        Pump();
    }
    void TearDown() override {
        ovReleaseHook(&LoopHook);
        OnLoopMessage = nullptr;
        form->Free();
        registry.reset();
        UiCoreTest::TearDown();
    }
    TPoint At(int X, int Y) { return control->ClientToScreen(TPoint{X, Y}); }
    void Mouse(MouseAction AAction, int X, int Y) {
        const TPoint p = At(X, Y);
        InjectMouse(AAction, p.x, p.y);
    }
    // Called for every message a loop retrieves: lets time pass inside nested loops.
    static void LoopHook(int ACode, WPARAM, LPARAM ALParam, LRESULT&) {
        if (ACode != HC_ACTION) return;
        const MSG& msg = *reinterpret_cast<MSG*>(ALParam);
        // The scrolling loop starts when the middle button's press is handled: a message waiting for it
        // lets the test act from inside the loop.
        if (msg.message == WM_MBUTTONDOWN) PostMessage(msg.hwnd, WM_NULL, 0, 0);
        if (OnLoopMessage) OnLoopMessage(msg);
    }
    static inline std::function<void(const MSG&)> OnLoopMessage;
    static inline TFakeClock* Clock = nullptr;

    std::unique_ptr<TFakePaintersRegistry> registry;
    TFakePainter ultraFlat{"UltraFlat", lfsUltraFlat};
    TForm* form = nullptr;
    TDraggingControl* control = nullptr;
};

TEST_F(DragAndDropTest, OwnDragDetectsThenDragsAndEndsAcceptedOnMouseUp) {
    Mouse(MouseAction::Move, 50, 50);
    Mouse(MouseAction::LeftDown, 50, 50);
    Pump();
    EXPECT_EQ(control->DragAndDropState(), 1);
    Mouse(MouseAction::Move, 53, 52); // inside the threshold
    Pump();
    EXPECT_EQ(control->DragAndDropState(), 1);
    Mouse(MouseAction::Move, 60, 50);
    Pump();
    EXPECT_EQ(control->DragAndDropState(), 2);
    Mouse(MouseAction::Move, 70, 50);
    Pump();
    Mouse(MouseAction::LeftUp, 70, 50);
    Pump();
    EXPECT_EQ(control->DragAndDropState(), 0);
    EXPECT_EQ(control->log, (std::vector<std::string>{"begin", "drag 60", "drag 70", "end accepted"}));
    // The right half never starts a drag.
    control->log.clear();
    Mouse(MouseAction::LeftDown, 250, 50);
    Mouse(MouseAction::Move, 280, 50);
    Mouse(MouseAction::LeftUp, 280, 50);
    Pump();
    EXPECT_TRUE(control->log.empty());
}

TEST_F(DragAndDropTest, AKeyEndsTheDragRefusedAndRestoresTheCursor) {
    Screen()->SetCursor(crHandPoint);
    Mouse(MouseAction::LeftDown, 50, 50);
    Mouse(MouseAction::Move, 70, 50);
    Pump();
    ASSERT_EQ(control->DragAndDropState(), 2);
    EXPECT_EQ(Screen()->Cursor(), crNoDrop);
    control->Perform(CN_KEYDOWN, 'A', 0);
    EXPECT_EQ(control->DragAndDropState(), 0);
    EXPECT_EQ(control->log.back(), "end refused");
    EXPECT_EQ(Screen()->Cursor(), crHandPoint);
    EXPECT_FALSE(control->MouseCapture());
    Mouse(MouseAction::LeftUp, 70, 50);
    Pump();
    Screen()->SetCursor(crDefault);
    // Cancel mode ends a drag the same way.
    control->log.clear();
    Run(1000);
    Mouse(MouseAction::LeftDown, 50, 50);
    Mouse(MouseAction::Move, 70, 50);
    Pump();
    control->Perform(WM_CANCELMODE, 0, 0);
    EXPECT_EQ(control->log.back(), "end refused");
    Mouse(MouseAction::LeftUp, 70, 50);
    Pump();
}

TEST_F(DragAndDropTest, DetectDragStartAnswersReleasedMovedOrCancelled) {
    HWND wnd = control->Handle();
    struct Case {
        std::function<void()> script;
        int expected;
    };
    const TPoint start = At(100, 100);
    const Case cases[] = {
        {[&] { InjectMouse(MouseAction::LeftUp, start.x + 1, start.y); }, 0},
        {[&] {
             InjectMouse(MouseAction::Move, start.x + 2, start.y + 2),
                 InjectMouse(MouseAction::Move, start.x + 9, start.y);
         },
         1},
        {[&] { InjectKey(VK_ESCAPE, true); }, 2},
    };
    for (const Case& c : cases) {
        c.script();
        EXPECT_EQ(uiDetectDragStart(wnd, start), c.expected);
        EXPECT_EQ(GetCapture(), nullptr);
        Pump();
    }
}

TEST_F(DragAndDropTest, AnAutomaticDragStartsOnlyOnceTheMouseLeavesTheThresholdSquare) {
    control->SetDragMode(dmAutomatic);
    // Released inside the square: no drag, and the control saw its click.
    int downs = 0;
    control->OnMouseDown = TEvent<TObject*, TMouseButton, TShiftState, int, int>(
        [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; }, this);
    Mouse(MouseAction::LeftDown, 200, 50);
    Mouse(MouseAction::LeftUp, 201, 50);
    Pump();
    EXPECT_EQ(downs, 1);
    EXPECT_FALSE(control->Dragging());
    Run(1000);
    Mouse(MouseAction::LeftDown, 200, 50);
    Mouse(MouseAction::Move, 220, 50);
    Pump();
    ASSERT_TRUE(control->Dragging());
    EXPECT_NE(dynamic_cast<TuiDragControlObject*>(DragManager().DragObject()), nullptr);
    control->EndDrag(false);
    Mouse(MouseAction::LeftUp, 220, 50);
    Pump();
    EXPECT_FALSE(control->Dragging());
}

TEST_F(DragAndDropTest, MiddleButtonDirectionsAndSpeeds) {
    const TPoint anchor{500, 500};
    struct Case {
        TPoint p;
        bool horz, vert;
        int direction, speed;
    };
    const Case cases[] = {
        {{510, 505}, true, true, 0, 0},   // inside the 28 x 28 neutral zone
        {{500, 520}, true, true, 4, 2},   // 20 down: (20 - 14) div 5 + 1
        {{500, 300}, true, true, 3, 12},  // far up: at most 12
        {{540, 520}, true, true, 2, 6},   // right wins when it is farther
        {{530, 530}, true, true, 4, 4},   // equal: vertical
        {{460, 500}, true, true, 1, 6},   // left
        {{1500, 500}, false, true, 0, 0}, // no horizontal bar: the zone spans the screen's width
        {{1500, 530}, false, true, 4, 4}, // ... and only vertical directions
        {{500, 900}, true, false, 0, 0},  // no vertical bar: the zone spans the height
    };
    for (const Case& c : cases) {
        const TuiMiddleButtonScrollStep step = uiMiddleButtonScrollStep(anchor, c.p, 28, c.horz, c.vert);
        EXPECT_EQ(step.Direction, c.direction) << c.p.x << "," << c.p.y;
        EXPECT_EQ(step.Speed, c.speed) << c.p.x << "," << c.p.y;
    }
    EXPECT_EQ(uiMiddleButtonScrollCursor(0, true, true), crovFullScroll);
    EXPECT_EQ(uiMiddleButtonScrollCursor(0, true, false), crovHorScroll);
    EXPECT_EQ(uiMiddleButtonScrollCursor(0, false, true), crovVerScroll);
    EXPECT_EQ(uiMiddleButtonScrollCursor(1, true, true), crovLeftScroll);
    EXPECT_EQ(uiMiddleButtonScrollCursor(4, true, true), crovDownScroll);
    for (const char* name : {"UI_VERSCROLLBITMAP", "UI_HORSCROLLBITMAP", "UI_FULLSCROLLBITMAP"}) {
        HBITMAP bitmap = uiCreateScrollAnchorBitmap(name);
        ASSERT_NE(bitmap, nullptr);
        DeleteObject(bitmap);
    }
    EXPECT_EQ(uiCreateScrollAnchorBitmap("UI_OTHER"), nullptr);
}

TEST_F(DragAndDropTest, MiddleButtonScrollingScrollsTowardTheMouseAtItsPeriod) {
    ASSERT_TRUE(control->IsVScrollBarVisible());
    ASSERT_FALSE(control->IsHScrollBarVisible());
    int ticks = 0;
    std::vector<TCursor> cursors;
    HWND anchor = nullptr;
    COLORREF anchorCentre = 0;
    HCURSOR cursorWhileScrolling = nullptr;
    const TPoint centre = At(150, 100);
    OnLoopMessage = [&](const MSG& AMsg) {
        if (AMsg.message == WM_NULL || AMsg.message == WM_MOUSEMOVE ||
            (AMsg.message == WM_TIMER && AMsg.hwnd == nullptr)) {
            if (AMsg.message == WM_TIMER) ++ticks;
            anchor = control->ScrollAnchorWindow();
            // The mouse moves once the anchor stands (injected input moves the cursor at once).
            if (ticks == 1 && AMsg.message == WM_TIMER)
                InjectMouse(MouseAction::Move, centre.x + 300, centre.y + 40); // sideways does not count
            if (ticks == 3) {
                InvalidateRect(anchor, nullptr, TRUE); // the anchor must not repaint itself
            }
            if (ticks == 5) cursorWhileScrolling = GetCursor();
            if (ticks == 14) {
                HDC dc = GetWindowDC(anchor);
                anchorCentre = GetPixel(dc, 14, 14);
                ReleaseDC(anchor, dc);
                InjectKey(VK_ESCAPE, true);
                return;
            }
            Clock->Advance(20);
        }
    };
    ovSetHook(hkGetMessage, &LoopHook);
    InjectMouse(MouseAction::Move, centre.x, centre.y);
    InjectMouse(MouseAction::MiddleDown, centre.x, centre.y);
    Pump();
    EXPECT_EQ(ticks, 14);
    // 40 pixels down gives speed 6, a scroll every 7th tick of 20 ms: twice in 14 ticks, downward.
    EXPECT_EQ(control->contentScrolls, (std::vector<int>{4, 4}));
    EXPECT_EQ(anchorCentre, RGB(0, 0, 0));
    EXPECT_EQ(cursorWhileScrolling, Screen()->Cursors(crovDownScroll));
    EXPECT_FALSE(control->IsMiddleButtonScrolling());
    EXPECT_FALSE(IsWindow(anchor));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragAndDropTest, AMiddleClickKeepsTheModeUntilAnotherButtonWhichTheControlNeverSees) {
    int downs = 0;
    control->OnMouseDown = TEvent<TObject*, TMouseButton, TShiftState, int, int>(
        [&](TObject*, TMouseButton AButton, TShiftState, int, int) {
            if (AButton == mbLeft) ++downs;
        },
        this);
    std::vector<bool> anchorShown;
    std::vector<std::function<void()>> script;
    OnLoopMessage = [&](const MSG& AMsg) {
        if (control->ScrollAnchorWindow() == nullptr) return;
        if (AMsg.message >= WM_MOUSEFIRST && AMsg.message <= WM_MOUSELAST)
            anchorShown.push_back(IsWindowVisible(control->ScrollAnchorWindow()) != FALSE);
        if (AMsg.message == WM_TIMER) return;
        // The rest of the input comes once the anchor stands (injected input moves the cursor at once).
        if (!script.empty()) {
            auto next = script.front();
            script.erase(script.begin());
            next();
        }
    };
    ovSetHook(hkGetMessage, &LoopHook);
    const TPoint centre = At(150, 100);
    InjectMouse(MouseAction::Move, centre.x, centre.y);
    InjectMouse(MouseAction::MiddleDown, centre.x, centre.y);
    InjectMouse(MouseAction::MiddleUp, centre.x, centre.y); // not moved: the mode stays
    script = {[&] {
        InjectMouse(MouseAction::LeftDown, centre.x, centre.y); // ends it, swallowed
        InjectMouse(MouseAction::LeftUp, centre.x, centre.y);
    }};
    Pump();
    EXPECT_EQ(anchorShown, (std::vector<bool>{true, true}));
    EXPECT_EQ(downs, 0);
    EXPECT_FALSE(control->IsMiddleButtonScrolling());
    // Moving out of the neutral zone, then releasing the middle button ends the mode there.
    anchorShown.clear();
    Run(1000);
    InjectMouse(MouseAction::MiddleDown, centre.x, centre.y);
    script = {[&] { InjectMouse(MouseAction::Move, centre.x, centre.y + 60); },
              [&] { InjectMouse(MouseAction::MiddleUp, centre.x, centre.y + 60); }};
    Pump();
    EXPECT_FALSE(control->IsMiddleButtonScrolling());
    EXPECT_EQ(anchorShown, (std::vector<bool>{true, true}));
}

TEST_F(DragAndDropTest, ScreenshotOfTheAnchor) {
    control->wide = true;
    control->UpdateScrollBars();
    Pump();
    ASSERT_TRUE(control->IsHScrollBarVisible());
    const TPoint centre = At(150, 100);
    OnLoopMessage = [&](const MSG& AMsg) {
        if (AMsg.message == WM_MBUTTONUP && control->ScrollAnchorWindow() != nullptr) {
            EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(),
                                                 graphics_test::OutputPath("scroll-anchor-form.png")));
            EXPECT_TRUE(olva::win::SaveWindowPng(control->ScrollAnchorWindow(),
                                                 graphics_test::OutputPath("scroll-anchor.png")));
            InjectKey(VK_ESCAPE, true);
        }
    };
    ovSetHook(hkGetMessage, &LoopHook);
    InjectMouse(MouseAction::Move, centre.x, centre.y);
    InjectMouse(MouseAction::MiddleDown, centre.x, centre.y);
    InjectMouse(MouseAction::MiddleUp, centre.x, centre.y);
    Pump();
    EXPECT_FALSE(control->IsMiddleButtonScrolling());
}

} // namespace
