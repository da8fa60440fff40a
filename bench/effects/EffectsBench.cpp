// Times every effect through the editor against sox's equivalent effect, both as whole processes that
// open the same 10-minute 44.1 kHz stereo 16-bit WAV file, apply the effect and save the result as a WAV
// file of the same kind: what a user waits for. Prints the median wall times, their median ratio (ours /
// sox; below 1 is faster), the median processor times (ours uses several cores, sox one: on a machine
// with fewer cores our wall time approaches our processor time divided by their number) and the engine's
// peak memory against the document's size. Pin the run to the processors to measure on, as in
// `taskset -c 0,1 olva_bench_effects`: both tools inherit the set, and the first line names its size.
//
// Usage: olva_bench_effects [seconds] [runs]   (default 600 seconds, 3 runs)
//        olva_bench_effects --source PATH [seconds]   (only writes the source file, to time by hand)
//        olva_bench_effects --list   (each effect's name and the reference tool's arguments, a line each)

#include "bench/common/WholeProcess.h"
#include "bench/effects/EffectCases.h"

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

// Music-like test signal: a few tones with a slow swell plus a little noise.
std::vector<float> MakeSignal(double seconds) {
    const std::size_t frames = static_cast<std::size_t>(seconds * Rate);
    std::vector<float> samples(frames * Channels);
    std::mt19937 generator(1);
    std::uniform_real_distribution<float> noise(-0.02f, 0.02f);
    for (std::size_t f = 0; f < frames; ++f) {
        const double t = static_cast<double>(f) / Rate;
        const double swell = 0.6 + 0.4 * std::sin(2 * std::numbers::pi * 0.1 * t);
        const double tone = 0.3 * std::sin(2 * std::numbers::pi * 220 * t) +
                            0.2 * std::sin(2 * std::numbers::pi * 330 * t) +
                            0.1 * std::sin(2 * std::numbers::pi * 2750 * t);
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
    const double seconds = argc > 1 ? std::atof(argv[1]) : 600.0;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
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
        std::fflush(stdout);
    }
    std::filesystem::remove_all(dir);
    return over == 0 ? 0 : 2;
}
