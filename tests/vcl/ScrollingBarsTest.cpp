#include "ControlTestSupport.h"

#include "platform/vcl/ScrollBox.h"

using namespace control_test;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

// A borderless 100x80 scroll box whose one child reaches (190, 220): both bars show, leaving a
// client of 84x64. The vertical bar lies at client x 84..99: arrows at y 0..15 and 48..63, a track
// of 32 pixels with a 9-pixel thumb (page 64 of 220) and 23 pixels of travel for positions 0..156.
class ScrollingBarsTest : public ControlTest {
protected:
    void Build() {
        TForm* form = MakeForm(300, 200);
        Box = new TScrollBox(form);
        Box->SetBorderStyle(bsNone);
        Box->SetBounds(0, 0, 100, 80);
        Box->SetParent(form);
        Far = new TTestEdit(form);
        Far->SetBounds(150, 200, 40, 20);
        Far->SetTabStop(false); // a focused child would be scrolled into view
        Far->SetParent(Box);
        form->Show();
        Process();
    }
    POINT OnBox(int x, int y) { return Box->ClientToScreen(POINT{x, y}); }
    void Drag(POINT from, POINT to) {
        InjectMouse(MouseAction::Move, from.x, from.y);
        InjectMouse(MouseAction::LeftDown, from.x, from.y);
        InjectMouse(MouseAction::Move, to.x, to.y);
        InjectMouse(MouseAction::LeftUp, to.x, to.y);
        Process();
    }
    TScrollBox* Box = nullptr;
    TTestEdit* Far = nullptr;
};

TEST_F(ScrollingBarsTest, TheWindowBarsShowTheRangeTheViewAndThePosition) {
    Build();
    const DWORD style = GetWindowLong(Box->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_EQ(Box->ClientWidth(), 84);
    EXPECT_EQ(Box->ClientHeight(), 64);
    struct Case {
        int bar, max;
        UINT page;
    };
    for (const Case& c : {Case{SB_VERT, 219, 64}, Case{SB_HORZ, 189, 84}}) {
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(Box->Handle(), c.bar, &si));
        EXPECT_EQ(si.nMin, 0);
        EXPECT_EQ(si.nMax, c.max);
        EXPECT_EQ(si.nPage, c.page);
        EXPECT_EQ(si.nPos, 0);
    }
    Box->VertScrollBar()->SetPosition(100);
    EXPECT_EQ(GetScrollPos(Box->Handle(), SB_VERT), 100);
    // A hidden bar gives its space back to the client.
    Box->VertScrollBar()->SetVisible(false);
    EXPECT_FALSE(GetWindowLong(Box->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(Box->ClientWidth(), 100);
    EXPECT_EQ(Far->Top(), 200);
}

TEST_F(ScrollingBarsTest, ClicksOnTheBarScrollTheChildren) {
    Build();
    Box->VertScrollBar()->SetIncrement(10);
    struct Step {
        POINT at;
        int position;
    };
    const Step steps[] = {
        {{90, 55}, 10},                 // the down arrow: one increment
        {{90, 55}, 20}, {{90, 45}, 77}, // the track below the thumb: nine tenths of the view
        {{90, 5}, 67},                  // the up arrow
        {{90, 20}, 10},                 // the track above the thumb
        {{90, 5}, 0},                   // kept at the top
    };
    for (const Step& s : steps) {
        Click(OnBox(s.at.x, s.at.y));
        Process();
        EXPECT_EQ(Box->VertScrollBar()->Position(), s.position) << s.at.y;
        EXPECT_EQ(Far->Top(), 200 - s.position);
        EXPECT_EQ(GetScrollPos(Box->Handle(), SB_VERT), s.position);
    }
}

TEST_F(ScrollingBarsTest, DraggingTheThumbScrollsWithOrWithoutTracking) {
    for (bool tracking : {false, true}) {
        SCOPED_TRACE(tracking);
        Build();
        Box->VertScrollBar()->SetTracking(tracking);
        std::vector<int> whileDragging;
        const TControl::TWndMethod previous = Box->WindowProc;
        Box->WindowProc = TControl::TWndMethod(
            [&](TMessage& Message) {
                previous(Message);
                if (Message.Msg == WM_VSCROLL && LOWORD(Message.WParam) == SB_THUMBTRACK)
                    whileDragging.push_back(Box->VertScrollBar()->Position());
            },
            &whileDragging);
        // 12 pixels of the 23 of travel: position 81 of 156.
        Drag(OnBox(90, 20), OnBox(90, 32));
        EXPECT_EQ(whileDragging, (std::vector<int>{tracking ? 81 : 0}));
        EXPECT_EQ(Box->VertScrollBar()->Position(), 81);
        EXPECT_EQ(Far->Top(), 200 - 81);
        // Past the end of the track: the last position.
        Drag(OnBox(90, 16 + 12 + 4), OnBox(90, 200));
        EXPECT_EQ(Box->VertScrollBar()->Position(), 156);
        EXPECT_EQ(Far->Top() + Far->Height(), Box->ClientHeight());
        Box->Parent()->Free();
    }
}

TEST_F(ScrollingBarsTest, TheWheelScrollsThreeIncrementsANotch) {
    Build();
    ::SetFocus(Box->Handle()); // the wheel goes to the window with the focus
    const POINT inside = OnBox(40, 30);
    InjectMouse(MouseAction::Move, inside.x, inside.y);
    InjectMouse(MouseAction::Wheel, inside.x, inside.y, -WHEEL_DELTA); // one notch towards the user
    Process();
    EXPECT_EQ(Box->VertScrollBar()->Position(), 3 * Box->VertScrollBar()->Increment());
    EXPECT_EQ(GetScrollPos(Box->Handle(), SB_VERT), Box->VertScrollBar()->Position());
}

} // namespace
