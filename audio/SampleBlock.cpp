#include "audio/SampleBlock.h"

#include <algorithm>
#include <cmath>

double TRangeSummary::Rms() const {
    return Count > 0 ? std::sqrt(SumSquares / double(Count)) : 0.0;
}

void TRangeSummary::Merge(const TRangeSummary& other) {
    if (other.Count == 0) return;
    if (Count == 0) {
        *this = other;
        return;
    }
    Min = std::min(Min, other.Min);
    Max = std::max(Max, other.Max);
    SumSquares += other.SumSquares;
    Count += other.Count;
}

std::shared_ptr<const TSampleBlock> TSampleBlock::Create(TBlockStore& store, const float* planar,
                                                         int channels, std::int64_t frames) {
    std::shared_ptr<TSampleBlock> block = Summarized(planar, channels, frames);
    block->FSamples = store.Store(planar, channels, frames);
    return block;
}

std::shared_ptr<const TSampleBlock> TSampleBlock::Create(TBlockStore& store, TSampleBuffer&& planar,
                                                         int channels, std::int64_t frames) {
    std::shared_ptr<TSampleBlock> block = Summarized(planar.Data(), channels, frames);
    block->FSamples = store.StoreOwned(std::move(planar), channels, frames);
    return block;
}

std::shared_ptr<TSampleBlock> TSampleBlock::Summarized(const float* planar, int channels,
                                                       std::int64_t frames) {
    std::shared_ptr<TSampleBlock> block(new TSampleBlock());
    block->FFinePerChannel = (frames + FineStep - 1) / FineStep;
    block->FCoarsePerChannel = (frames + CoarseStep - 1) / CoarseStep;
    block->FFine.resize(block->FFinePerChannel * channels);
    block->FCoarse.resize(block->FCoarsePerChannel * channels);
    for (int c = 0; c < channels; ++c) {
        const float* src = planar + c * frames;
        for (std::int64_t e = 0; e < block->FFinePerChannel; ++e) {
            std::int64_t from = e * FineStep, to = std::min(frames, from + FineStep);
            float lo = src[from], hi = src[from], sq = 0;
            if (to - from == FineStep) {
                // Eight independent lanes let the compiler use vector instructions.
                float los[8], his[8], sqs[8];
                for (int k = 0; k < 8; ++k)
                    los[k] = his[k] = src[from + k], sqs[k] = 0;
                for (std::int64_t i = from; i < to; i += 8)
                    for (int k = 0; k < 8; ++k) {
                        float v = src[i + k];
                        los[k] = v < los[k] ? v : los[k];
                        his[k] = v > his[k] ? v : his[k];
                        sqs[k] += v * v;
                    }
                for (int k = 0; k < 8; ++k) {
                    lo = std::min(lo, los[k]);
                    hi = std::max(hi, his[k]);
                    sq += sqs[k];
                }
            } else {
                for (std::int64_t i = from; i < to; ++i) {
                    float v = src[i];
                    lo = v < lo ? v : lo;
                    hi = v > hi ? v : hi;
                    sq += v * v;
                }
            }
            block->FFine[c * block->FFinePerChannel + e] = {lo, hi, float(sq)};
        }
        constexpr std::int64_t finePerCoarse = CoarseStep / FineStep;
        for (std::int64_t e = 0; e < block->FCoarsePerChannel; ++e) {
            std::int64_t from = e * finePerCoarse,
                         to = std::min(block->FFinePerChannel, from + finePerCoarse);
            TSummaryEntry acc = block->FFine[c * block->FFinePerChannel + from];
            acc.SumSquares = 0;
            for (std::int64_t i = from; i < to; ++i) {
                const TSummaryEntry& f = block->FFine[c * block->FFinePerChannel + i];
                acc.Min = std::min(acc.Min, f.Min);
                acc.Max = std::max(acc.Max, f.Max);
                acc.SumSquares += f.SumSquares;
            }
            block->FCoarse[c * block->FCoarsePerChannel + e] = acc;
        }
        TRangeSummary whole;
        for (std::int64_t e = 0; e < block->FCoarsePerChannel; ++e) {
            const TSummaryEntry& entry = block->FCoarse[c * block->FCoarsePerChannel + e];
            std::int64_t n = std::min(CoarseStep, frames - e * CoarseStep);
            whole.Merge(TRangeSummary{entry.Min, entry.Max, entry.SumSquares, n});
        }
        block->FWhole.push_back(whole);
    }
    return block;
}

TRangeSummary TSampleBlock::Summarize(int channel, std::int64_t offset, std::int64_t count) const {
    std::int64_t end = std::min(Frames(), offset + count);
    if (offset <= 0 && end >= Frames()) return FWhole[channel];
    TRangeSummary result;
    auto addSamples = [&](std::int64_t from, std::int64_t to) {
        if (to <= from) return;
        std::vector<float> buf(to - from);
        Read(channel, from, to - from, buf.data());
        TRangeSummary part{buf[0], buf[0], 0, to - from};
        for (float v : buf) {
            part.Min = std::min(part.Min, v);
            part.Max = std::max(part.Max, v);
            part.SumSquares += double(v) * v;
        }
        result.Merge(part);
    };
    auto addEntry = [&](const TSummaryEntry& e, std::int64_t frames) {
        result.Merge(TRangeSummary{e.Min, e.Max, e.SumSquares, frames});
    };
    std::int64_t pos = offset;
    // Leading frames up to the first fine boundary.
    std::int64_t firstFine = std::min(end, (pos + FineStep - 1) / FineStep * FineStep);
    addSamples(pos, firstFine);
    pos = firstFine;
    while (pos < end) {
        std::int64_t coarseEnd = std::min(Frames(), pos + CoarseStep);
        if (pos % CoarseStep == 0 && coarseEnd <= end) {
            addEntry(FCoarse[channel * FCoarsePerChannel + pos / CoarseStep], coarseEnd - pos);
            pos = coarseEnd;
            continue;
        }
        std::int64_t fineEnd = std::min(Frames(), pos + FineStep);
        if (fineEnd <= end) {
            addEntry(FFine[channel * FFinePerChannel + pos / FineStep], fineEnd - pos);
            pos = fineEnd;
            continue;
        }
        addSamples(pos, end);
        pos = end;
    }
    return result;
}
