// Ripping a track from a simulated drive through the error-correcting reader.
#include "cd/CDRipper.h"
#include "cd/AspiCD.h"
#include "platform/rtl/FileUtils.h"
#include "tests/cd/SimulatedCDDevice.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cd_ripper_test {

using namespace cd_test;

class CDRipper : public ::testing::Test {
protected:
    CDRipper() : override_(sim) {
        folder = std::filesystem::temp_directory_path() / ("cd-ripper-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    ~CDRipper() override { std::filesystem::remove_all(folder); }

    TCDTOC ReadToc() {
        TCDDriveTable table;
        ScanCDDrives(table, cdiAutoDetect);
        TCDTOC toc;
        EXPECT_FALSE(ReadCDTOC(table, 0, toc, cdiAutoDetect));
        return toc;
    }

    // The WAV file a rip of frames [first, first + count) must give.
    static std::string ExpectedWav(std::int32_t first, std::int32_t count) {
        std::string bytes;
        for (std::int32_t f = first; f < first + count; ++f)
            for (int i = 0; i < AudioFrameBytes; ++i)
                bytes += char(AudioByte(f, i));
        return bytes;
    }

    TSimulatedCDSystem sim;
    TCDDeviceSystemOverride override_;
    std::filesystem::path folder;
};

TEST_F(CDRipper, TrackRangesEndAtTheNextTrackOrBeforeASecondSession) {
    sim.AddDrive(RawToc(1, {{0}, {500}, {12400, false}}, 20000));
    const TCDTOC toc = ReadToc();
    EXPECT_EQ(TrackFrames(toc, 0).FirstLba, 0);
    EXPECT_EQ(TrackFrames(toc, 0).FrameCount, 500);
    EXPECT_EQ(TrackFrames(toc, 1).FirstLba, 500);
    EXPECT_EQ(TrackFrames(toc, 1).FrameCount, 12400 - 11400 - 500);
    EXPECT_EQ(TrackFrames(toc, 2).FrameCount, 20000 - 12400);
    EXPECT_EQ(TrackFrames(toc, 3).FrameCount, 0);
    EXPECT_EQ(TrackFrames(toc, -1).FrameCount, 0);
}

TEST_F(CDRipper, RipGivesTheExactFramesWithHeaderAndProgress) {
    sim.AddDrive(RawToc(1, {{0}, {300}}, 700));
    const TCDTOC toc = ReadToc();
    const std::string path = (folder / "Track - 02.wav").string();
    std::vector<int> progress;
    const TCDRipOutcome outcome = RipCDTrack("/dev/sr0", toc, 1, path, [&](int p) { progress.push_back(p); });
    ASSERT_EQ(outcome.Result, TCDRipResult::Ok) << outcome.Message;
    const auto bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 44u + 400u * AudioFrameBytes);
    EXPECT_EQ(bytes->substr(0, 4), "RIFF");
    EXPECT_EQ(bytes->substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(bytes->substr(36, 4), "data");
    EXPECT_TRUE(bytes->substr(44) == ExpectedWav(300, 400));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    // Nothing of the work is left beside the file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(CDRipper, ReadErrorsAreRetriedAndTheControlCallServesWhenThePassThroughIsRefused) {
    TSimDrive& drive = sim.AddDrive(RawToc(1, {{0}}, 200));
    drive.FlakyFrames = {{50, 2}, {120, 1}};
    const TCDTOC toc = ReadToc();
    const std::string path = (folder / "flaky.wav").string();
    const TCDRipOutcome outcome = RipCDTrack("/dev/sr0", toc, 0, path, nullptr);
    ASSERT_EQ(outcome.Result, TCDRipResult::Ok) << outcome.Message;
    EXPECT_TRUE(ReadFileBytes(path)->substr(44) == ExpectedWav(0, 200));

    drive.PassThroughStatus = TCDStatus::PermissionDenied;
    ASSERT_EQ(RipCDTrack("/dev/sr0", toc, 0, path, nullptr).Result, TCDRipResult::Ok);
    EXPECT_TRUE(ReadFileBytes(path)->substr(44) == ExpectedWav(0, 200));
    EXPECT_GT(drive.AudioIoctlReads, 0);
}

TEST_F(CDRipper, FailuresSayWhatHappenedAndLeaveNoFile) {
    TSimDrive& drive = sim.AddDrive(RawToc(1, {{0}, {200, false}}, 12000));
    const TCDTOC toc = ReadToc();
    const std::string path = (folder / "failed.wav").string();

    EXPECT_EQ(RipCDTrack("/dev/sr0", toc, 1, path, nullptr).Result, TCDRipResult::NotAudio);
    EXPECT_EQ(RipCDTrack("/dev/sr9", toc, 0, path, nullptr).Result, TCDRipResult::NoDevice);

    drive.BadFrames = {77};
    TCDRipOutcome outcome = RipCDTrack("/dev/sr0", toc, 0, path, nullptr);
    EXPECT_EQ(outcome.Result, TCDRipResult::ReadError);
    EXPECT_EQ(outcome.Message, "The track could not be read: I/O error.");

    drive.BadFrames.clear();
    drive.Toc.clear();
    outcome = RipCDTrack("/dev/sr0", toc, 0, path, nullptr);
    EXPECT_EQ(outcome.Result, TCDRipResult::NoMedium);

    drive.Toc = RawToc(1, {{0}, {200, false}}, 12000);
    drive.OpenStatus = TCDStatus::PermissionDenied;
    outcome = RipCDTrack("/dev/sr0", toc, 0, path, nullptr);
    EXPECT_EQ(outcome.Message, "You have no permission to read audio from this drive.");

    drive.OpenStatus = TCDStatus::Ok;
    outcome = RipCDTrack("/dev/sr0", toc, 0, (folder / "missing" / "x.wav").string(), nullptr);
    EXPECT_EQ(outcome.Result, TCDRipResult::WriteError);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

} // namespace cd_ripper_test
