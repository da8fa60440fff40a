// Times every effect through the editor against sox's equivalent effect, both as whole processes that
// open the same 10-minute 44.1 kHz stereo 16-bit WAV file, apply the effect and save the result as a WAV
// file of the same kind: what a user waits for. Prints the median wall times, their median ratio (ours /
// sox; below 1 is faster), the median processor times (ours uses several cores, sox one: on a machine
// with fewer cores our wall time approaches our processor time divided by their number) and the engine's
// peak memory against the document's size. Pin the run to the processors to measure on, as in
// `taskset -c 0,1 olva_bench_effects`: both tools inherit the set, and the first line names its size.
//
// For effects that move every frequency (the pitch change) it also prints how far each tool's result lies
// from the ideal (the source signal made again with every frequency moved): the distance between their
// spectra averaged over the first half minute, in dB.
//
// For the pitch change it also measures, on short signals of its own, what a listener hears of both
// tools' results: how far the notes of close chords land from where they belong (±3, ±7, ±12
// semitones), how long a click lasts and how much of it sounds before it (±12 semitones), and the noise
// and distortion of a shifted sine.
//
// Usage: olva_bench_effects [seconds] [runs] [effect]   (default 600 seconds, 3 runs, every effect)
//        olva_bench_effects --pitch-quality   (only the pitch change's quality measures)
//        olva_bench_effects --source PATH [seconds]   (only writes the source file, to time by hand)
//        olva_bench_effects --list   (each effect's name and the reference tool's arguments, a line each)

#include "audio/AudioDecoder.h"
#include "audio/AudioError.h"
#include "audio/views/FrequencyAnalyzer.h"
#include "bench/common/WholeProcess.h"
#include "bench/effects/EffectCases.h"
#include "tests/audio/effects/PitchMeasures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <random>
#include <sched.h>
#include <string>
#include <vector>

namespace effects_bench {

constexpr int Rate = 44100;
constexpr int Channels = 2;

// Music-like test signal: a few tones with a slow swell plus a little noise; scale moves every tone.
std::vector<float> MakeSignal(double seconds, double scale = 1.0) {
    const std::size_t frames = static_cast<std::size_t>(seconds * Rate);
    std::vector<float> samples(frames * Channels);
    std::mt19937 generator(1);
    std::uniform_real_distribution<float> noise(-0.02f, 0.02f);
    for (std::size_t f = 0; f < frames; ++f) {
        const double t = static_cast<double>(f) / Rate;
        const double swell = 0.6 + 0.4 * std::sin(2 * std::numbers::pi * 0.1 * t);
        const double tone = 0.3 * std::sin(2 * std::numbers::pi * 220 * scale * t) +
                            0.2 * std::sin(2 * std::numbers::pi * 330 * scale * t) +
                            0.1 * std::sin(2 * std::numbers::pi * 2750 * scale * t);
        samples[f * 2] = static_cast<float>(swell * tone) + noise(generator);
        samples[f * 2 + 1] = static_cast<float>(swell * tone * 0.8) + noise(generator);
    }
    return samples;
}

void Put32(std::FILE* file, std::uint32_t value) {
    std::fwrite(&value, 4, 1, file);
}
void Put16(std::FILE* file, std::uint16_t value) {
    std::fwrite(&value, 2, 1, file);
}

// A 16-bit WAV of the signal, as most sound files a user opens are.
bool WriteWav(const std::string& path, const std::vector<float>& samples) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const std::uint32_t bytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::fwrite("RIFF", 1, 4, file);
    Put32(file, 36 + bytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    Put32(file, 16);
    Put16(file, 1); // integer samples
    Put16(file, Channels);
    Put32(file, Rate);
    Put32(file, Rate * Channels * 2);
    Put16(file, Channels * 2);
    Put16(file, 16);
    std::fwrite("data", 1, 4, file);
    Put32(file, bytes);
    std::vector<std::int16_t> pcm(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        pcm[i] =
            static_cast<std::int16_t>(std::lround(std::clamp(samples[i], -1.0f, 32767 / 32768.0f) * 32768));
    const bool ok = std::fwrite(pcm.data(), 2, pcm.size(), file) == pcm.size();
    return std::fclose(file) == 0 && ok;
}

constexpr double QualitySeconds = 30;

// The left channel's spectrum averaged (in power) over frames [0, frames) of interleaved stereo, in dB,
// up to 15 kHz: steady tones stand out of the noise, whose own bins average out.
std::vector<double> AverageSpectrumDb(const std::vector<float>& stereo, std::size_t frames) {
    constexpr int Size = 4096;
    TSpectrumAnalyzer analyzer(Size);
    const std::size_t top = 15000 * Size / Rate;
    std::vector<float> left(frames), levels(static_cast<std::size_t>(analyzer.Bins()));
    for (std::size_t f = 0; f < frames; ++f)
        left[f] = stereo[f * Channels];
    std::vector<double> power(top, 0.0);
    int count = 0;
    for (std::size_t at = 0; at + Size <= frames; at += Size / 2, ++count) {
        analyzer.Analyze(left.data() + at, Size, levels.data());
        for (std::size_t k = 1; k < top; ++k)
            power[k] += std::pow(10.0, levels[k] / 10);
    }
    std::vector<double> db(top, TSpectrumAnalyzer::FloorDb);
    for (std::size_t k = 1; k < top; ++k)
        if (power[k] > 0) db[k] = 10 * std::log10(power[k] / count);
    return db;
}

// RMS difference in dB between a result's averaged spectrum and the ideal's (levels more than 80 dB
// below the ideal's loudest count as that floor); negative when the file cannot be read.
double DistanceToIdealDb(const std::string& path, const std::vector<double>& ideal, double seconds) {
    const std::size_t frames = static_cast<std::size_t>(std::min(QualitySeconds, seconds) * Rate);
    std::vector<float> stereo(frames * Channels, 0.0f);
    try {
        TAudioDecoder decoder(path);
        if (decoder.Channels() != Channels || decoder.Read(stereo.data(), std::int64_t(frames)) <= 0)
            return -1;
    } catch (const Exception&) {
        return -1;
    }
    const auto actual = AverageSpectrumDb(stereo, frames);
    const double floor = *std::max_element(ideal.begin(), ideal.end()) - 80;
    double sum = 0;
    for (std::size_t k = 1; k < ideal.size(); ++k) {
        const double d = std::max(ideal[k], floor) - std::max(actual[k], floor);
        sum += d * d;
    }
    return std::sqrt(sum / static_cast<double>(ideal.size() - 1));
}

// The left channel of a sound file, or nothing when it cannot be read.
std::vector<float> ReadLeft(const std::string& path) {
    try {
        TAudioDecoder decoder(path);
        std::vector<float> interleaved(std::size_t(decoder.LengthFrames() + Rate) * decoder.Channels());
        const std::int64_t frames = decoder.Read(interleaved.data(), decoder.LengthFrames() + Rate);
        std::vector<float> left(static_cast<std::size_t>(frames));
        for (std::size_t f = 0; f < left.size(); ++f)
            left[f] = interleaved[f * std::size_t(decoder.Channels())];
        return left;
    } catch (const Exception&) {
        return {};
    }
}

// A mono signal through both tools' pitch change by semitones (as the same signal on both channels of
// a 16-bit file): the engine's result and the reference tool's, left channels.
std::pair<std::vector<float>, std::vector<float>> ShiftBoth(const std::vector<float>& mono, int semitones,
                                                            const std::string& tool,
                                                            const std::filesystem::path& dir) {
    std::vector<float> stereo(mono.size() * 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        stereo[2 * i] = stereo[2 * i + 1] = mono[i];
    const std::string in = (dir / "quality.wav").string(), ours = (dir / "quality-ours.wav").string(),
                      theirs = (dir / "quality-sox.wav").string();
    if (!WriteWav(in, stereo)) return {};
    const std::string name =
        std::string("pitch") + (semitones < 0 ? "-" : "+") + std::to_string(std::abs(semitones));
    whole_process::Run({tool, in, ours, name});
    whole_process::Run({"sox", "-q", in, theirs, "pitch", std::to_string(semitones * 100)});
    return {ReadLeft(ours), ReadLeft(theirs)};
}

void PitchQuality(const std::string& tool, const std::filesystem::path& dir) {
    using namespace pitch_measures;
    std::printf("\nPitch change heard: the engine's result / the reference tool's\n");
    std::printf("%-10s %26s\n", "semitones", "worst chord note (cents)");
    for (int semitones : {3, -3, 7, -7, 12, -12}) {
        double ours = 0, theirs = 0;
        for (const auto& notes : Chords()) {
            const auto [a, b] = ShiftBoth(Tones(notes, 3.0, Rate), semitones, tool, dir);
            ours = std::max(ours, a.empty() ? 1e9 : WorstCents(a, notes, semitones, Rate));
            theirs = std::max(theirs, b.empty() ? 1e9 : WorstCents(b, notes, semitones, Rate));
        }
        std::printf("%-+10d %12.1f / %-12.1f\n", semitones, ours, theirs);
    }
    std::printf("%-10s %22s %22s %22s\n", "semitones", "click width (ms)", "click place (ms)",
                "before it (dB)");
    for (int semitones : {12, -12}) {
        const auto [a, b] = ShiftBoth(Clicks(Rate), semitones, tool, dir);
        TClick ours, theirs; // the worst of the clicks
        ours.BeforeDb = theirs.BeforeDb = -200;
        for (std::size_t at : ClickPlaces(Rate))
            for (auto [shifted, worst] : {std::pair{&a, &ours}, std::pair{&b, &theirs}}) {
                if (shifted->size() < Clicks(Rate).size()) continue;
                const TClick click = MeasureClick(*shifted, at, Rate);
                worst->WidthMs = std::max(worst->WidthMs, click.WidthMs);
                if (std::fabs(click.PlaceMs) > std::fabs(worst->PlaceMs)) worst->PlaceMs = click.PlaceMs;
                worst->BeforeDb = std::max(worst->BeforeDb, click.BeforeDb);
            }
        std::printf("%-+10d %10.2f / %-9.2f %10.2f / %-9.2f %10.1f / %-9.1f\n", semitones, ours.WidthMs,
                    theirs.WidthMs, ours.PlaceMs, theirs.PlaceMs, ours.BeforeDb, theirs.BeforeDb);
    }
    std::printf("%-10s %26s\n", "semitones", "1 kHz sine THD+N (dB)");
    for (int semitones : {3, -7, 12}) {
        std::vector<float> sine(std::size_t(2 * Rate));
        for (std::size_t i = 0; i < sine.size(); ++i)
            sine[i] = static_cast<float>(
                0.5 * std::sin(2 * std::numbers::pi * 1000 * static_cast<double>(i) / Rate));
        const auto [a, b] = ShiftBoth(sine, semitones, tool, dir);
        const double f = 1000 * std::exp2(semitones / 12.0);
        std::printf("%-+10d %12.1f / %-12.1f\n", semitones, a.empty() ? 0.0 : ThdPlusNoiseDb(a, f, Rate),
                    b.empty() ? 0.0 : ThdPlusNoiseDb(b, f, Rate));
    }
    std::fflush(stdout);
}

} // namespace effects_bench

int main(int argc, char** argv) {
    using namespace effects_bench;
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
        for (const TCase& c : Cases())
            std::printf("%s\t%s\n", c.Name, c.Sox.c_str());
        return 0;
    }
    if (argc > 2 && std::strcmp(argv[1], "--source") == 0) {
        const double length = argc > 3 ? std::atof(argv[3]) : 600.0;
        return WriteWav(argv[2], MakeSignal(length)) ? 0 : 1;
    }
    const bool qualityOnly = argc > 1 && std::strcmp(argv[1], "--pitch-quality") == 0;
    const double seconds = argc > 1 && !qualityOnly ? std::atof(argv[1]) : 600.0;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const char* only = argc > 3 ? argv[3] : nullptr;
    if (only && !Find(only)) {
        std::fprintf(stderr, "unknown effect %s\n", only);
        return 2;
    }
    if (std::system("command -v sox >/dev/null 2>&1") != 0) {
        std::printf("effects: skipped, sox is missing\n");
        return 0;
    }
    const std::string tool = (std::filesystem::path(argv[0]).parent_path() / "olva_apply_effect").string();
    const char* tmp = std::getenv("TMPDIR");
    const std::filesystem::path dir =
        std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / "olva-bench-effects";
    std::filesystem::create_directories(dir);
    const std::string wav = (dir / "source.wav").string(), ours = (dir / "ours.wav").string(),
                      theirs = (dir / "sox.wav").string();
    if (qualityOnly) {
        PitchQuality(tool, dir);
        std::filesystem::remove_all(dir);
        return 0;
    }
    const auto signal = MakeSignal(seconds);
    if (!WriteWav(wav, signal)) {
        std::fprintf(stderr, "Cannot write %s\n", wav.c_str());
        return 1;
    }
    const double documentMb = double(signal.size()) * sizeof(float) / (1 << 20);
    cpu_set_t processors;
    CPU_ZERO(&processors);
    const int processorCount =
        sched_getaffinity(0, sizeof processors, &processors) == 0 ? CPU_COUNT(&processors) : 0;
    std::printf(
        "Source: %.0f s, %d Hz, %d channels, 16 bits; document %.0f MB; %d runs a pair on %d processors\n\n",
        seconds, Rate, Channels, documentMb, runs, processorCount);
    std::printf("%-12s %10s %10s %8s %12s %12s %12s\n", "effect", "ours (s)", "sox (s)", "ratio",
                "ours cpu (s)", "sox cpu (s)", "peak (MB)");
    int over = 0;
    for (const TCase& c : Cases()) {
        if (only && std::strcmp(only, c.Name) != 0) continue;
        std::vector<std::string> reference = {"sox", "-q", wav, theirs};
        for (std::size_t at = 0, next; at < c.Sox.size(); at = next + 1) {
            next = c.Sox.find(' ', at);
            if (next == std::string::npos) next = c.Sox.size();
            reference.push_back(c.Sox.substr(at, next - at));
        }
        const whole_process::TPair pair = whole_process::Compare({tool, wav, ours, c.Name}, reference, runs);
        over += pair.Ratio > 1.0 || !pair.Ok;
        std::printf("%-12s %10.3f %10.3f %8.2f %12.3f %12.3f %12.0f%s\n", c.Name, pair.Ours, pair.Reference,
                    pair.Ratio, pair.OursCpu, pair.ReferenceCpu, pair.OursPeakMb,
                    pair.Ok ? (pair.Ratio > 1.0 ? "  over" : "") : "  failed");
        if (c.FrequencyFactor > 0 && pair.Ok) {
            const double length = std::min(QualitySeconds, seconds);
            const auto ideal = AverageSpectrumDb(MakeSignal(length, c.FrequencyFactor),
                                                 static_cast<std::size_t>(length * Rate));
            std::printf("%-12s distance to the ideal result's spectrum: ours %.2f dB, sox %.2f dB\n", "",
                        DistanceToIdealDb(ours, ideal, seconds), DistanceToIdealDb(theirs, ideal, seconds));
        }
        std::fflush(stdout);
    }
    if (!only || std::strncmp(only, "pitch", 5) == 0) PitchQuality(tool, dir);
    std::filesystem::remove_all(dir);
    return over == 0 ? 0 : 2;
}
