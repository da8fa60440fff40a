// Edits, undo groups and markers of a document checked sample by sample against a plain vector model.
#include "audio/AudioDocument.h"
#include "audio/AudioError.h"

#include <gtest/gtest.h>

#include <random>

namespace document_test {

struct TModel {
    std::vector<float> Samples; // interleaved
    int Channels;
};

void ExpectSame(const TAudioDocument& doc, const TModel& model) {
    ASSERT_EQ(doc.Length() * doc.Channels(), std::int64_t(model.Samples.size()));
    std::vector<float> got = doc.ReadInterleaved(0, doc.Length());
    ASSERT_EQ(got, model.Samples);
}

std::vector<float> Ramp(std::int64_t frames, int channels, float base) {
    std::vector<float> v(frames * channels);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = base + float(i % 9973) * 1e-4f;
    return v;
}

enum class TStoreKind { Memory, File, MemoryMovingHistoryToDisk };

class DocumentStores : public ::testing::TestWithParam<TStoreKind> {
protected:
    std::shared_ptr<TBlockStore> MakeStore() {
        switch (GetParam()) {
        case TStoreKind::File:
            return MakeFileBlockStore(::testing::TempDir());
        case TStoreKind::MemoryMovingHistoryToDisk:
            return MakeMemoryBlockStore(::testing::TempDir());
        default:
            return MakeMemoryBlockStore();
        }
    }
};

TEST_P(DocumentStores, RandomEditsUndoAndRedoMatchTheModel) {
    std::mt19937 rng(7);
    const int channels = 2;
    TAudioDocument doc(44100, channels, MakeStore());
    TModel model{{}, channels};
    std::vector<std::vector<float>> history{model.Samples};
    for (int step = 0; step < 60; ++step) {
        std::int64_t len = doc.Length();
        std::int64_t start = len ? std::uniform_int_distribution<std::int64_t>(0, len)(rng) : 0;
        std::int64_t count = std::uniform_int_distribution<std::int64_t>(0, len - start)(rng);
        std::int64_t newFrames = std::uniform_int_distribution<std::int64_t>(0, 150000)(rng);
        if (step % 5 == 4) newFrames = 0; // a pure deletion
        std::vector<float> fresh = Ramp(newFrames, channels, float(step) / 100);
        doc.ReplaceInterleaved(start, count, fresh.data(), newFrames);
        model.Samples.erase(model.Samples.begin() + start * channels,
                            model.Samples.begin() + (start + count) * channels);
        model.Samples.insert(model.Samples.begin() + start * channels, fresh.begin(), fresh.end());
        if (count != 0 || newFrames != 0) history.push_back(model.Samples);
        ExpectSame(doc, model);
    }
    // Walk the whole history back and forth.
    for (std::size_t i = history.size() - 1; i > 0; --i) {
        ASSERT_TRUE(doc.Undo());
        ExpectSame(doc, TModel{history[i - 1], channels});
    }
    EXPECT_FALSE(doc.CanUndo());
    for (std::size_t i = 1; i < history.size(); ++i) {
        ASSERT_TRUE(doc.Redo());
        ExpectSame(doc, TModel{history[i], channels});
    }
    EXPECT_FALSE(doc.CanRedo());
}

INSTANTIATE_TEST_SUITE_P(MemoryAndFile, DocumentStores,
                         ::testing::Values(TStoreKind::Memory, TStoreKind::File,
                                           TStoreKind::MemoryMovingHistoryToDisk));

// Whether each block of a sequence has its samples in memory: moving it to disk gives memory back only
// then (and moves it, so this is the last look at it).
std::vector<bool> InMemory(const TSampleSequence& samples) {
    std::vector<bool> held;
    for (const TBlockSlice& slice : samples.Slices())
        held.push_back(slice.Block->MoveToDisk() > 0);
    return held;
}

TEST(Document, WhatOnlyTheHistoryHoldsMovesToDiskAndComesBackIntact) {
    const int channels = 2;
    const std::int64_t frames = 3 * TSampleBlock::PreferredFrames + 1000;
    TAudioDocument doc(44100, channels, MakeMemoryBlockStore(::testing::TempDir()));
    const std::vector<float> original = Ramp(frames, channels, 0.1f);
    doc.ReplaceInterleaved(0, 0, original.data(), frames);
    const TSampleSequence before = doc.Samples();
    // Every sample changed, as an effect over the whole document does.
    const std::vector<float> changed = Ramp(frames, channels, -0.3f);
    doc.ReplaceInterleaved(0, frames, changed.data(), frames);
    doc.WaitForMoves();
    EXPECT_EQ(doc.ReadInterleaved(0, frames), changed);
    std::vector<float> read(original.size());
    before.ReadInterleaved(0, frames, read.data());
    EXPECT_EQ(read, original); // read back from the disk

    ASSERT_TRUE(doc.Undo());
    doc.WaitForMoves();
    EXPECT_EQ(doc.ReadInterleaved(0, frames), original);
    ASSERT_TRUE(doc.Redo());
    doc.WaitForMoves();
    EXPECT_EQ(doc.ReadInterleaved(0, frames), changed);
    ASSERT_TRUE(doc.Undo());
    doc.WaitForMoves();
    // The history's blocks went to disk.
    EXPECT_EQ(InMemory(before), std::vector<bool>(before.Slices().size(), false));
    // Undone and redone blocks are read from there; a cut takes what is left of them as it is, and a
    // new edit's blocks stay in memory.
    ASSERT_TRUE(doc.Redo());
    const std::int64_t cut = 2 * TSampleBlock::PreferredFrames;
    doc.Erase(0, cut);
    doc.WaitForMoves();
    EXPECT_EQ(doc.ReadInterleaved(0, frames - cut),
              std::vector<float>(changed.begin() + cut * channels, changed.end()));
    doc.ReplaceInterleaved(0, 0, original.data(), 1000);
    doc.WaitForMoves();
    EXPECT_TRUE(InMemory(doc.Samples()).front()) << "the document's own samples stay in memory";
}

TEST(Document, WithoutRoomOnDiskTheHistoryStaysInMemory) {
    const std::string missing = ::testing::TempDir() + "/no-such-folder/deeper";
    TAudioDocument doc(8000, 1, MakeMemoryBlockStore(missing));
    const std::vector<float> original = Ramp(20000, 1, 0.2f), changed = Ramp(20000, 1, 0.5f);
    doc.ReplaceInterleaved(0, 0, original.data(), 20000);
    doc.ReplaceInterleaved(0, 20000, changed.data(), 20000);
    doc.WaitForMoves();
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.ReadInterleaved(0, 20000), original);
    EXPECT_EQ(InMemory(doc.Samples()), std::vector<bool>(doc.Samples().Slices().size(), false))
        << "no file could be made: MoveToDisk gives nothing back";
}

TEST(Document, GroupIsOneUndoStepAndANewEditDropsRedo) {
    TAudioDocument doc(8000, 1, MakeMemoryBlockStore());
    std::vector<float> a = Ramp(1000, 1, 0.1f);
    doc.ReplaceInterleaved(0, 0, a.data(), 1000);
    doc.BeginGroup();
    doc.Erase(100, 200);
    doc.BeginGroup(); // nested brackets still make one step
    doc.ReplaceInterleaved(0, 0, a.data(), 50);
    doc.EndGroup();
    doc.EndGroup();
    EXPECT_EQ(doc.Length(), 850);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.ReadInterleaved(0, 1000), a);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Length(), 850);
    ASSERT_TRUE(doc.Undo());
    doc.Erase(0, 10);
    EXPECT_FALSE(doc.CanRedo());
}

TEST(Document, UnchangedBlocksAreSharedAfterAnEdit) {
    TAudioDocument doc(44100, 2, MakeMemoryBlockStore());
    std::vector<float> a = Ramp(10 * TSampleBlock::PreferredFrames, 2, 0);
    doc.ReplaceInterleaved(0, 0, a.data(), 10 * TSampleBlock::PreferredFrames);
    TSampleSequence before = doc.Samples();
    doc.Erase(5 * TSampleBlock::PreferredFrames + 7, 3);
    const auto& after = doc.Samples().Slices();
    std::size_t shared = 0;
    for (const TBlockSlice& s : after)
        for (const TBlockSlice& o : before.Slices())
            shared += s.Block == o.Block;
    EXPECT_EQ(shared, after.size()); // every slice still points at an original block
}

TEST(Document, PlanarReadAndReplaceAgreeWithInterleaved) {
    TAudioDocument doc(22050, 2, MakeMemoryBlockStore());
    std::vector<float> a = Ramp(3000, 2, 0.2f);
    doc.ReplaceInterleaved(0, 0, a.data(), 3000);
    auto planar = doc.ReadPlanar(1000, 500);
    ASSERT_EQ(planar.size(), 2u);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(planar[0][i], a[(1000 + i) * 2]);
        EXPECT_EQ(planar[1][i], a[(1000 + i) * 2 + 1]);
    }
    doc.ReplacePlanar(0, 3000, planar);
    EXPECT_EQ(doc.Length(), 500);
    EXPECT_EQ(doc.ReadInterleaved(0, 500), std::vector<float>(a.begin() + 2000, a.begin() + 3000));
    EXPECT_THROW(doc.ReplacePlanar(0, 0, {std::vector<float>(3)}), EAudioError);
}

TEST(Document, SummariesMatchTheSamples) {
    TAudioDocument doc(8000, 1, MakeMemoryBlockStore());
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> dist(-1, 1);
    std::vector<float> a(600000); // three blocks
    for (float& v : a)
        v = dist(rng);
    doc.ReplaceInterleaved(0, 0, a.data(), std::int64_t(a.size()));
    for (auto [start, count] : {std::pair<std::int64_t, std::int64_t>{0, 600000},
                                {13, 5000},
                                {4096, 4096},
                                {65530, 70000},
                                {TSampleBlock::PreferredFrames, TSampleBlock::PreferredFrames},
                                {100000, 400000},
                                {599999, 1}}) {
        TRangeSummary s = doc.Samples().Summarize(0, start, count);
        float lo = 2, hi = -2;
        double sq = 0;
        for (std::int64_t i = start; i < start + count; ++i) {
            lo = std::min(lo, a[i]);
            hi = std::max(hi, a[i]);
            sq += double(a[i]) * a[i];
        }
        EXPECT_EQ(s.Count, count);
        EXPECT_EQ(s.Min, lo);
        EXPECT_EQ(s.Max, hi);
        EXPECT_NEAR(s.Rms(), std::sqrt(sq / count), 1e-4);
    }
}

TEST(Document, MarkersMoveWithEditsBeforeThemAndComeBackOnUndo) {
    TAudioDocument doc(8000, 1, MakeMemoryBlockStore());
    std::vector<float> a = Ramp(10000, 1, 0);
    doc.ReplaceInterleaved(0, 0, a.data(), 10000);
    doc.Markers().Add(1000, 0, "b1", "Bookmark");
    doc.Markers().Add(5000, 2000, "r1", "Region");
    doc.Markers().Add(9000, 0, "b2", "Bookmark");
    doc.Erase(500, 1000); // swallows b1's place, shifts the others
    EXPECT_EQ(doc.Markers().Item(1).Position, 500);
    EXPECT_EQ(doc.Markers().Item(2).Position, 4000);
    EXPECT_EQ(doc.Markers().Item(2).Length, 2000);
    EXPECT_EQ(doc.Markers().Item(3).Position, 8000);
    doc.Insert(6000, doc.Samples().Sub(0, 300)); // inside the region: it grows
    EXPECT_EQ(doc.Markers().Item(2).Length, 2300);
    doc.Markers().Add(7000, 0, "late", "Bookmark");
    ASSERT_TRUE(doc.Undo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Markers().Item(1).Position, 1000);
    EXPECT_EQ(doc.Markers().Item(2).Position, 5000);
    EXPECT_EQ(doc.Markers().Item(2).Length, 2000);
    EXPECT_EQ(doc.Markers().Item(4).Position, 7700); // made later: follows the undone edits
    doc.Markers().Delete(2);
    EXPECT_EQ(doc.Markers().Count(), 3);
    EXPECT_EQ(doc.Markers().Item(2).Name, "b2");
    EXPECT_THROW(doc.Markers().Item(4), EAudioError);
}

TEST(Document, MarkersInsideAReplacedStretchKeepTheirRelativePlace) {
    TAudioDocument doc(8000, 1, MakeMemoryBlockStore());
    std::vector<float> a = Ramp(10000, 1, 0);
    doc.ReplaceInterleaved(0, 0, a.data(), 10000);
    doc.Markers().Add(3000, 1000, "inside", "Region");
    std::vector<float> same = Ramp(4000, 1, 0.5f), twice = Ramp(8000, 1, 0.5f);
    doc.ReplaceInterleaved(2000, 4000, same.data(), 4000); // an effect of the same length
    EXPECT_EQ(doc.Markers().Item(1).Position, 3000);
    EXPECT_EQ(doc.Markers().Item(1).Length, 1000);
    doc.ReplaceInterleaved(2000, 4000, twice.data(), 8000); // twice as long
    EXPECT_EQ(doc.Markers().Item(1).Position, 4000);
    EXPECT_EQ(doc.Markers().Item(1).Length, 2000);
    doc.Erase(2000, 8000); // deleted: collapses to the cut
    EXPECT_EQ(doc.Markers().Item(1).Position, 2000);
    EXPECT_EQ(doc.Markers().Item(1).Length, 0);
}

TEST(Document, ConvertChangesRateChannelsAndMarkersAsOneStep) {
    TAudioDocument doc(48000, 2, MakeMemoryBlockStore());
    std::vector<float> a(48000 * 2);
    for (int i = 0; i < 48000; ++i)
        a[2 * i] = a[2 * i + 1] = 0.5f * std::sin(2 * M_PI * 440 * i / 48000.0);
    doc.ReplaceInterleaved(0, 0, a.data(), 48000);
    doc.Markers().Add(24000, 4800, "r", "Region");
    doc.Convert(16000, 1);
    EXPECT_EQ(doc.SampleRate(), 16000);
    EXPECT_EQ(doc.Channels(), 1);
    EXPECT_EQ(doc.Length(), 16000);
    EXPECT_EQ(doc.Markers().Item(1).Position, 8000);
    EXPECT_EQ(doc.Markers().Item(1).Length, 1600);
    std::vector<float> got = doc.ReadInterleaved(0, 16000);
    double err = 0;
    for (int i = 1000; i < 15000; ++i)
        err = std::max(err, std::abs(got[i] - 0.5 * std::sin(2 * M_PI * 440 * i / 16000.0)));
    EXPECT_LT(err, 0.01);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.SampleRate(), 48000);
    EXPECT_EQ(doc.Channels(), 2);
    EXPECT_EQ(doc.ReadInterleaved(0, 48000), a);
    EXPECT_EQ(doc.Markers().Item(1).Position, 24000);
}

TEST(Document, FailingStoreLeavesTheDocumentAsItWas) {
    class TFullStore : public TBlockStore {
    public:
        std::shared_ptr<const TStoredSamples> Store(const float*, int, std::int64_t) override {
            throw EAudioError("the disk is full");
        }
    };
    auto memory = MakeMemoryBlockStore();
    TSequenceBuilder builder(memory, 1);
    std::vector<float> a = Ramp(5000, 1, 0);
    builder.AppendInterleaved(a.data(), 5000);
    TAudioDocument doc(8000, builder.Finish(), std::make_shared<TFullStore>());
    std::vector<float> big = Ramp(400000, 1, 0.5f); // more than one block: the store is needed
    EXPECT_THROW(doc.ReplaceInterleaved(100, 10, big.data(), 400000), EAudioError);
    EXPECT_EQ(doc.ReadInterleaved(0, 5000), a);
    EXPECT_FALSE(doc.CanUndo());
}

} // namespace document_test
