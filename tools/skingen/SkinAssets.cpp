#include "tools/skingen/SkinAssets.h"

#include "assets/skins/SkinResourceNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "skin/data/CompressedSkin.h"
#include "tools/skingen/ButtonPictures.h"
#include "tools/skingen/GeneratedSkin.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinCheck.h"

#include <functional>
#include <iterator>
#include <stdexcept>

namespace skingen {

namespace {

using namespace skin_resources;

void WriteAsset(const std::string& Folder, const std::string& Name, std::string_view Bytes) {
    if (!WriteFileAtomically(Folder + "/" + Name, Bytes))
        throw std::runtime_error("cannot write " + Folder + "/" + Name);
}

// The packer reads back the two files, as it would read any skin text and its pictures.
void WriteSkin(const std::string& Folder, const TGeneratedSkin& Skin) {
    const std::string textFile = Skin.FileBase + ".txt";
    WriteAsset(Folder, textFile, Skin.Text.FileText());
    WriteAsset(Folder, Skin.FileBase + ".bmp", BmpFileOf(*Skin.Picture->ToBitmap24()));
    TMemoryStream packed;
    if (!PackSkinTextFile(Folder + "/" + textFile, packed))
        throw std::runtime_error(Skin.ResourceName + ": the packer does not take the text for a skin text");
    WriteAsset(Folder, Skin.ResourceName + ".skin",
               std::string_view(static_cast<const char*>(packed.Memory()), std::size_t(packed.Size())));
}

// One set of button pictures: a name list and the drawer of each index.
struct TPictureSet {
    const char* const* Names;
    int Count;
    std::function<std::unique_ptr<TArt>(int)> Draw;
    std::function<std::string(const TArt&)> Encode;
    const char* Extension;
};

std::string KeyedGlyphFile(const TArt& Art) {
    return BmpFileOf(*Art.ToKeyedGlyph(palette::GlyphMatte, palette::Key));
}

std::string AlphaBitmapFile(const TArt& Art) {
    return BmpFileOf(*Art.ToBitmap32());
}

std::string PngFile(const TArt& Art) {
    return Art.ToPng();
}

std::vector<TPictureSet> PictureSets() {
    return {
        {TransportGlyphs, int(std::size(TransportGlyphs)), DrawTransportGlyph, KeyedGlyphFile, ".bmp"},
        {CommandBarGlyphs, int(std::size(CommandBarGlyphs)), DrawCommandBarGlyph, KeyedGlyphFile, ".bmp"},
        {ZoomImages, int(std::size(ZoomImages)), DrawZoomImage, AlphaBitmapFile, ".bmp"},
        {RecordingImages, int(std::size(RecordingImages)), DrawRecordingImage, PngFile, ".png"},
    };
}

} // namespace

std::vector<std::string> SkinAssetFileNames() {
    std::vector<std::string> names;
    for (const auto& [base, resource] :
         {std::pair{"mainwindow", MainWindowSkin}, {"recording", RecordingSkin}}) {
        names.push_back(std::string(base) + ".txt");
        names.push_back(std::string(base) + ".bmp");
        names.push_back(std::string(resource) + ".skin");
    }
    for (const TPictureSet& set : PictureSets())
        for (int i = 0; i < set.Count; ++i)
            names.push_back(std::string(set.Names[i]) + set.Extension);
    return names;
}

void WriteSkinAssets(const std::string& Folder) {
    if (!ForceDirectories(Folder)) throw std::runtime_error("cannot make the folder " + Folder);
    // Both skins are made and checked before either is written.
    const TGeneratedSkin skins[] = {MakeMainWindowSkin(), MakeRecordingSkin()};
    for (const TGeneratedSkin& skin : skins)
        CheckSkinText(skin.ResourceName, skin.Text.Lines(), skin.Picture->Width(), skin.Picture->Height());
    for (const TGeneratedSkin& skin : skins)
        WriteSkin(Folder, skin);
    for (const TPictureSet& set : PictureSets())
        for (int i = 0; i < set.Count; ++i)
            WriteAsset(Folder, std::string(set.Names[i]) + set.Extension, set.Encode(*set.Draw(i)));
}

} // namespace skingen
