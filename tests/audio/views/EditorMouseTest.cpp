// The sound editor under the mouse, through the window system's real input path: clicks, drags with
// automatic scrolling, shift-clicks, double clicks past the application's filter, buttons, the wheel,
// the scales and drags of other controls over it.
#include "ViewTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/DragDrop.h"
#include "platform/vcl/Panel.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"

#include <cstdlib>

namespace editor_mouse_test {

using namespace view_test;

class EditorMouse : public EditorViewTest {
protected:
    void SetUp() override {
        EditorViewTest::SetUp();
        Load(TestSong(8000, 8.0), 2, 8000);
        positionEvents = 0;
    }
    TAudioEditor2Position& Pos() { return editor->Position(); }
    std::int64_t Tolerance() { return std::int64_t(Mapping().FramesPerPixel()) + 1; }
};

TEST_F(EditorMouse, AClickSetsTheCursorUnderThePointerAndReportsItAtOnce) {
    const int x = XOf(20000);
    MouseDown(Surface(), x, LaneY());
    EXPECT_EQ(positionEvents, 1) << "reported while the button is still down";
    MouseUp(Surface(), x, LaneY());
    EXPECT_NEAR(double(Pos().GetPosition()), 20000.0, double(Tolerance()));
    EXPECT_EQ(Pos().GetSelectionStart(), Pos().GetSelectionEnd()) << "a click selects nothing";
    EXPECT_TRUE(editor->Focused()) << "the click takes the keyboard focus";
    // A click at the same place again changes nothing and reports nothing.
    Advance(1000);
    Click(Surface(), x, LaneY());
    EXPECT_EQ(positionEvents, 1);
}

TEST_F(EditorMouse, ADragSelectsEitherWayAndReportsEveryStep) {
    const int a = XOf(16000), b = XOf(40000);
    MouseDown(Surface(), b, LaneY());
    MouseMoveTo(Surface(), (a + b) / 2, LaneY());
    const int afterFirstMove = positionEvents;
    EXPECT_GE(afterFirstMove, 2);
    MouseMoveTo(Surface(), a, LaneY(1));
    EXPECT_GT(positionEvents, afterFirstMove);
    MouseUp(Surface(), a, LaneY(1));
    EXPECT_NEAR(double(Pos().GetSelectionStart()), 16000.0, double(Tolerance()));
    EXPECT_NEAR(double(Pos().GetSelectionEnd()), 40000.0, double(Tolerance()));
    // The cursor goes with the selection's start.
    EXPECT_EQ(Pos().GetPosition(), Pos().GetSelectionStart());
}

TEST_F(EditorMouse, DraggingPastAnEdgeScrollsAndExtendsTheSelection) {
    editor->ZoomToRange(8000, 16000);
    Pump();
    const TWaveLayout layout = Layout();
    MouseDown(Surface(), XOf(10000), LaneY());
    MouseMoveTo(Surface(), layout.Wave.right + 30, LaneY());
    const std::int64_t viewEnd = Pos().GetViewEnd();
    EXPECT_EQ(Pos().GetSelectionEnd(), viewEnd) << "the selection reaches the edge at once";
    for (int tick = 0; tick < 3; ++tick)
        Advance(TAudioEditorSurface::AutoScrollMs);
    EXPECT_GT(Pos().GetViewStart(), 8000) << "the view scrolls while the pointer stays past the edge";
    EXPECT_EQ(Pos().GetViewEnd() - Pos().GetViewStart(), 8000) << "scrolling keeps the zoom";
    EXPECT_EQ(Pos().GetSelectionEnd(), Pos().GetViewEnd());
    EXPECT_NEAR(double(Pos().GetSelectionStart()), 10000.0, double(Tolerance()));
    MouseUp(Surface(), layout.Wave.right + 30, LaneY());
    const std::int64_t stopped = Pos().GetViewStart();
    for (int tick = 0; tick < 5; ++tick)
        Advance(TAudioEditorSurface::AutoScrollMs);
    EXPECT_EQ(Pos().GetViewStart(), stopped) << "releasing the button stops the scrolling";

    // Past the left edge it scrolls back, never before the start.
    MouseDown(Surface(), XOf(Pos().GetViewStart() + 4000), LaneY());
    MouseMoveTo(Surface(), layout.Wave.left - 40, LaneY());
    for (int tick = 0; tick < 60; ++tick)
        Advance(TAudioEditorSurface::AutoScrollMs);
    MouseUp(Surface(), layout.Wave.left - 40, LaneY());
    EXPECT_EQ(Pos().GetViewStart(), 0);
    EXPECT_EQ(Pos().GetSelectionStart(), 0);
}

TEST_F(EditorMouse, AShiftClickExtendsFromTheFartherEnd) {
    struct TCase {
        std::int64_t SelStart, SelEnd; // none when equal: the cursor is at SelStart
        std::int64_t Click;
        std::int64_t ExpectStart, ExpectEnd;
    } cases[] = {
        {8000, 8000, 24000, 8000, 24000},    // from the cursor forwards
        {24000, 24000, 8000, 8000, 24000},   // from the cursor backwards
        {16000, 32000, 48000, 16000, 48000}, // past the end moves the end
        {16000, 32000, 4000, 4000, 32000},   // before the start moves the start
        {16000, 32000, 20000, 20000, 32000}, // inside, nearer the start, moves the start
        {16000, 32000, 30000, 16000, 30000}, // inside, nearer the end, moves the end
    };
    for (const TCase& c : cases) {
        Pos().SetSelection(0);
        Pos().SetCursor(c.SelStart);
        if (c.SelEnd != c.SelStart) {
            Pos().SetSelectionStart(c.SelStart);
            Pos().SetSelectionEnd(c.SelEnd);
            Pos().SetSelection(-1);
        }
        // Pixel positions are exact frames only to a pixel's worth.
        const std::int64_t clicked = Mapping().PositionAt(XOf(c.Click));
        ClickWith(VK_SHIFT, XOf(c.Click), LaneY());
        const std::int64_t start = c.ExpectStart == c.Click ? clicked : c.ExpectStart;
        const std::int64_t end = c.ExpectEnd == c.Click ? clicked : c.ExpectEnd;
        EXPECT_EQ(Pos().GetSelectionStart(), start) << c.SelStart << "-" << c.SelEnd << " click " << c.Click;
        EXPECT_EQ(Pos().GetSelectionEnd(), end) << c.SelStart << "-" << c.SelEnd << " click " << c.Click;
    }
}

TEST_F(EditorMouse, ADoubleClickReachesOnDblClickPastTheApplicationsFilter) {
    // The application keeps double clicks away from the editor's own window.
    int filtered = 0;
    Application()->OnMessage = TMessageEvent(
        [&](MSG& Msg, bool& Handled) {
            if (Msg.message == WM_LBUTTONDBLCLK && Msg.hwnd == editor->Handle()) {
                Handled = true;
                ++filtered;
            }
        },
        this);
    int doubleClicks = 0;
    editor->OnDblClick = TNotifyEvent(
        [&](TObject* Sender) {
            EXPECT_EQ(Sender, editor);
            ++doubleClicks;
            // What the application does: select everything.
            Pos().SetSelection(-1);
            Pos().SetSelectionStart(0);
            Pos().SetSelectionEnd(Pos().GetLength());
        },
        this);
    DoubleClick(Surface(), XOf(30000), LaneY());
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(filtered, 0) << "the surface, not the editor's window, received it";
    // The second press of the double click leaves the application's selection alone.
    EXPECT_EQ(Pos().GetSelectionStart(), 0);
    EXPECT_EQ(Pos().GetSelectionEnd(), Pos().GetLength());

    // On the editor's own window (its frame) the filter holds.
    editor->SetTypeBorder(3);
    Pump();
    DoubleClick(editor, 0, 0);
    EXPECT_EQ(filtered, 1);
    EXPECT_EQ(doubleClicks, 1);
    Application()->OnMessage = nullptr;
}

TEST_F(EditorMouse, ButtonsReleasedOverTheLanesRaiseOnMouseUpInEditorCoordinates) {
    std::vector<std::tuple<TMouseButton, int, int>> ups;
    editor->OnMouseUp = TMouseEvent(
        [&](TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
            EXPECT_EQ(Sender, editor);
            ups.emplace_back(Button, X, Y);
        },
        this);
    editor->SetTypeBorder(3); // the surface then sits 2 pixels into the editor
    Pump();
    const int x = XOf(30000), y = LaneY();
    const POINT p = Surface()->ClientToScreen(POINT{x, y});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::RightDown, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::RightUp, p.x, p.y);
    Pump();
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(std::get<0>(ups[0]), mbRight);
    EXPECT_EQ(std::get<1>(ups[0]), x + 2);
    EXPECT_EQ(std::get<2>(ups[0]), y + 2);
    EXPECT_EQ(positionEvents, 0) << "the right button leaves the cursor alone";
}

TEST_F(EditorMouse, ClicksOnTheScalesRaiseTheirEventsOnly) {
    int xClicks = 0, yClicks = 0, ups = 0;
    editor->OnScaleXClick = [&] { ++xClicks; };
    editor->OnScaleYClick = [&] { ++yClicks; };
    editor->OnMouseUp = TMouseEvent([&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; }, this);
    const TWaveLayout layout = Layout();
    Click(Surface(), (layout.Time.left + layout.Time.right) / 2, (layout.Time.top + layout.Time.bottom) / 2);
    EXPECT_EQ(xClicks, 1);
    Click(Surface(), (layout.Amplitude.left + layout.Amplitude.right) / 2, LaneY());
    EXPECT_EQ(yClicks, 1);
    // A right click on a scale is a scale click too, not the lanes' menu.
    const POINT p = Surface()->ClientToScreen(POINT{layout.Amplitude.left + 2, LaneY(1)});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::RightDown, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::RightUp, p.x, p.y);
    Pump();
    EXPECT_EQ(yClicks, 2);
    EXPECT_EQ(ups, 0);
    EXPECT_EQ(positionEvents, 0) << "a scale click does not move the cursor";
    // A hidden scale gives its room to the lanes and raises nothing.
    editor->ScaleX().SetVisible(0);
    EXPECT_EQ(Layout().Time.bottom - Layout().Time.top, 0);
    EXPECT_EQ(Layout().Wave.bottom, Layout().Client.bottom);
}

TEST_F(EditorMouse, TheWheelScrollsAndWithCtrlZoomsAroundThePointer) {
    editor->ZoomToRange(16000, 32000);
    Pump();
    Click(Surface(), XOf(20000), LaneY()); // the wheel goes to the focused window
    positionEvents = 0;
    Wheel(Surface(), XOf(20000), LaneY(), -120);
    EXPECT_EQ(Pos().GetViewStart(), 17600) << "a tenth of the view towards the end";
    EXPECT_EQ(Pos().GetViewEnd(), 33600);
    Wheel(Surface(), XOf(20000), LaneY(), 240);
    EXPECT_EQ(Pos().GetViewStart(), 14400);

    // Ctrl: half the span a notch, the frame under the pointer staying under it.
    const int x = XOf(20000);
    const std::int64_t under = Mapping().PositionAt(x);
    WheelWith(VK_CONTROL, x, LaneY(), 120);
    EXPECT_EQ(Pos().GetViewEnd() - Pos().GetViewStart(), 8000);
    EXPECT_NEAR(double(Mapping().PositionAt(x)), double(under), 1.0);
    WheelWith(VK_CONTROL, x, LaneY(), -360);
    EXPECT_EQ(Pos().GetViewEnd() - Pos().GetViewStart(), 64000) << "the whole document at most";
    EXPECT_EQ(Pos().GetViewStart(), 0);
    // Zooming in stops at a few dozen pixels a frame.
    for (int i = 0; i < 30; ++i)
        WheelWith(VK_CONTROL, x, LaneY(), 120);
    EXPECT_GE(Pos().GetViewEnd() - Pos().GetViewStart(),
              Layout().WaveWidth() / TAudioEditorSurface::MaxPixelsPerFrame);
    EXPECT_EQ(positionEvents, 0) << "scrolling and zooming move no position";
}

TEST_F(EditorMouse, DragsOfOtherControlsOverTheLanesAreOfferedToOnDragOver) {
    auto* source = new TPanel(form);
    source->SetBounds(0, 420, 40, 20);
    source->SetParent(form);
    source->SetDragMode(dmAutomatic);
    int offers = 0;
    editor->OnDragOver = TDragOverEvent(
        [&](TObject* Sender, TObject* Source, int, int, TDragState, bool& Accept) {
            EXPECT_EQ(Sender, editor);
            EXPECT_EQ(Source, source);
            ++offers;
            Accept = true;
        },
        this);
    MouseDown(source, 5, 5);
    MouseMoveTo(Surface(), XOf(8000), LaneY());
    MouseMoveTo(Surface(), XOf(9000), LaneY());
    EXPECT_GE(offers, 1);
    MouseUp(Surface(), XOf(9000), LaneY());
}

} // namespace editor_mouse_test
