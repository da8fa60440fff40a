// Bitmap, icon and picture loading on hostile and unusual files made by hand: headers whose masks would lie
// past the data, sizes the data cannot fill, heights that cannot be negated, and PNG icons read like the
// program's own PNG codec.
#include "GraphicsTestUtil.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Icon.h"
#include "platform/vcl/Picture.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/MemoryCeiling.h"
#include "tests/support/PngBytes.h"

#include <filesystem>
#include <functional>
#include <string>

using namespace graphics_test;

namespace hostile_graphics_test {

using namespace bmp_bytes_test;

void LoadInto(TGraphic& graphic, const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    graphic.LoadFromStream(&stream);
}

// An icon file holding one image.
std::string IconFile(const std::string& image, int width, int height, int bits) {
    return Le16(0) + Le16(1) + Le16(1) + Bytes({width & 0xFF, height & 0xFF, 0, 0}) + Le16(1) +
           Le16(std::uint32_t(bits)) + Le32(std::uint32_t(image.size())) + Le32(22) + image;
}

std::string TempFile(const std::string& name, const std::string& bytes) {
    const auto path = std::filesystem::path(OLVA_TEST_OUT_DIR) / "hostile-graphics" / name;
    std::filesystem::create_directories(path.parent_path());
    WriteFileAtomically(path.string(), bytes);
    return path.string();
}

// The ways a DIB reaches the class library: a BMP file into a bitmap, the clipboard's DIB, a picture
// loading a .bmp file.
struct TRoad {
    const char* Name;
    std::function<void(const std::string& header, const std::string& rest)> Load;
};
const TRoad Roads[] = {
    {"bitmap file",
     [](const std::string& header, const std::string& rest) {
         TBitmap bitmap;
         LoadInto(bitmap, BmpOf(header, "", rest));
     }},
    {"clipboard DIB",
     [](const std::string& header, const std::string& rest) {
         TBitmap bitmap;
         const std::string dib = header + rest;
         bitmap.LoadFromClipboardFormat(GraphicClipboardFormatDib, std::vector<BYTE>(dib.begin(), dib.end()));
     }},
    {"picture",
     [](const std::string& header, const std::string& rest) {
         TPicture picture;
         picture.LoadFromFile(TempFile("road.bmp", BmpOf(header, "", rest)));
     }},
};

} // namespace hostile_graphics_test

using namespace hostile_graphics_test;

TEST(HostileGraphicFiles, BitFieldMasksMustLieInsideTheData) {
    // Info headers of 41 to 55 bytes end before their three masks do: the data stop with the header.
    for (const TRoad& road : Roads)
        for (std::uint32_t size : {41u, 44u, 51u, 55u}) {
            SCOPED_TRACE(testing::Message() << road.Name << ", header of " << size << " bytes");
            EXPECT_THROW(road.Load(InfoHeader(1, 1, 32, BI_BITFIELDS, 4, 0, size), ""), EInvalidGraphic);
        }
    // A 52-byte header holds the colour masks, a 56-byte one the alpha mask as well.
    TBitmap bitmap;
    std::string v2 = InfoHeader(1, 1, 16, BI_BITFIELDS, 4, 0, 52);
    v2.replace(40, 12, Le32(0x001F) + Le32(0x07E0) + Le32(0xF800)); // red in the low bits
    LoadInto(bitmap, BmpOf(v2, "", Le16(0x001F) + Le16(0)));
    EXPECT_EQ(At(bitmap, 0, 0), clRed);
    std::string v3 = InfoHeader(1, 1, 32, BI_BITFIELDS, 4, 0, 56);
    v3.replace(40, 16, Le32(0xFF) + Le32(0xFF00) + Le32(0xFF0000) + Le32(0xFF000000));
    LoadInto(bitmap, BmpOf(v3, "", Le32(0x80FF0000)));
    EXPECT_EQ(At(bitmap, 0, 0), clBlue);
    EXPECT_EQ(static_cast<const std::uint32_t*>(bitmap.ScanLine(0))[0] >> 24, 0x80u);
}

// 32-bit bit fields whose masks name no alpha are opaque pixels, whatever their fourth byte holds.
TEST(HostileGraphicFiles, ThirtyTwoBitBitFieldsWithoutAnAlphaMaskAreOpaque) {
    const std::string masks = Le32(0xFF0000) + Le32(0xFF00) + Le32(0xFF);
    TBitmap bitmap;
    LoadInto(bitmap,
             BmpOf(InfoHeader(2, 1, 32, BI_BITFIELDS, 8), masks, Le32(0x00FF0000) + Le32(0x12345678)));
    const auto* row = static_cast<const std::uint32_t*>(bitmap.ScanLine(0));
    EXPECT_EQ(row[0] >> 24, 0xFFu);
    EXPECT_EQ(row[1] >> 24, 0xFFu);
    EXPECT_EQ(At(bitmap, 0, 0), clRed);
    // With an alpha mask the alpha is the file's.
    const std::string withAlpha = masks + Le32(0xFF000000);
    std::string v3 = InfoHeader(1, 1, 32, BI_BITFIELDS, 4, 0, 56);
    v3.replace(40, 16, withAlpha);
    LoadInto(bitmap, BmpOf(v3, "", Le32(0x40FF0000)));
    EXPECT_EQ(static_cast<const std::uint32_t*>(bitmap.ScanLine(0))[0] >> 24, 0x40u);
}

TEST(HostileGraphicFiles, SizesTheDataCannotFillAreRefusedBeforeAllocating) {
    if (!memory_ceiling::Available) GTEST_SKIP() << "no address-space ceiling under the address sanitizer";
    struct Case {
        const char* Name;
        std::string Header, Rest;
    };
    const Case cases[] = {
        {"32768 x 32768, 32 bits, 1 KB of data", InfoHeader(32768, 32768, 32, BI_RGB),
         std::string(1000, 'x')},
        {"8192 x 8192 (within the cap), 32 bits, 100 bytes", InfoHeader(8192, 8192, 32, BI_RGB),
         std::string(100, 'x')},
        {"run-length 32768 x 32768 ending at once", InfoHeader(32768, 32768, 8, 1, 2, 1),
         Le32(0) + Bytes({0, 1})},
        {"run-length 8192 x 8192 promising more data than there is", InfoHeader(8192, 8192, 8, 1, 4096, 1),
         Le32(0) + Bytes({0, 1})},
        // Within the pixel cap, but a few hundred bytes cannot paint 61 million pixels.
        {"run-length 4-bit 3328 x 18432 (within the cap) of 580 bytes", InfoHeader(3328, 18432, 4, 2, 0, 16),
         std::string(64, '\0') +
             [] {
                 std::string runs;
                 for (int i = 0; i < 128; ++i)
                     runs += Bytes({255, 0x12, 0, 0});
                 return runs + Bytes({0, 1});
             }()},
    };
    for (const TRoad& road : Roads)
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << road.Name << ": " << c.Name);
            EXPECT_TRUE(memory_ceiling::WithinMemory(std::size_t(64) << 20, [&] {
                try {
                    road.Load(c.Header, c.Rest);
                } catch (const EInvalidGraphic&) {
                    return true;
                }
                return false;
            }));
        }
}

TEST(HostileGraphicFiles, IconsRefuseHeightsThatCannotBeHalved) {
    // The most negative height, and other negative ones: no icon image is stored top-down.
    for (std::int32_t height : {std::int32_t(0x80000000u), -2, 0, 1}) {
        SCOPED_TRACE(height);
        const std::string dib = InfoHeader(1, height, 32, BI_RGB) + std::string(8, '\0');
        TIcon icon;
        try {
            LoadInto(icon, IconFile(dib, 1, 1, 32));
            ADD_FAILURE();
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Icon image is not valid");
        }
    }
}

TEST(HostileGraphicFiles, PngIconsReadLikeTheProgramsCodecAndWithinLimits) {
    using namespace png_bytes_test;
    // 16-bit grey 0x8000 is mid-grey, not brightened as linear light.
    TIcon icon;
    LoadInto(icon,
             IconFile(PngOfRows(1, 1, 16, 4, std::string(1, '\0') + Be16(0x8000) + Be16(0xFFFF)), 1, 1, 32));
    auto target = MakeBitmap(1, 1, clWhite);
    target->Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(At(*target, 0, 0), TColor(0x808080));
    if (!memory_ceiling::Available) GTEST_SKIP() << "no address-space ceiling under the address sanitizer";
    // A text chunk claiming 2 GB inside an icon of 70 bytes.
    const std::string hostile =
        IconFile(Signature() + Ihdr(1, 1, 8, 0) + Be32(0x7FFFFFF0) + "tEXtabcdefgh", 1, 1, 32);
    EXPECT_LT(hostile.size(), 80u);
    EXPECT_TRUE(memory_ceiling::WithinMemory(std::size_t(64) << 20, [&] {
        TIcon victim;
        try {
            LoadInto(victim, hostile);
        } catch (const EInvalidGraphic&) {
            return true;
        }
        return false;
    }));
}
