// Helpers of the engine's file tests: a scratch folder, outside tools, generated signals.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace audio_test_files {

inline bool HaveTool(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string Scratch(const std::string& name) {
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / "olva-audio-tests";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

inline bool RunTool(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string Capture(const std::string& command) {
    std::string out;
    if (std::FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
            out.append(buf, n);
        pclose(pipe);
    }
    return out;
}

// What ffprobe reports of a file's first audio stream and its tags, as key=value pairs.
inline std::map<std::string, std::string> Probe(const std::string& path) {
    std::string text = Capture("ffprobe -v error -select_streams a:0 -show_entries "
                               "stream=sample_rate,channels,bit_rate,bits_per_sample,codec_name,sample_fmt:"
                               "format=bit_rate:format_tags:stream_tags -of default=nw=1 '" +
                               path + "'");
    std::map<std::string, std::string> values;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        std::size_t eq = line.find('=');
        if (eq != std::string::npos) {
            std::string key = line.substr(0, eq);
            for (const char* prefix : {"TAG:"})
                if (key.rfind(prefix, 0) == 0) {
                    key = "tag:" + key.substr(4);
                    for (char& c : key)
                        c = char(std::tolower(static_cast<unsigned char>(c)));
                }
            if (!values.count(key)) values[key] = line.substr(eq + 1);
        }
        pos = end + 1;
    }
    return values;
}

inline std::vector<float> Sine(int rate, int channels, double seconds, double freq, float level = 0.5f) {
    std::int64_t frames = std::int64_t(rate * seconds);
    std::vector<float> v(frames * channels);
    for (std::int64_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            v[i * channels + c] = level * float(std::sin(2 * M_PI * freq * (c + 1) * double(i) / rate));
    return v;
}

// Best normalised correlation of `got` against `want` (one channel of each, interleaved) over small lags.
inline double Correlation(const std::vector<float>& want, const std::vector<float>& got, int channels,
                          int channel, int maxLag) {
    double best = -1;
    std::int64_t frames = std::int64_t(std::min(want.size(), got.size()) / channels);
    for (int lag = -maxLag; lag <= maxLag; ++lag) {
        double xy = 0, xx = 0, yy = 0;
        for (std::int64_t i = std::max<std::int64_t>(0, -lag); i < frames && i + lag < frames; ++i) {
            double x = want[i * channels + channel], y = got[(i + lag) * channels + channel];
            xy += x * y;
            xx += x * x;
            yy += y * y;
        }
        if (xx > 0 && yy > 0) best = std::max(best, xy / std::sqrt(xx * yy));
    }
    return best;
}

} // namespace audio_test_files
