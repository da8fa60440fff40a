// One repaint of the recording window's level gauge (19 x 193, from a packed skin) and of a main-window
// level meter (an 8 x 326 gradient bar), each after a new value, side by side with a plain copy of the
// same area through the GDI layer onto the same window. The meters are updated every few milliseconds,
// so a repaint should cost well under 50 microseconds. Prints the best time of many runs and the ratios
// (ours / copy).
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinGauge.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStream.h"
#include "skin/framed/FrProgressBar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// The recording meter's skin: a dark 19 x 193 frame and its lit picture beside it.
const char* const MeterSkin = "[VERSION]\nskinname=Meter\n[PICTURES]\nactivepicturescount=1\n0=meter.bmp\n"
                              "[FORMINFO]\n[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=1\n0=gauge:gauge\n"
                              "[gauge]\npictureindex=0\nskinrect=0,0,19,193\nprogressarea=0,0,19,193\n"
                              "progressrect=21,0,40,193\nvertical=1\n";

std::unique_ptr<TskCompressedStoredSkin> MeterStoredSkin() {
    TskSkinPictureSet pictures;
    auto picture = std::make_unique<TBitmap>(40, 193);
    TCanvas* canvas = picture->Canvas();
    canvas->Brush()->SetColor(TColor(RGB(22, 26, 32)));
    canvas->FillRect(TRect{0, 0, 19, 193});
    for (int y = 0; y < 193; ++y) {
        canvas->Brush()->SetColor(TColor(RGB(BYTE(y), BYTE(200 - y), 40)));
        canvas->FillRect(TRect{21, y, 40, y + 1});
    }
    pictures.ActivePictures.push_back(std::move(picture));
    TStringList text;
    text.SetText(MeterSkin);
    auto stored = std::make_unique<TskCompressedStoredSkin>(nullptr);
    PackSkin(pictures, text, stored->CompressedStream());
    return stored;
}

// Best time in microseconds of one call, over Rounds rounds of Calls calls.
double BestMicros(const std::function<void(int)>& Call) {
    constexpr int Rounds = 40, Calls = 200;
    double best = 1e30;
    for (int round = 0; round < Rounds; ++round) {
        const auto t0 = Clock::now();
        for (int i = 0; i < Calls; ++i)
            Call(round * Calls + i);
        best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - t0).count() / Calls);
    }
    return best;
}

} // namespace

int main() {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    TForm* form = TCustomForm::New<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 400);
    auto* skin = new TskSkinData(form);
    const auto stored = MeterStoredSkin();
    skin->SetCompressedStoredSkin(stored.get());
    auto* gauge = new TskSkinGauge(form);
    gauge->SetParent(form);
    gauge->SetBounds(10, 10, 19, 193);
    gauge->SetSkinData(skin);
    gauge->SetMaxValue(32512);
    auto* meter = new TFrProgressBar(form);
    meter->SetParent(form);
    meter->SetBounds(50, 10, 8, 326);
    meter->SetBarStyle(bsGradient);
    meter->SetGradientDirection(gdHorizontalEnd);
    meter->SetBackColor(clBlack);
    meter->SetBackColorStop(clBlack);
    meter->SetBarColor(TColor(0x140DFF));
    meter->SetBarColorStop(TColor(0x147800));
    meter->SetBorderOuter(fsNone);
    meter->SetShowPercent(false);
    meter->SetThemeAware(false);
    form->Show();
    Application()->ProcessMessages();
    if (skin->Empty() || gauge->SkinIndex() == -1) {
        std::printf("the meter skin did not load\n");
        return 1;
    }

    // The gauge invalidates on a new value; the window's paint cycle draws it.
    const double gaugeRepaint = BestMicros([&](int i) {
        gauge->SetValue((i * 997) % 32512);
        gauge->Update();
    });
    const double meterRepaint = BestMicros([&](int i) { meter->SetPercent(std::int16_t(i % 101)); });

    // The reference: the same areas copied from a memory bitmap onto the same window.
    // (The gauge has a window of its own; the meter is drawn on the form's.)
    TBitmap source(19, 326);
    HDC gaugeWindow = GetDC(gauge->Handle());
    const double gaugeCopy = BestMicros(
        [&](int) { BitBlt(gaugeWindow, 0, 0, 19, 193, source.Canvas()->Handle(), 0, 0, SRCCOPY); });
    ReleaseDC(gauge->Handle(), gaugeWindow);
    HDC formWindow = GetDC(form->Handle());
    const double meterCopy = BestMicros(
        [&](int) { BitBlt(formWindow, 50, 10, 8, 326, source.Canvas()->Handle(), 0, 0, SRCCOPY); });
    ReleaseDC(form->Handle(), formWindow);

    std::printf("Level meter repaints after a new value, best of 40 x 200 (microseconds)\n");
    std::printf("  gauge 19 x 193   repaint %8.2f   GDI copy %8.2f   ratio %.2f\n", gaugeRepaint, gaugeCopy,
                gaugeRepaint / gaugeCopy);
    std::printf("  meter  8 x 326   repaint %8.2f   GDI copy %8.2f   ratio %.2f\n", meterRepaint, meterCopy,
                meterRepaint / meterCopy);
    std::printf("  target: one repaint under 50 microseconds: %s\n",
                gaugeRepaint < 50 && meterRepaint < 50 ? "met" : "NOT met");
    form->Free();
    FinalizeVcl();
    return 0;
}
