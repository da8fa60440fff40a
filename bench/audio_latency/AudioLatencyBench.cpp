// Device latencies with SDL's disk driver: from the play call to the first samples handed to the
// device (goal below 30 ms), how often play positions are reported (goal: every 50 ms at most), and
// how often the recording meters are updated by the wave-in level
// chain (goal: within one 125 ms buffer).
#include "acm/AudioControlSource.h"
#include "acm/AudioIn.h"
#include "audio/devices/PlaybackEngine.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>
#include <vector>

namespace audio_latency_bench {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Pump(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done() && Clock::now() < deadline) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void PrintStats(const char* what, std::vector<double> values, double goal) {
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    std::printf("%-38s median %7.2f ms  max %7.2f ms  goal %6.1f ms  median/goal %.2f\n", what, median,
                values.back(), goal, median / goal);
}

void StartOfPlayback(const std::string& folder) {
    std::vector<double> latencies;
    for (int run = 0; run < 20; ++run) {
        TPlaybackEngine engine;
        Clock::time_point first{};
        bool seen = false;
        auto reader = [&](std::int64_t, std::int64_t count, float* dst) -> std::int64_t {
            if (!seen) {
                first = Clock::now();
                seen = true;
            }
            std::fill(dst, dst + count * 2, 0.25f);
            return count;
        };
        bool ended = false;
        engine.OnEndPlay = [&] { ended = true; };
        const auto start = Clock::now();
        if (!engine.Play(44100, 2, reader, 0, 4410, false)) {
            std::printf("no output device: %s\n", engine.LastError().c_str());
            return;
        }
        Pump([&] { return ended; }, 2000);
        if (seen) latencies.push_back(Ms(first - start));
    }
    (void)folder;
    PrintStats("play call -> first samples to device", latencies, 30);
}

void PositionEvents() {
    TPlaybackEngine engine;
    std::vector<Clock::time_point> events;
    bool ended = false;
    engine.OnChangePlayPosition = [&] { events.push_back(Clock::now()); };
    engine.OnEndPlay = [&] { ended = true; };
    auto reader = [](std::int64_t, std::int64_t count, float* dst) -> std::int64_t {
        std::fill(dst, dst + count * 2, 0.1f);
        return count;
    };
    const auto start = Clock::now();
    if (!engine.Play(44100, 2, reader, 0, 22050, false)) return; // half a second
    Pump([&] { return ended; }, 3000);
    if (events.empty()) {
        std::printf("no position events\n");
        return;
    }
    std::vector<double> intervals{Ms(events.front() - start)};
    for (std::size_t i = 1; i < events.size(); ++i)
        intervals.push_back(Ms(events[i] - events[i - 1]));
    PrintStats("play position events (interval)", intervals, 50);
}

void MeterUpdates(const std::string& folder) {
    const std::string input = folder + "/meter-in.raw";
    {
        std::vector<float> samples(48000 * 2 * 2, 0.3f);
        std::ofstream(input, std::ios::binary)
            .write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * 4));
    }
    setenv("SDL_DISKAUDIOFILEIN", input.c_str(), 1);
    TComponent form(nullptr);
    auto* in = new TdeAudioIn(&form);
    TdeWaveFormat& f = *in->Format();
    f.SetSamplesPerSec(44100);
    f.SetChannels(2);
    f.SetBitsPerSample(16);
    f.SetBlockAlign(4);
    f.SetAvgBytesPerSec(176400);
    auto* levels = new TdeAudioControlSource(&form);
    levels->SetAudioSource(in);
    std::vector<Clock::time_point> updates;
    levels->OnDataChanged = [&](TObject*) { updates.push_back(Clock::now()); };
    const auto start = Clock::now();
    in->Open();
    Pump([&] { return updates.size() >= 12; }, 4000);
    in->Close();
    if (updates.empty()) {
        std::printf("no meter updates\n");
        return;
    }
    PrintStats("open -> first meter update", {Ms(updates.front() - start)}, 125);
    std::vector<double> intervals;
    for (std::size_t i = 1; i < updates.size(); ++i)
        intervals.push_back(Ms(updates[i] - updates[i - 1]));
    if (!intervals.empty()) PrintStats("meter updates (interval)", intervals, 125);
}

} // namespace audio_latency_bench

int main() {
    using namespace audio_latency_bench;
    const std::string folder = (std::filesystem::temp_directory_path() / "olva-audio-latency").string();
    std::filesystem::create_directories(folder);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", (folder + "/out.raw").c_str(), 1);
    unsetenv("SDL_DISKAUDIODELAY"); // real time
    StartOfPlayback(folder);
    PositionEvents();
    MeterUpdates(folder);
    std::filesystem::remove_all(folder);
    return 0;
}
