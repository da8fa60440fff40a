// Pictures of the spectrum display in its six looks and of the envelope display with an edited curve,
// sized and dressed as the application's windows show them.
#include "ViewTestSupport.h"

#include "audio/views/AudioTransformDisplay2.h"
#include "audio/views/AudioVisualization2.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Font.h"

namespace display_pictures_test {

using namespace view_test;

class DisplayPictures : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        GdiSetTestFontEverywhere(false);
    }
};

TEST_F(DisplayPictures, SpectrumDisplayInEveryLook) {
    form->SetBounds(60, 60, 560, 260);
    auto* display = new TAudioVisualization2(form);
    display->SetParent(form);
    display->SetBounds(0, 0, 542, 220);
    display->Font()->SetName("Tahoma");
    display->Font()->SetSize(7);
    ShowForm();
    // Two seconds into the test piece: a note with its harmonics over a drum and a bass.
    std::vector<float> song = TestSong(44100, 3.0);
    const std::size_t at = 44100 * 2 * 2 + 2 * 3000;
    static const char* names[] = {"analog", "linear", "normal", "fire", "glass", "kryptonite"};
    for (int look = 0; look <= 5; ++look) {
        display->SetVisType(look);
        display->SetWindowArraySize(look == 0 ? 256 : 1024);
        const std::size_t frames = 2 * std::size_t(display->WindowArraySize());
        display->PutArray(std::vector<float>(song.begin() + std::ptrdiff_t(at),
                                             song.begin() + std::ptrdiff_t(at + frames * 2)),
                          2, 44100);
        Pump();
        SavePicture(form->Handle(), std::string("spectrum-") + std::to_string(look) + "-" + names[look]);
    }
}

TEST_F(DisplayPictures, EnvelopeDisplayWithAnEditedCurve) {
    form->SetBounds(60, 60, 571, 260);
    auto* display = new TAudioTransformDisplay2(form);
    display->SetParent(form);
    display->SetBounds(8, 0, 545, 200);
    display->SetGridVisible(true);
    display->SetScaleXCaption("smpl");
    display->SetLineArraySize(100000);
    display->SetScaleXMax(88200);
    display->SetScaleXMin(44100);
    ShowForm();
    // A fade in, a dip and a fade out, drawn with the mouse.
    const RECT plot = display->PlotRect();
    auto at = [&](double x, double db) { return display->PixelOf(TEnvelopeLine::TPoint{x, db}); };
    POINT p = at(0, 0);
    MouseDown(display, p.x, p.y);
    p = at(0, -60);
    MouseMoveTo(display, p.x, p.y);
    MouseUp(display, p.x, p.y);
    for (auto [x, db] : {std::pair{0.2, 0.0}, {0.45, -12.0}, {0.55, -12.0}, {0.8, 6.0}}) {
        p = at(x, db);
        Click(display, p.x, p.y);
    }
    p = at(1, 0);
    MouseDown(display, p.x, p.y);
    MouseMoveTo(display, p.x, plot.bottom - 1);
    MouseUp(display, p.x, plot.bottom - 1);
    SavePicture(form->Handle(), "envelope-edited");
}

} // namespace display_pictures_test
