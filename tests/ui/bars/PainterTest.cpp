// The bar painter base: the painter class a manager makes, the look it gives embedded controls, its
// metrics and border sizes, the toolbar mark, separators and floating captions, the order a button is
// drawn in, glyph rectangles, embossed and rotated text, and that its empty operations draw nothing.
#include "BarPaintingTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/Canvas.h"

#include <cstring>

using namespace bars_test;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

namespace {

class PainterTest : public BarPaintingTest {};

// Painters standing for the looks in the class table.
template <int N> class LookPainter : public TovBarPainter {
public:
    using TovBarPainter::TovBarPainter;
};
template <int N> std::unique_ptr<TovBarPainter> MakeLook(TuiLookAndFeelPainterBase* ASkinPainter) {
    return std::make_unique<LookPainter<N>>(ASkinPainter);
}

TEST_F(PainterTest, TheManagerMakesThePainterClassOfItsStyle) {
    static const TovBarPainterClass Classes[] = {{"Standard", &MakeLook<0>},
                                                 {"Enhanced", &MakeLook<1>},
                                                 {"Flat", &MakeLook<2>},
                                                 {"Office11", &MakeLook<4>}};
    // The looks built so far stay registered for the tests that follow.
    const TovBarPainterClass* built[bpiOffice11 + 1];
    for (int index = bpiStandard; index <= bpiOffice11; ++index)
        built[index] = ovBarPainterClassOf(index);
    ovBarRegisterPainterClass(bpiStandard, &Classes[0]);
    ovBarRegisterPainterClass(bpiEnhanced, &Classes[1]);
    ovBarRegisterPainterClass(bpiFlat, &Classes[2]);
    ovBarRegisterPainterClass(bpiOffice11, &Classes[3]);
    struct TCase {
        TovBarManagerStyle Style;
        TuiLookAndFeelKind Kind;
        const char* Class;
    };
    const TCase cases[] = {
        {bmsStandard, lfStandard, "Standard"},
        {bmsEnhanced, lfStandard, "Enhanced"},
        {bmsFlat, lfStandard, "Flat"},
        {bmsXP, lfStandard, "Enhanced"}, // no visual styles
        {bmsOffice11, lfStandard, "Office11"},
        {bmsUseLookAndFeel, lfFlat, "Enhanced"},
        {bmsUseLookAndFeel, lfUltraFlat, "Flat"},
        {bmsUseLookAndFeel, lfStandard, "Standard"},
        {bmsUseLookAndFeel, lfOffice11, "Office11"},
    };
    for (const TCase& c : cases) {
        manager->LookAndFeel()->SetKind(c.Kind);
        manager->SetStyle(c.Style);
        EXPECT_STREQ(manager->GetPainterClass()->Name, c.Class) << "style " << c.Style << " kind " << c.Kind;
    }
    manager->SetStyle(bmsXP);
    EXPECT_NE(dynamic_cast<LookPainter<1>*>(manager->DefaultPainter()), nullptr) << "made from the class";
    for (int index = bpiStandard; index <= bpiOffice11; ++index)
        ovBarRegisterPainterClass(index, nullptr);
    manager->SetStyle(bmsEnhanced);
    EXPECT_EQ(manager->GetPainterClass(), ovBarBasePainterClass());
    for (int index = bpiStandard; index <= bpiOffice11; ++index)
        ovBarRegisterPainterClass(index, built[index]);
}

TEST_F(PainterTest, EmbeddedControlsGetTheLookOfTheBars) {
    TuiLookAndFeel look(nullptr);
    look.SetSkinName("Something");
    struct TCase {
        TovBarManagerStyle Style;
        TuiLookAndFeelKind Kind;
    };
    for (const TCase c : {TCase{bmsFlat, lfUltraFlat}, TCase{bmsOffice11, lfOffice11},
                          TCase{bmsStandard, lfFlat}, TCase{bmsEnhanced, lfFlat}}) {
        manager->SetStyle(c.Style);
        painter->InitLookAndFeel(manager, &look);
        EXPECT_EQ(look.Kind(), c.Kind) << "style " << c.Style;
        EXPECT_FALSE(look.NativeStyle());
        EXPECT_TRUE(look.SkinName().empty());
    }
}

TEST_F(PainterTest, BaseMetrics) {
    TRect r{};
    painter->ItemCaptionOffsets(r);
    EXPECT_EQ(r, (TRect{2, 2, 2, 3}));
    painter->GetTextOffsets(nullptr, 0, r);
    EXPECT_EQ(r, (TRect{3, 0, 3, 0}));
    painter->GetButtonCaptionOffsets(r);
    EXPECT_EQ(r, (TRect{4, 0, 0, 0}));
    painter->EditGetContentOffsets(iptHorizontal, r);
    EXPECT_EQ(r, (TRect{2, 2, 2, 2}));
    painter->SubMenuControlGetContentOffsets(r);
    EXPECT_EQ(r, (TRect{1, 1, 1, 1}));
    int top = 0, bottom = 0;
    painter->GetItemVerticalOffsets(top, bottom);
    EXPECT_EQ(top + bottom, 4);
    struct TCase {
        const char* Name;
        int Value, Expected;
    };
    const TCase cases[] = {
        {"BarSeparatorSize", painter->BarSeparatorSize(), 6},
        {"BarSeparatorOffset", painter->BarSeparatorOffset(), 2},
        {"BarMarkSize", painter->BarMarkSize(), 11},
        {"BarGripAreaSize", painter->BarGripAreaSize(nullptr), 0},
        {"BarFingerWidth", painter->BarFingerWidth(), 3},
        {"BarCaptionAreaHeight", painter->BarCaptionAreaHeight(), painter->BarCaptionHeight() + 1},
        {"BarCaptionHeight", painter->BarCaptionHeight(),
         ovSystemInfo()->NonClientMetrics().iSmCaptionHeight},
        {"GetFloatingFrameWidth", painter->GetFloatingFrameWidth(), GetSystemMetrics(SM_CXFRAME)},
        {"GetItemHeight(16)", painter->GetItemHeight(16, 13), 22},
        {"GetItemWidth(16)", painter->GetItemWidth(16, 13), 23},
        {"GetLargeButtonWidthIndent", painter->GetLargeButtonWidthIndent(), 10},
        {"GetLargeButtonHeightIndent", painter->GetLargeButtonHeightIndent(), 6},
        {"GetMarkArrowSize", painter->GetMarkArrowSize().cx * 10 + painter->GetMarkArrowSize().cy, 53},
        {"SubMenuControlSeparatorHeight", painter->SubMenuControlSeparatorHeight(), 10},
        {"SubMenuControlItemIndent", painter->SubMenuControlItemIndent(), 2},
        {"SubMenuControlBorderSize", painter->SubMenuControlBorderSize(), 2},
        {"SubMenuControlSubArrowWidth(19)", painter->SubMenuControlSubArrowWidth(19), 13},
        {"SubMenuControlGetMarkSize(18)", painter->SubMenuControlGetMarkSize(18), 6},
        {"SubMenuControlScrollArrowExtent(19)", painter->SubMenuControlScrollArrowExtent(19), 5},
        {"SubMenuControlDetachCaptionHeight(9)", painter->SubMenuControlDetachCaptionHeight(9), 12},
        {"GetBaseTextSize", painter->GetBaseTextSize(), 19},
        {"GetComboBoxArrowWidth(7)", painter->GetComboBoxArrowWidth(nullptr, 7), 13},
        {"ComboGetButtonFrameSize", painter->ComboGetButtonFrameSize(), 2},
        {"ProgressGetHeight", painter->ProgressGetHeight(), 12},
        {"PopupWindowFrameWidth", painter->PopupWindowFrameWidth(), 2},
        {"ExtraPaneGetPinButtonWidth", painter->ExtraPaneGetPinButtonWidth(), 30},
        {"GetSmallImageSize", TovBarPainter::GetSmallImageSize(), 16},
        {"GetButtonArrowWidth", painter->GetButtonArrowWidth(manager), 11},
        {"GetLargeButtonArrowWidth", painter->GetLargeButtonArrowWidth(manager), 13},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    manager->SetLargeIcons(true);
    EXPECT_EQ(painter->GetButtonArrowWidth(manager), 23) << "doubled and made odd";
    manager->SetLargeIcons(false);
    EXPECT_FALSE(painter->IsFlatStyle());
    EXPECT_FALSE(painter->IsFadingAvailable());
    EXPECT_TRUE(painter->AllowLargeIcons());
    EXPECT_TRUE(painter->BarCanQuickCustomize());
}

// A look with a grip and an indent without one, to see where the allowance goes.
class GripPainter : public TovBarPainter {
public:
    int BarGripAreaSize(TovBarControl*) override { return 9; }
    int BarNoGripIndent() override { return 2; }
};

TEST_F(PainterTest, BorderSizesOfFloatingDockedAndStatusBars) {
    GripPainter grip;
    TovBar* bar = manager->Bars()->Add();
    TRect r{};
    const int fw = grip.GetFloatingFrameWidth(), fh = grip.GetFloatingFrameHeight();
    grip.BarBorderSizes(bar, dsNone, r, false);
    EXPECT_EQ(r, (TRect{fw, fh + grip.BarCaptionAreaHeight(), fw, fh}))
        << "floating: the frame and the caption";
    TStandInToolbar window(manager, bar, true);
    window.CaptionShown = false;
    grip.BarBorderSizes(bar, dsNone, r, false);
    EXPECT_EQ(r, (TRect{fw, fh, fw, fh})) << "a window that shows no caption: the frame alone";
    grip.BarBorderSizes(bar, dsTop, r, false);
    EXPECT_EQ(r, (TRect{2 + 9, 2, 2, 2})) << "the grip at the left of a horizontal bar";
    grip.BarBorderSizes(bar, dsLeft, r, false);
    EXPECT_EQ(r, (TRect{2, 2 + 9, 2, 2})) << "at the top of a vertical one";
    window.SetItemLinks(nullptr);

    bar->SetDockingStyle(dsBottom);
    bar->SetBorderStyle(bbsNone);
    bar->SetWholeRow(true);
    ASSERT_TRUE(bar->IsStatusBarLike());
    grip.BarBorderSizes(bar, dsBottom, r, true);
    EXPECT_EQ(r, (TRect{0, 2, grip.BarSizeGripSize().cx, 0}));
    bar->SetWholeRow(false);
    grip.BarBorderSizes(bar, dsBottom, r, false);
    EXPECT_EQ(r, (TRect{0, 0, 0, 0}));
}

TEST_F(PainterTest, TheToolbarMarkItsArrowAndChevrons) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("Cut", 0));
    toolbar->Layout(100);
    TRect mark{};
    painter->BarGetMarkRect(toolbar, mark);
    const TRect client = toolbar->GetClientRect();
    EXPECT_EQ(mark, (TRect{client.right - 11, 0, client.right, client.bottom}));
    TPicture picture = Picture(client.right, client.bottom, clBtnFace);
    painter->BarDrawMarkElements(toolbar, picture.DC(), mark);
    const TRect band = uiCentreRectHorz(mark, 11);
    const int x = band.left + 3, y = band.bottom - 7;
    EXPECT_EQ(picture.At(x, y), Rgb(clBtnText)) << "the customize arrow";
    EXPECT_EQ(picture.At(x + 4, y), Rgb(clBtnText));
    EXPECT_EQ(picture.At(x + 2, y + 2), Rgb(clBtnText));
    EXPECT_EQ(picture.At(band.left + 2, 4), Rgb(clBtnFace)) << "no chevrons without hidden links";
    toolbar->SetTruncated(true);
    painter->BarDrawMarkElements(toolbar, picture.DC(), mark);
    EXPECT_EQ(picture.At(band.left + 2, 4), Rgb(clBtnText)) << "the first chevron";
    EXPECT_EQ(picture.At(band.left + 6 + 1, 4), Rgb(clBtnText)) << "the second";

    class NoQuick : public TovBarPainter {
    public:
        bool BarCanQuickCustomize() override { return false; }
    } noQuick;
    toolbar->SetTruncated(false);
    TPicture empty = Picture(client.right, client.bottom, clBtnFace);
    noQuick.BarDrawMark(toolbar, empty.DC(), toolbar->GetBackgroundBrush(), mark);
    EXPECT_EQ(empty.Count(clBtnFace), client.right * client.bottom) << "nothing to show";

    TStandInToolbar* floating = Toolbar(dsNone);
    floating->Layout(120);
    floating->SetWindowRect(TRect{0, 0, 140, 60});
    const TRect caption = floating->GetCaptionClientRect();
    painter->BarGetMarkRect(floating, mark);
    EXPECT_EQ(mark.right, caption.right - painter->BarCaptionButtonSize().cx - 1)
        << "left of the close button";
    EXPECT_EQ(mark.right - mark.left, caption.bottom - caption.top);
    floating->SetWindowRect(TRect{0, 0, 20, 60});
    painter->BarGetMarkRect(floating, mark);
    EXPECT_GE(mark.left, floating->GetCaptionClientRect().left) << "never left of the caption";
}

TEST_F(PainterTest, SeparatorsOfToolbarsAndMenus) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Layout(40);
    TPicture picture = Picture(20, 20, clRed);
    painter->BarDrawSeparator(toolbar, picture.DC(), false, toolbar->GetBackgroundBrush(),
                              TRect{0, 0, 6, 20});
    EXPECT_EQ(picture.At(0, 5), Rgb(clBtnFace)) << "the band left of the line";
    EXPECT_EQ(picture.At(2, 5), Rgb(clBtnShadow)) << "the etched line two pixels in";
    EXPECT_EQ(picture.At(3, 5), Rgb(clBtnHighlight));
    EXPECT_EQ(picture.At(5, 5), Rgb(clBtnFace));
    EXPECT_EQ(picture.At(7, 5), Rgb(clRed));

    TStandInMenu* menu = Menu();
    TovBarItemLink* link = menu->Add(Button("Open", 1));
    menu->Layout();
    TRect band{};
    const TRect item{0, 20, 100, 40};
    painter->SubMenuControlGetBeginGroupRect(menu, link->Control(), band, item);
    EXPECT_EQ(band, (TRect{0, 10, 100, 20})) << "the band directly above the item";
    TPicture group = Picture(100, 40, clRed);
    painter->SubMenuControlDrawBeginGroup(menu, link->Control(), band, group.DC());
    EXPECT_EQ(group.At(50, 14), Rgb(clBtnShadow)) << "an etched line 4 pixels below the band's top";
    EXPECT_EQ(group.At(50, 12), Rgb(clBtnFace)) << "the band filled with the menu's face";
}

TEST_F(PainterTest, TheFloatingCaptionLineCloseButtonTextAndMark) {
    TStandInToolbar* floating = Toolbar(dsNone);
    floating->Bar()->SetCaption("Transport");
    floating->Layout(150);
    floating->SetWindowRect(TRect{0, 0, 170, 60});
    TRect caption{};
    painter->GetBarCaptionRect(floating->Bar(), floating->GetWindowRect(), caption);
    TPicture picture = Picture(170, 60, clRed);
    painter->BarDrawFloatingBarCaption(floating, picture.DC(), GetSysColorBrush(COLOR_BTNFACE),
                                       floating->GetWindowRect(), caption);
    EXPECT_EQ(picture.At(caption.left + 3, caption.bottom), Rgb(clBtnFace)) << "the line under the caption";
    const TColor captionColour = Rgb(floating->GetCaptionColor());
    EXPECT_EQ(picture.At(caption.right - 2, caption.top + 2), captionColour) << "the close button's place";
    TRect mark{};
    painter->BarGetMarkRect(floating, mark);
    int arrow = 0, text = 0;
    const TColor captionText = Rgb(painter->BarCaptionTextColor(floating));
    for (int y = caption.top; y < caption.bottom; ++y)
        for (int x = caption.left; x < caption.right; ++x) {
            if (picture.At(x, y) != captionText) continue;
            if (x >= mark.left && x < mark.right)
                ++arrow;
            else if (x < mark.left)
                ++text;
        }
    EXPECT_GT(text, 20) << "the caption's text stays visible left of the mark";
    EXPECT_GT(arrow, 3) << "the mark's arrow";
}

// Records the steps of drawing a button.
class RecordingPainter : public TovBarPainter {
public:
    void PaintLoweredFrame(HDC ADC, TRect& R) override {
        Steps.push_back("lowered");
        TovBarPainter::PaintLoweredFrame(ADC, R);
    }
    void DrawItemGlyphRect(TovBarItemControl* AControl, HDC ADC, const TovItemGlyphArgs& AArgs) override {
        Steps.push_back("glyph");
        TovBarPainter::DrawItemGlyphRect(AControl, ADC, AArgs);
    }
    void DrawItemText(TovBarItemControl* AControl, TuiCanvas* ACanvas, const std::string& AText, TRect R,
                      int AAlignment, bool AEnabled, bool ASelected, bool AVertical, bool AClip,
                      bool AKeepColor, UINT AFormat) override {
        Steps.push_back("text " + AText);
        TovBarPainter::DrawItemText(AControl, ACanvas, AText, R, AAlignment, AEnabled, ASelected, AVertical,
                                    AClip, AKeepColor, AFormat);
    }
    void DrawButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R) override {
        Steps.push_back("arrow");
    }
    void DrawDropDownButton(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override {
        Steps.push_back("split part");
    }
    void PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) override {
        Steps.push_back("check " + std::to_string(AFactor));
    }
    std::vector<std::string> Steps;
};

TEST_F(PainterTest, AButtonIsDrawnLoweredFrameGlyphCaptionThenItsDropDown) {
    RecordingPainter recorder;
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->SetPainter(&recorder);
    TovBarButton* split = Button("Mix", 1, psCaptionGlyph);
    split->SetButtonStyle(bsDropDown);
    split->Lowered = true;
    toolbar->Add(split);
    auto* sub = new TovBarSubItem(form);
    sub->SetCaption("Effects");
    sub->SetShowCaption(true);
    toolbar->Add(sub);
    toolbar->Layout();
    TPicture picture = Picture(300, 40);
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(recorder.Steps, (std::vector<std::string>{"lowered", "glyph", "text Mix", "split part", "glyph",
                                                        "text Effects", "arrow"}));

    TStandInMenu* menu = Menu();
    menu->SetPainter(&recorder);
    TovBarButton* checked = Button("Loop");
    checked->SetButtonStyle(bsChecked);
    checked->SetDown(true);
    menu->Add(checked);
    menu->Layout();
    recorder.Steps.clear();
    menu->PaintTo(picture.Canvas.get());
    EXPECT_EQ(recorder.Steps, (std::vector<std::string>{"glyph", "check 1", "text Loop"}))
        << "a checked item without glyph gets the check mark";
    manager->SetScaled(false);
    manager->Font()->SetSize(16);
    menu->Layout();
    recorder.Steps.clear();
    menu->PaintTo(picture.Canvas.get());
    EXPECT_EQ(recorder.Steps.at(1), "check 2") << "the larger check mark from 16 points on";
}

TEST_F(PainterTest, GlyphRectanglesOfSmallAndLargeButtons) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* small = toolbar->Add(Button("Save", 0, psCaptionGlyph));
    struct TLarge {
        TovBarGlyphLayout Layout;
        TovBarItemLink* Link;
    };
    std::vector<TLarge> larges;
    for (TovBarGlyphLayout layout : {glLeft, glRight, glTop, glBottom}) {
        auto* large = new TovBarLargeButton(form);
        large->SetCaption("Amplify");
        large->SetLargeImageIndex(1);
        large->SetShowCaption(true);
        large->SetAutoGrayScale(false);
        large->SetGlyphLayout(layout);
        larges.push_back({layout, toolbar->Add(large)});
    }
    toolbar->Layout();
    TPicture picture = Picture(600, 80);
    toolbar->PaintTo(picture.Canvas.get());
    const TRect r = small->ItemRect;
    const TRect glyph = small->Control()->ViewInfo()->ImageBounds;
    EXPECT_EQ(glyph.right - glyph.left, 16);
    EXPECT_EQ(glyph.left, r.left + (23 - 16) / 2) << "centred in the glyph column";
    EXPECT_EQ(glyph.top, r.top + (r.bottom - r.top - 16) / 2);
    for (const TLarge& large : larges) {
        const TRect item = large.Link->ItemRect;
        const TRect image = large.Link->Control()->ViewInfo()->ImageBounds;
        EXPECT_EQ(image.right - image.left, 32);
        switch (large.Layout) {
        case glLeft:
            EXPECT_EQ(image.left, item.left + 4) << "4 from the left";
            break;
        case glRight:
            EXPECT_EQ(image.right, item.right - 4);
            break;
        case glTop:
            EXPECT_EQ(image.top, item.top + 2);
            break;
        case glBottom:
            EXPECT_EQ(image.bottom, item.bottom - 2);
            break;
        }
    }
}

TEST_F(PainterTest, DisabledTextIsEmbossedAndVerticalTextRunsDown) {
    graphics_test::TestFontScope solidText; // no smoothing: the colours stay exact
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarButton* item = Button("Disabled text", -1, psCaption);
    item->SetEnabled(false);
    TovBarItemLink* link = toolbar->Add(item);
    toolbar->Layout();
    TPicture picture = Picture(200, 40, clBtnFace);
    toolbar->PaintTo(picture.Canvas.get());
    const int shadow = picture.Count(clBtnShadow), highlight = picture.Count(clBtnHighlight);
    EXPECT_GT(shadow, 20);
    EXPECT_GT(highlight, 20) << "the highlight copy one pixel right and down";
    int belowRight = 0;
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 199; ++x)
            if (picture.At(x, y) == Rgb(clBtnShadow) && picture.At(x + 1, y + 1) == Rgb(clBtnHighlight))
                ++belowRight;
    EXPECT_GT(belowRight, shadow / 4);
    (void)link;

    TStandInToolbar* vertical = Toolbar(dsLeft);
    TovBarItemLink* rotated = vertical->Add(Button("Vertical", -1, psCaption));
    vertical->Layout();
    const TRect r = rotated->ItemRect;
    EXPECT_GT(r.bottom - r.top, r.right - r.left) << "the caption runs along the bar";
    TPicture column = Picture(r.right + 4, r.bottom + 4, clBtnFace);
    vertical->PaintTo(column.Canvas.get());
    int minY = 1000, maxY = -1, minX = 1000, maxX = -1;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            if (column.At(x, y) == Rgb(clBtnText)) {
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    ASSERT_GE(maxY, 0);
    EXPECT_GT(maxY - minY, 2 * (maxX - minX)) << "taller than wide";
    EXPECT_GE(minX, r.left);
    EXPECT_LT(maxX, r.right) << "inside its item";
}

TEST_F(PainterTest, ProgressBlocksAndEmptyRanges) {
    TStandInMenu* host = Menu();
    TovBarItemLink* link = host->Add(Button("Host"));
    host->Layout();
    TovBarProgressControlDrawParams params(link->Control());
    TPicture picture = Picture(130, 12, clRed);
    params.Canvas = picture.Canvas.get();
    auto draw = [&](int APosition, int AMin, int AMax, int AWidth) {
        const TRect all{0, 0, 130, 12};
        FillRect(picture.DC(), &all, GetSysColorBrush(COLOR_WINDOW));
        params.Position = APosition;
        params.Min = AMin;
        params.Max = AMax;
        painter->ProgressDraw(&params, TRect{0, 0, AWidth, 12}, clBlue);
    };
    auto filled = [&](int X) { return picture.At(X, 6) == Rgb(clBlue); };
    draw(30, 0, 120, 120);
    for (int x : {0, 7, 10, 17, 20, 27})
        EXPECT_TRUE(filled(x)) << x;
    for (int x : {8, 9, 18, 19, 28, 29, 30})
        EXPECT_FALSE(filled(x)) << x;
    draw(25, 0, 120, 120);
    EXPECT_TRUE(filled(24));
    EXPECT_FALSE(filled(25)) << "the last block is shorter";
    draw(5, 5, 5, 120);
    EXPECT_EQ(picture.Count(clBlue), 0) << "Min = Max fills nothing";
    draw(500, 0, 100, 120);
    EXPECT_TRUE(filled(117));
    EXPECT_FALSE(filled(121)) << "past Max never fills beyond the bar";
    draw(-50, 0, 100, 120);
    EXPECT_EQ(picture.Count(clBlue), 0) << "below Min fills nothing";
    params.Smooth = true;
    draw(50, 0, 100, 120);
    EXPECT_TRUE(filled(59));
    EXPECT_FALSE(filled(60));
}

TEST_F(PainterTest, StaticBorders) {
    struct TCase {
        TovBarStaticBorderStyle Style;
        int Size;
    };
    for (const TCase c : {TCase{sbsNone, 0}, TCase{sbsLowered, 1}, TCase{sbsRaised, 1}, TCase{sbsEtched, 2},
                          TCase{sbsBump, 2}}) {
        TRect r{};
        painter->StaticGetBorderSizes(c.Style, r);
        EXPECT_EQ(r, (TRect{c.Size, c.Size, c.Size, c.Size})) << "style " << c.Style;
    }
    TStandInMenu* host = Menu();
    TovBarItemLink* link = host->Add(Button("Host"));
    host->Layout();
    TovBarStaticLikeControlDrawParams params(link->Control());
    TPicture picture = Picture(40, 20, clRed);
    params.Canvas = picture.Canvas.get();
    params.BorderStyle = sbsBump;
    painter->StaticGetBorderSizes(sbsBump, params.BorderSizes);
    TRect r{0, 0, 40, 20};
    painter->StaticDrawBorder(&params, r);
    EXPECT_EQ(r, (TRect{2, 2, 38, 18}));
    EXPECT_EQ(picture.At(0, 5), Rgb(clBtnHighlight)) << "the raised inner edge outside";
    EXPECT_EQ(picture.At(1, 5), Rgb(clBtnShadow)) << "the sunken outer edge inside";
}

TEST_F(PainterTest, EmptyBaseOperationsLeaveThePixelsAlone) {
    TStandInToolbar* toolbar = Toolbar(dsNone);
    TovBarItemLink* link = toolbar->Add(Button("Item", 0));
    toolbar->Layout(60);
    TStandInMenu* menu = Menu();
    menu->Add(Button("Entry", 1));
    menu->Layout();
    TovBarItemControl* control = link->Control();
    TPicture picture = Picture(60, 40, clRed);
    HDC dc = picture.DC();
    const TRect r{0, 0, 60, 40};
    TRect mutableRect = r;
    TovItemGlyphArgs args;
    painter->DrawBarControlNonClient(toolbar, dc);
    painter->PaintGlyphFrame(control, dc, r, args);
    painter->PaintGlyphCheck(control, dc, 1, 5, 5);
    painter->FrameSelRect(dc, r);
    painter->BarDrawMarkBackground(toolbar, dc, toolbar->GetBackgroundBrush(), r);
    painter->BarDrawCloseButton(toolbar, dc, r);
    painter->BarDrawDockedBarBorder(toolbar, dc, mutableRect);
    painter->BarPaintFloatingFrame(toolbar, dc, r);
    painter->BarPaintMDIButton(toolbar, dc, r, 0, 1);
    painter->DrawButtonInMenuBackground(control->DrawParams(), r);
    painter->EditButtonDrawFrame(control, dc, true, true, true, mutableRect);
    painter->SubMenuControlDrawScrollBand(menu, picture.Canvas.get(), r, false);
    painter->SubMenuControlPaintItemFrame(menu, control, dc, r);
    painter->QuickCustItemDrawSelection(control, dc, true, r, r);
    painter->ApplicationMenuDrawButton(control->DrawParams(), r);
    painter->ExtraPaneDrawButton(control->DrawParams(), r);
    painter->ComboDrawButtonBackground(control->DrawParams(), mutableRect, toolbar->GetBackgroundBrush());
    painter->EditDrawButtonPart(control->DrawParams(), r, 3);
    painter->EditDrawPartBackground(control->DrawParams(), r, 3);
    painter->EditDrawCustomPart(control->DrawParams(), r, 3);
    painter->BarUpdateWindowRegion(nullptr, r, true);
    EXPECT_EQ(picture.Count(clRed), 60 * 40);
    EXPECT_EQ(mutableRect, r);
}

} // namespace

TEST_F(PainterTest, AnItemFillingItsPartOfAStatusBarLeavesItsNeighboursAlone) {
    TStandInToolbar* statusBar = Toolbar(dsBottom);
    statusBar->Bar()->SetBorderStyle(bbsNone);
    statusBar->Bar()->SetWholeRow(true);
    ASSERT_TRUE(statusBar->Bar()->IsStatusBarLike());
    statusBar->Add(Button("Ready"));
    statusBar->Layout(80);
    TPicture picture = Picture(80, 30, clRed);
    HBRUSH face = CreateSolidBrush(ColorToRGB(clBtnFace));
    const TRect item{20, 2, 40, 18};
    painter->BarFillBackground(statusBar, picture.DC(), face, item, item);
    DeleteObject(face);
    EXPECT_EQ(picture.Count(clBtnFace), 20 * 16);
    EXPECT_EQ(picture.At(19, 5), Rgb(clRed));
    EXPECT_EQ(picture.At(40, 5), Rgb(clRed));
}

TEST_F(PainterTest, AScrollArrowIsDrawnWhereTheDCsOriginPutsIt) {
    TStandInMenu* menu = Menu();
    menu->Add(Button("Entry"));
    menu->Layout();
    const TRect band{0, 0, 40, painter->SubMenuControlScrollBandHeight(menu)};
    TPicture picture = Picture(80, 80);
    HDC dc = picture.DC();
    SetViewportOrgEx(dc, 20, 20, nullptr);
    painter->SubMenuControlDrawScrollArrow(menu, picture.Canvas.get(), band, false);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    // The arrow is left out of the clip region for the band's fill; reading pixels needs it back.
    SelectClipRgn(dc, nullptr);
    int inside = 0;
    for (int y = 20; y < 20 + band.bottom; ++y)
        for (int x = 20; x < 60; ++x)
            inside += picture.At(x, y) == Rgb(clBtnText) ? 1 : 0;
    EXPECT_GT(inside, 4) << "the arrow, in the band at the shifted origin";
    EXPECT_EQ(picture.Count(clBtnText), inside) << "and nothing outside it";
}
