// What the waveform view draws per pixel column, against the frames themselves: exact where a column
// holds few frames, within a fine summary step of its edges where it holds many, and the frames
// themselves once zoomed in past one frame a pixel. Documents are cut into many small blocks and
// edited, so columns cross block and slice edges.
#include "audio/views/WaveColumns.h"
#include "audio/AudioDocument.h"
#include "audio/BlockStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace wave_columns_test {

// A stereo document of random frames, edited so that its sequence is made of many slices.
TAudioDocument MakeDocument(std::int64_t frames) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> value(-1, 1);
    std::vector<float> samples(std::size_t(frames) * 2);
    for (float& v : samples)
        v = value(rng);
    TAudioDocument doc(44100, 2, MakeMemoryBlockStore());
    doc.ReplaceInterleaved(0, 0, samples.data(), frames);
    doc.Erase(frames / 3, 777);
    doc.ReplaceInterleaved(frames / 2, 0, samples.data(), 12345);
    return doc;
}

struct TExact {
    float Min = 1, Max = -1;
    double Rms = 0;
};

TExact Exact(const TAudioDocument& doc, int channel, std::int64_t a, std::int64_t b) {
    TExact e;
    if (b <= a) return e;
    std::vector<float> part(std::size_t(b - a));
    doc.Samples().ReadChannel(channel, a, b - a, part.data());
    double squares = 0;
    for (float v : part) {
        e.Min = std::min(e.Min, v);
        e.Max = std::max(e.Max, v);
        squares += double(v) * v;
    }
    e.Rms = std::sqrt(squares / double(part.size()));
    return e;
}

TEST(WaveColumns, ColumnsMatchTheFramesAtEveryZoom) {
    const TAudioDocument doc = MakeDocument(3'000'000);
    const std::int64_t length = doc.Length();
    struct TCase {
        std::int64_t Start, End;
        int Width;
    } cases[] = {
        {0, length, 1600},            // the whole document: snapped to 256-frame steps
        {0, length, 20},              // snapped to 65536-frame steps from the levels kept here
        {100'001, 700'003, 997},      // hundreds of frames a column: exact
        {1'000'000, 1'004'001, 800},  // a few frames a column: exact
        {length - 5000, length, 640}, // the end
    };
    for (const TCase& c : cases) {
        const TViewMapping view(c.Start, c.End, 0, c.Width);
        TWaveColumns columns;
        columns.Update(doc.Samples(), 1, view, {1, 0});
        ASSERT_FALSE(columns.FrameMode());
        const bool snapped = view.FramesPerPixel() >= 4 * TSampleBlock::FineStep;
        // Snapped edges move by less than a quarter of a column.
        const std::int64_t slack = std::int64_t(view.FramesPerPixel() / 4);
        for (int lane = 0; lane < 2; ++lane) {
            const int channel = lane == 0 ? 1 : 0;
            for (int i = 0; i < c.Width; i += 7) {
                const TWaveColumn& got = columns.Columns(lane)[std::size_t(i)];
                const std::int64_t a = view.ColumnStart(i), b = view.ColumnStart(i + 1);
                const TExact inner = Exact(doc, channel, a, b);
                if (!snapped) {
                    EXPECT_EQ(got.Min, inner.Min) << c.Start << " column " << i;
                    EXPECT_EQ(got.Max, inner.Max) << c.Start << " column " << i;
                    EXPECT_NEAR(got.Rms, inner.Rms, 1e-4) << c.Start << " column " << i;
                    continue;
                }
                const TExact outer =
                    Exact(doc, channel, std::max<std::int64_t>(0, a - slack), std::min(length, b + slack));
                EXPECT_LE(got.Min, inner.Min);
                EXPECT_GE(got.Min, outer.Min);
                EXPECT_GE(got.Max, inner.Max);
                EXPECT_LE(got.Max, outer.Max);
                EXPECT_NEAR(got.Rms, inner.Rms, 0.05);
            }
        }
    }
}

TEST(WaveColumns, ZoomedInTheFramesThemselvesAreKept) {
    const TAudioDocument doc = MakeDocument(100'000);
    const TViewMapping view(5000, 5300, 0, 1200);
    TWaveColumns columns;
    columns.Update(doc.Samples(), 1, view, {0});
    ASSERT_TRUE(columns.FrameMode());
    EXPECT_EQ(columns.FirstFrame(), 4999) << "one frame before the view, so lines reach the edge";
    const std::vector<float>& frames = columns.Frames(0);
    ASSERT_EQ(frames.size(), 303u);
    std::vector<float> expected(303);
    doc.Samples().ReadChannel(0, 4999, 303, expected.data());
    EXPECT_EQ(frames, expected);
}

TEST(WaveColumns, NothingIsComputedAgainUntilTheSamplesOrTheViewChange) {
    TAudioDocument doc = MakeDocument(200'000);
    TViewMapping view(0, doc.Length(), 0, 500);
    TWaveColumns columns;
    columns.Update(doc.Samples(), 1, view, {0});
    const TWaveColumn before = columns.Columns(0)[100];
    // New samples under the same serial are not looked at: the serial is the promise.
    doc.Erase(0, 100'000);
    columns.Update(doc.Samples(), 1, view, {0});
    EXPECT_EQ(columns.Columns(0)[100].Max, before.Max);
    columns.Update(doc.Samples(), 2, view, {0});
    EXPECT_TRUE(columns.Columns(0)[300].Empty()) << "past the shorter document's end";
}

} // namespace wave_columns_test
