// The painter gallery on the headless screen, one picture per painter (base, Flat, Standard, UltraFlat),
// under build/test-output/painters/.
#include "gallery/PainterGallery.h"
#include "PaintersTestSupport.h"

#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

using namespace painters_test;

namespace {

class PainterGalleryTest : public PaintersTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PainterGalleryTest, EveryOperationOfThePainterInAWindow) {
    const std::string name = GetParam();
    TuiCustomLookAndFeelPainter* painter = Painter(name == "Base" ? "" : name);
    ASSERT_NE(painter, nullptr);
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
}

INSTANTIATE_TEST_SUITE_P(Painters, PainterGalleryTest,
                         ::testing::Values("Base", "Flat", "Standard", "UltraFlat"),
                         [](const auto& AInfo) { return std::string(AInfo.param); });

} // namespace
