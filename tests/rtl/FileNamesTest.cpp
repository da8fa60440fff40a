#include "platform/rtl/FileNames.h"
#include "platform/rtl/Paths.h"

#include <gtest/gtest.h>

TEST(FileNames, PartsTable) {
    struct Case {
        const char* name;
        const char* path;
        const char* dir;
        const char* file;
        const char* ext;
    };
    const Case cases[] = {
        {"/music/live/song.mp3", "/music/live/", "/music/live", "song.mp3", ".mp3"},
        {"song.tar.gz", "", "", "song.tar.gz", ".gz"},
        {"/music.d/readme", "/music.d/", "/music.d", "readme", ""},
        {"/song.wav", "/", "/", "song.wav", ".wav"},
        {"/music/", "/music/", "/music", "", ""},
        {"name.", "", "", "name.", "."},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    }
}

TEST(FileNames, ChangingExtensionsAndDelimiters) {
    EXPECT_EQ(ChangeFileExt("/opt/olva/olva", ".chm"), "/opt/olva/olva.chm");
    EXPECT_EQ(ChangeFileExt("/a.b/take.wav", ".mp3"), "/a.b/take.mp3");
    EXPECT_EQ(ChangeFileExt("take.wav", ""), "take");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp"), "/tmp/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/tmp/"), "/tmp/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "") << "the current folder must not become the root";
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/tmp/"), "/tmp");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
}

TEST(FileNames, ExpandFileNameResolvesDots) {
    struct Case {
        const char* name;
        const char* expected;
    };
    const Case cases[] = {
        {"/a/./b/../c", "/a/c"}, {"/a//b/", "/a/b/"}, {"/..", "/"}, {"/a/b/..", "/a"}, {"/", "/"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExpandFileName(c.name), c.expected) << c.name;
    const std::string cwd = GetCurrentDir();
    EXPECT_EQ(ExpandFileName("x.wav"), IncludeTrailingPathDelimiter(cwd) + "x.wav");
    EXPECT_EQ(ExpandFileName("./sub/../y"), IncludeTrailingPathDelimiter(cwd) + "y");
}
