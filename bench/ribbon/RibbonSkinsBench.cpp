// The ribbon skins' costs, each next to what it is measured against, in one process (medians of rounds):
//   load     loading and cutting every part of the two 2010 sheets (Silver)  vs  decoding the two PNGs alone
//   part     a Silver 2010 part (the hot large button) drawn 10,000 times at 42 x 66 from its cache
//   gallery  the Silver 2010 skin gallery repainted whole                    vs  one plain fill of its area
//   tinted   a context tab tinted with its context's colour, 1,000 times     vs  the same part untinted
//
//   olva_ribbon_skins_bench                 every comparison, with ratios
//   olva_ribbon_skins_bench <what> N        N rounds of one side (load, decode, part, gallery, fill, tinted,
//                                           plain), for timing whole processes
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "tests/ui/ribbon/skins/RibbonSkinGallery.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/PaintersInit.h"
#include "ui/painters/office11/Office11Drawing.h"
#include "ui/ribbon/RibbonUnit.h"
#include "ui/ribbon/skins/Ribbon2010Skins.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace ribbon_skins_bench {

using Clock = std::chrono::steady_clock;
using ribbon_sheets::TovRibbonCut;

double Milliseconds(const std::function<void()>& AWork) {
    const auto start = Clock::now();
    AWork();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(int ARounds, const std::function<void()>& AWork) {
    std::vector<double> times;
    for (int i = 0; i < ARounds; ++i)
        times.push_back(Milliseconds(AWork));
    std::nth_element(times.begin(), times.begin() + ARounds / 2, times.end());
    return times[std::size_t(ARounds / 2)];
}

std::unique_ptr<TBitmap> Canvas(int AWidth, int AHeight) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(AWidth, AHeight);
    return bitmap;
}

// The sides of each comparison.
struct TSides {
    TovSilverRibbon2010Skin Skin;
    std::unique_ptr<TBitmap> Gallery = ribbon_skin_test::MakeGalleryCanvas();
    std::unique_ptr<TBitmap> Small = Canvas(120, 80);

    void Load() {
        Skin.AddRef();
        Skin.Release();
    }
    void Decode() {
        for (const char* name : {"RIBBONCOMMON2010", "RIBBONSILVER2010"}) {
            TovGPImage image;
            TResourceStream stream(name, "RCDATA");
            image.LoadFromStream(&stream);
            image.GetHandle();
        }
    }
    // While used: the parts are there.
    void Part() {
        TovSkinnedRect* part = Skin.PartOf(TovRibbonCut::LargeButton, 2);
        HDC dc = Small->Canvas()->Handle();
        for (int i = 0; i < 10000; ++i)
            part->Draw(dc, TRect{2, 2, 44, 68}, 255);
    }
    void PaintGallery() { ribbon_skin_test::PaintRibbonSkinGallery(Skin, *Gallery, rcsaBlue); }
    void Fill() {
        FillRectWithColor(Gallery->Canvas()->Handle(),
                          TRect{0, 0, ribbon_skin_test::kGalleryWidth, ribbon_skin_test::kGalleryHeight},
                          0xF1EDE9);
    }
    void Tinted() {
        HDC dc = Small->Canvas()->Handle();
        for (int i = 0; i < 1000; ++i)
            Skin.DrawColorizedPart(TovRibbonCut::ContextTabLayer, 2, dc, 0x3060E0, TRect{4, 4, 84, 26});
    }
    void Plain() {
        HDC dc = Small->Canvas()->Handle();
        for (int i = 0; i < 1000; ++i)
            if (TovSkinnedRect* part = Skin.PartOf(TovRibbonCut::ContextTabLayer, 2))
                part->Draw(dc, TRect{4, 4, 84, 26}, 255);
    }
};

int RunOne(TSides& ASides, const std::string& AWhat, int ARounds) {
    const std::function<void()> work = AWhat == "load"     ? std::function<void()>([&] { ASides.Load(); })
                                       : AWhat == "decode" ? std::function<void()>([&] { ASides.Decode(); })
                                       : AWhat == "part"   ? std::function<void()>([&] { ASides.Part(); })
                                       : AWhat == "gallery"
                                           ? std::function<void()>([&] { ASides.PaintGallery(); })
                                       : AWhat == "fill"   ? std::function<void()>([&] { ASides.Fill(); })
                                       : AWhat == "tinted" ? std::function<void()>([&] { ASides.Tinted(); })
                                       : AWhat == "plain"  ? std::function<void()>([&] { ASides.Plain(); })
                                                           : std::function<void()>();
    if (!work) {
        std::fprintf(stderr, "unknown measure %s\n", AWhat.c_str());
        return 2;
    }
    const bool used = AWhat != "load" && AWhat != "decode";
    if (used) ASides.Skin.AddRef();
    for (int i = 0; i < ARounds; ++i)
        work();
    if (used) ASides.Skin.Release();
    return 0;
}

void RunAll(TSides& ASides) {
    const double load = Median(15, [&] { ASides.Load(); });
    const double decode = Median(15, [&] { ASides.Decode(); });
    std::printf("load and cut the two 2010 sheets %8.2f ms   decode them alone %8.2f ms   ratio %.2f\n", load,
                decode, load / decode);
    ASides.Skin.AddRef();
    const double part = Median(9, [&] { ASides.Part(); });
    std::printf("a Silver 2010 part drawn 10,000 times at 42 x 66 %8.2f ms (%.2f us a draw)\n", part,
                part / 10.0);
    const double gallery = Median(9, [&] { ASides.PaintGallery(); });
    const double fill = Median(9, [&] { ASides.Fill(); });
    std::printf("Silver 2010 gallery repainted %8.2f ms   plain fill of its area %8.3f ms   ratio %.1f\n",
                gallery, fill, gallery / fill);
    const double tinted = Median(9, [&] { ASides.Tinted(); });
    const double plain = Median(9, [&] { ASides.Plain(); });
    std::printf("context tab tinted x1000 %8.2f ms   untinted x1000 %8.2f ms   ratio %.2f\n", tinted, plain,
                tinted / plain);
    ASides.Skin.Release();
}

} // namespace ribbon_skins_bench

int main(int argc, char** argv) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiBarsInitialize();
    uiRibbonInitialize();
    int status = 0;
    {
        ribbon_skins_bench::TSides sides;
        if (argc == 3)
            status = ribbon_skins_bench::RunOne(sides, argv[1], std::max(1, std::atoi(argv[2])));
        else
            ribbon_skins_bench::RunAll(sides);
    }
    uiRibbonFinalize();
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
