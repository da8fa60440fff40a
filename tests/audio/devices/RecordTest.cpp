#include "DeviceTestSupport.h"

#include "audio/AudioFile2.h"
#include "audio/devices/AudioRecord2.h"
#include "audio/devices/CaptureHub.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace device_tests;

namespace {

constexpr int Rate = TCaptureHub::DeviceRate; // the input file is in the device's format

// Stereo float frames: `seconds` of a 0.5 sine, or of silence.
void AppendTone(std::vector<float>& out, double seconds) {
    const int frames = int(seconds * Rate);
    for (int i = 0; i < frames; ++i) {
        const float v = float(0.5 * std::sin(2 * M_PI * 500 * i / Rate));
        out.push_back(v);
        out.push_back(-v);
    }
}
void AppendSilence(std::vector<float>& out, double seconds) {
    out.resize(out.size() + std::size_t(seconds * Rate) * 2);
}

std::vector<float> ReadWav(const std::string& path, int& rate) {
    TAudioFile2 file;
    file.Open(path);
    rate = file.GetSampleRate();
    std::vector<float> all;
    for (;;) {
        std::vector<float> block = file.Read(8192);
        if (block.empty()) break;
        all.insert(all.end(), block.begin(), block.end());
    }
    return all;
}

// Records the disk driver's input file into a WAV the way the recording window does: each captured
// block is written by the block writer, which completes the file when closed.
class RecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(Target);
        Env.Set("SDL_AUDIODRIVER", "disk");
        Env.Set("SDL_DISKAUDIOFILEIN", Input);
        Env.Set("SDL_DISKAUDIOFILE", TempPath("capture-out.raw"));
        Env.Set("SDL_DISKAUDIODELAY", "1");
        Recorder.OnEndArrayRecord = [this](int block) {
            Blocks.push_back(block);
            const std::vector<float>& samples = Recorder.GetArray();
            if (samples.size() > 1) Writer.Write(samples);
        };
    }

    void Record(const std::vector<float>& input, double extraSeconds) {
        WriteFloats(Input, input);
        Recorder.SetFormat(Rate, 2);
        Writer.SetWAV(Rate, 2, 16);
        Writer.Create(Target, 1);
        Recorder.SetBufferSize(Recorder.GetBufferSize(200));
        Recorder.Start();
        ASSERT_EQ(Recorder.ErrorState(), 0) << Recorder.LastError();
        const std::int64_t wanted = std::int64_t(input.size() / 2) + std::int64_t(extraSeconds * Rate);
        ASSERT_TRUE(PumpUntil([&] { return Recorder.FramesCaptured() >= wanted; }));
        Recorder.Stop();
        Writer.Close();
    }

    TEnvironmentGuard Env;
    std::string Input = TempPath("capture-in.raw");
    std::string Target = TempPath("Recording.wav");
    TAudioRecord2 Recorder;
    TAudioFile2 Writer;
    std::vector<int> Blocks;
};

TEST_F(RecordTest, RecordsTheInputAsItCame) {
    std::vector<float> input;
    AppendTone(input, 0.3);
    AppendSilence(input, 0.2);
    AppendTone(input, 0.2);
    Record(input, 0.05);
    int rate = 0;
    const std::vector<float> written = ReadWav(Target, rate);
    EXPECT_EQ(rate, Rate);
    ASSERT_GE(written.size(), input.size());
    for (std::size_t i = 0; i < input.size(); ++i)
        ASSERT_NEAR(written[i], input[i], 1.0 / 16384) << "sample " << i;
    // Blocks arrive numbered in order.
    ASSERT_GE(Blocks.size(), 4u);
    for (std::size_t i = 0; i < Blocks.size(); ++i)
        EXPECT_EQ(Blocks[i], int(i) + 1);
}

TEST_F(RecordTest, SilenceSkippingRemovesLongGaps) {
    // 0.3 s silence, 0.3 s tone, 1 s silence, 0.3 s tone, then silence until the recording stops.
    std::vector<float> input;
    AppendSilence(input, 0.3);
    AppendTone(input, 0.3);
    AppendSilence(input, 1.0);
    AppendTone(input, 0.3);
    Recorder.SetSilenceSkipping(-1);
    Recorder.SetAttackLevel(-45);
    Recorder.SetAttackTime(100);
    Recorder.SetReleaseLevel(-45);
    Recorder.SetReleaseTime(300);
    Record(input, 0.6);
    int rate = 0;
    const std::vector<float> written = ReadWav(Target, rate);
    // Kept: each tone with the first 300 ms of the silence after it.
    const double seconds = double(written.size() / 2) / Rate;
    EXPECT_NEAR(seconds, 1.2, 0.03);
    auto loud = [&](double at) {
        return std::fabs(written[std::size_t(at * Rate) * 2]) > 0.01 ||
               std::fabs(written[std::size_t(at * Rate) * 2 + 2]) > 0.01;
    };
    EXPECT_TRUE(loud(0.01)); // the first tone starts at once, its attack kept
    EXPECT_TRUE(loud(0.29));
    EXPECT_FALSE(loud(0.45)); // the kept release
    EXPECT_TRUE(loud(0.61));  // the second tone
    EXPECT_TRUE(loud(0.89));
    EXPECT_FALSE(loud(1.05));
}

TEST_F(RecordTest, ALostDeviceEndsTheRecordingAndKeepsWhatCame) {
    std::vector<float> input;
    AppendTone(input, 2.0);
    WriteFloats(Input, input);
    int errors = 0;
    std::size_t handed = 0;
    Recorder.OnRecordError = [&] { ++errors; };
    Recorder.OnEndArrayRecord = [&](int) { handed += Recorder.GetArray().size(); };
    Recorder.SetFormat(Rate, 2);
    Recorder.Start();
    ASSERT_EQ(Recorder.ErrorState(), 0);
    ASSERT_TRUE(PumpUntil([&] { return Recorder.FramesCaptured() > Rate / 2; }));
    TCaptureHub::DeviceLost("");
    EXPECT_EQ(errors, 1);
    EXPECT_NE(Recorder.ErrorState(), 0);
    EXPECT_FALSE(Recorder.Recording());
    // Every captured frame was handed over before the error.
    EXPECT_EQ(std::int64_t(handed / 2), Recorder.FramesCaptured());
    Recorder.Stop(); // safe after the loss
    EXPECT_EQ(errors, 1);
}

TEST(RecordNoDevice, StartReportsTheErrorState) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    TAudioRecord2 recorder;
    EXPECT_EQ(recorder.GetDeviceCount(), 0);
    EXPECT_EQ(recorder.GetLineCount(), 0);
    recorder.SetFormat(44100, 2);
    recorder.Start();
    EXPECT_NE(recorder.ErrorState(), 0);
    EXPECT_FALSE(recorder.Recording());
}

TEST(RecordLines, VolumeAndSelection) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "disk");
    TAudioRecord2 recorder;
    ASSERT_GE(recorder.GetDeviceCount(), 1);
    recorder.SetDevice(1);
    EXPECT_TRUE(recorder.DeviceCanRecord());
    EXPECT_FALSE(recorder.GetDeviceName().empty());
    ASSERT_EQ(recorder.GetLineCount(), 1);
    recorder.SetLine(1);
    EXPECT_FALSE(recorder.GetLineName().empty());
    recorder.SelectLine(-1);
    EXPECT_TRUE(recorder.LineSelected());
    struct Case {
        int Set, Expected;
    };
    for (Case c : {Case{0, 0}, Case{32768, 32768}, Case{65535, 65535}, Case{70000, 65535}, Case{-5, 0}}) {
        recorder.SetLineVolume(c.Set);
        EXPECT_EQ(recorder.GetLineVolume(), c.Expected) << c.Set;
    }
    // Formats above 48 kHz are recorded at 48 kHz; the buffer size counts all channels.
    recorder.SetFormat(96000, 2);
    EXPECT_EQ(recorder.SampleRate(), 48000);
    EXPECT_EQ(recorder.GetBufferSize(200), 48000 / 5 * 2);
    recorder.SetFormat(22050, 1);
    EXPECT_EQ(recorder.GetBufferSize(200), 4410);
}

} // namespace
