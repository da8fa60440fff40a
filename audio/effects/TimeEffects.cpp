#include "audio/effects/TimeEffects.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"
#include "audio/effects/ParallelFor.h"
#include "audio/effects/PitchShiftJoin.h"
#include "audio/effects/PitchShiftSegment.h"
#include "audio/effects/Resampler.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <string>

namespace effects {

TSpeedChangeEffect::TSpeedChangeEffect(int sampleRate, int channels, double percent)
    : TLaneEffect(sampleRate, channels) {
    if (percent == 0)
        throw EAudioEffectParameter(
            "Speed Change: a speed of 0 % is not possible; choose a percent above 0.");
    RequireRange("Speed Change", "speed (%)", percent, 1e-3, 300);
    FFactor = percent / 100.0;
    for (int c = 0; c < channels; ++c)
        FResamplers.push_back(std::make_unique<TResampler>(sampleRate, FFactor, "Speed Change"));
}

TSpeedChangeEffect::~TSpeedChangeEffect() = default;

void TSpeedChangeEffect::ProcessLane(int channel, const float* input, std::size_t count, bool last,
                                     std::vector<float>& output) {
    FResamplers[static_cast<std::size_t>(channel)]->Run(input, count, last, output);
}

namespace pitch_detail {
// Stretch length, cross-fade and slide, in seconds: long stretches keep the share of start-up work
// small; the slide covers a period of tones down to 50 Hz.
constexpr double SegmentSeconds = 3.0;
constexpr double OverlapSeconds = 0.03;
constexpr double ReachSeconds = 0.01;
} // namespace pitch_detail

// Stretches sent to the cores together, with their own copy of the input they read (the input held by
// the effect grows and is cut while they run).
struct TPitchChangeEffect::TBatch {
    std::int64_t First = 0, Count = 0;
    bool Ended = false;
    std::int64_t Received = 0; // frames of signal known when it was sent
    std::int64_t InputFirst = 0;
    TLanes Input;
    std::vector<TLanes> Shifted;
    std::future<void> Done;
};

TPitchChangeEffect::TPitchChangeEffect(int sampleRate, int channels, double percent)
    : TAudioEffect(sampleRate, channels) {
    RequireRange("Pitch Change", "pitch (%)", percent, 10, 300);
    FShifter = std::make_unique<TPitchShiftSegment>(sampleRate, 100.0 / percent);
    FSegmentFrames = std::max<std::int64_t>(1, std::llround(pitch_detail::SegmentSeconds * sampleRate));
    FOverlap = std::max<std::int64_t>(1, std::llround(pitch_detail::OverlapSeconds * sampleRate));
    FReach = std::max<std::int64_t>(1, std::llround(pitch_detail::ReachSeconds * sampleRate));
    FInput.resize(static_cast<std::size_t>(channels));
}

TPitchChangeEffect::~TPitchChangeEffect() = default;

// The frame from which a stretch reads only silence: the signal's end, or the point past its own end up
// to which it may read ahead. It depends on the signal alone, never on how the signal was cut up.
std::int64_t TPitchChangeEffect::ReadLimit(std::int64_t segment, bool ended) const {
    const std::int64_t ahead = (segment + 1) * FSegmentFrames + FOverlap + FReach + FShifter->ReadsAfter();
    return ended ? std::min(ahead, FReceived) : ahead;
}

bool TPitchChangeEffect::Ready(std::int64_t segment, bool ended) const {
    if (segment * FSegmentFrames >= FReceived) return false;
    return ended || FReceived >= ReadLimit(segment, false);
}

void TPitchChangeEffect::Process(std::vector<float>& block, bool last) {
    const std::size_t frames = FramesOf(block);
    const std::size_t channels = static_cast<std::size_t>(Channels());
    for (std::size_t c = 0; c < channels; ++c) {
        auto& lane = FInput[c];
        const std::size_t start = lane.size();
        lane.resize(start + frames);
        for (std::size_t f = 0; f < frames; ++f)
            lane[start + f] = block[f * channels + c];
    }
    FReceived += static_cast<std::int64_t>(frames);

    // Stretches go out to the cores once there are enough to keep them all busy (twice as many as there
    // are cores, so that one held up by other work on the machine delays the rest little), and the last
    // ones once the end is known. They are shifted in the background while the next blocks arrive; the
    // batch before is joined when the next one is sent, or at the end.
    const std::int64_t enough = std::max<std::int64_t>(1, 2 * WorkerCount() / channels);
    std::int64_t ready = 0;
    while (Ready(FNextSegment + ready, last))
        ++ready;
    std::vector<float> output;
    if (ready > 0 && (ready >= enough || last)) {
        auto batch = Launch(FNextSegment, ready, last);
        FNextSegment += ready;
        DropUnneededInput();
        if (FRunning) Finish(*FRunning, output);
        FRunning = std::move(batch);
    }
    if (last && FRunning) {
        Finish(*FRunning, output);
        FRunning.reset();
    }
    block = std::move(output);
}

std::unique_ptr<TPitchChangeEffect::TBatch> TPitchChangeEffect::Launch(std::int64_t first, std::int64_t count,
                                                                       bool ended) {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    auto batch = std::make_unique<TBatch>();
    batch->First = first;
    batch->Count = count;
    batch->Ended = ended;
    batch->Received = FReceived;
    batch->InputFirst = std::max(FInputFirst, first * FSegmentFrames - FReach - FShifter->ReadsBefore());
    const std::int64_t inputEnd = std::min(ReadLimit(first + count - 1, ended), FReceived);
    batch->Input.resize(channels);
    for (std::size_t c = 0; c < channels; ++c) {
        const auto begin = FInput[c].begin() + (batch->InputFirst - FInputFirst);
        batch->Input[c].assign(begin, begin + (inputEnd - batch->InputFirst));
    }
    batch->Shifted.assign(static_cast<std::size_t>(count), TLanes(channels));
    TBatch* job = batch.get();
    batch->Done = std::async(std::launch::async, [this, job] { RunSegments(*job); });
    return batch;
}

void TPitchChangeEffect::RunSegments(TBatch& batch) const {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    // Each worker takes the next stretch and channel not yet taken, so that a slow one holds up no other.
    const std::size_t tasks = static_cast<std::size_t>(batch.Count) * channels;
    std::atomic<std::size_t> next{0};
    ParallelEach(std::min<std::size_t>(tasks, WorkerCount()), true, [&](std::size_t) {
        for (std::size_t task = next++; task < tasks; task = next++) {
            const std::int64_t segment = batch.First + static_cast<std::int64_t>(task / channels);
            const std::size_t c = task % channels;
            const std::int64_t start = segment * FSegmentFrames;
            const std::int64_t end = std::min(start + FSegmentFrames, batch.Received);
            const bool final = batch.Ended && end == batch.Received;
            // From FReach before the stretch to FReach past it (and past the next join, if any).
            const std::int64_t frames = end - start + 2 * FReach + (final ? 0 : FOverlap);
            const std::int64_t limit =
                batch.Ended ? std::min(ReadLimit(segment, false), batch.Received) : ReadLimit(segment, false);
            const TLaneSpan span{batch.Input[c].data(), batch.InputFirst, limit};
            batch.Shifted[task / channels][c] =
                FShifter->Shift(span, start - FReach, static_cast<std::size_t>(frames));
        }
    });
}

void TPitchChangeEffect::Finish(TBatch& batch, std::vector<float>& output) {
    batch.Done.get();
    const std::size_t channels = static_cast<std::size_t>(Channels());
    const std::int64_t frames =
        std::min((batch.First + batch.Count) * FSegmentFrames, batch.Received) - batch.First * FSegmentFrames;
    output.reserve(output.size() + static_cast<std::size_t>(frames) * channels);
    for (std::int64_t i = 0; i < batch.Count; ++i)
        Join(batch.First + i, batch.Ended, batch.Received, batch.Shifted[static_cast<std::size_t>(i)],
             output);
}

// Places a shifted stretch after the one before: slid to fit it, faded in over it, and appended to the
// interleaved output; keeps what lies over the next join.
void TPitchChangeEffect::Join(std::int64_t segment, bool ended, std::int64_t received, const TLanes& shifted,
                              std::vector<float>& output) {
    const std::size_t channels = static_cast<std::size_t>(Channels());
    const std::int64_t start = segment * FSegmentFrames;
    const std::int64_t end = std::min(start + FSegmentFrames, received);
    const bool final = ended && end == received;
    const std::size_t own = static_cast<std::size_t>(end - start);
    const std::size_t overlap = FTail.empty() ? 0 : std::min(own, static_cast<std::size_t>(FOverlap));
    const int reach = static_cast<int>(FReach);
    const std::vector<int> offsets =
        overlap == 0 ? std::vector<int>(channels, 0) : JoinOffsets(FTail, shifted, overlap, reach);

    const std::size_t base = output.size();
    output.resize(base + own * channels);
    for (std::size_t c = 0; c < channels; ++c) {
        const float* source = shifted[c].data() + reach + offsets[c];
        float* target = output.data() + base + c;
        for (std::size_t f = 0; f < own; ++f)
            target[f * channels] = source[f];
        for (std::size_t f = 0; f < overlap; ++f) {
            const float w = JoinWeight(f, overlap);
            target[f * channels] = FTail[c][f] * (1 - w) + source[f] * w;
        }
    }
    if (final) {
        FTail.clear();
        return;
    }
    FTail.resize(channels);
    for (std::size_t c = 0; c < channels; ++c) {
        const auto begin = shifted[c].begin() + reach + offsets[c] + static_cast<std::ptrdiff_t>(own);
        FTail[c].assign(begin, begin + FOverlap);
    }
}

// Keeps only the input the next stretch reads.
void TPitchChangeEffect::DropUnneededInput() {
    const std::int64_t needed = FNextSegment * FSegmentFrames - FReach - FShifter->ReadsBefore();
    const std::int64_t drop = std::min(needed, FReceived) - FInputFirst;
    if (drop <= 0) return;
    for (auto& lane : FInput)
        lane.erase(lane.begin(), lane.begin() + static_cast<std::ptrdiff_t>(drop));
    FInputFirst += drop;
}

} // namespace effects
