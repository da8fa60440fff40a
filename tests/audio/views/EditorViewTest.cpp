// The sound editor's view as the application drives it: the position event, the colour numbers, the
// channel switches, markers after edits, vertical zoom of any value, the focus cue, the play position,
// the border and the checks on the view settings.
#include "ViewTestSupport.h"

#include "audio/AudioError.h"
#include "audio/views/FrequencyTimeView.h"
#include "audio/views/WavePainter.h"
#include "platform/vcl/Panel.h"

#include <climits>

namespace editor_view_test {

using namespace view_test;
using TColors = TAudioEditor2Colors;

// A stereo document whose left channel runs up and down between +0.25 and +0.75 (RMS 0.52) every 16
// frames and whose right channel is silent, so that every pixel of a lane is predictable: above 0.75
// the background, from 0.52 to 0.75 the wave, from 0.25 to 0.52 its RMS core, the zero line below.
std::vector<float> Steady(std::int64_t frames) {
    std::vector<float> v(std::size_t(frames) * 2, 0.0f);
    for (std::int64_t i = 0; i < frames; ++i)
        v[std::size_t(i) * 2] = 0.25f + 0.5f * float(std::abs(i % 16 - 8)) / 8.0f;
    return v;
}

class EditorView : public EditorViewTest {
protected:
    void SetUp() override {
        EditorViewTest::SetUp();
        Load(Steady(80000), 2, 8000);
        positionEvents = 0;
    }
    TAudioEditor2Position& Pos() { return editor->Position(); }
    TColor Colour(int number) { return editor->Colors().GetColor(number); }
    // The dotted grid sets every fourth pixel from a lane's corner; points two pixels off that grid
    // show what lies under it.
    static int OffGrid(int origin, int v) { return v - ((v - origin) % 4 + 4) % 4 + 2; }
    int Row(double value, int lane = 0) {
        const RECT r = Layout().LaneList.at(std::size_t(lane)).Rect;
        return OffGrid(r.top, LaneRow(r, value, Surface()->Amplitude()));
    }
    int Col(std::int64_t frame) { return OffGrid(Layout().Wave.left, XOf(frame)); }
    int WaveRow() { return Row(0.65); }
    int EmptyRow() { return Row(0.88); }
    void Select(std::int64_t a, std::int64_t b) {
        Pos().SetSelectionStart(a);
        Pos().SetSelectionEnd(b);
        Pos().SetSelection(-1);
    }
};

TEST_F(EditorView, PositionCallsReportAtOnceAndOnlyRealChanges) {
    Pos().SetCursor(1000);
    EXPECT_EQ(positionEvents, 1);
    Pos().SetCursor(1000);
    EXPECT_EQ(positionEvents, 1) << "the same cursor again is no change";
    Pos().SetSelectionEnd(5000);
    EXPECT_EQ(positionEvents, 1) << "the hidden end of a switched-off selection shows nowhere";
    Pos().SetSelection(-1);
    EXPECT_EQ(positionEvents, 2);
    Pos().SetSelectionStart(1000);
    EXPECT_EQ(positionEvents, 3);
    Pos().SetViewStart(100);
    EXPECT_EQ(positionEvents, 3) << "the view is not a position";
    // An operation reports once, when it is done, with its results in place.
    std::int64_t lengthSeen = -1;
    editor->OnChangePosition = [&] {
        ++positionEvents;
        lengthSeen = Pos().GetLength();
    };
    editor->DeleteSelection();
    EXPECT_EQ(positionEvents, 4);
    EXPECT_EQ(lengthSeen, 76000);
    editor->Undo();
    EXPECT_EQ(positionEvents, 5);
    EXPECT_EQ(lengthSeen, 80000);
    editor->Close();
    EXPECT_EQ(positionEvents, 6);
    EXPECT_EQ(lengthSeen, 0);
}

TEST_F(EditorView, AHandlerThatMovesThePositionIsReportedAgainWithoutLooping) {
    int calls = 0;
    editor->OnChangePosition = [&] {
        ++calls;
        if (Pos().GetPosition() % 2 == 1) Pos().SetCursor(Pos().GetPosition() + 1); // to the even frame
    };
    Pos().SetCursor(4001);
    EXPECT_EQ(Pos().GetPosition(), 4002);
    EXPECT_EQ(calls, 2);
}

TEST_F(EditorView, EachColourNumberPaintsItsPartInBothWorkplaces) {
    Select(40000, 56000);
    editor->Markers().Add(24000, 0, "B", "Bookmark");
    editor->Markers().Add(64000, 8000, "R", "Region");
    for (bool dark : {true, false}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        if (dark)
            ApplyDarkWorkplace(*editor);
        else
            ApplyLightWorkplace(*editor);
        const TWaveLayout layout = Layout();
        const int outside = Col(16000), inside = Col(48000);
        EXPECT_EQ(SurfaceColor(outside, EmptyRow()), Colour(TColors::Background));
        EXPECT_EQ(SurfaceColor(inside, EmptyRow()), Colour(TColors::SelectionBackground));
        EXPECT_EQ(SurfaceColor(outside, WaveRow()), Colour(TColors::Wave));
        EXPECT_EQ(SurfaceColor(inside, WaveRow()), Colour(TColors::SelectedWave));
        EXPECT_EQ(SurfaceColor(outside, layout.LaneList[1].Rect.top - 1), Colour(TColors::Separator));
        const RECT left = layout.LaneList[0].Rect;
        EXPECT_EQ(SurfaceColor(outside, LaneRow(left, 0, 1)), Colour(TColors::ZeroLine));
        EXPECT_EQ(SurfaceColor(XOf(40000), EmptyRow()), Colour(TColors::Cursor))
            << "at the selection's start";
        EXPECT_EQ(SurfaceColor(outside, layout.Markers.top + 1), Colour(TColors::MarkerBarBackground));
        EXPECT_EQ(SurfaceColor(layout.Amplitude.left + 1, layout.Amplitude.bottom - 2),
                  Colour(TColors::ScaleBackground));
        EXPECT_EQ(SurfaceColor(XOf(24000), layout.Markers.top + 2), Colour(TColors::Bookmark));
        EXPECT_EQ(SurfaceColor(XOf(24000), EmptyRow()), Colour(TColors::Bookmark)) << "the dotted line";
        EXPECT_EQ(SurfaceColor(XOf(64000), layout.Markers.top + 2), Colour(TColors::RegionFlag));
        EXPECT_EQ(SurfaceColor(XOf(70000), layout.Markers.bottom - 1), Colour(TColors::RegionBand));
    }
    editor->Close();
    Pump();
    EXPECT_EQ(SurfaceColor(100, 100), Colour(TColors::NoDocument));
}

TEST_F(EditorView, ThePlayPositionShowsWhilePlayingOrPaused) {
    const int x = XOf(60000);
    for (int state : {1, 5, 0}) {
        editor->SetPlayState(state);
        editor->SetPlayPosition(60000);
        editor->Redraw();
        if (state == 0) {
            EXPECT_NE(SurfaceColor(x, EmptyRow()), Colour(TColors::PlayPosition));
        } else {
            EXPECT_EQ(SurfaceColor(x, EmptyRow()), Colour(TColors::PlayPosition)) << state;
        }
    }
}

TEST_F(EditorView, ChannelSwitchesChooseTheLanes) {
    struct TCase {
        int Left, Right;
        std::vector<int> Lanes;
    } cases[] = {{1, 1, {0, 1}}, {1, 0, {0}}, {0, 1, {1}}, {0, 0, {}}};
    for (const TCase& c : cases) {
        editor->Channel().SetChannel(1, c.Left);
        editor->Channel().SetChannel(2, c.Right);
        const TWaveLayout layout = Layout();
        std::vector<int> lanes;
        for (const TWaveLane& lane : layout.LaneList)
            lanes.push_back(lane.Channel);
        EXPECT_EQ(lanes, c.Lanes) << c.Left << c.Right;
        if (lanes.size() == 1) {
            EXPECT_EQ(layout.LaneList[0].Rect.top, layout.Wave.top);
            EXPECT_EQ(layout.LaneList[0].Rect.bottom, layout.Wave.bottom)
                << "one lane takes the whole height";
        }
    }
    // The right lane alone shows the silent channel: no wave where the left one has it.
    editor->Channel().SetChannel(2, 1);
    EXPECT_EQ(SurfaceColor(Col(8000), WaveRow()), Colour(TColors::Background));
    editor->Channel().SetChannel(1, 1);
    editor->Channel().SetChannel(2, 0);
    EXPECT_EQ(SurfaceColor(Col(8000), WaveRow()), Colour(TColors::Wave));
    // A mono document shows its one channel whatever the switches say.
    editor->Channel().SetChannel(1, 0);
    std::vector<float> mono = Steady(80000);
    for (std::size_t i = 0; i < 80000; ++i)
        mono[i] = mono[i * 2];
    mono.resize(80000);
    Load(mono, 1, 8000);
    ASSERT_EQ(Layout().LaneList.size(), 1u);
    EXPECT_EQ(SurfaceColor(Col(4000), WaveRow()), Colour(TColors::Wave));
}

TEST_F(EditorView, MarkersFollowTheirPlaceAfterEdits) {
    editor->Markers().Add(48000, 0, "After the cut", "Bookmark");
    const int before = XOf(48000);
    EXPECT_EQ(SurfaceColor(before, Layout().Markers.top + 1), Colour(TColors::Bookmark));
    Select(8000, 24000);
    editor->DeleteSelection();
    Pump();
    const int after = XOf(32000);
    EXPECT_LT(after, before - 50);
    const TWaveLayout layout = Layout();
    EXPECT_EQ(SurfaceColor(after, layout.Markers.top + 1), Colour(TColors::Bookmark));
    EXPECT_EQ(SurfaceColor(before, layout.Markers.top + 1), Colour(TColors::MarkerBarBackground));
    editor->Undo();
    Pump();
    EXPECT_EQ(SurfaceColor(before, Layout().Markers.top + 1), Colour(TColors::Bookmark));
    // A deleted marker goes from the bar.
    editor->Markers().SetCurrent(1);
    editor->Markers().DeleteCurrent();
    Pump();
    EXPECT_EQ(SurfaceColor(before, Layout().Markers.top + 1), Colour(TColors::MarkerBarBackground));
}

TEST_F(EditorView, AnyVerticalZoomIsDrawnWithinASaneRange) {
    struct TCase {
        int Percent;
        double Amplitude;
    } cases[] = {{INT_MIN, 0.05}, {-100, 0.05}, {0, 0.05},    {1, 0.05},      {5, 0.05},
                 {80, 0.8},       {100, 1.0},   {1000, 10.0}, {100000, 10.0}, {INT_MAX, 10.0}};
    for (const TCase& c : cases) {
        editor->VerticalZoom(c.Percent);
        EXPECT_EQ(editor->VerticalZoomPercent(), c.Percent) << "the editor keeps what it was given";
        EXPECT_DOUBLE_EQ(Surface()->Amplitude(), c.Amplitude) << c.Percent;
        // The wave is drawn where the zoom puts +0.5 (at the lane's top edge when zoomed in past it).
        const RECT lane = Layout().LaneList[0].Rect;
        EXPECT_NE(SurfaceColor(Col(8000), LaneRow(lane, 0.5, c.Amplitude)), Colour(TColors::Background))
            << c.Percent;
        EXPECT_EQ(SurfaceColor(Col(8000), LaneRow(lane, -0.5, c.Amplitude)), Colour(TColors::Background))
            << c.Percent;
    }
}

TEST_F(EditorView, TheFocusCueShowsWhileTheViewHasTheFocus) {
    auto* other = new TPanel(form);
    other->SetBounds(0, 420, 40, 20);
    other->SetParent(form);
    other->SetTabStop(true);
    editor->SetFocus();
    Pump();
    EXPECT_TRUE(editor->Focused());
    const TWaveLayout layout = Layout();
    const int x = XOf(12000) & ~1; // on the dotted frame's grid
    const int y = (layout.Wave.top + layout.Wave.bottom) / 2 & ~1;
    EXPECT_EQ(SurfaceColor(layout.Wave.right - 1, y), Colour(TColors::FocusCue));
    EXPECT_EQ(SurfaceColor(x, layout.Wave.top), Colour(TColors::FocusCue));
    other->SetFocus();
    Pump();
    EXPECT_FALSE(editor->Focused());
    EXPECT_NE(SurfaceColor(layout.Wave.right - 1, y), Colour(TColors::FocusCue));
}

TEST_F(EditorView, TheBorderFramesTheSurface) {
    const int widths[] = {0, 1, 2, 2, 1};
    for (int type = 0; type <= 4; ++type) {
        editor->SetTypeBorder(type);
        EXPECT_EQ(editor->TypeBorder(), type);
        EXPECT_EQ(Surface()->Left(), widths[type]);
        EXPECT_EQ(Surface()->Top(), widths[type]);
        EXPECT_EQ(Surface()->Width(), editor->Width() - 2 * widths[type]);
    }
}

TEST_F(EditorView, UnknownViewSettingsAreRefused) {
    EXPECT_THROW(editor->SetTypeBorder(5), EAudioError);
    EXPECT_THROW(editor->SetTypeBorder(-1), EAudioError);
    EXPECT_THROW(editor->SetTypeView(2), EAudioError);
    EXPECT_THROW(editor->Colors().SetColor(0, clRed), EAudioError);
    EXPECT_THROW(editor->Colors().GetColor(18), EAudioError);
    EXPECT_THROW(editor->ScaleX().SetFormat(3), EAudioError);
    EXPECT_THROW(editor->ScaleY().SetFormat(0), EAudioError);
    editor->ScaleY().SetFormat(3);
    EXPECT_EQ(editor->ScaleY().GetFormat(), 3);
    editor->ScaleX().SetVisible(-1);
    EXPECT_TRUE(editor->ScaleX().GetVisible());
    editor->ScaleX().SetSize(-5);
    EXPECT_EQ(editor->ScaleX().GetSize(), 0) << "automatic";
    editor->ScaleX().SetSize(100000);
    EXPECT_EQ(editor->ScaleX().GetSize(), 200);
    EXPECT_EQ(Layout().Time.bottom - Layout().Time.top, std::min<int>(200, Layout().Client.bottom / 4));
}

TEST_F(EditorView, TheSpectralViewShowsATonesFrequency) {
    Load(Sine(8000, 1, 1000, 0.5, 80000), 1, 8000);
    editor->SetTypeView(1);
    const RECT lane = Layout().LaneList[0].Rect;
    const int height = lane.bottom - lane.top;
    const int x = XOf(40000);
    // 1 kHz of 4 kHz lies a quarter of the way up.
    const int toneRow = lane.bottom - 1 - (height - 1) / 4;
    const int quietRow = lane.bottom - 1 - (height - 1) * 3 / 4;
    auto brightness = [&](int y) {
        const TColor c = SurfaceColor(x, y);
        return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF);
    };
    EXPECT_GT(brightness(toneRow), 500);
    EXPECT_LT(brightness(quietRow), 150);
}

TEST_F(EditorView, GetSamplesGivesWholeWindowsPaddedWithSilence) {
    Pos().SetCursor(79900);
    const std::vector<float> block = editor->GetSamples(256);
    ASSERT_EQ(block.size(), 512u);
    const std::vector<float> document = Steady(80000);
    EXPECT_FLOAT_EQ(block[0], document[79900 * 2]);
    EXPECT_FLOAT_EQ(block[99 * 2], document[79999 * 2]);
    EXPECT_FLOAT_EQ(block[100 * 2], 0.0f) << "past the end: silence";
    EXPECT_FLOAT_EQ(block[255 * 2], 0.0f);
    EXPECT_TRUE(editor->GetSamples(0).empty());
    EXPECT_TRUE(editor->GetSamples(-3).empty());
    EXPECT_THROW(editor->GetSamples(std::int64_t(1) << 40), EAudioError);
    // While playing, the block at the play position.
    Load(Sine(8000, 1, 1000, 0.5, 80000), 1, 8000);
    editor->SetPlayState(1);
    editor->SetPlayPosition(2);
    EXPECT_FLOAT_EQ(editor->GetSamples(1)[0], 0.5f) << "sin(2 * pi * 1000 * 2 / 8000)";
    editor->SetPlayState(0);
    EXPECT_FLOAT_EQ(editor->GetSamples(1)[0], 0.0f) << "stopped: from the cursor at 0";
}

} // namespace editor_view_test
