// The image slider: its geometry, value and position mapping, keys, mouse and paging, tick marks,
// pictures and property rules, driven through the window system's scripted input.
#include "source/controls/ImageSlider.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "tests/vcl/StdCtrlsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace image_slider_test {

using stdctrls_test::StdCtrlsTest;

class ImageSliderTest : public StdCtrlsTest {
protected:
    // A slider of the given size on the form (vertical ones are turned first, then sized).
    TImageSlider* Make(int Width, int Height, TSliderOrientation Orientation = soHorizontal,
                       TBevelCut Bevel = bvNone) {
        auto* slider = new TImageSlider(form);
        slider->SetParent(form);
        slider->SetOrientation(Orientation);
        slider->SetBounds(10, 10, Width, Height);
        slider->SetBevelStyle(Bevel);
        slider->OnChange = TNotifyEvent([this](TObject*) { ++Changes; }, this);
        slider->OnChanged = TNotifyEvent([this](TObject*) { ++Endings; }, this);
        return slider;
    }
    int Changes = 0;
    int Endings = 0;
};

// ---- Geometry ---------------------------------------------------------------------------------------

struct TGeometryCase {
    std::string Name;
    int Width, Height;
    TSliderOrientation Orientation;
    TBevelCut Bevel;
    SIZE Ruler;
    POINT RulerAt;
    RECT ThumbAtMinimum;
    int TrackStart, TrackLength, TickOrigin;
};

class SliderGeometry : public ImageSliderTest, public testing::WithParamInterface<TGeometryCase> {};

TEST_P(SliderGeometry, RulerThumbTrackAndTicksFollowTheSize) {
    const TGeometryCase& c = GetParam();
    TImageSlider* slider = Make(c.Width, c.Height, c.Orientation, c.Bevel);
    EXPECT_EQ(slider->RulerBitmap()->Width(), c.Ruler.cx);
    EXPECT_EQ(slider->RulerBitmap()->Height(), c.Ruler.cy);
    EXPECT_EQ(slider->RulerOrigin().x, c.RulerAt.x);
    EXPECT_EQ(slider->RulerOrigin().y, c.RulerAt.y);
    const RECT thumb = slider->ThumbRect();
    EXPECT_EQ(thumb.left, c.ThumbAtMinimum.left);
    EXPECT_EQ(thumb.top, c.ThumbAtMinimum.top);
    EXPECT_EQ(thumb.right, c.ThumbAtMinimum.right);
    EXPECT_EQ(thumb.bottom, c.ThumbAtMinimum.bottom);
    EXPECT_EQ(slider->TrackStart(), c.TrackStart);
    EXPECT_EQ(slider->TrackLength(), c.TrackLength);
    EXPECT_EQ(slider->TickOrigin(), c.TickOrigin);
    // Every position maps into the range; a slider with no travel gives its minimum.
    for (int p = -20; p < c.Width + c.Height; p += 7) {
        const int v = slider->PosToValue(p);
        EXPECT_GE(v, slider->MinValue());
        EXPECT_LE(v, slider->MaxValue());
        if (c.TrackLength == 0) EXPECT_EQ(v, slider->MinValue());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderGeometry,
    testing::Values(
        // 138 = 150 - 12; the 13-pixel thumb is taller than the 8-pixel ruler, so the ruler is centred on it.
        TGeometryCase{
            "DefaultHorizontal", 150, 40, soHorizontal, bvNone, {138, 8}, {6, 8}, {6, 6, 26, 19}, 6, 118, 20},
        TGeometryCase{"HorizontalWithBevel",
                      150,
                      40,
                      soHorizontal,
                      bvLowered,
                      {136, 8},
                      {7, 9},
                      {7, 7, 27, 20},
                      7,
                      116,
                      21},
        // Vertical sliders keep their minimum at the bottom: 150 - 6 - 20 = 124.
        TGeometryCase{
            "Vertical", 40, 150, soVertical, bvNone, {8, 138}, {8, 6}, {6, 124, 19, 144}, 6, 118, 20},
        TGeometryCase{"VerticalWithBevel",
                      40,
                      150,
                      soVertical,
                      bvRaised,
                      {8, 136},
                      {9, 7},
                      {7, 123, 20, 143},
                      7,
                      116,
                      21},
        // A ruler exactly as long as the thumb leaves no travel; smaller ones build no ruler at all.
        TGeometryCase{
            "RulerAsLongAsThumb", 32, 40, soHorizontal, bvNone, {20, 8}, {6, 8}, {6, 6, 26, 19}, 6, 0, 20},
        TGeometryCase{
            "NarrowerThanTheMargins", 10, 40, soHorizontal, bvNone, {0, 8}, {6, 8}, {6, 6, 26, 19}, 6, 0, 20},
        TGeometryCase{
            "VerticalTooShort", 40, 8, soVertical, bvNone, {8, 0}, {8, 6}, {6, 6, 19, 26}, 6, 0, 20}),
    [](const auto& info) { return info.param.Name; });

// ---- Values and positions -------------------------------------------------------------------------------

struct TValueCase {
    std::string Name;
    TSliderOrientation Orientation;
    int Min, Max, Value, Pos;
};

class ValueToPos : public ImageSliderTest, public testing::WithParamInterface<TValueCase> {};

TEST_P(ValueToPos, RoundsHalvesToEven) {
    const TValueCase& c = GetParam();
    TImageSlider* slider = c.Orientation == soHorizontal ? Make(150, 40) : Make(40, 150, soVertical);
    slider->SetRange(c.Min, c.Max);
    EXPECT_EQ(slider->ValueToPos(c.Value), c.Pos);
    slider->SetValue(c.Value);
    const RECT thumb = slider->ThumbRect();
    EXPECT_EQ(c.Orientation == soHorizontal ? thumb.left : thumb.top, c.Pos);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValueToPos,
                         testing::Values(TValueCase{"Middle", soHorizontal, 0, 100, 50, 65},
                                         TValueCase{"Minimum", soHorizontal, 0, 100, 0, 6},
                                         TValueCase{"Maximum", soHorizontal, 0, 100, 100, 124},
                                         // 118 * 30 / 40 = 88.5 goes to the even 88.
                                         TValueCase{"NegativeRangeHalfDown", soHorizontal, -40, 0, -10, 94},
                                         // 118 * 3 / 236 = 1.5 goes to 2; 0.5 goes to 0.
                                         TValueCase{"HalfUp", soHorizontal, 0, 236, 3, 8},
                                         TValueCase{"HalfDown", soHorizontal, 0, 236, 1, 6},
                                         TValueCase{"VerticalMinimumAtBottom", soVertical, 0, 100, 0, 124},
                                         TValueCase{"VerticalMaximumAtTop", soVertical, 0, 100, 100, 6},
                                         TValueCase{"VerticalMiddle", soVertical, 0, 100, 50, 65}),
                         [](const auto& info) { return info.param.Name; });

struct TPosCase {
    std::string Name;
    bool Smooth;
    int Pos, Value;
};

class PosToValue : public ImageSliderTest, public testing::WithParamInterface<TPosCase> {};

// Over 0..118 each pixel of the 118-pixel track is worth one: the position tells the value exactly.
TEST_P(PosToValue, SnapsToIncrementWithoutSmooth) {
    const TPosCase& c = GetParam();
    TImageSlider* slider = Make(150, 40);
    slider->SetRange(0, 118);
    slider->SetIncrement(10);
    slider->SetOptions(c.Smooth ? TSliderOptions{soSmooth} : TSliderOptions{});
    EXPECT_EQ(slider->PosToValue(c.Pos), c.Value);
}

INSTANTIATE_TEST_SUITE_P(Cases, PosToValue,
                         testing::Values(TPosCase{"FortyFourSnapsDown", false, 50, 40},
                                         TPosCase{"FortySixSnapsUp", false, 52, 50},
                                         TPosCase{"FortyFiveGoesToEven", false, 51, 40},
                                         TPosCase{"FiftyFiveGoesToEven", false, 61, 60},
                                         TPosCase{"SmoothKeepsFortyFive", true, 51, 45},
                                         TPosCase{"BeforeTheStart", true, 0, 0},
                                         TPosCase{"PastTheEnd", true, 200, 118}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ImageSliderTest, VerticalPositionsCountFromTheBottom) {
    TImageSlider* slider = Make(40, 150, soVertical);
    EXPECT_EQ(slider->PosToValue(124), 0);
    EXPECT_EQ(slider->PosToValue(6), 100);
    EXPECT_EQ(slider->PosToValue(65), 50);
}

// ---- Keys
// --------------------------------------------------------------------------------------------------

struct TKeyCase {
    std::string Name;
    TSliderOrientation Orientation;
    int Start, Key, Value;
    int Changes, Endings;
};

class SliderKeys : public ImageSliderTest, public testing::WithParamInterface<TKeyCase> {};

TEST_P(SliderKeys, StepToMultiplesOfTheIncrement) {
    const TKeyCase& c = GetParam();
    TImageSlider* slider = c.Orientation == soHorizontal ? Make(150, 40) : Make(40, 150, soVertical);
    slider->SetValue(c.Start);
    ShowForm();
    slider->SetFocus();
    Changes = Endings = 0;
    Key(c.Key);
    EXPECT_EQ(slider->Value(), c.Value);
    EXPECT_EQ(Changes, c.Changes);
    EXPECT_EQ(Endings, c.Endings);
}

INSTANTIATE_TEST_SUITE_P(Cases, SliderKeys,
                         testing::Values(
                             // 15 / 10 = 1.5 rounds to 2: Right gives 30, Left 10.
                             TKeyCase{"RightFromFifteen", soHorizontal, 15, VK_RIGHT, 30, 1, 1},
                             TKeyCase{"LeftFromFifteen", soHorizontal, 15, VK_LEFT, 10, 1, 1},
                             TKeyCase{"Home", soHorizontal, 15, VK_HOME, 0, 1, 1},
                             TKeyCase{"End", soHorizontal, 15, VK_END, 100, 1, 1},
                             // At the end: the action still ends (OnChanged) but nothing changed.
                             TKeyCase{"RightAtTheEnd", soHorizontal, 100, VK_RIGHT, 100, 0, 1},
                             TKeyCase{"UpIsNotAHorizontalKey", soHorizontal, 15, VK_UP, 15, 0, 0},
                             TKeyCase{"VerticalUp", soVertical, 15, VK_UP, 30, 1, 1},
                             TKeyCase{"VerticalDown", soVertical, 15, VK_DOWN, 10, 1, 1},
                             TKeyCase{"RightIsNotAVerticalKey", soVertical, 15, VK_RIGHT, 15, 0, 0}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ImageSliderTest, KeysWithModifiersPassOn) {
    TImageSlider* slider = Make(150, 40);
    slider->SetValue(50);
    ShowForm();
    slider->SetFocus();
    Chord({VK_SHIFT}, VK_RIGHT);
    Chord({VK_CONTROL}, VK_HOME);
    EXPECT_EQ(slider->Value(), 50);
    EXPECT_EQ(Endings, 0);
}

// ---- Mouse
// ---------------------------------------------------------------------------------------------------

TEST_F(ImageSliderTest, DraggingTheThumbFollowsThePointerAndEndsOnce) {
    TImageSlider* slider = Make(150, 40);
    ShowForm();
    MouseDown(slider, 10, 12); // 4 pixels into the thumb at value 0
    EXPECT_TRUE(slider->Focused());
    MouseMoveTo(slider, 10 + 59, 12);
    EXPECT_EQ(slider->Value(), 50);
    EXPECT_EQ(slider->ThumbRect().left, 65);
    MouseMoveTo(slider, 400, 30); // far beyond the end: the maximum
    EXPECT_EQ(slider->Value(), 100);
    EXPECT_EQ(Endings, 0);
    MouseUp(slider, 400, 30);
    EXPECT_EQ(Endings, 1);
    EXPECT_EQ(Changes, 2);
    MouseMoveTo(slider, 20, 12); // released: moving does nothing
    EXPECT_EQ(slider->Value(), 100);
}

TEST_F(ImageSliderTest, TheHandCursorShowsOverTheThumbOnly) {
    TImageSlider* slider = Make(150, 40);
    ShowForm();
    MouseMoveTo(slider, 16, 12);
    EXPECT_EQ(::GetCursor(), ::Screen()->Cursors(crHandPoint));
    MouseMoveTo(slider, 100, 12);
    EXPECT_NE(::GetCursor(), ::Screen()->Cursors(crHandPoint));
}

TEST_F(ImageSliderTest, PressingTheRulerStepsAtOnceThenEvery400MsUntilTheThumbReachesThePointer) {
    TImageSlider* slider = Make(150, 40);
    ShowForm();
    MouseDown(slider, 100, 12);
    EXPECT_EQ(slider->Value(), 10);
    Advance(399);
    EXPECT_EQ(slider->Value(), 10);
    Advance(1);
    EXPECT_EQ(slider->Value(), 20);
    for (int i = 0; i < 10; ++i)
        Advance(400);
    // At 70 the thumb (89..109) covers the pointer at 100: the stepping rests there.
    EXPECT_EQ(slider->Value(), 70);
    EXPECT_EQ(Changes, 7);
    EXPECT_EQ(Endings, 0);
    MouseUp(slider, 100, 12);
    EXPECT_EQ(Endings, 1);
    Advance(800);
    EXPECT_EQ(slider->Value(), 70);
}

TEST_F(ImageSliderTest, PagingFollowsThePointerAndPressesBesideTheRulerDoNothing) {
    TImageSlider* slider = Make(150, 40);
    slider->SetValue(100);
    ShowForm();
    MouseDown(slider, 30, 12); // left of the thumb: down
    EXPECT_EQ(slider->Value(), 90);
    MouseMoveTo(slider, 140, 12); // the pointer now lies behind the direction of paging
    Advance(400);
    EXPECT_EQ(slider->Value(), 90);
    MouseUp(slider, 140, 12);
    Advance(1000);
    // 3 pixels beyond the ruler across the track still page; 4 do not.
    Click(slider, 30, 8 + 8 + 2);
    EXPECT_EQ(slider->Value(), 80);
    Click(slider, 30, 8 + 8 + 3);
    EXPECT_EQ(slider->Value(), 80);
}

TEST_F(ImageSliderTest, ThumbShowsItsSecondPictureWhilePressedAndWhenDisabled) {
    TImageSlider* slider = Make(150, 40);
    ShowForm();
    const TColor normal = ColorAt(slider, 10, 12);
    MouseDown(slider, 10, 12);
    const TColor pressed = ColorAt(slider, 10, 12);
    MouseUp(slider, 10, 12);
    EXPECT_NE(normal, pressed);
    EXPECT_EQ(ColorAt(slider, 10, 12), normal);
    slider->SetEnabled(false);
    EXPECT_EQ(ColorAt(slider, 10, 12), pressed);
    // The picture's magenta corners never show.
    EXPECT_NE(ColorAt(slider, 6, 6), clFuchsia);
    EXPECT_EQ(ColorAt(slider, 6, 6), ColorAt(slider, 3, 3));
}

// ---- Tick marks ------------------------------------------------------------------------------------------

struct TTickCase {
    std::string Name;
    int Min, Max, Increment;
    std::vector<int> TickValues;
};

class SliderTicks : public ImageSliderTest, public testing::WithParamInterface<TTickCase> {};

TEST_P(SliderTicks, StandAtLeastFourPixelsApartWithLongerEnds) {
    const TTickCase& c = GetParam();
    TImageSlider* slider = Make(150, 40);
    slider->SetRange(c.Min, c.Max);
    slider->SetIncrement(c.Increment);
    slider->SetOptions(TSliderOptions{soShowPoints, soSmooth}); // no focus frame across the ticks
    ShowForm();
    const TColor background = ColorAt(slider, 2, 30);
    std::vector<int> expected;
    for (int v : c.TickValues)
        expected.push_back(slider->ValueToPos(v) + 10);
    std::vector<int> found;
    for (int x = 0; x < 150; ++x)
        if (ColorAt(slider, x, 20) != background) found.push_back(x);
    EXPECT_EQ(found, expected);
    // The end ticks are 5 pixels long, the others 3.
    EXPECT_NE(ColorAt(slider, expected.front(), 24), background);
    EXPECT_NE(ColorAt(slider, expected.back(), 24), background);
    EXPECT_NE(ColorAt(slider, expected[1], 22), background);
    EXPECT_EQ(ColorAt(slider, expected[1], 23), background);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliderTicks,
    testing::Values(
        TTickCase{"EveryIncrement", 0, 100, 10, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        // Steps of 1 would lie 1 pixel apart; every fourth value is the first spacing of 4 pixels.
        TTickCase{"SpacedOut", 0, 100, 1, {0,  4,  8,  12, 16, 20, 24, 28, 32, 36, 40, 44, 48,
                                           52, 56, 60, 64, 68, 72, 76, 80, 84, 88, 92, 96, 100}},
        // The last tick is always the maximum, whatever the step.
        TTickCase{"LastIsTheMaximum", 0, 95, 20, {0, 20, 40, 60, 80, 95}}),
    [](const auto& info) { return info.param.Name; });

// ---- Properties ------------------------------------------------------------------------------------------

TEST_F(ImageSliderTest, RangeRulesKeepMinBelowMaxAndIncrementWithinTheRange) {
    TImageSlider* slider = Make(150, 40);
    slider->SetValue(50);
    slider->SetMaxValue(0); // not above the minimum: ignored
    EXPECT_EQ(slider->MaxValue(), 100);
    slider->SetRange(0, 5); // the increment of 10 no longer fits
    EXPECT_EQ(slider->Increment(), 5);
    EXPECT_EQ(slider->Value(), 5);
    EXPECT_EQ(Changes, 2);
    try {
        slider->SetIncrement(6);
        FAIL() << "no error";
    } catch (const ERangeError& e) {
        EXPECT_EQ(e.Message(), "Value must be between 1 and 5");
    }
    EXPECT_THROW(slider->SetIncrement(0), ERangeError);
    EXPECT_EQ(slider->Increment(), 5);
    Changes = 0;
    slider->SetValue(5); // the same value again: no change event
    EXPECT_EQ(Changes, 0);
    slider->SetValue(-3);
    EXPECT_EQ(slider->Value(), 0);
}

TEST_F(ImageSliderTest, TurningASliderSwapsItsSizeAndMovesTheMinimumToTheBottom) {
    TImageSlider* slider = Make(150, 40);
    slider->SetOrientation(soVertical);
    EXPECT_EQ(slider->Width(), 40);
    EXPECT_EQ(slider->Height(), 150);
    EXPECT_EQ(slider->ThumbRect().top, 124);
}

TEST_F(ImageSliderTest, DefaultPicturesAre24BitWithMagentaBottomLeft) {
    TImageSlider* slider = Make(150, 40);
    const SIZE sizes[4] = {{40, 13}, {10, 8}, {26, 20}, {8, 10}};
    for (int i = 0; i < 4; ++i) {
        TBitmap* image = slider->Image(static_cast<TSliderImage>(i));
        EXPECT_EQ(image->Width(), sizes[i].cx) << SliderImageName(static_cast<TSliderImage>(i));
        EXPECT_EQ(image->Height(), sizes[i].cy);
        EXPECT_EQ(image->PixelFormat(), pf24bit);
        EXPECT_EQ(image->TransparentColor(), clFuchsia);
    }
    EXPECT_EQ(slider->UserImages(), 0);
}

TEST_F(ImageSliderTest, UserPicturesChangeTheLayoutAndNoneRestoresTheDefault) {
    TImageSlider* slider = Make(150, 40);
    slider->SetOptions(TSliderOptions{soThumbOpaque, soRulerOpaque});
    TBitmap thumb(60, 30); // two 30 x 30 knobs
    slider->SetImageHThumb(&thumb);
    EXPECT_EQ(slider->UserImages(), 1);
    EXPECT_EQ(slider->ThumbRect().right - slider->ThumbRect().left, 30);
    EXPECT_EQ(slider->TrackLength(), 138 - 30);
    EXPECT_EQ(slider->RulerOrigin().y, 6 + (30 - 8) / 2);
    EXPECT_EQ(slider->TickOrigin(), 30 + 7);
    slider->SetNumThumbStates(1);
    EXPECT_EQ(slider->ThumbRect().right - slider->ThumbRect().left, 60);
    slider->SetImageHThumb(nullptr);
    EXPECT_EQ(slider->UserImages(), 0);
    EXPECT_EQ(slider->ImageHThumb()->Width(), 40);
    EXPECT_FALSE(slider->Options().Contains(soThumbOpaque));
    EXPECT_TRUE(slider->Options().Contains(soRulerOpaque));
}

TEST_F(ImageSliderTest, EdgeSizeMustLeaveAMiddlePart) {
    TImageSlider* slider = Make(150, 40);
    slider->SetEdgeSize(4); // 8 < 10
    EXPECT_EQ(slider->EdgeSize(), 4);
    slider->SetEdgeSize(5); // 10 is not below 10
    slider->SetEdgeSize(-1);
    EXPECT_EQ(slider->EdgeSize(), 4);
}

// ---- The ruler bitmap ------------------------------------------------------------------------------------

struct TRulerCase {
    std::string Name;
    int Width;
    // Picture column shown at each ruler column (-1: none, the transparent colour).
    std::vector<int> Columns;
};

class RulerTiles : public ImageSliderTest, public testing::WithParamInterface<TRulerCase> {};

// A picture of ten columns, each its own colour: which of them each ruler column repeats.
TEST_P(RulerTiles, EdgesOnceAndTheMiddleRepeated) {
    const TRulerCase& c = GetParam();
    TBitmap picture(10, 2);
    picture.SetPixelFormat(pf24bit);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 2; ++y)
            picture.Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(BYTE(20 * x + 1), 7, 9)));
    TImageSlider* slider = Make(c.Width, 40);
    slider->SetImageHRuler(&picture);
    TBitmap* ruler = slider->RulerBitmap();
    ASSERT_EQ(ruler->Width(), static_cast<int>(c.Columns.size()));
    for (int x = 0; x < ruler->Width(); ++x) {
        const TColor shown = ruler->Canvas()->Pixels(x, 0);
        const int column = c.Columns[x];
        EXPECT_EQ(shown, column < 0 ? picture.TransparentColor()
                                    : static_cast<TColor>(RGB(BYTE(20 * column + 1), 7, 9)))
            << "ruler column " << x;
    }
}

std::vector<int> Columns(std::initializer_list<std::pair<int, int>> Runs) {
    std::vector<int> columns;
    for (auto [from, to] : Runs)
        for (int c = from; c < to; ++c)
            columns.push_back(c);
    return columns;
}

std::vector<int> LongRuler() {
    // 138 columns: the start edge and first middle part (0..7), twenty-one middle parts (2..7), and the
    // last four columns (6..9) ending in the end edge.
    std::vector<int> columns = Columns({{0, 8}});
    for (int k = 1; k < 22; ++k)
        for (int c = 2; c < 8; ++c)
            columns.push_back(c);
    for (int c = 6; c < 10; ++c)
        columns.push_back(c);
    return columns;
}

INSTANTIATE_TEST_SUITE_P(Cases, RulerTiles,
                         testing::Values(TRulerCase{"Long", 150, LongRuler()},
                                         // 18 columns: 0..7, one middle part 2..7, then 6..9.
                                         TRulerCase{"TwoParts", 30, Columns({{0, 8}, {2, 8}, {6, 10}})},
                                         // 9 columns: the start only, cut; its last column stays empty.
                                         TRulerCase{
                                             "ShorterThanThePicture", 21, {0, 1, 2, 3, 4, 5, 6, 7, -1}}),
                         [](const auto& info) { return info.param.Name; });

// ---- Pictures for the eye
// ----------------------------------------------------------------------------------

TEST_F(ImageSliderTest, ScreenshotOfTheSliderStates) {
    form->SetBounds(100, 100, 420, 260);
    form->SetCaption("Sliders");
    auto* normal = Make(150, 40);
    normal->SetValue(30);
    auto* focused = Make(150, 40);
    focused->SetTop(60);
    focused->SetValue(70);
    auto* disabled = Make(150, 40);
    disabled->SetTop(110);
    disabled->SetValue(50);
    disabled->SetEnabled(false);
    auto* bevelled = Make(150, 40, soHorizontal, bvLowered);
    bevelled->SetTop(160);
    bevelled->SetRange(-96, 10);
    bevelled->SetValue(-13);
    auto* vertical = Make(40, 180, soVertical);
    vertical->SetLeft(200);
    vertical->SetValue(25);
    auto* smooth = Make(150, 26);
    smooth->SetLeft(250);
    smooth->SetIncrement(1);
    smooth->SetOptions(TSliderOptions{soShowFocus, soSmooth});
    smooth->SetValue(60);
    ShowForm();
    focused->SetFocus();
    Pump();
    const std::string dir = stdctrls_test::TestOutDir() + "/effects";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(olva::win::SaveWindowPng(form->Handle(), dir + "/slider-states.png"));
}

} // namespace image_slider_test
