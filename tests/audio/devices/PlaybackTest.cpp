#include "DeviceTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"
#include "audio/devices/AudioPlayer2.h"
#include "audio/devices/EditorPlayback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

using namespace device_tests;

namespace {

// A stereo sine pair that starts away from zero, so the first played sample is easy to find.
std::vector<float> Tone(int rate, int frames, double leftHz, double rightHz) {
    std::vector<float> samples(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        samples[std::size_t(i) * 2] = float(0.5 * std::sin(0.7 + 2 * M_PI * leftHz * i / rate));
        samples[std::size_t(i) * 2 + 1] = float(0.25 * std::cos(2 * M_PI * rightHz * i / rate));
    }
    return samples;
}

// Index of the first sample that is not silence (the device may play silence before the start).
std::size_t FirstSound(const std::vector<float>& samples) {
    std::size_t i = 0;
    while (i < samples.size() && samples[i] == 0.0f)
        ++i;
    return i - i % 2;
}

// The disk driver writes what is played to a file. Left to itself it writes in real time; a delay between
// writes shorter than a buffer's length speeds it up, but never to 0: a driver that writes flat out can
// outrun the test's reading under load and grow the file without end.
struct DiskOutput {
    TEnvironmentGuard Env;
    std::string Path = TempPath("played.raw");
    explicit DiskOutput(const char* delayMs = nullptr) {
        std::filesystem::remove(Path);
        Env.Set("SDL_AUDIODRIVER", "disk");
        Env.Set("SDL_DISKAUDIOFILE", Path);
        if (delayMs) Env.Set("SDL_DISKAUDIODELAY", delayMs);
    }
};

class EditorPlaybackTest : public ::testing::Test {
protected:
    void SetUp() override {
        Editor.New(Rate, 2);
        Samples = Tone(Rate, Frames, 440, 1000);
        Editor.PutSamples(Samples);
        Editor.Position().SetSelection(0);
        Editor.Position().SetCursor(0);
        Playback.OnEndPlay = [this] { ++Ends; };
        Playback.OnChangePlayPosition = [this] {
            Positions.push_back(Playback.PlayPosition());
            EditorPositions.push_back(Editor.Position().GetPosition());
        };
        Playback.OnMeter = [this](int left, int right) {
            MaxLeft = std::max(MaxLeft, left);
            MaxRight = std::max(MaxRight, right);
        };
    }
    static constexpr int Rate = 44100;
    static constexpr int Frames = 4410; // 0.1 s
    TAudioEditor2 Editor;
    TEditorPlayback Playback{Editor};
    std::vector<float> Samples;
    int Ends = 0;
    std::vector<std::int64_t> Positions;
    std::vector<std::int64_t> EditorPositions; // what the editor's position interface said meanwhile
    int MaxLeft = 0, MaxRight = 0;
};

TEST_F(EditorPlaybackTest, PlaysTheDocumentSamplesToTheDevice) {
    DiskOutput disk;
    ASSERT_TRUE(Playback.Play(1)) << Playback.LastError();
    EXPECT_EQ(Editor.PlayState(), 1);
    ASSERT_TRUE(PumpUntil([&] { return Ends > 0; }));
    PumpUntil([] { return false; }, 30); // a late duplicate would arrive now
    EXPECT_EQ(Ends, 1);
    EXPECT_EQ(Editor.PlayState(), 0);

    const std::vector<float> played = ReadFloats(disk.Path);
    const std::size_t first = FirstSound(played);
    ASSERT_GE(played.size(), first + Samples.size());
    for (std::size_t i = 0; i < Samples.size(); ++i)
        ASSERT_FLOAT_EQ(played[first + i], Samples[i]) << "sample " << i;
    // Position events went forward through the document; the meters saw the levels (0.5 and 0.25).
    ASSERT_FALSE(Positions.empty());
    EXPECT_TRUE(std::is_sorted(Positions.begin(), Positions.end()));
    EXPECT_EQ(EditorPositions, Positions);
    EXPECT_GT(Positions.back(), 0);
    EXPECT_EQ(MaxLeft, 50);
    EXPECT_EQ(MaxRight, 25);
}

TEST_F(EditorPlaybackTest, PlaysOnlyTheSelection) {
    DiskOutput disk;
    Editor.Position().SetSelection(-1);
    Editor.Position().SetSelectionStart(1000);
    Editor.Position().SetSelectionEnd(2000);
    ASSERT_TRUE(Playback.Play(1));
    ASSERT_TRUE(PumpUntil([&] { return Ends > 0; }));
    const std::vector<float> played = ReadFloats(disk.Path);
    const std::size_t first = FirstSound(played);
    ASSERT_GE(played.size(), first + 2000);
    for (std::size_t i = 0; i < 2000; ++i)
        ASSERT_FLOAT_EQ(played[first + i], Samples[2000 + i]);
    // Nothing after the selection's end.
    for (std::size_t i = first + 2000; i < played.size(); ++i)
        ASSERT_EQ(played[i], 0.0f);
}

TEST_F(EditorPlaybackTest, LoopPlayRepeatsUntilStopped) {
    DiskOutput disk;
    Editor.Position().SetSelection(-1);
    Editor.Position().SetSelectionStart(0);
    Editor.Position().SetSelectionEnd(441);
    ASSERT_TRUE(Playback.Play(3));
    // The device may write silence before the first buffer of sound: wait for three loops after it.
    TGrowingFloatFile output(disk.Path);
    ASSERT_TRUE(PumpUntil([&] {
        const std::vector<float>& sofar = output.Update();
        return sofar.size() >= FirstSound(sofar) + 3 * 882;
    }));
    EXPECT_EQ(Ends, 0);
    EXPECT_EQ(Playback.PlayState(), 1);
    Playback.Stop();
    EXPECT_EQ(Ends, 1);
    Playback.Stop(); // a second stop changes nothing
    EXPECT_EQ(Ends, 1);

    const std::vector<float> played = ReadFloats(disk.Path);
    const std::size_t first = FirstSound(played);
    ASSERT_GE(played.size(), first + 3 * 882);
    for (std::size_t i = 0; i < 3 * 882; ++i)
        ASSERT_FLOAT_EQ(played[first + i], Samples[i % 882]) << "sample " << i;
}

// Pause, resume and stop in every state; the end event comes once per play.
TEST_F(EditorPlaybackTest, TransportStateTable) {
    DiskOutput disk;
    struct Step {
        const char* Action;
        int State;
        int Ends;
    };
    const Step steps[] = {
        {"pause", 0, 0}, {"resume", 0, 0}, {"play", 1, 0}, {"resume", 1, 0}, {"pause", 5, 0},
        {"pause", 5, 0}, {"resume", 1, 0}, {"stop", 0, 1}, {"stop", 0, 1},   {"play", 1, 1},
        {"pause", 5, 1}, {"stop", 0, 2},   {"play", 1, 2}, {"play", 1, 3},   {"stop", 0, 4},
    };
    for (const Step& step : steps) {
        const std::string action = step.Action;
        if (action == "play") Playback.Play(1);
        if (action == "pause") Playback.Pause();
        if (action == "resume") Playback.Resume();
        if (action == "stop") Playback.Stop();
        EXPECT_EQ(Playback.PlayState(), step.State) << action;
        EXPECT_EQ(Editor.PlayState(), step.State) << action;
        EXPECT_EQ(Ends, step.Ends) << action;
    }
}

// Pausing holds the place: what is played after Resume follows on from where Pause stopped, with
// nothing lost or repeated (the device plays silence meanwhile).
TEST_F(EditorPlaybackTest, ResumeContinuesWherePauseStopped) {
    DiskOutput disk("5"); // about ten times real time: the pause comes long before the end
    // A second of tone after the fixture's tenth, so the play cannot end before it is paused.
    const std::vector<float> more = Tone(Rate, Rate, 300, 700);
    Editor.Position().SetCursor(Frames);
    Editor.PutSamples(more);
    Editor.Position().SetSelection(0);
    Editor.Position().SetCursor(0);
    Samples.insert(Samples.end(), more.begin(), more.end());
    ASSERT_TRUE(Playback.Play(1));
    ASSERT_TRUE(PumpUntil([&] { return Playback.PlayPosition() > 1000; }));
    Playback.Pause();
    const std::int64_t pausedAt = Playback.PlayPosition();
    EXPECT_EQ(Editor.Position().GetPosition(), pausedAt); // the position display shows where it stopped
    PumpUntil([] { return false; }, 30);
    EXPECT_EQ(Playback.PlayPosition(), pausedAt);
    EXPECT_EQ(Ends, 0);
    Playback.Resume();
    ASSERT_TRUE(PumpUntil([&] { return Ends > 0; }));
    EXPECT_EQ(Ends, 1);

    std::vector<float> sound;
    for (float v : ReadFloats(disk.Path))
        if (v != 0.0f) sound.push_back(v);
    ASSERT_EQ(sound.size(), Samples.size());
    for (std::size_t i = 0; i < Samples.size(); ++i)
        ASSERT_FLOAT_EQ(sound[i], Samples[i]) << "sample " << i;
}

TEST(AudioPlayer2Test, PlaysACopyAndEndsOnce) {
    DiskOutput disk;
    TAudioPlayer2 player;
    int ends = 0;
    player.OnEndPlay = [&] { ++ends; };
    player.SetFormat(22050, 1);
    player.Open();
    ASSERT_EQ(player.ErrorState(), 0);
    {
        std::vector<float> samples(2205, 0.0f);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = float(i % 100) / 100.0f + 0.005f;
        player.PlayArray(samples);
    } // the caller's array is gone; the player plays its own copy
    ASSERT_TRUE(PumpUntil([&] { return ends > 0; }));
    PumpUntil([] { return false; }, 30);
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(player.Playing());
    const std::vector<float> played = ReadFloats(disk.Path);
    const std::size_t first = [&] {
        std::size_t i = 0;
        while (i < played.size() && played[i] == 0.0f)
            ++i;
        return i;
    }();
    ASSERT_GE(played.size(), first + 2205);
    for (std::size_t i = 0; i < 2205; ++i)
        ASSERT_FLOAT_EQ(played[first + i], float(i % 100) / 100.0f + 0.005f);
}

TEST(AudioPlayer2Test, StopDuringPlayEndsItAndIsSafeTwice) {
    DiskOutput disk; // real time: one second would take a second
    TAudioPlayer2 player;
    int ends = 0;
    // The preview's end handler stops the player again.
    player.OnEndPlay = [&] {
        ++ends;
        player.Stop();
    };
    player.SetFormat(44100, 2);
    player.Open();
    player.PlayArray(std::vector<float>(88200, 0.1f));
    ASSERT_TRUE(player.Playing());
    PumpUntil([] { return false; }, 20);
    player.Stop();
    player.Stop();
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(ends, 1);
    PumpUntil([] { return false; }, 60);
    EXPECT_EQ(ends, 1);
}

TEST(AudioPlayer2Test, AnEmptyArrayStillEndsOnce) {
    DiskOutput disk;
    TAudioPlayer2 player;
    int ends = 0;
    player.OnEndPlay = [&] { ++ends; };
    player.SetFormat(8000, 1);
    player.Open();
    player.PlayArray({});
    ASSERT_TRUE(PumpUntil([&] { return ends > 0; }, 2000));
    PumpUntil([] { return false; }, 20);
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(player.Playing());
}

TEST(AudioPlayer2Test, NoDeviceReportsTheErrorState) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    TAudioPlayer2 player;
    int ends = 0;
    player.OnEndPlay = [&] { ++ends; };
    player.SetFormat(44100, 2);
    player.Open();
    EXPECT_NE(player.ErrorState(), 0);
    player.PlayArray(std::vector<float>(100, 0.1f));
    EXPECT_NE(player.ErrorState(), 0);
    EXPECT_FALSE(player.Playing());
    player.Stop();
    EXPECT_EQ(ends, 0);
}

TEST(EditorPlaybackNoDevice, PlayFailsWithoutAHang) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    TAudioEditor2 editor;
    editor.New(44100, 1);
    editor.PutSamples(std::vector<float>(1000, 0.2f));
    editor.Position().SetCursor(0);
    TEditorPlayback playback(editor);
    try {
        playback.Play(1);
        ADD_FAILURE() << "no error";
    } catch (const EAudioError& e) {
        EXPECT_EQ(e.Message(), "Starting audio device error.");
    }
    EXPECT_EQ(editor.PlayState(), 0);
    // Nothing to play is no error.
    editor.Position().SetCursor(1000);
    EXPECT_FALSE(playback.Play(1));
}

} // namespace

namespace {

// The disk driver treats a failed write as a lost device: the play ends, with its end event.
TEST(EditorPlaybackLostDevice, ALostOutputEndsThePlay) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "disk");
    env.Set("SDL_DISKAUDIOFILE", "/dev/full");
    env.Set("SDL_DISKAUDIODELAY", "0");
    TAudioEditor2 editor;
    editor.New(44100, 2);
    editor.PutSamples(std::vector<float>(44100 * 2 * 5, 0.1f)); // five seconds
    editor.Position().SetCursor(0);
    TEditorPlayback playback(editor);
    int ends = 0;
    playback.OnEndPlay = [&] { ++ends; };
    ASSERT_TRUE(playback.Play(1)) << playback.LastError();
    ASSERT_TRUE(PumpUntil([&] { return ends > 0; }, 3000));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(editor.PlayState(), 0);
    EXPECT_LT(playback.PlayPosition(), 44100 * 5);
}

} // namespace

namespace {

// The editor's own transport forwards to the device player, with its events.
TEST(EditorTransport, PlayPauseResumeStopThroughTheEditor) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "disk");
    env.Set("SDL_DISKAUDIOFILE", TempPath("editor-played.raw"));
    TAudioEditor2 editor;
    editor.New(22050, 1);
    editor.PutSamples(std::vector<float>(22050, 0.5f)); // one second
    editor.Position().SetCursor(0);
    int ends = 0, meters = 0, positions = 0;
    editor.OnEndPlay = [&] { ++ends; };
    editor.OnMeter = [&](int left, int) { meters += left == 50 ? 1 : 0; };
    editor.OnChangePlayPosition = [&] { ++positions; };
    editor.Play(1);
    EXPECT_EQ(editor.PlayState(), 1);
    ASSERT_TRUE(PumpUntil([&] { return positions >= 2; }));
    EXPECT_GT(meters, 0);
    editor.Pause();
    EXPECT_EQ(editor.PlayState(), 5);
    const std::int64_t at = editor.Position().GetPosition();
    EXPECT_GT(at, 0);
    editor.Resume();
    EXPECT_EQ(editor.PlayState(), 1);
    editor.Stop();
    EXPECT_EQ(editor.PlayState(), 0);
    EXPECT_EQ(ends, 1);
    editor.Play(2);
    editor.Close(); // closing the document ends its play
    EXPECT_EQ(ends, 2);
    EXPECT_EQ(editor.PlayState(), 0);
}

} // namespace
