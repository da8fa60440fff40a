#include "source/ShortcutFile.h"

#include "TestFolder.h"
#include "platform/rtl/Exceptions.h"
#include "source/ShortcutCommands.h"

#include <gtest/gtest.h>

namespace {

TEST(ShortcutCommandsTest, CommandOrderAndBuiltInKeys) {
    const auto& commands = ShortcutCommands();
    ASSERT_EQ(commands.size(), 103u);
    EXPECT_STREQ(commands.front().Name, "ActionUndo");
    EXPECT_STREQ(commands.back().Name, "ActionTopZoomBar");
    int withKey = 0;
    for (const TShortcutCommand& command : commands)
        withKey += *command.DefaultShortcut != 0;
    EXPECT_EQ(withKey, 30);
    struct Case {
        const char* Name;
        int Index;
        const char* Key;
    };
    for (const Case& c :
         {Case{"ActionUndo", 0, "Ctrl+Z"}, Case{"ActionRedo", 1, ""}, Case{"ActionHelp", 27, "F1"},
          Case{"ActionOpenBookmarkList", 69, "Shift+Ctrl+B"}, Case{"ActionPlayAndPause", 81, "Space"},
          Case{"ActionStop", 43, "Esc"}, Case{"ActionWindowsMixer", 100, ""}}) {
        ASSERT_EQ(ShortcutCommandIndex(c.Name), c.Index) << c.Name;
        EXPECT_STREQ(commands[static_cast<std::size_t>(c.Index)].DefaultShortcut, c.Key);
    }
    EXPECT_EQ(ShortcutCommandIndex("ActionNothing"), -1);
}

TEST(ShortcutFileTest, FirstStartWritesOneSectionPerCommand) {
    TTestFolder folder("shortcuts-first");
    const std::string path = folder.Path() + ShortcutFileName;
    EXPECT_TRUE(SaveDefaultShortcuts(path));
    EXPECT_FALSE(SaveDefaultShortcuts(path)); // only when missing
    const std::vector<std::string> lines = NonBlankLines(folder.Read(ShortcutFileName));
    ASSERT_EQ(lines.size(), 2 * ShortcutCommands().size());
    for (std::size_t n = 1; n <= ShortcutCommands().size(); ++n) {
        EXPECT_EQ(lines[2 * n - 2], "[Action" + std::to_string(n) + "]");
        EXPECT_EQ(lines[2 * n - 1], std::string("Shortcut=") + ShortcutCommands()[n - 1].DefaultShortcut);
    }
    EXPECT_EQ(lines[0 * 2 + 1], "Shortcut=Ctrl+Z");
    EXPECT_EQ(lines[1 * 2 + 1], "Shortcut=");
    EXPECT_EQ(lines[69 * 2 + 1], "Shortcut=Shift+Ctrl+B"); // Shift before Ctrl

    auto sections = ReadShortcutSections(path);
    ASSERT_TRUE(sections);
    ASSERT_EQ(sections->size(), ShortcutCommands().size());
    for (std::size_t i = 0; i < sections->size(); ++i)
        EXPECT_EQ((*sections)[i], ShortcutCommands()[i].DefaultShortcut);

    auto shortcuts = LoadCommandShortcuts(path, ShortcutCommands().size());
    ASSERT_TRUE(shortcuts);
    EXPECT_EQ((*shortcuts)[0], scCtrl | 'Z');
    EXPECT_EQ((*shortcuts)[1], 0);
    EXPECT_EQ((*shortcuts)[69], scShift | scCtrl | 'B');
}

TEST(ShortcutFileTest, SectionsGoByPositionNotByName) {
    TTestFolder folder("shortcuts-renamed");
    const std::string path =
        folder.Write(ShortcutFileName, "[Zebra]\r\nShortcut=F2\r\n[Action1]\r\nShortcut=F3\r\n"
                                       "[NoKey]\r\n[x]\r\nshortcut=ctrl+q\r\n");
    auto shortcuts = LoadCommandShortcuts(path, 5);
    ASSERT_TRUE(shortcuts);
    EXPECT_EQ(*shortcuts, (std::vector<TShortCut>{0x71, 0x72, 0, scCtrl | 'Q', 0}));
}

TEST(ShortcutFileTest, MoreOrFewerSectionsThanCommands) {
    const std::vector<std::string> sections{"F1", "F2", "F3"};
    EXPECT_EQ(ShortcutTextsForCommands(sections, 2), (std::vector<std::string>{"F1", "F2"}));
    EXPECT_EQ(ShortcutTextsForCommands(sections, 5), (std::vector<std::string>{"F1", "F2", "F3", "", ""}));
    EXPECT_EQ(ShortcutTextsForCommands({}, 2), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(ShortcutTextsForCommands(sections, 0).empty());
}

TEST(ShortcutFileTest, MissingFileChangesNothing) {
    TTestFolder folder("shortcuts-missing");
    EXPECT_FALSE(ReadShortcutSections(folder.Path() + ShortcutFileName));
    EXPECT_FALSE(LoadCommandShortcuts(folder.Path() + ShortcutFileName, 103));
}

TEST(ShortcutFileTest, RewriteNumbersTheSectionsAnew) {
    TTestFolder folder("shortcuts-rewrite");
    const std::string path =
        folder.Write(ShortcutFileName, "[Zebra]\r\nShortcut=F2\r\n[Extra]\r\nShortcut=F4\r\n");
    WriteShortcutFile(path, {"Ctrl+Q", ""});
    EXPECT_EQ(NonBlankLines(folder.Read(ShortcutFileName)),
              (std::vector<std::string>{"[Action1]", "Shortcut=Ctrl+Q", "[Action2]", "Shortcut="}));
}

TEST(ShortcutFileTest, UnwritableFolderKeepsTheOldFile) {
    TTestFolder folder("shortcuts-unwritable");
    const std::string old = "[Action1]\r\nShortcut=F2\r\n";
    const std::string path = folder.Write(ShortcutFileName, old);
    {
        TUnwritableFolder locked(folder.Path());
        try {
            WriteShortcutFile(path, {"F3"});
            ADD_FAILURE() << "no error raised";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), "Unable to write to " + path);
        }
    }
    EXPECT_EQ(folder.Read(ShortcutFileName), old);
}

} // namespace
