// The database entry format and the local database folder with its index and log.
#include "cd/LocalCDDB.h"
#include "cd/CDNotice.h"
#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace local_cddb_test {

TEntryArray Entry(std::initializer_list<std::string> lines) {
    TEntryArray entry;
    std::size_t i = 0;
    for (const std::string& line : lines)
        entry[i++] = line;
    return entry;
}

const std::initializer_list<std::string> Complete{
    "# xmcd",
    "#",
    "# Track frame offsets:",
    "#\t150",
    "#\t18265",
    "#",
    "# Disc length: 2733 seconds",
    "#",
    "# Revision: 3",
    "# Submitted via: test 1.0",
    "DISCID=530aab0d",
    "DTITLE=Some Artist / Some Album",
    "DTITLE= (Deluxe)",
    "DYEAR=1999",
    "DGENRE=Rock",
    "TTITLE0=First\\nLine",
    "TTITLE1=Back\\\\slash\\ttab",
    "TTITLE1= and more",
    "TTITLE12=Twelve",
    "TTITLE100=Hundred",
    "EXTD=Extended",
    "EXTD= data",
    "EXTT0=Note\\\\\\nend",
    "PLAYORDER=",
};

TEST(LocalCDDB, ParsesACompleteEntry) {
    TLocalCDDB db;
    TCDInfo info;
    info.Category = "rock";
    info.Artist = "stale";
    ASSERT_EQ(db.ParseEntry(info, Entry(Complete)), 0);
    EXPECT_EQ(info.Category, "rock");
    EXPECT_EQ(info.DiscId, "530aab0d");
    EXPECT_EQ(info.Artist, "Some Artist");
    EXPECT_EQ(info.Title, "Some Album (Deluxe)");
    EXPECT_EQ(info.Year, "1999");
    EXPECT_EQ(info.Genre, "Rock");
    EXPECT_EQ(info.Revision, 3);
    EXPECT_EQ(info.ExtendedData, "Extended data");
    EXPECT_EQ(info.TrackTitles[0], "First\r\nLine");
    EXPECT_EQ(info.TrackTitles[1], "Back\\slash\ttab and more");
    EXPECT_EQ(info.TrackTitles[12], "Twelve");
    // One pass from the left: the escaped backslash does not join the "n" after it.
    EXPECT_EQ(info.TrackExtendedData[0], "Note\\\r\nend");
    for (const std::string& title : info.TrackTitles)
        EXPECT_NE(title, "Hundred");
    ASSERT_EQ(info.TOC.TrackCount, 2);
    EXPECT_EQ((std::array<int, 4>{info.TOC.Tracks[0].Min, info.TOC.Tracks[0].Sec, info.TOC.Tracks[0].Frame,
                                  info.TOC.Tracks[0].IsAudio}),
              (std::array<int, 4>{0, 2, 0, 1}));
    EXPECT_EQ((std::array<int, 3>{info.TOC.Tracks[1].Min, info.TOC.Tracks[1].Sec, info.TOC.Tracks[1].Frame}),
              (std::array<int, 3>{4, 3, 40}));
    EXPECT_EQ((std::array<int, 3>{info.TOC.LeadOut.Min, info.TOC.LeadOut.Sec, info.TOC.LeadOut.Frame}),
              (std::array<int, 3>{45, 33, 0}));
}

TEST(LocalCDDB, TitlesWithoutArtistSeparatorAndEscapes) {
    EXPECT_EQ(DecodeEntryEscapes("a\\nb"), "a\r\nb");
    EXPECT_EQ(DecodeEntryEscapes("\\\\\\"), "\\\\");
    EXPECT_EQ(DecodeEntryEscapes("\\\\n"), "\\n");
    EXPECT_EQ(DecodeEntryEscapes("tab\\there\\x"), "tab\there\\x");
    TLocalCDDB db;
    TCDInfo info;
    std::vector<std::string> lines(Complete);
    lines[11] = "DTITLE=Only a title";
    lines[12] = "DTITLE= / Album";
    TEntryArray entry;
    std::copy(lines.begin(), lines.end(), entry.begin());
    ASSERT_EQ(db.ParseEntry(info, entry), 0);
    EXPECT_EQ(info.Artist, "Only a title");
    EXPECT_EQ(info.Title, "Album");
}

// The same entry as a file holds it: joined values keep their blanks, the disc title is split after
// joining, and the text comes out in UTF-8 whether the file was written in Latin-1 or in UTF-8.
TEST(LocalCDDB, DiscTitlesAndEncodings) {
    struct TCase {
        const char* name;
        std::vector<std::string> titleLines; // DTITLE values
        std::string track0;                  // TTITLE0 values, split at "|"
        const char* artist;
        const char* title;
        const char* track;
    };
    const std::vector<TCase> cases{
        {"separator across the break",
         {"Some Artist /", " Some Album"},
         "One",
         "Some Artist",
         "Some Album",
         "One"},
        {"no separator", {"Greatest Hits"}, "One", "Greatest Hits", "Greatest Hits", "One"},
        {"no separator split", {"Greatest ", "Hits"}, "One", "Greatest Hits", "Greatest Hits", "One"},
        {"blank at the end of a line",
         {"A / Something ", "Rather Long"},
         "Two |Words",
         "A",
         "Something Rather Long",
         "Two Words"},
        {"Latin-1",
         {"Caf\xe9 / D\xe9j\xe0"},
         "Na\xefve",
         "Caf\xC3\xA9",
         "D\xC3\xA9j\xC3\xA0",
         "Na\xC3\xAFve"},
        {"UTF-8 split inside a character",
         {"Caf\xC3", "\xA9 / X"},
         "\xE2\x82|\xAC",
         "Caf\xC3\xA9",
         "X",
         "\xE2\x82\xAC"},
        {"escape split over two lines", {"A / B\\", "tC"}, "x", "A", "B\tC", "x"},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> lines(Complete);
        std::erase_if(lines, [](const std::string& l) {
            return l.rfind("DTITLE", 0) == 0 || l.rfind("TTITLE0", 0) == 0;
        });
        auto at = lines.begin() + 10;
        for (const std::string& t : c.titleLines)
            at = lines.insert(at, "DTITLE=" + t) + 1;
        std::string rest = c.track0;
        for (std::size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
            at = lines.insert(at, "TTITLE0=" + rest.substr(0, bar)) + 1;
        lines.insert(at, "TTITLE0=" + rest);
        TEntryArray entry;
        std::copy(lines.begin(), lines.end(), entry.begin());
        TLocalCDDB db;
        TCDInfo info;
        ASSERT_EQ(db.ParseEntry(info, entry), 0) << c.name;
        EXPECT_EQ(info.Artist, c.artist) << c.name;
        EXPECT_EQ(info.Title, c.title) << c.name;
        EXPECT_EQ(info.TrackTitles[0], c.track) << c.name;
    }
}

TEST(LocalCDDB, CorruptEntries) {
    struct TCase {
        const char* what;
        std::function<void(std::vector<std::string>&)> spoil;
        int result;
    };
    auto drop = [](const std::string& prefix) {
        return [prefix](std::vector<std::string>& l) {
            std::erase_if(l, [&](const std::string& s) { return s.rfind(prefix, 0) == 0; });
        };
    };
    auto replace = [](std::size_t at, std::string with) {
        return [at, with](std::vector<std::string>& l) { l[at] = with; };
    };
    const std::vector<TCase> cases{
        {"complete", [](auto&) {}, 0},
        {"no year or genre", [&](auto& l) { drop("DYEAR")(l), drop("DGENRE")(l); }, 0},
        {"no play order", drop("PLAYORDER"), -4},
        {"no xmcd marker", replace(0, "# something"), -4},
        {"no revision", drop("# Revision"), -4},
        {"no extended track data", drop("EXTT"), -4},
        {"offset not a number", replace(3, "#\tlots"), -4},
        {"negative offset", replace(3, "#\t-150"), -4},
        {"length not a number", replace(6, "# Disc length: long seconds"), -4},
        {"revision not a number", replace(8, "# Revision: third"), -4},
        {"track number not a number", replace(16, "TTITLEx1=Bad"), -4},
        {"extended track number not a number", replace(22, "EXTT-1=Bad"), -4},
        {"100 tracks",
         [](auto& l) {
             for (int i = 0; i < 98; ++i)
                 l.insert(l.begin() + 5, "#\t" + std::to_string(20000 + i * 1000));
         },
         -4},
        {"99 tracks",
         [](auto& l) {
             for (int i = 0; i < 97; ++i)
                 l.insert(l.begin() + 5, "#\t" + std::to_string(20000 + i * 1000));
         },
         0},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> lines(Complete);
        c.spoil(lines);
        TEntryArray entry;
        std::copy(lines.begin(), lines.end(), entry.begin());
        TLocalCDDB db;
        TCDInfo info;
        EXPECT_EQ(db.ParseEntry(info, entry), c.result) << c.what;
    }
}

class LocalCDDBFolder : public ::testing::Test {
protected:
    LocalCDDBFolder() {
        folder =
            (std::filesystem::temp_directory_path() / ("local-cddb-" + std::to_string(::getpid()))).string();
        std::filesystem::create_directories(folder);
        previous = SetCDNoticeHandler([this](const std::string& Caption, const std::string& Text) {
            notices.push_back(Caption + "|" + Text);
        });
    }
    ~LocalCDDBFolder() override {
        SetCDNoticeHandler(previous);
        std::filesystem::remove_all(folder);
    }
    std::string folder;
    TCDNoticeHandler previous;
    std::vector<std::string> notices;
};

TEST_F(LocalCDDBFolder, LoadsTheIndexByLetter) {
    {
        std::ofstream index(folder + "/Cat.idx");
        for (int i = 0; i < 28; ++i)
            index << char('a' + i % 26) << std::string(50, char('0' + i % 10)) << "\r\n";
    }
    TLocalCDDB db;
    db.SetFolder(folder);
    EXPECT_EQ(db.Folder(), folder + "/");
    ASSERT_TRUE(db.IndexLoaded());
    EXPECT_EQ(db.IndexLines()[0], "a" + std::string(39, '0'));
    EXPECT_EQ(db.IndexLines()[25], "z" + std::string(39, '5'));
    EXPECT_FALSE(FileExists(folder + "/index.log"));
}

TEST_F(LocalCDDBFolder, AMissingIndexIsLoggedAndAnUnwritableLogIsReported) {
    TLocalCDDB db;
    db.SetFolder(folder + "/");
    db.SetFolder(folder);
    EXPECT_FALSE(db.IndexLoaded());
    const std::string line = "Error => Cannot find the file " + folder + "/Cat.idx";
    EXPECT_EQ(*ReadFileBytes(folder + "/index.log"), line + line);
    EXPECT_TRUE(notices.empty());

    TLocalCDDB::AppendLog(folder + "/missing/index.log", "text");
    EXPECT_EQ(notices,
              std::vector<std::string>{"Error|Couldn't create log file!\nError message was: 'text'"});
}

} // namespace local_cddb_test
