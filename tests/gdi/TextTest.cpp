#include "GdiTestUtil.h"

#include <cstring>

using namespace gdi_test;

namespace {
// A canvas with the test font selected: height 8 -> advance 4, ascent 6, descent 2; glyph boxes cover
// columns 0..2 and rows 1..5 of each cell.
struct TTextCanvas : TMemoryCanvas {
    TTextCanvas(int w, int h, int height = 8) : TMemoryCanvas(w, h) {
        LOGFONT lf{};
        lf.lfHeight = height;
        std::strcpy(lf.lfFaceName, GDI_TEST_FONT_FACE);
        Font = CreateFontIndirect(&lf);
        OldFont = SelectObject(Dc, Font);
        SetBkMode(Dc, TRANSPARENT);
    }
    ~TTextCanvas() {
        SelectObject(Dc, OldFont);
        DeleteObject(Font);
    }
    HFONT Font;
    HGDIOBJ OldFont;
};
const std::map<char, COLORREF> Ink = {{'.', White}, {'#', Black}, {'R', Red}};
} // namespace

TEST(Text, TestFontMetricsAndExtents) {
    TTextCanvas canvas(4, 4, 16);
    TEXTMETRIC tm{};
    ASSERT_TRUE(GetTextMetrics(canvas.Dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    EXPECT_EQ(tm.tmAscent, 12);
    EXPECT_EQ(tm.tmDescent, 4);
    EXPECT_EQ(tm.tmAveCharWidth, 8);
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32(canvas.Dc, "Hello", 5, &size));
    EXPECT_EQ(size, (SIZE{40, 16}));
    SetTextCharacterExtra(canvas.Dc, 2);
    GetTextExtentPoint32(canvas.Dc, "Hello", 5, &size);
    EXPECT_EQ(size.cx, 50);
    SetTextCharacterExtra(canvas.Dc, 0);
    int fit = 0;
    INT partial[5] = {};
    EXPECT_TRUE(GetTextExtentExPoint(canvas.Dc, "Hello", 5, 20, &fit, partial, &size));
    EXPECT_EQ(fit, 2);
    EXPECT_EQ(partial[4], 40);
    char face[64] = {};
    EXPECT_EQ(GetTextFace(canvas.Dc, sizeof(face), face), int(std::strlen(GDI_TEST_FONT_FACE)));
    EXPECT_STREQ(face, GDI_TEST_FONT_FACE);
}

TEST(Text, TextOutAlignmentAndOpaqueBackground) {
    TTextCanvas canvas(10, 8);
    TextOut(canvas.Dc, 1, 0, "ab", 2);
    EXPECT_TRUE(MatchesArt(canvas,
                           {"..........", ".###.###..", ".###.###..", ".###.###..", ".###.###..",
                            ".###.###..", "..........", ".........."},
                           Ink));
    // Right/baseline alignment: the text ends at x = 10 and its baseline is at y = 6.
    PatBlt(canvas.Dc, 0, 0, 10, 8, WHITENESS);
    SetTextAlign(canvas.Dc, TA_RIGHT | TA_BASELINE);
    SetBkMode(canvas.Dc, OPAQUE);
    SetBkColor(canvas.Dc, Red);
    TextOut(canvas.Dc, 10, 6, "a", 1);
    EXPECT_TRUE(MatchesArt(canvas,
                           {"......RRRR", "......###R", "......###R", "......###R", "......###R",
                            "......###R", "......RRRR", "......RRRR"},
                           Ink));
}

TEST(Text, ExtTextOutClipsOpaquesAndTakesWidths) {
    TTextCanvas canvas(10, 8);
    SetBkColor(canvas.Dc, Red);
    RECT r{0, 0, 6, 8};
    const INT widths[2] = {6, 4};
    EXPECT_TRUE(ExtTextOut(canvas.Dc, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &r, "ab", 2, widths));
    EXPECT_TRUE(MatchesArt(canvas,
                           {"RRRRRR....", "###RRR....", "###RRR....", "###RRR....", "###RRR....",
                            "###RRR....", "RRRRRR....", "RRRRRR...."},
                           Ink));
}

TEST(Text, UpdateCurrentPositionMovesAlong) {
    TTextCanvas canvas(20, 8);
    SetTextAlign(canvas.Dc, TA_UPDATECP);
    MoveToEx(canvas.Dc, 2, 0, nullptr);
    TextOut(canvas.Dc, 0, 0, "abc", 3);
    POINT cp{};
    GetCurrentPositionEx(canvas.Dc, &cp);
    EXPECT_EQ(cp, (POINT{14, 0}));
    EXPECT_EQ(canvas.At(2, 1), Black);
    EXPECT_EQ(canvas.At(1, 1), White);
}

TEST(Text, DrawTextCalcRectWrapsAtSpacesAndBreaksLines) {
    TTextCanvas canvas(4, 4);
    struct Case {
        const char* Text;
        UINT Format;
        int Width;
        RECT Expected;
        int Height;
    };
    const Case cases[] = {
        {"abc", DT_SINGLELINE | DT_CALCRECT, 100, {0, 0, 12, 8}, 8},
        {"ab cd ef", DT_WORDBREAK | DT_CALCRECT, 22, {0, 0, 20, 16}, 16},  // "ab cd" / "ef"
        {"ab cd ef", DT_WORDBREAK | DT_CALCRECT, 10, {0, 0, 8, 24}, 24},   // one word per line
        {"abcdef gh", DT_WORDBREAK | DT_CALCRECT, 10, {0, 0, 24, 16}, 16}, // a long word overflows
        {"abcdef", DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT, 10, {0, 0, 8, 24}, 24}, // or breaks
        {"a\r\nbb\nccc", DT_CALCRECT, 100, {0, 0, 12, 24}, 24},
        {"a\r\n", DT_CALCRECT, 100, {0, 0, 4, 8}, 8},
        {"a\n\n", DT_CALCRECT, 100, {0, 0, 4, 16}, 16},
        {"a\r\nbb", DT_SINGLELINE | DT_CALCRECT, 100, {0, 0, 12, 8}, 8},
        {"&File", DT_SINGLELINE | DT_CALCRECT, 100, {0, 0, 16, 8}, 8},
        {"&File", DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT, 100, {0, 0, 20, 8}, 8},
        {"a&&b", DT_SINGLELINE | DT_CALCRECT, 100, {0, 0, 12, 8}, 8},
        {"a\tb", DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT, 100, {0, 0, 36, 8}, 8},
    };
    for (const Case& c : cases) {
        RECT r{0, 0, c.Width, 0};
        EXPECT_EQ(DrawText(canvas.Dc, c.Text, -1, &r, c.Format), c.Height) << c.Text;
        EXPECT_EQ(r, c.Expected) << c.Text;
    }
}

TEST(Text, DrawTextEllipsesAndModifyString) {
    TTextCanvas canvas(4, 4);
    struct Case {
        const char* Text;
        UINT Flag;
        int Width;
        const char* Expected;
    };
    const Case cases[] = {
        {"abcdefgh", DT_END_ELLIPSIS, 24, "abc..."},
        {"abcdefgh", DT_END_ELLIPSIS, 100, "abcdefgh"},
        {"ab cdefgh", DT_WORD_ELLIPSIS, 28, "ab..."},
        {"c:\\folder\\file.txt", DT_PATH_ELLIPSIS, 4 * 15, "c:\\...\\file.txt"},
        {"c:\\folder\\file.txt", DT_PATH_ELLIPSIS, 4 * 14, "c:...\\file.txt"},
    };
    for (const Case& c : cases) {
        char buffer[64] = {};
        std::strcpy(buffer, c.Text);
        RECT r{0, 0, c.Width, 8};
        DrawText(canvas.Dc, buffer, -1, &r,
                 c.Flag | DT_SINGLELINE | DT_MODIFYSTRING | DT_CALCRECT | DT_NOPREFIX);
        EXPECT_STREQ(buffer, c.Expected) << c.Text;
        EXPECT_LE(r.right, c.Width);
    }
}

TEST(Text, ModifyStringNeverWritesPastTheCallersCharacters) {
    TTextCanvas canvas(4, 4);
    char buffer[8] = {'a', 'b', 'c', 'd', 'X', 'X', 'X', 'X'};
    RECT r{0, 0, 2, 8}; // too narrow for anything: "..." is longer than the two characters given
    DrawText(canvas.Dc, buffer, 2, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT);
    EXPECT_EQ(std::string(buffer, 8), std::string("..cdXXXX"));
}

TEST(Text, DrawTextAlignmentPrefixUnderlineAndClipping) {
    TTextCanvas canvas(12, 10);
    RECT r{0, 0, 12, 10};
    // Centred both ways: "a" is 4 wide, 8 high -> cell at (4, 1).
    EXPECT_EQ(DrawText(canvas.Dc, "&a", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER), 9);
    EXPECT_TRUE(MatchesArt(canvas,
                           {"............", "............", "....###.....", "....###.....", "....###.....",
                            "....###.....", "....###.....", "....####....", "............", "............"},
                           Ink));
    // Right aligned and clipped by the rectangle.
    PatBlt(canvas.Dc, 0, 0, 12, 10, WHITENESS);
    RECT narrow{0, 0, 6, 3};
    DrawText(canvas.Dc, "ab", -1, &narrow, DT_SINGLELINE | DT_RIGHT); // starts at x = -2
    EXPECT_TRUE(MatchesArt(canvas, {"............", "#.###.......", "#.###.......", "............"}, Ink));
    // A tab stop every two characters (the tab length sits in bits 8..15 with DT_TABSTOP).
    PatBlt(canvas.Dc, 0, 0, 12, 10, WHITENESS);
    DrawText(canvas.Dc, "a\tb", -1, &r, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (2 << 8));
    EXPECT_TRUE(MatchesArt(canvas, {"............", "###.....###."}, Ink));
}

TEST(Text, DrawTextReturnsZeroForBadArguments) {
    TTextCanvas canvas(4, 4);
    RECT r{0, 0, 4, 4};
    EXPECT_EQ(DrawText(canvas.Dc, static_cast<const char*>(nullptr), -1, &r, 0), 0);
    EXPECT_EQ(DrawText(nullptr, "a", -1, &r, 0), 0);
    EXPECT_EQ(DrawText(canvas.Dc, "a", -1, nullptr, 0), 0);
}

TEST(Text, RotatedTextByEscapement) {
    TMemoryCanvas canvas(10, 10);
    LOGFONT lf{};
    lf.lfHeight = 8;
    lf.lfEscapement = 900; // 90 degrees counter-clockwise: the text runs upwards
    std::strcpy(lf.lfFaceName, GDI_TEST_FONT_FACE);
    HFONT font = CreateFontIndirect(&lf);
    SelectObject(canvas.Dc, font);
    SetBkMode(canvas.Dc, TRANSPARENT);
    TextOut(canvas.Dc, 0, 9, "a", 1);
    // The cell (4 wide, 8 high) turned: it spans x 0..7 and y 6..9 (rows upward from the anchor).
    int inked = 0, minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if (canvas.At(x, y) == Black) {
                ++inked;
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_EQ(inked, 15); // the 3 x 5 box, turned
    EXPECT_EQ(maxX - minX + 1, 5);
    EXPECT_EQ(maxY - minY + 1, 3);
    EXPECT_GE(minY, 5);
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(Text, InstalledFacesRenderGlyphs) {
    TMemoryCanvas canvas(60, 20);
    LOGFONT lf{};
    lf.lfHeight = -13;
    std::strcpy(lf.lfFaceName, "Tahoma");
    HFONT font = CreateFontIndirect(&lf);
    SelectObject(canvas.Dc, font);
    TEXTMETRIC tm{};
    GetTextMetrics(canvas.Dc, &tm);
    EXPECT_GE(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    SIZE wide{}, narrow{};
    GetTextExtentPoint32(canvas.Dc, "WWW", 3, &wide);
    GetTextExtentPoint32(canvas.Dc, "iii", 3, &narrow);
    EXPECT_GT(wide.cx, narrow.cx); // a proportional face
    TextOut(canvas.Dc, 0, 0, "Hg", 2);
    int dark = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            dark += GetRValue(canvas.At(x, y)) < 128;
    EXPECT_GT(dark, 10);
    // With the test font everywhere, the same font measures with fixed metrics.
    GdiSetTestFontEverywhere(true);
    GetTextExtentPoint32(canvas.Dc, "WWW", 3, &wide);
    EXPECT_EQ(wide, (SIZE{18, 13}));
    GdiSetTestFontEverywhere(false);
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}

TEST(Text, AverageWidthStretchesInstalledFaces) {
    TMemoryCanvas canvas(4, 4);
    LOGFONT lf{};
    lf.lfHeight = -12;
    std::strcpy(lf.lfFaceName, "Arial");
    HFONT natural = CreateFontIndirect(&lf);
    SelectObject(canvas.Dc, natural);
    TEXTMETRIC tm{};
    GetTextMetrics(canvas.Dc, &tm);
    SIZE normal{};
    GetTextExtentPoint32(canvas.Dc, "WWWWWWWW", 8, &normal);
    lf.lfWidth = tm.tmAveCharWidth * 2;
    HFONT wide = CreateFontIndirect(&lf);
    SelectObject(canvas.Dc, wide);
    SIZE stretched{};
    GetTextExtentPoint32(canvas.Dc, "WWWWWWWW", 8, &stretched);
    EXPECT_NEAR(double(stretched.cx) / normal.cx, 2.0, 0.25);
    EXPECT_EQ(stretched.cy, normal.cy);
    SelectObject(canvas.Dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(natural);
    DeleteObject(wide);
}
