// The Office11 look of the bars: its metrics and flags, the painter table's Office11 row, hot, pressed and
// checked glyph areas (the button gradient and the Office11 selection frame), text colours, the menu's
// icon band, dock colours, the rounded ends of a docked toolbar, the gradient mark with its arrow and
// chevrons, separators, floating frames and the owner link. Without a visual style the palette takes the
// system colours; the three schemes are named through the recording theme binding.
#include "BarPaintingTestSupport.h"
#include "gallery/BarGallery.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "tests/ui/painters/RecordingTheme.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/painting/BarOffice11Painter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

using namespace bars_test;
using bar_standins::JoinMenuBelow;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

namespace {

constexpr TColor RGBOf(int R, int G, int B) {
    return static_cast<TColor>(R | (G << 8) | (B << 16));
}

TColor ColorOfSolid(HBRUSH ABrush) {
    LOGBRUSH brush{};
    GetObject(ABrush, sizeof(brush), &brush);
    return static_cast<TColor>(brush.lbColor);
}

// The classic value light(f, h, w): the system colours mixed by those percentages as the screen shows it.
TColor Light(int F, int H, int W) {
    return Rgb(GetNearestScreenColor(MixLightColor(F, H, W)));
}

class Office11BarPainterTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        painter = std::make_unique<TovBarOffice11Painter>();
        office11 = static_cast<TovBarOffice11Painter*>(painter.get());
        paintingFactory.Painter = painter.get();
    }
    void TearDown() override {
        if (schemeBound) {
            ovBindUxTheme(nullptr);
            RefreshOffice11Colors();
        }
        olva::win::ResetSystemOverrides();
        RefreshOffice11Colors();
        BarPaintingTest::TearDown();
    }
    // Names one of the visual-style colour schemes (or none) through the theme binding.
    void UseScheme(TovOffice11Scheme AScheme) {
        using painters_test::RecordingTheme;
        static const char16_t* const Colours[] = {u"", u"NormalColor", u"HomeStead", u"Metallic"};
        RecordingTheme::Reset();
        RecordingTheme::OpenAll = false;
        RecordingTheme::Active = AScheme != schNone;
        RecordingTheme::Colour = Colours[AScheme];
        ovBindUxTheme(&RecordingTheme::Entries());
        RecordingTheme::Changed();
        RefreshOffice11Colors();
        schemeBound = true;
    }
    // A toolbar button that is hot (hot part 0) on a laid-out toolbar.
    TovBarItemControl* HotButton(TStandInToolbar* AToolbar, TovBarItemLink* ALink) {
        AToolbar->Layout();
        ALink->Control()->SetSelectedByMouse(true);
        AToolbar->SetSelectedControl(ALink->Control());
        ALink->Control()->SetHotPartIndex(0);
        return ALink->Control();
    }
    TColor ToolbarBackgroundAt(TStandInToolbar* AToolbar, int X, int Y) {
        const TRect client = AToolbar->GetClientRect();
        TPicture plain = Picture(client.right, client.bottom, clRed);
        AToolbar->FillBackground(plain.DC(), client, clNone, nullptr);
        return plain.At(X, Y);
    }

    TovBarOffice11Painter* office11 = nullptr;
    bool schemeBound = false;
};

TEST_F(Office11BarPainterTest, TheOffice11ColumnOfTheMetricsTable) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TRect r{};
    painter->BarBorderSizes(toolbar->Bar(), dsTop, r, false);
    EXPECT_EQ(r, (TRect{2 + 8, 2, 2, 2})) << "the grip takes 8 pixels";
    painter->BarBorderSizes(toolbar->Bar(), dsLeft, r, false);
    EXPECT_EQ(r, (TRect{2, 2 + 8, 2, 2}));
    toolbar->Bar()->SetIsMainMenu(true);
    painter->BarDockedBorderSizes(toolbar->Bar(), dsTop, r);
    EXPECT_EQ(r, (TRect{0, 2, 0, 2})) << "the main menu runs from end to end";
    painter->BarDockedBorderSizes(toolbar->Bar(), dsBottom, r);
    EXPECT_EQ(r, (TRect{0, 2, 0, 2}));
    painter->BarDockedBorderSizes(toolbar->Bar(), dsLeft, r);
    EXPECT_EQ(r, (TRect{2, 0, 2, 0}));
    painter->BarDockedBorderSizes(toolbar->Bar(), dsRight, r);
    EXPECT_EQ(r, (TRect{2, 0, 2, 0}));
    painter->BarDockedBorderSizes(nullptr, dsTop, r);
    EXPECT_EQ(r, (TRect{2, 2, 2, 2})) << "every other bar";
    painter->EditGetContentOffsets(iptHorizontal, r);
    EXPECT_EQ(r, (TRect{1, 1, 1, 1}));
    TRect caption{0, 0, 40, 20};
    painter->SubMenuControlAdjustDetachCaptionRect(caption);
    EXPECT_EQ(caption, (TRect{2, 4, 38, 16}));
    struct TCase {
        const char* Name;
        int Value, Expected;
    };
    const TCase cases[] = {
        {"BarGripOffset", painter->BarGripOffset(), 3},
        {"BarFingerWidth", painter->BarFingerWidth(), 3},
        {"BarGripAreaSize", painter->BarGripAreaSize(toolbar), 8},
        {"BarNoGripIndent", painter->BarNoGripIndent(), 2},
        {"GetFingerElementSize", office11->GetFingerElementSize(), 2},
        {"GetFloatingFrameWidth", painter->GetFloatingFrameWidth(), 3},
        {"GetFloatingFrameHeight", painter->GetFloatingFrameHeight(), 3},
        {"GetComboBoxArrowWidth(7)", painter->GetComboBoxArrowWidth(nullptr, 7), 13},
        {"GetComboBoxArrowWidth(4)", painter->GetComboBoxArrowWidth(nullptr, 4), 13},
        {"SubMenuControlDetachCaptionHeight(9)", painter->SubMenuControlDetachCaptionHeight(9), 14},
        {"BarSeparatorSize", painter->BarSeparatorSize(), 5},
        {"BarSeparatorOffset", painter->BarSeparatorOffset(), 2},
        {"BarMarkSize", painter->BarMarkSize(), 11},
        {"SubMenuSeparatorIndent", painter->SubMenuSeparatorIndent(), 8},
        {"GetBaseTextSize", painter->GetBaseTextSize(), 20},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    for (bool flag : {painter->GetMakeDisabledImagesFaded(toolbar), painter->NonRecentItemsUseMenuBrush(),
                      painter->SubMenuControlShowsGlyphBand(), painter->UsesNativeBackground(),
                      painter->AllowTextSelection(), painter->IsFlatStyle()})
        EXPECT_TRUE(flag);
    EXPECT_FALSE(painter->IsGlyphBackgroundTransparent());
    EXPECT_FALSE(painter->UseGlyphShadow());
    EXPECT_TRUE(painter->BarControlHasShadow(Menu())) << "popups cast a shadow";
    EXPECT_FALSE(painter->BarControlHasShadow(Toolbar(dsNone))) << "floating toolbars do not";
}

TEST_F(Office11BarPainterTest, TheOffice11RowOfThePainterTableAndItsLookAndFeel) {
    manager->SetStyle(bmsOffice11);
    EXPECT_EQ(manager->GetPainterClass(), &ovBarOffice11PainterClass);
    EXPECT_NE(dynamic_cast<TovBarOffice11Painter*>(manager->DefaultPainter()), nullptr);
    manager->SetStyle(bmsUseLookAndFeel);
    manager->LookAndFeel()->SetKind(lfOffice11);
    EXPECT_NE(dynamic_cast<TovBarOffice11Painter*>(manager->DefaultPainter()), nullptr);
    manager->LookAndFeel()->SetKind(lfUltraFlat);
    EXPECT_EQ(dynamic_cast<TovBarOffice11Painter*>(manager->DefaultPainter()), nullptr);
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(painter->GetLookAndFeelPainter(),
              dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsOffice11)));
}

TEST_F(Office11BarPainterTest, ThePainterHoldsThePaletteWhileItLives) {
    const int held = Office11PaletteReferenceCount();
    {
        TovBarOffice11Painter another;
        EXPECT_EQ(Office11PaletteReferenceCount(), held + 1);
        EXPECT_NE(another.BarSelBrush(nullptr), nullptr);
    }
    EXPECT_EQ(Office11PaletteReferenceCount(), held);
}

TEST_F(Office11BarPainterTest, AHotButtonWithoutASchemeIsTheLightSelectedColourInTheSelectionFrame) {
    ASSERT_FALSE(Office11SchemeColorsActive());
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(Button("Save", 2));
    TovBarItemControl* control = HotButton(toolbar, link);
    const TRect bounds = control->GetBoundsRect();
    const TRect client = toolbar->GetClientRect();
    TPicture picture = Picture(client.right, client.bottom);
    toolbar->PaintTo(picture.Canvas.get());
    const TColor selected = Light(-2, 30, 72);
    const TColor frame = Rgb(clHighlight);
    ASSERT_NE(selected, frame);
    EXPECT_EQ(picture.At(bounds.left, bounds.top + 5), frame);
    EXPECT_EQ(picture.At(bounds.right - 1, bounds.top + 5), frame);
    EXPECT_EQ(picture.At(bounds.left + 5, bounds.top), frame);
    EXPECT_EQ(picture.At(bounds.left + 5, bounds.bottom - 1), frame);
    EXPECT_EQ(picture.At(bounds.left + 1, bounds.top + 1), selected);
    EXPECT_EQ(picture.At(bounds.right - 2, bounds.bottom - 2), selected);
    EXPECT_EQ(Rgb(ColorOfSolid(toolbar->GetSelBrush())), selected) << "BarSelBrush";
}

TEST_F(Office11BarPainterTest, TheButtonGradientIsChosenByTheStates) {
    using G = TovBarOffice11Painter::TButtonGradient;
    struct TCase {
        const char* Name;
        bool Internal, Down, Pressed, Hot;
        G Expected;
    };
    // Pressed colours 1 and 2 are the same without a scheme; a scheme tells them apart.
    UseScheme(schBlue);
    ASSERT_NE(ColorToRGB(Office11PressedColor1), ColorToRGB(Office11PressedColor2));
    const TCase cases[] = {
        {"internal, down", true, true, false, false, {Office11CheckedColor, Office11CheckedColor, true}},
        {"internal, pressed", true, false, true, true, {Office11CheckedColor, Office11CheckedColor, true}},
        {"internal, hot", true, false, false, true, {Office11HotColor1, Office11HotColor1, true}},
        {"hot only", false, false, false, true, {Office11HotColor1, Office11HotColor2, false}},
        {"down and hot", false, true, false, true, {Office11PressedColor2, Office11PressedColor1, false}},
        {"pressed and hot", false, false, true, true, {Office11PressedColor2, Office11PressedColor1, false}},
        {"down, not hot", false, true, false, false, {Office11PressedColor1, Office11PressedColor2, false}},
    };
    for (const TCase& c : cases) {
        const G g = TovBarOffice11Painter::ButtonGradientColors(c.Internal, c.Down, c.Pressed, c.Hot);
        EXPECT_EQ(g.Color1, c.Expected.Color1) << c.Name;
        EXPECT_EQ(g.Color2, c.Expected.Color2) << c.Name;
        EXPECT_EQ(g.Solid, c.Expected.Solid) << c.Name;
    }
    UseScheme(schNone);
    const G classic = TovBarOffice11Painter::ButtonGradientColors(false, true, false, false);
    EXPECT_TRUE(classic.Solid) << "equal pressed colours: the downed colour alone";
    EXPECT_EQ(Rgb(classic.Color1), Rgb(MixLightColor(41, 11, 48)));
}

// The glyph area of a toolbar button in each state: its fill and its frame.
TEST_F(Office11BarPainterTest, TheGlyphFrameFillsAndFramesByState) {
    UseScheme(schBlue);
    TStandInToolbar* toolbar = Toolbar(dsTop);
    auto* checkable = Button("Loop", 2);
    checkable->SetButtonStyle(bsChecked);
    TovBarItemLink* link = toolbar->Add(checkable);
    toolbar->Add(Button("Play", 1));
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    const TRect r{2, 2, 26, 24};
    struct TCase {
        const char* Name;
        bool Down, Selected, Pressed;
        TColor Top, Bottom, Frame;
    };
    const TColor selection = Rgb(Office11SelectedBorderColor);
    const TCase cases[] = {
        {"hot", false, true, false, Office11HotColor1, Office11HotColor2, selection},
        {"checked", true, false, false, Office11PressedColor1, Office11PressedColor2, selection},
        {"checked and hot", true, true, false, Office11PressedColor2, Office11PressedColor1, selection},
        {"pressed", false, false, true, Office11PressedColor1, Office11PressedColor2, selection},
    };
    for (const TCase& c : cases) {
        checkable->SetDown(c.Down);
        TovItemGlyphArgs args;
        args.Area = r;
        args.PaintType = iptHorizontal;
        args.Down = c.Down;
        args.Selected = c.Selected;
        args.Pressed = c.Pressed;
        TPicture picture = Picture(30, 30, clRed);
        painter->PaintGlyphFrame(control, picture.DC(), r, args);
        EXPECT_EQ(picture.At(r.left, r.top + 5), c.Frame) << c.Name;
        EXPECT_EQ(picture.At(r.right - 1, r.bottom - 1), c.Frame) << c.Name;
        for (int y = r.top + 1; y < r.bottom - 1; ++y)
            ASSERT_EQ(picture.At(r.left + 5, y), Rgb(GetGradientColor(r, y, c.Top, c.Bottom, false)))
                << c.Name << " row " << y;
        EXPECT_EQ(picture.At(r.left + 5, r.top + 1),
                  Rgb(GetGradientColor(r, r.top + 1, c.Top, c.Bottom, false)));
        EXPECT_EQ(picture.At(0, 0), Rgb(clRed)) << "nothing outside";
    }
    // Idle: the bar's own background, and the ring only.
    checkable->SetDown(false);
    TovItemGlyphArgs idle;
    idle.Area = r;
    const TRect client = toolbar->GetClientRect();
    TPicture picture = Picture(client.right, client.bottom, clRed);
    painter->PaintGlyphFrame(control, picture.DC(), r, idle);
    EXPECT_EQ(picture.At(r.left, r.top + 5), ToolbarBackgroundAt(toolbar, r.left, r.top + 5));
    EXPECT_NE(picture.At(r.left, r.top + 5), selection);
    // A pressed item other than a checked button gets the plain selected-frame colour.
    UseScheme(schNone);
    olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(0, 0, 0));
    olva::win::SetSysColorOverride(COLOR_HIGHLIGHTTEXT, RGB(0, 255, 0));
    RefreshOffice11Colors();
    TovItemGlyphArgs pressed;
    pressed.Area = r;
    pressed.Pressed = true;
    TPicture black = Picture(30, 30, clRed);
    painter->PaintGlyphFrame(control, black.DC(), r, pressed);
    EXPECT_EQ(black.At(r.left, r.top + 5), Rgb(Office11SelectedBorderColor)) << "not the selection frame";
    TovItemGlyphArgs hot;
    hot.Area = r;
    hot.Selected = true;
    TPicture blackHot = Picture(30, 30, clRed);
    painter->PaintGlyphFrame(control, blackHot.DC(), r, hot);
    EXPECT_EQ(blackHot.At(r.left, r.top + 5), Rgb(RGB(0, 255, 0))) << "the selection frame";
}

TEST_F(Office11BarPainterTest, TextColoursFollowTheSelectionAndAWhiteHighContrastScheme) {
    olva::win::SetSysColorOverride(COLOR_BTNHIGHLIGHT, RGB(200, 210, 255));
    olva::win::SetSysColorOverride(COLOR_BTNTEXT, RGB(10, 20, 30));
    olva::win::SetSysColorOverride(COLOR_GRAYTEXT, RGB(90, 91, 92));
    RefreshOffice11Colors();
    EXPECT_EQ(Rgb(painter->GetTextColor(nullptr, false, false)), RGBOf(10, 20, 30));
    EXPECT_EQ(Rgb(painter->GetTextColor(nullptr, true, true)), RGBOf(10, 20, 30)) << "flat: unchanged";
    EXPECT_EQ(Rgb(painter->GetTextColor(nullptr, true, false)), RGBOf(200, 210, 255))
        << "the caption text colour";
    TColor text = clNone, shadow = clNone;
    painter->DisabledTextColorPair(nullptr, false, text, shadow, false);
    EXPECT_EQ(Rgb(text), RGBOf(90, 91, 92));
    EXPECT_EQ(Rgb(shadow), RGBOf(90, 91, 92));
    EXPECT_EQ(Rgb(painter->EditGetDisabledTextColor()), RGBOf(90, 91, 92));
    olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(255, 255, 255));
    RefreshOffice11Colors();
    EXPECT_EQ(Rgb(painter->GetTextColor(nullptr, true, false)), Rgb(clWhite)) << "high-contrast white";
    EXPECT_EQ(Rgb(painter->GetTextColor(nullptr, false, false)), RGBOf(10, 20, 30));
}

TEST_F(Office11BarPainterTest, TheMenuBandIsAGradientAndEightPercentDarkerForRarelyUsedItems) {
    TStandInMenu* menu = Menu();
    menu->Add(Button("Amplify", 3));
    menu->Add(Button("Normalize", 4));
    menu->Layout(120);
    const TRect client = menu->GetClientRect();
    const int indent = menu->GetContentIndent();
    ASSERT_GT(indent, 10);
    auto band = [&](bool ANonRecent) {
        menu->SetNonRecent(ANonRecent);
        TPicture picture = Picture(client.right, client.bottom, clRed);
        painter->SubMenuControlDrawBackground(menu, picture.DC(), clNone, menu->GetBackgroundBrush(), client);
        return picture;
    };
    const TPicture recent = band(false);
    EXPECT_EQ(recent.At(0, 5), Rgb(BlendRGB(clBtnFace, clWindow, 22))) << "toolbar colour 1 at the left";
    EXPECT_EQ(recent.At(indent + 5, 5), Rgb(clWindow)) << "the rest is the menu colour";
    EXPECT_NE(recent.At(indent - 1, 5), recent.At(0, 5)) << "a gradient";
    const TPicture rare = band(true);
    EXPECT_EQ(rare.At(0, 5), Rgb(BlendRGB(Office11MenuBandColor1, clBlack, 92)));
    EXPECT_EQ(rare.At(indent + 5, 5), Rgb(clWindow));
    for (int x = 0; x < indent; ++x) {
        const TColor a = recent.At(x, 5), b = rare.At(x, 5);
        ASSERT_LT(b & 0xFF, (a & 0xFF) + 1) << x;
        ASSERT_LT((b >> 8) & 0xFF, ((a >> 8) & 0xFF) + 1) << x;
    }
    // Only the clip's rectangle is painted.
    menu->SetNonRecent(false);
    TPicture part = Picture(client.right, client.bottom, clRed);
    painter->SubMenuControlDrawBackground(menu, part.DC(), clNone, menu->GetBackgroundBrush(),
                                          TRect{0, 0, client.right, 4});
    EXPECT_EQ(part.At(0, 3), recent.At(0, 3));
    EXPECT_EQ(part.At(0, 4), Rgb(clRed));
}

TEST_F(Office11BarPainterTest, AnUnselectedMenuItemShowsTheBandAndASelectedOneTheSelectedFace) {
    TStandInMenu* menu = Menu();
    TovBarItemLink* first = menu->Add(Button("Amplify", 3));
    TovBarItemLink* second = menu->Add(Button("Normalize", 4));
    menu->Layout(120);
    second->Control()->SetSelectedByMouse(true);
    menu->SetSelectedControl(second->Control());
    const TRect window = menu->GetWindowRectLocal();
    const TPoint offset = menu->GetClientOffset();
    TPicture picture = Picture(window.right, window.bottom, clRed);
    menu->PaintTo(picture.Canvas.get());
    const TRect client = menu->GetClientRect();
    TPicture band = Picture(client.right, client.bottom, clRed);
    painter->SubMenuControlDrawBackground(menu, band.DC(), clNone, menu->GetBackgroundBrush(), client);
    const TRect idle = first->ItemRect;
    for (int x = idle.left; x < idle.left + menu->GetIconAreaSize(); x += 3)
        EXPECT_EQ(picture.At(offset.x + x, offset.y + idle.top), band.At(x, idle.top)) << "band under " << x;
    const TRect hot = second->ItemRect;
    EXPECT_EQ(picture.At(offset.x + hot.left, offset.y + hot.top + 3), Rgb(clHighlight));
    EXPECT_EQ(picture.At(offset.x + hot.right - 3, offset.y + hot.top + 3), Light(-2, 30, 72));
    EXPECT_EQ(picture.At(0, 0), Rgb(clBtnShadow)) << "the menu frame";
}

TEST_F(Office11BarPainterTest, DockSitesAreColouredByTheirAlignment) {
    TColor c1 = clNone, c2 = clNone;
    TovBarOffice11Painter::DockColors(dsLeft, c1, c2);
    EXPECT_EQ(c1, Office11DockColor1);
    EXPECT_EQ(c2, Office11DockColor1);
    TovBarOffice11Painter::DockColors(dsRight, c1, c2);
    EXPECT_EQ(c1, Office11DockColor2);
    EXPECT_EQ(c2, Office11DockColor2);
    TovBarOffice11Painter::DockColors(dsTop, c1, c2);
    EXPECT_EQ(c1, Office11DockColor1);
    EXPECT_EQ(c2, Office11DockColor2);
    ASSERT_NE(Rgb(Office11DockColor1), Rgb(Office11DockColor2));
    for (TovBarDockingStyle style : {dsTop, dsBottom, dsLeft, dsRight}) {
        TovDockControl dock(manager, style);
        dock.SetBounds(TRect{0, 0, 200, 60});
        TPicture picture = Picture(200, 60, clRed);
        painter->DockControlFillBackground(&dock, picture.DC(), TRect{0, 0, 200, 60}, TRect{0, 0, 200, 60},
                                           clBtnFace, nullptr);
        const TColor left = picture.At(0, 30), right = picture.At(199, 30);
        if (style == dsLeft) {
            EXPECT_EQ(left, Rgb(Office11DockColor1));
            EXPECT_EQ(right, Rgb(Office11DockColor1));
        } else if (style == dsRight) {
            EXPECT_EQ(left, Rgb(Office11DockColor2));
            EXPECT_EQ(right, Rgb(Office11DockColor2));
        } else {
            EXPECT_EQ(left, Rgb(Office11DockColor1)) << style;
            EXPECT_EQ(right, Rgb(Office11DockColor2)) << style;
            EXPECT_EQ(picture.At(100, 0), picture.At(100, 59)) << "left to right";
        }
        // A part of the dock shows the dock's colours at its place.
        TPicture part = Picture(20, 10, clRed);
        painter->DockControlFillBackground(&dock, part.DC(), TRect{0, 0, 20, 10}, TRect{180, 20, 200, 30},
                                           clBtnFace, nullptr);
        EXPECT_EQ(part.At(19, 5), right) << style;
    }
    // A dock that grows shows its gradient over its new width, not a picture kept from before.
    TovDockControl dock(manager, dsTop);
    dock.SetBounds(TRect{0, 0, 100, 20});
    TPicture small = Picture(100, 20, clRed);
    painter->DockControlFillBackground(&dock, small.DC(), TRect{0, 0, 100, 20}, TRect{0, 0, 100, 20},
                                       clBtnFace, nullptr);
    EXPECT_EQ(small.At(99, 5), Rgb(Office11DockColor2));
    dock.SetBounds(TRect{0, 0, 300, 20});
    TPicture wide = Picture(300, 20, clRed);
    painter->DockControlFillBackground(&dock, wide.DC(), TRect{0, 0, 300, 20}, TRect{0, 0, 300, 20},
                                       clBtnFace, nullptr);
    EXPECT_EQ(wide.At(299, 5), Rgb(Office11DockColor2));
    EXPECT_NE(wide.At(99, 5), Rgb(Office11DockColor2));
    EXPECT_EQ(dock.BackgroundBitmap(), nullptr) << "the painter keeps nothing in the dock";
}

TEST_F(Office11BarPainterTest, ADockedToolbarHasRoundedEndsWithMixedCornerPixels) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->MarkShown = false;
    toolbar->Add(Button("Play", 2));
    toolbar->Add(Button("Stop", 1));
    toolbar->Layout();
    const TSize size = toolbar->DockedWindowSize();
    TPicture picture = Picture(size.cx, size.cy, clRed);
    toolbar->PaintDockedTo(picture.Canvas.get());
    const int w = size.cx, h = size.cy;
    const TColor dock = Rgb(Office11DockColor1), corner = Rgb(Office11ToolbarCornerColor);
    const TColor bar1 = Rgb(Office11ToolbarColor1);
    struct TCase {
        const char* Name;
        int X, Y;
        TColor Expected;
    };
    const TCase cases[] = {
        {"outer corner", 0, 0, dock},
        {"outer corner, bottom", 0, h - 1, dock},
        {"outer corner, far", w - 1, 0, dock},
        {"outer corner, far bottom", w - 1, h - 1, dock},
        {"(Left, Bottom - 2)", 0, h - 2, dock},
        {"(Left + 1, Bottom - 1)", 1, h - 1, dock},
        {"(Left + 1, Bottom - 3)", 1, h - 3, corner},
        {"(Left, Bottom - 3)", 0, h - 3, Rgb(BlendRGB(dock, corner, 50))},
        {"(Left + 1, Bottom - 2)", 1, h - 2, Rgb(BlendRGB(dock, corner, 50))},
        {"(Left, Top + 1)", 0, 1, Rgb(BlendRGB(dock, bar1, 50))},
        {"(Left + 1, Top)", 1, 0, Rgb(BlendRGB(dock, bar1, 50))},
        {"the shadow line under the items", w / 2, h - 1, Rgb(Office11ToolbarEdgeColor)},
        {"the far edge", w - 1, h / 2, Rgb(Office11ToolbarEdgeColor)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(picture.At(c.X, c.Y), c.Expected) << c.Name;
    EXPECT_EQ(picture.At(0, h / 2), picture.At(3, h / 2)) << "the start column is the bar's background";
    // The grip: dots three pixels after the border, shortened by 3 at both ends.
    const int gripX = 2 + 3;
    int dots = 0;
    for (int y = 0; y < h; ++y)
        if (picture.At(gripX, y) == Rgb(Office11GripColor1)) ++dots;
    EXPECT_GE(dots, 2 * ((h - 10) / 4)) << "dark dots down the grip";
    EXPECT_EQ(picture.Count(clRed), 0) << "every pixel painted";

    // The main menu: only dock bands above and below, no rounded ends.
    TStandInToolbar* mainMenu = Toolbar(dsTop);
    mainMenu->Bar()->SetIsMainMenu(true);
    mainMenu->MarkShown = false;
    mainMenu->Add(Button("File", -1, psCaption));
    mainMenu->Layout(120);
    const TSize menuSize = mainMenu->DockedWindowSize();
    TPicture menuPicture = Picture(menuSize.cx, menuSize.cy, clRed);
    HDC dc = menuPicture.DC();
    TRect window{0, 0, menuSize.cx, menuSize.cy};
    painter->BarDrawDockedBarBorder(mainMenu, dc, window);
    for (int y : {0, 1, menuSize.cy - 2, menuSize.cy - 1})
        EXPECT_EQ(menuPicture.At(menuSize.cx / 2, y), dock) << y;
    EXPECT_EQ(menuPicture.At(0, menuSize.cy / 2), Rgb(clRed)) << "the ends are left to the bar";
}

TEST_F(Office11BarPainterTest, TheMarkPaintsBeyondTheLongSidesAndTakesThePressedColours) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("Play", 2));
    toolbar->Layout(80);
    TRect base{}, grown{};
    painter->BarGetMarkRect(toolbar, base);
    painter->BarGetMarkPaintRect(toolbar, grown);
    EXPECT_EQ(grown, (TRect{base.left, base.top - 1, base.right + 2, base.bottom + 1}));
    TStandInToolbar* vertical = Toolbar(dsLeft);
    vertical->Add(Button("Play", 2));
    vertical->Layout(80);
    painter->BarGetMarkRect(vertical, base);
    painter->BarGetMarkPaintRect(vertical, grown);
    EXPECT_EQ(grown, (TRect{base.left - 1, base.top, base.right + 1, base.bottom + 2}));
    vertical->Bar()->SetIsMainMenu(true);
    painter->BarGetMarkPaintRect(vertical, grown);
    EXPECT_EQ(grown, base) << "the main menu keeps the base rectangle";

    for (TovOffice11Scheme scheme : {schNone, schBlue}) {
        UseScheme(scheme);
        for (int state : {0, 1, 2}) {
            toolbar->SetMarkState(state);
            const TSize size = toolbar->DockedWindowSize();
            TPicture picture = Picture(size.cx, size.cy, clRed);
            toolbar->PaintDockedTo(picture.Canvas.get());
            const TRect borders = toolbar->DockedBorders();
            const int x = borders.left + toolbar->MarkRect.left + 5;
            // The mark reaches from the window's first row to its last.
            EXPECT_EQ(picture.At(x, 0), Rgb(Office11MarkColors1[state])) << scheme << "/" << state;
            EXPECT_NE(picture.At(x, size.cy - 1), Rgb(Office11ToolbarEdgeColor)) << "no shadow line under it";
        }
    }
    EXPECT_EQ(Rgb(Office11MarkColors1[omsPressed]), RGBOf(254, 149, 82)) << "the blue scheme's pressed mark";
    UseScheme(schNone);
    EXPECT_EQ(Rgb(Office11MarkColors1[omsPressed]), Light(42, 11, 47));
    EXPECT_EQ(Rgb(Office11MarkColors2[omsPressed]), Light(42, 11, 47));
}

TEST_F(Office11BarPainterTest, TheArrowAndChevronsHaveShadowCopiesOnePixelRightAndDown) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->SetTruncated(true);
    const TRect r{0, 0, 11, 22};
    TPicture picture = Picture(11, 22, clRed);
    painter->BarDrawMarkElements(toolbar, picture.DC(), r);
    const TColor figure = Rgb(Office11MarkArrowColor), shadow = Rgb(Office11MarkArrowShadowColor);
    ASSERT_NE(figure, shadow);
    // The customize arrow at (R.Right - 6, R.Bottom - 8) = (5, 14): a line of 5 and a triangle 3 below.
    for (int x = 5; x <= 9; ++x)
        EXPECT_EQ(picture.At(x, 14), figure) << x;
    EXPECT_EQ(picture.At(10, 15), shadow) << "the line's shadow ends one further";
    EXPECT_EQ(picture.At(7, 19), figure) << "the triangle's tip";
    EXPECT_EQ(picture.At(8, 20), shadow) << "its shadow";
    EXPECT_EQ(picture.At(4, 14), Rgb(clRed));
    // The chevrons at (R.Right - 7, R.Top + 3) = (4, 3) and 4 further.
    EXPECT_EQ(picture.At(4, 3), figure);
    EXPECT_EQ(picture.At(6, 5), shadow);
    EXPECT_EQ(picture.At(8, 3), figure);
    EXPECT_EQ(picture.At(10, 5), shadow);
    EXPECT_EQ(picture.At(7, 3), Rgb(clRed)) << "two figures";
    // A bar without border moves its figures 2 in and 1 up.
    toolbar->Bar()->SetBorderStyle(bbsNone);
    TPicture plain = Picture(11, 22, clRed);
    painter->BarDrawMarkElements(toolbar, plain.DC(), r);
    EXPECT_EQ(plain.At(3, 13), figure);
    EXPECT_EQ(plain.At(2, 2), figure);
}

TEST_F(Office11BarPainterTest, AFloatingFrameIsTwoOuterRingsAndOneInnerWithOuterCorners) {
    TStandInToolbar* floating = Toolbar(dsNone);
    TPicture picture = Picture(40, 30, clRed);
    painter->BarPaintFloatingFrame(floating, picture.DC(), TRect{0, 0, 40, 30});
    const TColor outer = Rgb(Office11FloatingBorderColor1), inner = Rgb(Office11FloatingBorderColor2);
    ASSERT_NE(outer, inner);
    EXPECT_EQ(outer, Rgb(clBtnShadow));
    EXPECT_EQ(inner, Rgb(Office11ToolbarColor2));
    for (int ring : {0, 1}) {
        EXPECT_EQ(picture.At(20, ring), outer) << ring;
        EXPECT_EQ(picture.At(ring, 15), outer) << ring;
        EXPECT_EQ(picture.At(39 - ring, 15), outer) << ring;
        EXPECT_EQ(picture.At(20, 29 - ring), outer) << ring;
    }
    EXPECT_EQ(picture.At(20, 2), inner);
    EXPECT_EQ(picture.At(2, 15), inner);
    for (const TPoint& p : {TPoint{2, 2}, TPoint{37, 2}, TPoint{2, 27}, TPoint{37, 27}})
        EXPECT_EQ(picture.At(p.x, p.y), outer) << p.x << ", " << p.y;
    EXPECT_EQ(picture.At(3, 3), Rgb(clRed)) << "three pixels only";
    EXPECT_EQ(picture.At(20, 15), Rgb(clRed));
}

TEST_F(Office11BarPainterTest, TheOwnerLinkContinuesTheEndOfTheItemsGradientTowardsThePopup) {
    auto* effects = new TovBarSubItem(form);
    effects->SetCaption("Effects");
    effects->ItemLinks()->AddItem(Button("Amplify", 3));
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemControl* subItem = toolbar->Add(effects)->Control();
    TovBarItemControl* plain = toolbar->Add(Button("Play", 2))->Control();
    toolbar->Layout();
    ASSERT_NE(dynamic_cast<TovBarSubItemControl*>(subItem), nullptr);
    const TColor link1 = Rgb(Office11OwnerLinkColor1), link2 = Rgb(Office11OwnerLinkColor2);
    ASSERT_NE(link1, link2);
    struct TCase {
        const char* Name;
        TovBarItemControl* Control;
        TRect Link, Item;
        TColor Expected;
    };
    const TCase cases[] = {
        {"menu below the item", subItem, {10, 20, 30, 22}, {10, 0, 30, 21}, link2},
        {"menu above the item", subItem, {10, 20, 30, 22}, {10, 21, 30, 40}, link1},
        {"menu right of the item", subItem, {20, 10, 22, 30}, {0, 10, 21, 30}, link2},
        {"menu left of the item", subItem, {20, 10, 22, 30}, {21, 10, 40, 30}, link1},
        {"a plain button",
         plain,
         {10, 20, 30, 22},
         {10, 0, 30, 21},
         Rgb(ColorOfSolid(toolbar->GetOwnerBrush()))},
    };
    for (const TCase& c : cases) {
        TPicture picture = Picture(40, 40, clRed);
        office11->BarPaintOwnerLink(toolbar, picture.DC(), c.Control, c.Link, c.Item);
        // The link stays out of what is drawn afterwards (the pixels are read without the clip).
        FillRectWithColor(picture.DC(), TRect{0, 0, 40, 40}, clBlue);
        SelectClipRgn(picture.DC(), nullptr);
        EXPECT_EQ(picture.At(c.Link.left + 1, c.Link.top + 1), c.Expected) << c.Name;
        EXPECT_EQ(picture.At(c.Link.right - 1, c.Link.bottom - 1), c.Expected) << c.Name;
        EXPECT_EQ(picture.At(c.Link.left - 1, c.Link.top), Rgb(clBlue)) << c.Name;
    }
}

TEST_F(Office11BarPainterTest, SeparatorsAreADarkAndALightLine) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    const TColor dark = Rgb(BlendRGB(clBtnShadow, clWindow, 70)), light = Rgb(clWhite);
    ASSERT_EQ(Rgb(Office11SeparatorColor1), dark);
    TPicture across = Picture(20, 5, clRed);
    painter->BarDrawSeparator(toolbar, across.DC(), true, nullptr, TRect{0, 0, 20, 5});
    EXPECT_EQ(across.At(3, 2), dark);
    EXPECT_EQ(across.At(15, 2), dark);
    EXPECT_NE(across.At(2, 2), dark);
    EXPECT_NE(across.At(16, 2), dark);
    EXPECT_EQ(across.At(4, 3), light);
    EXPECT_EQ(across.At(16, 3), light);
    EXPECT_NE(across.At(3, 3), light);
    EXPECT_NE(across.At(17, 3), light);
    TPicture down = Picture(5, 20, clRed);
    painter->BarDrawSeparator(toolbar, down.DC(), false, nullptr, TRect{0, 0, 5, 20});
    EXPECT_EQ(down.At(2, 3), dark);
    EXPECT_EQ(down.At(2, 15), dark);
    EXPECT_NE(down.At(2, 16), dark);
    EXPECT_EQ(down.At(3, 4), light);
    EXPECT_EQ(down.At(3, 16), light);
    EXPECT_NE(down.At(3, 17), light);
    EXPECT_EQ(Rgb(office11->GetBorderColor()), dark);
}

TEST_F(Office11BarPainterTest, TheThreeSchemesGiveTheirToolbarAndHotColours) {
    struct TCase {
        TovOffice11Scheme Scheme;
        TColor Toolbar1;
    };
    const TCase cases[] = {
        {schBlue, RGBOf(221, 236, 254)}, {schOlive, RGBOf(244, 247, 222)}, {schSilver, RGBOf(243, 244, 250)}};
    for (const TCase& c : cases) {
        UseScheme(c.Scheme);
        ASSERT_TRUE(Office11SchemeColorsActive()) << c.Scheme;
        EXPECT_FALSE(painter->AllowTextSelection()) << c.Scheme;
        TStandInMenu* menu = Menu();
        menu->Add(Button("Amplify", 3));
        menu->Layout(100);
        const TRect client = menu->GetClientRect();
        TPicture picture = Picture(client.right, client.bottom, clRed);
        painter->SubMenuControlDrawBackground(menu, picture.DC(), clNone, menu->GetBackgroundBrush(), client);
        EXPECT_EQ(picture.At(0, 3), c.Toolbar1) << c.Scheme;
        TStandInToolbar* toolbar = Toolbar(dsTop);
        TovBarItemControl* control = HotButton(toolbar, toolbar->Add(Button("Save", 2)));
        const TRect bounds = control->GetBoundsRect();
        TPicture bar = Picture(toolbar->GetClientRect().right, toolbar->GetClientRect().bottom, clRed);
        toolbar->PaintTo(bar.Canvas.get());
        EXPECT_EQ(
            bar.At(bounds.left + 5, bounds.top + 1),
            Rgb(GetGradientColor(bounds, bounds.top + 1, RGBOf(255, 244, 204), RGBOf(255, 208, 145), false)))
            << c.Scheme;
        EXPECT_EQ(bar.At(bounds.left, bounds.top + 5), Rgb(Office11SelectedBorderColor)) << c.Scheme;
    }
}

// The gallery's sheets once more in each visual-style scheme (the gallery test paints them without one).
TEST_F(Office11BarPainterTest, TheGallerySheetsInTheThreeSchemes) {
    for (TovOffice11Scheme scheme : {schBlue, schOlive, schSilver}) {
        UseScheme(scheme);
        static const char* const Names[] = {"", "blue", "olive", "silver"};
        bar_gallery::TBarGallery gallery(manager, painter.get());
        for (const std::string& sheet : bar_gallery::TBarGallery::SheetNames()) {
            const TSize size = gallery.SheetSize(sheet);
            TPicture picture = Picture(size.cx, size.cy);
            gallery.PaintSheet(sheet, picture.Canvas.get());
            const std::string file =
                OutputPath(std::string("gallery-Office11-") + Names[scheme] + "-" + sheet + ".png");
            EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), file)) << file;
        }
    }
}

} // namespace
