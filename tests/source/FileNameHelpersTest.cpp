#include "source/FileNameHelpers.h"

#include "TestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FileNameHelpersTest, AddTrailingBackslash) {
    EXPECT_EQ(AddTrailingBackslash("/home/u"), "/home/u/");
    EXPECT_EQ(AddTrailingBackslash("/home/u/"), "/home/u/");
    EXPECT_EQ(AddTrailingBackslash(""), "");
}

TEST(FileNameHelpersTest, SupportedExtensionsWithDotAnyCase) {
    for (const char* ext : {".wav", ".WAV", ".mp3", ".mp2", ".mpga", ".wma", ".ogg", ".cda", ".vox", ".raw",
                            ".g721", ".g723", ".g726", ".aif", ".aiff", ".AiFc", ".mpc"})
        EXPECT_TRUE(IsSupportedAudioExt(ext)) << ext;
    for (const char* ext : {"wav", "", ".", ".flac", ".wav ", ".mp4", ".g72"})
        EXPECT_FALSE(IsSupportedAudioExt(ext)) << ext;
}

TEST(FileNameHelpersTest, StripAndExtractExtension) {
    struct Case {
        const char* Path;
        const char* Stripped;
        const char* Extension;
    };
    for (const Case& c : {Case{"/my.dir/file", "/my.dir/file", ""}, Case{"/dir/a.b.wav", "/dir/a.b", ".wav"},
                          Case{"song.mp3", "song", ".mp3"}, Case{"/dir/.hidden", "/dir/.hidden", ""},
                          Case{"/dir/x.", "/dir/x", "."}}) {
        EXPECT_EQ(StripExtension(c.Path), c.Stripped) << c.Path;
        EXPECT_EQ(ExtractFileExtension(c.Path), c.Extension) << c.Path;
    }
}

TEST(FileNameHelpersTest, CleanFileNameReplacesEveryForbiddenCharacter) {
    EXPECT_EQ(CleanFileName("a/b:c", "_"), "a_b_c");
    EXPECT_EQ(CleanFileName("\\/:*?\"<>|ok", "_"), "_________ok");
    EXPECT_EQ(CleanFileName("a?b", ""), "ab");
    // the replacement is inserted once, never scanned again
    EXPECT_EQ(CleanFileName("a:b", "/x:"), "a/x:b");
}

TEST(FileNameHelpersTest, FirstSpacePosition) {
    EXPECT_EQ(FirstSpacePosition("ab cd e"), 3);
    EXPECT_EQ(FirstSpacePosition(" a"), 1);
    EXPECT_EQ(FirstSpacePosition("abcd"), 4);
    EXPECT_EQ(FirstSpacePosition(""), 0);
}

TEST(UniqueFileNameTest, FirstFreeNumberedName) {
    TTestFolder folder("unique");
    EXPECT_EQ(UniqueFileName("a.wav", folder.Path()), folder.Path() + "a.wav");
    folder.Write("a.wav", "x");
    folder.Write("a(1).wav", "x");
    EXPECT_EQ(UniqueFileName("a.wav", folder.Path()), folder.Path() + "a(2).wav");
    folder.Write("noext", "x");
    EXPECT_EQ(UniqueFileName("noext", folder.Path()), folder.Path() + "noext(1)");
}

TEST(UniqueFileNameTest, FolderWithoutTrailingSeparatorAndNonFileEntries) {
    TTestFolder folder("unique2");
    std::string path = folder.Path();
    path.pop_back();
    std::filesystem::create_directory(folder.Path() + "b.mp3");                             // a folder
    std::filesystem::create_symlink(folder.Path() + "nowhere", folder.Path() + "b(1).mp3"); // a dangling link
    EXPECT_EQ(UniqueFileName("b.mp3", path), folder.Path() + "b(2).mp3");
}

TEST(UniqueFileNameTest, NeverGivesUpOnCrowdedFolder) {
    // Past the point where a bounded search would hand back an existing name.
    const std::string folder = "/music/";
    int asked = 0;
    auto exists = [&](const std::string& path) {
        ++asked;
        if (path == folder + "c.wav") return true;
        const std::string prefix = folder + "c(";
        if (path.rfind(prefix, 0) != 0) return false;
        return std::stoi(path.substr(prefix.size())) <= 40000;
    };
    EXPECT_EQ(UniqueFileName("c.wav", "/music", exists), folder + "c(40001).wav");
    EXPECT_EQ(asked, 40002);
}

} // namespace
