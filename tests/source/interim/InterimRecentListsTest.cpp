// The interim command menu's recent lists: the recent-files list item (five entries, newest first,
// compared without regard to letter case) and the recent-documents pane (exact texts, any number).
#include "source/interim/InterimRecentLists.h"
#include "platform/rtl/Exception.h"
#include "source/RecentFilesFile.h"
#include "tests/source/TestFolder.h"

#include <gtest/gtest.h>

TEST(InterimRecentListsTest, TheRecentFilesListKeepsFiveNewestFirstAndMovesAKnownEntryUp) {
    TInterimRecentFilesList list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    for (const char* path : {"/a.wav", "/b.wav", "/c.wav", "/d.wav", "/e.wav", "/f.wav"})
        list.AddItem(path);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/f.wav", "/e.wav", "/d.wav", "/c.wav", "/b.wav"}));
    list.AddItem("/C.WAV"); // already there: moves up as it was written
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/c.wav", "/f.wav", "/e.wav", "/d.wav", "/b.wav"}));
    list.RemoveItem("/E.wav");
    list.RemoveItem("/missing.wav");
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/c.wav", "/f.wav", "/d.wav", "/b.wav"}));
    EXPECT_EQ(changes, 8);
}

TEST(InterimRecentListsTest, TheListLoadsItsFileAsItIsAndSavesItWithCrLf) {
    TTestFolder folder("recent-list-file");
    const std::string path = folder.Write("MRUList201201.dat", "/one.wav\r\n/two.mp3\n\r\n/three.ogg");
    TInterimRecentFilesList list;
    list.LoadFromFile(path);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/one.wav", "/two.mp3", "/three.ogg"}));
    list.SaveToFile(path);
    EXPECT_EQ(folder.Read("MRUList201201.dat"), "/one.wav\r\n/two.mp3\r\n/three.ogg\r\n");
    EXPECT_TRUE(ReadRecentFilesFile(folder.Path() + "missing.dat").empty());
    EXPECT_THROW(WriteRecentFilesFile(folder.Path() + "no/such/folder/list.dat", {"x"}), Exception);
}

// A damaged or foreign file gives only entries that are paths, within a path's length, five at most.
TEST(InterimRecentListsTest, TheFileGivesOnlyPathsAndAtMostFiveOfThem) {
    TTestFolder folder("recent-list-damaged");
    const std::string longPath = "/" + std::string(5000, 'a') + ".wav";
    struct Case {
        const char* Name;
        std::string Content;
        std::vector<std::string> Expected;
    };
    const Case cases[] = {
        {"garbage between paths",
         std::string("\x01\x02 junk\r\n/one.wav\r\nrelative.wav\r\n\0\0\r\n/two.wav\r\n", 47),
         {"/one.wav", "/two.wav"}},
        {"a line longer than any path", longPath + "\r\n/short.wav\r\n", {"/short.wav"}},
        {"control characters inside", "/tab\there.wav\r\n/fine.wav\r\n", {"/fine.wav"}},
        {"more than five", "/1\r\n/2\r\n/3\r\n/4\r\n/5\r\n/6\r\n/7\r\n", {"/1", "/2", "/3", "/4", "/5"}},
        {"a huge file", std::string(20 << 20, 'x') + "\r\n/late.wav\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string path = folder.Write("MRUList201201.dat", c.Content);
        EXPECT_EQ(ReadRecentFilesFile(path), c.Expected);
        TInterimRecentFilesList list;
        list.LoadFromFile(path);
        EXPECT_EQ(list.Items(), c.Expected);
    }
}

TEST(InterimRecentListsTest, ThePaneFindsExactTextsAndTellsOfEveryChange) {
    TInterimPaneItems pane;
    int changes = 0;
    pane.OnChange = [&] { ++changes; };
    pane.Insert(0).SetText("/b.wav");
    pane.Insert(0).SetText("/a.wav");
    pane.GetItem(0).SetText("/a.wav"); // the same text changes nothing
    EXPECT_EQ(pane.IndexOfText("/b.wav"), 1);
    EXPECT_EQ(pane.IndexOfText("/B.wav"), -1);
    pane.Delete(0);
    EXPECT_EQ(pane.Count(), 1);
    EXPECT_THROW(pane.GetItem(3), Exception);
    pane.Clear();
    pane.Clear();
    EXPECT_EQ(changes, 6);
}
