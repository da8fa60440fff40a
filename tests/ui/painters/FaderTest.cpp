// The fader on the fake clock: the default picture sequences, frame bytes, a fade reversed from the
// picture on screen, the limit of running fades, option clamping, state changes of the fading helper,
// repaints that end other fades during the timer's walk, the scroll bar's parts fading through the real
// fader, and a strip of a fade's frames.
#include "PaintersTestSupport.h"
#include "RecordingTheme.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/Timer.h"
#include "platform/win/Input.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/ScrollBar.h"
#include "ui/core/controls/ScrollBarViewInfo.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/painters/effects/Fader.h"
#include "ui/painters/effects/FadingOptions.h"
#include "ui/painters/office11/Office11Colors.h"

#include <functional>

using namespace painters_test;

namespace {

// A fading object with two plain pictures; it logs each repaint with the time and the frame shown.
class TFadingBox : public TovFadingObjectHelper, public IovFadingOptionsProvider {
public:
    struct Picture {
        std::uint64_t Time;
        int Stage;           // -1: the fade has ended
        std::uint32_t Pixel; // the frame's first pixel
    };
    TFadingBox(std::uint32_t AOut, std::uint32_t AIn, int ASize = 4) : FOut(AOut), FIn(AIn), FSize(ASize) {}
    bool IsFadable() override { return true; }
    void DrawFadeStep() override {
        TovFadingElement* element = ovFader()->Find(this);
        Picture picture{CurrentClock().TickCount64(), -1, 0};
        if (element != nullptr && element->CurrentFrame() != nullptr) {
            picture.Stage = element->Stage();
            picture.Pixel = element->CurrentFramePixels().front();
        }
        Pictures.push_back(picture);
        if (OnRepaint) OnRepaint(picture);
    }
    void ProvideFadeImages(TuiBitmap32*& AFadeOutImage, TuiBitmap32*& AFadeInImage) override {
        AFadeOutImage = Solid(FOut);
        AFadeInImage = Solid(FIn);
    }
    TovFadingOptions* GetFadingOptions() override { return Options.get(); }

    std::vector<Picture> Pictures;
    std::unique_ptr<TovFadingOptions> Options;
    std::function<void(const Picture&)> OnRepaint;

private:
    TuiBitmap32* Solid(std::uint32_t APixel) {
        auto* bitmap = new TuiBitmap32(FSize, FSize, true);
        bitmap->SetBitmapColors(TRGBColors(static_cast<std::size_t>(FSize) * FSize, APixel));
        return bitmap;
    }
    std::uint32_t FOut, FIn;
    int FSize;
};

class FaderTest : public PaintersTest {
protected:
    void SetUp() override {
        PaintersTest::SetUp();
        fader = ovFader();
        ASSERT_NE(fader, nullptr);
        fader->SetFadingMode(1);
        ASSERT_TRUE(fader->FaderIsReady());
    }
    // The stages of the pictures and their times relative to the first.
    static std::vector<std::pair<int, int>> Sequence(const TFadingBox& ABox) {
        std::vector<std::pair<int, int>> result;
        for (const auto& p : ABox.Pictures)
            result.emplace_back(static_cast<int>(p.Time - ABox.Pictures.front().Time), p.Stage);
        return result;
    }
    void RunUntilIdle(int ALimit = 1000) {
        for (int t = 0; t < ALimit && fader->Count() > 0; t += 10)
            Run(10);
    }
    TovFader* fader = nullptr;
};

TEST_F(FaderTest, TheDefaultSequencesInAndOut) {
    TFadingBox box(0xFF000000u, 0xFFFFFFFFu);
    box.FadeIn();
    RunUntilIdle();
    // Five pictures a timer step apart, and the end one step after the last.
    EXPECT_EQ(Sequence(box),
              (std::vector<std::pair<int, int>>{{0, 0}, {10, 1}, {20, 2}, {30, 3}, {40, 4}, {50, -1}}));
    box.Pictures.clear();
    box.FadeOut();
    RunUntilIdle();
    // Thirteen pictures two steps apart.
    std::vector<std::pair<int, int>> out;
    for (int stage = 0; stage <= 12; ++stage)
        out.emplace_back(stage * 20, stage);
    out.emplace_back(13 * 20, -1);
    EXPECT_EQ(Sequence(box), out);
    EXPECT_FALSE(fader->Timer()->Enabled());
}

TEST_F(FaderTest, FrameBytesBlendEveryChannelByTheMulDivWeight) {
    struct Row {
        int Count, Stage;
        std::uint32_t Out, In, Expected;
    } const rows[] = {
        // Stage 1 of 2: weight MulDiv(1, 255, 2) = 128, so 255 * 128 / 255 = 128 (a truncated weight gives
        // 127).
        {2, 1, 0xFF000000u, 0xFFFFFFFFu, 0xFF808080u},
        // Stage 1 of 4: weight 64: 200 * 191/255 + 100 * 64/255 = 174.9.
        {4, 1, 0xFFC8C8C8u, 0xFF646464u, 0xFFAFAFAFu},
        {4, 2, 0xFFC8C8C8u, 0xFF646464u, 0xFF969696u},
        {4, 3, 0xFFC8C8C8u, 0xFF646464u, 0xFF7D7D7Du},
        // Alpha blends too; a transparent black pixel stays transparent, a coloured one counts as opaque.
        {2, 1, 0x00000000u, 0xFF0000FFu, 0x80000080u},
        {2, 1, 0x00102030u, 0x00102030u, 0xFF102030u},
    };
    for (const Row& row : rows) {
        TFadingBox box(row.Out, row.In);
        box.Options = std::make_unique<TovFadingOptions>();
        box.Options->SetFadeInFrameCount(row.Count);
        box.Options->SetFadeInFrameDelay(10);
        box.FadeIn();
        for (int i = 0; i < row.Stage; ++i)
            Run(10);
        ASSERT_NE(fader->Find(&box), nullptr);
        EXPECT_EQ(fader->Find(&box)->Stage(), row.Stage);
        EXPECT_EQ(box.Pictures.back().Pixel, row.Expected)
            << row.Count << " " << row.Stage << std::hex << " " << row.Out;
        fader->Remove(&box, true);
    }
}

TEST_F(FaderTest, LeavingHalfWayFadesOutFromThePictureOnScreen) {
    TFadingBox box(0xFF000000u, 0xFFFFFFFFu);
    box.FadeIn();
    Run(10);
    Run(10);
    const std::uint32_t onScreen = box.Pictures.back().Pixel;
    ASSERT_EQ(box.Pictures.back().Stage, 2);
    box.FadeOut();
    // The same element starts again at stage 0 with the fade-out timing, from what was shown.
    TovFadingElement* element = fader->Find(&box);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(fader->Count(), 1);
    EXPECT_EQ(element->Stage(), 0);
    EXPECT_EQ(element->FrameCount(), 12);
    EXPECT_EQ(element->DelayDivider(), 2);
    EXPECT_EQ(box.Pictures.back().Pixel, onScreen);
    EXPECT_NE(onScreen, 0xFFFFFFFFu);
    RunUntilIdle();
    // It ends at the normal picture.
    EXPECT_EQ(box.Pictures[box.Pictures.size() - 2].Pixel, 0xFF000000u);
}

TEST_F(FaderTest, AnEleventhFadeFinalizesTheOldest) {
    std::vector<std::unique_ptr<TFadingBox>> boxes;
    for (int i = 0; i < 11; ++i) {
        boxes.push_back(std::make_unique<TFadingBox>(0xFF000000u, 0xFFFFFFFFu));
        boxes.back()->FadeIn();
    }
    EXPECT_EQ(fader->Count(), 10);
    EXPECT_EQ(fader->Find(boxes[0].get()), nullptr);
    EXPECT_EQ(boxes[0]->Pictures.back().Stage, -1); // told to repaint without a fade
    EXPECT_NE(fader->Find(boxes[10].get()), nullptr);
    fader->SetMaxFadeCount(3);
    EXPECT_EQ(fader->Count(), 3);
    EXPECT_NE(fader->Find(boxes[8].get()), nullptr);
    fader->SetMaxFadeCount(10);
}

TEST_F(FaderTest, OptionsAreClampedAndACountOfZeroTurnsTheDirectionOff) {
    TovFadingOptions options;
    struct Row {
        int Value, Count, Delay;
    } const rows[] = {{-5, 0, 10}, {0, 0, 10}, {9, 9, 10}, {33, 32, 33}, {301, 32, 300}, {150, 32, 150}};
    for (const Row& row : rows) {
        options.SetFadeInFrameCount(row.Value);
        options.SetFadeOutFrameDelay(row.Value);
        EXPECT_EQ(options.FadeInFrameCount(), row.Count) << row.Value;
        EXPECT_EQ(options.FadeOutFrameDelay(), row.Delay) << row.Value;
    }
    TovFadingOptions copy;
    copy.Assign(&options);
    EXPECT_EQ(copy.FadeInFrameCount(), 32);
    EXPECT_EQ(copy.FadeOutFrameDelay(), 150);
    EXPECT_EQ(copy.FadeOutFrameCount(), TovFadingOptions::DefaultFadeOutFrameCount);
    // Through a provider: no fade-in at all; a delay below 20 still steps every 10 ms tick.
    TFadingBox box(0xFF000000u, 0xFFFFFFFFu);
    box.Options = std::make_unique<TovFadingOptions>();
    box.Options->SetFadeInFrameCount(0);
    box.FadeIn();
    EXPECT_EQ(fader->Find(&box), nullptr);
    EXPECT_TRUE(box.Pictures.empty());
    box.Options->SetFadeOutFrameDelay(19);
    box.FadeOut();
    ASSERT_NE(fader->Find(&box), nullptr);
    EXPECT_EQ(fader->Find(&box)->DelayDivider(), 1);
    // Off, never, or no room: nothing fades.
    fader->Remove(&box, true);
    fader->SetFadingMode(2);
    box.FadeOut();
    EXPECT_EQ(fader->Find(&box), nullptr);
}

TEST_F(FaderTest, PressingAHotElementStopsItsFade) {
    TFadingBox box(0xFF000000u, 0xFFFFFFFFu);
    box.StartFadingOnStateChange(cxbsNormal, cxbsHot);
    ASSERT_NE(fader->Find(&box), nullptr);
    box.StartFadingOnStateChange(cxbsHot, cxbsPressed);
    EXPECT_EQ(fader->Find(&box), nullptr);
    EXPECT_EQ(box.Pictures.back().Stage, -1);
    box.StartFadingOnStateChange(cxbsPressed, cxbsHot); // from above hot: no fade either
    EXPECT_EQ(fader->Find(&box), nullptr);
    box.StartFadingOnStateChange(cxbsNormal, cxbsHot);
    box.StartFadingOnStateChange(cxbsHot, cxbsNormal);
    EXPECT_NE(fader->Find(&box), nullptr); // fading out
    box.StartFadingOnStateChange(cxbsNormal, cxbsPressed);
    EXPECT_EQ(fader->Find(&box), nullptr);
}

TEST_F(FaderTest, DrawFadeStepPaintsTheFrameOnlyWhileAFadeRuns) {
    TFadingBox box(0xFF0000FFu, 0xFFFF0000u);
    auto target = MakeBitmap(8, 8, clWhite);
    EXPECT_FALSE(box.DrawImage(target->Canvas()->Handle(), TRect{0, 0, 8, 8}));
    EXPECT_EQ(ColorAt(*target, 4, 4), clWhite);
    box.FadeIn();
    EXPECT_TRUE(box.DrawImage(target->Canvas()->Handle(), TRect{0, 0, 8, 8}));
    EXPECT_EQ(ColorAt(*target, 4, 4), clBlue); // stage 0 is the normal picture, stretched
    // A helper that goes ends its fade without being told.
    const int pictures = static_cast<int>(box.Pictures.size());
    {
        TFadingBox gone(0xFF000000u, 0xFFFFFFFFu);
        gone.FadeIn();
        EXPECT_EQ(fader->Count(), 2);
    }
    EXPECT_EQ(fader->Count(), 1);
    EXPECT_EQ(static_cast<int>(box.Pictures.size()), pictures);
}

TEST_F(FaderTest, ARepaintThatEndsOtherFadesDuringTheTimerWalkIsSafe) {
    TFadingBox older(0xFF000000u, 0xFFFFFFFFu), newer(0xFF000000u, 0xFFFFFFFFu),
        third(0xFF000000u, 0xFFFFFFFFu);
    older.FadeIn();
    newer.FadeIn();
    // When the newer one repaints at its end, it takes the older one down and starts another fade.
    newer.OnRepaint = [&](const TFadingBox::Picture& APicture) {
        if (APicture.Stage != -1) return;
        fader->Remove(&older, true);
        third.FadeIn();
    };
    RunUntilIdle();
    EXPECT_EQ(fader->Count(), 0);
    // The older fade was stepped to its last picture but never finalized by the walk after it was gone.
    EXPECT_EQ(older.Pictures.back().Stage, 4);
    EXPECT_EQ(third.Pictures.back().Stage, -1);
    EXPECT_TRUE(reportedErrors.empty());
}

TEST_F(FaderTest, AStripOfAFadesFrames) {
    ReferenceOffice11Colors();
    // The normal and hot pictures of an Office11 button.
    class TButtonFade : public TFadingBox {
    public:
        TButtonFade() : TFadingBox(0, 0) {}
        void ProvideFadeImages(TuiBitmap32*& AOut, TuiBitmap32*& AIn) override {
            AOut = Button(cxbsNormal);
            AIn = Button(cxbsHot);
        }
        TuiBitmap32* Button(TuiPainterButtonState AState) {
            auto* bitmap = new TuiBitmap32(64, 24, true);
            TuiCustomLookAndFeelPainter* painter =
                uiLookAndFeelPaintersManager()->GetPainterByName("Office11");
            painter->DrawButton(bitmap->GetuiCanvas(), TRect{0, 0, 64, 24}, "Play", AState);
            // Drawn black would read as transparent: the whole button is opaque.
            bitmap->MakeOpaque();
            return bitmap;
        }
    } button;
    button.Options = std::make_unique<TovFadingOptions>();
    button.Options->SetFadeInFrameCount(6);
    auto strip = MakeBitmap(7 * 70 + 6, 36, clWindow);
    int frames = 0;
    button.OnRepaint = [&](const TFadingBox::Picture& APicture) {
        if (APicture.Stage < 0) return;
        button.DrawImage(strip->Canvas()->Handle(), TRect{6 + frames * 70, 6, 6 + frames * 70 + 64, 30});
        ++frames;
    };
    button.FadeIn();
    RunUntilIdle();
    EXPECT_EQ(frames, 7);
    EXPECT_EQ(ColorAt(*strip, 6 + 6 * 70 + 10, 10), Office11HotColor1);
    EXPECT_EQ(ColorAt(*strip, 6 + 10, 10), Office11DockColor1);
    EXPECT_TRUE(SaveSurfaceToPng(*SurfaceOf(*strip), PaintersOutputPath("fade-strip.png")));
    ReleaseOffice11Palette();
}

class ScrollBarFadeTest : public FaderTest {
protected:
    void SetUp() override {
        RecordingTheme::Reset();
        ovBindUxTheme(&RecordingTheme::Entries());
        FaderTest::SetUp();
    }
    void TearDown() override {
        FaderTest::TearDown();
        ovBindUxTheme(nullptr);
    }
};

TEST_F(ScrollBarFadeTest, TheScrollBarsPartsFadeThroughTheFader) {
    RootLookAndFeel()->SetNativeStyle(true);
    TForm* form = TForm::CreateNew(nullptr);
    form->SetBounds(100, 100, 300, 100);
    form->Show();
    auto* bar = new TuiScrollBar(form);
    bar->SetBounds(10, 10, 200, 17);
    bar->SetParent(form);
    Pump();
    ASSERT_EQ(bar->LookAndFeel()->Painter(), Painter("Native"));
    TuiScrollBarPartFadingHelper* helper = bar->Helper()->ViewInfo()->GetPartInfo(sbpLineUp)->FadingHelper();
    TovFadingObjectHelper* base = helper; // the fader's own helper base
    ASSERT_TRUE(base->IsFadable());
    const TPoint p = bar->ClientToScreen(TPoint{8, 8});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    Pump();
    TovFadingElement* element = fader->Find(helper);
    ASSERT_NE(element, nullptr);
    // The pictures are the (horizontal bar's left) arrow button in its normal and hot theme states.
    auto asPixel = [](COLORREF AColour) {
        return std::uint32_t(GetBValue(AColour)) | (std::uint32_t(GetGValue(AColour)) << 8) |
               (std::uint32_t(GetRValue(AColour)) << 16);
    };
    const std::uint32_t shown = element->CurrentFramePixels()[8 * element->Width() + 8];
    EXPECT_EQ(shown & 0xFFFFFFu, asPixel(RecordingTheme::PartColour(1, 9))); // left arrow, normal
    Run(10);
    Run(10);
    Run(10);
    Run(10);
    const std::uint32_t hot = fader->Find(helper)->CurrentFramePixels()[8 * element->Width() + 8];
    EXPECT_EQ(hot & 0xFFFFFFu, asPixel(RecordingTheme::PartColour(1, 10))); // left arrow, hot
    RunUntilIdle();
    EXPECT_EQ(fader->Find(helper), nullptr);
    form->Free();
    RootLookAndFeel()->SetNativeStyle(false);
}

} // namespace
