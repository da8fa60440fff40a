// The spectrum display and the envelope display as their windows use them: settings and their checks,
// what the pointer reads, the spectrum of what was put in, and a curve drawn with the mouse.
#include "ViewTestSupport.h"

#include "audio/AudioError.h"
#include "audio/views/AudioTransformDisplay2.h"
#include "audio/views/AudioVisualization2.h"
#include "audio/views/EnvelopeLine.h"
#include "platform/win/Input.h"

#include <cmath>

namespace displays_test {

using namespace view_test;

class SpectrumDisplay : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        display = new TAudioVisualization2(form);
        display->SetParent(form);
        display->SetBounds(0, 0, 360, 200);
        display->OnMouseMove = TAudioVisualization2::TVisualizationMouseMoveEvent(
            [this](TObject*, int X, int Y, int XValue, int YValue) {
                reads.push_back({X, Y, XValue, YValue});
            },
            this);
        ShowForm();
    }
    TAudioVisualization2* display = nullptr;
    std::vector<std::array<int, 4>> reads;
};

TEST_F(SpectrumDisplay, SettingsAreCheckedAndTheFontIsItsOwn) {
    for (int type = 0; type <= 5; ++type) {
        display->SetVisType(type);
        EXPECT_EQ(display->VisType(), type);
    }
    EXPECT_THROW(display->SetVisType(6), EAudioError);
    for (int size : {256, 1024, 4096}) {
        display->SetWindowArraySize(size);
        EXPECT_EQ(display->Levels().size(), std::size_t(size / 2 + 1));
    }
    EXPECT_THROW(display->SetWindowArraySize(512), EAudioError);
    EXPECT_THROW(display->SetWindowFFTType(4), EAudioError);
    EXPECT_THROW(display->PutArray({0.1f}, 0, 44100), EAudioError);
    EXPECT_THROW(display->PutArray({0.1f}, 1, 0), EAudioError);
    // The form's font does not reach it: the labels keep a colour that shows on the dark plot.
    EXPECT_EQ(display->Font()->Color(), RGB(168, 220, 248));
}

TEST_F(SpectrumDisplay, TheSpectrumOfAToneOnOneChannelOfTwo) {
    display->SetWindowArraySize(1024);
    // 2 × 1024 frames, as the application asks the editor for: a 3 kHz sine at half scale on the left,
    // silence on the right; the mix halves it again.
    std::vector<float> stereo = Sine(44100, 2, 3000, 0.5, 2048);
    for (std::size_t i = 1; i < stereo.size(); i += 2)
        stereo[i] = 0;
    display->PutArray(stereo, 2, 44100);
    const std::vector<float>& levels = display->Levels();
    const std::size_t peak = std::size_t(std::max_element(levels.begin(), levels.end()) - levels.begin());
    EXPECT_NEAR(double(peak) * 44100 / 1024, 3000, 44100.0 / 1024);
    EXPECT_NEAR(*std::max_element(levels.begin(), levels.end()), 20 * std::log10(0.25), 1.5);
    EXPECT_LT(levels[levels.size() - 20], -80) << "far from the tone nothing";
    // Fewer frames than a window are padded, an empty array shows silence.
    display->PutArray(std::vector<float>(100, 0.5f), 1, 44100);
    display->PutArray({}, 1, 44100);
    EXPECT_LT(*std::max_element(display->Levels().begin(), display->Levels().end()), -100);
}

TEST_F(SpectrumDisplay, ThePointerReadsHertzOrFramesAndDecibels) {
    display->PutArray(Sine(44100, 1, 440, 0.5, 2048), 1, 44100);
    const RECT plot = display->PlotRect();
    const int midY = (plot.top + plot.bottom - 1) / 2;
    struct TCase {
        int VisType;
        int X, Y;
        int XValue, YValue;
    } cases[] = {
        {1, int(plot.left), int(plot.top), 0, 0}, // linear: 0 Hz, 0 dB
        {1, int(plot.right) - 1, int(plot.bottom) - 1, 22050, -100},
        {2, int(plot.left), midY, 20, -50}, // logarithmic from 20 Hz
        {3, int(plot.right) - 1, int(plot.top), 22050, 0},
        {0, int(plot.left), int(plot.top), 0, 0}, // the wave: frame 0, full scale
        {0, int(plot.right) - 1, int(plot.top) + (int(plot.bottom - plot.top) - 1) / 4, 2047,
         -6}, // half scale
    };
    for (const TCase& c : cases) {
        display->SetVisType(c.VisType);
        MouseMoveTo(display, 1, 1); // from outside, so that every case is a move
        reads.clear();
        MouseMoveTo(display, c.X, c.Y);
        ASSERT_EQ(reads.size(), 1u) << c.VisType;
        EXPECT_EQ(reads[0][2], c.XValue) << c.VisType;
        EXPECT_NEAR(reads[0][3], c.YValue, 1) << c.VisType;
    }
    // Half-way along the logarithmic axis lies the geometric middle.
    display->SetVisType(4);
    int x = 0, y = 0;
    ASSERT_TRUE(display->ValuesAt(plot.left + (plot.right - plot.left - 1) / 2, midY, x, y));
    EXPECT_NEAR(x, std::sqrt(20.0 * 22050), 30);
    reads.clear();
    MouseMoveTo(display, 1, 1);
    EXPECT_TRUE(reads.empty()) << "outside the plot nothing is read";
}

class EnvelopeDisplay : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        form->SetBounds(60, 60, 600, 260); // the envelope dialog's size
        display = new TAudioTransformDisplay2(form);
        display->SetParent(form);
        display->SetBounds(8, 0, 545, 200);
        ShowForm();
    }
    POINT At(double x, double db) { return display->PixelOf(TEnvelopeLine::TPoint{x, db}); }
    void RightClick(int x, int y) {
        const POINT p = display->ClientToScreen(POINT{x, y});
        olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
        olva::win::InjectMouse(olva::win::MouseAction::RightDown, p.x, p.y);
        olva::win::InjectMouse(olva::win::MouseAction::RightUp, p.x, p.y);
        Pump();
    }
    TAudioTransformDisplay2* display = nullptr;
};

TEST_F(EnvelopeDisplay, PropertiesAsTheDialogSetsThem) {
    EXPECT_FLOAT_EQ(display->ScaleXMin(), 0);
    EXPECT_FLOAT_EQ(display->ScaleXMax(), 100);
    display->SetGridVisible(true);
    display->SetScaleXCaption("smpl");
    display->SetLineArraySize(100000);
    const std::vector<float> line = display->GetLineArray();
    ASSERT_EQ(line.size(), 100000u);
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](float v) { return v == 0; }))
        << "flat at 0 dB at first";
    for (auto [asked, kept] :
         {std::pair{0, 2}, {-7, 2}, {1, 2}, {2, 2}, {1 << 30, TAudioTransformDisplay2::MaxLineArraySize}}) {
        display->SetLineArraySize(asked);
        EXPECT_EQ(display->LineArraySize(), kept) << asked;
    }
    // The scale moves; the curve keeps its shape.
    display->SetScaleXMax(88200);
    display->SetScaleXMin(44100);
    EXPECT_FLOAT_EQ(display->ScaleXMin(), 44100);
    EXPECT_FLOAT_EQ(display->ScaleXMax(), 88200);
}

TEST_F(EnvelopeDisplay, TheMouseDrawsTheCurve) {
    display->SetLineArraySize(101);
    // Drag the start down to the bottom: a fade in.
    POINT p = At(0, 0);
    MouseDown(display, p.x, p.y);
    MouseMoveTo(display, p.x + 40, p.y + 1000); // the ends keep their place; gains stop at the bottom
    MouseUp(display, p.x + 40, p.y + 1000);
    ASSERT_EQ(display->Line().Points().size(), 2u);
    EXPECT_DOUBLE_EQ(display->Line().Points()[0].X, 0);
    EXPECT_DOUBLE_EQ(display->Line().Points()[0].Db, TAudioTransformDisplay2::BottomDb);
    // A click on the plot adds a point there: full gain from the middle on.
    p = At(0.5, 0);
    Click(display, p.x, p.y);
    ASSERT_EQ(display->Line().Points().size(), 3u);
    std::vector<float> line = display->GetLineArray();
    EXPECT_NEAR(line[0], -60, 1e-4);
    EXPECT_NEAR(line[25], -30, 1.0);
    EXPECT_NEAR(line[50], 0, 0.5);
    EXPECT_NEAR(line[100], 0, 1e-4);
    // Dragging the middle point sideways stops at its neighbours.
    MouseDown(display, p.x, p.y);
    MouseMoveTo(display, At(1.2, 0).x, p.y);
    MouseUp(display, At(1.2, 0).x, p.y);
    EXPECT_LT(display->Line().Points()[1].X, 1.0);
    EXPECT_DOUBLE_EQ(display->Line().Points()[2].X, 1.0);
    // A right click removes an inner point; the ends stay.
    const POINT middle = display->PixelOf(display->Line().Points()[1]);
    RightClick(middle.x, middle.y);
    EXPECT_EQ(display->Line().Points().size(), 2u);
    RightClick(At(1, 0).x, At(1, 0).y);
    EXPECT_EQ(display->Line().Points().size(), 2u);
    line = display->GetLineArray();
    EXPECT_NEAR(line[50], -30, 0.5) << "a straight fade from -60 dB to 0 dB again";
}

TEST(EnvelopeLine, PointsStayInOrderAndTheLineIsSampledEvenly) {
    TEnvelopeLine line(-60, 12);
    const std::size_t a = line.Add(0.5, 100);
    EXPECT_DOUBLE_EQ(line.Points()[a].Db, 12) << "gains stay in range";
    const std::size_t b = line.Add(0.25, -12);
    EXPECT_EQ(b, 1u);
    line.Move(b, 0.9, -12); // cannot pass the point at 0.5
    EXPECT_LT(line.Points()[1].X, 0.5);
    EXPECT_FALSE(line.Remove(0));
    EXPECT_FALSE(line.Remove(line.Points().size() - 1));
    const std::vector<float> samples = line.Sample(5);
    ASSERT_EQ(samples.size(), 5u);
    for (std::size_t i = 0; i < samples.size(); ++i)
        EXPECT_NEAR(samples[i], line.GainAt(double(i) / 4), 1e-5);
    EXPECT_EQ(line.Sample(1).size(), 1u);
}

} // namespace displays_test
