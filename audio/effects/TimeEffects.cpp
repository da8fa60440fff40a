#include "audio/effects/TimeEffects.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"

#include <rubberband/RubberBandStretcher.h>
#include <soxr.h>

#include <algorithm>
#include <string>

namespace effects {

// One channel's resampler: the input is taken as recorded at rate * factor and converted to rate.
struct TSpeedChangeEffect::TResampler {
    soxr_t Handle = nullptr;

    TResampler(double inputRate, double outputRate) {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
        const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
        Handle = soxr_create(inputRate, outputRate, 1, &error, &io, &quality, &runtime);
        if (error || !Handle)
            throw EAudioEffectError(std::string("Speed Change: the resampler cannot start (") +
                                    (error ? error : "unknown error") + ").");
    }
    ~TResampler() { soxr_delete(Handle); }
    TResampler(const TResampler&) = delete;
    TResampler& operator=(const TResampler&) = delete;

    void Run(const float* input, std::size_t count, bool last, double factor, std::vector<float>& output) {
        std::size_t consumed = 0;
        while (consumed < count) {
            const std::size_t room = static_cast<std::size_t>((count - consumed) / factor) + 256;
            const std::size_t start = output.size();
            output.resize(start + room);
            std::size_t used = 0, made = 0;
            Check(soxr_process(Handle, input + consumed, count - consumed, &used, output.data() + start, room,
                               &made));
            output.resize(start + made);
            consumed += used;
            if (used == 0 && made == 0) break;
        }
        if (!last) return;
        for (;;) {
            const std::size_t room = 4096;
            const std::size_t start = output.size();
            output.resize(start + room);
            std::size_t made = 0;
            Check(soxr_process(Handle, nullptr, 0, nullptr, output.data() + start, room, &made));
            output.resize(start + made);
            if (made == 0) break;
        }
    }

    static void Check(soxr_error_t error) {
        if (error) throw EAudioEffectError(std::string("Speed Change: resampling failed (") + error + ").");
    }
};

TSpeedChangeEffect::TSpeedChangeEffect(int sampleRate, int channels, double percent)
    : TLaneEffect(sampleRate, channels) {
    if (percent == 0)
        throw EAudioEffectParameter(
            "Speed Change: a speed of 0 % is not possible; choose a percent above 0.");
    RequireRange("Speed Change", "speed (%)", percent, 1e-3, 300);
    FFactor = percent / 100.0;
    for (int c = 0; c < channels; ++c)
        FResamplers.push_back(std::make_unique<TResampler>(sampleRate * FFactor, sampleRate));
}

TSpeedChangeEffect::~TSpeedChangeEffect() = default;

void TSpeedChangeEffect::ProcessLane(int channel, const float* input, std::size_t count, bool last,
                                     std::vector<float>& output) {
    FResamplers[static_cast<std::size_t>(channel)]->Run(input, count, last, FFactor, output);
}

// One channel's pitch shifter. Input is fed in chunks of a fixed size whatever the caller's blocks, so
// the output does not depend on how the signal was cut into blocks; the shifter's start-up delay is cut
// off and the end flushed, so that output and input line up frame for frame. Block by block, output is
// handed out a fixed distance behind the input, so that every channel of a signal gives the same number
// of frames for the same block (the shifter itself gives out its frames in content-dependent bursts).
struct TPitchChangeEffect::TShifter {
    static constexpr std::size_t Chunk = 1024;
    static constexpr std::size_t HandOutLag = 65536; // well beyond the shifter's own delay
    RubberBand::RubberBandStretcher Stretcher;
    std::vector<float> Pending; // input not yet fed
    std::vector<float> Ready;   // output not yet handed out
    std::vector<float> Scratch;
    std::size_t ToDiscard = 0;
    std::size_t Received = 0; // input frames of the signal
    std::size_t Given = 0;    // output frames handed out

    TShifter(int sampleRate, double factor)
        : Stretcher(static_cast<std::size_t>(sampleRate), 1,
                    RubberBand::RubberBandStretcher::OptionProcessRealTime |
                        RubberBand::RubberBandStretcher::OptionEngineFiner |
                        RubberBand::RubberBandStretcher::OptionWindowShort,
                    1.0, factor) {
        Stretcher.setMaxProcessSize(Chunk);
        const std::vector<float> pad(Stretcher.getPreferredStartPad(), 0.0f);
        for (std::size_t done = 0; done < pad.size(); done += Chunk) {
            const float* data = pad.data() + done;
            Stretcher.process(&data, std::min(Chunk, pad.size() - done), false);
        }
        ToDiscard = Stretcher.getStartDelay();
    }

    std::size_t Produced() const { return Given + Ready.size(); }

    void Feed(const float* data, std::size_t count) {
        Stretcher.process(&data, count, false);
        for (int available = Stretcher.available(); available > 0; available = Stretcher.available()) {
            Scratch.resize(static_cast<std::size_t>(available));
            float* out = Scratch.data();
            const std::size_t got = Stretcher.retrieve(&out, Scratch.size());
            const std::size_t skip = std::min(got, ToDiscard);
            ToDiscard -= skip;
            Ready.insert(Ready.end(), Scratch.begin() + skip, Scratch.begin() + got);
        }
    }

    void HandOut(std::size_t count, std::vector<float>& output) {
        count = std::min(count, Ready.size());
        output.insert(output.end(), Ready.begin(), Ready.begin() + count);
        Ready.erase(Ready.begin(), Ready.begin() + count);
        Given += count;
    }

    void Run(const float* input, std::size_t count, bool last, std::vector<float>& output) {
        Pending.insert(Pending.end(), input, input + count);
        Received += count;
        std::size_t at = 0;
        for (; at + Chunk <= Pending.size(); at += Chunk)
            Feed(Pending.data() + at, Chunk);
        Pending.erase(Pending.begin(), Pending.begin() + at);
        if (!last) {
            if (Received > HandOutLag + Given) HandOut(Received - HandOutLag - Given, output);
            return;
        }
        Pending.resize(Chunk, 0.0f);
        Feed(Pending.data(), Chunk);
        Pending.clear();
        // Push silence through until every input frame has come out (bounded for safety).
        const std::vector<float> silence(Chunk, 0.0f);
        for (int round = 0; Produced() < Received && round < 1024; ++round)
            Feed(silence.data(), Chunk);
        if (Produced() < Received) // cannot happen with a working shifter; keep the length regardless
            Ready.resize(Received - Given, 0.0f);
        HandOut(Received - Given, output);
        Ready.clear();
    }
};

TPitchChangeEffect::TPitchChangeEffect(int sampleRate, int channels, double percent)
    : TLaneEffect(sampleRate, channels) {
    RequireRange("Pitch Change", "pitch (%)", percent, 10, 300);
    FFactor = 100.0 / percent;
    for (int c = 0; c < channels; ++c)
        FShifters.push_back(std::make_unique<TShifter>(sampleRate, FFactor));
}

TPitchChangeEffect::~TPitchChangeEffect() = default;

void TPitchChangeEffect::ProcessLane(int channel, const float* input, std::size_t count, bool last,
                                     std::vector<float>& output) {
    FShifters[static_cast<std::size_t>(channel)]->Run(input, count, last, output);
}

} // namespace effects
