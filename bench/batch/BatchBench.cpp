// Batch conversion of ten 10-minute WAV files into MP3 at 128 kbps with one effect (amplify to 120 %):
// the batch converter (files side by side on the machine's cores) against lame converting the same
// files one after another with the same gain. Prints both medians and their ratio (target: at most 1.1).
//   olva_bench_batch [minutes per file] [files] [runs]
#include "bench/common/WholeProcess.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A 16-bit stereo WAV of a few moving tones and a little noise, so the encoder has real work.
void WriteTestWav(const std::string& path, double seconds) {
    const int rate = 44100;
    const std::uint32_t frames = static_cast<std::uint32_t>(seconds * rate);
    const std::uint32_t bytes = frames * 4;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4), u32(36 + bytes), out.write("WAVEfmt ", 8), u32(16), u16(1), u16(2), u32(rate),
        u32(rate * 4), u16(4), u16(16), out.write("data", 4), u32(bytes);
    std::vector<std::int16_t> block;
    std::uint32_t noise = 12345;
    for (std::uint32_t f = 0; f < frames; ++f) {
        const double t = double(f) / rate;
        noise = noise * 1664525u + 1013904223u;
        const double n = (double(noise >> 8) / double(1u << 24) - 0.5) * 0.02;
        const double left = 0.3 * std::sin(2 * M_PI * (220 + 40 * std::sin(t * 0.3)) * t) +
                            0.15 * std::sin(2 * M_PI * 1760 * t) * (0.5 + 0.5 * std::sin(t * 2)) + n;
        const double right = 0.3 * std::sin(2 * M_PI * 330 * t) + 0.1 * std::sin(2 * M_PI * 5000 * t) + n;
        block.push_back(static_cast<std::int16_t>(left * 32767));
        block.push_back(static_cast<std::int16_t>(right * 32767));
        if (block.size() >= 65536 || f + 1 == frames) {
            out.write(reinterpret_cast<const char*>(block.data()), std::streamsize(block.size() * 2));
            block.clear();
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;
    const int files = argc > 2 ? std::atoi(argv[2]) : 10;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 1;
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe");
    const std::string folder = (std::filesystem::temp_directory_path() / "olva-batch-bench").string();
    std::filesystem::create_directories(folder + "/in");
    const std::string source = folder + "/in/source.wav";
    const auto wantedSize = std::uintmax_t(minutes * 60 * 44100) * 4 + 44;
    std::error_code error;
    if (std::filesystem::file_size(source, error) != wantedSize) WriteTestWav(source, minutes * 60);
    std::vector<std::string> inputs;
    for (int i = 0; i < files; ++i) {
        const std::string path = folder + "/in/track" + std::to_string(i) + ".wav";
        if (std::filesystem::file_size(path, error) != wantedSize)
            std::filesystem::copy_file(source, path, std::filesystem::copy_options::overwrite_existing);
        inputs.push_back(path);
    }
    // Each run writes into a fresh folder, so that no run names its files "(1)" after an earlier one.
    const std::string ours = folder + "/ours", theirs = folder + "/lame";
    std::string script = "rm -rf '" + ours + "' && mkdir -p '" + ours + "' && exec '" +
                         (self.parent_path() / "olva_batch_convert").string() + "' 120 '" + ours + "'";
    std::string reference = "rm -rf '" + theirs + "' && mkdir -p '" + theirs + "'";
    for (int i = 0; i < files; ++i) {
        script += " '" + inputs[std::size_t(i)] + "'";
        reference += " && lame --quiet --scale 1.2 -b 128 -m j '" + inputs[std::size_t(i)] + "' '" + theirs +
                     "/track" + std::to_string(i) + ".mp3'";
    }
    const whole_process::TPair pair =
        whole_process::Compare({"sh", "-c", script}, {"sh", "-c", reference}, runs);
    std::printf("batch of %d x %.1f min WAV -> MP3 128 kbps, amplify 120 %%\n", files, minutes);
    std::printf("  ours (files side by side): %8.2f s  peak %.0f MB\n", pair.Ours, pair.OursPeakMb);
    std::printf("  lame one after another:    %8.2f s\n", pair.Reference);
    std::printf("  ratio ours / lame:         %8.3f  (target <= 1.1)%s\n", pair.Ratio,
                pair.Ok ? "" : "  RUN FAILED");
    return pair.Ok ? 0 : 1;
}
