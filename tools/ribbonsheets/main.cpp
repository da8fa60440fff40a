// olva-ribbonsheets <folder>: packs the cells of the ribbon sheet catalogue, checks the packing, draws the
// ten picture sheets and writes them with the header of cell places into the folder, for the build to
// embed and compile. A fault in the catalogue stops the build with the part ID named. Files whose content
// did not change are left alone, so that nothing that depends on them is made again.
#include "tools/ribbonsheets/SheetArt.h"
#include "tools/ribbonsheets/SheetPacking.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

void WriteIfChanged(const std::filesystem::path& APath, const std::string& AContent) {
    {
        std::ifstream in(APath, std::ios::binary);
        if (in) {
            std::ostringstream old;
            old << in.rdbuf();
            if (old.str() == AContent) return;
        }
    }
    const std::filesystem::path temporary = APath.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << AContent;
        if (!out) throw std::runtime_error("cannot write " + temporary.string());
    }
    std::filesystem::rename(temporary, APath);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        const ribbonsheets::TSheetLayout layout = ribbonsheets::PackSheets();
        ribbonsheets::CheckLayout(layout);
        for (const ribbon_sheets::TovRibbonSheetInfo& sheet : ribbon_sheets::kRibbonSheets)
            WriteIfChanged(folder / (std::string(sheet.Name) + ".png"),
                           ribbonsheets::DrawSheet(layout, sheet)->ToPng());
        WriteIfChanged(folder / "RibbonSheetPlaces.h", ribbonsheets::PositionsHeader(layout));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "olva-ribbonsheets: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
