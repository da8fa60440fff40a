#include "acm/AudioControlSource.h"
#include "acm/AudioIn.h"
#include "audio/devices/AudioRecord2.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

namespace {

void Pump(const std::function<bool()>& done, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The meters and the recorder read one capture stream: the recorder, started while the meters run,
// gets the input from where the stream is, not from a second device starting at the beginning.
TEST(SharedCapture, MetersAndRecorderShareOneStream) {
    const std::string input =
        (std::filesystem::temp_directory_path() / ("olva-acm-shared-in-" + std::to_string(getpid()) + ".raw"))
            .string();
    const int frames = 48000 * 3;
    std::vector<float> samples(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        samples[std::size_t(i) * 2] = float(i) / float(frames) * 0.9f + 0.05f; // a ramp: each frame unique
        samples[std::size_t(i) * 2 + 1] = 0.5f;
    }
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * 4));
    std::vector<std::pair<std::string, std::string>> saved;
    for (auto [name, value] : {std::pair<std::string, std::string>{"SDL_AUDIODRIVER", "disk"},
                               {"SDL_DISKAUDIOFILEIN", input},
                               {"SDL_DISKAUDIOFILE", input + ".out"},
                               {"SDL_DISKAUDIODELAY", "2"}}) {
        const char* old = std::getenv(name.c_str());
        saved.emplace_back(name, old ? old : "");
        setenv(name.c_str(), value.c_str(), 1);
    }

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
    int updates = 0;
    levels->OnDataChanged = [&](TObject*) { ++updates; };
    in->Open();
    Pump([&] { return updates >= 2; }, 5000);
    ASSERT_GE(updates, 2);

    TAudioRecord2 recorder;
    std::vector<float> recorded;
    recorder.OnEndArrayRecord = [&](int) {
        recorded.insert(recorded.end(), recorder.GetArray().begin(), recorder.GetArray().end());
    };
    recorder.SetFormat(48000, 2);
    recorder.Start();
    ASSERT_EQ(recorder.ErrorState(), 0) << recorder.LastError();
    const int before = updates;
    Pump([&] { return recorder.FramesCaptured() > 24000 && updates > before + 1; }, 5000);
    recorder.Stop();
    in->Close();
    for (auto& [name, value] : saved)
        value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
    std::filesystem::remove(input);
    std::filesystem::remove(input + ".out");

    EXPECT_GT(updates, before + 1); // the meters went on while recording
    ASSERT_GT(recorded.size(), 2u);
    // Where in the input the recording starts: well after its beginning.
    const double offset = (recorded[0] - 0.05) / 0.9 * frames;
    EXPECT_GT(offset, 48000 * 0.1);
    // And it goes on from there without a gap.
    for (std::size_t i = 1; i < std::min<std::size_t>(recorded.size() / 2, 10000); ++i)
        ASSERT_NEAR(recorded[i * 2] - recorded[(i - 1) * 2], 0.9 / frames, 1e-5) << i;
}

} // namespace
