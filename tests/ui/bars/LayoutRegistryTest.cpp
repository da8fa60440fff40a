// The layout in the registry: sections are keys below the registry path, the path may be shared with the
// program's other settings, and a write either replaces the stored layout whole or leaves it alone.
#include "LayoutTestSupport.h"

#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Bitmap.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Registries.h"

#include <filesystem>

using namespace bars_test;

namespace {

constexpr const char* Path = "\\Software\\OLVA\\Settings\\";

void WriteBytes(TRegistryIniFile& ARegistry, const std::string& ASection, const char* AKey,
                const std::string& ABytes) {
    TMemoryStream stream;
    stream.WriteBuffer(ABytes.data(), static_cast<std::int64_t>(ABytes.size()));
    stream.SetPosition(0);
    ARegistry.WriteBinaryStream(ASection, AKey, stream);
}

class LayoutRegistryTest : public LayoutTest {
protected:
    TovBarManager* LoadFromRegistry() {
        return LoadManager([](TovBarManager* AManager) {
            StandardDesign(AManager);
            AManager->SetRegistryPath("Software\\OLVA\\Settings");
            AManager->StoreInRegistry = true;
        });
    }
};

} // namespace

TEST_F(LayoutRegistryTest, SectionsAreKeysBelowThePath) {
    TovBarManager* manager = LoadFromRegistry();
    EXPECT_EQ(manager->RegistryPath(), Path);
    manager->StoreLayoutAtExit();
    TRegistryIniFile registry(Path);
    EXPECT_EQ(registry.ReadInteger(Path, "BarCount", -1), 3);
    EXPECT_EQ(registry.ReadInteger(Path, "Version", -1), 20130104);
    EXPECT_EQ(registry.ReadString(std::string(Path) + "Bar1", "Caption", ""), "Standard");
    EXPECT_EQ(registry.ReadString(std::string(Path) + "Bar1\\ItemLink1", "UserCaption", ""), "Store");
    EXPECT_EQ(registry.ReadString(std::string(Path) + "SubItem_FileItem\\ItemLink0", "ItemName", ""),
              "OpenButton");
    TMemoryStream levels;
    ASSERT_EQ(registry.ReadBinaryStream(std::string(Path) + "Bar1\\ItemLink0", "ViewLevels", levels), 1);
    EXPECT_EQ(static_cast<const unsigned char*>(levels.Memory())[0], 0x1F) << "sets are binary data";
}

TEST_F(LayoutRegistryTest, OthersValuesUnderASharedPathSurviveAWrite) {
    {
        TRegistryIniFile registry(Path);
        registry.WriteString(Path, "Language", "en");
        registry.WriteInteger(std::string(Path) + "Recent", "Count", 4);
        registry.WriteString(std::string(Path) + "BarMenuColors", "Face", "Silver");
        registry.WriteString(std::string(Path) + "ItemsSeen", "Last", "x");
        // Left over from an older layout with more toolbars and items.
        registry.WriteString(std::string(Path) + "Bar7", "Caption", "Old");
        registry.WriteString(std::string(Path) + "Button_Gone\\ItemLink0", "ItemName", "Gone");
        registry.WriteInteger(Path, "BarCount", 8);
        registry.UpdateFile();
    }
    TovBarManager* manager = LoadFromRegistry();
    manager->StoreLayoutAtExit();
    TRegistryIniFile registry(Path);
    EXPECT_EQ(registry.ReadString(Path, "Language", ""), "en");
    EXPECT_EQ(registry.ReadInteger(std::string(Path) + "Recent", "Count", 0), 4);
    EXPECT_EQ(registry.ReadString(std::string(Path) + "BarMenuColors", "Face", ""), "Silver");
    EXPECT_EQ(registry.ReadString(std::string(Path) + "ItemsSeen", "Last", ""), "x");
    EXPECT_FALSE(registry.SectionExists(std::string(Path) + "Bar7")) << "the layout's own old sections go";
    EXPECT_FALSE(registry.SectionExists(std::string(Path) + "Button_Gone"));
    EXPECT_EQ(registry.ReadInteger(Path, "BarCount", -1), 3);
}

TEST_F(LayoutRegistryTest, AFailedWriteAtExitIsReportedAndLeavesTheStoredLayout) {
    const std::string store = PathOf("registry.dat");
    TovBarManager* manager = LoadFromRegistry();
    Parts(manager).Standard->SetCaption("First");
    manager->StoreLayoutAtExit();
    ASSERT_TRUE(reports.empty());
    const std::string stored = ReadText(store);
    ASSERT_NE(stored.find("First"), std::string::npos);

    // A component's part of the layout fails halfway: nothing of the new layout is stored.
    Parts(manager).Standard->SetCaption("Second");
    manager->WriteIniFileHandlers()->Add(TuiEventHandler(
        [](TObject*, void* AData) {
            auto* data = static_cast<TovBarIniFileEventData*>(AData);
            data->IniFile->WriteString(data->SectionPrefix + "Ribbon", "ShowTabGroups", "1");
            throw EovException("the ribbon's part failed");
        },
        this));
    EXPECT_NO_THROW(manager->StoreLayoutAtExit());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("the ribbon's part failed"), std::string::npos);
    EXPECT_EQ(ReadText(store), stored);
    {
        TRegistryIniFile registry(Path);
        EXPECT_EQ(registry.ReadString(std::string(Path) + "Bar1", "Caption", ""), "First");
        EXPECT_FALSE(registry.SectionExists(std::string(Path) + "Ribbon"));
    }
}

TEST_F(LayoutRegistryTest, AnUnwritableStoreAtExitIsReportedAndTheFileKept) {
    // The store is reached through a link, which is then turned to a folder: saving must fail.
    const std::filesystem::path real = PathOf("real.dat"), link = PathOf("link.dat");
    WriteText(real.string(), "");
    std::filesystem::create_symlink(real, link);
    SetRegistryStoreFileName(link.string());
    TovBarManager* manager = LoadFromRegistry();
    // Holding the store keeps its content in memory while its file goes out of reach.
    auto keeper = std::make_unique<TRegistryIniFile>(Path);
    Parts(manager).Standard->SetCaption("First");
    manager->StoreLayoutAtExit();
    const std::string stored = ReadText(real.string());
    ASSERT_NE(stored.find("First"), std::string::npos);

    std::filesystem::remove(link);
    std::filesystem::create_directory(PathOf("folder"));
    std::filesystem::create_directory_symlink(PathOf("folder"), link);
    Parts(manager).Standard->SetCaption("Second");
    EXPECT_NO_THROW(manager->StoreLayoutAtExit());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("could not be stored in the registry"), std::string::npos);
    EXPECT_EQ(ReadText(real.string()), stored);
    // The store goes back to its file before the keeper lets go, so nothing is left pending.
    std::filesystem::remove(link);
    std::filesystem::create_symlink(real, link);
    keeper.reset();
}

TEST_F(LayoutRegistryTest, BrokenAndOversizedGlyphsAreLeftOut) {
    {
        TovBarManager* manager = LoadFromRegistry();
        manager->StoreLayoutAtExit();
        manager->Free();
    }
    // A bitmap header that promises 8000 x 8000 pixels in a few bytes of run-length data.
    std::string huge = "BM";
    huge += std::string(12, '\0');
    const unsigned char info[] = {40, 0, 0, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0, 1, 0, 0, 0,
                                  0,  0, 0, 0, 0,    0,    0, 0, 0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    huge.append(reinterpret_cast<const char*>(info), sizeof(info));
    huge += std::string(1024, '\0');
    struct Case {
        const char* Name;
        std::string Bytes;
    };
    const Case cases[] = {{"garbage", "not a picture at all"}, {"cut short", "BM\x10\0\0\0"}, {"huge", huge}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        reports.clear();
        {
            TRegistryIniFile registry(Path);
            const std::string link = std::string(Path) + "Bar1\\ItemLink0";
            WriteBytes(registry, link, "UserDefine", "\x02");
            WriteBytes(registry, link, "UserGlyph", c.Bytes);
            registry.UpdateFile();
        }
        TovBarManager* manager = LoadFromRegistry();
        TovBarItemLink* link = Parts(manager).Standard->ItemLinks()->Items(0);
        EXPECT_FALSE(link->UserDefine().Contains(udGlyph)) << "the designed glyph stays";
        EXPECT_TRUE(link->UserGlyph()->Empty());
        EXPECT_FALSE(reports.empty());
        manager->Free();
    }
}
