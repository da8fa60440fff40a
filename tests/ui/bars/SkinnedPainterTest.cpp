// The skinned bar painter over the recording test skin: the button background by group position and the
// halves of split buttons, item heights from the skin's offsets, the mark's state glyphs, a large
// drop-down's arrow after its caption, check parts of menu entries, the rounded window region of popups,
// fade pictures, the spin buttons' unlit state, the metrics, a skin asked anew at every operation — and,
// without a skin, the Office11 look instead of a crash.
#include "BarPaintingTestSupport.h"
#include "skin/TestSkin.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarSkinnedPainter.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/effects/FadingOptions.h"

#include <algorithm>
#include <map>

using namespace bars_test;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;
using skin_test::TRecordingTestSkin;

namespace {

std::string RectText(const TRect& R) {
    return "(" + std::to_string(R.left) + ", " + std::to_string(R.top) + ", " + std::to_string(R.right) +
           ", " + std::to_string(R.bottom) + ")";
}

std::string Drawn(int APart, int AState, const TRect& R) {
    return "DrawBackground " + std::to_string(APart) + "/" + std::to_string(AState) + " " + RectText(R);
}

// A recording skin whose content offsets can be set per part.
class TOffsetsSkin : public TRecordingTestSkin {
public:
    TRect GetContentOffsets(int APart) override {
        const auto found = Offsets.find(APart);
        return found != Offsets.end() ? found->second : TRecordingTestSkin::GetContentOffsets(APart);
    }
    std::map<int, TRect> Offsets;
};

class SkinnedPainterTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        skin = std::make_unique<TOffsetsSkin>();
        skinned.Skin = skin.get();
        painter = std::make_unique<TovBarSkinnedPainter>(&skinned);
        skinnedPainter = static_cast<TovBarSkinnedPainter*>(painter.get());
        paintingFactory.Painter = painter.get();
    }
    // The painter and the bars go before the skin, the skin before the imaging interface ends.
    void TearDown() override {
        standIns.clear();
        delete form;
        form = nullptr;
        painter.reset();
        skin.reset();
        BarPaintingTest::TearDown();
    }
    // A laid-out toolbar button's control, its params drawing on APicture.
    TovBarItemControl* ToolbarButton(const std::string& ACaption, TPicture& APicture,
                                     TovBarItem* AItem = nullptr) {
        TStandInToolbar* toolbar = Toolbar(dsTop);
        TovBarItemLink* link = toolbar->Add(AItem != nullptr ? AItem : Button(ACaption, 1));
        toolbar->Layout();
        TovBarItemControl* control = link->Control();
        control->DrawParams()->Canvas = APicture.Canvas.get();
        return control;
    }
    static TovBarButtonLikeControlDrawParams* ButtonParams(TovBarItemControl* AControl) {
        return static_cast<TovBarButtonLikeControlDrawParams*>(AControl->DrawParams());
    }

    std::unique_ptr<TOffsetsSkin> skin;
    skin_test::TTestSkinnedObject skinned;
    TovBarSkinnedPainter* skinnedPainter = nullptr;
};

// ---- The button background

TEST_F(SkinnedPainterTest, ButtonGroupsDrawBordersAndSeparatorsByPosition) {
    TPicture picture = Picture(200, 60);
    TovBarItemControl* control = ToolbarButton("Group", picture);
    const TRect b = control->GetBoundsRect();
    ASSERT_GT(uiWidthOfRect(b), 10);
    const TRect left{b.left, b.top, b.left + 2, b.bottom};     // part 470, 2 wide
    const TRect right{b.right - 2, b.top, b.right, b.bottom};  // part 490, 2 wide
    const TRect column{b.right - 1, b.top, b.right, b.bottom}; // part 480
    struct TCase {
        TovBarButtonGroupPlace Place;
        std::vector<std::string> Expected;
    };
    const TCase cases[] = {
        {bgpNoGroup, {Drawn(3, 0, b)}},
        {bgpFirst,
         {Drawn(460, 0, uiGrowRectSides(b, -1, 0, 0, 0)), Drawn(470, 0, left), Drawn(480, 0, column)}},
        {bgpInner, {Drawn(460, 0, b), Drawn(480, 0, column)}},
        {bgpLast, {Drawn(460, 0, uiGrowRectSides(b, 0, 0, -1, 0)), Drawn(490, 0, right)}},
        {bgpSingle,
         {Drawn(460, 0, uiGrowRectSides(b, -1, 0, -1, 0)), Drawn(470, 0, left), Drawn(490, 0, right)}},
    };
    for (const TCase& c : cases) {
        ButtonParams(control)->ButtonGroupPlace = c.Place;
        skin->Calls.clear();
        skinnedPainter->DrawButtonParts(control->DrawParams());
        EXPECT_EQ(skin->TakeDrawn(), c.Expected) << "place " << int(c.Place);
    }
    // The state of the button goes to its face and its separator column, never to the borders.
    ButtonParams(control)->ButtonGroupPlace = bgpFirst;
    control->DrawParams()->HotPartIndex = 0;
    skinnedPainter->DrawButtonParts(control->DrawParams());
    EXPECT_EQ(skin->TakeDrawn(), (std::vector<std::string>{Drawn(460, 2, uiGrowRectSides(b, -1, 0, 0, 0)),
                                                           Drawn(470, 0, left), Drawn(480, 2, column)}));
    ButtonParams(control)->ButtonGroupPlace = bgpNoGroup;
    control->DrawParams()->SetViewSize(ivsLarge);
    skinnedPainter->DrawButtonParts(control->DrawParams());
    EXPECT_EQ(skin->TakeDrawn(), (std::vector<std::string>{Drawn(6, 2, b)})) << "large buttons";
    control->DrawParams()->SetViewSize(ivsSmall);
}

TEST_F(SkinnedPainterTest, TheHalvesOfASplitButtonTakeTheirOwnPlaceInTheGroup) {
    TPicture picture = Picture(200, 60);
    TovBarItemControl* control = ToolbarButton("Split", picture);
    const TRect b = control->GetBoundsRect();
    const TRect main{b.left, b.top, b.right - 13, b.bottom};
    const TRect arrow{b.right - 13, b.top, b.right, b.bottom};
    control->PartsRef() = {main, arrow};
    ButtonParams(control)->Split = true;
    control->DrawParams()->IsDropDown = true;
    const TRect splitSeparator{arrow.left - 1, b.top, arrow.left + 2, b.bottom}; // part 500, 3 wide
    struct TCase {
        TovBarButtonGroupPlace Place;
        std::vector<std::string> Expected;
    };
    const TCase cases[] = {
        {bgpNoGroup, {Drawn(5, 0, main), Drawn(4, 0, arrow)}},
        // Last in the group: the main half is inner (no right border), the arrow half ends the group.
        {bgpLast,
         {Drawn(462, 0, main), Drawn(461, 0, uiGrowRectSides(arrow, 0, 0, -1, 0)),
          Drawn(490, 0, TRect{arrow.right - 2, b.top, arrow.right, b.bottom}),
          Drawn(500, 0, splitSeparator)}},
        // Single: the main half starts the group, the arrow half ends it.
        {bgpSingle,
         {Drawn(462, 0, uiGrowRectSides(main, -1, 0, 0, 0)),
          Drawn(470, 0, TRect{main.left, b.top, main.left + 2, b.bottom}),
          Drawn(461, 0, uiGrowRectSides(arrow, 0, 0, -1, 0)),
          Drawn(490, 0, TRect{arrow.right - 2, b.top, arrow.right, b.bottom}),
          Drawn(500, 0, splitSeparator)}},
        // First: the arrow half is inner and closes with the group's separator column.
        {bgpFirst,
         {Drawn(462, 0, uiGrowRectSides(main, -1, 0, 0, 0)),
          Drawn(470, 0, TRect{main.left, b.top, main.left + 2, b.bottom}), Drawn(461, 0, arrow),
          Drawn(500, 0, splitSeparator),
          Drawn(480, 0, TRect{arrow.right - 1, b.top, arrow.right, b.bottom})}},
    };
    for (const TCase& c : cases) {
        ButtonParams(control)->ButtonGroupPlace = c.Place;
        skin->Calls.clear();
        skinnedPainter->DrawButtonParts(control->DrawParams());
        EXPECT_EQ(skin->TakeDrawn(), c.Expected) << "place " << int(c.Place);
    }
    // Each half in its own state: the arrow hot, the face highlighted.
    ButtonParams(control)->ButtonGroupPlace = bgpNoGroup;
    control->DrawParams()->HotPartIndex = 1;
    skinnedPainter->DrawButtonParts(control->DrawParams());
    EXPECT_EQ(skin->TakeDrawn(), (std::vector<std::string>{Drawn(5, 3, main), Drawn(4, 2, arrow)}));
}

// ---- Heights, metrics

TEST_F(SkinnedPainterTest, ItemHeightsAreEvenSumsOfTheGlyphAndTheButtonOffsets) {
    struct TCase {
        TRect Offsets;
        int TextHeight, Expected;
    };
    const TCase cases[] = {
        {{3, 2, 3, 2}, 13, 20}, // max(16, 13) + 4
        {{3, 2, 3, 3}, 13, 22}, // 16 + 5 = 21, made even
        {{3, 2, 3, 3}, 17, 22}, // 17 + 5 = 22 already even
        {{3, 3, 3, 3}, 18, 24},
    };
    for (const TCase& c : cases) {
        skin->Offsets[ovSkinPartButton] = c.Offsets;
        EXPECT_EQ(painter->GetItemHeight(16, c.TextHeight), c.Expected)
            << c.TextHeight << " + " << uiVertMarginsSum(c.Offsets);
    }
    skin->Offsets[ovSkinPartButton] = TRect{2, 3, 5, 3};
    EXPECT_EQ(painter->GetItemWidth(16, 13), 24) << "16 + 7, made even";
    EXPECT_EQ(painter->GetItemWidthIndent(), 7);
    skin->Offsets[ovSkinPartLargeButton] = TRect{4, 1, 6, 2};
    EXPECT_EQ(painter->GetLargeButtonWidthIndent(), 10);
    EXPECT_EQ(painter->GetLargeButtonHeightIndent(), 3);
}

TEST_F(SkinnedPainterTest, TheMetricsTable) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TRect r{};
    painter->BarBorderSizes(toolbar->Bar(), dsTop, r, false);
    EXPECT_EQ(r, skin->GetContentOffsets(ovSkinPartTabGroup)) << "borders are the tab group's offsets";
    struct TCase {
        const char* Name;
        int Value, Expected;
    };
    const TCase cases[] = {
        {"GetButtonArrowWidth", painter->GetButtonArrowWidth(manager), 13},
        {"AutoAlignToolbarOffset", painter->AutoAlignToolbarOffset(), 1},
        {"BarGetExtraIndent", painter->BarGetExtraIndent(), 2},
        {"GetMarkArrowSize.cx", painter->GetMarkArrowSize().cx, 5},
        {"GetMarkArrowSize.cy", painter->GetMarkArrowSize().cy, 4},
        {"GetComboBoxArrowWidth(6)", painter->GetComboBoxArrowWidth(nullptr, 6), 14},
        {"ComboGetButtonIndent", painter->ComboGetButtonIndent(), 0},
        {"SubMenuControlSeparatorHeight", painter->SubMenuControlSeparatorHeight(), 3},
        {"SubMenuControlBorderWidth", painter->SubMenuControlBorderWidth(), 2},
        {"SubMenuControlBorderIndent", painter->SubMenuControlBorderIndent(), 0},
        {"SubMenuControlGetTextVertOffset", painter->SubMenuControlGetTextVertOffset(), 2},
        {"SubMenuControlGetExtraWidth", painter->SubMenuControlGetExtraWidth(), 1},
        {"SubMenuControlSubArrowWidth(19)", painter->SubMenuControlSubArrowWidth(19), 19},
        {"SubMenuControlDetachCaptionHeight(9)", painter->SubMenuControlDetachCaptionHeight(9), 12},
        {"SubMenuControlScrollArrowExtent(22)", painter->SubMenuControlScrollArrowExtent(22), 3},
        {"GetBaseTextSize", painter->GetBaseTextSize(), 22},
        {"DropDownGalleryGetContentOffset", painter->DropDownGalleryGetContentOffset(), 0},
        {"DropDownGalleryGetBorderSize", painter->DropDownGalleryGetBorderSize(), 2},
        {"SpinEditGetArrowSize.cx", painter->SpinEditGetArrowSize(20).cx, 5},
        {"SpinEditGetArrowSize.cy", painter->SpinEditGetArrowSize(20).cy, 3},
        {"SeparatorGetLineSize", painter->SeparatorGetLineSize(), skin->GetPartSize(21)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    TRect offsets{};
    painter->GetButtonCaptionOffsets(offsets);
    EXPECT_EQ(offsets, (TRect{3, 0, 2, 0}));
    EXPECT_TRUE(painter->HasCustomBackground());
    EXPECT_FALSE(painter->AllowLargeIcons());
    EXPECT_FALSE(painter->SubMenuControlHasOwnerLink(Menu()));
    EXPECT_FALSE(painter->EditAllowFocusFrame());
    EXPECT_FALSE(painter->GetHintOption());
    EXPECT_EQ(painter->GetItemFadingOptions(), &skin->FadingOptions);
    EXPECT_EQ(painter->GetPartColor(ovSkinColorItemText, 1), skin->GetPartColor(ovSkinColorItemText, 1));
    skin->Name = "Named";
    std::string name;
    painter->GetSkinName(name);
    EXPECT_EQ(name, "Named");
}

// ---- Bars

TEST_F(SkinnedPainterTest, TheMarkShowsItsStateAndWhetherItemsAreHidden) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TPicture picture = Picture(40, 40);
    const TRect r{10, 5, 21, 30};
    struct TCase {
        int MarkState;
        bool Truncated;
        std::vector<std::string> Expected;
    };
    const TCase cases[] = {
        {0, false, {Drawn(336, 0, r)}},
        {1, false, {Drawn(3, 2, r), Drawn(336, 2, r)}},
        {2, true, {Drawn(3, 4, r), Drawn(337, 4, r)}},
        {3, true, {Drawn(337, 0, r)}},
    };
    for (const TCase& c : cases) {
        toolbar->SetMarkState(c.MarkState);
        toolbar->SetTruncated(c.Truncated);
        skin->Calls.clear();
        painter->BarDrawMark(toolbar, picture.DC(), nullptr, r);
        EXPECT_EQ(skin->TakeDrawn(), c.Expected) << "mark state " << c.MarkState;
    }
}

TEST_F(SkinnedPainterTest, PopupsGetARoundedRegionWhenTheSkinRoundsCorners) {
    HWND window = CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, nullptr, nullptr);
    painter->BarUpdateWindowRegion(window, TRect{0, 0, 60, 40}, false);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR) << "a region was set";
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ(TRect(box), (TRect{0, 0, 61, 41})) << "one pixel beyond the window on the right and bottom";
    HRGN expected = CreateRoundRectRgn(0, 0, 61, 41, 2, 2);
    EXPECT_TRUE(EqualRgn(region, expected)) << "a round rectangle with 2 x 2 corner ellipses";
    DeleteObject(expected);
    skin->RoundedWindowCorners = false;
    painter->BarUpdateWindowRegion(window, TRect{0, 0, 60, 40}, false);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR) << "square corners: no region";
    DeleteObject(region);
    DestroyWindow(window);
}

// ---- Captions and glyphs

TEST_F(SkinnedPainterTest, ALargeDropDownWithAShortCaptionHasItsArrowAloneOnTheSecondLine) {
    TPicture picture = Picture(80, 80);
    TovBarButtonLikeControlDrawParams params(nullptr);
    params.Canvas = picture.Canvas.get();
    params.Canvas->Font()->SetName("Tahoma");
    params.Canvas->Font()->SetHeight(-11);
    params.SetViewSize(ivsLarge);
    params.IsDropDown = true;
    params.Caption = "Paste";
    const int rowHeight = params.Canvas->TextHeight("Wg");
    const TRect r{4, 10, 60, 10 + 2 * rowHeight};
    skinnedPainter->DrawCaption(&params, r, DT_CENTER | DT_SINGLELINE, ovCaptionCentre);
    const TRect secondLine{r.left, r.top + rowHeight, r.right, r.top + 2 * rowHeight};
    EXPECT_EQ(skin->TakeDrawn(), (std::vector<std::string>{Drawn(340, 0, uiCentreRectIn(secondLine, 5, 4))}));
    // A caption of two lines: the arrow follows the text of the second.
    params.Caption = "Paste Special";
    const TRect narrow{4, 10, 40, 10 + 2 * rowHeight};
    skinnedPainter->DrawCaption(&params, narrow, DT_CENTER | DT_SINGLELINE, ovCaptionCentre);
    std::vector<TRect> arrows;
    for (const skin_test::TSkinCall& call : skin->Calls)
        if (call.Operation == "DrawBackground") arrows.push_back(call.R);
    ASSERT_EQ(arrows.size(), 1u);
    const TRect arrow = arrows[0];
    EXPECT_EQ(arrow.top, narrow.top + rowHeight + (rowHeight - 4) / 2) << "on the second line";
    const std::string placeholder = skinnedPainter->GetArrowPlaceholder(&params);
    const int textWidth = params.Canvas->TextWidth("Special") + params.Canvas->TextWidth(placeholder);
    const TRect line = uiCentreRectHorz(TRect{narrow.left, 0, narrow.right, 1}, textWidth);
    EXPECT_EQ(arrow.right, line.right) << "at the end of the placeholder after the text";
    EXPECT_GE(params.Canvas->TextWidth(placeholder.substr(1)), 5) << "the dots are as wide as the arrow";
    params.IsDropDown = false;
    EXPECT_EQ(skinnedPainter->GetArrowPlaceholder(&params), "");
}

TEST_F(SkinnedPainterTest, CheckedMenuEntriesGetTheCheckMarkOrAFrameBehindTheirGlyph) {
    struct TCase {
        const char* Name;
        bool HasGlyph, Enabled, Selected;
        int Part, State;
    };
    const TCase cases[] = {
        {"no glyph", false, true, false, ovSkinPartMenuCheckMark, ovSkinStateNormal},
        {"glyph", true, true, false, ovSkinPartMenuCheck, ovSkinStateNormal},
        {"glyph, selected", true, true, true, ovSkinPartMenuCheck, ovSkinStateHot},
        {"no glyph, disabled", false, false, true, ovSkinPartMenuCheckMark, ovSkinStateDisabled},
    };
    for (const TCase& c : cases) {
        TStandInMenu* menu = Menu();
        TovBarButton* item = Button("Checked", c.HasGlyph ? 2 : -1);
        item->SetButtonStyle(bsChecked);
        item->SetDown(true);
        item->SetEnabled(c.Enabled);
        TovBarItemLink* link = menu->Add(item);
        menu->Layout();
        if (c.Selected) menu->SetSelectedControl(link->Control());
        const TRect window = menu->GetWindowRectLocal();
        TPicture picture = Picture(window.right, window.bottom);
        skin->Calls.clear();
        menu->PaintTo(picture.Canvas.get());
        std::vector<skin_test::TSkinCall> checks;
        for (const skin_test::TSkinCall& call : skin->Calls)
            if (call.Part == ovSkinPartMenuCheck || call.Part == ovSkinPartMenuCheckMark)
                checks.push_back(call);
        ASSERT_EQ(checks.size(), 1u) << c.Name;
        EXPECT_EQ(checks[0].Part, c.Part) << c.Name;
        EXPECT_EQ(checks[0].State, c.State) << c.Name;
        const TRect square = checks[0].R;
        EXPECT_EQ(uiWidthOfRect(square), uiHeightOfRect(square)) << c.Name << ": a square";
        EXPECT_GT(uiWidthOfRect(square), 8) << c.Name;
    }
}

TEST_F(SkinnedPainterTest, AMenuIsDrawnFromItsColumnsBorderSeparatorsAndSelectedEntryParts) {
    TStandInMenu* menu = Menu();
    menu->Add(Button("Open", 1));
    TovBarItemLink* second = menu->Add(Button("Save", 2), true);
    menu->Layout();
    menu->SetSelectedControl(second->Control());
    const TRect window = menu->GetWindowRectLocal();
    TPicture picture = Picture(window.right, window.bottom);
    skin->Calls.clear();
    menu->PaintTo(picture.Canvas.get());
    std::map<int, std::vector<int>> statesByPart;
    for (const skin_test::TSkinCall& call : skin->Calls)
        if (call.Operation == "DrawBackground") statesByPart[call.Part].push_back(call.State);
    EXPECT_EQ(statesByPart.count(ovSkinPartDropDownBorder), 1u) << "the border";
    EXPECT_GE(statesByPart.count(ovSkinPartMenuGlyph), 1u) << "the glyph column";
    EXPECT_GE(statesByPart.count(ovSkinPartMenuSeparatorVert), 1u) << "the line after it";
    EXPECT_GE(statesByPart.count(ovSkinPartMenuContent), 1u) << "the entries' area";
    EXPECT_EQ(statesByPart[ovSkinPartMenuSeparatorHorz], std::vector<int>{ovSkinStateNormal})
        << "the group line";
    EXPECT_EQ(statesByPart[ovSkinPartMenuItemButton], std::vector<int>{ovSkinStateHot})
        << "the selected entry";
}

TEST_F(SkinnedPainterTest, ADetachCaptionAreaWithoutASkinColourKeepsTheBorderPart) {
    TStandInMenu* menu = Menu();
    menu->SetDetachable(true);
    menu->Add(Button("Open", 1));
    menu->Layout();
    ASSERT_EQ(skin->GetPartColor(ovSkinColorMenuDetachCaption, 0), clDefault) << "the base tables have none";
    const TRect window = menu->GetWindowRectLocal();
    TPicture picture = Picture(window.right, window.bottom, clRed);
    menu->PaintTo(picture.Canvas.get());
    // Inside the border, left of the caption band: the border part, not the default colour painted black.
    const TColor inside = picture.At(window.right - 3, 2);
    EXPECT_NE(inside, Rgb(clBlack));
    EXPECT_NE(inside, Rgb(clRed));
}

TEST_F(SkinnedPainterTest, EditsAndSeparatorsTakeTheSkinsColoursByState) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(Button("Edit", 1));
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    TovBarItemControlDrawParams* params = control->DrawParams();
    params->HotPartIndex = 0;
    EXPECT_EQ(painter->EditGetBkColor(control),
              skin->GetPartColor(ovSkinColorEditBackground, ovSkinStateHot));
    params->HotPartIndex = ovNoHotPart;
    params->Enabled = false;
    EXPECT_EQ(painter->EditGetBkColor(control),
              skin->GetPartColor(ovSkinColorEditBackground, ovSkinStateDisabled));
    EXPECT_EQ(painter->EditGetDefaultTextColor(), skin->GetPartColor(ovSkinColorEditText, ovSkinStateNormal));
    EXPECT_EQ(painter->EditGetDisabledTextColor(),
              skin->GetPartColor(ovSkinColorEditText, ovSkinStateDisabled));
    TColor text = clNone, shadow = clNone;
    painter->SeparatorGetTextColors(control, false, false, false, text, shadow);
    EXPECT_EQ(text, skin->GetPartColor(ovSkinColorMenuCaptionText, ovSkinStateDisabled));
    EXPECT_EQ(shadow, text);
    params->Enabled = true;
    params->DrawSelected = true;
    EXPECT_EQ(painter->GetTextColor(control, true, false),
              skin->GetPartColor(ovSkinColorItemText, ovSkinStateHighlighted));
    // The edit frame: the colour of the field's state, the rectangle one pixel smaller either way.
    TovBarSpinEditDrawParams edit(control);
    TPicture picture = Picture(40, 30, clRed);
    edit.Canvas = picture.Canvas.get();
    edit.Focused = true;
    TRect r{5, 5, 35, 25};
    painter->EditDrawFrame(&edit, r);
    EXPECT_EQ(r, (TRect{6, 6, 34, 24}));
    EXPECT_EQ(picture.At(5, 10), Rgb(skin->GetPartColor(ovSkinColorEditFrame, ovSkinStatePressed)));
    edit.HasEditIndent = true;
    TPicture second = Picture(40, 30, clRed);
    edit.Canvas = second.Canvas.get();
    r = TRect{5, 5, 35, 25};
    painter->EditDrawFrame(&edit, r);
    EXPECT_EQ(r, (TRect{6, 6, 34, 24}));
    EXPECT_EQ(second.At(5, 10), Rgb(clRed)) << "an indented edit has no frame";
}

// ---- Fading

TEST_F(SkinnedPainterTest, FadePicturesKeepAlphaAndTheNormalMarkPictureIsTransparent) {
    EXPECT_FALSE(skinnedPainter->FadingImagesNeedOpaque());
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TPicture picture = Picture(30, 30, clRed);
    const TRect r{2, 2, 22, 24};
    skinnedPainter->DrawBarMarkFadeImage(toolbar, picture.DC(), r, 0);
    EXPECT_TRUE(skin->TakeDrawn().empty());
    EXPECT_EQ(picture.Count(Rgb(clRed)), 30 * 30) << "nothing drawn: the bar shows through";
    skinnedPainter->DrawBarMarkFadeImage(toolbar, picture.DC(), r, 1);
    EXPECT_EQ(skin->TakeDrawn(), (std::vector<std::string>{Drawn(3, 3, r)}));

    TPicture buttonPicture = Picture(200, 60);
    TovBarItemControl* control = ToolbarButton("Fade", buttonPicture);
    TPicture fade = Picture(200, 60, clRed);
    control->DrawParams()->HotPartIndex = 0;
    skinnedPainter->DrawItemControlFadeImage(control, fade.Canvas.get(), control->GetBoundsRect());
    EXPECT_EQ(skin->TakeDrawn(), (std::vector<std::string>{Drawn(3, 2, control->GetBoundsRect())}));
    EXPECT_EQ(control->DrawParams()->Canvas, buttonPicture.Canvas.get()) << "the params' canvas is put back";
}

// ---- Spin buttons

TEST_F(SkinnedPainterTest, ASpinButtonHighlightedWhileTheMouseIsOverTheFieldDrawsUnlit) {
    TPicture picture = Picture(40, 40, clRed);
    TovBarSpinEditDrawParams params(nullptr);
    TStandInToolbar* toolbar = Toolbar(dsTop);
    TovBarItemLink* link = toolbar->Add(Button("Spin", 1));
    toolbar->Layout();
    params.BarItemControl = link->Control();
    params.Canvas = picture.Canvas.get();
    const TRect upper{10, 10, 25, 20};
    struct TCase {
        const char* Name;
        int HotPart;
        int State;
        bool Framed;
    };
    const TCase cases[] = {
        {"mouse over the field", 1, ovSkinStateNormal, false},
        {"mouse inside on no part", ovHotPartInside, ovSkinStateNormal, false},
        {"the other button hot", 4, ovSkinStateHighlighted, false},
        {"this button hot", 3, ovSkinStateHot, true},
    };
    for (const TCase& c : cases) {
        params.HotPartIndex = c.HotPart;
        params.DrawSelected = true;
        TPicture fresh = Picture(40, 40, clRed);
        params.Canvas = fresh.Canvas.get();
        skinnedPainter->SpinEditDrawButton(&params, upper, 0);
        const std::vector<std::string> drawn = skin->TakeDrawn();
        ASSERT_GE(drawn.size(), 1u) << c.Name;
        // Unlit buttons reach one pixel down into the lower one; a lit one keeps a frame of its own.
        const TRect face = c.Framed ? uiGrowRect(upper, -1, -1) : TRect{11, 11, 24, 20};
        EXPECT_EQ(drawn[0], Drawn(ovSkinPartEditButton, c.State, face)) << c.Name;
        const TColor frame = Rgb(skin->GetPartColor(ovSkinColorEditButtonFrame, c.State));
        if (c.Framed)
            EXPECT_EQ(fresh.At(upper.left, upper.top + 3), frame) << c.Name;
        else
            EXPECT_EQ(fresh.At(upper.left, upper.top + 3), Rgb(clRed)) << c.Name << ": no frame";
    }
}

// ---- The skin, asked anew; no skin

TEST_F(SkinnedPainterTest, EveryOperationAsksTheSkinAnew) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->Add(Button("One", 1));
    toolbar->Add(Button("Two", 2));
    toolbar->Layout();
    const TRect client = toolbar->GetClientRect();
    TPicture picture = Picture(client.right, client.bottom);
    const int before = skinned.Queries;
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_GT(skinned.Queries, before + 2);
    EXPECT_FALSE(skin->TakeDrawn().empty());
    // A skin change shows at the next paint without telling the painter.
    TRecordingTestSkin other;
    skinned.Skin = &other;
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_TRUE(skin->TakeDrawn().empty()) << "the old skin is not used any more";
    EXPECT_FALSE(other.TakeDrawn().empty());
    skinned.Skin = skin.get();
}

#ifdef NDEBUG
TEST_F(SkinnedPainterTest, WithoutASkinEveryOperationTakesTheOffice11Look) {
    auto office11 = std::make_unique<TovBarOffice11Painter>();
    skinned.Skin = nullptr;
    // The same toolbar, menu and metrics with the skin-less skinned painter and the Office11 painter.
    auto paintToolbar = [&](TovBarPainter* APainter) {
        TStandInToolbar* toolbar = Toolbar(dsTop);
        toolbar->SetPainter(APainter);
        toolbar->Add(Button("Open", 1));
        TovBarButton* hot = Button("Save", 2);
        toolbar->Add(hot, true);
        toolbar->Layout();
        const TSize size = toolbar->DockedWindowSize();
        TPicture picture = Picture(size.cx, size.cy);
        toolbar->PaintDockedTo(picture.Canvas.get());
        return picture;
    };
    TPicture skinless = paintToolbar(painter.get());
    TPicture plain = paintToolbar(office11.get());
    ASSERT_EQ(skinless.Bitmap->Width(), plain.Bitmap->Width());
    ASSERT_EQ(skinless.Bitmap->Height(), plain.Bitmap->Height());
    for (int y = 0; y < plain.Bitmap->Height(); ++y)
        for (int x = 0; x < plain.Bitmap->Width(); ++x)
            ASSERT_EQ(skinless.At(x, y), plain.At(x, y)) << "pixel " << x << ", " << y;
    EXPECT_EQ(painter->GetItemHeight(16, 13), office11->GetItemHeight(16, 13));
    EXPECT_EQ(painter->GetBaseTextSize(), office11->GetBaseTextSize());
    EXPECT_EQ(painter->SubMenuControlBorderWidth(), office11->SubMenuControlBorderWidth());
    TRect a{}, b{};
    painter->BarBorderSizes(nullptr, dsTop, a, false);
    office11->BarBorderSizes(nullptr, dsTop, b, false);
    EXPECT_EQ(a, b);
    EXPECT_EQ(painter->GetItemFadingOptions(), nullptr);
    HWND window = CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 60, 40, nullptr, nullptr, nullptr, nullptr);
    painter->BarUpdateWindowRegion(window, TRect{0, 0, 60, 40}, false);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR) << "no skin, no rounded corners";
    DeleteObject(region);
    DestroyWindow(window);
    standIns.clear();
    skinned.Skin = skin.get();
}
#else
TEST_F(SkinnedPainterTest, WithoutASkinDebugBuildsStopAtTheAccessor) {
    skinned.Skin = nullptr;
    EXPECT_DEATH(skinnedPainter->GetSkin(), "has no skin");
    skinned.Skin = skin.get();
}
#endif

} // namespace
