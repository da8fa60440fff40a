// Shared fixture of the painters' tests: the foundation's fixture with the painter unit started, and
// helpers that draw a painter operation on a bitmap and read its pixels back.
#pragma once

#include "tests/ui/core/GraphicsTestSupport.h"
#include "tests/ui/core/UiCoreTestSupport.h"

#include "ui/painters/PaintersInit.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/lookandfeel/PaintersManager.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace painters_test {

using namespace graphics_test;

class PaintersTest : public ui_core_test::UiCoreTest {
protected:
    void SetUp() override {
        UiCoreTest::SetUp();
        uiPaintersInitialize();
        basePainter = std::make_unique<TuiCustomLookAndFeelPainter>();
    }
    void TearDown() override {
        // Its pictures go before the imaging library does.
        basePainter.reset();
        uiPaintersFinalize();
        UiCoreTest::TearDown();
    }
    // A registered painter by name, or the base painter for "".
    TuiCustomLookAndFeelPainter* Painter(const std::string& AName) {
        if (AName.empty()) return basePainter.get();
        return uiLookAndFeelPaintersManager()->GetPainterByName(AName);
    }
    // A bitmap of the size filled with the colour, drawn on through a TuiCanvas.
    std::unique_ptr<TBitmap> Draw(int AWidth, int AHeight, TColor AFill,
                                  const std::function<void(TuiCanvas*)>& ADraw) {
        auto bitmap = MakeBitmap(AWidth, AHeight, AFill);
        TuiCanvas canvas(bitmap->Canvas());
        ADraw(&canvas);
        return bitmap;
    }

    std::unique_ptr<TuiCustomLookAndFeelPainter> basePainter;
};

// System colours as the pixels read them.
inline TColor Rgb(TColor AColor) {
    return static_cast<TColor>(ColorToRGB(AColor) & 0xFFFFFF);
}

inline std::string PaintersOutputPath(const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "painters";
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

} // namespace painters_test
