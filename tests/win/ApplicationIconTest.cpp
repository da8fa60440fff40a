#include "WinTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/ApplicationIcon.h"

#include <filesystem>

using namespace win_test;

namespace {

// The program's icon at the sizes captions and task lists use: a tile with transparent corners, opaque
// inside, light waveform bars across its middle with the tile's colour between and above them.
TEST(ApplicationIcon, IsAWaveformOnATileAtEverySize) {
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    for (int size : {16, 32, 48}) {
        auto icon = olva::win::DrawApplicationIcon(size);
        ASSERT_TRUE(icon);
        ASSERT_EQ(icon->Width(), size);
        auto alpha = [&](int x, int y) { return icon->Pixel(x, y) >> 24; };
        auto red = [&](int x, int y) { return (icon->Pixel(x, y) >> 16) & 0xFF; };
        EXPECT_EQ(alpha(0, 0), 0u) << size;
        EXPECT_EQ(alpha(size - 1, size - 1), 0u) << size;
        EXPECT_EQ(alpha(size / 2, 1), 255u) << size;
        EXPECT_EQ(alpha(size / 2, size / 2), 255u) << size;
        // In sixteenths of the tile: the tallest bar spans 7 to 8 across and 3 to 13 down.
        auto at = [&](double sixteenths) { return int(sixteenths * size / 16); };
        EXPECT_GT(red(at(7.5), at(8)), 200u) << size;   // on the bar
        EXPECT_GT(red(at(7.5), at(3.5)), 200u) << size; // near its top
        EXPECT_LT(red(at(7.5), at(2.5)), 100u) << size; // above it
        EXPECT_LT(red(at(8.5), at(8)), 100u) << size;   // beside it
        EXPECT_TRUE(SaveSurfaceToPng(
            *icon, std::string(OLVA_TEST_OUT_DIR) + "/win-application-icon-" + std::to_string(size) + ".png",
            true));
    }
    // One icon per size, made once.
    EXPECT_EQ(olva::win::ApplicationIcon(16), olva::win::ApplicationIcon(16));
    EXPECT_NE(olva::win::ApplicationIcon(16), olva::win::ApplicationIcon(32));
}

} // namespace
