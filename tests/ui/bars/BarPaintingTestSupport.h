// Fixture of the bar painting tests: the bar model's fixture with the look-and-feel painters started, a
// manager with the gallery's pictures and a painter base of its own, stand-in bar controls, and
// bitmaps to paint on and read back.
#pragma once

#include "BarsTestSupport.h"
#include "gallery/BarStandIns.h"
#include "tests/vcl/GraphicsTestUtil.h"

#include "ui/bars/painting/BarPainter.h"

#include <memory>
#include <string>

class TovBarButton;
class TovBarManager;
class TovBar;
class TuiCanvas;

namespace bars_test {

// The fake windows of the model, and stand-in menus for sub-items' links (drawn with Painter).
class PaintingFactory : public FakeFactory {
public:
    IovBarControl* CreateSubMenuControl(TovBarItemLinks* ALinks) override;
    TovBarPainter* Painter = nullptr;
};

class BarPaintingTest : public BarsTest {
public:
    // A bitmap and a canvas on it.
    struct TPicture {
        std::unique_ptr<TBitmap> Bitmap;
        std::unique_ptr<TuiCanvas> Canvas;
        HDC DC() const;
        TColor At(int X, int Y) const;
        // How many pixels have the colour.
        int Count(TColor AColor) const;
    };

protected:
    void SetUp() override;
    void TearDown() override;

    // A button of the manager with a caption and an image of the gallery's lists (-1: none).
    TovBarButton* Button(const std::string& ACaption, int AImage = -1, TovBarPaintStyle AStyle = psStandard);
    // A horizontal (top), vertical (left) or floating toolbar stand-in, and a menu stand-in.
    bar_standins::TStandInToolbar* Toolbar(TovBarDockingStyle AStyle = dsTop);
    bar_standins::TStandInMenu* Menu();
    // A bitmap of the size in the colour and a canvas on it.
    TPicture Picture(int AWidth, int AHeight, TColor AFill = clWhite);
    // Where the tests leave their pictures (build/test-output/bars).
    static std::string OutputPath(const std::string& AName);

    TovBarManager* manager = nullptr;
    std::unique_ptr<TovBarPainter> painter;
    std::vector<std::unique_ptr<TCustomovBarControl>> standIns;
    PaintingFactory paintingFactory;
};

// A colour as the pixels read it (system colours resolved).
inline TColor Rgb(TColor AColor) {
    return static_cast<TColor>(ColorToRGB(AColor) & 0xFFFFFF);
}

} // namespace bars_test
