// Helpers of the ribbon skin tests: the fixture (headless window system on a fake clock, the class library
// and the user-interface library up to the ribbon unit), picture sheets made from the catalogue whose
// every cell is one colour that names its part and cell (so a pixel tells which part and cell was drawn),
// put in place of the embedded sheets while a test runs, and the folder pictures for inspection go to.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/vcl/Bitmap.h"
#include "ui/ribbon/skins/RibbonSheetCatalogue.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TResourceData;

namespace ribbon_skin_test {

class RibbonSkinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
};

// What the tests' canvases are filled with: no skin draws it.
constexpr std::uint32_t kBackground = 0xFF102030;

// The colour that names cell ACell of the cut whose first ID is AFirstID (opaque, as the sheet holds it).
std::uint32_t CellCode(int AFirstID, int ACell);
struct TCellName {
    int FirstID = 0;
    int Cell = 0;
    friend bool operator==(const TCellName&, const TCellName&) = default;
};
// The part and cell a drawn pixel names; none for a pixel of no coded cell.
std::optional<TCellName> DecodeCell(std::uint32_t APixel);
std::string ToString(const std::optional<TCellName>& AName);

// A pixel of a coded sheet other than its cell's code: AFirstID, ACell, x and y inside the cell; none keeps
// the code.
using TCellPainter = std::function<std::optional<std::uint32_t>(int AFirstID, int ACell, int X, int Y)>;

// The ten sheets drawn from the catalogue with every cell coded, registered in place of the embedded ones
// for the life of the object, which puts the embedded ones back.
class TCodedSheets {
public:
    explicit TCodedSheets(const TCellPainter& APainter = nullptr);
    ~TCodedSheets();
    TCodedSheets(const TCodedSheets&) = delete;
    TCodedSheets& operator=(const TCodedSheets&) = delete;
    // Registers other bytes under a sheet's name (a broken or a replaced sheet).
    void Replace(const std::string& AName, std::string ABytes);

private:
    struct TSaved {
        std::string Name;
        const unsigned char* Data;
        std::size_t Size;
    };
    std::vector<TSaved> FSaved;
    std::vector<std::unique_ptr<std::string>> FBytes;
};

// The PNG bytes of a coded sheet of a style and kind.
std::string CodedSheetPng(int AStyle, ribbon_sheets::TovRibbonSheetKind AKind,
                          const TCellPainter& APainter = nullptr);

// A 32-bit bitmap filled with one colour, to draw into through its canvas's DC.
std::unique_ptr<TBitmap> MakeCanvas(int AWidth, int AHeight, std::uint32_t APixel = 0xFF000000);
HDC DCOf(TBitmap& ABitmap);
std::uint32_t PixelOf(TBitmap& ABitmap, int X, int Y);
// The colour at (X, Y) as a TColor (red in the low byte), whatever its alpha: GDI drawing leaves alpha 0.
unsigned ColorAt(TBitmap& ABitmap, int X, int Y);
// The part and cell drawn at (X, Y).
std::optional<TCellName> CellAt(TBitmap& ABitmap, int X, int Y);
// Whether every pixel of the bitmap still is APixel.
bool IsUniform(TBitmap& ABitmap, std::uint32_t APixel);
// An opaque pixel of a TColor.
std::uint32_t Opaque(unsigned AColor);

// Where the ribbon tests leave pictures: build/test-output/ribbon/<folder>.
std::string RibbonOutputPath(const std::string& AFolder, const std::string& AName);

} // namespace ribbon_skin_test
