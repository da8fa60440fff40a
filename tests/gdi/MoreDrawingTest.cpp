#include "GdiTestUtil.h"

#include <cstring>

using namespace gdi_test;

TEST(MoreDrawing, DibsToTheDeviceCountRowsFromTheBottom) {
    // A 2x2 bottom-up DIB: first row in memory is the bottom one (blue), the second the top (red).
    const std::uint32_t bits[4] = {0x000000FFu, 0x000000FFu, 0x00FF0000u, 0x00FF0000u};
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;
    info.bmiHeader.biBitCount = 32;
    TMemoryCanvas canvas(4, 4, White);
    EXPECT_EQ(SetDIBitsToDevice(canvas.Dc, 1, 1, 2, 2, 0, 0, 0, 2, bits, &info, DIB_RGB_COLORS), 2);
    EXPECT_TRUE(
        MatchesArt(canvas, {"....", ".RR.", ".BB.", "...."}, {{'.', White}, {'R', Red}, {'B', Blue}}));
    // Stretched to 4x4, source rectangle counted from the DIB's bottom: (0, 1, 2, 1) is the top row.
    EXPECT_NE(StretchDIBits(canvas.Dc, 0, 0, 4, 4, 0, 1, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_TRUE(MatchesArt(canvas, {"RRRR", "RRRR", "RRRR", "RRRR"}, {{'R', Red}}));
}

TEST(MoreDrawing, CopyImageScalesAndConverts) {
    TMemoryCanvas canvas(2, 1, Black);
    SetPixel(canvas.Dc, 1, 0, White);
    HBITMAP big = HBITMAP(CopyImage(canvas.Bitmap, IMAGE_BITMAP, 4, 2, 0));
    ASSERT_NE(big, nullptr);
    BITMAP bm{};
    GetObject(big, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 4);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(GdiGetBitmapSurface(big)->Pixel(3, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(GdiGetBitmapSurface(big)->Pixel(1, 1) & 0xFFFFFF, 0u);
    HBITMAP mono = HBITMAP(CopyImage(canvas.Bitmap, IMAGE_BITMAP, 0, 0, LR_MONOCHROME));
    GetObject(mono, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(CopyImage(nullptr, IMAGE_BITMAP, 0, 0, 0), nullptr);
    DeleteObject(big);
    DeleteObject(mono);
}

TEST(MoreDrawing, MonochromePatternBrushTakesTextAndBackgroundColours) {
    const BYTE rows[4] = {0x40, 0, 0x80, 0}; // 2x2 pattern, rows word-aligned: (1,0) and (0,1) white
    HBITMAP pattern = CreateBitmap(2, 2, 1, 1, rows);
    HBRUSH brush = CreatePatternBrush(pattern);
    ASSERT_NE(brush, nullptr);
    DeleteObject(pattern); // the brush keeps its own copy
    TMemoryCanvas canvas(4, 2, Green);
    SetTextColor(canvas.Dc, Red);
    SetBkColor(canvas.Dc, Blue);
    RECT r{0, 0, 4, 2};
    FillRect(canvas.Dc, &r, brush);
    EXPECT_TRUE(MatchesArt(canvas, {"RBRB", "BRBR"}, {{'R', Red}, {'B', Blue}}));
    DeleteObject(brush);
}

TEST(MoreDrawing, HatchBackgroundFollowsTheBackgroundMode) {
    TMemoryCanvas canvas(8, 2, Green);
    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, Red);
    SetBkMode(canvas.Dc, TRANSPARENT);
    RECT r{0, 0, 8, 8};
    FillRect(canvas.Dc, &r, hatch);
    EXPECT_EQ(canvas.At(0, 0), Green); // transparent: only the hatch lines are drawn
    SetBkMode(canvas.Dc, OPAQUE);
    SetBkColor(canvas.Dc, Blue);
    FillRect(canvas.Dc, &r, hatch);
    EXPECT_EQ(canvas.At(0, 0), Blue);
    DeleteObject(hatch);
    EXPECT_EQ(CreateHatchBrush(9, Red), nullptr);
}

TEST(MoreDrawing, BottomUpDibSectionsDrawRightSideUp) {
    BITMAPINFO info{};
    info.bmiHeader.biWidth = 3;
    info.bmiHeader.biHeight = 3;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    HBRUSH red = CreateSolidBrush(Red);
    RECT top{0, 0, 3, 1};
    FillRect(dc, &top, red);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    EXPECT_EQ(pixels[6] & 0xFFFFFF, 0xFF0000u); // the last row in memory is the top row
    EXPECT_EQ(pixels[0], 0u);
    EXPECT_EQ(GetPixel(dc, 1, 0), Red);
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteDC(dc);
    DeleteObject(dib);
}

TEST(MoreDrawing, NearestColourOfColourAndMonochromeSurfaces) {
    TMemoryCanvas colour(1, 1);
    EXPECT_EQ(GetNearestColor(colour.Dc, RGB(1, 2, 3)), RGB(1, 2, 3));
    TMemoryCanvas mono(1, 1, White, 1);
    EXPECT_EQ(GetNearestColor(mono.Dc, RGB(30, 30, 30)), Black);
    EXPECT_EQ(GetNearestColor(mono.Dc, RGB(220, 220, 220)), White);
    EXPECT_EQ(GetNearestColor(nullptr, Red), CLR_INVALID);
}

namespace {
HFONT TestFont(int height) {
    LOGFONT lf{};
    lf.lfHeight = height;
    std::strcpy(lf.lfFaceName, GDI_TEST_FONT_FACE);
    return CreateFontIndirect(&lf);
}
} // namespace

TEST(MoreText, TabbedTextAndJustification) {
    TMemoryCanvas canvas(40, 8);
    HFONT font = TestFont(8); // advance 4
    SelectObject(canvas.Dc, font);
    const INT stops[1] = {10};
    EXPECT_EQ(LOWORD(GetTabbedTextExtent(canvas.Dc, "a\tb", 3, 1, stops)), 14); // tab to 10, then "b"
    EXPECT_EQ(HIWORD(GetTabbedTextExtent(canvas.Dc, "a\tb", 3, 1, stops)), 8);
    const INT list[2] = {6, 20};
    EXPECT_EQ(LOWORD(GetTabbedTextExtent(canvas.Dc, "a\tb\tc", 5, 2, list)), 24);
    EXPECT_EQ(LOWORD(GetTabbedTextExtent(canvas.Dc, "a\tb", 3, 0, nullptr)), 36); // default: 8 characters
    SetBkMode(canvas.Dc, TRANSPARENT);
    const LONG drawn = TabbedTextOut(canvas.Dc, 0, 0, "a\tb", 3, 1, stops, 0);
    EXPECT_EQ(LOWORD(drawn), 14);
    EXPECT_EQ(canvas.At(10, 1), Black);
    EXPECT_EQ(canvas.At(5, 1), White);
    // Justification spreads 5 pixels over 2 spaces: 3 then 2.
    SetTextJustification(canvas.Dc, 5, 2);
    SIZE size{};
    GetTextExtentPoint32(canvas.Dc, "a b c", 5, &size);
    EXPECT_EQ(size.cx, 25);
    SetTextJustification(canvas.Dc, 0, 0);
    GetTextExtentPoint32(canvas.Dc, "a b c", 5, &size);
    EXPECT_EQ(size.cx, 20);
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(MoreText, DrawTextExMarginsAndEditControlLines) {
    TMemoryCanvas canvas(40, 20);
    HFONT font = TestFont(8);
    SelectObject(canvas.Dc, font);
    char text[] = "ab cd";
    DRAWTEXTPARAMS params;
    params.iLeftMargin = 3;
    params.iRightMargin = 2;
    RECT r{0, 0, 13, 0};
    // Width for text: 13 - 5 = 8, so the words wrap; the rectangle grows by the margins.
    EXPECT_EQ(DrawTextEx(canvas.Dc, text, -1, &r, DT_WORDBREAK | DT_CALCRECT, &params), 16);
    EXPECT_EQ(r, (RECT{0, 0, 13, 16}));
    EXPECT_EQ(params.uiLengthDrawn, 5u);
    DRAWTEXTPARAMS wrong;
    wrong.cbSize = 4;
    EXPECT_EQ(DrawTextEx(canvas.Dc, text, -1, &r, DT_CALCRECT, &wrong), 0);
    // An edit control shows no partly visible last line: three lines in 20 pixels draw two.
    SetBkMode(canvas.Dc, TRANSPARENT);
    RECT box{0, 0, 40, 20};
    DrawText(canvas.Dc, "a\nb\nc", -1, &box, DT_EDITCONTROL);
    EXPECT_EQ(canvas.At(0, 9), Black);
    EXPECT_EQ(canvas.At(0, 17), White);
    PatBlt(canvas.Dc, 0, 0, 40, 20, WHITENESS);
    DrawText(canvas.Dc, "a\nb\nc", -1, &box, 0);
    EXPECT_EQ(canvas.At(0, 17), Black); // cut by the rectangle but drawn
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(MoreText, UnderlineStrikeOutAndPrefixUnderline) {
    TMemoryCanvas canvas(8, 8);
    LOGFONT lf{};
    lf.lfHeight = 8;
    lf.lfUnderline = 1;
    std::strcpy(lf.lfFaceName, GDI_TEST_FONT_FACE);
    HFONT underlined = CreateFontIndirect(&lf);
    SelectObject(canvas.Dc, underlined);
    SetBkMode(canvas.Dc, TRANSPARENT);
    TextOut(canvas.Dc, 0, 0, " ", 1);
    // The underline runs under the whole cell of the space at the baseline row.
    EXPECT_TRUE(MatchesArt(
        canvas,
        {"........", "........", "........", "........", "........", "........", "####....", "........"},
        {{'.', White}, {'#', Black}}));
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(underlined);
    // DT_PREFIXONLY draws just the underline of the prefixed character.
    PatBlt(canvas.Dc, 0, 0, 8, 8, WHITENESS);
    HFONT plain = TestFont(8);
    SelectObject(canvas.Dc, plain);
    RECT r{0, 0, 8, 8};
    DrawText(canvas.Dc, "a&b", -1, &r, DT_SINGLELINE | DT_PREFIXONLY);
    EXPECT_TRUE(MatchesArt(
        canvas,
        {"........", "........", "........", "........", "........", "........", "....####", "........"},
        {{'.', White}, {'#', Black}}));
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(plain);
}

TEST(MoreText, NoClipLetsTextLeaveTheRectangle) {
    TMemoryCanvas canvas(12, 8);
    HFONT font = TestFont(8);
    SelectObject(canvas.Dc, font);
    SetBkMode(canvas.Dc, TRANSPARENT);
    RECT r{0, 0, 5, 8};
    DrawText(canvas.Dc, "ab", -1, &r, DT_SINGLELINE);
    EXPECT_EQ(canvas.At(5, 1), White); // "b" starts at x = 4: only its first column is inside
    EXPECT_EQ(canvas.At(4, 1), Black);
    DrawText(canvas.Dc, "ab", -1, &r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(canvas.At(6, 1), Black);
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}
