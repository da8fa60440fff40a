#include "audio/effects/EditorTransform.h"
#include "audio/AudioEditor2.h"
#include "audio/effects/EffectErrors.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

using namespace effects_test;

namespace editor_transform_test {

// A stereo document of one second of two tones, with frames [from, to) selected.
struct TEditorFixture {
    TAudioEditor2 Editor;
    std::vector<float> Original;
    int Ends = 0;
    int Progress = 0;

    TEditorFixture(std::int64_t from, std::int64_t to) {
        Editor.New(Rate, 2);
        Original = Interleave({Sine(440, 1.0, 0.5), Sine(660, 1.0, 0.25)});
        Editor.PutSamples(Original);
        Select(from, to);
        Editor.OnEndOperation = [this] { ++Ends; };
        Editor.OnBlockOperation = [this](int) { ++Progress; };
    }
    void Select(std::int64_t from, std::int64_t to) {
        Editor.Position().SetSelection(-1);
        Editor.Position().SetSelectionStart(from);
        Editor.Position().SetSelectionEnd(to);
    }
    std::vector<float> All() {
        Select(0, Editor.Position().GetLength());
        return Editor.GetSamples(Editor.Position().GetLength());
    }
};

TEST(EditorTransform, AppliesToTheSelectionOnlyAsOneUndoableStep) {
    TEditorFixture f(10000, 20000);
    TEditorTransform transform(f.Editor);
    transform.Amplify(50);
    EXPECT_EQ(f.Ends, 1);
    EXPECT_GT(f.Progress, 0);
    const auto after = f.All();
    ASSERT_EQ(after.size(), f.Original.size());
    EXPECT_FLOAT_EQ(after[2 * 9999], f.Original[2 * 9999]);
    EXPECT_FLOAT_EQ(after[2 * 10000 + 1], f.Original[2 * 10000 + 1] * 0.5f);
    EXPECT_FLOAT_EQ(after[2 * 19999], f.Original[2 * 19999] * 0.5f);
    EXPECT_FLOAT_EQ(after[2 * 20000], f.Original[2 * 20000]);
    f.Editor.Undo();
    EXPECT_EQ(f.All(), f.Original);
}

TEST(EditorTransform, TheEditorsTransformInterfaceCarriesTheEffects) {
    TEditorFixture f(0, Rate);
    f.Editor.Transform().Amplify(200);
    f.Editor.Transform().Invert();
    const auto after = f.All();
    ASSERT_EQ(after.size(), f.Original.size());
    EXPECT_FLOAT_EQ(after[1000], -2.0f * f.Original[1000]);
    EXPECT_EQ(f.Ends, 2);
}

TEST(EditorTransform, ShelvesTakeTheFrequencyFirst) {
    TEditorFixture f(0, Rate);
    TEditorTransform transform(f.Editor);
    transform.LowShelf(10000, -10, 50); // a cut below 10 kHz takes the 440 Hz tone down by 10 dB
    const auto left = Channel(f.All(), 2, 0);
    EXPECT_NEAR(Db(Rms(left, Rate / 2) / Rms(Channel(f.Original, 2, 0), Rate / 2)), -10.0, 0.5);
}

TEST(EditorTransform, SpeedChangesTheSelectionsLength) {
    TEditorFixture f(0, Rate / 2);
    TEditorTransform transform(f.Editor);
    transform.Speed(200);
    EXPECT_NEAR(static_cast<double>(f.Editor.Position().GetLength()), Rate * 0.75, 64);
}

TEST(EditorTransform, ABadParameterLeavesTheDocumentAndStillEnds) {
    TEditorFixture f(0, Rate);
    TEditorTransform transform(f.Editor);
    EXPECT_THROW(transform.Echo(200, 70, 140), EAudioEffectParameter);
    EXPECT_EQ(f.Ends, 1);
    EXPECT_EQ(f.All(), f.Original);
}

TEST(EditorTransform, WithoutADocumentFailsAndStillEnds) {
    TAudioEditor2 editor;
    int ends = 0;
    editor.OnEndOperation = [&] { ++ends; };
    TEditorTransform transform(editor);
    EXPECT_THROW(transform.Amplify(50), Exception);
    EXPECT_EQ(ends, 1);
}

} // namespace editor_transform_test
