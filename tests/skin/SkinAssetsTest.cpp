// Our generated skins and button pictures as files and as embedded resources: the generator always makes
// the same bytes, the program embeds exactly what it makes, a packed skin is the zlib stream of its text
// and picture, and every picture has the form its window reads.
#include "SkinTestSupport.h"
#include "WindowSkinSupport.h"

#include "assets/skins/SkinResourceNames.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "tools/skingen/SkinAssets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace skin_assets_test {
using namespace windowskins;
using namespace skin_resources;

struct TResourceFile {
    std::string Type, Name, FileName;
};

std::vector<TResourceFile> AllResources() {
    std::vector<TResourceFile> all = {{SkinType, MainWindowSkin, "MAINWINDOW.skin"},
                                      {SkinType, RecordingSkin, "RECORDING.skin"}};
    auto add = [&all](const char* Type, const auto& Names, const char* Extension) {
        for (const char* name : Names)
            all.push_back({Type, name, std::string(name) + Extension});
    };
    add(BitmapType, TransportGlyphs, ".bmp");
    add(BitmapType, CommandBarGlyphs, ".bmp");
    add(BitmapType, ZoomImages, ".bmp");
    add(PngType, RecordingImages, ".png");
    return all;
}

std::uint32_t Le32(const std::string& Bytes, std::size_t At) {
    std::uint32_t v = 0;
    std::memcpy(&v, Bytes.data() + At, 4);
    return v;
}

TEST(SkinAssets, TwoGeneratorRunsGiveIdenticalFiles) {
    const std::string second = (std::filesystem::temp_directory_path() / "skingen-second").string();
    skingen::WriteSkinAssets(second);
    const auto names = skingen::SkinAssetFileNames();
    EXPECT_EQ(names.size(), 2 * 3 + 10 + 2 + 6 + 6u); // text, picture and packed bytes of each skin

    for (const std::string& name : names) {
        const std::string first = FileBytes(FreshGeneratorRun() + "/" + name);
        EXPECT_FALSE(first.empty()) << name;
        EXPECT_EQ(first, FileBytes(second + "/" + name)) << name;
    }
}

TEST(SkinAssets, TheProgramEmbedsExactlyWhatTheGeneratorMakes) {
    for (const TResourceFile& r : AllResources())
        EXPECT_EQ(Embedded(r.Type, r.Name), FileBytes(FreshGeneratorRun() + "/" + r.FileName))
            << r.Type << " " << r.Name;
}

TEST(SkinAssets, PackedSkinsAreTheZlibStreamOfTheirTextAndPicture) {
    for (const auto& [name, base] : {std::pair{MainWindowSkin, "mainwindow"}, {RecordingSkin, "recording"}}) {
        SCOPED_TRACE(name);
        const std::string packed = Embedded(SkinType, name);
        ASSERT_GT(packed.size(), 2u);
        EXPECT_EQ(std::uint8_t(packed[0]), 0x78); // zlib, 32K window
        EXPECT_EQ(std::uint8_t(packed[1]), 0xDA); // the maximum level
        TMemoryStream stream;
        stream.WriteBuffer(packed.data(), std::int64_t(packed.size()));
        const std::string text = FileBytes(FreshGeneratorRun() + "/" + base + ".txt");
        const std::string bmp = FileBytes(FreshGeneratorRun() + "/" + base + ".bmp");
        // Version 2, five empty optional pictures, one active picture, then the text to the end.
        const std::string expected =
            std::string("\x02\0\0\0", 4) + std::string(5, '\x01') + std::string("\x01\0\0\0", 4) + bmp + text;
        EXPECT_EQ(skintest::Inflate(stream), expected);
        EXPECT_NE(text.find("\r\n[SKINCONTROLS]\r\n"), std::string::npos);
        EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "CR LF lines";
    }
}

TEST(SkinAssets, SkinPicturesAreBottomUpUncompressed24BitBitmaps) {
    for (const auto& [base, width, height] :
         {std::tuple{"mainwindow", 100, 100}, std::tuple{"recording", 138, 193}}) {
        SCOPED_TRACE(base);
        const std::string bmp = FileBytes(FreshGeneratorRun() + "/" + base + ".bmp");
        ASSERT_GT(bmp.size(), 54u);
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        EXPECT_EQ(Le32(bmp, 18), std::uint32_t(width));
        EXPECT_EQ(Le32(bmp, 22), std::uint32_t(height)); // positive: the bottom row first
        EXPECT_EQ(Le32(bmp, 28) & 0xFFFF, 24u);
        EXPECT_EQ(Le32(bmp, 30), 0u); // BI_RGB
        EXPECT_EQ(bmp.size(), 54u + std::size_t((width * 3 + 3) / 4 * 4) * std::size_t(height));
    }
}

TEST(SkinAssets, GlyphsAreOneCellBitmapsTransparentByTheirBottomLeftPixel) {
    std::vector<const char*> glyphs(std::begin(TransportGlyphs), std::end(TransportGlyphs));
    glyphs.insert(glyphs.end(), std::begin(CommandBarGlyphs), std::end(CommandBarGlyphs));
    RegisterEmbedded();
    for (const char* name : glyphs) {
        SCOPED_TRACE(name);
        TBitmap glyph;
        glyph.LoadFromResourceName(nullptr, name);
        EXPECT_EQ(glyph.Width(), GlyphSize);
        EXPECT_EQ(glyph.Height(), GlyphSize);
        EXPECT_EQ(glyph.PixelFormat(), pf24bit);
        const std::uint32_t key = skintest::PixelOf(glyph, 0, GlyphSize - 1);
        EXPECT_EQ(key, 0xFF00FFu);
        EXPECT_EQ(std::uint32_t(glyph.TransparentColor()) & 0xFFFFFF, key);
        // The symbol fills a fair part of the cell and leaves its edge free for the button's focus frame.
        int drawn = 0;
        for (int y = 0; y < GlyphSize; ++y)
            for (int x = 0; x < GlyphSize; ++x)
                if (skintest::PixelOf(glyph, x, y) != key) {
                    ++drawn;
                    EXPECT_TRUE(x > 0 && y > 0 && x < GlyphSize - 1 && y < GlyphSize - 1) << x << "," << y;
                }
        EXPECT_GT(drawn, 30);
    }
}

TEST(SkinAssets, ZoomImagesAre32BitWithTheirOwnAlpha) {
    RegisterEmbedded();
    for (const char* name : ZoomImages) {
        SCOPED_TRACE(name);
        TBitmap image;
        image.LoadFromResourceName(nullptr, name);
        EXPECT_EQ(image.Width(), ZoomImageSize);
        EXPECT_EQ(image.Height(), ZoomImageSize);
        EXPECT_EQ(image.PixelFormat(), pf32bit);
        int opaque = 0, clear = 0;
        for (int y = 0; y < ZoomImageSize; ++y)
            for (int x = 0; x < ZoomImageSize; ++x) {
                const std::uint32_t alpha = skintest::Pixel32Of(image, x, y) >> 24;
                opaque += alpha == 255;
                clear += alpha == 0;
                if (x == 0 || y == 0 || x == ZoomImageSize - 1 || y == ZoomImageSize - 1) {
                    EXPECT_EQ(alpha, 0u) << "the edge stays free for the focus frame: " << x << "," << y;
                }
            }
        EXPECT_GT(opaque, 20);
        EXPECT_GT(clear, 60);
    }
}

TEST(SkinAssets, RecordingImagesArePngFilesWithAlpha) {
    for (const char* name : RecordingImages) {
        SCOPED_TRACE(name);
        const std::string bytes = Embedded(PngType, name);
        TMemoryStream stream;
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
        stream.SetPosition(0);
        TPngPicture png;
        png.LoadFromStream(&stream);
        EXPECT_EQ(png.Width(), RecordingImageSize);
        EXPECT_EQ(png.Height(), RecordingImageSize);
        EXPECT_EQ(png.HeaderChunk()->ColorType, 6); // RGB with alpha
        int opaque = 0, clear = 0;
        for (int y = 0; y < RecordingImageSize; ++y)
            for (int x = 0; x < RecordingImageSize; ++x) {
                opaque += png.AlphaRow(y)[x] == 255;
                clear += png.AlphaRow(y)[x] == 0;
            }
        EXPECT_GT(opaque, 60);
        EXPECT_GT(clear, 150);
    }
}

} // namespace skin_assets_test
