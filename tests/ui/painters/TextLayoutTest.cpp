// The text engine on the fixed test font (every character an 8 x 16 cell at height 16): row breaking,
// placing, the end ellipsis, the highlight, justification, counting and measuring, long tabbed rows,
// and a picture of the caption, justification, spread and pattern cases.
#include "PaintersTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/CodePages.h"
#include "ui/painters/text/TextLayout.h"
#include "ui/painters/text/TextRowEngine.h"

using namespace painters_test;

namespace {

class TextLayoutTest : public PaintersTest {
protected:
    // A bitmap whose DC has the font selected.
    struct Surface {
        std::unique_ptr<TBitmap> Bitmap;
        TFont Font;
        HDC DC = nullptr;
    };
    std::unique_ptr<Surface> MakeSurface(int AWidth, int AHeight, int AFontHeight = kTestFontHeight,
                                         const char* AFace = GDI_TEST_FONT_FACE) {
        auto surface = std::make_unique<Surface>();
        surface->Bitmap = MakeBitmap(AWidth, AHeight, clWhite);
        surface->Font.SetName(AFace);
        surface->Font.SetHeight(-AFontHeight);
        surface->DC = surface->Bitmap->Canvas()->Handle();
        SelectObject(surface->DC, surface->Font.Handle());
        return surface;
    }
    // The texts of the rows the engine makes for a rectangle of the width.
    std::vector<std::string> Rows(const std::u16string& AText, int AWidth, std::uint32_t AFlags,
                                  int AHeight = 1000, bool* AAllFitted = nullptr) {
        auto surface = MakeSurface(10, 10);
        const TuiTextParams params = BuildTextParams(surface->DC, AFlags, 1.0);
        TuiTextRows rows;
        int count = 0;
        const bool all = BuildTextRows(surface->DC, AText.data(), static_cast<int>(AText.size()),
                                       TRect{0, 0, AWidth, AHeight}, params, rows, count, 0);
        if (AAllFitted != nullptr) *AAllFitted = all;
        std::vector<std::string> result;
        for (int i = 0; i < count; ++i)
            result.push_back(
                Utf16ToUtf8(std::u16string_view(rows[i].Text, static_cast<std::size_t>(rows[i].Length))));
        return result;
    }
};

using Texts = std::vector<std::string>;

TEST_F(TextLayoutTest, RowBreaking) {
    const int chars = kTestFontAdvance;
    struct Case {
        const char* Name;
        std::u16string Text;
        int Width;
        std::uint32_t Flags;
        Texts Expected;
    } const cases[] = {
        {"CR LF is one break", u"ab\r\ncd", 80, 0, {"ab", "cd"}},
        {"LF CR is one break", u"ab\n\rcd", 80, 0, {"ab", "cd"}},
        {"a lone CR breaks", u"ab\rcd", 80, 0, {"ab", "cd"}},
        {"two LFs leave an empty row", u"ab\n\ncd", 80, 0, {"ab", "", "cd"}},
        {"words wrap", u"aaa bbb ccc", 7 * chars, tfWordWrap, {"aaa bbb", "ccc"}},
        {"single line ignores the width",
         u"aaa bbb ccc",
         3 * chars,
         tfWordWrap | tfSingleLine,
         {"aaa bbb ccc"}},
        {"an ideograph keeps its full stop",
         u"\u5b57\u5b57\u3002",
         2 * chars,
         tfWordWrap,
         {"\u5b57", "\u5b57\u3002"}},
        {"ideographs break anywhere",
         u"\u5b57\u5b57\u5b57",
         2 * chars,
         tfWordWrap,
         {"\u5b57\u5b57", "\u5b57"}},
        {"over-long words are cut by bisection",
         u"abcdefghij",
         4 * chars,
         tfWordWrap | tfCharBreak,
         {"abcd", "efgh", "ij"}},
        {"a cut keeps at least one character", u"abc", chars / 2, tfWordWrap | tfCharBreak, {"a", "b", "c"}},
        {"without breaking a long word overflows",
         u"abcdefghij klm",
         4 * chars,
         tfWordWrap,
         {"abcdefghij", "klm"}},
        {"an overflowing word takes its own line break",
         u"abcdefghij\nk",
         4 * chars,
         tfWordWrap,
         {"abcdefghij", "k"}},
        {"right alignment drops the trailing space", u"aa bb", 3 * chars, tfWordWrap | tfRight, {"aa", "bb"}},
        {"wrap spaces are skipped with the flag",
         u"aa    bb",
         3 * chars,
         tfWordWrap | tfSkipWrapSpaces,
         {"aa ", "bb"}},
        {"one wrap space is skipped without it", u"aa  bb", 2 * chars, tfWordWrap, {"aa", " ", "bb"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rows(c.Text, c.Width, c.Flags), c.Expected) << c.Name;
    // Full rows only breaks inside words too and makes no row that would be cut at the bottom.
    EXPECT_EQ(Rows(u"abcdefghij", 4 * chars, tfWordWrap | tfFullRowsOnly, 40), (Texts{"abcd", "efgh"}));
    bool all = true;
    Rows(u"abcdefghij", 4 * chars, tfWordWrap | tfFullRowsOnly, 40, &all);
    EXPECT_FALSE(all);
    // A single line reports whether it is as narrow as the rectangle.
    Rows(u"abc", 3 * chars, tfSingleLine, 20, &all);
    EXPECT_TRUE(all);
    Rows(u"abcd", 3 * chars, tfSingleLine, 20, &all);
    EXPECT_FALSE(all);
}

TEST_F(TextLayoutTest, SpreadRowsAreSpacedOnlyWhenTheGapAllowsMoreThanARow) {
    auto surface = MakeSurface(10, 10, 10);
    const TuiTextParams params = BuildTextParams(surface->DC, tfSpread, 1.0);
    ASSERT_EQ(params.RowHeight, 10);
    for (auto [height, step] : {std::pair{58, 12}, {43, 10}}) {
        TuiTextRows rows;
        rows.SetCount(5);
        PositionTextRows(surface->DC, TRect{0, 100, 50, 100 + height}, params, rows, 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(rows[i].Top, 100 + i * step) << height << " row " << i;
    }
    // A remainder goes one pixel to each of the first gaps.
    TuiTextRows rows;
    rows.SetCount(3);
    PositionTextRows(surface->DC, TRect{0, 0, 50, 51}, params, rows, 3);
    EXPECT_EQ(rows[1].Top, 21);
    EXPECT_EQ(rows[2].Top, 41);
}

TEST_F(TextLayoutTest, RowsBeyondTheInlineOnesAreZeroedWhenCounted) {
    TuiTextRows rows;
    rows.SetCount(40);
    EXPECT_TRUE(rows.UsesDynamicRows());
    rows[35].Width = 7;
    rows.SetCount(10);
    rows.SetCount(40);
    EXPECT_EQ(rows[35].Width, 0);
    auto surface = MakeSurface(10, 10);
    std::u16string text;
    for (int i = 0; i < 50; ++i)
        text += u"a\n";
    TRect r{0, 0, 100, 0};
    EXPECT_EQ(uiTextOutWide(surface->DC, text, r, tfCalcRect | tfCountRows), 50);
}

TEST_F(TextLayoutTest, AnEllipsisRowKeepsWhatFitsAndIsCentredWithItsDots) {
    const int dots = 3 * kTestFontAdvance;
    // Centred: 20 characters into 120 pixels keep (120 - 24) / 8 = 12 characters, and text plus dots is
    // centred: 12 * 8 + 24 = 120, so it starts at the left edge of the rectangle.
    {
        auto surface = MakeSurface(200, 30);
        TRect r{40, 5, 160, 25};
        uiTextOutWide(surface->DC, u"abcdefghijklmnopqrst", r, tfCenter | tfSingleLine | tfEndEllipsis, 0, 0,
                      nullptr, clDefault, clDefault, 0, 0, 0, clBlack);
        const RECT ink = BoundsOfColor(*surface->Bitmap, clBlack);
        EXPECT_EQ(ink.left, 40);
        EXPECT_EQ(ink.right, 40 + 12 * kTestFontAdvance + dots - 1);
    }
    // A narrower rectangle, 100 pixels: 9 characters, the block of 96 pixels centred: 2 pixels in.
    {
        auto surface = MakeSurface(200, 30);
        TRect r{40, 5, 140, 25};
        uiTextOutWide(surface->DC, u"abcdefghijklmnopqrst", r, tfCenter | tfSingleLine | tfEndEllipsis, 0, 0,
                      nullptr, clDefault, clDefault, 0, 0, 0, clBlack);
        EXPECT_EQ(BoundsOfColor(*surface->Bitmap, clBlack).left, 42);
    }
    // Left-aligned in a rectangle too narrow for anything: one character stays, then the dots, cut at the
    // rectangle.
    {
        auto surface = MakeSurface(200, 30);
        TRect r{10, 5, 30, 25};
        uiTextOutWide(surface->DC, u"abcdef", r, tfLeft | tfSingleLine | tfEndEllipsis, 0, 0, nullptr,
                      clDefault, clDefault, 0, 0, 0, clBlack);
        const RECT ink = BoundsOfColor(*surface->Bitmap, clBlack);
        EXPECT_EQ(ink.left, 10);
        EXPECT_EQ(ink.right, 30);
    }
}

TEST_F(TextLayoutTest, HighlightsAreDroppedPastTheEndAndShortenedToIt) {
    auto highlighted = [&](int AStart, int ALength) {
        auto surface = MakeSurface(200, 30);
        TRect r{0, 0, 200, 30};
        uiTextOutWide(surface->DC, u"abcdef", r, tfLeft | tfSingleLine, AStart, ALength, nullptr, clYellow,
                      clRed, 0, 0, 0, clBlack);
        return BoundsOfColor(*surface->Bitmap, clYellow);
    };
    const RECT none = highlighted(6, 3);
    EXPECT_EQ(none.right, 0);
    EXPECT_EQ(highlighted(-1, 3).right, 0);
    // Characters 4 and 5 only, whatever length was asked for.
    const RECT tail = highlighted(4, 100);
    EXPECT_EQ(tail.left, 4 * kTestFontAdvance);
    EXPECT_EQ(tail.right, 6 * kTestFontAdvance);
    // Highlighted characters are drawn in the highlight text colour, the others in the text colour.
    auto surface = MakeSurface(200, 30);
    TRect r{0, 0, 200, 30};
    uiTextOutWide(surface->DC, u"abcdef", r, tfLeft | tfSingleLine, 1, 2, nullptr, clYellow, clRed, 0, 0, 0,
                  clBlack);
    EXPECT_EQ(BoundsOfColor(*surface->Bitmap, clRed).left, kTestFontAdvance);
    EXPECT_EQ(BoundsOfColor(*surface->Bitmap, clRed).right, 3 * kTestFontAdvance - 1);
    EXPECT_EQ(BoundsOfColor(*surface->Bitmap, clBlack).right, 6 * kTestFontAdvance - 1);
}

TEST_F(TextLayoutTest, JustifiedRowsReachTheRightEdgeButTheLastOneOfAParagraph) {
    auto draw = [&](std::uint32_t AAlignment) {
        auto surface = MakeSurface(100, 60);
        TRect r{0, 0, 80, 60};
        uiTextOutWide(surface->DC, u"aa bb cc dd\nee ff", r, AAlignment | tfWordWrap, 0, 0, nullptr,
                      clDefault, clDefault, 0, 0, 0, clBlack);
        return surface;
    };
    auto rowRight = [](TBitmap& ABitmap, int ARow) {
        auto band = MakeBitmap(100, 16, clWhite);
        band->Canvas()->CopyRect(TRect{0, 0, 100, 16}, ABitmap.Canvas(),
                                 TRect{0, ARow * 16, 100, ARow * 16 + 16});
        return BoundsOfColor(*band, clBlack).right;
    };
    auto justify = draw(tfJustify);
    EXPECT_EQ(rowRight(*justify->Bitmap, 0), 79); // "aa bb cc" spread over the width
    EXPECT_EQ(rowRight(*justify->Bitmap, 1), 15); // "dd" ends its paragraph
    EXPECT_EQ(rowRight(*justify->Bitmap, 2), 39); // "ee ff" too
    auto all = draw(tfJustifyAll);
    EXPECT_EQ(rowRight(*all->Bitmap, 0), 79);
    EXPECT_EQ(rowRight(*all->Bitmap, 2), 79);
}

TEST_F(TextLayoutTest, CountingMeasuringAndTheExternalLeading) {
    auto surface = MakeSurface(10, 10);
    TRect r{0, 0, 40, 100};
    // The height of three rows, their count, and the measured rectangle of the widest.
    EXPECT_EQ(uiTextOutWide(surface->DC, u"aaa bb c", r, tfWordWrap | tfCalcRect), 32); // "aaa", "bb c"
    EXPECT_EQ(r.right, 32);
    EXPECT_EQ(r.bottom, 32);
    r = TRect{0, 0, 24, 100};
    EXPECT_EQ(uiTextOutWide(surface->DC, u"aaa bb c", r, tfWordWrap | tfCountRows), 3);
    // The count even when the rows take no height at all.
    r = TRect{0, 0, 24, 100};
    EXPECT_EQ(uiTextOutWide(surface->DC, u"aaa bb c", r, tfWordWrap | tfCalcRect | tfCountRows, 0, 0, nullptr,
                            clDefault, clDefault, 0, 0, 0, clDefault, 0.0),
              3);
    // Automatic indents and the left indent come off the width and go back onto the rectangle.
    r = TRect{0, 0, 100, 100};
    uiTextOutWide(surface->DC, u"abc", r, tfSingleLine | tfCalcRect | tfAutoIndents, 0, 0, nullptr, clDefault,
                  clDefault, 0, 5);
    EXPECT_EQ(r.right, 2 + 5 + 24 + 2);
    // An empty text and an empty rectangle give 0.
    r = TRect{0, 0, 100, 100};
    EXPECT_EQ(uiTextOutWide(surface->DC, u"", r, 0), 0);
    r = TRect{0, 0, 0, 100};
    EXPECT_EQ(uiTextOutWide(surface->DC, u"abc", r, 0), 0);
    // Accelerator marks go first.
    r = TRect{0, 0, 100, 100};
    uiTextOutWide(surface->DC, u"&Open", r, tfSingleLine | tfCalcRect | tfRemoveAccelChars);
    EXPECT_EQ(r.right, 4 * kTestFontAdvance);
    // The external leading joins the row height only with its flag (Tahoma at 11 pixels has 2).
    TFont tahoma;
    tahoma.SetName("Tahoma");
    tahoma.SetHeight(-11);
    TRect a{0, 0, 100, 100}, b{0, 0, 100, 100};
    const int plain = uiTextOutWide(surface->DC, u"a\nb", a, tfCalcRect, 0, 0, &tahoma);
    const int leading = uiTextOutWide(surface->DC, u"a\nb", b, tfCalcRect | tfExternalLeading, 0, 0, &tahoma);
    SelectObject(surface->DC, tahoma.Handle());
    TEXTMETRIC tm;
    GetTextMetrics(surface->DC, &tm);
    ASSERT_GT(tm.tmExternalLeading, 0);
    EXPECT_EQ(plain, 2 * tm.tmHeight);
    EXPECT_EQ(leading, 2 * (tm.tmHeight + tm.tmExternalLeading));
}

TEST_F(TextLayoutTest, ALongTabbedRowIsDrawnWhole) {
    // 5000 characters: more than one TabbedTextOut can take; the tail must still be drawn.
    std::u16string text = u"\t";
    text.append(4999, u'a');
    const int width = 8 * kTestFontAdvance + 4999 * kTestFontAdvance + 16;
    auto surface = MakeSurface(width, 20);
    TRect r{0, 0, width, 20};
    uiTextOutWide(surface->DC, text, r, tfSingleLine | tfExpandTabs, 0, 0, nullptr, clDefault, clDefault, 0,
                  0, 0, clBlack);
    const RECT ink = BoundsOfColor(*surface->Bitmap, clBlack);
    EXPECT_EQ(ink.left, 8 * kTestFontAdvance);
    EXPECT_EQ(ink.right, 8 * kTestFontAdvance + 4999 * kTestFontAdvance - 1);
    // Measured the same way.
    TSize size;
    MeasureText(surface->DC, text.data(), static_cast<int>(text.size()), true, size);
    EXPECT_EQ(size.cx, 8 * kTestFontAdvance + 4999 * kTestFontAdvance);
}

TEST_F(TextLayoutTest, TextTooSmallToReadIsAShadedBar) {
    auto surface = MakeSurface(60, 20, 4);
    TRect r{0, 0, 60, 20};
    uiTextOutWide(surface->DC, u"abc", r, tfSingleLine | tfPatternSmallText, 0, 0, nullptr, clDefault,
                  clDefault, 0, 0, 0, clBlack);
    // Rows 1 and 2 of the 4-pixel row, 6 pixels wide (3 characters of 2): a checkerboard of black and the
    // window colour.
    const RECT bar = BoundsOfColor(*surface->Bitmap, clBlack);
    EXPECT_EQ(bar.top, 1);
    EXPECT_EQ(bar.bottom, 3);
    EXPECT_LE(bar.right, 6);
    int black = 0, parity = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (ColorAt(*surface->Bitmap, x, y) == clBlack) {
                ++black;
                if (parity < 0) parity = (x + y) % 2;
                EXPECT_EQ((x + y) % 2, parity) << x << "," << y;
            }
    EXPECT_EQ(black, 6);
}

TEST_F(TextLayoutTest, PictureOfTheLayoutCases) {
    auto picture = MakeBitmap(520, 330, clWindow);
    TCanvas* canvas = picture->Canvas();
    HDC dc = canvas->Handle();
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-13);
    TFont label;
    label.SetName("Tahoma");
    label.SetHeight(-11);
    auto panel = [&](const TRect& R, const char* ACaption) {
        HBRUSH frame = CreateSolidBrush(RGB(160, 160, 160));
        const RECT r = R;
        FrameRect(dc, &r, frame);
        DeleteObject(frame);
        TRect caption{R.left, R.top - 16, R.right, R.top};
        uiTextOut(dc, ACaption, caption, tfLeft | tfSingleLine, 0, 0, &label, clDefault, clDefault, 0, 0, 0,
                  static_cast<TColor>(RGB(90, 90, 90)));
    };
    const std::u16string words = u"The quick brown fox jumps over the lazy dog while the sound editor "
                                 u"normalizes a long recording of birdsong.";
    // A ribbon caption: centred, single line, end ellipsis, the document part highlighted.
    TRect caption{10, 26, 190, 48};
    panel(caption, "Caption with ellipsis");
    const std::u16string title = u"Birdsong at dawn.wav - OLVA Audio Editor";
    uiTextOutWide(dc, title, caption, tfCenter | tfVCenter | tfSingleLine | tfEndEllipsis, 0, 16, &font,
                  static_cast<TColor>(RGB(255, 230, 150)), static_cast<TColor>(RGB(120, 40, 0)));
    TRect wide{210, 26, 510, 48};
    panel(wide, "The same, wide enough");
    uiTextOutWide(dc, title, wide, tfCenter | tfVCenter | tfSingleLine | tfEndEllipsis, 0, 16, &font,
                  static_cast<TColor>(RGB(255, 230, 150)), static_cast<TColor>(RGB(120, 40, 0)));
    TRect justify{10, 76, 250, 176};
    panel(justify, "Justify (last row of a paragraph left)");
    uiTextOutWide(dc, words, justify, tfJustify | tfWordWrap | tfAutoIndents, 0, 0, &font);
    TRect justifyAll{270, 76, 510, 176};
    panel(justifyAll, "Justify every row");
    uiTextOutWide(dc, words, justifyAll, tfJustifyAll | tfWordWrap | tfAutoIndents, 0, 0, &font);
    TRect spread{10, 206, 250, 320};
    panel(spread, "Rows spread over the height");
    uiTextOutWide(dc, u"First\nSecond\nThird\nFourth", spread, tfCenter | tfSpread, 0, 0, &font);
    TFont tiny;
    tiny.SetName("Tahoma");
    tiny.SetHeight(-4);
    TRect pattern{270, 206, 510, 320};
    panel(pattern, "Pattern mode: text below 6 pixels");
    uiTextOutWide(dc, words + u" " + words + u" " + words, pattern,
                  tfWordWrap | tfPatternSmallText | tfAutoIndents, 0, 0, &tiny);
    TFont tinyBold;
    tinyBold.SetName("Tahoma");
    tinyBold.SetHeight(-4);
    tinyBold.SetStyle(TFontStyles{fsBold});
    TRect bold{270, 270, 510, 320};
    uiTextOutWide(dc, words, bold, tfWordWrap | tfPatternSmallText | tfAutoIndents, 0, 0, &tinyBold);
    EXPECT_TRUE(SaveSurfaceToPng(*SurfaceOf(*picture), PaintersOutputPath("text-layout.png")));
}

} // namespace
