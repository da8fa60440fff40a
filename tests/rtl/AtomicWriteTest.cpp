#include "platform/rtl/FileUtils.h"

#include "TempFolder.h"

#include "tests/support/FileSizeLimit.h"
#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::size_t EntriesIn(const std::string& folder) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(AtomicWrite, CreatesAndReplacesWholeFiles) {
    TempFolder dir;
    const std::string path = dir / "song.txt";
    ASSERT_TRUE(WriteFileAtomically(path, "first version, rather long"));
    EXPECT_EQ(ReadFileBytes(path), "first version, rather long");
    ASSERT_TRUE(WriteFileAtomically(path, std::string("short\0bin", 9)));
    EXPECT_EQ(ReadFileBytes(path), std::string("short\0bin", 9));
    ASSERT_TRUE(WriteFileAtomically(path, ""));
    EXPECT_EQ(ReadFileBytes(path), "");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "no temporary file may stay behind";
}

TEST(AtomicWrite, FailureLeavesTheOldFileIntact) {
    TempFolder dir;
    const std::string path = dir / "settings.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "old"));
    {
        TFileSizeLimit limit(8); // the new content cannot be written completely
        EXPECT_FALSE(WriteFileAtomically(path, std::string(4096, 'x')));
    }
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicWrite, RefusesImpossibleTargets) {
    TempFolder dir;
    std::filesystem::create_directory(dir / "folder");
    ASSERT_TRUE(WriteFileAtomically(dir / "folder/inside", "kept"));
    const std::string cases[] = {dir / "missing/file.txt", dir / "folder", ""};
    for (const std::string& path : cases) {
        EXPECT_FALSE(WriteFileAtomically(path, "data")) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_EQ(ReadFileBytes(dir / "folder/inside"), "kept");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(AtomicWrite, KeepsPermissionsAndFollowsLinks) {
    TempFolder dir;
    const std::string real = dir / "real.txt";
    ASSERT_TRUE(WriteFileAtomically(real, "a"));
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, dir / "link.txt");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.txt", "b"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    EXPECT_EQ(ReadFileBytes(real), "b");
    struct stat info {};
    ASSERT_EQ(::stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AtomicWrite, LongestNamesStillWork) {
    TempFolder dir;
    const std::string path = dir / std::string(255, 'n'); // the longest name a folder entry may have
    ASSERT_TRUE(WriteFileAtomically(path, "long"));
    EXPECT_EQ(ReadFileBytes(path), "long");
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

TEST(ReadFileBytes, MissingFileOrFolderGivesNothing) {
    TempFolder dir;
    EXPECT_FALSE(ReadFileBytes(dir / "absent").has_value());
    EXPECT_FALSE(ReadFileBytes(dir.Path()).has_value());
}
