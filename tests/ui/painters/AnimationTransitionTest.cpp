// Animation transitions on the fake clock: the easing curves, time 0, partners that cannot run together,
// a step handler that finishes, running to the end, the image modes' geometry and the segment grid, and
// a picture of every mode at 0, 25, 50, 75 and 100 per cent.
#include "PaintersTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/painters/effects/AnimationTransition.h"
#include "ui/painters/effects/ImageAnimationTransition.h"

using namespace painters_test;

namespace {

class AnimationTransitionTest : public PaintersTest {
protected:
    // An opaque bitmap of one colour (24 bits: no alpha channel to read).
    static TBitmap* Solid(int AWidth, int AHeight, TColor AColor) {
        auto* bitmap = new TBitmap();
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(AWidth, AHeight);
        bitmap->Canvas()->Brush()->SetColor(AColor);
        bitmap->Canvas()->FillRect(TRect{0, 0, AWidth, AHeight});
        return bitmap;
    }
    // The transition's position after the share of its time (per cent) has passed.
    static void StepTo(TovAnimationTransition& ATransition, int APercent, TFakeClock& AClock) {
        const std::int64_t target = ATransition.StartTime() + ATransition.Time() * APercent / 100;
        AClock.Advance(static_cast<std::uint64_t>(target - ReadClockTicks()));
        ATransition.Step();
    }
};

// A clock that moves one millisecond whenever it is read, so a loop against it comes to an end.
class TTickingClock : public TClock {
public:
    std::uint64_t TickCount64() override { return ++FTicks; }
    TDateTime Now() override { return 0; }

private:
    std::uint64_t FTicks = 5000;
};

TEST_F(AnimationTransitionTest, TheEasingCurves) {
    struct Row {
        int Effect, Length;
        std::int64_t Elapsed, Total;
        int Expected;
    } const rows[] = {
        {0, 100, 50, 100, 50},   {0, 7, 1, 3, 2},     {1, 100, 50, 100, 98},   {1, 100, 0, 100, 0},
        {1, 100, 100, 100, 100}, {2, 100, 0, 100, 0}, {2, 100, 100, 100, 100}, {2, 100, 50, 100, 80},
        {3, 100, 50, 100, 50},   {3, 100, 0, 100, 0}, {3, 100, 100, 100, 100}, {3, 40, 25, 100, 2},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ovAnimationEffectPosition(row.Effect, row.Length, row.Elapsed, row.Total), row.Expected)
            << "effect " << row.Effect << " at " << row.Elapsed << "/" << row.Total;
    EXPECT_EQ(MillisecondsToTicks(250), 250);
    EXPECT_EQ(ScaleInt64(7, 3, 2), 10);
}

TEST_F(AnimationTransitionTest, ATransitionOfTimeZeroReachesItsLengthOnTheFirstStep) {
    TovAnimationTransition transition(0, 60, 1);
    std::vector<int> positions;
    int terminated = 0;
    transition.OnStep =
        TovAnimationStepEvent([&](TObject*, int& APosition, bool&) { positions.push_back(APosition); });
    transition.OnTerminated = TNotifyEvent([&](TObject*) { ++terminated; });
    transition.ResetTimes();
    transition.Step();
    EXPECT_TRUE(transition.Finished());
    EXPECT_EQ(positions, std::vector<int>{60});
    EXPECT_EQ(terminated, 1);
}

TEST_F(AnimationTransitionTest, APositionThatDoesNotMoveFiresNoEvents) {
    TovAnimationTransition transition(1000, 10, 0);
    std::vector<int> positions;
    transition.OnStep =
        TovAnimationStepEvent([&](TObject*, int& APosition, bool&) { positions.push_back(APosition); });
    transition.ResetTimes();
    for (int ms : {0, 50, 99, 100, 150, 199, 1000}) {
        StepTo(transition, ms / 10, *clock);
        (void)ms;
    }
    // Position 0 is reported at every step until the transition moves; a repeated position after that
    // is not.
    EXPECT_EQ(positions, (std::vector<int>{0, 0, 0, 1, 10}));
}

TEST_F(AnimationTransitionTest, APartnerThatCannotRunAlongsideIsFinishedFirst) {
    class TExclusive : public TovAnimationTransition {
    public:
        using TovAnimationTransition::TovAnimationTransition;
        bool CanRunWith(TovAnimationTransition* AOther) override {
            return dynamic_cast<TExclusive*>(AOther) == nullptr;
        }
    };
    TExclusive first(500, 100, 0);
    first.ResetTimes();
    int firstEnd = 0;
    first.OnTerminated = TNotifyEvent([&](TObject*) { ++firstEnd; });
    TovAnimationTransition plain(500, 100, 0);
    plain.ResetTimes();
    EXPECT_FALSE(first.Finished()); // a plain one may run beside it
    TExclusive second(500, 100, 0);
    EXPECT_EQ(GetAnimationController()->Count(), 3);
    // The newcomer is judged as what it is once it is made: when it starts.
    second.ResetTimes();
    EXPECT_TRUE(first.Finished());
    EXPECT_EQ(first.Position(), 100);
    EXPECT_EQ(firstEnd, 1);
    EXPECT_FALSE(plain.Finished());
    EXPECT_FALSE(second.Finished());
}

TEST_F(AnimationTransitionTest, AStepHandlerThatFinishesEndsWithOneStepAtTheLength) {
    TovAnimationTransition transition(400, 100, 0);
    std::vector<int> steps;
    int terminated = 0;
    transition.OnStep = TovAnimationStepEvent([&](TObject*, int& APosition, bool& AFinished) {
        steps.push_back(APosition);
        if (APosition >= 25) AFinished = true;
    });
    transition.OnTerminated = TNotifyEvent([&](TObject*) { ++terminated; });
    transition.ResetTimes();
    StepTo(transition, 10, *clock);
    StepTo(transition, 30, *clock);
    EXPECT_EQ(steps, (std::vector<int>{10, 30, 100}));
    EXPECT_TRUE(transition.Finished());
    EXPECT_EQ(terminated, 1);
    // Restarting runs again from the beginning.
    transition.OnStep =
        TovAnimationStepEvent([&](TObject*, int& APosition, bool&) { steps.push_back(APosition); });
    steps.clear();
    transition.SetFinished(false);
    EXPECT_FALSE(transition.Finished());
    EXPECT_EQ(steps, std::vector<int>{0});
}

TEST_F(AnimationTransitionTest, RunningToTheEndStepsThroughEveryPositionAndFreesTheTransition) {
    TTickingClock ticking;
    TClockOverride useTicking(ticking);
    auto* transition = new TovAnimationTransition(40, 40, 0);
    std::vector<int> positions;
    bool freed = false;
    transition->OnAfterStep =
        TovAnimationStepEvent([&](TObject*, int& APosition, bool&) { positions.push_back(APosition); });
    transition->OnTerminated =
        TNotifyEvent([&](TObject*) { freed = GetAnimationController()->Count() == 1; });
    transition->RunAnimationToEnd();
    // One position a millisecond, in order, the last at the length; the transition has left the register.
    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), 40);
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_GE(positions.size(), 39u);
    EXPECT_TRUE(freed);
    EXPECT_EQ(GetAnimationController()->Count(), 0);
}

TEST_F(AnimationTransitionTest, ImageModesSlideFadeAndReplaceCells) {
    const int W = 40, H = 20;
    auto colourAt = [&](TovImageAnimationTransition& ATransition, int X, int Y) {
        auto target = MakeBitmap(W, H, clWhite);
        TuiCanvas canvas(target->Canvas());
        ATransition.DrawFrame(&canvas, TRect{0, 0, W, H});
        return ColorAt(*target, X, Y);
    };
    struct Probe {
        int X, Y;
        TColor Expected;
    };
    struct Case {
        int Mode, Percent;
        std::vector<Probe> Probes;
    } const cases[] = {
        {0, 25, {{0, 5, clRed}, {29, 5, clRed}, {30, 5, clBlue}, {39, 5, clBlue}}}, // slide left by 10
        {1, 50, {{5, 0, clRed}, {5, 9, clRed}, {5, 10, clBlue}, {5, 19, clBlue}}},  // slide up by 10
        {2, 25, {{0, 5, clBlue}, {9, 5, clBlue}, {10, 5, clRed}}},                  // slide right by 10
        {3, 75, {{5, 0, clBlue}, {5, 14, clBlue}, {5, 15, clRed}}},                 // slide down by 15
        {4, 0, {{20, 10, clRed}}},
        {4, 100, {{20, 10, clBlue}}},
        {5, 0, {{0, 0, clRed}, {39, 19, clRed}}},
        {5, 100, {{0, 0, clBlue}, {39, 19, clBlue}}},
        // Diagonal order: the top-left cell is done before the bottom-right one starts.
        {5, 30, {{0, 0, clBlue}, {39, 19, clRed}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.Mode) + " at " + std::to_string(c.Percent));
        TovImageAnimationTransition transition(Solid(W, H, clRed), Solid(W, H, clBlue), 100, c.Mode, 0, -1,
                                               true);
        transition.ResetTimes();
        StepTo(transition, c.Percent, *clock);
        for (const Probe& p : c.Probes)
            EXPECT_EQ(colourAt(transition, p.X, p.Y), p.Expected) << p.X << "," << p.Y;
    }
    // Half-way through a fade the finish picture lies over the start at alpha 128.
    TovImageAnimationTransition fade(Solid(W, H, clRed), Solid(W, H, clBlue), 100, 4, 0, 37, true);
    EXPECT_EQ(fade.Length(), 100);
    fade.ResetTimes();
    StepTo(fade, 50, *clock);
    const TColor half = colourAt(fade, 20, 10);
    EXPECT_NEAR(GetRValue(ColorToRGB(half)), 127, 1);
    EXPECT_NEAR(GetBValue(ColorToRGB(half)), 128, 1);
    // Lengths of -1 slide by the picture's width or height.
    TovImageAnimationTransition up(Solid(W, H, clRed), Solid(W, H, clBlue), 100, 1, 0, -1, true);
    EXPECT_EQ(up.Length(), H);
    TovImageAnimationTransition given(Solid(W, H, clRed), Solid(W, H, clBlue), 100, 0, 0, 12, true);
    EXPECT_EQ(given.Length(), 12);
}

TEST_F(AnimationTransitionTest, TheSegmentGrid) {
    TovAnimationInfoSegments grid(TPoint{5, 7}, TSize{40, 20}, false);
    EXPECT_EQ(grid.SegmentSize().cx, 4);
    EXPECT_EQ(grid.SegmentSize().cy, 2);
    EXPECT_EQ(grid.Columns(), 10);
    EXPECT_EQ(grid.Rows(), 10);
    EXPECT_EQ(grid.FadeSpan(), 10);
    EXPECT_EQ(grid.Cell(0, 0).Delay, 9);  // MulDiv(90, 2, 20)
    EXPECT_EQ(grid.Cell(9, 9).Delay, 90); // MulDiv(90, 20, 20)
    EXPECT_EQ(grid.Cell(2, 3).Delay, 32); // MulDiv(90, 7, 20) = 31.5, rounded up
    const TRect source = grid.Cell(2, 3).Source;
    EXPECT_EQ(source.left, 12);
    EXPECT_EQ(source.top, 4);
    EXPECT_EQ(source.right, 16);
    EXPECT_EQ(source.bottom, 6);
    EXPECT_EQ(grid.Cell(2, 3).Dest.left, 17);
    EXPECT_EQ(grid.Cell(2, 3).Dest.top, 11);
    grid.SetOrigin(TPoint{0, 0});
    EXPECT_EQ(grid.Cell(2, 3).Dest.left, 12);
    // Cell alpha: 0 before its delay, 255 a fade span later.
    EXPECT_EQ(grid.CellAlpha(grid.Cell(0, 0), 9), 0);
    EXPECT_EQ(grid.CellAlpha(grid.Cell(0, 0), 14), 128);
    EXPECT_EQ(grid.CellAlpha(grid.Cell(0, 0), 40), 255);
    // A wide frame: a tenth, at most 100 pixels; a remainder makes one more, narrower segment.
    TovAnimationInfoSegments wide(TPoint{0, 0}, TSize{455, 2000}, false);
    EXPECT_EQ(wide.SegmentSize().cx, 45);
    EXPECT_EQ(wide.Columns(), 11);
    EXPECT_EQ(wide.Cell(0, 10).Source.right, 455);
    EXPECT_EQ(wide.SegmentSize().cy, 100);
    EXPECT_EQ(wide.Rows(), 20);
    EXPECT_EQ(wide.FadeSpan(), 9); // 100 div min(20, 11)
    // Random order: every delay within 0 .. 100 - span.
    TovAnimationInfoSegments random(TPoint{0, 0}, TSize{40, 20}, true);
    for (int i = 0; i < random.Rows(); ++i)
        for (int j = 0; j < random.Columns(); ++j) {
            EXPECT_GE(random.Cell(i, j).Delay, 0);
            EXPECT_LE(random.Cell(i, j).Delay, 90);
        }
}

TEST_F(AnimationTransitionTest, PictureOfEveryModeAtFiveMoments) {
    const int W = 80, H = 48, Gap = 8;
    auto picture = [&](TColor ABack, const char* ALetter) {
        auto* bitmap = Solid(W, H, ABack);
        TCanvas* canvas = bitmap->Canvas();
        canvas->Brush()->SetStyle(bsClear);
        TFont font;
        font.SetName("DejaVu Sans");
        font.SetHeight(-30);
        font.SetColor(clWhite);
        canvas->SetFont(&font);
        RECT r{0, 0, W, H};
        HDC dc = canvas->Handle();
        SelectObject(dc, font.Handle());
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        DrawText(dc, ALetter, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return bitmap;
    };
    auto sheet = MakeBitmap(5 * (W + Gap) + Gap, 7 * (H + Gap) + Gap, clWindow);
    TuiCanvas canvas(sheet->Canvas());
    for (int mode = 0; mode <= 6; ++mode)
        for (int k = 0; k < 5; ++k) {
            TovImageAnimationTransition transition(picture(static_cast<TColor>(RGB(40, 100, 170)), "A"),
                                                   picture(static_cast<TColor>(RGB(200, 90, 40)), "B"), 100,
                                                   mode, 0, -1, true);
            transition.ResetTimes();
            StepTo(transition, k * 25, *clock);
            const int x = Gap + k * (W + Gap), y = Gap + mode * (H + Gap);
            transition.DrawFrame(&canvas, TRect{x, y, x + W, y + H});
        }
    EXPECT_TRUE(SaveSurfaceToPng(*SurfaceOf(*sheet), PaintersOutputPath("transitions.png")));
}

} // namespace
