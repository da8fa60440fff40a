#include "GraphicsTestUtil.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Resources.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace graphics_test;

namespace bitmap_test {

// Four colours every format can hold exactly (the 16-colour palette's, with channels that survive 5 bits).
const TColor kColours[4] = {clBlack, clWhite, clRed, clBlue};

std::unique_ptr<TBitmap> Pattern(TPixelFormat format) {
    auto bitmap = MakeBitmap(5, 3, clWhite, pf32bit);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            bitmap->Canvas()->SetPixels(x, y, kColours[(x + y) % 4]);
    bitmap->SetPixelFormat(format);
    return bitmap;
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

std::string U32(std::uint32_t v) {
    return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)});
}
std::string U16(std::uint32_t v) {
    return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF)});
}

// A BMP file from an info header's fields, extra bytes (masks, palette) and pixel bytes.
std::string BmpFile(int width, int height, int bits, std::uint32_t compression, const std::string& extra,
                    const std::string& pixels, std::uint32_t colorsUsed = 0) {
    std::string info = U32(40) + U32(std::uint32_t(width)) + U32(std::uint32_t(height)) + U16(1) + U16(bits) +
                       U32(compression) + U32(std::uint32_t(pixels.size())) + U32(0) + U32(0) +
                       U32(colorsUsed) + U32(0);
    const std::uint32_t offset = 14 + 40 + std::uint32_t(extra.size());
    return "BM" + U32(offset + std::uint32_t(pixels.size())) + U32(0) + U32(offset) + info + extra + pixels;
}

void LoadBytes(TBitmap& bitmap, const std::string& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    bitmap.LoadFromStream(&stream);
}

} // namespace bitmap_test

using namespace bitmap_test;

TEST(BitmapTest, EveryPixelFormatSurvivesABmpRoundTrip) {
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit}) {
        SCOPED_TRACE(format);
        auto original = Pattern(format);
        TMemoryStream stream;
        original->SaveToStream(&stream);
        stream.SetPosition(0);
        TBitmap loaded;
        loaded.LoadFromStream(&stream);
        EXPECT_EQ(loaded.PixelFormat(), format);
        ASSERT_EQ(loaded.Width(), 5);
        ASSERT_EQ(loaded.Height(), 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                // One bit holds black and white only: red and blue come out as their nearest.
                TColor expected = kColours[(x + y) % 4];
                if (format == pf1bit && (expected == clRed || expected == clBlue)) expected = clBlack;
                EXPECT_EQ(At(loaded, x, y), expected) << x << "," << y;
            }
    }
}

TEST(BitmapTest, DamagedFilesRaiseAndLeaveTheBitmapAsItWas) {
    auto bitmap = MakeBitmap(2, 2, clRed);
    const std::string good = BmpFile(1, 1, 24, 0, "", Bytes({0, 0, 255, 0}));
    const std::vector<std::string> damaged = {
        "",
        "not a bitmap at all",
        good.substr(0, good.size() - 2),                    // pixels cut short
        BmpFile(0, 1, 24, 0, "", Bytes({0, 0, 0, 0})),      // zero width
        BmpFile(1, 1, 7, 0, "", Bytes({0, 0, 0, 0})),       // no such depth
        BmpFile(1, 1, 24, 9, "", Bytes({0, 0, 0, 0})),      // unknown compression
        BmpFile(100000, 1, 24, 0, "", Bytes({0, 0, 0, 0})), // absurd size
        BmpFile(1, 1, 8, 0, "", Bytes({0, 0, 0, 0}), 300),  // palette larger than 256
    };
    for (const std::string& bytes : damaged) {
        try {
            LoadBytes(*bitmap, bytes);
            ADD_FAILURE() << "no exception for " << bytes.size() << " bytes";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Bitmap image is not valid");
        }
        EXPECT_EQ(bitmap->Width(), 2);
        EXPECT_EQ(At(*bitmap, 1, 1), clRed);
    }
    LoadBytes(*bitmap, good);
    EXPECT_EQ(bitmap->Width(), 1);
    EXPECT_EQ(At(*bitmap, 0, 0), clRed);
}

TEST(BitmapTest, ReadsTopDownBitFieldAndRunLengthFiles) {
    TBitmap bitmap;
    // Top-down 24-bit, 1 x 2: first stored row is the top one.
    LoadBytes(bitmap, BmpFile(1, -2, 24, 0, "", Bytes({255, 0, 0, 0, 0, 255, 0, 0})));
    EXPECT_EQ(At(bitmap, 0, 0), clBlue);
    EXPECT_EQ(At(bitmap, 0, 1), clLime);

    // 16-bit 5-6-5 bit fields: pure green is 0x07E0.
    LoadBytes(bitmap,
              BmpFile(1, 1, 16, 3, U32(0xF800) + U32(0x07E0) + U32(0x001F), Bytes({0xE0, 0x07, 0, 0})));
    EXPECT_EQ(bitmap.PixelFormat(), pf16bit);
    EXPECT_EQ(At(bitmap, 0, 0), clLime);

    // 8-bit run-length: palette red, blue; bottom row 3 x red, top row blue, red, blue (absolute run).
    const std::string palette = Bytes({0, 0, 255, 0, 255, 0, 0, 0});
    const std::string rle = Bytes({3, 0, 0, 0, 0, 3, 1, 0, 1, 0, 0, 1});
    LoadBytes(bitmap, BmpFile(3, 2, 8, 1, palette, rle, 2));
    EXPECT_EQ(bitmap.PixelFormat(), pf8bit);
    const TColor expected[2][3] = {{clBlue, clRed, clBlue}, {clRed, clRed, clRed}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(bitmap, x, y), expected[y][x]) << x << "," << y;

    // 4-bit run-length: a run of 3 alternating nibbles 1, 2, 1 (blue, lime, blue), then the end mark.
    const std::string palette4 = palette + Bytes({0, 255, 0, 0});
    LoadBytes(bitmap, BmpFile(3, 1, 4, 2, palette4, Bytes({3, 0x12, 0, 1}), 3));
    EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
    EXPECT_EQ(At(bitmap, 0, 0), clBlue);
    EXPECT_EQ(At(bitmap, 1, 0), clLime);
    EXPECT_EQ(At(bitmap, 2, 0), clBlue);
}

TEST(BitmapTest, ScanLinesHaveTheFormatsLayoutAndReachTheCanvas) {
    auto bitmap = MakeBitmap(3, 2, clWhite, pf24bit);
    auto* row = static_cast<std::uint8_t*>(bitmap->ScanLine(1));
    row[3] = 0x00, row[4] = 0x00, row[5] = 0xFF; // pixel 1: blue, green, red bytes
    EXPECT_EQ(At(*bitmap, 1, 1), clRed);
    EXPECT_EQ(At(*bitmap, 1, 0), clWhite);

    auto indexed = MakeBitmap(2, 1, clBlack, pf8bit);
    auto* indices = static_cast<std::uint8_t*>(indexed->ScanLine(0));
    EXPECT_EQ(indices[0], 0); // black is entry 0 of the default palette
    indices[1] = 12;          // blue
    EXPECT_EQ(At(*indexed, 1, 0), clBlue);

    auto wide = MakeBitmap(2, 2, clWhite, pf32bit);
    static_cast<std::uint32_t*>(wide->ScanLine(0))[0] = 0x80FF0000; // red with half alpha
    EXPECT_EQ(At(*wide, 0, 0), clRed);

    for (int bad : {-1, 2}) {
        try {
            wide->ScanLine(bad);
            ADD_FAILURE() << bad;
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), "Scan line index out of range");
        }
    }
}

TEST(BitmapTest, ResizingKeepsThePixelsThatStay) {
    auto bitmap = MakeBitmap(2, 2, clRed);
    int changes = 0;
    bitmap->OnChange = [&changes](TObject*) { ++changes; };
    bitmap->SetSize(3, 1);
    EXPECT_EQ(changes, 1);
    bitmap->SetSize(3, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(At(*bitmap, 1, 0), clRed);
    EXPECT_EQ(At(*bitmap, 2, 0), clBlack);
    bitmap->SetSize(0, 5);
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(bitmap->Handle(), nullptr);
}

TEST(BitmapTest, TransparentColourMaskAndMonochrome) {
    auto bitmap = MakeBitmap(2, 2, clLime);
    bitmap->Canvas()->SetPixels(1, 0, clRed);
    EXPECT_EQ(bitmap->TransparentMode(), tmAuto);
    EXPECT_EQ(bitmap->TransparentColor(), clLime); // the bottom-left pixel
    bitmap->SetTransparentColor(clRed);
    EXPECT_EQ(bitmap->TransparentMode(), tmFixed);
    EXPECT_EQ(bitmap->TransparentColor(), clRed);
    bitmap->SetTransparentMode(tmAuto);
    EXPECT_EQ(bitmap->TransparentColor(), clLime);

    bitmap->Mask(clLime);
    EXPECT_TRUE(bitmap->Monochrome());
    EXPECT_EQ(bitmap->PixelFormat(), pf1bit);
    EXPECT_EQ(At(*bitmap, 0, 0), clWhite);
    EXPECT_EQ(At(*bitmap, 1, 0), clBlack);
    // One packed bit per pixel, the leftmost in the high bit.
    EXPECT_EQ(static_cast<std::uint8_t*>(bitmap->ScanLine(0))[0] & 0xC0, 0x80);

    auto grey = MakeBitmap(2, 1, clSilver);
    grey->Canvas()->SetPixels(1, 0, clNavy);
    grey->SetMonochrome(true);
    EXPECT_EQ(At(*grey, 0, 0), clWhite);
    EXPECT_EQ(At(*grey, 1, 0), clBlack);
}

TEST(BitmapTest, DormantKeepsThePixelsAndAssignCopiesThem) {
    auto bitmap = MakeBitmap(2, 2, clTeal);
    bitmap->Canvas()->SetPixels(0, 1, clYellow);
    EXPECT_TRUE(bitmap->HandleAllocated());
    bitmap->Dormant();
    EXPECT_FALSE(bitmap->HandleAllocated());
    EXPECT_EQ(At(*bitmap, 0, 1), clYellow);

    TBitmap copy;
    copy.Assign(bitmap.get());
    bitmap->Canvas()->SetPixels(0, 1, clRed); // the copy is independent
    EXPECT_EQ(At(copy, 0, 1), clYellow);
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
}

TEST(BitmapTest, DataFormAndResourcesAndFiles) {
    auto bitmap = Pattern(pf8bit);
    TMemoryStream data;
    bitmap->WriteData(&data);
    data.SetPosition(0);
    TBitmap read;
    read.ReadData(&data);
    EXPECT_EQ(data.Position(), data.Size());
    EXPECT_EQ(read.PixelFormat(), pf8bit);
    EXPECT_EQ(At(read, 2, 0), kColours[2]);

    static const std::string resource = BmpFile(1, 1, 24, 0, "", Bytes({255, 0, 0, 0}));
    RegisterResource("BITMAP", "TESTBLUE", resource.data(), resource.size());
    TBitmap fromResource;
    fromResource.LoadFromResourceName(nullptr, "TestBlue");
    EXPECT_EQ(At(fromResource, 0, 0), clBlue);
    EXPECT_THROW(fromResource.LoadFromResourceName(nullptr, "NoSuchBitmap"), EResNotFound);

    const auto folder = std::filesystem::temp_directory_path() / "olva_vcl_bitmap_test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "picture.bmp").string();
    bitmap->SaveToFile(path);
    TBitmap fromFile;
    fromFile.LoadFromFile(path);
    EXPECT_EQ(At(fromFile, 4, 2), kColours[2]);
    // A file that cannot be written leaves the old one in place.
    EXPECT_THROW(bitmap->SaveToFile((folder / "missing" / "x.bmp").string()), EFCreateError);
    std::filesystem::remove_all(folder);
}

TEST(BitmapTest, FewColoursKeepThemselvesInPalettedFormats) {
    const TColor unusual[3] = {0x123456, 0x654321, 0x0A0B0C};
    for (TPixelFormat format : {pf1bit, pf4bit, pf8bit}) {
        SCOPED_TRACE(format);
        auto bitmap = MakeBitmap(2, 1, unusual[0]);
        bitmap->Canvas()->SetPixels(1, 0, unusual[1]);
        bitmap->SetPixelFormat(format);
        EXPECT_EQ(At(*bitmap, 0, 0), unusual[0]);
        EXPECT_EQ(At(*bitmap, 1, 0), unusual[1]);
        EXPECT_EQ(bitmap->Palette().size(), std::size_t(1) << PixelFormatBits(format));
    }
    // Three colours do not fit in one bit: the standard black and white take over.
    auto three = MakeBitmap(3, 1, unusual[0]);
    three->Canvas()->SetPixels(1, 0, unusual[1]);
    three->Canvas()->SetPixels(2, 0, clWhite);
    three->SetPixelFormat(pf1bit);
    EXPECT_TRUE(three->Monochrome());
    EXPECT_EQ(At(*three, 2, 0), clWhite);
}

TEST(BitmapTest, ClipboardFormIsADib) {
    auto bitmap = Pattern(pf24bit);
    UINT format = 0;
    std::vector<BYTE> data;
    bitmap->SaveToClipboardFormat(format, data);
    EXPECT_EQ(format, GraphicClipboardFormatDib);
    TBitmap pasted;
    pasted.LoadFromClipboardFormat(format, data);
    EXPECT_EQ(pasted.PixelFormat(), pf24bit);
    EXPECT_EQ(At(pasted, 3, 1), kColours[0]);
    EXPECT_THROW(pasted.LoadFromClipboardFormat(1, data), EInvalidGraphic);
    data.resize(20);
    EXPECT_THROW(pasted.LoadFromClipboardFormat(format, data), EInvalidGraphic);
    EXPECT_EQ(pasted.Width(), 5);
}
