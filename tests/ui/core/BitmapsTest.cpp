#include "GraphicsTestSupport.h"

#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Numerics.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/graphics/AlphaBitmap.h"
#include "ui/core/graphics/BitmapStream.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Colors.h"

#include <cstring>
#include <functional>
#include <vector>

using namespace ui_core_test;
using namespace graphics_test;

namespace {

using Bytes = std::vector<std::uint8_t>;

class BitmapsTest : public UiCoreTest {};

Bytes Blocks(std::initializer_list<int> AValues, int ABlockSize) {
    Bytes out;
    for (int v : AValues)
        for (int i = 0; i < ABlockSize; ++i)
            out.push_back(static_cast<std::uint8_t>(v + i));
    return out;
}

Bytes StreamBytes(TMemoryStream& AStream) {
    const auto* p = static_cast<const std::uint8_t*>(AStream.Memory());
    return Bytes(p, p + AStream.Size());
}

// ---- Packets

TEST(BitmapStreamTest, ThreeHundredEqualBlocksAreRepeatPacketsOf125And125And50) {
    const Bytes data(300, 7);
    EXPECT_EQ(xdbm::PackBlocks(data.data(), 300, 1), (Bytes{125, 7, 125, 7, 50, 7}));
}

TEST(BitmapStreamTest, OneHundredThirtyDifferentBlocksAreLiteralPacketsOf125And5) {
    Bytes data;
    for (int i = 0; i < 130; ++i) {
        data.push_back(std::uint8_t(i));
        data.push_back(std::uint8_t(200));
    }
    const Bytes packed = xdbm::PackBlocks(data.data(), 130, 2);
    ASSERT_EQ(packed.size(), 2u + 130u * 2u);
    EXPECT_EQ(packed[0], 0x80 | 125);
    EXPECT_EQ(Bytes(packed.begin() + 1, packed.begin() + 251), Bytes(data.begin(), data.begin() + 250));
    EXPECT_EQ(packed[251], 0x80 | 5);
    EXPECT_EQ(Bytes(packed.begin() + 252, packed.end()), Bytes(data.begin() + 250, data.end()));
}

TEST(BitmapStreamTest, RepeatLiteralRepeat) {
    const Bytes data = Blocks({10, 10, 20, 30, 30}, 3);
    Bytes expected{2};
    for (const Bytes& part : {Blocks({10}, 3), Bytes{0x81}, Blocks({20}, 3), Bytes{2}, Blocks({30}, 3)})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(xdbm::PackBlocks(data.data(), 5, 3), expected);
}

TEST(BitmapStreamTest, BodiesDecodeBackToThePlainData) {
    Bytes plain{5, 0, 0, 0};
    for (int i = 0; i < 5; ++i)
        plain.push_back(std::uint8_t(i < 3 ? 9 : i));
    const Bytes body = xdbm::EncodeBody(plain, 4);
    EXPECT_EQ(body[0], 4);
    EXPECT_EQ(body[1], 9 % 4);
    EXPECT_EQ(xdbm::DecodeBody(body.data(), body.size(), 2), plain);
    // Version 1: packets alone, one byte a block.
    const Bytes packets = xdbm::PackBlocks(plain.data(), plain.size(), 1);
    EXPECT_EQ(xdbm::DecodeBody(packets.data(), packets.size(), 1), plain);
}

TEST(BitmapStreamTest, DamagedBodiesAreLoadErrors) {
    const Bytes plain{2, 0, 0, 0, 0xAA, 0xBB};
    const Bytes good = xdbm::PackBlocks(plain.data(), plain.size(), 1);
    Bytes inflating = good;
    inflating.insert(inflating.end(), {125, 0xAA});
    Bytes cut = good;
    cut.push_back(0x85);
    cut.push_back(1);
    const Bytes shortPlain = xdbm::PackBlocks(plain.data(), 5, 1);
    const Bytes zeroCount{0x00, 1};
    const Bytes noBlockSize{0, 0, 2, 0, 0, 0};
    struct Case {
        const char* name;
        Bytes body;
        int version;
    };
    const std::vector<Case> cases = {
        {"inflates past its length", inflating, 1},
        {"ends inside a packet", cut, 1},
        {"shorter than its length", shortPlain, 1},
        {"packet of no blocks", zeroCount, 1},
        {"block size 0", noBlockSize, 2},
        {"version 3", good, 3},
        {"version 0", good, 0},
    };
    EXPECT_NO_THROW(xdbm::DecodeBody(good.data(), good.size(), 1));
    for (const Case& c : cases)
        EXPECT_THROW(xdbm::DecodeBody(c.body.data(), c.body.size(), c.version), EInvalidGraphic) << c.name;
}

// A stream of a compressed header (declaring ASize body bytes) and the body.
void WriteHeader(TStream* AStream, std::int32_t ASize, std::int16_t AVersion, const Bytes& ABody) {
    std::uint8_t header[10];
    for (int i = 0; i < 4; ++i)
        header[i] = std::uint8_t(std::uint32_t(ASize) >> (8 * i));
    std::memcpy(header + 4, "XDBM", 4);
    header[8] = std::uint8_t(AVersion);
    header[9] = std::uint8_t(AVersion >> 8);
    AStream->WriteBuffer(header, 10);
    if (!ABody.empty()) AStream->WriteBuffer(ABody.data(), std::int64_t(ABody.size()));
    AStream->SetPosition(0);
}

TEST_F(BitmapsTest, HostileStreamsRaiseInsteadOfLoadingGarbage) {
    TMemoryStream source;
    TuiBitmap original(3, 2);
    original.WriteData(&source);
    const Bytes plain = StreamBytes(source);
    const Bytes body = xdbm::PackBlocks(plain.data(), plain.size(), 1);
    {
        TMemoryStream stream;
        WriteHeader(&stream, std::int32_t(body.size()), 1, body);
        TuiBitmap loaded;
        EXPECT_NO_THROW(loaded.ReadData(&stream));
        EXPECT_EQ(loaded.Width(), 3);
    }
    struct Case {
        const char* name;
        std::int32_t size;
        std::int16_t version;
    };
    const std::vector<Case> cases = {
        {"version 7", std::int32_t(body.size()), 7},
        {"size beyond the stream", std::int32_t(body.size()) + 50, 1},
        {"negative size", -4, 1},
    };
    for (const Case& c : cases) {
        TMemoryStream stream;
        WriteHeader(&stream, c.size, c.version, body);
        TuiBitmap loaded(5, 5);
        EXPECT_THROW(loaded.ReadData(&stream), EInvalidGraphic) << c.name;
        EXPECT_EQ(loaded.Width(), 5) << c.name;
    }
}

// ---- Round trips

// A picture with runs and single pixels, in a format's own colours.
std::unique_ptr<TuiBitmap> Picture(TPixelFormat AFormat) {
    auto bitmap = std::make_unique<TuiBitmap>(21, 9, AFormat);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(RECT{0, 0, 21, 9});
    canvas->Brush()->SetColor(clBlack);
    canvas->FillRect(RECT{2, 1, 9, 6});
    canvas->SetPixels(15, 4, clBlack);
    canvas->SetPixels(16, 4, clRed);
    canvas->SetPixels(17, 5, TColor(0x123456));
    if (AFormat == pf32bit)
        for (int x = 0; x < 21; ++x)
            SetPixelAt(*bitmap, x, 7, Bgra(x, 2 * x, 3 * x, 10 * x));
    return bitmap;
}

TEST_F(BitmapsTest, CompressedStreamsRoundTripAtEveryDepthAsThePlainFormDoes) {
    struct Case {
        TPixelFormat format;
        int blockSize;
    };
    const std::vector<Case> cases = {{pf1bit, 1}, {pf8bit, 1}, {pf16bit, 2}, {pf24bit, 3}, {pf32bit, 4}};
    for (const Case& c : cases) {
        auto picture = Picture(c.format);
        TMemoryStream plainStream;
        picture->WriteData(&plainStream);
        picture->SetCompressData(true);
        TMemoryStream packedStream;
        picture->WriteData(&packedStream);
        const Bytes packed = StreamBytes(packedStream);
        ASSERT_GE(packed.size(), 12u);
        EXPECT_EQ(std::string(packed.begin() + 4, packed.begin() + 8), "XDBM");
        EXPECT_EQ(packed[8] | (packed[9] << 8), 2);
        EXPECT_EQ(packed[10], c.blockSize) << c.format;
        EXPECT_EQ(packed[11], (plainStream.Size()) % c.blockSize);
        if (c.blockSize > 1) {
            EXPECT_LT(packedStream.Size(), plainStream.Size()) << c.format;
        }

        plainStream.SetPosition(0);
        packedStream.SetPosition(0);
        TuiBitmap fromPlain, fromPacked;
        fromPlain.ReadData(&plainStream);
        fromPacked.ReadData(&packedStream);
        EXPECT_EQ(packedStream.Position(), packedStream.Size());
        EXPECT_EQ(fromPacked.PixelFormat(), c.format);
        ASSERT_EQ(fromPacked.Width(), 21);
        ASSERT_EQ(fromPacked.Height(), 9);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 21; ++x)
                ASSERT_EQ(PixelAt(fromPacked, x, y), PixelAt(fromPlain, x, y))
                    << c.format << " " << x << "," << y;
        if (c.format == pf32bit) {
            EXPECT_EQ(PixelAt(fromPacked, 20, 7), Bgra(20, 40, 60, 200));
        }
        EXPECT_EQ(ColorAt(fromPacked, 4, 3), clBlack);
        EXPECT_EQ(ColorAt(fromPacked, 0, 0), clWhite);
    }
}

TEST_F(BitmapsTest, PlainStreamsAreTheClassLibrarysOwnData) {
    auto picture = Picture(pf24bit);
    TMemoryStream mine, library;
    picture->WriteData(&mine);
    picture->TBitmap::WriteData(&library);
    EXPECT_EQ(StreamBytes(mine), StreamBytes(library));
    library.SetPosition(0);
    TuiBitmap loaded;
    loaded.ReadData(&library);
    EXPECT_EQ(ColorAt(loaded, 16, 4), clRed);
}

// ---- Changes and formats

TEST_F(BitmapsTest, ChangesInsideUpdatesNotifyOnceAtTheOutermostEnd) {
    TuiBitmap bitmap(4, 4);
    int changes = 0;
    bitmap.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    bitmap.SetSize(4, 4);
    EXPECT_EQ(changes, 0);
    bitmap.SetSize(-3, 4);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(changes, 1);
    bitmap.Initialize(5, 5, pf32bit);
    EXPECT_EQ(changes, 2);
    bitmap.Initialize(5, 5, pf32bit);
    EXPECT_EQ(changes, 3);
    bitmap.BeginUpdate();
    bitmap.SetSize(6, 6);
    bitmap.SetPixelFormat(pf24bit);
    bitmap.BeginUpdate();
    bitmap.SetSizeFromRect(TRect{0, 0, 7, 7});
    bitmap.EndUpdate();
    EXPECT_EQ(changes, 3);
    bitmap.EndUpdate();
    EXPECT_EQ(changes, 4);
    bitmap.BeginUpdate();
    bitmap.EndUpdate();
    EXPECT_EQ(changes, 4);
    bitmap.BeginUpdate();
    bitmap.EndUpdate(true);
    EXPECT_EQ(changes, 5);
}

TEST_F(BitmapsTest, ABitmap32ChangedToAnotherFormatRaisesWrongPixelFormat) {
    TuiBitmap32 bitmap(2, 2);
    try {
        bitmap.SetPixelFormat(pf24bit);
        FAIL() << "no exception";
    } catch (const EovException& e) {
        EXPECT_EQ(e.Message(), "Wrong PixelFormat");
    }
    TuiBitmap32 batched(2, 2);
    batched.BeginUpdate();
    batched.SetPixelFormat(pf8bit);
    batched.SetPixelFormat(pf32bit);
    EXPECT_NO_THROW(batched.EndUpdate());
}

TEST_F(BitmapsTest, ClearedBitmapsAndTheirSizes) {
    TuiBitmap32 cleared(TRect{0, 0, 3, 2}, true);
    EXPECT_EQ(cleared.Width(), 3);
    EXPECT_EQ(PixelAt(cleared, 2, 1), 0u);
    TuiBitmap fromRect(TRect{5, 5, 9, 7});
    EXPECT_EQ(fromRect.PixelFormat(), pf24bit);
    EXPECT_EQ(fromRect.GetClientRect(), (TRect{0, 0, 4, 2}));
    TuiAlphaBitmap filled(2, 2, clRed);
    filled.Clear();
    EXPECT_EQ(PixelAt(filled, 1, 1), Bgra(0, 0, 255, 255));
    EXPECT_TRUE(filled.IsColorTransparent(Bgra(0, 0, 255, 255)));
    EXPECT_FALSE(filled.IsColorTransparent(Bgra(0, 0, 255, 254)));
}

TEST_F(BitmapsTest, RecoverTransparencyAndMasks) {
    TuiBitmap32 bitmap(3, 1);
    SetPixelAt(bitmap, 0, 0, Bgra(255, 255, 255, 255));
    SetPixelAt(bitmap, 1, 0, Bgra(0, 0, 128, 128));
    SetPixelAt(bitmap, 2, 0, Bgra(255, 0, 0, 0));
    bitmap.RecoverTransparency(clWhite);
    EXPECT_EQ(PixelAt(bitmap, 0, 0), 0u);
    EXPECT_EQ(PixelAt(bitmap, 1, 0), Bgra(0, 0, 128, 128));
    EXPECT_EQ(PixelAt(bitmap, 2, 0), Bgra(255, 0, 0, 255));

    TuiBitmap32 image(3, 1);
    for (int x = 0; x < 3; ++x)
        SetPixelAt(image, x, 0, Bgra(10, 20, 30, 255));
    // Masks are made by tmMask: transparent pixels opaque white, all others 0.
    TuiBitmap32 mask(3, 1, true);
    SetPixelAt(mask, 1, 0, 0xFFFFFFFFu);
    image.ApplyMask(&mask);
    EXPECT_EQ(PixelAt(image, 0, 0), Bgra(10, 20, 30, 255));
    EXPECT_EQ(PixelAt(image, 1, 0), 0u);
    image.MakeOpaque();
    EXPECT_EQ(PixelAt(image, 1, 0), Bgra(0, 0, 0, 255));
}

// ApplyMask as the raster operation "destination AND NOT source" over the whole image from the mask's
// top-left: also where a DC's clipping or origin moves what meets what, the mask is smaller than the image
// or it is monochrome (its white then comes in as the image DC's background colour, with alpha 0).
struct ApplyMaskCase {
    const char* name;
    int maskWidth;
    bool monochrome;
    std::function<void(HDC AImageDC, HDC AMaskDC)> prepare;
    std::vector<int> maskPixelAt; // per image pixel, the mask pixel that meets it; -1: none
};

TEST_F(BitmapsTest, ApplyMaskFollowsTheRasterOperationWhateverTheDCsDo) {
    constexpr int width = 4;
    const std::uint32_t white = 0xFFFFFFFFu;
    // White at 0 and 2, and at 3 where the mask is that wide.
    auto maskPixel = [&](int x) { return x == 1 ? 0u : white; };
    const std::vector<ApplyMaskCase> cases = {
        {"same size", width, false, [](HDC, HDC) {}, {0, 1, 2, 3}},
        {"clipped image",
         width,
         false,
         [](HDC AImage, HDC) { IntersectClipRect(AImage, 0, 0, 2, 1); },
         {0, 1, -1, -1}},
        {"moved image",
         width,
         false,
         [](HDC AImage, HDC) { SetWindowOrgEx(AImage, 1, 0, nullptr); },
         {1, 2, 3, -1}},
        {"moved mask",
         width,
         false,
         [](HDC, HDC AMask) { SetWindowOrgEx(AMask, 1, 0, nullptr); },
         {-1, 0, 1, 2}},
        {"smaller mask", 3, false, [](HDC, HDC) {}, {0, 1, 2, -1}},
        {"monochrome mask", width, true, [](HDC, HDC) {}, {0, 1, 2, 3}},
    };
    for (const ApplyMaskCase& c : cases) {
        TuiBitmap32 image(width, 1);
        for (int x = 0; x < width; ++x)
            SetPixelAt(image, x, 0, Bgra(10 + x, 20, 30, 255));
        auto mask = MakeBitmap(c.maskWidth, 1, clBlack, c.monochrome ? pf1bit : pf32bit);
        for (int x = 0; x < c.maskWidth; ++x)
            if (maskPixel(x) != 0) {
                if (c.monochrome)
                    mask->Canvas()->SetPixels(x, 0, clWhite);
                else
                    SetPixelAt(*mask, x, 0, maskPixel(x));
            }
        HDC imageDC = image.Canvas()->Handle();
        c.prepare(imageDC, mask->Canvas()->Handle());
        const std::uint32_t monochromeWhite = ColorRefToPixel(GetBkColor(imageDC) & 0xFFFFFF);
        image.ApplyMask(mask.get());
        for (int x = 0; x < width; ++x) {
            const int from = c.maskPixelAt[std::size_t(x)];
            std::uint32_t cut = from < 0 || maskPixel(from) == 0 ? 0u : white;
            if (c.monochrome && cut != 0) cut = monochromeWhite;
            EXPECT_EQ(PixelAt(image, x, 0), Bgra(10 + x, 20, 30, 255) & ~cut) << c.name << " at " << x;
        }
    }
}

// ---- Transformations

// A 3 x 2 fixture: top row an opaque colour, a half-transparent (premultiplied) one, an alpha-0 colour;
// bottom row a transparent colour, the background pixel, the transparent colour with another alpha.
struct Fixture {
    static constexpr std::uint32_t Pixels[2][3] = {
        {Bgra(40, 120, 200, 255), Bgra(30, 60, 90, 128), Bgra(10, 20, 30, 0)},
        {Bgra(255, 0, 255, 255), 0u, Bgra(255, 0, 255, 100)},
    };
    static bool Transparent(int x, int y) { return y == 1; }
};

std::unique_ptr<TuiAlphaBitmap> MakeFixture() {
    auto bitmap = std::make_unique<TuiAlphaBitmap>(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            SetPixelAt(*bitmap, x, y, Fixture::Pixels[y][x]);
    bitmap->AddTransparentColor(clFuchsia);
    return bitmap;
}

std::uint32_t Grey(std::uint32_t P, int AGrey) {
    return Bgra(AGrey, AGrey, AGrey, ChannelOf(P, 24));
}
int Luma(std::uint32_t P) {
    return uiRoundClampByte(0.299f * ChannelOf(P, 16) + 0.587f * ChannelOf(P, 8) + 0.114f * ChannelOf(P, 0));
}
int LumaAlt(std::uint32_t P) {
    return uiRoundClampByte(0.0729f * ChannelOf(P, 16) + 0.7146f * ChannelOf(P, 8) +
                            0.2125f * ChannelOf(P, 0));
}
std::uint32_t Blend(std::uint32_t S, std::uint32_t D, int K) {
    uiBlendPixel(S, D, K);
    return D;
}

TEST_F(BitmapsTest, EachTransformationFollowsItsFormula) {
    using Rule = std::function<std::uint32_t(std::uint32_t p, bool transparent, int x, int yFromBottom)>;
    struct Case {
        TuiAlphaBitmapTransform transform;
        Rule rule;
    };
    const std::uint32_t shadow = ovColorToRGBQuad(clBtnShadow, 0xC0);
    const std::vector<Case> cases = {
        {tmLighten,
         [](std::uint32_t p, bool t, int, int) -> std::uint32_t {
             if (t) return p;
             if (ChannelOf(p, 24) == 255) {
                 auto l = [&](int s) { return ChannelOf(p, s) + MulDiv(255 - ChannelOf(p, s), 3, 10); };
                 return Bgra(l(0), l(8), l(16), 255);
             }
             auto w = [&](int s) { return MulDiv(ChannelOf(p, s), 200, 255); };
             return Bgra(w(0), w(8), w(16), w(24));
         }},
        {tmDisable,
         [&](std::uint32_t p, bool t, int, int) { return t ? p : Blend(shadow, Grey(p, Luma(p)), 238); }},
        {tmGrayAverage,
         [](std::uint32_t p, bool t, int, int) {
             return t ? p : Grey(p, (ChannelOf(p, 0) + ChannelOf(p, 8) + ChannelOf(p, 16)) / 3);
         }},
        {tmOpaque, [](std::uint32_t p, bool, int, int) { return p | 0xFF000000u; }},
        {tmMask, [](std::uint32_t, bool t, int, int) { return t ? 0xFFFFFFFFu : 0u; }},
        {tmGrayLuma, [](std::uint32_t p, bool t, int, int) { return t ? p : Grey(p, Luma(p)); }},
        {tmGrayLumaAlt, [](std::uint32_t p, bool t, int, int) { return t ? p : Grey(p, LumaAlt(p)); }},
        {tmCorrectBlend,
         [](std::uint32_t p, bool t, int, int) { return !t && ChannelOf(p, 24) == 0 ? p | 0xFF000000u : p; }},
        {tmTransparent, [](std::uint32_t p, bool, int, int) { return p & 0x00FFFFFFu; }},
    };
    for (const Case& c : cases) {
        auto bitmap = MakeFixture();
        bitmap->TransformBitmap(c.transform);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(PixelAt(*bitmap, x, y),
                          c.rule(Fixture::Pixels[y][x], Fixture::Transparent(x, y), x, 1 - y))
                    << "transform " << c.transform << " at " << x << "," << y;
    }

    // Hatch squares alternate counted from the bottom row; clear takes the background pixel.
    auto hatched = MakeFixture();
    hatched->DrawHatch(clRed, clBlue, 255, 128, 1);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const bool second = ((x + (1 - y)) & 1) != 0;
            const std::uint32_t expected =
                second ? Blend(ovColorToRGBQuad(clBlue, 255), Fixture::Pixels[y][x], 128)
                       : Blend(ovColorToRGBQuad(clRed, 255), Fixture::Pixels[y][x], 255);
            EXPECT_EQ(PixelAt(*hatched, x, y), expected) << x << "," << y;
        }
    auto wide = MakeFixture();
    wide->DrawHatch(clRed, clBlue, 255, 255, 0); // a step of 0 draws one-pixel squares
    EXPECT_EQ(PixelAt(*wide, 0, 1), ovColorToRGBQuad(clRed, 255));
    EXPECT_EQ(PixelAt(*wide, 1, 1), ovColorToRGBQuad(clBlue, 255));

    auto cleared = MakeFixture();
    cleared->SetBackgroundPixel(0x11223344u);
    cleared->TransformBitmap(tmClear);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixelAt(*cleared, x, y), 0x11223344u);
}

} // namespace
