#include "GraphicsTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/rtl/StringList.h"
#include "platform/win/Cursors.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/base/Components.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/GraphicsUnit.h"
#include "ui/core/graphics/ObjectQueries.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/graphics/ScreenCanvas.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/TextDrawing.h"
#include "ui/core/graphics/TextMeasure.h"

#include <cstring>
#include <vector>

using namespace ui_core_test;
using namespace graphics_test;

namespace {

class TextRoutinesTest : public UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        bitmap = MakeBitmap(200, 120, clWhite);
        canvas = std::make_unique<TuiCanvas>(bitmap->Canvas());
        UseTestFont(canvas->Font());
        canvas->Font()->SetColor(clBlack);
    }
    void TearDown() override {
        canvas.reset();
        bitmap.reset();
        UiCoreTest::TearDown();
    }
    std::vector<std::string> Split(const std::string& AText, int AWidth) {
        TStringList lines;
        uiSplitTextToLines(AText, canvas.get(), TRect{0, 0, AWidth, 100}, &lines);
        std::vector<std::string> result;
        for (int i = 0; i < lines.Count(); ++i)
            result.push_back(lines.Strings(i));
        return result;
    }

    TestFontScope font;
    std::unique_ptr<TBitmap> bitmap;
    std::unique_ptr<TuiCanvas> canvas;
};

using Lines = std::vector<std::string>;

TEST_F(TextRoutinesTest, LinesBreakAtLineBreaksAndBetweenWordsThatNoLongerFit) {
    struct Case {
        std::string text;
        int width;
        Lines lines;
    };
    const std::vector<Case> cases = {
        {"a\r\nb", 200, {"a", "b"}},
        {"a\nb\n", 200, {"a", "b"}},
        {"aa bb cc", 40, {"aa bb", "cc"}},
        {"aa bb cc", 39, {"aa", "bb", "cc"}},
        {"aaaaaaaa bb", 20, {"aaaaaaaa", "bb"}},
        {"aa\tbb cc", 200, {"aa\tbb cc"}},
        // Multi-byte characters count once each and stay whole.
        {"\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9", 16, {"\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9"}},
        {"", 200, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Split(c.text, c.width), c.lines) << c.text << " in " << c.width;
}

TEST_F(TextRoutinesTest, MultiLineTextIsPlacedAsABlock) {
    struct Case {
        UINT format;
        int height;
        int firstBoxTop;
    };
    // Three lines of 16 pixels; each box starts one row into its cell.
    const std::vector<Case> cases = {
        {DT_LEFT, 100, 10 + 1},
        {DT_VCENTER, 100, 10 + (100 - 48) / 2 + 1},
        {DT_BOTTOM, 100, 10 + 100 - 48 + 1},
        {DT_BOTTOM, 30, 10 + 1}, // never above the rectangle
    };
    for (const Case& c : cases) {
        canvas->FillRect(TRect{0, 0, 200, 120}, clWhite);
        const int count =
            uiDrawMultiLineText(canvas.get(), "aa bb cc", TRect{10, 10, 49, 10 + c.height}, clRed, c.format);
        EXPECT_EQ(count, 3);
        const RECT box = BoundsOfColor(*bitmap, clRed);
        EXPECT_EQ(box.top, c.firstBoxTop) << c.format;
        EXPECT_EQ(box.bottom, c.firstBoxTop + 32 + 11) << c.format;
        EXPECT_EQ(box.left, 10);
    }
}

TEST_F(TextRoutinesTest, TheNarrowestRectangleForTwoRowsIsAboutHalfAsWide) {
    HDC dc = canvas->Handle();
    canvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    const std::string text = "aaaa bbbb cccc dddd";
    TRect one;
    uiMeasureTextRect(dc, text, 1, one);
    EXPECT_EQ(one, (TRect{0, 0, 19 * kTestFontAdvance, kTestFontHeight}));
    TRect two;
    uiMeasureTextRect(dc, text, 2, two);
    EXPECT_EQ(two, (TRect{0, 0, 9 * kTestFontAdvance, 2 * kTestFontHeight}));
    TRect three;
    uiMeasureTextRect(dc, text, 3, three, true);
    EXPECT_EQ(three.bottom, 3 * kTestFontHeight);
    EXPECT_LE(three.right, two.right);
    EXPECT_EQ(uiMeasureTextSize(dc, "abc"), (TSize{24, 16}));
}

TEST_F(TextRoutinesTest, ShorteningWithAnEllipsisAndAWidthOfZeroLeavesTheDCAlone) {
    HDC dc = canvas->Handle();
    HFONT original = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    LOGFONT log{};
    log.lfHeight = -kTestFontHeight;
    std::strcpy(log.lfFaceName, GDI_TEST_FONT_FACE);
    HFONT font = CreateFontIndirect(&log);
    EXPECT_EQ(uiGetStringAdjustedToWidth(dc, font, "abcdefghij", teEnd, 0), "");
    EXPECT_EQ(uiGetStringAdjustedToWidth(dc, font, "", teEnd, 50), "");
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), original);

    const std::string end = uiGetStringAdjustedToWidth(dc, font, "abcdefghij", teEnd, 48);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(end.substr(end.size() - 3), "...");
    EXPECT_EQ(end.substr(0, 2), "ab");
    EXPECT_LE(end.size() * kTestFontAdvance, 48u);
    const std::string path = uiGetStringAdjustedToWidth(dc, font, "c:\\music\\albums\\take.wav", tePath, 120);
    EXPECT_NE(path.find("..."), std::string::npos);
    EXPECT_EQ(path.substr(path.size() - 9), "\\take.wav");
    EXPECT_EQ(uiGetStringAdjustedToWidth(dc, font, "short", teEnd, 100), "short");
    // Without a DC the screen canvas measures and gives its DC back.
    EXPECT_EQ(uiGetStringAdjustedToWidth(nullptr, font, "abcdefghij", teEnd, 48), end);
    EXPECT_FALSE(uiScreenCanvas()->Canvas()->HandleAllocated());
    SelectObject(dc, original);
    DeleteObject(font);
}

TEST_F(TextRoutinesTest, MeasuringWithAFontUsesTheScreenCanvasAndReleasesIt) {
    TFont font;
    UseTestFont(&font);
    EXPECT_EQ(uiMeasureTextHeight(&font), kTestFontHeight);
    EXPECT_EQ(uiMeasureTextWidth(&font, "abc"), 3 * kTestFontAdvance);
    // 24 points at 96 DPI: 32 pixels high, 16 apart.
    EXPECT_EQ(uiMeasureTextExtent(&font, "abc", 24), (TSize{48, 32}));
    TEXTMETRIC metrics{};
    EXPECT_TRUE(uiReadTextMetrics(&font, metrics));
    EXPECT_EQ(metrics.tmAscent, 12);
    EXPECT_FALSE(uiScreenCanvas()->Canvas()->HandleAllocated());
    EXPECT_EQ(font.Height(), -kTestFontHeight);
    TSize size{};
    EXPECT_TRUE(uiGetTextExtentPoint(canvas->Handle(), "abcdef", size, 2));
    EXPECT_EQ(size.cx, 2 * kTestFontAdvance);
}

TEST_F(TextRoutinesTest, RotatedTextTurnsItsBoxesIntoTheRectangle) {
    // "ab" laid out in the turned rectangle covers columns 0-14 and rows 1-11 there.
    const TRect r{10, 10, 30, 60};
    struct Case {
        TuiRotationAngle angle;
        RECT box;
    };
    const std::vector<Case> cases = {
        {raNone, {10, 11, 25, 22}},
        {raPlus90, {11, 45, 22, 60}},
        {raMinus90, {18, 10, 29, 25}},
        {ra180, {15, 48, 30, 59}},
    };
    for (const Case& c : cases) {
        canvas->FillRect(TRect{0, 0, 200, 120}, clWhite);
        uiDrawRotatedText(canvas.get(), "ab", r, c.angle, clRed, DT_LEFT | DT_TOP | DT_SINGLELINE);
        EXPECT_EQ(BoundsOfColor(*bitmap, clRed), c.box) << c.angle;
    }
}

// A screen of another pixel density for the life of the object; the graphics unit starts again to read it.
class ScreenDensity {
public:
    explicit ScreenDensity(int ADpi) { Restart(ADpi); }
    ~ScreenDensity() { Restart(0); }
    ScreenDensity(const ScreenDensity&) = delete;
    ScreenDensity& operator=(const ScreenDensity&) = delete;

private:
    static void Restart(int ADpi) {
        GdiSetPixelsPerInch(ADpi);
        uiCoreFinalize();
        uiCoreInitialize();
    }
};

TEST_F(TextRoutinesTest, ScalingToTheScreensPixelsPerInch) {
    EXPECT_EQ(uiCurrentDPI(), 96);
    EXPECT_EQ(uiScaleToCurrentDPI(16), 16);
    auto density = std::make_unique<ScreenDensity>(120);
    EXPECT_EQ(uiScreenPixelsPerInch(), (TPoint{120, 120}));
    EXPECT_EQ(uiCurrentDPI(), 120);
    EXPECT_EQ(uiScaleToCurrentDPI(16), 20);
    EXPECT_EQ(uiGetSizeCurrentDPI(TSize{16, 8}), (TSize{20, 10}));
    EXPECT_EQ(uiGetRectCurrentDPI(TRect{8, 16, 24, 32}), (TRect{10, 20, 30, 40}));
    // Components designed at 96 DPI scale themselves when loaded.
    TuiScalableComponent component(nullptr);
    EXPECT_EQ(component.PixelsPerInch, 120);
    density.reset();
    EXPECT_EQ(uiCurrentDPI(), 96);
}

TEST_F(TextRoutinesTest, SharedCanvasesEndWithTheUnit) {
    EXPECT_NE(uiScreenCanvas(), nullptr);
    EXPECT_NE(uiPaintCanvas(), nullptr);
    uiGraphicsUnitEnd();
    EXPECT_EQ(uiScreenCanvas(), nullptr);
    EXPECT_EQ(uiPaintCanvas(), nullptr);
    uiGraphicsUnitStart();
    EXPECT_NE(uiScreenCanvas(), nullptr);
}

// A monochrome cursor of 32 x 32: the AND mask on top (white = clear), the XOR mask below.
HCURSOR MonochromeCursor(int AHotSpotY, const RECT& AOpaque, const RECT& AInverted) {
    HBITMAP mask = CreateBitmap(32, 64, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mask);
    const RECT andPart{0, 0, 32, 32}, xorPart{0, 32, 32, 64};
    FillRect(dc, &andPart, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &xorPart, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(dc, &AOpaque, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(dc, &AInverted, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO info;
    info.fIcon = FALSE;
    info.yHotspot = DWORD(AHotSpotY);
    info.hbmMask = mask;
    HCURSOR cursor = CreateIconIndirect(&info);
    DeleteObject(mask);
    return cursor;
}

TEST_F(TextRoutinesTest, TheCursorsDrawnHeightBelowItsHotSpot) {
    // Opaque rows 2 to 20 of the AND mask: the lowest is 20.
    HCURSOR drawn = MonochromeCursor(2, RECT{4, 2, 12, 21}, RECT{0, 0, 0, 0});
    SetCursor(drawn);
    EXPECT_EQ(uiGetCursorSize(), (TSize{32, 18}));
    // Nothing opaque: the XOR part tells, rows 3 to 10 of it.
    HCURSOR inverted = MonochromeCursor(1, RECT{0, 0, 0, 0}, RECT{5, 32 + 3, 9, 32 + 11});
    SetCursor(inverted);
    EXPECT_EQ(uiGetCursorSize(), (TSize{32, 9}));
    SetCursor(nullptr);
    EXPECT_EQ(uiGetCursorSize(), (TSize{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)}));
    DestroyCursor(drawn);
    DestroyCursor(inverted);
}

TEST(ObjectQueriesTest, BrushAndPenRecords) {
    HPEN pen = CreatePen(PS_DASH, 3, RGB(1, 2, 3));
    LOGPEN penData{};
    EXPECT_TRUE(uiReadPenData(pen, penData));
    EXPECT_EQ(penData.lopnStyle, UINT(PS_DASH));
    EXPECT_EQ(penData.lopnWidth.x, 3);
    EXPECT_EQ(penData.lopnColor, RGB(1, 2, 3));
    DeleteObject(pen);
    HBRUSH brush = CreateHatchBrush(HS_CROSS, RGB(4, 5, 6));
    LOGBRUSH brushData{};
    EXPECT_TRUE(uiGetBrushData(brush, brushData));
    EXPECT_EQ(brushData.lbStyle, BS_HATCHED);
    EXPECT_EQ(brushData.lbColor, RGB(4, 5, 6));
    DeleteObject(brush);
    EXPECT_FALSE(uiReadPenData(nullptr, penData));
}

TEST(TextCharsetTest, SpecialCharsetsUnlessTheTextStartsWithASCII) {
    struct Case {
        std::uint8_t charset;
        std::string text;
        bool special;
    };
    const std::vector<Case> cases = {
        {134, "\xE4\xB8\xAD", true},
        {136, "\xE4\xB8\xAD", true},
        {178, "\xD8\xB9", true},
        {134, "abc", false},
        {0, "\xE4\xB8\xAD", false},
        {1, "\xE4\xB8\xAD", false},
        {134, "", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(uiIsSpecialTextCharset(c.charset, c.text), c.special) << int(c.charset) << " " << c.text;
}

TEST_F(TextRoutinesTest, FontHelpers) {
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(-30);
    font.SetStyle(TFontStyles{fsBold});
    uiAssignDefaultFont(&font);
    const TFont defaults;
    EXPECT_EQ(font.Name(), defaults.Name());
    EXPECT_EQ(font.Height(), defaults.Height());
    EXPECT_TRUE(font.Style().empty());

    uiSetFontNonAntialiased(&font);
    LOGFONT log{};
    GetObject(font.Handle(), sizeof(log), &log);
    EXPECT_EQ(log.lfQuality, NONANTIALIASED_QUALITY);
    EXPECT_EQ(font.Name(), defaults.Name());

    canvas->SetFontAngle(90);
    GetObject(canvas->Font()->Handle(), sizeof(log), &log);
    EXPECT_EQ(log.lfEscapement, 900);
    EXPECT_EQ(log.lfOutPrecision, OUT_TT_ONLY_PRECIS);
}

} // namespace
