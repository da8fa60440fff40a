#include "FileDialogTestSupport.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/FileDialog.h"
#include "platform/vcl/FileDialogFilter.h"
#include "platform/vcl/FileDialogForm.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace filedialog_test {

namespace fs = std::filesystem;

TEST(FileDialogFilterTest, FilterStringsGiveTheirTypes) {
    struct TCase {
        const char* Filter;
        std::vector<std::string> Descriptions;
        std::vector<std::vector<std::string>> Masks;
    };
    const TCase cases[] = {
        {"Audio files|*.wav;*.mp3|All files|*.*",
         {"Audio files", "All files"},
         {{"*.wav", "*.mp3"}, {"*.*"}}},
        {"Wave (*.wav)|*.wav| Text | *.txt ; *.log ",
         {"Wave (*.wav)", " Text "},
         {{"*.wav"}, {"*.txt", "*.log"}}},
        {"Only a description", {"Only a description"}, {{"*"}}},
        {"", {}, {}},
    };
    for (const TCase& c : cases) {
        const std::vector<TFileFilterEntry> entries = ParseFileFilter(c.Filter);
        ASSERT_EQ(entries.size(), c.Descriptions.size()) << c.Filter;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].Description, c.Descriptions[i]) << c.Filter;
            EXPECT_EQ(entries[i].Masks, c.Masks[i]) << c.Filter;
        }
    }
}

TEST(FileDialogFilterTest, MasksNamesAndExtensions) {
    const std::vector<std::string> audio{"*.wav", "*.mp3"};
    EXPECT_TRUE(FileNameMatchesMasks("Take.WAV", audio));
    EXPECT_TRUE(FileNameMatchesMasks("b.mp3", audio));
    EXPECT_FALSE(FileNameMatchesMasks("notes.txt", audio));
    EXPECT_TRUE(FileNameMatchesMasks("anything", {}));

    EXPECT_EQ(FilterEntryExtension({"", {"*.mp3", "*.mp2"}}), "mp3");
    EXPECT_EQ(FilterEntryExtension({"", {"*.*"}}), "");
    EXPECT_EQ(FilterEntryExtension({"", {"take?.w*"}}), "");

    struct TCase {
        const char* Text;
        std::vector<std::string> Names;
    };
    const TCase cases[] = {
        {"  song.wav ", {"song.wav"}},
        {"\"a b.wav\" \"c.mp3\"", {"a b.wav", "c.mp3"}},
        {"\"one.wav\"", {"one.wav"}},
        {"\"a.wav\" loose.mp3 \"b.wav", {"a.wav", "loose.mp3", "b.wav"}},
        {"   ", {}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SplitFileNameList(c.Text), c.Names) << c.Text;
    EXPECT_TRUE(IsFileNameMask("*.mp3"));
    EXPECT_FALSE(IsFileNameMask("song.mp3"));
}

class FileDialogTest : public ModalScriptTest {
protected:
    void SetUp() override {
        ModalScriptTest::SetUp();
        dir = fs::temp_directory_path() / ("olva-filedialog-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "sub");
        for (const char* name : {"a.wav", "b.mp3", "notes.txt", "sub/c.wav"})
            Write(name, "data");
        Write("big.wav", std::string(5000, 'x'));
    }
    void TearDown() override {
        fs::remove_all(dir);
        ModalScriptTest::TearDown();
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    TFileDialogForm* Dialog() const { return dynamic_cast<TFileDialogForm*>(Screen()->ActiveForm()); }
    std::vector<std::string> ListedNames() const {
        std::vector<std::string> names;
        if (TFileDialogForm* d = Dialog())
            for (const TFileDialogForm::TEntry& e : d->Entries())
                names.push_back(e.Name);
        return names;
    }

    fs::path dir;
};

TEST_F(FileDialogTest, TypingANameChoosesTheFileAndTheListShowsFoldersThenMatchingFiles) {
    TOpenDialog dlg(nullptr);
    dlg.SetFilter("Audio files|*.wav;*.mp3|All files|*.*");
    dlg.SetInitialDir(dir.string());
    dlg.SetOptions(TOpenOptions{ofPathMustExist, ofFileMustExist, ofHideReadOnly});
    std::vector<std::string> listed;
    std::string caption;
    Then([&] {
        listed = ListedNames();
        caption = Dialog()->Caption();
    });
    ThenType("b.mp3");
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(listed, (std::vector<std::string>{"..", "sub", "a.wav", "b.mp3", "big.wav"}));
    EXPECT_EQ(caption, "Open");
    EXPECT_EQ(dlg.FileName(), Path("b.mp3"));
    ASSERT_EQ(dlg.Files()->Count(), 1);
    EXPECT_EQ(dlg.Files()->Strings(0), Path("b.mp3"));
    EXPECT_EQ(dlg.FilterIndex(), 1);
}

TEST_F(FileDialogTest, ChangingTheFilterListsOtherFilesAndIsRemembered) {
    TOpenDialog dlg(nullptr);
    dlg.SetFilter("Audio files|*.wav;*.mp3|All files|*.*");
    dlg.SetInitialDir(dir.string());
    std::vector<std::string> listed;
    ThenKey('T', VK_MENU); // "Files of &type:"
    ThenKey(VK_DOWN);
    Then([&] { listed = ListedNames(); });
    ThenKey('N', VK_MENU); // "File &name:"
    ThenType("notes.txt");
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(listed, (std::vector<std::string>{"..", "sub", "a.wav", "b.mp3", "big.wav", "notes.txt"}));
    EXPECT_EQ(dlg.FileName(), Path("notes.txt"));
    EXPECT_EQ(dlg.FilterIndex(), 2);
}

TEST_F(FileDialogTest, TypedFoldersAndMasksNavigateInsteadOfChoosing) {
    TOpenDialog dlg(nullptr);
    dlg.SetFilter("All files|*.*");
    dlg.SetInitialDir(dir.string());
    std::string folderAfterSub;
    std::vector<std::string> listedWithMask;
    ThenType("sub");
    ThenKey(VK_RETURN);
    Then([&] { folderAfterSub = Dialog()->Folder(); });
    ThenType("../*.mp3");
    ThenKey(VK_RETURN);
    Then([&] { listedWithMask = ListedNames(); });
    ThenType("b.mp3");
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(folderAfterSub, Path("sub"));
    EXPECT_EQ(listedWithMask, (std::vector<std::string>{"..", "sub", "b.mp3"}));
    EXPECT_EQ(dlg.FileName(), Path("b.mp3"));
}

TEST_F(FileDialogTest, APathTypedInThePathFieldNavigatesAndAMissingOneIsReported) {
    TOpenDialog dlg(nullptr);
    dlg.SetInitialDir(dir.string());
    std::string folder;
    ThenKey('I', VK_MENU); // "Look &in:"
    Then([&] {
        Dialog()->PathEdit()->SelectAll();
        olva::win::InjectText(Path("nowhere"));
    });
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    Then([&] {
        Dialog()->PathEdit()->SelectAll();
        olva::win::InjectText(Path("sub"));
    });
    ThenKey(VK_RETURN);
    Then([&] { folder = Dialog()->Folder(); });
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.Execute());
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0], Path("nowhere") + "\nPath does not exist.\nCheck the path and try again.");
    EXPECT_EQ(folder, Path("sub"));
    EXPECT_TRUE(dlg.FileName().empty());
}

TEST_F(FileDialogTest, AMissingFileIsReportedAndTheDialogStaysOpen) {
    TOpenDialog dlg(nullptr);
    dlg.SetInitialDir(dir.string());
    dlg.SetOptions(TOpenOptions{ofPathMustExist, ofFileMustExist});
    ThenType("missing.wav");
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    Then([] {});
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.Execute());
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0], Path("missing.wav") + "\nFile not found.\nCheck the file name and try again.");
}

TEST_F(FileDialogTest, SavingOverAFileAsksFirstAndNoKeepsTheDialogOpen) {
    TSaveDialog dlg(nullptr);
    dlg.SetFilter("Wave (*.wav)|*.wav|MPEG Layer-3  (*.mp3)|*.mp3");
    dlg.SetDefaultExt(".wav");
    dlg.SetFileName(Path("a"));
    dlg.SetOptions(TOpenOptions{ofOverwritePrompt, ofPathMustExist});
    std::string caption;
    std::string nameAfterNo;
    Then([&] { caption = Dialog()->Caption(); });
    ThenKey(VK_RETURN); // "a" with the default extension: a.wav exists
    ThenReadBox();
    ThenKey('N');
    Then([&] { nameAfterNo = Dialog()->NameEdit()->Text(); });
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey('Y');
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(caption, "Save As");
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_EQ(boxTexts[0], Path("a.wav") + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(nameAfterNo, "a");
    EXPECT_EQ(dlg.FileName(), Path("a.wav"));
}

TEST_F(FileDialogTest, TheChosenTypeGivesTheExtensionOfANewName) {
    struct TCase {
        int FilterIndex;
        const char* Typed;
        const char* Chosen;
    };
    const TCase cases[] = {
        {1, "take", "take.wav"},
        {2, "take", "take.mp3"},
        {3, "take", "take.wav"}, // "All files": the default extension
        {2, "take.ogg", "take.ogg"},
    };
    for (const TCase& c : cases) {
        TSaveDialog dlg(nullptr);
        dlg.SetFilter("Wave|*.wav|MP3|*.mp3|All files|*.*");
        dlg.SetFilterIndex(c.FilterIndex);
        dlg.SetDefaultExt("wav");
        dlg.SetInitialDir(dir.string());
        dlg.SetOptions(TOpenOptions{ofOverwritePrompt});
        ThenType(c.Typed);
        ThenKey(VK_RETURN);
        ASSERT_TRUE(dlg.Execute()) << c.Typed;
        EXPECT_EQ(dlg.FileName(), Path(c.Chosen)) << c.Typed << " with type " << c.FilterIndex;
        EXPECT_TRUE(boxTexts.empty());
    }
}

TEST_F(FileDialogTest, SavingIntoAFolderThatIsNotThereIsRefused) {
    TSaveDialog dlg(nullptr);
    dlg.SetInitialDir(dir.string());
    ThenType("gone/new.wav");
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.Execute());
    ASSERT_EQ(boxTexts.size(), 1u);
    EXPECT_EQ(boxTexts[0], Path("gone/new.wav") + "\nPath does not exist.\nCheck the path and try again.");
}

TEST_F(FileDialogTest, MultiSelectionWithShiftChoosesSeveralFiles) {
    TOpenDialog dlg(nullptr);
    dlg.SetFilter("Audio files|*.wav;*.mp3");
    dlg.SetInitialDir(dir.string());
    dlg.SetOptions(TOpenOptions{ofAllowMultiSelect, ofFileMustExist, ofHideReadOnly});
    std::string nameField;
    Then([&] {
        TListBox* list = Dialog()->FileList();
        list->SetFocus();
        list->SetItemIndex(2); // a.wav
        Click(list, 20, list->ItemRect(2).top + 3);
    });
    Then([] { olva::win::InjectKey(VK_SHIFT, true); });
    ThenKey(VK_DOWN);
    ThenKey(VK_DOWN);
    Then([] { olva::win::InjectKey(VK_SHIFT, false); });
    Then([&] { nameField = Dialog()->NameEdit()->Text(); });
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(nameField, "\"a.wav\" \"b.mp3\" \"big.wav\"");
    ASSERT_EQ(dlg.Files()->Count(), 3);
    EXPECT_EQ(dlg.Files()->Strings(0), Path("a.wav"));
    EXPECT_EQ(dlg.Files()->Strings(2), Path("big.wav"));
    EXPECT_EQ(dlg.FileName(), Path("a.wav"));
}

TEST_F(FileDialogTest, EnterOnAFolderInTheListOpensIt) {
    TOpenDialog dlg(nullptr);
    dlg.SetInitialDir(dir.string());
    std::vector<std::string> listed;
    Then([&] { Dialog()->FileList()->SetFocus(); });
    ThenKey(VK_HOME);
    ThenKey(VK_DOWN); // "sub"
    ThenKey(VK_RETURN);
    Then([&] { listed = ListedNames(); });
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.Execute());
    EXPECT_EQ(listed, (std::vector<std::string>{"..", "c.wav"}));
}

} // namespace filedialog_test

namespace filedialog_test {

TEST_F(FileDialogTest, TheReadOnlyBoxShowsUnlessHiddenAndItsStateComesBack) {
    struct TCase {
        TOpenOptions Options;
        bool Toggle;
        bool BoxShown;
        bool ReadOnlyAfter;
    };
    const TCase cases[] = {
        {TOpenOptions{}, true, true, true},
        {TOpenOptions{ofReadOnly}, true, true, false},
        {TOpenOptions{ofHideReadOnly}, false, false, false},
    };
    for (const TCase& c : cases) {
        TOpenDialog dlg(nullptr);
        dlg.SetInitialDir(dir.string());
        dlg.SetOptions(c.Options);
        bool shown = false;
        Then([&] {
            for (int i = 0; i < Dialog()->ComponentCount(); ++i)
                if (dynamic_cast<TCheckBox*>(Dialog()->Components(i)) != nullptr) shown = true;
        });
        if (c.Toggle) ThenKey('R', VK_MENU); // "Open as &read-only"
        ThenKey('N', VK_MENU);
        ThenType("a.wav");
        ThenKey(VK_RETURN);
        ASSERT_TRUE(dlg.Execute());
        EXPECT_EQ(shown, c.BoxShown);
        EXPECT_EQ(dlg.Options().Contains(ofReadOnly), c.ReadOnlyAfter);
    }
}

} // namespace filedialog_test
