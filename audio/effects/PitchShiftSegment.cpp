#include "audio/effects/PitchShiftSegment.h"

#include "audio/effects/ParallelFor.h"

#include <rubberband/RubberBandStretcher.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <numbers>
#include <utility>

namespace effects {

namespace pitch_segment_detail {
constexpr std::size_t Chunk = 4096;

// Offline mode: the shifter sees the whole stretch (a study pass, then the processing), which costs
// markedly less than feeding it as a stream and gives out exactly as many frames as go in.
int ShifterOptions() {
    return RubberBand::RubberBandStretcher::OptionProcessOffline |
           RubberBand::RubberBandStretcher::OptionEngineFiner |
           RubberBand::RubberBandStretcher::OptionWindowShort;
}

// Runs samples through a fresh shifter and returns its output (as long as the input).
std::vector<float> RunShifter(int sampleRate, double factor, const std::vector<float>& samples) {
    RubberBand::RubberBandStretcher shifter(static_cast<std::size_t>(sampleRate), 1, ShifterOptions(), 1.0,
                                            factor);
    shifter.setMaxProcessSize(Chunk);
    shifter.setExpectedInputDuration(samples.size());
    for (std::size_t at = 0; at < samples.size(); at += Chunk) {
        const float* data = samples.data() + at;
        shifter.study(&data, std::min(Chunk, samples.size() - at), at + Chunk >= samples.size());
    }
    std::vector<float> output;
    output.reserve(samples.size());
    std::vector<float> scratch;
    auto collect = [&] {
        for (int available = shifter.available(); available > 0; available = shifter.available()) {
            scratch.resize(static_cast<std::size_t>(available));
            float* out = scratch.data();
            const std::size_t got = shifter.retrieve(&out, scratch.size());
            output.insert(output.end(), scratch.begin(), scratch.begin() + static_cast<std::ptrdiff_t>(got));
        }
    };
    for (std::size_t at = 0; at < samples.size(); at += Chunk) {
        const float* data = samples.data() + at;
        shifter.process(&data, std::min(Chunk, samples.size() - at), at + Chunk >= samples.size());
        collect();
    }
    collect();
    output.resize(samples.size(),
                  0.0f); // a working shifter gives exactly this many; keep the length regardless
    return output;
}

// Frames by which the shifter's output runs behind its input (negative: ahead): up to several
// milliseconds, depending on the factor and, a little, on where a sound falls on the shifter's frame
// grid. Tone bursts at several positions go through; the centre of each one's energy is found in the
// output and the median of the shifts is taken.
std::int64_t MeasureLatency(int sampleRate, double factor) {
    const std::size_t half = static_cast<std::size_t>(sampleRate / 20);
    const double frequency = std::min(0.3 * sampleRate, 1000.0 / factor); // about 1 kHz once shifted
    constexpr std::size_t Bursts = 5;
    std::vector<std::int64_t> shifts(Bursts, 0);
    std::vector<char> heard(Bursts, 0); // not vector<bool>: the bursts run on separate threads
    ParallelEach(Bursts, true, [&](std::size_t k) {
        const std::size_t centre = static_cast<std::size_t>(sampleRate / 4) + k * 317;
        std::vector<float> input(2 * centre, 0.0f);
        for (std::size_t i = 0; i < 2 * half; ++i) {
            const double x = (static_cast<double>(i) - half) / half;
            input[centre - half + i] =
                static_cast<float>(0.5 * (1 + std::cos(std::numbers::pi * x)) *
                                   std::sin(2 * std::numbers::pi * frequency * i / sampleRate));
        }
        const auto output = RunShifter(sampleRate, factor, input);
        double weighted = 0, energy = 0;
        for (std::size_t i = 0; i < output.size(); ++i) {
            const double e = static_cast<double>(output[i]) * output[i];
            weighted += e * static_cast<double>(i);
            energy += e;
        }
        if (energy <= 0) return;
        shifts[k] = std::llround(weighted / energy - static_cast<double>(centre));
        heard[k] = 1;
    });
    for (std::size_t k = Bursts; k-- > 0;)
        if (!heard[k]) shifts.erase(shifts.begin() + static_cast<std::ptrdiff_t>(k));
    if (shifts.empty()) return 0;
    std::nth_element(shifts.begin(), shifts.begin() + static_cast<std::ptrdiff_t>(shifts.size() / 2),
                     shifts.end());
    return shifts[shifts.size() / 2];
}

// The measured latency, once per rate and factor for the whole program.
std::int64_t Latency(int sampleRate, double factor) {
    static std::mutex lock;
    static std::map<std::pair<int, double>, std::int64_t> measured;
    std::lock_guard guard(lock);
    const auto key = std::make_pair(sampleRate, factor);
    auto found = measured.find(key);
    if (found == measured.end()) found = measured.emplace(key, MeasureLatency(sampleRate, factor)).first;
    return found->second;
}
} // namespace pitch_segment_detail

TPitchShiftSegment::TPitchShiftSegment(int sampleRate, double factor)
    : FSampleRate(sampleRate), FFactor(factor) {
    FLatency = pitch_segment_detail::Latency(sampleRate, factor);
    FPreRoll = sampleRate / 10;
}

std::int64_t TPitchShiftSegment::ReadsBefore() const {
    return FPreRoll + std::max<std::int64_t>(-FLatency, 0);
}

std::int64_t TPitchShiftSegment::ReadsAfter() const {
    return FPreRoll + std::max<std::int64_t>(FLatency, 0);
}

std::vector<float> TPitchShiftSegment::Shift(const TLaneSpan& input, std::int64_t from,
                                             std::size_t frames) const {
    // Output frame i of the run lines up with input frame first + i - latency.
    const std::int64_t first = from - ReadsBefore();
    const std::int64_t end = from + static_cast<std::int64_t>(frames) + ReadsAfter();
    std::vector<float> samples(static_cast<std::size_t>(end - first));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = input.At(first + static_cast<std::int64_t>(i));
    const auto output = pitch_segment_detail::RunShifter(FSampleRate, FFactor, samples);
    const auto begin = output.begin() + (from - first + FLatency);
    return std::vector<float>(begin, begin + static_cast<std::ptrdiff_t>(frames));
}

} // namespace effects
