// Drive access against simulated drives: scanning, identities, reading and checking tables of contents,
// and the fallback from the pass-through to the CD-ROM control calls.
#include "cd/AspiCD.h"
#include "cd/CDNotice.h"
#include "tests/cd/SimulatedCDDevice.h"

#include <gtest/gtest.h>

namespace cd_drive_access_test {

using namespace cd_test;

class CDDriveAccess : public ::testing::Test {
protected:
    CDDriveAccess() : override_(sim) {
        previous = SetCDNoticeHandler([this](const std::string& Caption, const std::string& Text) {
            notices.push_back(Caption + "|" + Text);
        });
    }
    ~CDDriveAccess() override { SetCDNoticeHandler(previous); }

    // Tracks at 0:02.00, 4:03.40 and a data track; lead-out at 30:00.00.
    static std::vector<std::uint8_t> MixedDisc() {
        return RawToc(1, {{0}, {18265 - LeadInFrames}, {60000, false}}, 30 * 60 * 75 - LeadInFrames);
    }

    TSimulatedCDSystem sim;
    TCDDeviceSystemOverride override_;
    TCDNoticeHandler previous;
    std::vector<std::string> notices;
};

TEST_F(CDDriveAccess, ScanFindsTheDrivesWithTheirIdentityOrTheirPath) {
    TSimDrive& first = sim.AddDrive();
    first.Inquiry = InquiryData("PLEXTOR", "DVDR   PX-716A", "1.11");
    first.HaId = 2;
    first.Target = 1;
    first.Lun = 0;
    sim.AddDrive().InquiryStatus = TCDStatus::TimedOut;
    sim.AddDrive().OpenStatus = TCDStatus::PermissionDenied;

    TCDDriveTable table;
    table.Count = 9; // rebuilt from scratch
    ASSERT_TRUE(ScanCDDrives(table, cdiAutoDetect));
    ASSERT_EQ(table.Count, 3);
    EXPECT_EQ(table.Drives[0].Vendor, "PLEXTOR ");
    EXPECT_EQ(table.Drives[0].ProductId, "DVDR   PX-716A  ");
    EXPECT_EQ(table.Drives[0].Revision, "1.11");
    EXPECT_EQ(table.Drives[0].Description, "PLEXTOR DVDR   PX-716A  1.11");
    EXPECT_EQ(table.Drives[0].HaId, 2);
    EXPECT_EQ(table.Drives[0].Target, 1);
    // Only the drives that did not answer are described by their device.
    EXPECT_EQ(table.Drives[1].Description, "/dev/sr1");
    EXPECT_EQ(table.Drives[2].Description, "/dev/sr2");
    EXPECT_EQ(sim.Drives[1].TimeoutsMs, std::vector<int>{2000});
}

TEST_F(CDDriveAccess, ScansAreCappedAtTheTableSizeAndEmptyMachinesFindNothing) {
    TCDDriveTable table;
    EXPECT_FALSE(ScanCDDrives(table, cdiAutoDetect));
    EXPECT_EQ(table.Count, 0);
    for (int i = 0; i < 30; ++i)
        sim.AddDrive();
    EXPECT_TRUE(ScanCDDrives(table, cdiNTSCSI));
    EXPECT_EQ(table.Count, MaxCDDrives);
    EXPECT_EQ(table.Drives[25].DevicePath, "/dev/sr25");
}

TEST_F(CDDriveAccess, TheAdapterLayerRoadIsNeverAvailable) {
    sim.AddDrive(MixedDisc());
    TCDDriveTable table;
    table.Count = 7;
    EXPECT_EQ(GetAspiAdapterCount(), -1);
    EXPECT_TRUE(IsCDInterfaceAvailable());
    EXPECT_TRUE(SptiAvailable());
    for (auto call : {+[](TCDDriveTable& t) { ScanCDDrives(t, cdiASPI); },
                      +[](TCDDriveTable& t) {
                          TCDTOC toc;
                          ReadCDTOC(t, 0, toc, cdiASPI);
                      }}) {
        try {
            call(table);
            ADD_FAILURE() << "no error raised";
        } catch (const ECDInterfaceError& e) {
            EXPECT_STREQ(e.what(), "No usable interface available or selected interface not available");
        }
    }
    EXPECT_EQ(table.Count, 7); // left as it was
}

TEST_F(CDDriveAccess, ReadsTheTableOfContentsWithDataTracksAndFlags) {
    sim.AddDrive(RawToc(1, {{0}, {18115, true, 0x01}, {30000, true, 0x08}, {60000, false}}, 90000));
    TCDDriveTable table;
    ASSERT_TRUE(ScanCDDrives(table, cdiAutoDetect));
    TCDTOC toc;
    ASSERT_FALSE(ReadCDTOC(table, 0, toc, cdiAutoDetect)); // false: success
    EXPECT_EQ(toc.TrackCount, 4);
    EXPECT_EQ(toc.FirstTrack, 1);
    EXPECT_EQ((std::array<int, 3>{toc.Tracks[0].Min, toc.Tracks[0].Sec, toc.Tracks[0].Frame}),
              (std::array<int, 3>{0, 2, 0}));
    EXPECT_EQ((std::array<int, 3>{toc.Tracks[1].Min, toc.Tracks[1].Sec, toc.Tracks[1].Frame}),
              (std::array<int, 3>{4, 3, 40}));
    EXPECT_TRUE(toc.Tracks[1].IsAudio); // pre-emphasis
    EXPECT_TRUE(toc.Tracks[2].IsAudio); // four channels
    EXPECT_FALSE(toc.Tracks[3].IsAudio);
    EXPECT_EQ(MsfToLba(toc.LeadOut.Min, toc.LeadOut.Sec, toc.LeadOut.Frame), 90000);
    EXPECT_EQ(sim.Drives[0].TocPassThroughs, 1);
    EXPECT_EQ(sim.Drives[0].TocIoctls, 0);
    EXPECT_TRUE(notices.empty());
}

TEST_F(CDDriveAccess, RawTablesThatDoNotHoldUpAreFailedReads) {
    struct TCase {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
        bool valid;
    };
    const std::vector<TCase> cases{
        {"as read", [](auto&) {}, true},
        {"first and last 0", [](auto& r) { r[2] = r[3] = 0; }, false},
        {"first 0", [](auto& r) { r[2] = 0; }, false},
        {"last below first", [](auto& r) { r[2] = 3, r[3] = 2; }, false},
        {"last 100", [](auto& r) { r[3] = 100; }, false},
        {"last 255 claims more than the buffer", [](auto& r) { r[2] = 1, r[3] = 255; }, false},
        {"data length misses the lead-out", [](auto& r) { r[0] = 0, r[1] = 2 + 8 * 3; }, false},
        {"data length beyond the buffer", [](auto& r) { r[0] = 0x03, r[1] = 0x23; }, false},
        {"first track 5 of 5 to 7", [](auto& r) { r[2] = 5, r[3] = 7; }, true},
    };
    for (const TCase& c : cases) {
        std::vector<std::uint8_t> raw = MixedDisc();
        c.spoil(raw);
        TCDTOC toc;
        toc.TrackCount = 42;
        EXPECT_EQ(ConvertRawTOC(raw.data(), toc), c.valid) << c.what;
        if (!c.valid) {
            EXPECT_EQ(toc.TrackCount, 0) << c.what;
        }
        TSimulatedCDSystem one;
        one.AddDrive(raw);
        TCDDeviceSystemOverride use(one);
        TCDDriveTable table;
        ScanCDDrives(table, cdiAutoDetect);
        EXPECT_EQ(ReadCDTOC(table, 0, toc, cdiAutoDetect), !c.valid) << c.what;
    }
}

TEST_F(CDDriveAccess, FallsBackToTheControlCallsAndReportsDeviceErrors) {
    struct TCase {
        TCDStatus passThrough, ioctl;
        bool failed;
        int ioctlReads;
        std::vector<std::string> notices;
    };
    const std::string rights =
        "|You must have Administor privileges to use SPTI under Win2000/XP; falling back to "
        "IOCTL. This may cause erroneous results if a Mixed-Mode CD is in the drive.";
    const std::vector<TCase> cases{
        {TCDStatus::PermissionDenied, TCDStatus::Ok, false, 1, {rights}},
        {TCDStatus::PermissionDenied, TCDStatus::IoError, true, 2, {rights}},
        {TCDStatus::IoError, TCDStatus::Ok, false, 1, {}},
        {TCDStatus::IoError, TCDStatus::IoError, true, 1, {}},
        {TCDStatus::TimedOut, TCDStatus::IoError, true, 1, {"Error|IO Error: 110\n\r"}},
    };
    for (const TCase& c : cases) {
        TSimulatedCDSystem one;
        TSimDrive& drive = one.AddDrive(MixedDisc());
        drive.PassThroughStatus = c.passThrough;
        drive.IoctlStatus = c.ioctl;
        TCDDeviceSystemOverride use(one);
        notices.clear();
        TCDDriveTable table;
        ScanCDDrives(table, cdiAutoDetect);
        TCDTOC toc;
        EXPECT_EQ(ReadCDTOC(table, 0, toc, cdiAutoDetect), c.failed);
        EXPECT_EQ(toc.TrackCount, c.failed ? 0 : 3);
        EXPECT_EQ(drive.TocIoctls, c.ioctlReads);
        EXPECT_EQ(notices, c.notices);
        EXPECT_EQ(drive.TimeoutsMs.back(), 5000);
    }
}

TEST_F(CDDriveAccess, EmptyDrivesAndMissingDrivesAreFailedReadsWithoutNotice) {
    sim.AddDrive();
    TCDDriveTable table;
    ScanCDDrives(table, cdiAutoDetect);
    TCDTOC toc;
    EXPECT_TRUE(ReadCDTOC(table, 0, toc, cdiAutoDetect));
    EXPECT_TRUE(ReadCDTOC(table, 1, toc, cdiAutoDetect));
    EXPECT_TRUE(notices.empty());
}

} // namespace cd_drive_access_test
