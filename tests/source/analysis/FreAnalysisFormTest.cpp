// The frequency analysis window over a real editor: the spectrum and the mouse read-out of a 1 kHz
// sine, the wave shape's read-out in samples, no reading while hidden, and the place kept in the
// settings when closed.
#include "tests/source/recording/ToolTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/views/AudioVisualization2.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Label.h"
#include "platform/win/Input.h"
#include "source/GlobalVars.h"
#include "source/analysis/FreAnalysisForm.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fre_analysis_form_test {

using namespace tool_test;

class FreAnalysisForm : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        // One second of a 1 kHz sine at half of full scale, the cursor a quarter of the way in.
        TAudioEditor2& editor = Host->Editor();
        editor.New(44100, 1);
        std::vector<float> sine(44100);
        for (std::size_t i = 0; i < sine.size(); ++i)
            sine[i] = float(0.5 * std::sin(2 * std::numbers::pi * 1000 * double(i) / 44100));
        editor.PutSamples(sine);
        editor.Position().SetSelection(0);
        editor.Position().SetCursor(11025);
        Form = TCustomForm::New<TFreAnalysisForm>(Owner);
        Form->SetAudioEditor(&editor);
        GlobalVars().FreAnalysisFormLeft = 120;
        GlobalVars().FreAnalysisFormTop = 90;
    }
    void TearDown() override {
        delete Form;
        ToolTest::TearDown();
    }
    // The user picks an entry of a list.
    void Choose(TComboBox* List, int Index) {
        List->SetItemIndex(Index);
        List->OnSelect(List);
    }
    // The pointer moved over the display at (X, Y) of its client area.
    void PointAt(int X, int Y) {
        const POINT screen = Form->AudioVisualization->ClientToScreen(POINT{X, Y});
        olva::win::InjectMouse(olva::win::MouseAction::Move, screen.x, screen.y);
        Pump();
    }
    // The column of the display whose frequency is nearest `Hz`.
    int ColumnOf(double Hz) {
        const RECT plot = Form->AudioVisualization->PlotRect();
        int best = plot.left, x = 0, y = 0;
        double distance = 1e9;
        for (int column = plot.left; column < plot.right; ++column) {
            Form->AudioVisualization->ValuesAt(column, plot.top, x, y);
            if (std::fabs(x - Hz) < distance) {
                distance = std::fabs(x - Hz);
                best = column;
            }
        }
        return best;
    }
    // The row of the display that reads `Db`.
    int RowOf(int Db) {
        const RECT plot = Form->AudioVisualization->PlotRect();
        int x = 0, y = 0;
        for (int row = plot.top; row < plot.bottom; ++row)
            if (Form->AudioVisualization->ValuesAt(plot.left, row, x, y) && y == Db) return row;
        return -1;
    }

    TFreAnalysisForm* Form = nullptr;
};

TEST_F(FreAnalysisForm, ShowsTheSpectrumOfA1kHzSineAndReadsItOutUnderThePointer) {
    Form->ShowAnalysis();
    Pump();
    EXPECT_EQ(Form->Caption(), "Frequency Analysis");
    EXPECT_EQ(Form->ComboBoxViewType->Text(), "Analog");
    EXPECT_EQ(Form->ComboBoxFFTSize->Text(), "1024");
    EXPECT_EQ(Form->LabelFreq->Caption(), "0 Hz");
    EXPECT_EQ(Form->LabelValue->Caption(), "0 dB");
    EXPECT_EQ(Form->Left(), 120);
    EXPECT_EQ(Form->Width(), GlobalVars().FreAnalysisFormWidth);

    Choose(Form->ComboBoxViewType, 1); // "Linear"
    Choose(Form->ComboBoxFFTSize, 2);  // "4096"
    EXPECT_EQ(Form->AudioVisualization->VisType(), 1);
    EXPECT_EQ(Form->AudioVisualization->WindowArraySize(), 4096);
    EXPECT_EQ(Form->AudioVisualization->WindowFFTType(), 0);
    // The spectrum peaks at 1 kHz, 6 dB under a full-scale sine.
    const std::vector<float>& levels = Form->AudioVisualization->Levels();
    ASSERT_EQ(levels.size(), 2049u);
    const auto peak = std::max_element(levels.begin(), levels.end());
    const double peakHz = double(peak - levels.begin()) * 44100 / 4096;
    EXPECT_NEAR(peakHz, 1000, 44100.0 / 4096);
    EXPECT_NEAR(*peak, -6.0, 1.5);

    PointAt(ColumnOf(1000), RowOf(-6));
    int hz = 0;
    ASSERT_EQ(std::sscanf(Form->LabelFreq->Caption().c_str(), "%d hz", &hz), 1) << Form->LabelFreq->Caption();
    EXPECT_NEAR(hz, 1000, 50);
    EXPECT_EQ(Form->LabelFreq->Caption(), std::to_string(hz) + " hz");
    EXPECT_EQ(Form->LabelValue->Caption(), "-6 dB");
    Picture(Form, "analysis", "frequency-analysis-linear");

    Choose(Form->ComboBoxViewType, 3); // "Fire"
    Picture(Form, "analysis", "frequency-analysis-fire");
}

TEST_F(FreAnalysisForm, TheWaveShapeReadsOutSamples) {
    Form->ShowAnalysis();
    Pump();
    const RECT plot = Form->AudioVisualization->PlotRect();
    PointAt((plot.left + plot.right) / 2, plot.top + 2);
    int samples = 0;
    ASSERT_EQ(std::sscanf(Form->LabelFreq->Caption().c_str(), "%d smpl", &samples), 1);
    EXPECT_NEAR(samples, 1024, 8); // the middle of the 2048 frames shown
    EXPECT_EQ(Form->LabelFreq->Caption(), std::to_string(samples) + " smpl");
    Picture(Form, "analysis", "frequency-analysis-analog");
}

TEST_F(FreAnalysisForm, HiddenItReadsNothingAndClosingKeepsItsPlace) {
    auto loudest = [&] {
        const std::vector<float>& levels = Form->AudioVisualization->Levels();
        return levels.empty() ? -200.0f : *std::max_element(levels.begin(), levels.end());
    };
    // Hidden: a position event takes no samples, so the sine at the cursor is not shown.
    Form->RefreshAnalysis();
    EXPECT_LT(loudest(), -60);
    Form->ShowAnalysis();
    Pump();
    EXPECT_GT(loudest(), -10);
    // Following the editor: at a silent place the spectrum falls away.
    Host->Editor().PutSamples(std::vector<float>(8192, 0.0f));
    Host->Editor().Position().SetCursor(11025);
    Form->RefreshAnalysis();
    EXPECT_LT(loudest(), -60);

    Form->SetBounds(200, 150, 600, 320);
    PointAt(100, 100);
    Form->Close();
    Pump();
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(Form->LabelFreq->Caption(), "0 hz");
    EXPECT_EQ(Form->LabelValue->Caption(), "0 dB");
    const TGlobalVars& settings = GlobalVars();
    EXPECT_EQ(settings.FreAnalysisFormLeft, 200);
    EXPECT_EQ(settings.FreAnalysisFormTop, 150);
    EXPECT_EQ(settings.FreAnalysisFormWidth, 600);
    EXPECT_EQ(settings.FreAnalysisFormHeight, 320);
    // Closed, it is hidden, not gone, and reads nothing more.
    Host->Editor().Position().SetCursor(0);
    Form->RefreshAnalysis();
    EXPECT_LT(loudest(), -60); // still the silent place's
}

} // namespace fre_analysis_form_test
