#include "source/Drives.h"

#include "TestFolder.h"
#include "tests/support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(DrivesTest, ParsesMountTableWithEscapes) {
    const char* table = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                        "proc /proc proc rw 0 0\n"
                        "/dev/sdb1 /media/my\\040disk vfat rw 0 0\n"
                        "\n"
                        "broken-line\n";
    std::vector<TMountEntry> entries = ParseMountTable(table);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0], (TMountEntry{"/dev/sda1", "/", "ext4"}));
    EXPECT_EQ(entries[1], (TMountEntry{"proc", "/proc", "proc"}));
    EXPECT_EQ(entries[2], (TMountEntry{"/dev/sdb1", "/media/my disk", "vfat"}));
}

TEST(DrivesTest, FixedDrivesAreLocalDiskFileSystems) {
    struct Case {
        TMountEntry Entry;
        bool Fixed;
    };
    for (const Case& c :
         {Case{{"/dev/sda1", "/", "ext4"}, true}, Case{{"/dev/nvme0n1p2", "/home", "btrfs"}, true},
          Case{{"/dev/sdb1", "/media/usb", "vfat"}, true}, Case{{"/dev/sr0", "/media/cd", "iso9660"}, false},
          Case{{"/dev/loop3", "/snap/x", "squashfs"}, false}, Case{{"tmpfs", "/run", "tmpfs"}, false},
          Case{{"server:/x", "/net", "nfs"}, false}, Case{{"overlay", "/", "overlay"}, false}})
        EXPECT_EQ(IsFixedDrive(c.Entry), c.Fixed) << c.Entry.Device;
}

TEST(DrivesTest, MostFreeSpaceFirstWinsTies) {
    EXPECT_EQ(PickMostFreeSpace({{"/", 10.0f}, {"/data", 20.0f}, {"/home", 20.0f}, {"/x", 5.0f}}), "/data");
    EXPECT_EQ(PickMostFreeSpace({{"/a", 0.0f}}), "/a");
    EXPECT_EQ(PickMostFreeSpace({}), "");
}

TEST(DrivesTest, FreeGigabytesOfMissingFolderIsMinusOne) {
    EXPECT_EQ(FreeGigabytes("/no/such/folder/anywhere"), -1.0f);
    EXPECT_EQ(FreeGigabytes(""), -1.0f);
    EXPECT_GE(FreeGigabytes("/"), 0.0f);
}

TEST(DrivesTest, TempFolderEndsWithSeparator) {
    TEnvironmentGuard env;
    env.Set("TMPDIR", "/var/tmp");
    std::string folder = TempFolderPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    const std::string drive = DriveWithMostFreeSpace();
    EXPECT_EQ(folder,
              drive.empty() ? std::string("/var/tmp/") : (drive == "/" ? "/temp/" : drive + "/temp/"));
}

TEST(DrivesTest, CountsOpticalBlockDevices) {
    TTestFolder block("block");
    for (const char* name : {"sda", "sr0", "sr1", "srx", "loop0", "sr"})
        std::filesystem::create_directory(block.Path() + name);
    EXPECT_EQ(CountCdDrivesIn(block.Path()), 2);
    EXPECT_EQ(CountCdDrivesIn(block.Path() + "missing"), 0);
}

} // namespace
