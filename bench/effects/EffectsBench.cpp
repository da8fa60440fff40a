// Times the effects processor against sox's equivalent effects on the same 10-minute 44.1 kHz stereo
// signal and prints the ratios (ours / sox; below 1 is faster). sox reads a float WAV of the signal and
// writes to its null output; the processor works on the signal in memory.
//
// Usage: olva_bench_effects [seconds]   (default 600)

#include "audio/effects/AudioTransform2.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <random>
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

// A 32-bit float WAV of the signal for sox.
bool WriteWav(const std::string& path, const std::vector<float>& samples) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const std::uint32_t bytes = static_cast<std::uint32_t>(samples.size() * 4);
    std::fwrite("RIFF", 1, 4, file);
    Put32(file, 36 + bytes);
    std::fwrite("WAVEfmt ", 1, 8, file);
    Put32(file, 16);
    Put16(file, 3); // IEEE float
    Put16(file, Channels);
    Put32(file, Rate);
    Put32(file, Rate * Channels * 4);
    Put16(file, Channels * 4);
    Put16(file, 32);
    std::fwrite("data", 1, 4, file);
    Put32(file, bytes);
    const bool ok = std::fwrite(samples.data(), 4, samples.size(), file) == samples.size();
    return std::fclose(file) == 0 && ok;
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double RunSox(const std::string& input, const std::string& effect) {
    const std::string command = "sox -q '" + input + "' -n " + effect;
    int status = 0;
    const double seconds = Seconds([&] { status = std::system(command.c_str()); });
    if (status != 0) std::fprintf(stderr, "sox failed: %s\n", command.c_str());
    return seconds;
}

struct TCase {
    const char* Name;
    double Limit; // the ratio we aim to stay under
    std::string SoxEffect;
    std::function<void(TAudioTransform2&, std::vector<float>&)> Ours;
};

std::vector<TCase> Cases() {
    const std::vector<float> frequencies = {31.25f, 62.5f, 125,  250,  500,   1000,
                                            2000,   4000,  6000, 9000, 12000, 16000};
    const std::vector<float> gains = {-0.5f, -1.8f, -0.5f, 0.1f, -0.3f, 0.8f,
                                      0.2f,  0.75f, 0.45f, 0.3f, 0.15f, 0.1f};
    std::string soxEqualizer;
    for (std::size_t i = 0; i < gains.size(); ++i)
        soxEqualizer +=
            " equalizer " + std::to_string(frequencies[i]) + " 1.0o " + std::to_string(gains[i] * 10);
    return {
        {"echo", 1.0, "echo 1 1 200 0.7", [](auto& t, auto& s) { t.Echo(s, 200, 70, 40); }},
        {"reverb", 1.0, "reverb 50 50 100", [](auto& t, auto& s) { t.Reverb(s, 30, 60, 60, 30, 11025, 8); }},
        {"equalizer (12 bands)", 1.0, soxEqualizer,
         [=](auto& t, auto& s) {
             auto g = gains;
             auto f = frequencies;
             t.Equalizer(s, g, f);
         }},
        {"high pass (4 sections)", 1.0, "highpass 200 highpass 200 highpass 200 highpass 200",
         [](auto& t, auto& s) { t.HighPass(s, 200, 100); }},
        {"low pass (3 sections)", 1.0, "lowpass 1000 lowpass 1000 lowpass 1000",
         [](auto& t, auto& s) { t.LowPass(s, 1000, 50); }},
        {"peak EQ", 1.0, "equalizer 1000 0.35q -10", [](auto& t, auto& s) { t.PeakEQ(s, -10, 1000, 50); }},
        {"normalize", 1.0, "gain -n -1", [](auto& t, auto& s) { t.Normalize(s, 89, -1); }},
        {"amplify", 1.0, "vol 2", [](auto& t, auto& s) { t.Amplify(s, 200); }},
        {"speed 150 %", 1.0, "speed 1.5", [](auto& t, auto& s) { t.Speed(s, 150); }},
        {"pitch 140 %", 1.5, "pitch -583", [](auto& t, auto& s) { t.Pitch(s, 140); }},
    };
}

} // namespace effects_bench

int main(int argc, char** argv) {
    using namespace effects_bench;
    const double seconds = argc > 1 ? std::atof(argv[1]) : 600.0;
    std::printf("Signal: %.0f s, %d Hz, %d channels\n", seconds, Rate, Channels);
    const auto signal = MakeSignal(seconds);
    const char* tmp = std::getenv("TMPDIR");
    const std::string wav = std::string(tmp && *tmp ? tmp : "/tmp") + "/olva_bench_effects.wav";
    if (!WriteWav(wav, signal)) {
        std::fprintf(stderr, "Cannot write %s\n", wav.c_str());
        return 1;
    }
    std::printf("\n");
    std::printf("%-24s %10s %10s %8s %8s\n", "effect", "ours (s)", "sox (s)", "ratio", "goal");
    int over = 0;
    for (const auto& c : Cases()) {
        TAudioTransform2 transform;
        transform.SetFormat(Rate, Channels);
        auto samples = signal;
        const double ours = Seconds([&] { c.Ours(transform, samples); });
        const double sox = RunSox(wav, c.SoxEffect);
        const double ratio = ours / sox;
        over += ratio > c.Limit;
        std::printf("%-24s %10.3f %10.3f %8.2f %8.2f%s\n", c.Name, ours, sox, ratio, c.Limit,
                    ratio > c.Limit ? "  over" : "");
    }
    std::remove(wav.c_str());
    return over == 0 ? 0 : 2;
}
