#include "audio/SampleSequence.h"

#include "audio/AudioError.h"

#include <algorithm>

std::size_t TSampleSequence::SliceAt(std::int64_t frame) const {
    return static_cast<std::size_t>(std::upper_bound(FStarts.begin(), FStarts.end(), frame) -
                                    FStarts.begin());
}

std::vector<std::shared_ptr<const TSampleBlock>> TSampleSequence::BlocksWithin(std::int64_t start,
                                                                               std::int64_t count) const {
    std::vector<std::shared_ptr<const TSampleBlock>> blocks;
    const std::int64_t end = std::min(Frames(), start + count);
    for (std::size_t i = start < end ? SliceAt(std::max<std::int64_t>(0, start)) : FSlices.size();
         i < FSlices.size() && FStarts[i] <= end; ++i)
        if (FStarts[i] - FSlices[i].Frames >= start) blocks.push_back(FSlices[i].Block);
    return blocks;
}

void TSampleSequence::AppendSlice(const TBlockSlice& slice) {
    if (slice.Frames <= 0) return;
    if (slice.Block->Channels() != FChannels)
        throw EAudioError("Channel counts of the joined sounds differ.");
    // Neighbouring pieces of one block join again, so repeated edits do not fragment the sequence.
    if (!FSlices.empty() && FSlices.back().Block == slice.Block &&
        FSlices.back().Offset + FSlices.back().Frames == slice.Offset) {
        FSlices.back().Frames += slice.Frames;
        FStarts.back() += slice.Frames;
        return;
    }
    FSlices.push_back(slice);
    FStarts.push_back(Frames() + slice.Frames);
}

std::int64_t TSampleSequence::ReadChannel(int channel, std::int64_t start, std::int64_t count,
                                          float* dst) const {
    start = std::max<std::int64_t>(0, start);
    std::int64_t end = std::min(Frames(), start + std::max<std::int64_t>(0, count));
    std::int64_t pos = start;
    for (std::size_t i = pos < end ? SliceAt(pos) : FSlices.size(); pos < end && i < FSlices.size(); ++i) {
        const TBlockSlice& s = FSlices[i];
        std::int64_t sliceStart = FStarts[i] - s.Frames;
        std::int64_t from = pos - sliceStart, n = std::min(end, FStarts[i]) - pos;
        s.Block->Read(channel, s.Offset + from, n, dst + (pos - start));
        pos += n;
    }
    return end - start;
}

std::int64_t TSampleSequence::ReadInterleaved(std::int64_t start, std::int64_t count, float* dst) const {
    start = std::max<std::int64_t>(0, start);
    std::int64_t end = std::min(Frames(), start + std::max<std::int64_t>(0, count));
    std::vector<float> buf;
    std::int64_t pos = start;
    for (std::size_t i = pos < end ? SliceAt(pos) : FSlices.size(); pos < end && i < FSlices.size(); ++i) {
        const TBlockSlice& s = FSlices[i];
        std::int64_t sliceStart = FStarts[i] - s.Frames;
        std::int64_t from = pos - sliceStart, n = std::min(end, FStarts[i]) - pos;
        buf.resize(n);
        float* out = dst + (pos - start) * FChannels;
        for (int c = 0; c < FChannels; ++c) {
            s.Block->Read(c, s.Offset + from, n, buf.data());
            for (std::int64_t k = 0; k < n; ++k)
                out[k * FChannels + c] = buf[k];
        }
        pos += n;
    }
    return end - start;
}

TRangeSummary TSampleSequence::Summarize(int channel, std::int64_t start, std::int64_t count) const {
    TRangeSummary result;
    start = std::max<std::int64_t>(0, start);
    std::int64_t end = std::min(Frames(), start + std::max<std::int64_t>(0, count));
    std::int64_t pos = start;
    for (std::size_t i = pos < end ? SliceAt(pos) : FSlices.size(); pos < end && i < FSlices.size(); ++i) {
        const TBlockSlice& s = FSlices[i];
        std::int64_t sliceStart = FStarts[i] - s.Frames;
        std::int64_t n = std::min(end, FStarts[i]) - pos;
        result.Merge(s.Block->Summarize(channel, s.Offset + pos - sliceStart, n));
        pos += n;
    }
    return result;
}

TSampleSequence TSampleSequence::Sub(std::int64_t start, std::int64_t count) const {
    TSampleSequence result(FChannels);
    start = std::max<std::int64_t>(0, start);
    std::int64_t end = std::min(Frames(), start + std::max<std::int64_t>(0, count));
    std::int64_t pos = start;
    for (std::size_t i = pos < end ? SliceAt(pos) : FSlices.size(); pos < end && i < FSlices.size(); ++i) {
        const TBlockSlice& s = FSlices[i];
        std::int64_t sliceStart = FStarts[i] - s.Frames;
        std::int64_t n = std::min(end, FStarts[i]) - pos;
        result.AppendSlice({s.Block, s.Offset + pos - sliceStart, n});
        pos += n;
    }
    return result;
}

TSampleSequence TSampleSequence::Append(const TSampleSequence& other) const {
    TSampleSequence result = *this;
    for (const TBlockSlice& s : other.FSlices)
        result.AppendSlice(s);
    return result;
}

TSampleSequence TSampleSequence::Replace(std::int64_t start, std::int64_t count,
                                         const TSampleSequence& other) const {
    if (other.Channels() != FChannels && !other.Empty())
        throw EAudioError("Channel counts of the joined sounds differ.");
    start = std::clamp<std::int64_t>(start, 0, Frames());
    count = std::clamp<std::int64_t>(count, 0, Frames() - start);
    return Sub(0, start).Append(other).Append(Sub(start + count, Frames() - start - count));
}

TSampleSequence TSampleSequence::Erase(std::int64_t start, std::int64_t count) const {
    return Replace(start, count, TSampleSequence(FChannels));
}

TSampleSequence TSampleSequence::Insert(std::int64_t at, const TSampleSequence& other) const {
    return Replace(at, 0, other);
}

// ---------------------------------------------------------------------------------------------------

TSequenceBuilder::TSequenceBuilder(std::shared_ptr<TBlockStore> store, int channels)
    : FStore(std::move(store)), FChannels(channels), FDone(channels) {}

void TSequenceBuilder::NextPending() {
    const std::size_t size = std::size_t(FChannels * TSampleBlock::PreferredFrames);
    FPending = FNext.valid() ? FNext.get() : TSampleBuffer(size);
}

void TSequenceBuilder::FlushPending() {
    if (FPendingFrames == 0) return;
    std::shared_ptr<const TSampleBlock> block;
    if (FPendingFrames == TSampleBlock::PreferredFrames) {
        // A full buffer is already a planar block: hand it over whole.
        block = TSampleBlock::Create(*FStore, std::move(FPending), FChannels, FPendingFrames);
        FPending = TSampleBuffer();
        if (!FNext.valid()) // a whole block went by: more are likely to follow
            FNext = std::async(std::launch::async,
                               [size = std::size_t(FChannels * TSampleBlock::PreferredFrames)] {
                                   return TSampleBuffer(size);
                               });
    } else {
        TSampleBuffer planar(std::size_t(FChannels * FPendingFrames));
        for (int c = 0; c < FChannels; ++c)
            std::copy_n(FPending.Data() + c * TSampleBlock::PreferredFrames, FPendingFrames,
                        planar.Data() + c * FPendingFrames);
        block = TSampleBlock::Create(*FStore, std::move(planar), FChannels, FPendingFrames);
    }
    FDone.AppendSlice({block, 0, FPendingFrames});
    FPendingFrames = 0;
}

void TSequenceBuilder::AppendInterleaved(const float* data, std::int64_t frames) {
    while (frames > 0) {
        if (FPending.Empty()) NextPending();
        std::int64_t n = std::min(frames, TSampleBlock::PreferredFrames - FPendingFrames);
        for (int c = 0; c < FChannels; ++c) {
            float* dst = FPending.Data() + c * TSampleBlock::PreferredFrames + FPendingFrames;
            for (std::int64_t k = 0; k < n; ++k)
                dst[k] = data[k * FChannels + c];
        }
        FPendingFrames += n;
        data += n * FChannels;
        frames -= n;
        if (FPendingFrames == TSampleBlock::PreferredFrames) FlushPending();
    }
}

void TSequenceBuilder::AppendPlanar(const float* const* channels, std::int64_t frames) {
    std::int64_t done = 0;
    while (done < frames) {
        if (FPending.Empty()) NextPending();
        std::int64_t n = std::min(frames - done, TSampleBlock::PreferredFrames - FPendingFrames);
        for (int c = 0; c < FChannels; ++c)
            std::copy_n(channels[c] + done, n,
                        FPending.Data() + c * TSampleBlock::PreferredFrames + FPendingFrames);
        FPendingFrames += n;
        done += n;
        if (FPendingFrames == TSampleBlock::PreferredFrames) FlushPending();
    }
}

namespace sequence_detail {
// One shared zero block per channel count; it lives in memory whatever the document's store is.
std::shared_ptr<const TSampleBlock> MakeZeroBlock(int channels) {
    auto store = MakeMemoryBlockStore();
    std::vector<float> zeros(channels * TSampleBlock::PreferredFrames, 0.0f);
    return TSampleBlock::Create(*store, zeros.data(), channels, TSampleBlock::PreferredFrames);
}
std::shared_ptr<const TSampleBlock> ZeroBlock(int channels) {
    static const std::shared_ptr<const TSampleBlock> mono = MakeZeroBlock(1);
    static const std::shared_ptr<const TSampleBlock> stereo = MakeZeroBlock(2);
    return channels == 1 ? mono : stereo;
}
} // namespace sequence_detail

void TSequenceBuilder::AppendSilence(std::int64_t frames) {
    if (frames <= 0) return;
    FlushPending();
    if (FChannels > 2) {
        std::vector<float> zeros(FChannels * 4096, 0.0f);
        while (frames > 0) {
            std::int64_t n = std::min<std::int64_t>(frames, 4096);
            AppendInterleaved(zeros.data(), n);
            frames -= n;
        }
        return;
    }
    auto zero = sequence_detail::ZeroBlock(FChannels);
    while (frames > 0) {
        std::int64_t n = std::min(frames, zero->Frames());
        FDone.AppendSlice({zero, 0, n});
        frames -= n;
    }
}

void TSequenceBuilder::AppendSequence(const TSampleSequence& other) {
    FlushPending();
    FDone = FDone.Append(other);
}

TSampleSequence TSequenceBuilder::Finish() {
    FlushPending();
    TSampleSequence result = FDone;
    FDone = TSampleSequence(FChannels);
    return result;
}
