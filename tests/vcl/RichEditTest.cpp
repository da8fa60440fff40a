#include "StdCtrlsTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/RichEdit.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace richedit_test {

using stdctrls_test::StdCtrlsTest;

TEST(RichTextParseTest, RunsKeepTextBoldnessAndColours) {
    struct TRun {
        std::string Text;
        TColor Color;
        bool Bold;
    };
    struct TCase {
        const char* What;
        const char* Source;
        std::vector<TRun> Runs;
    };
    const TColor red = static_cast<TColor>(RGB(255, 0, 0));
    const TCase cases[] = {
        {"plain text stays as it is", "Line one\r\nLine two", {{"Line one\nLine two", clDefault, false}}},
        {"bold runs and paragraphs",
         "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Press \\b Ctrl+S\\b0  to save.\\par Done}",
         {{"Press ", clDefault, false}, {"Ctrl+S", clDefault, true}, {" to save.\nDone", clDefault, false}}},
        {"colours from the table, escapes and groups",
         "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}{\\cf1 Stop}\\'e9 \\{x\\} \\u8364?}",
         {{"Stop", red, false}, {"\xC3\xA9 {x} \xE2\x82\xAC", clDefault, false}}},
        {"ignored destinations show nothing",
         "{\\rtf1{\\*\\generator Writer;}{\\info{\\title T}}Text}",
         {{"Text", clDefault, false}}},
    };
    for (const TCase& c : cases) {
        const std::vector<TRichTextRun> runs = ParseRichText(c.Source);
        ASSERT_EQ(runs.size(), c.Runs.size()) << c.What;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            EXPECT_EQ(runs[i].Text, c.Runs[i].Text) << c.What;
            EXPECT_EQ(runs[i].Color, c.Runs[i].Color) << c.What;
            EXPECT_EQ(runs[i].Bold, c.Runs[i].Bold) << c.What;
        }
    }
}

class RichEditTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        rich = new TRichEdit(form);
        rich->SetBounds(10, 10, 300, 100);
        rich->SetParent(form);
        ShowForm();
        dc = ::GetDC(rich->Handle());
        lineHeight = rich->Canvas()->TextHeight("Xy");
    }
    void TearDown() override {
        ::ReleaseDC(rich->Handle(), dc);
        StdCtrlsTest::TearDown();
    }
    // Formats in a rectangle of pixels (converted to twips at 96 DPI); answers the next character.
    LRESULT Format(int Width, int Height, bool Render, LONG First, int& UsedPixels) {
        FORMATRANGE range;
        range.hdc = dc;
        range.hdcTarget = dc;
        range.rc = RECT{0, 0, Width * 15, Height * 15};
        range.rcPage = range.rc;
        range.chrg = CHARRANGE{First, -1};
        const LRESULT next =
            ::SendMessage(rich->Handle(), EM_FORMATRANGE, Render ? 1 : 0, reinterpret_cast<LPARAM>(&range));
        UsedPixels = range.rc.bottom / 15;
        return next;
    }
    TRichEdit* rich = nullptr;
    HDC dc = nullptr;
    int lineHeight = 0;
};

TEST_F(RichEditTest, FormattingMeasuresWrapsAndStopsAtThePageEnd) {
    rich->SetText("{\\rtf1 one two three\\par four}");
    EXPECT_EQ(rich->Text(), "one two three\nfour");
    EXPECT_EQ(::SendMessage(rich->Handle(), EM_SETEVENTMASK, 0, 0), 0);
    int used = 0;
    EXPECT_EQ(Format(1000, 1000, false, 0, used), 18) << "everything fits";
    EXPECT_EQ(used, 2 * lineHeight);
    const int narrow = rich->Canvas()->TextWidth("one two ") + 1;
    EXPECT_EQ(Format(narrow, 1000, false, 0, used), 18);
    EXPECT_EQ(used, 3 * lineHeight) << "\"three\" wraps";
    EXPECT_EQ(Format(narrow, 2 * lineHeight + 1, false, 0, used), 14) << "the page ends before \"four\"";
    EXPECT_EQ(used, 2 * lineHeight);
    EXPECT_EQ(Format(narrow, 1000, false, 14, used), 18) << "the next page starts there";
    EXPECT_EQ(used, lineHeight);
    EXPECT_EQ(::SendMessage(rich->Handle(), EM_FORMATRANGE, 0, 0), 0) << "clearing the cache";
}

TEST_F(RichEditTest, ColouredRunsAreDrawnInTheirColour) {
    rich->SetText("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 WWWW}");
    Pump();
    const std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    const POINT origin = rich->ClientToScreen(POINT{0, 0});
    int red = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const COLORREF c = PixelToColorRef(screen->Pixel(origin.x + x, origin.y + y));
            if (GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80) ++red;
        }
    EXPECT_GT(red, 10);
}

} // namespace richedit_test
