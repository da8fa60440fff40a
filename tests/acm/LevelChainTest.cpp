#include "acm/AudioControlSource.h"
#include "acm/AudioConvertor.h"
#include "acm/AudioIn.h"
#include "acm/MiniConvertor.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <unistd.h>

namespace {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessage(&msg);
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void SetPcm(TdeWaveFormat& f, int rate, int channels, int bits) {
    f.SetDefaults();
    f.SetSamplesPerSec(DWORD(rate));
    f.SetChannels(WORD(channels));
    f.SetBitsPerSample(WORD(bits));
    f.SetBlockAlign(WORD(channels * bits / 8));
    f.SetAvgBytesPerSec(DWORD(rate * channels * bits / 8));
}

// 16-bit stereo frames of a sine on both sides.
std::vector<std::int16_t> Sine(int rate, int frames, double hz, double amplitude, int& phase) {
    std::vector<std::int16_t> out(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i, ++phase) {
        const auto v = std::int16_t(std::lround(amplitude * 32767 * std::sin(2 * M_PI * hz * phase / rate)));
        out[std::size_t(i) * 2] = v;
        out[std::size_t(i) * 2 + 1] = std::int16_t(v / 2);
    }
    return out;
}

TEST(LevelPeaks, SixteenBitMagnitudes) {
    struct Case {
        std::vector<std::int16_t> Samples;
        std::int16_t Left, Right;
    };
    const Case cases[] = {
        {{-32768, -32768, -32768, -32768}, 0, 0},
        {{32767, 0, -5, 100}, 32767, 100},
        {{-32767, 3, 10, -32768}, 32767, 3},
        {{}, 0, 0},
    };
    for (const Case& c : cases) {
        std::int16_t left = -1, right = -1;
        TdeAudioControlSource::Peaks(c.Samples.data(), int(c.Samples.size() / 2), left, right);
        EXPECT_EQ(left, c.Left);
        EXPECT_EQ(right, c.Right);
    }
}

TEST(MiniConvertor, TheFirstBlockFixesTheCapacity) {
    TdeWaveFormat format;
    SetPcm(format, 44100, 2, 16);
    TMiniConvertor step(format, format);
    std::vector<BYTE> block(4000, 0);
    EXPECT_THROW(step.Convert(block.data(), 1000, true), EACMConversionError); // not open
    step.Open(false);
    EXPECT_EQ(step.Convert(block.data(), 1000, true), 1000);
    EXPECT_EQ(step.Capacity(), 3000);
    EXPECT_EQ(step.Convert(block.data(), 3000 - 2, true), 2996); // whole frames; 2 bytes wait
    EXPECT_EQ(step.Held(), 2);
    EXPECT_EQ(step.Convert(block.data(), 2998, true), 3000);
    try {
        step.Convert(block.data(), 3001, true);
        FAIL() << "no error";
    } catch (const EACMConversionError& e) {
        EXPECT_EQ(e.Message(), "Audio is too large to fit into conversion buffer");
    }
    EXPECT_THROW(step.Open(false), EACMError);
}

TEST(AudioConvertor, Converts44100To48000KeepingPitchAndLevel) {
    TComponent owner(nullptr);
    auto* convertor = new TdeAudioConvertor(&owner);
    SetPcm(*convertor->FormatIn(), 44100, 2, 16);
    SetPcm(*convertor->FormatOut(), 48000, 2, 16);
    EXPECT_THROW(convertor->Convert(nullptr, 0), EACMConversionError);
    convertor->SetActive(true);
    EXPECT_EQ(convertor->ChainLength(), 2);
    int phase = 0;
    std::int64_t outFrames = 0;
    std::vector<std::int16_t> last;
    int published = 0;
    convertor->OnAudioConverted = [&](TObject*, const void* data, int size, bool&) {
        ++published;
        outFrames += size / 4;
        last.assign(static_cast<const std::int16_t*>(data),
                    static_cast<const std::int16_t*>(data) + size / 2);
    };
    const int blocks = 10;
    for (int b = 0; b < blocks; ++b) {
        const auto block = Sine(44100, 5512, 1000, 0.5, phase);
        convertor->Convert(block.data(), int(block.size() * 2));
    }
    EXPECT_EQ(published, blocks);
    const double expected = blocks * 5512.0 * 48000 / 44100;
    EXPECT_GT(outFrames, expected * 0.97);
    EXPECT_LE(outFrames, expected + 1);
    // The last block: a 1 kHz tone at 48 kHz crosses zero upwards once per 48 frames.
    int crossings = 0;
    std::int16_t peak = 0;
    for (std::size_t i = 1; i < last.size() / 2; ++i) {
        if (last[(i - 1) * 2] < 0 && last[i * 2] >= 0) ++crossings;
        peak = std::max<std::int16_t>(peak, std::int16_t(std::abs(last[i * 2])));
    }
    const double seconds = double(last.size() / 2) / 48000;
    EXPECT_NEAR(crossings / seconds, 1000, 20);
    EXPECT_NEAR(peak, 16384, 400);
}

TEST(AudioConvertor, CompressedFormatsCannotBeConverted) {
    TComponent owner(nullptr);
    auto* convertor = new TdeAudioConvertor(&owner);
    convertor->FormatIn()->SetFormatTag(85);
    SetPcm(*convertor->FormatOut(), 48000, 2, 16);
    try {
        convertor->SetActive(true);
        FAIL() << "no error";
    } catch (const EACMConversionError& e) {
        EXPECT_EQ(e.Message(), "Conversion not possible.");
    }
    EXPECT_FALSE(convertor->Active());
}

class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        Input = (std::filesystem::temp_directory_path() /
                 ("olva-acm-capture-in-" + std::to_string(getpid()) + ".raw"))
                    .string();
        // 48 kHz stereo float, the capture stream's own format: a tone of 0.5 (left) and 0.25 (right).
        std::vector<float> samples(48000 * 2);
        for (std::size_t i = 0; i < samples.size() / 2; ++i) {
            const float v = float(std::sin(2 * M_PI * 440 * double(i) / 48000));
            samples[i * 2] = 0.5f * v;
            samples[i * 2 + 1] = 0.25f * v;
        }
        std::ofstream(Input, std::ios::binary)
            .write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * 4));
        Set("SDL_AUDIODRIVER", "disk");
        Set("SDL_DISKAUDIOFILEIN", Input);
        Set("SDL_DISKAUDIOFILE", Input + ".out");
        Set("SDL_DISKAUDIODELAY", "1");
    }
    void TearDown() override {
        std::filesystem::remove(Input);
        std::filesystem::remove(Input + ".out");
        for (auto& [name, value] : Saved)
            value.empty() ? unsetenv(name.c_str()) : setenv(name.c_str(), value.c_str(), 1);
    }
    void Set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        Saved.emplace_back(name, old ? old : "");
        setenv(name.c_str(), value.c_str(), 1);
    }
    std::string Input;
    std::vector<std::pair<std::string, std::string>> Saved;
};

// The recording window's chain: capture in 44.1 kHz 16-bit stereo, level source at 48 kHz.
TEST_F(CaptureTest, TheLevelChainReportsThePeaksOfEachBlock) {
    TComponent form(nullptr);
    auto* in = new TdeAudioIn(&form);
    SetPcm(*in->Format(), 44100, 2, 16);
    auto* levels = new TdeAudioControlSource(&form);
    levels->SetAudioSource(in);
    std::vector<int> sizes;
    in->OnAudioRecorded = [&](TObject*, const void*, int size) { sizes.push_back(size); };
    std::vector<std::pair<int, int>> peaks;
    std::int64_t frames = 0;
    levels->OnDataChanged = [&](TObject*) {
        peaks.emplace_back(levels->LeftPeak(), levels->RightPeak());
        frames += levels->Frames();
    };
    in->Loaded(); // opens, as when the form is loaded
    ASSERT_TRUE(in->Active());
    EXPECT_EQ(in->BufferSize(), 22048);
    ASSERT_TRUE(PumpUntil([&] { return peaks.size() >= 4; }));
    for (int size : sizes)
        EXPECT_EQ(size, 22048);
    // After the converter's start-up, each block holds the tone: 0.5 and 0.25 of full scale.
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_NEAR(peaks[i].first, 16384, 500) << i;
        EXPECT_NEAR(peaks[i].second, 8192, 300) << i;
    }
    // Each 5512-frame block becomes about 6000 frames at 48 kHz (the converter holds a few back).
    const double perBlock = double(frames) / double(peaks.size());
    EXPECT_NEAR(perBlock, 6000, 300);
    in->Close();
    EXPECT_FALSE(in->Active());
    EXPECT_EQ(in->QueuedHeaders(), 0u);
    const std::size_t before = peaks.size();
    PumpUntil([] { return false; }, 20); // late buffers of the closed device change nothing
    EXPECT_EQ(peaks.size(), before);
}

TEST_F(CaptureTest, BufferSizeAndCountRules) {
    TComponent form(nullptr);
    auto* in = new TdeAudioIn(&form);
    try {
        in->SetBufferCount(1);
        FAIL() << "no error";
    } catch (const EACMAudioIOError& e) {
        EXPECT_EQ(e.Message(), "Invalid input buffer size.");
    }
    SetPcm(*in->Format(), 11025, 1, 8);
    in->Open();
    EXPECT_EQ(in->BufferSize(), 22050); // 8-bit mono frames are single bytes
    EXPECT_THROW(in->SetBufferSize(1000), EACMAudioIOError);
    EXPECT_THROW(in->SetBufferCount(3), EACMAudioIOError);
    in->Close();
    in->SetBufferCount(3);
    EXPECT_EQ(in->BufferCount(), 3);
}

TEST(CaptureNoDevice, OpenFailsWithTheDeviceError) {
    const char* old = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = old ? old : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    TComponent form(nullptr);
    auto* in = new TdeAudioIn(&form);
    SetPcm(*in->Format(), 44100, 2, 16);
    try {
        in->Open();
        ADD_FAILURE() << "no error";
    } catch (const EACMAudioInError& e) {
        EXPECT_EQ(e.Message().rfind("Error opening audio device for input.\r\n", 0), 0u) << e.Message();
    }
    EXPECT_FALSE(in->Active());
    saved.empty() ? unsetenv("SDL_AUDIODRIVER") : setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
}

} // namespace
