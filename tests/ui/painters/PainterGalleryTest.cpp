// The painter gallery on the headless screen, one picture per painter (base, Flat, Standard, UltraFlat,
// Native, and Office11 in each of its four colour schemes), under build/test-output/painters/.
#include "gallery/PainterGallery.h"
#include "PaintersTestSupport.h"
#include "gallery/GalleryScheme.h"

#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/painters/office11/Office11Colors.h"

#include <algorithm>

using namespace painters_test;

namespace {

class PainterGalleryTest : public PaintersTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PainterGalleryTest, EveryOperationOfThePainterInAWindow) {
    const std::string name = GetParam();
    // "Office11-blue": the Office11 painter in the named scheme.
    const std::size_t dash = name.find('-');
    const std::string painterName = name.substr(0, dash);
    TuiCustomLookAndFeelPainter* painter = Painter(painterName == "Base" ? "" : painterName);
    ASSERT_NE(painter, nullptr);
    ReferenceOffice11Colors();
    if (dash != std::string::npos) {
        const std::string scheme = name.substr(dash + 1);
        for (int s = schNone; s <= schSilver; ++s)
            if (scheme == painter_gallery::Office11SchemeName(static_cast<TovOffice11Scheme>(s)))
                painter_gallery::UseOffice11Scheme(static_cast<TovOffice11Scheme>(s));
        ASSERT_EQ(painter_gallery::Office11SchemeName(GetOffice11Scheme()), scheme);
    }
    painter_gallery::TPainterGallery gallery;
    const TSize size = gallery.Size();
    HWND window = MakeWindow(WS_POPUP | WS_VISIBLE);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    HDC dc = GetDC(window);
    TCanvas target;
    target.SetHandle(dc);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    {
        TuiCanvas canvas(&target);
        gallery.Paint(&canvas, painter, &font);
    }
    target.SetHandle(nullptr);
    ReleaseDC(window, dc);
    EXPECT_TRUE(olva::win::SaveWindowPng(window, PaintersOutputPath("gallery-" + name + ".png")));
    EXPECT_GT(gallery.Cells().size(), 300u);
    if (dash != std::string::npos) painter_gallery::EndOffice11Scheme();
    ReleaseOffice11Palette();
}

INSTANTIATE_TEST_SUITE_P(Painters, PainterGalleryTest,
                         ::testing::Values("Base", "Flat", "Standard", "UltraFlat", "Native", "Office11-none",
                                           "Office11-blue", "Office11-olive", "Office11-silver"),
                         [](const auto& AInfo) {
                             std::string name = AInfo.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
