#include "audio/effects/TimeEffects.h"

#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"

#include <rubberband/RubberBandStretcher.h>
#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>
#include <string>
#include <utility>

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

namespace pitch_detail {
constexpr std::size_t Chunk = 1024;

int ShifterOptions() {
    return RubberBand::RubberBandStretcher::OptionProcessRealTime |
           RubberBand::RubberBandStretcher::OptionEngineFiner |
           RubberBand::RubberBandStretcher::OptionWindowShort;
}

// Frames by which the shifter's output runs behind its input after its preferred start padding
// (negative: ahead). The shifter's own start-delay figure is right at small factors but far off at large
// ones (it swallows the first ~0.2 s when shifting up by three octaves), so the delay is measured: a
// tone burst goes through and the centre of its energy is found in the output.
long MeasureLatency(int sampleRate, double factor) {
    RubberBand::RubberBandStretcher probe(static_cast<std::size_t>(sampleRate), 1, ShifterOptions(), 1.0,
                                          factor);
    probe.setMaxProcessSize(Chunk);
    const std::size_t pad = probe.getPreferredStartPad();
    const std::size_t centre = 65536, half = static_cast<std::size_t>(sampleRate / 10);
    const double frequency = std::min(0.3 * sampleRate, 1000.0 / factor); // about 1 kHz once shifted
    std::vector<float> input(pad + 2 * centre + 65536, 0.0f);
    for (std::size_t i = 0; i < 2 * half; ++i) {
        const double x = (static_cast<double>(i) - half) / half;
        input[pad + centre - half + i] =
            static_cast<float>(0.5 * (1 + std::cos(std::numbers::pi * x)) *
                               std::sin(2 * std::numbers::pi * frequency * i / sampleRate));
    }
    double weighted = 0, energy = 0;
    std::size_t at = 0;
    std::vector<float> out(65536);
    for (std::size_t fed = 0; fed < input.size(); fed += Chunk) {
        const float* data = input.data() + fed;
        probe.process(&data, std::min(Chunk, input.size() - fed), false);
        for (int available = probe.available(); available > 0; available = probe.available()) {
            float* buffer = out.data();
            const std::size_t got = probe.retrieve(&buffer, std::min<std::size_t>(available, out.size()));
            for (std::size_t i = 0; i < got; ++i, ++at) {
                const double e = static_cast<double>(out[i]) * out[i];
                weighted += e * static_cast<double>(at);
                energy += e;
            }
        }
    }
    if (energy <= 0) // nothing came through: fall back on the shifter's own figure
        return static_cast<long>(probe.getStartDelay()) - static_cast<long>(pad);
    return std::lround(weighted / energy - static_cast<double>(pad + centre));
}

// The measured latency, once per rate and factor for the whole program.
long Latency(int sampleRate, double factor) {
    static std::mutex lock;
    static std::map<std::pair<int, double>, long> measured;
    std::lock_guard guard(lock);
    const auto key = std::make_pair(sampleRate, factor);
    auto found = measured.find(key);
    if (found == measured.end()) found = measured.emplace(key, MeasureLatency(sampleRate, factor)).first;
    return found->second;
}
} // namespace pitch_detail

// One channel's pitch shifter. Input is fed in chunks of a fixed size whatever the caller's blocks, so
// the output does not depend on how the signal was cut into blocks; the shifter's delay is cut off and
// the end flushed, so that output and input line up frame for frame. Block by block, output is handed
// out a fixed distance behind the input, so that every channel of a signal gives the same number of
// frames for the same block (the shifter itself gives out its frames in content-dependent bursts).
struct TPitchChangeEffect::TShifter {
    static constexpr std::size_t Chunk = pitch_detail::Chunk;
    RubberBand::RubberBandStretcher Stretcher;
    std::size_t HandOutLag;     // well beyond the shifter's own delay
    std::vector<float> Pending; // input not yet fed
    std::vector<float> Ready;   // output not yet handed out
    std::vector<float> Scratch;
    std::size_t ToDiscard = 0;
    std::size_t Received = 0; // input frames of the signal
    std::size_t Given = 0;    // output frames handed out

    TShifter(int sampleRate, double factor)
        : Stretcher(static_cast<std::size_t>(sampleRate), 1, pitch_detail::ShifterOptions(), 1.0, factor),
          HandOutLag(65536 * static_cast<std::size_t>(std::max(1, sampleRate / 44100))) {
        Stretcher.setMaxProcessSize(Chunk);
        // Enough silence first that even a shifter running ahead of its input gives out all of it.
        const long latency = pitch_detail::Latency(sampleRate, factor);
        const long padding = std::max<long>(static_cast<long>(Stretcher.getPreferredStartPad()), -latency);
        const std::vector<float> pad(static_cast<std::size_t>(padding), 0.0f);
        for (std::size_t done = 0; done < pad.size(); done += Chunk) {
            const float* data = pad.data() + done;
            Stretcher.process(&data, std::min(Chunk, pad.size() - done), false);
        }
        ToDiscard = static_cast<std::size_t>(padding + latency);
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
        // Push silence through until every input frame has come out (bounded for safety).
        Pending.resize(Chunk, 0.0f);
        for (int round = 0; Produced() < Received && round < 1024; ++round) {
            Feed(Pending.data(), Chunk);
            std::fill(Pending.begin(), Pending.end(), 0.0f);
        }
        Pending.clear();
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
