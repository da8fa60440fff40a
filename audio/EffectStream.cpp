#include "audio/EffectStream.h"

#include "audio/effects/AudioEffect.h"
#include "audio/effects/EffectMath.h"
#include "audio/effects/ParallelFor.h"

#include <algorithm>
#include <vector>

namespace effect_stream_detail {
// Blocks handled in one round: enough to keep every core busy, with progress between rounds.
constexpr std::int64_t BlocksPerRound = 16;

// One new block being made: its samples, channel after channel, and where it comes from and goes.
struct TPiece {
    TSampleBuffer Samples;
    std::int64_t From = 0; // first source frame
    std::int64_t At = 0;   // its place in the result
    std::int64_t Frames = 0;
    std::shared_ptr<const TSampleBlock> Block;

    float* Channel(int c) { return Samples.Data() + c * Frames; }
};
} // namespace effect_stream_detail

bool CanStreamApart(const effects::TAudioEffect& effect) {
    return effect.WorksOnChannels();
}

TSampleSequence StreamApart(const TSampleSequence& source, std::int64_t start, std::int64_t total,
                            effects::TAudioEffect& effect, const std::shared_ptr<TBlockStore>& store,
                            const std::function<void(std::int64_t)>& progress) {
    using namespace effect_stream_detail;
    const int channels = source.Channels();
    const std::int64_t blockFrames = TSampleBlock::PreferredFrames;
    const bool backwards = effect.ReadsBackwards();
    TSampleSequence result(channels);
    auto read = [&](TPiece& piece, int c) {
        float* samples = piece.Channel(c);
        source.ReadChannel(c, piece.From, piece.Frames, samples);
        effects::ReplaceNonFinite(samples, std::size_t(piece.Frames));
    };
    for (std::int64_t round = 0; round < total; round += blockFrames * BlocksPerRound) {
        const std::int64_t roundEnd = std::min(total, round + blockFrames * BlocksPerRound);
        std::vector<TPiece> pieces;
        for (std::int64_t at = round; at < roundEnd; at += blockFrames) {
            TPiece piece;
            piece.At = at;
            piece.Frames = std::min(blockFrames, roundEnd - at);
            piece.From = backwards ? start + total - at - piece.Frames : start + at;
            pieces.push_back(std::move(piece));
        }
        auto finish = [&](TPiece& piece) {
            piece.Block = TSampleBlock::Create(*store, std::move(piece.Samples), channels, piece.Frames);
        };
        if (effect.BlocksApart()) {
            effects::ParallelEach(pieces.size(), true, [&](std::size_t i) {
                TPiece& piece = pieces[i];
                piece.Samples = TSampleBuffer(std::size_t(channels * piece.Frames));
                std::vector<float*> planes(std::size_t(channels), nullptr);
                for (int c = 0; c < channels; ++c) {
                    read(piece, c);
                    planes[std::size_t(c)] = piece.Channel(c);
                }
                effect.ProcessChannelsAt(planes.data(), std::size_t(piece.Frames), std::uint64_t(piece.At));
                finish(piece);
            });
        } else if (!effect.ChannelsApart()) {
            // The blocks one after the other through the effect; reading and summarising side by side.
            effects::ParallelEach(pieces.size(), true, [&](std::size_t i) {
                pieces[i].Samples = TSampleBuffer(std::size_t(channels * pieces[i].Frames));
                for (int c = 0; c < channels; ++c)
                    read(pieces[i], c);
            });
            for (TPiece& piece : pieces) {
                std::vector<float*> planes(std::size_t(channels), nullptr);
                for (int c = 0; c < channels; ++c)
                    planes[std::size_t(c)] = piece.Channel(c);
                effect.ProcessChannels(planes.data(), std::size_t(piece.Frames));
            }
            effects::ParallelEach(pieces.size(), true, [&](std::size_t i) { finish(pieces[i]); });
        } else {
            effects::ParallelEach(pieces.size(), true, [&](std::size_t i) {
                pieces[i].Samples = TSampleBuffer(std::size_t(channels * pieces[i].Frames));
            });
            // Each channel's blocks in order, the channels side by side.
            effects::ParallelEach(std::size_t(channels), true, [&](std::size_t c) {
                for (TPiece& piece : pieces) {
                    read(piece, int(c));
                    effect.ProcessOneChannel(int(c), piece.Channel(int(c)), std::size_t(piece.Frames));
                }
            });
            effects::ParallelEach(pieces.size(), true, [&](std::size_t i) { finish(pieces[i]); });
        }
        for (const TPiece& piece : pieces)
            result.AppendSlice({piece.Block, 0, piece.Frames});
        if (progress) progress(roundEnd);
    }
    return result;
}
