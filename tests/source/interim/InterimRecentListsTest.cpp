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
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"/one.wav", "/two.mp3", "", "/three.ogg"}));
    list.RemoveItem("");
    list.SaveToFile(path);
    EXPECT_EQ(folder.Read("MRUList201201.dat"), "/one.wav\r\n/two.mp3\r\n/three.ogg\r\n");
    EXPECT_TRUE(ReadRecentFilesFile(folder.Path() + "missing.dat").empty());
    EXPECT_THROW(WriteRecentFilesFile(folder.Path() + "no/such/folder/list.dat", {"x"}), Exception);
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
