#include "platform/rtl/IniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"

#include "TempFolder.h"

#include "tests/support/FileSizeLimit.h"
#include <climits>
#include <csignal>
#include <filesystem>
#include <functional>

#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

namespace inifile_test {

std::vector<std::string> ToVector(const TStrings& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Strings(i));
    return items;
}

using IniFactory = std::function<std::unique_ptr<TCustomIniFile>(const std::string&)>;

struct IniKind {
    const char* Name;
    IniFactory Open;
    // Makes the writes of `ini` reach its file (a no-op for the kind that writes at once).
    void Flush(TCustomIniFile& ini) const { ini.UpdateFile(); }
};

const IniKind Kinds[] = {
    {"TMemIniFile", [](const std::string& path) { return std::make_unique<TMemIniFile>(path); }},
    {"TIniFile", [](const std::string& path) { return std::make_unique<TIniFile>(path); }},
};

// ---- reading: file texts and what the profile rules make of them ----

struct StringReadCase {
    const char* Text;
    const char* Section;
    const char* Key;
    const char* Expected; // the default is "<default>"
};

TEST(IniFileRead, FileTextsGiveProfileReads) {
    const StringReadCase cases[] = {
        {"[Main]\nName=Olva\n", "Main", "Name", "Olva"},
        {"[MAIN]\nNAME=upper\n", "main", "name", "upper"},
        {"[a]\nk=1\nK=2\n", "A", "k", "1"},                        // first duplicate key wins
        {"[a]\nk=1\n[b]\n[A]\nk=2\nj=3\n", "a", "k", "1"},         // first duplicate section wins
        {"[a]\nk=1\n[b]\n[A]\nk=2\nj=3\n", "a", "j", "<default>"}, // ...and alone counts
        {"  [ Spaced ]  \n   key   =   two words   \n", "Spaced", "key", "two words"},
        {"[a]\nk=\" padded \"\n", "a", "k", " padded "},
        {"[a]\nk='single'\n", "a", "k", "single"},
        {"[a]\nk=\"mixed'\n", "a", "k", "\"mixed'"},
        {"[a]\nk=\"\n", "a", "k", "\""},
        {"[a]\nk=\"x\" and \"y\"\n", "a", "k", "x\" and \"y"},
        {"[a]\nk=a=b\n", "a", "k", "a=b"},
        {"[a]\nk=\n", "a", "k", ""},
        {"[a]\nk=1\n", "missing", "k", "<default>"},
        {"[a]\nk=1\n", "a", "missing", "<default>"},
        {"k=before any section\n[a]\n", "", "k", "<default>"},
        {"[a]\n;k=commented\n", "a", "k", "<default>"},
        {"[a]\njunk line\nk=2\n", "a", "junk line", "<default>"},
        {"[a]\njunk line\nk=2\n", "a", "k", "2"},
        {"[a]\n[b] ; remark\nk=3\n", "a", "k", "3"}, // not a header: k stays in [a]
        {"[a]\n[b] ; remark\nk=3\n", "b", "k", "<default>"},
        {"[a\nk=4\n", "a", "k", "<default>"}, // an unclosed header opens no section
        {"[Ünïcode]\nTitel=Größe ♫ 音\n", "Ünïcode", "Titel", "Größe ♫ 音"},
        {"[a]\r\nk=crlf\r\n", "a", "k", "crlf"},
        {"[a]\rk=cr\r", "a", "k", "cr"},
        {"\xEF\xBB\xBF[a]\nk=bom\n", "a", "k", "bom"},
        {"[a]\nk=no final break", "a", "k", "no final break"},
        {"", "a", "k", "<default>"},
    };
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        for (const StringReadCase& c : cases) {
            const std::string path = dir / "read.ini";
            ASSERT_TRUE(WriteFileAtomically(path, c.Text));
            auto ini = kind.Open(path);
            EXPECT_EQ(ini->ReadString(c.Section, c.Key, "<default>"), c.Expected)
                << kind.Name << " reading [" << c.Section << "] " << c.Key << " from:\n"
                << c.Text;
            EXPECT_EQ(ini->ValueExists(c.Section, c.Key), std::string(c.Expected) != "<default>") << c.Text;
        }
    }
}

TEST(IniFileRead, NumbersFallBackToTheDefaultOnBadText) {
    struct Case {
        const char* Value;
        int Integer;  // read with default -1
        bool Bool;    // read with default false
        double Float; // read with default -1.5
    };
    const Case cases[] = {
        {"42", 42, true, 42},
        {"-17", -17, true, -17},
        {"0", 0, false, 0},
        {"0x1F", 31, true, -1.5},
        {"0XfF", 255, true, -1.5},
        {"$10", 16, true, -1.5},
        {"0xFFFFFFFF", -1, true, -1.5},
        {"2147483647", INT_MAX, true, 2147483647.0},
        {"99999999999", -1, false, 99999999999.0},
        {"12abc", -1, false, -1.5},
        {"abc", -1, false, -1.5},
        {"0x", -1, false, -1.5},
        {"1.5", -1, false, 1.5},
        {"-2.25e2", -1, false, -225},
        {"1,5", -1, false, -1.5},
        {"true", -1, false, -1.5},
        {"\" 7 \"", 7, true, 7},
    };
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        for (const Case& c : cases) {
            const std::string path = dir / "numbers.ini";
            ASSERT_TRUE(WriteFileAtomically(path, std::string("[n]\nv=") + c.Value + "\n"));
            auto ini = kind.Open(path);
            EXPECT_EQ(ini->ReadInteger("n", "v", -1), c.Integer) << kind.Name << " " << c.Value;
            EXPECT_EQ(ini->ReadBool("n", "v", false), c.Bool) << kind.Name << " " << c.Value;
            EXPECT_DOUBLE_EQ(ini->ReadFloat("n", "v", -1.5), c.Float) << kind.Name << " " << c.Value;
        }
        auto ini = kind.Open(dir / "absent.ini");
        EXPECT_EQ(ini->ReadInteger("n", "v", 9), 9);
        EXPECT_TRUE(ini->ReadBool("n", "v", true));
        EXPECT_DOUBLE_EQ(ini->ReadFloat("n", "v", 2.5), 2.5);
        EXPECT_FALSE(std::filesystem::exists(dir / "absent.ini")) << "reading creates no file";
    }
}

TEST(IniFileRead, ListsKeepFileOrderAndNameEachKeyOnce) {
    TempFolder dir;
    const std::string path = dir / "lists.ini";
    ASSERT_TRUE(
        WriteFileAtomically(path, "; header\n[Zeta]\nb=1\na='2'\nB=3\n\n[alpha]\n[ZETA]\nc=4\n[Empty]\n"));
    for (const IniKind& kind : Kinds) {
        auto ini = kind.Open(path);
        TStringList list;
        list.Add("stale entry");
        ini->ReadSections(list);
        EXPECT_EQ(ToVector(list), (std::vector<std::string>{"Zeta", "alpha", "Empty"})) << kind.Name;
        ini->ReadSection("zeta", list);
        EXPECT_EQ(ToVector(list), (std::vector<std::string>{"b", "a"})) << kind.Name;
        ini->ReadSectionValues("ZETA", list);
        EXPECT_EQ(ToVector(list), (std::vector<std::string>{"b=1", "a=2"})) << kind.Name;
        EXPECT_TRUE(ini->SectionExists("empty")) << kind.Name;
        EXPECT_FALSE(ini->SectionExists("header")) << kind.Name;
        ini->ReadSection("nowhere", list);
        EXPECT_EQ(list.Count(), 0) << kind.Name;
    }
}

// ---- writing ----

TEST(IniFileWrite, ValuesRoundTripThroughTheFile) {
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        const std::string path = dir / (std::string(kind.Name) + ".ini");
        const std::string binary("\x00\x0F\xFF\x7F", 4);
        {
            auto ini = kind.Open(path);
            ini->WriteString("Text", "Plain", "hello world");
            ini->WriteString("Text", "Utf8", "Größe ♫ 音");
            ini->WriteString("Text", "Padded", "  inner  ");
            ini->WriteString("Text", "Quoted", "'as typed'");
            ini->WriteString("Text", "DoubleQuoted", "\"x\"");
            ini->WriteString("Text", "Empty", "");
            ini->WriteString("Text", "Equals", "a=b;c");
            ini->WriteInteger("Numbers", "Negative", -123);
            ini->WriteInteger("Numbers", "Min", INT_MIN);
            ini->WriteBool("Numbers", "Yes", true);
            ini->WriteBool("Numbers", "No", false);
            ini->WriteFloat("Numbers", "Tenth", 0.1);
            ini->WriteFloat("Numbers", "Small", -2.5e-7);
            TMemoryStream data;
            data.WriteBuffer(binary.data(), static_cast<std::int64_t>(binary.size()));
            data.SetPosition(0);
            ini->WriteBinaryStream("Binary", "Bytes", data);
            kind.Flush(*ini);
        }
        auto ini = kind.Open(path);
        EXPECT_EQ(ini->ReadString("text", "plain", ""), "hello world") << kind.Name;
        EXPECT_EQ(ini->ReadString("Text", "Utf8", ""), "Größe ♫ 音") << kind.Name;
        EXPECT_EQ(ini->ReadString("Text", "Padded", ""), "  inner  ") << kind.Name;
        EXPECT_EQ(ini->ReadString("Text", "Quoted", ""), "'as typed'") << kind.Name;
        EXPECT_EQ(ini->ReadString("Text", "DoubleQuoted", ""), "\"x\"") << kind.Name;
        EXPECT_EQ(ini->ReadString("Text", "Empty", "default"), "") << kind.Name;
        EXPECT_EQ(ini->ReadString("Text", "Equals", ""), "a=b;c") << kind.Name;
        EXPECT_EQ(ini->ReadInteger("Numbers", "Negative", 0), -123) << kind.Name;
        EXPECT_EQ(ini->ReadInteger("Numbers", "Min", 0), INT_MIN) << kind.Name;
        EXPECT_TRUE(ini->ReadBool("Numbers", "Yes", false)) << kind.Name;
        EXPECT_FALSE(ini->ReadBool("Numbers", "No", true)) << kind.Name;
        EXPECT_EQ(ini->ReadString("Numbers", "Yes", ""), "1") << kind.Name;
        EXPECT_DOUBLE_EQ(ini->ReadFloat("Numbers", "Tenth", 0), 0.1) << kind.Name;
        EXPECT_DOUBLE_EQ(ini->ReadFloat("Numbers", "Small", 0), -2.5e-7) << kind.Name;
        EXPECT_EQ(ini->ReadString("Binary", "Bytes", ""), "000FFF7F") << kind.Name;

        TMemoryStream read;
        read.WriteBuffer("ab", 2); // the bytes are written at the stream's position
        EXPECT_EQ(ini->ReadBinaryStream("Binary", "Bytes", read), 4) << kind.Name;
        EXPECT_EQ(read.Position(), 2) << kind.Name;
        std::string back(4, '\0');
        read.ReadBuffer(back.data(), 4);
        EXPECT_EQ(back, binary) << kind.Name;
        EXPECT_EQ(ini->ReadBinaryStream("Text", "Plain", read), 0) << "not hexadecimal";
        EXPECT_EQ(ini->ReadBinaryStream("Binary", "Missing", read), 0);

        TStringList list;
        ini->ReadSections(list);
        EXPECT_EQ(ToVector(list), (std::vector<std::string>{"Text", "Numbers", "Binary"})) << kind.Name;
        ini->ReadSection("Numbers", list);
        EXPECT_EQ(ToVector(list),
                  (std::vector<std::string>{"Negative", "Min", "Yes", "No", "Tenth", "Small"}))
            << kind.Name;
    }
}

TEST(IniFileWrite, RewritingKeepsCommentsOrderAndLineBreaks) {
    const std::string original = "; OLVA settings\r\n"
                                 "\r\n"
                                 "[Window]\r\n"
                                 "  ; size in pixels\r\n"
                                 "Width = 640\r\n"
                                 "Height=480\r\n"
                                 "\r\n"
                                 "[Recent]\r\n"
                                 "File1=/music/Größe.mp3";
    const std::string expected = "; OLVA settings\r\n"
                                 "\r\n"
                                 "[Window]\r\n"
                                 "  ; size in pixels\r\n"
                                 "Width=800\r\n"
                                 "Height=480\r\n"
                                 "Left=10\r\n"
                                 "\r\n"
                                 "[Recent]\r\n"
                                 "File1=/music/Größe.mp3\r\n"
                                 "File2=b.wav\r\n"
                                 "\r\n"
                                 "[New]\r\n"
                                 "Key=value\r\n";
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        const std::string path = dir / "keep.ini";
        ASSERT_TRUE(WriteFileAtomically(path, original));
        auto ini = kind.Open(path);
        ini->WriteInteger("WINDOW", "width", 800);
        ini->WriteInteger("Window", "Left", 10);
        ini->WriteString("Recent", "File2", "b.wav");
        ini->WriteString("New", "Key", "value");
        kind.Flush(*ini);
        EXPECT_EQ(ReadFileBytes(path), expected) << kind.Name;

        ASSERT_TRUE(WriteFileAtomically(path, original));
        auto untouched = kind.Open(path);
        untouched->UpdateFile();
        EXPECT_EQ(ReadFileBytes(path), original)
            << kind.Name << ": an unedited file is written back byte for byte";
    }
}

TEST(IniFileWrite, EraseSectionAndDeleteKeyRemoveEveryDuplicate) {
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        const std::string path = dir / "erase.ini";
        ASSERT_TRUE(WriteFileAtomically(path, "[a]\nk=1\nj=2\nK=3\n[b]\nx=1\n[A]\nk=4\n"));
        auto ini = kind.Open(path);
        ini->DeleteKey("A", "k");
        EXPECT_FALSE(ini->ValueExists("a", "k")) << kind.Name;
        EXPECT_EQ(ini->ReadString("a", "j", ""), "2") << kind.Name;
        ini->DeleteKey("a", "missing");
        ini->DeleteKey("missing", "k");
        ini->EraseSection("a");
        EXPECT_FALSE(ini->SectionExists("a")) << kind.Name << ": the later duplicate must not surface";
        EXPECT_EQ(ini->ReadString("a", "k", "gone"), "gone") << kind.Name;
        EXPECT_EQ(ini->ReadString("b", "x", ""), "1") << kind.Name;
        kind.Flush(*ini);
        EXPECT_EQ(ReadFileBytes(path), "[b]\nx=1\n") << kind.Name;
    }
    TIniFile absent(dir / "never.ini");
    absent.EraseSection("a");
    absent.DeleteKey("a", "k");
    EXPECT_FALSE(std::filesystem::exists(dir / "never.ini")) << "removing nothing writes nothing";
}

TEST(IniFileWrite, LookupsStayRightAcrossEditsAndBulkErases) {
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        const std::string path = dir / "bulk.ini";
        ASSERT_TRUE(
            WriteFileAtomically(path, "[P.Bar0]\nk=1\n\n[Other]\nx=1\n[p.bar1]\nk=2\n[P.Bar0]\nk=dup\n"));
        auto ini = kind.Open(path);
        ini->WriteString("P.Bar0", "j", "new"); // goes before the blank line that ends the section
        EXPECT_EQ(ini->ReadString("p.bar0", "J", ""), "new") << kind.Name;
        EXPECT_EQ(ini->ReadString("P.Bar0", "k", ""), "1") << kind.Name;
        ini->EraseSectionsWhere([](const std::string& ASection) { return StartsText("P.", ASection); });
        EXPECT_FALSE(ini->SectionExists("P.Bar0")) << kind.Name << ": its duplicate goes too";
        EXPECT_FALSE(ini->SectionExists("p.bar1")) << kind.Name;
        EXPECT_EQ(ini->ReadString("Other", "x", ""), "1") << kind.Name;
        for (int i = 0; i < 300; ++i)
            ini->WriteInteger("P.Bar" + std::to_string(i), "k", i);
        for (int i = 299; i >= 0; --i)
            ASSERT_EQ(ini->ReadInteger("p.bar" + std::to_string(i), "K", -1), i) << kind.Name;
        ini->EraseSectionsWhere(
            [](const std::string& ASection) { return ASection != "Other" && ASection != "P.Bar7"; });
        kind.Flush(*ini);
        EXPECT_EQ(ReadFileBytes(path), "[Other]\nx=1\n\n[P.Bar7]\nk=7\n\n") << kind.Name;
    }
}

TEST(IniFileWrite, NamesAndValuesThatCannotBeReadBackAreRefused) {
    struct Case {
        const char* Section;
        const char* Key;
        const char* Value;
    };
    const Case cases[] = {
        {"a", "k", "line\nbreak"}, {"a", "k", "carriage\rreturn"},
        {"a", "k=x", "v"},         {"a", "", "v"},
        {"a", "   ", "v"},         {"a", ";k", "v"},
        {"a", "[k]", "v"},         {"a\nb", "k", "v"},
    };
    TempFolder dir;
    for (const IniKind& kind : Kinds) {
        const std::string path = dir / "refuse.ini";
        ASSERT_TRUE(WriteFileAtomically(path, "[a]\nk=old\n"));
        auto ini = kind.Open(path);
        for (const Case& c : cases)
            EXPECT_THROW(ini->WriteString(c.Section, c.Key, c.Value), EIniFileException)
                << kind.Name << " [" << c.Section << "] " << c.Key;
        kind.Flush(*ini);
        EXPECT_EQ(ReadFileBytes(path), "[a]\nk=old\n") << kind.Name;
    }
}

// ---- failures ----

TEST(IniFileFailure, WritingBelowARegularFileRaisesAndCreatesNothing) {
    TempFolder dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "blocker", "a file, not a folder"));
    const std::string path = dir / "blocker/settings.ini";
    for (const IniKind& kind : Kinds) {
        auto ini = kind.Open(path);
        EXPECT_EQ(ini->ReadString("a", "k", "default"), "default");
        try {
            ini->WriteString("a", "k", "v");
            ini->UpdateFile();
            ADD_FAILURE() << kind.Name << ": the write should have failed";
        } catch (const EIniFileException& error) {
            EXPECT_NE(error.Message().find(path), std::string::npos) << error.Message();
        }
    }
    EXPECT_EQ(ReadFileBytes(dir / "blocker"), "a file, not a folder");
}

TEST(IniFileFailure, AFailedWriteLeavesTheOldFileIntact) {
    TempFolder dir;
    const std::string path = dir / "settings.ini";
    const std::string old = "[a]\n; keep me\nk=old\n";
    const std::string large(8192, 'x');
    for (const IniKind& kind : Kinds) {
        ASSERT_TRUE(WriteFileAtomically(path, old));
        auto ini = kind.Open(path);
        {
            TFileSizeLimit limit(1024);
            EXPECT_THROW(
                {
                    ini->WriteString("a", "k", large);
                    ini->UpdateFile();
                },
                EIniFileException)
                << kind.Name;
        }
        EXPECT_EQ(ReadFileBytes(path), old) << kind.Name;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                                std::filesystem::directory_iterator{}),
                  1)
            << "no temporary file stays behind";
    }
}

TEST(IniFileFailure, AnUnreadableFileIsNeverWrittenOver) {
    TempFolder dir;
    const std::string path = dir / "folder.ini";
    std::filesystem::create_directory(path);
    EXPECT_THROW(TMemIniFile{path}, EIniFileException);
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("a", "k", "default"), "default");
    EXPECT_THROW(ini.WriteString("a", "k", "v"), EIniFileException);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

// ---- the two kinds' own behaviour ----

TEST(TIniFile, SeesChangesMadeToTheFileBetweenCalls) {
    TempFolder dir;
    const std::string path = dir / "new folder/live.ini";
    TIniFile ini(path);
    ini.WriteString("a", "k", "mine");
    EXPECT_EQ(ReadFileBytes(path), "[a]\r\nk=mine\r\n") << "a new file gets CR LF breaks";
    ASSERT_TRUE(WriteFileAtomically(path, "[a]\nk=theirs\nother=1\n"));
    EXPECT_EQ(ini.ReadString("a", "k", ""), "theirs");
    ini.WriteString("a", "k", "mine again");
    EXPECT_EQ(ReadFileBytes(path), "[a]\nk=mine again\nother=1\n");
}

TEST(TMemIniFile, HoldsTheTextUntilUpdateFile) {
    TempFolder dir;
    const std::string path = dir / "mem.ini";
    ASSERT_TRUE(WriteFileAtomically(path, "[a]\nk=1\n"));
    TMemIniFile ini(path);
    ini.WriteString("a", "k", "2");
    EXPECT_EQ(ReadFileBytes(path), "[a]\nk=1\n");
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(path), "[a]\nk=2\n");
}

TEST(TMemIniFile, StringsRenameClearAndCase) {
    TempFolder dir;
    ASSERT_TRUE(WriteFileAtomically(dir / "other.ini", "[o]\nk=other\n"));
    TMemIniFile ini("");
    TStringList lines;
    lines.Add("; comment");
    lines.Add("[Main]");
    lines.Add("Key=value");
    ini.SetStrings(lines);
    EXPECT_EQ(ini.ReadString("main", "key", ""), "value");
    ini.WriteString("Main", "Second", "2");
    TStringList back;
    ini.GetStrings(back);
    EXPECT_EQ(ToVector(back), (std::vector<std::string>{"; comment", "[Main]", "Key=value", "Second=2"}));
    ini.UpdateFile(); // no file name: nothing to write, no error

    ini.SetCaseSensitive(true);
    EXPECT_EQ(ini.ReadString("main", "key", "none"), "none");
    EXPECT_EQ(ini.ReadString("Main", "Key", "none"), "value");

    ini.Rename(dir / "renamed.ini", false);
    EXPECT_EQ(ini.FileName(), dir / "renamed.ini");
    ini.UpdateFile();
    EXPECT_EQ(ReadFileBytes(dir / "renamed.ini"), "; comment\r\n[Main]\r\nKey=value\r\nSecond=2\r\n");

    ini.Rename(dir / "other.ini", true);
    EXPECT_EQ(ini.ReadString("o", "k", ""), "other");
    EXPECT_FALSE(ini.SectionExists("Main"));
    EXPECT_TRUE(ini.CaseSensitive());

    ini.Clear();
    EXPECT_FALSE(ini.SectionExists("o"));
    EXPECT_EQ(ReadFileBytes(dir / "other.ini"), "[o]\nk=other\n") << "Clear touches only the held text";
}

} // namespace inifile_test
