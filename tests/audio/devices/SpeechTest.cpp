#include "DeviceTestSupport.h"

#include "audio/AudioFile2.h"
#include "audio/devices/TextToAudio2.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace device_tests;

namespace {

class SpeechTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (Speech.GetVoiceCount() <= 0) GTEST_SKIP() << "espeak-ng has no voices here; speech not tested";
        Speech.OnConvertBlock = [this](int percent) { Progress.push_back(percent); };
        Speech.OnEndConvert = [this] { ++Ends; };
    }

    // Frames of the WAV rendered from `text` at 16 kHz mono; checks its format.
    std::int64_t Render(const std::string& text, const std::string& name) {
        const std::string target = TempPath(name);
        std::filesystem::remove(target);
        Ends = 0;
        Progress.clear();
        Speech.SetOutputFormat(16000, 1);
        Speech.SetSpeed(0);
        Speech.SetVolume(100);
        Speech.SetPitch(-1);
        Speech.Synthesize(text, target, 16);
        EXPECT_TRUE(PumpUntil([&] { return Ends > 0; }, 20000));
        EXPECT_EQ(Ends, 1);
        EXPECT_EQ(Speech.LastError(), "");
        TAudioFile2 file;
        file.Open(target);
        EXPECT_EQ(file.GetSampleRate(), 16000);
        EXPECT_EQ(file.GetChannels(), 1);
        EXPECT_EQ(file.GetBits(), 16);
        return file.GetLength();
    }

    TTextToAudio2 Speech;
    std::vector<int> Progress;
    int Ends = 0;
};

TEST_F(SpeechTest, VoicesHaveNames) {
    Speech.SetCurrentVoice(0);
    const std::string first = Speech.GetVoiceName();
    EXPECT_FALSE(first.empty());
    if (Speech.GetVoiceCount() > 1) {
        Speech.SetCurrentVoice(1);
        const std::string second = Speech.GetVoiceName();
        Speech.SetVoiceName(first);
        EXPECT_EQ(Speech.GetVoiceName(), first);
        Speech.SetVoiceName("no such voice");
        EXPECT_EQ(Speech.GetVoiceName(), first);
        EXPECT_FALSE(second.empty());
    }
}

TEST_F(SpeechTest, LongerTextRendersALongerFile) {
    Speech.SetVoiceName("English (Great Britain)"); // kept at voice 0 when not installed
    const std::int64_t shortFrames = Render("Hello.", "speech-short.wav");
    const std::int64_t longFrames =
        Render("Hello. This is a much longer sentence, spoken slowly.", "speech-long.wav");
    EXPECT_GT(shortFrames, 1600); // more than 0.1 s
    EXPECT_GT(longFrames, shortFrames * 2);
    ASSERT_FALSE(Progress.empty());
    EXPECT_EQ(Progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(Progress.begin(), Progress.end())); // of the last rendering
}

TEST_F(SpeechTest, CancelLeavesNoFile) {
    const std::string target = TempPath("speech-cancelled.wav");
    std::filesystem::remove(target);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "This sentence is repeated to make a long synthesis. ";
    Speech.SetOutputFormat(44100, 2);
    Speech.Synthesize(text, target, 16);
    PumpUntil([&] { return !Progress.empty(); }, 5000); // under way
    Speech.Cancel();
    EXPECT_FALSE(Speech.Busy());
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(Ends, 0);
    EXPECT_FALSE(std::filesystem::exists(target));
    // Nothing half-written beside it either.
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(target).parent_path()))
        EXPECT_EQ(entry.path().string().find("speech-cancelled"), std::string::npos) << entry.path();
}

TEST_F(SpeechTest, AnUnwritableTargetStillEndsWithAnError) {
    Speech.SetOutputFormat(22050, 1);
    Speech.Synthesize("Hello.", "/nonexistent-folder/x/speech.wav", 16);
    ASSERT_TRUE(PumpUntil([&] { return Ends > 0; }, 10000));
    EXPECT_EQ(Ends, 1);
    EXPECT_NE(Speech.LastError(), "");
}

} // namespace
