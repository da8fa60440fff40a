#include "WindowSkinSupport.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Resources.h"
#include "tools/skingen/SkinAssets.h"

#include <gtest/gtest.h>

#include <filesystem>

void OlvaRegisterResources_olva_skin_tests();

namespace windowskins {

void RegisterEmbedded() {
    static const bool registered = (OlvaRegisterResources_olva_skin_tests(), true);
    (void)registered;
}

std::string Embedded(const std::string& Type, const std::string& Name) {
    RegisterEmbedded();
    const TResourceData* resource = FindResource(Type, Name);
    EXPECT_NE(resource, nullptr) << Type << " " << Name << " is not embedded";
    return resource ? std::string(resource->View()) : std::string();
}

std::unique_ptr<TskCompressedStoredSkin> StoredSkin(const std::string& Name) {
    RegisterEmbedded();
    auto stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
    TResourceStream stream(Name, "SKIN");
    stored->ReadCompressedData(&stream);
    return stored;
}

const std::string& FreshGeneratorRun() {
    static const std::string folder = [] {
        const std::string path = (std::filesystem::temp_directory_path() / "skingen-fresh").string();
        skingen::WriteSkinAssets(path);
        return path;
    }();
    return folder;
}

std::string FileBytes(const std::string& Path) {
    const auto bytes = ReadFileBytes(Path);
    EXPECT_TRUE(bytes.has_value()) << Path << " cannot be read";
    return bytes.value_or(std::string());
}

} // namespace windowskins
