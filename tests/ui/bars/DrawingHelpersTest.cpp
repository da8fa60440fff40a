// The bars' drawing helpers: arrow sizes and colours, glyph draw modes and the per-control glyph cache,
// tiling anchored across controls, the transparent size grip, the checker brush, frames, the menu fade,
// sounds, mouse buttons and the designer's selectable-object list.
#include "BarPaintingTestSupport.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/List.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Screen.h"
#include "platform/win/Sound.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSelectableItem.h"
#include "ui/bars/painting/BarArrows.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarGlyphs.h"
#include "ui/bars/painting/BarSelectables.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ImageDrawing.h"

using namespace bars_test;

namespace {

class DrawingHelpersTest : public BarPaintingTest {};

// The columns a colour covers on a row.
int Span(const BarPaintingTest::TPicture& APicture, int Y, TColor AColor, int AWidth) {
    int count = 0;
    for (int x = 0; x < AWidth; ++x)
        if (APicture.At(x, Y) == Rgb(AColor)) ++count;
    return count;
}

TEST_F(DrawingHelpersTest, AutomaticArrowSizeFollowsTheWidth) {
    struct TCase {
        int Width, Size;
    };
    for (const TCase c : {TCase{13, 3}, TCase{14, 3}, TCase{15, 4}, TCase{16, 3}, TCase{17, 5}}) {
        EXPECT_EQ(ArrowSizeForRect(TRect{0, 0, c.Width, 20}, ovBarArrowDown), c.Size) << "width " << c.Width;
        TPicture picture = Picture(c.Width, 20);
        DrawArrowAuto(picture.DC(), TRect{0, 0, c.Width, 20}, ovBarArrowDown, true, false, false, clDefault);
        int widest = 0;
        for (int y = 0; y < 20; ++y)
            widest = std::max(widest, Span(picture, y, clBtnText, c.Width));
        EXPECT_EQ(widest, 2 * c.Size - 1) << "width " << c.Width;
    }
}

TEST_F(DrawingHelpersTest, DisabledArrowsAreEmbossedUnlessFlatOrGivenAColour) {
    TPicture embossed = Picture(20, 20, clBlack);
    PaintTriangleArrow(embossed.DC(), TRect{0, 0, 20, 20}, true, 4, false, false, false, clDefault);
    EXPECT_GT(embossed.Count(clBtnShadow), 0);
    EXPECT_GT(embossed.Count(clBtnHighlight), 0) << "the highlight edge";
    TPicture flat = Picture(20, 20, clBlack);
    PaintTriangleArrow(flat.DC(), TRect{0, 0, 20, 20}, true, 4, false, false, true, clRed);
    EXPECT_GT(flat.Count(clRed), 0);
    EXPECT_EQ(flat.Count(clBtnHighlight), 0);
    TPicture selected = Picture(20, 20, clBlack);
    PaintTriangleArrow(selected.DC(), TRect{0, 0, 20, 20}, false, 4, true, true, false, clDefault);
    EXPECT_GT(selected.Count(clHighlightText), 0);
}

TEST_F(DrawingHelpersTest, GlyphDrawModes) {
    struct TCase {
        TovGlyphDrawState State;
        int Depth;
        TuiGlyphDrawMode Mode;
    };
    auto state = [](bool AEnabled, bool AGray, bool AFlat, bool ASelected, bool ADown, bool APressed,
                    bool AShadow, bool AFaded) {
        return TovGlyphDrawState{AEnabled, AGray, AFlat, ASelected, ADown, APressed, AShadow, AFaded};
    };
    const TCase cases[] = {
        {state(true, false, true, false, false, false, false, false), 32, gdmLight},
        {state(true, false, true, false, false, false, false, false), 8, gdmNormal},
        {state(true, false, true, true, false, false, true, false), 32, gdmShadowed},
        {state(true, false, true, true, false, true, true, false), 32, gdmNormal},
        {state(false, true, true, true, false, false, true, true), 32, gdmFaded},
        {state(false, true, true, true, false, false, true, false), 32, gdmDisabled},
        {state(true, true, true, false, false, false, false, false), 32, gdmGrayScale},
        {state(true, false, false, false, false, false, true, false), 32, gdmNormal},
        {state(true, false, true, false, true, false, false, false), 32, gdmNormal},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        ovBarSetScreenColorDepth(cases[i].Depth);
        EXPECT_EQ(ChooseGlyphDrawMode(cases[i].State), cases[i].Mode) << "case " << i;
    }
    ovBarSetScreenColorDepth(32);
}

TEST_F(DrawingHelpersTest, TheGlyphCacheIsReusedAndRebuiltWhenTheSourceChanges) {
    int transforms = 0;
    uiDrawImageHook = [&](TuiCanvas*, TCustomImageList*, int, TuiGlyphDrawMode, const TRect&, TBitmap*) {
        ++transforms;
        return false;
    };
    TovBarButton* item = Button("Cached", 0);
    bar_standins::TStandInToolbar* toolbar = Toolbar();
    TovBarItemLink* link = toolbar->Add(item);
    toolbar->Layout();
    TPicture picture = Picture(60, 30);
    TovBarItemControl* control = link->Control();
    auto glyphCentre = [&]() {
        const TRect r = control->ViewInfo()->ImageBounds;
        return picture.At((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    toolbar->PaintTo(picture.Canvas.get());
    const TColor disc = glyphCentre();
    EXPECT_EQ(transforms, 1);
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(transforms, 1) << "drawn again from the cache";
    link->ImageIndex = 1;
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(transforms, 2) << "a new image index of the link is a new picture";
    EXPECT_NE(glyphCentre(), disc);
    link->ImageIndex = -1;
    item->SetImageIndex(2);
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(transforms, 3) << "and so is one of the item";
    item->SetEnabled(false);
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(transforms, 4) << "another mode";
    manager->ImageOptions()->CacheGlyphs = false;
    toolbar->PaintTo(picture.Canvas.get());
    toolbar->PaintTo(picture.Canvas.get());
    EXPECT_EQ(transforms, 6) << "without the cache every paint transforms";
    uiDrawImageHook = nullptr;
}

TEST_F(DrawingHelpersTest, TilesLineUpWithTheTilingAnchoredAtZero) {
    auto bitmap = graphics_test::MakeBitmap(4, 4, clWhite);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            bitmap->Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(x * 60, y * 60, 100)));
    TPicture picture = Picture(40, 40, clBlack);
    TileBitmapOverRect(picture.DC(), TRect{10, 10, 20, 20}, TRect{3, 5, 13, 15}, bitmap.get());
    EXPECT_EQ(picture.At(10, 10), static_cast<TColor>(RGB(3 * 60, 1 * 60, 100)))
        << "origin (3, 5) of the tiling";
    EXPECT_EQ(picture.At(11, 10), static_cast<TColor>(RGB(0, 1 * 60, 100)));
    EXPECT_EQ(picture.At(9, 10), Rgb(clBlack)) << "nothing outside R";
    TPicture untouched = Picture(20, 20, clBlack);
    TileBitmapOverRect(untouched.DC(), TRect{0, 0, 20, 20}, TRect{0, 0, 0, 20}, bitmap.get());
    TBitmap empty;
    TileBitmapOverRect(untouched.DC(), TRect{0, 0, 20, 20}, TRect{0, 0, 20, 20}, &empty);
    EXPECT_EQ(untouched.Count(clBlack), 400) << "an empty origin or picture draws nothing";
    FillRectBrushColorOrBitmap(untouched.DC(), TRect{0, 0, 5, 5}, TRect{0, 0, 5, 5}, &empty, clRed, nullptr);
    EXPECT_EQ(untouched.At(2, 2), Rgb(clRed)) << "an empty picture fills with the colour";
}

TEST_F(DrawingHelpersTest, TheSizeGripLeavesTheBackgroundUnderItsFace) {
    TPicture picture = Picture(17, 17, clRed);
    DrawSizeGrip(picture.DC(), TRect{0, 0, 17, 17});
    EXPECT_EQ(picture.At(1, 1), Rgb(clRed)) << "the face is transparent";
    EXPECT_EQ(picture.Count(clBtnFace), 0);
    EXPECT_GT(picture.Count(clBtnShadow), 0) << "the ridges are drawn";
}

TEST_F(DrawingHelpersTest, PatternBrushFramesAndFocusRings) {
    TPicture pattern = Picture(8, 8);
    const TRect all{0, 0, 8, 8};
    FillRect(pattern.DC(), &all, ovBarPatternBrush());
    EXPECT_EQ(pattern.At(0, 0), Rgb(clBtnFace));
    EXPECT_EQ(pattern.At(1, 0), Rgb(clBtnHighlight));
    EXPECT_EQ(pattern.At(1, 1), Rgb(clBtnFace));

    TPicture frame = Picture(10, 10);
    FrameRectTwice(frame.DC(), TRect{0, 0, 10, 10}, COLOR_BTNSHADOW);
    EXPECT_EQ(frame.At(1, 1), Rgb(clBtnShadow));
    EXPECT_EQ(frame.At(2, 2), Rgb(clWhite));

    TPicture rings = Picture(10, 10);
    DrawDottedFocusRings(rings.DC(), TRect{0, 0, 10, 10});
    EXPECT_EQ(rings.At(0, 0), Rgb(clBtnText));
    EXPECT_EQ(rings.At(1, 0), Rgb(clWhite)) << "odd x + y stays";
    EXPECT_EQ(rings.At(1, 1), Rgb(clBtnText)) << "the inner ring";
    EXPECT_EQ(rings.At(3, 3), Rgb(clWhite));
}

// Records every alpha the fade sets.
std::vector<int>* RecordedAlphas = nullptr;
BOOL RecordAlpha(HWND AWnd, COLORREF AKey, BYTE AAlpha, DWORD AFlags) {
    RecordedAlphas->push_back(AAlpha);
    return SetLayeredWindowAttributes(AWnd, AKey, AAlpha, AFlags);
}

TEST_F(DrawingHelpersTest, AFadeStepsItsAlphaOnTheClockAndWaitsBetweenSteps) {
    HWND window = CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    std::vector<int> alphas;
    RecordedAlphas = &alphas;
    const TovLayeredWindowEntry previous = ovBarLayeredWindowEntry();
    ovBarSetLayeredWindowEntry(&RecordAlpha);
    int waits = 0;
    const std::function<void()> wait = ovBarFadeStepWait();
    ovBarFadeStepWait() = [&] {
        ++waits;
        clock->Advance(10);
    };
    FadeInWindow(window, 50);
    EXPECT_EQ(alphas, (std::vector<int>{0, 0, 51, 102, 153, 204, 255}));
    EXPECT_EQ(waits, 5) << "a pause between the steps, none after the last";
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindowLong(window, GWL_EXSTYLE) & LONG(WS_EX_LAYERED), 0) << "the style is put back";

    HWND second = CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    alphas.clear();
    FadeInWindow(second, 0);
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_TRUE(alphas.empty()) << "no time: shown at once";
    HWND third = CreateWindowEx(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ovBarSetLayeredWindowEntry(nullptr);
    FadeInWindow(third, 100);
    EXPECT_TRUE(IsWindowVisible(third)) << "no window alpha: shown at once";
    EXPECT_EQ(waits, 5);

    ovBarFadeStepWait() = wait;
    ovBarSetLayeredWindowEntry(previous);
    RecordedAlphas = nullptr;
}

TEST_F(DrawingHelpersTest, MenuSoundsAndTheirStop) {
    olva::win::ResetSoundRequests();
    ovBarPlaySound(bsMenuPopup);
    EXPECT_EQ(olva::win::LastSoundRequest().Name, "MenuPopup");
    EXPECT_EQ(olva::win::LastSoundRequest().Flags, SND_ALIAS | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC);
    ovBarStopSound();
    EXPECT_TRUE(olva::win::LastSoundRequest().Stop);
    olva::win::ResetSoundRequests();
    ovBarSetMenuSounds(false);
    ovBarPlaySound(bsMenuCommand);
    EXPECT_FALSE(olva::win::LastSoundRequest().Made) << "menu sounds off";
    ovBarSetMenuSounds(true);
}

TEST_F(DrawingHelpersTest, ThePrimaryButtonIsThePhysicalRightOneWhenSwapped) {
    olva::win::InjectMouse(olva::win::MouseAction::RightDown, 5, 5);
    olva::win::PumpMessages();
    EXPECT_FALSE(PrimaryButtonIsDown());
    EXPECT_TRUE(SecondaryButtonIsDown());
    olva::win::SetSystemMetricOverride(SM_SWAPBUTTON, 1);
    EXPECT_TRUE(PrimaryButtonIsDown());
    EXPECT_FALSE(SecondaryButtonIsDown());
    olva::win::InjectMouse(olva::win::MouseAction::RightUp, 5, 5);
    olva::win::PumpMessages();
}

class Selectable : public TObject, public IovBarSelectableItem {
public:
    bool IsSelected() override { return false; }
    void SelectionChanged() override {}
    void Select(bool) override {}
    void Deselect() override {}
    bool CanDelete(bool) override { return true; }
    void DeleteSelection(bool) override {}
    TObject* GetSelectableParent() override { return nullptr; }
    TovBarManager* GetBarManager() override { return nullptr; }
    void Invalidate() override {}
};

TEST(SelectableItems, PruningKeepsOnlySelectableObjectsInOrder) {
    Selectable a, c;
    TObject b, d;
    TList list;
    for (TObject* object : {static_cast<TObject*>(&a), &b, static_cast<TObject*>(&c), &d})
        list.Add(object);
    PruneSelectableItems(&list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), static_cast<TObject*>(&a));
    EXPECT_EQ(list.Items(1), static_cast<TObject*>(&c));
    EXPECT_EQ(SelectableItemOf(&b), nullptr);
    EXPECT_TRUE(HasSelectableItemInterface(&a));
}

} // namespace
