#include "GdiTestUtil.h"

#include "platform/gdi/GdiPlus.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StreamAdapter.h"

#include <string>
#include <vector>

using namespace gdi_test;

namespace {
// A 2x2 straight-alpha picture: opaque red, half-transparent blue, transparent, opaque white.
GpBitmap* SamplePicture() {
    const std::uint32_t pixels[4] = {0xFFFF0000u, 0x800000FFu, 0x00000000u, 0xFFFFFFFFu};
    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(2, 2, 8, PixelFormat32bppARGB,
                                        reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels)), &bitmap),
              Ok);
    return bitmap;
}

ARGB PixelOf(GpBitmap* bitmap, int x, int y) {
    ARGB c = 0;
    GdipBitmapGetPremultipliedPixel(bitmap, x, y, &c);
    return c;
}

// A one-row straight-alpha picture of the given pixels.
GpBitmap* RowPicture(const std::vector<std::uint32_t>& pixels) {
    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(int(pixels.size()), 1, int(pixels.size()) * 4, PixelFormat32bppARGB,
                                        reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels.data())),
                                        &bitmap),
              Ok);
    return bitmap;
}

// An empty premultiplied picture to draw into, and its graphics.
GpBitmap* DrawingTarget(int width, int height, GpGraphics*& graphics) {
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppPARGB, nullptr, &target);
    GdipGetImageGraphicsContext(target, &graphics);
    return target;
}

// The same four colours as 8x8 quadrants of a 16x16 picture (lossy codecs keep flat areas).
GpBitmap* QuadrantPicture() {
    const std::uint32_t colors[4] = {0xFFFF0000u, 0x800000FFu, 0x00000000u, 0xFFFFFFFFu};
    std::vector<std::uint32_t> pixels(256);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pixels[std::size_t(y) * 16 + x] = colors[(y / 8) * 2 + x / 8];
    GpBitmap* bitmap = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(16, 16, 64, PixelFormat32bppARGB,
                                        reinterpret_cast<BYTE*>(pixels.data()), &bitmap),
              Ok);
    return bitmap;
}

std::string MimeOf(const ImageCodecInfo& info) {
    std::string s;
    for (const WCHAR* p = info.MimeType; *p; ++p)
        s += char(*p);
    return s;
}
} // namespace

TEST(GdiPlus, StartupAlwaysSucceedsWithNotificationHooks) {
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    input.SuppressBackgroundThread = TRUE;
    GdiplusStartupOutput output;
    ASSERT_EQ(GdiplusStartup(&token, &input, &output), Ok);
    ASSERT_NE(output.NotificationHook, nullptr);
    ULONG_PTR hook = 0;
    EXPECT_EQ(output.NotificationHook(&hook), Ok);
    output.NotificationUnhook(hook);
    input.GdiplusVersion = 2;
    EXPECT_EQ(GdiplusStartup(&token, &input, &output), UnsupportedGdiplusVersion);
    void* memory = GdipAlloc(16);
    EXPECT_NE(memory, nullptr);
    GdipFree(memory);
    GdiplusShutdown(token);
}

TEST(GdiPlus, BitmapsFromScanLinesArePremultipliedAndSized) {
    GpBitmap* bitmap = SamplePicture();
    UINT w = 0, h = 0;
    GdipGetImageWidth(bitmap, &w);
    GdipGetImageHeight(bitmap, &h);
    EXPECT_EQ(w, 2u);
    EXPECT_EQ(h, 2u);
    REAL fw = 0, fh = 0;
    GdipGetImageDimension(bitmap, &fw, &fh);
    EXPECT_EQ(fw, 2.0f);
    EXPECT_EQ(PixelOf(bitmap, 1, 0), 0x80000080u);
    GpBitmap* bad = nullptr;
    EXPECT_EQ(GdipCreateBitmapFromScan0(0, 2, 0, PixelFormat32bppARGB, nullptr, &bad), InvalidParameter);
    GdipDisposeImage(bitmap);
}

TEST(GdiPlus, EncodersListAllFiveMimeTypes) {
    UINT count = 0, size = 0;
    ASSERT_EQ(GdipGetImageEncodersSize(&count, &size), Ok);
    ASSERT_EQ(count, 5u);
    std::vector<char> buffer(size);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    ASSERT_EQ(GdipGetImageEncoders(count, size, codecs), Ok);
    std::vector<std::string> mimes;
    for (UINT i = 0; i < count; ++i)
        mimes.push_back(MimeOf(codecs[i]));
    for (const char* mime : {"image/bmp", "image/png", "image/jpeg", "image/tiff", "image/gif"})
        EXPECT_NE(std::find(mimes.begin(), mimes.end(), mime), mimes.end()) << mime;
    EXPECT_EQ(GdipGetImageEncoders(count, size - 1, codecs), GenericError);
}

TEST(GdiPlus, SaveAndLoadRoundTripThroughStreams) {
    UINT count = 0, size = 0;
    GdipGetImageEncodersSize(&count, &size);
    std::vector<char> buffer(size);
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    GdipGetImageEncoders(count, size, codecs);
    GpBitmap* picture = QuadrantPicture();
    struct Case {
        const char* Mime;
        GUID Raw;
        bool KeepsAlpha;
    };
    const Case cases[] = {{"image/png", ImageFormatPNG, true},
                          {"image/bmp", ImageFormatBMP, true},
                          {"image/jpeg", ImageFormatJPEG, false}};
    for (const Case& c : cases) {
        const ImageCodecInfo* codec = nullptr;
        for (UINT i = 0; i < count; ++i)
            if (MimeOf(codecs[i]) == c.Mime) codec = &codecs[i];
        ASSERT_NE(codec, nullptr);
        TMemoryStream memory;
        IStream* stream = new TStreamAdapter(&memory);
        ASSERT_EQ(GdipSaveImageToStream(picture, stream, &codec->Clsid, nullptr), Ok) << c.Mime;
        memory.SetPosition(0);
        GpImage* loaded = nullptr;
        ASSERT_EQ(GdipLoadImageFromStream(stream, &loaded), Ok) << c.Mime;
        stream->Release();
        GUID raw{};
        GdipGetImageRawFormat(loaded, &raw);
        EXPECT_TRUE(raw == c.Raw) << c.Mime;
        auto* bitmap = static_cast<GpBitmap*>(loaded);
        const ARGB red = PixelOf(bitmap, 2, 2);
        EXPECT_NEAR(int((red >> 16) & 0xFF), 255, 8) << c.Mime;
        EXPECT_NEAR(int(red & 0xFF), 0, 8) << c.Mime;
        if (c.KeepsAlpha) {
            EXPECT_EQ(PixelOf(bitmap, 12, 2) >> 24, 0x80u) << c.Mime;
            EXPECT_EQ(PixelOf(bitmap, 2, 12), 0u) << c.Mime;
        }
        GdipDisposeImage(loaded);
    }
    // TIFF and GIF are listed but not written.
    for (UINT i = 0; i < count; ++i)
        if (MimeOf(codecs[i]) == "image/tiff") {
            TMemoryStream memory;
            IStream* stream = new TStreamAdapter(&memory);
            EXPECT_EQ(GdipSaveImageToStream(picture, stream, &codecs[i].Clsid, nullptr), NotImplemented);
            stream->Release();
        }
    GdipDisposeImage(picture);
}

TEST(GdiPlus, LoadingGarbageReportsUnknownFormat) {
    TMemoryStream memory;
    const char junk[] = "this is not a picture";
    memory.Write(junk, sizeof(junk));
    memory.SetPosition(0);
    IStream* stream = new TStreamAdapter(&memory);
    GpImage* image = reinterpret_cast<GpImage*>(1);
    EXPECT_EQ(GdipLoadImageFromStream(stream, &image), UnknownImageFormat);
    stream->Release();
}

TEST(GdiPlus, DrawImageOnDcHonoursOriginClipAlphaMatrixAndCompositing) {
    TMemoryCanvas canvas(6, 2, Green);
    SetWindowOrgEx(canvas.Dc, -1, 0, nullptr); // world (0, 0) is pixel (1, 0)
    IntersectClipRect(canvas.Dc, -1, 0, 3, 2); // device x < 4
    GpGraphics* g = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(canvas.Dc, &g), Ok);
    GpBitmap* picture = SamplePicture();
    GdipSetInterpolationMode(g, InterpolationModeNearestNeighbor);
    ASSERT_EQ(GdipDrawImageRectI(g, picture, 0, 0, 4, 2), Ok); // stretched x2 horizontally
    EXPECT_EQ(canvas.At(0, 0), Green);
    EXPECT_EQ(canvas.At(1, 0), Red);
    EXPECT_EQ(canvas.At(4, 0), Green); // clipped
    // Half-transparent blue over green.
    EXPECT_NEAR(GetBValue(canvas.At(3, 0)), 128, 2);
    EXPECT_NEAR(GetGValue(canvas.At(3, 0)), 127, 2);
    BOOL visible = TRUE;
    GdipIsVisibleRectI(g, 4, 0, 2, 2, &visible);
    EXPECT_FALSE(visible);
    GdipIsVisibleRectI(g, 2, 0, 2, 2, &visible);
    EXPECT_TRUE(visible);
    // A colour matrix scaling alpha by a half: opaque red becomes half red over green.
    GpImageAttributes* attributes = nullptr;
    GdipCreateImageAttributes(&attributes);
    ColorMatrix m{};
    for (int i = 0; i < 5; ++i)
        m.m[i][i] = 1;
    m.m[3][3] = 0.5f;
    GdipSetImageAttributesColorMatrix(attributes, ColorAdjustTypeBitmap, TRUE, &m, nullptr,
                                      ColorMatrixFlagsDefault);
    PatBlt(canvas.Dc, -1, 0, 6, 2, PATCOPY);
    HBRUSH green = CreateSolidBrush(Green);
    RECT all{-1, 0, 5, 2};
    FillRect(canvas.Dc, &all, green);
    DeleteObject(green);
    GdipDrawImageRectRectI(g, picture, 0, 0, 1, 1, 0, 0, 1, 1, UnitPixel, attributes, nullptr, nullptr);
    EXPECT_NEAR(GetRValue(canvas.At(1, 0)), 128, 2);
    EXPECT_NEAR(GetGValue(canvas.At(1, 0)), 127, 2);
    // Source copy replaces the pixels, transparency included.
    GdipSetCompositingMode(g, CompositingModeSourceCopy);
    GdipDrawImageRectRectI(g, picture, 0, 1, 1, 1, 0, 1, 1, 1, UnitPixel, nullptr, nullptr, nullptr);
    EXPECT_EQ(canvas.Surface().Pixel(1, 1), 0u);
    GdipDisposeImageAttributes(attributes);
    GdipDisposeImage(picture);
    GdipDeleteGraphics(g);
}

TEST(GdiPlus, InterpolationModesWhenEnlarging) {
    GpBitmap* two = RowPicture({0xFF000000u, 0xFFFFFFFFu});
    GpGraphics* g = nullptr;
    GpBitmap* target = DrawingTarget(8, 1, g);
    GdipSetInterpolationMode(g, InterpolationModeNearestNeighbor);
    GdipDrawImageRectI(g, two, 0, 0, 8, 1);
    EXPECT_EQ(PixelOf(target, 3, 0), 0xFF000000u);
    EXPECT_EQ(PixelOf(target, 4, 0), 0xFFFFFFFFu);
    GdipSetInterpolationMode(g, InterpolationModeHighQualityBicubic);
    GdipDrawImageRectI(g, two, 0, 0, 8, 1);
    const ARGB middle = PixelOf(target, 3, 0);
    EXPECT_GT(middle & 0xFF, 0x20u); // a blend between black and white
    EXPECT_LT(middle & 0xFF, 0xE0u);
    GdipDeleteGraphics(g);
    GdipDisposeImage(two);
    GdipDisposeImage(target);
}

TEST(GdiPlus, EnlargedPartsSampleOnTheDefaultPixelGrid) {
    // A row A A B B: the part at x 2 (B B) enlarged starts exactly on B; the part at x 0 (A A) starts exactly
    // on A and reaches one pixel past itself at its far end, as callers that shrink the part expect.
    const std::uint32_t a = 0xFF000000u, b = 0xFFFFFFFFu;
    GpBitmap* row = RowPicture({a, a, b, b});
    GpGraphics* g = nullptr;
    GpBitmap* target = DrawingTarget(8, 2, g);
    GdipDrawImageRectRectI(g, row, 0, 0, 8, 1, 2, 0, 2, 1, UnitPixel, nullptr, nullptr, nullptr);
    GdipDrawImageRectRectI(g, row, 0, 1, 8, 1, 0, 0, 2, 1, UnitPixel, nullptr, nullptr, nullptr);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(PixelOf(target, x, 0), b) << x;
    for (int x = 0; x <= 4; ++x) // x * 2 / 8 up to the part's last pixel
        EXPECT_EQ(PixelOf(target, x, 1), a) << x;
    EXPECT_GT(PixelOf(target, 7, 1) & 0xFF, 0x40u); // the far end blends towards the next pixel
    GdipDeleteGraphics(g);
    GdipDisposeImage(row);
    GdipDisposeImage(target);
}

TEST(GdiPlus, BrushesFillSolidGradientAndTexture) {
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppPARGB, nullptr, &target);
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(target, &g);
    GpSolidFill* solid = nullptr;
    GdipCreateSolidFill(0x80FF0000u, &solid);
    GdipFillRectangleI(g, solid, 0, 0, 1, 1);
    EXPECT_EQ(PixelOf(target, 0, 0), 0x80800000u);
    GdipDeleteBrush(solid);
    // Horizontal gradient from black to white over x 0..4: darker on the left.
    GpRect r{0, 0, 4, 4};
    GpLineGradient* gradient = nullptr;
    ASSERT_EQ(GdipCreateLineBrushFromRectI(&r, 0xFF000000u, 0xFFFFFFFFu, LinearGradientModeHorizontal,
                                           WrapModeTile, &gradient),
              Ok);
    GdipFillRectangleI(g, gradient, 0, 1, 4, 1);
    EXPECT_LT(PixelOf(target, 0, 1) & 0xFF, PixelOf(target, 3, 1) & 0xFF);
    EXPECT_EQ(PixelOf(target, 0, 1), PixelOf(target, 0, 1) | 0xFF000000u);
    GdipDeleteBrush(gradient);
    // A texture of the sample picture's top row, tiled from world (0, 0).
    GpBitmap* picture = SamplePicture();
    GpTexture* texture = nullptr;
    ASSERT_EQ(GdipCreateTexture2I(picture, WrapModeTile, 0, 0, 2, 1, &texture), Ok);
    GdipSetCompositingMode(g, CompositingModeSourceCopy);
    GdipFillRectangleI(g, texture, 0, 2, 4, 1);
    EXPECT_EQ(PixelOf(target, 0, 2), 0xFFFF0000u);
    EXPECT_EQ(PixelOf(target, 2, 2), 0xFFFF0000u);
    EXPECT_EQ(PixelOf(target, 3, 2), 0x80000080u);
    GdipDeleteBrush(texture);
    GpTexture* outside = nullptr;
    EXPECT_NE(GdipCreateTexture2I(picture, WrapModeTile, 1, 1, 2, 2, &outside), Ok);
    GdipDeleteGraphics(g);
    GdipDisposeImage(picture);
    GdipDisposeImage(target);
}

TEST(GdiPlus, TextureFillsRepeatTheTileFromTheWorldOriginWhereverTheyStart) {
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(20, 4, 0, PixelFormat32bppPARGB, nullptr, &target);
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(target, &g);
    // A 3 x 2 tile: opaque in its first row, half transparent in its second.
    std::uint32_t tilePixels[6];
    for (int i = 0; i < 6; ++i)
        tilePixels[i] =
            i < 3 ? 0xFF000000u | std::uint32_t(40 * (i + 1)) : 0x80000000u | std::uint32_t(20 * i);
    GpBitmap* tile = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(3, 2, 12, PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(tilePixels),
                                        &tile),
              Ok);
    GpTexture* texture = nullptr;
    ASSERT_EQ(GdipCreateTexture2I(tile, WrapModeTile, 0, 0, 3, 2, &texture), Ok);
    GdipFillRectangleI(g, texture, 4, 0, 15, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 20; ++x) {
            const std::uint32_t expected = x < 4 || x >= 19 ? 0u : tilePixels[(y % 2) * 3 + x % 3];
            ASSERT_EQ(PixelOf(target, x, y), expected) << x << "," << y;
        }
    // The same part drawn at its own size is copied as it is.
    GdipDrawImageRectRectI(g, tile, 0, 0, 2, 2, 1, 0, 2, 2, UnitPixel, nullptr, nullptr, nullptr);
    EXPECT_EQ(PixelOf(target, 0, 0), tilePixels[1]);
    EXPECT_EQ(PixelOf(target, 1, 0), tilePixels[2]);
    GdipDeleteBrush(texture);
    GdipDeleteGraphics(g);
    GdipDisposeImage(tile);
    GdipDisposeImage(target);
}

TEST(GdiPlus, HbitmapConversions) {
    GpBitmap* picture = SamplePicture();
    HBITMAP hbm = nullptr;
    ASSERT_EQ(GdipCreateHBITMAPFromBitmap(picture, &hbm, 0), Ok);
    auto surface = GdiGetBitmapSurface(hbm);
    EXPECT_EQ(surface->Pixel(1, 0), 0x80000080u); // premultiplied, alpha kept over a transparent background
    GpBitmap* back = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromHBITMAP(hbm, nullptr, &back), Ok);
    EXPECT_EQ(PixelOf(back, 1, 0), 0xFF000080u); // device bitmaps come in opaque
    PixelFormat format = 0;
    GdipGetImagePixelFormat(back, &format);
    EXPECT_EQ(format, PixelFormat32bppRGB);
    GdipDisposeImage(back);
    GdipDisposeImage(picture);
    DeleteObject(hbm);
}

TEST(GdiPlus, GradientModesRunTheirWayAndTile) {
    struct Case {
        LinearGradientMode Mode;
        POINT Dark, Light; // a pixel near the start colour and one near the end colour
    };
    const Case cases[] = {
        {LinearGradientModeHorizontal, {0, 5}, {9, 5}},
        {LinearGradientModeVertical, {5, 0}, {5, 9}},
        {LinearGradientModeForwardDiagonal, {0, 0}, {9, 9}},
        {LinearGradientModeBackwardDiagonal, {9, 0}, {0, 9}},
    };
    for (const Case& c : cases) {
        GpBitmap* target = nullptr;
        GdipCreateBitmapFromScan0(20, 10, 0, PixelFormat32bppPARGB, nullptr, &target);
        GpGraphics* g = nullptr;
        GdipGetImageGraphicsContext(target, &g);
        GpRect r{0, 0, 10, 10};
        GpLineGradient* brush = nullptr;
        ASSERT_EQ(GdipCreateLineBrushFromRectI(&r, 0xFF000000u, 0xFFFFFFFFu, c.Mode, WrapModeTile, &brush),
                  Ok);
        GdipFillRectangleI(g, brush, 0, 0, 20, 10);
        const ARGB dark = PixelOf(target, c.Dark.x, c.Dark.y), light = PixelOf(target, c.Light.x, c.Light.y);
        EXPECT_LT(dark & 0xFF, 0x40u) << c.Mode;
        EXPECT_GT(light & 0xFF, 0xC0u) << c.Mode;
        GdipDeleteBrush(brush);
        GdipDeleteGraphics(g);
        GdipDisposeImage(target);
    }
    // Tiled: the horizontal gradient starts again at x = 10.
    GpBitmap* target = nullptr;
    GdipCreateBitmapFromScan0(20, 1, 0, PixelFormat32bppPARGB, nullptr, &target);
    GpGraphics* g = nullptr;
    GdipGetImageGraphicsContext(target, &g);
    GpRect r{0, 0, 10, 1};
    GpLineGradient* brush = nullptr;
    GdipCreateLineBrushFromRectI(&r, 0xFF000000u, 0xFFFFFFFFu, LinearGradientModeHorizontal, WrapModeTile,
                                 &brush);
    GdipFillRectangleI(g, brush, 0, 0, 20, 1);
    EXPECT_EQ(PixelOf(target, 12, 0), PixelOf(target, 2, 0));
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(g);
    GdipDisposeImage(target);
}
