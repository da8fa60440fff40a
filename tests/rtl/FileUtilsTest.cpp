#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/Paths.h"

#include "TempFolder.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

void Touch(const std::string& path, const std::string& content = "x") {
    ASSERT_TRUE(WriteFileAtomically(path, content));
}

std::vector<std::string> Names(const std::vector<TFoundFile>& files) {
    std::vector<std::string> names;
    for (const TFoundFile& f : files)
        names.push_back(f.Name);
    return names;
}

// Sets an environment variable for one scope and restores the old value (or its absence).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : FName(name) {
        if (const char* old = std::getenv(name)) FOld = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (FOld)
            ::setenv(FName, FOld->c_str(), 1);
        else
            ::unsetenv(FName);
    }

private:
    const char* FName;
    std::optional<std::string> FOld;
};

} // namespace

TEST(FileUtils, ExistenceAndDeletion) {
    TempFolder dir;
    Touch(dir / "a.wav");
    ASSERT_TRUE(CreateDir(dir / "sub"));
    EXPECT_TRUE(FileExists(dir / "a.wav"));
    EXPECT_FALSE(FileExists(dir / "sub"));
    EXPECT_TRUE(DirectoryExists(dir / "sub"));
    EXPECT_FALSE(DirectoryExists(dir / "a.wav"));
    EXPECT_FALSE(FileExists(""));

    EXPECT_FALSE(DeleteFile(dir / "sub")) << "a folder is not a file";
    EXPECT_TRUE(DirectoryExists(dir / "sub"));
    EXPECT_TRUE(DeleteFile(dir / "a.wav"));
    EXPECT_FALSE(DeleteFile(dir / "a.wav"));
    Touch(dir / "sub/inner");
    EXPECT_FALSE(RemoveDir(dir / "sub")) << "only empty folders";
    EXPECT_TRUE(DeleteFile(dir / "sub/inner"));
    EXPECT_TRUE(RemoveDir(dir / "sub"));
}

TEST(FileUtils, RenameNeverReplacesAnotherFile) {
    TempFolder dir;
    Touch(dir / "old.txt", "old");
    Touch(dir / "taken.txt", "precious");
    EXPECT_FALSE(RenameFile(dir / "old.txt", dir / "taken.txt"));
    EXPECT_EQ(ReadFileBytes(dir / "taken.txt"), "precious");
    EXPECT_TRUE(RenameFile(dir / "old.txt", dir / "new.txt"));
    EXPECT_FALSE(FileExists(dir / "old.txt"));
    EXPECT_EQ(ReadFileBytes(dir / "new.txt"), "old");
    EXPECT_FALSE(RenameFile(dir / "missing", dir / "other"));
}

TEST(FileUtils, ForceDirectoriesCreatesEveryLevel) {
    TempFolder dir;
    EXPECT_TRUE(ForceDirectories(dir / "a/b/c/"));
    EXPECT_TRUE(DirectoryExists(dir / "a/b/c"));
    EXPECT_TRUE(ForceDirectories(dir / "a/b")) << "an existing folder is fine";
    Touch(dir / "file");
    EXPECT_FALSE(ForceDirectories(dir / "file/sub")) << "a file is in the way";
    EXPECT_FALSE(ForceDirectories(""));
    EXPECT_FALSE(CreateDir(dir / "x/y")) << "CreateDir makes one level only";
}

TEST(FileUtils, SizesTimesAndFreeSpace) {
    TempFolder dir;
    Touch(dir / "five", "12345");
    EXPECT_EQ(FileSize(dir / "five"), 5);
    EXPECT_EQ(FileSize(dir / "none"), -1);

    TDateTime age = 0;
    ASSERT_TRUE(FileAge(dir / "five", age));
    TSystemClock clock;
    EXPECT_NEAR(age, clock.Now(), 60.0 / SecsPerDay);
    EXPECT_FALSE(FileAge(dir / "none", age));

    EXPECT_GT(DiskFree(dir.Path()), 0);
    EXPECT_EQ(DiskFree(dir / "none/deeper"), -1);
}

TEST(FileUtils, MaskMatchingTable) {
    struct Case {
        const char* name;
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"Song.WAV", "*.wav", true},
        {"song.wav", "*.WAV", true},
        {"song.mp3", "*.wav", false},
        {"readme", "*.*", true},
        {"a.b.c", "*.c", true},
        {"take1.wav", "take?.wav", true},
        {"take12.wav", "take?.wav", false},
        {"tékë.wav", "T?K?.*", true},
        {"ÉTÉ", "été", true},
        {"abc", "*", true},
        {"", "*", true},
        {"abc", "a*c*", true},
        {"abc", "*b", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

TEST(FileUtils, FindFilesFiltersLikeTheDesktop) {
    TempFolder dir;
    Touch(dir / "b.wav");
    Touch(dir / "A.WAV", "1234");
    Touch(dir / "c.mp3");
    Touch(dir / ".hidden.wav");
    ASSERT_TRUE(CreateDir(dir / "folder.wav"));

    EXPECT_EQ(Names(FindFiles(dir.Path(), "*.wav", 0)), (std::vector<std::string>{"A.WAV", "b.wav"}));
    EXPECT_EQ(Names(FindFiles(dir.Path(), "*.wav", faDirectory)),
              (std::vector<std::string>{"A.WAV", "b.wav", "folder.wav"}));
    EXPECT_EQ(Names(FindFiles(dir.Path(), "*.wav", faAnyFile)),
              (std::vector<std::string>{".hidden.wav", "A.WAV", "b.wav", "folder.wav"}));
    EXPECT_TRUE(FindFiles(dir / "missing", "*").empty());

    const std::vector<TFoundFile> all = FindFiles(dir.Path(), "a.wav");
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].Size, 4);
    EXPECT_TRUE(all[0].Attr & faArchive);
    EXPECT_FALSE(all[0].Attr & faDirectory);
}

TEST(FileUtils, FindFirstNextLoop) {
    TempFolder dir;
    Touch(dir / "one.txt");
    Touch(dir / "two.txt");
    ASSERT_TRUE(CreateDir(dir / "sub"));
    std::vector<std::string> seen;
    TSearchRec sr;
    if (FindFirst(dir / "*", faAnyFile, sr) == 0) {
        do {
            seen.push_back(sr.Name + ((sr.Attr & faDirectory) ? "/" : ""));
        } while (FindNext(sr) == 0);
        FindClose(sr);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"one.txt", "sub/", "two.txt"}));
    TSearchRec none;
    EXPECT_NE(FindFirst(dir / "*.none", faAnyFile, none), 0);
}

TEST(Paths, UserDataAndTemporaryFolders) {
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/custom/config/");
        EXPECT_EQ(GetUserDataFolder(), "/custom/config/OLVA");
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        ScopedEnv home("HOME", "/home/tester");
        EXPECT_EQ(GetUserDataFolder(), "/home/tester/.config/OLVA");
        ScopedEnv relative("XDG_CONFIG_HOME", "relative/dir");
        EXPECT_EQ(GetUserDataFolder(), "/home/tester/.config/OLVA") << "a relative base is ignored";
    }
    {
        ScopedEnv tmp("TMPDIR", "/var/scratch");
        EXPECT_EQ(GetTempFolder(), "/var/scratch");
    }
    {
        ScopedEnv tmp("TMPDIR", nullptr);
        EXPECT_EQ(GetTempFolder(), "/tmp");
    }
}

TEST(Paths, ProgramAndCurrentFolder) {
    const std::string program = GetProgramFile();
    EXPECT_TRUE(FileExists(program));
    EXPECT_EQ(ExtractFileName(program), "olva_rtl_tests");
    EXPECT_EQ(GetProgramFolder(), ExtractFileDir(program));
    EXPECT_EQ(GetCurrentDir(), std::filesystem::current_path().string());
}
