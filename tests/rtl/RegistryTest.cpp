#include "platform/rtl/Registry.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/StringList.h"

#include "TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace registry_test {

std::vector<std::string> ToVector(const TStrings& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Strings(i));
    return items;
}

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& error) {
        return error.Message();
    }
    return "<no ERegistryException>";
}

// Every test works on its own store file.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { SetRegistryStoreFileName(StorePath()); }
    void TearDown() override { SetRegistryStoreFileName(""); }
    std::string StorePath() const { return FDir / "config/registry.dat"; }
    // A copy of the current store file, to be opened as a store of its own: proves what reached the disk.
    std::string CopyOfStoreFile() {
        std::string copy = FDir / ("copy" + std::to_string(++FCopies) + ".dat");
        std::optional<std::string> bytes = ReadFileBytes(RegistryStoreFileName());
        EXPECT_TRUE(WriteFileAtomically(copy, bytes.value_or("")));
        return copy;
    }

    TempFolder FDir;
    int FCopies = 0;
};

TEST(RegistryRootKeys, KeepTheirDesktopValues) {
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(HKEY_CLASSES_ROOT), std::intptr_t(std::int32_t(0x80000000u)));
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(HKEY_CURRENT_USER), std::intptr_t(std::int32_t(0x80000001u)));
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(HKEY_LOCAL_MACHINE), std::intptr_t(std::int32_t(0x80000002u)));
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(HKEY_USERS), std::intptr_t(std::int32_t(0x80000003u)));
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(HKEY_CURRENT_CONFIG), std::intptr_t(std::int32_t(0x80000005u)));
}

TEST_F(RegistryTest, ValuesSurviveReopeningTheStore) {
    const std::string awkward = "quote \" percent % back\\slash\nnew line\ttab Größe ♫";
    const std::string bytes("\x00\x01\xFF\x7F\"%", 6);
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA\\Settings", true));
        reg.WriteString("Awkward", awkward);
        reg.WriteString("", "default value");
        reg.WriteString("Empty", "");
        reg.WriteInteger("Negative", -42);
        reg.WriteBool("Flag", true);
        reg.WriteBinaryData("Bytes", bytes.data(), static_cast<int>(bytes.size()));
        reg.WriteBinaryData("NoBytes", nullptr, 0);
        ASSERT_TRUE(reg.CreateKey("Empty Key"));
        ASSERT_TRUE(reg.CreateKey("Quote\"Percent%Key"));
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey("Software\\OLVA", true));
        reg.WriteString("Machine", "wide");
    }
    ASSERT_TRUE(std::filesystem::exists(StorePath())) << "the folder is created as needed";
    SetRegistryStoreFileName(CopyOfStoreFile());

    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly("software\\olva\\SETTINGS"));
    EXPECT_EQ(reg.ReadString("awkward"), awkward);
    EXPECT_EQ(reg.ReadString(""), "default value");
    EXPECT_TRUE(reg.ValueExists("Empty"));
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_EQ(reg.ReadInteger("Negative"), -42);
    EXPECT_TRUE(reg.ReadBool("Flag"));
    std::string back(16, '\0');
    EXPECT_EQ(reg.ReadBinaryData("Bytes", back.data(), 16), 6);
    EXPECT_EQ(back.substr(0, 6), bytes);
    EXPECT_TRUE(reg.ValueExists("NoBytes"));
    EXPECT_EQ(reg.ReadBinaryData("NoBytes", back.data(), 16), 0);
    EXPECT_TRUE(reg.KeyExists("Empty Key"));
    EXPECT_TRUE(reg.KeyExists("quote\"percent%key"));

    struct TypeCase {
        const char* Name;
        TRegDataType Type;
        int Size;
    };
    const TypeCase types[] = {{"Awkward", rdString, static_cast<int>(awkward.size()) + 1},
                              {"Empty", rdString, 1},
                              {"Negative", rdInteger, 4},
                              {"Bytes", rdBinary, 6},
                              {"NoBytes", rdBinary, 0},
                              {"Missing", rdUnknown, -1}};
    for (const TypeCase& c : types) {
        EXPECT_EQ(reg.GetDataType(c.Name), c.Type) << c.Name;
        EXPECT_EQ(reg.GetDataSize(c.Name), c.Size) << c.Name;
    }
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", false));
    EXPECT_EQ(reg.ReadString("Machine"), "wide");
    EXPECT_FALSE(reg.ValueExists("Awkward")) << "root keys are separate trees";
}

TEST_F(RegistryTest, KeyPathsAreRelativeAbsoluteAndCaseInsensitive) {
    TRegistry reg;
    struct Case {
        const char* Key;
        bool CanCreate;
        bool Opens;
        const char* PathAfter; // CurrentPath after the call
    };
    const Case cases[] = {
        {"Software\\OLVA", true, true, "Software\\OLVA"},    // nothing open: from the root
        {"Bars", true, true, "Software\\OLVA\\Bars"},        // relative to the open key
        {"\\SOFTWARE\\olva", false, true, "SOFTWARE\\olva"}, // absolute, any case
        {"bars\\", false, true, "SOFTWARE\\olva\\bars"},     // a trailing '\' is allowed
        {"Missing", false, false, "SOFTWARE\\olva\\bars"},   // a failed open keeps the open key
        {"a\\\\b", true, false, "SOFTWARE\\olva\\bars"},     // an empty name is no key path
        {"\\", false, true, ""},                             // the root key itself
    };
    for (const Case& c : cases) {
        EXPECT_EQ(reg.OpenKey(c.Key, c.CanCreate), c.Opens) << c.Key;
        EXPECT_EQ(reg.CurrentPath(), c.PathAfter) << c.Key;
    }
    EXPECT_TRUE(reg.KeyExists("\\software\\OLVA\\BARS"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\OLVA\\Bars\\Missing"));
    EXPECT_THROW(reg.CreateKey("x\\\\y"), ERegistryException);
    EXPECT_EQ(MessageOf([&] { reg.CreateKey("x\\\\y"); }), "Failed to create key x\\\\y");
    reg.CloseKey();
    EXPECT_EQ(reg.CurrentPath(), "");
    reg.SetRootKey(reinterpret_cast<HKEY>(std::intptr_t(1)));
    EXPECT_FALSE(reg.OpenKey("Software", true)) << "no such root key";
    EXPECT_FALSE(reg.KeyExists("\\"));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeSubtree) {
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA\\Layout\\Bar0\\ItemLink0", true));
        reg.WriteString("ItemName", "Open");
        ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA\\Layout\\Bar1", true));
        reg.WriteInteger("Row", 1);
        ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", false));
        EXPECT_TRUE(reg.DeleteKey("layout\\BAR0"));
        EXPECT_FALSE(reg.DeleteKey("Layout\\Bar0")) << "already gone";
        EXPECT_FALSE(reg.DeleteKey("\\")) << "a root key cannot be removed";
        ASSERT_TRUE(reg.OpenKey("Doomed", true));
        EXPECT_TRUE(reg.DeleteKey("\\Software\\OLVA\\Doomed"));
        EXPECT_THROW(reg.WriteString("Orphan", "x"), ERegistryException) << "the open key is gone";
        EXPECT_FALSE(reg.KeyExists("\\Software\\OLVA\\Doomed"))
            << "and a failed write does not bring it back";
    }
    SetRegistryStoreFileName(CopyOfStoreFile());
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\Software\\OLVA\\Layout\\Bar0"));
    EXPECT_FALSE(reg.KeyExists("\\Software\\OLVA\\Layout\\Bar0\\ItemLink0"));
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA\\Layout\\Bar1", false));
    EXPECT_EQ(reg.ReadInteger("Row"), 1);
}

TEST_F(RegistryTest, WrongTypesAndMissingValuesRaiseClearErrors) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", true));
    reg.WriteString("Text", "12");
    reg.WriteInteger("Number", 12);
    reg.WriteBinaryData("Bytes", "abcd", 4);
    char buffer[4];
    struct Case {
        std::function<void()> Read;
        const char* Message;
    };
    const Case cases[] = {
        {[&] { reg.ReadInteger("Text"); }, "Invalid data type for 'Text'"},
        {[&] { reg.ReadBool("Bytes"); }, "Invalid data type for 'Bytes'"},
        {[&] { reg.ReadString("Number"); }, "Invalid data type for 'Number'"},
        {[&] { reg.ReadBinaryData("Text", buffer, 4); }, "Invalid data type for 'Text'"},
        {[&] { reg.ReadInteger("Missing"); }, "Failed to get data for 'Missing'"},
        {[&] { reg.ReadBinaryData("Bytes", buffer, 3); },
         "The data of 'Bytes' (4 bytes) does not fit into 3 bytes"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageOf(c.Read), c.Message);
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_EQ(reg.ReadBinaryData("Missing", buffer, 4), 0);
    EXPECT_EQ(reg.ReadString("Text"), "12") << "a failed read changes nothing";
}

TEST_F(RegistryTest, WritesNeedAWritableOpenKey) {
    {
        TRegistry setup;
        ASSERT_TRUE(setup.OpenKey("\\Software\\OLVA", true));
        setup.WriteString("Kept", "yes");
    }
    TRegistry reg;
    EXPECT_EQ(MessageOf([&] { reg.WriteString("Loose", "x"); }), "Failed to set data for 'Loose'");
    EXPECT_FALSE(reg.OpenKeyReadOnly("\\Software\\Missing"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\OLVA"));
    EXPECT_EQ(reg.ReadString("Kept"), "yes");
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("Kept", 1); }), "Failed to set data for 'Kept'");
    EXPECT_FALSE(reg.DeleteValue("Kept"));
    EXPECT_THROW(reg.CreateKey("Child"), ERegistryException);
    EXPECT_FALSE(reg.DeleteKey("Child"));
    EXPECT_EQ(reg.ReadString("Kept"), "yes");
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", false));
    reg.WriteString("Kept", "changed");
    EXPECT_TRUE(reg.DeleteValue("KEPT"));
    EXPECT_FALSE(reg.ValueExists("Kept"));
}

TEST_F(RegistryTest, NamesAreListedKeysByNameValuesByCreation) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", true));
    for (const char* key : {"zeta", "Alpha", "beta"})
        ASSERT_TRUE(reg.CreateKey(key));
    for (const char* value : {"z", "A", "m"})
        reg.WriteString(value, value);
    reg.WriteString("a", "overwritten in place");
    TStringList names;
    names.Add("stale");
    reg.GetKeyNames(names);
    EXPECT_EQ(ToVector(names), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
    reg.GetValueNames(names);
    EXPECT_EQ(ToVector(names), (std::vector<std::string>{"z", "A", "m"}));
    EXPECT_EQ(reg.ReadString("A"), "overwritten in place");
    EXPECT_TRUE(reg.HasSubKeys());
    ASSERT_TRUE(reg.OpenKey("beta", false));
    EXPECT_FALSE(reg.HasSubKeys());
    reg.CloseKey();
    reg.GetValueNames(names);
    EXPECT_EQ(names.Count(), 0) << "no key open, no values";
}

TEST_F(RegistryTest, ChangesReachTheFileOnCloseOrAtOnceWithoutLazyWrite) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", true));
    reg.WriteString("Lazy", "1");
    EXPECT_FALSE(std::filesystem::exists(StorePath())) << "lazy: nothing written before the key is closed";
    reg.CloseKey();
    ASSERT_TRUE(std::filesystem::exists(StorePath()));

    reg.SetLazyWrite(false);
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", false));
    reg.WriteString("Eager", "2");
    SetRegistryStoreFileName(CopyOfStoreFile());
    TRegistry copy;
    ASSERT_TRUE(copy.OpenKey("\\Software\\OLVA", false));
    EXPECT_EQ(copy.ReadString("Lazy"), "1");
    EXPECT_EQ(copy.ReadString("Eager"), "2");
}

TEST_F(RegistryTest, TwoOpenRegistriesShareOneStore) {
    auto first = std::make_unique<TRegistry>();
    auto second = std::make_unique<TRegistry>();
    ASSERT_TRUE(first->OpenKey("\\Software\\OLVA", true));
    ASSERT_TRUE(second->OpenKey("\\Software\\OLVA", false)) << "the key created by the first is visible";
    first->WriteString("First", "1");
    second->WriteString("Second", "2");
    EXPECT_EQ(second->ReadString("First"), "1");
    first.reset();
    second.reset();
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", false));
    EXPECT_EQ(reg.ReadString("First"), "1");
    EXPECT_EQ(reg.ReadString("Second"), "2");
}

TEST_F(RegistryTest, ADamagedStoreIsKeptAsideAndStartsEmpty) {
    const std::string damagedFiles[] = {
        "not a registry\n\x01\x02",
        "OLVA registry 1\nS \"value before any key\" \"x\"\n",
        "OLVA registry 1\nK \"HKEY_NOWHERE\\Software\"\n",
        "OLVA registry 1\nK \"HKEY_CURRENT_USER\\\\Software\"\n",
        "OLVA registry 1\nK \"HKEY_CURRENT_USER\\Software\"\nD \"Number\" 12x\n",
        "OLVA registry 1\nK \"HKEY_CURRENT_USER\\Software\"\nS \"Unclosed\n",
        "OLVA registry 1\nK \"HKEY_CURRENT_USER\\Software\"\nS \"Bad escape\" \"%G0\"\n",
    };
    ASSERT_TRUE(std::filesystem::create_directories(std::filesystem::path(StorePath()).parent_path()));
    for (const std::string& damaged : damagedFiles) {
        ASSERT_TRUE(WriteFileAtomically(StorePath(), damaged));
        {
            TRegistry reg;
            EXPECT_FALSE(reg.KeyExists("\\Software")) << damaged;
            ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", true));
            reg.WriteInteger("Fresh", 1);
        }
        EXPECT_EQ(ReadFileBytes(StorePath() + ".bad"), damaged);
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey("\\Software\\OLVA", false)) << damaged;
        EXPECT_EQ(reg.ReadInteger("Fresh"), 1);
        EXPECT_EQ(reg.GetDataSize("Number"), -1);
    }
}

TEST_F(RegistryTest, AStoreThatCannotBeWrittenRaisesOnClose) {
    ASSERT_TRUE(WriteFileAtomically(FDir / "blocker", "a file, not a folder"));
    SetRegistryStoreFileName(FDir / "blocker/registry.dat");
    auto reg = std::make_unique<TRegistry>();
    ASSERT_TRUE(reg->OpenKey("\\Software\\OLVA", true));
    reg->WriteString("Value", "v");
    EXPECT_NE(MessageOf([&] { reg->CloseKey(); }).find("blocker/registry.dat"), std::string::npos);
    EXPECT_NO_THROW(reg.reset()) << "the destructor reports, it does not raise";
    EXPECT_EQ(ReadFileBytes(FDir / "blocker"), "a file, not a folder");
}

// ---- the settings-file interface over the registry ----

TEST_F(RegistryTest, IniFileSectionsAreSubKeysAndIdentsAreValues) {
    {
        TRegistryIniFile ini("\\Software\\OLVA\\Layout\\");
        ini.WriteInteger("Bar0", "Row", 2);
        ini.WriteString("Bar0", "Caption", "Main menu");
        ini.WriteBool("Bar0", "Visible", true);
        ini.WriteString("\\Software\\OLVA\\Layout\\Bar0\\ItemLink0", "ItemName", "FileOpen");
        ini.WriteString("Bar1", "Caption", "Tools");
        TMemoryStream set;
        set.WriteBuffer("\x0F", 1);
        set.SetPosition(0);
        ini.WriteBinaryStream("Bar0\\ItemLink0", "UserDefine", set);
        EXPECT_EQ(ini.FileName(), "\\Software\\OLVA\\Layout\\");
    }
    SetRegistryStoreFileName(CopyOfStoreFile());
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKeyReadOnly("\\Software\\OLVA\\Layout\\Bar0"));
        EXPECT_EQ(reg.GetDataType("Row"), rdInteger);
        EXPECT_EQ(reg.ReadInteger("Row"), 2);
        EXPECT_EQ(reg.ReadString("Caption"), "Main menu");
        ASSERT_TRUE(reg.OpenKeyReadOnly("ItemLink0"));
        EXPECT_EQ(reg.ReadString("ItemName"), "FileOpen");
        EXPECT_EQ(reg.GetDataType("UserDefine"), rdBinary);
    }
    TRegistryIniFile ini("Software\\OLVA\\Layout");
    TStringList list;
    ini.ReadSections(list);
    EXPECT_EQ(ToVector(list), (std::vector<std::string>{"Bar0", "Bar1"}));
    ini.ReadSection("bar0", list);
    EXPECT_EQ(ToVector(list), (std::vector<std::string>{"Row", "Caption", "Visible"}));
    ini.ReadSectionValues("Bar0", list);
    EXPECT_EQ(ToVector(list), (std::vector<std::string>{"Row=2", "Caption=Main menu", "Visible=1"}));
    EXPECT_EQ(ini.ReadInteger("Bar0", "Row", -1), 2);
    EXPECT_EQ(ini.ReadString("Bar0", "Row", ""), "2") << "an integer read as text";
    EXPECT_TRUE(ini.ReadBool("Bar0", "Visible", false)) << "a Boolean written as text";
    EXPECT_EQ(ini.ReadInteger("Bar0", "Caption", -1), -1) << "text that is no number";
    EXPECT_EQ(ini.ReadString("Bar9", "Caption", "none"), "none");
    TMemoryStream set;
    EXPECT_EQ(ini.ReadBinaryStream("Bar0\\ItemLink0", "UserDefine", set), 1);
    unsigned char first = 0;
    set.ReadBuffer(&first, 1);
    EXPECT_EQ(first, 0x0F);
    EXPECT_TRUE(ini.ValueExists("BAR0", "caption"));
    EXPECT_TRUE(ini.SectionExists("Bar1"));

    ini.DeleteKey("Bar1", "Caption");
    EXPECT_FALSE(ini.ValueExists("Bar1", "Caption"));
    ini.EraseSection("\\Software\\OLVA\\Layout\\Bar0");
    EXPECT_FALSE(ini.SectionExists("Bar0"));
    EXPECT_FALSE(ini.SectionExists("Bar0\\ItemLink0")) << "erasing a section takes its sub-keys along";
    ini.UpdateFile();

    SetRegistryStoreFileName(CopyOfStoreFile());
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\Software\\OLVA\\Layout\\Bar0"));
    EXPECT_TRUE(reg.KeyExists("\\Software\\OLVA\\Layout\\Bar1"));
}

TEST_F(RegistryTest, IniFileOnAnInvalidKeyPathRaises) {
    EXPECT_THROW(TRegistryIniFile("Software\\\\OLVA"), ERegistryException);
    TRegistryIniFile ini("Software\\OLVA");
    EXPECT_THROW(ini.WriteString("a\\\\b", "k", "v"), ERegistryException);
    EXPECT_EQ(ini.ReadString("a\\\\b", "k", "default"), "default");
}

} // namespace registry_test
