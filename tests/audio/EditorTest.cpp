// The editor's commands as the main window drives them: selection rules, clipboard, group edits,
// silence, mixing, markers, and the end event after every operation, also a failed one.
#include "audio/AudioClipboard.h"
#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace editor_test {

std::vector<float> Ramp(std::int64_t frames, int channels, float base = 0) {
    std::vector<float> v(frames * channels);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = base + float(i) * 1e-5f;
    return v;
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        audio_clipboard::Clear();
        Editor.OnEndOperation = [this] { ++Ends; };
        Editor.New(8000, 2);
        Source = Ramp(1000, 2);
        Editor.PutSamples(Source);
    }
    void SelectRange(std::int64_t start, std::int64_t end) {
        Editor.Position().SetSelection(-1);
        Editor.Position().SetSelectionStart(start);
        Editor.Position().SetSelectionEnd(end);
    }
    std::vector<float> All() { return Editor.Document().ReadInterleaved(0, Editor.Document().Length()); }
    std::vector<float> Slice(std::int64_t from, std::int64_t to) {
        return std::vector<float>(Source.begin() + from * 2, Source.begin() + to * 2);
    }
    TAudioEditor2 Editor;
    std::vector<float> Source;
    int Ends = 0;
};

TEST_F(EditorTest, CutPasteAndUndoRestoreTheSamples) {
    SelectRange(100, 300);
    Editor.Cut();
    EXPECT_EQ(Editor.Position().GetLength(), 800);
    Editor.Position().SetSelection(0);
    Editor.Position().SetCursor(700);
    Editor.Paste();
    std::vector<float> expected = Slice(0, 100);
    for (auto part : {Slice(300, 900), Slice(100, 300), Slice(900, 1000)})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(All(), expected);
    EXPECT_EQ(Editor.Position().GetSelectionStart(), 700); // the pasted stretch is selected
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 900);
    Editor.Undo();
    Editor.Undo();
    EXPECT_EQ(All(), Source);
    EXPECT_TRUE(Editor.RedoAvailable());
}

TEST_F(EditorTest, SelectionOffReportsTheCursorAndStartMovesTheCursor) {
    Editor.Position().SetSelection(0);
    Editor.Position().SetCursor(250);
    EXPECT_EQ(Editor.Position().GetSelectionStart(), 250);
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 250);
    // A start beyond the end is allowed for a moment.
    SelectRange(600, 400);
    EXPECT_EQ(Editor.Position().GetSelectionStart(), 600);
    EXPECT_EQ(Editor.Position().GetPosition(), 600);
    Editor.Position().SetSelectionEnd(5000); // clamped to the length
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 1000);
}

TEST_F(EditorTest, TrimAsTheMainWindowDoesItIsOneUndoStep) {
    SelectRange(200, 500);
    Editor.BeginGroup();
    std::vector<float> kept = Editor.GetSamples(300);
    SelectRange(0, Editor.Position().GetLength());
    Editor.DeleteSelection();
    Editor.PutSamples(kept);
    Editor.EndGroup();
    EXPECT_EQ(All(), Slice(200, 500));
    Editor.Undo();
    EXPECT_EQ(All(), Source);
}

TEST_F(EditorTest, RepeatLoopAddsCopiesRightAfterTheSelection) {
    SelectRange(100, 200);
    std::int64_t len = 100;
    std::vector<float> loop = Editor.GetSamples(len);
    Editor.BeginGroup();
    for (int i = 0; i < 3; ++i) {
        std::int64_t c = Editor.Position().GetPosition();
        Editor.Position().SetCursor(c + len);
        Editor.PutSamples(loop);
    }
    Editor.EndGroup();
    std::vector<float> expected = Slice(0, 200);
    for (int i = 0; i < 3; ++i)
        expected.insert(expected.end(), loop.begin(), loop.end());
    auto rest = Slice(200, 1000);
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(All(), expected);
    Editor.Undo();
    EXPECT_EQ(All(), Source);
}

TEST_F(EditorTest, SilenceInvertReverseAndInsertSilenceWorkOnTheSelection) {
    SelectRange(10, 20);
    Editor.Transform().Silence();
    SelectRange(30, 40);
    Editor.Transform().Invert();
    SelectRange(50, 60);
    Editor.Transform().Reverse();
    Editor.Position().SetSelection(0);
    Editor.Position().SetCursor(990);
    Editor.Transform().InsertSilence(5); // 40 frames at 8000 Hz
    std::vector<float> got = All();
    ASSERT_EQ(got.size(), 1040u * 2);
    for (int f = 0; f < 1040; ++f)
        for (int c = 0; c < 2; ++c) {
            float v = got[f * 2 + c];
            if (f >= 10 && f < 20)
                EXPECT_EQ(v, 0.0f);
            else if (f >= 30 && f < 40)
                EXPECT_EQ(v, -Source[f * 2 + c]);
            else if (f >= 50 && f < 60)
                EXPECT_EQ(v, Source[(109 - f) * 2 + c]);
            else if (f >= 990 && f < 1030)
                EXPECT_EQ(v, 0.0f);
            else
                EXPECT_EQ(v, Source[(f < 990 ? f : f - 40) * 2 + c]);
        }
}

TEST_F(EditorTest, PasteMixMixesLevelsAndExtendsTheSelection) {
    SelectRange(0, 100);
    Editor.Copy();
    SelectRange(500, 550); // shorter than the clip: the mix runs on to 600
    Editor.PasteMix(50, 200);
    std::vector<float> got = All();
    ASSERT_EQ(got.size(), Source.size());
    for (int f = 500; f < 600; ++f)
        EXPECT_NEAR(got[f * 2], 0.5f * Source[f * 2] + 2.0f * Source[(f - 500) * 2], 1e-6);
    EXPECT_EQ(got[400 * 2], Source[400 * 2]);
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 600);
}

TEST_F(EditorTest, PasteIntoAnotherFormatConverts) {
    SelectRange(0, 1000);
    Editor.Copy();
    TAudioEditor2 other;
    other.New(16000, 1);
    other.Paste();
    EXPECT_EQ(other.Position().GetLength(), 2000);
    EXPECT_EQ(other.Document().Channels(), 1);
}

TEST_F(EditorTest, MarkersNumberDeleteAndFollowEdits) {
    auto& m = Editor.Markers();
    m.Add(100, 0, "one", "Bookmark", 0, 0, 0, 0, 0);
    m.Add(300, 200, "two", "Region", 0, 0, 0, 0, 0);
    m.Add(800, 0, "three", "Bookmark", 0, 0, 0, 0, 0);
    EXPECT_EQ(m.Count(), 3);
    SelectRange(0, 50);
    Editor.DeleteSelection();
    m.SetCurrent(2);
    EXPECT_EQ(m.GetPosition(), 250);
    EXPECT_EQ(m.GetLength(), 200);
    EXPECT_EQ(m.GetName(), "two");
    m.SetCurrent(1);
    m.DeleteCurrent();
    m.SetCurrent(1);
    EXPECT_EQ(m.GetName(), "two");
    EXPECT_THROW(m.SetCurrent(3), EAudioError);
}

TEST_F(EditorTest, TransformSelectionReplacesTheSelectionAndRefusesAnEmptyResult) {
    SelectRange(100, 200);
    Editor.TransformSelection([](std::vector<std::vector<float>>&& planar) {
        for (auto& channel : planar)
            channel.resize(channel.size() * 2, 0.0f); // twice as long
        return std::move(planar);
    });
    EXPECT_EQ(Editor.Position().GetLength(), 1100);
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 300);
    Editor.Undo();
    for (auto failed : {std::vector<std::vector<float>>{}, std::vector<std::vector<float>>(2)}) {
        SelectRange(100, 200);
        EXPECT_THROW(Editor.TransformSelection([&](std::vector<std::vector<float>>&&) { return failed; }),
                     EAudioError);
        EXPECT_EQ(All(), Source);
    }
}

TEST_F(EditorTest, SelectionFollowsConvertAndItsUndo) {
    SelectRange(200, 400);
    Editor.Convert(16000, 1);
    EXPECT_EQ(Editor.Position().GetLength(), 2000);
    EXPECT_EQ(Editor.Position().GetSelectionStart(), 400);
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 800);
    Editor.Undo();
    EXPECT_EQ(Editor.Document().SampleRate(), 8000);
    EXPECT_EQ(Editor.Position().GetSelectionStart(), 200);
    EXPECT_EQ(Editor.Position().GetSelectionEnd(), 400);
    EXPECT_EQ(All(), Source);
}

TEST_F(EditorTest, ZoomOperationsSetTheViewRangeWithinTheDocument) {
    int redraws = 0;
    Editor.OnRedraw = [&] { ++redraws; };
    using TRange = std::pair<std::int64_t, std::int64_t>;
    auto view = [&] { return TRange(Editor.Position().GetViewStart(), Editor.Position().GetViewEnd()); };
    Editor.ZoomToRange(600, 200); // given backwards
    EXPECT_EQ(view(), TRange(200, 600));
    Editor.ZoomOut(); // span 400 → 800 around the centre 400
    EXPECT_EQ(view(), TRange(0, 800));
    Editor.ZoomOut(); // cannot pass the document's ends
    EXPECT_EQ(view(), TRange(0, 1000));
    SelectRange(300, 350);
    Editor.ZoomToSelection();
    EXPECT_EQ(view(), TRange(300, 350));
    Editor.Position().SetSelection(0);
    Editor.ZoomToSelection(); // nothing selected: the view stays
    EXPECT_EQ(view(), TRange(300, 350));
    Editor.ZoomFull();
    EXPECT_EQ(view(), TRange(0, 1000));
    Editor.VerticalZoom(-20); // no bounds
    EXPECT_EQ(Editor.VerticalZoomPercent(), -20);
    EXPECT_EQ(redraws, 6);
    Editor.Transform().Invert(); // every operation ends with a redraw
    EXPECT_EQ(redraws, 7);
}

TEST_F(EditorTest, PositionIsThePlayPositionOnlyWhilePlayingOrPaused) {
    Editor.Position().SetCursor(100);
    Editor.SetPlayPosition(700);
    for (auto [state, expected] : {std::pair{1, 700}, {5, 700}, {0, 100}, {2, 100}}) {
        Editor.SetPlayState(state);
        EXPECT_EQ(Editor.Position().GetPosition(), expected) << state;
    }
}

TEST_F(EditorTest, MillisecondsAndSamplesRoundTheSameWay) {
    auto& p = Editor.Position();
    EXPECT_EQ(p.MsToSamples(1), 8);
    EXPECT_EQ(p.SamplesToMs(4), 1); // 0.5 ms rounds up
    EXPECT_EQ(p.SamplesToMs(3), 0);
    EXPECT_EQ(p.MsToSamples(p.SamplesToMs(8000)), 8000);
}

TEST_F(EditorTest, EveryOperationEndsWithTheEndEventAlsoWhenItFails) {
    int before = Ends;
    Editor.Position().SetSelection(0);
    EXPECT_THROW(Editor.Cut(), EAudioError); // nothing selected
    EXPECT_THROW(Editor.Open("/nonexistent/file.wav"), EAudioError);
    EXPECT_EQ(Ends, before + 2);
    EXPECT_EQ(All(), Source); // the failed open left the document alone
    Editor.Close();
    EXPECT_THROW(Editor.Paste(), EAudioError);
    EXPECT_EQ(Ends, before + 3);
}

} // namespace editor_test
