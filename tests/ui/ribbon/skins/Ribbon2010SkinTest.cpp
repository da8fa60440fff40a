// The 2010 skins on coded sheets: which part each of their own operations draws, the tinted context
// layers, their identity and metrics, and how the skins manager finds them.
#include "RibbonSkinTestSupport.h"

#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/ribbon/skins/Ribbon2010Skins.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"

#include <functional>

using namespace ribbon_skin_test;
using namespace ribbon_sheets;

namespace ribbon_2010_skin_test {

class Ribbon2010SkinTest : public RibbonSkinTest {
protected:
    void SetUp() override {
        RibbonSkinTest::SetUp();
        sheets = std::make_unique<TCodedSheets>();
        skin.AddRef();
    }
    void TearDown() override {
        skin.Release();
        sheets.reset();
        RibbonSkinTest::TearDown();
    }
    std::optional<TCellName> Drawn(const std::function<void(HDC, const TRect&)>& ADraw,
                                   TRect R = {0, 0, 40, 40}, TPoint AAt = {-1, -1}) {
        auto canvas = MakeCanvas(140, 90, kBackground);
        ADraw(DCOf(*canvas), R);
        if (AAt.x < 0) AAt = TPoint{(R.left + R.right) / 2, (R.top + R.bottom) / 2};
        return CellAt(*canvas, AAt.x, AAt.y);
    }

    std::unique_ptr<TCodedSheets> sheets;
    TovSilverRibbon2010Skin skin;
};

std::optional<TCellName> Cell(int AFirstID, int ACell) {
    return TCellName{AFirstID, ACell};
}
constexpr std::nullopt_t None = std::nullopt;

TEST_F(Ribbon2010SkinTest, EachSchemeCutsExactlyTheCellsOfItsFamily) {
    TovBlueRibbon2010Skin blue;
    TovBlackRibbon2010Skin black;
    blue.AddRef();
    black.AddRef();
    for (TovCustomRibbonSkin* s :
         {static_cast<TovCustomRibbonSkin*>(&skin), static_cast<TovCustomRibbonSkin*>(&blue),
          static_cast<TovCustomRibbonSkin*>(&black)})
        for (const TovRibbonCutInfo& cut : kRibbonCuts)
            EXPECT_EQ((cut.Families & rf2010) != 0, s->WasCut(cut.Cut)) << s->GetName() << " " << cut.Name;
    blue.Release();
    black.Release();
}

TEST_F(Ribbon2010SkinTest, ApplicationButtonByAccentAndState) {
    for (int accent = 0; accent < 5; ++accent)
        for (int state = 0; state < 3; ++state)
            EXPECT_EQ(Cell(10581, 3 * accent + state), Drawn([&](HDC D, const TRect& R) {
                          skin.DrawApplicationButton(D, R, state, TovRibbonColorSchemeAccent(accent));
                      }))
                << accent << "/" << state;
    EXPECT_EQ(10595, skin.PartOf(TovRibbonCut::ApplicationButton, 14)->ID()) << "purple, pressed";
}

TEST_F(Ribbon2010SkinTest, MenuViewTabsAndItems) {
    // Tabs: rows 0 hot and highlighted, 1 pressed and checked, 2 checked hot, 3 disabled selected.
    const std::optional<TCellName> tabs[9] = {None,           None, Cell(10557, 8), Cell(10557, 8),
                                              Cell(10557, 9), None, Cell(10557, 9), Cell(10557, 10),
                                              Cell(10557, 11)};
    const std::optional<TCellName> items[9] = {None, None, Cell(10547, 4), Cell(10547, 4), Cell(10547, 4),
                                               None, None, None,           Cell(10547, 5)};
    for (int state = 0; state < 9; ++state) {
        EXPECT_EQ(tabs[state],
                  Drawn([&](HDC D, const TRect& R) { skin.DrawMenuViewTab(D, R, state, rcsaGreen); },
                        TRect{0, 0, 120, 40}, TPoint{20, 20}))
            << "tab " << state;
        EXPECT_EQ(items[state],
                  Drawn([&](HDC D, const TRect& R) { skin.DrawMenuViewItem(D, R, state, rcsaGreen); }))
            << "item " << state;
    }
    // The selected tab's glyph sits at its own size against the right edge, centred vertically.
    for (int state : {4, 6, 7, 2}) {
        auto canvas = MakeCanvas(120, 40, kBackground);
        skin.DrawMenuViewTab(DCOf(*canvas), TRect{0, 0, 120, 40}, state, rcsaYellow);
        const bool glyph = state != 2;
        EXPECT_EQ(glyph ? Cell(10577, 0) : Cell(10557, 0), CellAt(*canvas, 105, 5)) << state;
        EXPECT_EQ(glyph ? Cell(10577, 0) : Cell(10557, 0), CellAt(*canvas, 119, 34)) << state;
        EXPECT_NE(Cell(10577, 0), CellAt(*canvas, 104, 20)) << state;
    }
}

TEST_F(Ribbon2010SkinTest, CaptionButtonsTakeTheCloseButtonsOwnBackground) {
    struct TCase {
        int Icon, State;
        std::optional<TCellName> Background;
    };
    const TCase cases[] = {{3, 1, Cell(10507, 0)}, {3, 2, Cell(10507, 1)}, {3, 4, Cell(10507, 2)},
                           {3, 0, None},           {3, 3, None},           {0, 1, Cell(10160, 0)},
                           {1, 2, Cell(10160, 1)}, {2, 4, Cell(10160, 2)}};
    for (const TCase& c : cases) {
        auto canvas = MakeCanvas(27, 21, kBackground);
        skin.DrawFormBorderIcon(DCOf(*canvas), TRect{0, 0, 27, 21}, c.Icon, c.State, rcsaYellow);
        if (c.Background)
            EXPECT_EQ(c.Background, CellAt(*canvas, 1, 1)) << c.Icon << "/" << c.State;
        else
            EXPECT_EQ(kBackground, PixelOf(*canvas, 1, 1)) << c.Icon << "/" << c.State;
        // The 13 x 11 glyph centred, one pixel lower: rows 6..16, columns 7..19.
        const int row = std::min(c.State, 3);
        EXPECT_EQ(Cell(10163, c.Icon * 4 + row), CellAt(*canvas, 7, 6)) << c.Icon << "/" << c.State;
    }
}

TEST_F(Ribbon2010SkinTest, CaptionEndsInTheEdgeLineOnlyWithNoRibbonBelow) {
    TovRibbonSkinPaintData data;
    data.FormData.IsActive = true;
    data.CaptionHeight = 30;
    struct TCase {
        bool Hidden;
        int RibbonHeight;
        std::uint8_t WindowState;
        bool Line;
    };
    const TCase cases[] = {{false, 120, ovRibbonFormNormal, false},
                           {true, 120, ovRibbonFormNormal, true},
                           {false, 30, ovRibbonFormNormal, true},
                           {false, 30, ovRibbonFormMaximized, true},
                           {true, 30, ovRibbonFormMinimized, false}};
    for (const TCase& c : cases) {
        data.RibbonHidden = c.Hidden;
        data.RibbonHeight = c.RibbonHeight;
        data.FormData.WindowState = c.WindowState;
        auto canvas = MakeCanvas(40, 30, kBackground);
        skin.DrawFormCaption(DCOf(*canvas), TRect{0, 0, 40, 30}, data);
        if (c.Line)
            EXPECT_EQ(ColorToRGB(0x928C87), ColorAt(*canvas, 20, 29)) << c.Hidden << c.RibbonHeight;
        else
            EXPECT_TRUE(CellAt(*canvas, 20, 29).has_value()) << c.Hidden << c.RibbonHeight;
        EXPECT_TRUE(CellAt(*canvas, 20, 28).has_value());
    }
}

TEST_F(Ribbon2010SkinTest, TabRowBackground) {
    struct TCase {
        bool Active, Glass;
        std::uint32_t Pixel;
    };
    for (const TCase& c : {TCase{true, false, Opaque(0xE8E6E3)}, TCase{false, false, Opaque(0xFCFCFC)},
                           TCase{true, true, kBackground}}) {
        auto canvas = MakeCanvas(10, 10, kBackground);
        skin.DrawTabsAreaBackground(DCOf(*canvas), TRect{0, 0, 10, 10}, c.Active, c.Glass, 0);
        EXPECT_EQ(c.Pixel & 0xFFFFFF, PixelOf(*canvas, 5, 5) & 0xFFFFFF) << c.Active << c.Glass;
    }
}

TEST_F(Ribbon2010SkinTest, QuickAccessToolbarGroupsAreaAndGroups) {
    // Above the ribbon: the 2010 left end and body, whatever the application button and activity.
    auto above = MakeCanvas(80, 26, kBackground);
    skin.DrawQuickAccessToolbar(DCOf(*above), TRect{0, 0, 80, 26}, false, true, true, false, false);
    EXPECT_EQ(Cell(10059, 0), CellAt(*above, 2, 12));
    EXPECT_EQ(Cell(10063, 0), CellAt(*above, 40, 12));
    EXPECT_EQ(Cell(10053, 0), Drawn([&](HDC D, const TRect& R) {
                  skin.DrawQuickAccessToolbar(D, R, true, false, false, true, true);
              }));
    // The groups area: toolbar above, below, in a popup.
    EXPECT_EQ(Cell(10048, 0),
              Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupsArea(D, R, false, false); }));
    EXPECT_EQ(Cell(10048, 1),
              Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupsArea(D, R, true, false); }));
    EXPECT_EQ(Cell(10051, 0),
              Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupsArea(D, R, true, true); }));
    EXPECT_EQ(Cell(10051, 0),
              Drawn([&](HDC D, const TRect& R) { skin.DrawContextTabGroupsArea(D, R, 0xFF, false, true); }));
    EXPECT_EQ(Cell(10148, 1),
              Drawn([&](HDC D, const TRect& R) { skin.DrawContextTabGroupsArea(D, R, 0xFF, true, false); }));
    // A group in a collapsed group's popup gets no body and no caption strip.
    EXPECT_EQ(None, Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupBackground(D, R, true, 2); }));
    EXPECT_EQ(None, Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupHeaderBackground(D, R, true, 0); }));
    EXPECT_EQ(Cell(10363, 1),
              Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupBackground(D, R, false, 2); }));
    EXPECT_EQ(Cell(10372, 0),
              Drawn([&](HDC D, const TRect& R) { skin.DrawTabGroupHeaderBackground(D, R, false, 0); }));
}

TEST_F(Ribbon2010SkinTest, SeparatorsAtTheirOwnThicknessCentred) {
    auto horizontal = MakeCanvas(40, 10, kBackground);
    skin.DrawSeparator(DCOf(*horizontal), TRect{0, 0, 40, 10}, true);
    EXPECT_EQ(kBackground, PixelOf(*horizontal, 20, 2));
    EXPECT_EQ(Cell(10516, 0), CellAt(*horizontal, 0, 3));
    EXPECT_EQ(Cell(10516, 0), CellAt(*horizontal, 39, 5));
    EXPECT_EQ(kBackground, PixelOf(*horizontal, 20, 6));
    auto vertical = MakeCanvas(10, 40, kBackground);
    skin.DrawSeparator(DCOf(*vertical), TRect{0, 0, 10, 40}, false);
    EXPECT_EQ(kBackground, PixelOf(*vertical, 2, 20));
    EXPECT_EQ(Cell(10517, 0), CellAt(*vertical, 3, 0));
    EXPECT_EQ(Cell(10517, 0), CellAt(*vertical, 5, 39));
    EXPECT_EQ(kBackground, PixelOf(*vertical, 6, 20));
}

TEST_F(Ribbon2010SkinTest, MdiAndMinimizeGlyphsAtTheirOwnSize) {
    auto mdi = MakeCanvas(21, 21, kBackground);
    skin.DrawMDIButtonGlyph(DCOf(*mdi), TRect{0, 0, 21, 21}, 1, 3);
    EXPECT_EQ(Cell(10163, 2 * 4 + 2), CellAt(*mdi, 4, 5))
        << "restore, pressed: caption glyph column 2, row 2";
    EXPECT_EQ(kBackground, PixelOf(*mdi, 3, 5));
    auto close = MakeCanvas(21, 21, kBackground);
    skin.DrawMDIButtonGlyph(DCOf(*close), TRect{0, 0, 21, 21}, 2, 4);
    EXPECT_EQ(Cell(10526, 3), CellAt(*close, 10, 10));
    auto pin = MakeCanvas(20, 20, kBackground);
    skin.DrawMinimizeButtonGlyph(DCOf(*pin), TRect{0, 0, 20, 20}, 2, 4, rcsaYellow);
    EXPECT_EQ(Cell(10514, 1), CellAt(*pin, 4, 6));
    EXPECT_EQ(kBackground, PixelOf(*pin, 3, 6));
}

TEST_F(Ribbon2010SkinTest, TintedLayersTakeTheContextColourByTheirAlpha) {
    // Coded sheets whose tinted layer is neutral grey, its alpha falling from the top row down, and whose
    // overlay is transparent but for its first column.
    TCodedSheets tinted([](int AFirstID, int ACell, int X, int Y) -> std::optional<std::uint32_t> {
        if (AFirstID == 10531) {
            const int alpha = Y < 9 ? 255 : Y < 17 ? 128 : 0;
            return std::uint32_t(alpha) << 24 | (std::uint32_t(128 * alpha / 255) * 0x010101u);
        }
        if (AFirstID == 10152 && X != 0) return 0u;
        return std::nullopt;
    });
    TovSilverRibbon2010Skin fresh;
    fresh.AddRef();
    auto canvas = MakeCanvas(17, 24, Opaque(0xFFFFFF));
    const TColor context = 0x2040C0;
    fresh.DrawContextBackground(DCOf(*canvas), TRect{0, 0, 17, 24}, context);
    EXPECT_EQ(ColorToRGB(context), ColorAt(*canvas, 8, 3)) << "full alpha: the context's colour";
    const unsigned half = ColorAt(*canvas, 8, 12);
    for (int shift : {0, 8, 16}) {
        const int c = int((context >> shift) & 0xFF), h = int((half >> shift) & 0xFF);
        EXPECT_NEAR((c + 255) / 2, h, 3) << "half alpha: halfway from the background, channel " << shift;
    }
    EXPECT_EQ(0xFFFFFFu, ColorAt(*canvas, 8, 20)) << "no alpha: the background";
    EXPECT_EQ((TCellName{10152, 0}), CellAt(*canvas, 0, 12)) << "the overlay keeps its pixels";
    // An empty target makes no bitmap and draws nothing.
    auto untouched = MakeCanvas(10, 10, kBackground);
    EXPECT_NO_THROW(fresh.DrawColorizedPart(TovRibbonCut::ContextTabLayer, 2, DCOf(*untouched), context,
                                            TRect{5, 5, 5, 9}));
    EXPECT_NO_THROW(fresh.DrawContextTab(DCOf(*untouched), TRect{4, 4, 2, 2}, context, 2, rcsaYellow));
    EXPECT_TRUE(IsUniform(*untouched, kBackground));
    fresh.Release();
}

TEST_F(Ribbon2010SkinTest, IdentityAndMetrics) {
    TovBlueRibbon2010Skin blue;
    TovBlackRibbon2010Skin black;
    EXPECT_EQ("Blue", blue.GetName());
    EXPECT_EQ("Silver", skin.GetName());
    EXPECT_EQ("Black", black.GetName());
    for (TovCustomRibbonSkin* s :
         {static_cast<TovCustomRibbonSkin*>(&skin), static_cast<TovCustomRibbonSkin*>(&blue),
          static_cast<TovCustomRibbonSkin*>(&black)}) {
        EXPECT_EQ(rs2010, s->GetStyle());
        EXPECT_TRUE(s->IsApplicationButtonTab());
        EXPECT_EQ((TRect{8, 0, 8, 8}), s->GetWindowBordersWidth(false));
        EXPECT_EQ((TRect{8, 0, 8, 8}), s->GetWindowBordersWidth(true));
        EXPECT_EQ((TSize{56, 25}), s->GetApplicationButtonSize());
        EXPECT_EQ(8, s->QuickAccessToolbarMarkButtonIndent(true, true));
        EXPECT_EQ(4, s->QuickAccessToolbarWidthOverride(true, false));
    }
    EXPECT_EQ((TRect{2, 26, 2, 30}), skin.GetApplicationMenuContentOffset(TRect{0, 0, 56, 25}));
    struct TOffsets {
        int Part;
        TRect Offsets;
    };
    const TOffsets offsets[] = {{1, {0, 3, 5, 1}},      {250, {0, 2, 0, 0}},   {454, {0, 4, 2, 4}},
                                {455, {0, 0, 4, 0}},    {459, {12, 5, 12, 4}}, {1000, {2, 2, 5, 2}},
                                {1001, {7, 7, 7, 7}},   {1003, {2, 3, 2, 1}},  {3, {3, 3, 3, 3}},
                                {270, {21, 12, 11, 12}}};
    for (const TOffsets& o : offsets)
        EXPECT_EQ(o.Offsets, skin.GetContentOffsets(o.Part)) << o.Part;
    struct TSizeCase {
        int Part, Size;
    };
    const TSizeCase sizes[] = {{1, 0},     {21, 0},    {1003, 0}, {280, 3},
                               {10150, 2}, {10151, 2}, {260, 25}, {460, 3}};
    for (const TSizeCase& c : sizes)
        EXPECT_EQ(c.Size, skin.GetPartSize(c.Part)) << c.Part;
    // The caption-area text is bold.
    TFont font;
    skin.SetCaptionAreaFontColor(&font, false, clDefault, rcsaYellow);
    EXPECT_TRUE(font.Style().Contains(fsBold));
    EXPECT_EQ(TColor(0x808080), font.Color());
}

TEST_F(Ribbon2010SkinTest, TheManagerFindsTheSchemesByNameAndStyle) {
    TovRibbonSkinsManager* manager = SkinsManager();
    TovCustomRibbonSkin* silver = manager->Find("silver", rs2010);
    ASSERT_NE(nullptr, silver);
    EXPECT_NE(nullptr, dynamic_cast<TovSilverRibbon2010Skin*>(silver));
    EXPECT_EQ(nullptr, manager->Find("Silver", rs2013));
    EXPECT_NE(nullptr, dynamic_cast<TovBlackRibbon2010Skin*>(manager->Find("BLACK", rs2010)));
    // The first skin of the 2010 style is Blue, the fallback.
    for (int i = 0; i < manager->Count(); ++i)
        if (manager->Items(i)->GetStyle() == rs2010) {
            EXPECT_EQ("Blue", manager->Items(i)->GetName());
            break;
        }
}

} // namespace ribbon_2010_skin_test
