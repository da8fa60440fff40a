// The themed look, driven by the recording test theme (visual styles are off on our platform): the painter
// table's choice, the theme metrics in their order and the classic values when a query fails, the
// button faces' states, the main-menu highlight, glyph offsets, dock row lines and the cached dock and
// status backgrounds, the gripper, MDI buttons, edits, combos, spin buttons, progress bars, the popup
// panel's height, and the gallery drawn with the theme.
#include "BarPaintingTestSupport.h"
#include "XPTestTheme.h"
#include "gallery/BarGallery.h"
#include "gallery/GalleryControls.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarXPPainter.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>
#include <functional>

using namespace bars_test;
using bar_gallery::TGalleryEditControl;
using bar_gallery::TGalleryEditItem;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;
using painters_test::RecordingTheme;
using painters_test::TThemeCall;

namespace {

struct TPartState {
    int Part, State;
    bool operator==(const TPartState&) const = default;
};

std::ostream& operator<<(std::ostream& AOut, const TPartState& A) {
    return AOut << "part " << A.Part << " state " << A.State;
}

// A dock whose rows are given as the painter reads them, without toolbar windows in it.
class TRowsDock : public TovDockControl {
public:
    using TovDockControl::TovDockControl;
    std::vector<TovDockRowInfo> RowInfos() const override { return Infos; }
    std::vector<TovDockRowInfo> Infos;
};

class XPPainterTest : public BarPaintingTest {
protected:
    void SetUp() override {
        XPTestTheme::Bind();
        BarPaintingTest::SetUp();
        painter = std::make_unique<TovBarXPPainter>();
        paintingFactory.Painter = painter.get();
        RecordingTheme::Calls.clear();
    }
    void TearDown() override {
        olva::win::ResetSystemOverrides();
        ovGetOSVersionFlags();
        BarPaintingTest::TearDown();
        XPTestTheme::Unbind();
    }
    // The colour a brush paints.
    TColor BrushColour(HBRUSH ABrush) {
        TPicture picture = Picture(2, 2);
        const TRect r{0, 0, 2, 2};
        FillRect(picture.DC(), &r, ABrush);
        return picture.At(0, 0);
    }
    TovBarXPPainter* XP() { return static_cast<TovBarXPPainter*>(painter.get()); }
    TColor Sys(int AIndex) const { return static_cast<TColor>(GetSysColor(AIndex) & 0xFFFFFF); }
    // The parts and states of the class drawn by ADraw.
    std::vector<TPartState> DrawnBy(const std::u16string& AClass, const std::function<void()>& ADraw) {
        RecordingTheme::Calls.clear();
        ADraw();
        std::vector<TPartState> result;
        for (const TThemeCall& call : XPTestTheme::Backgrounds(AClass))
            result.push_back(TPartState{call.Part, call.State});
        return result;
    }
    TGalleryEditControl* Edit(bar_gallery::TGalleryEditKind AKind, TCustomovBarControl** AParent = nullptr,
                              bool AInMenu = false) {
        auto* item = new TGalleryEditItem(form, AKind);
        item->SetCaption("Rate:");
        item->SetText("44100");
        item->SetWidth(120);
        TovBarItemLink* link = nullptr;
        if (AInMenu) {
            TStandInMenu* menu = Menu();
            link = menu->Add(item);
            menu->Layout();
            if (AParent != nullptr) *AParent = menu;
        } else {
            TStandInToolbar* toolbar = Toolbar(dsTop);
            link = toolbar->Add(item);
            toolbar->Layout();
            if (AParent != nullptr) *AParent = toolbar;
        }
        return dynamic_cast<TGalleryEditControl*>(link->Control());
    }
};

// ---- The painter table and flags

TEST_F(XPPainterTest, WithVisualStylesTheXPStyleAndTheNativeLookChooseTheThemedPainter) {
    ASSERT_TRUE(AreVisualStylesAvailable({totToolBar}));
    manager->SetStyle(bmsXP);
    EXPECT_EQ(manager->GetPainterClass(), &ovBarXPPainterClass);
    EXPECT_NE(dynamic_cast<TovBarXPPainter*>(manager->DefaultPainter()), nullptr);
    manager->SetStyle(bmsUseLookAndFeel);
    manager->LookAndFeel()->SetKind(lfStandard);
    manager->LookAndFeel()->SetNativeStyle(true);
    EXPECT_EQ(manager->GetPainterClass(), &ovBarXPPainterClass);
    manager->LookAndFeel()->SetNativeStyle(false);
    EXPECT_NE(manager->GetPainterClass(), &ovBarXPPainterClass);

    TuiPaintersRegistry* registry = uiPaintersRegistry();
    ASSERT_NE(registry, nullptr);
    EXPECT_EQ(painter->GetLookAndFeelPainter(),
              dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsNative)));
    EXPECT_TRUE(painter->IsFadingAvailable());
    EXPECT_TRUE(XP()->FadingImagesNeedOpaque());
    for (bool flag : {painter->NeedDoubleBuffer(), painter->GetMakeDisabledImagesFaded(nullptr),
                      painter->IsGlyphBackgroundTransparent(), painter->UsesNativeBackground(),
                      painter->BarIsCaptionBackgroundFilled(), painter->QuickCustUseFlatLook(),
                      painter->IsArrowFlat(), painter->DateNavigatorIsFlat()})
        EXPECT_TRUE(flag);
    EXPECT_FALSE(painter->UseGlyphShadow());
    EXPECT_EQ(painter->BarBorderWidth(), 0);
    EXPECT_EQ(painter->BarGripOffset(), 0);
    EXPECT_EQ(painter->ComboGetButtonIndent(), 0);
    EXPECT_EQ(painter->SubMenuControlItemIndent(), 1);
    EXPECT_EQ(painter->SubMenuControlDetachCaptionHeight(9), 10);
    int height = 20;
    painter->AdjustMenuItemHeight(height);
    EXPECT_EQ(height, 21);
    TovBarPainter base;
    EXPECT_EQ(painter->GetButtonArrowWidth(manager), base.GetButtonArrowWidth(manager) + 3);
    EXPECT_EQ(painter->GetLargeButtonArrowWidth(manager), base.GetLargeButtonArrowWidth(manager) + 3);
    EXPECT_EQ(painter->BarDownedSelBrush(nullptr), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(painter->BarSelBrush(nullptr), GetSysColorBrush(COLOR_HIGHLIGHT));
    EXPECT_EQ(painter->BarDownedBrush(nullptr), base.BarDownedBrush(nullptr)) << "the unit's pattern";
    EXPECT_EQ(painter->SubMenuControlGetFrameBrush(nullptr), GetSysColorBrush(COLOR_MENU));
    TRect r{};
    painter->EditGetMenuGlyphOffsets(r);
    EXPECT_EQ(r, (TRect{5, 0, 0, 0}));
    painter->SpinEditGetButtonsOffsets(r);
    EXPECT_EQ(r, (TRect{0, 0, 0, 0}));
    painter->ColorComboGetButtonOffsets(r);
    EXPECT_EQ(r, (TRect{1, 1, 1, 1}));
    EXPECT_EQ(painter->ColorComboGetDotOffset(3), 6);
}

TEST_F(XPPainterTest, TheToolbarFaceTakesTheThemesFillColour) {
    RecordingTheme::Colours[{u"ToolBar", 0, 3802}] = RGB(10, 20, 30);
    TovBarXPPainter themed;
    TPicture picture = Picture(4, 4);
    const TRect r{0, 0, 4, 4};
    FillRect(picture.DC(), &r, themed.BarToolbarBrush(nullptr));
    EXPECT_EQ(picture.At(1, 1), Rgb(RGB(10, 20, 30)));
    EXPECT_EQ(themed.BarToolbarBrushEx(nullptr), themed.BarToolbarBrush(nullptr));
}

// ---- Metrics

TEST_F(XPPainterTest, TheMetricsAreReadInTheirOrderFromTheTheme) {
    RecordingTheme::PartSizes[{u"ToolBar", 5}] = SIZE{7, 22};
    RecordingTheme::PartSizes[{u"Window", 19}] = SIZE{14, 15};
    RecordingTheme::PartSizes[{u"Rebar", 1}] = SIZE{4, 20};
    RecordingTheme::PartSizes[{u"Progress", 3}] = SIZE{8, 11};
    RecordingTheme::PartSizes[{u"ToolBar", 6}] = SIZE{20, 5};
    RecordingTheme::PartSizes[{u"Status", 3}] = SIZE{15, 16};
    RecordingTheme::PartSizes[{u"ComboBox", 1}] = SIZE{19, 21};
    XPTestTheme::ContentMargins[{u"ToolBar", 3}] = RECT{1, 4, 1, 5};
    XPTestTheme::ContentMargins[{u"Edit", 1}] = RECT{1, 2, 3, 4};
    XPTestTheme::ContentMargins[{u"Progress", 1}] = RECT{2, 1, 3, 1};
    for (bool win7 : {true, false}) {
        TovOSVersionFlags flags = ovOSVersion();
        flags.IsWin7OrLater = win7;
        ovSetOSVersionFlags(flags);
        RecordingTheme::Calls.clear();
        TovBarXPPainter themed;
        struct TQuery {
            std::string Function;
            std::u16string Class;
            int Part, State, Kind;
        };
        std::vector<TQuery> expected = {
            {"GetThemePartSize", u"ToolBar", 5, 1, 0},
            {"GetThemePartSize", u"Window", 19, 1, 1},
            {"GetThemeBackgroundContentRect", u"ToolBar", 3, 1, 0},
            {"GetThemeBackgroundContentRect", u"Edit", 1, 1, 0},
            {"GetThemePartSize", u"Rebar", 1, 1, 1},
            {"GetThemePartSize", u"Progress", 3, 0, 1},
            {"GetThemeBackgroundContentRect", u"Progress", 1, 0, 0},
            {"GetThemePartSize", u"ToolBar", 6, 1, 1},
            {"GetThemePartSize", u"Status", 3, 0, 1},
        };
        if (!win7) expected.insert(expected.begin() + 3, TQuery{"GetThemePartSize", u"ComboBox", 1, 1, 1});
        std::vector<TThemeCall> queries;
        for (const TThemeCall& call : RecordingTheme::Calls)
            if (call.Function == "GetThemePartSize" || call.Function == "GetThemeBackgroundContentRect")
                queries.push_back(call);
        ASSERT_EQ(queries.size(), expected.size()) << win7;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(queries[i].Function, expected[i].Function) << i;
            EXPECT_TRUE(queries[i].Class == expected[i].Class) << i;
            EXPECT_EQ(queries[i].Part, expected[i].Part) << i;
            EXPECT_EQ(queries[i].State, expected[i].State) << i;
            if (expected[i].Function == "GetThemePartSize")
                EXPECT_EQ(queries[i].Property, expected[i].Kind) << i;
            else
                EXPECT_EQ(queries[i].Rect, (RECT{0, 0, 100, 100})) << i;
        }
        EXPECT_EQ(themed.BarSeparatorSize(), 7);
        EXPECT_EQ(themed.BarSeparatorOffset(), 3);
        EXPECT_EQ(themed.BarCaptionButtonSize(), (TSize{14, 15}));
        EXPECT_EQ(themed.GetItemHeightIndent(), 9) << "the top and bottom content margins";
        EXPECT_EQ(themed.GetItemWidthIndent(), 9);
        EXPECT_EQ(themed.GetComboBoxArrowWidth(nullptr, 7), win7 ? GetSystemMetrics(SM_CYHSCROLL) : 19);
        TRect offsets{};
        themed.EditGetContentOffsets(iptHorizontal, offsets);
        EXPECT_EQ(offsets, (TRect{1, 2, 3, 4}));
        EXPECT_EQ(themed.BarFingerWidth(), 4);
        EXPECT_EQ(themed.BarGripAreaSize(nullptr), 6);
        EXPECT_EQ(themed.ProgressGetHeight(), 11 + 5) << "the chunk and the bar's left and right margins";
        EXPECT_EQ(themed.SubMenuControlSeparatorHeight(), 5);
        EXPECT_EQ(themed.SeparatorGetLineHeight(), 5);
        TSize grip{};
        TovBarXPPainter::GetThemedSizeGripSize(nullptr, grip);
        EXPECT_EQ(grip, (TSize{15, 16}));
    }
}

TEST_F(XPPainterTest, AFailingQueryLeavesTheValueOfTheClassicLooks) {
    TovBarPainter base;
    const int scroll = GetSystemMetrics(SM_CYHSCROLL);
    TovOSVersionFlags flags = ovOSVersion();
    flags.IsWin7OrLater = false;
    ovSetOSVersionFlags(flags);
    struct TCase {
        std::u16string Closed;
        std::function<void(TovBarXPPainter&)> Check;
    };
    const std::vector<TCase> cases = {
        {u"ToolBar",
         [&](TovBarXPPainter& P) {
             EXPECT_EQ(P.BarSeparatorSize(), base.BarSeparatorSize());
             EXPECT_EQ(P.GetItemHeightIndent(), base.GetItemHeightIndent());
             EXPECT_EQ(P.SubMenuControlSeparatorHeight(), base.SubMenuControlSeparatorHeight());
             EXPECT_EQ(P.SeparatorGetLineHeight(), base.SeparatorGetLineHeight());
         }},
        {u"Window",
         [&](TovBarXPPainter& P) { EXPECT_EQ(P.BarCaptionButtonSize(), base.BarCaptionButtonSize()); }},
        {u"ComboBox", [&](TovBarXPPainter& P) { EXPECT_EQ(P.GetComboBoxArrowWidth(nullptr, 7), 13); }},
        {u"Edit",
         [&](TovBarXPPainter& P) {
             TRect r{}, expected{};
             P.EditGetContentOffsets(iptHorizontal, r);
             base.EditGetContentOffsets(iptHorizontal, expected);
             EXPECT_EQ(r, expected);
         }},
        {u"Rebar", [&](TovBarXPPainter& P) { EXPECT_EQ(P.BarFingerWidth(), base.BarFingerWidth()); }},
        {u"Progress",
         [&](TovBarXPPainter& P) {
             EXPECT_EQ(P.ProgressGetHeight(), base.ProgressGetHeight());
             EXPECT_EQ(P.ProgressGetBarColor(), base.ProgressGetBarColor());
         }},
        {u"Status",
         [&](TovBarXPPainter&) {
             TSize grip{};
             TovBarXPPainter::GetThemedSizeGripSize(nullptr, grip);
             EXPECT_EQ(grip, (TSize{GetSystemMetrics(SM_CXHSCROLL), scroll}));
         }},
    };
    const std::set<std::u16string> all{u"ToolBar",  u"Rebar", u"Window",   u"Status",   u"Edit",
                                       u"ComboBox", u"Spin",  u"Progress", u"ScrollBar"};
    for (const TCase& c : cases) {
        std::set<std::u16string> open = all;
        open.erase(c.Closed);
        XPTestTheme::OpenOnly(open);
        TovBarXPPainter themed;
        SCOPED_TRACE(std::string(c.Closed.begin(), c.Closed.end()));
        c.Check(themed);
        // The classes that open still give their values.
        if (c.Closed != u"Rebar") {
            EXPECT_EQ(themed.BarFingerWidth(), 13);
        }
        if (c.Closed != u"ToolBar") {
            EXPECT_EQ(themed.BarSeparatorSize(), 13);
        }
    }
    // A query that fails with its class open.
    XPTestTheme::OpenOnly(all);
    XPTestTheme::Entries().GetThemePartSize = nullptr;
    XPTestTheme::Entries().GetThemeBackgroundContentRect = nullptr;
    TovBarXPPainter failing;
    EXPECT_EQ(failing.BarSeparatorSize(), base.BarSeparatorSize());
    EXPECT_EQ(failing.BarFingerWidth(), base.BarFingerWidth());
    EXPECT_EQ(failing.GetItemHeightIndent(), base.GetItemHeightIndent());
    EXPECT_EQ(failing.ProgressGetHeight(), base.ProgressGetHeight());
    EXPECT_EQ(failing.GetComboBoxArrowWidth(nullptr, 5), 9);
    // Colours: the progress colour comes from the theme when it has one.
    XPTestTheme::Entries().GetThemePartSize = RecordingTheme::Entries().GetThemePartSize;
    XPTestTheme::Entries().GetThemeBackgroundContentRect = &XPTestTheme::ContentRect;
    RecordingTheme::Colours[{u"Progress", 3, 3802}] = RGB(1, 2, 3);
    EXPECT_EQ(Rgb(XP()->ProgressGetBarColor()), Rgb(RGB(1, 2, 3)));
}

TEST_F(XPPainterTest, ThePopupPanelIsTallEnoughForTheCloseButtonAndTheSizeBox) {
    RecordingTheme::PartSizes[{u"Window", 19}] = SIZE{14, 14};
    RecordingTheme::PartSizes[{u"ScrollBar", 10}] = SIZE{17, 17};
    OpenTheme(totWindow);
    OpenTheme(totScrollBar);
    EXPECT_EQ(painter->GetPopupPanelHeight(), 20) << "Max(14 + 4, 17 + 2 + 1)";
    RecordingTheme::PartSizes[{u"Window", 19}] = SIZE{20, 20};
    EXPECT_EQ(painter->GetPopupPanelHeight(), 24);
}

// ---- Button faces

TEST_F(XPPainterTest, ButtonFacesTakeTheToolbarsStates) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    auto* plainItem = Button("Save", 1);
    auto* splitItem = Button("Record", 2);
    splitItem->SetButtonStyle(bsDropDown);
    TovBarItemLink* plain = toolbar->Add(plainItem);
    TovBarItemLink* split = toolbar->Add(splitItem);
    toolbar->Layout();
    struct TCase {
        const char* Name;
        bool Split, Down, Selected, Pressed, DroppedDown, Disabled;
        TPartState Expected;
    };
    const TCase cases[] = {
        {"normal", false, false, false, false, false, false, {1, 1}},
        {"hot", false, false, true, false, false, false, {1, 2}},
        {"pressed", false, false, true, true, false, false, {1, 3}},
        {"checked", false, true, false, false, false, false, {1, 5}},
        {"checked and hot", false, true, true, false, false, false, {1, 5}},
        {"disabled and down", false, true, true, false, false, true, {1, 4}},
        {"dropped down", false, false, true, false, true, false, {1, 5}},
        {"split, menu open, hot", true, false, true, false, true, false, {3, 2}},
        {"split, menu open", true, false, false, false, true, false, {3, 1}},
        {"split, pressed", true, false, true, true, false, false, {3, 3}},
    };
    for (const TCase& c : cases) {
        TovBarItemLink* link = c.Split ? split : plain;
        link->Item()->SetEnabled(!c.Disabled);
        link->Control()->CalcDrawParams();
        TovItemGlyphArgs args;
        args.Area = link->Control()->GetBoundsRect();
        args.Down = c.Down;
        args.Selected = c.Selected;
        args.Pressed = c.Pressed;
        args.DroppedDown = c.DroppedDown;
        TPicture picture = Picture(120, 30);
        const auto drawn = DrawnBy(
            u"ToolBar", [&] { painter->PaintGlyphFrame(link->Control(), picture.DC(), args.Area, args); });
        ASSERT_EQ(drawn.size(), 1u) << c.Name;
        EXPECT_EQ(drawn[0], c.Expected) << c.Name;
        EXPECT_EQ(picture.At(args.Area.left + 2, args.Area.top + 2),
                  Rgb(RecordingTheme::PartColour(c.Expected.Part, c.Expected.State)))
            << c.Name;
        link->Item()->SetEnabled(true);
    }
    // The split button's drop-down part.
    struct TPart {
        const char* Name;
        bool DroppedDown, IsPressed, Down, Selected, Enabled, DropDownEnabled, InMenu;
        TPartState Expected;
    };
    const TPart parts[] = {
        {"menu open", true, false, false, true, true, true, false, {4, 3}},
        {"pressed", false, true, false, true, true, true, false, {4, 3}},
        {"checked", false, false, true, false, true, true, false, {4, 5}},
        {"hot", false, false, false, true, true, true, false, {4, 2}},
        {"normal", false, false, false, false, true, true, false, {4, 1}},
        {"disabled", true, false, false, true, false, true, false, {4, 4}},
        {"drop-down disabled", false, false, false, true, true, false, false, {4, 4}},
        {"in a menu, pressed and checked", false, true, true, false, true, true, true, {1, 1}},
        {"in a menu, open", true, false, false, false, true, true, true, {1, 3}},
    };
    for (const TPart& p : parts) {
        TovBarButtonLikeControlDrawParams params(split->Control());
        TPicture picture = Picture(120, 30);
        params.Canvas = picture.Canvas.get();
        params.DroppedDown = p.DroppedDown;
        params.IsPressed = p.IsPressed;
        params.Down = p.Down;
        params.DrawSelected = p.Selected;
        params.Enabled = p.Enabled;
        params.DropDownEnabled = p.DropDownEnabled;
        params.PaintType = p.InMenu ? iptMenu : iptHorizontal;
        const auto drawn = DrawnBy(u"ToolBar", [&] {
            painter->DrawDropDownButtonBackground(&params, TRect{100, 0, 112, 22},
                                                  toolbar->GetBackgroundBrush());
        });
        ASSERT_EQ(drawn.size(), 1u) << p.Name;
        EXPECT_EQ(drawn[0], p.Expected) << p.Name;
    }
}

TEST_F(XPPainterTest, AHotOrDroppedMainMenuItemIsFilledWithTheHighlight) {
    TStandInToolbar* menuBar = Toolbar(dsTop);
    menuBar->Bar()->SetIsMainMenu(true);
    auto* file = new TovBarSubItem(form);
    file->SetCaption("File");
    TovBarItemLink* link = menuBar->Add(file);
    menuBar->Layout();
    TovBarItemControl* control = link->Control();
    ASSERT_TRUE(control->IsMainMenuItem());
    EXPECT_TRUE(painter->IsSelectedWithoutPressShift(control));
    const TRect r = control->GetBoundsRect();
    for (int state = 0; state < 3; ++state) {
        TovItemGlyphArgs args;
        args.Selected = state == 1;
        args.DroppedDown = state == 2;
        TPicture picture = Picture(r.right + 2, r.bottom + 2);
        const auto drawn =
            DrawnBy(u"ToolBar", [&] { painter->PaintGlyphFrame(control, picture.DC(), r, args); });
        if (state == 0) {
            EXPECT_EQ(drawn, (std::vector<TPartState>{{1, 1}})) << "idle: the normal button";
        } else {
            EXPECT_TRUE(drawn.empty()) << state;
            EXPECT_EQ(picture.At(r.left + 1, r.top + 1), Sys(COLOR_HIGHLIGHT)) << state;
        }
    }
}

TEST_F(XPPainterTest, ADownGlyphMovesOnePixelAndNoFurtherWhenPressed) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    auto* item = Button("Loop", 1);
    item->SetButtonStyle(bsChecked);
    TovBarItemLink* link = toolbar->Add(item);
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    control->CalcDrawParams();
    TPicture picture = Picture(60, 30);
    auto glyphAt = [&](bool ADown, bool APressed) {
        TovItemGlyphArgs args;
        args.Area = control->GetBoundsRect();
        args.Down = ADown;
        args.Pressed = APressed;
        control->DrawParams()->IsPressed = APressed;
        painter->DrawItemGlyph(control, picture.DC(), args);
        return control->ViewInfo()->ImageBounds;
    };
    const TRect idle = glyphAt(false, false);
    EXPECT_EQ(glyphAt(true, false), uiShiftRect(idle, 1, 1)) << "down";
    EXPECT_EQ(glyphAt(false, true), uiShiftRect(idle, 1, 1)) << "pressed";
    EXPECT_EQ(glyphAt(true, true), uiShiftRect(idle, 1, 1)) << "down and pressed: 1 pixel in all";
    EXPECT_EQ(painter->GetPressedGlyphOffset(control), 1);
    control->DrawParams()->IsPressed = true;
    EXPECT_EQ(painter->GetDownGlyphOffset(control, false), 0) << "while pressed";
    control->DrawParams()->IsPressed = false;
    EXPECT_EQ(painter->GetDownGlyphOffset(control, false), 1);
}

// ---- Docks, grippers, status bars

TEST_F(XPPainterTest, DockRowsGetLightAndShadowLinesAndTheBackgroundIsDrawnOnce) {
    auto bar = [&](TovBarBorderStyle AStyle) {
        TovBar* result = manager->Bars()->Add();
        result->SetBorderStyle(AStyle);
        return result;
    };
    TovBar* bordered1 = bar(bbsSingle);
    TovBar* bordered2 = bar(bbsSingle);
    TovBar* plain = bar(bbsNone);
    struct TCase {
        TovBarDockingStyle Style;
        std::vector<std::vector<TovBar*>> Rows;
        // Per row: light line, shadow line.
        std::vector<std::pair<bool, bool>> Lines;
    };
    const TCase cases[] = {
        {dsTop, {{bordered1}, {bordered2}}, {{false, true}, {true, false}}},
        {dsTop, {{plain}, {bordered1}, {plain, bordered2}}, {{false, false}, {true, true}, {true, false}}},
        {dsBottom, {{bordered1}, {bordered2}}, {{true, true}, {true, false}}},
        {dsLeft, {{bordered1}, {bordered2}}, {{false, true}, {true, true}}},
        {dsRight, {{bordered1}, {}, {bordered2}}, {{true, true}, {false, false}, {true, false}}},
    };
    for (const TCase& c : cases) {
        const bool across = c.Style == dsTop || c.Style == dsBottom;
        const int rows = static_cast<int>(c.Rows.size());
        const TRect client = across ? TRect{0, 0, 80, 20 * rows} : TRect{0, 0, 20 * rows, 80};
        TRowsDock dock(manager, c.Style);
        dock.SetBounds(client);
        std::vector<TovDockRowInfo> infos;
        for (int i = 0; i < rows; ++i) {
            const TRect bounds =
                across ? TRect{0, 20 * i, 80, 20 * i + 20} : TRect{20 * i, 0, 20 * i + 20, 80};
            infos.push_back(TovDockRowInfo{bounds, c.Rows[i]});
        }
        dock.Infos = infos;
        TPicture picture = Picture(uiWidthOfRect(client), uiHeightOfRect(client), clRed);
        const auto drawn = DrawnBy(u"Rebar", [&] {
            painter->DockControlFillBackground(&dock, picture.DC(), client, client, clBtnFace, nullptr);
        });
        ASSERT_EQ(drawn, (std::vector<TPartState>{{0, 1}})) << c.Style;
        const TColor rebar = Rgb(RecordingTheme::PartColour(0, 1));
        for (int i = 0; i < rows; ++i) {
            const TRect b = infos[i].Bounds;
            const TPoint lightAt = across ? TPoint{40, b.top} : TPoint{b.left, 40};
            const TPoint shadowAt = across ? TPoint{40, b.bottom - 1} : TPoint{b.right - 1, 40};
            EXPECT_EQ(picture.At(lightAt.x, lightAt.y), c.Lines[i].first ? Sys(COLOR_BTNHIGHLIGHT) : rebar)
                << c.Style << " row " << i;
            EXPECT_EQ(picture.At(shadowAt.x, shadowAt.y), c.Lines[i].second ? Sys(COLOR_BTNSHADOW) : rebar)
                << c.Style << " row " << i;
        }
        // Copied from the cache afterwards, also for a part of the dock.
        TPicture part = Picture(30, 10, clRed);
        const auto again = DrawnBy(u"Rebar", [&] {
            painter->DockControlFillBackground(&dock, part.DC(), TRect{0, 0, 30, 10}, TRect{5, 0, 35, 10},
                                               clBtnFace, nullptr);
        });
        EXPECT_TRUE(again.empty()) << c.Style;
        EXPECT_EQ(part.At(10, 5), picture.At(15, 5)) << c.Style;
        // A new size empties the cache: drawn once more.
        dock.SetBounds(across ? TRect{0, 0, 90, 20 * rows} : TRect{0, 0, 20 * rows, 90});
        const auto resized = DrawnBy(u"Rebar", [&] {
            painter->DockControlFillBackground(&dock, picture.DC(), client, client, clBtnFace, nullptr);
        });
        EXPECT_EQ(resized.size(), 1u) << c.Style;
    }
}

TEST_F(XPPainterTest, TheGripperIsTheRebarsAndMovableBarsAloneHaveOne) {
    RecordingTheme::PartSizes[{u"Rebar", 1}] = SIZE{5, 5};
    TovBarXPPainter themed;
    for (TovBarDockingStyle style : {dsTop, dsLeft}) {
        TStandInToolbar* toolbar = Toolbar(style);
        TPicture picture = Picture(60, 60);
        TRect r{0, 0, 60, 30};
        RecordingTheme::Calls.clear();
        themed.BarDrawDockedBarBorder(toolbar, picture.DC(), r);
        EXPECT_EQ(r, (TRect{2, 2, 58, 28}));
        const auto calls = XPTestTheme::Backgrounds();
        ASSERT_EQ(calls.size(), 1u) << style;
        EXPECT_TRUE(calls[0].Class == u"Rebar");
        EXPECT_EQ(calls[0].Part, style == dsTop ? 1 : 2);
        EXPECT_EQ(calls[0].State, 1);
        EXPECT_EQ(calls[0].Rect, style == dsTop ? (RECT{2, 2, 7, 28}) : (RECT{2, 2, 58, 7}));
    }
    TStandInToolbar* status = Toolbar(dsBottom);
    status->Bar()->SetBorderStyle(bbsNone);
    status->Bar()->SetWholeRow(true);
    TPicture picture = Picture(60, 30);
    TRect r{0, 0, 60, 30};
    EXPECT_TRUE(DrawnBy({}, [&] { themed.BarDrawDockedBarBorder(status, picture.DC(), r); }).empty());
    EXPECT_EQ(picture.Count(clWhite), 60 * 30) << "no border either";
}

TEST_F(XPPainterTest, TheStatusBackgroundIsThemedOnceAndTheSizeGripIsTheStatusGripper) {
    TStandInToolbar* status = Toolbar(dsBottom);
    status->Bar()->SetBorderStyle(bbsNone);
    status->Bar()->SetWholeRow(true);
    status->SetClientRect(TRect{0, 0, 100, 22});
    TPicture picture = Picture(100, 22, clRed);
    const auto first = DrawnBy(u"Status", [&] {
        painter->BarDrawStatusBarBackground(status, picture.DC(), nullptr, TRect{0, 0, 100, 22});
    });
    EXPECT_EQ(first, (std::vector<TPartState>{{0, 0}}));
    EXPECT_EQ(picture.At(50, 10), Rgb(RecordingTheme::PartColour(0, 0)));
    TPicture second = Picture(100, 22, clRed);
    EXPECT_TRUE(DrawnBy(u"Status", [&] {
                    painter->BarDrawStatusBarBackground(status, second.DC(), nullptr, TRect{0, 0, 100, 22});
                }).empty());
    EXPECT_EQ(second.At(50, 10), Rgb(RecordingTheme::PartColour(0, 0))) << "copied from the cache";
    status->SetClientRect(TRect{0, 0, 120, 22});
    EXPECT_EQ(
        DrawnBy(u"Status",
                [&] {
                    painter->BarDrawStatusBarBackground(status, second.DC(), nullptr, TRect{0, 0, 120, 22});
                })
            .size(),
        1u)
        << "a new size themes it again";
    EXPECT_EQ(DrawnBy(u"Status",
                      [&] {
                          painter->BarDrawSizeGrip(status, picture.DC(), nullptr, TRect{80, 5, 97, 22});
                      }),
              (std::vector<TPartState>{{3, 0}}));
    RecordingTheme::PartSizes[{u"Status", 3}] = SIZE{15, 16};
    TovBarXPPainter themed;
    EXPECT_EQ(themed.BarSizeGripSize(), (TSize{15, 16}));
    // A look without a native background keeps its own status bar and grip, styles or not.
    TovBarPainter classic;
    TPicture plain = Picture(120, 22, clRed);
    EXPECT_TRUE(DrawnBy({}, [&] {
                    classic.BarDrawStatusBarBackground(status, plain.DC(), GetSysColorBrush(COLOR_BTNFACE),
                                                       TRect{0, 0, 120, 22});
                    classic.BarDrawSizeGrip(status, plain.DC(), nullptr, TRect{100, 5, 117, 22});
                }).empty());
    EXPECT_EQ(plain.At(50, 10), Sys(COLOR_BTNFACE));
    EXPECT_EQ(classic.BarSizeGripSize(),
              (TSize{GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL)}));
}

// ---- Caption, close and MDI buttons, separators, the mark

TEST_F(XPPainterTest, CaptionCloseMDIButtonsSeparatorsAndTheMarkAreThemed) {
    TStandInToolbar* floating = Toolbar(dsNone);
    floating->Bar()->SetCaption("Transport");
    floating->Layout(120);
    const TRect r{0, 0, 16, 14};
    for (int state = 0; state < 3; ++state) {
        floating->SetCloseButtonState(state);
        TPicture picture = Picture(16, 14);
        EXPECT_EQ(DrawnBy(u"Window", [&] { painter->BarDrawCloseButton(floating, picture.DC(), r); }),
                  (std::vector<TPartState>{{19, state + 1}}));
    }
    TStandInToolbar* menuBar = Toolbar(dsTop);
    const int parts[] = {16, 22, 20};
    const int states[] = {1, 4, 2, 1, 3};
    for (int button = 0; button < 3; ++button)
        for (int state = 0; state < 5; ++state) {
            TPicture picture = Picture(16, 14, clRed);
            EXPECT_EQ(DrawnBy(u"Window",
                              [&] { painter->BarPaintMDIButton(menuBar, picture.DC(), r, button, state); }),
                      (std::vector<TPartState>{{parts[button], states[state]}}))
                << button << "/" << state;
        }
    for (bool horizontal : {true, false}) {
        TPicture picture = Picture(20, 20, clRed);
        EXPECT_EQ(DrawnBy(u"ToolBar",
                          [&] {
                              painter->BarDrawSeparator(menuBar, picture.DC(), horizontal,
                                                        menuBar->GetBackgroundBrush(), TRect{0, 0, 20, 6});
                          }),
                  (std::vector<TPartState>{{horizontal ? 6 : 5, 1}}));
    }
    // The mark: a toolbar button in the mark's state, two pixels in across a borderless bar.
    for (int state = 0; state < 3; ++state) {
        menuBar->SetMarkState(state);
        TPicture picture = Picture(11, 22);
        RecordingTheme::Calls.clear();
        painter->BarDrawMarkBackground(menuBar, picture.DC(), nullptr, TRect{0, 0, 11, 22});
        const auto calls = XPTestTheme::Backgrounds(u"ToolBar");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ((TPartState{calls[0].Part, calls[0].State}), (TPartState{1, state + 1}));
        EXPECT_EQ(calls[0].Rect, (RECT{0, 0, 11, 22}));
    }
    menuBar->Bar()->SetBorderStyle(bbsNone);
    RecordingTheme::Calls.clear();
    TPicture borderless = Picture(11, 22);
    painter->BarDrawMarkBackground(menuBar, borderless.DC(), nullptr, TRect{0, 0, 11, 22});
    EXPECT_EQ(XPTestTheme::Backgrounds(u"ToolBar").at(0).Rect, (RECT{0, 2, 11, 20}));
    // The caption's background follows whether the caption is active.
    TPicture caption = Picture(20, 10);
    painter->BarPaintCaptionBackground(floating, caption.DC(), nullptr, TRect{0, 0, 20, 10});
    EXPECT_EQ(caption.At(5, 5), Sys(COLOR_ACTIVECAPTION));
}

// ---- Menus

TEST_F(XPPainterTest, MenuEntriesBordersAndBeginGroupBands) {
    TStandInMenu* menu = Menu();
    auto* check = Button("Loop");
    check->SetButtonStyle(bsChecked);
    TovBarItemLink* glyphless = menu->Add(check);
    TovBarItemLink* withGlyph = menu->Add(Button("Play", 1), true);
    menu->Layout();
    // A hot entry without a glyph: the selection brush over its icon column too.
    TovBarItemControl* control = glyphless->Control();
    control->SetSelectedByMouse(true);
    menu->SetSelectedControl(control);
    control->CalcDrawParams();
    EXPECT_EQ(painter->GetItemBackgroundBrush(control), menu->GetSelBrush());
    const TRect bounds = control->GetBoundsRect();
    TPicture picture = Picture(bounds.right + 4, bounds.bottom + 4, clRed);
    control->DrawParams()->Canvas = picture.Canvas.get();
    painter->DrawButtonInMenuBackground(control->DrawParams(), bounds);
    const TRect icon = painter->SubMenuControlItemGlyphRect(bounds, menu->GetIconAreaSize());
    EXPECT_EQ(picture.At(icon.right, bounds.top + 3), Sys(COLOR_HIGHLIGHT)) << "the column after the icon";
    EXPECT_EQ(picture.At(icon.right + 5, bounds.top + 3), Sys(COLOR_HIGHLIGHT)) << "the text area";
    EXPECT_EQ(picture.At(icon.left + 3, bounds.top + 3), Rgb(clRed)) << "the icon cell is the glyph's";
    // An entry with a glyph keeps the menu's background in the column.
    TovBarItemControl* other = withGlyph->Control();
    other->SetSelectedByMouse(true);
    menu->SetSelectedControl(other);
    other->CalcDrawParams();
    const TRect ob = other->GetBoundsRect();
    TPicture second = Picture(ob.right + 4, ob.bottom + 4, clRed);
    other->DrawParams()->Canvas = second.Canvas.get();
    painter->DrawButtonInMenuBackground(other->DrawParams(), ob);
    const TRect oicon = painter->SubMenuControlItemGlyphRect(ob, menu->GetIconAreaSize());
    EXPECT_EQ(second.At(oicon.right, ob.top + 3), BrushColour(menu->GetBackgroundBrush()));
    EXPECT_NE(second.At(oicon.right, ob.top + 3), Sys(COLOR_HIGHLIGHT));
    EXPECT_EQ(second.At(oicon.right + 5, ob.top + 3), Sys(COLOR_HIGHLIGHT));

    // The begin-group band lies directly above the entry, the separator part across it.
    RecordingTheme::PartSizes[{u"ToolBar", 6}] = SIZE{20, 5};
    TovBarXPPainter themed;
    TRect band{};
    themed.SubMenuControlGetBeginGroupRect(menu, other, band, ob);
    EXPECT_EQ(band, (TRect{ob.left, ob.top - 5, ob.right, ob.top}));
    TPicture group = Picture(ob.right + 4, ob.bottom + 4, clRed);
    EXPECT_EQ(
        DrawnBy(u"ToolBar", [&] { themed.SubMenuControlDrawBeginGroup(menu, other, band, group.DC()); }),
        (std::vector<TPartState>{{6, 1}}));
    // The border: a shadow frame; with a detach caption a ring in the frame brush under it.
    TPicture border = Picture(60, 60, clRed);
    painter->SubMenuControlDrawBorder(menu, border.DC(), TRect{0, 0, 60, 60});
    EXPECT_EQ(border.At(0, 30), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(border.At(1, 30), Rgb(clRed));
    TRect detach{0, 0, 40, 40};
    painter->SubMenuControlAdjustDetachCaptionRect(detach);
    EXPECT_EQ(detach, (TRect{2, 2, 38, 38}));
}

// ---- Edits, combos, spin buttons

TEST_F(XPPainterTest, ToolbarEditsAreThemedOnlyWhileHotOrDisabledAndMenuEditsAlways) {
    struct TCase {
        const char* Name;
        bool InMenu, Selected, Enabled;
        std::vector<TPartState> Expected;
    };
    const TCase cases[] = {
        {"toolbar, idle", false, false, true, {}},
        {"toolbar, hot", false, true, true, {{1, 1}}},
        {"toolbar, disabled", false, false, false, {{1, 4}}},
        {"menu, idle", true, false, true, {{1, 1}}},
        {"menu, hot", true, true, true, {{1, 1}}},
    };
    for (const TCase& c : cases) {
        TCustomovBarControl* parent = nullptr;
        TGalleryEditControl* control = Edit(bar_gallery::gekEdit, &parent, c.InMenu);
        control->Item()->SetEnabled(c.Enabled);
        control->CalcDrawParams();
        TovBarItemControlDrawParams* params = control->DrawParams();
        params->DrawSelected = c.Selected;
        TPicture picture = Picture(200, 40, clRed);
        params->Canvas = picture.Canvas.get();
        TRect r{10, 5, 110, 27};
        const auto drawn = DrawnBy(u"Edit", [&] { painter->EditDrawFrame(params, r); });
        EXPECT_EQ(drawn, c.Expected) << c.Name;
        EXPECT_EQ(r, (TRect{13, 8, 107, 24})) << c.Name << ": the content rectangle";
        EXPECT_EQ(picture.At(50, 15), Rgb(clRed)) << c.Name << ": only the ring is painted";
        EXPECT_NE(picture.At(11, 15), Rgb(clRed)) << c.Name;
        EXPECT_EQ(painter->EditIsFrameSelected(params), c.InMenu && c.Selected) << c.Name;
    }
    // Without theme colours the system's; with them the theme's.
    EXPECT_EQ(Rgb(painter->EditGetDefaultBkColor()), Sys(COLOR_WINDOW));
    EXPECT_EQ(Rgb(painter->EditGetDisabledBkColor(nullptr)), Sys(COLOR_WINDOW));
    EXPECT_EQ(Rgb(painter->EditGetDefaultTextColor()), Sys(COLOR_WINDOWTEXT));
    EXPECT_EQ(Rgb(painter->EditGetDisabledTextColor()), Sys(COLOR_GRAYTEXT));
    RecordingTheme::Colours[{u"Edit", 1, 3803}] = RGB(9, 8, 7);
    RecordingTheme::Colours[{u"Edit", 1, 3802}] = RGB(200, 100, 50);
    EXPECT_EQ(Rgb(painter->EditGetDefaultTextColor()), Rgb(RGB(9, 8, 7)));
    EXPECT_EQ(Rgb(painter->EditGetDisabledBkColor(nullptr)), Rgb(RGB(200, 100, 50)));
    EXPECT_EQ(Rgb(painter->EditGetDefaultBkColor()), Sys(COLOR_WINDOW))
        << "an enabled edit keeps the window colour";
}

TEST_F(XPPainterTest, ComboAndSpinButtonsAreTheirClassesParts) {
    TGalleryEditControl* combo = Edit(bar_gallery::gekCombo);
    combo->CalcDrawParams();
    TovBarItemControlDrawParams* params = combo->DrawParams();
    struct TCase {
        bool Enabled, DroppedDown, Selected;
        int State;
    };
    for (const TCase& c : {TCase{true, false, false, 1}, TCase{true, false, true, 2},
                           TCase{true, true, true, 3}, TCase{false, true, true, 4}}) {
        params->Enabled = c.Enabled;
        params->DroppedDown = c.DroppedDown;
        params->DrawSelected = c.Selected;
        TPicture picture = Picture(40, 30, clRed);
        params->Canvas = picture.Canvas.get();
        EXPECT_EQ(DrawnBy(u"ComboBox",
                          [&] {
                              painter->DrawComboDropDownButton(params, TRect{10, 2, 30, 24});
                          }),
                  (std::vector<TPartState>{{1, c.State}}));
    }
    // A partially transparent button is laid over the field's colour.
    params->Enabled = true;
    params->DroppedDown = false;
    params->DrawSelected = false;
    XPTestTheme::Transparent.insert({u"ComboBox", 1, 1});
    RecordingTheme::Paint = false;
    TPicture transparent = Picture(40, 30, clRed);
    params->Canvas = transparent.Canvas.get();
    painter->DrawComboDropDownButton(params, TRect{10, 2, 30, 24});
    EXPECT_EQ(transparent.At(20, 10), Rgb(painter->EditGetBkColor(combo)));
    EXPECT_EQ(transparent.At(5, 10), Rgb(clRed));
    RecordingTheme::Paint = true;

    TGalleryEditControl* spin = Edit(bar_gallery::gekSpinEdit);
    spin->CalcDrawParams();
    TovBarItemControlDrawParams* sp = spin->DrawParams();
    TPicture picture = Picture(40, 30, clRed);
    sp->Canvas = picture.Canvas.get();
    for (int button : {0, 1}) {
        sp->Enabled = true;
        EXPECT_EQ(DrawnBy(u"Spin",
                          [&] {
                              painter->SpinEditDrawButton(sp, TRect{10, 2, 30, 12}, button);
                          }),
                  (std::vector<TPartState>{{button == 0 ? 1 : 2, 1}}));
        sp->Enabled = false;
        EXPECT_EQ(DrawnBy(u"Spin",
                          [&] {
                              painter->SpinEditDrawButton(sp, TRect{10, 2, 30, 12}, button);
                          }),
                  (std::vector<TPartState>{{button == 0 ? 1 : 2, 4}}));
    }
}

// ---- Progress bars

TEST_F(XPPainterTest, ProgressBarsAreTheBarAndChunkParts) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(Button("Busy", 1));
    toolbar->Layout();
    for (bool vertical : {false, true}) {
        TovBarProgressControlDrawParams params(link->Control());
        TPicture picture = Picture(120, 120, clRed);
        params.Canvas = picture.Canvas.get();
        params.PaintType = vertical ? iptVertical : iptHorizontal;
        params.Position = 50;
        const TRect r = vertical ? TRect{10, 10, 30, 110} : TRect{10, 10, 110, 30};
        RecordingTheme::Calls.clear();
        painter->ProgressDraw(&params, r, clBlue);
        const auto calls = XPTestTheme::Backgrounds(u"Progress");
        ASSERT_EQ(calls.size(), 2u) << vertical;
        EXPECT_EQ((TPartState{calls[0].Part, calls[0].State}), (TPartState{vertical ? 2 : 1, 0}));
        EXPECT_EQ(calls[0].Rect, r);
        EXPECT_EQ((TPartState{calls[1].Part, calls[1].State}), (TPartState{vertical ? 4 : 3, 0}));
        // The blocks go into the bar's content rectangle, half of it.
        const TRect content = uiGrowRect(r, -3, -3);
        const RECT half =
            vertical
                ? RECT{content.left, content.top, content.right, content.top + uiHeightOfRect(content) / 2}
                : RECT{content.left, content.top, content.left + uiWidthOfRect(content) / 2, content.bottom};
        EXPECT_EQ(calls[1].Rect, half) << vertical;
    }
    // A partially transparent bar is laid over the toolbar's background.
    XPTestTheme::Transparent.insert({u"Progress", 1, 0});
    RecordingTheme::Paint = false;
    TovBarProgressControlDrawParams params(link->Control());
    TPicture picture = Picture(120, 40, clRed);
    params.Canvas = picture.Canvas.get();
    painter->ProgressDrawBackground(&params, TRect{10, 10, 110, 30});
    EXPECT_NE(picture.At(50, 20), Rgb(clRed));
    EXPECT_EQ(picture.At(5, 20), Rgb(clRed));
    RecordingTheme::Paint = true;
}

// ---- Fading pictures, ellipsis buttons, the date navigator

TEST_F(XPPainterTest, FadingPicturesAreTheButtonFaceWithItsDropDownPart) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    auto* split = Button("Record", 2);
    split->SetButtonStyle(bsDropDown);
    TovBarItemLink* link = toolbar->Add(split);
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    ASSERT_TRUE(painter->IsFadingAvailable());
    for (bool hot : {false, true}) {
        control->CalcDrawParams();
        control->DrawParams()->DrawSelected = hot;
        const TRect bounds = control->GetBoundsRect();
        TPicture picture = Picture(bounds.right + 2, bounds.bottom + 2);
        const auto drawn = DrawnBy(
            u"ToolBar", [&] { XP()->DrawItemControlFadeImage(control, picture.Canvas.get(), bounds); });
        ASSERT_EQ(drawn.size(), 2u) << hot;
        EXPECT_EQ(drawn[0], (TPartState{3, hot ? 2 : 1})) << "the split button's face";
        EXPECT_EQ(drawn[1], (TPartState{4, hot ? 2 : 1})) << "its drop-down part";
        EXPECT_EQ(RecordingTheme::CallsOf("DrawThemeBackground", u"ToolBar")[0].Rect.right,
                  bounds.right -
                      static_cast<TovBarButtonLikeControlDrawParams*>(control->DrawParams())->ArrowSize.cx);
    }
    // The mark's fading pictures are the mark in its states.
    for (int state = 0; state < 2; ++state) {
        TPicture picture = Picture(11, 22);
        EXPECT_EQ(DrawnBy(u"ToolBar",
                          [&] {
                              XP()->DrawBarMarkFadeImage(toolbar, picture.DC(), TRect{0, 0, 11, 22}, state);
                          }),
                  (std::vector<TPartState>{{1, state + 1}}));
    }
}

TEST_F(XPPainterTest, EllipsisButtonsDotsAndTheDateNavigatorsButtons) {
    TGalleryEditControl* edit = Edit(bar_gallery::gekColorCombo);
    edit->CalcDrawParams();
    TovBarItemControlDrawParams* params = edit->DrawParams();
    struct TCase {
        bool Selected, Pressed;
        int State;
    };
    for (const TCase& c : {TCase{false, false, 1}, TCase{true, false, 2}, TCase{true, true, 3}}) {
        params->DrawSelected = c.Selected;
        params->IsPressed = c.Pressed;
        TPicture picture = Picture(40, 30);
        params->Canvas = picture.Canvas.get();
        EXPECT_EQ(DrawnBy(u"ToolBar",
                          [&] {
                              painter->DrawEllipsisButton(params, TRect{2, 2, 22, 22});
                          }),
                  (std::vector<TPartState>{{1, c.State}}));
    }
    params->IsPressed = false;
    TPicture dots = Picture(10, 10);
    params->Canvas = dots.Canvas.get();
    painter->DrawEllipsisDot(params, TRect{2, 2, 4, 4});
    EXPECT_EQ(dots.At(3, 3), Sys(COLOR_BTNTEXT));
    params->Enabled = false;
    TPicture disabled = Picture(10, 10);
    params->Canvas = disabled.Canvas.get();
    painter->DrawEllipsisDot(params, TRect{2, 2, 4, 4});
    EXPECT_EQ(disabled.At(3, 3), Sys(COLOR_BTNSHADOW)) << "the base's disabled dot";
    for (bool pressed : {false, true}) {
        TPicture picture = Picture(80, 24, clRed);
        RecordingTheme::Paint = false;
        EXPECT_EQ(
            DrawnBy(u"ToolBar",
                    [&] {
                        painter->DateNavigatorDrawButton(picture.DC(), pressed, "Today", TRect{0, 0, 80, 24});
                    }),
            (std::vector<TPartState>{{1, pressed ? 3 : 2}}));
        RecordingTheme::Paint = true;
        EXPECT_EQ(picture.At(1, 1), Sys(COLOR_WINDOW));
        // The caption lies on the themed button: no button-face cell behind its letters.
        TPicture themed = Picture(80, 24, clRed);
        painter->DateNavigatorDrawButton(themed.DC(), pressed, "Today", TRect{0, 0, 80, 24});
        EXPECT_EQ(themed.Count(Sys(COLOR_BTNFACE)), 0) << pressed;
        EXPECT_GT(themed.Count(Sys(COLOR_BTNTEXT)), 10) << pressed;
    }
}

// ---- The gallery with the test theme

TEST_F(XPPainterTest, EverySheetIsDrawnThemedAndWritten) {
    const std::vector<std::string> looks = bar_gallery::GalleryPainterNames();
    ASSERT_NE(std::find(looks.begin(), looks.end(), "XP"), looks.end())
        << "a gallery look while styles are on";
    auto look = bar_gallery::MakeGalleryPainter("XP");
    ASSERT_NE(dynamic_cast<TovBarXPPainter*>(look.get()), nullptr);
    bar_gallery::TBarGallery gallery(manager, look.get());
    for (const std::string& sheet : bar_gallery::TBarGallery::SheetNames()) {
        const TSize size = gallery.SheetSize(sheet);
        TPicture picture = Picture(size.cx, size.cy);
        RecordingTheme::Calls.clear();
        gallery.PaintSheet(sheet, picture.Canvas.get());
        EXPECT_FALSE(XPTestTheme::Backgrounds().empty()) << sheet << ": themed cells";
        const std::string file = OutputPath("gallery-XP-" + sheet + ".png");
        EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), file)) << file;
    }
}

} // namespace
