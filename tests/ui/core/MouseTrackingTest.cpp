#include "FakePainter.h"
#include "UiCoreTestSupport.h"

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/core/controls/MouseTracking.h"

using namespace ui_core_test;

namespace {

class MouseTrackingTest : public UiCoreTest {};

struct TCaller : IuiMouseTrackingCaller {
    void MouseLeave() override { ++left; }
    int left = 0;
};

struct TAreaCaller : IuiMouseTrackingAreaCaller {
    void MouseLeave() override { ++left; }
    bool PtInCaller(const TPoint& P) override {
        asked = P;
        return P.x < 20;
    }
    int left = 0;
    TPoint asked{};
};

class TLeaveCounter : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int leaves = 0;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == CM_MOUSELEAVE && Message.LParam == reinterpret_cast<LPARAM>(this)) ++leaves;
        TCustomControl::WndProc(Message);
    }
};

TEST_F(MouseTrackingTest, ARectangleIsLeftOnceAndTheSameCallerKeepsOneTimer) {
    TCaller caller;
    SetCursorPos(50, 50);
    uiBeginMouseTracking(nullptr, TRect{40, 40, 60, 60}, &caller);
    uiBeginMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller);
    EXPECT_EQ(uiMouseTrackingCount(), 1);
    EXPECT_TRUE(IsMouseTracking(&caller));
    Run(30);
    EXPECT_EQ(caller.left, 0);
    SetCursorPos(70, 50);
    Run(9);
    EXPECT_EQ(caller.left, 0);
    Run(1);
    EXPECT_EQ(caller.left, 1);
    EXPECT_FALSE(IsMouseTracking(&caller));
    Run(50);
    EXPECT_EQ(caller.left, 1);
}

TEST_F(MouseTrackingTest, AControlsWindowIsLeftWhenAnotherWindowIsUnderTheCursor) {
    TForm* form = TForm::CreateNew(nullptr);
    form->SetBounds(100, 100, 300, 200);
    auto* control = new TLeaveCounter(form);
    control->SetBounds(10, 10, 100, 50);
    control->SetParent(form);
    form->Show();
    Pump();
    TAreaCaller caller;
    const TPoint origin = control->ClientToScreen(TPoint{0, 0});
    SetCursorPos(origin.x + 5, origin.y + 5);
    uiBeginMouseTracking(control, TRect{0, 0, 20, 20}, &caller);
    Run(20);
    EXPECT_EQ(caller.asked, (TPoint{5, 5})); // client coordinates
    EXPECT_EQ(caller.left, 0);
    // Still over the control but outside the caller's own area.
    SetCursorPos(origin.x + 40, origin.y + 5);
    Run(10);
    EXPECT_EQ(caller.left, 1);
    EXPECT_EQ(control->leaves, 0); // the cursor is still in the control's client area

    // Off the control: the control hears CM_MOUSELEAVE too.
    SetCursorPos(origin.x + 5, origin.y + 5);
    uiBeginMouseTracking(control, TRect{0, 0, 20, 20}, &caller);
    SetCursorPos(origin.x + 150, origin.y + 5);
    Run(10);
    EXPECT_EQ(caller.left, 2);
    EXPECT_EQ(control->leaves, 1);

    // Holding the capture keeps the mouse "inside" the window for a plain caller.
    TCaller plain;
    SetCursorPos(origin.x + 5, origin.y + 5);
    uiBeginMouseTracking(control, TRect{0, 0, 100, 50}, &plain);
    SetCapture(control->Handle());
    SetCursorPos(origin.x + 50, origin.y + 20);
    Run(10);
    EXPECT_EQ(plain.left, 0);
    // Disabling the control ends the tracking at once.
    control->SetEnabled(false);
    Run(10);
    EXPECT_EQ(plain.left, 1);
    ReleaseCapture();
    form->Free();
}

TEST_F(MouseTrackingTest, TrackersStillRunningAtTheEndAreFreedSilently) {
    TCaller caller;
    SetCursorPos(5, 5);
    uiBeginMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller);
    uiCoreFinalize();
    EXPECT_EQ(uiMouseTrackingCount(), 0);
    EXPECT_FALSE(IsMouseTracking(&caller));
    uiBeginMouseTracking(nullptr, TRect{0, 0, 10, 10}, &caller); // after the end: nothing
    EXPECT_EQ(uiMouseTrackingCount(), 0);
    EXPECT_EQ(caller.left, 0);
}

// ---- Fading slot

class THelper : public TovFadingObjectHelper {};

TEST_F(MouseTrackingTest, FadingHelpersAskTheInstalledFaderAndNothingFadesWithout) {
    {
        THelper helper;
        helper.StartFadingOnStateChange(cxbsNormal, cxbsHot);
        EXPECT_FALSE(helper.DrawImage(nullptr, TRect{0, 0, 5, 5}));
    }
    TFakeFader fader;
    {
        THelper helper;
        struct Case {
            TuiPainterButtonState from, to;
            const char* call; // null: nothing asked
        };
        const Case cases[] = {{cxbsNormal, cxbsHot, "in"},          {cxbsHot, cxbsNormal, "out"},
                              {cxbsHot, cxbsPressed, "remove"},     {cxbsPressed, cxbsHot, "remove"},
                              {cxbsNormal, cxbsDisabled, "remove"}, {cxbsHot, cxbsHot, nullptr}};
        for (const Case& c : cases) {
            fader.calls.clear();
            helper.StartFadingOnStateChange(c.from, c.to);
            if (c.call == nullptr)
                EXPECT_TRUE(fader.calls.empty());
            else
                EXPECT_EQ(fader.calls, std::vector<std::string>{c.call});
        }
        fader.calls.clear();
        helper.FadeIn();
        fader.drawsFrames = true;
        EXPECT_TRUE(helper.DrawImage(nullptr, TRect{0, 0, 5, 5}));
    }
    EXPECT_EQ(fader.calls.back(), "remove-destroying");
}

} // namespace
