#include "SkinGallery.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <filesystem>

namespace windowskins {

namespace {

bool WritePng(TBitmap& Picture, const std::filesystem::path& Path) {
    std::filesystem::create_directories(Path.parent_path());
    auto surface = GdiGetBitmapSurface(Picture.Handle());
    return surface && SaveSurfaceToPng(*surface, Path.string());
}

std::filesystem::path OutFolder() {
    return std::filesystem::path(OLVA_TEST_OUT_DIR) / "skins";
}

} // namespace

TGallery::TGallery(std::string Title, std::string Folder)
    : FTitle(std::move(Title)), FFolder(std::move(Folder)) {
    std::error_code ignored;
    std::filesystem::remove_all(OutFolder() / FFolder, ignored);
}

void TGallery::Add(const std::string& Name, std::unique_ptr<TBitmap> Picture, int Zoom) {
    FWritten = WritePng(*Picture, OutFolder() / FFolder / (Name + ".png")) && FWritten;
    FRows.back().push_back({Name, std::move(Picture), Zoom});
}

void TGallery::NewRow() {
    FRows.emplace_back();
}

bool TGallery::Save() {
    constexpr int Gap = 12, LabelHeight = 17, TitleHeight = 26, CharWidth = 7;
    auto cellWidth = [](const TCell& c) {
        return std::max(c.Picture->Width() * c.Zoom, CharWidth * int(c.Name.size()));
    };
    int width = CharWidth * int(FTitle.size()) + 2 * Gap, height = TitleHeight;
    for (const auto& row : FRows) {
        int rowWidth = Gap, rowHeight = 0;
        for (const TCell& cell : row) {
            rowWidth += cellWidth(cell) + Gap;
            rowHeight = std::max(rowHeight, cell.Picture->Height() * cell.Zoom);
        }
        width = std::max(width, rowWidth);
        height += LabelHeight + rowHeight + Gap;
    }
    TBitmap sheet(width, height);
    TCanvas* canvas = sheet.Canvas();
    canvas->Brush()->SetColor(TColor(RGB(250, 250, 250)));
    canvas->FillRect(TRect{0, 0, width, height});
    canvas->Font()->SetName("DejaVu Sans");
    canvas->Font()->SetHeight(13);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clBlack);
    canvas->TextOut(Gap, 5, FTitle);
    int y = TitleHeight;
    for (const auto& row : FRows) {
        int x = Gap, rowHeight = 0;
        for (const TCell& cell : row) {
            canvas->Font()->SetColor(TColor(RGB(70, 70, 70)));
            canvas->TextOut(x, y, cell.Name);
            const int w = cell.Picture->Width() * cell.Zoom, h = cell.Picture->Height() * cell.Zoom;
            canvas->StretchDraw(TRect{x, y + LabelHeight, x + w, y + LabelHeight + h}, cell.Picture.get());
            x += cellWidth(cell) + Gap;
            rowHeight = std::max(rowHeight, h);
        }
        y += LabelHeight + rowHeight + Gap;
    }
    return WritePng(sheet, OutFolder() / (FFolder + ".png")) && FWritten;
}

} // namespace windowskins
