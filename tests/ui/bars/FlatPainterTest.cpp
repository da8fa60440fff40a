// The flat look: its metrics, the manager's flat brushes it draws with, the selection frame under a
// black high-contrast scheme, drop-downs joined to their owner through an open edge, the docked grip,
// separators, the close cross, MDI buttons, the pressed mark and the floating caption's colour.
#include "BarPaintingTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

using namespace bars_test;
using bar_standins::JoinMenuBelow;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

namespace {

TColor ColorOfBrush(HBRUSH ABrush) {
    LOGBRUSH brush{};
    GetObject(ABrush, sizeof(brush), &brush);
    return static_cast<TColor>(brush.lbColor);
}

class FlatPainterTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        painter = std::make_unique<TovBarFlatPainter>();
        paintingFactory.Painter = painter.get();
    }
    void TearDown() override {
        olva::win::ResetSystemOverrides();
        BarPaintingTest::TearDown();
    }
    TColor Sys(int AIndex) const { return static_cast<TColor>(GetSysColor(AIndex) & 0xFFFFFF); }
    TColor Face() const { return Rgb(manager->FlatToolbarColor()); }
    TColor FrameColour() const { return Rgb(manager->FlatToolbarBorderColor()); }
};

TEST_F(FlatPainterTest, TheFlatColumnOfTheMetricsTable) {
    TRect r{};
    painter->ItemCaptionOffsets(r);
    EXPECT_EQ(r, (TRect{2, 2, 2, 3})) << "as the base";
    painter->GetTextOffsets(nullptr, 0, r);
    EXPECT_EQ(r, (TRect{3, 0, 3, 0}));
    painter->EditGetContentOffsets(iptHorizontal, r);
    EXPECT_EQ(r, (TRect{1, 1, 1, 1}));
    painter->EditGetMenuGlyphOffsets(r);
    EXPECT_EQ(r, (TRect{7, 0, 0, 0}));
    painter->BarDockedBorderSizes(nullptr, dsTop, r);
    EXPECT_EQ(r, (TRect{2, 2, 2, 2}));
    TStandInToolbar* toolbar = Toolbar(dsTop);
    painter->BarBorderSizes(toolbar->Bar(), dsTop, r, false);
    EXPECT_EQ(r.left, 2 + 6) << "the grip takes 6 pixels";
    TStandInMenu* menu = Menu();
    TovBarItemLink* entry = menu->Add(Button("Entry", 1));
    menu->Layout();
    TovBarItemLink* onBar = toolbar->Add(Button("Tool", 1));
    toolbar->Layout();
    TovBarPainter base;
    int height = 20, width = 30;
    painter->AdjustMenuItemHeight(height);
    painter->AdjustMenuItemWidth(width);
    struct TCase {
        const char* Name;
        int Value, Expected;
    };
    const TCase cases[] = {
        {"BarGripOffset", painter->BarGripOffset(), 1},
        {"BarFingerWidth", painter->BarFingerWidth(), 3},
        {"BarGripAreaSize", painter->BarGripAreaSize(toolbar), 6},
        {"BarNoGripIndent", painter->BarNoGripIndent(), 0},
        {"GetFloatingFrameWidth", painter->GetFloatingFrameWidth(), GetSystemMetrics(SM_CXFRAME)},
        {"GetFloatingFrameHeight", painter->GetFloatingFrameHeight(), GetSystemMetrics(SM_CYFRAME)},
        {"BarFloatingSideIndent", painter->BarFloatingSideIndent(), 0},
        {"BarFloatingTopIndent", painter->BarFloatingTopIndent(), 0},
        {"BarFloatingBottomIndent", painter->BarFloatingBottomIndent(), 0},
        {"BarSeparatorSize", painter->BarSeparatorSize(), 5},
        {"BarSeparatorOffset", painter->BarSeparatorOffset(), 2},
        {"BarMarkSize", painter->BarMarkSize(), 11},
        {"BarGetExtraIndent", painter->BarGetExtraIndent(), 1},
        {"GetLoweredBorderWidth", painter->GetLoweredBorderWidth(nullptr), 1},
        {"GetPressedGlyphOffset", painter->GetPressedGlyphOffset(nullptr), 0},
        {"GetDownGlyphOffset", painter->GetDownGlyphOffset(nullptr, true), 0},
        {"GetComboBoxArrowWidth(7)", painter->GetComboBoxArrowWidth(nullptr, 7), 13},
        {"GetMenuCaptionOffset in a menu", painter->GetMenuCaptionOffset(entry->Control()->DrawParams()),
         menu->GetTextSize() + 3},
        {"GetMenuCaptionOffset on a toolbar", painter->GetMenuCaptionOffset(onBar->Control()->DrawParams()),
         0},
        {"SubMenuSeparatorIndent", painter->SubMenuSeparatorIndent(), 8},
        {"SubMenuControlSeparatorHeight", painter->SubMenuControlSeparatorHeight(), 5},
        {"SubMenuControlItemIndent", painter->SubMenuControlItemIndent(), 1},
        {"SubMenuControlBorderIndent", painter->SubMenuControlBorderIndent(), 1},
        {"SubMenuControlItemCaptionIndent", painter->SubMenuControlItemCaptionIndent(menu),
         menu->GetGlyphAreaWidth() + 9},
        {"SubMenuControlDetachCaptionHeight(9)", painter->SubMenuControlDetachCaptionHeight(9), 10},
        {"AdjustMenuItemHeight(20)", height, 22},
        {"AdjustMenuItemWidth(30)", width, 39},
        {"GetBaseTextSize", painter->GetBaseTextSize(), 20},
        {"SubMenuControlGetMarkSize(20)", painter->SubMenuControlGetMarkSize(20), 8},
        {"SubMenuControlGetMarkSize(18): odd from 5 on is made even", painter->SubMenuControlGetMarkSize(18),
         6},
        {"SubMenuControlGetMarkSize(10): 3 stays", painter->SubMenuControlGetMarkSize(10), 3},
        {"ContainerGetIndent", painter->ContainerGetIndent(), 9},
        {"PopupWindowFrameWidth", painter->PopupWindowFrameWidth(), 2},
        {"ExtraPaneGetPinButtonWidth", painter->ExtraPaneGetPinButtonWidth(), 30},
        {"ExtraPaneGetSeparatorSize", painter->ExtraPaneGetSeparatorSize(), 2},
        {"EditGetCaptionOffset", painter->EditGetCaptionOffset(), 6},
        {"EditGetCaptionRightOffset", painter->EditGetCaptionRightOffset(), 5},
        {"GetButtonArrowWidth", painter->GetButtonArrowWidth(manager), base.GetButtonArrowWidth(manager) - 1},
        {"GetLargeButtonArrowWidth", painter->GetLargeButtonArrowWidth(manager),
         base.GetLargeButtonArrowWidth(manager) - 1},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    for (bool flag :
         {painter->IsFlatStyle(), painter->IsGlyphBackgroundTransparent(), painter->UseGlyphShadow(),
          painter->BarControlIsFlat(toolbar), painter->QuickCustUseFlatLook(), painter->DateNavigatorIsFlat(),
          painter->ProgressRedrawOnChangeOnly()})
        EXPECT_TRUE(flag);
    EXPECT_FALSE(painter->IsFadingAvailable());
    EXPECT_EQ(painter->PopupPanelBorderColor(), clBtnShadow);
}

TEST_F(FlatPainterTest, TheFlatStyleMakesTheFlatPainterAndBorrowsTheUltraFlatLook) {
    manager->SetStyle(bmsFlat);
    EXPECT_EQ(manager->GetPainterClass(), &ovBarFlatPainterClass);
    EXPECT_NE(dynamic_cast<TovBarFlatPainter*>(manager->DefaultPainter()), nullptr);
    manager->SetStyle(bmsUseLookAndFeel);
    manager->LookAndFeel()->SetKind(lfUltraFlat);
    EXPECT_NE(dynamic_cast<TovBarFlatPainter*>(manager->DefaultPainter()), nullptr);
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(painter->GetLookAndFeelPainter(),
              dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsUltraFlat)));
    EXPECT_NE(painter->GetLookAndFeelPainter(), TovBarPainter().GetLookAndFeelPainter());
    EXPECT_EQ(BarFlatPainter(), BarFlatPainter()) << "one shared instance";
}

TEST_F(FlatPainterTest, BrushesAreTheManagersFlatBrushes) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    EXPECT_EQ(toolbar->GetBackgroundBrush(), manager->FlatFaceBrush());
    EXPECT_EQ(toolbar->GetSelBrush(), manager->FlatHotBrush());
    EXPECT_EQ(toolbar->GetDownedBrush(), manager->FlatCheckedBrush());
    EXPECT_EQ(toolbar->GetDownedSelBrush(), manager->FlatCheckedHotBrush());
    EXPECT_EQ(painter->BarToolbarBrushAlt(toolbar), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(Menu()->GetBackgroundBrush(), GetSysColorBrush(COLOR_WINDOW))
        << "menus are on the window colour";
    TStandInToolbar* mainMenu = Toolbar(dsTop);
    mainMenu->Bar()->SetIsMainMenu(true);
    EXPECT_EQ(mainMenu->GetBackgroundBrush(), GetSysColorBrush(COLOR_BTNFACE));
    TStandInToolbar* status = Toolbar(dsBottom);
    status->Bar()->SetBorderStyle(bbsNone);
    status->Bar()->SetWholeRow(true);
    EXPECT_EQ(status->GetBackgroundBrush(), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(painter->BarSelBrush(nullptr), GetSysColorBrush(COLOR_HIGHLIGHT)) << "without a manager";

    // A hot button: a highlight frame round the manager's hot face, under its caption too.
    TovBarItemLink* link = toolbar->Add(Button("Save", 2, psCaptionGlyph));
    toolbar->Layout();
    link->Control()->SetSelectedByMouse(true);
    toolbar->SetSelectedControl(link->Control());
    link->Control()->SetHotPartIndex(0);
    const TRect bounds = link->Control()->GetBoundsRect();
    TPicture picture =
        Picture(uiWidthOfRect(toolbar->GetClientRect()), uiHeightOfRect(toolbar->GetClientRect()));
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(picture.At(bounds.left, bounds.top + 5), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(picture.At(bounds.right - 1, bounds.top + 5), Sys(COLOR_HIGHLIGHT)) << "round the caption";
    EXPECT_EQ(picture.At(bounds.left + 2, bounds.top + 2), Rgb(manager->FlatToolbarSelColor()));
    EXPECT_EQ(picture.At(bounds.right - 2, bounds.top + 2), Rgb(manager->FlatToolbarSelColor()));
}

TEST_F(FlatPainterTest, TheSelectionFrameTurnsToHighlightTextUnderABlackScheme) {
    const TRect r{2, 2, 12, 12};
    TPicture normal = Picture(14, 14);
    painter->FrameSelRect(normal.DC(), r);
    EXPECT_EQ(normal.At(2, 6), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(normal.At(6, 6), Rgb(clWhite)) << "a frame only";
    olva::win::SetSysColorOverride(COLOR_BTNFACE, RGB(0, 0, 0));
    olva::win::SetSysColorOverride(COLOR_HIGHLIGHTTEXT, RGB(0, 255, 0));
    TPicture black = Picture(14, 14);
    painter->FrameSelRect(black.DC(), r);
    EXPECT_EQ(black.At(2, 6), Rgb(RGB(0, 255, 0)));
    EXPECT_EQ(black.At(11, 11), Rgb(RGB(0, 255, 0)));
    olva::win::SetSysColorOverride(COLOR_BTNTEXT, RGB(255, 255, 0));
    TPicture yellowText = Picture(14, 14);
    painter->FrameSelRect(yellowText.DC(), r);
    EXPECT_EQ(yellowText.At(6, 2), Rgb(RGB(0, 255, 0))) << "a black face with non-white text";
}

// A toolbar whose sub-item has opened its menu, joined below it.
class FlatDropDownTest : public FlatPainterTest {
protected:
    void SetUp() override {
        FlatPainterTest::SetUp();
        auto* effects = new TovBarSubItem(form);
        effects->SetCaption("Effects");
        effects->SetShowCaption(true);
        effects->ItemLinks()->AddItem(Button("Amplify", 3));
        effects->ItemLinks()->AddItem(Button("Normalize", 4));
        toolbar = Toolbar(dsTop);
        toolbar->Add(Button("File", -1, psCaption));
        control = dynamic_cast<TovBarSubItemControl*>(toolbar->Add(effects)->Control());
        toolbar->Layout();
        toolbar->SetMouseDownState(true);
        control->ControlMouseDown(true);
        menu = dynamic_cast<TStandInMenu*>(control->GetSubMenuControl());
        menu->Layout();
        JoinMenuBelow(toolbar, control, menu);
    }
    TStandInToolbar* toolbar = nullptr;
    TovBarSubItemControl* control = nullptr;
    TStandInMenu* menu = nullptr;
};

TEST_F(FlatDropDownTest, TheDroppedItemAndItsMenuShareAnOpenEdge) {
    ASSERT_TRUE(control->IsDroppedDown());
    ASSERT_NE(menu, nullptr);
    const TRect item = control->GetBoundsRect();
    const TRect client = toolbar->GetClientRect();
    TPicture bar = Picture(client.right, client.bottom);
    toolbar->PaintTo(bar.Canvas.get());
    EXPECT_EQ(bar.At(item.left + 3, item.top), FrameColour()) << "framed above";
    EXPECT_EQ(bar.At(item.left, item.bottom - 1), FrameColour()) << "the corners stay";
    EXPECT_EQ(bar.At(item.right - 1, item.bottom - 1), FrameColour());
    for (int x = item.left + 1; x < item.right - 1; ++x)
        ASSERT_EQ(bar.At(x, item.bottom - 1), Rgb(ColorOfBrush(toolbar->GetOwnerBrush()))) << "open at " << x;

    const TRect window = menu->GetWindowRectLocal();
    TPicture opened = Picture(window.right, window.bottom);
    menu->PaintTo(opened.Canvas.get());
    const int width = uiWidthOfRect(item);
    EXPECT_EQ(opened.At(0, 0), FrameColour());
    for (int x = 1; x < width - 1; ++x)
        ASSERT_EQ(opened.At(x, 0), Rgb(ColorOfBrush(menu->GetOwnerBrush()))) << "the menu opens at " << x;
    EXPECT_EQ(opened.At(width + 2, 0), FrameColour()) << "and is framed beyond the item";

    // A hidden menu leaves the item's frame closed.
    menu->SetVisible(false);
    TPicture closed = Picture(client.right, client.bottom);
    toolbar->PaintTo(closed.Canvas.get());
    EXPECT_EQ(closed.At(item.left + width / 2, item.bottom - 1), FrameColour());
}

TEST_F(FlatPainterTest, ThePressedMarkIsJoinedToItsPopup) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("Play", 2));
    toolbar->SetTruncated(true);
    toolbar->Layout(80);
    TStandInMenu* popup = Menu();
    popup->Add(Button("Add or Remove Buttons", -1, psCaption));
    popup->Layout(100);
    JoinMenuBelow(toolbar, nullptr, popup);
    const TRect mark = toolbar->MarkRect;
    const TRect client = toolbar->GetClientRect();
    auto paint = [&](int AState) {
        toolbar->SetMarkState(AState);
        TPicture picture = Picture(client.right, client.bottom, clRed);
        painter->BarDrawMark(toolbar, picture.DC(), toolbar->GetBackgroundBrush(), mark);
        return picture;
    };
    TPicture pressed = paint(2);
    EXPECT_EQ(pressed.At(mark.left + 4, mark.top), FrameColour());
    EXPECT_EQ(pressed.At(mark.left, mark.bottom - 1), FrameColour());
    EXPECT_EQ(pressed.At(mark.left + 4, mark.bottom - 1), Face()) << "open towards the popup";
    EXPECT_EQ(pressed.At(mark.left + 1, mark.top + 1), Face()) << "inside, the owner brush";
    TPicture hot = paint(1);
    EXPECT_EQ(hot.At(mark.left, mark.top + 4), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(hot.At(mark.left + 1, mark.top + 1), Rgb(manager->FlatToolbarSelColor()));
    TPicture normal = paint(0);
    EXPECT_EQ(normal.At(mark.left, mark.top + 4), Face()) << "framed with the bar's brush";
    EXPECT_EQ(normal.At(mark.left + 4, mark.bottom - 1), Face());
}

TEST_F(FlatPainterTest, AFloatingBarsPressedMarkOpensTowardsItsPopupInTheCaption) {
    TStandInToolbar* floating = Toolbar(dsNone);
    floating->Add(Button("Play", 2));
    floating->Layout(120);
    const TPoint at{100, 50};
    const TPoint client = floating->ClientOffset();
    const TRect clientRect = floating->GetClientRect();
    TRect borders{};
    painter->BarBorderSizes(floating->Bar(), dsNone, borders, false);
    floating->SetWindowRect(TRect{0, 0, clientRect.right + borders.left + borders.right,
                                  clientRect.bottom + borders.top + borders.bottom});
    floating->SetScreenOrigin(TPoint{at.x + client.x, at.y + client.y});
    // The popup opens below the mark in the caption, outside the bar's client area.
    const TRect mark = floating->GetMarkRectInWindow();
    TStandInMenu* popup = Menu();
    popup->Add(Button("Add or Remove Buttons", -1, psCaption));
    popup->Layout(100);
    const TPoint window{at.x + mark.left, at.y + mark.bottom};
    const TPoint popupClient{window.x + popup->GetClientOffset().x, window.y + popup->GetClientOffset().y};
    popup->MoveTo(window);
    popup->SetScreenOrigin(popupClient);
    popup->SetOwnerBar(floating);
    popup->SetOwnerEdgeRect(
        uiShiftRect(TRect{mark.left + 1, mark.bottom - 1, mark.right - 1, mark.bottom + 1},
                    at.x - popupClient.x, at.y - popupClient.y));
    floating->SetChildBar(popup);
    floating->SetMarkState(2);
    const TRect frame = floating->GetWindowRect();
    TPicture picture = Picture(frame.right, frame.bottom, clRed);
    painter->BarDrawCaptionMark(floating, picture.DC(), mark);
    EXPECT_EQ(picture.At(mark.left + 3, mark.top), FrameColour());
    EXPECT_EQ(picture.At(mark.left, mark.bottom - 1), FrameColour());
    EXPECT_EQ(picture.At(mark.left + 3, mark.bottom - 1), Face()) << "open in window coordinates";
    EXPECT_EQ(picture.At(mark.right, mark.top + 2), Sys(COLOR_INACTIVECAPTION))
        << "the column after the mark";
}

TEST_F(FlatPainterTest, TheGripIsStripedAcrossTheBar) {
    for (TovBarDockingStyle style : {dsTop, dsLeft}) {
        TStandInToolbar* toolbar = Toolbar(style);
        toolbar->Add(Button("Play", 2));
        toolbar->Add(Button("Stop", 1));
        toolbar->Layout();
        const TSize size = toolbar->DockedWindowSize();
        TPicture picture = Picture(size.cx, size.cy, clRed);
        toolbar->PaintDockedTo(picture.Canvas.get());
        const bool horizontal = style == dsTop;
        auto at = [&](int AAlong, int AAcross) {
            return horizontal ? picture.At(AAlong, AAcross) : picture.At(AAcross, AAlong);
        };
        const int across = horizontal ? size.cy : size.cx;
        // Border ring 0 and the corners of ring 1 are the dock's face; the grip starts one pixel in.
        EXPECT_EQ(at(0, across / 2), Sys(COLOR_BTNFACE)) << style;
        EXPECT_EQ(at(1, 1), Sys(COLOR_BTNFACE)) << style;
        EXPECT_EQ(at(1, across / 2), Face()) << style;
        for (int along = 3; along < 6; ++along)
            for (int stripe = 5; stripe < across - 5; ++stripe)
                ASSERT_EQ(at(along, stripe), (stripe - 5) % 2 == 0 ? Sys(COLOR_BTNSHADOW) : Face())
                    << style << " at " << along << ", " << stripe;
        EXPECT_EQ(at(4, 4), Face()) << "shortened by 3 at both ends";
        EXPECT_EQ(at(6, 5), Face()) << "3 pixels thick";
    }
}

TEST_F(FlatPainterTest, AFivePixelSeparatorShowsItsLineTwoPixelsIn) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TPicture picture = Picture(5, 20, clRed);
    painter->BarDrawSeparator(toolbar, picture.DC(), false, toolbar->GetBackgroundBrush(),
                              TRect{0, 0, 5, 20});
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(picture.At(x, 10), x == 2 ? Sys(COLOR_BTNSHADOW) : Face()) << x;
    TPicture across = Picture(20, 5, clRed);
    painter->BarDrawSeparator(toolbar, across.DC(), true, toolbar->GetBackgroundBrush(), TRect{0, 0, 20, 5});
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(across.At(10, y), y == 2 ? Sys(COLOR_BTNSHADOW) : Face()) << y;
}

TEST_F(FlatPainterTest, TheCloseCrossIsASquareOfTwoPixelDiagonals) {
    TStandInToolbar* floating = Toolbar(dsNone);
    const TRect r{0, 0, 15, 16};
    for (int state : {0, 1}) {
        floating->SetCloseButtonState(state);
        TPicture picture = Picture(15, 16, clRed);
        painter->BarDrawCloseButton(floating, picture.DC(), r);
        const TColor cross = Sys(state == 0 ? COLOR_CAPTIONTEXT : COLOR_BTNTEXT);
        // R less 3 across and 4 down is (3, 4)-(12, 12); its odd width made even and its height the same:
        // (3, 4)-(11, 12).
        for (const TPoint& p : {TPoint{3, 4}, TPoint{4, 4}, TPoint{3, 11}, TPoint{4, 11}})
            EXPECT_EQ(picture.At(p.x, p.y), cross) << state << " at " << p.x << ", " << p.y;
        EXPECT_NE(picture.At(7, 4), cross) << "a cross, not a box";
        int outside = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 15; ++x)
                if (picture.At(x, y) == cross && (x < 3 || x >= 11 || y < 4 || y >= 12)) ++outside;
        EXPECT_EQ(outside, 0) << state;
    }
}

TEST_F(FlatPainterTest, MDIButtonsAreDrawnThroughThePainterInEveryState) {
    TStandInToolbar* bar = Toolbar(dsTop);
    const TRect r{0, 0, 16, 14};
    const TColor fills[] = {Face(), Face(), Rgb(manager->FlatToolbarSelColor()),
                            Rgb(manager->FlatToolbarDownedColor()),
                            Rgb(manager->FlatToolbarDownedSelColor())};
    for (int state = 0; state < 5; ++state)
        for (int button = 0; button < 3; ++button) {
            TPicture picture = Picture(16, 14, clRed);
            painter->BarPaintMDIButton(bar, picture.DC(), r, button, state);
            EXPECT_EQ(picture.At(0, 5), state >= 2 ? Sys(COLOR_HIGHLIGHT) : Face()) << state << "/" << button;
            // The system button's own edge falls outside: its row and column inside are the fill.
            EXPECT_EQ(picture.At(1, 1), fills[state]) << state << "/" << button;
            EXPECT_EQ(picture.At(14, 12), fills[state]) << state << "/" << button;
            const int glyph = picture.Count(clBlack);
            if (state == 1)
                EXPECT_EQ(glyph, 0) << "an inactive glyph is greyed";
            else
                EXPECT_GT(glyph, 3) << state << "/" << button;
        }
}

TEST_F(FlatPainterTest, AFloatingCaptionKeepsTheInactiveColourWhileTheApplicationIsActive) {
    TStandInToolbar* floating = Toolbar(dsNone);
    floating->Bar()->SetCaption("Transport");
    floating->Layout(150);
    floating->SetWindowRect(TRect{0, 0, 170, 60});
    ASSERT_TRUE(floating->IsCaptionActive());
    EXPECT_EQ(Rgb(floating->GetCaptionColor()), Sys(COLOR_INACTIVECAPTION));
    EXPECT_EQ(Rgb(painter->BarCaptionColor(floating, true)), Sys(COLOR_INACTIVECAPTION));
    TRect caption{};
    painter->GetBarCaptionRect(floating->Bar(), floating->GetWindowRect(), caption);
    TPicture picture = Picture(170, 60, clRed);
    painter->BarDrawFloatingBarCaption(floating, picture.DC(), floating->GetBackgroundBrush(),
                                       floating->GetWindowRect(), caption);
    EXPECT_EQ(picture.At(caption.left + 1, caption.top + 1), Sys(COLOR_INACTIVECAPTION));
    ASSERT_NE(Sys(COLOR_ACTIVECAPTION), Sys(COLOR_INACTIVECAPTION)) << "the scheme tells them apart";
}

} // namespace
