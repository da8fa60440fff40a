// Effects applied through the editor stream the selection from the document's blocks into new blocks.
// Whatever way an effect takes the signal there (channel by channel, frame by frame, in two passes,
// back to front, or changing the length), the result is the one the processor gives for the whole
// selection in one piece, across many blocks.
#include "audio/AudioEditor2.h"
#include "audio/SampleBlock.h"
#include "audio/effects/AudioEffect.h"
#include "audio/effects/AudioTransform2.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

using namespace effects_test;

namespace editor_stream_test {

using TCall = std::function<void(TAudioTransform2&, std::vector<float>&)>;

struct TStreamCase {
    const char* Name;
    std::function<void(TAudioEditor2&)> ThroughEditor;
    TCall InOnePiece;
};

void PrintTo(const TStreamCase& c, std::ostream* os) {
    *os << c.Name;
}

class EditorStream : public ::testing::TestWithParam<TStreamCase> {};

TEST_P(EditorStream, GivesTheOnePieceResultAcrossBlocks) {
    const TStreamCase& c = GetParam();
    // Over three blocks of stereo, with untouched stretches before and after the selection.
    const std::int64_t frames = 3 * TSampleBlock::PreferredFrames + 54321;
    const std::int64_t from = 1234, to = frames - 4321;
    std::vector<float> left = Sine(440, double(frames) / Rate, 0.5),
                       right = Sine(1250, double(frames) / Rate, 0.3);
    left[5000] = std::numeric_limits<float>::quiet_NaN(); // a damaged sample becomes silence either way
    const std::vector<float> original = Interleave({left, right});
    TAudioEditor2 editor;
    editor.New(Rate, 2);
    editor.PutSamples(original);
    editor.Position().SetSelection(-1);
    editor.Position().SetSelectionStart(from);
    editor.Position().SetSelectionEnd(to);
    c.ThroughEditor(editor);

    std::vector<float> expected(original.begin() + 2 * from, original.begin() + 2 * to);
    TAudioTransform2 transform;
    transform.SetFormat(Rate, 2);
    c.InOnePiece(transform, expected);
    const std::int64_t resultFrames = std::int64_t(expected.size()) / 2;
    EXPECT_EQ(editor.Position().GetSelectionStart(), from);
    EXPECT_EQ(editor.Position().GetSelectionEnd(), from + resultFrames);
    ASSERT_EQ(editor.Position().GetLength(), frames - (to - from) + resultFrames);
    std::vector<float> all = editor.Document().ReadInterleaved(0, editor.Position().GetLength());
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 2 * from, all.begin()));
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), all.begin() + 2 * from));
    EXPECT_TRUE(
        std::equal(original.begin() + 2 * to, original.end(), all.begin() + 2 * (from + resultFrames)));
    editor.Undo(); // the damaged sample comes back too: compared bit for bit
    std::vector<float> undone = editor.Document().ReadInterleaved(0, frames);
    ASSERT_EQ(undone.size(), original.size());
    EXPECT_EQ(std::memcmp(undone.data(), original.data(), original.size() * sizeof(float)), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, EditorStream,
    ::testing::Values(TStreamCase{"echo", [](auto& e) { e.Transform().Echo(120, 60, 50); },
                                  [](auto& t, auto& s) { t.Echo(s, 120, 60, 50); }},
                      TStreamCase{"lowpass", [](auto& e) { e.Transform().LowPass(2000, 60); },
                                  [](auto& t, auto& s) { t.LowPass(s, 2000, 60); }},
                      TStreamCase{"compressor", [](auto& e) { e.Transform().Compressor(-20, 60, 100); },
                                  [](auto& t, auto& s) { t.Compressor(s, -20, 60, 100); }},
                      TStreamCase{"chorus", [](auto& e) { e.Transform().Chorus(31, 45, 60, 25, 12, 90); },
                                  [](auto& t, auto& s) { t.Chorus(s, 31, 45, 60, 25, 12, 90); }},
                      TStreamCase{"amplify", [](auto& e) { e.Transform().Amplify(170); },
                                  [](auto& t, auto& s) { t.Amplify(s, 170); }},
                      TStreamCase{"invert", [](auto& e) { e.Transform().Invert(); },
                                  [](auto& t, auto& s) { t.Invert(s); }},
                      TStreamCase{"reverseInEditor", [](auto& e) { e.Transform().Reverse(); },
                                  [](auto& t, auto& s) { t.Reverse(s); }},
                      TStreamCase{"fade", [](auto& e) { e.Transform().Fade(100, 0); },
                                  [](auto& t, auto& s) { t.Fade(s, 100, 0); }},
                      TStreamCase{"mixstereo", [](auto& e) { e.Transform().MixStereo(50, 50, 20, 80); },
                                  [](auto& t, auto& s) { t.MixStereo(s, 50, 50, 20, 80); }},
                      TStreamCase{"normalize", [](auto& e) { e.Transform().Normalize(90, -1); },
                                  [](auto& t, auto& s) { t.Normalize(s, 90, -1); }},
                      TStreamCase{"normalizeEach", [](auto& e) { e.Transform().Normalize(70, 0); },
                                  [](auto& t, auto& s) { t.Normalize(s, 70, 0); }},
                      TStreamCase{"reverse",
                                  [](auto& e) { // the processor's reverse, streamed back to front
                                      TAudioTransform2 t;
                                      t.SetFormat(Rate, 2);
                                      const std::int64_t length =
                                          e.Position().GetSelectionEnd() - e.Position().GetSelectionStart();
                                      e.StreamSelection(
                                          *t.MakeEffect([](auto& t, auto& s) { t.Reverse(s); }, length));
                                  },
                                  [](auto& t, auto& s) { t.Reverse(s); }},
                      TStreamCase{"speed", [](auto& e) { e.Transform().Speed(140); },
                                  [](auto& t, auto& s) { t.Speed(s, 140); }},
                      TStreamCase{"pitch", [](auto& e) { e.Transform().Pitch(80); },
                                  [](auto& t, auto& s) { t.Pitch(s, 80); }}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace editor_stream_test
