// The native-theme painter: with visual styles off (the platform's answer) it draws every gallery cell as
// the Standard painter does, except where its own rules say otherwise; with a recording test theme, the
// parts, states and properties each themed operation asks for.
#include "PaintersTestSupport.h"
#include "RecordingTheme.h"
#include "gallery/PainterGallery.h"

#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/painters/lookandfeel/NativePainter.h"
#include "ui/painters/office11/Office11Colors.h"

using namespace painters_test;

namespace {

class NativePainterTest : public PaintersTest {
protected:
    TuiWinXPLookAndFeelPainter* Native() {
        return static_cast<TuiWinXPLookAndFeelPainter*>(Painter("Native"));
    }
};

// Cells of the gallery in which the native painter, without a theme, follows a rule of its own.
struct OwnRule {
    const char* LabelPrefix;
    const char* Why;
};
const OwnRule OwnRules[] = {
    {"default", "ButtonBorderThickness answers the Standard value of the normal state"},
    {"pressed", "PressedButtonTextShift 0"},
    {"wrap default", "ButtonBorderThickness of the normal state"},
    {"wrap pressed", "PressedButtonTextShift 0"},
    {"plain ", "DrawPlainButton borrows the Flat painter's button"},
    {"glyph u pressed", "PressedButtonTextShift 0"},
    {"glyph d pressed", "PressedButtonTextShift 0"},
    {"glyph l pressed", "PressedButtonTextShift 0"},
    {"glyph r pressed", "PressedButtonTextShift 0"},
    {"small box ", "DrawSmallExpandBox passes the fill colour as the frame colour"},
    {"separator ", "SeparatorThickness 6"},
    {"edge ", "EdgeSize 6 x 6"},
    {"section ", "header sections: a clBtnFace fill, then the header"},
    {"sort ", "sorting marks in clBtnShadow, SortingMarkExtent 7 x 8"},
    {"barred ", "sorting marks in clBtnShadow"},
    {"inverted", "InvertHeaderArea does nothing"},
    {"navigator header", "the header over the whole rectangle"},
    {"frame ", "popup frames: one clBtnText line, PopupFrameWidth 1"},
    {"navigator default", "ButtonBorderThickness of the normal state"},
    {"event progress", "EventProgressMargins 3"},
    {"glyph button default", "ButtonBorderThickness of the normal state"},
    {"splitter ", "DrawSplitterBar draws nothing"},
    {"delimiter", "the breadcrumb delimiter is a right arrow in a deflated rectangle"},
    {"scroll arrow", "the breadcrumb scroll arrow is a double chevron"},
    {"progress", "BreadcrumbEditProgressChunkOffsets (0, 0, 0, 0)"},
};

const OwnRule* RuleOf(const std::string& ALabel) {
    for (const OwnRule& rule : OwnRules)
        if (ALabel.rfind(rule.LabelPrefix, 0) == 0) return &rule;
    return nullptr;
}

TEST_F(NativePainterTest, WithStylesOffEveryCellIsStandardButWhereItsOwnRulesSayOtherwise) {
    ASSERT_FALSE(AreVisualStylesAvailable());
    painter_gallery::TPainterGallery gallery;
    TFont font;
    std::set<std::string> rulesSeen;
    int same = 0;
    for (const auto& cell : gallery.Cells()) {
        const int w = cell.Bounds.right - cell.Bounds.left + 4, h = cell.Bounds.bottom - cell.Bounds.top + 4;
        auto paint = [&](TuiCustomLookAndFeelPainter* APainter) {
            return Draw(w, h, clFuchsia, [&](TuiCanvas* c) {
                c->SetFont(&font);
                cell.Draw(c, APainter, TRect{2, 2, w - 2, h - 2});
            });
        };
        auto native = paint(Native()), standard = paint(Painter("Standard"));
        bool equal = true;
        for (int y = 0; y < h && equal; ++y)
            for (int x = 0; x < w && equal; ++x)
                equal = PixelAt(*native, x, y) == PixelAt(*standard, x, y);
        const OwnRule* rule = RuleOf(cell.Label);
        if (equal)
            ++same;
        else {
            EXPECT_NE(rule, nullptr) << "cell \"" << cell.Label << "\" differs from the Standard look";
            if (rule != nullptr) rulesSeen.insert(rule->LabelPrefix);
        }
    }
    EXPECT_GT(same, 300);
    // Every listed rule shows somewhere, so the list stays honest.
    for (const OwnRule& rule : OwnRules)
        EXPECT_EQ(rulesSeen.count(rule.LabelPrefix), 1u) << rule.LabelPrefix << ": " << rule.Why;
}

TEST_F(NativePainterTest, TheConstantsOfTheLook) {
    TuiWinXPLookAndFeelPainter* p = Native();
    EXPECT_EQ(p->PainterStyleName(), "Native");
    EXPECT_EQ(p->LookAndFeelStyle(), lfsNative);
    EXPECT_FALSE(p->RedrawsOnResize());
    EXPECT_EQ(p->SeparatorThickness(), 6);
    EXPECT_EQ(p->ButtonTextIndent(), 2);
    EXPECT_EQ(p->PressedButtonTextShift(), 0);
    EXPECT_TRUE(p->ButtonHotTracks());
    EXPECT_FALSE(p->IsExpandButtonDrawnFirst());
    EXPECT_FALSE(p->IsFooterCellDrawnFirst());
    EXPECT_TRUE(p->HeaderFlag2());
    EXPECT_EQ(p->SortingMarkExtent().cx, 7);
    EXPECT_EQ(p->SortingMarkExtent().cy, 8);
    EXPECT_EQ(p->EventProgressMargins().left, 3);
    EXPECT_EQ(p->EventProgressMargins().bottom, 3);
    EXPECT_EQ(p->PopupFrameWidth(pbsSingle), 1);
    EXPECT_EQ(p->PopupFrameInnerWidth(pbsSingle), 2);
    EXPECT_EQ(p->GlyphButtonSize().cx, 18);
    EXPECT_EQ(p->GlyphButtonSize().cy, 19);
    EXPECT_EQ(p->GlyphButtonSpacing().cx, 0);
    EXPECT_EQ(p->SmallButtonCornerRadius(), 5);
    EXPECT_EQ(p->EdgeSize(1).cx, 6);
    EXPECT_EQ(p->DefaultPaleYellowColor(), static_cast<TColor>(0xD5FFFF));
    // Without a theme the metrics are the Standard look's.
    EXPECT_EQ(p->BorderThickness(), 2);
    EXPECT_EQ(p->ExpandBoxSize(), 12);
    EXPECT_EQ(p->RadioButtonExtent().cx, Painter("Standard")->RadioButtonExtent().cx);
}

class NativeThemedTest : public NativePainterTest {
protected:
    void SetUp() override {
        RecordingTheme::Reset();
        ovBindUxTheme(&RecordingTheme::Entries());
        NativePainterTest::SetUp();
        ReferenceOffice11Colors();
        RecordingTheme::Calls.clear();
    }
    void TearDown() override {
        ReleaseOffice11Palette();
        NativePainterTest::TearDown();
        ovBindUxTheme(nullptr);
    }
    std::unique_ptr<TBitmap> Canvas(const std::function<void(TuiCanvas*)>& ADraw) {
        return Draw(60, 40, clWhite, ADraw);
    }
    // The class, part and state of the one background drawn by ADraw.
    TThemeCall OnlyBackground(const std::function<void(TuiCanvas*)>& ADraw) {
        RecordingTheme::Calls.clear();
        Canvas(ADraw);
        const auto drawn = RecordingTheme::CallsOf("DrawThemeBackground");
        EXPECT_EQ(drawn.size(), 1u);
        return drawn.empty() ? TThemeCall{} : drawn.front();
    }
};

TEST_F(NativeThemedTest, ArrowButtonsTakeStatesOneToSixteen) {
    const TuiPainterButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
    for (int direction = 0; direction < 4; ++direction)
        for (int k = 0; k < 4; ++k) {
            const TThemeCall call = OnlyBackground([&](TuiCanvas* c) {
                Native()->DrawArrowButton(c, TRect{0, 0, 17, 17}, states[k],
                                          static_cast<TuiPainterArrowDirection>(direction));
            });
            EXPECT_EQ(call.Class, u"ScrollBar");
            EXPECT_EQ(call.Part, 1);
            EXPECT_EQ(call.State, 1 + 4 * direction + k) << direction << " " << k;
        }
    // The default state counts as normal.
    EXPECT_EQ(OnlyBackground([&](TuiCanvas* c) {
                  Native()->DrawArrowButton(c, TRect{0, 0, 17, 17}, cxbsDefault, adRight);
              }).State,
              13);
}

TEST_F(NativeThemedTest, CheckBoxesTakeStatesOneToTwelve) {
    const TuiPainterButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
    for (int check = 0; check < 3; ++check)
        for (int k = 0; k < 4; ++k) {
            const TThemeCall call = OnlyBackground([&](TuiCanvas* c) {
                Native()->DrawCheck(c, TRect{0, 0, 13, 13}, states[k],
                                    static_cast<TuiPainterCheckState>(check), clBlack);
            });
            EXPECT_EQ(call.Class, u"Button");
            EXPECT_EQ(call.Part, 3);
            EXPECT_EQ(call.State, 1 + 4 * check + k) << check << " " << k;
        }
    // A themed check box draws no frame of its own and has no border.
    RecordingTheme::Calls.clear();
    auto frame = Canvas([&](TuiCanvas* c) {
        Native()->DrawCheckBoxFrame(c, TRect{0, 0, 13, 13}, cxbsNormal);
    });
    EXPECT_EQ(ColorAt(*frame, 0, 5), clWhite);
    EXPECT_EQ(Native()->CheckBoxBorderWidth(), 0);
}

TEST_F(NativeThemedTest, TheLastHeaderCellOfABlueOrOliveThemeTakesTheRightHandPart) {
    struct Row {
        const char16_t* Colour;
        bool Last;
        TuiPainterButtonState State;
        int Part, HeaderState;
    } const rows[] = {
        {u"NormalColor", true, cxbsNormal, 3, 1}, {u"HomeStead", true, cxbsDisabled, 3, 1},
        {u"Metallic", true, cxbsNormal, 1, 1},    {u"NormalColor", false, cxbsNormal, 1, 1},
        {u"NormalColor", true, cxbsHot, 1, 2},    {u"HomeStead", true, cxbsPressed, 1, 3},
    };
    for (const Row& row : rows) {
        RecordingTheme::Colour = row.Colour;
        RecordingTheme::Changed();
        RefreshOffice11Colors();
        SCOPED_TRACE(std::string(row.Last ? "last " : "") + "state " + std::to_string(row.State));
        const TThemeCall call = OnlyBackground([&](TuiCanvas* c) {
            Native()->DrawHeader(c, TRect{0, 0, 60, 20}, TRect{4, 2, 56, 18}, {}, uiBordersAll, row.State,
                                 taLeftJustify, taVerticalCenter, false, false, "Name", nullptr, clBlack,
                                 clBtnFace, {}, row.Last);
        });
        EXPECT_EQ(call.Class, u"Header");
        EXPECT_EQ(call.Part, row.Part);
        EXPECT_EQ(call.State, row.HeaderState);
    }
}

TEST_F(NativeThemedTest, PressedHeadersDrawTheirTextOnePixelRightAndDown) {
    for (TuiPainterButtonState state : {cxbsNormal, cxbsPressed}) {
        RecordingTheme::Calls.clear();
        Canvas([&](TuiCanvas* c) {
            Native()->DrawHeader(c, TRect{0, 0, 60, 20}, TRect{4, 2, 56, 18}, {}, uiBordersAll, state,
                                 taCenter, taVerticalCenter, false, true, "Name", nullptr, clBlack,
                                 clBtnFace);
        });
        const auto text = RecordingTheme::CallsOf("DrawThemeText", u"Header");
        ASSERT_EQ(text.size(), 1u);
        const int shift = state == cxbsPressed ? 1 : 0;
        EXPECT_EQ(text[0].Rect.left, 4 + shift);
        EXPECT_EQ(text[0].Rect.top, 2 + shift);
        EXPECT_EQ(text[0].Text, u"Name");
        // Centred, single line, end ellipsis, no prefix, edit-control rules.
        EXPECT_EQ(text[0].Flags, DWORD(DT_EDITCONTROL | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS |
                                       DT_NOPREFIX | DT_SINGLELINE));
    }
}

TEST_F(NativeThemedTest, TrackBarThumbPartsByTickPositionAndOrientation) {
    struct Row {
        bool Horizontal;
        int Kind, Part;
    } const rows[] = {{true, 0, 5}, {true, 1, 4}, {true, 2, 3}, {false, 0, 7}, {false, 1, 8}, {false, 2, 6}};
    for (const Row& row : rows) {
        const TThemeCall call = OnlyBackground([&](TuiCanvas* c) {
            Native()->DrawTrackBarThumb(c, TRect{0, 0, 11, 20}, cxbsDisabled, row.Horizontal, row.Kind,
                                        clBtnFace);
        });
        EXPECT_EQ(call.Class, u"TrackBar");
        EXPECT_EQ(call.Part, row.Part) << row.Horizontal << " " << row.Kind;
        EXPECT_EQ(call.State, 5);
    }
    // The track content: the thumb's drawing size centred, offsets rounded toward zero.
    RecordingTheme::PartSizes[{u"TrackBar", 3}] = SIZE{11, 21};
    TRect r{0, 0, 30, 24};
    Native()->TrackBarTrackContentBounds(r, true, 2);
    EXPECT_EQ(r.left, 9);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom, 22);
    EXPECT_EQ(RecordingTheme::CallsOf("GetThemePartSize").back().Property, 2); // TS_DRAW
}

TEST_F(NativeThemedTest, VerticalTabsAreDrawnTurned) {
    RecordingTheme::Calls.clear();
    auto bitmap = Draw(40, 60, clWhite, [&](TuiCanvas* c) {
        // Borders on the left, top and bottom: the open right end lets the part run 2 pixels further.
        Native()->DrawTab(c, TRect{10, 5, 30, 55}, TRect{}, cxbsNormal, 1 | 2 | 8, false, true, {});
    });
    const auto drawn = RecordingTheme::CallsOf("DrawThemeBackground", u"Tab");
    ASSERT_EQ(drawn.size(), 1u);
    // In the turned bitmap the tab is 50 wide and 20 high; a tab that is not selected is clipped one row
    // short at its foot.
    EXPECT_EQ(drawn[0].Rect.left, 0);
    EXPECT_EQ(drawn[0].Rect.right, 50);
    EXPECT_EQ(drawn[0].Rect.bottom, 20);
    EXPECT_EQ(drawn[0].Clip.bottom, 19);
    EXPECT_EQ(drawn[0].Part, 1);
    EXPECT_EQ(drawn[0].State, 1);
    // Turned back, the painted part fills the tab but the clipped column at its right.
    const TColor part = static_cast<TColor>(RecordingTheme::PartColour(1, 1));
    EXPECT_EQ(ColorAt(*bitmap, 10, 5), part);
    EXPECT_EQ(ColorAt(*bitmap, 28, 54), part);
    EXPECT_EQ(ColorAt(*bitmap, 29, 30), clWhite);
    EXPECT_EQ(ColorAt(*bitmap, 9, 30), clWhite);
    // A horizontal selected tab without side borders grows 2 pixels each way and one row at the foot.
    RecordingTheme::Calls.clear();
    Canvas([&](TuiCanvas* c) {
        Native()->DrawTab(c, TRect{10, 5, 40, 25}, TRect{}, cxbsPressed, 2 | 8, false, false, "Tab");
    });
    const auto selected = RecordingTheme::CallsOf("DrawThemeBackground", u"Tab");
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].Rect.left, 8);
    EXPECT_EQ(selected[0].Rect.right, 42);
    EXPECT_EQ(selected[0].Rect.bottom, 26);
    EXPECT_EQ(selected[0].State, 3);
    const auto text = RecordingTheme::CallsOf("DrawThemeText", u"Tab");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].Rect.bottom, 24); // the selected tab's text rectangle loses 2 pixels at the foot
}

TEST_F(NativeThemedTest, SmallCloseButtonsOfWindows8AreDrawnAtThirteenPixels) {
    RecordingTheme::PartSizes[{u"Window", 19}] = SIZE{9, 9};
    TovOSVersionFlags flags = ovOSVersion();
    flags.IsWin8OrLater = false;
    ovSetOSVersionFlags(flags);
    EXPECT_EQ(Native()->SmallCloseButtonExtent().cx, 9);
    flags.IsWin8OrLater = true;
    ovSetOSVersionFlags(flags);
    EXPECT_EQ(Native()->SmallCloseButtonExtent().cx, 13);
    EXPECT_EQ(Native()->SmallCloseButtonExtent().cy, 13);
    EXPECT_EQ(Native()->FilterClearButtonSize().cx, 17);
    ovGetOSVersionFlags();
}

TEST_F(NativeThemedTest, RadioButtonsWithoutTheButtonThemeShowTheStandardImages) {
    // Themed: part 2, states 1..8, the part's size.
    RecordingTheme::PartSizes[{u"Button", 2}] = SIZE{15, 15};
    EXPECT_EQ(Native()->RadioButtonExtent().cx, 15);
    const TThemeCall checkedHot =
        OnlyBackground([&](TuiCanvas* c) { Native()->DrawRadioButton(c, 3, 4, cxbsHot, true, false); });
    EXPECT_EQ(checkedHot.Class, u"Button");
    EXPECT_EQ(checkedHot.Part, 2);
    EXPECT_EQ(checkedHot.State, 6);
    EXPECT_EQ(checkedHot.Rect.left, 3);
    EXPECT_EQ(checkedHot.Rect.right, 18);
    // Styles on but no button class: the radio image list of the Standard look, not an empty square.
    RecordingTheme::OpenAll = false;
    RecordingTheme::Changed();
    ASSERT_TRUE(AreVisualStylesAvailable());
    const TSize extent = Native()->RadioButtonExtent();
    EXPECT_GT(extent.cx, 0);
    EXPECT_EQ(extent.cx, Painter("Standard")->RadioButtonExtent().cx);
    auto native = Canvas([&](TuiCanvas* c) { Native()->DrawRadioButton(c, 2, 2, cxbsNormal, true, false); });
    auto standard =
        Canvas([&](TuiCanvas* c) { Painter("Standard")->DrawRadioButton(c, 2, 2, cxbsNormal, true, false); });
    int drawn = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            ASSERT_EQ(PixelAt(*native, x, y), PixelAt(*standard, x, y)) << x << "," << y;
            if (ColorAt(*native, x, y) != clWhite) ++drawn;
        }
    EXPECT_GT(drawn, 20);
}

TEST_F(NativeThemedTest, ButtonsColoursAndMetricsComeFromTheTheme) {
    RecordingTheme::Colours[{u"Button", 1, 3803}] = RGB(1, 2, 3);
    RecordingTheme::Colours[{u"ComboBox", 1, 3801}] = RGB(4, 5, 6);
    EXPECT_EQ(Native()->ButtonSignColor(cxbsPressed), static_cast<TColor>(RGB(1, 2, 3)));
    EXPECT_EQ(RecordingTheme::CallsOf("GetThemeColor", u"Button").back().State, 3);
    EXPECT_EQ(Native()->DefaultSplitterBorderColor(), static_cast<TColor>(RGB(4, 5, 6)));
    // A colour the theme does not have falls back to the base rule.
    EXPECT_EQ(Native()->ButtonFaceColor(cxbsNormal), clBtnFace);
    EXPECT_EQ(RecordingTheme::CallsOf("GetThemeColor", u"Button").back().Property, 204);
    // The push-button states of every button state.
    for (auto [state, expected] :
         {std::pair{cxbsDefault, 5}, {cxbsNormal, 1}, {cxbsHot, 2}, {cxbsPressed, 3}, {cxbsDisabled, 4}})
        EXPECT_EQ(OnlyBackground([&](TuiCanvas* c) {
                      Native()->DrawButton(c, TRect{0, 0, 40, 20}, {}, state);
                  }).State,
                  expected);
    // Borders: the content rectangle's left inset.
    EXPECT_EQ(Native()->ButtonBorderThickness(cxbsNormal), 3);
    EXPECT_EQ(Native()->BorderThickness(), 1);
    EXPECT_EQ(Native()->HeaderBorderWidth(), 3);
    // Scroll-bar thumbs: the minimal size plus the content margins along the bar.
    RecordingTheme::PartSizes[{u"ScrollBar", 3}] = SIZE{17, 8};
    EXPECT_EQ(Native()->ScrollBarMinimalThumbSize(true), 8 + 3 + 3); // top and bottom margins
    EXPECT_EQ(RecordingTheme::CallsOf("GetThemePartSize", u"ScrollBar").back().Property, 0); // TS_MIN
}

TEST_F(NativeThemedTest, TheThemeBindingAnswersNotImplementedForEntriesATestLeavesOut) {
    TovUxThemeEntries partial = RecordingTheme::Entries();
    partial.DrawThemeBackground = nullptr;
    partial.GetThemeColor = nullptr;
    ovBindUxTheme(&partial);
    const RECT r{0, 0, 5, 5};
    EXPECT_EQ(ovDrawThemeBackground(reinterpret_cast<HTHEME>(1), nullptr, 1, 1, &r, nullptr), E_NOTIMPL);
    COLORREF colour = 12345;
    EXPECT_EQ(ovGetThemeColor(reinterpret_cast<HTHEME>(1), 1, 1, 3803, &colour), E_NOTIMPL);
    EXPECT_EQ(colour, 0u); // cleared, never stale
    SIZE size{};
    EXPECT_EQ(ovGetThemePartSize(reinterpret_cast<HTHEME>(1), nullptr, 1, 1, nullptr, 1, &size), S_OK);
    ovBindUxTheme(&RecordingTheme::Entries());
}

} // namespace
