// The embedded sheets as the skins see them: nothing drawn outside the cells of a sheet, and, for the eye,
// each sheet and its contact sheet under build/test-output/ribbon/sheets/: every cell cut as a skin part
// and drawn through it at its own size and stretched two ways, on the ribbon's background, labelled with
// its part ID.
#include "RibbonSkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/ribbon/skins/RibbonSheetLayout.h"

#include <algorithm>
#include <fstream>

using namespace ribbon_skin_test;
using namespace ribbon_sheets;

namespace ribbon_sheet_contact_test {

using RibbonSheetContactTest = RibbonSkinTest;

std::unique_ptr<TovGPImage> EmbeddedSheet(const std::string& AName) {
    auto image = std::make_unique<TovGPImage>();
    TResourceStream stream(AName, "RCDATA");
    image->LoadFromStream(&stream);
    return image;
}

bool OnSheet(const TovRibbonCutInfo& ACut, const TovRibbonSheetInfo& ASheet) {
    return !ACut.IsAlias && ACut.Sheet == ASheet.Kind && (ACut.Families & FamilyOfStyle(ASheet.Style));
}

// The ribbon background each family's pictures are shown on.
unsigned BackgroundOf(const TovRibbonSheetInfo& ASheet) {
    const std::string name = ASheet.Name;
    if (name == "RIBBONBLUE2010") return 0xE4CCB7;
    if (name == "RIBBONBLACK2010") return 0x8B8B8B;
    if (name == "RIBBONBLUE" || name == "RIBBONCOMMON") return 0xFFDBBF;
    if (name == "RIBBONBLACK") return 0x535353;
    if (name == "RIBBONSILVER") return 0xDDD4D0;
    if (ASheet.Style == 2) return 0xFFFFFF;
    return 0xF1EDE9;
}

TEST_F(RibbonSheetContactTest, NothingIsDrawnOutsideTheCells) {
    for (const TovRibbonSheetInfo& sheet : kRibbonSheets) {
        const auto image = EmbeddedSheet(sheet.Name);
        const TSize size = SheetSize(sheet.Style, sheet.Kind);
        ASSERT_EQ(size.cx, image->Width()) << sheet.Name;
        ASSERT_EQ(size.cy, image->Height()) << sheet.Name;
        std::vector<bool> inCell(std::size_t(size.cx) * size.cy, false);
        for (const TovRibbonCutInfo& cut : kRibbonCuts)
            if (OnSheet(cut, sheet))
                for (int i = 0; i < cut.CellCount(); ++i) {
                    const TRect cell = CutCell(cut.Cut, i);
                    for (int y = cell.top; y < cell.bottom; ++y)
                        for (int x = cell.left; x < cell.right; ++x)
                            inCell[std::size_t(y) * size.cx + x] = true;
                }
        const std::unique_ptr<TBitmap> pixels = image->GetAsBitmap();
        int stray = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                if (!inCell[std::size_t(y) * size.cx + x] && (PixelOf(*pixels, x, y) >> 24) != 0) ++stray;
        EXPECT_EQ(0, stray) << sheet.Name << ": pixels outside every cell";
    }
}

// One row of the contact sheet: a cut's cells, each at its own size and stretched.
struct TContactRow {
    const TovRibbonCutInfo* Cut;
    int Height;
};

TEST_F(RibbonSheetContactTest, SheetsAndContactSheets) {
    for (const TovRibbonSheetInfo& sheet : kRibbonSheets) {
        // The sheet itself.
        const TResourceData* data = FindResource("RCDATA", sheet.Name);
        ASSERT_NE(nullptr, data) << sheet.Name;
        std::ofstream(RibbonOutputPath("sheets", std::string(sheet.Name) + ".png"), std::ios::binary)
            .write(reinterpret_cast<const char*>(data->Data), std::streamsize(data->Size));

        const auto image = EmbeddedSheet(sheet.Name);
        constexpr int labelWidth = 250, gap = 6, width = 1500;
        std::vector<TContactRow> rows;
        int height = gap;
        for (const TovRibbonCutInfo& cut : kRibbonCuts) {
            if (!OnSheet(cut, sheet)) continue;
            const int cellHeight = std::max<int>(cut.CellHeight * 2, cut.CellHeight + 16);
            const int perRow = std::max(
                1, (width - labelWidth) / (3 * (std::max<int>(cut.CellWidth * 2, cut.CellWidth + 24) + gap)));
            const int lines = (cut.CellCount() + perRow - 1) / perRow;
            rows.push_back({&cut, lines * (cellHeight + gap)});
            height += lines * (cellHeight + gap) + gap;
        }
        auto canvas = MakeCanvas(width, height, Opaque(BackgroundOf(sheet)));
        HDC dc = DCOf(*canvas);
        TFont font;
        font.SetName("Sans");
        font.SetHeight(-11);
        canvas->Canvas()->Font()->Assign(&font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, sheet.Style == 0 && std::string(sheet.Name) == "RIBBONBLACK" ? 0xFFFFFF : 0x202020);
        int y = gap;
        int drawn = 0;
        for (const TContactRow& row : rows) {
            const TovRibbonCutInfo& cut = *row.Cut;
            const std::string label = std::to_string(cut.FirstID) + " " + cut.Name;
            TextOut(dc, gap, y, label.c_str(), int(label.size()));
            const int wide = std::max<int>(cut.CellWidth * 2, cut.CellWidth + 24);
            const int tall = std::max<int>(cut.CellHeight * 2, cut.CellHeight + 16);
            const int perRow = std::max(1, (width - labelWidth) / (3 * (wide + gap)));
            for (int i = 0; i < cut.CellCount(); ++i) {
                TovSkinnedRect part;
                part.LoadFromImage(
                    image->GetHandle(), CutCell(cut.Cut, i),
                    TRect{cut.Margins.Left, cut.Margins.Top, cut.Margins.Right, cut.Margins.Bottom});
                part.SetStretch((cut.TiledFamilies & FamilyOfStyle(sheet.Style)) != 0);
                const int x = labelWidth + (i % perRow) * 3 * (wide + gap);
                const int top = y + (i / perRow) * (tall + gap);
                part.Draw(dc, TRect{x, top, x + cut.CellWidth, top + cut.CellHeight}, 255);
                // Glyphs are only ever drawn at their own size.
                if (cut.Drawing != TovCutDrawing::Centred) {
                    part.Draw(dc, TRect{x + wide + gap, top, x + 2 * wide + gap, top + cut.CellHeight}, 255);
                    part.Draw(dc, TRect{x + 2 * (wide + gap), top, x + 3 * wide + 2 * gap, top + tall}, 255);
                }
                ++drawn;
            }
            y += row.Height + gap;
        }
        EXPECT_GT(drawn, 0) << sheet.Name;
        EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(canvas->Handle()),
                                     RibbonOutputPath("sheets", std::string(sheet.Name) + "-contact.png")));
    }
}

} // namespace ribbon_sheet_contact_test
