// PNG images as graphics of the class library: drawing on a bitmap's canvas, assignment with bitmaps,
// pictures, the clipboard form and the file-format registration.
#include "PngFixture.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngRegistration.h"
#include "imaging/png/SkinPngImage.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Picture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace png_canvas_test {
using namespace pngfix;

constexpr COLORREF Back = RGB(10, 20, 30);

TEST(PngCanvas, AlphaBlendsOverTheCanvasAtThePosition) {
    // Alpha 0, 255 and 128 of the colour (200, 100, 50), drawn at (1, 1).
    auto png = Load(Png(3, 1, 8, 6, 0, [](int x, int, int c) {
        const int colour[3] = {200, 100, 50};
        return c == 3 ? (x == 0 ? 0 : x == 1 ? 255 : 128) : colour[c];
    }));
    auto bitmap = FilledBitmap32(5, 3, Back);
    bitmap->Canvas()->Draw(1, 1, png.get());
    auto blend = [](int s, int d) { return (s * 128 + 127 * d + 255) / 256; };
    EXPECT_EQ(BitmapPixel(*bitmap, 0, 1), Back);
    EXPECT_EQ(BitmapPixel(*bitmap, 1, 1), Back); // alpha 0
    EXPECT_EQ(BitmapPixel(*bitmap, 2, 1), RGB(200, 100, 50));
    EXPECT_EQ(BitmapPixel(*bitmap, 3, 1), RGB(blend(200, 10), blend(100, 20), blend(50, 30)));
    EXPECT_EQ(BitmapPixel(*bitmap, 4, 1), Back);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(BitmapPixel(*bitmap, x, 0), Back);
        EXPECT_EQ(BitmapPixel(*bitmap, x, 2), Back);
    }
}

TEST(PngCanvas, StretchingFollowsTheTransparencyKind) {
    // A 2 x 2 image into a 4 x 4 rectangle: opaque and key-colour images stretch, blended ones keep
    // their size at the top-left corner.
    auto colour = [](int x, int y) { return RGB(40 + 100 * x, 60 + 100 * y, 7); };
    struct Case {
        const char* Name;
        std::string Bytes;
        bool Stretched;
        bool KeyAtOrigin; // pixel (0, 0) of the image is the key colour
    };
    auto sample = [&](int x, int y, int c) {
        const COLORREF v = colour(x, y);
        return c == 0 ? GetRValue(v) : c == 1 ? GetGValue(v) : c == 2 ? GetBValue(v) : 255;
    };
    const COLORREF key = colour(0, 0);
    const std::string keyChunk =
        Chunk("tRNS", Be16(GetRValue(key)) + Be16(GetGValue(key)) + Be16(GetBValue(key)));
    const Case cases[] = {{"opaque", Png(2, 2, 8, 2, 0, sample), true, false},
                          {"key colour", Png(2, 2, 8, 2, 0, sample, keyChunk), true, true},
                          {"alpha", Png(2, 2, 8, 6, 0, sample), false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto png = Load(c.Bytes);
        auto bitmap = FilledBitmap32(5, 5, Back);
        bitmap->Canvas()->StretchDraw(RECT{0, 0, 4, 4}, png.get());
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                COLORREF expected = Back;
                if (c.Stretched && x < 4 && y < 4) expected = colour(x / 2, y / 2);
                if (!c.Stretched && x < 2 && y < 2) expected = colour(x, y);
                if (c.KeyAtOrigin && x < 2 && y < 2) expected = Back;
                EXPECT_EQ(BitmapPixel(*bitmap, x, y), expected) << x << "," << y;
            }
    }
}

TEST(PngCanvas, SkinImageBlendsScaledToTheRectangle) {
    const std::string bytes =
        Png(2, 2, 8, 6, 0, [](int x, int y, int c) { return c == 3 ? 255 : 50 + x * 100 + y * 20; });
    TStringStream stream(bytes);
    TskPngImage skin;
    skin.LoadFromStream(&stream);
    auto bitmap = FilledBitmap32(5, 5, Back);
    bitmap->Canvas()->StretchDraw(RECT{1, 1, 5, 5}, &skin);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const int v = 50 + (x - 1) / 2 * 100 + (y - 1) / 2 * 20;
            EXPECT_EQ(BitmapPixel(*bitmap, x, y), x == 0 || y == 0 ? Back : RGB(v, v, v)) << x << "," << y;
        }
}

TEST(PngCanvas, EmptyImageDrawsNothing) {
    TPngPicture empty;
    auto bitmap = FilledBitmap32(2, 2, Back);
    bitmap->Canvas()->StretchDraw(RECT{0, 0, 2, 2}, &empty);
    EXPECT_EQ(BitmapPixel(*bitmap, 1, 1), Back);
}

TEST(PngBitmapAssign, FromA32BitBitmapIsAn8BitRgbImage) {
    auto bitmap = FilledBitmap32(3, 2, Back);
    bitmap->Canvas()->SetPixels(2, 1, TColor(RGB(1, 2, 3)));
    TPngPicture png;
    png.Assign(bitmap.get());
    ASSERT_TRUE(png.HasHeader());
    EXPECT_EQ(png.HeaderChunk()->ColorType, 2);
    EXPECT_EQ(png.HeaderChunk()->BitDepth, 8);
    EXPECT_EQ(png.GetPixel(0, 0), Back);
    EXPECT_EQ(png.GetPixel(2, 1), RGB(1, 2, 3));
    EXPECT_FALSE(png.Transparent());
    // A transparent bitmap hands its colour over as the key.
    bitmap->SetTransparentColor(TColor(Back));
    bitmap->SetTransparent(true);
    png.Assign(bitmap.get());
    EXPECT_EQ(png.TransparencyKind(), tkBit);
    EXPECT_EQ(png.KeyColor(), Back);
}

TEST(PngBitmapAssign, ToBitmapsOfTheHeldDepth) {
    struct Case {
        const char* Name;
        std::string Bytes;
        TPixelFormat Format;
        bool Transparent;
    };
    auto index = [](int x, int y, int) { return (x + y) % 3; };
    const std::string keyed = Plte(3) + Chunk("tRNS", std::string("\xFF\x00", 2));
    const Case cases[] = {
        {"RGBA", Png(3, 2, 8, 6, 0, [](int x, int, int c) { return c == 3 ? 77 : 30 * x + c; }), pf24bit,
         false},
        {"palette with key", Png(3, 2, 8, 3, 0, index, keyed), pf8bit, true},
        {"4-bit palette", Png(3, 2, 4, 3, 0, index, Plte(3)), pf4bit, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto png = Load(c.Bytes);
        TBitmap bitmap;
        png->AssignTo(&bitmap);
        EXPECT_EQ(bitmap.PixelFormat(), c.Format);
        EXPECT_EQ(bitmap.Transparent(), c.Transparent);
        if (c.Transparent) {
            EXPECT_EQ(ColorToRGB(bitmap.TransparentColor()), PlteColor(1));
        }
        ASSERT_EQ(bitmap.Width(), 3);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(x, y)), png->GetPixel(x, y)) << x << "," << y;
        // And back: the same pixels.
        TPngPicture back;
        back.Assign(&bitmap);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(back.GetPixel(x, y), png->GetPixel(x, y));
    }
}

TEST(PngBitmapAssign, PicturesCopyAndTheClipboardRoundTrips) {
    auto png = Load(Png(4, 3, 8, 2, 0, [](int x, int y, int c) { return x * 50 + y * 9 + c; }));
    TPicture picture;
    picture.SetGraphic(png.get());
    auto* held = dynamic_cast<TPngPicture*>(picture.Graphic());
    ASSERT_NE(held, nullptr);
    EXPECT_NE(held, png.get());
    EXPECT_EQ(held->GetPixel(3, 2), png->GetPixel(3, 2));

    UINT format = 0;
    std::vector<BYTE> data;
    png->SaveToClipboardFormat(format, data);
    TPngPicture pasted;
    pasted.LoadFromClipboardFormat(format, data);
    ASSERT_EQ(pasted.Width(), 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pasted.GetPixel(x, y), png->GetPixel(x, y));
}

TEST(PngBitmapAssign, OtherGraphicsRaiseTheConversionError) {
    TPngPicture png;
    TPicture notAGraphic;
    EXPECT_THROW(png.Assign(&notAGraphic), Exception);
}

TEST(PngCodecStartUp, PicturesLoadPngFilesByExtension) {
    const std::string path = OutPath("codec-startup.png");
    const std::string bytes = Png(2, 2, 8, 6, 0, [](int x, int, int c) { return c == 3 ? 255 : 90 + x; });
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    PngCodecInitialize();
    TPicture picture;
    picture.LoadFromFile(path);
    auto* png = dynamic_cast<TPngPicture*>(picture.Graphic());
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->GetPixel(1, 0), RGB(91, 91, 91));
    PngCodecFinalize();
    EXPECT_THROW(picture.LoadFromFile(path), EInvalidGraphic);
    EXPECT_EQ(picture.Graphic(), png); // the failed load kept the picture
}

} // namespace png_canvas_test

namespace png_canvas_test {
TEST(SkinPngAssign, ToBitmapsByDepthAndTransparency) {
    struct Case {
        const char* Name;
        std::string Bytes;
        TPixelFormat Format;
        bool Transparent;
    };
    auto ramp = [](int x, int y, int c) { return c == 3 ? 255 : 40 * x + 10 * y + c; };
    const Case cases[] = {
        {"RGBA", pngfix::Png(3, 2, 8, 6, 0, ramp), pf24bit, false},
        {"RGB 16-bit", pngfix::Png(3, 2, 16, 2, 0, [&](int x, int y, int c) { return ramp(x, y, c) * 257; }),
         pf24bit, false},
        {"palette with key",
         pngfix::Png(
             3, 2, 8, 3, 0, [](int x, int, int) { return x; },
             pngfix::Plte(3) + pngfix::Chunk("tRNS", std::string("\xFF\x00", 2))),
         pf8bit, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TStringStream stream(c.Bytes);
        TskPngImage skin;
        skin.LoadFromStream(&stream);
        TBitmap bitmap;
        skin.AssignTo(&bitmap);
        EXPECT_EQ(bitmap.PixelFormat(), c.Format);
        EXPECT_EQ(bitmap.Transparent(), c.Transparent);
        ASSERT_EQ(bitmap.Width(), 3);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(x, y)), skin.GetPixel(x, y)) << x << "," << y;
    }
}
} // namespace png_canvas_test

namespace png_canvas_test {
TEST(PngCanvas, RectanglesReachingOutsideTheCanvasDrawTheVisiblePart) {
    // A 2 x 2 image stretched over 200000 x 200000 pixels, starting left of and above the canvas: the
    // canvas shows the middle of the top-left pixel's block.
    auto png = Load(Png(2, 2, 8, 2, 0, [](int x, int y, int c) { return c == 0 ? 100 * x + 50 * y : 0; }));
    auto bitmap = FilledBitmap32(3, 3, Back);
    bitmap->Canvas()->StretchDraw(RECT{-5, -5, 199995, 199995}, png.get());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(BitmapPixel(*bitmap, x, y), RGB(0, 0, 0));
    // Blended images drawn partly outside: the inside part lands where it belongs.
    auto alpha =
        Load(Png(2, 2, 8, 6, 0, [](int x, int y, int c) { return c == 3 ? 255 : 100 * x + 50 * y; }));
    bitmap->Canvas()->Draw(2, -1, alpha.get());
    EXPECT_EQ(BitmapPixel(*bitmap, 2, 0), RGB(50, 50, 50));
    EXPECT_EQ(BitmapPixel(*bitmap, 2, 1), RGB(0, 0, 0));
}
} // namespace png_canvas_test
