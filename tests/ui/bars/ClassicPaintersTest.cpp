// The classic three-dimensional looks: which styles choose them, their metrics, the grip bars, the
// three-colour check mark (swapped on a black face), the checker brush behind checked entries, embossed
// dots, edit, combo and drop-down edges with the pressed shift, the drop-down list frame, floating frames
// with the mark at the caption's left, the chevrons, the quick-customization arrow, MDI buttons and the
// lines of personalised menus.
#include "BarPaintingTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/bars/painting/BarStandardPainter.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <functional>
#include <map>

using namespace bars_test;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

namespace {

TColor ColorOfBrushForTest(HBRUSH ABrush) {
    LOGBRUSH brush{};
    GetObject(ABrush, sizeof(brush), &brush);
    return static_cast<TColor>(brush.lbColor);
}

class ClassicPaintersTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        painter = std::make_unique<TovBarStandardPainter>();
        paintingFactory.Painter = painter.get();
    }
    void TearDown() override {
        olva::win::ResetSystemOverrides();
        BarPaintingTest::TearDown();
    }
    TColor Sys(int AIndex) const { return static_cast<TColor>(GetSysColor(AIndex) & 0xFFFFFF); }
    // Every pixel of the two pictures inside R is alike.
    static void ExpectSame(const TPicture& A, const TPicture& B, const TRect& R, const std::string& AWhat) {
        int differing = 0;
        for (int y = R.top; y < R.bottom; ++y)
            for (int x = R.left; x < R.right; ++x)
                if (A.At(x, y) != B.At(x, y)) ++differing;
        EXPECT_EQ(differing, 0) << AWhat;
    }
    // A picture with ADraw's drawing on white.
    TPicture Drawn(int AWidth, int AHeight, const std::function<void(HDC)>& ADraw) {
        TPicture picture = Picture(AWidth, AHeight);
        ADraw(picture.DC());
        return picture;
    }
    TPicture Edge(int AWidth, int AHeight, const TRect& R, UINT AEdge) {
        return Drawn(AWidth, AHeight, [&](HDC ADC) {
            TRect r = R;
            DrawEdge(ADC, &r, AEdge, BF_RECT);
        });
    }
    TovBarEnhancedPainter enhanced;
};

// ---- The painter table

TEST_F(ClassicPaintersTest, StylesAndLookAndFeelKindsChooseTheClassicPainters) {
    struct TCase {
        TovBarManagerStyle Style;
        TuiLookAndFeelKind Kind;
        const TovBarPainterClass* Class;
    };
    const TCase cases[] = {
        {bmsStandard, lfUltraFlat, &ovBarStandardPainterClass},
        {bmsEnhanced, lfStandard, &ovBarEnhancedPainterClass},
        {bmsXP, lfStandard, &ovBarEnhancedPainterClass}, // visual styles are off
        {bmsUseLookAndFeel, lfFlat, &ovBarEnhancedPainterClass},
        {bmsUseLookAndFeel, lfStandard, &ovBarStandardPainterClass},
    };
    for (const TCase& c : cases) {
        manager->LookAndFeel()->SetKind(c.Kind);
        manager->SetStyle(c.Style);
        EXPECT_EQ(manager->GetPainterClass(), c.Class) << "style " << c.Style << " kind " << c.Kind;
    }
    manager->SetStyle(bmsStandard);
    EXPECT_NE(dynamic_cast<TovBarStandardPainter*>(manager->DefaultPainter()), nullptr);
    EXPECT_EQ(dynamic_cast<TovBarEnhancedPainter*>(manager->DefaultPainter()), nullptr);
    manager->SetStyle(bmsEnhanced);
    EXPECT_NE(dynamic_cast<TovBarEnhancedPainter*>(manager->DefaultPainter()), nullptr);
    // A skinned look-and-feel draws with the Standard painter's class.
    const TovBarLookAndFeelState skinned{blfOffice11, false, true, false};
    EXPECT_EQ(ovBarPainterIndex(bmsUseLookAndFeel, skinned), bpiSkin);
    EXPECT_EQ(ovBarPainterClassOf(bpiSkin), &ovBarStandardPainterClass);
    // Both borrow the Flat look-and-feel painter.
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    ASSERT_NE(registry, nullptr);
    auto* flat = dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsFlat));
    ASSERT_NE(flat, nullptr);
    EXPECT_EQ(painter->GetLookAndFeelPainter(), flat);
    EXPECT_EQ(enhanced.GetLookAndFeelPainter(), flat);
}

// ---- Metrics

TEST_F(ClassicPaintersTest, TheStandardAndEnhancedColumnsOfTheMetricsTable) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarPainter* looks[] = {painter.get(), &enhanced};
    for (int look = 0; look < 2; ++look) {
        TovBarPainter* p = looks[look];
        const bool isEnhanced = look == 1;
        TRect r{};
        p->ItemCaptionOffsets(r);
        EXPECT_EQ(r, (TRect{2, 1, 2, 1})) << look;
        int top = -1, bottom = -1;
        p->GetItemVerticalOffsets(top, bottom);
        EXPECT_EQ(top, 0);
        EXPECT_EQ(bottom, 2);
        struct TCase {
            const char* Name;
            int Value, Expected;
        };
        const TCase cases[] = {
            {"GetPressedGlyphOffset", p->GetPressedGlyphOffset(nullptr), 1},
            {"GetDownGlyphOffset", p->GetDownGlyphOffset(nullptr, false), 1},
            {"GetLoweredBorderWidth", p->GetLoweredBorderWidth(nullptr), 1},
            {"BarGripOffset", p->BarGripOffset(), isEnhanced ? 1 : 2},
            {"BarGripAreaSize", p->BarGripAreaSize(toolbar), isEnhanced ? 6 : 9},
            {"BarGetExtraIndent", p->BarGetExtraIndent(), 2},
            {"BarFloatingSideIndent", p->BarFloatingSideIndent(), 4},
            {"BarFloatingTopIndent", p->BarFloatingTopIndent(), 2},
            {"BarFloatingBottomIndent", p->BarFloatingBottomIndent(), 1},
            {"SubMenuSeparatorIndent", p->SubMenuSeparatorIndent(), isEnhanced ? 12 : 2},
            {"SubMenuControlBorderIndent", p->SubMenuControlBorderIndent(), 2},
        };
        for (const TCase& c : cases)
            EXPECT_EQ(c.Value, c.Expected) << c.Name << (isEnhanced ? " (Enhanced)" : " (Standard)");
        EXPECT_TRUE(p->BarUseSystemCloseButton());
        EXPECT_TRUE(p->BarUseSystemCaption());
        EXPECT_EQ(p->BarCanQuickCustomize(), isEnhanced);
        EXPECT_FALSE(p->IsBarMarkSmall(toolbar, TRect{0, 0, 5, 5})) << "not even when tiny";
        EXPECT_TRUE(p->IsClassicCheckedLook());
        EXPECT_FALSE(p->SubMenuControlUsesFrameBrush());
        EXPECT_TRUE(p->SubMenuControlHasRecentSeparator());
        EXPECT_TRUE(p->ProgressRedrawOnChangeOnly());
        EXPECT_FALSE(p->IsFadingAvailable());
    }
    // A menu with a detach caption starts its items right below the caption.
    TStandInMenu* menu = Menu();
    TRect offsets{};
    painter->SubMenuControlGetMenuContentOffsets(menu, offsets);
    EXPECT_EQ(offsets, (TRect{2, 2, 2, 2}));
    menu->SetDetachable(true);
    painter->SubMenuControlGetMenuContentOffsets(menu, offsets);
    EXPECT_EQ(offsets, (TRect{2, 0, 2, 2}));
}

// ---- Docked border and grip

TEST_F(ClassicPaintersTest, GripBarsLieTwoToFourAndFiveToSevenPixelsAfterTheInnerEdge) {
    for (TovBarDockingStyle style : {dsTop, dsLeft}) {
        TStandInToolbar* toolbar = Toolbar(style);
        const bool horizontal = style == dsTop;
        const TSize size = horizontal ? TSize{60, 26} : TSize{26, 60};
        // The reference: the raised border alone.
        TPicture border = Edge(size.cx, size.cy, TRect{0, 0, size.cx, size.cy}, BDR_RAISEDINNER);
        for (int look = 0; look < 2; ++look) {
            TovBarPainter* p = look == 0 ? painter.get() : static_cast<TovBarPainter*>(&enhanced);
            TPicture picture = Picture(size.cx, size.cy);
            TRect r{0, 0, size.cx, size.cy};
            p->BarDrawDockedBarBorder(toolbar, picture.DC(), r);
            EXPECT_EQ(r, (TRect{2, 2, size.cx - 2, size.cy - 2})) << "the client starts after the border";
            SelectClipRgn(picture.DC(), nullptr);
            // The bars stay out of the clip region: what is drawn afterwards leaves them alone.
            TPicture clipped = Picture(size.cx, size.cy);
            TRect again{0, 0, size.cx, size.cy};
            p->BarDrawDockedBarBorder(toolbar, clipped.DC(), again);
            const TRect all{0, 0, size.cx, size.cy};
            FillRect(clipped.DC(), &all, GetSysColorBrush(COLOR_WINDOWTEXT));
            SelectClipRgn(clipped.DC(), nullptr);
            const TPoint inBar =
                horizontal ? TPoint{2 + (look == 0 ? 3 : 2), 12} : TPoint{12, 2 + (look == 0 ? 3 : 2)};
            EXPECT_EQ(clipped.At(inBar.x, inBar.y), Sys(COLOR_BTNFACE)) << style << " " << look;
            EXPECT_EQ(clipped.At(horizontal ? 2 : 12, horizontal ? 12 : 2), Sys(COLOR_WINDOWTEXT)) << style;
            // Along the bar from the inner edge (2), across it in the middle or at an end.
            auto at = [&](int AAlong, int AAcross) {
                return horizontal ? picture.At(2 + AAlong, AAcross) : picture.At(AAcross, 2 + AAlong);
            };
            const int across = (horizontal ? size.cy : size.cx);
            const int middle = across / 2, first = 2, last = across - 3;
            const TColor light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW),
                         face = Sys(COLOR_BTNFACE);
            if (look == 0) {
                const TColor expected[] = {Rgb(clWhite), Rgb(clWhite), light,  face,        shadow,
                                           light,        face,         shadow, Rgb(clWhite)};
                for (int along = 0; along < 9; ++along)
                    EXPECT_EQ(at(along, middle), expected[along]) << style << " Standard at " << along;
                // The bars run the whole inner extent; the corner pixel continues the light side.
                EXPECT_EQ(at(2, first), light) << style;
                EXPECT_EQ(at(4, first), shadow) << style << ": DrawEdge's own corner";
                EXPECT_EQ(at(2, last), light) << style << " corner";
                EXPECT_EQ(at(5, last), light) << style << " corner";
                EXPECT_EQ(at(3, last), shadow) << style;
            } else {
                const TColor expected[] = {Rgb(clWhite), light, face, shadow, Rgb(clWhite), Rgb(clWhite)};
                for (int along = 0; along < 6; ++along)
                    EXPECT_EQ(at(along, middle), expected[along]) << style << " Enhanced at " << along;
                // Shortened by one pixel at both ends, without the corner pixel.
                EXPECT_EQ(at(1, first), Rgb(clWhite)) << style;
                EXPECT_EQ(at(1, first + 1), light) << style;
                EXPECT_EQ(at(1, last), Rgb(clWhite)) << style;
                EXPECT_EQ(at(1, last - 1), shadow) << style << ": no corner pixel";
                EXPECT_EQ(at(3, last - 1), shadow) << style;
            }
            ExpectSame(picture, border, TRect{0, 0, 2, 2}, "the raised border");
            EXPECT_EQ(picture.At(0, 0), border.At(0, 0));
            EXPECT_EQ(picture.At(size.cx - 1, size.cy - 1), border.At(size.cx - 1, size.cy - 1));
        }
    }
    // A bar that cannot move shows the border only.
    TStandInToolbar* status = Toolbar(dsBottom);
    status->Bar()->SetBorderStyle(bbsNone);
    status->Bar()->SetWholeRow(true);
    ASSERT_FALSE(status->CanMove());
    TPicture picture = Picture(60, 26);
    TRect r{0, 0, 60, 26};
    painter->BarDrawDockedBarBorder(status, picture.DC(), r);
    SelectClipRgn(picture.DC(), nullptr);
    ExpectSame(picture, Edge(60, 26, TRect{0, 0, 60, 26}, BDR_RAISEDINNER), TRect{0, 0, 60, 26}, "no grip");
}

// ---- Check mark

TEST_F(ClassicPaintersTest, TheCheckMarkIsSilverDarkAndLightStrokesAtBothFactors) {
    TStandInMenu* menu = Menu();
    TovBarButton* item = Button("Loop");
    TovBarItemLink* link = menu->Add(item);
    menu->Layout();
    struct TCase {
        int Factor;
        bool Enabled, BlackFace;
    };
    const TCase cases[] = {{1, true, false}, {2, true, false},  {1, true, true},
                           {2, true, true},  {1, false, false}, {2, false, false}};
    for (const TCase& c : cases) {
        olva::win::ResetSystemOverrides();
        if (c.BlackFace) olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(0, 0, 0));
        item->SetEnabled(c.Enabled);
        const int f = c.Factor, X = 4, Y = 6;
        TPicture picture = Picture(30, 30, clRed);
        painter->PaintGlyphCheck(link->Control(), picture.DC(), f, Y, X);
        const std::string what = "factor " + std::to_string(f) + (c.Enabled ? " enabled" : " disabled") +
                                 (c.BlackFace ? " black face" : "");
        // Stroke k starts at (X + f, Y + k + 2f).
        auto strokeStart = [&](int k) { return picture.At(X + f, Y + k + 2 * f); };
        if (c.Enabled) {
            const TColor dark = c.BlackFace ? Rgb(clWhite) : Rgb(clBlack);
            const TColor light = c.BlackFace ? Rgb(clBlack) : Rgb(clWhite);
            for (int k = 0; k < 4 * f; ++k)
                EXPECT_EQ(strokeStart(k), k < f       ? Rgb(clSilver)
                                          : k < 3 * f ? dark
                                                      : light)
                    << what << " stroke " << k;
            // The middle of each stroke's second leg, and the two vertical lines in the light colour.
            EXPECT_EQ(picture.At(X + 3 * f, Y + 4 * f + f), dark) << what;
            EXPECT_EQ(picture.At(X + f - 1, Y + 2 * f + 1), light) << what;
            EXPECT_EQ(picture.At(X + f - 1, Y + 6 * f - 2), light) << what;
            EXPECT_EQ(picture.At(X + f - 1, Y + 6 * f - 1), Rgb(clRed)) << what << ": LineTo leaves the end";
            EXPECT_EQ(picture.At(X + 8 * f, Y - f + 2), light) << what;
            EXPECT_EQ(picture.At(X + 8 * f, Y + 3 * f - 1), light) << what;
            EXPECT_EQ(picture.At(X + 8 * f, Y + 3 * f), Rgb(clRed)) << what;
        } else {
            EXPECT_EQ(strokeStart(0), Rgb(clRed)) << what << ": numbering starts at 1";
            for (int k = 1; k <= 2 * f; ++k)
                EXPECT_EQ(strokeStart(k), Sys(COLOR_BTNSHADOW)) << what << " stroke " << k;
            EXPECT_EQ(strokeStart(2 * f + 1), Rgb(clRed)) << what;
            for (int j = 0; j < f; ++j) {
                EXPECT_EQ(picture.At(X + 3 * f + 1, Y + 7 * f - j - 1), Sys(COLOR_BTNHIGHLIGHT)) << what << j;
                EXPECT_EQ(picture.At(X + 4 * f, Y + 7 * f - j), Sys(COLOR_BTNHIGHLIGHT)) << what << j;
            }
            EXPECT_EQ(picture.Count(clBlack), 0) << what;
        }
    }
}

TEST_F(ClassicPaintersTest, ACheckedEntryWithoutGlyphShowsTheCheckerAndTheFaceWhileHot) {
    TStandInMenu* menu = Menu();
    auto* checked = Button("Loop");
    checked->SetButtonStyle(bsChecked);
    checked->SetDown(true);
    TovBarItemLink* link = menu->Add(checked);
    TovBarItemLink* plain = menu->Add(Button("Play", 1));
    menu->Layout();
    TovBarItemControl* control = link->Control();
    control->CalcDrawParams();
    EXPECT_EQ(painter->GetItemBackgroundBrush(control), menu->GetDownedBrush());
    EXPECT_EQ(menu->GetDownedBrush(), ovBarPatternBrush()) << "the 8 x 8 checker";
    // The checker shows in the check-mark box: neighbouring pixels alternate.
    const TRect client = menu->GetClientRect();
    TPicture idle = Picture(uiWidthOfRect(client) + 8, uiHeightOfRect(client) + 8);
    menu->PaintTo(idle.Canvas.get());
    const TRect box = painter->SubMenuControlItemGlyphRect(control->GetBoundsRect(), menu->GetIconAreaSize());
    const TPoint offset = menu->GetClientOffset();
    const TPoint corner{offset.x + box.left + 2, offset.y + box.top + 2};
    EXPECT_NE(idle.At(corner.x, corner.y), idle.At(corner.x + 1, corner.y)) << "a checker";
    EXPECT_EQ(idle.At(corner.x, corner.y), idle.At(corner.x + 1, corner.y + 1));
    // While hot the box is on the plain button face.
    control->SetSelectedByMouse(true);
    menu->SetSelectedControl(control);
    control->CalcDrawParams();
    EXPECT_EQ(painter->GetItemBackgroundBrush(control), menu->GetDownedSelBrush());
    TPicture hot = Picture(uiWidthOfRect(client) + 8, uiHeightOfRect(client) + 8);
    menu->PaintTo(hot.Canvas.get());
    EXPECT_EQ(hot.At(corner.x, corner.y), Sys(COLOR_BTNFACE));
    EXPECT_EQ(hot.At(corner.x + 1, corner.y), Sys(COLOR_BTNFACE));
    // A hot entry with a glyph keeps its own background behind the glyph.
    plain->Control()->SetSelectedByMouse(true);
    menu->SetSelectedControl(plain->Control());
    plain->Control()->CalcDrawParams();
    EXPECT_EQ(painter->GetItemBackgroundBrush(plain->Control()), menu->GetBackgroundBrush());
    // Hot and without a glyph, not checked: the selection brush.
    checked->SetDown(false);
    control->SetSelectedByMouse(true);
    menu->SetSelectedControl(control);
    control->CalcDrawParams();
    EXPECT_EQ(painter->GetItemBackgroundBrush(control), menu->GetSelBrush());
}

// ---- Embossed dots, glyph edges, edit and combo buttons

TEST_F(ClassicPaintersTest, DisabledDotsAreEmbossed) {
    TPicture picture = Picture(8, 8);
    painter->PaintDisabledShadow(nullptr, picture.DC(), TRect{2, 2, 4, 4});
    EXPECT_EQ(picture.At(2, 2), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(3, 3), Sys(COLOR_BTNSHADOW)) << "the dot over its light";
    EXPECT_EQ(picture.At(4, 4), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(4, 3), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(1, 1), Rgb(clWhite));
    EXPECT_EQ(picture.At(5, 5), Rgb(clWhite));
}

TEST_F(ClassicPaintersTest, GlyphEdgesAreRaisedWhileHotAndSunkenWhileDownOrPressed) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(Button("Save", 1));
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    control->CalcDrawParams();
    const TRect r{1, 1, 23, 23};
    struct TCase {
        bool Down, Selected, Pressed, DroppedDown, MenuWithoutGlyph;
        int Edge; // 0 none
    };
    const TCase cases[] = {
        {false, true, false, false, false, BDR_RAISEDINNER},
        {true, false, false, false, false, BDR_SUNKENOUTER},
        {false, true, true, false, false, BDR_SUNKENOUTER},
        {false, true, false, true, false, BDR_SUNKENOUTER},
        {true, true, false, false, true, BDR_SUNKENOUTER},
        {false, true, false, false, true, 0},
    };
    for (const TCase& c : cases) {
        TovItemGlyphArgs args;
        args.Down = c.Down;
        args.Selected = c.Selected;
        args.Pressed = c.Pressed;
        args.DroppedDown = c.DroppedDown;
        args.PaintType = c.MenuWithoutGlyph ? iptMenu : iptHorizontal;
        args.NoGlyph = c.MenuWithoutGlyph;
        args.Border = false;
        TPicture picture = Picture(24, 24);
        painter->PaintGlyphFrame(control, picture.DC(), r, args);
        const std::string what = std::to_string(c.Down) + std::to_string(c.Selected) +
                                 std::to_string(c.Pressed) + std::to_string(c.DroppedDown) +
                                 std::to_string(c.MenuWithoutGlyph);
        if (c.Edge == 0)
            EXPECT_EQ(picture.Count(clWhite), 24 * 24) << what;
        else
            ExpectSame(picture, Edge(24, 24, r, c.Edge), TRect{0, 0, 24, 24}, what);
    }
}

TEST_F(ClassicPaintersTest, EditButtonsAndComboButtonsShowEdgesAndThePressedShift) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(Button("Rate", 1));
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    const TColor face = Rgb(ColorOfBrushForTest(toolbar->GetBackgroundBrush()));
    const TRect r{2, 2, 14, 12};
    for (bool pressed : {false, true}) {
        TPicture picture = Picture(16, 14);
        TRect inner = r;
        painter->EditButtonDrawFrame(control, picture.DC(), pressed, true, true, inner);
        EXPECT_EQ(inner, uiGrowRect(r, -1, -1));
        TPicture edge = Edge(16, 14, r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
        ExpectSame(picture, edge, TRect{0, 0, 16, 2}, "top edge");
        EXPECT_EQ(picture.At(r.left, 6), edge.At(r.left, 6));
        EXPECT_EQ(picture.At(r.right - 1, 6), edge.At(r.right - 1, 6));
        EXPECT_EQ(picture.At(7, 6), face) << "the inside in the bar's face";
    }
    TPicture idle = Picture(16, 14);
    TRect inner = r;
    painter->EditButtonDrawFrame(control, idle.DC(), false, false, true, inner);
    EXPECT_EQ(idle.At(r.left, r.top), face);
    EXPECT_EQ(idle.At(7, 6), face);

    // The combo button: raised while hot, sunken and its content one pixel further while dropped down.
    TovBarItemControlDrawParams params(control);
    TPicture canvasPicture = Picture(20, 14);
    params.Canvas = canvasPicture.Canvas.get();
    params.Enabled = true;
    params.DrawSelected = true;
    for (bool dropped : {false, true}) {
        params.DroppedDown = dropped;
        TPicture picture = Picture(20, 14);
        params.Canvas = picture.Canvas.get();
        TRect button{6, 1, 18, 13};
        painter->ComboDrawButtonBackground(&params, button, GetSysColorBrush(COLOR_BTNFACE));
        const TRect expected = dropped ? uiShiftRect(TRect{7, 2, 17, 12}, 1, 1) : TRect{7, 2, 17, 12};
        EXPECT_EQ(button, expected) << dropped;
        TPicture edge = Edge(20, 14, TRect{6, 1, 18, 13}, dropped ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
        ExpectSame(picture, edge, TRect{6, 1, 18, 2}, "combo edge");
        EXPECT_EQ(picture.At(5, 6), face) << "the column before the button in the bar's face";
    }
    // Idle and enabled: the button's ring and the column before it continue the field.
    params.DrawSelected = false;
    params.DroppedDown = false;
    TPicture field = Picture(20, 14, clRed);
    params.Canvas = field.Canvas.get();
    TRect button{6, 1, 18, 13};
    painter->ComboDrawButtonBackground(&params, button, GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(field.At(6, 1), Rgb(painter->EditGetBkColor(control)));
    EXPECT_EQ(field.At(5, 6), Rgb(painter->EditGetBkColor(control)));
    EXPECT_EQ(field.At(10, 6), Sys(COLOR_BTNFACE));
}

TEST_F(ClassicPaintersTest, DropDownPartsAndTheListFrame) {
    TPicture list = Picture(20, 20);
    painter->DropDownListBoxPaintFrame(list.DC(), clRed, TRect{1, 1, 19, 19});
    ExpectSame(list, Edge(20, 20, TRect{1, 1, 19, 19}, EDGE_RAISED), TRect{0, 0, 20, 20}, "EDGE_RAISED");
    EXPECT_EQ(list.Count(clRed), 0) << "the colour is not used";

    TStandInMenu* menu = Menu();
    auto* split = Button("Record", 1);
    split->SetButtonStyle(bsDropDown);
    TovBarItemLink* link = menu->Add(split);
    menu->Layout();
    TovBarItemControlDrawParams params(link->Control());
    params.PaintType = iptMenu;
    const TRect part{10, 0, 22, 16};
    // Not hot in a menu: an etched line starting one pixel before the part.
    TPicture etched = Picture(24, 16);
    params.Canvas = etched.Canvas.get();
    painter->DrawDropDownButtonBackground(&params, part, GetSysColorBrush(COLOR_WINDOW));
    TPicture reference = Drawn(24, 16, [&](HDC ADC) {
        TRect line{9, 0, 11, 16};
        DrawEdge(ADC, &line, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
    });
    ExpectSame(etched, reference, TRect{9, 0, 11, 16}, "etched");
    // Hot: raised; dropped down: sunken.
    params.DrawSelected = true;
    for (bool dropped : {false, true}) {
        params.DroppedDown = dropped;
        TPicture picture = Picture(24, 16);
        params.Canvas = picture.Canvas.get();
        painter->DrawDropDownButtonBackground(&params, part, GetSysColorBrush(COLOR_WINDOW));
        TPicture edge = Edge(24, 16, part, dropped ? BDR_SUNKENOUTER : BDR_RAISEDINNER);
        ExpectSame(picture, edge, TRect{10, 0, 22, 1}, "drop-down edge");
        EXPECT_EQ(picture.At(21, 8), edge.At(21, 8));
    }
}

// ---- Floating bars and the mark

TEST_F(ClassicPaintersTest, FloatingFramesCloseButtonsAndTheMarkAtTheCaptionsLeft) {
    TStandInToolbar* floating = Toolbar(dsNone);
    floating->Bar()->SetCaption("Transport");
    floating->Layout(150);
    floating->SetWindowRect(TRect{0, 0, 170, 60});
    TRect mark{};
    painter->BarGetMarkRect(floating, mark);
    const TRect caption = floating->GetCaptionClientRect();
    EXPECT_EQ(mark, (TRect{caption.left, caption.top, caption.left + 13, caption.bottom}));
    TStandInToolbar* docked = Toolbar(dsTop);
    docked->Layout(100);
    TRect dockedMark{}, baseMark{};
    painter->BarGetMarkRect(docked, dockedMark);
    TovBarPainter().BarGetMarkRect(docked, baseMark);
    EXPECT_EQ(dockedMark, baseMark) << "docked bars keep the base place";

    TPicture frame = Picture(40, 30, clRed);
    painter->BarPaintFloatingFrame(floating, frame.DC(), TRect{0, 0, 40, 30});
    TPicture edge = Edge(40, 30, TRect{0, 0, 40, 30}, EDGE_RAISED);
    ExpectSame(frame, edge, TRect{0, 0, 40, 2}, "EDGE_RAISED");
    for (int ring : {2, 3})
        EXPECT_EQ(frame.At(ring, 15), Sys(COLOR_BTNFACE)) << ring;
    EXPECT_EQ(frame.At(4, 15), Rgb(clRed)) << "two rings only";

    for (int state : {0, 2}) {
        floating->SetCloseButtonState(state);
        TPicture picture = Picture(16, 16, clRed);
        painter->BarDrawCloseButton(floating, picture.DC(), TRect{0, 0, 16, 16});
        EXPECT_EQ(picture.At(0, 8), Rgb(floating->GetCaptionColor()));
        TPicture reference = Drawn(16, 16, [&](HDC ADC) {
            TRect r{1, 1, 15, 15};
            DrawFrameControl(ADC, &r, DFC_CAPTION, DFCS_CAPTIONCLOSE | (state == 2 ? DFCS_PUSHED : 0));
        });
        ExpectSame(picture, reference, TRect{1, 1, 15, 15}, "close " + std::to_string(state));
    }
}

TEST_F(ClassicPaintersTest, EnhancedMarksAreFramedRaisedOrSunken) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->SetPainter(&enhanced);
    toolbar->Layout(80);
    const TRect r{0, 0, 11, 22};
    HBRUSH brush = GetSysColorBrush(COLOR_BTNSHADOW);
    for (int state : {0, 1, 2}) {
        toolbar->SetMarkState(state);
        TPicture picture = Picture(11, 22, clRed);
        enhanced.BarDrawMarkBackground(toolbar, picture.DC(), brush, r);
        if (state == 0) {
            EXPECT_EQ(picture.At(0, 10), Sys(COLOR_BTNSHADOW));
            EXPECT_EQ(picture.At(10, 0), Sys(COLOR_BTNSHADOW));
        } else {
            ExpectSame(picture, Edge(11, 22, r, state == 1 ? BDR_RAISEDINNER : BDR_SUNKENOUTER),
                       TRect{0, 0, 11, 1}, "mark " + std::to_string(state));
        }
        EXPECT_NE(picture.At(5, 10), Rgb(clRed)) << "the inside is the bar's background";
    }
    // The Standard mark is the bar background alone.
    TPicture plain = Picture(11, 22, clRed);
    painter->BarDrawMarkBackground(toolbar, plain.DC(), brush, r);
    EXPECT_EQ(plain.Count(clRed), 0);
    EXPECT_EQ(plain.At(0, 0), plain.At(5, 10));
}

TEST_F(ClassicPaintersTest, ChevronsAreEmbossedInStandardAndPlainInEnhanced) {
    TStandInToolbar* horizontal = Toolbar(dsTop);
    horizontal->Layout(80);
    const int a = 4;
    TPicture picture = Picture(20, 12);
    painter->BarDrawMarkChevrons(horizontal, picture.DC(), a, false);
    const TColor light = Sys(COLOR_BTNHIGHLIGHT), shadow = Sys(COLOR_BTNSHADOW);
    const std::map<std::pair<int, int>, TColor> pixels = {
        {{a - 1, 1}, light}, {{a, 1}, shadow}, {{a + 1, 2}, shadow}, {{a + 2, 4}, shadow},
        {{a + 3, 4}, light}, {{a, 6}, shadow}, {{a, 7}, light},      {{a - 1, 8}, Rgb(clWhite)},
    };
    for (const auto& [p, color] : pixels)
        EXPECT_EQ(picture.At(p.first, p.second), color) << p.first << ", " << p.second;

    TStandInToolbar* vertical = Toolbar(dsLeft);
    vertical->SetClientRect(TRect{0, 0, 24, 80});
    const int w = uiWidthOfRect(vertical->GetClientRect());
    TPicture down = Picture(w, 20);
    painter->BarDrawMarkChevrons(vertical, down.DC(), 6, false);
    EXPECT_EQ(down.At(w - 8, 6), shadow);
    EXPECT_EQ(down.At(w - 7, 6), light);
    EXPECT_EQ(down.At(w - 4, 8), light);
    EXPECT_EQ(down.At(w - 5, 9), shadow);

    TPicture plain = Picture(20, 12);
    enhanced.BarDrawMarkChevrons(horizontal, plain.DC(), a, false);
    TPicture base = Picture(20, 12);
    TovBarPainter().BarDrawMarkChevrons(horizontal, base.DC(), a, false);
    ExpectSame(plain, base, TRect{0, 0, 20, 12}, "the base chevrons");
    EXPECT_GT(plain.Count(clBlack), 4);
}

TEST_F(ClassicPaintersTest, OnlyTheEnhancedToolbarShowsTheQuickCustomizationArrow) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Layout(80);
    ASSERT_FALSE(toolbar->IsTruncated());
    const TRect mark{0, 0, 11, 22};
    TPicture standard = Picture(11, 22);
    painter->BarDrawMarkElements(toolbar, standard.DC(), mark);
    EXPECT_EQ(standard.Count(clWhite), 11 * 22) << "no arrow";
    TPicture withArrow = Picture(11, 22);
    enhanced.BarDrawMarkElements(toolbar, withArrow.DC(), mark);
    EXPECT_GT(withArrow.Count(Sys(COLOR_BTNTEXT)), 3);
}

// ---- MDI buttons

class MaximizedChild : public IovBarMDISource {
public:
    HWND ActiveChild() override { return Child; }
    bool IsMaximized(HWND) override { return true; }
    TovBarManager* ChildBarManager(HWND) override { return nullptr; }
    bool HasSystemMenu(HWND) override { return true; }
    HWND Child = nullptr;
};

TEST_F(ClassicPaintersTest, MDIButtonsAreTheSystemsAndTheManagersCloseButtonMayBeFlat) {
    TStandInToolbar* menuBar = Toolbar(dsTop);
    menuBar->Bar()->SetIsMainMenu(true);
    const TRect r{0, 0, 16, 14};
    static const UINT Kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    auto reference = [&](int AButton, UINT AExtra) {
        return Drawn(16, 14, [&](HDC ADC) {
            TRect b = r;
            DrawFrameControl(ADC, &b, DFC_CAPTION, Kinds[AButton] | AExtra);
        });
    };
    for (int button = 0; button < 3; ++button)
        for (int state = 0; state < 5; ++state) {
            TPicture picture = Picture(16, 14);
            painter->BarPaintMDIButton(menuBar, picture.DC(), r, button, state);
            const UINT extra = (state == 1 ? DFCS_INACTIVE : 0) | (state == 4 ? DFCS_PUSHED : 0);
            ExpectSame(picture, reference(button, extra), r,
                       "button " + std::to_string(button) + " state " + std::to_string(state));
        }
    // The manager's own close button on the main menu: flat, clipped inside, with an edge.
    manager->SetFlatCloseButton(true);
    manager->SetShowCloseButton(true);
    for (int state : {0, 4}) {
        TPicture picture = Picture(16, 14);
        painter->BarPaintMDIButton(menuBar, picture.DC(), r, 2, state);
        TPicture flat = reference(2, DFCS_FLAT | (state == 4 ? DFCS_PUSHED : 0));
        ExpectSame(picture, flat, uiGrowRect(r, -1, -1), "flat inside " + std::to_string(state));
        ExpectSame(picture, Edge(16, 14, r, state == 4 ? BDR_SUNKENOUTER : BDR_RAISEDINNER),
                   TRect{0, 0, 16, 1}, "edge " + std::to_string(state));
    }
    // Not flat: another button, a bar other than the main menu, or a maximized child's buttons shown.
    TPicture minimize = Picture(16, 14);
    painter->BarPaintMDIButton(menuBar, minimize.DC(), r, 0, 0);
    ExpectSame(minimize, reference(0, 0), r, "minimize");
    TStandInToolbar* other = Toolbar(dsTop);
    TPicture onOther = Picture(16, 14);
    painter->BarPaintMDIButton(other, onOther.DC(), r, 2, 0);
    ExpectSame(onOther, reference(2, 0), r, "not the main menu");
    MaximizedChild source;
    source.Child = reinterpret_cast<HWND>(0x1234);
    IovBarMDISource* previous = ovSetBarMDISource(&source);
    TPicture child = Picture(16, 14);
    painter->BarPaintMDIButton(menuBar, child.DC(), r, 2, 0);
    ovSetBarMDISource(previous);
    ExpectSame(child, reference(2, 0), r, "a maximized child's close button");
}

// ---- Personalised menus

TEST_F(ClassicPaintersTest, PersonalisedMenusDrawTheirGroupLinesAndNonRecentStrips) {
    TStandInMenu* menu = Menu();
    TovBarItemLink* first = menu->Add(Button("Open", 1));
    TovBarItemLink* second = menu->Add(Button("Save", 2));
    TovBarItemLink* third = menu->Add(Button("Close", 3));
    menu->Layout();
    ASSERT_EQ(menu->GetBarSize(), 0);
    const TRect client = menu->GetClientRect();
    const int height = uiHeightOfRect(client);
    HBRUSH background = menu->GetBackgroundBrush();
    const TColor menuFace = Rgb(ColorOfBrushForTest(background));
    // A non-recent entry that starts a group: a shadow line above it, one pixel further left (no band).
    TovBarItemControl* middle = second->Control();
    middle->SetNonRecent(true);
    middle->SetChangeRecentGroup(true);
    const TRect mr = middle->GetBoundsRect();
    TPicture picture = Picture(uiWidthOfRect(client) + 4, height + 4, clRed);
    painter->SubMenuControlPaintItemFrame(menu, middle, picture.DC(), mr);
    EXPECT_EQ(picture.At(mr.left - 1, mr.top - 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(mr.right, mr.top - 1), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(mr.left - 2, mr.top - 1), Rgb(clRed));
    EXPECT_EQ(picture.At(mr.left - 1, mr.top + 2), menuFace) << "the strip left of it";
    EXPECT_EQ(picture.At(mr.right + 1, mr.top + 2), menuFace) << "the strip right of it";
    EXPECT_EQ(picture.At(mr.right + 2, mr.top + 2), Rgb(clRed));
    EXPECT_EQ(picture.At(mr.left + 3, mr.bottom + 1), Rgb(clRed)) << "not the last entry";
    // A recent entry that starts a group: a light line.
    TovBarItemControl* last = third->Control();
    last->SetChangeRecentGroup(true);
    const TRect lr = last->GetBoundsRect();
    TPicture recent = Picture(uiWidthOfRect(client) + 4, height + 4, clRed);
    painter->SubMenuControlPaintItemFrame(menu, last, recent.DC(), lr);
    EXPECT_EQ(recent.At(lr.left + 4, lr.top - 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(recent.At(lr.left - 1, lr.top + 2), Rgb(clRed)) << "no strips for recent entries";
    // The last entry, non-recent: everything below it, and a light pixel at the band's corner.
    last->SetNonRecent(true);
    last->SetChangeRecentGroup(false);
    TPicture bottom = Picture(uiWidthOfRect(client) + 4, height + 4, clRed);
    painter->SubMenuControlPaintItemFrame(menu, last, bottom.DC(), lr);
    for (int y = lr.bottom; y < height; ++y)
        EXPECT_EQ(bottom.At(lr.left + 4, y), menuFace) << y;
    EXPECT_EQ(bottom.At(lr.left - 2, height - 1), Sys(COLOR_BTNHIGHLIGHT));
    // The first entry, non-recent: the row above it and a light pixel at its right.
    TovBarItemControl* top = first->Control();
    top->SetNonRecent(true);
    const TRect tr = top->GetBoundsRect();
    ASSERT_GE(tr.top, 2);
    TPicture above = Picture(uiWidthOfRect(client) + 4, height + 4, clRed);
    painter->SubMenuControlPaintItemFrame(menu, top, above.DC(), tr);
    EXPECT_EQ(above.At(tr.left + 4, tr.top - 1), menuFace);
    EXPECT_EQ(above.At(tr.right + 1, tr.top - 1), menuFace);
    EXPECT_EQ(above.At(tr.right + 1, tr.top - 2), Sys(COLOR_BTNHIGHLIGHT));
    // With a detach caption the row above stays.
    menu->SetDetachable(true);
    TPicture detachable = Picture(uiWidthOfRect(client) + 4, height + 4, clRed);
    painter->SubMenuControlPaintItemFrame(menu, top, detachable.DC(), tr);
    EXPECT_EQ(detachable.At(tr.left + 4, tr.top - 1), Rgb(clRed));
}

} // namespace
