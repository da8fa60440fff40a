#include "GdiTestUtil.h"

#include <functional>

using namespace gdi_test;

namespace {
struct RopCase {
    DWORD Rop;
    std::function<DWORD(DWORD p, DWORD s, DWORD d)> Expected;
};
} // namespace

TEST(Blit, EveryRasterOperationFollowsItsTruthTable) {
    const COLORREF p = RGB(0xF0, 0xCC, 0x0F), s = RGB(0xAA, 0x3C, 0x96), d = RGB(0x5A, 0xF0, 0x33);
    const std::vector<RopCase> cases = {
        {SRCCOPY, [](DWORD, DWORD s, DWORD) { return s; }},
        {SRCPAINT, [](DWORD, DWORD s, DWORD d) { return s | d; }},
        {SRCAND, [](DWORD, DWORD s, DWORD d) { return s & d; }},
        {SRCINVERT, [](DWORD, DWORD s, DWORD d) { return s ^ d; }},
        {SRCERASE, [](DWORD, DWORD s, DWORD d) { return s & ~d; }},
        {NOTSRCCOPY, [](DWORD, DWORD s, DWORD) { return ~s; }},
        {NOTSRCERASE, [](DWORD, DWORD s, DWORD d) { return ~(s | d); }},
        {MERGECOPY, [](DWORD p, DWORD s, DWORD) { return p & s; }},
        {MERGEPAINT, [](DWORD, DWORD s, DWORD d) { return ~s | d; }},
        {PATCOPY, [](DWORD p, DWORD, DWORD) { return p; }},
        {PATINVERT, [](DWORD p, DWORD, DWORD d) { return p ^ d; }},
        {PATPAINT, [](DWORD p, DWORD s, DWORD d) { return p | ~s | d; }},
        {DSTINVERT, [](DWORD, DWORD, DWORD d) { return ~d; }},
        {BLACKNESS, [](DWORD, DWORD, DWORD) { return DWORD(0); }},
        {WHITENESS, [](DWORD, DWORD, DWORD) { return DWORD(0xFFFFFF); }},
        {0x00220326, [](DWORD, DWORD s, DWORD d) { return ~s & d; }},
        {0x00200F09, [](DWORD p, DWORD s, DWORD d) { return p & ~s & d; }},
        {0x00B8074A, [](DWORD p, DWORD s, DWORD d) { return ((d ^ p) & s) ^ p; }},
        {0x00E20746, [](DWORD p, DWORD s, DWORD d) { return ((p ^ d) & s) ^ d; }},
    };
    TMemoryCanvas source(2, 2, s);
    for (const RopCase& c : cases) {
        TMemoryCanvas dest(2, 2, d);
        HBRUSH brush = CreateSolidBrush(p);
        HGDIOBJ old = SelectObject(dest.Dc, brush);
        EXPECT_TRUE(BitBlt(dest.Dc, 0, 0, 2, 2, source.Dc, 0, 0, c.Rop));
        EXPECT_EQ(GetPixel(dest.Dc, 1, 1), c.Expected(p, s, d) & 0xFFFFFF) << std::hex << c.Rop;
        SelectObject(dest.Dc, old);
        DeleteObject(brush);
    }
}

TEST(Blit, SourceCopyCarriesAlphaAndHonoursOriginsOnBothSides) {
    TMemoryCanvas source(4, 4, Black);
    source.Surface().SetPixel(2, 1, 0x80112233u);
    TMemoryCanvas dest(4, 4, White);
    SetViewportOrgEx(source.Dc, -1, 0, nullptr); // logical (3, 1) is surface (2, 1)
    SetWindowOrgEx(dest.Dc, 1, 1, nullptr);      // logical (1, 1) is surface (0, 0)
    EXPECT_TRUE(BitBlt(dest.Dc, 1, 1, 1, 1, source.Dc, 3, 1, SRCCOPY));
    EXPECT_EQ(dest.Surface().Pixel(0, 0), 0x80112233u);
    EXPECT_EQ(dest.At(1, 0), White);
}

TEST(Blit, OverlappingCopyWithinOneSurface) {
    TMemoryCanvas canvas(5, 1, White);
    for (int x = 0; x < 5; ++x)
        SetPixel(canvas.Dc, x, 0, RGB(x * 10, 0, 0));
    BitBlt(canvas.Dc, 1, 0, 4, 1, canvas.Dc, 0, 0, SRCCOPY);
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(canvas.At(x, 0), RGB((x - 1) * 10, 0, 0));
}

TEST(Blit, MonochromeToColourUsesTextAndBackgroundColours) {
    TMemoryCanvas mask(2, 1, White, 1);
    SetPixel(mask.Dc, 0, 0, Black);
    TMemoryCanvas dest(2, 1, Green);
    SetTextColor(dest.Dc, Red);
    SetBkColor(dest.Dc, Blue);
    BitBlt(dest.Dc, 0, 0, 2, 1, mask.Dc, 0, 0, SRCCOPY);
    EXPECT_EQ(dest.At(0, 0), Red);  // 0 bits take the text colour
    EXPECT_EQ(dest.At(1, 0), Blue); // 1 bits the background colour
}

TEST(Blit, ColourToMonochromeMatchesTheSourceBackground) {
    TMemoryCanvas source(3, 1, Red);
    SetPixel(source.Dc, 1, 0, Blue);
    SetBkColor(source.Dc, Blue);
    TMemoryCanvas mask(3, 1, Black, 1);
    BitBlt(mask.Dc, 0, 0, 3, 1, source.Dc, 0, 0, SRCCOPY);
    EXPECT_EQ(mask.At(0, 0), Black);
    EXPECT_EQ(mask.At(1, 0), White);
    EXPECT_EQ(mask.At(2, 0), Black);
}

TEST(Blit, MaskedDrawingWithAndAndInvert) {
    // The classic transparent-image recipe: AND with a mask, then XOR the image.
    TMemoryCanvas dest(2, 1, Green);
    TMemoryCanvas mask(2, 1, White, 1);
    SetPixel(mask.Dc, 0, 0, Black); // pixel 0 opaque
    TMemoryCanvas image(2, 1, Black);
    SetPixel(image.Dc, 0, 0, Red);
    SetTextColor(dest.Dc, Black);
    SetBkColor(dest.Dc, White);
    BitBlt(dest.Dc, 0, 0, 2, 1, mask.Dc, 0, 0, SRCAND);
    BitBlt(dest.Dc, 0, 0, 2, 1, image.Dc, 0, 0, SRCINVERT);
    EXPECT_EQ(dest.At(0, 0), Red);
    EXPECT_EQ(dest.At(1, 0), Green);
}

TEST(Blit, PatBltWithHatchAndPatternBrushesFollowsTheBrushOrigin) {
    TMemoryCanvas dest(8, 2, White);
    HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, Red);
    SelectObject(dest.Dc, hatch);
    SetBkColor(dest.Dc, Blue);
    PatBlt(dest.Dc, 0, 0, 8, 1, PATCOPY);
    EXPECT_EQ(dest.At(7, 0), Red);
    EXPECT_EQ(dest.At(6, 0), Blue);
    SetBrushOrgEx(dest.Dc, 2, 0, nullptr);
    PatBlt(dest.Dc, 0, 1, 8, 1, PATCOPY);
    EXPECT_EQ(dest.At(1, 1), Red); // the vertical line moved with the origin
    EXPECT_EQ(dest.At(7, 1), Blue);
    SelectObject(dest.Dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(hatch);
    EXPECT_FALSE(PatBlt(dest.Dc, 0, 0, 1, 1, SRCCOPY)); // a source operation needs a source
}

TEST(Blit, StretchSizesAndModes) {
    TMemoryCanvas source(2, 2, Black);
    SetPixel(source.Dc, 1, 0, White);
    SetPixel(source.Dc, 0, 1, White);
    TMemoryCanvas dest(4, 4, Red);
    EXPECT_TRUE(StretchBlt(dest.Dc, 0, 0, 4, 4, source.Dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(MatchesArt(dest, {"..##", "..##", "##..", "##.."}, {{'.', Black}, {'#', White}}));
    // Mirrored by a negative destination width.
    EXPECT_TRUE(StretchBlt(dest.Dc, 3, 0, -4, 4, source.Dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_TRUE(MatchesArt(dest, {"##..", "##..", "..##", "..##"}, {{'.', Black}, {'#', White}}));
    // Halftone shrinking averages the area: the 2x2 checker becomes one mid grey.
    TMemoryCanvas small(1, 1, Red);
    SetStretchBltMode(small.Dc, HALFTONE);
    StretchBlt(small.Dc, 0, 0, 1, 1, source.Dc, 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(small.At(0, 0), RGB(128, 128, 128));
    SetStretchBltMode(small.Dc, COLORONCOLOR);
    StretchBlt(small.Dc, 0, 0, 1, 1, source.Dc, 0, 0, 2, 2, SRCCOPY);
    const COLORREF picked = small.At(0, 0);
    EXPECT_TRUE(picked == Black || picked == White);
}

TEST(Blit, AlphaBlendEqualsThePremultipliedFormula) {
    struct Case {
        std::uint32_t Source, Dest;
        BYTE Constant, Format;
    };
    const Case cases[] = {
        {0x80402010u, 0xFF808080u, 255, AC_SRC_ALPHA},
        {0x00000000u, 0x00C0B0A0u, 255, AC_SRC_ALPHA},
        {0xFFFFFFFFu, 0x00102030u, 100, AC_SRC_ALPHA},
        {0x40302010u, 0x00F0E0D0u, 200, AC_SRC_ALPHA},
        {0x00FF0000u, 0x000000FFu, 64, 0},
    };
    // Unstretched (composited by the library) and stretched (blended here) must agree with the formula.
    for (const int size : {1, 2})
        for (const Case& c : cases) {
            TMemoryCanvas source(1, 1);
            TMemoryCanvas dest(size, size);
            source.Surface().SetPixel(0, 0, c.Source);
            dest.Surface().Fill(c.Dest);
            BLENDFUNCTION blend{AC_SRC_OVER, 0, c.Constant, c.Format};
            ASSERT_TRUE(AlphaBlend(dest.Dc, 0, 0, size, size, source.Dc, 0, 0, 1, 1, blend));
            const std::uint32_t out = dest.Surface().Pixel(size - 1, size - 1);
            for (int ch = 0; ch < 4; ++ch) {
                const double s = (c.Source >> (8 * ch)) & 0xFF, d = (c.Dest >> (8 * ch)) & 0xFF;
                const double ca = c.Constant / 255.0;
                double expected;
                if (c.Format & AC_SRC_ALPHA) {
                    const double sa = ((c.Source >> 24) & 0xFF) * ca / 255.0;
                    expected = s * ca + d * (1.0 - sa);
                } else {
                    expected = s * ca + d * (1.0 - ca);
                }
                EXPECT_NEAR(double((out >> (8 * ch)) & 0xFF), expected, 1.0)
                    << std::hex << c.Source << " ch " << ch << " size " << size;
            }
        }
}

TEST(Blit, AlphaBlendRefusesSourceOutsideItsBitmapAndDrawsNothingForEmptySizes) {
    TMemoryCanvas source(2, 2, Red);
    TMemoryCanvas dest(2, 2, White);
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, 0};
    EXPECT_FALSE(AlphaBlend(dest.Dc, 0, 0, 2, 2, source.Dc, 1, 1, 2, 2, blend));
    EXPECT_TRUE(AlphaBlend(dest.Dc, 0, 0, 2, 2, source.Dc, 0, 0, 0, 0, blend));
    EXPECT_EQ(dest.At(0, 0), White);
    // Stretching is allowed.
    EXPECT_TRUE(AlphaBlend(dest.Dc, 0, 0, 2, 2, source.Dc, 0, 0, 1, 1, blend));
    EXPECT_EQ(dest.At(1, 1), Red);
}

TEST(Blit, TransparentBltSkipsTheKeyColour) {
    TMemoryCanvas source(2, 1, Green);
    SetPixel(source.Dc, 1, 0, Red);
    TMemoryCanvas dest(4, 1, White);
    EXPECT_TRUE(TransparentBlt(dest.Dc, 0, 0, 4, 1, source.Dc, 0, 0, 2, 1, Green));
    EXPECT_TRUE(MatchesArt(dest, {"..RR"}, {{'.', White}, {'R', Red}}));
}

TEST(Blit, GradientFillHorizontalAndVertical) {
    TMemoryCanvas dest(4, 4, White);
    TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {4, 4, 0xFF00, 0x8000, 0, 0xFF00}};
    GRADIENT_RECT r{0, 1};
    EXPECT_TRUE(GradientFill(dest.Dc, v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(dest.At(0, 2), RGB(0, 0, 0));
    EXPECT_EQ(dest.At(2, 2), RGB(0x7F, 0x40, 0));
    EXPECT_EQ(dest.At(3, 0), dest.At(3, 3)); // constant down a column
    EXPECT_TRUE(GradientFill(dest.Dc, v, 2, &r, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(dest.At(3, 0), RGB(0, 0, 0));
    EXPECT_EQ(dest.At(0, 3), dest.At(3, 3)); // constant along a row
    GRADIENT_RECT bad{0, 5};
    EXPECT_FALSE(GradientFill(dest.Dc, v, 2, &bad, 1, GRADIENT_FILL_RECT_H));
}

TEST(Blit, PixelsOutsideTheClipAreInvalid) {
    TMemoryCanvas canvas(2, 2);
    EXPECT_EQ(SetPixel(canvas.Dc, 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(canvas.Dc, 1, 1), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(canvas.Dc, 2, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(canvas.Dc, -1, 0, Red), CLR_INVALID);
    TMemoryCanvas mono(1, 1, White, 1);
    EXPECT_EQ(SetPixel(mono.Dc, 0, 0, RGB(200, 200, 200)), White); // nearest of black and white
}

TEST(Blit, FrameAndInvertRect) {
    TMemoryCanvas canvas(4, 4, White);
    HBRUSH red = CreateSolidBrush(Red);
    RECT r{0, 0, 4, 3};
    FrameRect(canvas.Dc, &r, red);
    DeleteObject(red);
    RECT inv{0, 3, 2, 4};
    InvertRect(canvas.Dc, &inv);
    EXPECT_TRUE(
        MatchesArt(canvas, {"RRRR", "R..R", "RRRR", "KK.."}, {{'.', White}, {'R', Red}, {'K', Black}}));
}

TEST(Blit, DibSectionBitsAreTheBitmapPixels) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = -2; // top-down
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(dib, nullptr);
    ASSERT_NE(bits, nullptr);
    static_cast<std::uint32_t*>(bits)[4] = 0x00FF0000u; // row 1, column 1: red
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, dib);
    EXPECT_EQ(GetPixel(dc, 1, 1), Red);
    DeleteDC(dc);
    // Bottom-up layout: the first row in memory is the bottom one.
    info.bmiHeader.biHeight = 2;
    HBITMAP up = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    static_cast<std::uint32_t*>(bits)[0] = 0x000000FFu;
    EXPECT_EQ(GdiGetBitmapSurface(up)->Pixel(0, 1), 0x000000FFu);
    DIBSECTION ds{};
    EXPECT_EQ(GetObject(up, sizeof(ds), &ds), int(sizeof(ds)));
    EXPECT_EQ(ds.dsBm.bmBits, bits);
    EXPECT_EQ(ds.dsBmih.biHeight, 2);
    DeleteObject(dib);
    DeleteObject(up);
}

TEST(Blit, GetAndSetDIBitsRoundTripBothRowOrders) {
    TMemoryCanvas canvas(2, 2, Black);
    SetPixel(canvas.Dc, 0, 0, Red);
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2; // bottom-up
    info.bmiHeader.biBitCount = 32;
    std::uint32_t pixels[4] = {};
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetDIBits(dc, canvas.Bitmap, 0, 2, pixels, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(pixels[2] & 0xFFFFFF, 0xFF0000u); // top-left is in the last row
    info.bmiHeader.biHeight = -2;
    EXPECT_EQ(GetDIBits(dc, canvas.Bitmap, 0, 2, pixels, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);
    pixels[3] = 0x0000FF00u;
    EXPECT_EQ(SetDIBits(dc, canvas.Bitmap, 0, 2, pixels, &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(canvas.At(1, 1), Green);
    // Size query fills the header.
    BITMAPINFO query{};
    EXPECT_NE(GetDIBits(dc, canvas.Bitmap, 0, 2, nullptr, &query, DIB_RGB_COLORS), 0);
    EXPECT_EQ(query.bmiHeader.biBitCount, 32);
    EXPECT_EQ(query.bmiHeader.biSizeImage, 16u);
    DeleteDC(dc);
}
