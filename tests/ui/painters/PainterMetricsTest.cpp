// The painter interface's metrics and geometry: arrow points, touch sizes, sign colours, details, header,
// footer and popup-panel geometry, frame widths and the default colours of every painter.
#include "PaintersTestSupport.h"

#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/skins/SkinDetails.h"
#include "ui/painters/lookandfeel/UltraFlatPainter.h"

using namespace painters_test;

namespace {

class PainterMetricsTest : public PaintersTest {};

struct ArrowCase {
    TRect R;
    int Direction;
    bool Proportional;
    int Size;
    TPoint Expected[3];
};

TEST_F(PainterMetricsTest, ArrowPointsFollowTheDirectionTheSizeAndTheSquaring) {
    const ArrowCase cases[] = {
        // 9 x 5 up, proportional: squared to 5 x 5 at (2, 0); s = 2, the arrow 3 wide and 2 high, centred.
        {{0, 0, 9, 5}, adUp, true, 0, {{3, 3}, {4, 2}, {5, 3}}},
        {{0, 0, 9, 5}, adUp, false, 0, {{2, 3}, {4, 1}, {6, 3}}},
        // An explicit size is used as it is: down, 7 wide and 4 high.
        {{0, 0, 20, 20}, adDown, false, 4, {{12, 8}, {9, 11}, {6, 8}}},
        {{0, 0, 16, 16}, adLeft, true, 0, {{9, 11}, {6, 8}, {9, 5}}},
        {{0, 0, 16, 16}, adRight, true, 0, {{6, 5}, {9, 8}, {6, 11}}},
        {{10, 10, 26, 26}, adUp, true, 0, {{14, 19}, {17, 16}, {20, 19}}},
    };
    for (const ArrowCase& c : cases) {
        TuiArrowPoints points;
        ASSERT_TRUE(TuiCustomLookAndFeelPainter::ComputeArrowPoints(c.R, points, c.Direction, c.Proportional,
                                                                    c.Size));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(points.P[i].x, c.Expected[i].x) << "direction " << c.Direction << " point " << i;
            EXPECT_EQ(points.P[i].y, c.Expected[i].y) << "direction " << c.Direction << " point " << i;
        }
    }
}

TEST_F(PainterMetricsTest, AnUnknownDirectionYieldsNoPointsAndDrawsNothing) {
    TuiArrowPoints points;
    points.P[0] = TPoint{-7, -7};
    EXPECT_FALSE(TuiCustomLookAndFeelPainter::ComputeArrowPoints(TRect{0, 0, 16, 16}, points, 4, true));
    EXPECT_EQ(points.P[0].x, -7);
    auto bitmap = Draw(16, 16, clWhite, [&](TuiCanvas* c) {
        Painter("UltraFlat")
            ->DrawArrowShape(c, TRect{0, 0, 16, 16}, static_cast<TuiPainterArrowDirection>(7), clRed);
    });
    EXPECT_EQ(BoundsOfColor(*bitmap, clRed).right, 0);
}

TEST_F(PainterMetricsTest, TouchModeRaisesPositiveSizesToTwentySevenPixels) {
    struct {
        bool Touch;
        int Value, Expected;
    } const cases[] = {{false, 15, 15}, {true, 15, 27}, {true, 40, 40}, {true, 0, 0}, {true, -3, -3}};
    TuiLookAndFeelController controller(nullptr);
    for (const auto& c : cases) {
        controller.SetTouchMode(c.Touch);
        int value = c.Value;
        ovAdjustToTouchableSize(value);
        EXPECT_EQ(value, c.Expected) << c.Value << (c.Touch ? " in touch mode" : "");
    }
    TuiCustomLookAndFeelPainter* flat = Painter("Flat");
    controller.SetTouchMode(true);
    EXPECT_EQ(flat->TouchExpandBoxSize(), 27);
    EXPECT_EQ(flat->SortingMarkAreaSize().cx, 20);
    EXPECT_EQ(flat->HeaderHeight(13), 27);
    EXPECT_EQ(flat->FilterGlyphButtonSize().cx, 27);
    controller.SetTouchMode(false);
    EXPECT_EQ(flat->TouchExpandBoxSize(), 11);
    EXPECT_EQ(flat->SortingMarkAreaSize().cx, 16);
    EXPECT_EQ(flat->HeaderHeight(13), 13 + 2 + 4);
}

TEST_F(PainterMetricsTest, SignColoursOfTheStates) {
    for (const char* name : {"", "Flat", "Standard", "UltraFlat"}) {
        TuiCustomLookAndFeelPainter* p = Painter(name);
        EXPECT_EQ(p->ButtonSignColor(cxbsDisabled, clRed), clBtnShadow) << name;
        EXPECT_EQ(p->ButtonSignColor(cxbsHot, clDefault), clBtnText) << name;
        EXPECT_EQ(p->ButtonSignColor(cxbsHot, clRed), clRed) << name;
    }
    // UltraFlat writes pressed captions in the highlight text colour; the others keep the default.
    EXPECT_EQ(Painter("UltraFlat")->ButtonSignColor(cxbsPressed, clRed), clHighlightText);
    EXPECT_EQ(Painter("Standard")->ButtonSignColor(cxbsPressed, clRed), clRed);
}

TEST_F(PainterMetricsTest, DetailsAreMadeOnceWithTheBuiltInGroupAndDefaultIcons) {
    TuiCustomLookAndFeelPainter* standard = Painter("Standard");
    TovSkinDetails* details = standard->GetDetails();
    EXPECT_EQ(details, standard->GetDetails());
    EXPECT_EQ(details->Name(), "Standard");
    EXPECT_EQ(details->DisplayName(), "Standard");
    EXPECT_EQ(details->GroupName(), "Built-In Look && Feel Styles");
    TovSkinDetails* queried = nullptr;
    EXPECT_TRUE(standard->QueryPainterDetails(queried));
    EXPECT_EQ(queried, details);
    EXPECT_NE(details->GetIcon(0), nullptr);
    EXPECT_NE(details->GetIcon(1), nullptr);
}

TEST_F(PainterMetricsTest, FooterHeaderAndSeparatorGeometry) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    TuiCustomLookAndFeelPainter* flat = Painter("Flat");
    TuiCustomLookAndFeelPainter* ultra = Painter("UltraFlat");
    EXPECT_EQ(base->FooterCellTextBounds(TRect{0, 0, 50, 20}), (TRect{2, 2, 48, 18}));
    EXPECT_EQ(flat->FooterCellTextBounds(TRect{0, 0, 50, 20}), (TRect{3, 3, 47, 17}));
    EXPECT_EQ(flat->HeaderContentBounds(TRect{0, 0, 80, 20}, TuiBorders{bLeft, bRight}),
              (TRect{1, 0, 79, 20}));
    // Text width + 4, + the border for a left border, − it for a right one.
    {
        TestFontScope font;
        auto bitmap = MakeBitmap(10, 10);
        TuiCanvas canvas(bitmap->Canvas());
        UseTestFont(canvas.Font());
        const std::string text = "12345"; // 5 x 8 = 40 pixels
        ASSERT_EQ(canvas.TextWidth(text), 40);
        EXPECT_EQ(flat->HeaderWidth(&canvas, TuiBorders{bLeft, bRight}, text, nullptr), 44);
        EXPECT_EQ(flat->HeaderWidth(&canvas, TuiBorders{bLeft}, text, nullptr), 45);
        EXPECT_EQ(flat->HeaderWidth(&canvas, TuiBorders{bRight}, text, nullptr), 43);
    }
    // UltraFlat cells share lines with their left and top neighbours.
    EXPECT_EQ(ultra->HeaderBorderSides(TuiNeighbors{nLeft, nRight}), (TuiBorders{bTop, bRight, bBottom}));
    EXPECT_EQ(ultra->HeaderCellBoundsByNeighbors(TRect{10, 0, 50, 20}, TuiNeighbors{nLeft}, uiBordersAll),
              (TRect{9, 0, 50, 20}));
    EXPECT_EQ(flat->HeaderBorderSides(TuiNeighbors{nLeft}), uiBordersAll);
    EXPECT_EQ(base->SeparatorBandBounds(TRect{0, 0, 20, 10}, 2, true), (TRect{9, 0, 11, 10}));
    EXPECT_EQ(base->SeparatorBandBounds(TRect{0, 0, 20, 10}, 3, false), (TRect{0, 4, 20, 7}));
    EXPECT_EQ(base->ButtonFocusBounds(nullptr, TRect{0, 0, 20, 20}), (TRect{4, 4, 16, 16}));
    EXPECT_EQ(base->ButtonFocusBounds(nullptr, TRect{0, 0, 6, 20}), (TRect{0, 0, 6, 20}));
    EXPECT_EQ(ultra->ButtonFocusBounds(nullptr, TRect{0, 0, 20, 20}), (TRect{3, 3, 17, 17}));
}

TEST_F(PainterMetricsTest, PopupFramesAndTheSizingPanel) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    auto bitmap = MakeBitmap(100, 100);
    TuiCanvas canvas(bitmap->Canvas());
    const struct {
        TuiPopupBorderStyle Style;
        TRect Client;
    } frames[] = {{pbsNone, {0, 0, 100, 100}},
                  {pbsSingle, {1, 1, 99, 99}},
                  {pbsFrame3D, {4, 4, 96, 96}},
                  {pbsFlat3D, {2, 2, 98, 98}}};
    for (const auto& f : frames) {
        TRect r{0, 0, 100, 100};
        base->DrawPopupFrame(&canvas, r, f.Style, true);
        EXPECT_EQ(r, f.Client) << int(f.Style);
        EXPECT_EQ(base->PopupFrameWidth(f.Style), f.Client.left);
    }
    EXPECT_EQ(base->DefaultPopupPanelHeight(), 21);

    TRect client{0, 0, 200, 100}, panel, grip, close;
    base->ComputePopupPanelClientBounds(client, panel, grip, close, coBottomRight, TRect{1, 1, 1, 1},
                                        TuiBorders{bTop}, 0, true, true);
    EXPECT_EQ(client, (TRect{1, 1, 199, 78}));
    EXPECT_EQ(panel, (TRect{1, 78, 199, 99}));
    const TSize g = base->SizeGripExtent();
    EXPECT_EQ(grip, (TRect{197 - g.cx, 97 - g.cy, 197, 97}));
    // The close button is centred in the square at the panel's left end (below its top line).
    EXPECT_EQ(close, (TRect{4, 81, 18, 96}));

    client = TRect{0, 0, 200, 100};
    base->ComputePopupPanelClientBounds(client, panel, grip, close, coTopLeft, TRect{}, TuiBorders{bBottom},
                                        30, false, true);
    EXPECT_EQ(panel, (TRect{0, 0, 200, 30}));
    EXPECT_EQ(client, (TRect{0, 30, 200, 100}));
    EXPECT_EQ(grip, (TRect{2, 2, 2 + g.cx, 2 + g.cy}));
    EXPECT_EQ(close, (TRect{}));
}

struct WidthRow {
    const char* Painter;
    int Border, Separator, ButtonDefault, ButtonNormal, Header, FooterCell, FooterSpacing, ExpandBox,
        TextIndent, PressedShift;
    TSize SortingMark, ClearButton;
};

TEST_F(PainterMetricsTest, FrameWidthsAndSizesOfEachPainter) {
    const WidthRow rows[] = {
        {"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, {0, 0}, {16, 14}},
        {"Flat", 1, 2, 2, 1, 1, 1, 1, 11, 1, 1, {8, 7}, {16, 14}},
        {"Standard", 2, 2, 3, 2, 1, 1, 1, 12, 1, 1, {8, 7}, {16, 14}},
        {"UltraFlat", 1, 1, 2, 1, 1, 1, 2, 11, 2, 0, {7, 8}, {16, 15}},
    };
    for (const WidthRow& row : rows) {
        TuiCustomLookAndFeelPainter* p = Painter(row.Painter);
        SCOPED_TRACE(row.Painter);
        EXPECT_EQ(p->BorderThickness(), row.Border);
        EXPECT_EQ(p->SeparatorThickness(), row.Separator);
        EXPECT_EQ(p->ButtonBorderThickness(cxbsDefault), row.ButtonDefault);
        EXPECT_EQ(p->ButtonBorderThickness(cxbsHot), row.ButtonNormal);
        EXPECT_EQ(p->HeaderBorderWidth(), row.Header);
        EXPECT_EQ(p->FooterCellBorderWidth(), row.FooterCell);
        EXPECT_EQ(p->FooterCellSpacing(), row.FooterSpacing);
        EXPECT_EQ(p->ExpandBoxSize(), row.ExpandBox);
        EXPECT_EQ(p->ButtonTextIndent(), row.TextIndent);
        EXPECT_EQ(p->PressedButtonTextShift(), row.PressedShift);
        EXPECT_EQ(p->SortingMarkExtent(), row.SortingMark);
        EXPECT_EQ(p->FilterClearButtonSize(), row.ClearButton);
        const int containerWidths[7] = {0, 1, 2, 2, 2, 1, 1};
        for (int style = 0; style < 7; ++style)
            EXPECT_EQ(p->ContainerBorderWidth(static_cast<TuiContainerBorderStyle>(style)),
                      containerWidths[style]);
    }
    EXPECT_EQ(Painter("Standard")->HeaderControlSectionBorderWidth(cxbsPressed), 1);
    EXPECT_EQ(Painter("Standard")->HeaderControlSectionBorderWidth(cxbsNormal), 2);
    EXPECT_EQ(Painter("UltraFlat")->SplitterGripSize(true), (TSize{17, 1}));
    EXPECT_EQ(Painter("Flat")->SplitterGripSize(false), (TSize{2, 17}));
    EXPECT_EQ(Painter("UltraFlat")->EdgeSize(3), (TSize{1, 1}));
    EXPECT_EQ(Painter("")->SmallCloseButtonExtent(), (TSize{14, 15}));
    EXPECT_EQ(Painter("")->SizeGripExtent(),
              (TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)}));
    EXPECT_EQ(Painter("")->CheckBoxSize(), (TSize{13, 13}));
}

struct ColourRow {
    const char* Operation;
    TColor (*Answer)(TuiCustomLookAndFeelPainter*);
    TColor Base, Flat, Standard, UltraFlat;
};

#define COLOUR(op) #op, [](TuiCustomLookAndFeelPainter * p) { return p->op(); }

TEST_F(PainterMetricsTest, DefaultColoursOfEveryPainter) {
    const ColourRow rows[] = {
        {COLOUR(DefaultContentBackColor), clWindow, clWindow, clWindow, clWindow},
        {COLOUR(DefaultContentForeColor), clWindowText, clWindowText, clWindowText, clWindowText},
        {COLOUR(DefaultSizeGripAreaColor), clBtnFace, clBtnFace, clBtnFace, clBtnFace},
        {COLOUR(DefaultShadowColor4), clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow},
        {COLOUR(DefaultFaceColor6), clBtnFace, clBtnFace, clBtnFace, clBtnFace},
        {COLOUR(DefaultFaceColor7), clBtnFace, clBtnFace, clBtnFace, clBtnFace},
        {COLOUR(DefaultButtonTextColor4), clBtnText, clBtnText, clBtnText, clBtnText},
        {COLOUR(DefaultHighlightTextColor2), clHighlightText, clHighlightText, clHighlightText,
         clHighlightText},
        {COLOUR(DefaultSplitterBorderColor), TColor(0x9D9DA1), TColor(0x9D9DA1), TColor(0x9D9DA1),
         clBtnShadow},
        {COLOUR(DefaultPaleYellowColor), TColor(0xD5FFFF), TColor(0xD5FFFF), clWindow, TColor(0xD5FFFF)},
        {COLOUR(DefaultEditorOrContentColor), clWindow, clWindow, clWindow, clWindow},
        {COLOUR(DefaultUnsetColor1), clDefault, clDefault, clDefault, clDefault},
        {COLOUR(DefaultSkyBlueColor), TColor(0xF0CAA6), TColor(0xF0CAA6), TColor(0xF0CAA6), TColor(0xF0CAA6)},
        {COLOUR(DefaultLightGrayColor), TColor(0xCFCFCF), TColor(0xCFCFCF), TColor(0xCFCFCF),
         TColor(0xCFCFCF)},
        {COLOUR(DefaultBlackColor2), clBlack, clBlack, clBlack, clBlack},
        {COLOUR(DefaultShadowColor12), clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow},
        {COLOUR(PopupTextColor), clBtnText, clBtnText, clBtnText, clBtnText},
        {COLOUR(ScreenTipGetBorderColor), clDefault, clDefault, clDefault, clDefault},
        {COLOUR(ScreenTipGetTitleTextColor), clDefault, clDefault, clDefault, clDefault},
        {COLOUR(FooterSeparatorColor), clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow},
        {COLOUR(ContainerBorderColor), clBtnText, clBtnText, clBtnText, clBtnText},
        {COLOUR(SplitterInnerColor), clWhite, clWhite, clWhite, clWhite},
        {COLOUR(CaptionTextColor), clWindowText, clWindowText, clWindowText, clWindowText},
        {COLOUR(ItemLightColor), TColor(0xE2E4E6), TColor(0xE2E4E6), TColor(0xE2E4E6), TColor(0xE2E4E6)},
    };
    for (const ColourRow& row : rows) {
        EXPECT_EQ(row.Answer(Painter("")), row.Base) << row.Operation;
        EXPECT_EQ(row.Answer(Painter("Flat")), row.Flat) << row.Operation;
        EXPECT_EQ(row.Answer(Painter("Standard")), row.Standard) << row.Operation;
        EXPECT_EQ(row.Answer(Painter("UltraFlat")), row.UltraFlat) << row.Operation;
    }
    TuiCustomLookAndFeelPainter* base = Painter("");
    EXPECT_EQ(base->DefaultEditorBackgroundColor(false), clDefault);
    EXPECT_EQ(base->DefaultEditorTextColor(false), clDefault);
    EXPECT_EQ(base->DefaultTabTextColor(cxbsPressed), clHighlightText);
    EXPECT_EQ(base->DefaultTabTextColor(cxbsDisabled), clInactiveCaptionText);
    EXPECT_EQ(base->DefaultTabTextColor(cxbsHot), clWindowText);
    EXPECT_EQ(base->DefaultColorByIndex(0), clWindow);
    EXPECT_EQ(base->DefaultColorByIndex(2), TColor(0xFFFFFF));
    EXPECT_EQ(base->DefaultHighlightOrShadowColor(true), clHighlight);
    EXPECT_EQ(base->DefaultHighlightOrButtonTextColor(false), clBtnText);
    // Vista and later (the platform's answer) make the accent a fixed blue.
    EXPECT_EQ(base->DefaultAccentOrButtonTextColor(true), TColor(0xCC6600));
    EXPECT_EQ(base->DefaultAccentOrButtonTextColor(false), clBtnText);
    EXPECT_EQ(Painter("UltraFlat")->ButtonFaceColor(cxbsHot), uiGetUltraFlatSelectedColor());
    EXPECT_EQ(Painter("UltraFlat")->ButtonFaceColor(cxbsPressed), uiGetUltraFlatHotColor());
    EXPECT_EQ(Painter("Flat")->ButtonFaceColor(cxbsHot), clBtnFace);
}

} // namespace

namespace {

class PainterFamilyMetricsTest : public PaintersTest {};

struct RectRow {
    const char* Operation;
    TRect (*Answer)(TuiCustomLookAndFeelPainter*);
    TRect Base, UltraFlat;
};
struct SizeRow {
    const char* Operation;
    TSize (*Answer)(TuiCustomLookAndFeelPainter*);
    TSize Base, UltraFlat;
};
struct IntRow {
    const char* Operation;
    int (*Answer)(TuiCustomLookAndFeelPainter*);
    int Base, UltraFlat;
};

#define ANSWER(op) #op, [](TuiCustomLookAndFeelPainter * p) { return p->op; }

TEST_F(PainterFamilyMetricsTest, GeometryOfTheOtherFamilies) {
    const RectRow rects[] = {
        {ANSWER(CommandLinkMargins()), {7, 10, 7, 10}, {7, 10, 7, 10}},
        {ANSWER(EventProgressMargins()), {2, 2, 2, 2}, {2, 2, 2, 2}},
        {ANSWER(GlyphButtonGlyphMargins()), {3, 4, 3, 4}, {3, 4, 3, 4}},
        {ANSWER(ContentMargins()), {2, 2, 4, 4}, {2, 2, 4, 4}},
        {ANSWER(BreadcrumbEditBorderWidths()), {1, 1, 1, 1}, {1, 1, 1, 1}},
        {ANSWER(BreadcrumbEditButtonContentMargins(true, false)), {3, 3, 3, 3}, {2, 3, 3, 3}},
        {ANSWER(BreadcrumbEditButtonContentMargins(true, true)), {3, 3, 3, 3}, {2, 3, 2, 3}},
        {ANSWER(BreadcrumbEditNodeTextOffsets()), {4, 4, 4, 4}, {4, 4, 4, 4}},
        {ANSWER(BreadcrumbEditProgressChunkOffsets()), {1, 1, 1, 1}, {1, 1, 1, 1}},
        {ANSWER(DropDownListItemImageMargins()), {5, 3, 5, 3}, {5, 3, 5, 3}},
        {ANSWER(DropDownListItemTextMargins()), {5, 2, 5, 2}, {5, 2, 5, 2}},
        {ANSWER(SmallButtonGlyphMargins()), {3, 3, 3, 3}, {3, 3, 3, 3}},
        {ANSWER(SmallButtonMargins()), {4, 4, 4, 4}, {4, 4, 4, 4}},
        {ANSWER(ItemMargins()), {7, 2, 7, 2}, {7, 2, 7, 2}},
        {ANSWER(ItemContentMargins1()), {}, {}},
        {ANSWER(AreaMargins()), {}, {}},
    };
    const SizeRow sizes[] = {
        {ANSWER(CommandLinkGlyphSize()), {20, 20}, {20, 20}},
        {ANSWER(ClockFaceSize()), {130, 130}, {130, 130}},
        {ANSWER(ZoomInButtonSize()), {15, 15}, {15, 15}},
        {ANSWER(GlyphButtonGlyphSize()), {11, 11}, {11, 11}},
        {ANSWER(GlyphButtonSpacing()), {1, 1}, {1, 1}},
        {ANSWER(GlyphButtonSize()), {17, 19}, {17, 19}},
        {ANSWER(FilterCheckButtonSize()), {13, 13}, {13, 13}},
        {ANSWER(FilterSmallGlyphSize()), {10, 10}, {10, 10}},
        {ANSWER(EditButtonExtent()), {0, 0}, {0, 0}},
        {ANSWER(TrackBarThumbSize()), {0, 0}, {0, 0}},
        {ANSWER(BarredSortingMarkSize()), {0, 0}, {7, 9}},
        {ANSWER(SplitterGripSize(true)), {17, 2}, {17, 1}},
        {ANSWER(EdgeSize(1)), {2, 2}, {1, 1}},
        {ANSWER(BreadcrumbEditProgressChunkSize()), {0, 0}, {0, 0}},
    };
    const IntRow ints[] = {
        {ANSWER(GroupExpandButtonExtent()), 15, 15},
        {ANSWER(SmallExpandBoxSize()), 9, 9},
        {ANSWER(CheckBoxBorderWidth()), 2, 2},
        {ANSWER(SunkenFrameWidth()), 2, 2},
        {ANSWER(GlyphButtonBorderSize()), 0, 1},
        {ANSWER(BreadcrumbEditSeparatorWidth()), 2, 1},
        {ANSWER(BreadcrumbEditNodeDelimiterSize()), 16, 16},
        {ANSWER(DropDownListBorderWidth()), 3, 3},
        {ANSWER(DropDownListSeparatorHeight()), 8, 8},
        {ANSWER(SmallButtonCornerRadius()), 0, 0},
        {ANSWER(ScrollBarMinimalThumbSize(true)), 8, 8},
        {ANSWER(AreaFlag1()), 0, 1},
        {ANSWER(AreaMetric2()), 1, 1},
        {ANSWER(FooterSeparatorSize()), 1, 1},
        {ANSWER(TabBorderWidth(false)), 0, 1},
        {ANSWER(PopupFrameInnerWidth(pbsFrame3D)), 2, 2},
    };
    TuiCustomLookAndFeelPainter* base = Painter("");
    TuiCustomLookAndFeelPainter* ultra = Painter("UltraFlat");
    for (const RectRow& row : rects) {
        EXPECT_EQ(row.Answer(base), row.Base) << row.Operation;
        EXPECT_EQ(row.Answer(ultra), row.UltraFlat) << row.Operation;
    }
    for (const SizeRow& row : sizes) {
        EXPECT_EQ(row.Answer(base), row.Base) << row.Operation;
        EXPECT_EQ(row.Answer(ultra), row.UltraFlat) << row.Operation;
    }
    for (const IntRow& row : ints) {
        EXPECT_EQ(row.Answer(base), row.Base) << row.Operation;
        EXPECT_EQ(row.Answer(ultra), row.UltraFlat) << row.Operation;
    }
    TSize glyph{3, 4};
    base->SmallButtonGlyphSize(5, glyph);
    EXPECT_EQ(glyph, (TSize{3, 4}));
    base->SmallButtonGlyphSize(2, glyph);
    EXPECT_EQ(glyph, (TSize{10, 10}));
    TRect track{10, 10, 20, 20};
    base->TrackBarTrackContentBounds(track, true, 0);
    EXPECT_EQ(track, (TRect{10, 10, 21, 21}));
    EXPECT_EQ(base->MarkerColorByIndex(2), TColor(0x80));
    EXPECT_EQ(base->MarkerColorByIndex(3), TColor(0xFF));
    EXPECT_EQ(base->BreadcrumbEditArrowColor(cxbsDisabled), clBtnShadow);
    EXPECT_EQ(base->DropDownListItemTextColor(true), clHighlightText);
    EXPECT_EQ(ultra->DropDownListItemTextColor(true), clMenuText);
    EXPECT_EQ(base->GroupBoxTextColorByState(false), clBtnShadow);
    EXPECT_TRUE(base->GroupExpandButtonHitTest(TRect{0, 0, 15, 15}, TPoint{14, 14}));
    EXPECT_FALSE(base->GroupExpandButtonHitTest(TRect{0, 0, 15, 15}, TPoint{15, 3}));
    TColor outer, inner;
    ultra->EdgeColors(outer, inner);
    EXPECT_EQ(inner, clNone);
    EXPECT_EQ(static_cast<TuiUltraFlatLookAndFeelPainter*>(ultra)->FilterButtonFrameColor(cxbsNormal),
              clBtnShadow);
    EXPECT_EQ(static_cast<TuiUltraFlatLookAndFeelPainter*>(ultra)->FilterButtonFrameColor(cxbsHot),
              clHighlight);
}

TEST_F(PainterFamilyMetricsTest, NavigationButtonRects) {
    TuiCustomLookAndFeelPainter* base = Painter("");
    // Arrow only: the height is three arrows plus the borders, centred on the old extent; the arrow centred.
    TRect bounds{0, 0, 24, 100}, text, arrow;
    base->CalculateSchedulerNavigationButtonRects(true, true, TSize{}, TSize{}, bounds, text, arrow);
    EXPECT_EQ(bounds, (TRect{0, 33, 24, 66}));
    EXPECT_EQ(text, (TRect{}));
    EXPECT_EQ(arrow, (TRect{8, 46, 15, 53}));
    // With text (the previous button, 2-pixel border on the right): the arrow in a 21-pixel band at the top
    // of the content, the text below it.
    bounds = TRect{0, 0, 24, 100};
    base->CalculateSchedulerNavigationButtonRects(false, false, TSize{30, 12}, TSize{20, 12}, bounds, text,
                                                  arrow);
    EXPECT_EQ(arrow, (TRect{7, 13, 14, 20}));
    EXPECT_EQ(text, (TRect{0, 32, 22, 80}));
    EXPECT_EQ(bounds, (TRect{0, 0, 24, 100}));
    // Text longer than the room: everything grows by the difference at both ends, the arrow moves up.
    base->CalculateSchedulerNavigationButtonRects(false, false, TSize{58, 12}, TSize{20, 12}, bounds, text,
                                                  arrow);
    EXPECT_EQ(arrow, (TRect{7, 3, 14, 10}));
    EXPECT_EQ(text, (TRect{0, 22, 22, 90}));
    EXPECT_EQ(bounds, (TRect{0, -10, 24, 110}));
}

} // namespace
