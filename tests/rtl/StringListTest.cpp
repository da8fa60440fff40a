#include "platform/rtl/StringList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const TStrings& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Strings(i));
    return out;
}

struct CountedObject : TObject {
    explicit CountedObject(int* freed) : Freed(freed) {}
    ~CountedObject() override { ++*Freed; }
    int* Freed;
};

} // namespace

TEST(StringList, SortedListHonoursDuplicatesAndCase) {
    struct Case {
        TDuplicates duplicates;
        bool caseSensitive;
        std::vector<std::string> added;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {dupIgnore, false, {"b", "A", "a", "c", "B"}, {"A", "b", "c"}},
        {dupAccept, false, {"b", "a", "B", "a"}, {"a", "a", "B", "b"}},
        {dupIgnore, true, {"b", "B", "a", "b"}, {"B", "a", "b"}},
        {dupAccept, true, {"x", "x", "X"}, {"X", "x", "x"}},
        {dupIgnore, false, {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", "eta"}, {"eta", "\xC3\xA9t\xC3\xA9"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetCaseSensitive(c.caseSensitive);
        list.SetDuplicates(c.duplicates);
        list.SetSorted(true);
        for (const std::string& s : c.added) {
            const int index = list.Add(s);
            EXPECT_EQ(0, list.CompareStrings(list.Strings(index), s)) << s;
        }
        EXPECT_EQ(c.expected, Items(list)) << "duplicates " << c.duplicates << " case " << c.caseSensitive;
        for (const std::string& s : c.added)
            EXPECT_GE(list.IndexOf(s), 0) << s;
        EXPECT_EQ(-1, list.IndexOf("zz"));
    }
}

TEST(StringList, DuplicateErrorLeavesListUnchanged) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupError);
    list.Add("one");
    list.Add("two");
    try {
        list.Add("ONE");
        FAIL() << "duplicate accepted";
    } catch (const EStringListError& e) {
        EXPECT_STREQ("String list does not allow duplicates", e.what());
    }
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Items(list));
}

TEST(StringList, SortedListRefusesPositionalChangesWithoutLosingItems) {
    int freed = 0;
    TStringList list(true);
    list.AddObject("b", new CountedObject(&freed));
    list.AddObject("a", new CountedObject(&freed));
    list.SetSorted(true);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Items(list));
    EXPECT_THROW(list.Insert(0, "z"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "z"), EStringListError);
    EXPECT_THROW(list.Move(0, 1), EStringListError);
    EXPECT_THROW(list.Exchange(0, 1), EStringListError);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Items(list));
    EXPECT_EQ(0, freed);
    EXPECT_NE(nullptr, list.Objects(0));
}

TEST(StringList, ChangingCaseSensitivityResortsASortedList) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(dupAccept);
    for (const char* s : {"b", "B", "a", "A"})
        list.Add(s);
    list.SetCaseSensitive(true);
    EXPECT_EQ((std::vector<std::string>{"A", "B", "a", "b"}), Items(list));
    int index = -1;
    EXPECT_TRUE(list.Find("a", index));
    EXPECT_EQ(2, index);
}

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList list;
    list.Add("x");
    const std::vector<std::pair<std::function<void()>, std::string>> cases = {
        {[&] { list.Strings(1); }, "List index out of bounds (1)"},
        {[&] { list.Delete(-1); }, "List index out of bounds (-1)"},
        {[&] { list.Insert(3, "y"); }, "List index out of bounds (3)"},
        {[&] { list.Objects(5); }, "List index out of bounds (5)"},
    };
    for (const auto& [call, message] : cases) {
        try {
            call();
            ADD_FAILURE() << "no error for " << message;
        } catch (const EStringListError& e) {
            EXPECT_EQ(message, e.what());
        }
    }
    EXPECT_EQ(1, list.Count());
}

TEST(StringList, NamesAndValues) {
    TStringList list;
    list.SetText("Path=/tmp\nmode=fast=1\nnovalue\nEmpty=\n");
    EXPECT_EQ("Path", list.Names(0));
    EXPECT_EQ("", list.Names(2));
    EXPECT_EQ("/tmp", list.Values("path")); // names are case-insensitive by default
    EXPECT_EQ("fast=1", list.Values("Mode"));
    EXPECT_EQ("", list.Values("missing"));
    EXPECT_EQ("", list.ValueFromIndex(2));
    EXPECT_EQ(3, list.IndexOfName("empty"));
    EXPECT_EQ(-1, list.IndexOfName("novalue"));

    list.SetValues("path", "/var");
    EXPECT_EQ("path=/var", list.Strings(0));
    list.SetValues("New", "1");
    EXPECT_EQ("New=1", list.Strings(list.Count() - 1));
    list.SetValues("mode", "");
    EXPECT_EQ(-1, list.IndexOfName("mode"));
    list.SetValueFromIndex(0, "/opt");
    EXPECT_EQ("path=/opt", list.Strings(0));

    list.SetCaseSensitive(true);
    EXPECT_EQ("", list.Values("PATH"));

    TStringList colon;
    colon.SetNameValueSeparator(':');
    colon.Add("key:value=1");
    EXPECT_EQ("value=1", colon.Values("KEY"));
}

TEST(StringList, DelimitedTextTable) {
    struct Case {
        char delimiter;
        char quote;
        bool strict;
        std::string text;
        std::vector<std::string> items;
        std::string written; // what the items write back as
    };
    const std::vector<Case> cases = {
        {',', '"', false, "a,b,c", {"a", "b", "c"}, "a,b,c"},
        {',', '"', false, "a b,c", {"a", "b", "c"}, "a,b,c"},
        {',', '"', false, "  \"a b\" , \"c,d\"", {"a b", "c,d"}, "\"a b\",\"c,d\""},
        {',', '"', false, "\"say \"\"hi\"\"\"", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {',', '"', false, "a,,b", {"a", "", "b"}, "a,,b"},
        {',', '"', false, "a,", {"a", ""}, "a,"},
        {',', '"', false, "\"\"", {""}, "\"\""},
        {',', '"', false, "", {}, ""},
        {',', '"', false, "\"unterminated", {"unterminated"}, "unterminated"},
        {';', '\'', false, "x;'y z';'it''s'", {"x", "y z", "it's"}, "x;'y z';'it''s'"},
        {';', '"', true, "a b;c", {"a b", "c"}, "a b;c"},
        {';', '"', true, "\"q;x\"; y", {"q;x", " y"}, "\"q;x\"; y"},
        {';', '"', true, " a\"b", {" a\"b"}, "\" a\"\"b\""},
        {'|', '"', true, "one|two words|", {"one", "two words", ""}, "one|two words|"},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetDelimiter(c.delimiter);
        list.SetQuoteChar(c.quote);
        list.SetStrictDelimiter(c.strict);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(c.items, Items(list)) << "reading [" << c.text << "]";
        EXPECT_EQ(c.written, list.DelimitedText()) << "writing [" << c.text << "]";
        TStringList again;
        again.SetDelimiter(c.delimiter);
        again.SetQuoteChar(c.quote);
        again.SetStrictDelimiter(c.strict);
        again.SetDelimitedText(list.DelimitedText());
        EXPECT_EQ(c.items, Items(again)) << "round trip [" << c.text << "]";
    }
}

TEST(StringList, CommaTextIgnoresTheListsDelimiterSettings) {
    TStringList list;
    list.SetDelimiter(';');
    list.SetStrictDelimiter(true);
    list.SetCommaText("a;b, \"c d\"");
    EXPECT_EQ((std::vector<std::string>{"a;b", "c d"}), Items(list));
    EXPECT_EQ("a;b,\"c d\"", list.CommaText());
    EXPECT_EQ("\"a;b\";c d", list.DelimitedText());
}

TEST(StringList, TextReadsEveryLineBreakAndWritesLineBreak) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r\n\nc", {"a", "b", "", "c"}},
        {"", {}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"last\r", {"last"}},
        {"x\r\r\ny", {"x", "", "y"}},
    };
    for (const Case& c : cases) {
        TStringList list;
        list.SetText(c.text);
        EXPECT_EQ(c.lines, Items(list)) << "[" << c.text << "]";
    }
    TStringList list;
    list.SetText("a\nb");
    EXPECT_EQ("a\r\nb\r\n", list.Text());
    list.SetLineBreak("\n");
    EXPECT_EQ("a\nb\n", list.Text());
    list.SetLineBreak("||");
    list.SetText("x||y\nz");
    EXPECT_EQ((std::vector<std::string>{"x", "y\nz"}), Items(list));
}

TEST(StringList, ChangeEventsFireAroundEachChangeOrOnceAroundAnUpdate) {
    TStringList list;
    std::string log;
    list.OnChanging = TNotifyEvent([&](TObject* sender) {
        EXPECT_EQ(&list, sender);
        log += "<";
    });
    list.OnChange = TNotifyEvent([&](TObject*) { log += ">"; });
    list.Add("a");
    list.Add("b");
    EXPECT_EQ("<><>", log);
    log.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Delete(0);
    list.SetText("x\ny\nz");
    list.EndUpdate();
    EXPECT_EQ("<", log);
    list.EndUpdate();
    EXPECT_EQ("<>", log);
    log.clear();
    list.Clear();
    list.Clear(); // nothing left to clear: no events
    EXPECT_EQ("<>", log);
}

TEST(StringList, OwnedObjectsAreFreedOnDeleteClearAndDestructionButNotOnMoveOrExtract) {
    int freed = 0;
    TObject* extracted = nullptr;
    {
        TStringList list(true);
        for (const char* s : {"a", "b", "c", "d"})
            list.AddObject(s, new CountedObject(&freed));
        list.Move(0, 3);
        EXPECT_EQ((std::vector<std::string>{"b", "c", "d", "a"}), Items(list));
        EXPECT_EQ(0, freed);
        list.Delete(0);
        EXPECT_EQ(1, freed);
        extracted = list.ExtractObject(0);
        EXPECT_EQ(1, freed);
        EXPECT_EQ(2, list.Count());
    }
    EXPECT_EQ(3, freed);
    delete extracted;
    EXPECT_EQ(4, freed);

    freed = 0;
    TStringList plain;
    CountedObject kept(&freed);
    plain.AddObject("k", &kept);
    plain.Clear();
    EXPECT_EQ(0, freed);
}

TEST(StringList, IndexOfObjectExchangeAndMoveKeepObjectsWithStrings) {
    TObject a, b, c;
    TStringList list;
    list.AddObject("a", &a);
    list.AddObject("b", &b);
    list.AddObject("c", &c);
    list.Exchange(0, 2);
    EXPECT_EQ((std::vector<std::string>{"c", "b", "a"}), Items(list));
    EXPECT_EQ(2, list.IndexOfObject(&a));
    list.Move(2, 0);
    EXPECT_EQ(&a, list.Objects(0));
    EXPECT_EQ(&c, list.Objects(1));
    EXPECT_EQ(-1, list.IndexOfObject(nullptr));
}

TEST(StringList, CustomSortSeesTheListAndSortsByItsCompare) {
    TStringList list;
    for (const char* s : {"ccc", "a", "bb", "dddd", "", "ee"})
        list.Add(s);
    list.CustomSort([](TStringList* l, int i, int j) {
        const auto a = l->Strings(i).size(), b = l->Strings(j).size();
        return a < b ? -1 : (a > b ? 1 : 0);
    });
    for (int i = 1; i < list.Count(); ++i)
        EXPECT_LE(list.Strings(i - 1).size(), list.Strings(i).size());

    // A compare function that lies must not run off the list.
    TStringList many;
    for (int i = 0; i < 200; ++i)
        many.Add(std::to_string(i * 7919 % 211));
    unsigned seed = 1;
    many.CustomSort([&](TStringList*, int, int) {
        seed = seed * 1103515245 + 12345;
        return static_cast<int>((seed >> 16) % 3) - 1;
    });
    EXPECT_EQ(200, many.Count());

    many.Sort();
    for (int i = 1; i < many.Count(); ++i)
        EXPECT_LE(many.CompareStrings(many[i - 1], many[i]), 0);
}

TEST(StringList, AssignCopiesStringsObjectsAndTextSettings) {
    TObject tag;
    TStringList source;
    source.SetDelimiter(';');
    source.SetNameValueSeparator(':');
    source.AddObject("one", &tag);
    source.Add("two");
    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Items(copy));
    EXPECT_EQ(&tag, copy.Objects(0));
    EXPECT_EQ("one;two", copy.DelimitedText());
    EXPECT_TRUE(copy.Equals(&source));

    TStringList other;
    other.AddStrings(&source);
    other.AddStrings(&source);
    EXPECT_EQ(4, other.Count());

    TPersistent unrelated;
    try {
        copy.Assign(&unrelated);
        FAIL() << "assigned a TPersistent";
    } catch (const EConvertError& e) {
        EXPECT_STREQ("Cannot assign a TPersistent to a TStringList", e.what());
    }
}

TEST(StringList, FilesRoundTripAndBadFilesRaiseWithoutLoss) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "stringlist";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "lines.txt").string();

    TStringList list;
    list.SetText("first\nsecond line\n\xC3\xA9t\xC3\xA9");
    list.SaveToFile(path);
    TStringList loaded;
    loaded.Add("replaced");
    loaded.LoadFromFile(path);
    EXPECT_TRUE(loaded.Equals(&list));

    std::ifstream in(path, std::ios::binary);
    std::stringstream raw;
    raw << in.rdbuf();
    EXPECT_EQ("first\r\nsecond line\r\n\xC3\xA9t\xC3\xA9\r\n", raw.str());

    // Byte-order marks: UTF-8 dropped, UTF-16 converted.
    const std::vector<std::pair<std::string, std::vector<std::string>>> boms = {
        {"\xEF\xBB\xBF"
         "a\r\nb",
         {"a", "b"}},
        {std::string("\xFF\xFE"
                     "a\0\n\0\xE9\0",
                     8),
         {"a", "\xC3\xA9"}},
        {std::string("\xFE\xFF\0x\xD8\x3D\xDE\x00", 8), {"x\xF0\x9F\x98\x80"}},
    };
    for (const auto& [bytes, lines] : boms) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        loaded.LoadFromFile(path);
        EXPECT_EQ(lines, Items(loaded));
    }

    loaded.SetText("keep");
    try {
        loaded.LoadFromFile((dir / "missing.txt").string());
        FAIL() << "loaded a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ("Cannot open file \"" + (dir / "missing.txt").string() + "\". No such file or directory",
                  e.what());
    }
    EXPECT_EQ((std::vector<std::string>{"keep"}), Items(loaded));

    // Saving over a folder fails and leaves it alone.
    std::filesystem::create_directories(dir / "folder");
    EXPECT_THROW(list.SaveToFile((dir / "folder").string()), EFCreateError);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
}

TEST(StringList, StreamsReadFromThePositionAndWriteText) {
    TStringStream stream("skip\r\nfirst\nsecond");
    stream.SetPosition(6);
    TStringList list;
    list.LoadFromStream(&stream);
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), Items(list));
    EXPECT_EQ(stream.Size(), stream.Position());

    TStringStream out;
    out.WriteString(">");
    list.SetLineBreak("\n");
    list.SaveToStream(&out);
    EXPECT_EQ(">first\nsecond\n", out.DataString());
}
