// The picture library's PNG reader: the splash road, every format, the chunk rules and the errors.
#include "PngFixture.h"

#include "imaging/picture/FileFormatList.h"
#include "imaging/picture/PngGraphic.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Picture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {
using namespace pngfix;

std::unique_ptr<TPNGGraphic> LoadGraphic(const std::string& bytes) {
    TStringStream s(bytes);
    auto g = std::make_unique<TPNGGraphic>();
    g->LoadFromStream(&s);
    return g;
}

std::string ErrorOf(const std::string& bytes) {
    try {
        LoadGraphic(bytes);
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

const std::uint8_t* Line(TBitmap& bitmap, int y) {
    return static_cast<const std::uint8_t*>(bitmap.ScanLine(y));
}

int Rgba(int x, int y, int c, int depth) {
    const int v = (x * 50 + y * 30 + c * 70 + x * y * 3) & 0xFF;
    return depth == 16 ? v * 257 + (x & 1) * 100 : v;
}

TEST(PngGraphic, SplashRoadRgbaBecomes32BitBgra) {
    for (int depth : {8, 16})
        for (int interlace : {0, 1}) {
            SCOPED_TRACE(testing::Message() << depth << " bit, interlace " << interlace);
            const auto g = LoadGraphic(
                Png(13, 7, depth, 6, interlace, [&](int x, int y, int c) { return Rgba(x, y, c, depth); }));
            EXPECT_NO_THROW(RequirePixelFormat32(*g));
            ASSERT_EQ(g->Width(), 13);
            for (int y = 0; y < 7; ++y) {
                const std::uint8_t* line = Line(*g, y);
                for (int x = 0; x < 13; ++x) {
                    auto expect = [&](int c) {
                        const int v = Rgba(x, y, c, depth);
                        return depth == 16 ? v * 255 / 65535 : v;
                    };
                    ASSERT_EQ(line[4 * x], expect(2));
                    ASSERT_EQ(line[4 * x + 1], expect(1));
                    ASSERT_EQ(line[4 * x + 2], expect(0));
                    ASSERT_EQ(line[4 * x + 3], expect(3));
                }
            }
            EXPECT_EQ(g->ImageProperties().ColorScheme, csRGBA);
            EXPECT_TRUE(g->ImageProperties().HasAlpha);
            EXPECT_EQ(g->ImageProperties().Interlaced, interlace == 1);
        }
}

TEST(PngGraphic, OtherFormatsAreNotSplashPictures) {
    struct Case {
        int ColorType, Depth;
        TPixelFormat Format;
    };
    const Case cases[] = {{0, 1, pf1bit},  {0, 2, pf4bit},  {0, 4, pf4bit},   {0, 8, pf8bit},
                          {0, 16, pf8bit}, {2, 8, pf24bit}, {2, 16, pf24bit}, {3, 1, pf1bit},
                          {3, 2, pf4bit},  {3, 4, pf4bit},  {3, 8, pf8bit}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ColorType << "/" << c.Depth);
        const std::string plte = c.ColorType == 3 ? Plte(1 << c.Depth) : std::string();
        const auto g = LoadGraphic(Png(
            5, 3, c.Depth, c.ColorType, 0, [](int x, int y, int) { return x + y; }, plte));
        EXPECT_EQ(g->PixelFormat(), c.Format);
        try {
            RequirePixelFormat32(*g);
            ADD_FAILURE();
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Wrong bitmap format - must be 32 bits/pixel");
        }
    }
}

TEST(PngGraphic, GreyAndPaletteValues) {
    // 2-bit grey: values 0, 5, 10, 15 over a 16-step grey palette.
    auto g = LoadGraphic(Png(4, 1, 2, 0, 0, [](int x, int, int) { return x; }));
    EXPECT_EQ(Line(*g, 0)[0], 0x05);
    EXPECT_EQ(Line(*g, 0)[1], 0xAF);
    ASSERT_EQ(g->Palette().size(), 16u);
    EXPECT_EQ(g->Palette()[5].rgbRed, 85);
    // 2-bit palette: indices spread the same way, and the palette is spread to match.
    g = LoadGraphic(Png(
        4, 1, 2, 3, 1, [](int x, int, int) { return x; }, Plte(4)));
    EXPECT_EQ(Line(*g, 0)[0], 0x05);
    EXPECT_EQ(Line(*g, 0)[1], 0xAF);
    for (int i = 0; i < 4; ++i) {
        const RGBQUAD e = g->Palette()[std::size_t(i * 5)];
        EXPECT_EQ(RGB(e.rgbRed, e.rgbGreen, e.rgbBlue), PlteColor(i));
    }
}

// Grey with alpha and palette images with transparency keep their alpha: 32-bit pictures, each pixel
// with its grey or palette colour and its own alpha, at both depths and interlaced.
TEST(PngGraphic, AlphaOfGreyAndOfPaletteTransparency) {
    for (int interlace : {0, 1}) {
        SCOPED_TRACE(interlace);
        for (int depth : {8, 16}) {
            const int scale = depth == 16 ? 257 : 1;
            auto g = LoadGraphic(Png(3, 2, depth, 4, interlace, [&](int x, int y, int c) {
                return (c == 0 ? 40 + x + y : 7 + 100 * x) * scale;
            }));
            ASSERT_EQ(g->PixelFormat(), pf32bit);
            EXPECT_NO_THROW(RequirePixelFormat32(*g));
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 3; ++x) {
                    const std::uint8_t* p = Line(*g, y) + 4 * x;
                    EXPECT_EQ(p[0], 40 + x + y);
                    EXPECT_EQ(p[2], 40 + x + y);
                    EXPECT_EQ(p[3], 7 + 100 * x);
                }
        }
        const std::string trns("\x00\x80", 2); // entry 0 clear, 1 half, 2 and 3 opaque
        auto g = LoadGraphic(Png(
            4, 1, 2, 3, interlace, [](int x, int, int) { return x; }, Plte(4) + Chunk("tRNS", trns)));
        ASSERT_EQ(g->PixelFormat(), pf32bit);
        const std::uint8_t alpha[4] = {0, 0x80, 255, 255};
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t* p = Line(*g, 0) + 4 * x;
            EXPECT_EQ(RGB(p[2], p[1], p[0]), PlteColor(x)) << x;
            EXPECT_EQ(p[3], alpha[x]) << x;
        }
        EXPECT_FALSE(g->Transparent()); // the alpha says it all; no key colour
    }
}

TEST(PngGraphic, BackgroundAndTransparencyMapThroughPalettes) {
    // A grey bKGD is a grey level: it becomes the index of that level, not a colour value.
    std::string png =
        Signature() + Ihdr(2, 3, 2, 0) + Chunk("bKGD", Be16(1)) + Chunk("tRNS", Be16(2)) +
        Chunk("IDAT", Zlib(RawImage(2, 3, 2, 0, 0, [](int, int, int) { return 3; }).substr(0, 2))) +
        Chunk("IEND", "");
    auto g = LoadGraphic(png);
    EXPECT_EQ(Line(*g, 0)[0] >> 4, 15); // decoded row
    EXPECT_EQ(Line(*g, 1)[0] >> 4, 5);  // background rows: grey 1 of 3 is index 5
    EXPECT_TRUE(g->Transparent());
    EXPECT_EQ(COLORREF(g->TransparentColor()), RGB(170, 170, 170));
    // Palette images are not filled with a bKGD index read as a colour.
    png = Signature() + Ihdr(2, 2, 8, 3) + Plte(3) + Chunk("bKGD", "\x02") +
          Chunk("IDAT", Zlib(RawImage(2, 2, 8, 3, 0, [](int, int, int) { return 1; }).substr(0, 3))) +
          Chunk("IEND", "");
    g = LoadGraphic(png);
    EXPECT_EQ(Line(*g, 0)[0], 1);
    EXPECT_EQ(Line(*g, 1)[0], 0);
    // RGB: the background is a colour; 16-bit values are reduced.
    png = Signature() + Ihdr(1, 2, 16, 2) + Chunk("bKGD", Be16(0xFFFF) + Be16(0x8080) + Be16(0)) +
          Chunk("tRNS", Be16(0) + Be16(0xFFFF) + Be16(0)) +
          Chunk("IDAT", Zlib(RawImage(1, 2, 16, 2, 0, [](int, int, int) { return 0; }).substr(0, 7))) +
          Chunk("IEND", "");
    g = LoadGraphic(png);
    EXPECT_EQ(Line(*g, 1)[0], 0);
    EXPECT_EQ(Line(*g, 1)[1], 0x80);
    EXPECT_EQ(Line(*g, 1)[2], 0xFF);
    EXPECT_EQ(COLORREF(g->TransparentColor()), RGB(0, 255, 0));
}

TEST(PngGraphic, DataEndingEarlyKeepsBackgroundRowsWithoutError) {
    const std::string raw = RawImage(3, 6, 8, 2, 0, [](int, int, int) { return 9; });
    const std::string packed = Zlib(raw.substr(0, 2 * 10), 9); // a complete stream of two rows
    std::string png = Signature() + Ihdr(3, 6, 8, 2) + Chunk("bKGD", Be16(1) + Be16(2) + Be16(3));
    // The data stop after two rows' worth of a stream that claims more: cut the stream short.
    const std::string full = Zlib(raw, 0);
    png += Chunk("IDAT", full.substr(0, 2 + 5 + 2 * 10)) + Chunk("IEND", "");
    const auto g = LoadGraphic(png);
    EXPECT_EQ(Line(*g, 1)[0], 9);
    for (int y = 2; y < 6; ++y)
        EXPECT_EQ(Line(*g, y)[0], 3) << y; // background blue, no stale rows
    // A file cut inside its data chunk: the same.
    const std::string whole = Png(3, 6, 8, 2, 0, [](int, int, int) { return 9; });
    EXPECT_NO_THROW(LoadGraphic(whole.substr(0, whole.size() - 20)));
    (void)packed;
}

TEST(PngGraphic, ChunkRules) {
    const std::string data = Zlib(RawImage(2, 2, 8, 0, 0, [](int, int, int) { return 1; }));
    // Lower-case "idat" is image data; an unknown ancillary chunk is skipped.
    auto g = LoadGraphic(Signature() + Ihdr(2, 2, 8, 0) + Chunk("ruBy", "x") + Chunk("idat", data) +
                         Chunk("IEND", ""));
    EXPECT_EQ(Line(*g, 1)[1], 1);
    // An unknown critical chunk after the data is an error.
    EXPECT_EQ(
        ErrorOf(Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", data) + Chunk("RUBY", "") + Chunk("IEND", "")),
        "Cannot load PNG image. Unexpected but critical chunk detected.");
}

TEST(PngGraphic, ErrorsAndMessages) {
    const std::string data = Zlib(RawImage(2, 2, 8, 0, 0, [](int, int, int) { return 1; }));
    const std::string tail = Chunk("IDAT", data) + Chunk("IEND", "");
    struct Case {
        const char* Name;
        std::string Bytes;
        const char* Message;
    };
    const Case cases[] = {
        {"signature only", Signature(), "Cannot load image. Invalid or unexpected PNG image format."},
        {"zero width", Signature() + Ihdr(0, 2, 8, 0) + tail,
         "Cannot load image. Invalid or unexpected PNG image format."},
        {"IHDR not first", Signature() + Chunk("gAMA", Be32(1)) + Ihdr(2, 2, 8, 0) + tail,
         "Cannot load image. Invalid or unexpected PNG image format."},
        {"compression", Signature() + Ihdr(2, 2, 8, 0, 0, 1) + tail,
         "Cannot load image. The compression scheme is not supported for PNG files."},
        {"bad crc", Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", data, true) + Chunk("IEND", ""),
         "Cannot load image. CRC error found in PNG file."},
        {"palette 10 bytes", Signature() + Ihdr(2, 2, 8, 3) + Chunk("PLTE", std::string(10, '\1')) + tail,
         "Cannot load image. Palette in PNG file is invalid."},
        {"palette image without palette", Signature() + Ihdr(2, 2, 8, 3) + tail,
         "Cannot load image. Palette in PNG file is invalid."},
        {"colour type 5", Signature() + Ihdr(2, 2, 8, 5) + tail, "Invalid color format in PNG file."},
        {"RGB depth 4", Signature() + Ihdr(2, 2, 4, 2) + tail, "Invalid color format in PNG file."},
        {"extra data", Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", data + "junk") + Chunk("IEND", ""),
         "Cannot load image. Extra compressed data found in PNG file."},
        {"stream ends inside a row",
         Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", Zlib(std::string(4, '\0'))) + Chunk("IEND", ""),
         "Cannot load image. Extra compressed data found in PNG file."},
        {"corrupt data",
         Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", "\x78\x9c\xff\xff\xff") + Chunk("IEND", ""),
         "Cannot load image. Compression error found in PNG file."},
        {"no image data", Signature() + Ihdr(2, 2, 8, 0) + Chunk("IEND", ""),
         "Cannot load image. Invalid or unexpected PNG image format."},
        {"too large", Signature() + Ihdr(60000, 60000, 8, 6) + tail,
         "Cannot load image. Invalid or unexpected PNG image format."},
        {"huge chunk length", Signature() + Ihdr(2, 2, 8, 0) + Be32(0x7FFFFFF0) + "gAMA",
         "Cannot load image. Invalid or unexpected PNG image format."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.Bytes), c.Message) << c.Name;
}

TEST(PngGraphic, CanLoadStreamAndProperties) {
    TPNGGraphic g;
    TStringStream exactly(Signature());
    EXPECT_FALSE(g.CanLoadStream(&exactly)); // more than 8 bytes are required
    const std::string png = Png(
        7, 5, 8, 2, 1, [](int, int, int) { return 0; }, Chunk("gAMA", Be32(45455)));
    TStringStream s("xx" + png);
    s.SetPosition(2);
    EXPECT_TRUE(g.CanLoadStream(&s));
    EXPECT_EQ(s.Position(), 2);
    EXPECT_TRUE(g.ReadImageProperties(&s, 0));
    const TImageProperties& p = g.ImageProperties();
    EXPECT_EQ(p.Width, 7u);
    EXPECT_EQ(p.Height, 5u);
    EXPECT_EQ(p.ColorScheme, csRGB);
    EXPECT_EQ(p.SamplesPerPixel, 3);
    EXPECT_EQ(p.BitsPerPixel, 24);
    EXPECT_EQ(p.Compression, ctLZ77);
    EXPECT_TRUE(p.Interlaced);
    EXPECT_NEAR(p.FileGamma, 0.45455f, 1e-6);
    EXPECT_EQ(p.Options & ioBigEndian, ioBigEndian);
    // Loading applies the gamma and says so.
    s.SetPosition(2);
    g.LoadFromStream(&s);
    EXPECT_EQ(g.ImageProperties().Options & ioUseGamma, ioUseGamma);
    TPNGGraphic copy;
    copy.Assign(&g);
    EXPECT_EQ(copy.ImageProperties().Width, 7u);
    TBitmap plain(2, 2);
    copy.Assign(&plain); // a plain bitmap leaves the properties as they were
    EXPECT_EQ(copy.ImageProperties().Width, 7u);
}

TEST(PngGraphic, GammaOfOneFileDoesNotColourTheNext) {
    TPNGGraphic g;
    auto load = [&](const std::string& extra) {
        TStringStream s(Png(
            1, 1, 8, 2, 0, [](int, int, int) { return 100; }, extra));
        g.LoadFromStream(&s);
        return int(Line(g, 0)[0]);
    };
    const int corrected = load(Chunk("gAMA", Be32(100000)));
    EXPECT_NE(corrected, 100);
    EXPECT_EQ(load(""), 100);
    EXPECT_EQ(g.ImageProperties().Options & ioUseGamma, 0);
}

TEST(PngGraphic, ProgressAlwaysEnds) {
    std::vector<TProgressStage> stages;
    TPNGGraphic g;
    g.OnProgress = [&](TProgressStage stage, int, bool, const TRect&, const std::string&) {
        stages.push_back(stage);
    };
    TStringStream bad(Signature() + Ihdr(2, 2, 8, 0) + Chunk("IDAT", "\x78\x9c\xff\xff") + Chunk("IEND", ""));
    EXPECT_THROW(g.LoadFromStream(&bad), EInvalidGraphic);
    ASSERT_FALSE(stages.empty());
    EXPECT_EQ(stages.front(), psStarting);
    EXPECT_EQ(stages.back(), psEnding);
}

TEST(PngGraphic, LoadFromFileAndCanLoadFile) {
    const std::string path = OutPath("splash-test.png");
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        const std::string png = Png(3, 3, 8, 6, 0, [](int, int, int) { return 200; });
        std::fwrite(png.data(), 1, png.size(), f);
        std::fclose(f);
    }
    TPNGGraphic g;
    EXPECT_TRUE(g.CanLoadFile(path));
    g.LoadFromFile(path);
    EXPECT_NO_THROW(RequirePixelFormat32(g));
    EXPECT_THROW(g.CanLoadFile(OutPath("no-such-file.png")), EFOpenError);
}

TEST(FileFormatList, StartUpRegistrationsAndShutDown) {
    TPictureFormats registry;
    PicLibInitialize(registry);
    TFileFormatList* list = FileFormatList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->FindExtension("PNG"), list->FindExtension("png"));
    EXPECT_GE(list->FindExtension("png"), 0);
    EXPECT_EQ(list->FindExtension(""), -1);
    const int bitmap = list->FindGraphicClass(GraphicClassBitmap());
    ASSERT_GE(bitmap, 0);
    EXPECT_EQ(list->ClassEntries()[std::size_t(bitmap)]->Count, 3);
    EXPECT_EQ(registry.Find("emf")->Description, "Windows enhanced meta files");
    EXPECT_EQ(registry.Find("wmf")->Description, "Windows metafiles");
    EXPECT_EQ(registry.Find("jpg")->Description, "JPG images");
    EXPECT_EQ(registry.Find("png")->Description, "Portable network graphic images");
    EXPECT_EQ(registry.Find("png")->Class, GraphicClassPNGGraphic());
    try {
        list->AddFormat("PNG", "", "", fkRaster, false, GraphicClassBitmap());
        ADD_FAILURE();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Attempt to register PNG twice.");
    }
    // Replacing moves the extension to the new class; the old class entry goes when unused.
    list->AddFormat("ico", "", "", fkRaster, true, GraphicClassBitmap());
    EXPECT_EQ(list->FindGraphicClass(GraphicClassIcon()), -1);
    EXPECT_EQ(list->ClassEntries()[std::size_t(list->FindGraphicClass(GraphicClassBitmap()))]->Count, 4);
    list->RemoveFormat("rle", GraphicClassBitmap());
    list->RemoveFormat("dib", GraphicClassBitmap());
    EXPECT_NE(registry.Find("bmp"), nullptr);
    PicLibFinalize();
    EXPECT_EQ(FileFormatList(), nullptr);
    EXPECT_TRUE(registry.Entries().empty());
}

} // namespace

namespace {
// The splash window's road: the picture library registered with the class library's pictures, a PNG
// file loaded by its extension, the caller's 32-bit check, then the BGRA scan lines.
class SplashRoad : public testing::Test {
protected:
    void SetUp() override {
        for (const char* ext : {"bmp", "ico"})
            Saved.push_back({ext, TPicture::FileFormatDescription(ext), TPicture::FindGraphicClass(ext)});
        PicLibInitialize();
    }
    void TearDown() override {
        PicLibFinalize(); // unregisters the library's classes, bitmaps and icons among them
        for (const auto& s : Saved)
            if (s.Class) TPicture::RegisterFileFormat(s.Extension, s.Description, s.Class);
    }
    static std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = pngfix::OutPath(name);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    struct Registration {
        std::string Extension, Description;
        TGraphicClass Class;
    };
    std::vector<Registration> Saved;
};

TEST_F(SplashRoad, RgbaFilesLoadAs32BitBgraThroughPictures) {
    EXPECT_EQ(TPicture::FindGraphicClass("png"), GraphicClassPNGGraphic());
    for (int depth : {8, 16}) {
        SCOPED_TRACE(depth);
        const std::string path =
            Write("splash-road-" + std::to_string(depth) + ".png",
                  Png(9, 4, depth, 6, 0, [&](int x, int y, int c) { return Rgba(x, y, c, depth); }));
        TPicture picture;
        picture.LoadFromFile(path);
        auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
        ASSERT_NE(bitmap, nullptr);
        RequirePixelFormat32(*bitmap);
        ASSERT_EQ(bitmap->Width(), 9);
        ASSERT_EQ(bitmap->Height(), 4);
        for (int y = 0; y < 4; ++y) {
            const std::uint8_t* line = Line(*bitmap, y);
            for (int x = 0; x < 9; ++x)
                for (int c = 0; c < 4; ++c) {
                    const int v = Rgba(x, y, c, depth);
                    const int expected = depth == 16 ? v * 255 / 65535 : v;
                    const int byte = c == 3 ? 3 : 2 - c; // B, G, R, A
                    ASSERT_EQ(line[4 * x + byte], expected) << x << "," << y << " sample " << c;
                }
        }
    }
}

TEST_F(SplashRoad, OtherFormatsStopAtTheCallersCheck) {
    const std::string path =
        Write("splash-road-rgb.png", Png(3, 3, 8, 2, 0, [](int x, int, int) { return x; }));
    TPicture picture;
    picture.LoadFromFile(path);
    auto* bitmap = dynamic_cast<TBitmap*>(picture.Graphic());
    ASSERT_NE(bitmap, nullptr);
    try {
        RequirePixelFormat32(*bitmap);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Wrong bitmap format - must be 32 bits/pixel");
    }
    // A damaged file raises the reader's error and leaves the picture as it was.
    const std::string bad = Write("splash-road-bad.png", "\x89PNG\r\n\x1a\nnonsense");
    EXPECT_THROW(picture.LoadFromFile(bad), EInvalidGraphic);
    EXPECT_EQ(picture.Graphic(), bitmap);
}
} // namespace
