// Helpers of the skin tests: the bar tests' fixture, picture sheets made from a pixel rule, the
// imaging interface's entry points replaced for one test, pixels read back, and the folder the pictures
// for inspection go to.
#pragma once

#include "tests/ui/bars/BarsTestSupport.h"
#include "tests/ui/core/GdiPlusTestSupport.h"

#include <filesystem>
#include <string>

namespace skin_test {

using namespace graphics_test;
using namespace gdiplus_test;

using SkinTest = bars_test::BarsTest;

// An opaque pixel of the colour, as the imaging interface keeps it.
constexpr std::uint32_t Opaque(TColor AColor) {
    return Bgra((AColor >> 16) & 0xFF, (AColor >> 8) & 0xFF, AColor & 0xFF, 255);
}

inline std::string BarsOutputPath(const std::string& AName) {
    const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars";
    std::filesystem::create_directories(dir);
    return (dir / AName).string();
}

inline bool SaveBarsPng(TBitmap& ABitmap, const std::string& AName) {
    return SaveSurfaceToPng(*SurfaceOf(ABitmap), BarsOutputPath(AName));
}

} // namespace skin_test
