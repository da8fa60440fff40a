#include "source/Favorites.h"

#include "TestFolder.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace {

TEST(FavoritesTest, FirstStartFileHoldsTheTwelveBuiltInFavourites) {
    TTestFolder folder("favorites-first");
    const std::string path = folder.Path() + FavoritesFileName;
    WriteDefaultFavorites(path);
    const std::vector<std::vector<std::string>> expected{
        {"Half Volume", "Ctrl+H", "50", "Amplify"},
        {"Double Volume", "Ctrl+D", "200", "Amplify"},
        {"Fade In", "", "0,100", "Fade"},
        {"Fade Out", "", "100,0", "Fade"},
        {"Normalize Audio Level", "", "75", "Normalize"},
        {"Double Speed", "Ctrl+1", "200", "Speed Change"},
        {"Slow Down Speed", "Ctrl+2", "70", "Speed Change"},
        {"Many Echoes", "Ctrl+3", "500,50,70", "Echo"},
        {"Very Large Cavern Effect", "Ctrl+4", "360,35,50", "Echo"},
        {"Allien Saying Effect", "Ctrl+5", "30,60,60,30,11025,8", "Reverb"},
        {"Radio", "Ctrl+6", "2000", "High Pass"},
        {"Cassette Noise Reduce", "Ctrl+7", "-13,99,55", "Noise Reduction"}};
    std::vector<std::string> lines;
    for (const auto& row : expected)
        for (const std::string& line : {"[" + row[0] + "]", "ShortCut=" + row[1], "Effect=" + row[2],
                                        "Flag=" + row[3], std::string("ShowDialog=0")})
            lines.push_back(line);
    EXPECT_EQ(NonBlankLines(folder.Read(FavoritesFileName)), lines);

    const std::vector<TFavorite> read = ReadFavorites(path);
    ASSERT_EQ(read.size(), 12u);
    EXPECT_EQ(read, DefaultFavorites());
    std::vector<std::string> listTexts;
    for (const TFavorite& favorite : read)
        listTexts.push_back(FavoriteListText(favorite));
    EXPECT_EQ(listTexts[0], "Half Volume (Ctrl+H)");
    EXPECT_EQ(listTexts[2], "Fade In");
    EXPECT_EQ(listTexts[3], "Fade Out");
    EXPECT_EQ(listTexts[4], "Normalize Audio Level");
    EXPECT_EQ(listTexts[11], "Cassette Noise Reduce (Ctrl+7)");
}

TEST(FavoritesTest, ReadsKeysAnyCaseAndMissingKeysAsEmpty) {
    TTestFolder folder("favorites-read");
    const std::string path =
        folder.Write(FavoritesFileName, "[Loud]\r\nshortcut=Ctrl+L\r\nEFFECT=300\r\nFlag=Amplify\r\n"
                                        "ShowDialog=5\r\n"
                                        "[Bare]\r\n"
                                        "[loud]\r\nFlag=Echo\r\n");
    const std::vector<TFavorite> favorites = ReadFavorites(path);
    ASSERT_EQ(favorites.size(), 2u); // two sections with one name are one favourite
    EXPECT_EQ(favorites[0], (TFavorite{"Loud", "Ctrl+L", "300", "Amplify", true}));
    EXPECT_EQ(favorites[1], (TFavorite{"Bare", "", "", "", false}));
}

TEST(FavoritesTest, ByIndexAndByShortcut) {
    TTestFolder folder("favorites-find");
    const std::string path = folder.Path() + FavoritesFileName;
    SaveFavorites(path, {{"One", "Ctrl+H", "1", "Amplify", false},
                         {"Two", "", "2", "Amplify", false},
                         {"Three", "Ctrl+H", "3", "Amplify", true}});
    EXPECT_EQ(ReadFavorite(path, 1)->Name, "Two");
    EXPECT_FALSE(ReadFavorite(path, 3));
    EXPECT_FALSE(ReadFavorite(path, -1));
    EXPECT_EQ(FindFavoriteByShortcut(path, scCtrl | 'H')->Name, "One"); // the first in file order
    EXPECT_FALSE(FindFavoriteByShortcut(path, scShift | scCtrl | 'H'));
    EXPECT_FALSE(FindFavoriteByShortcut(path, scNone)); // no key finds nothing, not "Two"
}

TEST(FavoritesTest, HandEditedShortcutTextStillFindsItsFavourite) {
    TTestFolder folder("favorites-case");
    const std::string path =
        folder.Write(FavoritesFileName, "[Quiet]\r\nShortCut=ctrl+q\r\nEffect=10\r\nFlag=Amplify\r\n");
    EXPECT_EQ(FindFavoriteByShortcut(path, scCtrl | 'Q')->Name, "Quiet");
}

TEST(FavoritesTest, MissingFileHasNoFavourites) {
    TTestFolder folder("favorites-missing");
    EXPECT_TRUE(ReadFavorites(folder.Path() + FavoritesFileName).empty());
    EXPECT_FALSE(ReadFavorite(folder.Path() + FavoritesFileName, 0));
}

TEST(FavoritesTest, SaveReplacesTheListInOrder) {
    TTestFolder folder("favorites-save");
    const std::string path = folder.Path() + FavoritesFileName;
    WriteDefaultFavorites(path);
    const std::vector<TFavorite> list{{"B", "", "1,2", "Fade", true}, {"A", "Alt+F2", "", "Invert", false}};
    SaveFavorites(path, list);
    EXPECT_EQ(ReadFavorites(path), list);
}

TEST(FavoritesTest, NamesTheFileCannotHoldAreRefused) {
    TTestFolder folder("favorites-names");
    const std::string path = folder.Path() + FavoritesFileName;
    WriteDefaultFavorites(path);
    const std::string before = folder.Read(FavoritesFileName);
    for (const char* name : {"", "   ", "[x", "a]b", "two\nlines", "cr\r"}) {
        EXPECT_FALSE(CheckFavoriteName(name).empty()) << name;
        EXPECT_THROW(
            SaveFavorites(path, {{"Good", "", "1", "Amplify", false}, {name, "", "1", "Amplify", false}}),
            EFavoriteError)
            << name;
    }
    EXPECT_THROW(SaveFavorites(path, {{"Good", "", "1\n2", "Amplify", false}}), EFavoriteError);
    EXPECT_EQ(folder.Read(FavoritesFileName), before);
    EXPECT_EQ(CheckFavoriteName("Radio (AM)"), "");
}

TEST(FavoritesTest, UnwritableFolderKeepsTheOldFile) {
    TTestFolder folder("favorites-unwritable");
    const std::string path = folder.Path() + FavoritesFileName;
    WriteDefaultFavorites(path);
    const std::string before = folder.Read(FavoritesFileName);
    {
        TUnwritableFolder locked(folder.Path());
        try {
            SaveFavorites(path, {{"Only", "", "1", "Amplify", false}});
            ADD_FAILURE() << "no error raised";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
    }
    EXPECT_EQ(folder.Read(FavoritesFileName), before);
}

} // namespace
